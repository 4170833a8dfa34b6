#include "app/Analyze.h"

#include "core/VariablesUnit.h"
#include "core/analysis/Analysis.h"
#include "core/analysis/NormalCurve.h"
#include "reports/FullReport.h"
#include "reports/QuickExaminees.h"
#include "reports/QuickItems.h"

namespace kor {

Outcome analyze_and_report(ProgramState& state, ExamineeOutput examinee_output_time) {
    Outcome outcome = run_analysis(state);
    if (outcome.refused) {
        return outcome;
    }
    ReportTexts& reports = state.reports;
    reports.memo_results.clear();
    reports.memo_results_left = true;
    if (examinee_output_time == ExamineeOutput::now) {
        write_examinee_output_if_left(state);
    }
    reports.rich_edit_qe = quick_examinee_results(state);
    reports.memo_items = item_output(state);
    reports.rich_edit_qi = quick_item_results(state);
    Diagnostics warnings;
    reports.results_box = full_report(state, reports.memo_items, warnings);
    for (const std::string& warning : warnings.texts()) {
        state.results.warnings.push_back(warning);
    }
    return outcome;
}

void write_examinee_output_if_left(ProgramState& state) {
    if (state.reports.memo_results_left) {
        state.reports.memo_results = examinee_output(state);
        state.reports.memo_results_left = false;
    }
}

}  // namespace kor
