#include "core/analysis/OptionCounts.h"

#include <vector>

#include "core/VariablesUnit.h"

namespace kor {

namespace {

std::size_t at(int position) { return static_cast<std::size_t>(position); }

// The option column a response counts in, or 0 for none. In right-wrong data
// a right answer (code 1) is the first column and a wrong one the second:
// wrong is code 0 as the conversion stores it, or code 2, which is what a "0"
// on a two-option item becomes when the converted data are loaded again.
int option_column(int response, bool right_wrong) {
    if (right_wrong) {
        if (response == 1) {
            return 1;
        }
        return response == 0 || response == 2 ? 2 : 0;
    }
    return response >= 1 && response <= max_option_columns ? response : 0;
}

double share(int count, int total) { return total > 0 ? static_cast<double>(count) / total : 0.0; }

}  // namespace

void count_options(ProgramState& state) {
    const TTestData& data = state.data;
    AnalysisResults& results = state.results;
    const bool right_wrong = data.data_are_right_wrong;
    // Scores by examinee number; the records may be in report order now.
    std::vector<int> score(at(data.num_examinees) + 1);
    for (int p = 1; p <= data.num_examinees; ++p) {
        const Case_Record& r = results.examinee_records[at(p)];
        score[at(r.IDnum)] = r.Score;
    }
    for (int p = 1; p <= data.num_items; ++p) {
        Item_Record& item = results.item_records[at(p)];
        const int j = item.ItemNum;
        if (data.item_include[at(j)] == 0) {
            continue;
        }
        item.OptCount.fill(0);
        item.OptCountHigh.fill(0);
        item.OptCountLow.fill(0);
        for (int i = 1; i <= data.num_examinees; ++i) {
            const int column = option_column(data.responses(i, j), right_wrong);
            if (column == 0) {
                continue;
            }
            ++item.OptCount[at(column)];
            if (score[at(i)] >= results.high_group_min_score) {
                ++item.OptCountHigh[at(column)];
            }
            if (score[at(i)] <= results.low_group_max_score) {
                ++item.OptCountLow[at(column)];
            }
        }
        item.OptProp.fill(0.0);
        item.OptPropHigh.fill(0.0);
        item.OptPropLow.fill(0.0);
        const int columns = right_wrong ? 2 : max_option_columns;
        for (int c = 1; c <= columns; ++c) {
            item.OptProp[at(c)] = share(item.OptCount[at(c)], data.num_examinees);
            item.OptPropHigh[at(c)] = share(item.OptCountHigh[at(c)], results.high_group_n);
            item.OptPropLow[at(c)] = share(item.OptCountLow[at(c)], results.low_group_n);
        }
    }
}

}  // namespace kor
