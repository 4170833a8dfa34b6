#pragma once
// The one Qt object that wraps the application object. It is the only thing
// in the desktop program that changes the program state: the windows read
// the state, copy what the user typed in through it, call its commands and
// show the Outcome they return. It announces what changed by signals.

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/forms/GradeForm.h"
#include "app/forms/MainCommands.h"
#include "app/forms/ProblemItemForm.h"
#include "app/forms/TosForm.h"
#include "core/analysis/ChartData.h"
#include "core/data/AltAnswers.h"

namespace kor::ui {

class AppController : public QObject {
    Q_OBJECT
  public:
    explicit AppController(QObject* parent = nullptr);
    // Takes over a program state prepared elsewhere (a test's analysed data set).
    explicit AppController(std::unique_ptr<ProgramState> state, QObject* parent = nullptr);

    const ProgramState& state() const { return app_.state(); }
    // The application's queries (what the windows enable).
    const Application& application() const { return app_; }

    // --- settings (each announces settingsChanged)
    // `decimal_point` is the system locale's decimal separator.
    void setDecimalSeparator(QChar decimal_point);
    void chooseExamineeOrder(ExamineeOrder order);
    void chooseItemOrder(ItemOrder order);
    void chooseGradeRounding(bool round_percent);
    void toggle(OptionToggle option);
    // Raw scores and percentages switch at once; grade letters first read
    // the saved grading scale `scale_file` when it exists, and a scale that
    // does not read leaves the unit as it was (refused).
    Outcome chooseBandUnit(BandUnit unit, const std::string& scale_file);
    void setSaveChoice(SaveChoice choice, bool on);

    // --- the main window's ways into the data editor
    void goToDataEditor(InputMode mode);
    // The hidden "Generate": new data from the generator's fixed values.
    void startHiddenGenerate();
    Outcome openExample(const std::string& name);

    // --- the data editor. The editor copies its boxes in before a command
    // and shows the boxes of the state afterwards.
    void setEditorTexts(const EditorTexts& texts);
    Outcome itemsChanged();
    Outcome labelLengthChanged();
    // The checks that typing into both count boxes runs, after a command
    // filled them: items first, then the label length.
    Outcome countsFilled();
    void includeChanged();
    EditorStartAction editorStartup();
    void newDataSet();
    void countLinesAsExaminees();
    void showExampleData();
    void changeMaxOptions(int maximum);
    void cancelEditor();
    void closeEditorWithoutLoading();
    EditorCloseResult closeEditor(EditorExit how);
    // The user answered a load's key warning by going back to correct it.
    void returnToEditor();
    // Whether replacing the data set now would lose what was not saved.
    bool hasUnsavedChanges() const { return app_.has_unsaved_changes(); }
    Outcome openInputFile(const std::string& path, InputLayout layout);
    Outcome saveInputFile(const std::string& path);
    std::string proposedInputFileName() const;
    Outcome insertTextFile(const std::string& path, TextSource source);
    Outcome importTestscoreData();
    // A spreadsheet file: planned with the user's choices and the files read
    // beside it (a versions map), then the plan fills the editor's boxes.
    CsvPlan planCsvImport(const std::string& path, const CsvOptions& options,
                          const CsvSideFiles& side) const;
    Outcome applyCsvPlan(const CsvPlan& plan, const std::string& path);
    Outcome exportDataOnly(const std::string& path);
    Outcome exportRawData(const std::string& path);
    Outcome exportZeroOneData(const std::string& path, ZeroOneLayout layout);
    Outcome saveSpssSyntax(const std::string& path);
    Outcome convert(Conversion conversion);
    void toggleRightWrong();
    ConvertMenuView convertMenuView() const;

    // --- the analysis and its outputs
    Outcome analyze();
    std::vector<std::string> reportLines(ReportKind kind, Outcome& messages);
    std::vector<std::string> examineePane() const { return app_.examinee_pane(); }
    std::vector<std::string> itemPane() const { return app_.item_pane(); }
    // "Set ALT file OK": allows "Save ALT file" until the next analysis.
    void allowAltFiles() { alt_files_allowed_ = true; }
    bool altFilesAllowed() const { return alt_files_allowed_; }
    Outcome saveItemStats(const std::string& path);
    Outcome saveGradeReports(const std::string& path);
    Outcome saveAltFiles(const std::string& base);
    Outcome saveHtmlReport(const std::string& path);

    // --- the settings dialogs of the main window (AppControllerDialogs.cpp).
    // A dialog copies its edits in with the set... command before a button's
    // command and shows the form of the state afterwards.

