#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/InputFileForms.h"
#include "core/FileIO.h"
#include "core/data/InputFile.h"
#include "support/DataSets.h"
#include "support/TempFolder.h"

namespace kor {
namespace {

const std::string example_path = std::string(KOR_TEST_DATA_DIR) + "/input_file/quiz1.kor";

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The lines of the small example file: 2 examinees, 4 items, nothing else set.
std::vector<std::string> example_lines() {
    return {"KOR: Korvath (version 6)",
            "Title         = Quiz 1",
            "Comments      = Unit 3",
            "# Examinees   = 2",
            "# Items       = 4",
            "Missing Data  = 9",
            "Not reached   = x",
            "Label Length  = 3",
            "Answer Key    = ABCD",
            "# Options     = 4444",
            "Item Analyzed = YYYY",
            "High Group D% = 27",
            "Low Group D%  = 27",
            "Partial Credit= NO",
            "MC Points     = NO",
            "S01ABCA",
            "S02ABDD",
            "# Grades      = 0",
            "#Alternatives = 0",
            "#Content Areas= 0",
            "#Cognitives   = 0"};
}

constexpr std::size_t first_data_line = 15;  // index of "S01ABCA"
constexpr std::size_t grades_line = 17;      // index of "# Grades      = 0"

// The example with the lines from `grades_line` on replaced by `tail`.
std::vector<std::string> example_with_tail(const std::vector<std::string>& tail) {
    auto lines = example_lines();
    lines.resize(grades_line);
    lines.insert(lines.end(), tail.begin(), tail.end());
    return lines;
}

void fill_example_editor(ProgramState& state) {
    testing::type_into(state, {.title = "Quiz 1",
                               .comments = "Unit 3",
                               .label_length = 3,
                               .key = "ABCD",
                               .options = "4444",
                               .include = "YYYY",
                               .lines = {"S01ABCA", "S02ABDD"}});
}

bool has_message(const Outcome& outcome, const std::string& text) {
    return std::find(outcome.messages.begin(), outcome.messages.end(), text) !=
           outcome.messages.end();
}

class InputFileTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    ProgramState state;
};

// ---------------------------------------------------------------- writer

TEST_F(InputFileTest, WriterProducesTheExampleByteForByte) {
    fill_example_editor(state);
    EXPECT_EQ(input_file_lines(state), example_lines());

    const std::string path = folder.file("example.kor");
    write_input_file(state, path);
    EXPECT_EQ(read_file(path, input_file_max_bytes), read_file(example_path, input_file_max_bytes));
}

TEST_F(InputFileTest, WriterWritesGradeLinesOnlyForMoreThanOneCategory) {
    fill_example_editor(state);
    AnalysisSettings& s = state.settings;
    s.num_grade_cats = 3;
    s.grade_label[1] = "A   ";
    s.grade_label[2] = "B";  // shorter labels are padded so the minimum stays in column 17
    s.grade_label[3] = "F   ";
    s.grade_min_percent_text[1] = "80";
    s.grade_min_percent_text[2] = "65.5";
    auto lines = input_file_lines(state);
    const std::vector<std::string> expected = {"# Grades      = 3", "A             = 80",
                                               "B             = 65.5", "F      ",
                                               "#Alternatives = 0"};
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + grades_line, lines.begin() + grades_line + 5),
        expected);

    s.num_grade_cats = 1;
    lines = input_file_lines(state);
    EXPECT_EQ(lines[grades_line], "# Grades      = 1");
    EXPECT_EQ(lines[grades_line + 1], "#Alternatives = 0");
}

TEST_F(InputFileTest, WriterGivesEachAlternativesRowA34CharacterLine) {
    fill_example_editor(state);
    AltAnswerRow row;
    row.cells[0] = "3";
    state.alt_table.rows.push_back(row);
    state.data.alt_answer_cells[3][0] = "3";
    state.data.alt_answer_cells[3][1] = "1";
    // A row whose item number is damaged must not index anything.
    row.cells[0] = "999";
    state.alt_table.rows.push_back(row);

    auto lines = input_file_lines(state);
    ASSERT_EQ(lines[grades_line + 1], "#Alternatives = 2");
    EXPECT_EQ(lines[grades_line + 2], "Item #        = 3");
    EXPECT_EQ(lines[grades_line + 3], "Alternatives  = 3 1 * * * * * * * ");
    EXPECT_EQ(lines[grades_line + 3].size(), 34u);
    EXPECT_EQ(lines[grades_line + 4], "Item #        = 999");
    EXPECT_EQ(lines[grades_line + 5], "Alternatives  = * * * * * * * * * ");
}

