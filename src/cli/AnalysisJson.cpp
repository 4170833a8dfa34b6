#include "AnalysisJson.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/Encoding.h"
#include "core/VariablesUnit.h"
#include "core/analysis/ItemStatistics.h"
#include "core/settings/Choices.h"
#include "reports/QuickCommon.h"

namespace kor {

namespace {

using json = nlohmann::ordered_json;

std::size_t at(int position) { return static_cast<std::size_t>(position); }

// Numbers go out at full precision; a value that cannot be computed, and
// (never expected) anything not finite, goes out as null.
json number(double value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    return value + 0.0;
}

// Texts are single-byte characters shown as Latin-1; JSON wants UTF-8. Every
// text of the document goes through here.
std::string text(const std::string& latin1) { return utf8_from_latin1(latin1); }

json texts(const std::vector<std::string>& list) {
    json out = json::array();
    for (const std::string& t : list) {
        out.push_back(text(t));
    }
    return out;
}

json correlation(double value) { return value == not_computable ? json(nullptr) : number(value); }

json data_set_json(const ProgramState& state) {
    const TTestData& d = state.data;
    json excluded = json::array();
    for (int j = 1; j <= d.num_items; ++j) {
        if (d.item_include[at(j)] == 0) {
            excluded.push_back(j);
        }
    }
    return {{"title", text(d.test_title)},
            {"comments", text(d.test_comments)},
            {"examinees", d.num_examinees},
            {"items", d.num_items},
            {"included_items", d.num_included_items},
            {"excluded_items", excluded},
            {"partial_credit", d.partial_credit_on},
            {"mc_item_points", number(d.mc_item_points)},
            {"pc_total_points", d.pc_total_points},
            {"total_possible", number(reported_total(state))}};
}

json settings_json(const ProgramState& state) {
    const AnalysisSettings& s = state.settings;
    json labels = json::array();
    json minimums = json::array();
    for (int c = 1; c <= s.num_grade_cats && c <= max_grade_categories; ++c) {
        labels.push_back(text(s.grade_label[at(c)]));
        if (c < s.num_grade_cats) {
            minimums.push_back(number(s.grade_min_percent[at(c)]));
        }
    }
    return {{"high_group_percent", number(s.disc_top_fraction * 100.0)},
            {"low_group_percent", number(s.disc_bottom_fraction * 100.0)},
            {"sort_examinees", name_of(examinee_order_of(s))},
            {"sort_items", name_of(item_order_of(s))},
            {"bands", name_of(band_unit_of(s))},
            {"round_percent", s.grade_round_percent},
            {"suggest_problem_items", s.suggest_problem_items},
            {"criteria",
             {{"p_low", number(s.crit_p_low)},
              {"p_high", number(s.crit_p_high)},
              {"disc", number(s.crit_disc)},
              {"pbis", number(s.crit_pbis)},
              {"adj_pbis", number(s.crit_adj_pbis)}}},
            {"grading", {{"categories", s.num_grade_cats}, {"labels", labels}, {"min_percent", minimums}}}};
}

json score_statistics_json(const ScoreStatistics& s) {
    return {{"min", number(s.min)},           {"max", number(s.max)},
            {"median", number(s.median)},     {"mean", number(s.mean)},
            {"variance", number(s.variance)}, {"sd", number(s.sd)},
            {"skewness", number(s.skewness)}, {"kurtosis", number(s.kurtosis)}};
}

json test_json(const ProgramState& state) {
    const AnalysisResults& r = state.results;
    json test = score_statistics_json(r.score);
    test["kr20"] = number(r.kr20);
    test["kr21"] = number(r.kr21);
    test["sem"] = number(r.sem_kr20);
    test["split_half_first_second"] = number(r.split_half_first_second);
    test["split_half_odd_even"] = number(r.split_half_odd_even);
    test["mean_item_difficulty"] = number(r.mean_item_diff);
    test["mean_discrimination"] = number(r.mean_disc);
    test["mean_pbis"] = number(r.mean_pbis);
    test["mean_adj_pbis"] = number(r.mean_adj_pbis);
    test["high_group_n"] = r.high_group_n;
    test["high_group_min_score"] = r.high_group_min_score;
    test["low_group_n"] = r.low_group_n;
    test["low_group_max_score"] = r.low_group_max_score;
    test["problem_items"] = r.num_problem_items;
    test["problem_counts"] = {{"p_low", r.num_prob_p_low},
                              {"p_high", r.num_prob_p_high},
                              {"disc", r.num_prob_disc},
                              {"adj_pbis", r.num_prob_adj_pbis}};
    json grade_counts = json::array();
    for (int c = 1; c <= state.settings.num_grade_cats && c <= max_grade_categories; ++c) {
        grade_counts.push_back(r.grade_count[at(c)]);
    }
    test["grade_counts"] = grade_counts;
    return test;
}

json option_counts(const OptionCounts& counts) {
    json list = json::array();
    for (int k = 1; k <= max_option_columns; ++k) {
        list.push_back(counts[at(k)]);
    }
    return list;
}

json option_correlations(const OptionProportions& values) {
    json list = json::array();
    for (int k = 1; k <= max_option_columns; ++k) {
        list.push_back(correlation(values[at(k)]));
    }
    return list;
}

// The accepted answers of an item, each once, in slot order.
json correct_answers_of(const TTestData& d, int j) {
    std::vector<int> answers;
    for (int code : d.item_correct_answers[at(j)]) {
        if (std::find(answers.begin(), answers.end(), code) == answers.end()) {
            answers.push_back(code);
        }
    }
    return answers;
}

json item_json(const ProgramState& state, const Item_Record& item) {
    const TTestData& d = state.data;
    const int j = item.ItemNum;
    json out = {{"item", j},
                {"include", d.item_include[at(j)]},
                {"key", d.item_key[at(j)]},
                {"options", d.item_options[at(j)]},
                {"correct_answers", correct_answers_of(d, j)}};
    if (d.item_include[at(j)] == 0) {
        return out;
    }
    out["num_correct"] = item.NumCorrect;
    out["difficulty"] = number(item.Diff);
    out["discrimination"] = number(item.Disc);
    out["pbis"] = correlation(item.PtBis);
    out["adj_pbis"] = correlation(item.AdjPtBis);
    out["biserial"] = number(item.Biserial);
    out["adj_biserial"] = number(item.AdjBiserial);
    out["high_correct"] = item.HighCorrect;
    out["low_correct"] = item.LowCorrect;
    out["high_prop"] = number(item.HighProp);
    out["low_prop"] = number(item.LowProp);
    out["mean_if_correct"] = number(item.MeanIfCorrect);
    out["kr20_if_deleted"] = number(item.KR20IfDeleted);
    out["mean_if_deleted"] = number(item.MeanIfDeleted);
    out["sd_if_deleted"] = number(std::sqrt(item.VarIfDeleted));
    out["sem_if_deleted"] = number(item.SEMIfDeleted);
    out["problem"] = is_problem_item(item, state.settings);
    out["options_total"] = option_counts(item.OptCount);
    out["options_high"] = option_counts(item.OptCountHigh);
    out["options_low"] = option_counts(item.OptCountLow);
    const Option_Figures& figures = state.results.option_figures[at(j)];
    out["options_pbis"] = option_correlations(figures.OptPtBis);
    out["omitted"] = figures.NumOmitted;
    out["omitted_high"] = figures.NumOmittedHigh;
    out["omitted_low"] = figures.NumOmittedLow;
    out["omitted_pbis"] = correlation(figures.OmitPtBis);
    return out;
}

json pair(double low, double high) { return json::array({number(low), number(high)}); }

json examinee_json(const ProgramState& state, const Case_Record& r) {
    const bool points = state.data.partial_credit_on;
    return {{"id", r.IDnum},
            {"label", text(r.Name)},
            {"score", r.Score},
            {"percent", number(r.Percent)},
            {"mc", r.MC},
            {"pc", r.PC},
            {"points", number(points ? r.PC_Score : r.Score)},
            {"points_percent", number(points ? r.PC_Percent : r.Percent)},
            {"grade", text(points ? r.PC_Grade : r.Grade)},
            {"half1", r.Half1},
            {"half2", r.Half2},
            {"odds", r.Odds},
            {"evens", r.Evens},
            {"band68", pair(r.Minus1sem, r.Plus1sem)},
            {"band95", pair(r.Minus2sem, r.Plus2sem)},
            {"band68_percent", pair(r.Minus1pc, r.Plus1pc)},
            {"band95_percent", pair(r.Minus2pc, r.Plus2pc)},
            {"band68_grades", texts({r.Minus1grade, r.Plus1grade})},
            {"band95_grades", texts({r.Minus2grade, r.Plus2grade})}};
}

}  // namespace

json analysis_json(const ProgramState& state) {
    const TTestData& d = state.data;
    const AnalysisResults& r = state.results;
    json document;
    document["data_set"] = data_set_json(state);
    document["settings"] = settings_json(state);
    document["test"] = test_json(state);
    if (d.partial_credit_on) {
        document["test_points"] = score_statistics_json(r.pc_score);
    }
    // The document lists items by number and examinees by their place in the data.
    json item_list = json::array();
    for (int j = 1; j <= d.num_items; ++j) {
        item_list.push_back(item_json(state, r.item_records[at(j)]));
    }
    document["items"] = item_list;
    json examinee_list = json::array();
    for (int i = 1; i <= d.num_examinees; ++i) {
        examinee_list.push_back(examinee_json(state, r.examinee_records[at(i)]));
    }
    document["examinees"] = examinee_list;
    document["warnings"] = texts(r.warnings);
    return document;
}

}  // namespace kor
