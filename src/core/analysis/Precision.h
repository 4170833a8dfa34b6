#pragma once
// How sure the figures are: Feldt's interval of KR20, Lord's binomial
// standard error of measurement at each score, and the answers left out
// told apart as skipped or not reached, with each item's difficulty and
// point-biserial over the examinees who reached it. The fixed-width reports
// use none of these; the web page, the JSON and the CSV results do.

#include <optional>

namespace kor {

struct AnalysisState;
struct Case_Record;
struct ConfidenceBands;
struct CorrectnessMatrix;
struct Item_Record;

// Fills results.precision. Needs the scores, their statistics and KR20.
void compute_precision(AnalysisState& state, const CorrectnessMatrix& correct);

// The standard error the bands of the web page, the JSON and the CSV use at
// a number-correct score: the one SEM, or the conditional one at the score.
double band_error_at(const AnalysisState& state, int score);

// An examinee's bands in those outputs: the record's with the one SEM, else
// around the score with the conditional standard error at it.
ConfidenceBands reported_bands(const AnalysisState& state, const Case_Record& record);

// An included item's difficulty and point-biserial in those outputs, and
// the examinees they are taken over: every examinee, or with answers not
// reached left out only those who reached the item. The difficulty is none
// when nobody reached it.
struct ItemFiguresUsed {
    int examinees = 0;
    std::optional<double> difficulty;
    double pbis = 0.0;  // not_computable when it cannot be computed
};
ItemFiguresUsed item_figures_used(const AnalysisState& state, const Item_Record& item);

}  // namespace kor
