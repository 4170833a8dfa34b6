#include "core/analysis/GroupSummary.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "core/AnalysisState.h"
#include "core/TextUtil.h"
#include "core/analysis/OptionStatistics.h"
#include "core/analysis/ScoreStatistics.h"

namespace kor {

namespace {

std::optional<double> computable(double correlation) {
    return correlation == not_computable ? std::nullopt : std::optional<double>(correlation);
}

// The figures of one group whose examinees (numbers) are `members`.
GroupSummary summary_of(const AnalysisState& state, const CorrectnessMatrix& correct,
                        const std::string& name, const std::vector<int>& members) {
    const TTestData& data = state.data;
    const AnalysisResults& results = state.results;
    GroupSummary summary;
    summary.name = name;
    summary.examinees = static_cast<int>(members.size());
    std::vector<double> scores;
    for (int i : members) {
        scores.push_back(results.examinee_records[i].Score);
    }
    summary.score = describe_scores(scores);
    const double n = static_cast<double>(members.size());
    double sum_pq = 0.0;
    for (int j = 1; j <= data.num_items; ++j) {
        if (results.item_records[j].Include <= 0) {  // excluded
            summary.difficulty.emplace_back();
            summary.pbis.emplace_back();
            continue;
        }
        const std::uint8_t* column = correct.column(j);
        int right = 0;
        long long score_sum = 0;
        for (int i : members) {
            right += column[i - 1];
            score_sum += column[i - 1] * results.examinee_records[i].Score;
        }
        const double p = right / n;
        const double mean_if_right = right > 0 ? static_cast<double>(score_sum) / right : 0.0;
        summary.difficulty.emplace_back(p);
        summary.pbis.push_back(
            computable(point_biserial(p, mean_if_right, summary.score.mean, summary.score.sd)));
        sum_pq += p * (1.0 - p);
    }
    // As the whole test's KR20, with the group's own variance (denominator N).
    const int k = data.num_included_items;
    if (members.size() >= 2 && k >= 2 && summary.score.variance > 0.0) {
        summary.kr20 = kr20_of(k, summary.score.variance, sum_pq);
        summary.sem = std::sqrt(std::max(0.0, 1.0 - *summary.kr20)) * summary.score.sd;
    }
    return summary;
}

// "label column 6", "label columns 21-22".
std::string label_columns_phrase(LabelColumns columns) {
    return (columns.first == columns.last ? "label column " : "label columns ") +
           label_columns_text(columns);
}

std::string examinees_text(int n) {
    return std::to_string(n) + (n == 1 ? " examinee" : " examinees");
}

// The summaries of the groups `columns` name; a warning counts the
// examinees whose label names none.
std::vector<GroupSummary> summaries_by_label(const AnalysisState& state,
                                             const CorrectnessMatrix& correct,
                                             const std::vector<std::string>& group_of,
                                             LabelColumns columns, const std::string& what,
                                             int& without, std::vector<std::string>& warnings) {
    without = static_cast<int>(std::count(group_of.begin(), group_of.end(), std::string()));
    if (without > 0) {
        warnings.push_back(examinees_text(without) + (without == 1 ? " has" : " have") + " no " +
                           what + " in " + label_columns_phrase(columns) + " and " +
                           (without == 1 ? "is" : "are") + " in no " + what + "'s summary");
    }
    return summarise_groups(state, correct, group_of);
}

// Each examinee's number, by score, in the group of `name`.
int count_of(const std::vector<std::string>& group_of, const std::string& name) {
    return static_cast<int>(std::count(group_of.begin(), group_of.end(), name));
}

// Whether the two groups chosen can be compared; a warning says why not,
// or that their classes are unstable.
bool dif_testable(const std::vector<std::string>& group_of, const DifChoice& choice,
                  std::vector<std::string>& warnings) {
    for (const std::string* name : {&choice.reference, &choice.focal}) {
        const int n = count_of(group_of, *name);
        if (n < dif_smallest_group) {
            warnings.push_back("Differential item functioning is not computed: group " + *name +
                               " has " + examinees_text(n) + ", and each group needs at least " +
                               std::to_string(dif_smallest_group));
            return false;
        }
    }
    const int reference = count_of(group_of, choice.reference);
    const int focal = count_of(group_of, choice.focal);
    if (reference < dif_stable_group || focal < dif_stable_group) {
        warnings.push_back(
            "The classes of differential item functioning are unstable with "
            "fewer than " +
            std::to_string(dif_stable_group) + " examinees in a group: group " + choice.reference +
            " has " + std::to_string(reference) + ", group " + choice.focal + " " +
            std::to_string(focal));
    }
    return true;
}

}  // namespace

Outcome read_label_columns(const std::string& text, int label_length, const std::string& what,
                           LabelColumns& columns) {
    Outcome outcome;
    const std::optional<LabelColumns> read = parse_label_columns(text);
    if (!read) {
        outcome.refuse("The label columns of the " + what +
                       " are one column or a range of them, such as 12 or 12-13, not \"" + text +
                       "\"");
    } else if (read->last > label_length) {
        outcome.refuse("The label columns " + label_columns_text(*read) + " of the " + what +
                       " lie beyond the labels, which have " + std::to_string(label_length) +
                       " characters");
    } else {
        columns = *read;
    }
    return outcome;
}

std::vector<GroupSummary> summarise_groups(const AnalysisState& state,
                                           const CorrectnessMatrix& correct,
                                           const std::vector<std::string>& group_of) {
    std::map<std::string, std::vector<int>> members;
    for (std::size_t k = 0; k < group_of.size(); ++k) {
        if (!group_of[k].empty()) {
            members[group_of[k]].push_back(static_cast<int>(k) + 1);
        }
    }
    std::vector<GroupSummary> summaries;
    for (const auto& [name, examinees] : members) {
        summaries.push_back(summary_of(state, correct, name, examinees));
    }
    return summaries;
}

std::vector<std::string> label_parts(const AnalysisState& state, LabelColumns columns) {
    std::vector<std::string> parts;
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        parts.push_back(label_part(state.results.examinee_records[i].Name, columns));
    }
    return parts;
}

