#pragma once
// The distribution of the total scores: one row per distinct score with its
// frequency, z score, percentile rank, stanine and normalized z score.

#include <vector>

namespace kor {

class Diagnostics;
struct AnalysisState;

struct FrequencyRow {
    double FreqScore = 0.0;  // the distinct score
    int Freq = 0;
    int CumFreq = 0;
    double FreqZ = 0.0;
    double PercentileRank = 0.0;
    int Stanine = 1;
    double Zn = 0.0;  // normalized z score
};

struct FrequencyTable {
    std::vector<FrequencyRow> rows;  // ascending by score
    int total = 0;                   // sum of the frequencies (N)
    double total_relative = 0.0;     // sum of the relative frequencies
};

// The stanine 1..9 of a percentile rank; each bound belongs to the lower
// stanine (95 gives 8, 4 gives 1).
int stanine_for(double percentile_rank);

// Finds normalized z scores by walking the normal curve in steps of 0.01
// from 0. Every search walks the same points, so the curve's values are
// computed once and kept for the later rows.
class NormalizedScoreSearch {
  public:
    explicit NormalizedScoreSearch(Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

    // The normalized z of a row: above the mean the last step at which the
    // curve is still below the percentile rank, below (or at) the mean the
    // last step at which it is still above. A row on the "wrong" side of 50
    // for its z gets -0.01 or +0.01.
    double normalized_z(double z, double percentile_rank);

  private:
    // The z reached after `steps` steps of 0.01 up (or down) and the curve there.
    double step_z(std::size_t steps, bool upward);
    double curve_at(std::size_t steps, bool upward);

    Diagnostics& diagnostics_;
    std::vector<double> up_z_, up_curve_, down_z_, down_curve_;
};

// The frequency table of `scores` with the z scores taken from `mean` and
// `sd`. Without variance (sd 0) every z and normalized z is 0.
FrequencyTable frequency_table(std::vector<double> scores, double mean, double sd,
                               Diagnostics& diagnostics);

// The frequency table of the analysed scores: PC_Score with partial credit,
// Score otherwise.
FrequencyTable total_score_frequencies(const AnalysisState& state, Diagnostics& diagnostics);

// The number-correct Scores from the lowest to the highest, one count per
// whole score (also scores nobody obtained); counts[0] belongs to `lowest`.
struct ScoreCounts {
    int lowest = 0;
    int highest = 0;
    std::vector<int> counts;
    int count_of(int score) const {
        const auto index = static_cast<std::size_t>(score - lowest);
        return score < lowest || index >= counts.size() ? 0 : counts[index];
    }
};
ScoreCounts number_correct_counts(const AnalysisState& state);

}  // namespace kor
