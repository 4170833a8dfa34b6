#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "app/forms/GradeForm.h"

namespace kor {
namespace {

using Messages = std::vector<std::string>;

// The dialog's rows as a preset or the user leaves them: labels for rows
// 1..N, percentages for rows 1..N-1.
ProgramState rows(const std::vector<std::string>& labels,
                  const std::vector<std::string>& percents) {
    ProgramState state;
    state.settings.num_grade_cats = static_cast<int>(labels.size());
    for (std::size_t k = 0; k < labels.size(); ++k) {
        state.grade_form.lbl_grade[k + 1] = labels[k];
    }
    for (std::size_t k = 0; k < percents.size(); ++k) {
        state.grade_form.txt_grade[k + 1] = percents[k];
    }
    return state;
}

TEST(GradeScaleOk, TwelvePresetStoresPercentagesAndPaddedLabels) {
    ProgramState state = rows({"A   =", "A-  =", "B+  =", "B   =", "B-  =", "C+  =", "C   =",
                               "C-  =", "D+  =", "D   =", "D-  =", "F   "},
                              {"94", "91", "87", "84", "81", "77", "74", "71", "67", "64", "61"});

    Outcome outcome = grade_scale_ok(state);

    EXPECT_TRUE(outcome.accepted());
    EXPECT_TRUE(outcome.messages.empty());
    const double minimums[] = {94, 91, 87, 84, 81, 77, 74, 71, 67, 64, 61, 0};
    const char* labels[] = {"A   ", "A-  ", "B+  ", "B   ", "B-  ", "C+  ", "C   ",
                            "C-  ", "D+  ", "D   ", "D-  ", "F   ", "    "};
    for (std::size_t k = 1; k <= 12; ++k) {
        EXPECT_EQ(state.settings.grade_min_percent[k], minimums[k - 1]) << k;
    }
    for (std::size_t k = 1; k <= 13; ++k) {
        EXPECT_EQ(state.settings.grade_label[k], labels[k - 1]) << k;
    }
    EXPECT_EQ(state.settings.grade_min_percent_text[1], "94");
    EXPECT_TRUE(state.settings.grade_values_set);
}

TEST(GradeScaleOk, UserScaleCutsLabelsAcceptsRangeEndsAndZeroesUnusedMinimums) {
    ProgramState state = rows({"Excellent", "B", "F"}, {"100", "0"});
    state.settings.grade_min_percent[5] = 42.0;  // left from an earlier, larger scale

    ASSERT_TRUE(grade_scale_ok(state).accepted());

    EXPECT_EQ(state.settings.grade_label[1], "Exce");
    EXPECT_EQ(state.settings.grade_label[2], "B   ");
    EXPECT_EQ(state.settings.grade_min_percent[1], 100.0);
    EXPECT_EQ(state.settings.grade_min_percent[2], 0.0);
    EXPECT_EQ(state.settings.grade_min_percent[5], 0.0);
}

TEST(GradeScaleOk, PercentagesUseTheUsersSeparatorAndKeepTheirTypedText) {
    ProgramState state = rows({"A", "B", "C"}, {"80", "79,5"});
    state.decimal_separator = ',';

    ASSERT_TRUE(grade_scale_ok(state).accepted());
    EXPECT_EQ(state.settings.grade_min_percent[2], 79.5);
    EXPECT_EQ(state.settings.grade_min_percent_text[2], "79,5");

    state.grade_form.txt_grade[2] = "79.5";
    Outcome outcome = grade_scale_ok(state);
    EXPECT_EQ(outcome.messages, Messages{"Percentage must be a numeric value between 0-100"});
    EXPECT_EQ(outcome.focus, "txt_grade02");
}

TEST(GradeScaleOk, OutOfRangePercentagesAreRefusedAtTheirEdit) {
    for (const char* text : {"100.5", "-1"}) {
        ProgramState state = rows({"A", "B", "C"}, {"90", text});
        Outcome outcome = grade_scale_ok(state);
        EXPECT_EQ(outcome.messages, Messages{"Percentage must be between 0 and 100"}) << text;
        EXPECT_EQ(outcome.focus, "txt_grade02") << text;
        EXPECT_FALSE(state.settings.grade_values_set);
    }
}

TEST(GradeScaleOk, WhatWasStoredBeforeARefusalStays) {
    ProgramState state = rows({"A", "B", "C", "D"}, {"90", "abc", "50"});
    state.settings.grade_min_percent[2] = 33.0;

    EXPECT_TRUE(grade_scale_ok(state).refused);

    EXPECT_EQ(state.settings.grade_min_percent[1], 90.0);
    EXPECT_EQ(state.settings.grade_min_percent[2], 33.0);
    // Label 3 is stored before percentage 2 is read; label 4 is not reached.
    EXPECT_EQ(state.settings.grade_label[3], "C   ");
    EXPECT_EQ(state.settings.grade_label[4], "    ");
}

TEST(GradeScaleOk, MinimumsMustFallStrictlyAndOrderComesAfterTheRange) {
    ProgramState state = rows({"A", "B", "C", "D"}, {"90", "80", "80"});
    Outcome equal = grade_scale_ok(state);
    EXPECT_EQ(equal.messages, Messages{"Grades are not in numerical order (check Category 2 or 3"});
    EXPECT_EQ(equal.focus, "txt_grade03");

    state.grade_form.txt_grade[3] = "79.5";
    EXPECT_TRUE(grade_scale_ok(state).accepted());

    state.grade_form.txt_grade[1] = "50";
    state.grade_form.txt_grade[3] = "200";
    EXPECT_EQ(grade_scale_ok(state).messages, Messages{"Percentage must be between 0 and 100"});

    ProgramState thirteen =
        rows(std::vector<std::string>(13, "X"),
             {"95", "90", "85", "80", "75", "70", "65", "60", "55", "50", "45", "45"});
    Outcome last = grade_scale_ok(thirteen);
    EXPECT_EQ(last.messages,
              Messages{"Grades are not in numerical order (check Category 11 or 12"});
    EXPECT_EQ(last.focus, "txt_grade12");
}

TEST(GradeScaleOk, WithoutCategoriesNothingIsReadNorMarkedStored) {
    ProgramState state;
    state.grade_form.txt_grade[1] = "abc";

    EXPECT_TRUE(grade_scale_ok(state).accepted());
    // Marking the values as stored would make the presets show zero minimums.
    EXPECT_FALSE(state.settings.grade_values_set);
}

TEST(SelectNoGrading, ClearsScaleLetterBandsAndEdits) {
    ProgramState state = rows({"A", "B", "C", "D", "E"}, {"9", "8", "7", "6"});
    state.settings.grade_user_defined = true;
    state.settings.band_use_letters = true;
    state.settings.band_use_raw = false;

    select_no_grading(state);

    EXPECT_EQ(state.settings.num_grade_cats, 0);
    EXPECT_FALSE(state.settings.grade_user_defined);
    EXPECT_FALSE(state.settings.band_use_letters);
    EXPECT_FALSE(state.settings.band_use_raw);  // no other band unit is chosen for the user
    EXPECT_EQ(state.grade_form.scheme, GradeScheme::none);
    EXPECT_EQ(state.grade_form.lbl_grade[3], "");
    EXPECT_EQ(state.grade_form.txt_grade[4], "");
}

TEST(SelectUserScheme, FreshCountShowsEmptyRowsEndingInFail) {
    ProgramState state;

    EXPECT_TRUE(select_user_scheme(state, "4").messages.empty());

    EXPECT_EQ(state.settings.num_grade_cats, 4);
    EXPECT_TRUE(state.settings.grade_user_defined);
    EXPECT_EQ(state.grade_form.scheme, GradeScheme::user);
    EXPECT_EQ(state.grade_form.lbl_grade[1], "");
    EXPECT_EQ(state.grade_form.lbl_grade[4], "Fail");
    EXPECT_EQ(state.grade_form.txt_grade[3], "");
}

TEST(SelectUserScheme, StoredScaleIsShownSoThatOkReadsItBack) {
    ProgramState state = rows({"Good", "Ok", "Poor"}, {"80,5", "50"});
    state.decimal_separator = ',';
    ASSERT_TRUE(grade_scale_ok(state).accepted());

    select_user_scheme(state, "3");

    EXPECT_EQ(state.grade_form.lbl_grade[2], "Ok  ");
    EXPECT_EQ(state.grade_form.lbl_grade[3], "Poor");
    EXPECT_EQ(state.grade_form.txt_grade[1], "80,5");
    EXPECT_TRUE(grade_scale_ok(state).accepted());
    EXPECT_EQ(state.settings.grade_min_percent[1], 80.5);
}

TEST(SelectUserScheme, CountAboveThirteenOrNotWholeIsRefusedAndChangesNothing) {
    for (const char* text : {"14", "abc", "2.5"}) {
        ProgramState state;
        state.settings.num_grade_cats = 5;

        Outcome outcome = select_user_scheme(state, text);

        EXPECT_EQ(outcome.messages,
                  Messages{"Number of Categories must be a whole number between 2-13"})
            << text;
        EXPECT_EQ(outcome.focus, "txt_num_cats") << text;
        EXPECT_EQ(state.settings.num_grade_cats, 5) << text;
    }
}

TEST(SelectUserScheme, CountBelowTwoIsIgnoredAndEmptyKeepsTheCount) {
    ProgramState state;
    state.settings.num_grade_cats = 5;
    EXPECT_TRUE(select_user_scheme(state, "1").messages.empty());
    EXPECT_EQ(state.settings.num_grade_cats, 5);
    EXPECT_EQ(state.grade_form.lbl_grade[5], "");

    EXPECT_TRUE(select_user_scheme(state, "").messages.empty());
    EXPECT_EQ(state.grade_form.lbl_grade[5], "Fail");
}

TEST(GradeDialogRows, EachSchemeShowsItsRowsAndSentence) {
    ProgramState state;
    select_grade_preset(state, 5);
    EXPECT_EQ(state.grade_form.rows_shown, 5);
    EXPECT_EQ(state.grade_form.lbl_set, "Set the minimum percentages for each Grading Category:");

    select_user_scheme(state, "3");
    EXPECT_EQ(state.grade_form.rows_shown, 3);
    EXPECT_EQ(state.grade_form.lbl_set,
              "Name your Grading Categories and set the minimum percentages for each category:");

    select_no_grading(state);
    EXPECT_EQ(state.grade_form.rows_shown, 0);
    EXPECT_EQ(state.grade_form.lbl_set, "");
}

// The box reacts to every change of its text: typing "14" passes "1" first.
TEST(GradeDialogRows, EveryChangeOfTheCountHidesTheRowsAndAValidCountShowsThem) {
    ProgramState state;
    select_user_scheme(state, "4");

    EXPECT_TRUE(grade_count_changed(state, "1").messages.empty());
    EXPECT_EQ(state.grade_form.rows_shown, 0);
    EXPECT_EQ(state.settings.num_grade_cats, 4);

    const Outcome refused = grade_count_changed(state, "14");
    EXPECT_EQ(refused.messages,
              Messages{"Number of Categories must be a whole number between 2-13"});
    EXPECT_EQ(refused.focus, "txt_num_cats");
    EXPECT_EQ(state.grade_form.rows_shown, 0);
    EXPECT_EQ(state.grade_form.txt_num_cats, "14");

    EXPECT_TRUE(grade_count_changed(state, "6").messages.empty());
    EXPECT_EQ(state.grade_form.rows_shown, 6);
    EXPECT_EQ(state.settings.num_grade_cats, 6);
    EXPECT_EQ(state.grade_form.lbl_grade[6], "Fail");
}

}  // namespace
}  // namespace kor
