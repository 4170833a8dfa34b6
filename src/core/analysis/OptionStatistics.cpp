#include "core/analysis/OptionStatistics.h"

#include <array>
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

// The answers of one item that fall into one column, in the whole group and
// in the high and low groups, and the sum of their scores.
struct OptionSum {
    int count = 0;
    int high = 0;
    int low = 0;
    long long score_sum = 0;  // whole scores, summed exactly
};

// The column of every response code: 0 for a missing answer, none (-1) for
// an answer that is no option ("0" on most items).
std::array<int, 256> columns_of_codes(bool right_wrong) {
    std::array<int, 256> column_of{};
    for (int code = 0; code < 256; ++code) {
        const int column = option_column(code, right_wrong);
        column_of[at(code)] = code == missing_code ? 0 : column == 0 ? -1 : column;
    }
    return column_of;
}

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
    const std::size_t cells = at(items + 1) * columns;
    std::vector<OptionSum> sums(cells);
    const std::array<int, 256> column_of = columns_of_codes(data.data_are_right_wrong);
    for (int p = 1; p <= data.num_examinees; ++p) {
        const Case_Record& r = results.examinee_records[at(p)];
        const int high = r.Score >= results.high_group_min_score ? 1 : 0;
        const int low = r.Score <= results.low_group_max_score ? 1 : 0;
        for (int j = 1; j <= items; ++j) {
            const int column = column_of[data.responses(r.IDnum, j)];
            if (column < 0) {
                continue;
            }
            OptionSum& sum = sums[at(j) * columns + at(column)];
            ++sum.count;
            sum.high += high;
            sum.low += low;
            sum.score_sum += r.Score;
        }
    }
    const double n = data.num_examinees;
    const double mean = results.score.mean;
    const double sd = results.score.sd;
    const auto figure = [&](std::size_t cell) {
        const int count = sums[cell].count;
        return point_biserial(count / n, group_mean(count, sums[cell].score_sum), mean, sd);
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
        const OptionSum& omitted = sums[row + omitted_column];
        figures.NumOmitted = omitted.count;
        figures.NumOmittedHigh = omitted.high;
        figures.NumOmittedLow = omitted.low;
        figures.OmitProp = share(figures.NumOmitted, data.num_examinees);
        figures.OmitPropHigh = share(figures.NumOmittedHigh, results.high_group_n);
        figures.OmitPropLow = share(figures.NumOmittedLow, results.low_group_n);
        figures.OmitPtBis = figure(row + omitted_column);
    }
}

}  // namespace kor
