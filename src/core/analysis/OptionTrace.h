#pragma once
// How the choice of each option changes from the weakest to the strongest
// examinees: the examinees split into five score groups (fifths of the total
// score), and for every option of an item the share of each group that chose
// it. A distractor chosen more often by the strong than by the weak is a
// sign of a wrong key; so is a key chosen less often by them.

#include <array>
#include <optional>
#include <vector>

namespace kor {

struct AnalysisState;

inline constexpr int score_group_count = 5;

// A line counts as rising or falling when the share of the highest group and
// that of the lowest differ by at least a tenth.
inline constexpr int trend_margin_tenths = 1;

struct ScoreGroup {
    int examinees = 0;
    int min_score = 0;  // the group's score range; both 0 for an empty group
    int max_score = 0;
};

struct ScoreGroups {
    std::array<ScoreGroup, score_group_count> groups{};
    std::vector<int> group_of;  // the group (0..4) of each score, in the order given
};

// Five groups of nearly equal size from the lowest scores to the highest.
// Examinees with the same score always share a group: the one in which the
// middle of their block of tied scores lies, so a large block can leave a
// neighbouring group empty.
ScoreGroups quintile_groups(const std::vector<int>& scores);

enum class Trend { level, rises, falls };

struct OptionTraceLine {
    int option = 0;      // option column 1..8 (right-wrong data: 1 right, 2 wrong)
    bool keyed = false;  // counted as a correct answer of the item
    std::array<int, score_group_count> chosen{};                   // per group
    std::array<std::optional<double>, score_group_count> share{};  // none for an empty group
    Trend trend = Trend::level;  // from the lowest non-empty group to the highest
    // A distractor that rises or a keyed option that falls.
    bool suspicious() const { return keyed ? trend == Trend::falls : trend == Trend::rises; }
};

// One line per option 1..keyed.size(). `codes` are the item's response codes
// in the order of the scores the groups were made from; `keyed[k - 1]` says
// whether option k is a correct answer.
std::vector<OptionTraceLine> trace_options(const ScoreGroups& groups, const std::vector<int>& codes,
                                           bool right_wrong, const std::vector<bool>& keyed);

// The same from the last analysis: the groups of the number-correct scores
// of every examinee (in examinee-number order), and the lines of item `item`.
ScoreGroups quintile_groups_of(const AnalysisState& state);
std::vector<OptionTraceLine> trace_item(const AnalysisState& state, const ScoreGroups& groups,
                                        int item, const std::vector<bool>& keyed);

}  // namespace kor
