// Files typed on today's systems are UTF-8, often with a byte-order mark:
// every reader of outside text must read them as their single-byte twins.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/Analyze.h"
#include "app/ProgramState.h"
#include "app/forms/GradingScaleFile.h"
#include "app/forms/InputFileForms.h"
#include "core/Encoding.h"
#include "core/FileIO.h"
#include "core/data/InputFile.h"
#include "core/data/Loader.h"
#include "core/data/TextImport.h"
#include "reports/FullReport.h"
#include "reports/ResultsFiles.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

const std::string bom = "\xEF\xBB\xBF";

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The file as a UTF-8 editor saves it: the mark, then every character in UTF-8.
std::string as_utf8_with_mark(const std::string& single_byte) {
    return bom + utf8_from_latin1(single_byte);
}

// A data set with accented labels padded to 10 characters and an accented
// title, in single-byte text as the program writes it.
std::vector<std::string> accented_input_file() {
    return {"KOR: Korvath (version 6)",
            "Title         = Pr\xFC"
            "fung Biologie",
            "Comments      = Gruppe \xC4",
            "# Examinees   = 3",
            "# Items       = 4",
            "Missing Data  = 9",
            "Not reached   = x",
            "Label Length  = 10",
            "Answer Key    = ABCD",
            "# Options     = 4444",
            "Item Analyzed = YYYY",
            "High Group D% = 27",
            "Low Group D%  = 27",
            "Partial Credit= NO",
            "MC Points     = NO",
            "M\xFCller    ABCA",
            "Sch\xF6n     ABDD",
            "Fran\xE7ois  BBCD",
            "# Grades      = 0",
            "#Alternatives = 0",
            "#Content Areas= 0",
            "#Cognitives   = 0"};
}

class Utf8ReadingTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
};

// The full results of a state whose editor holds a data set.
std::vector<std::string> analysed(ProgramState& state) {
    const EditorCloseResult closed = close_editor(state, EditorExit::close_and_analyze);
    EXPECT_TRUE(closed.start_analysis);
    EXPECT_FALSE(analyze_and_report(state).refused);
    return results_file_lines(state);
}

TEST_F(Utf8ReadingTest, AUtf8InputFileWithTheMarkReadsLikeItsSingleByteTwin) {
    const std::string single_byte = crlf(accented_input_file());
    auto twin = std::make_unique<ProgramState>();
    auto utf8 = std::make_unique<ProgramState>();
    ASSERT_TRUE(read_input_file(*twin, folder.write("twin.kor", single_byte)).messages.empty());
    ASSERT_TRUE(read_input_file(*utf8, folder.write("utf8.kor", as_utf8_with_mark(single_byte)))
                    .messages.empty());

    EXPECT_EQ(utf8->editor, twin->editor);
    EXPECT_EQ(utf8->editor.data_lines[0], "M\xFCller    ABCA");
    EXPECT_EQ(utf8->editor.title,
              "Pr\xFC"
              "fung Biologie");
    const std::vector<std::string> twin_results = analysed(*twin);
    EXPECT_EQ(analysed(*utf8), twin_results);
    EXPECT_EQ(utf8->results.examinee_records[1].Name, twin->results.examinee_records[1].Name);
    EXPECT_EQ(utf8->data.responses(1, 4), twin->data.responses(1, 4));
}

TEST_F(Utf8ReadingTest, OlderLayoutsAreReadThroughTheSameConversion) {
    // Version 5 is the current layout without its signature line.
    std::vector<std::string> lines = accented_input_file();
    lines.erase(lines.begin());
    auto state = std::make_unique<ProgramState>();
    ASSERT_TRUE(
        read_input_text(*state, as_utf8_with_mark(crlf(lines)), InputLayout::version5).accepted());
    EXPECT_EQ(state->editor.title,
              "Pr\xFC"
              "fung Biologie");
    EXPECT_EQ(state->editor.data_lines[2], "Fran\xE7ois  BBCD");
}

TEST_F(Utf8ReadingTest, AnInputFileWithACharacterBeyondLatin1IsRefusedAndChangesNothing) {
    std::vector<std::string> lines = accented_input_file();
    for (std::string& line : lines) {
        line = utf8_from_latin1(line);
    }
    lines[16] = "\xC5\x81\xC3\xB3\x64\xC5\xBA     ABDD";  // "Łódź": the ó would fit, the Ł does not
    auto state = std::make_unique<ProgramState>();
    state->editor.title = "kept";
    const Outcome outcome = read_input_text(*state, bom + crlf(lines));
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages[0].substr(0, 49),
              "Line 17, column 1: the character U+0141 cannot be");
    EXPECT_EQ(state->editor.title, "kept");
}

TEST_F(Utf8ReadingTest, TextInsertsDropTheMarkAndConvert) {
    auto state = std::make_unique<ProgramState>();
    insert_text(*state, "class.txt", bom + "M\xC3\xBCller  2321\r\nS02       2311\r\n");
    EXPECT_EQ(state->editor.data_lines,
              (std::vector<std::string>{"M\xFCller  2321", "S02       2311"}));

    const std::string path =
        folder.write("key.txt", bom + "KEY       2321\r\nS\xC3\xA9verine2311\r\n");
    ASSERT_TRUE(insert_data_and_key_file(*state, path).accepted());
    EXPECT_EQ(state->editor.answer_key, "2321");
    EXPECT_EQ(state->editor.data_lines, std::vector<std::string>{"S\xE9verine2311"});
}

TEST_F(Utf8ReadingTest, ATextInsertWithACharacterBeyondLatin1IsRefusedAndChangesNothing) {
    auto state = std::make_unique<ProgramState>();
    state->editor.data_lines = {"S01 ABCD"};
    for (const bool with_key : {false, true}) {
        const std::string text =
            "KEY 1234\nS01 ABCD\nJos\xC3\xA9 \xE2\x82\xAC"
            "BCD\n";
        const Outcome outcome = with_key ? insert_data_and_key_text(*state, "euro.txt", text)
                                         : insert_text(*state, "euro.txt", text);
        ASSERT_TRUE(outcome.refused);
        EXPECT_EQ(outcome.messages[0].substr(0, 40), "Line 3, column 6: the character U+20AC c");
        EXPECT_EQ(state->editor.data_lines, std::vector<std::string>{"S01 ABCD"});
        EXPECT_TRUE(state->data.input_file_path.empty());
    }
}

TEST_F(Utf8ReadingTest, AScaleFileSavedAsUtf8KeepsItsSchemeAndLabels) {
    // With the mark left in, line 1 would no longer read "USER=YES".
    const std::string scale =
        "USER=YES\r\n3\r\nTr\xC3\xA8s bien\r\n80\r\nBien\r\n50\r\n\xC3\x89"
        "chec\r\n";
    auto state = std::make_unique<ProgramState>();
    ASSERT_FALSE(load_scale_text(*state, bom + scale, true).refused);
    EXPECT_TRUE(state->settings.grade_user_defined);
    EXPECT_EQ(state->settings.num_grade_cats, 3);
    EXPECT_EQ(state->settings.grade_label[1], "Tr\xE8s");
    EXPECT_EQ(state->settings.grade_label[3],
              "\xC9"
              "che");
    EXPECT_TRUE(load_scale_text(*state, "USER=YES\r\n2\r\n\xE2\x9C\x93\r\n", true).refused);
}

}  // namespace
}  // namespace kor
