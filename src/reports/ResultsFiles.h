#pragma once
// Saving the results of an analysis: the results file with the full report,
// the companion files of the quick reports, the grade reports and the input
// file beside it, and the quick viewer's save file. All names a save writes
// are checked before the first file is written; a clash refuses the whole
// save. Every file is written atomically; a file-system failure throws
// FileError and leaves the files already written in place.

#include <optional>
#include <string>
#include <vector>

#include "core/Outcome.h"
#include "reports/ViewerText.h"

namespace kor {

struct AnalysisState;

// The lines that open the results file and the grade-report file: how to
// view them, framed identification lines.
std::vector<std::string> file_preface_lines();

// Preface, form-feed line, title, the full report as it stands, closing lines.
std::vector<std::string> results_file_lines(const AnalysisState& state);

// The companions: the kept quick examinee and item outputs with their
// summaries, and the quick options report rebuilt from the results.
std::vector<std::string> exm_file_lines(const AnalysisState& state);
std::vector<std::string> itm_file_lines(const AnalysisState& state);
std::vector<std::string> opt_file_lines(const AnalysisState& state);

// `results_path` with its extension replaced by `extension` (".exm"), in the
// same folder: a companion always lies beside the file it belongs to.
std::string companion_path(const std::string& results_path, const std::string& extension);

// Which files "Save Results" writes besides the results file; the start
// values are those of the main window's check boxes.
struct SaveChoices {
    bool exm = true;
    bool itm = true;
    bool opt = true;
    bool rpt = false;
    bool kor = true;  // the data set as an input file
};
SaveChoices save_choices_of(const AnalysisState& state);

struct SavedFiles {
    std::vector<std::string> paths;  // in the order written
    // Refused when the names clash (nothing is written then); otherwise the
    // messages of steps that were left out (grade-report limit, a kept input file).
    Outcome outcome;
};

// The files "Save Results" writes before the input file, in the order written.
std::vector<std::string> results_file_targets(const std::string& results_path,
                                              const SaveChoices& choices);

// Why "Save Results" to `results_path` may not write its files, together with
// `other_targets` that the same command writes too: no file may be the one the
// data were read from or share its name with another, except that the input
// file beside the results may be the data's own file. Nothing when all may be
// written.
std::optional<std::string> save_results_refusal(const AnalysisState& state,
                                                const std::string& results_path,
                                                const SaveChoices& choices,
                                                const std::vector<std::string>& other_targets = {});

// "Save Results": writes the results file to `results_path` and the chosen
// files beside it.
// Refused, with nothing written, when save_results_refusal finds a clash.
SavedFiles save_results(const AnalysisState& state, const std::string& results_path,
                        const SaveChoices& choices);

// Automatic saving of the data set as the input file `kor_path` beside a
// saved file: written when no file is there, when it is the file the data were
// opened from, or when it already holds exactly these bytes. Any other file is
// kept unchanged and `saved.outcome` tells the user so.
void save_input_file_beside(const AnalysisState& state, const std::string& kor_path,
                            SavedFiles& saved);

// The viewer's Save: writes the saved form of `viewer_lines` to `path` and,
// with automatic saving on, the data set as an input file beside it. Refused
// like save_results when the names clash.
SavedFiles save_viewer_file(const AnalysisState& state, QuickReport report,
                            const std::vector<std::string>& viewer_lines, const std::string& path);

// The name the viewer's save dialog proposes: the results name with "_QE",
// "_QI" or "_QO", or "Q_Examinee", "Q_Items" or "Q_Options" without one.
std::string viewer_file_name(const std::string& results_name, QuickReport report);

}  // namespace kor
