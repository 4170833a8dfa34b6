#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/FileIO.h"
#include "core/data/Loader.h"
#include "core/data/TextImport.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

std::string joined_lines(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

std::size_t commas_in(const std::string& line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
}

class TextImportTest : public ::testing::Test {
  protected:
    // The help window's sample inserted with its key line, completed as the
    // help tells the user, and loaded.
    void load_help_sample() {
        const SpssHelpTexts& help = spss_help_texts();
        insert_data_and_key_text(state, "sample.txt", joined_lines(help.sample_lines, "\r\n"));
        count_lines_as_examinees(state);
        state.editor.items = "12";
        state.editor.label_length = "8";
        const EditorCloseResult closed = close_editor(state, EditorExit::ok);
        ASSERT_FALSE(closed.show_editor_again)
            << (closed.outcome.messages.empty() ? "" : closed.outcome.messages[0]);
    }

    testing::TempFolder folder;
    ProgramState state;
};

// ---------------------------------------------------------------- inserts

TEST_F(TextImportTest, InsertTakesEveryLineAndCountsThem) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 24; ++i) {
        lines.push_back("ID" + std::to_string(100 + i) + " 1234");
    }
    lines.emplace_back();  // the 25th line is empty
    state.editor.data_lines = {"old"};
    insert_text(state, "class.txt", joined_lines(lines, "\r\n"));
    EXPECT_EQ(state.editor.cases, "25");
    EXPECT_EQ(state.editor.data_lines, lines);
    EXPECT_EQ(state.data.input_file_path, "class.txt");

    // The empty line is a data line to the loader until the count is corrected.
    state.editor.items = "4";
    state.editor.label_length = "6";
    state.editor.answer_key = "1234";
    Outcome loaded = close_editor(state, EditorExit::ok).outcome;
    ASSERT_TRUE(loaded.refused);
    EXPECT_EQ(loaded.messages.back().rfind("You may have a blank line in your data", 0), 0u);
    state.editor.cases = "24";
    loaded = close_editor(state, EditorExit::ok).outcome;
    ASSERT_TRUE(loaded.refused);
    EXPECT_EQ(loaded.messages.back(),
              "Number of Data Lines greater than Number of Examinees -- you might also check for "
              "blank lines at the end of the data.");
}

TEST_F(TextImportTest, InsertKeepsBytesAndAcceptsEveryLineEnd) {
    insert_text(state, "mixed.txt", "A1 \xE9\x31 \r\nB2\nC3\rD4");
    EXPECT_EQ(state.editor.data_lines,
              (std::vector<std::string>{"A1 \xE9\x31 ", "B2", "C3", "D4"}));
    EXPECT_EQ(state.editor.cases, "4");

    insert_text(state, "empty.txt", "");
    EXPECT_EQ(state.editor.data_lines, std::vector<std::string>{""});
    EXPECT_EQ(state.editor.cases, "1");
}

TEST_F(TextImportTest, InsertWithKeyTakesTheKeyFromItsFirstDigit) {
    state.editor.cases = "7";
    insert_data_and_key_text(state, "data.txt", "KEY     232134213421\r\nID_0001 232123213521\r\n");
    EXPECT_EQ(state.editor.answer_key, "232134213421");
    EXPECT_EQ(state.editor.data_lines, std::vector<std::string>{"ID_0001 232123213521"});
    EXPECT_EQ(state.editor.cases, "7");  // left to the user

    insert_data_and_key_text(state, "data.txt", "NO KEY HERE\nX 1\n");
    EXPECT_EQ(state.editor.answer_key, "");
    EXPECT_EQ(state.editor.data_lines, std::vector<std::string>{"X 1"});

    // Only a key line, or nothing at all: one empty data line.
    insert_data_and_key_text(state, "key.txt", "KEY 12\n");
    EXPECT_EQ(state.editor.answer_key, "12");
    EXPECT_EQ(state.editor.data_lines, std::vector<std::string>{""});
    insert_data_and_key_text(state, "none.txt", "");
    EXPECT_EQ(state.editor.answer_key, "");
    EXPECT_EQ(state.editor.data_lines, std::vector<std::string>{""});
}

