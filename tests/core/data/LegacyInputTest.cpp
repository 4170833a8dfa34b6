#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/InputFileForms.h"
#include "core/analysis/Analysis.h"
#include "core/data/InputFile.h"
#include "core/data/LegacyInput.h"
#include "core/data/Loader.h"

namespace kor {
namespace {

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

std::vector<std::string> joined(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The lines from the title to the include line, which every layout shares.
std::vector<std::string> common_head() {
    return {"Title         = Old quiz", "Comments      = Term 2", "# Examinees   = 2",
            "# Items       = 4",        "Missing Data  = 9",      "Not reached   = x",
            "Label Length  = 3",        "Answer Key    = ABCD",   "# Options     = 4444",
            "Item Analyzed = YYYY"};
}

const std::vector<std::string> group_lines = {"High Group D% = 30", "Low Group D%  = 25"};
const std::vector<std::string> data_lines = {"S01ABCA", "S02ABDD"};

// A small version-5 file: partial credit worth 10 points, items worth 2,
// a pass mark, one item with an alternative answer and one content area.
std::vector<std::string> version5_lines() {
    auto lines = common_head();
    lines[8] = "# Options     = 444410";
    lines[9] = "Item Analyzed = YYAY";
    return joined(
        joined(lines, group_lines),
        {"Partial Credit= 10", "MC Points     = 2", "S01ABCA05", "S02ABDD10", "# Grades      = 2",
         "Pass          = 60", "Fail   ", "#Alternatives = 1", "Item #        = 3",
         "Alternatives  = 3 4 * * * * * * * ", "#Content Areas= 1", "Content Area 1= Algebra",
         "#Cognitives   = 1", "Cognitive Lvl1= Recall", "01,1,1", "02,1,0", "03,0,1", "04,1,1"});
}

// Version 4: no partial-credit lines, grades as a preset scale.
std::vector<std::string> version4_lines(const std::vector<std::string>& grades) {
    auto lines = joined(joined(common_head(), group_lines), data_lines);
    lines = joined(lines, grades);
    return joined(lines, {"#Alternatives = 0", "#Content Areas= 0", "#Cognitives   = 0"});
}

// Version 3: no group lines, preset grades, then areas and one line per item.
std::vector<std::string> version3_lines(const std::vector<std::string>& grades,
                                        const std::vector<std::string>& areas) {
    auto lines = joined(joined(common_head(), data_lines), grades);
    lines = joined(lines, areas);
    return joined(lines, {"01,1,1", "02,2,2", "03,0,0", "04,2,1"});
}

std::string first_message(const Outcome& outcome) {
    return outcome.messages.empty() ? std::string() : outcome.messages[0];
}

class LegacyInputTest : public ::testing::Test {
  protected:
    Outcome read(const std::vector<std::string>& lines, InputLayout layout) {
        return read_input_text(state, crlf(lines), layout);
    }

    void expect_common_editor_texts() {
        const EditorTexts& e = state.editor;
        EXPECT_EQ(e.title, "Old quiz");
        EXPECT_EQ(e.comments, "Term 2");
        EXPECT_EQ(e.cases, "2");
        EXPECT_EQ(e.items, "4");
        EXPECT_EQ(e.label_length, "3");
        EXPECT_EQ(e.answer_key, "ABCD");
    }

    ProgramState state;
};

// ---------------------------------------------------------------- version 5

TEST_F(LegacyInputTest, Version5FileFillsTheEditorAndSettingsLikeVersion6) {
    const Outcome outcome = read(version5_lines(), InputLayout::version5);
    ASSERT_TRUE(outcome.accepted()) << first_message(outcome);
    EXPECT_TRUE(outcome.messages.empty()) << first_message(outcome);

    expect_common_editor_texts();
    EXPECT_EQ(state.editor.options, "444410");
    EXPECT_EQ(state.editor.include, "YYAY");
    EXPECT_EQ(state.editor.data_lines, (std::vector<std::string>{"S01ABCA05", "S02ABDD10"}));
    EXPECT_EQ(state.settings.upper_group_percent_text, "30");
    EXPECT_EQ(state.settings.lower_group_percent_text, "25");
    EXPECT_TRUE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.pc_total_points, 10);
    EXPECT_EQ(state.data.mc_item_points, 2.0);
    EXPECT_EQ(state.settings.num_grade_cats, 2);
    EXPECT_EQ(state.settings.grade_min_percent[1], 60.0);
    EXPECT_EQ(state.settings.grade_label[1], "Pass");
    EXPECT_EQ(state.data.alt_answer_cells[3][1], "4");
    EXPECT_EQ(state.data.num_content_areas, 1);
    EXPECT_EQ(state.data.content_area_names[1], "Algebra");
    EXPECT_EQ(state.data.num_cognitive_levels, 1);
    EXPECT_EQ(state.data.item_tos[3].cognitive_level, 1);
    EXPECT_EQ(state.data.item_tos[2].cognitive_level, 0);

    // The file's data set loads as it stands.
    EXPECT_FALSE(close_editor(state, EditorExit::ok).show_editor_again);
}

TEST_F(LegacyInputTest, Version5ReadsMcPointsAsAWholeNumber) {
    auto lines = version5_lines();
    lines[13] = "MC Points     = 1.5";
    const Outcome outcome = read(lines, InputLayout::version5);
    ASSERT_TRUE(outcome.refused);
    EXPECT_EQ(first_message(outcome), "'1.5' is not a valid integer value (line 14 of the file)");
    // What was read before the refusal stays in the editor.
    EXPECT_EQ(state.editor.title, "Old quiz");

    // Version 6 takes the same line as a real.
    ProgramState current;
    lines.insert(lines.begin(), input_file_signature);
    EXPECT_TRUE(read_input_text(current, crlf(lines)).accepted());
    EXPECT_EQ(current.data.mc_item_points, 1.5);
}

TEST_F(LegacyInputTest, OlderLayoutsHaveNoSignatureAndFailOnlyWhereANumberIsExpected) {
    // A current file read as version 5 is shifted by its signature line: the
    // comments land in the examinee count, which does not convert.
    auto lines = version5_lines();
    lines.insert(lines.begin(), input_file_signature);
    const Outcome outcome = read(lines, InputLayout::version5);
    ASSERT_TRUE(outcome.refused);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0], "'Term 2' is not a valid integer value (line 3 of the file)");
    EXPECT_EQ(state.editor.title, "rsion 6)");
}

