#include "reports/ReliabilityReport.h"

#include <algorithm>
#include <cmath>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/analysis/NormalCurve.h"
#include "core/analysis/Reliability.h"

namespace kor {

namespace {

using Lines = std::vector<std::string>;

constexpr const char* undefined_correlation = "     *****";
constexpr std::size_t table_rule_length = 74;

void append(Lines& lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

std::string split_half_line(const std::string& label, double r) {
    const std::optional<double> sb = spearman_brown_step_up(r);
    return label + fixed(r, 3) + " (with Spearman-Brown = " + (sb ? fixed(*sb, 3) : "*****") + ")";
}

// "label =  value": a minus sign takes the place of the second blank, so
// the digits stay in their column. The printed text decides, not the value:
// a tiny negative that prints as 0.000 has no sign to make room for.
std::string minimum_part(const std::string& label, double value) {
    const std::string text = fixed(value, 3);
    return label + (text.front() == '-' ? "= " : "=  ") + text;
}

std::string extreme_line(const std::string& min_label, double min, const std::string& max_label,
                         double max) {
    return minimum_part(min_label, min) + ", " + max_label + "= " + fixed(max, 3);
}

// "Item 07", "Item 42", "Item100": seven characters up to three digits.
std::string item_label(int number) {
    const std::string digits = fixed(number, 0);
    if (number <= 9) {
        return "Item 0" + digits;
    }
    return (number <= 99 ? "Item " : "Item") + digits;
}

// A correlation in a ten-character column, or asterisks when the
// point-biserial it comes from cannot be computed.
std::string correlation_column(double value, double point_biserial) {
    return point_biserial > 1.0 ? undefined_correlation : right(fixed(value, 3), 10);
}

std::string item_deleted_row(const Item_Record& item, double kr20) {
    return item_label(item.ItemNum) + right(fixed(item.MeanIfDeleted, 3), 10) +
           right(fixed(std::sqrt(std::max(0.0, item.VarIfDeleted)), 3), 11) +
           right(fixed(item.KR20IfDeleted, 3), 9) +
           (kr20_improves_without(item, kr20) ? "+" : " ") + right(fixed(item.SEMIfDeleted, 3), 8) +
           correlation_column(item.Biserial, item.PtBis) +
           correlation_column(item.AdjBiserial, item.AdjPtBis);
}

std::string excluded_items_text(const TTestData& data) {
    std::string text;
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[static_cast<std::size_t>(j)] == 0) {
            text += (text.empty() ? "" : ", ") + fixed(j, 0);
        }
    }
    return text;
}

void add_prophecy(Lines& lines, const char* target_text, const Prophecy& p) {
    lines.push_back(std::string("To obtain a KR-20 Reliability of ") + target_text +
                    ", the test must be " + fixed(p.factor, 2) +
                    (p.factor > 1.0 ? " times longer," : " times as long,"));
    lines.push_back("  for a total of " + fixed(p.items, 0) +
                    " items of similar quality to those in the test now.");
    lines.push_back("");
}

}  // namespace

Lines split_half_lines(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    return {split_half_line("Split-Half (1st/ 2nd) Reliability = ", r.split_half_first_second),
            split_half_line("Split-Half (Odd/Even) Reliability = ", r.split_half_odd_even), ""};
}

Lines item_extreme_lines(const AnalysisState& state) {
    const ItemExtremes e = item_extremes(included_items_in_report_order(state));
    return {extreme_line("Minimum Item Diff.   ", e.min_diff, "Maximum Item Diff.   ", e.max_diff),
            extreme_line("Minimum Disc. Index  ", e.min_disc, "Maximum Disc. Index  ", e.max_disc),
            extreme_line("Minimum Pt. Biserial ", e.min_pbis, "Maximum Pt. Biserial ", e.max_pbis),
            ""};
}

Lines prophecy_lines(const AnalysisState& state, Diagnostics& warnings) {
    const double kr20 = state.results.kr20;
    const int k = state.data.num_included_items;
    const auto at_80 = spearman_brown_prophecy(kr20, k, target_80);
    const auto at_90 = spearman_brown_prophecy(kr20, k, target_90);
    Lines lines;
    if (!at_80 || !at_90) {
        // Printing the figures of an earlier analysis would describe another
        // test: the paragraphs give way to one line saying why.
        warnings.add(prophecy_not_computable_message);
        lines.push_back(std::string(prophecy_not_computable_message) +
                        (kr20 < 0.0 ? " (KR20 < 0)" : " (KR20 = 0)"));
        lines.push_back("");
        return lines;
    }
    add_prophecy(lines, ".80", *at_80);
    add_prophecy(lines, ".90", *at_90);
    return lines;
}

Lines additional_item_analysis_lines(const AnalysisState& state) {
    const std::string stars(75, '*');
    Lines lines{stars, "Additional Item Analysis", stars, ""};
    lines.push_back("         Scale Mean  Scale SD  KR20     SEM                Adjusted");
    lines.push_back("         if Item     if Item   if Item  if Item  Biserial  Biserial");
    lines.push_back("Item     Deleted     Deleted   Deleted  Deleted  Correl.   Correl. ");
    lines.push_back("-------  ----------  --------  -------  -------  --------  --------");
    const double kr20 = state.results.kr20;
    const std::vector<Item_Record> items = included_items_in_report_order(state);
    for (const Item_Record& item : items) {
        lines.push_back(item_deleted_row(item, kr20));
    }
    const std::string rule(table_rule_length, '=');
    lines.push_back(rule);
    const std::string excluded = excluded_items_text(state.data);
    if (!excluded.empty()) {
        lines.push_back("Items Excluded from Analysis:  " + excluded);
        lines.push_back(rule);
    }
    lines.push_back("+ indicates that KR20 (" + fixed(kr20, 3) +
                    ") improves if the item is removed");
    lines.push_back("");
    const BiserialSummary b = biserial_summary(items);
    lines.push_back("Mean Biserial Correlation = " + fixed(b.mean, 3));
    lines.push_back("Minimum Biserial Corr.    = " + fixed(b.min, 3));
    lines.push_back("Maximum Biserial Corr.    = " + fixed(b.max, 3));
    lines.push_back("");
    return lines;
}

Lines reliability_lines(const AnalysisState& state, Diagnostics& warnings) {
    Lines lines = split_half_lines(state);
    append(lines, item_extreme_lines(state));
    append(lines, prophecy_lines(state, warnings));
    append(lines, additional_item_analysis_lines(state));
    return lines;
}

}  // namespace kor
