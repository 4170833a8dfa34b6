// The quick reports of small data sets run through the analysis, checked
// whole against values computed by hand.
//
// Five examinees S01..S05 on four items keyed ABCD score 4, 3, 2, 1, 0:
// mean 2, variance 2, item p .8 .6 .4 .2, KR20 = 4/3 (2 - .8)/2 = .8 and
// SEM = sqrt(.2) sqrt(2) = .632, so S01 has bands 3.4-4.0 (clamped) and
// 2.7-4.0, and S05 has 0.0 (clamped)-0.6 and 0.0-1.3.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/data/Loader.h"
#include "reports/Ident.h"
#include "reports/QuickExaminees.h"
#include "reports/QuickItems.h"
#include "reports/QuickOptions.h"
#include "support/DataSets.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

const std::string equals74(74, '=');

std::unique_ptr<ProgramState> analysed(const std::string& key, const std::string& options,
                                       const Lines& data,
                                       const std::function<void(ProgramState&)>& setup = {}) {
    auto state = testing::typed({.title = "Hand check",
                                 .label_length = 3,
                                 .key = key,
                                 .options = options,
                                 .include = std::string(key.size(), 'Y'),
                                 .lines = data});
    if (setup) {
        setup(*state);
    }
    Outcome loaded = load_test_data(*state);
    EXPECT_FALSE(loaded.refused) << (loaded.messages.empty() ? "" : loaded.messages.back());
    EXPECT_FALSE(run_analysis(*state).refused);
    return state;
}

void five_category_scale(ProgramState& state) {
    AnalysisSettings& s = state.settings;
    s.num_grade_cats = 5;
    const char* labels[] = {"A   ", "B   ", "C   ", "D   ", "F   "};
    const char* cuts[] = {"90", "80", "70", "60"};
    for (std::size_t c = 1; c <= 5; ++c) {
        s.grade_label[c] = labels[c - 1];
        if (c <= 4) {
            s.grade_min_percent_text[c] = cuts[c - 1];
            s.grade_min_percent[c] = std::stod(cuts[c - 1]);
        }
    }
}

const Lines five_examinees = {"S01ABCD", "S02ABCA", "S03ABAA", "S04AAAA", "S05BAAA"};

TEST(QuickExamineeReports, NumberCorrectWithGradesAndRawBands) {
    auto state = analysed("ABCD", "4444", five_examinees, five_category_scale);
    EXPECT_EQ(examinee_output(*state),
              (Lines{"    Total          Ltr    ~68% C.I.     ~95% C.I. ",
                     "ID  Score Percent Grade  (Raw Score)   (Raw Score)",
                     "--- ----- ------- ----- ------------- -------------",
                     "S01    4  100.00%  A     ( 3.4-  4.0)  ( 2.7-  4.0) ",
                     "S02    3   75.00%  C     ( 2.4-  3.6)  ( 1.7-  4.0) ",
                     "S03    2   50.00%  F     ( 1.4-  2.6)  ( 0.7-  3.3) ",
                     "S04    1   25.00%  F     ( 0.4-  1.6)  ( 0.0-  2.3) ",
                     "S05    0    0.00%  F     ( 0.0-  0.6)  ( 0.0-  1.3) ",
                     equals74,
                     "These results have not been sorted (i.e., they are in Data Editor order)",
                     equals74,
                     "Grading Scale:  A   = 90, B   = 80, C   = 70, D   = 60",
                     equals74,
                     "",
                     "Number of Examinees = 5",
                     "Total Possible Score= 4",
                     "Minimum Score       = 0.000 = 0.0%",
                     "Maximum Score       = 4.000 = 100.0%",
                     "Median Score        = 2.000 = 50.0%",
                     "Mean Score          = 2.000 = 50.0%",
                     "Standard Deviation  = 1.414",
                     "Variance            = 2.000",
                     "Skewness            = 0.000",
                     "Kurtosis            = -1.300"}));
}

TEST(QuickExamineeReports, SortedByScoreListsTheLowestFirst) {
    auto state = analysed("ABCD", "4444", five_examinees, [](ProgramState& s) {
        s.settings.sort_exam_none = false;
        s.settings.sort_exam_score = true;
    });
    const Lines lines = examinee_output(*state);
    EXPECT_EQ(lines[3].substr(0, 3), "S05");
    EXPECT_EQ(lines[7].substr(0, 3), "S01");
    EXPECT_EQ(lines[9], "These results have been sorted by score");
    EXPECT_EQ(lines[10], equals74);  // no grading scale
    EXPECT_EQ(lines[11], "");
}

