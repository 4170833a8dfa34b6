#pragma once
// The simulated data generator: a reproducible random stream, examinees who
// answer by a one-parameter logistic model, and the "Generate" button that
// writes the result into the data editor's boxes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "sample/GeneratorState.h"

namespace kor {

struct AnalysisState;

inline constexpr int gen_max_cases = 9999;
inline constexpr int gen_max_items = 100;
// A uniform deviate in (0, 1): two combined congruential generators with a
// shuffle table. Reseed by setting gen_idum to a negative value (or zero).
double gen_uniform(GeneratorState& gen);

// A standard normal deviate by the polar method; every second call returns
// the spare of the pair drawn before.
double gen_normal(GeneratorState& gen);

// What one generation is asked for, already checked.
struct GenRequest {
    int cases = 20;
    int items = 30;
    std::int32_t seed = 1804;
    GenOptionChoice options = GenOptionChoice::mix;
    GenDifficulty difficulty = GenDifficulty::medium;
    bool letters = false;
};

// A generated data set as the editor's texts.
struct GeneratedSet {
    int label_length = 0;
    std::string title;
    std::string key;
    std::string options;
    std::string include;
    std::vector<std::string> lines;  // label followed by the responses, one per examinee
    std::vector<int> key_codes;      // key of item j at [j - 1]
};

// Reseeds the stream from request.seed and draws the whole data set.
GeneratedSet generate_data_set(GeneratorState& gen, const GenRequest& request);

// The label of examinee `examinee` of `cases` on a test of `items` items.
std::string examinee_label(int examinee, int cases, int items);

// What each choice of a generation means: the shift of the simulated
// abilities, the options of every item (0 for the mix), and how the data
// set's title names them.
double ability_shift(GenDifficulty difficulty);
const char* difficulty_title(GenDifficulty difficulty);
int options_per_item(GenOptionChoice choice);
const char* options_title(GenOptionChoice choice);

}  // namespace kor