// ---------------------------------------------------------------- reader

TEST_F(InputFileTest, ReaderTakesTheExampleIntoTheEditor) {
    state.editor.data_lines = {"old line"};
    Outcome outcome = read_input_file(state, example_path);
    ASSERT_TRUE(outcome.accepted()) << (outcome.messages.empty() ? "" : outcome.messages[0]);
    EXPECT_TRUE(outcome.messages.empty());

    const EditorTexts& e = state.editor;
    EXPECT_EQ(e.title, "Quiz 1");
    EXPECT_EQ(e.comments, "Unit 3");
    EXPECT_EQ(e.cases, "2");
    EXPECT_EQ(e.items, "4");
    EXPECT_EQ(e.missing_data, "9");
    EXPECT_EQ(e.label_length, "3");
    EXPECT_EQ(e.answer_key, "ABCD");
    EXPECT_EQ(e.options, "4444");
    EXPECT_EQ(e.include, "YYYY");
    EXPECT_EQ(e.data_lines, (std::vector<std::string>{"S01ABCA", "S02ABDD"}));
    EXPECT_EQ(state.data.num_examinees, 2);
    EXPECT_EQ(state.data.num_items, 4);
    EXPECT_TRUE(state.data.opened_from_file);
    EXPECT_EQ(state.data.input_file_path, example_path);
    EXPECT_FALSE(state.data.partial_credit_on);
    EXPECT_EQ(state.pc_form.txt_pc_points, "0");
    EXPECT_EQ(state.pc_form.txt_mc_points, "1");
    EXPECT_EQ(state.settings.num_grade_cats, 0);

    ProgramState missing;
    EXPECT_THROW(read_input_file(missing, folder.file("no such file.kor")), FileError);
    EXPECT_FALSE(missing.data.opened_from_file);
}

TEST_F(InputFileTest, WrongSignatureClearsOnlyTheCountBoxes) {
    fill_example_editor(state);
    auto lines = example_lines();
    lines[0] = "KOR: Korvath (version 5)";
    Outcome outcome = read_input_text(state, crlf(lines));
    ASSERT_TRUE(outcome.refused);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0],
              "Sorry, your input file was not created by KOR (or was created before this feature "
              "was added).\r\n\r\nYou can see a sample KOR INPUT file by running of the Sample "
              "Data Sets under Help and saving the KOR file.\r\n\r\nIf you created the input file "
              "using KOR Version 3 or 4, you can try importing it using the options under the "
              "Help Menu in the Data Editor");
    EXPECT_EQ(state.editor.title, "");
    EXPECT_EQ(state.editor.comments, "");
    EXPECT_EQ(state.editor.cases, "");
    EXPECT_EQ(state.editor.items, "");
    EXPECT_EQ(state.editor.answer_key, "ABCD");
    EXPECT_EQ(state.editor.data_lines.size(), 2u);

    EXPECT_TRUE(read_input_text(state, "").refused);
}

TEST_F(InputFileTest, ValueThatDoesNotConvertEndsReadingAndKeepsWhatWasRead) {
    auto lines = example_lines();
    lines[3] = "# Examinees   = abc";
    Outcome outcome = read_input_text(state, crlf(lines));
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(
        outcome.messages,
        (std::vector<std::string>{"'abc' is not a valid integer value (line 4 of the file)"}));
    EXPECT_EQ(state.editor.title, "Quiz 1");
    EXPECT_EQ(state.editor.cases, "abc");
    EXPECT_EQ(state.editor.items, "");

    ProgramState late;
    lines = example_lines();
    lines[19] = "#Content Areas= two";
    outcome = read_input_text(late, crlf(lines));
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(), "'two' is not a valid integer value (line 20 of the file)");
    EXPECT_EQ(late.editor.data_lines.size(), 2u);
    EXPECT_EQ(late.editor.answer_key, "ABCD");
}

