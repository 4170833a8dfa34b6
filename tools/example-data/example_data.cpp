// Produces the data lines of the built-in examples that their description
// leaves open, and prints them as C++ string literals:
//
//   kor_example_data set3   49 lines of sample data set #3 whose analysis gives
//                           the figures its title and comments state
//   kor_example_data qxm    sample data set #1 rewritten in every kind of code
//   kor_example_data rvw    199 lines of 0/1 data whose items range from
//                           strongly to negatively discriminating
//
// Every run with the same arguments prints the same lines: the random source
// is our own, seeded with a fixed number. Candidates are judged by the
// program's own analysis (kor_core), so the lines printed are known to give
// the stated figures there.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <numeric>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/ProgramState.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/ScoreStatistics.h"
#include "core/data/AltAnswers.h"
#include "core/data/Loader.h"
#include "sample/ExampleData.h"

namespace {

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

// splitmix64: small, fast and the same on every platform.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double normal() {
        const double u = std::max(uniform(), 1e-300);
        return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * uniform());
    }
    template <typename T>
    void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i) {
            std::swap(v[i - 1], v[at(below(static_cast<int>(i)))]);
        }
    }

  private:
    std::uint64_t state_;
};

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void print_literals(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        std::cout << "    \"" << line << "\",\n";
    }
}

// ------------------------------------------------------------------ set 3

const std::string set3_key = "1314422114431231122233121342324233434413343242";
const std::string set3_first_line =
    "ID #054 Student 01 1344421124424234221234121342342233124313211142";
constexpr int set3_examinees = 50;
constexpr int set3_items = 46;
constexpr std::size_t set3_label_length = 19;

// The figures the title and comments state, as printed there. The low group
// cannot be reached: 27% of 50 is 13.5, which rounds to 14, and a group never
// holds fewer examinees than its nominal size. The scores are chosen so that
// its maximum, 28, is right and its size is 14.
struct Set3Targets {
    int sum = 1626;            // 50 x 32.52
    long sum_squares = 54570;  // gives variance 33.850
    int min = 16, max = 43;
    int median_pair = 65;        // the 25th and 26th score
    int high_cut = 37;           // 14 examinees score 37 or more
    int low_cut = 28;            // 14 examinees score 28 or less
    int group_difference = 204;  // high-group minus low-group score sum: mean D 0.317
    double skewness = -0.345, kurtosis = -0.160;
    double mean_pbis = 0.315;
};

const std::vector<std::pair<std::string, std::string>> set3_stated = {
    {"N", "50"},
    {"min", "16.0"},
    {"max", "43.0"},
    {"median", "32.5"},
    {"mean", "32.52"},
    {"SD", "5.818"},
    {"variance", "33.850"},
    {"skewness", "-0.345"},
    {"kurtosis", "-0.160"},
    {"items", "46"},
    {"mean p", "0.707"},
    {"mean D", "0.317"},
    {"mean pbis", "0.315"},
    {"KR20", "0.794"},
    {"KR21", "0.734"},
    {"SEM", "2.642"},
    {"high n", "14"},
    {"high min", "37.0"},
    {"low n", "13"},
    {"low max", "28"},
};

std::vector<std::pair<std::string, std::string>> printed_figures(const kor::ProgramState& state) {
    const kor::AnalysisResults& r = state.results;
    return {
        {"N", std::to_string(state.data.num_examinees)},
        {"min", fixed(r.score.min, 1)},
        {"max", fixed(r.score.max, 1)},
        {"median", fixed(r.score.median, 1)},
        {"mean", fixed(r.score.mean, 2)},
        {"SD", fixed(r.score.sd, 3)},
        {"variance", fixed(r.score.variance, 3)},
        {"skewness", fixed(r.score.skewness, 3)},
        {"kurtosis", fixed(r.score.kurtosis, 3)},
        {"items", std::to_string(state.data.num_included_items)},
        {"mean p", fixed(r.mean_item_diff, 3)},
        {"mean D", fixed(r.mean_disc, 3)},
        {"mean pbis", fixed(r.mean_pbis, 3)},
        {"KR20", fixed(r.kr20, 3)},
        {"KR21", fixed(r.kr21, 3)},
        {"SEM", fixed(r.sem_kr20, 3)},
        {"high n", std::to_string(r.high_group_n)},
        {"high min", fixed(r.high_group_min_score, 1)},
        {"low n", std::to_string(r.low_group_n)},
        {"low max", std::to_string(r.low_group_max_score)},
    };
}

