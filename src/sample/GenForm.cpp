#include "sample/GenForm.h"

#include <array>
#include <cstddef>

#include "core/TextUtil.h"
#include "core/VariablesUnit.h"

namespace kor {

namespace {

constexpr std::array<GenDifficultyInfo, 7> difficulty_table{{
    {"rdo_easiest", "Extremely Easy Exam (a mean score near 95%)", 2.2, "easiest"},
    {"rdo_veryeasy", "Very Easy Exam (a mean score near 90%)", 1.5, "v. easy"},
    {"rdo_easy", "Relatively Easy Exam (a mean score near 80%)", 1.0, "easy"},
    {"rdo_medium", "Moderately Difficult Exam (a mean score near 70%)", 0.6, "medium"},
    {"rdo_hard", "Fairly Difficult Exam (a mean score near 60%)", 0.3, "hard"},
    {"rdo_veryhard", "Very Difficult Exam (a mean score near 50%)", 0.0, "v. hard"},
    {"rdo_hardest", "Extremely Difficult Exam (a mean score near 40%)", -0.3, "hardest"},
}};

constexpr std::array<GenOptionInfo, 5> option_table{{
    {"rdo_2", "2", 2, "2"},
    {"rdo_3", "3", 3, "3"},
    {"rdo_4", "4", 4, "4"},
    {"rdo_5", "5", 5, "5"},
    {"rdo_mix", "Mix It Up", 0, "mix"},
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
    const std::optional<int> items = parse_int(state.editor.txt_items);
    const bool valid = items && *items >= 1 && *items <= max_items;
    tos_reset(state, valid ? *items : 0);
    state.data.editor_start_mode = start_nothing;
}

}  // namespace kor
