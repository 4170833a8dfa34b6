#include "reports/DistributionReport.h"

#include <algorithm>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/analysis/Distribution.h"

namespace kor {

namespace {

using Lines = std::vector<std::string>;

void append(Lines& lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

// A heading between two rules of '=' as long as the heading.
void add_ruled_heading(Lines& lines, const std::string& heading) {
    const std::string rule(heading.size(), '=');
    lines.push_back(rule);
    lines.push_back(heading);
    lines.push_back(rule);
}

std::string bar(int count) {
    return std::string(static_cast<std::size_t>(count), '@');
}

std::string cumulative_percent(int cumulative, int n) {
    // The last row always reads 100 even when the division would not give it exactly.
    if (cumulative == n) {
        return "  100.00";
    }
    return right(fixed(static_cast<double>(cumulative) / n * 100.0, 2), 8);
}

std::string frequency_row(const FrequencyRow& row, int n) {
    return right(fixed(row.FreqScore, 0), 4) + right(fixed(row.FreqZ, 2), 8) +
           right(fixed(row.Freq, 0), 7) + "  " + fixed(static_cast<double>(row.Freq) / n, 3) +
           right(fixed(row.CumFreq, 0), 7) + cumulative_percent(row.CumFreq, n) +
           right(fixed(row.PercentileRank, 1), 10) + right(fixed(row.Stanine, 0), 9) +
           right(fixed(row.Zn, 2), 13);
}

// The stem of a score: its tens digit; every score of 90 and more shares
// the last stem, so a perfect 100 is listed as leaf 0 under stem 9.
std::string stem_label(int score) {
    return fixed(std::min(score / 10, 9), 0) + " . ";
}

}  // namespace

Lines frequency_table_lines(const AnalysisState& state, Diagnostics& diagnostics) {
    Lines lines;
    add_ruled_heading(lines, "Score Frequency Table");
    lines.push_back("");
    lines.push_back("         Z           Rel.   Cum.   Cum.     Percentile           Normalized");
    lines.push_back("Score  Score  Freq.  Freq.  Freq.  Percent     Rank     Stanine   Zn Score ");
    lines.push_back("-----  -----  -----  -----  -----  -------  ----------  -------  ----------");
    const FrequencyTable table = total_score_frequencies(state, diagnostics);
    const int n = state.data.num_examinees;
    for (const FrequencyRow& row : table.rows) {
        lines.push_back(frequency_row(row, n));
    }
    lines.push_back("              =====  =====");
    lines.push_back("     Totals:" + right(fixed(table.total, 0), 7) + "  " +
                    fixed(table.total_relative, 3));
    lines.push_back("");
    return lines;
}

Lines bar_graph_lines(const AnalysisState& state) {
    Lines lines;
    if (state.data.num_examinees > bar_graph_max_examinees) {
        add_ruled_heading(lines, "Bar Graph (not printed due to large number of cases)");
        lines.push_back("");
        lines.push_back("");
        return lines;
    }
    // With point values the graph still counts items answered correctly,
    // and its heading says so.
    add_ruled_heading(
        lines, state.data.partial_credit_on ? "Bar Graph for Multiple Choice Items" : "Bar Graph");
    lines.push_back("");
    lines.push_back("Score    Count  Graph (each @ represents 1 case)");
    lines.push_back("-------  -----  --------------------------------");
    const ScoreCounts counts = number_correct_counts(state);
    for (int s = counts.lowest; s <= counts.highest; ++s) {
        const int count = counts.count_of(s);
        lines.push_back((s > 9 ? " " : "  ") + fixed(s, 2) + right(fixed(count, 0), 7) + "   " +
                        bar(count));
    }
    lines.push_back("");
    return lines;
}

Lines stem_and_leaf_lines(const AnalysisState& state) {
    Lines lines{""};
    if (state.data.num_examinees > stem_leaf_max_examinees) {
        add_ruled_heading(lines,
                          "Stem-and-Leaf Display (not printed due to large number of cases)");
        lines.push_back("");
        lines.push_back("");
        return lines;
    }
    add_ruled_heading(lines, "Stem-and-Leaf Display");
    lines.push_back("");
    lines.push_back("Stem Leaves (width=10)");
    lines.push_back("---- -----------------");
    // Each stem has two lines, leaves 0-4 and 5-9; the first line starts at
    // the lowest score and the last ends at the highest.
    const ScoreCounts counts = number_correct_counts(state);
    std::string leaves;
    for (int s = counts.lowest; s <= counts.highest; ++s) {
        leaves.append(static_cast<std::size_t>(counts.count_of(s)),
                      static_cast<char>('0' + s % 10));
        if (s % 5 == 4 || s == counts.highest) {
            lines.push_back("  " + stem_label(s) + leaves);
            leaves.clear();
        }
    }
    lines.push_back("");
    return lines;
}

Lines grade_chart_lines(const AnalysisState& state) {
    Lines lines;
    if (state.data.num_examinees > grade_chart_max_examinees) {
        lines.push_back("");
        add_ruled_heading(lines,
                          "Bar Chart for Letter Grades (not printed due to large number of cases)");
        lines.push_back("");
        return lines;
    }
    const AnalysisSettings& settings = state.settings;
    if (settings.num_grade_cats <= 0) {
        return lines;
    }
    lines.push_back("");
    add_ruled_heading(lines, "Bar Chart for Letter Grades");
    lines.push_back("");
    lines.push_back("Grade  Count  Graph (each @ represents 1 case)");
    lines.push_back("-----  -----  --------------------------------");
    for (int c = 1; c <= std::min(settings.num_grade_cats, max_grade_categories); ++c) {
        const auto index = static_cast<std::size_t>(c);
        std::string label = settings.grade_label[index];
        label.erase(label.find_last_not_of(' ') + 1);  // the labels are padded to 4
        const int count = state.results.grade_count[index];
        lines.push_back(label + right(fixed(count, 0), 7) + "   " + bar(count));
    }
    return lines;
}

Lines score_distribution_lines(const AnalysisState& state, Diagnostics& diagnostics) {
    Lines lines = frequency_table_lines(state, diagnostics);
    append(lines, bar_graph_lines(state));
    append(lines, stem_and_leaf_lines(state));
    append(lines, grade_chart_lines(state));
    return lines;
}

}  // namespace kor