// The fifty scores fall into three groups that the stated figures bound
// separately: the 14 lowest (16 to 28, with a 16 and a 28), the 22 in the
// middle (29 to 36, whose 11th and 12th make the median 32.5) and the 14
// highest (37 to 43, with a 37 and a 43). A group is a multiset, kept as
// counts per score packed into one number, with its sums of scores, squares
// and of third and fourth powers of the deviations from the stated mean.
struct ScoreGroup {
    int sum = 0;
    long squares = 0;
    double third = 0.0;
    double fourth = 0.0;
    std::uint64_t counts = 0;  // 5 bits per score, lowest score first
};

constexpr double set3_mean = 32.52;

// Every multiset of `size` scores from `low` to `high` that holds the scores
// in `required`, passed to `take`.
template <typename Take>
void each_group(int low, int high, int size, const std::vector<int>& required, Take take) {
    std::vector<int> counts(at(high - low + 1), 0);
    for (int r : required) {
        ++counts[at(r - low)];
    }
    const auto finish = [&]() {
        ScoreGroup g;
        for (int v = low; v <= high; ++v) {
            const int c = counts[at(v - low)];
            const double d = v - set3_mean;
            g.sum += c * v;
            g.squares += static_cast<long>(c) * v * v;
            g.third += c * d * d * d;
            g.fourth += c * d * d * d * d;
            g.counts |= static_cast<std::uint64_t>(c) << (5 * (v - low));
        }
        take(g);
    };
    const auto fill = [&](auto&& self, int v, int left) -> void {
        if (v == high) {
            counts[at(v - low)] += left;
            finish();
            counts[at(v - low)] -= left;
            return;
        }
        for (int c = 0; c <= left; ++c) {
            counts[at(v - low)] += c;
            self(self, v + 1, left - c);
            counts[at(v - low)] -= c;
        }
    };
    fill(fill, low, size - static_cast<int>(required.size()));
}

std::vector<int> unpack(const ScoreGroup& g, int low, int high) {
    std::vector<int> scores;
    for (int v = low; v <= high; ++v) {
        const auto c = (g.counts >> (5 * (v - low))) & 31U;
        scores.insert(scores.end(), c, v);
    }
    return scores;
}

bool prints_as_stated(const std::vector<int>& sorted) {
    std::vector<double> scores(sorted.begin(), sorted.end());
    const kor::ScoreStatistics s = kor::describe_scores(scores);
    const int high = std::accumulate(sorted.end() - 14, sorted.end(), 0);
    const int low = std::accumulate(sorted.begin(), sorted.begin() + 14, 0);
    return fixed(s.min, 1) == "16.0" && fixed(s.max, 1) == "43.0" && fixed(s.median, 1) == "32.5" &&
           fixed(s.mean, 2) == "32.52" && fixed(s.sd, 3) == "5.818" &&
           fixed(s.variance, 3) == "33.850" && fixed(s.skewness, 3) == "-0.345" &&
           fixed(s.kurtosis, 3) == "-0.160" && high - low == 204;
}

