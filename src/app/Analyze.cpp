#include "app/Analyze.h"

#include "app/ProgramState.h"
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
    ReportTexts& reports = state.report_texts;
    reports.examinees.clear();
    reports.examinees_left = true;
    if (examinee_output_time == ExamineeOutput::now) {
        write_examinee_output_if_left(state);
    }
    reports.examinee_pane = quick_examinee_results(state);
    reports.items = item_output(state);
    reports.item_pane = quick_item_results(state);
    Diagnostics warnings;
    reports.results_box = full_report(state, reports.items, warnings);
    for (const std::string& warning : warnings.texts()) {
        state.results.warnings.push_back(warning);
    }
    return outcome;
}

void write_examinee_output_if_left(ProgramState& state) {
    if (state.report_texts.examinees_left) {
        state.report_texts.examinees = examinee_output(state);
        state.report_texts.examinees_left = false;
    }
}

}  // namespace kor