TEST_F(TextImportTest, FileInsertsRecordThePathAndReportMissingFiles) {
    const std::string path = folder.file("in.txt");
    write_lines_atomic(path, {"KEY 21", "S1 21"});
    insert_text_file(state, path);
    EXPECT_EQ(state.editor.data_lines, (std::vector<std::string>{"KEY 21", "S1 21"}));
    EXPECT_EQ(state.data.input_file_path, path);
    insert_data_and_key_file(state, path);
    EXPECT_EQ(state.editor.answer_key, "21");
    EXPECT_THROW(insert_text_file(state, folder.file("missing.txt")), FileError);
}

// ---------------------------------------------------------------- saving

TEST_F(TextImportTest, SaveDataOnlyWritesTheDataWindowWithCrLf) {
    state.editor.data_lines = {"S01 ABC", "", "S02 ABD "};
    const std::string path = folder.file("data.txt");
    save_data_only(state, path);
    EXPECT_EQ(read_file(path, 1000), "S01 ABC\r\n\r\nS02 ABD \r\n");
}

TEST_F(TextImportTest, RawExportWritesTheLoadedCodes) {
    load_help_sample();
    const std::vector<std::string> lines = raw_data_lines(state);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0],
              "Examinee,Item01,Item02,Item03,Item04,Item05,Item06,Item07,Item08,Item09,Item10,"
              "Item11,Item12");
    EXPECT_EQ(lines[1], "Answer Key          ,2,3,2,1,3,4,2,1,3,4,2,1");
    EXPECT_EQ(lines[2], "ID_0001 ,2,3,2,1,2,3,2,1,3,5,2,1");
    EXPECT_EQ(lines[13], "ID_0012 ,4,4,2,1,3,3,2,2,2,3,3,1");
    for (const std::string& line : lines) {
        EXPECT_EQ(commas_in(line), 12u) << line;
    }

    // After an analysis re-sorted the records, the labels still match their codes.
    auto& records = state.results.examinee_records;
    std::swap(records[1], records[12]);
    EXPECT_EQ(raw_data_lines(state), lines);

    const std::string path = folder.file("raw.txt");
    save_raw_data(state, path);
    EXPECT_EQ(read_file(path, 10000).substr(0, 9), "Examinee,");
}

TEST(TextExportNames, RawExportProposesANameFromTheDataSet) {
    EXPECT_EQ(raw_data_file_name("midterm"), "midterm_raw_data");
    EXPECT_EQ(raw_data_file_name("UNSAVED"), "data_raw");
    EXPECT_EQ(raw_data_file_name(""), "data_raw");
}

// ---------------------------------------------------------------- old system

// One record as the old system printed it: columns 1-79 and a "1", then ten
// columns it repeats and the record's columns 80-148 and a "2".
std::vector<std::string> testscore_record(const std::string& label, const std::string& answers) {
    std::string text = label;
    text.resize(43, ' ');
    text += answers;
    text.resize(148, ' ');
    return {text.substr(0, 79) + "1", "CONTINUED " + text.substr(79) + "2"};
}

TEST_F(TextImportTest, TestscoreImportBuildsKeyAndDataLines) {
    std::vector<std::string> memo = testscore_record("ANSWER KEY", "12345");
    for (const auto& record :
         {testscore_record("SMITH JOHN", "12*45"), testscore_record("DOE JANE", "1 345")}) {
        memo.insert(memo.end(), record.begin(), record.end());
    }
    memo[2] += "trailing text beyond column 80";
    state.editor.data_lines = memo;
    state.editor.items = "5";

    const Outcome outcome = import_testscore_data(state);
    ASSERT_TRUE(outcome.accepted());
    const EditorTexts& e = state.editor;
    EXPECT_EQ(e.answer_key, "12345");
    EXPECT_EQ(e.label_length, "43");
    EXPECT_EQ(e.items, "5");
    EXPECT_EQ(e.cases, "2");
    EXPECT_EQ(e.options, "55555");
    EXPECT_EQ(e.include, "YYYYY");
    ASSERT_EQ(e.data_lines.size(), 2u);
    EXPECT_EQ(e.data_lines[0], std::string("SMITH JOHN") + std::string(33, ' ') + "12945");
    EXPECT_EQ(e.data_lines[1], std::string("DOE JANE") + std::string(35, ' ') + "19345");

    EXPECT_FALSE(close_editor(state, EditorExit::ok).show_editor_again);
    EXPECT_EQ(state.data.responses(1, 3), 9);
    EXPECT_EQ(state.data.responses(2, 2), 9);
}