// ---------------------------------------------------------------- version 4

TEST_F(LegacyInputTest, Version4FileLeavesPartialCreditAloneAndFillsTheFirstGradeBoxes) {
    state.data.mc_item_points = 3.0;  // left from an earlier data set
    const Outcome outcome =
        read(version4_lines({"# Grades      = 5", "Ignored key     90", "Ignored key     80",
                             "Ignored key     70", "Ignored key     60"}),
             InputLayout::version4);
    ASSERT_TRUE(outcome.accepted()) << first_message(outcome);

    expect_common_editor_texts();
    EXPECT_EQ(state.editor.data_lines, data_lines);
    EXPECT_EQ(state.settings.upper_group_percent_text, "30");
    EXPECT_FALSE(state.data.partial_credit_on);
    EXPECT_EQ(state.data.mc_item_points, 3.0);

    EXPECT_EQ(state.grade_form.scheme, GradeScheme::five);
    for (int box = 1; box <= 4; ++box) {
        EXPECT_EQ(state.grade_form.txt_grade[static_cast<std::size_t>(box)],
                  std::to_string(100 - 10 * box))
            << "box " << box;
    }
    EXPECT_EQ(state.grade_form.txt_grade[5], "");
    EXPECT_EQ(state.settings.num_grade_cats, 5);
    EXPECT_EQ(state.settings.grade_min_percent[1], 90.0);
    EXPECT_EQ(state.settings.grade_min_percent[4], 60.0);
    EXPECT_EQ(state.settings.grade_label[1], "A-  ");
    EXPECT_FALSE(close_editor(state, EditorExit::ok).show_editor_again);
}

TEST_F(LegacyInputTest, Version4GradeCountsChooseThePresets) {
    std::vector<std::string> twelve = {"# Grades      = 12"};
    for (int k = 1; k <= 11; ++k) {
        twelve.push_back("                " + std::to_string(99 - 3 * k));
    }
    ASSERT_TRUE(read(version4_lines(twelve), InputLayout::version4).accepted());
    EXPECT_EQ(state.settings.num_grade_cats, 12);
    EXPECT_EQ(state.grade_form.txt_grade[1], "96");
    EXPECT_EQ(state.grade_form.txt_grade[11], "66");
    EXPECT_EQ(state.settings.grade_min_percent[11], 66.0);

    ASSERT_TRUE(
        read(version4_lines({"# Grades      = 2", "Pass          = 65"}), InputLayout::version4)
            .accepted());
    EXPECT_EQ(state.grade_form.scheme, GradeScheme::two);
    EXPECT_EQ(state.settings.grade_min_percent[1], 65.0);

    state.settings.band_use_letters = true;
    ASSERT_TRUE(read(version4_lines({"# Grades      = 0"}), InputLayout::version4).accepted());
    EXPECT_EQ(state.settings.num_grade_cats, 0);
    EXPECT_FALSE(state.settings.band_use_letters);
}

