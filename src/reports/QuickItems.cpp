#include "reports/QuickItems.h"

#include <string_view>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/analysis/ItemStatistics.h"
#include "reports/QuickCommon.h"

namespace kor {

namespace {

std::string item_label(int number) {
    const std::string_view prefix = number <= 9 ? "Item 0" : number <= 99 ? "Item " : "Item";
    return std::string(prefix) + whole(number);
}

std::string key_column(const Item_Record& item) {
    return " (" + whole(item.Key) + (has_multiple_correct_answers(item) ? "*)" : " )");
}

// A count right-aligned in `width` characters up to five digits; a longer one
// keeps the blanks of five digits and shifts what follows.
std::string count_column(int value, int width) {
    int digits = 1;
    for (int rest = value; rest > 9 && digits < 5; rest /= 10) {
        ++digits;
    }
    return std::string(at(width - digits), ' ') + whole(value);
}

// Two decimals behind two blanks, or behind one when the minus sign takes the
// other place. The sign is judged by the text, so a small negative value that
// prints as 0.00 keeps the column straight.
std::string signed_column(double value) {
    const std::string text = fixed(value, 2);
    return (text.front() == '-' ? " " : "  ") + text;
}

std::string correlation_column(double value) {
    const std::string text = correlation_text(value);
    return (text.front() == '-' ? " " : "  ") + text;
}

std::string group_column(int correct, double proportion) {
    return count_column(correct, 6) + " (" + fixed(proportion, 2) + ")";
}

// The closing parts keep the "=" of both group lines under the others.
std::string high_group_line(const AnalysisResults& r) {
    const int n = r.high_group_n;
    const std::string_view closing = n <= 9     ? ")   = "
                                     : n <= 99  ? ")  = "
                                     : n <= 999 ? ") = "
                                                : ")= ";
    return "High Grp Min Score (n=" + whole(n) + std::string(closing) +
           fixed(r.high_group_min_score, 3);
}

std::string low_group_line(const AnalysisResults& r) {
    const int n = r.low_group_n;
    const std::string_view closing = n <= 9     ? ")    = "
                                     : n <= 99  ? ")   = "
                                     : n <= 999 ? ")  = "
                                                : ") = ";
    return "Low Grp Max Score (n=" + whole(n) + std::string(closing) +
           fixed(r.low_group_max_score, 3);
}

std::string criterion_line(std::string_view label, double criterion, int count) {
    return std::string(label) + fixed(criterion, 2) + "(" + whole(count) + ")";
}

// The point-biserial criterion is named in the legend but decides nothing,
// so it has no line here.
std::vector<std::string> problem_block(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    const AnalysisSettings& s = state.settings;
    return {rule('-', 39),
            "# Potential Problem Items  = " + whole(r.num_problem_items),
            criterion_line("defined as:    difficulty <= ", s.crit_p_low, r.num_prob_p_low),
            criterion_line("        or:    difficulty >= ", s.crit_p_high, r.num_prob_p_high),
            criterion_line("        or:       D index <= ", s.crit_disc, r.num_prob_disc),
            criterion_line("        or: AdjPtBiserial <= ", s.crit_adj_pbis, r.num_prob_adj_pbis)};
}

std::vector<std::string> table_heading(const AnalysisState& state) {
    std::vector<std::string> lines;
    if (state.data.partial_credit_on) {
        lines = {"  ALL Item Analyses performed using ONLY 1-point Multiple Choice Items   ",
                 rule('^', 73)};
    }
    append(lines, {"              Number  Item Disc.  # Correct   # Correct    Point Adj  ",
                   "Item    Key   Correct Diff Index in High Grp  in Low Grp   Biser PtBis",
                   "------- ----- ------- ---- ----- ------------ ------------ ----- -----"});
    return lines;
}

std::string excluded_items_line(const TTestData& data) {
    std::string line = "Items Excluded from Analysis:  ";
    bool first = true;
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[at(j)] == 0) {
            line += (first ? "" : ", ") + whole(j);
            first = false;
        }
    }
    return line;
}

}  // namespace

std::string correlation_text(double value) {
    return value > 1.0 ? "****" : fixed(value, 2);
}

bool has_multiple_correct_answers(const Item_Record& item) {
    return item.Include == 2 || item.Key == 9;
}

std::string item_line(const Item_Record& item, bool problem) {
    return item_label(item.ItemNum) + key_column(item) + (problem ? "#" : " ") +
           count_column(item.NumCorrect, 7) + "  " + fixed(item.Diff, 2) +
           signed_column(item.Disc) + group_column(item.HighCorrect, item.HighProp) +
           group_column(item.LowCorrect, item.LowProp) + correlation_column(item.PtBis) +
           correlation_column(item.AdjPtBis);
}

std::string problem_legend(const AnalysisSettings& s) {
    return "# marks potential problems (p<" + general(s.crit_p_low) + " or p>" +
           general(s.crit_p_high) + ", D<" + general(s.crit_disc) + ", pbis<" +
           general(s.crit_pbis) + ", adjpbis<" + general(s.crit_adj_pbis) + ")";
}

std::string item_sort_note(const AnalysisSettings& s) {
    if (s.sort_item_diff) {
        return "These results have been sorted by item difficulty";
    }
    if (s.sort_item_disc) {
        return "These results have been sorted by Discrimination Index";
    }
    if (s.sort_item_pbis) {
        return "These results have been sorted by item-total (point-biserial) correlation";
    }
    if (s.sort_item_adjp) {
        return "These results have been sorted by adjusted point-biserial correlation";
    }
    return "These results have been sorted by item number";
}

std::vector<std::string> item_summary(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    std::vector<std::string> lines{
        "",
        "Number of Items Excluded   = " + whole(r.num_excluded_items),
        "Number of Items Analyzed   = " + whole(state.data.num_included_items),
        value_line("Mean Item Difficulty       = ", r.mean_item_diff),
        value_line("Mean Discrimination Index  = ", r.mean_disc),
        value_line("Mean Point Biserial        = ", r.mean_pbis),
        value_line("Mean Adj. Point Biserial   = ", r.mean_adj_pbis),
        value_line("KR20 (Alpha)               = ", r.kr20),
        value_line("KR21                       = ", r.kr21),
        value_line("SEM (from KR20)            = ", r.sem_kr20),
        high_group_line(r),
        low_group_line(r)};
    if (r.num_problem_items > 0) {
        append(lines, problem_block(state));
    }
    return lines;
}

std::vector<std::string> quick_item_results(const AnalysisState& state) {
    return item_summary(state);
}

std::vector<std::string> item_output(const AnalysisState& state) {
    const TTestData& data = state.data;
    const AnalysisResults& r = state.results;
    std::vector<std::string> lines = table_heading(state);
    bool multiple_correct = false;
    for (const int j : items_in_report_order(r, data.num_items)) {
        const Item_Record& item = r.item_records[at(j)];
        if (item.Include < 1) {
            continue;
        }
        multiple_correct = multiple_correct || has_multiple_correct_answers(item);
        lines.push_back(item_line(item, is_problem_item(item, state.settings)));
    }
    lines.push_back(rule('=', 74));
    if (multiple_correct) {
        lines.push_back("* indicates that there are multiple correct answers for the item");
    }
    if (r.num_problem_items > 0) {
        lines.push_back(problem_legend(state.settings));
    }
    lines.push_back(item_sort_note(state.settings));
    lines.push_back(rule('=', 74));
    if (r.num_excluded_items > 0) {
        append(lines, {excluded_items_line(data), rule('=', 74)});
    }
    append(lines, item_summary(state));
    return lines;
}

}  // namespace kor
