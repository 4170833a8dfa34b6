#pragma once
// The application: it owns the program state of one run and carries out each
// workflow a user starts, from the command line or from the windows, to its
// end. Every workflow returns an Outcome with the messages to show, whether it
// was refused (and which control takes the focus) and the files it wrote; it
// never prints and never throws a file-system failure at its caller, which it
// turns into a refusal carrying the system's message.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Analyze.h"
#include "core/Outcome.h"
#include "core/FileIO.h"
#include "app/ProgramState.h"
#include "core/data/Conversions.h"
#include "core/data/CsvImport.h"
#include "core/data/InputFile.h"
#include "app/forms/EditorModel.h"
#include "core/data/Loader.h"
#include "reports/Exports.h"
#include "reports/ResultsFiles.h"
#include "sample/Generator.h"

namespace kor {

// The reports a viewer shows.
enum class ReportKind { examinees, items, options, full, grades };

// The text files the data editor can insert into its boxes.
enum class TextSource { text, text_with_key };

// What the windows ask before a command replaces data that were not saved.
inline constexpr const char* discard_changes_question =
    "The data have changed since they were last saved. Discard the changes?";
// What a save of results says when they are no longer those of the data.
inline constexpr const char* stale_results_refusal =
    "Nothing was written: the data have changed since they were analysed, so these results are no "
    "longer theirs. Analyze the data again, then save the results.";

// Whether a key warning only warns (the windows then ask) or refuses the data.
enum class KeyCheck { warn, strict };

// The forms the data editor's Convert menu rewrites the data into.
enum class Conversion { right_wrong, letters, numbers, back_from_right_wrong, back_to_original_lines };

class Application {
public:
    Application();
    // Takes over a program state prepared elsewhere (a test's data set).
    explicit Application(std::unique_ptr<ProgramState> state);

    ProgramState& state() { return *state_; }
    const ProgramState& state() const { return *state_; }

    // --- Getting a data set into the editor's boxes

    // "&Open KOR File" (version 6) or one of the older layouts' readers.
    Outcome open_input_file(const std::string& path, InputLayout layout = InputLayout::version6);
    // The Examples menu: the editor's boxes and the settings of the example.
    Outcome open_example(const std::string& name);
    // The built-in examples' names and titles, in the menu's order.
    struct ExampleEntry {
        std::string name;
        std::string title;
    };
    static std::vector<ExampleEntry> examples();
    // The text-file inserts of the editor's Data menu.
    Outcome insert_text_file(const std::string& path, TextSource source);
    // "Import VZ Testscore Data (old system)": rebuilds the records pasted
    // into the data window, for the item count in the item box.
    Outcome import_testscore_data();
    // Opening the generator dialog: its boxes as the editor's start mode fills them.
    void start_generator();
    // The generator dialog's "Generate" with the boxes as they stand; the
    // dialog is done when it is accepted.
    Outcome generate();
    // The generator dialog's Cancel.
    void cancel_generator();
    // The main window's hidden "Generate": a new data set from the
    // generator's fixed start values, with the seed kept from call to call.
    void start_hidden_generate();

    // --- Spreadsheet (CSV) files

    // Whether the file at `path` is a spreadsheet export rather than an
    // input file: it does not start with the input file's first line, and
    // either its name ends in .csv or .tsv or a delimiter splits its first
    // rows into the same number of cells.
    bool is_spreadsheet_file(const std::string& path) const;
    // Reads the file (and the key file, when `key_file_path` names one) and
    // plans the import with the choices of `options`; nothing changes. What
    // a preview shows: the rows, every choice and the summary.
    CsvPlan plan_csv_import(const std::string& path, const CsvOptions& options,
                            const std::string& key_file_path = {}) const;
    // The preview's OK: the editor's boxes become the planned data set, read
    // from `path`. Refused, with nothing changed, for a refused plan.
    Outcome apply_csv_plan(const CsvPlan& plan, const std::string& path);
    // Both in one step.
    CsvPlan import_csv(const std::string& path, const CsvOptions& options,
                       const std::string& key_file_path = {});

    // --- Leaving the editor: the loader and the closing steps. Refused when
    // the data are refused; the editor is then to be shown again. With
    // KeyCheck::strict a key warning refuses the data too.
    EditorCloseResult close_editor(EditorExit how, KeyCheck key_check = KeyCheck::warn);
    // The user chose to correct what the load warned about rather than go
    // on: the data count as not loaded and the editor is to be shown again.
    void return_to_editor();
    // "&New (reset)" and the start of the editor, which begins a new data set
    // for every start mode but editing.
    void new_data_set();
    EditorStartAction editor_startup();
    // The editor's "SHOW EXAMPLE DATA": a small example, nothing of it unsaved.
    void show_example_data();

