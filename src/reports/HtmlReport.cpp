#include "reports/HtmlReport.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/TextUtil.h"
#include "core/analysis/ItemStatistics.h"
#include "core/analysis/OptionTrace.h"
#include "core/analysis/Precision.h"
#include "core/analysis/Reliability.h"
#include "reports/AnswerNames.h"
#include "reports/CsvResults.h"
#include "reports/HtmlGroups.h"
#include "reports/HtmlPrecision.h"
#include "reports/Ident.h"
#include "reports/QuickCommon.h"
#include "reports/QuickItems.h"
#include "reports/QuickOptions.h"
#include "reports/WebAssets.h"

namespace kor {

namespace {

using html::attribute;
using html::cell;
using html::element;
using html::header_cell;
using html::item_id;
using Lines = std::vector<std::string>;

// ------------------------------------------------------------ markup

// The style sheet or the script between its opening and closing tags, a
// line of the page for each line of its file.
void add_block(Lines& lines, std::string_view open, std::string_view text, std::string_view close) {
    lines.emplace_back(open);
    for (const std::string_view line : line_views(text)) {
        lines.emplace_back(line);
    }
    lines.emplace_back(close);
}

// ------------------------------------------------------------ summary

std::string card_entry(std::string_view label, std::string_view id, const std::string& value,
                       const std::string& small = {}) {
    const std::string note = small.empty() ? std::string() : " " + element("small", small);
    return element("div", element("dt", label) + element("dd", value + note, attribute("id", id)));
}

std::string step_up_text(double r) {
    const std::optional<double> sb = spearman_brown_step_up(r);
    return sb ? fixed(*sb, 3) : "*****";
}

std::string excluded_items_text(const TTestData& data) {
    std::string text;
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[at(j)] == 0) {
            text += (text.empty() ? "" : ", ") + whole(j);
        }
    }
    return text;
}

Lines summary_card(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    const ScoreStatistics& s = reported_scores(state);
    const double total = reported_total(state);
    const bool points = reports_points(state);
    const std::string mean_percent = "(" + fixed(percent_of(s.mean, total), 1) + "%)";
    Lines lines{"<dl class=\"card\">"};
    lines.push_back(card_entry("Examinees", "n", whole(state.data.num_examinees)));
    const std::string excluded = excluded_items_text(state.data);
    lines.push_back(card_entry("Items analysed", "items", whole(state.data.num_included_items),
                               excluded.empty() ? std::string() : "(excluded: " + excluded + ")"));
    lines.push_back(card_entry(points ? "Total possible points" : "Total possible score", "total",
                               points ? fixed(total, 1) : whole(state.data.num_included_items)));
    lines.push_back(
        card_entry(points ? "Mean points" : "Mean score", "mean", fixed(s.mean, 3), mean_percent));
    lines.push_back(card_entry("Standard deviation", "sd", fixed(s.sd, 3)));
    lines.push_back(card_entry("Standard error of the mean", "mean-se",
                               s.mean_se ? fixed(*s.mean_se, 3) : "none (fewer than 2 examinees)"));
    lines.push_back(card_entry("Median", "median", fixed(s.median, 3)));
    lines.push_back(card_entry("Minimum", "min", fixed(s.min, 3)));
    lines.push_back(card_entry("Maximum", "max", fixed(s.max, 3)));
    lines.push_back(card_entry("KR20 (alpha)", "kr20", fixed(r.kr20, 3)));
    lines.push_back(card_entry(interval_caption(state.settings.ci_level), "kr20-ci-card",
                               interval_text(r.precision.kr20_ci)));
    lines.push_back(card_entry("SEM (from KR20)", "sem", fixed(r.sem_kr20, 3)));
    lines.push_back(card_entry("KR21", "kr21", fixed(r.kr21, 3)));
    lines.push_back(card_entry("Split-half (1st/2nd)", "split-first-second",
                               fixed(r.split_half_first_second, 3),
                               "(Spearman-Brown " + step_up_text(r.split_half_first_second) + ")"));
    lines.push_back(card_entry("Split-half (odd/even)", "split-odd-even",
                               fixed(r.split_half_odd_even, 3),
                               "(Spearman-Brown " + step_up_text(r.split_half_odd_even) + ")"));
    lines.push_back("</dl>");
    return lines;
}

