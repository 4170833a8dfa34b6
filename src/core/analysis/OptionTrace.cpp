#include "core/analysis/OptionTrace.h"

#include <algorithm>
#include <map>

#include "core/AnalysisState.h"
#include "core/analysis/OptionCounts.h"

namespace kor {

namespace {

// Whether chosen/size of group `a` exceeds that of group `b` by at least the
// margin, in whole numbers so that 0.3 - 0.2 counts as the tenth it is.
bool exceeds_by_margin(int chosen_a, int size_a, int chosen_b, int size_b) {
    const long long difference =
        static_cast<long long>(chosen_a) * size_b - static_cast<long long>(chosen_b) * size_a;
    return 10 * difference >= static_cast<long long>(trend_margin_tenths) * size_a * size_b;
}

Trend trend_of(const OptionTraceLine& line, const ScoreGroups& groups) {
    int lowest = -1;
    int highest = -1;
    for (int g = 0; g < score_group_count; ++g) {
        if (groups.groups[at(g)].examinees > 0) {
            lowest = lowest < 0 ? g : lowest;
            highest = g;
        }
    }
    if (lowest < 0 || lowest == highest) {
        return Trend::level;  // one group has nothing to compare with
    }
    const int n_low = groups.groups[at(lowest)].examinees;
    const int n_high = groups.groups[at(highest)].examinees;
    const int c_low = line.chosen[at(lowest)];
    const int c_high = line.chosen[at(highest)];
    if (exceeds_by_margin(c_high, n_high, c_low, n_low)) {
        return Trend::rises;
    }
    if (exceeds_by_margin(c_low, n_low, c_high, n_high)) {
        return Trend::falls;
    }
    return Trend::level;
}

}  // namespace

ScoreGroups quintile_groups(const std::vector<int>& scores) {
    ScoreGroups result;
    const auto n = static_cast<long long>(scores.size());
    result.group_of.assign(scores.size(), 0);
    if (n == 0) {
        return result;
    }
    // Examinees per score, then for each score the place of the middle of its
    // block among all the examinees from the lowest: below + tied / 2.
    std::map<int, long long> tied;
    for (const int s : scores) {
        ++tied[s];
    }
    std::map<int, int> group_of_score;
    long long below = 0;
    for (const auto& [score, count] : tied) {
        // floor(5 * (below + count / 2) / n) in whole numbers: 2 * 5 * middle over 2n.
        const long long group = (score_group_count * (2 * below + count)) / (2 * n);
        group_of_score[score] = static_cast<int>(std::min<long long>(group, score_group_count - 1));
        below += count;
    }
    for (std::size_t i = 0; i < scores.size(); ++i) {
        const int g = group_of_score[scores[i]];
        result.group_of[i] = g;
        ScoreGroup& group = result.groups[at(g)];
        if (group.examinees == 0) {
            group.min_score = group.max_score = scores[i];
        }
        group.min_score = std::min(group.min_score, scores[i]);
        group.max_score = std::max(group.max_score, scores[i]);
        ++group.examinees;
    }
    return result;
}

std::vector<OptionTraceLine> trace_options(const ScoreGroups& groups, const std::vector<int>& codes,
                                           bool right_wrong, const std::vector<bool>& keyed) {
    const auto options = static_cast<int>(std::min<std::size_t>(keyed.size(), max_option_columns));
    std::vector<OptionTraceLine> lines(at(options));
    for (int k = 1; k <= options; ++k) {
        lines[at(k - 1)].option = k;
        lines[at(k - 1)].keyed = keyed[at(k - 1)];
    }
    const std::size_t examinees = std::min(codes.size(), groups.group_of.size());
    for (std::size_t i = 0; i < examinees; ++i) {
        const int column = option_column(codes[i], right_wrong);
        if (column >= 1 && column <= options) {
            ++lines[at(column - 1)].chosen[at(groups.group_of[i])];
        }
    }
    for (OptionTraceLine& line : lines) {
        for (int g = 0; g < score_group_count; ++g) {
            const int size = groups.groups[at(g)].examinees;
            if (size > 0) {
                line.share[at(g)] = static_cast<double>(line.chosen[at(g)]) / size;
            }
        }
        line.trend = trend_of(line, groups);
    }
    return lines;
}

ScoreGroups quintile_groups_of(const AnalysisState& state) {
    const int n = std::clamp(state.data.num_examinees, 0, max_examinees_limit);
    std::vector<int> scores;
    scores.reserve(at(n));
    for (int i = 1; i <= n; ++i) {
        scores.push_back(state.results.examinee_records[at(i)].Score);
    }
    return quintile_groups(scores);
}

std::vector<OptionTraceLine> trace_item(const AnalysisState& state, const ScoreGroups& groups,
                                        int item, const std::vector<bool>& keyed) {
    const TTestData& data = state.data;
    const int n = std::clamp(data.num_examinees, 0, max_examinees_limit);
    std::vector<int> codes;
    codes.reserve(at(n));
    for (int i = 1; i <= n; ++i) {
        codes.push_back(data.responses(state.results.examinee_records[at(i)].IDnum, item));
    }
    return trace_options(groups, codes, data.data_are_right_wrong, keyed);
}

}  // namespace kor