    // --- Unsaved data: whether the data set differs from what was last
    // opened, imported, generated, reset or saved, so that replacing it
    // loses work.
    bool has_unsaved_changes() const;

    // --- The analysis: scores, statistics and every report text. The
    // numerical routines' diagnostics follow the analysis's own messages.
    // The examinee output may be left until a view or a save asks for it.
    Outcome analyze(ExamineeOutput examinee_output = ExamineeOutput::now);

    // The text a viewer shows for a report of the last analysis. The grade
    // reports may be refused (too many examinees to view): then no lines and
    // the message.
    std::vector<std::string> report_lines(ReportKind kind, Outcome& messages);
    // The main window's two panes after an analysis.
    std::vector<std::string> examinee_pane() const;
    std::vector<std::string> item_pane() const;

    // --- Files. Each command first checks all the files it is to write; a
    // clash refuses it with nothing written.

    // Whether the results of the last analysis are those of the data as they
    // are now: analysed, and neither loaded again nor changed (the editor's
    // boxes, alternatives, partial credit, table of specifications) since.
    bool results_are_current() const;
    // Every save of results refuses with this when they are not current; an
    // accepted outcome when they are.
    Outcome check_results_current() const;

    // Why one command may not write all of `targets` (none may be the file the
    // data were read from, nor two of them the same file): a refused outcome,
    // or an accepted one.
    Outcome check_targets(const std::vector<std::string>& targets) const;
    // The same against `source` instead, for a command that names its source
    // before reading it.
    Outcome check_targets(const std::vector<std::string>& targets, const std::string& source) const;

    // "Save Results": the results file, the companions `choices` picks and the
    // input file beside it. `other_targets` are the files the same command
    // writes afterwards, checked together with these.
    Outcome save_results(const std::string& path, const SaveChoices& choices,
                         const std::vector<std::string>& other_targets = {});
    // The check save_results makes before it writes anything.
    Outcome check_save_results(const std::string& path, const SaveChoices& choices,
                               const std::vector<std::string>& other_targets = {}) const;
    Outcome save_grade_reports(const std::string& path);
    Outcome save_item_stats(const std::string& path);
    Outcome save_zero_one_data(const std::string& path, ZeroOneLayout layout);
    Outcome save_alt_files(const std::string& base);
    // The quick viewer's Save of `report` as the viewer shows it.
    Outcome save_viewer_file(QuickReport report, const std::vector<std::string>& viewer_lines,
                             const std::string& path);

    // "&Save KOR File": the data set as an input file. Unlike every other
    // save it may replace the input file the data were read from (the user
    // confirmed it in the save dialog), but never a file of another kind.
    Outcome save_input_file(const std::string& path);
    // The name its dialog proposes: the opened file's path without its
    // extension, else the data set name `map_name` unless it is "UNSAVED"; empty for none.
    std::string proposed_input_file_name(const std::string& map_name) const;
    // The lines of the input file the data set would be saved as.
    std::vector<std::string> input_file_lines() const;
    // Any other text written by a front end (for example a machine-readable
    // form of the results), checked like every other target.
    Outcome save_text_file(const std::string& path, const std::vector<std::string>& lines);
    // The same for a text written as it is produced, straight into the file.
    Outcome save_text_file(const std::string& path, const std::function<void(TextSink&)>& produce);
    // The results as comma-separated UTF-8 files: one row per examinee, and
    // one row per item and option.
    Outcome save_scores_csv(const std::string& path);
    Outcome save_options_csv(const std::string& path);
    // The item-analysis report as one web page to open in any browser.
    // Refused before the first analysis.
    Outcome save_html_report(const std::string& path);
    // The data editor's exports: the response codes of a fresh load
    // (comma-delimited) and the data lines as they stand.
    Outcome export_raw_data(const std::string& path);
    Outcome export_data_only(const std::string& path);

    // --- The editor's Convert menu.
    Outcome convert(Conversion conversion);
    const ConvertMenu& convert_menu() const { return convert_menu_; }
    // The hidden "Data are Right-Wrong (0/1) Data": flips the flag and the menu.
    void toggle_right_wrong();
    // Puts the menu into the state the right-wrong flag stands for, as the
    // editor does each time it opens.
    void refresh_convert_menu();

private:
    // A fresh data set or one just saved: nothing of it is unsaved.
    void mark_data_saved();
    // Whether `path` is the input file the data were read from and holds a
    // current input file, so that saving the data set may replace it.
    bool is_own_input_file(const std::string& path) const;

    std::unique_ptr<ProgramState> state_;  // large: kept on the heap
    ConvertMenu convert_menu_;
    // The data set as the last analysis and the last save saw it; nothing
    // before the first analysis.
    std::optional<std::uint64_t> analysed_data_;
    std::uint64_t saved_data_ = 0;
};

}  // namespace kor