// Two points per item and up to 10 partial-credit points: total 18, points
// 18, 11, 4, 9, 3 with mean 9 and variance 29.2; bands still from the
// number correct, as percentages of the four items.
void partial_credit(ProgramState& state) {
    five_category_scale(state);
    state.data.partial_credit_on = true;
    state.data.mc_item_points = 2.0;
    state.editor.options += "10";
    const char* points[] = {"10", "05", "00", "07", "03"};
    for (std::size_t i = 0; i < state.editor.data_lines.size(); ++i) {
        state.editor.data_lines[i] += points[i];
    }
    state.settings.band_use_raw = false;
    state.settings.band_use_percent = true;
}

TEST(QuickExamineeReports, PartialCreditWithPercentBands) {
    auto state = analysed("ABCD", "4444", five_examinees, partial_credit);
    const Lines lines = examinee_output(*state);
    const Lines list(lines.begin(), lines.begin() + 10);
    EXPECT_EQ(list, (Lines{"          Both MC & PC Items            for MC items ONLY    ",
                           "    ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^   ^^^^^^^^^^^^^^^^^^^^^^^ ",
                           "      MC  Part Total          Ltr    ~68% C.I.     ~95% C.I. ",
                           "ID  Items Cred Score Percent Grade   (Percents)    (Percents)",
                           "--- ----- ---- ----- ------- ----- ------------- -------------",
                           "S01    4   10   18.0 100.00%  A     (84.2-100.0)  (68.4-100.0) ",
                           "S02    3    5   11.0  61.11%  D     (59.2- 90.8)  (43.4-100.0) ",
                           "S03    2    0    4.0  22.22%  F     (34.2- 65.8)  (18.4- 81.6) ",
                           "S04    1    7    9.0  50.00%  F     ( 9.2- 40.8)  ( 0.0- 56.6) ",
                           "S05    0    3    3.0  16.67%  F     ( 0.0- 15.8)  ( 0.0- 31.6) "}));
    EXPECT_EQ(lines[lines.size() - 9], "Total Possible Score= 18.0 (4*2 MC + 10 PC)");

    EXPECT_EQ(
        quick_examinee_results(*state),
        (Lines{
            "", "Number of Examinees = 5", "Total Possible Score= 18.0",
            " (4*2 MC points + 10 Partial Credit)", "Minimum Score       = 3.000 = 16.7%",
            "Maximum Score       = 18.000 = 100.0%", "Median Score        = 9.000 = 50.0%",
            "Mean Score          = 9.000 = 50.0%", "Standard Deviation  = 5.404",
            "Variance            = 29.200", "Skewness            = 0.502",
            "Kurtosis            = -1.007", std::string(38, '-'),
            "Click the \"View Examinee Output\" button above to VIEW or SAVE or PRINT the detailed "
            "Examinee results or hit F5 on your keyboard (similarly for detailed Items and Options "
            "output, but FULL TEST does not include Options or Examinee)."}));
}

// A fifth item keyed 9 counts for everybody: scores 5..1, p .8 .6 .4 .2 1,
// groups of one (S01 and S05). Item 1: pbis = 2 (3.5 - 3)/sqrt 2 = .71 and
// adjusted (1 - .4)/sqrt(1.36) = .51; items 2 and 3: .87 and .72. Item 4 is
// at the low difficulty criterion, item 5 above the high one.
const Lines key_nine_examinees = {"S01ABCDA", "S02ABCAB", "S03ABAAC", "S04AAAAD", "S05BAAA."};

TEST(QuickItemReports, TableNotesSummaryAndProblems) {
    auto state = analysed("ABCD9", "44444", key_nine_examinees);
    EXPECT_EQ(item_output(*state),
              (Lines{"              Number  Item Disc.  # Correct   # Correct    Point Adj  ",
                     "Item    Key   Correct Diff Index in High Grp  in Low Grp   Biser PtBis",
                     "------- ----- ------- ---- ----- ------------ ------------ ----- -----",
                     "Item 01 (1 )       4  0.80  1.00     1 (1.00)     0 (0.00)  0.71  0.51",
                     "Item 02 (2 )       3  0.60  1.00     1 (1.00)     0 (0.00)  0.87  0.72",
                     "Item 03 (3 )       2  0.40  1.00     1 (1.00)     0 (0.00)  0.87  0.72",
                     "Item 04 (4 )#      1  0.20  1.00     1 (1.00)     0 (0.00)  0.71  0.51",
                     "Item 05 (9*)#      5  1.00  0.00     1 (1.00)     1 (1.00)  ****  ****",
                     equals74,
                     "* indicates that there are multiple correct answers for the item",
                     "# marks potential problems (p<0.2 or p>0.95, D<0, pbis<0, adjpbis<0)",
                     "These results have been sorted by item number",
                     equals74,
                     "",
                     "Number of Items Excluded   = 0",
                     "Number of Items Analyzed   = 5",
                     "Mean Item Difficulty       = 0.600",
                     "Mean Discrimination Index  = 0.800",
                     "Mean Point Biserial        = 0.787",
                     "Mean Adj. Point Biserial   = 0.618",
                     "KR20 (Alpha)               = 0.750",
                     "KR21                       = 0.500",
                     "SEM (from KR20)            = 0.707",
                     "High Grp Min Score (n=1)   = 5.000",
                     "Low Grp Max Score (n=1)    = 1.000",
                     std::string(39, '-'),
                     "# Potential Problem Items  = 2",
                     "defined as:    difficulty <= 0.20(1)",
                     "        or:    difficulty >= 0.95(1)",
                     "        or:       D index <= 0.00(1)",
                     "        or: AdjPtBiserial <= 0.00(0)"}));
    const Lines output = item_output(*state);
    EXPECT_EQ(quick_item_results(*state), Lines(output.end() - 18, output.end()));
}

