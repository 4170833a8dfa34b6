#include <chrono>

#include "app/forms/GenForm.h"

namespace kor {

namespace {

constexpr int largest_suggested_seed = 999999;

std::uint64_t system_clock_ticks() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

void SeedSuggestions::seed_from_clock() {
    const std::uint64_t ticks = clock ? clock() : system_clock_ticks();
    // Both halves of the tick count, so that clocks differing only in their
    // high bits still give different seeds.
    engine.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
    seeded = true;
}

int SeedSuggestions::next() {
    if (!seeded) {
        seed_from_clock();
    }
    return static_cast<int>(engine() % (largest_suggested_seed + 1));
}

}  // namespace kor
