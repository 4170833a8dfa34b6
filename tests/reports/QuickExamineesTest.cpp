// Layout of the examinee output: headings, examinee lines of every variant,
// grading-scale lines and sort notes, from records set by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/AnalysisSettings.h"
#include "reports/QuickExaminees.h"

namespace kor {
namespace {

using Lines = std::vector<std::string>;

const std::string P = "    ";  // a label length of 4

ExamineeLayout layout(CreditLayout credit, BandUnit bands, int label_length = 4) {
    return ExamineeLayout{credit, bands, label_length, true};
}

TEST(ExamineeHeadings, OfTheNineVariants) {
    struct Case {
        CreditLayout credit;
        BandUnit bands;
        Lines expected;
    };
    const Lines pc_title = {P + "       Both MC & PC Items            for MC items ONLY    ",
                            P + " ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^   ^^^^^^^^^^^^^^^^^^^^^^^ "};
    const Lines xc_title = {P + "      Both MC & XC           for MC items ONLY    ", pc_title[1]};
    const std::string pc_ltr = "       Both MC & PC Items          for Multiple Choice Items ONLY ";
    const std::string xc_ltr = "      Both MC & XC           for Multiple Choice Items ONLY ";
    const std::string ltr_hat =
        " ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^   ^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^^";
    const std::string pc_h1 = P + "   MC  Part Total          Ltr    ~68% C.I.     ~95% C.I. ";
    const std::string xc_h1 = P + "   MC       Total          Ltr    ~68% C.I.     ~95% C.I. ";
    const std::string mc_h1 = P + " Total          Ltr    ~68% C.I.     ~95% C.I. ";
    const std::string credit_rule =
        "---- ----- ---- ----- ------- ----- ------------- -------------";
    const std::string mc_rule = "---- ----- ------- ----- ------------- -------------";
    const std::vector<Case> cases = {
        {CreditLayout::partial_credit,
         BandUnit::raw_scores,
         {pc_title[0], pc_title[1], pc_h1,
          "ID   Items Cred Score Percent Grade  (Raw Score)   (Raw Score)", credit_rule}},
        {CreditLayout::partial_credit,
         BandUnit::percentages,
         {pc_title[0], pc_title[1], pc_h1,
          "ID   Items Cred Score Percent Grade   (Percents)    (Percents)", credit_rule}},
        {CreditLayout::partial_credit,
         BandUnit::grade_letters,
         {P + pc_ltr, P + ltr_hat,
          P + "   MC  Part Total          Ltr   ~68% C.I.    ~68% C.I.   ~68% C.I. ",
          "ID   Items Cred Score Percent Grade (Raw Score)   (Percents)  (Letters)",
          "---- ----- ---- ----- ------- ----- ------------ ------------ ---------"}},
        {CreditLayout::extra_credit,
         BandUnit::raw_scores,
         {xc_title[0], xc_title[1], xc_h1,
          "ID   Items  XC  Score Percent Grade  (Raw Score)   (Raw Score)", credit_rule}},
        {CreditLayout::extra_credit,
         BandUnit::percentages,
         {xc_title[0], xc_title[1], xc_h1,
          "ID   Items  XC  Score Percent Grade   (Percents)    (Percents)", credit_rule}},
        {CreditLayout::extra_credit,
         BandUnit::grade_letters,
         {P + xc_ltr, P + ltr_hat,
          P + "   MC       Total          Ltr   ~68% C.I.    ~68% C.I.   ~68% C.I. ",
          "ID   Items  XC  Score Percent Grade (Raw Score)   (Percents)  (Letters)",
          "---- ----- ---- ----- ------- ----- ------------ ------------ ---------"}},
        {CreditLayout::mc_only,
         BandUnit::raw_scores,
         {mc_h1, "ID   Score Percent Grade  (Raw Score)   (Raw Score)", mc_rule}},
        {CreditLayout::mc_only,
         BandUnit::percentages,
         {mc_h1, "ID   Score Percent Grade   (Percents)    (Percents)", mc_rule}},
        {CreditLayout::mc_only,
         BandUnit::grade_letters,
         {P + " Total          Ltr   ~68% C.I.    ~68% C.I.   ~68% C.I. ",
          "ID   Score Percent Grade (Raw Score)   (Percents)  (Letters)",
          "---- ----- ------- ----- ------------ ------------ ---------"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(examinee_headings(layout(c.credit, c.bands)), c.expected)
            << static_cast<int>(c.credit) << " " << static_cast<int>(c.bands);
    }
}

TEST(ExamineeHeadings, ShortLabelLeavesNoBlanksAfterId) {
    EXPECT_EQ(examinee_headings(layout(CreditLayout::mc_only, BandUnit::raw_scores, 1)),
              (Lines{"  Total          Ltr    ~68% C.I.     ~95% C.I. ",
                     "ID Score Percent Grade  (Raw Score)   (Raw Score)",
                     "- ----- ------- ----- ------------- -------------"}));
}

Case_Record with_bands(Case_Record r, double m1, double p1, double m2, double p2, double m1pc,
                       double p1pc, double m2pc, double p2pc, const std::string& lower_grade,
                       const std::string& upper_grade) {
    r.Minus1sem = m1;
    r.Plus1sem = p1;
    r.Minus2sem = m2;
    r.Plus2sem = p2;
    r.Minus1pc = m1pc;
    r.Plus1pc = p1pc;
    r.Minus2pc = m2pc;
    r.Plus2pc = p2pc;
    r.Minus1grade = lower_grade;
    r.Plus1grade = upper_grade;
    return r;
}

// Everything right: 100 percent, upper limits clamped to 45 items and 100 percent.
Case_Record full_marks() {
    Case_Record r;
    r.Name = "Ann ";
    r.Score = r.MC = 45;
    r.Percent = 100.0;
    r.Grade = "A   ";
    return with_bands(r, 42.14, 45.0, 39.28, 45.0, 93.64, 100.0, 87.29, 100.0, "A ", "A ");
}

// Points just short of everything; lower limits clamped to 0.
Case_Record nearly_full_points() {
    Case_Record r;
    r.Name = "Bob ";
    r.Score = r.MC = 5;
    r.PC = 12;
    r.PC_Score = 99.9;
    r.PC_Percent = 99.99;
    r.PC_Grade = "B   ";
    return with_bands(r, 0.0, 7.86, 0.0, 10.72, 0.0, 9.8, 0.0, 13.4, "F ", "F ");
}

// Extra credit above the total possible.
Case_Record beyond_full_points() {
    Case_Record r;
    r.Name = "Cy  ";
    r.Score = r.MC = 40;
    r.PC = 3;
    r.PC_Score = 43.0;
    r.PC_Percent = 107.5;
    r.PC_Grade = "A   ";
    return with_bands(r, 37.14, 40.0, 34.28, 40.0, 92.86, 100.0, 85.7, 100.0, "A ", "A ");
}

TEST(ExamineeLine, OfEachVariant) {
    const auto line = [](const Case_Record& r, CreditLayout credit, BandUnit bands) {
        return examinee_line(r, layout(credit, bands));
    };
    using C = CreditLayout;
    using B = BandUnit;
    EXPECT_EQ(line(full_marks(), C::mc_only, B::raw_scores),
              "Ann    45  100.00%  A     (42.1- 45.0)  (39.3- 45.0) ");
    EXPECT_EQ(line(full_marks(), C::mc_only, B::percentages),
              "Ann    45  100.00%  A     (93.6-100.0)  (87.3-100.0) ");
    EXPECT_EQ(line(full_marks(), C::mc_only, B::grade_letters),
              "Ann    45  100.00%  A    (42.1- 45.0) (93.6-100.0)  (A , A )");

    EXPECT_EQ(line(nearly_full_points(), C::partial_credit, B::raw_scores),
              "Bob     5   12   99.9  99.99%  B     ( 0.0-  7.9)  ( 0.0- 10.7) ");
    EXPECT_EQ(line(nearly_full_points(), C::partial_credit, B::percentages),
              "Bob     5   12   99.9  99.99%  B     ( 0.0-  9.8)  ( 0.0- 13.4) ");
    EXPECT_EQ(line(nearly_full_points(), C::partial_credit, B::grade_letters),
              "Bob     5   12   99.9  99.99%  B    ( 0.0-  7.9) ( 0.0-  9.8)  (F , F )");

    EXPECT_EQ(line(beyond_full_points(), C::extra_credit, B::raw_scores),
              "Cy     40    3   43.0 107.50%  A     (37.1- 40.0)  (34.3- 40.0) ");
    EXPECT_EQ(line(beyond_full_points(), C::extra_credit, B::percentages),
              "Cy     40    3   43.0 107.50%  A     (92.9-100.0)  (85.7-100.0) ");
    EXPECT_EQ(line(beyond_full_points(), C::extra_credit, B::grade_letters),
              "Cy     40    3   43.0 107.50%  A    (37.1- 40.0) (92.9-100.0)  (A , A )");
}

TEST(ExamineeLine, PercentColumnIsTenWideAtBothEndsAndGradeBlankWithoutGrading) {
    Case_Record r = full_marks();
    r.Percent = 99.99;
    ExamineeLayout no_grading = layout(CreditLayout::mc_only, BandUnit::raw_scores);
    no_grading.grading = false;
    EXPECT_EQ(examinee_line(r, no_grading),
              "Ann    45   99.99%        (42.1- 45.0)  (39.3- 45.0) ");
    r.Grade.clear();  // an empty grade keeps its four places
    EXPECT_EQ(examinee_line(r, layout(CreditLayout::mc_only, BandUnit::raw_scores)),
              "Ann    45   99.99%        (42.1- 45.0)  (39.3- 45.0) ");
}

AnalysisSettings grading(const std::vector<std::string>& labels,
                         const std::vector<std::string>& cuts) {
    AnalysisSettings s;
    s.num_grade_cats = static_cast<int>(labels.size());
    for (std::size_t c = 1; c <= labels.size(); ++c) {
        s.grade_label[c] = labels[c - 1];
        if (c <= cuts.size()) {
            s.grade_min_percent_text[c] = cuts[c - 1];
        }
    }
    return s;
}

TEST(GradingScaleLines, ListEveryCutAsTypedAndWrapAfterSix) {
    EXPECT_EQ(grading_scale_lines(
                  grading({"A   ", "B   ", "C   ", "D   ", "F   "}, {"90", "80", "70", "60"})),
              Lines{"Grading Scale:  A   = 90, B   = 80, C   = 70, D   = 60"});
    EXPECT_EQ(grading_scale_lines(
                  grading({"A+  ", "A   ", "A-  ", "B+  ", "B   ", "B-  ", "C   ", "F   "},
                          {"97", "93.0", "90", "87", "83", "80", "70"})),
              (Lines{"Grading Scale:  A+  = 97, A   = 93.0, A-  = 90, B+  = 87, B   = 83, B-  = 80",
                     "                C   = 70"}));
    EXPECT_EQ(grading_scale_lines(AnalysisSettings{}), Lines{});
}

TEST(ExamineeSortNote, NamesTheOrder) {
    AnalysisSettings s;
    EXPECT_EQ(examinee_sort_note(s),
              "These results have not been sorted (i.e., they are in Data Editor order)");
    s.sort_exam_none = false;
    s.sort_exam_label = true;
    EXPECT_EQ(examinee_sort_note(s), "These results have been sorted by examinee ID label");
    s.sort_exam_label = false;
    s.sort_exam_score = true;
    EXPECT_EQ(examinee_sort_note(s), "These results have been sorted by score");
}

}  // namespace
}  // namespace kor
