#include "app/forms/GradeForm.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include "app/ProgramState.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

constexpr std::size_t stored_label_length = 4;
constexpr int max_percent_edits = max_grade_categories - 1;
constexpr const char* fail_label = "Fail";

// The preset schemes: the label texts the dialog shows (the stored label is
// their first four characters) and the preset minimums of categories 1..N-1.
struct GradePreset {
    int categories;
    GradeScheme scheme;
    std::vector<const char*> label_texts;
    std::vector<const char*> minimums;
};

const std::vector<GradePreset>& grade_presets() {
    static const std::vector<GradePreset> presets = {
        {2, GradeScheme::two, {"Pass =", "Fail  "}, {"70"}},
        {5,
         GradeScheme::five,
         {"A-  =", "B-  =", "C-  =", "D-  =", "F   "},
         {"91", "81", "71", "61"}},
        {12,
         GradeScheme::twelve,
         {"A   =", "A-  =", "B+  =", "B   =", "B-  =", "C+  =", "C   =", "C-  =", "D+  =", "D   =",
          "D-  =", "F   "},
         {"94", "91", "87", "84", "81", "77", "74", "71", "67", "64", "61"}},
    };
    return presets;
}

const GradePreset* preset_with(int categories) {
    for (const GradePreset& preset : grade_presets()) {
        if (preset.categories == categories) {
            return &preset;
        }
    }
    return nullptr;
}

void empty_rows(GradeForm& form) {
    form.lbl_grade.fill(std::string());
    form.txt_grade.fill(std::string());
}

// A stored minimum as the dialog shows it: shortest form, with the user's
// own separator so that OK reads it back unchanged.
std::string shown_percent(const ProgramState& state, double value) {
    return with_user_separator(shortest_real(value), state.decimal_separator);
}

// Rows 1..N of the user scheme: the stored scale once one was stored,
// otherwise empty boxes with "Fail" as the last category.
void fill_user_rows(ProgramState& state, int count) {
    const AnalysisSettings& settings = state.settings;
    GradeForm& form = state.grade_form;
    for (int k = 1; k < count; ++k) {
        if (settings.grade_values_set) {
            form.lbl_grade[at(k)] = settings.grade_label[at(k)];
            form.txt_grade[at(k)] = shown_percent(state, settings.grade_min_percent[at(k)]);
        }
    }
    form.lbl_grade[at(count)] =
        settings.grade_values_set ? settings.grade_label[at(count)] : fail_label;
}

// Reads percentage edit k into the scale. The typed text is kept beside the
// value, because the reports print the minimum as it was typed.
bool store_percent(ProgramState& state, int k, Outcome& outcome) {
    AnalysisSettings& settings = state.settings;
    const std::string& text = state.grade_form.txt_grade[at(k)];
    std::optional<double> value = parse_real(text, typed_separators(state));
    if (!value) {
        outcome.refuse("Percentage must be a numeric value between 0-100",
                       grade_control::percent_edit(k));
        return false;
    }
    settings.grade_min_percent[at(k)] = *value;
    settings.grade_min_percent_text[at(k)] = text;
    if (*value < 0.0 || *value > 100.0) {
        outcome.refuse("Percentage must be between 0 and 100", grade_control::percent_edit(k));
        return false;
    }
    return true;
}

void store_label(ProgramState& state, int k) {
    state.settings.grade_label[at(k)] = cut(state.grade_form.lbl_grade[at(k)], stored_label_length);
}

// Labels and minimums in the dialog's fixed order: label 1, label 2,
// percentage 1, then label k+1 before percentage k. What was stored before a
// refusal stays stored.
bool store_labels_and_percents(ProgramState& state, int count, Outcome& outcome) {
    store_label(state, 1);
    store_label(state, 2);
    if (!store_percent(state, 1, outcome)) {
        return false;
    }
    for (int k = 2; k <= count - 1; ++k) {
        store_label(state, k + 1);
        if (!store_percent(state, k, outcome)) {
            return false;
        }
    }
    return true;
}

// Category 1 is the highest, so the minimums must fall strictly.
bool check_descending(const ProgramState& state, int count, Outcome& outcome) {
    const AnalysisSettings& settings = state.settings;
    for (int k = 1; k <= count - 2; ++k) {
        if (!(settings.grade_min_percent[at(k)] > settings.grade_min_percent[at(k + 1)])) {
            outcome.refuse("Grades are not in numerical order (check Category " +
                               std::to_string(k) + " or " + std::to_string(k + 1),
                           grade_control::percent_edit(k + 1));
            return false;
        }
    }
    return true;
}

}  // namespace