// Stage 1: fifty scores. The lowest and highest groups must differ by 204
// points (mean discrimination 0.317 with 14 examinees in each), so for each
// highest group the lowest groups with the matching sum are tried, and the
// middle group is looked up by the sum and squares that are left. The third
// and fourth powers then decide skewness and kurtosis. The highest groups are
// tried in random order, so the seed picks one of the many solutions.
std::vector<int> choose_set3_scores(Random& random, const Set3Targets& t) {
    const double variance =
        (static_cast<double>(t.sum_squares) - static_cast<double>(t.sum) * t.sum / 50.0) / 50.0;
    const double sd = std::sqrt(variance);
    const double third_low = (t.skewness - 0.0005) * 50.0 * sd * sd * sd;
    const double third_high = (t.skewness + 0.0005) * 50.0 * sd * sd * sd;
    const double fourth_low = (t.kurtosis + 3.0 - 0.0005) * 50.0 * variance * variance;
    const double fourth_high = (t.kurtosis + 3.0 + 0.0005) * 50.0 * variance * variance;

    std::vector<ScoreGroup> tops;
    each_group(t.high_cut, t.max, 14, {t.high_cut, t.max},
               [&](const ScoreGroup& g) { tops.push_back(g); });
    std::vector<std::vector<ScoreGroup>> bottoms_by_sum(at(14 * t.low_cut + 1));
    each_group(t.min, t.low_cut, 14, {t.min, t.low_cut}, [&](const ScoreGroup& g) {
        if (g.sum >= 14 * t.high_cut - t.group_difference) {
            bottoms_by_sum[at(g.sum)].push_back(g);
        }
    });
    std::unordered_map<long, std::vector<ScoreGroup>> middles;
    each_group(t.low_cut + 1, t.high_cut - 1, 22, {}, [&](const ScoreGroup& g) {
        const std::vector<int> scores = unpack(g, t.low_cut + 1, t.high_cut - 1);
        if (scores[10] + scores[11] == t.median_pair) {
            middles[g.sum * 100000L + g.squares].push_back(g);
        }
    });
    std::cerr << tops.size() << " highest, " << middles.size() << " middle sums and squares\n";

    // Of all solutions the one closest to a normal curve with the stated
    // mean and SD (50 examinees per unit area), so that no score is crowded.
    const auto roughness = [&](const std::vector<int>& s) {
        double r = 0.0;
        for (int v = t.min; v <= t.max; ++v) {
            const double z = (v - set3_mean) / sd;
            const double expected = 50.0 * std::exp(-0.5 * z * z) / (sd * 2.5066282746310002);
            const auto count = static_cast<double>(std::count(s.begin(), s.end(), v));
            r += (count - expected) * (count - expected);
        }
        return r;
    };
    std::vector<int> best;
    double best_roughness = 0.0;
    long solutions = 0;
    random.shuffle(tops);
    for (const ScoreGroup& top : tops) {
        const int bottom_sum = top.sum - t.group_difference;
        if (bottom_sum < 0 || at(bottom_sum) >= bottoms_by_sum.size()) {
            continue;
        }
        for (const ScoreGroup& bottom : bottoms_by_sum[at(bottom_sum)]) {
            const int middle_sum = t.sum - top.sum - bottom.sum;
            const long middle_squares = t.sum_squares - top.squares - bottom.squares;
            const auto found = middles.find(middle_sum * 100000L + middle_squares);
            if (found == middles.end()) {
                continue;
            }
            for (const ScoreGroup& middle : found->second) {
                const double third = top.third + bottom.third + middle.third;
                const double fourth = top.fourth + bottom.fourth + middle.fourth;
                if (third < third_low || third > third_high || fourth < fourth_low ||
                    fourth > fourth_high) {
                    continue;
                }
                std::vector<int> s = unpack(bottom, t.min, t.low_cut);
                const std::vector<int> m = unpack(middle, t.low_cut + 1, t.high_cut - 1);
                const std::vector<int> h = unpack(top, t.high_cut, t.max);
                s.insert(s.end(), m.begin(), m.end());
                s.insert(s.end(), h.begin(), h.end());
                if (!prints_as_stated(s)) {
                    continue;
                }
                ++solutions;
                const double r = roughness(s);
                if (best.empty() || r < best_roughness) {
                    best = std::move(s);
                    best_roughness = r;
                }
            }
        }
    }
    std::cerr << solutions << " score lists give the stated figures\n";
    if (!best.empty()) {
        return best;
    }
    std::cerr << "no scores give the stated figures\n";
    std::exit(1);
}

