// kor analyze --html: the web page's summary and table of items against the
// JSON of the same analysis, at the precision the page prints, and the
// checks every saved file goes through.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "CliRun.h"
#include "core/FileIO.h"
#include "support/HtmlCheck.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using testing::HtmlElement;
using testing::HtmlPage;
using testing::kor;

// The page's number agrees with the JSON's value rounded to `decimals`.
void expect_printed(const std::string& shown, const nlohmann::json& value, int decimals,
                    const std::string& what) {
    SCOPED_TRACE(what + " shows \"" + shown + "\"");
    ASSERT_TRUE(value.is_number());
    ASSERT_FALSE(shown.empty());
    const std::size_t point = shown.find('.');
    EXPECT_EQ(point == std::string::npos ? 0 : static_cast<int>(shown.size() - point - 1),
              decimals);
    const double half_unit = 0.5 * std::pow(10.0, -decimals);
    EXPECT_LE(std::fabs(std::stod(shown) - value.get<double>()), half_unit + 1e-12);
}

// A correlation the JSON leaves out (null) is printed as asterisks.
void expect_correlation(const std::string& shown, const nlohmann::json& value,
                        const std::string& what) {
    if (value.is_null()) {
        EXPECT_EQ(shown, "****") << what;
    } else {
        expect_printed(shown, value, 2, what);
    }
}

// The figure of the summary card: the first word of the entry.
std::string card_value(const HtmlPage& page, const std::string& id) {
    const HtmlElement* entry = page.by_id(id);
    EXPECT_NE(entry, nullptr) << id;
    if (entry == nullptr) {
        return {};
    }
    return entry->text.substr(0, entry->text.find(' '));
}

void compare_with_json(const std::string& example) {
    SCOPED_TRACE(example);
    testing::TempFolder folder;
    const std::string html = folder.file("report.html");
    const std::string json = folder.file("results.json");
    const auto run = kor({"analyze", "--example", example, "--json", json, "--html", html});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("Wrote " + html), std::string::npos) << run.err;
    const nlohmann::json results = nlohmann::json::parse(read_file(json, 1 << 24));
    const HtmlPage page = testing::read_html(read_file(html, 1 << 24));
    ASSERT_EQ(page.error, "");

    const nlohmann::json& test = results["test"];
    EXPECT_EQ(card_value(page, "n"), std::to_string(results["data_set"]["examinees"].get<int>()));
    EXPECT_EQ(card_value(page, "items"),
              std::to_string(results["data_set"]["included_items"].get<int>()));
    expect_printed(card_value(page, "mean"), test["mean"], 3, "mean");
    expect_printed(card_value(page, "sd"), test["sd"], 3, "sd");
    expect_printed(card_value(page, "median"), test["median"], 3, "median");
    expect_printed(card_value(page, "min"), test["min"], 3, "min");
    expect_printed(card_value(page, "max"), test["max"], 3, "max");
    expect_printed(card_value(page, "kr20"), test["kr20"], 3, "kr20");
    expect_printed(card_value(page, "sem"), test["sem"], 3, "sem");
    expect_printed(card_value(page, "kr21"), test["kr21"], 3, "kr21");
    expect_printed(card_value(page, "split-first-second"), test["split_half_first_second"], 3,
                   "split 1st/2nd");
    expect_printed(card_value(page, "split-odd-even"), test["split_half_odd_even"], 3,
                   "split odd/even");

    int rows = 0;
    for (const nlohmann::json& item : results["items"]) {
        const int number = item["item"].get<int>();
        const HtmlElement* row = page.by_id("row-" + std::to_string(number));
        if (item["include"].get<int>() == 0) {
            EXPECT_EQ(row, nullptr) << "excluded item " << number;
            continue;
        }
        ASSERT_NE(row, nullptr) << "item " << number;
        ++rows;
        const std::string name = "item " + std::to_string(number);
        const auto cells = page.inside(*row, "td");
        ASSERT_EQ(cells.size(), 10u);
        EXPECT_EQ(cells[0]->text, std::to_string(number));
        EXPECT_EQ(cells[1]->text.substr(0, 1), std::to_string(item["key"].get<int>())) << name;
        expect_printed(cells[2]->text, item["difficulty"], 2, name + " difficulty");
        expect_printed(cells[3]->text, item["discrimination"], 2, name + " D");
        expect_correlation(cells[4]->text, item["pbis"], name + " pbis");
        expect_correlation(cells[5]->text, item["adj_pbis"], name + " adj pbis");
        std::string kr20 = cells[6]->text;
        if (!kr20.empty() && kr20.back() == '+') {
            EXPECT_GT(item["kr20_if_deleted"].get<double>(), test["kr20"].get<double>()) << name;
            kr20.pop_back();
        }
        expect_printed(kr20, item["kr20_if_deleted"], 3, name + " KR20 if deleted");
        EXPECT_EQ(cells[7]->text, std::to_string(item["skipped"].get<int>())) << name;
        EXPECT_EQ(cells[8]->text, std::to_string(item["not_reached"].get<int>())) << name;
        EXPECT_EQ(row->has_class("problem"), item["problem"].get<bool>()) << name;
    }
    EXPECT_EQ(rows, results["data_set"]["included_items"].get<int>());
}

TEST(HtmlReportCommand, FiguresEqualTheJsonOfSampleDataOne) {
    compare_with_json("set1");
}

TEST(HtmlReportCommand, FiguresEqualTheJsonOfSampleDataTwo) {
    compare_with_json("set2");
}

TEST(HtmlReportCommand, NeverWritesOverTheInputFileNorHalfAFile) {
    testing::TempFolder folder;
    const std::string data = folder.file("exam.kor");
    ASSERT_EQ(kor({"example", "set2", "-o", data}).code, 0);
    const std::string before = read_file(data, 1 << 20);

    const auto over_input = kor({"analyze", data, "--html", data});
    EXPECT_NE(over_input.code, 0);
    EXPECT_TRUE(file_holds(data, before));

    // Two outputs of one run on one file: refused before anything is written.
    const std::string both = folder.file("both.html");
    const auto clash = kor({"analyze", data, "--html", both, "--scores-csv", both});
    EXPECT_NE(clash.code, 0);
    EXPECT_FALSE(std::filesystem::exists(both));

    // A folder in the way: the system's message, and nothing left beside it.
    const std::string folder_target = folder.file("sub");
    std::filesystem::create_directory(folder_target);
    const auto into_folder = kor({"analyze", data, "--html", folder_target});
    EXPECT_NE(into_folder.code, 0);
    EXPECT_FALSE(into_folder.err.empty());
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        ++files;
    }
    EXPECT_EQ(files, 2u);  // the input file and the folder

    const std::string page = folder.file("exam.html");
    const auto written = kor({"analyze", data, "--html", page});
    ASSERT_EQ(written.code, 0) << written.err;
    EXPECT_EQ(written.err, "Wrote " + page + "\n");
    EXPECT_EQ(written.out, "");  // a file asked for replaces the default panes
    EXPECT_EQ(testing::read_html(read_file(page, 1 << 24)).error, "");
}

}  // namespace
}  // namespace kor
