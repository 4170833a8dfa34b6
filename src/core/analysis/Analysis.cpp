#include "core/analysis/Analysis.h"

#include <algorithm>
#include <vector>

#include "core/AnalysisState.h"
#include "core/analysis/Grades.h"
#include "core/analysis/GroupSummary.h"
#include "core/analysis/ItemStatistics.h"
#include "core/analysis/NormalCurve.h"
#include "core/analysis/OptionCounts.h"
#include "core/analysis/OptionStatistics.h"
#include "core/analysis/Precision.h"
#include "core/analysis/ScoreStatistics.h"
#include "core/analysis/Scoring.h"

namespace kor {

namespace {

// Every analysis starts from fresh records: only the loader's case number,
// label and item number carry over, so no value of an earlier analysis (of
// an excluded item, or a grade) can leak into this one.
void reset_records(AnalysisState& state) {
    AnalysisResults& results = state.results;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        Case_Record& r = results.examinee_records[at(i)];
        Case_Record fresh;
        fresh.IDnum = r.IDnum;
        fresh.Name = std::move(r.Name);
        r = std::move(fresh);
    }
    for (int p = 1; p <= state.data.num_items; ++p) {
        Item_Record& item = results.item_records[at(p)];
        Item_Record fresh;
        fresh.ItemNum = item.ItemNum;
        item = fresh;
    }
    for (int j = 1; j <= max_items; ++j) {
        results.item_normal_ordinate[at(j)] = 0.0;
    }
    results.warnings.clear();
    results.examinee_order.clear();
    results.item_order.clear();
    results.versions.clear();
    results.examinees_without_version = 0;
    results.groups.clear();
    results.examinees_without_group = 0;
    results.dif.reset();
    results.precision = PrecisionResults{};
}

void describe_all_scores(AnalysisState& state) {
    AnalysisResults& results = state.results;
    const int n = state.data.num_examinees;
    std::vector<double> scores;
    std::vector<double> points;
    scores.reserve(at(n));
    for (int i = 1; i <= n; ++i) {
        scores.push_back(results.examinee_records[at(i)].Score);
        points.push_back(results.examinee_records[at(i)].PC_Score);
    }
    results.score = describe_scores(scores);
    results.pc_score = state.data.partial_credit_on ? describe_scores(points) : ScoreStatistics{};
}

// Ranks by score: 1 + the number of examinees with a lower score. Scores
// are whole numbers from 0 to the item count, so they are counted, not
// sorted; the points are sorted only when partial credit gives them.
void rank_scores(AnalysisState& state) {
    AnalysisResults& results = state.results;
    const int n = state.data.num_examinees;
    std::vector<int> below(at(state.data.num_items) + 2, 0);  // below[s]: examinees scoring under s
    for (int i = 1; i <= n; ++i) {
        ++below[at(results.examinee_records[at(i)].Score) + 1];
    }
    for (std::size_t s = 1; s < below.size(); ++s) {
        below[s] += below[s - 1];
    }
    std::vector<double> points;
    if (state.data.partial_credit_on) {
        for (int i = 1; i <= n; ++i) {
            points.push_back(results.examinee_records[at(i)].PC_Score);
        }
        std::sort(points.begin(), points.end());
    }
    for (int i = 1; i <= n; ++i) {
        Case_Record& r = results.examinee_records[at(i)];
        r.RankScore = 1 + below[at(r.Score)];
        r.PC_rankscore =
            1 + static_cast<int>(std::lower_bound(points.begin(), points.end(), r.PC_Score) -
                                 points.begin());
    }
}

void set_report_orders(AnalysisState& state) {
    const AnalysisSettings& settings = state.settings;
    AnalysisResults& results = state.results;
    results.examinee_order =
        examinee_order_by(state, examinee_order_of(settings), state.data.partial_credit_on);
    results.item_order = item_order_by(state, item_order_of(settings));
}

}  // namespace

Outcome run_analysis(AnalysisState& state) {
    Outcome outcome;
    const TTestData& data = state.data;
    if (data.num_examinees < 1 || data.num_items < 1) {
        outcome.refuse("There are no data to analyze -- enter or open a data set first");
        return outcome;
    }
    if (data.num_included_items < 1) {
        outcome.refuse(
            "No items are included in the analysis -- mark at least one item Y or A in the INCLUDE "
            "line");
        return outcome;
    }
    read_group_fractions(state);
    reset_records(state);
    copy_item_settings(state);

    const CorrectnessMatrix correct = correctness_of(data);
    score_examinees(state, correct);
    assign_grades(state);
    describe_all_scores(state);
    rank_scores(state);

    Diagnostics diagnostics;
    compute_item_statistics(state, correct, diagnostics);
    count_problem_items(state);
    assign_confidence_bands(state);
    set_report_orders(state);
    count_options(state);
    compute_option_figures(state);
    compute_precision(state, correct);

    state.results.warnings = diagnostics.texts();
    summarise_label_groups(state, correct, state.results.warnings);
    state.results.analysed = true;
    return outcome;
}

std::string patience_message(const AnalysisState& state) {
    if (state.data.num_examinees <= patience_threshold) {
        return {};
    }
    return "Please be patient... You have a large number of cases. \n\nYou need to click OK on "
           "this message for "
           "the Analysis to run.";
}

}  // namespace kor
