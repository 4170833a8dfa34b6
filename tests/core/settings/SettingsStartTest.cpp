#include <gtest/gtest.h>

#include <memory>

#include "app/ProgramState.h"

namespace kor {
namespace {

TEST(StartValues, AFreshStateHoldsTheProgramsStartSettings) {
    auto state = std::make_unique<ProgramState>();
    const AnalysisSettings& s = state->settings;
    EXPECT_TRUE(s.sort_exam_none && !s.sort_exam_label && !s.sort_exam_score);
    EXPECT_TRUE(s.sort_item_number && !s.sort_item_diff && !s.sort_item_disc && !s.sort_item_pbis &&
                !s.sort_item_adjp);
    EXPECT_TRUE(s.band_use_raw && !s.band_use_percent && !s.band_use_letters);
    EXPECT_TRUE(s.grade_round_percent);
    EXPECT_TRUE(s.print_grades_on_reports);
    EXPECT_TRUE(s.suggest_problem_items);
    EXPECT_FALSE(s.problem_criteria_off);
    EXPECT_DOUBLE_EQ(s.crit_p_low, 0.20);
    EXPECT_DOUBLE_EQ(s.crit_p_high, 0.95);
    EXPECT_EQ(s.crit_disc, 0.0);
    EXPECT_EQ(s.upper_group_percent_text, "27");
    EXPECT_EQ(s.lower_group_percent_text, "27");
    EXPECT_EQ(s.num_grade_cats, 0);
    EXPECT_EQ(s.grade_label[1], "");
    EXPECT_EQ(s.grade_min_percent_text[12], "");
    EXPECT_FALSE(s.grade_user_defined);
    EXPECT_FALSE(s.grade_values_set);
    EXPECT_EQ(s.user_cats_entered, 2);
    EXPECT_TRUE(s.auto_save_kor_file);
    EXPECT_TRUE(s.save_exm_file && s.save_itm_file && s.save_opt_file && !s.save_rpt_file);
    EXPECT_DOUBLE_EQ(s.sb_target_reliability, 0.8);

    const TTestData& d = state->data;
    EXPECT_EQ(d.max_options, 8);
    EXPECT_EQ(d.max_examinees, 9999);
    EXPECT_FALSE(d.partial_credit_on);
    EXPECT_EQ(d.mc_item_points, 1.0);
    EXPECT_EQ(d.pc_total_points, 0);
    EXPECT_FALSE(d.data_are_right_wrong);
    EXPECT_FALSE(d.original_lines_saved);
    EXPECT_TRUE(d.show_alt_dialog);
    EXPECT_FALSE(d.alt_answers_set || d.include_changed);
    EXPECT_EQ(d.num_content_areas + d.num_cognitive_levels, 0);
    EXPECT_EQ(state->editor.missing_data, "9");
    EXPECT_EQ(shown_data_set_name(*state), "UNSAVED");
}

}  // namespace
}  // namespace kor
