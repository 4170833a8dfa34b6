#include "core/analysis/GroupSummary.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/AnalysisState.h"
#include "core/analysis/ScoreStatistics.h"

namespace kor {

namespace {

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
            continue;
        }
        const std::uint8_t* column = correct.column(j);
        int right = 0;
        for (int i : members) {
            right += column[i - 1];
        }
        const double p = right / n;
        summary.difficulty.emplace_back(p);
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

std::vector<std::string> examinee_versions(const AnalysisState& state) {
    const TTestData& data = state.data;
    std::vector<std::string> versions;
    if (!data.version_label) {
        return versions;
    }
    for (int i = 1; i <= data.num_examinees; ++i) {
        versions.push_back(label_part(state.results.examinee_records[i].Name, *data.version_label));
    }
    return versions;
}

void summarise_versions(AnalysisState& state, const CorrectnessMatrix& correct, Outcome& outcome) {
    const std::vector<std::string> versions = examinee_versions(state);
    AnalysisResults& results = state.results;
    results.versions = summarise_groups(state, correct, versions);
    results.examinees_without_version =
        static_cast<int>(std::count(versions.begin(), versions.end(), std::string()));
    if (results.examinees_without_version > 0) {
        const int n = results.examinees_without_version;
        outcome.show(
            std::to_string(n) + (n == 1 ? " examinee's label names" : " examinees' labels name") +
            " no exam version in label columns " + label_columns_text(*state.data.version_label) +
            "; the summary per version leaves " + (n == 1 ? "it" : "them") + " out");
    }
}

}  // namespace kor