TEST_F(LegacyInputTest, Version4OtherGradeCountsChooseNothingAndReadNoGradeLines) {
    ASSERT_TRUE(
        read(version4_lines({"# Grades      = 2", "Pass          = 65"}), InputLayout::version4)
            .accepted());
    // Count 3 is no preset: the next line is already the alternatives count.
    const Outcome outcome = read(version4_lines({"# Grades      = 3"}), InputLayout::version4);
    ASSERT_TRUE(outcome.accepted()) << first_message(outcome);
    EXPECT_EQ(state.grade_form.scheme, GradeScheme::two);
    EXPECT_EQ(state.settings.num_grade_cats, 2);
    EXPECT_EQ(state.data.num_content_areas, 0);

    // A grade minimum is a whole number in the old layouts.
    const Outcome refused =
        read(version4_lines({"# Grades      = 2", "Pass          = 65.5"}), InputLayout::version4);
    ASSERT_TRUE(refused.refused);
    EXPECT_EQ(first_message(refused), "'65.5' is not a valid integer value (line 16 of the file)");
}

// ---------------------------------------------------------------- version 3

TEST_F(LegacyInputTest, Version3FileFillsTheFirstGradeBoxesAndEndsWithTwoLevels) {
    state.settings.upper_group_percent_text = "33";
    const Outcome outcome =
        read(version3_lines(
                 {"# Grades      = 5", "A-            = 90", "B-            = 80",
                  "C-            = 70", "D-            = 60"},
                 {"#Content Areas= 2", "Content Area 1= Algebra", "Content Area 2= Geometry"}),
             InputLayout::version3);
    ASSERT_TRUE(outcome.accepted()) << first_message(outcome);

    expect_common_editor_texts();
    EXPECT_EQ(state.editor.data_lines, data_lines);
    // No group lines: the percentages are neither read nor cleared.
    EXPECT_EQ(state.settings.upper_group_percent_text, "33");
    EXPECT_EQ(state.settings.lower_group_percent_text, "27");

    const GradeForm& form = state.grade_form;
    EXPECT_EQ(form.scheme, GradeScheme::five);
    EXPECT_EQ(form.txt_grade[1], "90");
    EXPECT_EQ(form.txt_grade[2], "80");
    EXPECT_EQ(form.txt_grade[3], "70");
    EXPECT_EQ(form.txt_grade[4], "60");
    EXPECT_EQ(form.txt_grade[5], "");

    const TTestData& data = state.data;
    EXPECT_EQ(data.num_content_areas, 2);
    EXPECT_EQ(data.content_area_names[2], "Geometry");
    EXPECT_EQ(data.num_cognitive_levels, 2);
    EXPECT_EQ(data.cognitive_level_names[1], "Knowledge");
    EXPECT_EQ(data.cognitive_level_names[2], "Beyond Knowledge");
    EXPECT_EQ(data.item_tos[4].content_area, 2);
    EXPECT_EQ(data.item_tos[4].cognitive_level, 1);
    EXPECT_EQ(state.tos_form.txt_skill[2], "Beyond Knowledge");
    EXPECT_EQ(state.tos_form.txt_content[1], "Algebra");
}

TEST_F(LegacyInputTest, Version3HasTwoLevelsAndItemLinesEvenWithoutAreas) {
    const Outcome outcome =
        read(version3_lines({"# Grades      = 0"}, {"#Content Areas= 0"}), InputLayout::version3);
    ASSERT_TRUE(outcome.accepted()) << first_message(outcome);
    EXPECT_EQ(state.data.num_content_areas, 0);
    EXPECT_EQ(state.data.num_cognitive_levels, 2);
    EXPECT_EQ(state.data.cognitive_level_names[1], "Knowledge");
    EXPECT_EQ(state.data.item_tos[2].cognitive_level, 2);

    // A file that ends right after its grades still gets the two levels.
    ProgramState short_file;
    auto lines = joined(joined(common_head(), data_lines), {"# Grades      = 0"});
    ASSERT_TRUE(read_input_text(short_file, crlf(lines), InputLayout::version3).accepted());
    EXPECT_EQ(short_file.data.num_cognitive_levels, 2);
}

