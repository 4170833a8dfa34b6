// kor analyze with the figures of how sure the results are: a class in
// which some examinees ran out of time and some skipped a question. The
// JSON document, the web page, the items file and the scores file are read
// back against each other and against the definitions.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "CliRun.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/TextUtil.h"
#include "support/Definitions.h"
#include "support/HtmlCheck.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::HtmlPage;
using testing::kor;
using Json = nlohmann::ordered_json;

constexpr int items = 10;
const std::string key = "ABCDABCDAB";

// Every fourth examinee stops after item 7, every fifth skips item 2;
// `alike` gives everybody the same answers (scores without variance).
std::string class_file(int examinees, bool alike) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::string text =
        "KOR: Korvath (version 6)\r\nTitle         = Timed\r\nComments      = \r\n"
        "# Examinees   = " +
        std::to_string(examinees) +
        "\r\n# Items       = 10\r\nMissing Data  = 9\r\nNot reached   = x\r\n"
        "Label Length  = 3\r\nAnswer Key    = " +
        key +
        "\r\n# Options     = 4444444444\r\nItem Analyzed = YYYYYYYYYY\r\n"
        "High Group D% = 27\r\nLow Group D%  = 27\r\nPartial Credit= NO\r\n"
        "MC Points     = NO\r\n";
    for (int i = 0; i < examinees; ++i) {
        const double ability = unit(random);
        std::string line = (i < 10 ? "s0" : "s") + std::to_string(i);
        for (std::size_t j = 0; j < key.size(); ++j) {
            const bool right = alike || unit(random) < 0.25 + 0.7 * ability;
            const char answer = right ? key[j] : static_cast<char>('A' + (key[j] - 'A' + 1) % 4);
            const bool timed_out = !alike && i % 4 == 3 && j >= 7;
            const bool skipped = !alike && i % 5 == 4 && j == 1;
            line += timed_out || skipped ? '.' : answer;
        }
        text += line + "\r\n";
    }
    return text + "# Grades      = 0\r\n";
}

using testing::comma_cells;

// The text of the cell with the class in the row of the table.
std::string cell_text(const HtmlPage& page, const std::string& row_id, const std::string& css) {
    const testing::HtmlElement* row = page.by_id(row_id);
    if (row == nullptr) {
        return "no row " + row_id;
    }
    for (const testing::HtmlElement* cell : page.inside(*row, "td")) {
        if (cell->has_class(css)) {
            return cell->text;
        }
    }
    return "no cell " + css;
}

class PrecisionOutputs : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    const std::string json = folder.file("results.json");
    const std::string html = folder.file("report.html");
    const std::string items_csv = folder.file("items.csv");
    const std::string scores = folder.file("scores.csv");
    const std::string missing = folder.file("missing.csv");
};

