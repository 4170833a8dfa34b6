#pragma once
// What the program keeps of the data generator between commands: the state
// of the random stream and of the generator dialog's flow, and the choices a
// generation takes. The dialog's boxes live with its form model.

#include <array>
#include <cstdint>

namespace kor {

// How many options every generated item has.
enum class GenOptionChoice { two, three, four, five, mix };

// How hard the generated exam is, from the easiest to the hardest.
enum class GenDifficulty { easiest, very_easy, easy, medium, hard, very_hard, hardest };

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