std::vector<std::uint8_t> correctness_of_line(const std::string& line, const std::string& key,
                                              std::size_t label_length) {
    std::vector<std::uint8_t> row;
    for (std::size_t j = 0; j < key.size(); ++j) {
        row.push_back(line[label_length + j] == key[j] ? 1 : 0);
    }
    return row;
}

// The matrix of right (1) and wrong (0) answers with its running sums: per
// item the number correct, the sum of the scores of those correct, and the
// correct answers in the high and low groups.
struct Matrix {
    std::vector<std::vector<std::uint8_t>> x;
    std::vector<int> score;
    std::vector<int> count;
    std::vector<long> score_sum;
    double mean = 0.0;
    double sd = 0.0;

    double pbis(std::size_t j) const {
        const double n = static_cast<double>(score.size());
        const double p = count[j] / n;
        return std::sqrt(p / (1.0 - p)) * (static_cast<double>(score_sum[j]) / count[j] - mean) /
               sd;
    }
    double mean_pbis() const {
        double sum = 0.0;
        for (std::size_t j = 0; j < count.size(); ++j) {
            sum += pbis(j);
        }
        return sum / static_cast<double>(count.size());
    }
};

// Whether `value` prints with three decimals as `stated` does. Only values
// near it are printed to see: the walk below asks millions of times.
bool prints_as(double value, double stated) {
    return std::abs(value - stated) < 0.001 && fixed(value, 3) == fixed(stated, 3);
}

// Stage 2a: item counts with the stated total (the mean), a spread that gives
// the stated KR20 and SEM, and a sum of item SDs near SD / mean pbis, since
// the item SDs weighted by the point-biserials add up to the score SD.
std::vector<int> choose_item_counts(Random& random, const std::vector<std::uint8_t>& first_row,
                                    double variance, double sd) {
    const auto counts_fit = [&](const std::vector<int>& c) {
        double sum_pq = 0.0;
        double sum_sd = 0.0;
        int total = 0;
        for (int x : c) {
            const double p = x / 50.0;
            sum_pq += p * (1.0 - p);
            sum_sd += std::sqrt(p * (1.0 - p));
            total += x;
        }
        const double kr20 = kor::kr20_of(set3_items, variance, sum_pq);
        const double sem = std::sqrt(1.0 - kr20) * sd;
        double d = 10.0 * std::abs(total - 1626);
        d += prints_as(kr20, 0.794) ? 0.0 : 100.0 * std::abs(kr20 - 0.7938) + 0.5;
        d += prints_as(sem, 2.642) ? 0.0 : 100.0 * std::abs(sem - 2.642) + 0.5;
        d += std::max(0.0, std::abs(sum_sd - sd / 0.315) - 0.15);
        return d;
    };
    std::vector<int> c(set3_items);
    for (std::size_t j = 0; j < c.size(); ++j) {
        const double p = std::clamp(0.72 + 0.2 * random.normal(), 0.12, 0.96);
        c[j] =
            std::clamp(static_cast<int>(std::lround(50 * p)), 1 + first_row[j], 48 + first_row[j]);
    }
    double current = counts_fit(c);
    // One count a step, taken back when the step is refused (in place: the
    // walk takes millions of steps).
    while (current > 0.0) {
        const std::size_t j = at(random.below(set3_items));
        const int before = c[j];
        c[j] =
            std::clamp(c[j] + (random.below(2) == 0 ? -1 : 1), 1 + first_row[j], 48 + first_row[j]);
        const double d = counts_fit(c);
        if (d <= current || random.uniform() < 0.01) {
            current = d;
        } else {
            c[j] = before;
        }
    }
    return c;
}

