#pragma once
// Scoring: which responses are correct, the examinees' scores, and the
// orders in which the reports list the examinee and item records.

#include <cstdint>
#include <vector>

#include "core/settings/Choices.h"

namespace kor {

struct AnalysisState;
struct TTestData;

// The one correctness test of the program: the item is included and the
// response is one of its accepted answers, or its key is 9 (every response
// counts, a missing one too).
bool is_correct(const TTestData& data, int examinee, int item);

// is_correct for every examinee and item, computed once per analysis. The
// cells of one item lie together (the item statistics walk the examinees
// item by item): item j (1-based) holds examinees 1..N at column(j)[0..N-1].
struct CorrectnessMatrix {
    int examinees = 0;
    int items = 0;
    std::vector<std::uint8_t> cells;
    const std::uint8_t* column(int item) const {
        return cells.data() +
               static_cast<std::size_t>(item - 1) * static_cast<std::size_t>(examinees);
    }
    bool operator()(int examinee, int item) const { return column(item)[examinee - 1] != 0; }
};
CorrectnessMatrix correctness_of(const TTestData& data);

// Fills MC, PC, Score, PC_Score, Percent, PC_Percent, the halves and the odd
// and even counts of every record, and total_possible. The records must be
// in examinee-number order.
void score_examinees(AnalysisState& state, const CorrectnessMatrix& correct);

// The orders of the reports, as examinee or item numbers: the selection sort
// of the records in number order by the chosen key (examinees by score sort
// by their points when `use_points`). The records themselves stay in number
// order.
std::vector<int> examinee_order_by(const AnalysisState& state, ExamineeOrder order,
                                   bool use_points);
std::vector<int> item_order_by(const AnalysisState& state, ItemOrder order);

// Copies each item's include code, key and number of options into its record.
void copy_item_settings(AnalysisState& state);

}  // namespace kor
