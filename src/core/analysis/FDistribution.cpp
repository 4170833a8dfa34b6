#include "core/analysis/FDistribution.h"

#include <cmath>

namespace kor {

namespace {

constexpr double half_log_two_pi = 0.91893853320467274178;  // log(2 pi) / 2

// lgamma(z) less Stirling's approximation (z - 1/2) log z - z + log(2 pi)/2:
// its series from z = 15 on, where it needs five terms.
double stirling_error(double z) {
    if (z < 15.0) {
        return std::lgamma(z) - ((z - 0.5) * std::log(z) - z + half_log_two_pi);
    }
    const double z2 = 1.0 / (z * z);
    return (1.0 / 12 - z2 * (1.0 / 360 - z2 * (1.0 / 1260 - z2 * (1.0 / 1680 - z2 / 1188.0)))) / z;
}

// x log(x / m) + m - x, by its series where x is near m, which the direct
// form would lose to cancellation.
double deviance(double x, double m) {
    if (std::fabs(x - m) >= 0.1 * (x + m)) {
        return x * std::log(x / m) + m - x;
    }
    double v = (x - m) / (x + m);
    double sum = (x - m) * v;
    double term = 2.0 * x * v;
    v *= v;
    for (int j = 1; j < 1000; ++j) {
        term *= v;
        const double next = sum + term / (2 * j + 1);
        if (next == sum) {
            break;
        }
        sum = next;
    }
    return sum;
}

// log(x^a (1 - x)^b / B(a, b)): with n = a + b, Stirling's form of the
// beta function leaves -D(a, n x) - D(b, n (1 - x)) + log(a b / (2 pi n)) / 2
// and the three Stirling errors, none of them large.
double log_front(double x, double a, double b) {
    const double n = a + b;
    return -deviance(a, n * x) - deviance(b, n * (1.0 - x)) + 0.5 * std::log(a * b / n) -
           half_log_two_pi - stirling_error(a) - stirling_error(b) + stirling_error(n);
}

// The continued fraction of I_x(a, b), which converges fast for
// x < (a + 1) / (a + b + 2).
double beta_fraction(double x, double a, double b) {
    constexpr double tiny = 1e-300;
    constexpr double epsilon = 1e-16;
    const auto kept = [](double value) { return std::fabs(value) < tiny ? tiny : value; };
    double c = 1.0;
    double d = 1.0 / kept(1.0 - (a + b) * x / (a + 1.0));
    double h = d;
    for (int m = 1; m < 1000000; ++m) {
        const double m2 = 2.0 * m;
        const double even = m * (b - m) * x / ((a - 1.0 + m2) * (a + m2));
        d = 1.0 / kept(1.0 + even * d);
        c = kept(1.0 + even / c);
        h *= d * c;
        const double odd = -(a + m) * (a + b + m) * x / ((a + m2) * (a + 1.0 + m2));
        d = 1.0 / kept(1.0 + odd * d);
        c = kept(1.0 + odd / c);
        const double change = d * c;
        h *= change;
        if (std::fabs(change - 1.0) < epsilon) {
            break;
        }
    }
    return h;
}

// The x below one half with I_x(a, b) = p.
double lower_beta_quantile(double p, double a, double b) {
    double low = 0.0;
    double high = 0.5;
    double x = 0.25;
    for (int step = 0; step < 400; ++step) {
        const double gap = regularized_beta(x, a, b) - p;
        (gap < 0.0 ? low : high) = x;
        const double density = std::exp(log_front(x, a, b)) / (x * (1.0 - x));
        double next = x - gap / density;
        if (!(next > low && next < high)) {
            next = 0.5 * (low + high);  // Newton left the bracket
        }
        if (std::fabs(next - x) <= 1e-15 * x) {
            return next;
        }
        x = next;
    }
    return x;
}

}  // namespace

double regularized_beta(double x, double a, double b) {
    if (x <= 0.0) {
        return 0.0;
    }
    if (x >= 1.0) {
        return 1.0;
    }
    const double front = std::exp(log_front(x, a, b));
    if (x < (a + 1.0) / (a + b + 2.0)) {
        return front * beta_fraction(x, a, b) / a;
    }
    return 1.0 - front * beta_fraction(1.0 - x, b, a) / b;
}

double f_quantile(double p, double d1, double d2) {
    const double a = d1 / 2.0;
    const double b = d2 / 2.0;
    if (p <= regularized_beta(0.5, a, b)) {
        const double x = lower_beta_quantile(p, a, b);
        return d2 / d1 * x / (1.0 - x);
    }
    // 1 - x is the smaller: it follows the beta distribution of (b, a).
    const double y = lower_beta_quantile(1.0 - p, b, a);
    return d2 / d1 * (1.0 - y) / y;
}

}  // namespace kor
