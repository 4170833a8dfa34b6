#include "reports/PrecisionReport.h"

#include <cstddef>

#include "core/AnalysisState.h"
#include "core/Format.h"
#include "core/analysis/Precision.h"
#include "reports/HtmlPrecision.h"
#include "reports/QuickItems.h"

namespace kor {

namespace {

using Lines = std::vector<std::string>;

std::string labelled(std::string_view label, const std::string& value) {
    return left(label, 30) + "= " + value;
}

Lines test_lines(const AnalysisState& state) {
    const AnalysisResults& r = state.results;
    const AnalysisSettings& s = state.settings;
    return {
        labelled("Examinees", whole(state.data.num_examinees)),
        labelled("Items analysed", whole(state.data.num_included_items)),
        labelled("KR20 (Alpha)", fixed(r.kr20, 3)),
        labelled(interval_caption(s.ci_level) + " (Feldt)", interval_text(r.precision.kr20_ci)),
        labelled("SEM (from KR20)", fixed(r.sem_kr20, 3)),
        labelled("Bands of web page, JSON, CSV",
                 s.bands_error == BandsError::csem ? "conditional SEM at each score" : "one SEM"),
        labelled("Answers not reached", s.not_reached == NotReached::exclude
                                            ? "left out of the items' figures"
                                            : "counted wrong")};
}

Lines csem_lines(const AnalysisState& state) {
    const std::vector<double>& csem = state.results.precision.csem;
    Lines lines{"Conditional standard error of measurement (Lord's binomial model)",
                "Score    CSEM", "-----  ------"};
    for (std::size_t x = 0; x < csem.size(); ++x) {
        lines.push_back(right(whole(static_cast<long long>(x)), 5) + right(fixed(csem[x], 3), 8));
    }
    return lines;
}

Lines item_lines(const AnalysisState& state) {
    const MissingAnswers& missing = state.results.precision.missing;
    Lines lines{"Answers left out by item",
                " Item  Skipped  Not reached      N  Difficulty  Pt-biserial",
                " ----  -------  -----------  -----  ----------  -----------"};
    for (int j = 1; j <= state.data.num_items; ++j) {
        if (state.data.item_include[at(j)] == 0) {
            continue;
        }
        const ItemFiguresUsed used = item_figures_used(state, state.results.item_records[at(j)]);
        lines.push_back(right(whole(j), 5) + right(whole(count_of(missing.skipped_by_item, j)), 9) +
                        right(whole(count_of(missing.not_reached_by_item, j)), 13) +
                        right(whole(used.examinees), 7) +
                        right(used.difficulty ? fixed(*used.difficulty, 2) : "none", 12) +
                        right(correlation_text(used.pbis), 13));
    }
    return lines;
}

}  // namespace

std::vector<std::string> precision_report_lines(const AnalysisState& state) {
    if (!state.results.analysed) {
        return {"No analysis has run yet: run the analysis (F9) to see how sure its figures are."};
    }
    Lines lines{"Precision and Missing Answers", ""};
    for (Lines part : {test_lines(state), csem_lines(state), item_lines(state)}) {
        lines.insert(lines.end(), part.begin(), part.end());
        lines.emplace_back();
    }
    lines.pop_back();
    return lines;
}

}  // namespace kor
