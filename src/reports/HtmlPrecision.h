#pragma once
// The web page's figures of how sure the scores are: Feldt's interval of
// KR20, the conditional standard error of measurement at every score with
// the bands it gives, and the answers left out told apart.

#include <string>
#include <vector>

namespace kor {

struct AnalysisState;
struct ReliabilityInterval;

// "0.612 to 0.770", or "none (the reason)".
std::string interval_text(const ReliabilityInterval& interval);

// The caption of the interval: "KR20 95% interval".
std::string interval_caption(double level);

// The section "Precision of the scores": the interval, the SEM, the answers
// left out, and one row per number-correct score with its examinees, its
// CSEM and the 68% and 95% bands the settings' error gives around it.
std::vector<std::string> precision_section(const AnalysisState& state);

}  // namespace kor
