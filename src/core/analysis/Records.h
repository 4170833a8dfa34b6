#pragma once
// The examinee and item records of an analysis and the test-wide results.
// The loader writes the case number, the label and the item number; the
// analysis fills the rest. The records stay in examinee-number and
// item-number order (record i is examinee i, record j item j); the reports'
// orders are lists of those numbers.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/analysis/GradeLabel.h"
#include "core/analysis/MantelHaenszel.h"
#include "core/analysis/MissingAnswers.h"
#include "core/data/OneBased.h"
#include "core/data/TestData.h"

namespace kor {

// A correlation that cannot be computed is stored as this value.
inline constexpr double not_computable = 9.0;
inline constexpr int max_option_columns = 8;

struct Case_Record {
    int IDnum = 0;     // examinee number: position of the data line
    std::string Name;  // label: the first label_length characters of the data line
    int MC = 0;        // multiple-choice score (equal to Score)
    int PC = 0;        // partial- or extra-credit points
    int Score = 0;     // included items answered correctly
    double PC_Score = 0.0;
    double Percent = 0.0;
    double PC_Percent = 0.0;
    GradeLabel Grade;
    GradeLabel PC_Grade;
    int RankScore = 0;
    int PC_rankscore = 0;
    double Plus1sem = 0.0, Minus1sem = 0.0, Plus2sem = 0.0, Minus2sem = 0.0;
    double Plus1pc = 0.0, Minus1pc = 0.0, Plus2pc = 0.0, Minus2pc = 0.0;
    GradeLabel Plus1grade, Minus1grade, Plus2grade, Minus2grade;
    int Half1 = 0, Half2 = 0;
    int Odds = 0, Evens = 0;

    friend bool operator==(const Case_Record&, const Case_Record&) = default;
};

// Counts and proportions per option 1..8 (index 0 unused).
using OptionCounts = std::array<std::int32_t, max_option_columns + 1>;
using OptionProportions = std::array<double, max_option_columns + 1>;

struct Item_Record {
    int ItemNum = 0;
    int NumCorrect = 0;
    int Include = 0;
    int Key = 0;
    int NumOptions = 0;
    double Diff = 0.0;
    double Disc = 0.0;
    double PtBis = 0.0;  // not_computable when it cannot be computed
    double Biserial = 0.0;
    int HighCorrect = 0;
    int LowCorrect = 0;
    double HighProp = 0.0;
    double LowProp = 0.0;
    double MeanIfCorrect = 0.0;
    double KR20IfDeleted = 0.0;
    double MeanIfDeleted = 0.0;
    double VarIfDeleted = 0.0;
    double AdjPtBis = 0.0;  // not_computable when it cannot be computed
    double SEMIfDeleted = 0.0;
    double AdjBiserial = 0.0;
    OptionCounts OptCount{};
    OptionCounts OptCountHigh{};
    OptionCounts OptCountLow{};
    OptionProportions OptProp{};
    OptionProportions OptPropHigh{};
    OptionProportions OptPropLow{};
};

// What the options analysis adds to the counts, per item number: each
// option's point-biserial with the score, and the omitted (missing) answers
// in the whole group and in the high and low groups, with their
// point-biserial. Kept by item number, whatever order the item records
// take for the reports.
struct Option_Figures {
    OptionProportions OptPtBis{};  // options 1..8; not_computable when it cannot be computed
    int NumOmitted = 0;
    int NumOmittedHigh = 0;
    int NumOmittedLow = 0;
    double OmitProp = 0.0;      // NumOmitted / N
    double OmitPropHigh = 0.0;  // NumOmittedHigh / high_group_n; 0 for an empty group
    double OmitPropLow = 0.0;   // NumOmittedLow / low_group_n; 0 for an empty group
    double OmitPtBis = 0.0;     // not_computable when it cannot be computed
};

// Descriptive statistics of one score (Score, or PC_Score with partial credit).
struct ScoreStatistics {
    double mean = 0.0;
    double variance = 0.0;
    double sd = 0.0;
    double min = 0.0;
    double max = 0.0;
    double median = 0.0;
    double skewness = 0.0;
    double kurtosis = 0.0;
    // The standard error of the mean: how far the mean of another class like
    // this one may lie from this mean. None for fewer than two scores.
    std::optional<double> mean_se;
};

// The figures of one group of examinees (the takers of one exam version),
// each as an analysis of that group's examinees alone computes it.
struct GroupSummary {
    std::string name;
    int examinees = 0;
    ScoreStatistics score;  // of Score
    // None for fewer than two examinees, fewer than two included items or
    // scores without variance.
    std::optional<double> kr20;
    std::optional<double> sem;
    // Proportion correct in the group and the point-biserial correlation
    // with the group's scores, by item number (index 0 is item 1); none for
    // an excluded item, and a correlation none where it cannot be computed.
    std::vector<std::optional<double>> difficulty;
    std::vector<std::optional<double>> pbis;
};

// Differential item functioning between two groups: the Mantel-Haenszel
// figures of every included item, in item order.
struct DifItem {
    int item = 0;
    MhFigures figures;
};

struct DifResults {
    std::string reference;
    std::string focal;
    int reference_examinees = 0;
    int focal_examinees = 0;
    std::vector<DifItem> items;
};

// A confidence interval of a reliability coefficient, or why there is none.
struct ReliabilityInterval {
    double low = 0.0;
    double high = 0.0;
    std::string reason;  // empty when the interval is computed
};

// An item's difficulty and point-biserial over the examinees who reached
// it, when the settings leave answers not reached out of the item's figures.
struct ReachedItemFigures {
    int examinees = 0;                 // who reached the item: the N of its figures
    std::optional<double> difficulty;  // none when nobody reached it
    double pbis = not_computable;
};

// How sure the figures are: the interval of KR20, the standard error of
// measurement at each score, and the answers left out told apart.
struct PrecisionResults {
    ReliabilityInterval kr20_ci;  // at the settings' ci_level
    // The conditional standard error at every number-correct score 0..k of
    // the included items (index = score).
    std::vector<double> csem;
    MissingAnswers missing;
    // By item number (index 0 is item 1), the included items' figures with
    // the answers not reached left out; empty while the settings count them
    // wrong.
    std::vector<ReachedItemFigures> reached;
};

struct AnalysisResults {
    OneBasedHeap<Case_Record, max_examinees_limit> examinee_records;
    OneBased<Item_Record, max_items> item_records;
    OneBased<double, max_items> item_normal_ordinate;
    OneBased<Option_Figures, max_items> option_figures;  // by item number