std::string criteria_text(const ProblemCriteriaMet& met, const AnalysisSettings& s) {
    std::string text;
    const auto add = [&](bool on, const std::string& part) {
        if (on) {
            text += (text.empty() ? "" : ", ") + part;
        }
    };
    add(met.p_low, "p &#8804; " + fixed(s.crit_p_low, 2));
    add(met.p_high, "p &#8805; " + fixed(s.crit_p_high, 2));
    add(met.disc, "D &#8804; " + fixed(s.crit_disc, 2));
    add(met.adj_pbis, "adj. pbis &#8804; " + fixed(s.crit_adj_pbis, 2));
    return text;
}

// ------------------------------------------------------------ table of items

// The key as the instructor typed it, "*" when more answers count.
std::string key_text(const TTestData& data, const Item_Record& item) {
    return answer_name(answer_form(data), item.Key) +
           (has_multiple_correct_answers(item) ? "*" : "");
}

// An item's difficulty as the page gives it; none when nobody reached it.
std::string difficulty_text(const ItemFiguresUsed& used) {
    return used.difficulty ? fixed(*used.difficulty, 2) : "none";
}

Lines items_table(const AnalysisState& state) {
    const AnalysisSettings& s = state.settings;
    const double kr20 = state.results.kr20;
    const bool excluding = s.not_reached == NotReached::exclude;
    const MissingAnswers& missing = state.results.precision.missing;
    Lines lines{
        "<section class=\"items\" aria-labelledby=\"items-heading\">",
        element("h2", "Items", attribute("id", "items-heading")),
        element("p",
                "Click a column heading to sort by it. Correlations that cannot be "
                "computed show as ****. "
                "+ marks an item without which KR20 (" +
                    fixed(kr20, 3) +
                    ") would be higher; "
                    "* a key with more than one correct answer." +
                    (excluding ? " Answers not reached are left out of the difficulty "
                                 "and pt-biserial, which are over the N examinees who "
                                 "reached the item."
                               : "")),
        "<div class=\"scroll\"><table class=\"sortable\" id=\"items-table\">",
        "<thead><tr>" + header_cell("Item") + header_cell("Key") + header_cell("Difficulty") +
            header_cell("D") + header_cell("Pt-biserial") + header_cell("Adj. pt-biserial") +
            header_cell("KR20 if deleted") + header_cell("Skipped") + header_cell("Not reached") +
            (excluding ? header_cell("N") : "") + header_cell("Problem", "text") + "</tr></thead>",
        "<tbody>"};
    for (const Item_Record* item : included_items(state)) {
        const bool problem = is_problem_item(*item, s);
        const std::string flags =
            problem ? criteria_text(problem_criteria_met(*item, s), s) : std::string();
        const ItemFiguresUsed used = item_figures_used(state, *item);
        lines.push_back(
            "<tr" + attribute("id", "row-" + whole(item->ItemNum)) +
            (problem ? attribute("class", "problem") : "") + ">" +
            cell(
                element("a", whole(item->ItemNum), attribute("href", "#" + item_id(item->ItemNum))),
                "item") +
            cell(key_text(state.data, *item), "key") + cell(difficulty_text(used), "p") +
            cell(fixed(item->Disc, 2), "d") + cell(correlation_text(used.pbis), "pbis") +
            cell(correlation_text(item->AdjPtBis), "adjpbis") +
            cell(fixed(item->KR20IfDeleted, 3) + (kr20_improves_without(*item, kr20) ? "+" : ""),
                 "kr20del") +
            cell(whole(count_of(missing.skipped_by_item, item->ItemNum)), "skipped") +
            cell(whole(count_of(missing.not_reached_by_item, item->ItemNum)), "notreached") +
            (excluding ? cell(whole(used.examinees), "n") : "") + cell(flags, "text flags") +
            "</tr>");
    }
    lines.push_back("</tbody></table></div>");
    if (s.suggest_problem_items) {
        lines.push_back(element(
            "p", "Potential problem items: " + whole(state.results.num_problem_items) + "."));
    }
    lines.push_back("</section>");
    return lines;
}

// ------------------------------------------------------------ grades

