#pragma once
// What the program keeps of the data generator between commands: the
// dialog's boxes and choices, the source of suggested seeds, and the state of
// the random stream and of the dialog's flow. The generator itself and the
// dialog's buttons live with the sample data.

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace kor {

// "# of Options per Item:" radio buttons.
enum class GenOptionChoice { two, three, four, five, mix };

// "Difficulty of Exam:" radio buttons, from the easiest exam to the hardest.
enum class GenDifficulty { easiest, very_easy, easy, medium, hard, very_hard, hardest };

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

inline constexpr int gen_table_size = 32;

// The state of the random stream and of the dialog's flow; program-wide.
struct GeneratorState {
    std::int32_t gen_idum = 0;   // first generator; zero or negative re-initialises
    std::int32_t gen_idum2 = 0;  // second generator
    std::int32_t gen_iy = 0;     // last output, picks the shuffle slot
    std::array<std::int32_t, gen_table_size> gen_table{};
    bool gen_normal_saved = false;  // gen_normal_spare holds the second deviate of a pair
    double gen_normal_spare = 0.0;
    bool generator_first_call = true;
    bool gen_dialog_again = false;
    int generator_seed_drawn = 0;  // the last seed suggested from the clock-seeded source
};

}  // namespace kor
