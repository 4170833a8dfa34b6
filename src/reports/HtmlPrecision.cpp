#include "reports/HtmlPrecision.h"

#include <cstddef>
#include <numeric>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/analysis/Grades.h"
#include "core/analysis/Precision.h"
#include "reports/HtmlMarkup.h"
#include "reports/QuickCommon.h"

namespace kor {

namespace {

using html::attribute;
using html::cell;
using html::element;
using html::header_cell;
using Lines = std::vector<std::string>;

std::string band_text(double low, double high) {
    return fixed(low, 2) + " to " + fixed(high, 2);
}

// How many examinees have each number-correct score 0..k.
std::vector<int> examinees_at_each_score(const AnalysisState& state) {
    std::vector<int> counts(static_cast<std::size_t>(state.data.num_included_items) + 1, 0);
    for (int i = 1; i <= state.data.num_examinees; ++i) {
        const int score = state.results.examinee_records[at(i)].Score;
        if (score >= 0 && static_cast<std::size_t>(score) < counts.size()) {
            ++counts[static_cast<std::size_t>(score)];
        }
    }
    return counts;
}

std::string missing_answers_text(const MissingAnswers& missing) {
    const auto total = [](const std::vector<int>& counts) {
        return std::accumulate(counts.begin(), counts.end(), 0);
    };
    return whole(total(missing.skipped_by_item)) + " answers skipped (a blank before a later " +
           "answer) and " + whole(total(missing.not_reached_by_item)) +
           " not reached (blanks to the end of the test).";
}

std::string bands_error_note(const AnalysisState& state) {
    if (state.settings.bands_error == BandsError::csem) {
        return "The bands are the score plus and minus one and two conditional standard errors "
               "at that score.";
    }
    return "The bands are the score plus and minus one and two SEM (" +
           fixed(state.results.sem_kr20, 3) +
           "), as in the reports; the conditional standard error shows how the error differs "
           "along the scale.";
}

Lines csem_table(const AnalysisState& state) {
    const std::vector<double>& csem = state.results.precision.csem;
    const std::vector<int> examinees = examinees_at_each_score(state);
    const int k = state.data.num_included_items;
    Lines lines{"<div class=\"scroll\"><table id=\"csem-table\">",
                "<thead><tr>" + header_cell("Score") + header_cell("Examinees") +
                    header_cell("CSEM") + header_cell("68% band") + header_cell("95% band") +
                    "</tr></thead>",
                "<tbody>"};
    for (std::size_t x = 0; x < csem.size(); ++x) {
        const int score = static_cast<int>(x);
        const ConfidenceBands b =
            confidence_bands(state.settings, k, score, band_error_at(state, score));
        // Scores nobody made are shown lighter.
        lines.push_back("<tr" + attribute("id", "csem-" + whole(score)) +
                        (examinees[x] == 0 ? attribute("class", "unscored") : "") + ">" +
                        element("th", whole(score), attribute("scope", "row")) +
                        cell(whole(examinees[x])) + cell(fixed(csem[x], 3), "csem") +
                        cell(band_text(b.minus1, b.plus1)) + cell(band_text(b.minus2, b.plus2)) +
                        "</tr>");
    }
    lines.push_back("</tbody></table></div>");
    return lines;
}

}  // namespace

std::string interval_text(const ReliabilityInterval& interval) {
    if (!interval.reason.empty()) {
        return "none (" + interval.reason + ")";
    }
    return fixed(interval.low, 3) + " to " + fixed(interval.high, 3);
}

std::string interval_caption(double level) {
    return "KR20 " + fixed(level * 100.0, 0) + "% interval";
}

Lines precision_section(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    Lines lines{"<section class=\"precision\" aria-labelledby=\"precision-heading\">",
                element("h2", "Precision of the scores", attribute("id", "precision-heading")),
                element("p", interval_caption(state.settings.ci_level) + " (Feldt): " +
                                 element("span", interval_text(r.precision.kr20_ci),
                                         attribute("id", "kr20-ci")) +
                                 ". SEM (from KR20): " + fixed(r.sem_kr20, 3) + "."),
                element("p",
                        "The conditional standard error of measurement (CSEM) at each "
                        "number-correct score follows Lord's binomial error model, "
                        "sqrt(x (k &#8722; x) / (k &#8722; 1)): scores near the middle of "
                        "the scale are measured less precisely than scores near its ends. " +
                            bands_error_note(state)),
                element("p", missing_answers_text(r.precision.missing),
                        attribute("id", "missing-answers"))};
    append(lines, csem_table(state));
    lines.push_back("</section>");
    return lines;
}

}  // namespace kor