namespace grade_control {
std::string percent_edit(int k) {
    std::string number = std::to_string(k);
    if (number.size() < 2) {
        number.insert(0, 1, '0');
    }
    return "txt_grade" + number;
}
}  // namespace grade_control

void select_no_grading(ProgramState& state) {
    state.grade_form.scheme = GradeScheme::none;
    empty_rows(state.grade_form);
    state.grade_form.rows_shown = 0;
    state.grade_form.lbl_set.clear();
    state.settings.num_grade_cats = 0;
    state.settings.grade_user_defined = false;
    state.settings.band_use_letters = false;
}

void select_grade_preset(ProgramState& state, int categories) {
    const GradePreset* preset = preset_with(categories);
    if (preset == nullptr) {
        select_no_grading(state);
        return;
    }
    AnalysisSettings& settings = state.settings;
    GradeForm& form = state.grade_form;
    form.scheme = preset->scheme;
    settings.num_grade_cats = preset->categories;
    settings.grade_user_defined = false;
    empty_rows(form);
    form.rows_shown = preset->categories;
    form.lbl_set = grade_sentence_preset;
    for (int k = 1; k <= preset->categories; ++k) {
        form.lbl_grade[at(k)] = preset->label_texts[at(k - 1)];
    }
    // Once a scale was stored the presets show it, so that reopening the
    // dialog does not undo the user's own minimums.
    for (int k = 1; k < preset->categories; ++k) {
        form.txt_grade[at(k)] = settings.grade_values_set
                                    ? shown_percent(state, settings.grade_min_percent[at(k)])
                                    : std::string(preset->minimums[at(k - 1)]);
    }
}

void use_program_defaults(ProgramState& state) {
    GradeForm& form = state.grade_form;
    if (state.settings.grade_user_defined) {
        empty_rows(form);
        return;
    }
    const GradePreset* preset = preset_with(state.settings.num_grade_cats);
    if (preset == nullptr) {
        return;
    }
    // The button writes each label but the last with one more blank than
    // the radio button does; the stored four characters are the same.
    for (int k = 1; k <= preset->categories; ++k) {
        std::string text = preset->label_texts[at(k - 1)];
        if (k < preset->categories) {
            text += ' ';
        }
        form.lbl_grade[at(k)] = text;
    }
    for (int k = 1; k < preset->categories; ++k) {
        form.txt_grade[at(k)] = preset->minimums[at(k - 1)];
    }
}

Outcome select_user_scheme(ProgramState& state, const std::string& count_text) {
    state.grade_form.scheme = GradeScheme::user;
    state.grade_form.lbl_set = grade_sentence_user;
    state.settings.grade_user_defined = true;
    empty_rows(state.grade_form);
    // Choosing the scheme first puts the current count into the box, which
    // runs the count change; that count is 0..13 and so never gives a message.
    grade_count_changed(state, std::to_string(state.settings.num_grade_cats));
    return grade_count_changed(state, count_text);
}

Outcome grade_count_changed(ProgramState& state, const std::string& text) {
    Outcome outcome;
    AnalysisSettings& settings = state.settings;
    state.grade_form.txt_num_cats = text;
    empty_rows(state.grade_form);
    state.grade_form.rows_shown = 0;

    bool valid = true;
    if (!text.empty()) {
        std::optional<int> typed = parse_int(text);
        if (typed) {
            settings.user_cats_entered = *typed;
        } else {
            valid = false;
        }
    }
    const int count = settings.user_cats_entered;
    if (!valid || count > max_grade_categories) {
        outcome.refuse("Number of Categories must be a whole number between 2-13",
                       grade_control::num_cats);
        return outcome;
    }
    if (count >= 2) {
        settings.num_grade_cats = count;
        state.grade_form.rows_shown = count;
        fill_user_rows(state, count);
    }
    return outcome;
}

Outcome grade_scale_ok(ProgramState& state) {
    Outcome outcome;
    AnalysisSettings& settings = state.settings;
    const int count = std::clamp(settings.num_grade_cats, 0, max_grade_categories);

    bool stored = true;
    if (count >= 2) {
        stored = store_labels_and_percents(state, count, outcome);
    }
    for (int k = 1; k <= max_grade_categories; ++k) {
        settings.grade_label[at(k)] = pad_right(settings.grade_label[at(k)], stored_label_length);
    }
    // The last category has no minimum: it takes every lower percentage.
    for (int k = std::max(count, 2); k <= max_percent_edits; ++k) {
        settings.grade_min_percent[at(k)] = 0.0;
    }
    if (stored && check_descending(state, count, outcome) && count >= 2) {
        // Only a scale that was actually read counts as stored; otherwise an
        // OK without categories would make the presets show zero minimums.
        settings.grade_values_set = true;
    }
    return outcome;
}

}  // namespace kor
