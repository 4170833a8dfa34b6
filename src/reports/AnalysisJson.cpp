#include "reports/AnalysisJson.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/AnalysisState.h"
#include "core/analysis/Grades.h"
#include "core/analysis/ItemStatistics.h"
#include "core/analysis/Precision.h"
#include "core/settings/Choices.h"
#include "reports/CsvResults.h"
#include "reports/DifCsv.h"
#include "reports/JsonStream.h"
#include "reports/QuickCommon.h"

namespace kor {

namespace {

// Writes the members of one object, each a name and a value.
class Members {
  public:
    explicit Members(JsonStream& json) : json_(json) {}
    Members& real(std::string_view name, double value) {
        json_.key(name);
        json_.real(value);
        return *this;
    }
    Members& whole(std::string_view name, long long value) {
        json_.key(name);
        json_.whole(value);
        return *this;
    }
    Members& boolean(std::string_view name, bool value) {
        json_.key(name);
        json_.boolean(value);
        return *this;
    }
    Members& text(std::string_view name, std::string_view value) {
        json_.key(name);
        json_.text(value);
        return *this;
    }
    // A correlation stored as not_computable goes out as null.
    Members& correlation(std::string_view name, double value) {
        json_.key(name);
        correlation_value(json_, value);
        return *this;
    }
    // A figure that is not defined goes out as null.
    Members& real_or_null(std::string_view name, const std::optional<double>& value) {
        json_.key(name);
        real_or_null_value(json_, value);
        return *this;
    }
    // An empty text goes out as null.
    Members& text_or_null(std::string_view name, std::string_view value) {
        json_.key(name);
        if (value.empty()) {
            json_.null();
        } else {
            json_.text(value);
        }
        return *this;
    }
    static void real_or_null_value(JsonStream& json, const std::optional<double>& value) {
        if (value) {
            json.real(*value);
        } else {
            json.null();
        }
    }
    static void correlation_value(JsonStream& json, double value) {
        if (value == not_computable) {
            json.null();
        } else {
            json.real(value);
        }
    }