    // "Grade Percentages": opening loads kor.ini from the working folder when
    // it exists; choosing a scheme, a change of the count box, "Use Program
    // Defaults", OK, and the scale-file buttons.
    Outcome openGradeDialog();
    void setGradeForm(const GradeForm& form);
    Outcome chooseGradeScheme(GradeScheme scheme);
    Outcome gradeCountChanged(const std::string& text);
    void useGradeProgramDefaults();
    Outcome gradeOk();
    Outcome saveScaleFile(const std::string& path);
    Outcome readScaleFile(const std::string& path);
    void deleteSavedScale();

    // "Disrimination Percentages": the two texts are the setting.
    void setGroupTexts(const std::string& top, const std::string& bottom);
    void groupDefaults();
    Outcome groupOk();

    // "Differential Item Functioning": the label columns of the groups,
    // then the two groups compared (the groups found are the application's
    // group_names()).
    Outcome setGroupLabel(const std::string& columns);
    Outcome setDifGroups(const std::string& reference, const std::string& focal);
    // How sure the figures are: the KR20 interval's level, the bands' error and
    // how answers not reached count, in the web page, the JSON and the CSV.
    Outcome setCiLevel(double level);
    Outcome setBandsError(BandsError error);
    Outcome setNotReached(NotReached use);

    // "Set Criteria for Problem Items".
    void openProblemDialog();
    void setProblemForm(const ProblemItemForm& form);
    void setCommonCriterion(Criterion criterion);
    void setRemoveCriterion(Criterion criterion);
    void setDefaultCriteria();
    Outcome problemCriteriaOk();

    // "Spearman-Brown Prophecy Formula".
    void openSpearmanBrown();
    Outcome calculateSpearmanBrown(const std::string& desired);

    // --- the data editor's dialogs (AppControllerDialogs.cpp), over the
    // editor texts the editor copied in before.

    // "Alternative Answers": the table of the "A" items, its cells as typed, OK.
    Outcome prepareAltAnswers();
    void setAltAnswerRows(const std::vector<AltAnswerRow>& rows);
    Outcome altAnswersOk();

    // "Partial Credit".
    void openPartialCredit();
    void setPartialCreditTexts(const std::string& pc_points, const std::string& mc_points);
    void partialCreditDefaults();
    Outcome partialCreditOk();
    Outcome turnOffPartialCredit();

    // "Table of Specifications".
    void openTableOfSpecs();
    void setTosForm(const TosForm& form);
    void tosSelectAreas(int count);
    void tosSelectLevels(int count);
    void tosUseTaxonomy(Taxonomy taxonomy);
    void tosUseDefaultSet();
    void tosReset();
    Outcome tosOk();
    void tosCancel();

    // "Data Generation Information": its boxes as the editor's start mode
    // fills them, "Set a New Random Seed", Generate and Cancel.
    void startGenerator();
    void setGeneratorForm(const GenForm& form);
    void newGeneratorSeed();
    Outcome generate();
    void cancelGenerator();

    // --- saving and the charts (AppController.cpp).

    // "Save Results (F3)" to `path`: the results file, the companions the
    // OUTPUT check boxes chose and, with automatic saving, the input file
    // beside them. The path is remembered once the results file is written.
    Outcome saveResults(const std::string& path);
    // The last results file written; empty before the first.
    const std::string& resultsPath() const { return results_path_; }
    // After "Save Results", saved or cancelled: the editor next opens
    // with the data as they are.
    void finishSaveResults();
    // The quick viewer's Save of `report` built as `lines`.
    Outcome saveViewerFile(QuickReport report, const std::vector<std::string>& lines,
                           const std::string& path);
    // Refused when the results on show are no longer those of the data.
    Outcome checkResultsCurrent() const { return app_.check_results_current(); }
    // Why a command may not write `paths` (the data's own file among them).
    Outcome checkTargets(const std::vector<std::string>& paths) const {
        return app_.check_targets(paths);
    }
    // The bars of a chart of the last analysis.
    ChartData chart(ChartKind kind) const { return chart_of(app_.state(), kind); }

  signals:
    // The data set or the editor's boxes changed.
    void dataChanged();
    // An analysis setting changed.
    void settingsChanged();
    // An analysis ran to its end; its reports are ready.
    void analysed();

  private:
    // Emits the signals of what the outcome says changed.
    Outcome announce(Outcome outcome);

    Application app_;
    bool alt_files_allowed_ = false;
    std::string results_path_;
};

}  // namespace kor::ui
