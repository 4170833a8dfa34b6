// What the JSON document, the web page and the CSV files say about groups of
// examinees (sections, campuses) and the comparison of two of them for
// differential item functioning, with the summaries and the Mantel-Haenszel
// figures filled in by hand after an ordinary analysis.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SummaryChecks.h"
#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "reports/AnalysisJson.h"
#include "reports/CsvResults.h"
#include "reports/DifCsv.h"
#include "reports/HtmlGroups.h"
#include "reports/HtmlReport.h"
#include "support/DataSets.h"
#include "support/HtmlCheck.h"

namespace kor {
namespace {

using testing::cell_texts;
using testing::dumped;
using testing::HtmlElement;
using testing::HtmlPage;
using testing::Json;
using testing::keys_of;
using testing::page_of;
using testing::summary;

constexpr std::optional<double> none = std::nullopt;

const std::string infinite_odds =
    "the odds ratio is infinite: at no level did the focal group answer right while the "
    "reference group answered wrong";
const std::string no_common_level = "no score level holds examinees of both groups";

// Six examinees of five items: the label's first column names the group
// (M or F), its third the exam version; the last names neither. Item 6 is
// excluded.
std::unique_ptr<ProgramState> grouped_exam() {
    auto state = testing::typed(
        {.label_length = 3,
         .key = "ABCDEA",
         .options = "555555",
         .include = "YYYYYN",
         .lines = {"M1AABCDEA", "F2BABCAAB", "M3AABAAEA", "F4BAAAAAC", "M5ABBCDEA", " 6 ABCDDA"}});
    const Outcome loaded = load_test_data(*state);
    EXPECT_FALSE(loaded.refused) << loaded.messages.back();
    const Outcome analysed = run_analysis(*state);
    EXPECT_FALSE(analysed.refused) << analysed.messages.back();
    state->data.group_label = LabelColumns{1, 1};
    return state;
}

DifItem dif_item(int item, std::optional<double> alpha, std::optional<double> d_dif,
                 std::optional<double> chi_square, std::optional<double> p, const char* ets_class,
                 const std::string& reason = {}) {
    DifItem dif{item, {}};
    dif.figures.alpha = alpha;
    dif.figures.d_dif = d_dif;
    dif.figures.chi_square = chi_square;
    dif.figures.p = p;
    dif.figures.ets_class = ets_class;
    dif.figures.reason = reason;
    return dif;
}

// In item order, as the analysis gives them: a positive D-DIF (favours the
// focal group), none at all, one that cannot be tested, a negative D-DIF of
// the same size as item 1's, and an infinite odds ratio.
DifResults m_against_f() {
    DifResults dif;
    dif.reference = "M";
    dif.focal = "F";
    dif.reference_examinees = 3;
    dif.focal_examinees = 2;
    dif.items = {dif_item(1, 0.6, 1.2, 4.5, 0.034, "B"), dif_item(2, 1.0, 0.0, 0.0, 1.0, "A"),
                 dif_item(3, none, none, none, none, "", no_common_level),
                 dif_item(4, 1.666, -1.2, 13.0, 0.0003, "B"),
                 dif_item(5, none, none, 6.1, 0.0135, "C", infinite_odds)};
    return dif;
}

std::unique_ptr<ProgramState> exam_with_groups() {
    auto state = grouped_exam();
    state->results.groups = {
        summary("F", 2, 2.5, 0.5, 0.25, 0.5, {1.0, 0.5, 0.0, 0.5, 0.5, none},
                {none, 0.5, none, -0.25, 1.0, none}),
        summary("M", 3, 3.6667, 1.1547, none, none, {1.0, 0.6667, 1.0, 0.3333, 0.0, none},
                {none, 0.866, none, 0.5, none, none})};
    state->results.examinees_without_group = 1;
    state->results.dif = m_against_f();
    return state;
}

// ---------------------------------------------------------------- JSON

TEST(GroupsJson, SummariesFollowTheVersionsAndPrecedeTheWarnings) {
    struct Case {
        const char* what;
        bool versions;
        bool dif;
        std::vector<std::string> last_keys;
    };
    const std::vector<Case> cases{
        {"groups alone", false, false, {"examinees", "groups", "warnings"}},
        {"with a comparison", false, true, {"examinees", "groups", "dif", "warnings"}},
        {"with versions", true, true, {"examinees", "versions", "groups", "dif", "warnings"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = exam_with_groups();
        if (c.versions) {
            state->data.version_label = LabelColumns{3, 3};
            state->results.versions = {summary("A", 3, 3.0, 1.0, 0.5, 0.5, {1.0})};
        }
        if (!c.dif) {
            state->results.dif.reset();
        }
        const std::vector<std::string> top = keys_of(Json::parse(analysis_json_text(*state)));
        ASSERT_GE(top.size(), c.last_keys.size());
        EXPECT_EQ(
            std::vector<std::string>(top.end() - static_cast<long>(c.last_keys.size()), top.end()),
            c.last_keys);
    }
    // Whole numbers stay whole, what a group lacks is null, members in order.
    const Json groups = Json::parse(analysis_json_text(*exam_with_groups()))["groups"];
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].dump(), dumped(R"({"group": "F", "examinees": 2, "mean": 2.5, "sd": 0.5,
        "kr20": 0.25, "sem": 0.5, "difficulty": [1.0, 0.5, 0.0, 0.5, 0.5, null],
        "pbis": [null, 0.5, null, -0.25, 1.0, null]})"));
    EXPECT_EQ(groups[1]["kr20"], nullptr);
    EXPECT_EQ(groups[1]["pbis"].dump(), "[null,0.866,null,0.5,null,null]");
}

// Both files put the group after the version, and leave it out without a
// group label.
TEST(GroupsJsonAndCsv, EachExamineesGroupFollowsItsVersion) {
    struct Case {
        const char* what;
        bool version_label;
        bool group_label;
        std::vector<std::string> json_keys;  // the first members of an examinee
        std::string csv_header_end;
        std::ptrdiff_t csv_columns;
    };
    const std::vector<Case> cases{
        {"group", false, true, {"id", "label", "group", "score"}, ",band95_high,group", 11},
        {"version and group",
         true,
         true,
         {"id", "label", "version", "group", "score"},
         ",band95_high,version,group",
         12},
        {"neither", false, false, {"id", "label", "score"}, ",band95_high", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = grouped_exam();
        if (c.version_label) {
            state->data.version_label = LabelColumns{3, 3};
        }
        if (!c.group_label) {
            state->data.group_label.reset();
        }
        const Json examinees = Json::parse(analysis_json_text(*state))["examinees"];
        ASSERT_EQ(examinees.size(), 6u);
        const std::vector<std::string> keys = keys_of(examinees[0]);
        EXPECT_EQ(std::vector<std::string>(keys.begin(),
                                           keys.begin() + static_cast<long>(c.json_keys.size())),
                  c.json_keys);
        const std::vector<std::string> lines = scores_csv_lines(*state);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_TRUE(lines[0].ends_with(c.csv_header_end)) << lines[0];
        for (const std::string& line : lines) {
            EXPECT_EQ(std::count(line.begin(), line.end(), ','), c.csv_columns - 1) << line;
        }
        if (c.group_label) {
            const std::vector<std::string> groups{"M", "F", "M", "F", "M", ""};
            for (std::size_t i = 0; i < groups.size(); ++i) {
                EXPECT_EQ(examinees[i]["group"], groups[i].empty() ? Json() : Json(groups[i]));
                EXPECT_TRUE(lines[i + 1].ends_with("," + groups[i])) << lines[i + 1];
            }
        }
    }
}

TEST(GroupsJson, ComparisonNamesTheGroupsAndGivesEveryItemWithNullsAndReasons) {
    const Json dif = Json::parse(analysis_json_text(*exam_with_groups()))["dif"];
    EXPECT_EQ(keys_of(dif), (std::vector<std::string>{"reference", "focal", "reference_examinees",
                                                      "focal_examinees", "items"}));
    EXPECT_EQ(dif["reference"], "M");
    EXPECT_EQ(dif["focal"], "F");
    EXPECT_EQ(dif["reference_examinees"], 3);
    EXPECT_EQ(dif["focal_examinees"], 2);
    const std::vector<std::string> expected{
        R"({"item": 1, "alpha_mh": 0.6, "d_dif": 1.2, "chi_square": 4.5, "p": 0.034,
            "class": "B", "favours": "focal", "reason": null})",
        R"({"item": 2, "alpha_mh": 1.0, "d_dif": 0.0, "chi_square": 0.0, "p": 1.0,
            "class": "A", "favours": null, "reason": null})",
        R"({"item": 3, "alpha_mh": null, "d_dif": null, "chi_square": null, "p": null,
            "class": null, "favours": null, "reason": ")" +
            no_common_level + R"("})",
        R"({"item": 4, "alpha_mh": 1.666, "d_dif": -1.2, "chi_square": 13.0, "p": 0.0003,
            "class": "B", "favours": "reference", "reason": null})",
        R"({"item": 5, "alpha_mh": null, "d_dif": null, "chi_square": 6.1, "p": 0.0135,
            "class": "C", "favours": null, "reason": ")" +
            infinite_odds + R"("})",
    };
    ASSERT_EQ(dif["items"].size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(dif["items"][k].dump(), dumped(expected[k].c_str()));
    }
}

