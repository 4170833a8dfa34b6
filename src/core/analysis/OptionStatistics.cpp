#include "core/analysis/OptionStatistics.h"

#include <cmath>
#include <vector>

#include "core/AnalysisState.h"
#include "core/analysis/OptionCounts.h"
#include "core/data/Codes.h"

namespace kor {

namespace {

// Column 0 of a row of sums collects the omitted answers.
constexpr std::size_t omitted_column = 0;
constexpr std::size_t columns = max_option_columns + 1;

struct OptionSums {
    std::vector<int> count;
    std::vector<int> high;
    std::vector<int> low;
    std::vector<long long> score_sum;  // whole scores, summed exactly
};

// An empty group has no share of anything: 0.
double share(int count, int group_size) {
    return group_size > 0 ? static_cast<double>(count) / group_size : 0.0;
}

double group_mean(int count, long long score_sum) {
    return count > 0 ? static_cast<double>(score_sum) / count : 0.0;
}

}  // namespace

double point_biserial(double p, double group_mean, double mean, double sd) {
    if (p == 1.0 || sd <= 0.0) {
        return not_computable;
    }
    return std::sqrt(p / (1.0 - p)) * (group_mean - mean) / sd + 0.0;
}

void compute_option_figures(AnalysisState& state) {
    const TTestData& data = state.data;
    AnalysisResults& results = state.results;
    const int items = data.num_items;
    OptionSums sums;
    const std::size_t cells = at(items + 1) * columns;
    sums.count.assign(cells, 0);
    sums.high.assign(cells, 0);
    sums.low.assign(cells, 0);
    sums.score_sum.assign(cells, 0);
    for (int p = 1; p <= data.num_examinees; ++p) {
        const Case_Record& r = results.examinee_records[at(p)];
        const bool high = r.Score >= results.high_group_min_score;
        const bool low = r.Score <= results.low_group_max_score;
        for (int j = 1; j <= items; ++j) {
            const int code = data.responses(r.IDnum, j);
            const int column =
                code == missing_code ? 0 : option_column(code, data.data_are_right_wrong);
            if (code != missing_code && column == 0) {
                continue;  // an answer that is no option ("0" on most items)
            }
            const std::size_t cell = at(j) * columns + at(column);
            ++sums.count[cell];
            sums.high[cell] += high ? 1 : 0;
            sums.low[cell] += low ? 1 : 0;
            sums.score_sum[cell] += r.Score;
        }
    }
    const double n = data.num_examinees;
    const double mean = results.score.mean;
    const double sd = results.score.sd;
    const auto figure = [&](std::size_t cell) {
        const int count = sums.count[cell];
        return point_biserial(count / n, group_mean(count, sums.score_sum[cell]), mean, sd);
    };
    for (int j = 1; j <= max_items; ++j) {
        Option_Figures& figures = results.option_figures[at(j)];
        figures = Option_Figures{};
        if (j > items || data.item_include[at(j)] == 0) {
            continue;
        }
        const std::size_t row = at(j) * columns;
        for (std::size_t c = 1; c < columns; ++c) {
            figures.OptPtBis[c] = figure(row + c);
        }
        figures.NumOmitted = sums.count[row + omitted_column];
        figures.NumOmittedHigh = sums.high[row + omitted_column];
        figures.NumOmittedLow = sums.low[row + omitted_column];
        figures.OmitProp = share(figures.NumOmitted, data.num_examinees);
        figures.OmitPropHigh = share(figures.NumOmittedHigh, results.high_group_n);
        figures.OmitPropLow = share(figures.NumOmittedLow, results.low_group_n);
        figures.OmitPtBis = figure(row + omitted_column);
    }
}

}  // namespace kor