Lines grade_section(const AnalysisState& state) {
    const AnalysisSettings& s = state.settings;
    const int categories = std::clamp(s.num_grade_cats, 0, max_grade_categories);
    if (categories == 0) {
        return {};
    }
    Lines lines{"<section class=\"grades\" aria-labelledby=\"grades-heading\">",
                element("h2", "Grade distribution", attribute("id", "grades-heading")),
                "<div class=\"scroll\"><table id=\"grades-table\">",
                "<thead><tr>" + header_cell("Grade") + header_cell("Minimum %") +
                    header_cell("Examinees") + header_cell("Percent") + "</tr></thead>",
                "<tbody>"};
    for (int c = 1; c <= categories; ++c) {
        std::string label = s.grade_label[at(c)];
        label.erase(label.find_last_not_of(' ') + 1);
        // The last category has no minimum: it takes every lower percentage.
        const std::string minimum =
            c < categories ? html_text(s.grade_min_percent_text[at(c)]) : "";
        const int count = state.results.grade_count[at(c)];
        lines.push_back("<tr>" + element("th", html_text(label), attribute("scope", "row")) +
                        cell(minimum) + cell(whole(count)) +
                        cell(fixed(percent_of(count, state.data.num_examinees), 1) + "%") +
                        "</tr>");
    }
    lines.push_back("</tbody></table></div>");
    lines.push_back("</section>");
    return lines;
}

// ------------------------------------------------------------ one item

std::string option_row(const std::string& name, bool keyed, int count, double share, double high,
                       double low, double pbis) {
    return "<tr" + (keyed ? attribute("class", "keyed") : "") + ">" +
           element("th", name + (keyed ? " *" : ""), attribute("scope", "row")) +
           cell(whole(count)) + cell(fixed(share, 3)) + cell(fixed(high, 3)) + cell(fixed(low, 3)) +
           cell(correlation_text(pbis)) + "</tr>";
}

Lines options_table(const AnalysisState& state, const Item_Record& item) {
    const TTestData& data = state.data;
    const Option_Figures& figures = state.results.option_figures[at(item.ItemNum)];
    Lines lines{"<div class=\"scroll\"><table class=\"options\">",
                "<thead><tr>" + header_cell("Option") + header_cell("Count") +
                    header_cell("Proportion") + header_cell("High group") +
                    header_cell("Low group") + header_cell("Pt-biserial") + "</tr></thead>",
                "<tbody>"};
    for (int k = 1; k <= option_columns(data, item.ItemNum); ++k) {
        lines.push_back(option_row(option_name(data, k), is_marked_correct(item, data, k),
                                   item.OptCount[at(k)], item.OptProp[at(k)],
                                   item.OptPropHigh[at(k)], item.OptPropLow[at(k)],
                                   figures.OptPtBis[at(k)]));
    }
    lines.push_back(option_row("Omitted", false, figures.NumOmitted, figures.OmitProp,
                               figures.OmitPropHigh, figures.OmitPropLow, figures.OmitPtBis));
    lines.push_back("</tbody></table></div>");
    return lines;
}

// The shares of the lowest and highest groups that have examinees.
std::pair<double, double> end_shares(const OptionTraceLine& line) {
    std::optional<double> first;
    std::optional<double> last;
    for (const std::optional<double>& share : line.share) {
        if (share) {
            first = first ? first : share;
            last = share;
        }
    }
    return {first.value_or(0.0), last.value_or(0.0)};
}

Lines trace_notes(const TTestData& data, const Item_Record& item,
                  const std::vector<OptionTraceLine>& trace) {
    Lines notes;
    if (item.Key == 9) {
        return notes;  // every answer counts: there is no key to doubt
    }
    for (const OptionTraceLine& line : trace) {
        if (!line.suspicious()) {
            continue;
        }
        const auto [low, high] = end_shares(line);
        const std::string name = option_name(data, line.option);
        if (line.keyed) {
            notes.push_back(element(
                "li", name +
                          " is keyed correct, yet the highest score group chose it less often (" +
                          fixed(high, 2) + ") than the lowest (" + fixed(low, 2) +
                          "): check the key and the wording of the item."));
        } else {
            notes.push_back(element(
                "li", name +
                          " is not keyed correct, yet the highest score group chose it more "
                          "often (" +
                          fixed(high, 2) + ") than the lowest (" + fixed(low, 2) +
                          "): a possible miskey, or a second defensible answer."));
        }
    }
    if (notes.empty()) {
        return notes;
    }
    notes.insert(notes.begin(), "<ul class=\"notes\">");
    notes.push_back("</ul>");
    return notes;
}