std::vector<std::string> group_names(const AnalysisState& state, LabelColumns columns) {
    std::set<std::string> names;
    for (const std::string& name : label_parts(state, columns)) {
        if (!name.empty()) {
            names.insert(name);
        }
    }
    return {names.begin(), names.end()};
}

Outcome dif_choice_refusal(const std::vector<std::string>& names, const std::string& reference,
                           const std::string& focal) {
    Outcome outcome;
    if (names.empty()) {
        outcome.refuse(
            "There are no groups to compare: name the label columns that hold each examinee's "
            "group, or the spreadsheet column, first");
        return outcome;
    }
    for (const std::string* name : {&reference, &focal}) {
        if (std::find(names.begin(), names.end(), *name) == names.end()) {
            outcome.refuse("There is no group \"" + *name + "\"; the labels name the groups " +
                           listed_with_and(names));
            return outcome;
        }
    }
    if (reference == focal) {
        outcome.refuse("The reference and the focal group are both \"" + reference +
                       "\"; a group cannot be compared with itself");
    }
    return outcome;
}

DifResults dif_between(const AnalysisState& state, const CorrectnessMatrix& correct,
                       const std::vector<std::string>& group_of, const DifChoice& choice) {
    const AnalysisResults& results = state.results;
    DifResults dif;
    dif.reference = choice.reference;
    dif.focal = choice.focal;
    dif.reference_examinees = count_of(group_of, choice.reference);
    dif.focal_examinees = count_of(group_of, choice.focal);
    const std::size_t levels = static_cast<std::size_t>(state.data.num_included_items) + 1;
    for (int j = 1; j <= state.data.num_items; ++j) {
        if (results.item_records[j].Include <= 0) {
            continue;
        }
        // The examinees are matched on the score of the included items,
        // the studied item among them.
        std::vector<MhLevel> by_score(levels);
        const std::uint8_t* column = correct.column(j);
        for (std::size_t k = 0; k < group_of.size(); ++k) {
            const bool reference = group_of[k] == choice.reference;
            if (!reference && group_of[k] != choice.focal) {
                continue;
            }
            const int i = static_cast<int>(k) + 1;
            MhLevel& level = by_score[static_cast<std::size_t>(results.examinee_records[i].Score)];
            const bool right = column[k] != 0;
            ++(reference ? (right ? level.reference_right : level.reference_wrong)
                         : (right ? level.focal_right : level.focal_wrong));
        }
        dif.items.push_back(DifItem{j, mantel_haenszel(by_score)});
    }
    return dif;
}

void summarise_label_groups(AnalysisState& state, const CorrectnessMatrix& correct,
                            std::vector<std::string>& warnings) {
    const TTestData& data = state.data;
    AnalysisResults& results = state.results;
    if (data.version_label) {
        results.versions = summaries_by_label(
            state, correct, label_parts(state, *data.version_label), *data.version_label,
            "exam version", results.examinees_without_version, warnings);
    }
    if (!data.group_label) {
        return;
    }
    const std::vector<std::string> group_of = label_parts(state, *data.group_label);
    results.groups = summaries_by_label(state, correct, group_of, *data.group_label, "group",
                                        results.examinees_without_group, warnings);
    if (data.dif_groups && dif_testable(group_of, *data.dif_groups, warnings)) {
        results.dif = dif_between(state, correct, group_of, *data.dif_groups);
    }
}

}  // namespace kor
