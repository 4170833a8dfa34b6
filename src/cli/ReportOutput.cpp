// The report texts `kor analyze` prints: the main window's quick panes by
// default, and on request the text a viewer shows for a report.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "CliCommon.h"

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

// The names of --report, in the order of its help.
const std::array<std::pair<const char*, ReportKind>, 5> report_table{{
    {"examinees", ReportKind::examinees},
    {"items", ReportKind::items},
    {"options", ReportKind::options},
    {"full", ReportKind::full},
    {"grades", ReportKind::grades},
}};

}  // namespace

const std::vector<std::string>& report_names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& entry : report_table) {
            all.emplace_back(entry.first);
        }
        return all;
    }();
    return names;
}

std::string default_analysis_output(const Application& app) {
    return as_text(app.examinee_pane()) + "\n" + as_text(app.item_pane());
}

std::optional<std::string> report_output(Application& app, const std::string& report,
                                         Outcome* messages) {
    for (const auto& [name, kind] : report_table) {
        if (report == name) {
            Outcome shown;
            std::string text = as_text(app.report_lines(kind, shown));
            if (messages != nullptr) {
                messages->append(shown);
            }
            return text;
        }
    }
    return std::nullopt;
}

}  // namespace kor
