#include "core/analysis/Precision.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "core/AnalysisState.h"
#include "core/analysis/Grades.h"
#include "core/analysis/OptionStatistics.h"
#include "core/analysis/Reliability.h"
#include "core/analysis/Scoring.h"

namespace kor {

namespace {

std::size_t slot_of(int number) {
    return static_cast<std::size_t>(number - 1);
}

// The difficulty and point-biserial of item j over the examinees whose last
// answer lies at or after it. The score and its spread are those of the same
// examinees, variance with denominator N.
ReachedItemFigures reached_figures_of(const AnalysisState& state, const CorrectnessMatrix& correct,
                                      int j) {
    const AnalysisResults& results = state.results;
    const std::vector<int>& last = results.precision.missing.last_answered_by_examinee;
    ReachedItemFigures figures;
    int right = 0;
    double sum = 0.0, sum_squares = 0.0, sum_right = 0.0;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        if (last[slot_of(i)] < j) {
            continue;
        }
        const double score = results.examinee_records[at(i)].Score;
        ++figures.examinees;
        sum += score;
        sum_squares += score * score;
        if (correct(i, j)) {
            ++right;
            sum_right += score;
        }
    }
    if (figures.examinees == 0) {
        return figures;
    }
    const double n = figures.examinees;
    const double mean = sum / n;
    const double sd = std::sqrt(std::max(0.0, (sum_squares - sum * sum / n) / n));
    const double p = right / n;
    figures.difficulty = p;
    figures.pbis = point_biserial(p, right > 0 ? sum_right / right : 0.0, mean, sd);
    return figures;
}

// An item that every examinee reached keeps the figures of its record, to
// the last digit.
std::vector<ReachedItemFigures> reached_item_figures(const AnalysisState& state,
                                                     const CorrectnessMatrix& correct) {
    const TTestData& data = state.data;
    const AnalysisResults& results = state.results;
    std::vector<ReachedItemFigures> figures(static_cast<std::size_t>(data.num_items));
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[at(j)] == 0) {
            continue;
        }
        if (results.precision.missing.not_reached_by_item[slot_of(j)] == 0) {
            const Item_Record& item = results.item_records[at(j)];
            figures[slot_of(j)] = {data.num_examinees, item.Diff, item.PtBis};
        } else {
            figures[slot_of(j)] = reached_figures_of(state, correct, j);
        }
    }
    return figures;
}

}  // namespace

void compute_precision(AnalysisState& state, const CorrectnessMatrix& correct) {
    const TTestData& data = state.data;
    AnalysisResults& results = state.results;
    PrecisionResults& precision = results.precision;
    const int k = data.num_included_items;
    precision.kr20_ci = feldt_interval(results.kr20, data.num_examinees, k,
                                       results.score.variance > 0.0, state.settings.ci_level);
    precision.csem.clear();
    for (int x = 0; x <= k; ++x) {
        precision.csem.push_back(binomial_csem(x, k));
    }
    precision.missing = count_missing_answers(data);
    precision.reached.clear();
    if (state.settings.not_reached == NotReached::exclude) {
        precision.reached = reached_item_figures(state, correct);
    }
}

double band_error_at(const AnalysisState& state, int score) {
    const std::vector<double>& csem = state.results.precision.csem;
    if (state.settings.bands_error == BandsError::sem || csem.empty()) {
        return state.results.sem_kr20;
    }
    return csem[static_cast<std::size_t>(std::clamp(score, 0, static_cast<int>(csem.size()) - 1))];
}

ConfidenceBands reported_bands(const AnalysisState& state, const Case_Record& record) {
    if (state.settings.bands_error == BandsError::sem) {
        return bands_of(record);
    }
    return confidence_bands(state.settings, state.data.num_included_items, record.Score,
                            band_error_at(state, record.Score));
}

ItemFiguresUsed item_figures_used(const AnalysisState& state, const Item_Record& item) {
    const std::vector<ReachedItemFigures>& reached = state.results.precision.reached;
    const int j = item.ItemNum;
    if (j >= 1 && static_cast<std::size_t>(j) <= reached.size() &&
        state.data.item_include[at(j)] != 0) {
        const ReachedItemFigures& figures = reached[slot_of(j)];
        return {figures.examinees, figures.difficulty, figures.pbis};
    }
    return {state.data.num_examinees, item.Diff, item.PtBis};
}

}  // namespace kor
