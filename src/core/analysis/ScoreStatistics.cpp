#include "core/analysis/ScoreStatistics.h"

#include <algorithm>
#include <cmath>

namespace kor {

namespace {

double median_of_sorted(const std::vector<double>& sorted) {
    const std::size_t n = sorted.size();
    const std::size_t m = n / 2 + 1;  // 1-based middle position
    if (n % 2 == 1) {
        return sorted[m - 1];
    }
    return (sorted[m - 2] + sorted[m - 1]) / 2.0;
}

}  // namespace

ScoreStatistics describe_scores(std::vector<double> scores) {
    ScoreStatistics stats;
    if (scores.empty()) {
        return stats;
    }
    const double n = static_cast<double>(scores.size());
    std::sort(scores.begin(), scores.end());
    stats.median = median_of_sorted(scores);

    double sum = 0.0;
    double sum_squares = 0.0;
    for (double s : scores) {
        sum += s;
        sum_squares += s * s;
    }
    stats.mean = sum / n;
    // Computational formula; a tiny negative result of rounding is no variance.
    stats.variance = std::max(0.0, (sum_squares - sum * sum / n) / n);
    stats.sd = std::sqrt(stats.variance);
    // The sample SD over the square root of N, which with the SD of
    // denominator N is SD / sqrt(N - 1).
    if (scores.size() >= 2) {
        stats.mean_se = stats.sd / std::sqrt(n - 1.0);
    }

    // The true extremes: starting the minimum at the top score would report a
    // minimum below every score when extra credit lifts all scores above it.
    stats.min = scores.front();
    stats.max = std::max(0.0, scores.back());

    // Constant scores have no shape: skewness and kurtosis are 0.
    if (stats.sd > 0.0) {
        double cubes = 0.0;
        double fourths = 0.0;
        for (double s : scores) {
            const double z = (s - stats.mean) / stats.sd;
            cubes += z * z * z;
            fourths += z * z * z * z;
        }
        stats.skewness = cubes / n;
        stats.kurtosis = fourths / n - 3.0;
    }
    return stats;
}

double kr20_of(int k, double variance, double sum_pq) {
    if (k < 2 || variance <= 0.0) {
        return 0.0;
    }
    return (static_cast<double>(k) / (k - 1)) * (variance - sum_pq) / variance;
}

double kr21_of(int k, double variance, double mean_difficulty) {
    if (k < 2 || variance <= 0.0) {
        return 0.0;
    }
    return (static_cast<double>(k) / (k - 1)) *
           (variance - k * mean_difficulty * (1.0 - mean_difficulty)) / variance;
}

double split_half_correlation(const std::vector<int>& x, const std::vector<int>& y) {
    const double n = static_cast<double>(x.size());
    double sx = 0.0, sy = 0.0, sxx = 0.0, syy = 0.0, sxy = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double a = x[i];
        const double b = y[i];
        sx += a;
        sy += b;
        sxx += a * a;
        syy += b * b;
        sxy += a * b;
    }
    const double numerator = n * sxy - sx * sy;
    const double var_x = n * sxx - sx * sx;
    const double var_y = n * syy - sy * sy;
    if (var_x <= 0.0 || var_y <= 0.0) {
        return 0.0;
    }
    return numerator / std::sqrt(var_x * var_y);
}

}  // namespace kor
