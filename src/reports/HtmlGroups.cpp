#include "reports/HtmlGroups.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <tuple>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/analysis/GroupSummary.h"
#include "reports/DifCsv.h"
#include "reports/HtmlMarkup.h"
#include "reports/HtmlPictures.h"
#include "reports/QuickCommon.h"

namespace kor {

namespace {

using html::attribute;
using html::cell;
using html::element;
using html::header_cell;
using html::item_id;
using Lines = std::vector<std::string>;

// ------------------------------------------------------------ summaries

// What a section calls the groups it shows: the word in its sentences and
// ids, and the heading of their column.
struct GroupKind {
    std::string_view name;
    std::string_view heading;
};
constexpr GroupKind version_kind{"version", "Version"};
constexpr GroupKind group_kind{"group", "Group"};

// A figure a group may lack, with 3 decimals.
std::string figure_or_none(const std::optional<double>& value) {
    return value ? fixed(*value, 3) : "none";
}

// An item's figure from a summary's list by item number.
std::optional<double> figure_of(const std::vector<std::optional<double>>& by_item, int item) {
    const std::size_t index = static_cast<std::size_t>(item - 1);
    return index < by_item.size() ? by_item[index] : std::nullopt;
}

std::string item_link_cell(int item) {
    return cell(element("a", whole(item), attribute("href", "#" + item_id(item))), "item");
}

std::string examinees_without_group_note(GroupKind kind, int count) {
    return element("p", whole(count) + (count == 1 ? " examinee names" : " examinees name") +
                            " no " + std::string(kind.name) +
                            "; the figures of the whole test include " +
                            (count == 1 ? "it." : "them."));
}

// The opening of a section on groups, with what its figures are and how many
// examinees belong to none of the groups.
Lines summaries_section_head(GroupKind kind, std::string_view title, int without_group) {
    const std::string id = std::string(kind.name) + "s";
    Lines lines{
        "<section" + attribute("class", id) + attribute("aria-labelledby", id + "-heading") + ">",
        element("h2", title, attribute("id", id + "-heading")),
        element("p", "The figures of each " + std::string(kind.name) +
                         " are those of its examinees alone; the items are numbered as "
                         "in the data set.")};
    if (without_group > 0) {
        lines.push_back(examinees_without_group_note(kind, without_group));
    }
    return lines;
}

// One row per group: its examinees, mean, SD, KR20 and SEM.
Lines summaries_table(GroupKind kind, const std::vector<GroupSummary>& summaries) {
    Lines lines{
        "<div class=\"scroll\"><table" + attribute("id", std::string(kind.name) + "s-table") + ">",
        "<thead><tr>" + header_cell(kind.heading, "text") + header_cell("Examinees") +
            header_cell("Mean") + header_cell("SD") + header_cell("KR20") + header_cell("SEM") +
            "</tr></thead>",
        "<tbody>"};
    bool lacking = false;
    for (const GroupSummary& summary : summaries) {
        lacking = lacking || !summary.kr20 || !summary.sem;
        lines.push_back("<tr>" + element("th", html_text(summary.name), attribute("scope", "row")) +
                        cell(whole(summary.examinees)) + cell(fixed(summary.score.mean, 3)) +
                        cell(fixed(summary.score.sd, 3)) + cell(figure_or_none(summary.kr20)) +
                        cell(figure_or_none(summary.sem)) + "</tr>");
    }
    lines.push_back("</tbody></table></div>");
    if (lacking) {
        lines.push_back(element("p", "KR20 and SEM are none for a " + std::string(kind.name) +
                                         " with fewer than two examinees or items, or whose "
                                         "scores do not vary."));
    }
    return lines;
}

// ------------------------------------------------------------ exam versions

// An item is flagged when its difficulties in two versions lie this far
// apart or more. The difference of two proportions may come out a hair
// below the value it stands for (0.65 - 0.5), so the comparison allows for
// that and a difference of exactly 0.15 counts.
constexpr double version_gap_limit = 0.15;
constexpr double version_gap_tolerance = 1e-9;

// The highest minus the lowest difficulty of the item among the versions;
// none when fewer than two versions have one.
std::optional<double> difficulty_gap(const std::vector<GroupSummary>& versions, int item) {
    std::vector<double> found;
    for (const GroupSummary& version : versions) {
        if (const std::optional<double> p = figure_of(version.difficulty, item)) {
            found.push_back(*p);
        }
    }
    if (found.size() < 2) {
        return std::nullopt;
    }
    const auto [low, high] = std::minmax_element(found.begin(), found.end());
    return *high - *low;
}

bool versions_differ(const std::optional<double>& gap) {
    return gap && *gap >= version_gap_limit - version_gap_tolerance;
}

Lines version_difficulty_table(const AnalysisState& state) {
    const std::vector<GroupSummary>& versions = state.results.versions;
    std::string head = "<thead><tr>" + header_cell("Item");
    for (const GroupSummary& version : versions) {
        head += header_cell(html_text(version.name));
    }
    head += header_cell("Difference") + "</tr></thead>";
    Lines lines{element("h3", "Difficulty by version"),
                element("p", "Click a column heading to sort by it."),
                "<div class=\"scroll\"><table class=\"sortable\" id=\"version-difficulty-table\">",
                head, "<tbody>"};
    for (const Item_Record* item : included_items(state)) {
        const int j = item->ItemNum;
        const std::optional<double> gap = difficulty_gap(versions, j);
        const bool differs = versions_differ(gap);
        std::string row = "<tr" + attribute("id", "version-row-" + whole(j)) +
                          (differs ? attribute("class", "differs") : "") + ">" + item_link_cell(j);
        for (const GroupSummary& version : versions) {
            const std::optional<double> p = figure_of(version.difficulty, j);
            row += cell(p ? fixed(*p, 2) : "none");
        }
        const std::string gap_text = gap ? fixed(*gap, 2) : "";
        row += cell(differs ? element("b", gap_text + " !") : gap_text, "gap") + "</tr>";
        lines.push_back(row);
    }
    lines.push_back("</tbody></table></div>");
    lines.push_back(element("p", "! Difficulty differs between versions by " +
                                     fixed(version_gap_limit, 2) + " or more."));
    return lines;
}

// ------------------------------------------------------------ groups

std::string proportion_or_none(const std::optional<double>& value) {
    return value ? fixed(*value, 2) : "none";
}

// A column pair per group under its name: the difficulty and the
// point-biserial in that group. Two heading rows would confuse the sorting
// script, so this table is not sortable.
Lines group_items_table(const AnalysisState& state) {
    const std::vector<GroupSummary>& groups = state.results.groups;
    std::string names =
        "<thead><tr>" +
        element("th", "Item", attribute("scope", "col") + attribute("rowspan", "2"));
    std::string figures = "<tr>";
    for (const GroupSummary& group : groups) {
        names += element("th", html_text(group.name),
                         attribute("scope", "colgroup") + attribute("colspan", "2"));
        figures += header_cell("Difficulty") + header_cell("Pt-biserial");
    }
    Lines lines{element("h3", "Items by group"),
                "<div class=\"scroll\"><table id=\"group-items-table\">", names + "</tr>",
                figures + "</tr></thead>", "<tbody>"};
    for (const Item_Record* item : included_items(state)) {
        const int j = item->ItemNum;
        std::string row =
            "<tr" + attribute("id", "group-row-" + whole(j)) + ">" + item_link_cell(j);
        for (const GroupSummary& group : groups) {
            row += cell(proportion_or_none(figure_of(group.difficulty, j))) +
                   cell(proportion_or_none(figure_of(group.pbis, j)));
        }
        lines.push_back(row + "</tr>");
    }
    lines.push_back("</tbody></table></div>");
    lines.push_back(
        element("p", "A point-biserial is none where the group's scores or answers do not vary."));
    return lines;
}

// ------------------------------------------------------------ differential item functioning

// The table's place of an item: first those whose odds ratio is 0 or
// infinite, then by |D-DIF| from the largest, then those without a class;
// ties by item number.
std::tuple<int, double, int> dif_rank(const DifItem& item) {
    const MhFigures& f = item.figures;
    if (f.ets_class.empty()) {
        return {2, 0.0, item.item};
    }
    if (!f.d_dif) {
        return {0, 0.0, item.item};
    }
    return {1, -std::fabs(*f.d_dif), item.item};
}

// A p that rounds to 0.000 is told as below 0.001 rather than as none.
std::string p_text(const std::optional<double>& p) {
    if (!p) {
        return "none";
    }
    return *p < 0.001 ? "&lt; 0.001" : fixed(*p, 3);
}

std::string dif_figure_text(const std::optional<double>& value, int decimals) {
    return value ? fixed(*value, decimals) : "none";
}

std::string favoured_name(const DifResults& dif, const MhFigures& figures) {
    const std::string favoured = favoured_group(figures);
    if (favoured.empty()) {
        return {};
    }
    return html_text(favoured == "reference" ? dif.reference : dif.focal);
}

// The B and C rows carry their class (dif-b, dif-c) and show it in bold.
std::string dif_row(const DifResults& dif, const DifItem& item) {
    const MhFigures& f = item.figures;
    const bool flagged = f.ets_class == "B" || f.ets_class == "C";
    std::string css_class = f.ets_class;
    std::transform(css_class.begin(), css_class.end(), css_class.begin(),
                   [](char c) { return static_cast<char>(c - 'A' + 'a'); });
    return "<tr" + attribute("id", "dif-row-" + whole(item.item)) +
           (flagged ? attribute("class", "dif-" + css_class) : "") + ">" +
           item_link_cell(item.item) + cell(dif_figure_text(f.alpha, 3)) +
           cell(dif_figure_text(f.d_dif, 2)) + cell(dif_figure_text(f.chi_square, 2)) +
           cell(p_text(f.p)) + cell(flagged ? element("b", f.ets_class) : f.ets_class, "text") +
           cell(favoured_name(dif, f), "text") + cell(html_text(f.reason), "text") + "</tr>";
}

std::string dif_groups_text(const DifResults& dif) {
    const auto examinees = [](int n) { return whole(n) + (n == 1 ? " examinee" : " examinees"); };
    return "The reference group " + html_text(dif.reference) + " (" +
           examinees(dif.reference_examinees) + ") against the focal group " +
           html_text(dif.focal) + " (" + examinees(dif.focal_examinees) +
           "), matched on their scores by the Mantel-Haenszel procedure. A negative D-DIF "
           "means the item is harder for the focal group than for reference examinees of the "
           "same score.";
}

// The rows in the order dif_section tells.
std::vector<const DifItem*> dif_table_order(const DifResults& dif) {
    std::vector<const DifItem*> order;
    for (const DifItem& item : dif.items) {
        order.push_back(&item);
    }
    std::sort(order.begin(), order.end(),
              [](const DifItem* a, const DifItem* b) { return dif_rank(*a) < dif_rank(*b); });
    return order;
}

}  // namespace

std::vector<std::string> versions_section(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    if (r.versions.empty()) {
        return {};
    }
    Lines lines =
        summaries_section_head(version_kind, "Exam versions", r.examinees_without_version);
    append(lines, summaries_table(version_kind, r.versions));
    append(lines, version_difficulty_table(state));
    lines.push_back("</section>");
    return lines;
}

std::vector<std::string> groups_section(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    if (r.groups.empty()) {
        return {};
    }
    Lines lines = summaries_section_head(group_kind, "Groups", r.examinees_without_group);
    append(lines, summaries_table(group_kind, r.groups));
    append(lines, group_items_table(state));
    lines.push_back("</section>");
    return lines;
}

std::vector<std::string> dif_section(const AnalysisState& state) {
    if (!state.results.dif) {
        return {};
    }
    const DifResults& dif = *state.results.dif;
    Lines lines{"<section class=\"dif\" aria-labelledby=\"dif-heading\">",
                element("h2", "Differential item functioning", attribute("id", "dif-heading")),
                element("p", dif_groups_text(dif))};
    if (std::min(dif.reference_examinees, dif.focal_examinees) < dif_stable_group) {
        lines.push_back(element("p", "With fewer than " + whole(dif_stable_group) +
                                         " examinees in a group the classes are unstable."));
    }
    lines.push_back("<div class=\"scroll\"><table id=\"dif-table\">");
    lines.push_back("<thead><tr>" + header_cell("Item") + header_cell("Alpha (MH)") +
                    header_cell("D-DIF") + header_cell("Chi-square") + header_cell("p") +
                    header_cell("Class", "text") + header_cell("Favours", "text") +
                    header_cell("Note", "text") + "</tr></thead>");
    lines.push_back("<tbody>");
    for (const DifItem* item : dif_table_order(dif)) {
        lines.push_back(dif_row(dif, *item));
    }
    lines.push_back("</tbody></table></div>");
    lines.push_back(element("p",
                            "A: |D-DIF| &lt; 1 or not significant at 0.05; C: |D-DIF| &#8805; "
                            "1.5 and significant; B: the rest",
                            attribute("class", "rule")));
    lines.push_back("</section>");
    return lines;
}

}  // namespace kor