// ---------------------------------------------------------------- the web page

const HtmlElement& table_in(const HtmlPage& page, const std::string& id) {
    const HtmlElement* table = page.by_id(id);
    EXPECT_NE(table, nullptr) << id;
    static const HtmlElement nothing;
    return table == nullptr ? nothing : *table;
}

std::vector<std::vector<std::string>> rows_of(const HtmlPage& page, const HtmlElement& table) {
    std::vector<std::vector<std::string>> rows;
    for (const HtmlElement* row : page.inside(table, "tr")) {
        rows.push_back(cell_texts(page, *row));
    }
    return rows;
}

TEST(GroupsPage, TablesOfTheGroupsAndOfTheirItems) {
    const auto state = exam_with_groups();
    const HtmlPage page = page_of(*state);
    ASSERT_NE(page.by_id("groups-heading"), nullptr);
    EXPECT_EQ(page.by_id("groups-heading")->text, "Groups");
    EXPECT_EQ(
        rows_of(page, table_in(page, "groups-table")),
        (std::vector<std::vector<std::string>>{{"Group", "Examinees", "Mean", "SD", "KR20", "SEM"},
                                               {"F", "2", "2.500", "0.500", "0.250", "0.500"},
                                               {"M", "3", "3.667", "1.155", "none", "none"}}));
    // A pair of columns under each group's name; the excluded item has no row.
    EXPECT_EQ(rows_of(page, table_in(page, "group-items-table")),
              (std::vector<std::vector<std::string>>{
                  {"Item", "F", "M"},
                  {"Difficulty", "Pt-biserial", "Difficulty", "Pt-biserial"},
                  {"1", "1.00", "none", "1.00", "none"},
                  {"2", "0.50", "0.50", "0.67", "0.87"},
                  {"3", "0.00", "none", "1.00", "none"},
                  {"4", "0.50", "-0.25", "0.33", "0.50"},
                  {"5", "0.50", "1.00", "0.00", "none"}}));
    const std::string text = testing::joined(html_report_lines(*state));
    EXPECT_NE(text.find("<p>1 examinee names no group; the figures of the whole test include "
                        "it.</p>"),
              std::string::npos);
    EXPECT_NE(text.find("<p>KR20 and SEM are none for a group with fewer than two"),
              std::string::npos);
}

