#pragma once
// The application: it owns the program state of one run and carries out each
// workflow a user starts, from the command line or from the windows, to its
// end. Every workflow that changes what a window shows returns an Outcome with
// the messages to show, whether it was refused (and which control takes the
// focus), the files it wrote and what it changed (data, settings, results); it
// never prints and never throws a file-system failure at its caller, which it
// turns into a refusal carrying the system's message.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Analyze.h"
#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"
#include "app/forms/GenForm.h"
#include "app/forms/GradeForm.h"
#include "app/forms/MainCommands.h"
#include "app/forms/PartialCreditForm.h"
#include "app/forms/ProblemItemForm.h"
#include "app/forms/SpearmanBrownForm.h"
#include "app/forms/TosForm.h"
#include "core/FileIO.h"
#include "core/Outcome.h"
#include "core/data/Conversions.h"
#include "core/data/CsvImport.h"
#include "core/data/InputFile.h"
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
enum class Conversion {
    right_wrong,
    letters,
    numbers,
    back_from_right_wrong,
    back_to_original_lines
};

// Whether a run offers the data editor's way back to the lines of the first
// load. The windows do; the command line never converts back, so it keeps no
// copy of the lines.
enum class WayBackToFirstLines { offered, not_offered };

class Application {
  public:
    Application();
    explicit Application(WayBackToFirstLines way_back);
    // Takes over a program state prepared elsewhere (a test's data set).
    explicit Application(std::unique_ptr<ProgramState> state);

    // Everyone reads the state; only the application's workflows change it.
    const ProgramState& state() const { return *state_; }

    // --- Settings: the Options menu, the OUTPUT box and the command line's
    // flags, each as the menu command or dialog sets it.

    // The user's decimal separator (the system locale's); one outside the
    // single-byte range keeps ".".
    void set_decimal_separator(char16_t separator);
    Outcome choose_examinee_order(ExamineeOrder order);
    Outcome choose_item_order(ItemOrder order);
    Outcome set_grade_rounding(bool round_percent);
    Outcome toggle(OptionToggle option);
    // Raw scores and percentages switch at once; grade letters first read
    // the saved grading scale `scale_file` when it exists, and a scale that
    // does not read leaves the unit as it was (refused).
    Outcome choose_band_unit(BandUnit unit, const std::string& scale_file);
    // The unit alone, as the command line's --bands sets it.
    void set_band_unit(BandUnit unit);
    // How sure the figures are: the confidence of the KR20 interval (one of
    // ci_levels, else refused), the error of the bands of the web page, the
    // JSON and the CSV results, and how the answers not reached count in
    // their items' figures there. The fixed-width reports keep theirs.
    Outcome set_ci_level(double level);
    Outcome set_bands_error(BandsError error);
    Outcome set_not_reached(NotReached use);
    // A grading-scale file applied as grade letters do, which must exist and
    // read: a file that cannot be read is refused with the system's message.
    Outcome use_grading_file(const std::string& path);
    void set_save_choice(SaveChoice choice, bool on);
    // Problem items marked in the reports or not, as the dialog's check box.
    void set_problem_item_suggestions(bool on);
    // The criteria typed into the problem-item dialog, then its OK.
    Outcome set_problem_criteria(const ProblemItemForm& form);
    // The group percentages as typed, then the group dialog's OK.
    Outcome set_groups(const std::string& upper, const std::string& lower);
    // The label columns ("12", "12-13") that hold each examinee's exam
    // version in the loaded data set, for a summary per version.
    Outcome set_version_label(const std::string& columns);
    // The label columns that hold each examinee's group (a section, a
    // campus), for a summary per group.
    Outcome set_group_label(const std::string& columns);
    // The groups compared for differential item functioning; refused
    // without groups, for a group the labels do not name, and for a group
    // compared with itself.
    Outcome set_dif_groups(const std::string& reference, const std::string& focal);
    // The groups the loaded data set's labels name, in order; none without
    // a group label.
    std::vector<std::string> group_names() const;

