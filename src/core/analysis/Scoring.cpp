#include "core/analysis/Scoring.h"

#include <algorithm>

#include "core/VariablesUnit.h"
#include "core/analysis/RecordSort.h"
#include "core/data/Codes.h"

namespace kor {

namespace {

std::size_t at(int position) { return static_cast<std::size_t>(position); }

template <typename Records>
void apply_order(Records& records, int count, const std::vector<int>& order) {
    std::vector<typename std::remove_reference_t<decltype(records[1])>> moved;
    moved.reserve(static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) {
        moved.push_back(std::move(records[at(order[at(p)] + 1)]));
    }
    for (int p = 0; p < count; ++p) {
        records[at(p + 1)] = std::move(moved[at(p)]);
    }
}

template <typename KeyOf>
void sort_examinees(ProgramState& state, KeyOf key_of) {
    auto& records = state.results.examinee_records;
    const int n = state.data.num_examinees;
    std::vector<decltype(key_of(records[1]))> keys;
    keys.reserve(at(n));
    for (int i = 1; i <= n; ++i) {
        keys.push_back(key_of(records[at(i)]));
    }
    apply_order(records, n, selection_sort_order(ranks_of(keys)));
}

}  // namespace

bool is_correct(const TTestData& data, int examinee, int item) {
    if (data.item_include[at(item)] == include_excluded) {
        return false;
    }
    if (data.item_key[at(item)] == missing_code) {
        return true;
    }
    const auto& accepted = data.item_correct_answers[at(item)];
    const int response = data.responses(examinee, item);
    return std::find(accepted.begin(), accepted.end(), response) != accepted.end();
}

CorrectnessMatrix correctness_of(const TTestData& data) {
    CorrectnessMatrix matrix;
    matrix.examinees = data.num_examinees;
    matrix.items = data.num_items;
    matrix.cells.resize(at(data.num_examinees) * at(data.num_items));
    std::size_t cell = 0;
    for (int i = 1; i <= data.num_examinees; ++i) {
        for (int j = 1; j <= data.num_items; ++j) {
            matrix.cells[cell++] = is_correct(data, i, j) ? 1 : 0;
        }
    }
    return matrix;
}

void score_examinees(ProgramState& state, const CorrectnessMatrix& correct) {
    const TTestData& data = state.data;
    AnalysisResults& results = state.results;
    const int k = data.num_included_items;
    const int first_half_end = data.num_items / 2;
    results.total_possible = data.partial_credit_on ? k * data.mc_item_points + data.pc_total_points : 0.0;
    for (int i = 1; i <= data.num_examinees; ++i) {
        Case_Record& record = results.examinee_records[at(i)];
        record.Score = record.Half1 = record.Half2 = record.Odds = record.Evens = 0;
        for (int j = 1; j <= data.num_items; ++j) {
            if (!correct(i, j)) {
                continue;
            }
            ++record.Score;
            ++(j <= first_half_end ? record.Half1 : record.Half2);
            ++(j % 2 == 1 ? record.Odds : record.Evens);
        }
        record.MC = record.Score;
        record.PC = data.pc_points[at(i)];
        record.Percent = static_cast<double>(record.Score) / k * 100.0;
        if (data.partial_credit_on) {
            record.PC_Score = record.MC * data.mc_item_points + record.PC;
            // Without any possible points there is no percentage to give.
            record.PC_Percent = results.total_possible > 0.0 ? record.PC_Score / results.total_possible * 100.0 : 0.0;
        } else {
            record.PC_Score = 0.0;
            record.PC_Percent = 0.0;
        }
    }
}

void sort_examinees_by_order(ProgramState& state) {
    sort_examinees(state, [](const Case_Record& r) { return static_cast<double>(r.IDnum); });
}

void sort_examinees_by_label(ProgramState& state) {
    sort_examinees(state, [](const Case_Record& r) { return r.Name; });
}

void sort_examinees_by_score(ProgramState& state, bool use_points) {
    if (use_points) {
        sort_examinees(state, [](const Case_Record& r) { return r.PC_Score; });
    } else {
        sort_examinees(state, [](const Case_Record& r) { return static_cast<double>(r.Score); });
    }
}

void sort_items(ProgramState& state, ItemSortKey key) {
    auto& records = state.results.item_records;
    const int k = state.data.num_items;
    std::vector<double> keys;
    keys.reserve(at(k));
    for (int j = 1; j <= k; ++j) {
        const Item_Record& r = records[at(j)];
        switch (key) {
            case ItemSortKey::number: keys.push_back(r.ItemNum); break;
            case ItemSortKey::difficulty: keys.push_back(r.Diff); break;
            case ItemSortKey::discrimination: keys.push_back(r.Disc); break;
            case ItemSortKey::pbis: keys.push_back(r.PtBis); break;
            case ItemSortKey::adj_pbis: keys.push_back(r.AdjPtBis); break;
        }
    }
    apply_order(records, k, selection_sort_order(ranks_of(keys)));
    // The copies of the item's settings follow the item, not the position.
    const TTestData& data = state.data;
    for (int p = 1; p <= k; ++p) {
        Item_Record& r = records[at(p)];
        r.Include = data.item_include[at(r.ItemNum)];
        r.Key = data.item_key[at(r.ItemNum)];
        r.NumOptions = data.item_options[at(r.ItemNum)];
    }
}

}  // namespace kor
