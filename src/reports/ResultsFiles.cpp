#include "reports/ResultsFiles.h"

#include <algorithm>
#include <cctype>

#include "core/FileIO.h"
#include "core/Format.h"
#include "core/VariablesUnit.h"
#include "core/analysis/Scoring.h"
#include "core/data/InputFile.h"
#include "reports/GradeReports.h"
#include "reports/Ident.h"
#include "reports/QuickCommon.h"
#include "reports/QuickOptions.h"

namespace kor {

namespace {

std::vector<std::string> companion_opening(const ProgramState& state, int tildes) {
    return {title_line(state.data), comment_line(state.data), rule('~', tildes), ""};
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A results file named like one of its companions ("marks.kor") would be
// overwritten by it; that companion is left out and the user told so.
bool is_results_file(const std::string& results_path, const std::string& companion) {
    return lower(results_path) == lower(companion);
}

void write_companion(SavedFiles& saved, const std::string& results_path, const std::string& extension,
                     const std::vector<std::string>& lines) {
    const std::string path = companion_path(results_path, extension);
    if (is_results_file(results_path, path)) {
        saved.outcome.show("The " + extension + " file was not written: it would replace the results file " +
                           file_name_of(results_path) + ".");
        return;
    }
    write_lines_atomic(path, lines);
    saved.paths.push_back(path);
}

void write_input_file_beside(SavedFiles& saved, const ProgramState& state, const std::string& path) {
    const std::string kor_path = companion_path(path, ".kor");
    if (is_results_file(path, kor_path)) {
        saved.outcome.show("The .kor file was not written: it would replace the file " + file_name_of(path) +
                           ".");
        return;
    }
    write_input_file(state, kor_path);
    saved.paths.push_back(kor_path);
}

}  // namespace

std::vector<std::string> file_preface_lines() {
    std::vector<std::string> lines{"For best results,", "  set font to COURIER or COURIER NEW 9-10 Point, ",
                                   "  turn WORD WRAP on, and/or reduce margins.", "", rule('*', 54), ""};
    append(lines, ident_lines());
    append(lines, {"", rule('*', 54), ""});
    return lines;
}

std::vector<std::string> results_file_lines(const ProgramState& state) {
    std::vector<std::string> lines = file_preface_lines();
    append(lines, {"\f", state.data.test_title, ""});
    append(lines, state.reports.results_box);
    append(lines, {"", rule('~', 40)});
    append(lines, ident_lines());
    return lines;
}

std::vector<std::string> exm_file_lines(const ProgramState& state) {
    std::vector<std::string> lines = companion_opening(state, 42);
    append(lines, state.reports.memo_results);
    lines.emplace_back();
    append(lines, viewer_save_tail(state, QuickReport::examinees));
    return lines;
}

std::vector<std::string> itm_file_lines(const ProgramState& state) {
    std::vector<std::string> lines = companion_opening(state, 42);
    append(lines, state.reports.memo_items);
    lines.emplace_back();
    std::vector<std::string> tail = viewer_save_tail(state, QuickReport::items);
    // The item file closes with a rule one longer than the viewer's.
    tail[tail.size() - ident.size() - 1] = rule('~', 43);
    append(lines, tail);
    return lines;
}

std::vector<std::string> opt_file_lines(const ProgramState& state) {
    std::vector<std::string> lines = companion_opening(state, 72);
    append(lines, quick_options_report(state));
    return lines;
}

std::string companion_path(const std::string& results_path, const std::string& extension) {
    return strip_extension(results_path) + extension;
}

SaveChoices save_choices_of(const ProgramState& state) {
    const AnalysisSettings& s = state.settings;
    return {s.save_exm_file, s.save_itm_file, s.save_opt_file, s.save_rpt_file, s.auto_save_kor_file};
}

SavedFiles save_results(ProgramState& state, const std::string& results_path, const SaveChoices& choices) {
    sort_examinees_by_order(state);
    sort_items(state, ItemSortKey::number);
    SavedFiles saved;
    write_lines_atomic(results_path, results_file_lines(state));
    saved.paths.push_back(results_path);
    if (choices.exm) {
        write_companion(saved, results_path, ".exm", exm_file_lines(state));
    }
    if (choices.itm) {
        write_companion(saved, results_path, ".itm", itm_file_lines(state));
    }
    if (choices.opt) {
        write_companion(saved, results_path, ".opt", opt_file_lines(state));
    }
    if (choices.rpt) {
        const std::string rpt_path = companion_path(results_path, ".rpt");
        if (is_results_file(results_path, rpt_path)) {
            saved.outcome.show("The .rpt file was not written: it would replace the results file " +
                               file_name_of(results_path) + ".");
        } else {
            const Outcome grades = save_grade_reports(state, rpt_path);
            // Beyond the size limit the grade reports are left out; the other files still follow.
            for (const std::string& message : grades.messages) {
                saved.outcome.show(message);
            }
            if (grades.accepted()) {
                saved.paths.push_back(rpt_path);
            }
        }
    }
    if (choices.kor) {
        write_input_file_beside(saved, state, results_path);
    }
    return saved;
}

SavedFiles save_viewer_file(const ProgramState& state, QuickReport report,
                            const std::vector<std::string>& viewer_lines, const std::string& path) {
    SavedFiles saved;
    write_lines_atomic(path, viewer_save_lines(state, report, viewer_lines));
    saved.paths.push_back(path);
    if (state.settings.auto_save_kor_file) {
        write_input_file_beside(saved, state, path);
    }
    return saved;
}

std::string viewer_file_name(const std::string& results_name, QuickReport report) {
    switch (report) {
        case QuickReport::examinees:
            return results_name.empty() ? "Q_Examinee" : results_name + "_QE";
        case QuickReport::items:
            return results_name.empty() ? "Q_Items" : results_name + "_QI";
        case QuickReport::options:
            break;
    }
    return results_name.empty() ? "Q_Options" : results_name + "_QO";
}

}  // namespace kor