  private:
    JsonStream& json_;
};

void data_set_json(JsonStream& json, const AnalysisState& state) {
    const TTestData& d = state.data;
    json.key("data_set");
    json.begin_object();
    Members(json)
        .text("title", d.test_title)
        .text("comments", d.test_comments)
        .whole("examinees", d.num_examinees)
        .whole("items", d.num_items)
        .whole("included_items", d.num_included_items);
    json.key("excluded_items");
    json.begin_array();
    for (int j = 1; j <= d.num_items; ++j) {
        if (d.item_include[at(j)] == 0) {
            json.whole(j);
        }
    }
    json.end_array();
    Members(json)
        .boolean("partial_credit", d.partial_credit_on)
        .real("mc_item_points", d.mc_item_points)
        .whole("pc_total_points", d.pc_total_points)
        .real("total_possible", reported_total(state));
    json.end_object();
}

void settings_json(JsonStream& json, const AnalysisState& state) {
    const AnalysisSettings& s = state.settings;
    json.key("settings");
    json.begin_object();
    Members(json)
        .real("high_group_percent", s.disc_top_fraction * 100.0)
        .real("low_group_percent", s.disc_bottom_fraction * 100.0)
        .text("sort_examinees", name_of(examinee_order_of(s)))
        .text("sort_items", name_of(item_order_of(s)))
        .text("bands", name_of(band_unit_of(s)))
        .boolean("round_percent", s.grade_round_percent)
        .boolean("suggest_problem_items", s.suggest_problem_items);
    json.key("criteria");
    json.begin_object();
    Members(json)
        .real("p_low", s.crit_p_low)
        .real("p_high", s.crit_p_high)
        .real("disc", s.crit_disc)
        .real("pbis", s.crit_pbis)
        .real("adj_pbis", s.crit_adj_pbis);
    json.end_object();
    json.key("grading");
    json.begin_object();
    const int categories = std::min(s.num_grade_cats, max_grade_categories);
    Members(json).whole("categories", s.num_grade_cats);
    json.key("labels");
    json.begin_array();
    for (int c = 1; c <= categories; ++c) {
        json.text(s.grade_label[at(c)]);
    }
    json.end_array();
    json.key("min_percent");
    json.begin_array();
    for (int c = 1; c < s.num_grade_cats && c <= max_grade_categories; ++c) {
        json.real(s.grade_min_percent[at(c)]);
    }
    json.end_array();
    json.end_object();
    Members(json)
        .real("ci_level", s.ci_level)
        .text("bands_error", name_of(s.bands_error))
        .text("not_reached", name_of(s.not_reached));
    json.end_object();
}

void score_statistics_members(JsonStream& json, const ScoreStatistics& s) {
    Members(json)
        .real("min", s.min)
        .real("max", s.max)
        .real("median", s.median)
        .real("mean", s.mean)
        .real("variance", s.variance)
        .real("sd", s.sd)
        .real_or_null("mean_se", s.mean_se)
        .real("skewness", s.skewness)
        .real("kurtosis", s.kurtosis);
}

// Feldt's interval of KR20 as [low, high], or null with the reason.
void kr20_interval_members(JsonStream& json, const ReliabilityInterval& interval, double level) {
    json.key("kr20_ci");
    if (interval.reason.empty()) {
        json.begin_array();
        json.real(interval.low);
        json.real(interval.high);
        json.end_array();
    } else {
        json.null();
    }
    Members(json).real("kr20_ci_level", level).text_or_null("kr20_ci_reason", interval.reason);
}

// The conditional standard error of measurement at every number-correct score.
void csem_json(JsonStream& json, const std::vector<double>& csem) {
    json.key("csem");
    json.begin_array();
    for (std::size_t x = 0; x < csem.size(); ++x) {
        json.begin_object();
        Members(json).whole("score", static_cast<long long>(x)).real("csem", csem[x]);
        json.end_object();
    }
    json.end_array();
}

void test_json(JsonStream& json, const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    json.key("test");
    json.begin_object();
    score_statistics_members(json, r.score);
    Members(json).real("kr20", r.kr20).real("kr21", r.kr21).real("sem", r.sem_kr20);
    kr20_interval_members(json, r.precision.kr20_ci, state.settings.ci_level);
    Members(json)
        .real("split_half_first_second", r.split_half_first_second)
        .real("split_half_odd_even", r.split_half_odd_even)
        .real("mean_item_difficulty", r.mean_item_diff)
        .real("mean_discrimination", r.mean_disc)
        .real("mean_pbis", r.mean_pbis)
        .real("mean_adj_pbis", r.mean_adj_pbis)
        .whole("high_group_n", r.high_group_n)
        .whole("high_group_min_score", r.high_group_min_score)
        .whole("low_group_n", r.low_group_n)
        .whole("low_group_max_score", r.low_group_max_score)
        .whole("problem_items", r.num_problem_items);
    json.key("problem_counts");
    json.begin_object();
    Members(json)
        .whole("p_low", r.num_prob_p_low)
        .whole("p_high", r.num_prob_p_high)
        .whole("disc", r.num_prob_disc)
        .whole("adj_pbis", r.num_prob_adj_pbis);
    json.end_object();
    json.key("grade_counts");
    json.begin_array();
    for (int c = 1; c <= state.settings.num_grade_cats && c <= max_grade_categories; ++c) {
        json.whole(r.grade_count[at(c)]);
    }
    json.end_array();
    json.end_object();
}

void option_counts(JsonStream& json, std::string_view name, const OptionCounts& counts) {
    json.key(name);
    json.begin_array();
    for (int k = 1; k <= max_option_columns; ++k) {
        json.whole(counts[at(k)]);
    }
    json.end_array();
}

void option_correlations(JsonStream& json, std::string_view name, const OptionProportions& values) {
    json.key(name);
    json.begin_array();
    for (int k = 1; k <= max_option_columns; ++k) {
        Members::correlation_value(json, values[at(k)]);
    }
    json.end_array();
}

// The accepted answers of an item, each once, in slot order.
void correct_answers_of(JsonStream& json, const TTestData& d, int j) {
    std::vector<int> answers;
    for (int code : d.item_correct_answers[at(j)]) {
        if (std::find(answers.begin(), answers.end(), code) == answers.end()) {
            answers.push_back(code);
        }
    }
    json.key("correct_answers");
    json.begin_array();
    for (const int code : answers) {
        json.whole(code);
    }
    json.end_array();
}

void item_json(JsonStream& json, const AnalysisState& state, const Item_Record& item) {
    const TTestData& d = state.data;
    const int j = item.ItemNum;
    json.begin_object();
    Members(json)
        .whole("item", j)
        .whole("include", d.item_include[at(j)])
        .whole("key", d.item_key[at(j)])
        .whole("options", d.item_options[at(j)]);
    correct_answers_of(json, d, j);
    if (d.item_include[at(j)] != 0) {
        const ItemFiguresUsed used = item_figures_used(state, item);
        Members(json)
            .whole("num_correct", item.NumCorrect)
            .real_or_null("difficulty", used.difficulty)
            .real("discrimination", item.Disc)
            .correlation("pbis", used.pbis)
            .correlation("adj_pbis", item.AdjPtBis)
            .real("biserial", item.Biserial)
            .real("adj_biserial", item.AdjBiserial)
            .whole("high_correct", item.HighCorrect)
            .whole("low_correct", item.LowCorrect)
            .real("high_prop", item.HighProp)
            .real("low_prop", item.LowProp)
            .real("mean_if_correct", item.MeanIfCorrect)
            .real("kr20_if_deleted", item.KR20IfDeleted)
            .real("mean_if_deleted", item.MeanIfDeleted)
            .real("sd_if_deleted", std::sqrt(item.VarIfDeleted))
            .real("sem_if_deleted", item.SEMIfDeleted)
            .boolean("problem", is_problem_item(item, state.settings));
        option_counts(json, "options_total", item.OptCount);
        option_counts(json, "options_high", item.OptCountHigh);
        option_counts(json, "options_low", item.OptCountLow);
        const Option_Figures& figures = state.results.option_figures[at(j)];
        option_correlations(json, "options_pbis", figures.OptPtBis);
        Members(json)
            .whole("omitted", figures.NumOmitted)
            .whole("omitted_high", figures.NumOmittedHigh)
            .whole("omitted_low", figures.NumOmittedLow)
            .correlation("omitted_pbis", figures.OmitPtBis);
        const MissingAnswers& missing = state.results.precision.missing;
        Members(json)
            .whole("skipped", count_of(missing.skipped_by_item, j))
            .whole("not_reached", count_of(missing.not_reached_by_item, j))
            .whole("n_used", used.examinees);
    }
    json.end_object();
}

void pair(JsonStream& json, std::string_view name, double low, double high) {
    json.key(name);
    json.begin_array();
    json.real(low);
    json.real(high);
    json.end_array();
}

void text_pair(JsonStream& json, std::string_view name, std::string_view low,
               std::string_view high) {
    json.key(name);
    json.begin_array();
    json.text(low);
    json.text(high);
    json.end_array();
}

void examinee_json(JsonStream& json, const AnalysisState& state, const Case_Record& r) {
    const bool points = state.data.partial_credit_on;
    json.begin_object();
    Members(json).whole("id", r.IDnum).text("label", r.Name);
    if (!state.data.full_ids.empty()) {
        // The whole id where the label is a shortened one.
        const FullId full = full_id_of(state.data, r.Name);
        Members(json).text("full_id", full.id).text("name", full.name);
    }
    if (state.data.version_label) {
        // null for an examinee whose label names no version.
        Members(json).text_or_null("version", version_of(state.data, r.Name));
    }
    if (state.data.group_label) {
        Members(json).text_or_null("group", group_of(state.data, r.Name));
    }
    Members(json)
        .whole("score", r.Score)
        .real("percent", r.Percent)
        .whole("mc", r.MC)
        .whole("pc", r.PC)
        .real("points", points ? r.PC_Score : r.Score)
        .real("points_percent", points ? r.PC_Percent : r.Percent)
        .text("grade", points ? r.PC_Grade : r.Grade)
        .whole("half1", r.Half1)
        .whole("half2", r.Half2)
        .whole("odds", r.Odds)
        .whole("evens", r.Evens);
    const MissingAnswers& missing = state.results.precision.missing;
    Members(json)
        .whole("skipped", count_of(missing.skipped_by_examinee, r.IDnum))
        .whole("not_reached", count_of(missing.not_reached_by_examinee, r.IDnum));
    const ConfidenceBands b = reported_bands(state, r);
    pair(json, "band68", b.minus1, b.plus1);
    pair(json, "band95", b.minus2, b.plus2);
    pair(json, "band68_percent", b.minus1_percent, b.plus1_percent);
    pair(json, "band95_percent", b.minus2_percent, b.plus2_percent);
    text_pair(json, "band68_grades", b.minus1_grade, b.plus1_grade);
    text_pair(json, "band95_grades", b.minus2_grade, b.plus2_grade);
    json.end_object();
}

void optional_reals(JsonStream& json, std::string_view name,
                    const std::vector<std::optional<double>>& values) {
    json.key(name);
    json.begin_array();
    for (const std::optional<double>& value : values) {
        Members::real_or_null_value(json, value);
    }
    json.end_array();
}

// What a summary lists for each item: the versions compare difficulties
// only, the groups the point-biserials too.
enum class ItemFigures { difficulty, difficulty_and_pbis };

// The figures of each group's examinees alone (`member` "versions" with each
// one's `name_member` "version", or "groups" and "group"); the items' figures
// by item number, null for an excluded item or a correlation that cannot be
// computed.
void summaries_json(JsonStream& json, std::string_view member, std::string_view name_member,
                    const std::vector<GroupSummary>& summaries, ItemFigures figures) {
    json.key(member);
    json.begin_array();
    for (const GroupSummary& summary : summaries) {
        json.begin_object();
        Members(json)
            .text(name_member, summary.name)
            .whole("examinees", summary.examinees)
            .real("mean", summary.score.mean)
            .real("sd", summary.score.sd)
            .real_or_null("kr20", summary.kr20)
            .real_or_null("sem", summary.sem);
        optional_reals(json, "difficulty", summary.difficulty);
        if (figures == ItemFigures::difficulty_and_pbis) {
            optional_reals(json, "pbis", summary.pbis);
        }
        json.end_object();
    }
    json.end_array();
}

// The Mantel-Haenszel figures of every compared item, in item order; null
// for what cannot be computed, with the reason as text.
void dif_json(JsonStream& json, const DifResults& dif) {
    json.key("dif");
    json.begin_object();
    Members(json)
        .text("reference", dif.reference)
        .text("focal", dif.focal)
        .whole("reference_examinees", dif.reference_examinees)
        .whole("focal_examinees", dif.focal_examinees);
    json.key("items");
    json.begin_array();
    for (const DifItem& item : dif.items) {
        const MhFigures& f = item.figures;
        json.begin_object();
        Members(json)
            .whole("item", item.item)
            .real_or_null("alpha_mh", f.alpha)
            .real_or_null("d_dif", f.d_dif)
            .real_or_null("chi_square", f.chi_square)
            .real_or_null("p", f.p)
            .text_or_null("class", f.ets_class)
            .text_or_null("favours", favoured_group(f))
            .text_or_null("reason", f.reason);
        json.end_object();
    }
    json.end_array();
    json.end_object();
}

}  // namespace

void write_analysis_json(const AnalysisState& state, TextSink& sink, std::string_view newline) {
    const TTestData& d = state.data;
    const AnalysisResults& r = state.results;
    JsonStream json(sink, newline);
    json.begin_object();
    data_set_json(json, state);
    settings_json(json, state);
    test_json(json, state);
    if (d.partial_credit_on) {
        json.key("test_points");
        json.begin_object();
        score_statistics_members(json, r.pc_score);
        json.end_object();
    }
    csem_json(json, r.precision.csem);
    // The document lists items by number and examinees by their place in the data.
    json.key("items");
    json.begin_array();
    for (int j = 1; j <= d.num_items; ++j) {
        item_json(json, state, r.item_records[at(j)]);
    }
    json.end_array();
    json.key("examinees");
    json.begin_array();
    for (int i = 1; i <= d.num_examinees; ++i) {
        examinee_json(json, state, r.examinee_records[at(i)]);
    }
    json.end_array();
    if (!r.versions.empty()) {
        summaries_json(json, "versions", "version", r.versions, ItemFigures::difficulty);
    }
    if (!r.groups.empty()) {
        summaries_json(json, "groups", "group", r.groups, ItemFigures::difficulty_and_pbis);
    }
    if (r.dif) {
        dif_json(json, *r.dif);
    }
    json.key("warnings");
    json.begin_array();
    for (const std::string& warning : r.warnings) {
        json.text(warning);
    }
    json.end_array();
    json.end_object();
    json.finish();
}

std::string analysis_json_text(const AnalysisState& state) {
    StringSink sink;
    write_analysis_json(state, sink);
    return std::move(sink.text);
}

}  // namespace kor
