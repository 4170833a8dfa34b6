#pragma once
// The main window `TMapForm`: chooses how the data editor starts, runs the
// analysis, offers the viewers, savers and every analysis setting. Its code
// is split by concern: MainWindow.cpp builds the window and leads into the
// data editor, MainMenus.cpp builds the menus and keeps their enabling,
// MainAnalysis.cpp runs the analysis flow and MainOutput.cpp the output
// commands.

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/Application.h"
#include "app/forms/MainCommands.h"
#include "core/analysis/ChartData.h"
#include "core/data/Loader.h"
#include "ui/CommandTable.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace kor::ui {

class AppController;
class DataEditorWindow;
class ReportView;
struct Viewers;
class AboutWindow;
class AcknowledgmentsWindow;
class UserAgreementWindow;
class TextInsertHelpWindow;
class GradeDialog;
class GroupDialog;
class ProblemItemDialog;
class SpearmanBrownDialog;
class PrecisionWindow;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(AppController& controller, QWidget* parent = nullptr);
    ~MainWindow() override;

    DataEditorWindow& editor() { return *editor_; }
    Viewers& viewers() { return *viewers_; }

    // The Examples menu's command for the example `name`; with `analyse` the
    // editor is left at once with "Close && Analyze" instead of being shown,
    // as `kor-gui --example` starts.
    void runExample(const std::string& name, bool analyse = false);
    // "Open KOR file" with the file `path` instead of its dialog, as
    // `kor-gui FILE.kor` starts.
    void openInputFile(const QString& path);

    // --- the analysis flow (MainAnalysis.cpp)
    void analyze();

  protected:
    // Closing the program asks first when the data were not saved.
    void closeEvent(QCloseEvent* event) override;

  private:
    // MainWindow.cpp: the controls and the way into the editor
    void buildControls();
    QWidget* buildInputBox();
    QWidget* buildViewButtons();
    QWidget* buildOutputBox();
    QWidget* buildQuickPanes();
    InputMode checkedInputMode() const;
    void goToDataEditor();
    void goToDataEditorAs(QRadioButton* mode);
    // Into the editor by the checked input mode, without asking first.
    void enterDataEditor();
    // Before a command replaces the data set: true when nothing unsaved is
    // lost or the user agrees to lose it.
    bool mayDiscardChanges();
    void importSpreadsheet();
    void hiddenGenerate();
    // The editor shown modally while loading fails; `analyse` leaves it at
    // once through "Close && Analyze".
    void showEditorWhileLoadFails(bool analyse);
    void afterEditor();
    void leaveAnalysedState();
    void showIntroduction();
    void setQuickCaptions();
    void hideTitleRow();
    void showTitleRow(const std::string& title);
    void setMapName(const std::string& name);

    // MainMenus.cpp: menus, enabling, option commands, help
    void buildMenus();
    void buildFileMenu();
    void buildAnalysisMenu();
    void buildOptionsMenu();
    void addResultCommands(QMenu& menu);
    void addHiddenFileCommands();
    void option(QAction* action, std::function<void()> step);
    void addGradingAndGroupOptions(QMenu& menu);
    void addOrderOptions(QMenu& menu);
    void addBandOptions(QMenu& menu);
    void buildExamplesMenu();
    void buildHelpMenu();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        const QKeySequence& key = {});
    QAction* addHiddenCommand(const char* name, const QString& caption, const QKeySequence& key);
    QAction* addRadio(QMenu* menu, QActionGroup* group, const char* name, const QString& caption,
                      const QKeySequence& key = {});
    QAction* addToggle(QMenu* menu, const char* name, const QString& caption);
    QAction* command(MenuCommand name) const;
    void setStartState();
    void setMenusEnabled(bool on);
    void setViewButtonsEnabled(bool on);
    void markOptionsChanged();
    void syncOptionChecks();
    void chooseBandUnit(BandUnit unit);
    void showAbout();

    // MainAnalysis.cpp
    void dataAccepted(const EditorCloseResult& result);
    void editorCancelled();
    void beginAnalysis();
    void endAnalysis();

    // MainOutput.cpp
    void viewFullResults();
    void viewQuick(ReportKind kind);
    void viewGradeReports();
    void showChart(ChartKind kind);
    void refreshOpenViewers();
    std::string resultsName() const;
    void saveResults();
    void saveQuickReport();
    void saveChart();
    void saveGradeReports();
    void saveKorInputFile();
    void saveItemStatistics();
    void saveZeroOneData();
    void saveAltFiles();
    bool resultsMayBeSaved(QWidget* over);
    bool mayWrite(const QString& path);
    void showWritten(const std::vector<std::string>& written, QMainWindow* viewer = nullptr);

    AppController& controller_;
    DataEditorWindow* editor_ = nullptr;
    std::unique_ptr<Viewers> viewers_;
    AboutWindow* about_ = nullptr;
    AcknowledgmentsWindow* acknowledgments_ = nullptr;
    UserAgreementWindow* user_agreement_ = nullptr;
    TextInsertHelpWindow* text_help_ = nullptr;
    // The settings dialogs have no parent object: their controls' names
    // (BitBtn1, Button1, ...) repeat names of other windows, and a search
    // by name through this window must not find them.
    std::unique_ptr<GradeDialog> grade_dialog_;
    std::unique_ptr<GroupDialog> group_dialog_;
    std::unique_ptr<ProblemItemDialog> problem_dialog_;
    std::unique_ptr<SpearmanBrownDialog> spearman_dialog_;
    std::unique_ptr<PrecisionWindow> precision_;
    CommandTable commands_{*this};

    std::optional<ChartKind> shown_chart_;  // what the chart window last showed

    QMenu* file_menu_ = nullptr;
    QMenu* run_menu_ = nullptr;
    QMenu* options_menu_ = nullptr;
    QMenu* examples_menu_ = nullptr;
    QMenu* help_menu_ = nullptr;

    QRadioButton* rdo_enter_data_ = nullptr;
    QRadioButton* rdo_read_file_ = nullptr;
    QRadioButton* rdo_spss_file_ = nullptr;
    QRadioButton* rdo_generate_ = nullptr;
    QRadioButton* rdo_edit_data_ = nullptr;
    QPushButton* btn_gotodata_ = nullptr;
    QPushButton* btn_analyze_ = nullptr;
    QPushButton* btn_view_grades_ = nullptr;
    QPushButton* btn_view_q_exam_ = nullptr;
    QPushButton* btn_view_options_ = nullptr;
    QPushButton* btn_view_q_item_ = nullptr;
    QPushButton* btn_view_examinee_ = nullptr;
    QCheckBox* chk_save_score_file_ = nullptr;
    QCheckBox* chk_save_item_file_ = nullptr;
    QCheckBox* chk_save_opt_file_ = nullptr;
    QCheckBox* chk_save_rpt_file_ = nullptr;
    QPushButton* btn_saveresults_ = nullptr;
    QLabel* lbl_t_ = nullptr;
    QLineEdit* txt_t_ = nullptr;
    QGroupBox* group_qe_ = nullptr;
    QGroupBox* group_qi_ = nullptr;
    ReportView* rich_edit_qe_ = nullptr;
    ReportView* rich_edit_qi_ = nullptr;
    QLineEdit* txt_map_name_ = nullptr;
    QLineEdit* txt_results_name_ = nullptr;
    QLineEdit* txt_score_filename_ = nullptr;
    QLineEdit* txt_item_filename_ = nullptr;
};

}  // namespace kor::ui
