#pragma once
// The F distribution, for confidence intervals of reliability
// coefficients: its quantiles through the regularized incomplete beta
// function, right to about 1e-11 (relative) for degrees of freedom from 1
// to 1,000,000 and probabilities from 0.005 to 0.995.

namespace kor {

// I_x(a, b), for 0 <= x <= 1 and a, b > 0: the continued fraction of
// Numerical Recipes (Press et al., 3rd ed., 6.4) with the modified Lentz
// method, its prefactor x^a (1 - x)^b / B(a, b) computed from Loader's
// (2000) deviance and Stirling's series so that large a and b keep their
// digits.
double regularized_beta(double x, double a, double b);

// The p quantile of the F distribution with d1 and d2 degrees of freedom
// (0 < p < 1): with x = d1 F / (d1 F + d2), I_x(d1/2, d2/2) = p, solved by
// Newton's method kept inside a bisection bracket, for x or for 1 - x,
// whichever is the smaller.
double f_quantile(double p, double d1, double d2);

}  // namespace kor
