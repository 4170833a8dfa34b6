#include "app/forms/ProblemItemForm.h"

#include "app/ProgramState.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

struct CriterionCheck {
    const std::string& text;
    double& threshold;
    double low;
    double high;
    const char* message;
    const char* control;
};

// A criterion takes effect only when its text is a number in range: a refused
// value must not be left in force when the user cancels the dialog.
bool accept(const CriterionCheck& c, const std::string& separators, Outcome& outcome) {
    const auto value = parse_real(c.text, separators);
    if (!value || *value < c.low || *value > c.high) {
        outcome.refuse(c.message, c.control);
        return false;
    }
    c.threshold = *value;
    return true;
}

std::string& box_of(ProblemItemForm& form, Criterion criterion) {
    switch (criterion) {
        case Criterion::p_low:
            return form.txt_crit_plo;
        case Criterion::p_high:
            return form.txt_crit_phi;
        case Criterion::disc:
            return form.txt_crit_d;
        case Criterion::pbis:
            return form.txt_crit_r;
        case Criterion::adj_pbis:
            return form.txt_crit_a;
    }
    return form.txt_crit_plo;
}

const char* common_text(Criterion criterion) {
    switch (criterion) {
        case Criterion::p_low:
            return "0.25";
        case Criterion::p_high:
            return "0.90";
        default:
            return "0.20";
    }
}

const char* remove_text(Criterion criterion) {
    switch (criterion) {
        case Criterion::p_low:
            return "0";
        case Criterion::p_high:
            return "1";
        default:
            return "-1";
    }
}

constexpr Criterion all_criteria[] = {Criterion::p_low, Criterion::p_high, Criterion::disc,
                                      Criterion::pbis, Criterion::adj_pbis};

}  // namespace

void open_problem_dialog(ProgramState& state) {
    state.problem_form.chk_suggest = state.settings.suggest_problem_items;
}

void set_common_criterion(ProgramState& state, Criterion criterion) {
    box_of(state.problem_form, criterion) = common_text(criterion);
    state.settings.problem_criteria_off = false;
}

void set_remove_criterion(ProgramState& state, Criterion criterion) {
    box_of(state.problem_form, criterion) = remove_text(criterion);
}

void set_default_criteria(ProgramState& state) {
    ProblemItemForm& form = state.problem_form;
    form.txt_crit_plo = "0.20";
    form.txt_crit_phi = "0.95";
    form.txt_crit_d = "0";
    form.txt_crit_r = "0";
    form.txt_crit_a = "0";
    state.settings.problem_criteria_off = false;
}

void toggle_problem_criteria(ProgramState& state) {
    if (state.settings.problem_criteria_off) {
        state.settings.problem_criteria_off = false;
        set_default_criteria(state);
        return;
    }
    state.settings.problem_criteria_off = true;
    for (Criterion criterion : all_criteria) {
        set_remove_criterion(state, criterion);
    }
}

void toggle_suggest_problem_items(ProgramState& state) {
    state.settings.suggest_problem_items = !state.settings.suggest_problem_items;
}

Outcome problem_criteria_ok(ProgramState& state) {
    const ProblemItemForm& form = state.problem_form;
    AnalysisSettings& settings = state.settings;
    const std::string separators = typed_separators(state);
    Outcome outcome;

    const CriterionCheck p_low{
        form.txt_crit_plo,
        settings.crit_p_low,
        0.0,
        1.0,
        "Item Difficulty (low) criterion must be a numeric value between 0-1",
        problem_control::p_low};
    const CriterionCheck p_high{
        form.txt_crit_phi,
        settings.crit_p_high,
        0.0,
        1.0,
        "Item Difficulty (high) criterion must be a numeric value between 0-1",
        problem_control::p_high};
    if (!accept(p_low, separators, outcome) || !accept(p_high, separators, outcome)) {
        return outcome;
    }
    if (!(settings.crit_p_low < settings.crit_p_high)) {
        outcome.refuse(
            "Item Difficulty (high) criterion must be greater than Item Difficulty (low) criterion",
            problem_control::p_high);
        return outcome;
    }
    const CriterionCheck others[] = {
        {form.txt_crit_d, settings.crit_disc, -1.0, 1.0,
         "Discrimination Index criterion must be a numeric value between -1 and 1",
         problem_control::disc},
        {form.txt_crit_r, settings.crit_pbis, -1.0, 1.0,
         "Point-Biserial Correlation criterion must be a numeric value between -1 and 1",
         problem_control::pbis},
        {form.txt_crit_a, settings.crit_adj_pbis, -1.0, 1.0,
         "Adjusted Point-Biserial Correlation criterion must be a numeric value between -1 and 1",
         problem_control::adj_pbis},
    };
    for (const CriterionCheck& c : others) {
        if (!accept(c, separators, outcome)) {
            return outcome;
        }
    }
    settings.suggest_problem_items = form.chk_suggest;
    settings.problem_criteria_off = form.txt_crit_plo == "0" && form.txt_crit_phi == "1" &&
                                    form.txt_crit_d == "-1" && form.txt_crit_r == "-1" &&
                                    form.txt_crit_a == "-1";
    return outcome;
}

}  // namespace kor