Lines item_section(const AnalysisState& state, const Item_Record& item, const ScoreGroups& groups) {
    const TTestData& data = state.data;
    const AnalysisSettings& s = state.settings;
    std::vector<bool> keyed;
    for (int k = 1; k <= option_columns(data, item.ItemNum); ++k) {
        keyed.push_back(is_marked_correct(item, data, k));
    }
    const std::vector<OptionTraceLine> trace = trace_item(state, groups, item.ItemNum, keyed);
    const std::string id = item_id(item.ItemNum);
    // Blanks between the parts let a narrow screen wrap the line.
    const ItemFiguresUsed used = item_figures_used(state, item);
    const MissingAnswers& missing = state.results.precision.missing;
    std::string facts =
        element("span", "Key " + element("b", key_text(data, item))) + " " +
        element("span", "Difficulty " + difficulty_text(used)) + " " +
        element("span", "D " + fixed(item.Disc, 2)) + " " +
        element("span", "Pt-biserial " + correlation_text(used.pbis)) + " " +
        element("span", "Adj. pt-biserial " + correlation_text(item.AdjPtBis)) + " " +
        element("span", "Skipped " + whole(count_of(missing.skipped_by_item, item.ItemNum))) + " " +
        element("span",
                "Not reached " + whole(count_of(missing.not_reached_by_item, item.ItemNum)));
    if (s.not_reached == NotReached::exclude) {
        facts += " " + element("span", "N " + whole(used.examinees));
    }
    if (is_problem_item(item, s)) {
        facts += " " +
                 element("span", element("b", "Potential problem: " +
                                                  criteria_text(problem_criteria_met(item, s), s)));
    }
    Lines lines{"<section class=\"item\"" + attribute("id", id) +
                    attribute("aria-labelledby", id + "-heading") + ">",
                element("h2", "Item " + whole(item.ItemNum), attribute("id", id + "-heading")),
                element("p", facts, attribute("class", "facts"))};
    append(lines, options_table(state, item));
    append(lines, trace_figure(state, item, groups, trace));
    append(lines, trace_notes(data, item, trace));
    lines.push_back("</section>");
    return lines;
}

}  // namespace

std::vector<std::string> html_report_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    const std::string title = html_text(data.test_title);
    Lines lines{
        "<!DOCTYPE html>",
        "<html lang=\"en\">",
        "<head>",
        "<meta charset=\"utf-8\" />",
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />",
        element("title", (title.empty() ? std::string() : title + " &#8211; ") + "Item analysis")};
    add_block(lines, "<style>", report_style_sheet, "</style>");
    lines.push_back("</head>");
    lines.push_back("<body>");
    lines.push_back("<header>");
    lines.push_back(element("h1", title.empty() ? "Item analysis" : title));
    if (!data.test_comments.empty()) {
        lines.push_back(
            element("p", html_text(data.test_comments), attribute("class", "comments")));
    }
    lines.push_back("</header>");
    lines.push_back("<main>");
    lines.push_back("<section class=\"summary\" aria-labelledby=\"summary-heading\">");
    lines.push_back(element("h2", "Summary", attribute("id", "summary-heading")));
    append(lines, summary_card(state));
    lines.push_back("<div class=\"charts\">");
    append(lines, histogram_figure(state));
    append(lines, item_map_figure(state));
    lines.push_back("</div>");
    append(lines, grade_section(state));
    lines.push_back("</section>");
    append(lines, precision_section(state));
    append(lines, versions_section(state));
    append(lines, groups_section(state));
    append(lines, dif_section(state));
    append(lines, items_table(state));
    const ScoreGroups groups = quintile_groups_of(state);
    for (const Item_Record* item : included_items(state)) {
        append(lines, item_section(state, *item, groups));
    }
    lines.push_back("</main>");
    lines.push_back("<footer>");
    for (const std::string& line : ident_lines()) {
        lines.push_back(element("p", html_text(line)));
    }
    lines.push_back("</footer>");
    add_block(lines, "<script>//<![CDATA[", report_script, "//]]></script>");
    lines.push_back("</body>");
    lines.push_back("</html>");
    return lines;
}

}  // namespace kor