TEST_F(PrecisionOutputs, EveryOutputGivesTheSameFigures) {
    const std::string input = folder.write("timed.kor", class_file(40, false));
    const CliRun run = kor({"analyze", input, "--not-reached", "exclude", "--bands-error", "csem",
                            "--ci-level", "0.90", "--json", json, "--html", html, "--items-csv",
                            items_csv, "--scores-csv", scores, "--missing-csv", missing});
    ASSERT_EQ(run.code, 0) << run.err;
    const Json document = Json::parse(read_file(json, 1 << 22));
    const HtmlPage page = testing::read_html(read_file(html, 1 << 24));
    ASSERT_EQ(page.error, "");

    // The interval, at the level chosen, in the page at its precision.
    const Json& test = document["test"];
    EXPECT_EQ(document["settings"]["ci_level"], 0.9);
    EXPECT_EQ(test["kr20_ci_level"], 0.9);
    ASSERT_TRUE(test["kr20_ci"].is_array());
    const double low = test["kr20_ci"][0].get<double>();
    const double high = test["kr20_ci"][1].get<double>();
    EXPECT_LT(low, test["kr20"].get<double>());
    EXPECT_GT(high, test["kr20"].get<double>());
    EXPECT_TRUE(test["kr20_ci_reason"].is_null());
    ASSERT_NE(page.by_id("kr20-ci"), nullptr);
    EXPECT_EQ(page.by_id("kr20-ci")->text, fixed(low, 3) + " to " + fixed(high, 3));

    // The conditional standard error at every score, by hand.
    const Json& csem = document["csem"];
    ASSERT_EQ(csem.size(), static_cast<std::size_t>(items + 1));
    for (int x = 0; x <= items; ++x) {
        const Json& entry = csem[static_cast<std::size_t>(x)];
        EXPECT_EQ(entry["score"], x);
        const double by_hand = std::sqrt(x * (items - x) / (items - 1.0));
        EXPECT_NEAR(entry["csem"].get<double>(), by_hand, 1e-15);
        EXPECT_EQ(cell_text(page, "csem-" + std::to_string(x), "csem"), fixed(by_hand, 3));
    }
    EXPECT_NE(page.by_id("csem-line"), nullptr);

    // Each item: its answers left out and the examinees its figures are over.
    const std::vector<std::string> item_rows = split_lines(read_file(items_csv, 1 << 20));
    ASSERT_EQ(item_rows.size(), static_cast<std::size_t>(items + 1));
    EXPECT_EQ(item_rows[0], "item,difficulty,pbis,n,skipped,not_reached");
    for (std::size_t j = 1; j <= static_cast<std::size_t>(items); ++j) {
        const Json& item = document["items"][j - 1];
        SCOPED_TRACE(item_rows[j]);
        const int not_reached = j >= 8 ? 10 : 0;  // examinees 3, 7, ... of 40 stopped
        EXPECT_EQ(item["not_reached"], not_reached);
        EXPECT_EQ(item["skipped"], j == 2 ? 8 : 0);
        EXPECT_EQ(item["omitted"], item["skipped"].get<int>() + not_reached);
        EXPECT_EQ(item["n_used"], 40 - not_reached);
        const std::vector<std::string> cells = comma_cells(item_rows[j]);
        ASSERT_EQ(cells.size(), 6u);
        EXPECT_EQ(cells[1], fixed(item["difficulty"].get<double>(), 3));
        EXPECT_EQ(cells[3], std::to_string(40 - not_reached));
        EXPECT_EQ(cells[5], std::to_string(not_reached));
        // The difficulty is over those who reached the item.
        EXPECT_DOUBLE_EQ(item["difficulty"].get<double>(),
                         item["num_correct"].get<double>() / (40 - not_reached));
        const std::string row = "row-" + std::to_string(j);
        EXPECT_EQ(cell_text(page, row, "p"), fixed(item["difficulty"].get<double>(), 2));
        EXPECT_EQ(cell_text(page, row, "notreached"), std::to_string(not_reached));
        EXPECT_EQ(cell_text(page, row, "n"), std::to_string(40 - not_reached));
    }

    // Each examinee: bands of the conditional error at the score, and the counts.
    const std::vector<std::string> score_rows = split_lines(read_file(scores, 1 << 20));
    const std::vector<std::string> missing_rows = split_lines(read_file(missing, 1 << 20));
    ASSERT_EQ(score_rows.size(), 41u);
    ASSERT_EQ(missing_rows.size(), 41u);
    EXPECT_EQ(score_rows[0].substr(score_rows[0].size() - 11), "band95_high");
    EXPECT_EQ(missing_rows[0], "id,skipped,not_reached,last_answered");
    for (std::size_t i = 0; i < 40; ++i) {
        const Json& examinee = document["examinees"][i];
        SCOPED_TRACE(missing_rows[i + 1]);
        const int score = examinee["score"].get<int>();
        const double error = csem[static_cast<std::size_t>(score)]["csem"].get<double>();
        EXPECT_DOUBLE_EQ(examinee["band68"][0].get<double>(), std::max(0.0, score - error));
        EXPECT_DOUBLE_EQ(examinee["band68"][1].get<double>(), std::min(10.0, score + error));
        EXPECT_EQ(comma_cells(score_rows[i + 1])[6], fixed(examinee["band68"][0].get<double>(), 2));
        const bool timed_out = i % 4 == 3;
        const int skipped = i % 5 == 4 ? 1 : 0;
        EXPECT_EQ(examinee["not_reached"], timed_out ? 3 : 0);
        EXPECT_EQ(examinee["skipped"], skipped);
        EXPECT_EQ(missing_rows[i + 1], examinee["label"].get<std::string>() + "," +
                                           std::to_string(skipped) + "," +
                                           (timed_out ? "3,7" : "0,10"));
    }
}

TEST_F(PrecisionOutputs, AnUndefinedIntervalIsNoNumberAndABadLevelIsRefused) {
    const std::string input = folder.write("alike.kor", class_file(5, true));
    const CliRun run = kor({"analyze", input, "--json", json, "--html", html});
    ASSERT_EQ(run.code, 0) << run.err;
    const Json test = Json::parse(read_file(json, 1 << 22))["test"];
    EXPECT_TRUE(test["kr20_ci"].is_null());
    EXPECT_EQ(test["kr20_ci_reason"], "the scores do not vary, so the coefficient has no interval");
    const HtmlPage page = testing::read_html(read_file(html, 1 << 24));
    ASSERT_NE(page.by_id("kr20-ci"), nullptr);
    EXPECT_EQ(page.by_id("kr20-ci")->text,
              "none (the scores do not vary, so the coefficient has no interval)");

    const CliRun refused = kor({"analyze", input, "--ci-level", "0.93"});
    EXPECT_NE(refused.code, 0);
    EXPECT_NE(refused.err.find("--ci-level"), std::string::npos) << refused.err;
    // The new files never replace the data they came from.
    const std::string before = read_file(input, 1 << 20);
    for (const char* flag : {"--items-csv", "--missing-csv"}) {
        EXPECT_NE(kor({"analyze", input, flag, input}).code, 0) << flag;
        EXPECT_EQ(read_file(input, 1 << 20), before) << flag;
    }
}

}  // namespace
}  // namespace kor