// Stage 2b: rows with the given scores and columns with the given counts,
// the first row fixed. Each row takes the items with most places left
// (Ryser's construction), which succeeds whenever any matrix exists.
bool fill_matrix(Random& random, Matrix& m, const std::vector<std::uint8_t>& first_row) {
    std::vector<int> left = m.count;
    for (std::size_t j = 0; j < left.size(); ++j) {
        left[j] -= first_row[j];
    }
    m.x.assign(m.score.size(), std::vector<std::uint8_t>(left.size(), 0));
    m.x[0] = first_row;
    std::vector<std::size_t> rows(m.score.size() - 1);
    std::iota(rows.begin(), rows.end(), 1);
    std::stable_sort(rows.begin(), rows.end(),
                     [&](std::size_t a, std::size_t b) { return m.score[a] > m.score[b]; });
    for (std::size_t i : rows) {
        std::vector<std::size_t> items(left.size());
        std::iota(items.begin(), items.end(), 0);
        random.shuffle(items);
        std::stable_sort(items.begin(), items.end(),
                         [&](std::size_t a, std::size_t b) { return left[a] > left[b]; });
        for (int k = 0; k < m.score[i]; ++k) {
            const std::size_t j = items[at(k)];
            if (left[j] == 0) {
                return false;
            }
            m.x[i][j] = 1;
            --left[j];
        }
    }
    return std::all_of(left.begin(), left.end(), [](int v) { return v == 0; });
}

void sum_columns(Matrix& m) {
    m.score_sum.assign(m.count.size(), 0);
    for (std::size_t i = 0; i < m.x.size(); ++i) {
        for (std::size_t j = 0; j < m.count.size(); ++j) {
            m.score_sum[j] += m.x[i][j] * m.score[i];
        }
    }
}

// Stage 2c: checkerboard swaps (a right answer moves from one examinee to
// another on one item and back on a second item) keep every score and every
// item count. They are accepted by a Metropolis rule around the stated mean
// point-biserial, so the answers mix well, and the walk stops on a matrix
// that prints the stated value.
void mix_matrix(Random& random, Matrix& m, double target, long steps) {
    const double tolerance = 0.004;
    double current = m.mean_pbis();
    const int rows = static_cast<int>(m.x.size());
    const int items = static_cast<int>(m.count.size());
    const auto energy = [&](double value) { return std::pow((value - target) / tolerance, 2); };
    for (long step = 0; step < steps || fixed(current, 3) != fixed(target, 3) ||
                        std::abs(current - target) > 0.0002;
         ++step) {
        const std::size_t a = at(1 + random.below(rows - 1));
        const std::size_t b = at(1 + random.below(rows - 1));
        const std::size_t j = at(random.below(items));
        const std::size_t k = at(random.below(items));
        if (a == b || j == k || m.x[a][j] != 1 || m.x[b][j] != 0 || m.x[a][k] != 0 ||
            m.x[b][k] != 1) {
            continue;
        }
        const long shift = m.score[b] - m.score[a];
        const double before = m.pbis(j) + m.pbis(k);
        m.score_sum[j] += shift;
        m.score_sum[k] -= shift;
        const double next = current + (m.pbis(j) + m.pbis(k) - before) / items;
        const bool settle = step >= steps;
        const bool accept = settle ? std::abs(next - target) <= std::abs(current - target)
                                   : random.uniform() < std::exp(energy(current) - energy(next));
        if (accept) {
            m.x[a][j] = 0;
            m.x[b][j] = 1;
            m.x[a][k] = 1;
            m.x[b][k] = 0;
            current = next;
        } else {
            m.score_sum[j] -= shift;
            m.score_sum[k] += shift;
        }
    }
}

