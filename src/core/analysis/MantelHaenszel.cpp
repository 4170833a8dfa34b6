#include "core/analysis/MantelHaenszel.h"

#include <cmath>

namespace kor {

namespace {

constexpr double d_dif_scale = -2.35;  // the ETS delta scale: 4 / 1.7
constexpr double significance = 0.05;

// The sums over the levels that the estimator and the test need.
struct MhSums {
    double alpha_numerator = 0.0;    // sum of A D / N
    double alpha_denominator = 0.0;  // sum of B C / N
    double right_reference = 0.0;    // sum of A
    double expected = 0.0;           // sum of E(A) = n_R m_1 / N
    double variance = 0.0;           // sum of n_R n_F m_1 m_0 / (N^2 (N - 1))
    int levels = 0;
};

MhSums sums_of(const std::vector<MhLevel>& levels) {
    MhSums sums;
    for (const MhLevel& level : levels) {
        const double a = level.reference_right;
        const double b = level.reference_wrong;
        const double c = level.focal_right;
        const double d = level.focal_wrong;
        const double reference = a + b;
        const double focal = c + d;
        const double n = reference + focal;
        if (reference == 0.0 || focal == 0.0) {
            continue;  // the level matches nobody of one group
        }
        ++sums.levels;
        const double right = a + c;
        const double wrong = b + d;
        sums.alpha_numerator += a * d / n;
        sums.alpha_denominator += b * c / n;
        sums.right_reference += a;
        sums.expected += reference * right / n;
        if (n > 1.0) {
            sums.variance += reference * focal * right * wrong / (n * n * (n - 1.0));
        }
    }
    return sums;
}

}  // namespace

double chi_square_1_upper_tail(double chi_square) {
    return std::erfc(std::sqrt(chi_square / 2.0));
}

std::string ets_class_of(double d_dif, double p) {
    const double size = std::fabs(d_dif);
    const bool significant = p < significance;
    if (size < 1.0 || !significant) {
        return "A";
    }
    return size >= 1.5 ? "C" : "B";
}

MhFigures mantel_haenszel(const std::vector<MhLevel>& levels) {
    const MhSums sums = sums_of(levels);
    MhFigures figures;
    figures.levels = sums.levels;
    if (sums.levels == 0) {
        figures.reason = "no score level holds examinees of both groups";
        return figures;
    }
    if (sums.variance <= 0.0) {
        figures.reason =
            "at every score level holding both groups the examinees answered the item alike "
            "(all right or all wrong)";
        return figures;
    }
    const double deviation = std::fabs(sums.right_reference - sums.expected) - 0.5;
    figures.chi_square = deviation > 0.0 ? deviation * deviation / sums.variance : 0.0;
    figures.p = chi_square_1_upper_tail(*figures.chi_square);
    if (sums.alpha_numerator > 0.0 && sums.alpha_denominator > 0.0) {
        figures.alpha = sums.alpha_numerator / sums.alpha_denominator;
        figures.d_dif = d_dif_scale * std::log(*figures.alpha);
        figures.ets_class = ets_class_of(*figures.d_dif, *figures.p);
    } else {
        // One group never outdoes the other at any level: the odds ratio is
        // 0 or infinite, as large a difference as there can be.
        figures.reason = sums.alpha_denominator > 0.0
                             ? "the odds ratio is 0: at no level did the reference group "
                               "answer right while the focal group answered wrong"
                             : "the odds ratio is infinite: at no level did the focal group "
                               "answer right while the reference group answered wrong";
        figures.ets_class = *figures.p < significance ? "C" : "A";
    }
    return figures;
}

}  // namespace kor
