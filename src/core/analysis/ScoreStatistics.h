#pragma once
// Descriptive statistics of the scores and the test's reliability.

#include <vector>

#include "core/analysis/Records.h"

namespace kor {

// Median, mean, variance (denominator N), SD, minimum, maximum, skewness,
// excess kurtosis and the standard error of the mean of `scores`. Without
// variance the skewness and kurtosis are 0; with fewer than two scores there
// is no standard error.
ScoreStatistics describe_scores(std::vector<double> scores);

// KR20 from the score variance and the sum of p*q over the k included items;
// 0 when it cannot be computed (one item, no variance).
double kr20_of(int k, double variance, double sum_pq);

// KR21 from the mean item difficulty; 0 when it cannot be computed.
double kr21_of(int k, double variance, double mean_difficulty);

// Pearson correlation of x and y; 0 when either has no variance.
double split_half_correlation(const std::vector<int>& x, const std::vector<int>& y);

}  // namespace kor