// A wrong answer becomes one of the item's three distractors, one of them
// more attractive than the others, or now and then a missing response.
std::string set3_responses(Random& random, const std::vector<std::uint8_t>& row,
                           const std::vector<std::vector<double>>& distractor_weights) {
    std::string responses;
    for (std::size_t j = 0; j < row.size(); ++j) {
        const char key = set3_key[j];
        if (row[j] == 1) {
            responses += key;
            continue;
        }
        if (random.uniform() < 0.04) {
            responses += '9';
            continue;
        }
        std::string distractors;
        for (char option = '1'; option <= '4'; ++option) {
            if (option != key) {
                distractors += option;
            }
        }
        double u = random.uniform();
        std::size_t pick = 0;
        while (pick + 1 < distractors.size() && u > distractor_weights[j][pick]) {
            u -= distractor_weights[j][pick];
            ++pick;
        }
        responses += distractors[pick];
    }
    return responses;
}

std::vector<std::string> set3_labels(Random& random) {
    std::vector<int> ids;
    for (int id = 1; id <= 999; ++id) {
        if (id != 54) {
            ids.push_back(id);
        }
    }
    random.shuffle(ids);
    std::vector<std::string> labels;
    for (int i = 2; i <= set3_examinees; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "ID #%03d Student %02d ", ids[at(i)], i);
        labels.emplace_back(text);
    }
    return labels;
}

std::unique_ptr<kor::ProgramState> analysed_set3(const std::vector<std::string>& lines) {
    auto state = std::make_unique<kor::ProgramState>();
    kor::EditorTexts& e = state->editor;
    e.title = "Sample Data Set #3: 50, 16.0, 43.0, 32.5, 32.52, 5.818, 33.850, -0.345";
    e.comments = "-0.160, 46, 0.707, 0.317, 0.315, 0.794, 0.734, 2.642, 14, 37.0, 13, 28";
    e.cases = std::to_string(set3_examinees);
    e.items = std::to_string(set3_items);
    e.label_length = std::to_string(set3_label_length);
    e.answer_key = set3_key;
    e.options = std::string(set3_items, '4');
    e.include = std::string(set3_items, 'Y');
    e.data_lines = lines;
    if (kor::load_test_data(*state).refused || kor::run_analysis(*state).refused) {
        return nullptr;
    }
    return state;
}

int figures_missed(const kor::ProgramState& state, bool print) {
    const auto figures = printed_figures(state);
    int missed = 0;
    for (std::size_t f = 0; f < figures.size(); ++f) {
        const bool same = figures[f].second == set3_stated[f].second;
        missed += same ? 0 : 1;
        if (print) {
            std::cerr << "  " << figures[f].first << ": stated " << set3_stated[f].second
                      << ", reached " << figures[f].second << (same ? "" : "   <- differs") << '\n';
        }
    }
    return missed;
}