TEST_F(InputFileTest, BadGradeMinimumAndAlternativesEntryAreNamedWithTheirLine) {
    Outcome outcome = read_input_text(
        state, crlf(example_with_tail({"# Grades      = 2", "Pass          = 7O", "Fail   "})));
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(),
              "'7O' is not a valid floating point value (line 19 of the file)");

    ProgramState other;
    outcome = read_input_text(
        other,
        crlf(example_with_tail({"# Grades      = 0", "#Alternatives = 1", "Item #        = 2",
                                "Alternatives  = 2 x * * * * * * * "})));
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(), "'x' is not a valid integer value (line 21 of the file)");
}

TEST_F(InputFileTest, DataSectionRunsUpToTheGradesLineWhateverTheCount) {
    // More data lines than examinees: every line is kept and the later
    // sections are still found in their place.
    auto lines = example_with_tail({"S03ABCC", "S04DCBA", "# Grades      = 14"});
    for (int k = 0; k < 14; ++k) {
        lines.push_back("X             = 1");
    }
    lines.push_back("#Alternatives = 0");
    Outcome outcome = read_input_text(state, crlf(lines));
    EXPECT_TRUE(outcome.accepted());
    EXPECT_EQ(state.editor.data_lines,
              (std::vector<std::string>{"S01ABCA", "S02ABDD", "S03ABCC", "S04DCBA"}));
    EXPECT_EQ(
        outcome.messages,
        (std::vector<std::string>{"Number of Categories must be a whole number between 2-13"}));
    EXPECT_EQ(state.settings.num_grade_cats, 0);

    // Fewer data lines than examinees: reading stops at the grades line.
    ProgramState fewer;
    lines = example_lines();
    lines[3] = "# Examinees   = 5";
    EXPECT_TRUE(read_input_text(fewer, crlf(lines)).accepted());
    EXPECT_EQ(fewer.editor.data_lines.size(), 2u);
    EXPECT_EQ(fewer.data.num_examinees, 5);
}

TEST_F(InputFileTest, EmptyDataLinesAreDropped) {
    auto lines = example_lines();
    lines[first_data_line + 1] = "";
    EXPECT_TRUE(read_input_text(state, crlf(lines)).accepted());
    EXPECT_EQ(state.editor.data_lines, (std::vector<std::string>{"S01ABCA"}));
}

TEST_F(InputFileTest, FileMayEndAfterTheGradesSectionButNotBeforeIt) {
    state.alt_table.rows.push_back(AltAnswerRow{});
    state.data.alt_answer_cells[2][1] = "4";
    state.data.num_content_areas = 3;
    Outcome outcome = read_input_text(state, crlf(example_with_tail({"# Grades      = 0"})));
    EXPECT_TRUE(outcome.accepted());
    EXPECT_TRUE(outcome.messages.empty());
    // Nothing of the previous data set's alternatives or table survives.
    EXPECT_TRUE(state.alt_table.rows.empty());
    EXPECT_EQ(state.data.alt_answer_cells[2][1], "");
    EXPECT_EQ(state.data.num_content_areas, 0);

    ProgramState cut_short;
    outcome = read_input_text(cut_short, crlf(example_with_tail({})));
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(),
              "The input file ends too early: the \"# Grades\" line after the data lines is "
              "missing.");
    EXPECT_EQ(cut_short.editor.data_lines.size(), 2u);

    ProgramState header_only;
    auto lines = example_lines();
    lines.resize(4);
    outcome = read_input_text(header_only, crlf(lines));
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(outcome.messages.back(),
              "The input file ends too early: line 5 (# Items) is missing.");
}

TEST_F(InputFileTest, LongTitleIsReadWhole) {
    const std::string title(85, 'T');
    auto lines = example_lines();
    lines[1] = "Title         = " + title;
    EXPECT_TRUE(read_input_text(state, crlf(lines)).accepted());
    EXPECT_EQ(state.editor.title, title);
}