TEST(GroupsPage, ComparisonSortedByTheSizeOfDDifWithTheFlaggedRowsMarked) {
    struct Row {
        int item;
        std::vector<std::string> cells;
        std::string css_class;
    };
    // Infinite odds first, then |D-DIF| from the largest with a tie in item
    // order, the item that cannot be tested last.
    const std::vector<Row> expected{
        {5, {"5", "none", "none", "6.10", "0.014", "C", "", infinite_odds}, "dif-c"},
        {1, {"1", "0.600", "1.20", "4.50", "0.034", "B", "F", ""}, "dif-b"},
        {4, {"4", "1.666", "-1.20", "13.00", "< 0.001", "B", "M", ""}, "dif-b"},
        {2, {"2", "1.000", "0.00", "0.00", "1.000", "A", "", ""}, ""},
        {3, {"3", "none", "none", "none", "none", "", "", no_common_level}, ""},
    };
    auto state = exam_with_groups();
    const HtmlPage page = page_of(*state);
    ASSERT_NE(page.by_id("dif-heading"), nullptr);
    EXPECT_EQ(page.by_id("dif-heading")->text, "Differential item functioning");
    const auto rows = page.inside(table_in(page, "dif-table"), "tr");
    ASSERT_EQ(rows.size(), expected.size() + 1);
    EXPECT_EQ(cell_texts(page, *rows[0]),
              (std::vector<std::string>{"Item", "Alpha (MH)", "D-DIF", "Chi-square", "p", "Class",
                                        "Favours", "Note"}));
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const Row& row = expected[k];
        SCOPED_TRACE("item " + std::to_string(row.item));
        EXPECT_EQ(rows[k + 1]->attribute("id"), "dif-row-" + std::to_string(row.item));
        EXPECT_EQ(cell_texts(page, *rows[k + 1]), row.cells);
        EXPECT_EQ(rows[k + 1]->attribute("class"), row.css_class);
        // The class of a flagged row is bold.
        EXPECT_EQ(page.inside(*rows[k + 1], "b").size(), row.css_class.empty() ? 0u : 1u);
    }
    const std::string text = testing::joined(html_report_lines(*state));
    EXPECT_NE(text.find("The reference group M (3 examinees) against the focal group F (2 "
                        "examinees)"),
              std::string::npos);
    const auto rules = page.named("p");
    const bool rule_written = std::any_of(rules.begin(), rules.end(), [](const HtmlElement* p) {
        return p->text ==
               "A: |D-DIF| < 1 or not significant at 0.05; C: |D-DIF| \xE2\x89\xA5 1.5 and "
               "significant; B: the rest";
    });
    EXPECT_TRUE(rule_written);
    // Fewer than 100 examinees in either group: the classes are unstable.
    const std::string unstable =
        "<p>With fewer than 100 examinees in a group the classes are "
        "unstable.</p>";
    EXPECT_NE(text.find(unstable), std::string::npos);
    state->results.dif->reference_examinees = 100;
    state->results.dif->focal_examinees = 100;
    EXPECT_EQ(testing::joined(html_report_lines(*state)).find(unstable), std::string::npos);
}

