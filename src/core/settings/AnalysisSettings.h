#pragma once
// The settings that steer an analysis and its reports, with their start
// values, and the grading scale.

#include <string>

#include "core/data/OneBased.h"
#include "core/settings/Choices.h"

namespace kor {

inline constexpr int max_grade_categories = 13;

struct AnalysisSettings {
    // Order of examinees in the examinee reports (exactly one set).
    bool sort_exam_none = true;
    bool sort_exam_label = false;
    bool sort_exam_score = false;

    // Order of items in the item reports (exactly one set).
    bool sort_item_number = true;
    bool sort_item_diff = false;
    bool sort_item_disc = false;
    bool sort_item_pbis = false;
    bool sort_item_adjp = false;

    // Unit of the confidence bands; after "No Grading Categories" none is set.
    bool band_use_raw = true;
    bool band_use_percent = false;
    bool band_use_letters = false;

    bool grade_round_percent = true;
    bool print_grades_on_reports = true;
    bool suggest_problem_items = true;
    bool problem_criteria_off = false;

    double crit_p_low = 0.20;
    double crit_p_high = 0.95;
    double crit_disc = 0.0;
    double crit_pbis = 0.0;
    double crit_adj_pbis = 0.0;

    // The upper and lower group sizes in percent, held as typed or read from
    // an input file (which keeps them as written); each analysis turns them
    // into fractions.
    std::string upper_group_percent_text = "27";
    std::string lower_group_percent_text = "27";
    double disc_top_fraction = 0.27;
    double disc_bottom_fraction = 0.27;

    // Grading scale: category 1 is the highest; the last category has no minimum.
    int num_grade_cats = 0;  // 0 = no grading
    OneBased<double, max_grade_categories - 1> grade_min_percent;
    OneBased<std::string, max_grade_categories> grade_label;
    OneBased<std::string, max_grade_categories - 1> grade_min_percent_text;

    // Companions of the grade dialog.
    bool grade_user_defined = false;
    bool grade_values_set = false;
    int user_cats_entered = 2;

    bool change_seed_each_call = false;
    bool auto_save_kor_file = true;
    bool save_exm_file = true;
    bool save_itm_file = true;
    bool save_opt_file = true;
    bool save_rpt_file = false;
    double sb_target_reliability = 0.8;
    // How sure the figures are, beyond the reports: the confidence of the
    // KR20 interval, the error of the bands of the web page, the JSON and
    // the CSV results, and how answers not reached count in their items'
    // figures. The fixed-width reports keep the one SEM and score every
    // blank as wrong.
    double ci_level = 0.95;
    BandsError bands_error = BandsError::sem;
    NotReached not_reached = NotReached::wrong;
};

}  // namespace kor