TEST_F(TextImportTest, TestscoreRecordWithoutMarksUsesItsSecondLineOnly) {
    // Line 1 holds a key in its usual place but no "1" in column 80.
    std::string first = "ANSWER KEY";
    first.resize(43, ' ');
    first += "33333";
    std::string second(79, ' ');
    second.replace(10 + 43, 5, "21212");
    state.editor.data_lines = {first, second};
    state.editor.items = "40";
    ASSERT_TRUE(import_testscore_data(state).accepted());
    // Line 2's columns 11-79 make the whole record of 69 characters.
    EXPECT_EQ(state.editor.answer_key, "21212" + std::string(21, ' '));
    EXPECT_EQ(state.editor.items, "26");
}

TEST_F(TextImportTest, TestscoreImportNeedsAnItemCount) {
    state.editor.data_lines = testscore_record("ANSWER KEY", "12");
    for (const char* typed : {"", "five"}) {
        state.editor.items = typed;
        const Outcome outcome = import_testscore_data(state);
        ASSERT_TRUE(outcome.refused);
        EXPECT_EQ(outcome.messages, std::vector<std::string>{"Number of Items must be an integer"});
        EXPECT_EQ(outcome.focus, editor_control::items);
    }
    for (const char* typed : {"0", "101"}) {
        state.editor.items = typed;
        EXPECT_EQ(import_testscore_data(state).messages,
                  std::vector<std::string>{"Number of Items must be between 1 and 100"});
    }
    EXPECT_EQ(state.editor.data_lines.size(), 2u);  // nothing changed
}

TEST(TestscoreHowTo, MessageHasItsParagraphsInOrder) {
    const std::string message = testscore_howto_message();
    const std::string dashes(81, '-');
    EXPECT_EQ(message.rfind("PLEASE NOTE THAT THIS HAS NOT BEEN UPDATED FOR THE NEW TESTSCORE "
                            "SYSTEM\r\n" +
                                dashes +
                                "\r\n\r\nSteps to follow for importing VZ "
                                "TESTSCORE data:\r\n" +
                                dashes + "\r\n\r\nFirst, enter",
                            0),
              0u);
    EXPECT_NE(message.find("automatically).  \r\n\r\nThird, copy"), std::string::npos);
    EXPECT_NE(message.find("if necessary).  \r\n\r\nFinally, if you have more than 62 items"),
              std::string::npos);
    const std::string tail =
        "in the program).\r\n\r\nIt is probably worth noting that the output is set up for an "
        "ideal LABEL LENGTH of about 15.\r\n\r\n";
    EXPECT_EQ(message.substr(message.size() - tail.size()), tail);
}

// ---------------------------------------------------------------- help window

TEST_F(TextImportTest, HelpWindowTextsAndTheSavedSyntax) {
    const SpssHelpTexts& help = spss_help_texts();
    EXPECT_EQ(help.caption, "TEXT File Insert (and SPSS file-save) Help");
    EXPECT_EQ(help.save_button, "Save this SPSS Syntax");
    EXPECT_EQ(help.rules.back(), "    INCLUDE each item");
    EXPECT_EQ(help.sample_lines.size(), 13u);
    ASSERT_EQ(help.syntax_lines.size(), 19u);
    EXPECT_EQ(help.syntax_lines[1],
              "write outfile = 'C:\\SPSS2KOR.TXT' table /EXAMINEE ITEM01 to ITEM12.");
    EXPECT_EQ(help.syntax_lines[3], "");

    const std::string path = folder.file("spss2kor.SPS");
    save_spss_syntax(path);
    const std::string saved = read_file(path, 10000);
    EXPECT_EQ(saved.rfind("write formats EXAMINEE (a9) ITEM01 to ITEM12 (f1.0).\r\n", 0), 0u);
    EXPECT_EQ(saved.substr(saved.size() - 29), "for your computer and data.\r\n");

    // The sample shows what it describes: 12 examinees, 12 items, label length 8.
    load_help_sample();
    EXPECT_EQ(state.data.num_examinees, 12);
    EXPECT_EQ(state.data.key_digits, "232134213421");
}

}  // namespace
}  // namespace kor