TEST(GroupsPage, NoSectionsWithoutSummariesOrComparison) {
    const auto labelled = grouped_exam();  // a group label, but no summaries
    const std::vector<std::string> with_label = html_report_lines(*labelled);
    const HtmlPage page = testing::read_html(testing::joined(with_label));
    EXPECT_EQ(page.by_id("groups-heading"), nullptr);
    EXPECT_EQ(page.by_id("dif-heading"), nullptr);
    auto plain = grouped_exam();
    plain->data.group_label.reset();
    EXPECT_EQ(html_report_lines(*plain), with_label);

    auto summaries_only = exam_with_groups();
    summaries_only->results.dif.reset();
    const HtmlPage without_dif = page_of(*summaries_only);
    EXPECT_NE(without_dif.by_id("groups-heading"), nullptr);
    EXPECT_EQ(without_dif.by_id("dif-heading"), nullptr);
}

TEST(DifCsv, OneRowPerItemInItemOrderWithEmptyCellsForNone) {
    EXPECT_EQ(dif_csv_lines(m_against_f()),
              (std::vector<std::string>{
                  "item,alpha_mh,d_dif,chi_square,p,class,favours,reason",
                  "1,0.600,1.200,4.500,0.0340,B,focal,",
                  "2,1.000,0.000,0.000,1.0000,A,,",
                  "3,,,,,,," + no_common_level,
                  "4,1.666,-1.200,13.000,0.0003,B,reference,",
                  "5,,,6.100,0.0135,C,," + infinite_odds,
              }));
}

}  // namespace
}  // namespace kor
