#include "core/analysis/NormalCurve.h"

#include <algorithm>
#include <cmath>

namespace kor {

namespace {

constexpr double degrees_of_freedom = 10000.0;
constexpr int continued_fraction_steps = 100;
constexpr double continued_fraction_tolerance = 3e-7;
// Beyond this the distribution function is 0 or 1 in double precision; the
// search never needs to go further and this bound guarantees it stops.
constexpr double deviate_limit = 40.0;

}  // namespace

void Diagnostics::add(const std::string& text) {
    if (std::find(texts_.begin(), texts_.end(), text) == texts_.end()) {
        texts_.push_back(text);
    }
}

double log_gamma(double x) {
    const double y = x - 1.0;
    const double tmp = y + 5.5;
    const double series = 1.0 + 76.18009173 / (y + 1.0) - 86.50532033 / (y + 2.0) +
                          24.01409822 / (y + 3.0) - 1.231739516 / (y + 4.0) +
                          0.00120858003 / (y + 5.0) - 0.00000536382 / (y + 6.0);
    return std::log(2.50662827465 * series) + (y + 0.5) * std::log(tmp) - tmp;
}

double beta_continued_fraction(double a, double b, double x, Diagnostics& diagnostics) {
    double am = 1.0;
    double bm = 1.0;
    double az = 1.0;
    const double qab = a + b;
    const double qap = a + 1.0;
    const double qam = a - 1.0;
    double bz = 1.0 - qab * x / qap;
    for (int m = 1; m <= continued_fraction_steps; ++m) {
        const double em = m;
        const double tem = 2.0 * em;
        double d = em * (b - em) * x / ((qam + tem) * (a + tem));
        const double ap = az + d * am;
        const double bp = bz + d * bm;
        d = -(a + em) * (qab + em) * x / ((a + tem) * (qap + tem));
        const double app = ap + d * az;
        const double bpp = bp + d * bz;
        const double aold = az;
        am = ap / bpp;
        bm = bp / bpp;
        az = app / bpp;
        bz = 1.0;
        if (std::fabs(az - aold) < continued_fraction_tolerance * std::fabs(az)) {
            return az;
        }
    }
    diagnostics.add("pause in BetaCF");
    diagnostics.add("a or b too big, or itmax too small");
    return az;
}

double incomplete_beta(double a, double b, double x, Diagnostics& diagnostics) {
    if (x < 0.0 || x > 1.0) {
        diagnostics.add("pause in routine BETAI");
        x = std::clamp(x, 0.0, 1.0);
    }
    double bt = 0.0;
    if (x != 0.0 && x != 1.0) {
        bt = std::exp(log_gamma(a + b) - log_gamma(a) - log_gamma(b) + a * std::log(x) +
                      b * std::log(1.0 - x));
    }
    if (x < (a + 1.0) / (a + b + 2.0)) {
        return bt * beta_continued_fraction(a, b, x, diagnostics) / a;
    }
    return 1.0 - bt * beta_continued_fraction(b, a, 1.0 - x, diagnostics) / b;
}

double normal_cdf(double z, Diagnostics& diagnostics) {
    const double x = degrees_of_freedom / (degrees_of_freedom + z * z);
    const double tail = incomplete_beta(degrees_of_freedom / 2.0, 0.5, x, diagnostics) / 2.0;
    return z >= 0.0 ? 1.0 - tail : tail;
}

double normal_deviate_for(double p, Diagnostics& diagnostics) {
    // Each pass steps back over the last step of the coarser pass, then
    // walks on with the finer step until the curve reaches p.
    constexpr double steps[] = {0.01, 0.001, 0.0001};
    double z = 0.0;
    if (p > 0.5) {
        for (int pass = 0; pass < 3; ++pass) {
            if (pass > 0) {
                z -= steps[pass - 1];
            }
            while (normal_cdf(z, diagnostics) < p && z < deviate_limit) {
                z += steps[pass];
            }
        }
    } else if (p < 0.5) {
        for (int pass = 0; pass < 3; ++pass) {
            if (pass > 0) {
                z += steps[pass - 1];
            }
            while (normal_cdf(z, diagnostics) > p && z > -deviate_limit) {
                z -= steps[pass];
            }
        }
    }
    return z;
}

double normal_ordinate(double z) {
    return std::exp(-z * z / 2.0) / std::sqrt(2.0 * M_PI);
}

}  // namespace kor