TEST_F(InputFileTest, RealsAreReadWithPointOrTheUsersSeparator) {
    state.decimal_separator = ',';
    auto lines = example_with_tail({"# Grades      = 2", "Pass          = 62.5", "Fail   "});
    lines[4] = "# Items       = 4";
    lines[9] = "# Options     = 444405";
    lines[13] = "Partial Credit= 5";
    lines[14] = "MC Points     = 1.5";
    ASSERT_TRUE(read_input_text(state, crlf(lines)).accepted());
    EXPECT_TRUE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.mc_item_points, 1.5);
    EXPECT_EQ(state.pc_form.txt_mc_points, "1,5");
    EXPECT_EQ(state.settings.grade_min_percent[1], 62.5);

    ProgramState comma;
    comma.decimal_separator = ',';
    lines[14] = "MC Points     = 2,5";
    ASSERT_TRUE(read_input_text(comma, crlf(lines)).accepted());
    EXPECT_EQ(comma.data.mc_item_points, 2.5);
}

TEST_F(InputFileTest, PartialCreditLineDrivesThePartialCreditDialog) {
    auto lines = example_lines();
    lines[13] = "Partial Credit= 0";
    Outcome outcome = read_input_text(state, crlf(lines));
    EXPECT_TRUE(outcome.accepted());
    EXPECT_TRUE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.pc_total_points, 0);
    EXPECT_TRUE(has_message(outcome,
                            "You have set the Number of Partial Credit points equal to Zero -- any "
                            "points at the end of the data will be treated as extra credit."));
    EXPECT_EQ(state.editor.options, "444400");

    // A file without partial credit switches it off again.
    outcome = read_input_text(state, crlf(example_lines()));
    EXPECT_TRUE(outcome.accepted());
    EXPECT_FALSE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.mc_item_points, 1.0);
    EXPECT_EQ(state.data.pc_total_points, 0);
}

TEST_F(InputFileTest, ItemLinesGiveTheDigitsAfterTheCommas) {
    auto lines = example_with_tail({"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 2",
                                    "Content Area 1= " + std::string(60, 'n'),
                                    "Content Area 2= Two", "#Cognitives   = 1",
                                    "Cognitive Lvl1= Recall", "01,2,1", "02,x,1", "03", "04,1,"});
    Outcome outcome = read_input_text(state, crlf(lines));
    ASSERT_TRUE(outcome.accepted());
    const TTestData& d = state.data;
    EXPECT_EQ(d.content_area_names[1], std::string(50, 'n'));
    EXPECT_EQ(d.item_tos[1].content_area, 2);
    EXPECT_EQ(d.item_tos[1].cognitive_level, 1);
    EXPECT_EQ(d.item_tos[2].content_area, 0);
    EXPECT_EQ(d.item_tos[2].cognitive_level, 1);
    EXPECT_EQ(d.item_tos[3].content_area, 0);
    EXPECT_EQ(d.item_tos[4].content_area, 1);
    EXPECT_EQ(d.item_tos[4].cognitive_level, 0);
    EXPECT_EQ(state.tos_form.areas, 2);
    EXPECT_EQ(state.tos_form.levels, 1);
}

// ---------------------------------------------------------------- round trips

std::string response_line(const std::string& label, int items, int shift) {
    std::string line = label;
    for (int j = 0; j < items; ++j) {
        line += static_cast<char>('A' + (j + shift) % 4);
    }
    return line;
}

