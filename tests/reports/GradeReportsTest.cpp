// The individual grade reports in both forms, on small data sets typed as a
// user would: the instructor list, its pages, the item markers and the
// size limits.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/Analyze.h"
#include "app/ProgramState.h"
#include "core/data/Loader.h"
#include "reports/FullReport.h"
#include "reports/GradeReports.h"
#include "reports/Ident.h"
#include "support/DataSets.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

// A quiz with three-character labels and four options to every item.
std::unique_ptr<ProgramState> typed(const std::string& key, const std::string& include,
                                    const Lines& lines) {
    return testing::typed({.title = "Quiz",
                           .label_length = 3,
                           .key = key,
                           .options = std::string(key.size(), '4'),
                           .include = include,
                           .lines = lines});
}

void analyse(ProgramState& state) {
    ASSERT_FALSE(close_editor(state, EditorExit::close_and_analyze).show_editor_again);
    ASSERT_FALSE(analyze_and_report(state).refused);
}

// The lines from the one equal to `first` on, `count` of them.
Lines from(const Lines& lines, const std::string& first, std::size_t count) {
    auto start = std::find(lines.begin(), lines.end(), first);
    if (start == lines.end()) {
        return {"<" + first + " not found>"};
    }
    const auto left = static_cast<std::size_t>(lines.end() - start);
    return Lines(start, start + static_cast<std::ptrdiff_t>(std::min(count, left)));
}

// No wrong answer, six and seven wrong answers; S02 and S03 are in the bottom group.
std::unique_ptr<ProgramState> three_examinees() {
    return typed("AAAAAAAA", "YYYYYYYY", {"S01AAAAAAAA", "S02BBBBBBAA", "S03BBBBBBBA"});
}

TEST(GradeList, WrongAnswersRunSixToALineThenContinueUnderTheFirst) {
    auto state = three_examinees();
    analyse(*state);
    const Lines view = grade_report_view(*state).lines;
    EXPECT_EQ(
        from(view, "EXAMINEE ANALYSIS--ONLY MULTIPLE CHOICE (total out of 8 included items)", 8),
        (Lines{"EXAMINEE ANALYSIS--ONLY MULTIPLE CHOICE (total out of 8 included items)",
               std::string(72, '*'), "", "S01   8=100.0%", "",
               "S02   2=25.0%  # 1-2  # 2-2  # 3-2  # 4-2  # 5-2  # 6-2", "",
               "S03   1=12.5%  # 1-2  # 2-2  # 3-2  # 4-2  # 5-2  # 6-2"}));
    EXPECT_EQ(from(view, "S03   1=12.5%  # 1-2  # 2-2  # 3-2  # 4-2  # 5-2  # 6-2", 3)[1],
              std::string(13, ' ') + "  # 7-2");
}

TEST(GradeList, FileFormOpensWithPrefaceHeaderScaleAndKeys) {
    auto state = three_examinees();
    analyse(*state);
    const Lines file = grade_report_file(*state).lines;
    Lines expected{"For best results,",
                   "  set font to COURIER or COURIER NEW 9-10 Point, ",
                   "  turn WORD WRAP on, and/or reduce margins.",
                   "",
                   std::string(54, '*'),
                   ""};
    const Lines id = ident_lines();
    expected.insert(expected.end(), id.begin(), id.end());
    const Lines rest{"",
                     std::string(54, '*'),
                     "",
                     "\f",
                     "Quiz",
                     std::string(61, '~'),
                     "Instructor List of Scores and Wrong Answers (page 1)",
                     std::string(61, '~'),
                     "1=Aa1, 2=Bb2, 3=Cc3, 4=Dd4, 5=Ee5, 9=Missing, X=Excluded Item",
                     std::string(61, '~'),
                     "",
                     "  ===============================",
                     "  GRADING SCALE (in Percentages):",
                     "  ===============================",
                     "",
                     "",
                     "  ============================",
                     "  CORRECT ANSWERS (Item#-Key):",
                     "  ============================",
                     "  # 1-1  # 2-1  # 3-1  # 4-1  # 5-1  # 6-1  # 7-1  # 8-1",
                     "",
                     "",
                     std::string(72, '*')};
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(Lines(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(expected.size())),
              expected);
}

