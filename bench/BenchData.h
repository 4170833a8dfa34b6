#pragma once
// The data sets the benchmarks run on: the program's own generator with a
// fixed seed, mixed option counts and a moderately difficult exam.

#include <cstdlib>
#include <memory>
#include <string>

#include "app/ProgramState.h"
#include "app/forms/GenForm.h"
#include "core/data/Loader.h"

namespace kor::bench {

// Generated and loaded: the editor's texts and the data set of `cases` x `items`.
inline std::unique_ptr<ProgramState> generated(int cases, int items) {
    auto state = std::make_unique<ProgramState>();
    GenForm& form = state->gen_form;
    form.edit_num_cases = std::to_string(cases);
    form.edit_num_items = std::to_string(items);
    form.edit_seed = "1804";
    form.options = GenOptionChoice::mix;
    form.difficulty = GenDifficulty::medium;
    if (gen_generate_click(*state).refused || load_test_data(*state).refused) {
        std::abort();
    }
    return state;
}

}  // namespace kor::bench