    // --- The data editor's boxes and small commands. The editor copies its
    // boxes in before a command and shows the boxes of the state afterwards.
    Outcome go_to_data_editor(InputMode mode);
    void set_editor_texts(const EditorTexts& texts);
    Outcome items_changed();
    Outcome label_length_changed();
    // The checks that typing into both count boxes runs, after a command
    // filled them: items first, then the label length.
    Outcome counts_filled();
    void include_changed();
    Outcome count_lines_as_examinees();
    void change_max_options(int maximum);
    void cancel_editor();
    void close_editor_without_loading();
    // After "Save Results", saved or cancelled: the editor next opens with
    // the data as they are.
    void finish_save_results();
    ConvertMenuView convert_menu_view() const;

    // --- The dialogs (ApplicationDialogs.cpp). A dialog copies its boxes in
    // with the set_... command before a button's command and shows the form
    // of the state afterwards.

    // "Grade Percentages": opening loads the scale file of `folder` when it
    // exists.
    Outcome open_grade_dialog(const std::string& folder);
    void set_grade_form(const GradeForm& form);
    Outcome choose_grade_scheme(GradeScheme scheme);
    Outcome grade_count_changed(const std::string& text);
    void use_grade_program_defaults();
    Outcome grade_ok();
    Outcome save_scale_file(const std::string& path);
    Outcome read_scale_file(const std::string& path);

    // "Disrimination Percentages".
    void set_group_texts(const std::string& upper, const std::string& lower);
    void group_defaults();
    Outcome group_ok();

    // "Set Criteria for Problem Items".
    void open_problem_dialog();
    void set_problem_form(const ProblemItemForm& form);
    Outcome set_common_criterion(Criterion criterion);
    void set_remove_criterion(Criterion criterion);
    Outcome set_default_criteria();
    Outcome problem_criteria_ok();

    // "Spearman-Brown Prophecy Formula" for the analysed test.
    void open_spearman_brown();
    Outcome calculate_spearman_brown(const std::string& desired);
    // The same calculation for any test, a value in and a result out.
    struct SpearmanBrownAnswer {
        Outcome outcome;
        SpearmanBrownForm answer;
    };
    static SpearmanBrownAnswer spearman_brown(double reliability, int items,
                                              const std::string& desired = {});

    // "Alternative Answers": the table of the "A" items, its cells as typed, OK.
    Outcome prepare_alt_answers();
    void set_alt_answer_rows(const std::vector<AltAnswerRow>& rows);
    Outcome alt_answers_ok();

    // "Partial Credit".
    void open_partial_credit();
    void set_partial_credit_texts(const std::string& pc_points, const std::string& mc_points);
    void partial_credit_defaults();
    Outcome partial_credit_ok();
    Outcome turn_off_partial_credit();

    // "Table of Specifications".
    void open_table_of_specs();
    void set_tos_form(const TosForm& form);
    Outcome tos_select_areas(int count);
    Outcome tos_select_levels(int count);
    Outcome tos_use_taxonomy(Taxonomy taxonomy);
    Outcome tos_use_default_set();
    Outcome tos_reset();
    Outcome tos_ok();
    Outcome tos_cancel();

    // "Data Generation Information": its boxes, "Set a New Random Seed";
    // the command line's generator opens it as the hidden "Generate" does.
    void set_generator_form(const GenForm& form);
    void new_generator_seed();
    void start_fixed_generator();

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
    // Whether `name` names a built-in example, and their names joined by
    // `separator`, for a message that lists them.
    static bool is_example(const std::string& name);
    static std::string example_names(const std::string& separator);
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
    Outcome cancel_generator();
    // The main window's hidden "Generate": a new data set from the
    // generator's fixed start values, with the seed kept from call to call.
    Outcome start_hidden_generate();

    // --- Spreadsheet (CSV) files

