#include "ui/AppController.h"

#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"
#include "app/forms/GradingScaleFile.h"
#include "app/forms/ProblemItemForm.h"
#include "core/FileIO.h"
#include "core/data/TextImport.h"

namespace kor::ui {

AppController::AppController(QObject* parent) : QObject(parent) {}

AppController::AppController(std::unique_ptr<ProgramState> state, QObject* parent)
    : QObject(parent), app_(std::move(state)) {}

// The one place the controller says what a command changed: the settings
// first, as the windows redraw the data set's views with them.
Outcome AppController::announce(Outcome outcome) {
    if (outcome.changed.settings) {
        emit settingsChanged();
    }
    if (outcome.changed.data) {
        emit dataChanged();
    }
    if (outcome.changed.results) {
        emit analysed();
    }
    return outcome;
}

// ---------------------------------------------------------------- settings

void AppController::setDecimalSeparator(QChar decimal_point) {
    app_.set_decimal_separator(decimal_point.unicode());
}

void AppController::chooseExamineeOrder(ExamineeOrder order) {
    announce(app_.choose_examinee_order(order));
}

void AppController::chooseItemOrder(ItemOrder order) {
    announce(app_.choose_item_order(order));
}

void AppController::chooseGradeRounding(bool round_percent) {
    announce(app_.set_grade_rounding(round_percent));
}

void AppController::toggle(OptionToggle option) {
    announce(app_.toggle(option));
}

Outcome AppController::chooseBandUnit(BandUnit unit, const std::string& scale_file) {
    return announce(app_.choose_band_unit(unit, scale_file));
}

void AppController::setSaveChoice(SaveChoice choice, bool on) {
    app_.set_save_choice(choice, on);
}

// ---------------------------------------------------------------- into the editor

void AppController::goToDataEditor(InputMode mode) {
    announce(app_.go_to_data_editor(mode));  // the band unit is back to raw scores too
}

void AppController::startHiddenGenerate() {
    announce(app_.start_hidden_generate());
}

Outcome AppController::openExample(const std::string& name) {
    return announce(app_.open_example(name));
}

// ---------------------------------------------------------------- the data editor

void AppController::setEditorTexts(const EditorTexts& texts) {
    app_.set_editor_texts(texts);
}

Outcome AppController::itemsChanged() {
    return app_.items_changed();
}

Outcome AppController::labelLengthChanged() {
    return app_.label_length_changed();
}

Outcome AppController::countsFilled() {
    return app_.counts_filled();
}

void AppController::includeChanged() {
    app_.include_changed();
}

EditorStartAction AppController::editorStartup() {
    const EditorStartAction action = app_.editor_startup();
    // What the editor does as it opens is no Outcome: a new data set, which
    // has no grading scale, may begin.
    emit settingsChanged();
    emit dataChanged();
    return action;
}

void AppController::newDataSet() {
    announce(app_.new_data_set());
}

void AppController::countLinesAsExaminees() {
    announce(app_.count_lines_as_examinees());
}

void AppController::showExampleData() {
    announce(app_.show_example_data());
}

void AppController::changeMaxOptions(int maximum) {
    app_.change_max_options(maximum);
}

void AppController::cancelEditor() {
    app_.cancel_editor();
}

void AppController::closeEditorWithoutLoading() {
    app_.close_editor_without_loading();
}

EditorCloseResult AppController::closeEditor(EditorExit how) {
    EditorCloseResult result = app_.close_editor(how);
    announce(result.outcome);
    return result;
}

void AppController::returnToEditor() {
    announce(app_.return_to_editor());
}

Outcome AppController::openInputFile(const std::string& path, InputLayout layout) {
    return announce(app_.open_input_file(path, layout));  // with groups and a grading scale
}

Outcome AppController::saveInputFile(const std::string& path) {
    return app_.save_input_file(path);
}

std::string AppController::proposedInputFileName() const {
    return app_.proposed_input_file_name(shown_data_set_name(app_.state()));
}

Outcome AppController::insertTextFile(const std::string& path, TextSource source) {
    return announce(app_.insert_text_file(path, source));
}

Outcome AppController::importTestscoreData() {
    return announce(app_.import_testscore_data());
}

CsvPlan AppController::planCsvImport(const std::string& path, const CsvOptions& options,
                                     const CsvSideFiles& side) const {
    return app_.plan_csv_import(path, options, side);
}

Outcome AppController::applyCsvPlan(const CsvPlan& plan, const std::string& path) {
    return announce(app_.apply_csv_plan(plan, path));  // from the program's settings
}

Outcome AppController::exportDataOnly(const std::string& path) {
    return app_.export_data_only(path);
}

Outcome AppController::exportRawData(const std::string& path) {
    return app_.export_raw_data(path);
}

Outcome AppController::exportZeroOneData(const std::string& path, ZeroOneLayout layout) {
    return announce(app_.save_zero_one_data(path, layout));
}

Outcome AppController::saveSpssSyntax(const std::string& path) {
    return app_.save_spss_syntax(path);
}

Outcome AppController::convert(Conversion conversion) {
    return announce(app_.convert(conversion));
}

void AppController::toggleRightWrong() {
    announce(app_.toggle_right_wrong());
}

ConvertMenuView AppController::convertMenuView() const {
    return app_.convert_menu_view();
}

// ---------------------------------------------------------------- analysis and outputs

Outcome AppController::analyze() {
    alt_files_allowed_ = false;
    return announce(app_.analyze());
}

std::vector<std::string> AppController::reportLines(ReportKind kind, Outcome& messages) {
    return app_.report_lines(kind, messages);
}

Outcome AppController::saveItemStats(const std::string& path) {
    return app_.save_item_stats(path);
}

Outcome AppController::saveGradeReports(const std::string& path) {
    return app_.save_grade_reports(path);
}

Outcome AppController::saveHtmlReport(const std::string& path) {
    return app_.save_html_report(path);
}

Outcome AppController::saveAltFiles(const std::string& base) {
    if (!alt_files_allowed_) {
        return {};
    }
    return app_.save_alt_files(base);
}

Outcome AppController::saveResults(const std::string& path) {
    Outcome outcome = app_.save_results(path, save_choices_of(app_.state()));
    if (!outcome.written.empty() && outcome.written.front() == path) {
        results_path_ = path;
    }
    return outcome;
}

void AppController::finishSaveResults() {
    app_.finish_save_results();
}

Outcome AppController::saveViewerFile(QuickReport report, const std::vector<std::string>& lines,
                                      const std::string& path) {
    return app_.save_viewer_file(report, lines, path);
}

}  // namespace kor::ui
