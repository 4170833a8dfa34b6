#include "reports/SpecificationsReport.h"

#include <algorithm>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

using Lines = std::vector<std::string>;

constexpr std::size_t name_length = 20;     // of an area or level name in this report
constexpr std::size_t list_first_end = 38;  // item lists of areas and levels
constexpr std::size_t list_step = 40;
constexpr std::size_t list_indent = 36;
constexpr std::size_t combined_first_end = 78;  // whole lines of the combined analysis
constexpr std::size_t combined_step = 20;
constexpr std::size_t combined_indent = 51;
constexpr std::size_t cut_slack = 2;  // a comma this far past a cut joins the piece

void add_ruled_heading(Lines& lines, const std::string& heading) {
    const std::string rule(heading.size(), '=');
    lines.push_back(rule);
    lines.push_back(heading);
    lines.push_back(rule);
}

// The included items that a predicate selects, by item number, with their
// mean difficulty and their numbers joined by commas.
struct ItemGroup {
    int count = 0;
    double mean_difficulty = 0.0;
    std::string list;
};

template <typename Selects>
ItemGroup group_of(const AnalysisState& state, const std::vector<double>& difficulty,
                   Selects selects) {
    ItemGroup group;
    double sum = 0.0;
    for (int j = 1; j <= state.data.num_items; ++j) {
        if (state.data.item_include[at(j)] == 0 || !selects(state.data.item_tos[at(j)])) {
            continue;
        }
        group.list += (group.count > 0 ? "," : "") + fixed(j, 0);
        sum += difficulty[at(j)];
        ++group.count;
    }
    group.mean_difficulty = group.count > 0 ? sum / group.count : 0.0;
    return group;
}

// Difficulties by item number: the item records may be in another order.
std::vector<double> difficulties_by_item(const AnalysisState& state) {
    std::vector<double> difficulty(at(state.data.num_items) + 1, 0.0);
    for (int p = 1; p <= state.data.num_items; ++p) {
        const Item_Record& item = state.results.item_records[at(p)];
        if (item.ItemNum >= 1 && item.ItemNum <= state.data.num_items) {
            difficulty[at(item.ItemNum)] = item.Diff;
        }
    }
    return difficulty;
}

// One row of the area or level analysis, with the continuation lines of a long item list.
void add_category_row(Lines& lines, int number, const std::string& name, const ItemGroup& group) {
    std::string row =
        fixed(number, 0) + ". " + left(cut(name, name_length), name_length + 1) + "  ";
    if (group.count == 0) {
        lines.push_back(row + "             No items specified for this area");
        return;
    }
    const Lines pieces = cut_near_commas(group.list, list_first_end, list_step);
    lines.push_back(row + fixed(group.mean_difficulty, 3) + "        " + pieces.front());
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        lines.push_back(std::string(list_indent, ' ') + pieces[i]);
    }
}

struct Categories {
    const char* heading;
    const char* header1;
    const char* header2;
    const char* rule;
    int count;
    const OneBased<std::string, max_tos_categories>& names;
    int ItemTos::*field;
};

void add_category_analysis(Lines& lines, const AnalysisState& state,
                           const std::vector<double>& difficulty, const Categories& c) {
    add_ruled_heading(lines, c.heading);
    lines.push_back(c.header1);
    lines.push_back(c.header2);
    lines.push_back(c.rule);
    for (int a = 1; a <= c.count; ++a) {
        const ItemGroup group =
            group_of(state, difficulty, [&](const ItemTos& tos) { return tos.*c.field == a; });
        add_category_row(lines, a, c.names[at(a)], group);
    }
    lines.push_back("");
}

void add_combined_analysis(Lines& lines, const AnalysisState& state,
                           const std::vector<double>& difficulty, int areas, int levels) {
    const TTestData& data = state.data;
    lines.push_back("");
    add_ruled_heading(lines, "CONTENT AND COGNITIVE COMBINED ANALYSIS:");
    lines.push_back("                                            Avg.                       ");
    lines.push_back("Content Area          Cognitive Level       Diff.  Items               ");
    lines.push_back("--------------------  --------------------  -----  --------------------");
    for (int a = 1; a <= areas; ++a) {
        for (int c = 1; c <= levels; ++c) {
            const ItemGroup group = group_of(state, difficulty, [&](const ItemTos& tos) {
                return tos.content_area == a && tos.cognitive_level == c;
            });
            const std::string label =
                cut(left(cut(data.content_area_names[at(a)], name_length), name_length + 1) + " " +
                        cut(data.cognitive_level_names[at(c)], name_length),
                    40);
            std::string line = left(label, 42) + "  ";
            if (group.count == 0) {
                lines.push_back(line + "       <no items specified>");
                continue;
            }
            line += fixed(group.mean_difficulty, 3) + "  " + group.list;
            const Lines pieces = cut_near_commas(line, combined_first_end, combined_step);
            lines.push_back(pieces.front());
            for (std::size_t i = 1; i < pieces.size(); ++i) {
                lines.push_back(std::string(combined_indent, ' ') + pieces[i]);
            }
        }
    }
}

}  // namespace

Lines cut_near_commas(const std::string& text, std::size_t first_end, std::size_t step) {
    Lines pieces;
    std::size_t start = 0;
    std::size_t end = first_end;
    while (text.size() > end + cut_slack) {
        std::size_t piece_end = end;
        if (text[end] == ',') {
            piece_end = end + 1;
        } else if (text[end + 1] == ',') {
            piece_end = end + 2;
        }
        pieces.push_back(text.substr(start, piece_end - start));
        start = piece_end;
        end += step;
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

Lines specifications_lines(const AnalysisState& state) {
    const TTestData& data = state.data;
    Lines lines;
    if (data.num_content_areas <= 0 && data.num_cognitive_levels <= 0) {
        return lines;
    }
    const std::string stars(75, '*');
    lines.push_back(stars);
    lines.push_back("Table of Specifications Analysis");
    lines.push_back(stars);
    const std::vector<double> difficulty = difficulties_by_item(state);
    const int areas = std::min(data.num_content_areas, max_tos_categories);
    const int levels = std::min(data.num_cognitive_levels, max_tos_categories);
    if (areas > 0) {
        add_category_analysis(
            lines, state, difficulty,
            {"CONTENT AREA ANALYSIS:", "                       Average                           ",
             "Content Area           Difficulty   Items in Content Area",
             "--------------------   ----------   ------------------------------", areas,
             data.content_area_names, &ItemTos::content_area});
    }
    if (levels > 0) {
        add_category_analysis(lines, state, difficulty,
                              {"COGNITIVE SKILL LEVEL ANALYSIS:",
                               "                       Average                              ",
                               "Cognitive Level        Difficulty   Items in Cognitive Level",
                               "--------------------   ----------   -----------------------------",
                               levels, data.cognitive_level_names, &ItemTos::cognitive_level});
    }
    if (areas > 0 && levels > 0) {
        add_combined_analysis(lines, state, difficulty, areas, levels);
    }
    return lines;
}

}  // namespace kor