TEST(GradeReport, IndividualPagesInBothForms) {
    auto state = three_examinees();
    analyse(*state);
    const Lines file = grade_report_file(*state).lines;
    EXPECT_EQ(
        from(file, "Individual Grade Report for: S03", 17),
        (Lines{"Individual Grade Report for: S03", std::string(62, '~'),
               "Total Items Correct = 1 (12.50%) ", std::string(62, '*'),
               "Possible=8.0, Mean=3.7, SD=3.1, Min=1.0, Mdn=2.0, Max=8.0", std::string(62, '*'),
               "Item     Your    Correct   ", "Number Response  Answer    ",
               "   1       2-       1  ", "   2       2-       1  ", "   3       2-       1  ",
               "   4       2-       1  ", "   5       2-       1  ", "   6       2-       1  ",
               "   7       2-       1  ", "   8       1           ", std::string(73, '*')}));
    EXPECT_EQ(file.back(),
              "# means p<.30, - means wrong, * means >1 correct option, & means excluded");
    // Reports are separated by form feeds, none after the last.
    EXPECT_EQ(std::count(file.begin(), file.end(), "\f"), 1 + 3);

    const Lines view = grade_report_view(*state).lines;
    EXPECT_EQ(
        from(view, "Individual Grade Report for: S03", 11),
        (Lines{"Individual Grade Report for: S03", std::string(62, '~'),
               "Total Items Correct = 1 (12.50%) ", std::string(62, '*'),
               "Possible=8.0, Mean=3.7, SD=3.1, Min=1.0, Mdn=2.0, Max=8.0", std::string(62, '*'),
               "Item     Your    Correct", "Number Response  Answer ", "------ -------- --------",
               "  1        2-       1  ", "  2        2-       1  "}));
    EXPECT_EQ(view.back(), "*: multiple options counted correct, &: items excluded from total");
    EXPECT_EQ(std::count(view.begin(), view.end(), "\f"), 3);
}

TEST(GradeReport, MarkersForKeyNineExcludedAndHardItems) {
    // Item 2 keyed 9, item 3 excluded, item 4 answered right by one of four.
    auto state = typed("A9AA", "YYNY", {"S01BBBA", "S02A.BB", "S03AABB", "S04AAAB"});
    analyse(*state);
    const Lines view = grade_report_view(*state).lines;
    // Key-9 answers are never wrong; the excluded item's wrong answer is still listed.
    EXPECT_EQ(from(view, "S02   2=66.7%  # 3-2  # 4-2", 1)[0], "S02   2=66.7%  # 3-2  # 4-2");
    EXPECT_EQ(
        from(view, "Individual Grade Report for: S02", 13),
        (Lines{"Individual Grade Report for: S02", std::string(62, '~'),
               "Total Items Correct = 2 (66.67%) ", std::string(62, '*'),
               "Possible=3.0, Mean=2.0, SD=0.0, Min=2.0, Mdn=2.0, Max=2.0", std::string(62, '*'),
               "Item     Your    Correct", "Number Response  Answer ", "------ -------- --------",
               "  1        1           ", "  2     Missing        ", "  3        2-       1& ",
               "  4        2-       1  "}));
    const Lines file = grade_report_file(*state).lines;
    EXPECT_EQ(from(file, "Individual Grade Report for: S01", 12).back(), "   4       1         # ");
    EXPECT_EQ(from(file, "Individual Grade Report for: S01", 10).back(), "   2       2         * ");
    EXPECT_EQ(from(file, "Individual Grade Report for: S02", 10).back(), "   2    Missing        ");
}

TEST(GradeReport, SixtyItemsTakeTwoColumnsForTheFirstTenRows) {
    const std::string key(60, 'A');
    auto state =
        typed(key, std::string(60, 'Y'), {"S01" + key, "S02" + std::string(59, 'A') + "B"});
    analyse(*state);
    const Lines view = grade_report_view(*state).lines;
    const Lines table = from(view, "Individual Grade Report for: S02", 60);
    EXPECT_EQ(table[6], "Item     Your    Correct   |   Item     Your    Correct ");
    EXPECT_EQ(table[8], "------ -------- --------   |   ------ -------- -------- ");
    EXPECT_EQ(table[9], "  1        1               |    51        1           ");
    EXPECT_EQ(table[18], " 10        1               |    60        2-       1  ");
    EXPECT_EQ(table[19], " 11        1           ");
    EXPECT_EQ(table[58], " 50        1           ");
    EXPECT_EQ(table[59], std::string(65, '*'));
}

