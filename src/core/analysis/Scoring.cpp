#include "core/analysis/Scoring.h"

#include <algorithm>

#include "core/AnalysisState.h"
#include "core/analysis/RecordSort.h"
#include "core/data/Codes.h"

namespace kor {

namespace {

// The numbers 1..count in the order of the selection sort by `keys`
// (keys[p] belongs to number p + 1).
template <typename Key>
std::vector<int> numbers_sorted_by(const std::vector<Key>& keys) {
    std::vector<int> numbers = selection_sort_order(ranks_of(keys));
    for (int& number : numbers) {
        ++number;
    }
    return numbers;
}

std::vector<int> numbers_in_order(int count) {
    std::vector<int> numbers(at(std::max(count, 0)));
    for (int p = 0; p < count; ++p) {
        numbers[at(p)] = p + 1;
    }
    return numbers;
}

template <typename KeyOf>
std::vector<int> examinees_sorted_by(const AnalysisState& state, KeyOf key_of) {
    const auto& records = state.results.examinee_records;
    const int n = state.data.num_examinees;
    std::vector<decltype(key_of(records[1]))> keys;
    keys.reserve(at(n));
    for (int i = 1; i <= n; ++i) {
        keys.push_back(key_of(records[at(i)]));
    }
    return numbers_sorted_by(keys);
}

}  // namespace

namespace {

// Whether a response code is correct on an item: the item is included and
// the code is one of its accepted answers, or its key is 9.
bool item_accepts(const TTestData& data, int item, int code) {
    if (data.item_include[at(item)] == include_excluded) {
        return false;
    }
    if (data.item_key[at(item)] == missing_code) {
        return true;
    }
    const auto& accepted = data.item_correct_answers[at(item)];
    return std::find(accepted.begin(), accepted.end(), code) != accepted.end();
}

// The codes 0..9 an item accepts, as bits: one look-up per response.
unsigned accepted_codes(const TTestData& data, int item) {
    unsigned mask = 0;
    for (int code = 0; code <= missing_code; ++code) {
        mask |= item_accepts(data, item, code) ? 1u << code : 0u;
    }
    return mask;
}

}  // namespace

bool is_correct(const TTestData& data, int examinee, int item) {
    return item_accepts(data, item, data.responses(examinee, item));
}

CorrectnessMatrix correctness_of(const TTestData& data) {
    CorrectnessMatrix matrix;
    const int n = data.num_examinees;
    matrix.examinees = n;
    matrix.items = data.num_items;
    matrix.cells.resize(at(n) * at(data.num_items));
    std::vector<unsigned> masks(at(data.num_items) + 1);
    for (int j = 1; j <= data.num_items; ++j) {
        masks[at(j)] = accepted_codes(data, j);
    }
    // The responses lie examinee by examinee and the cells item by item: work
    // through blocks of examinees so both stay in the cache.
    constexpr int block = 64;
    for (int first = 1; first <= n; first += block) {
        const int last = std::min(n, first + block - 1);
        for (int j = 1; j <= data.num_items; ++j) {
            std::uint8_t* column = matrix.cells.data() + at(j - 1) * at(n);
            for (int i = first; i <= last; ++i) {
                column[at(i - 1)] =
                    static_cast<std::uint8_t>((masks[at(j)] >> data.responses(i, j)) & 1u);
            }
        }
    }
    return matrix;
}

void score_examinees(AnalysisState& state, const CorrectnessMatrix& correct) {
    const TTestData& data = state.data;
    AnalysisResults& results = state.results;
    const int n = data.num_examinees;
    const int k = data.num_included_items;
    const int first_half_end = data.num_items / 2;
    results.total_possible =
        data.partial_credit_on ? k * data.mc_item_points + data.pc_total_points : 0.0;

    // Counted item by item, where the correctness cells lie together.
    std::vector<int> score(at(n)), half1(at(n)), half2(at(n)), odds(at(n)), evens(at(n));
    for (int j = 1; j <= data.num_items; ++j) {
        const std::uint8_t* column = correct.column(j);
        std::vector<int>& half = j <= first_half_end ? half1 : half2;
        std::vector<int>& parity = j % 2 == 1 ? odds : evens;
        for (std::size_t i = 0; i < at(n); ++i) {
            score[i] += column[i];
            half[i] += column[i];
            parity[i] += column[i];
        }
    }
    for (int i = 1; i <= n; ++i) {
        Case_Record& record = results.examinee_records[at(i)];
        const std::size_t e = at(i - 1);
        record.Score = score[e];
        record.Half1 = half1[e];
        record.Half2 = half2[e];
        record.Odds = odds[e];
        record.Evens = evens[e];
        record.MC = record.Score;
        record.PC = data.pc_points[at(i)];
        record.Percent = static_cast<double>(record.Score) / k * 100.0;
        if (data.partial_credit_on) {
            record.PC_Score = record.MC * data.mc_item_points + record.PC;
            // Without any possible points there is no percentage to give.
            record.PC_Percent = results.total_possible > 0.0
                                    ? record.PC_Score / results.total_possible * 100.0
                                    : 0.0;
        } else {
            record.PC_Score = 0.0;
            record.PC_Percent = 0.0;
        }
    }
}

// Case numbers are distinct, so the selection sort leaves every record at
// the position of its number whatever the order it starts from: the records
// can be put there directly.
std::vector<int> examinee_order_by(const AnalysisState& state, ExamineeOrder order,
                                   bool use_points) {
    switch (order) {
        case ExamineeOrder::label:
            return examinees_sorted_by(state, [](const Case_Record& r) { return r.Name; });
        case ExamineeOrder::score:
            if (use_points) {
                return examinees_sorted_by(state, [](const Case_Record& r) { return r.PC_Score; });
            }
            return examinees_sorted_by(
                state, [](const Case_Record& r) { return static_cast<double>(r.Score); });
        case ExamineeOrder::none:
            break;
    }
    return numbers_in_order(state.data.num_examinees);
}

std::vector<int> item_order_by(const AnalysisState& state, ItemOrder order) {
    const auto& records = state.results.item_records;
    const int k = state.data.num_items;
    if (order == ItemOrder::number) {
        return numbers_in_order(k);
    }
    std::vector<double> keys;
    keys.reserve(at(k));
    for (int j = 1; j <= k; ++j) {
        const Item_Record& r = records[at(j)];
        switch (order) {
            case ItemOrder::difficulty:
                keys.push_back(r.Diff);
                break;
            case ItemOrder::discrimination:
                keys.push_back(r.Disc);
                break;
            case ItemOrder::point_biserial:
                keys.push_back(r.PtBis);
                break;
            case ItemOrder::adjusted_point_biserial:
                keys.push_back(r.AdjPtBis);
                break;
            case ItemOrder::number:
                keys.push_back(r.ItemNum);
                break;
        }
    }
    return numbers_sorted_by(keys);
}

void copy_item_settings(AnalysisState& state) {
    const TTestData& data = state.data;
    for (int j = 1; j <= data.num_items; ++j) {
        Item_Record& r = state.results.item_records[at(j)];
        r.Include = data.item_include[at(j)];
        r.Key = data.item_key[at(j)];
        r.NumOptions = data.item_options[at(j)];
    }
}

}  // namespace kor
