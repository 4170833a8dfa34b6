#include "core/analysis/OptionCounts.h"

#include <array>
#include <vector>

#include "core/AnalysisState.h"

namespace kor {

namespace {

double share(int count, int total) {
    return total > 0 ? static_cast<double>(count) / total : 0.0;
}

}  // namespace

// In right-wrong data a right answer (code 1) is the first column and a
// wrong one the second: wrong is code 0 as the conversion stores it, or code
// 2, which is what a "0" on a two-option item becomes when the converted data
// are loaded again.
int option_column(int response, bool right_wrong) {
    if (right_wrong) {
        if (response == 1) {
            return 1;
        }
        return response == 0 || response == 2 ? 2 : 0;
    }
    return response >= 1 && response <= max_option_columns ? response : 0;
}

void count_options(AnalysisState& state) {
    const TTestData& data = state.data;
    AnalysisResults& results = state.results;
    const int items = data.num_items;
    // The column of each response code; column 0 collects what is not counted.
    std::array<int, 10> column_of{};
    for (int code = 0; code <= 9; ++code) {
        column_of[at(code)] = option_column(code, data.data_are_right_wrong);
    }
    // Counted examinee by examinee, where the responses lie together, into
    // one table per group: [item][column].
    constexpr std::size_t width = max_option_columns + 1;
    std::vector<std::int32_t> total(at(items + 1) * width), high(total.size()), low(total.size());
    auto add_row = [&](std::vector<std::int32_t>& table, int examinee) {
        for (int j = 1; j <= items; ++j) {
            ++table[at(j) * width + at(column_of[data.responses(examinee, j)])];
        }
    };
    for (int p = 1; p <= data.num_examinees; ++p) {
        const Case_Record& r = results.examinee_records[at(p)];
        add_row(total, r.IDnum);
        if (r.Score >= results.high_group_min_score) {
            add_row(high, r.IDnum);
        }
        if (r.Score <= results.low_group_max_score) {
            add_row(low, r.IDnum);
        }
    }
    // Into the records (in report order now); excluded items keep what they had.
    const int columns = data.data_are_right_wrong ? 2 : max_option_columns;
    for (int p = 1; p <= items; ++p) {
        Item_Record& item = results.item_records[at(p)];
        const int j = item.ItemNum;
        if (data.item_include[at(j)] == 0) {
            continue;
        }
        item.OptCount.fill(0);
        item.OptCountHigh.fill(0);
        item.OptCountLow.fill(0);
        item.OptProp.fill(0.0);
        item.OptPropHigh.fill(0.0);
        item.OptPropLow.fill(0.0);
        for (int c = 1; c <= max_option_columns; ++c) {
            const std::size_t cell = at(j) * width + at(c);
            item.OptCount[at(c)] = total[cell];
            item.OptCountHigh[at(c)] = high[cell];
            item.OptCountLow[at(c)] = low[cell];
        }
        for (int c = 1; c <= columns; ++c) {
            item.OptProp[at(c)] = share(item.OptCount[at(c)], data.num_examinees);
            item.OptPropHigh[at(c)] = share(item.OptCountHigh[at(c)], results.high_group_n);
            item.OptPropLow[at(c)] = share(item.OptCountLow[at(c)], results.low_group_n);
        }
    }
}

}  // namespace kor