    // Whether the file at `path` is a spreadsheet export rather than an
    // input file: it does not start with the input file's first line, and
    // either its name ends in .csv or .tsv or a delimiter splits its first
    // rows into the same number of cells.
    bool is_spreadsheet_file(const std::string& path) const;
    // Whether the file at `path` reads but does not start as an input file
    // does: a file of another kind, which an import may turn into one.
    bool is_foreign_file(const std::string& path) const;
    // Reads the file (and the key file and the versions map that `side`
    // names) and plans the import with the choices of `options`; nothing
    // changes. What a preview shows: the rows, every choice and the summary.
    CsvPlan plan_csv_import(const std::string& path, const CsvOptions& options,
                            const CsvSideFiles& side = {}) const;
    // The preview's OK: the editor's boxes become the planned data set, read
    // from `path`. Refused, with nothing changed, for a refused plan.
    Outcome apply_csv_plan(const CsvPlan& plan, const std::string& path);
    // Both in one step.
    CsvPlan import_csv(const std::string& path, const CsvOptions& options,
                       const CsvSideFiles& side = {});

    // --- Leaving the editor: the loader and the closing steps. Refused when
    // the data are refused; the editor is then to be shown again. With
    // KeyCheck::strict a key warning refuses the data too.
    EditorCloseResult close_editor(EditorExit how, KeyCheck key_check = KeyCheck::warn);
    // The user chose to correct what the load warned about rather than go
    // on: the data count as not loaded and the editor is to be shown again.
    Outcome return_to_editor();
    // "&New (reset)" and the start of the editor, which begins a new data set
    // for every start mode but editing.
    Outcome new_data_set();
    EditorStartAction editor_startup();
    // The editor's "SHOW EXAMPLE DATA": a small example, nothing of it unsaved.
    Outcome show_example_data();

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

    // --- What the windows enable, decided here once.
    // The web page is built from the results: there is none before the first analysis.
    bool can_save_web_page() const { return state_->results.analysed; }
    // Grade reports are viewed up to 200 examinees and saved up to 500.
    bool can_view_grade_reports() const;
    bool can_save_grade_reports() const;
    // The message an analysis of many examinees shows first; empty for few.
    std::string patience_message() const;

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
    // one row per item and option, one row per item, and one row per
    // examinee of the answers left out.
    Outcome save_scores_csv(const std::string& path);
    Outcome save_options_csv(const std::string& path);
    Outcome save_items_csv(const std::string& path);
    Outcome save_missing_answers_csv(const std::string& path);
    // The comparison of two groups for differential item functioning, one
    // row per item. Refused when the results hold no such comparison.
    Outcome save_dif_csv(const std::string& path);
    // The item-analysis report as one web page to open in any browser.
    // Refused before the first analysis.
    Outcome save_html_report(const std::string& path);
    // The data editor's exports: the response codes of a fresh load
    // (comma-delimited) and the data lines as they stand.
    Outcome export_raw_data(const std::string& path);
    Outcome export_data_only(const std::string& path);
    // The SPSS syntax file that reads the comma-delimited export.
    Outcome save_spss_syntax(const std::string& path);

    // --- The editor's Convert menu.
    Outcome convert(Conversion conversion);
    const ConvertMenu& convert_menu() const { return convert_menu_; }
    // The hidden "Data are Right-Wrong (0/1) Data": flips the flag and the menu.
    Outcome toggle_right_wrong();
    // Puts the menu into the state the right-wrong flag stands for, as the
    // editor does each time it opens.
    void refresh_convert_menu();

  private:
    // The lines a writer makes of the current results, into `path`; refused
    // when the results are not current.
    Outcome save_current_results(const std::string& path,
                                 std::vector<std::string> (*lines_of)(const AnalysisState&));
    Outcome write_zero_one_data(const std::string& path, ZeroOneLayout layout);
    Outcome convert_data(Conversion conversion);
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
