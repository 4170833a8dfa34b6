// The settings steps the examples go through: the grading scale's preset
// schemes and "Use Program Defaults", and what "Go To Data Editor" does to
// the program state.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "app/ProgramState.h"
#include "app/forms/GradeForm.h"
#include "app/forms/MainCommands.h"

namespace kor {
namespace {

TEST(GradePresets, TwelveCategoriesStoreTheirOwnMinimumsAndLabels) {
    auto state = std::make_unique<ProgramState>();
    select_grade_preset(*state, 12);
    EXPECT_EQ(state->grade_form.scheme, GradeScheme::twelve);
    EXPECT_EQ(state->grade_form.lbl_grade[1], "A   =");
    EXPECT_EQ(state->grade_form.lbl_grade[12], "F   ");
    EXPECT_EQ(state->grade_form.txt_grade[11], "61");
    ASSERT_TRUE(grade_scale_ok(*state).accepted());
    const AnalysisSettings& s = state->settings;
    const double minimums[] = {94, 91, 87, 84, 81, 77, 74, 71, 67, 64, 61};
    const char* labels[] = {"A   ", "A-  ", "B+  ", "B   ", "B-  ", "C+  ",
                            "C   ", "C-  ", "D+  ", "D   ", "D-  ", "F   "};
    for (std::size_t k = 1; k <= 12; ++k) {
        EXPECT_EQ(s.grade_label[k], labels[k - 1]) << k;
        if (k < 12) {
            EXPECT_EQ(s.grade_min_percent[k], minimums[k - 1]) << k;
        }
    }
    EXPECT_EQ(s.num_grade_cats, 12);
    EXPECT_FALSE(s.grade_user_defined);
    EXPECT_TRUE(s.grade_values_set);
}

TEST(GradePresets, TwoCategoriesArePassAndFail) {
    auto state = std::make_unique<ProgramState>();
    select_grade_preset(*state, 2);
    EXPECT_EQ(state->grade_form.txt_grade[1], "70");
    EXPECT_EQ(state->grade_form.txt_grade[2], "");
    ASSERT_TRUE(grade_scale_ok(*state).accepted());
    EXPECT_EQ(state->settings.grade_label[1], "Pass");
    EXPECT_EQ(state->settings.grade_label[2], "Fail");
    EXPECT_EQ(state->settings.grade_min_percent[1], 70.0);
}

// Once a scale is stored the presets show it; the defaults button brings
// back the preset's own values, which OK then stores.
TEST(GradePresets, StoredMinimumsShowUntilTheDefaultsAreAsked) {
    auto state = std::make_unique<ProgramState>();
    select_grade_preset(*state, 5);
    state->grade_form.txt_grade[1] = "82.5";
    ASSERT_TRUE(grade_scale_ok(*state).accepted());

    select_grade_preset(*state, 5);
    EXPECT_EQ(state->grade_form.txt_grade[1], "82.5");
    EXPECT_EQ(state->grade_form.txt_grade[2], "81");
    use_program_defaults(*state);
    EXPECT_EQ(state->grade_form.txt_grade[1], "91");
    EXPECT_EQ(state->grade_form.lbl_grade[1], "A-  = ");
    EXPECT_EQ(state->grade_form.lbl_grade[5], "F   ");
    EXPECT_EQ(state->settings.grade_min_percent[1], 82.5);  // nothing stored before OK
    ASSERT_TRUE(grade_scale_ok(*state).accepted());
    EXPECT_EQ(state->settings.grade_min_percent[1], 91.0);
    EXPECT_EQ(state->settings.grade_label[1], "A-  ");
}

TEST(GradePresets, DefaultsEmptyTheUserSchemeAndLeaveNoGradingAlone) {
    auto state = std::make_unique<ProgramState>();
    select_user_scheme(*state, "3");
    state->grade_form.lbl_grade[1] = "Good";
    state->grade_form.txt_grade[1] = "75";
    use_program_defaults(*state);
    EXPECT_EQ(state->grade_form.lbl_grade[1], "");
    EXPECT_EQ(state->grade_form.txt_grade[1], "");

    select_no_grading(*state);
    state->grade_form.txt_grade[1] = "typed";
    use_program_defaults(*state);
    EXPECT_EQ(state->grade_form.txt_grade[1], "typed");
}

// As when a scale file names a count that is no preset.
TEST(GradePresets, AnyOtherCountSelectsNoGrading) {
    auto state = std::make_unique<ProgramState>();
    select_grade_preset(*state, 12);
    state->settings.band_use_letters = true;
    select_grade_preset(*state, 7);
    EXPECT_EQ(state->settings.num_grade_cats, 0);
    EXPECT_EQ(state->grade_form.scheme, GradeScheme::none);
    EXPECT_EQ(state->grade_form.lbl_grade[1], "");
    EXPECT_FALSE(state->settings.band_use_letters);
}

// ------------------------------------------------------------ Go To Data Editor

std::unique_ptr<ProgramState> state_with_data_from_a_file() {
    auto state = std::make_unique<ProgramState>();
    TTestData& data = state->data;
    data.original_lines_saved = true;
    data.data_are_right_wrong = true;
    data.opened_from_file = true;
    data.data_set_name = "quiz.kor";
    data.data_loaded = true;
    data.include_changed = true;
    data.alt_answers_set = true;
    state->analyze_on_return = true;
    state->settings.band_use_raw = false;
    state->settings.band_use_letters = true;
    return state;
}

TEST(GoToDataEditor, EditingKeepsTheDataAndTheRightWrongState) {
    auto state = state_with_data_from_a_file();
    go_to_data_editor(*state, InputMode::edit_data);
    const TTestData& data = state->data;
    EXPECT_EQ(data.editor_start_mode, start_nothing);
    EXPECT_TRUE(data.original_lines_saved);
    EXPECT_TRUE(data.data_are_right_wrong);
    EXPECT_TRUE(data.opened_from_file);
    EXPECT_EQ(data.data_set_name, "quiz.kor");
    EXPECT_FALSE(data.data_loaded);
    EXPECT_FALSE(data.include_changed);
    EXPECT_FALSE(data.alt_answers_set);
    EXPECT_TRUE(data.editor_load_failed);
    EXPECT_FALSE(state->analyze_on_return);
    EXPECT_TRUE(state->settings.band_use_raw);
    EXPECT_FALSE(state->settings.band_use_letters);
}

TEST(GoToDataEditor, EveryOtherModeStartsANewDataSet) {
    const std::pair<InputMode, int> modes[] = {{InputMode::enter_new_data, start_new},
                                               {InputMode::open_kor_file, start_open_file},
                                               {InputMode::insert_text_file, start_insert_text},
                                               {InputMode::generate_data, start_generate}};
    for (const auto& [mode, start] : modes) {
        auto state = state_with_data_from_a_file();
        go_to_data_editor(*state, mode);
        const TTestData& data = state->data;
        EXPECT_EQ(data.editor_start_mode, start);
        EXPECT_FALSE(data.original_lines_saved);
        EXPECT_FALSE(data.data_are_right_wrong);
        EXPECT_FALSE(data.opened_from_file);
        EXPECT_EQ(shown_data_set_name(*state), "UNSAVED");
        EXPECT_TRUE(state->settings.band_use_raw);
    }
}

}  // namespace
}  // namespace kor
