#include "core/settings/ProblemCriteria.h"

#include "core/TextUtil.h"
#include "core/VariablesUnit.h"

namespace kor {

namespace {

struct Criterion {
    const std::string& text;
    double& threshold;
    double low;
    double high;
    const char* message;
    const char* control;
};

// A criterion takes effect only when its text is a number in range: a refused
// value must not be left in force when the user cancels the dialog.
bool accept(const Criterion& c, const std::string& separators, Outcome& outcome) {
    const auto value = parse_real(c.text, separators);
    if (!value || *value < c.low || *value > c.high) {
        outcome.refuse(c.message, c.control);
        return false;
    }
    c.threshold = *value;
    return true;
}

}  // namespace

Outcome problem_criteria_ok(ProgramState& state) {
    const ProblemItemForm& form = state.problem_form;
    AnalysisSettings& settings = state.settings;
    const std::string separators = typed_separators(state);
    Outcome outcome;

    const Criterion p_low{form.txt_crit_plo, settings.crit_p_low, 0.0, 1.0,
                          "Item Difficulty (low) criterion must be a numeric value between 0-1", problem_control::p_low};
    const Criterion p_high{form.txt_crit_phi, settings.crit_p_high, 0.0, 1.0,
                           "Item Difficulty (high) criterion must be a numeric value between 0-1",
                           problem_control::p_high};
    if (!accept(p_low, separators, outcome) || !accept(p_high, separators, outcome)) {
        return outcome;
    }
    if (!(settings.crit_p_low < settings.crit_p_high)) {
        outcome.refuse("Item Difficulty (high) criterion must be greater than Item Difficulty (high) criterion",
                       problem_control::p_high);
        return outcome;
    }
    const Criterion others[] = {
        {form.txt_crit_d, settings.crit_disc, -1.0, 1.0,
         "Discrimination Index criterion must be a numeric value between -1 and 1", problem_control::disc},
        {form.txt_crit_r, settings.crit_pbis, -1.0, 1.0,
         "Point-Biserial Correlation criterion must be a numeric value between -1 and 1", problem_control::pbis},
        {form.txt_crit_a, settings.crit_adj_pbis, -1.0, 1.0,
         "Adjusted Point-Biserial Correlation criterion must be a numeric value between -1 and 1",
         problem_control::adj_pbis},
    };
    for (const Criterion& c : others) {
        if (!accept(c, separators, outcome)) {
            return outcome;
        }
    }
    settings.suggest_problem_items = form.chk_suggest;
    settings.problem_criteria_off = form.txt_crit_plo == "0" && form.txt_crit_phi == "1" && form.txt_crit_d == "-1" &&
                                    form.txt_crit_r == "-1" && form.txt_crit_a == "-1";
    return outcome;
}

}  // namespace kor