// 100 items with every section but partial credit (which 100 items do not allow).
std::vector<std::string> full_file_lines() {
    std::string key;
    std::string include(100, 'Y');
    include[2] = 'A';
    include[99] = 'A';
    for (int j = 0; j < 100; ++j) {
        key += static_cast<char>('A' + j % 4);
    }
    key[2] = 'C';
    std::vector<std::string> lines = {"KOR: Korvath (version 6)",
                                      "Title         = " + std::string(75, 'L'),
                                      "Comments      = all sections",
                                      "# Examinees   = 3",
                                      "# Items       = 100",
                                      "Missing Data  = 9",
                                      "Not reached   = x",
                                      "Label Length  = 4",
                                      "Answer Key    = " + key,
                                      "# Options     = " + std::string(100, '4'),
                                      "Item Analyzed = " + include,
                                      "High Group D% = 30",
                                      "Low Group D%  = 25",
                                      "Partial Credit= NO",
                                      "MC Points     = NO",
                                      response_line("S001", 100, 0),
                                      response_line("S002", 100, 1),
                                      response_line("S003", 100, 2),
                                      "# Grades      = 3",
                                      "A             = 85",
                                      "B             = 62.5",
                                      "F      ",
                                      "#Alternatives = 2",
                                      "Item #        = 3",
                                      "Alternatives  = 3 1 * * * * * * * ",
                                      "Item #        = 100",
                                      "Alternatives  = 4 2 3 * * * * * * ",
                                      "#Content Areas= 2",
                                      "Content Area 1= Algebra",
                                      "Content Area 2= Geometry",
                                      "#Cognitives   = 2",
                                      "Cognitive Lvl1= Recall",
                                      "Cognitive Lvl2= Beyond Recall"};
    for (int j = 1; j <= 100; ++j) {
        std::string number = (j < 10 ? "0" : "") + std::to_string(j);
        lines.push_back(number + "," + std::to_string(1 + j % 2) + "," + std::to_string(j % 3));
    }
    return lines;
}

TEST_F(InputFileTest, FileWithEverySectionReadsBackAndWritesIdentically) {
    const auto lines = full_file_lines();
    Outcome outcome = read_input_text(state, crlf(lines));
    ASSERT_TRUE(outcome.accepted()) << (outcome.messages.empty() ? "" : outcome.messages.back());
    EXPECT_TRUE(outcome.messages.empty()) << outcome.messages[0];

    EXPECT_EQ(state.data.alt_answer_cells[100][2], "3");
    EXPECT_EQ(state.data.item_correct_answers[3][1], 1);
    EXPECT_EQ(state.data.item_tos[100].content_area, 1);
    EXPECT_EQ(state.data.item_tos[100].cognitive_level, 1);
    EXPECT_EQ(state.settings.grade_min_percent[2], 62.5);
    EXPECT_EQ(state.settings.upper_group_percent_text, "30");

    EXPECT_EQ(input_file_lines(state), lines);
    const std::string path = folder.file("full.kor");
    write_input_file(state, path);
    ProgramState again;
    ASSERT_TRUE(read_input_file(again, path).accepted());
    EXPECT_EQ(input_file_lines(again), lines);
}

TEST_F(InputFileTest, ShippedExampleWithGradesWritesBackIdentically) {
    const std::string path = std::string(KOR_EXAMPLES_DIR) + "/quiz.kor";
    const std::string original = read_file(path, input_file_max_bytes);
    Outcome read = read_input_file(state, path);
    ASSERT_FALSE(read.refused) << read.messages.back();
    EXPECT_TRUE(read.messages.empty());
    EXPECT_EQ(state.settings.num_grade_cats, 5);
    EXPECT_EQ(state.settings.grade_label[5], "F   ");
    EXPECT_EQ(state.settings.grade_min_percent[4], 60.0);
    EXPECT_EQ(crlf(input_file_lines(state)), original);
}

TEST_F(InputFileTest, PartialCreditFileWritesIdentically) {
    auto lines = example_lines();
    lines[9] = "# Options     = 444407";
    lines[13] = "Partial Credit= 7";
    lines[14] = "MC Points     = 1.5";
    lines[first_data_line] = "S01ABCA05";
    lines[first_data_line + 1] = "S02ABDD07";
    Outcome outcome = read_input_text(state, crlf(lines));
    ASSERT_TRUE(outcome.accepted());
    EXPECT_TRUE(outcome.messages.empty()) << outcome.messages[0];
    EXPECT_TRUE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.pc_total_points, 7);
    EXPECT_EQ(input_file_lines(state), lines);
}

// ---------------------------------------------------------------- damaged files

TEST_F(InputFileTest, EveryTruncationOfAFullFileIsReadSafely) {
    std::string text;
    for (const std::string& line : full_file_lines()) {
        // Cut at the end of every line and in the middle of the next one.
        for (const std::string& part : {text, text + line.substr(0, line.size() / 2)}) {
            Outcome outcome = read_input_text(state, part);
            EXPECT_TRUE(outcome.accepted() || !outcome.messages.empty()) << part.size();
        }
        text += line + "\r\n";
    }
}

