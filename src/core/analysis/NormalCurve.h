#pragma once
// The normal curve as the analysis computes it: the distribution function is
// Student's t with 10000 degrees of freedom through the regularized
// incomplete beta function, and inverse values are found by stepping z. The
// printed biserial correlations depend on this exact procedure.

#include <string>
#include <vector>

namespace kor {

// Collects the diagnostics of the numerical routines, each text once.
class Diagnostics {
  public:
    void add(const std::string& text);
    const std::vector<std::string>& texts() const { return texts_; }

  private:
    std::vector<std::string> texts_;
};

double log_gamma(double x);
double beta_continued_fraction(double a, double b, double x, Diagnostics& diagnostics);
double incomplete_beta(double a, double b, double x, Diagnostics& diagnostics);

// The normal distribution function at z.
double normal_cdf(double z, Diagnostics& diagnostics);

// z with normal_cdf(z) close to p, found by steps of 0.01, 0.001 and 0.0001.
// p must lie strictly between 0 and 1.
double normal_deviate_for(double p, Diagnostics& diagnostics);

// The normal ordinate exp(-z^2/2) / sqrt(2 pi).
double normal_ordinate(double z);

}  // namespace kor
