// The report texts `kor analyze` prints: the main window's quick panes by
// default, and on request the text the quick viewer shows for a report.

#include <string>
#include <vector>

#include "CliCommon.h"
#include "core/VariablesUnit.h"
#include "reports/GradeReports.h"
#include "reports/ViewerText.h"

namespace kor {

namespace {

std::string as_text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace

std::string default_analysis_output(const ProgramState& state) {
    return as_text(state.reports.rich_edit_qe) + "\n" + as_text(state.reports.rich_edit_qi);
}

std::optional<std::string> report_output(ProgramState& state, const std::string& report, Outcome* messages) {
    // The viewers show the texts the analysis wrote.
    if (report == "examinees") {
        return as_text(quick_examinee_view(state, state.reports.memo_results));
    }
    if (report == "items") {
        return as_text(quick_item_view(state, state.reports.memo_items));
    }
    if (report == "options") {
        return as_text(quick_options_view(state));
    }
    if (report == "full") {
        return as_text(state.reports.results_box);
    }
    if (report == "grades") {
        // The report viewer's text; beyond its size limit nothing but the message.
        GradeReport grades = grade_report_view(state);
        if (messages != nullptr) {
            messages->append(grades.outcome);
        }
        return as_text(grades.lines);
    }
    return std::nullopt;
}

}  // namespace kor