TEST_F(InputFileTest, BinaryJunkAndHugeLinesAreReadSafely) {
    std::string junk = "KOR: Korvath (version 6)\r\n";
    for (int k = 0; k < 5000; ++k) {
        junk += static_cast<char>((k * 37) % 256);
    }
    EXPECT_TRUE(read_input_text(state, junk).refused);

    std::string nuls(1000, '\0');
    EXPECT_TRUE(read_input_text(state, nuls).refused);

    auto lines = example_lines();
    lines[1] = "Title         = " + std::string(1'000'000, 'x');
    lines[first_data_line] = std::string(1'000'000, '\0');
    ProgramState big;
    EXPECT_TRUE(read_input_text(big, crlf(lines)).accepted());
    EXPECT_EQ(big.editor.title.size(), 1'000'000u);
    EXPECT_EQ(big.editor.data_lines[0].size(), 1'000'000u);

    // A damaged value is named in the message, but not at any length.
    lines = example_lines();
    lines[3] = "# Examinees   = " + std::string(100'000, 'z');
    ProgramState named;
    Outcome outcome = read_input_text(named, crlf(lines));
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(
        outcome.messages.back(),
        "'" + std::string(40, 'z') + "...' is not a valid integer value (line 4 of the file)");

    ProgramState empty_lines;
    EXPECT_TRUE(
        read_input_text(empty_lines, "KOR: Korvath (version 6)" + std::string(500'000, '\n'))
            .refused);
}

TEST_F(InputFileTest, HugeCountsNeverIndexOrAllocateBeyondTheFile) {
    const std::string huge = "99999999999";
    auto lines = example_lines();
    lines[3] = "# Examinees   = " + huge;
    lines[4] = "# Items       = " + huge;
    lines[grades_line] = "# Grades      = " + huge;
    Outcome outcome = read_input_text(state, crlf(lines));
    EXPECT_TRUE(outcome.accepted());
    EXPECT_EQ(state.editor.items, huge);
    EXPECT_EQ(state.settings.num_grade_cats, 0);

    const std::vector<std::vector<std::string>> tails = {
        {"# Grades      = 0", "#Alternatives = " + huge, "Item #        = 1",
         "Alternatives  = 1 * * * * * * * * "},
        {"# Grades      = 0", "#Alternatives = 1", "Item #        = 101",
         "Alternatives  = 1 * * * * * * * * "},
        {"# Grades      = 0", "#Alternatives = 1", "Item #        = 0",
         "Alternatives  = 1 * * * * * * * * "},
        {"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 7"},
        {"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 0", "#Cognitives   = -1"},
        {"# Grades      = 0", "#Alternatives = 0", "#Content Areas= " + huge},
    };
    for (const auto& tail : tails) {
        ProgramState fresh;
        outcome = read_input_text(fresh, crlf(example_with_tail(tail)));
        EXPECT_TRUE(outcome.refused) << tail.back();
        EXPECT_FALSE(outcome.messages.empty());
    }

    ProgramState range;
    outcome = read_input_text(
        range, crlf(example_with_tail({"# Grades      = 0", "#Alternatives = 1",
                                       "Item #        = 101", "Alternatives  = * "})));
    EXPECT_EQ(outcome.messages.back(),
              "The item number of alternative answers must be between 1 and 100, not 101 (line 20 "
              "of the file)");
}

TEST_F(InputFileTest, ManyItemsGiveNoMoreThanOneHundredItemLines) {
    auto lines = example_with_tail({"# Grades      = 0", "#Alternatives = 0", "#Content Areas= 1",
                                    "Content Area 1= One", "#Cognitives   = 0"});
    lines[4] = "# Items       = 150";
    for (int j = 1; j <= 150; ++j) {
        lines.push_back(std::to_string(j) + ",1,0");
    }
    Outcome outcome = read_input_text(state, crlf(lines));
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(state.data.item_tos[100].content_area, 1);
}

}  // namespace
}  // namespace kor