    bool analysed = false;  // an analysis has run on the loaded data

    // The orders of the examinee and item reports, as examinee and item
    // numbers, by the sort settings of the analysis.
    std::vector<int> examinee_order;
    std::vector<int> item_order;

    // Scores
    double total_possible = 0.0;  // with partial credit: k * mc_item_points + pc_total_points
    ScoreStatistics score;        // of Score: mean_score, var_score, sd_score, ...
    ScoreStatistics pc_score;     // of PC_Score, with partial credit only
    double kr20 = 0.0;
    double kr21 = 0.0;
    double sem_kr20 = 0.0;
    double split_half_first_second = 0.0;
    double split_half_odd_even = 0.0;

    // Items
    double mean_item_diff = 0.0;
    double mean_disc = 0.0;
    double mean_pbis = 0.0;
    double mean_adj_pbis = 0.0;
    int high_group_n = 0;
    int low_group_n = 0;
    int high_group_min_score = 0;
    int low_group_max_score = 0;
    int num_problem_items = 0;
    int num_prob_p_low = 0;
    int num_prob_p_high = 0;
    int num_prob_disc = 0;
    int num_prob_adj_pbis = 0;
    int num_excluded_items = 0;

    // Grades
    OneBased<int, 13> grade_count;

    // With exam versions (the data set's version label): one summary per
    // version, in the order of their names, and the examinees whose label
    // names none.
    std::vector<GroupSummary> versions;
    int examinees_without_version = 0;
    // With groups (the data set's group label): the same per group, and the
    // comparison of the two groups chosen for differential item functioning.
    std::vector<GroupSummary> groups;
    int examinees_without_group = 0;
    std::optional<DifResults> dif;
    PrecisionResults precision;

    // Texts of the numerical routines' diagnostics and of the reports'
    // warnings, each once.
    std::vector<std::string> warnings;
};

// The texts an analysis writes for the windows: the hidden examinee and item
// outputs the viewers show, the main window's two result panes, and the full
// results report of the results window.
// The examinee or item numbers in the reports' order; 1..count in number
// order when no analysis has set an order for that many records.
std::vector<int> examinees_in_report_order(const AnalysisResults& results, int num_examinees);
std::vector<int> items_in_report_order(const AnalysisResults& results, int num_items);

struct ReportTexts {
    std::vector<std::string> examinees;  // the examinee output the viewers show
    bool examinees_left = false;         // examinees is still to be written from the last analysis
    std::vector<std::string> items;      // the item analysis output
    std::vector<std::string> examinee_pane;  // the main window's examinee pane
    std::vector<std::string> item_pane;      // the main window's item pane
    std::vector<std::string> results_box;    // the full results report
};

}  // namespace kor