TEST(QuickItemReports, ExcludedItemsWithoutProblemSuggestions) {
    auto state = analysed("ABCD9", "44444", key_nine_examinees, [](ProgramState& s) {
        s.editor.include = "YNYYY";
        s.settings.suggest_problem_items = false;
    });
    const Lines lines = item_output(*state);
    EXPECT_EQ(lines[3].substr(0, 13), "Item 01 (1 ) ");
    EXPECT_EQ(lines[4].substr(0, 13), "Item 03 (3 ) ");
    EXPECT_EQ(lines[6].substr(0, 13), "Item 05 (9*) ");
    EXPECT_EQ(lines[8], "* indicates that there are multiple correct answers for the item");
    EXPECT_EQ(lines[9], "These results have been sorted by item number");
    EXPECT_EQ(lines[11], "Items Excluded from Analysis:  2");
    EXPECT_EQ(lines[12], equals74);
    EXPECT_EQ(lines[14], "Number of Items Excluded   = 1");
    EXPECT_EQ(lines.back().rfind("Low Grp Max Score", 0), 0u);
}

TEST(QuickOptionsReport, OpeningItemsAndClosing) {
    auto state = analysed("ABCD9", "44444", key_nine_examinees);
    const Lines lines = quick_options_report(*state);
    const std::string rule4 = "---- ----- ------------- ------------- ------------- -------------";
    const Lines opening(lines.begin(), lines.begin() + 11);
    EXPECT_EQ(opening,
              (Lines{"TITLE:   Hand check", "COMMENT: ", std::string(75, '*'),
                     "Quick Options Analysis", std::string(75, '*'),
                     "* is keyed answer, # is option that discriminates better than keyed answer",
                     std::string(75, '~'), "", rule4,
                     "Item Group    Option 1      Option 2      Option 3      Option 4  ", rule4}));
    const Lines item1(lines.begin() + 11, lines.begin() + 16);
    EXPECT_EQ(item1,
              (Lines{"  1  TOTAL     4*(0.800)     1 (0.200)     0 (0.000)     0 (0.000)",
                     "     High      1 (1.000)     0 (0.000)     0 (0.000)     0 (0.000)",
                     "     Low       0 (0.000)     1 (1.000)     0 (0.000)     0 (0.000)",
                     "     Diff      1 (1.000)    -1(-1.000)     0 (0.000)     0 (0.000)", ""}));
    // Key 9: every option counts as correct; option 1 parts the groups
    // better than the item (D = 0), the others only as well.
    const Lines item5(lines.begin() + 31, lines.begin() + 36);
    EXPECT_EQ(item5,
              (Lines{"  5  TOTAL     1*(0.200)     1*(0.200)     1*(0.200)     1*(0.200)",
                     "     High      1 (1.000)     0 (0.000)     0 (0.000)     0 (0.000)",
                     "     Low       0 (0.000)     0 (0.000)     0 (0.000)     0 (0.000)",
                     "     Diff      1#(1.000)     0 (0.000)     0 (0.000)     0 (0.000)", ""}));
    Lines closing{"", std::string(42, '~')};
    for (const std::string_view line : ident) {
        closing.emplace_back(line);
    }
    EXPECT_EQ(Lines(lines.begin() + 36, lines.end()), closing);
}

TEST(QuickOptionsReport, HeadingOnlyBeforeItemsOneSixElevenThatAreIncluded) {
    const Lines eleven = {"S01ABCDABCDABC", "S02ABCAABCAABC", "S03BAAADCBADCB"};
    const auto headings = [](const ProgramState& state) {
        int count = 0;
        for (const std::string& line : quick_options_report(state)) {
            count += line.rfind("Item Group", 0) == 0 ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(headings(*analysed("ABCDABCDABC", "44444444444", eleven)), 3);
    EXPECT_EQ(headings(*analysed("ABCDABCDABC", "44444444444", eleven,
                                 [](ProgramState& s) { s.editor.include = "YYYYYNYYYYY"; })),
              2);
}

}  // namespace
}  // namespace kor