TEST(GradeList, APageIsFullWhenItsCounterPassesFiftyTwo) {
    Lines lines;
    for (int i = 1; i <= 60; ++i) {
        lines.push_back((i < 10 ? "S0" : "S") + std::to_string(i) + "AAAAAAAA");
    }
    auto state = typed("AAAAAAAA", "YYYYYYYY", lines);
    analyse(*state);
    const Lines file = grade_report_file(*state).lines;
    const std::string s16 = "S16   8=100.0%";
    EXPECT_EQ(from(file, s16, 6), (Lines{s16, "\f", "Quiz", std::string(60, '~'),
                                         "Instructor List of Scores and Wrong Answers (page 2)",
                                         std::string(60, '~')}));
    EXPECT_EQ(from(file, "S41   8=100.0%", 5)[4],
              "Instructor List of Scores and Wrong Answers (page 3)");
    EXPECT_EQ(from(file, "Instructor List of Scores and Wrong Answers (page 4)", 1)[0][0], '<');
}

TEST(GradeReport, GradesShowOnlyWhenPrintedAndScaled) {
    auto state = three_examinees();
    AnalysisSettings& s = state->settings;
    s.num_grade_cats = 2;
    s.grade_label[1] = "P";
    s.grade_label[2] = "F";
    s.grade_min_percent[1] = 50.0;
    s.grade_min_percent_text[1] = "50";
    analyse(*state);
    Lines view = grade_report_view(*state).lines;
    EXPECT_EQ(from(view, "Individual Grade Report for: S01", 3)[2],
              "Total Items Correct = 8 (100.00%) (Grade = P)");
    EXPECT_EQ(from(view, "  GRADING SCALE (in Percentages):", 4)[3].rfind("  Grading Scale:", 0),
              0u);
    state->settings.print_grades_on_reports = false;
    view = grade_report_view(*state).lines;
    EXPECT_EQ(from(view, "Individual Grade Report for: S01", 3)[2],
              "Total Items Correct = 8 (100.00%) ");
}

TEST(GradeReport, AlternativeAnswersAreListed) {
    auto state = testing::sample_set_1();
    analyse(*state);
    const Lines file = grade_report_file(*state).lines;
    EXPECT_EQ(from(file, "  ALTERNATIVE CORRECT ANSWERS:", 4)[2],
              "  Item # 1, Correct Answers: 3 1 2 4           ");
    EXPECT_EQ(from(file, "  ITEMS EXCLUDED FROM ANALYSIS:", 3)[2], "  # 9  #45");
    const Lines view = grade_report_view(*state).lines;
    EXPECT_EQ(from(view, "  ALTERNATIVE CORRECT ANSWERS:", 5)[3],
              "  Item #16   Correct Answers: 1 2               ");
}

TEST(GradeReport, SizeLimitsRefuseWithTheirMessages) {
    Lines lines(501, "S01A");
    auto state = typed("A", "Y", lines);
    analyse(*state);
    GradeReport view = grade_report_view(*state);
    EXPECT_TRUE(view.outcome.refused);
    EXPECT_EQ(view.outcome.messages, (Lines{"Number of Cases must 200 or less to View Grade "
                                            "Reports (it takes too long to view more)"}));
    GradeReport file = grade_report_file(*state);
    EXPECT_EQ(
        file.outcome.messages,
        (Lines{"Number of Cases must be 500 or less to Save Individual Examinee Grade Reports"}));
    EXPECT_TRUE(file.lines.empty());

    state->editor.data_lines.resize(500);
    state->editor.cases = "500";
    analyse(*state);
    EXPECT_TRUE(grade_report_file(*state).outcome.accepted());
    EXPECT_TRUE(grade_report_view(*state).outcome.refused);
    state->editor.data_lines.resize(200);
    state->editor.cases = "200";
    analyse(*state);
    EXPECT_TRUE(grade_report_view(*state).outcome.accepted());
}

}  // namespace
}  // namespace kor
