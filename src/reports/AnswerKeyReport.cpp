#include "reports/AnswerKeyReport.h"

#include <algorithm>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/data/Codes.h"

namespace kor {

namespace {

using Lines = std::vector<std::string>;

constexpr int numbers_per_line = 20;  // included and excluded item lists
constexpr int answers_per_line = 10;  // correct-answer list
constexpr int highest_charted_option = 9;

void add_ruled_heading(Lines& lines, const std::string& heading) {
    const std::string rule(heading.size(), '=');
    lines.push_back(rule);
    lines.push_back(heading);
    lines.push_back(rule);
}

void add_banner(Lines& lines, std::size_t width, const std::string& heading) {
    const std::string stars(width, '*');
    lines.push_back("");
    lines.push_back("");
    lines.push_back(stars);
    lines.push_back(heading);
    lines.push_back(stars);
}

bool included(const TTestData& data, int item) {
    return data.item_include[at(item)] > 0;
}

std::string chart_row(const std::string& label, int count) {
    return label + right(fixed(count, 0), 6) + "   " + std::string(at(count), '@');
}

// Item numbers 20 to a line; one-digit numbers take an extra blank so the
// columns line up.
void add_number_list(Lines& lines, const std::vector<int>& numbers) {
    std::string line;
    int on_line = 0;
    for (int n : numbers) {
        const std::string digits = fixed(n, 0);
        if (on_line == 0) {
            line = (n < 10 ? " " : "") + digits;
        } else {
            line += (n < 10 ? ",  " : ", ") + digits;
        }
        if (++on_line == numbers_per_line) {
            lines.push_back(line);
            on_line = 0;
        }
    }
    if (on_line > 0) {
        lines.push_back(line);
    }
}

std::vector<int> items_where(const TTestData& data, bool want_included) {
    std::vector<int> numbers;
    for (int j = 1; j <= data.num_items; ++j) {
        if (included(data, j) == want_included) {
            numbers.push_back(j);
        }
    }
    return numbers;
}

void add_correct_answers(Lines& lines, const TTestData& data) {
    add_ruled_heading(lines, "CORRECT ANSWERS (Item#-Key):");
    std::string line;
    int on_line = 0;
    for (int j : items_where(data, true)) {
        line += (j < 10 ? "  # " : "  #") + fixed(j, 0) + "-" + fixed(data.item_key[at(j)], 0);
        if (++on_line == answers_per_line) {
            lines.push_back(line);
            line.clear();
            on_line = 0;
        }
    }
    if (on_line > 0) {
        lines.push_back(line);
    }
}

std::string item_tag(int item) {
    return (item > 9 ? "Item #" : "Item # ") + fixed(item, 0);
}

// The alternative-answer cells as typed (the key's column first); an empty
// cell keeps its column by a second blank.
void add_alternative_answers(Lines& lines, const TTestData& data) {
    lines.push_back("");
    add_ruled_heading(lines, "ALTERNATIVE CORRECT ANSWERS:");
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_include[at(j)] != include_alternatives) {
            continue;
        }
        std::string line = item_tag(j) + "   Correct Answers: ";
        for (const std::string& cell : data.alt_answer_cells[at(j)]) {
            line += cell.empty() ? "  " : cell + " ";
        }
        lines.push_back(line);
    }
    for (int j = 1; j <= data.num_items; ++j) {
        if (data.item_key[at(j)] == missing_code) {
            lines.push_back(item_tag(j) + "   Correct Answers: ALL");
        }
    }
}

}  // namespace

Lines answer_key_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    Lines lines;
    add_banner(lines, 75, "Answer Key Analysis");
    add_ruled_heading(lines, "Bar Chart for Correct Answer Usage");
    lines.push_back("");
    lines.push_back("Answer Key  Count  Graph (each @ represents 1 case)");
    lines.push_back("----------  -----  --------------------------------");
    static constexpr const char letters[] = "ABCDEFGHI";
    const int highest = std::min(data.max_item_options, highest_charted_option);
    for (int option = 1; option <= highest; ++option) {
        int count = 0;
        for (int j : items_where(data, true)) {
            count += data.item_key[at(j)] == option ? 1 : 0;
        }
        const std::string label = "Option " + fixed(option, 0) + "/" + letters[option - 1];
        lines.push_back(chart_row(label, count));
    }

    lines.push_back("");
    lines.push_back("");
    add_ruled_heading(lines, "Bar Chart for Number of Options Usage");
    lines.push_back("");
    lines.push_back("# Options  Count  Graph (each @ represents 1 case)");
    lines.push_back("---------  -----  --------------------------------");
    for (int options = 2; options <= highest; ++options) {
        int count = 0;
        for (int j : items_where(data, true)) {
            count += data.item_options[at(j)] == options ? 1 : 0;
        }
        lines.push_back(chart_row(fixed(options, 0) + " Options", count));
    }
    return lines;
}

Lines item_listing_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    Lines lines;
    add_banner(lines, 60, "Item Included, Answer Key, Additional Correct Options");

    add_ruled_heading(lines, "ITEMS INCLUDED:");
    const std::vector<int> included_items = items_where(data, true);
    if (included_items.empty()) {
        lines.push_back("No Items were INCLUDED in the analysis");
    } else {
        add_number_list(lines, included_items);
    }

    lines.push_back("");
    add_ruled_heading(lines, "ITEMS EXCLUDED:");
    const std::vector<int> excluded_items = items_where(data, false);
    if (excluded_items.empty()) {
        lines.push_back("No Items were EXCLUDED from the analysis");
    } else {
        add_number_list(lines, excluded_items);
    }

    lines.push_back("");
    add_correct_answers(lines, data);
    if (data.num_alt_or_all_correct_items > 0) {
        add_alternative_answers(lines, data);
    }
    return lines;
}

}  // namespace kor
