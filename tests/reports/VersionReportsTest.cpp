// What the JSON document, the web page and the scores file say about the
// versions of an exam: the summary per version, each examinee's version, and
// the items whose difficulty moves between versions.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "SummaryChecks.h"
#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "reports/AnalysisJson.h"
#include "reports/CsvResults.h"
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

// Six examinees of five items whose third label column names their version;
// the last names none. Item 6 is excluded.
std::unique_ptr<ProgramState> versioned_exam() {
    auto state = testing::typed(
        {.label_length = 3,
         .key = "ABCDEA",
         .options = "555555",
         .include = "YYYYYN",
         .lines = {"01AABCDEA", "02BABCAAB", "03CABAAEA", "04AAAAAAC", "05BBBCDEA", "06 ABCDDA"}});
    const Outcome loaded = load_test_data(*state);
    EXPECT_FALSE(loaded.refused) << loaded.messages.back();
    const Outcome analysed = run_analysis(*state);
    EXPECT_FALSE(analysed.refused) << analysed.messages.back();
    state->data.version_label = LabelColumns{3, 3};
    return state;
}

// Summaries as the analysis would give them; the difficulties are chosen to
// sit on either side of the flagging limit.
std::vector<GroupSummary> three_versions() {
    return {summary("A", 2, 0.0, 0.0, 0.625, 1.0625, {0.50, 0.60, 0.30, 0.40, 0.90, none}),
            summary("B", 2, 3.25, 0.5, 0.125, 0.25, {0.65, 0.45, 0.44, 0.45, none, none}),
            summary("C", 1, 0.0, 0.0, none, none, {0.55, 0.50, 0.40, 0.60, none, none})};
}

std::unique_ptr<ProgramState> exam_with_versions() {
    auto state = versioned_exam();
    state->results.versions = three_versions();
    state->results.examinees_without_version = 1;
    return state;
}

TEST(VersionsJson, SummaryFollowsTheExamineesAndEachExamineeNamesItsVersion) {
    const auto state = exam_with_versions();
    const Json document = Json::parse(analysis_json_text(*state));
    const std::vector<std::string> top = keys_of(document);
    ASSERT_GE(top.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(top.end() - 3, top.end()),
              (std::vector<std::string>{"examinees", "versions", "warnings"}));
    const Json& versions = document["versions"];
    ASSERT_EQ(versions.size(), 3u);
    // Whole numbers stay whole, what a version lacks is null, members in order.
    EXPECT_EQ(versions[1].dump(), dumped(R"({"version": "B", "examinees": 2, "mean": 3.25,
        "sd": 0.5, "kr20": 0.125, "sem": 0.25, "difficulty": [0.65, 0.45, 0.44, 0.45, null, null]})"));
    EXPECT_EQ(versions[2].dump(), dumped(R"({"version": "C", "examinees": 1, "mean": 0.0,
        "sd": 0.0, "kr20": null, "sem": null, "difficulty": [0.55, 0.5, 0.4, 0.6, null, null]})"));

    const Json& examinees = document["examinees"];
    ASSERT_EQ(examinees.size(), 6u);
    const std::vector<Json> expected{"A", "B", "C", "A", "B", nullptr};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(examinees[i]["version"], expected[i]) << "examinee " << i + 1;
    }
}

