#pragma once
// The one Qt object that wraps the application object. It is the only thing
// in the desktop program that changes the program state: the windows read
// the state, copy what the user typed in through it, call its commands and
// show the Outcome they return. It announces what changed by signals.

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "app/Application.h"
#include "core/settings/MainCommands.h"

namespace kor::ui {

// The on/off commands of the Options menu.
enum class OptionToggle {
    print_grades_on_reports,
    suggest_problem_items,
    use_problem_criteria,
    change_seed_each_call,
    auto_save_kor_file,
};

// The OUTPUT box's check boxes.
enum class SaveChoice { exm, itm, opt, rpt };

class AppController : public QObject {
    Q_OBJECT
  public:
    explicit AppController(QObject* parent = nullptr);

    const ProgramState& state() const { return app_.state(); }

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
    Outcome openInputFile(const std::string& path, InputLayout layout);
    Outcome saveInputFile(const std::string& path);
    std::string proposedInputFileName() const;
    Outcome insertTextFile(const std::string& path, TextSource source);
    Outcome importTestscoreData();
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

  signals:
    // The data set or the editor's boxes changed.
    void dataChanged();
    // An analysis setting changed.
    void settingsChanged();
    // An analysis ran to its end; its reports are ready.
    void analysed();

  private:
    Outcome announceData(Outcome outcome);

    Application app_;
    bool alt_files_allowed_ = false;
};

}  // namespace kor::ui