int make_set3() {
    const Set3Targets targets;
    Random random(20260314);
    const std::vector<std::uint8_t> first_row =
        correctness_of_line(set3_first_line, set3_key, set3_label_length);
    const int first_score = std::accumulate(first_row.begin(), first_row.end(), 0);

    std::vector<int> sorted = choose_set3_scores(random, targets);
    std::cerr << "scores:";
    for (int s : sorted) {
        std::cerr << ' ' << s;
    }
    std::cerr << '\n';
    // Examinee 1 keeps the given line; the others take the remaining scores
    // in random order.
    std::vector<int> rest = sorted;
    rest.erase(std::find(rest.begin(), rest.end(), first_score));
    random.shuffle(rest);

    Matrix m;
    m.score.push_back(first_score);
    m.score.insert(m.score.end(), rest.begin(), rest.end());
    std::vector<double> as_real(m.score.begin(), m.score.end());
    const kor::ScoreStatistics stats = kor::describe_scores(as_real);
    m.mean = stats.mean;
    m.sd = stats.sd;

    for (int attempt = 1;; ++attempt) {
        m.count = choose_item_counts(random, first_row, stats.variance, stats.sd);
        if (!fill_matrix(random, m, first_row)) {
            continue;
        }
        sum_columns(m);
        mix_matrix(random, m, targets.mean_pbis, 2'000'000);

        std::vector<std::vector<double>> weights;
        for (int j = 0; j < set3_items; ++j) {
            const double strong = 0.45 + 0.4 * random.uniform();
            const double second = (1.0 - strong) * (0.4 + 0.4 * random.uniform());
            weights.push_back({strong, second, 1.0 - strong - second});
            random.shuffle(weights.back());
        }
        const std::vector<std::string> labels = set3_labels(random);
        std::vector<std::string> lines = {set3_first_line};
        for (std::size_t i = 1; i < m.x.size(); ++i) {
            lines.push_back(labels[i - 1] + set3_responses(random, m.x[i], weights));
        }
        auto state = analysed_set3(lines);
        if (!state) {
            std::cerr << "attempt " << attempt << ": refused by the loader\n";
            continue;
        }
        const int missed = figures_missed(*state, false);
        std::cerr << "attempt " << attempt << ": " << missed << " figure(s) differ\n";
        if (missed <= 1) {
            figures_missed(*state, true);
            lines.erase(lines.begin());
            print_literals(lines);
            return 0;
        }
    }
}

// ------------------------------------------------------------------ QXM

// Set 1 as the program's example holds it: key, options and the answers
// after each 22-character label. Read when first asked for, after the
// program's own constants exist.
const kor::ExampleTexts& set1() {
    return kor::sample_set_1_texts();
}

const std::vector<std::string>& set1_answers() {
    static const std::vector<std::string> answers = [] {
        std::vector<std::string> list;
        for (const std::string& line : set1().lines) {
            list.push_back(line.substr(static_cast<std::size_t>(set1().label_length)));
        }
        return list;
    }();
    return answers;
}
const std::string qxm_first_responses = "C441413133322221222124a224421322322234413423A4321";

// Set 1 counts a response right when it is the key, and on items 1 and 16
// also the alternatives (every option of item 1, both of item 16).
bool set1_right(std::size_t j, char response) {
    if (j == 0) {
        return response >= '1' && response <= '4';
    }
    if (j == 15) {
        return response == '1' || response == '2';
    }
    return response == set1().key[j];
}

// One response in another writing with the same code: digits, upper and
// lower case letters, and on two-option items also T/t/F/f/0.
char other_writing(Random& random, char digit, int options) {
    if (options == 2 && (digit == '1' || digit == '2')) {
        const std::string forms = digit == '1' ? "1AaTt" : "2BbFf0";
        return forms[at(random.below(static_cast<int>(forms.size())))];
    }
    const int code = digit - '0';
    const std::string forms = {digit, static_cast<char>('A' + code - 1),
                               static_cast<char>('a' + code - 1)};
    return forms[at(random.below(3))];
}

int make_qxm() {
    Random random(4711);
    const std::vector<std::string> names = {"Abel",  "Baker", "Cruz",  "Dunn",  "Ellis", "Frey",
                                            "Gomez", "Hart",  "Ito",   "Jonas", "Kemp",  "Lund",
                                            "Moss",  "Nagy",  "Ortiz", "Park",  "Quinn", "Rossi",
                                            "Sato",  "Tran",  "Ueda",  "Vidal", "Wong"};
    const std::string invalid = ".x*Z?-h";  // no code, or (h) an option the item does not have
    std::size_t next_invalid = 0;
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < set1_answers().size(); ++i) {
        // Two marks from 55 to 99 after the name. The second is drawn first:
        // the lines were made by a compiler that evaluated the arguments of
        // a call from the right, and the order is now spelt out.
        const int second_mark = 55 + random.below(45);
        const int first_mark = 55 + random.below(45);
        std::string label = names[i];
        label.resize(std::max<std::size_t>(label.size(), 12), ' ');
        label += std::to_string(first_mark) + "  " + std::to_string(second_mark) + "  ";
        std::string responses;
        if (i == 0) {
            responses = qxm_first_responses;
        } else {
            for (std::size_t j = 0; j < set1().key.size(); ++j) {
                const char digit = set1_answers()[i][j];
                const int options = set1().options[j] - '0';
                // A wrong answer may be written as a character that is no
                // answer at all: it stays wrong, so the scores stay set 1's.
                if (!set1_right(j, digit) && random.uniform() < 0.12) {
                    responses += invalid[next_invalid++ % invalid.size()];
                } else if (random.uniform() < 0.7) {
                    responses += digit;
                } else {
                    responses += other_writing(random, digit, options);
                }
            }
        }
        lines.push_back(label + responses);
    }
    print_literals(lines);
    return 0;
}

