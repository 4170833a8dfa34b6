// The comma-separated results files: quoting, and the figures of Sample
// Data #2 read back with the program's own CSV reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/CsvReader.h"
#include "core/data/Loader.h"
#include "reports/CsvResults.h"
#include "support/DataSets.h"

namespace kor {
namespace {

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

void analyse(ProgramState& state) {
    const Outcome loaded = load_test_data(state);
    ASSERT_FALSE(loaded.refused) << loaded.messages.back();
    const Outcome analysed = run_analysis(state);
    ASSERT_FALSE(analysed.refused) << analysed.messages.back();
}

std::vector<std::vector<std::string>> rows_of(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    const CsvParse parse = parse_csv(text, ',');
    EXPECT_FALSE(parse.error);
    std::vector<std::vector<std::string>> rows;
    for (const CsvRow& row : parse.rows) {
        rows.push_back(row.cells);
    }
    return rows;
}

double number(const std::string& cell) {
    return std::stod(cell);
}

TEST(CsvCells, QuotedOnlyWhenNeeded) {
    EXPECT_EQ(csv_cell("Adams"), "Adams");
    EXPECT_EQ(csv_cell("Adams, Jane"), "\"Adams, Jane\"");
    EXPECT_EQ(csv_cell("5\" disk"), "\"5\"\" disk\"");
    EXPECT_EQ(csv_cell("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csv_cell(" 12"), "\" 12\"");
    EXPECT_EQ(csv_cell(""), "");
    EXPECT_EQ(csv_row({"a", csv_cell("b,c"), ""}), "a,\"b,c\",");
    // Text a spreadsheet would run as a formula stays text.
    EXPECT_EQ(csv_text_cell("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(csv_text_cell("-Smith"), "'-Smith");
    EXPECT_EQ(csv_text_cell("Smith-Jones"), "Smith-Jones");
}

TEST(ScoresCsv, SampleDataTwoRowByRowInDataOrder) {
    auto state = testing::sample_set_2();
    state->settings.sort_exam_none = false;
    state->settings.sort_exam_score = true;  // the file keeps the data order all the same
    analyse(*state);
    const auto rows = rows_of(scores_csv_lines(*state));
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"id", "score", "percent", "points",
                                                 "points_percent", "grade", "band68_low",
                                                 "band68_high", "band95_low", "band95_high"}));
    const double sem = state->results.sem_kr20;
    EXPECT_NEAR(sem, 2.859, 0.0005);
    const std::string key = state->editor.answer_key;
    for (int i = 1; i <= 17; ++i) {
        SCOPED_TRACE("examinee " + std::to_string(i));
        const std::vector<std::string>& row = rows[at(i)];
        ASSERT_EQ(row.size(), 10u);
        // The score counted here from the data line.
        const std::string& line = state->editor.data_lines[at(i - 1)];
        int score = 0;
        for (std::size_t j = 0; j < key.size(); ++j) {
            score += line[16 + j] == key[j] ? 1 : 0;
        }
        EXPECT_EQ(row[0], "Student " + std::string(i < 10 ? "0" : "") + std::to_string(i));
        EXPECT_EQ(row[1], std::to_string(score));
        EXPECT_NEAR(number(row[2]), score * 100.0 / 65.0, 0.005);
        EXPECT_EQ(row[3], row[1] + ".00");
        EXPECT_EQ(row[4], row[2]);
        EXPECT_EQ(row[5], "");
        EXPECT_NEAR(number(row[6]), std::max(0.0, score - sem), 0.005);
        EXPECT_NEAR(number(row[7]), std::min(65.0, score + sem), 0.005);
        EXPECT_NEAR(number(row[8]), std::max(0.0, score - 2 * sem), 0.005);
        EXPECT_NEAR(number(row[9]), std::min(65.0, score + 2 * sem), 0.005);
    }
}

TEST(ScoresCsv, IdsGoOutAsUtf8) {
    auto state = testing::sample_set_2();
    state->editor.data_lines[0].replace(0, 8, "M\xFCller, ");
    analyse(*state);
    const std::vector<std::string> lines = scores_csv_lines(*state);
    EXPECT_EQ(lines[1].rfind("\"M\xC3\xBCller, 01\",", 0), 0u) << lines[1];
}

TEST(ScoresCsv, ShortenedIdsGoOutWholeBesideTheirLabels) {
    auto state = testing::sample_set_2();
    // The whole id follows its label wherever the line was moved.
    std::swap(state->editor.data_lines[0], state->editor.data_lines[1]);
    state->data.full_ids = {{"Student 02", {"=2024000002", "Baker, Tom"}}};
    analyse(*state);
    const auto rows = rows_of(scores_csv_lines(*state));
    ASSERT_EQ(rows[0].size(), 12u);
    EXPECT_EQ(rows[0][10], "label");
    EXPECT_EQ(rows[0][11], "name");
    EXPECT_EQ(rows[1][0], "'=2024000002");
    EXPECT_EQ(rows[1][10], "Student 02");
    EXPECT_EQ(rows[1][11], "Baker, Tom");
    // A label the table does not hold is its own id.
    EXPECT_EQ(rows[2][0], "Student 01");
    EXPECT_EQ(rows[2][10], "Student 01");
    EXPECT_EQ(rows[2][11], "");
}

TEST(OptionsCsv, SampleDataTwoAgainstTheCountsAndTheItemStatistics) {
    auto state = testing::sample_set_2();
    state->settings.sort_item_number = false;
    state->settings.sort_item_diff = true;  // the file keeps the item order all the same
    analyse(*state);
    const auto rows = rows_of(options_csv_lines(*state));
    EXPECT_EQ(rows[0], (std::vector<std::string>{"item", "option", "key", "count", "proportion",
                                                 "high", "low", "pbis"}));
    const std::string key = state->editor.answer_key;
    const std::string options = state->editor.options;
    std::size_t r = 1;
    for (int j = 1; j <= 65; ++j) {
        SCOPED_TRACE("item " + std::to_string(j));
        const int shown = options[at(j - 1)] - '0';
        // The answers to the item, counted here from the data lines.
        std::vector<int> chose(9, 0);
        int omitted = 0;
        for (const std::string& line : state->editor.data_lines) {
            const char c = line[16 + at(j - 1)];
            if (c == '9') {
                ++omitted;
            } else {
                ++chose[at(c - '0')];
            }
        }
        const Item_Record* record = nullptr;
        for (int p = 1; p <= 65; ++p) {
            if (state->results.item_records[at(p)].ItemNum == j) {
                record = &state->results.item_records[at(p)];
            }
        }
        ASSERT_NE(record, nullptr);
        for (int k = 1; k <= shown; ++k, ++r) {
            ASSERT_LT(r, rows.size());
            const std::vector<std::string>& row = rows[r];
            EXPECT_EQ(row[0], std::to_string(j));
            EXPECT_EQ(row[1], std::string(1, static_cast<char>('A' + k - 1)));
            const bool keyed = key[at(j - 1)] - '0' == k;
            EXPECT_EQ(row[2], keyed ? "1" : "0");
            EXPECT_EQ(row[3], std::to_string(chose[at(k)]));
            EXPECT_NEAR(number(row[4]), chose[at(k)] / 17.0, 0.0005);
            EXPECT_NEAR(number(row[5]), record->OptPropHigh[at(k)], 0.0005);
            EXPECT_NEAR(number(row[6]), record->OptPropLow[at(k)], 0.0005);
            if (keyed && chose[at(k)] == 17) {
                EXPECT_EQ(row[7], "");  // everybody right: no correlation
            } else if (keyed) {
                // The keyed option's point-biserial is the item's.
                EXPECT_NEAR(number(row[7]), record->PtBis, 0.0005);
            }
        }
        ASSERT_LT(r, rows.size());
        EXPECT_EQ(rows[r][0], std::to_string(j));
        EXPECT_EQ(rows[r][1], "omitted");
        EXPECT_EQ(rows[r][3], std::to_string(omitted));
        EXPECT_NEAR(number(rows[r][4]), omitted / 17.0, 0.0005);
        ++r;
    }
    EXPECT_EQ(r, rows.size());
}

TEST(OptionsCsv, PointBiserialThatCannotBeComputedIsAnEmptyCell) {
    ProgramState state;
    EditorTexts& e = state.editor;
    e.cases = "3";
    e.items = "2";
    e.label_length = "1";
    e.answer_key = "AB";
    e.options = "22";
    e.data_lines = {"1AB", "2AA", "3A."};
    analyse(state);
    const auto rows = rows_of(options_csv_lines(state));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[1],
              (std::vector<std::string>{"1", "A", "1", "3", "1.000", "1.000", "1.000", ""}));
    EXPECT_EQ(rows[2],
              (std::vector<std::string>{"1", "B", "0", "0", "0.000", "0.000", "0.000", "0.000"}));
    EXPECT_EQ(rows[6][1], "omitted");
    EXPECT_EQ(rows[6][3], "1");
}

}  // namespace
}  // namespace kor
