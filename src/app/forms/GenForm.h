#pragma once
// The data generation dialog ("Data Generation Information"): its boxes and
// choices, how it is filled when it opens, its seed button and Cancel. The
// "Generate" button lives in Generator.h.

#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "core/Outcome.h"
#include "sample/GeneratorState.h"

namespace kor {

struct ProgramState;

inline constexpr const char* gen_caption = "Data Generation Information";
inline constexpr const char* gen_large_note =
    "Unfortunately, when generating a large number of cases, sometimes this window doesn't close "
    "after the data are generated.  If that occurs, simply click on the Data Editor window to "
    "continue. ";

// Focus targets of the dialog's refusals.
namespace gen_control {
inline constexpr const char* num_cases = "edit_num_cases";
inline constexpr const char* num_items = "edit_num_items";
inline constexpr const char* seed = "edit_seed";
}  // namespace gen_control

// The source of suggested seeds 0..999999. It is seeded once from the clock;
// the clock is a member so that tests can fix it.
struct SeedSuggestions {
    std::function<std::uint64_t()> clock;  // empty: the system clock
    std::mt19937 engine;
    bool seeded = false;

    void seed_from_clock();
    int next();  // seeds from the clock first if that has not happened yet
};

struct GenForm {
    std::string edit_num_cases;
    std::string edit_num_items;
    std::string edit_seed;
    GenOptionChoice options = GenOptionChoice::mix;
    GenDifficulty difficulty = GenDifficulty::medium;
    bool gen_let = false;  // letters A, B, C ...; unchecked means numbers 1, 2, 3 ...
    bool lbl_largen_visible = false;
    SeedSuggestions suggestions;
};

struct GenDifficultyInfo {
    const char* control;  // radio button name
    const char* caption;
};

struct GenOptionInfo {
    const char* control;
    const char* caption;
};

const GenDifficultyInfo& difficulty_info(GenDifficulty difficulty);
const GenOptionInfo& option_info(GenOptionChoice choice);

// Opening the dialog from the editor's "&Generate Data": fills the boxes for
// the editor's start mode and asks for the dialog to be shown
// (gen_dialog_again) until Generate succeeds or Cancel is pressed.
void gen_dialog_start(ProgramState& state);

// "Set a New Random Seed".
void gen_new_seed_click(ProgramState& state);

// Cancel: nothing is generated and the dialog is not shown again.
void gen_cancel_click(ProgramState& state);

// After the dialog is gone: the table of specifications starts afresh for
// the editor's item count and the editor does nothing more when it returns.
void gen_dialog_finish(ProgramState& state);

// The dialog's "Generate" button: checks the three boxes, generates and fills
// the editor. Refused with the message and the box to focus; the dialog is
// then shown again and the editor is left as it was.
Outcome gen_generate_click(ProgramState& state);

}  // namespace kor
