#include "reports/ResultsFiles.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "core/AnalysisState.h"
#include "core/FileIO.h"
#include "core/Format.h"
#include "core/analysis/Scoring.h"
#include "core/data/InputFile.h"
#include "reports/GradeReports.h"
#include "reports/Ident.h"
#include "reports/QuickCommon.h"
#include "reports/QuickOptions.h"

namespace kor {

namespace {

std::vector<std::string> companion_opening(const AnalysisState& state, int tildes) {
    return {title_line(state.data), comment_line(state.data), rule('~', tildes), ""};
}

void write_companion(SavedFiles& saved, const std::string& results_path,
                     const std::string& extension, const std::vector<std::string>& lines) {
    const std::string path = companion_path(results_path, extension);
    write_lines_atomic(path, lines);
    saved.paths.push_back(path);
}

// No target may be the data's own file or share a name with another; the
// input file beside them may be the data's own file, which is then rewritten.
std::optional<std::string> refusal_beside_input_file(const AnalysisState& state,
                                                     std::vector<std::string> targets,
                                                     const std::optional<std::string>& kor_path) {
    if (auto refusal = write_targets_refusal(targets, state.data.input_file_path)) {
        return refusal;
    }
    if (!kor_path) {
        return std::nullopt;
    }
    targets.push_back(*kor_path);
    return write_targets_refusal(targets, std::string());
}

bool is_file_opened(const AnalysisState& state, const std::string& path) {
    return state.data.opened_from_file && !state.data.input_file_path.empty() &&
           same_file(path, state.data.input_file_path);
}

std::string kept_input_file_message(const std::string& kor_path) {
    return "The existing file \"" + kor_path +
           "\" was kept: it holds other contents than this data set and is not the file the "
           "data were read from. To save the data set as an input file too, save the results "
           "under another name.";
}

}  // namespace

std::vector<std::string> file_preface_lines() {
    std::vector<std::string> lines{"For best results,",
                                   "  set font to COURIER or COURIER NEW 9-10 Point, ",
                                   "  turn WORD WRAP on, and/or reduce margins.",
                                   "",
                                   rule('*', 54),
                                   ""};
    append(lines, ident_lines());
    append(lines, {"", rule('*', 54), ""});
    return lines;
}

std::vector<std::string> results_file_lines(const AnalysisState& state) {
    std::vector<std::string> lines = file_preface_lines();
    append(lines, {"\f", state.data.test_title, ""});
    append(lines, state.report_texts.results_box);
    append(lines, {"", rule('~', 40)});
    append(lines, ident_lines());
    return lines;
}

std::vector<std::string> exm_file_lines(const AnalysisState& state) {
    std::vector<std::string> lines = companion_opening(state, 42);
    append(lines, state.report_texts.examinees);
    lines.emplace_back();
    append(lines, viewer_save_tail(state, QuickReport::examinees));
    return lines;
}

std::vector<std::string> itm_file_lines(const AnalysisState& state) {
    std::vector<std::string> lines = companion_opening(state, 42);
    append(lines, state.report_texts.items);
    lines.emplace_back();
    std::vector<std::string> tail = viewer_save_tail(state, QuickReport::items);
    // The item file closes with a rule one longer than the viewer's.
    tail[tail.size() - ident.size() - 1] = rule('~', 43);
    append(lines, tail);
    return lines;
}

std::vector<std::string> opt_file_lines(const AnalysisState& state) {
    std::vector<std::string> lines = companion_opening(state, 72);
    append(lines, quick_options_report(state));
    return lines;
}

std::string companion_path(const std::string& results_path, const std::string& extension) {
    return strip_extension(results_path) + extension;
}

SaveChoices save_choices_of(const AnalysisState& state) {
    const AnalysisSettings& s = state.settings;
    return {s.save_exm_file, s.save_itm_file, s.save_opt_file, s.save_rpt_file,
            s.auto_save_kor_file};
}

std::vector<std::string> results_file_targets(const std::string& results_path,
                                              const SaveChoices& choices) {
    std::vector<std::string> targets{results_path};
    const std::pair<bool, const char*> companions[] = {
        {choices.exm, ".exm"}, {choices.itm, ".itm"}, {choices.opt, ".opt"}, {choices.rpt, ".rpt"}};
    for (const auto& [chosen, extension] : companions) {
        if (chosen) {
            targets.push_back(companion_path(results_path, extension));
        }
    }
    return targets;
}

std::optional<std::string> save_results_refusal(const AnalysisState& state,
                                                const std::string& results_path,
                                                const SaveChoices& choices,
                                                const std::vector<std::string>& other_targets) {
    std::vector<std::string> targets = results_file_targets(results_path, choices);
    targets.insert(targets.end(), other_targets.begin(), other_targets.end());
    return refusal_beside_input_file(
        state, targets,
        choices.kor ? std::optional(companion_path(results_path, ".kor")) : std::nullopt);
}

SavedFiles save_results(const AnalysisState& state, const std::string& results_path,
                        const SaveChoices& choices) {
    SavedFiles saved;
    if (auto refusal = save_results_refusal(state, results_path, choices)) {
        saved.outcome.refuse(*refusal);
        return saved;
    }
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
        const Outcome grades = save_grade_reports(state, rpt_path);
        // Beyond the size limit the grade reports are left out; the other files still follow.
        for (const std::string& message : grades.messages) {
            saved.outcome.show(message);
        }
        if (grades.accepted()) {
            saved.paths.push_back(rpt_path);
        }
    }
    if (choices.kor) {
        save_input_file_beside(state, companion_path(results_path, ".kor"), saved);
    }
    return saved;
}

void save_input_file_beside(const AnalysisState& state, const std::string& kor_path,
                            SavedFiles& saved) {
    const std::vector<std::string> lines = input_file_lines(state);
    // A regular file that is neither the data's own file nor a copy of these
    // very data may be another data set: it is never replaced unasked.
    std::error_code ec;
    const bool unrelated = std::filesystem::is_regular_file(kor_path, ec) &&
                           !is_file_opened(state, kor_path) &&
                           !file_holds(kor_path, crlf_text(lines));
    if (unrelated) {
        saved.outcome.show(kept_input_file_message(kor_path));
        return;
    }
    write_lines_atomic(kor_path, lines);
    saved.paths.push_back(kor_path);
}

SavedFiles save_viewer_file(const AnalysisState& state, QuickReport report,
                            const std::vector<std::string>& viewer_lines, const std::string& path) {
    SavedFiles saved;
    const bool with_input_file = state.settings.auto_save_kor_file;
    const std::optional<std::string> kor_path =
        with_input_file ? std::optional(companion_path(path, ".kor")) : std::nullopt;
    if (auto refusal = refusal_beside_input_file(state, {path}, kor_path)) {
        saved.outcome.refuse(*refusal);
        return saved;
    }
    write_lines_atomic(path, viewer_save_lines(state, report, viewer_lines));
    saved.paths.push_back(path);
    if (kor_path) {
        save_input_file_beside(state, *kor_path, saved);
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
