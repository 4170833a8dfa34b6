// The item statistics file, the comma-delimited 0/1 data file and the ALT files.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Analyze.h"
#include "app/ProgramState.h"
#include "core/FileIO.h"
#include "core/TextUtil.h"
#include "core/data/Conversions.h"
#include "core/data/Loader.h"
#include "reports/Exports.h"
#include "reports/FullReport.h"
#include "support/DataSets.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

std::unique_ptr<ProgramState> analysed_quiz() {
    // Item 1 is answered right by everybody.
    auto state = testing::typed({.title = "Quiz",
                                 .label_length = 3,
                                 .key = "ABCD",
                                 .options = "4444",
                                 .include = "YYNY",
                                 .lines = {"S01ABCD", "S02ABCA", "S03AC.D", "S04ADAB"}});
    EXPECT_FALSE(close_editor(*state, EditorExit::close_and_analyze).show_editor_again);
    EXPECT_FALSE(analyze_and_report(*state).refused);
    return state;
}

class Export : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return folder.file(name); }
    static Lines read_lines(const std::string& file) {
        return split_lines(read_file(file, 1 << 20));
    }
    testing::TempFolder folder;
};

TEST(ExportNames, AnUnsavedDataSetGetsThePlainNames) {
    EXPECT_EQ(item_stats_file_name("UNSAVED"), "item_stats.txt");
    EXPECT_EQ(zero_one_file_name("UNSAVED"), "data_01.txt");
    EXPECT_EQ(alt_base_name(""), "alt");
    EXPECT_EQ(item_stats_file_name("midterm"), "midterm_item_stats.txt");
    EXPECT_EQ(zero_one_file_name("midterm"), "midterm_01_data.txt");
    EXPECT_EQ(alt_base_name("midterm"), "midterm_alt");
}

TEST(ItemStats, AnItemEverybodyGotRightHasNoCorrelations) {
    auto state = analysed_quiz();
    const Lines lines = item_stats_lines(*state);
    ASSERT_EQ(lines.size(), 4u);  // header and the three included items
    EXPECT_EQ(lines[0],
              "item,correct,diff,pbis,biserial,pbis_del,discrim,high,low,kr20_del,mean_del,sd_del,"
              "sem_del");
    EXPECT_EQ(lines[1].rfind("1,4,1.000,9.000,", 0), 0u) << lines[1];
    std::vector<std::string> fields;
    std::string field;
    for (char c : lines[1] + ",") {
        if (c == ',') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    ASSERT_EQ(fields.size(), 13u);
    EXPECT_EQ(fields[5], "9.000");           // pbis_del
    EXPECT_EQ(lines[3].rfind("4,", 0), 0u);  // item 3 is excluded
}

TEST(ZeroOne, HeaderNamesTwelveItemsWithTwoDigits) {
    EXPECT_EQ(zero_one_header(12),
              "Examinee,Item01,Item02,Item03,Item04,Item05,Item06,Item07,Item08,Item09,Item10,"
              "Item11,Item12");
}

TEST_F(Export, ZeroOneDataAreWrittenAndTheEditorGetsItsLinesBack) {
    auto state = analysed_quiz();
    ConvertMenu menu;
    ASSERT_FALSE(save_zero_one_data(*state, menu, path("data_01.txt")).refused);
    EXPECT_EQ(read_lines(path("data_01.txt")),
              (Lines{"Examinee,Item01,Item02,Item03,Item04", "S01,1,1,1,1", "S02,1,1,1,0",
                     "S03,1,0,0,1", "S04,1,0,0,0"}));
    EXPECT_EQ(state->editor.data_lines, (Lines{"S01ABCD", "S02ABCA", "S03AC.D", "S04ADAB"}));
    EXPECT_EQ(state->editor.answer_key, "ABCD");
    EXPECT_FALSE(state->data.data_are_right_wrong);
    EXPECT_EQ(state->data.responses(4, 2), 4);
}

TEST_F(Export, TheDataEditorsZeroOneLayoutHasAKeyLineOfOnes) {
    auto state = analysed_quiz();
    ConvertMenu menu;
    ASSERT_FALSE(
        save_zero_one_data(*state, menu, path("d.txt"), ZeroOneLayout::data_editor).refused);
    EXPECT_EQ(read_file(path("d.txt"), 1000),
              "Examinee,Item01,Item02,Item03,Item04\r\n"
              "Answer Key          ,1,1,1,1\r\n"
              "S01,1,1,1,1\r\nS02,1,1,1,0\r\nS03,1,0,0,1\r\nS04,1,0,0,0\r\n");
    EXPECT_EQ(state->editor.data_lines, (Lines{"S01ABCD", "S02ABCA", "S03AC.D", "S04ADAB"}));
}

TEST_F(Export, ZeroOneExportWhoseLoadFailsWritesNothing) {
    auto state = analysed_quiz();
    state->editor.data_lines[1] = "S02AB";
    ConvertMenu menu;
    const Outcome outcome = save_zero_one_data(*state, menu, path("data_01.txt"));
    EXPECT_TRUE(outcome.refused);
    EXPECT_NE(outcome.messages.at(0).find("Check case #2, S02"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("data_01.txt")));
}

TEST_F(Export, DataAlreadyRightWrongExportAsZeroAndOne) {
    auto state = std::make_unique<ProgramState>();
    EditorTexts& e = state->editor;
    e.cases = "2";
    e.items = "3";
    e.label_length = "2";
    e.answer_key = "111";
    e.options = "222";
    e.data_lines = {"A1101", "A2010"};
    state->data.data_are_right_wrong = true;
    ConvertMenu menu;
    ASSERT_FALSE(save_zero_one_data(*state, menu, path("d.txt")).refused);
    EXPECT_EQ(read_lines(path("d.txt")),
              (Lines{"Examinee,Item01,Item02,Item03", "A1,1,0,1", "A2,0,1,0"}));
    EXPECT_TRUE(state->data.data_are_right_wrong);
    EXPECT_EQ(state->editor.data_lines, (Lines{"A1101", "A2010"}));
}

TEST_F(Export, AltFilesHoldTheControlLineAndTheAlternatives) {
    auto state = testing::sample_set_1();
    ASSERT_FALSE(close_editor(*state, EditorExit::close_and_analyze).show_editor_again);
    ASSERT_FALSE(analyze_and_report(*state).refused);
    const Lines written = save_alt_files(*state, path("set1_alt"));
    EXPECT_EQ(written, (Lines{path("set1_alt.alt"), path("set1_alt.alx")}));
    const Lines data = read_lines(path("set1_alt.alt"));
    ASSERT_EQ(data.size(), 4u + 23u);
    EXPECT_EQ(data[0], "049 9 x 22");
    EXPECT_EQ(data[1], state->editor.answer_key);
    EXPECT_EQ(data[3], "YYYYYYYYNYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYNYYYY");
    EXPECT_EQ(data[4], state->editor.data_lines[0]);
    EXPECT_EQ(read_lines(path("set1_alt.alx")),
              (Lines{"ALT exceptions: item, correct answers", " 01  3 1 2 4", " 16  1 2"}));
}

}  // namespace
}  // namespace kor