// ------------------------------------------------------------------ RVW

const std::string rvw_first_responses =
    "010011111110000011001000000001011010000000111011000001010110000010101100000";

std::string rvw_label(int i) {
    char text[32];
    std::snprintf(text, sizeof text, "Examinee%4d   ", i);
    return text;
}

std::unique_ptr<kor::ProgramState> analysed_rvw(const std::vector<std::string>& lines) {
    auto state = std::make_unique<kor::ProgramState>();
    kor::EditorTexts& e = state->editor;
    e.cases = "200";
    e.items = "75";
    e.label_length = "15";
    e.answer_key = std::string(75, '1');
    e.options = std::string(75, '2');
    e.data_lines = lines;
    state->data.data_are_right_wrong = true;
    if (kor::load_test_data(*state).refused || kor::run_analysis(*state).refused) {
        return nullptr;
    }
    return state;
}

// Two-parameter logistic answers: the items run through five discrimination
// levels, from strongly positive to negative, each at every difficulty.
int make_rvw() {
    Random random(75200);
    const double slopes[] = {2.5, 1.4, 0.7, 0.0, -1.2};
    std::vector<std::string> lines = {rvw_label(1) + rvw_first_responses};
    for (int i = 2; i <= 200; ++i) {
        const double ability = random.normal();
        std::string responses;
        for (int j = 0; j < 75; ++j) {
            const double slope = slopes[j % 5];
            const double difficulty = -1.5 + 3.0 * (j / 5) / 14.0;
            const double p = 1.0 / (1.0 + std::exp(-slope * (ability - difficulty)));
            responses += random.uniform() < p ? '1' : '0';
        }
        lines.push_back(rvw_label(i) + responses);
    }
    auto state = analysed_rvw(lines);
    if (!state) {
        std::cerr << "refused by the loader\n";
        return 1;
    }
    const auto& items = state->results.item_records;
    double low = 1.0, high = -1.0, low_pbis = 1.0, high_pbis = -1.0;
    int negative = 0;
    for (int j = 1; j <= 75; ++j) {
        low = std::min(low, items[at(j)].Disc);
        high = std::max(high, items[at(j)].Disc);
        low_pbis = std::min(low_pbis, items[at(j)].PtBis);
        high_pbis = std::max(high_pbis, items[at(j)].PtBis);
        negative += items[at(j)].Disc < 0.0 ? 1 : 0;
    }
    std::cerr << "D from " << fixed(low, 3) << " to " << fixed(high, 3) << ", point-biserial from "
              << fixed(low_pbis, 3) << " to " << fixed(high_pbis, 3) << ", " << negative
              << " items with negative D; KR20 " << fixed(state->results.kr20, 3) << '\n';
    lines.erase(lines.begin());
    print_literals(lines);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "set3") {
        return make_set3();
    }
    if (what == "qxm") {
        return make_qxm();
    }
    if (what == "rvw") {
        return make_rvw();
    }
    std::cerr << "usage: kor_example_data set3|qxm|rvw\n";
    return 2;
}
