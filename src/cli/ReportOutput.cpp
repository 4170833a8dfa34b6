// The report texts `kor analyze` prints: the main window's quick panes by
// default, and on request the text the quick viewer shows for a report.

#include <string>
#include <vector>

#include "CliCommon.h"
#include "reports/QuickExaminees.h"
#include "reports/QuickItems.h"
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
    return as_text(quick_examinee_results(state)) + "\n" + as_text(quick_item_results(state));
}

std::optional<std::string> report_output(const ProgramState& state, const std::string& report) {
    // The viewer shows the outputs as the analysis left them: the records are
    // still in report order and the settings unchanged.
    if (report == "examinees") {
        return as_text(quick_examinee_view(state, examinee_output(state)));
    }
    if (report == "items") {
        return as_text(quick_item_view(state, item_output(state)));
    }
    if (report == "options") {
        return as_text(quick_options_view(state));
    }
    return std::nullopt;
}

}  // namespace kor
