#include "app/forms/GenForm.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

#include "app/ProgramState.h"
#include "core/TextUtil.h"
#include "sample/Generator.h"

namespace kor {

namespace {

constexpr std::array<GenDifficultyInfo, 7> difficulty_table{{
    {"rdo_easiest", "Extremely Easy Exam (a mean score near 95%)"},
    {"rdo_veryeasy", "Very Easy Exam (a mean score near 90%)"},
    {"rdo_easy", "Relatively Easy Exam (a mean score near 80%)"},
    {"rdo_medium", "Moderately Difficult Exam (a mean score near 70%)"},
    {"rdo_hard", "Fairly Difficult Exam (a mean score near 60%)"},
    {"rdo_veryhard", "Very Difficult Exam (a mean score near 50%)"},
    {"rdo_hardest", "Extremely Difficult Exam (a mean score near 40%)"},
}};

constexpr std::array<GenOptionInfo, 5> option_table{{
    {"rdo_2", "2"},
    {"rdo_3", "3"},
    {"rdo_4", "4"},
    {"rdo_5", "5"},
    {"rdo_mix", "Mix It Up"},
}};

void put_suggested_seed(ProgramState& state) {
    const int seed = state.gen_form.suggestions.next();
    state.generator.generator_seed_drawn = seed;
    state.gen_form.edit_seed = std::to_string(seed);
}

void put_start_values(GenForm& form) {
    form.difficulty = GenDifficulty::medium;
    form.options = GenOptionChoice::mix;
    form.edit_num_cases = "20";
    form.edit_num_items = "30";
}

// --------------------------------------------------------------- the button

std::optional<int> read_count(const std::string& text, const char* what, int high,
                              const char* control, Outcome& outcome) {
    const std::optional<int> value = parse_int(text);
    if (!value) {
        outcome.refuse(std::string(what) + " must be an integer", control);
        return std::nullopt;
    }
    if (*value < 1 || *value > high) {
        outcome.refuse(std::string(what) + " must be between 1 and " + std::to_string(high),
                       control);
        return std::nullopt;
    }
    return value;
}

// Seeds beyond 32 bits lose digits from the right until they fit.
std::int32_t fitted_seed(double value) {
    constexpr double largest = 2147483647.0;
    while (std::fabs(value) > largest) {
        value /= 10.0;
    }
    return static_cast<std::int32_t>(std::trunc(value));
}

std::optional<GenRequest> read_request(ProgramState& state, Outcome& outcome) {
    GenForm& form = state.gen_form;
    GenRequest request;
    const auto cases = read_count(form.edit_num_cases, "Number of Cases", gen_max_cases,
                                  gen_control::num_cases, outcome);
    if (!cases) {
        return std::nullopt;
    }
    const auto items = read_count(form.edit_num_items, "Number of Items", gen_max_items,
                                  gen_control::num_items, outcome);
    if (!items) {
        return std::nullopt;
    }
    const std::optional<double> seed = parse_real(form.edit_seed, typed_separators(state));
    if (!seed) {
        outcome.refuse("Seed must be a numeric value", gen_control::seed);
        return std::nullopt;
    }
    request.cases = *cases;
    request.items = *items;
    request.seed = fitted_seed(*seed);
    request.options = form.options;
    request.difficulty = form.difficulty;
    request.letters = form.gen_let;
    return request;
}

void fill_editor(ProgramState& state, const GenRequest& request, GeneratedSet set) {
    state.data.forget_import_companions();
    EditorTexts& editor = state.editor;
    editor.label_length = std::to_string(set.label_length);
    editor.cases = std::to_string(request.cases);
    editor.items = std::to_string(request.items);
    editor.missing_data = "9";
    editor.title = std::move(set.title);
    editor.comments.clear();
    editor.answer_key = std::move(set.key);
    editor.options = std::move(set.options);
    editor.include = std::move(set.include);
    editor.data_lines = std::move(set.lines);
}

// Each item accepts only its key until alternative answers are set.
void set_correct_answers(TTestData& data, const std::vector<int>& keys) {
    for (std::size_t j = 0; j < keys.size(); ++j) {
        data.item_correct_answers[j + 1].fill(keys[j]);
    }
}

}  // namespace

const GenDifficultyInfo& difficulty_info(GenDifficulty difficulty) {
    return difficulty_table[static_cast<std::size_t>(difficulty)];
}

const GenOptionInfo& option_info(GenOptionChoice choice) {
    return option_table[static_cast<std::size_t>(choice)];
}

void gen_dialog_start(ProgramState& state) {
    GenForm& form = state.gen_form;
    GeneratorState& gen = state.generator;
    if (state.data.editor_start_mode == start_generate_fixed) {
        put_start_values(form);
        form.edit_seed = "1804";
    } else if (gen.generator_first_call) {
        put_start_values(form);
        form.suggestions.seed_from_clock();
        put_suggested_seed(state);
    } else if (state.settings.change_seed_each_call) {
        put_suggested_seed(state);
    }
    gen.generator_first_call = false;
    form.lbl_largen_visible = false;
    gen.gen_dialog_again = true;
}

void gen_new_seed_click(ProgramState& state) {
    put_suggested_seed(state);
}

void gen_cancel_click(ProgramState& state) {
    state.generator.gen_dialog_again = false;
    state.data.editor_start_mode = start_nothing;
}

void gen_dialog_finish(ProgramState& state) {
    const std::optional<int> items = parse_int(state.editor.items);
    const bool valid = items && *items >= 1 && *items <= max_items;
    tos_reset(state, valid ? *items : 0);
    state.data.editor_start_mode = start_nothing;
}

Outcome gen_generate_click(ProgramState& state) {
    Outcome outcome;
    state.data.max_options = 5;
    const std::optional<GenRequest> request = read_request(state, outcome);
    state.generator.gen_dialog_again = outcome.refused;
    if (!request) {
        return outcome;
    }
    state.gen_form.edit_seed = std::to_string(request->seed);
    state.gen_form.lbl_largen_visible = request->cases > 1000;
    GeneratedSet set = generate_data_set(state.generator, *request);
    set_correct_answers(state.data, set.key_codes);
    fill_editor(state, *request, std::move(set));
    state.data.editor_start_mode = start_nothing;
    return outcome;
}

}  // namespace kor
