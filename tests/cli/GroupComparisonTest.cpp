// kor analyze --group-label --dif with every output at once: a generated
// class of two groups in which one item favours each group and one is
// answered alike by everybody. The JSON document, the web page's table of
// differential item functioning, the DIF file and the scores file are read
// back against each other.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "CliRun.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "support/Definitions.h"
#include "support/HtmlCheck.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::CliRun;
using testing::HtmlElement;
using testing::HtmlPage;
using testing::kor;
using Json = nlohmann::ordered_json;

constexpr int items = 8;  // item 8 is excluded
const std::string key = "ABCDABCD";

// The answer to `item` (1-based): its key when right, else the next letter.
char answer(int item, bool right) {
    const char keyed = key[static_cast<std::size_t>(item - 1)];
    return right ? keyed : static_cast<char>('A' + (keyed - 'A' + 1) % 4);
}

// `reference` examinees of group M, `focal` of group F and one without a
// group (a blank first column). Item 1 is easier for M than for F examinees
// alike otherwise, item 2 the other way round, item 7 everybody answers
// right.
std::string class_file(int reference, int focal) {
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<std::string> lines;
    const int examinees = reference + focal + 1;
    for (int i = 0; i < examinees; ++i) {
        const char group = i < reference ? 'M' : i < reference + focal ? 'F' : ' ';
        const double ability = unit(random);
        std::string line = std::string(1, group) + (i < 10 ? "0" : "") + std::to_string(i);
        for (int j = 1; j <= items; ++j) {
            double chance = 0.2 + 0.6 * ability;
            if (j == 1) {
                chance = group == 'F' ? 0.25 : 0.85;
            } else if (j == 2) {
                chance = group == 'F' ? 0.85 : 0.25;
            } else if (j == 7) {
                chance = 1.0;
            }
            line += answer(j, unit(random) < chance);
        }
        lines.push_back(line);
    }
    std::string text =
        "KOR: Korvath (version 6)\r\nTitle         = Sections\r\nComments      = \r\n"
        "# Examinees   = " +
        std::to_string(examinees) +
        "\r\n# Items       = 8\r\nMissing Data  = 9\r\nNot reached   = x\r\n"
        "Label Length  = 3\r\nAnswer Key    = " +
        key +
        "\r\n# Options     = 44444444\r\nItem Analyzed = YYYYYYYN\r\n"
        "High Group D% = 27\r\nLow Group D%  = 27\r\nPartial Credit= NO\r\n"
        "MC Points     = NO\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text + "# Grades      = 0\r\n";
}

using testing::comma_cells;

// A figure of the DIF file: empty for null, else the JSON's value rounded.
void expect_cell(const std::string& cell, const Json& value, int decimals, const char* what) {
    SCOPED_TRACE(std::string(what) + " is \"" + cell + "\"");
    if (value.is_null()) {
        EXPECT_EQ(cell, "");
        return;
    }
    ASSERT_FALSE(cell.empty());
    EXPECT_EQ(cell.size() - cell.find('.') - 1, static_cast<std::size_t>(decimals));
    EXPECT_LE(std::fabs(std::stod(cell) - value.get<double>()),
              0.5 * std::pow(10.0, -decimals) + 1e-12);
}

std::string text_or_empty(const Json& value) {
    return value.is_null() ? std::string() : value.get<std::string>();
}

class GroupComparison : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    const std::string json = folder.file("results.json");
    const std::string html = folder.file("report.html");
    const std::string dif = folder.file("dif.csv");
    const std::string scores = folder.file("scores.csv");
};

