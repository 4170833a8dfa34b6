#include "sample/Generator.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <utility>

#include "core/AnalysisState.h"
#include "core/TextUtil.h"

namespace kor {

namespace {

// How each difficulty shifts the simulated abilities and how the data set's
// title names it, from the easiest exam to the hardest.
struct DifficultyFacts {
    double ability_shift;
    const char* title;
};
constexpr std::array<DifficultyFacts, 7> difficulty_facts{{
    {2.2, "easiest"},
    {1.5, "v. easy"},
    {1.0, "easy"},
    {0.6, "medium"},
    {0.3, "hard"},
    {0.0, "v. hard"},
    {-0.3, "hardest"},
}};

// The options of every item (0 for the mix) and the title's name for them.
struct OptionFacts {
    int options;
    const char* title;
};
constexpr std::array<OptionFacts, 5> option_facts{{
    {2, "2"},
    {3, "3"},
    {4, "4"},
    {5, "5"},
    {0, "mix"},
}};

// --------------------------------------------------------------- the stream

// One multiplicative congruential generator x <- a * x mod m, stepped by
// Schrage's decomposition m = a * q + r, which keeps every intermediate
// value inside 32 bits for 0 < x < 2^31.
struct Congruential {
    std::int32_t m;
    std::int32_t a;
    std::int32_t q;
    std::int32_t r;
};

constexpr Congruential first_generator{2147483563, 40014, 53668, 12211};
constexpr Congruential second_generator{2147483399, 40692, 52774, 3791};
constexpr int warm_up_steps = 8;  // steps discarded before the table is filled
// The shuffle slot is gen_iy divided by this: 1 + (m1 - 1) / 32 as a real,
// not its integer part.
constexpr double slot_divisor = 67108862.3125;
// 1 / m1 and its product with gen_iy are held in extended precision; only
// the deviate returned is rounded to double.
constexpr long double first_modulus_reciprocal = 1.0L / 2147483563.0L;
// The largest value returned, so that no deviate is ever 1.
constexpr long double largest_deviate = 0.99999988L;

// The state is always positive here, so integer division truncates as the
// real quotient would.
void step(std::int32_t& x, const Congruential& g) {
    const std::int32_t k = x / g.q;
    x = g.a * (x - k * g.q) - k * g.r;
    if (x < 0) {
        x += g.m;
    }
}

// A zero state would stay zero for ever, so seed 0 starts from 1.
void initialise(GeneratorState& gen) {
    gen.gen_idum = gen.gen_idum == 0 ? 1 : -gen.gen_idum;
    gen.gen_idum2 = gen.gen_idum;
    for (int j = gen_table_size + warm_up_steps - 1; j >= 0; --j) {
        step(gen.gen_idum, first_generator);
        if (j < gen_table_size) {
            gen.gen_table[static_cast<std::size_t>(j)] = gen.gen_idum;
        }
    }
    gen.gen_iy = gen.gen_table[0];
}

std::size_t shuffle_slot(std::int32_t iy) {
    return static_cast<std::size_t>(static_cast<int>(iy / slot_divisor + 1.0) - 1);
}

// --------------------------------------------------------------- the draws

// The smallest k in 1..7 with u <= k / parts, else 8: u cut into `parts`
// equal pieces.
int piece_of(double u, int parts) {
    for (int k = 1; k <= 7; ++k) {
        if (u <= static_cast<double>(k) / parts) {
            return k;
        }
    }
    return 8;
}

int mixed_option_count(double t) {
    if (t <= 0.25) {
        return 2;
    }
    if (t <= 0.5) {
        return 3;
    }
    if (t <= 0.75) {
        return 4;
    }
    return 5;
}

std::vector<int> draw_option_counts(GeneratorState& gen, const GenRequest& request) {
    const int fixed = options_per_item(request.options);
    std::vector<int> counts(static_cast<std::size_t>(request.items), fixed);
    if (fixed == 0) {
        for (int& count : counts) {
            count = mixed_option_count(gen_uniform(gen));
        }
    }
    return counts;
}

std::vector<int> draw_keys(GeneratorState& gen, const std::vector<int>& option_counts) {
    std::vector<int> keys;
    keys.reserve(option_counts.size());
    for (int options : option_counts) {
        keys.push_back(piece_of(gen_uniform(gen), options));
    }
    return keys;
}

// Abilities and difficulties share the normal deviates: the spare of the last
// ability's pair may become the first difficulty.
std::vector<double> draw_half_normals(GeneratorState& gen, int count, double shift) {
    std::vector<double> values(static_cast<std::size_t>(count));
    for (double& value : values) {
        value = 0.5 * gen_normal(gen) + shift;
    }
    return values;
}

double chance_correct(double ability, double difficulty) {
    const double x = 1.7 * (ability - difficulty);
    return std::exp(x) / (1.0 + std::exp(x));
}

// A wrong answer: one of the m - 1 other options. A draw below one half is
// doubled, so the draw lands in the upper half twice as often and the
// higher-numbered wrong options come up more often.
int wrong_answer(GeneratorState& gen, int options, int key) {
    double w = gen_uniform(gen);
    if (w < 0.5) {
        w = 2.0 * w;
    }
    const int a = piece_of(w, options - 1);
    return a < key ? a : a + 1;
}

char code_char(int code, bool letters) {
    return static_cast<char>(letters ? 'A' + code - 1 : '0' + code);
}

std::string response_text(GeneratorState& gen, double ability,
                          const std::vector<double>& difficulties, const std::vector<int>& keys,
                          const std::vector<int>& options, bool letters) {
    std::string text;
    text.reserve(keys.size());
    for (std::size_t j = 0; j < keys.size(); ++j) {
        const bool right = gen_uniform(gen) < chance_correct(ability, difficulties[j]);
        const int response = right ? keys[j] : wrong_answer(gen, options[j], keys[j]);
        text += code_char(response, letters);
    }
    return text;
}

// --------------------------------------------------------------- the texts

int label_length_for(int items) {
    return items <= 90 ? 15 : max_label_plus_items - items;
}

// The prefix shortens as the label gets shorter, down to nothing for a
// four-digit number in five characters.
std::string label_prefix(int length, int digits) {
    if (length >= 12) {
        return "Person_";
    }
    if (length == 11) {
        return "Person";
    }
    if (length >= 7) {
        return "P_";
    }
    if (length == 6 || digits == 3) {
        return "P";
    }
    return "";
}

std::string zero_padded(int number, int digits) {
    std::string text = std::to_string(number);
    while (text.size() < static_cast<std::size_t>(digits)) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string codes_text(const std::vector<int>& codes, bool letters) {
    std::string text;
    for (int code : codes) {
        text += code_char(code, letters);
    }
    return text;
}

std::string title_text(const GenRequest& request) {
    return "Generated: Cases=" + std::to_string(request.cases) +
           ", Items=" + std::to_string(request.items) + ", Seed=" + std::to_string(request.seed) +
           ", Options=" + options_title(request.options) +
           ", Diff=" + difficulty_title(request.difficulty);
}

}  // namespace

double ability_shift(GenDifficulty difficulty) {
    return difficulty_facts[static_cast<std::size_t>(difficulty)].ability_shift;
}

const char* difficulty_title(GenDifficulty difficulty) {
    return difficulty_facts[static_cast<std::size_t>(difficulty)].title;
}

int options_per_item(GenOptionChoice choice) {
    return option_facts[static_cast<std::size_t>(choice)].options;
}

const char* options_title(GenOptionChoice choice) {
    return option_facts[static_cast<std::size_t>(choice)].title;
}

double gen_uniform(GeneratorState& gen) {
    if (gen.gen_idum <= 0) {
        initialise(gen);
    }
    step(gen.gen_idum, first_generator);
    step(gen.gen_idum2, second_generator);
    const std::size_t j = shuffle_slot(gen.gen_iy);
    gen.gen_iy = gen.gen_table[j] - gen.gen_idum2;
    gen.gen_table[j] = gen.gen_idum;
    if (gen.gen_iy < 1) {
        gen.gen_iy += first_generator.m - 1;
    }
    const long double r = first_modulus_reciprocal * gen.gen_iy;
    return static_cast<double>(r >= largest_deviate ? largest_deviate : r);
}

double gen_normal(GeneratorState& gen) {
    if (gen.gen_normal_saved) {
        gen.gen_normal_saved = false;
        return gen.gen_normal_spare;
    }
    double p = 0.0;
    double q = 0.0;
    double s = 0.0;
    do {
        p = 2.0 * gen_uniform(gen) - 1.0;
        q = 2.0 * gen_uniform(gen) - 1.0;
        s = p * p + q * q;
    } while (!(s > 0.0 && s < 1.0));
    const double f = std::sqrt(-2.0 * std::log(s) / s);
    gen.gen_normal_spare = p * f;
    gen.gen_normal_saved = true;
    return q * f;
}

std::string examinee_label(int examinee, int cases, int items) {
    const int length = label_length_for(items);
    const int digits = cases <= 999 ? 3 : 4;
    std::string label = label_prefix(length, digits) + zero_padded(examinee, digits);
    return pad_right(label, static_cast<std::size_t>(length));
}

GeneratedSet generate_data_set(GeneratorState& gen, const GenRequest& request) {
    gen.gen_idum = -std::abs(request.seed);
    const std::vector<int> options = draw_option_counts(gen, request);
    const std::vector<int> keys = draw_keys(gen, options);
    gen.gen_normal_saved = false;
    const std::vector<double> abilities =
        draw_half_normals(gen, request.cases, ability_shift(request.difficulty));
    const std::vector<double> difficulties = draw_half_normals(gen, request.items, 0.0);

    GeneratedSet set;
    set.label_length = label_length_for(request.items);
    set.title = title_text(request);
    set.key = codes_text(keys, request.letters);
    set.options = codes_text(options, false);
    set.include = std::string(static_cast<std::size_t>(request.items), 'Y');
    set.lines.reserve(abilities.size());
    for (std::size_t i = 0; i < abilities.size(); ++i) {
        set.lines.push_back(
            examinee_label(static_cast<int>(i) + 1, request.cases, request.items) +
            response_text(gen, abilities[i], difficulties, keys, options, request.letters));
    }
    set.key_codes = keys;
    return set;
}

}  // namespace kor