// The scale a version-3 file holds is the scale the analysis grades with:
// its minimums go into boxes 1 .. N-1 in line order, as in version 4.
TEST_F(LegacyInputTest, Version3ScalesAreTheScalesTheAnalysisUses) {
    const std::vector<std::string> two_areas = {"#Content Areas= 2", "Content Area 1= Algebra",
                                                "Content Area 2= Geometry"};
    ASSERT_TRUE(
        read(version3_lines({"# Grades      = 5", "A-            = 90", "B-            = 80",
                             "C-            = 70", "D-            = 60"},
                            two_areas),
             InputLayout::version3)
            .messages.empty());
    const EditorCloseResult closed = close_editor(state, EditorExit::close_and_analyze);
    ASSERT_FALSE(closed.show_editor_again);
    const Outcome analysed = run_analysis(state);
    ASSERT_TRUE(analysed.accepted()) << first_message(analysed);
    EXPECT_EQ(state.settings.num_grade_cats, 5);
    const std::vector<double> five = {
        state.settings.grade_min_percent[1], state.settings.grade_min_percent[2],
        state.settings.grade_min_percent[3], state.settings.grade_min_percent[4]};
    EXPECT_EQ(five, (std::vector<double>{90, 80, 70, 60}));
    // Both examinees have 3 of 4 right: 75 %.
    EXPECT_EQ(state.results.examinee_records[1].Grade, "C-  ");
    EXPECT_EQ(state.results.examinee_records[2].Grade, "C-  ");

    std::vector<std::string> twelve = {"# Grades      = 12"};
    std::vector<double> minimums;
    for (int k = 1; k <= 11; ++k) {
        twelve.push_back("                " + std::to_string(99 - 3 * k));
        minimums.push_back(99 - 3 * k);
    }
    ProgramState twin;
    ASSERT_TRUE(
        read_input_text(twin, crlf(version3_lines(twelve, two_areas)), InputLayout::version3)
            .messages.empty());
    ASSERT_FALSE(close_editor(twin, EditorExit::close_and_analyze).show_editor_again);
    ASSERT_TRUE(run_analysis(twin).accepted());
    std::vector<double> stored;
    for (std::size_t k = 1; k <= 11; ++k) {
        stored.push_back(twin.settings.grade_min_percent[k]);
    }
    EXPECT_EQ(stored, minimums);
    EXPECT_EQ(twin.grade_form.txt_grade[1], "96");
    EXPECT_EQ(twin.grade_form.txt_grade[11], "66");
    EXPECT_EQ(twin.grade_form.txt_grade[12], "");

    ProgramState pass_fail;
    ASSERT_TRUE(read_input_text(
                    pass_fail,
                    crlf(version3_lines({"# Grades      = 2", "Pass          = 65"}, two_areas)),
                    InputLayout::version3)
                    .messages.empty());
    EXPECT_EQ(pass_fail.grade_form.txt_grade[1], "65");
    EXPECT_EQ(pass_fail.settings.grade_min_percent[1], 65.0);
}

// ---------------------------------------------------------------- chooser

TEST(ImportChooser, StartsAtVersion6AndHidesVersions7And8) {
    ImportForm form;
    EXPECT_EQ(import_form_ok(form), InputLayout::version6);

    const auto& buttons = import_choice_buttons();
    std::vector<std::string> shown;
    for (const ImportChoiceButton& button : buttons) {
        if (button.visible) {
            shown.emplace_back(button.caption);
        } else {
            form.selected = button.choice;
            EXPECT_EQ(import_form_ok(form), std::nullopt) << button.caption;
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"KOR Version 3.x.x", "KOR Version 4.x.x",
                                               "KOR Version 5.x.x", "KOR Version 6.x.x"}));
    form.selected = ImportChoice::version3;
    EXPECT_EQ(import_form_ok(form), InputLayout::version3);
    form.selected = ImportChoice::version5;
    EXPECT_EQ(import_form_ok(form), InputLayout::version5);
}

}  // namespace
}  // namespace kor
