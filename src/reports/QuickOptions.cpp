#include "reports/QuickOptions.h"

#include <algorithm>
#include <string_view>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "reports/Ident.h"
#include "reports/QuickCommon.h"

namespace kor {

namespace {

// Options shown for an item: its own number, within the eight counted.
int shown_options(const TTestData& data, int item_number) {
    return std::clamp(static_cast<int>(data.item_options[at(item_number)]), 0, max_option_columns);
}

std::string count_cell(int count) {
    return right(whole(count), 6);
}

std::string proportion_cell(std::string_view before, double proportion) {
    return std::string(before) + "(" + fixed(proportion, 3) + ")";
}

// The difference of the proportions behind a "#" when this option tells the
// groups apart better than the item as a whole, otherwise behind a blank that
// a minus sign takes over. The sign is judged by the text, so a difference
// that prints as 0.000 keeps the cell's width.
std::string difference_cell(const Item_Record& item, int option) {
    const double d = item.OptPropHigh[at(option)] - item.OptPropLow[at(option)];
    const std::string text = fixed(d, 3);
    const bool discriminates_better = d >= 0.0 && d > item.Disc && option != item.Key;
    const std::string_view before = discriminates_better ? "#" : text.front() == '-' ? "" : " ";
    return count_cell(item.OptCountHigh[at(option)] - item.OptCountLow[at(option)]) +
           std::string(before) + "(" + text + ")";
}

std::vector<const Item_Record*> records_by_item_number(const AnalysisState& state) {
    std::vector<const Item_Record*> by_number(at(state.data.num_items) + 1, nullptr);
    for (int p = 1; p <= state.data.num_items; ++p) {
        const Item_Record& item = state.results.item_records[at(p)];
        if (item.ItemNum >= 1 && item.ItemNum <= state.data.num_items) {
            by_number[at(item.ItemNum)] = &item;
        }
    }
    return by_number;
}

}  // namespace

bool is_marked_correct(const Item_Record& item, const TTestData& data, int option) {
    if (option == item.Key || item.Key == 9) {
        return true;
    }
    const auto& answers = data.item_correct_answers[at(item.ItemNum)];
    if (std::find(answers.begin(), answers.end(), option) != answers.end()) {
        return true;
    }
    // In right-wrong data a key of 0 makes the "wrong" column the right one.
    return data.data_are_right_wrong && option == 2 && item.Key == 0;
}

std::vector<std::string> options_heading(const TTestData& data) {
    if (data.data_are_right_wrong) {
        const std::string dashes = "---- ----- ------------- ------------- ";
        return {dashes, "Item Group     RIGHT         WRONG     ", dashes};
    }
    const int widest = data.max_item_options;
    if (widest < 2 || widest > max_option_columns) {
        return {};
    }
    std::string dashes = "---- -----";
    std::string caption = "Item Group";
    for (int k = 1; k <= widest; ++k) {
        dashes += " -------------";
        caption += "    Option " + whole(k) + "  ";
    }
    return {dashes, caption, dashes};
}

std::vector<std::string> item_option_lines(const Item_Record& item, const TTestData& data) {
    std::string total = right(whole(item.ItemNum), 3) + "  TOTAL";
    std::string high = "     High ";
    std::string low = "     Low  ";
    std::string diff = "     Diff ";
    for (int k = 1; k <= shown_options(data, item.ItemNum); ++k) {
        const std::size_t c = at(k);
        total += count_cell(item.OptCount[c]) +
                 proportion_cell(is_marked_correct(item, data, k) ? "*" : " ", item.OptProp[c]);
        high += count_cell(item.OptCountHigh[c]) + proportion_cell(" ", item.OptPropHigh[c]);
        low += count_cell(item.OptCountLow[c]) + proportion_cell(" ", item.OptPropLow[c]);
        diff += difference_cell(item, k);
    }
    return {total, high, low, diff, ""};
}

std::vector<std::string> quick_options_report(const AnalysisState& state) {
    const TTestData& data = state.data;
    std::vector<std::string> lines{
        title_line(data),
        comment_line(data),
        rule('*', 75),
        "Quick Options Analysis",
        rule('*', 75),
        "* is keyed answer, # is option that discriminates better than keyed answer",
        rule('~', 75),
        ""};
    const std::vector<const Item_Record*> by_number = records_by_item_number(state);
    for (int j = 1; j <= data.num_items; ++j) {
        const Item_Record* item = by_number[at(j)];
        if (item == nullptr || data.item_include[at(j)] == 0) {
            continue;
        }
        if (j % 5 == 1) {
            append(lines, options_heading(data));
        }
        append(lines, item_option_lines(*item, data));
    }
    append(lines, {"", rule('~', 42)});
    append(lines, ident_lines());
    return lines;
}

}  // namespace kor