TEST(VersionsJson, VersionFollowsTheWholeIdAndIsLeftOutWithoutAVersionLabel) {
    struct Case {
        const char* what;
        bool version_label;
        bool full_ids;
        std::vector<std::string> leading_keys;
    };
    const std::vector<Case> cases{
        {"version label", true, false, {"id", "label", "version", "score"}},
        {"and whole ids", true, true, {"id", "label", "full_id", "name", "version", "score"}},
        {"no version label", false, false, {"id", "label", "score"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = versioned_exam();
        if (!c.version_label) {
            state->data.version_label.reset();
        }
        if (c.full_ids) {
            state->data.full_ids = {{"01A", {"2024-0001", "Jo Adams"}}};
        }
        const Json document = Json::parse(analysis_json_text(*state));
        // No summaries were given: the document has no member for them.
        EXPECT_FALSE(document.contains("versions"));
        const std::vector<std::string> keys = keys_of(document["examinees"][0]);
        ASSERT_GE(keys.size(), c.leading_keys.size());
        EXPECT_EQ(std::vector<std::string>(keys.begin(),
                                           keys.begin() + static_cast<long>(c.leading_keys.size())),
                  c.leading_keys);
    }
}

TEST(VersionsPage, TableOfVersionsWithNoneForWhatALoneExamineeLacks) {
    const auto state = exam_with_versions();
    const HtmlPage page = page_of(*state);
    ASSERT_NE(page.by_id("versions-heading"), nullptr);
    EXPECT_EQ(page.by_id("versions-heading")->text, "Exam versions");
    const HtmlElement* table = page.by_id("versions-table");
    ASSERT_NE(table, nullptr);
    const auto rows = page.inside(*table, "tr");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(cell_texts(page, *rows[0]),
              (std::vector<std::string>{"Version", "Examinees", "Mean", "SD", "KR20", "SEM"}));
    EXPECT_EQ(cell_texts(page, *rows[2]),
              (std::vector<std::string>{"B", "2", "3.250", "0.500", "0.125", "0.250"}));
    EXPECT_EQ(cell_texts(page, *rows[3]),
              (std::vector<std::string>{"C", "1", "0.000", "0.000", "none", "none"}));
    const std::string text = testing::joined(html_report_lines(*state));
    EXPECT_NE(text.find("<p>1 examinee names no version;"), std::string::npos);
    EXPECT_NE(text.find("<p>KR20 and SEM are none"), std::string::npos);
}

TEST(VersionsPage, ItemsWhoseDifficultyMovesByTheLimitOrMoreAreFlagged) {
    struct Case {
        int item;
        std::vector<std::string> cells;  // item, A, B, C, difference
        bool flagged;
    };
    const std::vector<Case> cases{
        {1, {"1", "0.50", "0.65", "0.55", "0.15 !"}, true},  // exactly the limit
        {2, {"2", "0.60", "0.45", "0.50", "0.15 !"}, true},  // the limit, a hair below in doubles
        {3, {"3", "0.30", "0.44", "0.40", "0.14"}, false},
        {4, {"4", "0.40", "0.45", "0.60", "0.20 !"}, true},  // between the first and the last
        {5, {"5", "0.90", "none", "none", ""}, false},       // one version: nothing to compare
    };
    const auto state = exam_with_versions();
    const HtmlPage page = page_of(*state);
    const HtmlElement* table = page.by_id("version-difficulty-table");
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->has_class("sortable"));
    EXPECT_EQ(cell_texts(page, *page.inside(*table, "tr").front()),
              (std::vector<std::string>{"Item", "A", "B", "C", "Difference"}));
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        const HtmlElement* row = page.by_id("version-row-" + std::to_string(c.item));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(cell_texts(page, *row), c.cells);
        EXPECT_EQ(row->has_class("differs"), c.flagged);
    }
    // The excluded item has no row; the mark is explained.
    EXPECT_EQ(page.by_id("version-row-6"), nullptr);
    EXPECT_EQ(page.inside(*table, "tr").size(), 6u);
    const std::string text = testing::joined(html_report_lines(*state));
    EXPECT_NE(text.find("! Difficulty differs between versions by 0.15 or more."),
              std::string::npos);
}

TEST(VersionsPage, NoSectionWithoutSummaries) {
    const auto state = versioned_exam();  // a version label, but no summaries
    const std::vector<std::string> with_label = html_report_lines(*state);
    EXPECT_EQ(testing::read_html(testing::joined(with_label)).by_id("versions-heading"), nullptr);
    auto plain = versioned_exam();
    plain->data.version_label.reset();
    EXPECT_EQ(html_report_lines(*plain), with_label);
}

TEST(VersionsCsv, LastColumnHoldsTheVersion) {
    struct Case {
        const char* what;
        bool full_ids;
        std::ptrdiff_t columns;
    };
    const std::vector<Case> cases{{"labels", false, 11}, {"whole ids", true, 13}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = versioned_exam();
        if (c.full_ids) {
            state->data.full_ids = {{"01A", {"2024-0001", "Jo Adams"}}};
        }
        const std::vector<std::string> lines = scores_csv_lines(*state);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[0].substr(lines[0].rfind(',')), ",version");
        EXPECT_EQ(lines[0].find("band95_high,label,name,version") != std::string::npos, c.full_ids);
        const std::vector<std::string> versions{"A", "B", "C", "A", "B", ""};
        for (std::size_t i = 0; i < versions.size(); ++i) {
            const std::string& line = lines[i + 1];
            EXPECT_EQ(std::count(line.begin(), line.end(), ','), c.columns - 1) << line;
            EXPECT_EQ(line.substr(line.rfind(',') + 1), versions[i]) << line;
        }
    }
    auto plain = versioned_exam();
    plain->data.version_label.reset();
    EXPECT_EQ(scores_csv_lines(*plain).front().find("version"), std::string::npos);
}

}  // namespace
}  // namespace kor