TEST_F(GroupComparison, EveryOutputTellsTheGroupsAndTheComparison) {
    const std::string input = folder.write("sections.kor", class_file(40, 39));
    const CliRun run = kor({"analyze", input, "--group-label", "1", "--dif", "M,F", "--json", json,
                            "--html", html, "--dif-csv", dif, "--scores-csv", scores});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("Wrote " + dif + "\n"), std::string::npos) << run.err;

    // The document: both groups, each examinee's group, every included item compared.
    const Json document = Json::parse(read_file(json, 1 << 22));
    EXPECT_EQ(document["groups"][0]["group"], "F");
    EXPECT_EQ(document["groups"][0]["examinees"], 39);
    EXPECT_EQ(document["groups"][1]["group"], "M");
    EXPECT_EQ(document["groups"][1]["examinees"], 40);
    const Json& examinees = document["examinees"];
    ASSERT_EQ(examinees.size(), 80u);
    EXPECT_EQ(examinees[0]["group"], "M");
    EXPECT_EQ(examinees[40]["group"], "F");
    EXPECT_TRUE(examinees[79]["group"].is_null());
    const Json& comparison = document["dif"];
    EXPECT_EQ(comparison["reference"], "M");
    EXPECT_EQ(comparison["focal_examinees"], 39);
    const Json& compared = comparison["items"];
    ASSERT_EQ(compared.size(), 7u);
    EXPECT_EQ(compared[0]["favours"], "reference");
    EXPECT_EQ(compared[0]["class"], "C");
    EXPECT_EQ(compared[1]["favours"], "focal");
    EXPECT_EQ(compared[1]["class"], "C");
    EXPECT_TRUE(compared[6]["class"].is_null());
    EXPECT_TRUE(compared[6]["reason"].is_string());

    // The page: the largest |D-DIF| first, ties by item, untestable last.
    std::vector<std::tuple<int, double, int>> ranks;
    for (const Json& item : compared) {
        const int band = item["class"].is_null() ? 2 : item["d_dif"].is_null() ? 0 : 1;
        const double size = band == 1 ? -std::fabs(item["d_dif"].get<double>()) : 0.0;
        ranks.emplace_back(band, size, item["item"].get<int>());
    }
    std::sort(ranks.begin(), ranks.end());
    const HtmlPage page = testing::read_html(read_file(html, 1 << 24));
    ASSERT_EQ(page.error, "");
    const HtmlElement* table = page.by_id("dif-table");
    ASSERT_NE(table, nullptr);
    const auto rows = page.inside(*table, "tr");
    ASSERT_EQ(rows.size(), ranks.size() + 1);
    for (std::size_t k = 0; k < ranks.size(); ++k) {
        const int item = std::get<2>(ranks[k]);
        const std::string ets =
            text_or_empty(compared[static_cast<std::size_t>(item - 1)]["class"]);
        EXPECT_EQ(rows[k + 1]->attribute("id"), "dif-row-" + std::to_string(item)) << k;
        EXPECT_EQ(rows[k + 1]->attribute("class"), ets == "B"   ? "dif-b"
                                                   : ets == "C" ? "dif-c"
                                                                : "")
            << item;
    }
    EXPECT_EQ(rows.back()->attribute("id"), "dif-row-7");

    // The DIF file: the same figures in item order.
    const std::vector<std::string> lines = split_lines(read_file(dif, 1 << 20));
    ASSERT_EQ(lines.size(), compared.size() + 1);
    EXPECT_EQ(lines[0], "item,alpha_mh,d_dif,chi_square,p,class,favours,reason");
    for (std::size_t k = 0; k < compared.size(); ++k) {
        const Json& item = compared[k];
        SCOPED_TRACE(lines[k + 1]);
        const std::vector<std::string> cells = comma_cells(lines[k + 1]);
        ASSERT_EQ(cells.size(), 8u);
        EXPECT_EQ(cells[0], std::to_string(k + 1));
        expect_cell(cells[1], item["alpha_mh"], 3, "alpha_mh");
        expect_cell(cells[2], item["d_dif"], 3, "d_dif");
        expect_cell(cells[3], item["chi_square"], 3, "chi_square");
        expect_cell(cells[4], item["p"], 4, "p");
        EXPECT_EQ(cells[5], text_or_empty(item["class"]));
        EXPECT_EQ(cells[6], text_or_empty(item["favours"]));
        EXPECT_EQ(cells[7], text_or_empty(item["reason"]));
    }

    // The scores file ends in each examinee's group.
    const std::vector<std::string> score_rows = split_lines(read_file(scores, 1 << 20));
    ASSERT_EQ(score_rows.size(), 81u);
    EXPECT_TRUE(score_rows[0].ends_with(",group")) << score_rows[0];
    EXPECT_TRUE(score_rows[1].ends_with(",M")) << score_rows[1];
    EXPECT_TRUE(score_rows[41].ends_with(",F")) << score_rows[41];
    EXPECT_TRUE(score_rows[80].ends_with(",")) << score_rows[80];
}

TEST_F(GroupComparison, TheDifFileIsRefusedWithoutAComparisonOrBesideAnotherOutput) {
    struct Case {
        const char* what;
        int reference;
        int focal;
        std::vector<std::string> flags;
        int code;
        std::string message;
    };
    const std::vector<Case> cases{
        {"no groups compared", 40, 39, {"--group-label", "1"}, 2, "--dif-csv requires --dif"},
        {"a group too small",
         40,
         1,
         {"--group-label", "1", "--dif", "M,F"},
         1,
         "The results hold no comparison of groups for differential item functioning: choose a "
         "reference and a focal group before the analysis; its warnings tell why a choice gave "
         "none\n"},
        {"the same file as the scores",
         40,
         39,
         {"--group-label", "1", "--dif", "M,F", "--scores-csv", dif},
         1,
         dif},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> args{
            "analyze", folder.write("sections.kor", class_file(c.reference, c.focal)), "--dif-csv",
            dif};
        args.insert(args.end(), c.flags.begin(), c.flags.end());
        const CliRun run = kor(args);
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dif));
    }
}

}  // namespace
}  // namespace kor
