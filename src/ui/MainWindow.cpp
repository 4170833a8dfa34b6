#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/ChartWindow.h"
#include "ui/CsvImportWindow.h"
#include "ui/DataEditorWindow.h"
#include "ui/DialogParts.h"
#include "ui/GradeDialog.h"
#include "ui/GroupDialog.h"
#include "ui/HelpTexts.h"
#include "ui/ImportChooserWindow.h"
#include "ui/InfoWindows.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"
#include "ui/PrecisionWindow.h"
#include "ui/ProblemItemDialog.h"
#include "ui/ReportView.h"
#include "ui/ReportWindow.h"
#include "ui/SpearmanBrownDialog.h"
#include "ui/TextInsertHelpWindow.h"

namespace kor::ui {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* created = new QPushButton(caption, parent);
    created->setObjectName(QLatin1String(name));
    return created;
}

QLineEdit* hiddenName(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->hide();
    return box;
}

void setTitleColour(QLineEdit& box, Qt::GlobalColor colour) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, colour);
    box.setPalette(palette);
}

}  // namespace

MainWindow::MainWindow(AppController& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller) {
    setObjectName(QStringLiteral("TMapForm"));
    setWindowTitle(QString::fromLatin1(program_caption));
    // The other windows, created once for the whole run.
    text_help_ = new TextInsertHelpWindow(controller_, this);
    editor_ = new DataEditorWindow(controller_, *text_help_, this);
    user_agreement_ = new UserAgreementWindow(this);
    about_ = new AboutWindow(this);
    acknowledgments_ = new AcknowledgmentsWindow(this);
    viewers_ = std::make_unique<Viewers>(this, controller_.state());
    grade_dialog_ = std::make_unique<GradeDialog>(controller_, nullptr);
    group_dialog_ = std::make_unique<GroupDialog>(controller_, nullptr);
    problem_dialog_ = std::make_unique<ProblemItemDialog>(controller_, nullptr);
    spearman_dialog_ = std::make_unique<SpearmanBrownDialog>(controller_, nullptr);
    precision_ = std::make_unique<PrecisionWindow>(controller_, nullptr);

    buildControls();
    buildMenus();
    setStartState();
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    connect(precision_.get(), &PrecisionWindow::analysisWanted, this, &MainWindow::analyze);
    connect(editor_, &DataEditorWindow::dataAccepted, this, &MainWindow::dataAccepted);
    connect(editor_, &DataEditorWindow::cancelled, this, &MainWindow::editorCancelled);
    connect(editor_, &DataEditorWindow::wroteFiles, statusBar(),
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(editor_, &DataEditorWindow::editModeChosen, this,
            [this] { rdo_edit_data_->setChecked(true); });
    connect(&editor_->importChooser(), &ImportChooserWindow::layoutChosen, this,
            [this](InputLayout layout) {
                if (editor_->isVisible()) {
                    return;  // the editor reads the file itself
                }
                // From the main window the chooser leads into the editor as
                // opening a file does (the File menu asked about unsaved data).
                editor_->openOnStartup(layout);
                rdo_read_file_->setChecked(true);
                enterDataEditor();
            });
    connect(viewers_->results, &ResultsWindow::saveRequested, this, &MainWindow::saveResults);
    connect(viewers_->results, &ResultsWindow::chartRequested, this, &MainWindow::showChart);
    connect(viewers_->quick, &QuickViewWindow::saveRequested, this, &MainWindow::saveQuickReport);
    connect(viewers_->grades, &GradeReportWindow::saveRequested, this,
            &MainWindow::saveGradeReports);
    connect(viewers_->graph, &ChartWindow::saveRequested, this, &MainWindow::saveChart);
    const auto confirmPrinted = [this](const QString& pdf) { showWritten({fromQt(pdf)}); };
    connect(viewers_->results, &ReportWindow::printedToFile, this, confirmPrinted);
    connect(viewers_->quick, &ReportWindow::printedToFile, this, confirmPrinted);
    connect(viewers_->grades, &ReportWindow::printedToFile, this, confirmPrinted);
    connect(viewers_->graph, &ChartWindow::printedToFile, this, confirmPrinted);
    connect(&controller_, &AppController::settingsChanged, this, &MainWindow::syncOptionChecks);
    syncOptionChecks();
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------- controls

void MainWindow::buildControls() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    top->addWidget(buildInputBox());
    top->addWidget(buildViewButtons());
    top->addWidget(buildOutputBox());
    layout->addLayout(top);

    auto* title_row = new QHBoxLayout;
    txt_t_ = new QLineEdit(central);
    txt_t_->setObjectName(QStringLiteral("txt_t"));
    txt_t_->setReadOnly(true);
    lbl_t_ = new QLabel(QStringLiteral("Title:"), central);
    lbl_t_->setObjectName(QStringLiteral("lbl_t"));
    lbl_t_->setBuddy(txt_t_);
    title_row->addWidget(lbl_t_);
    title_row->addWidget(txt_t_);
    layout->addLayout(title_row);

    layout->addWidget(buildQuickPanes(), 1);
    txt_map_name_ = hiddenName(central, "txt_map_name");
    txt_results_name_ = hiddenName(central, "txt_results_name");
    txt_score_filename_ = hiddenName(central, "txt_score_filename");
    txt_item_filename_ = hiddenName(central, "txt_item_filename");
    // The data set's name follows the results' name.
    connect(txt_results_name_, &QLineEdit::textChanged, txt_map_name_, &QLineEdit::setText);
    setCentralWidget(central);
    // Room for a title bar and a panel on a laptop screen of 1366 x 768.
    resizeWithinScreen(*this, {1180, 660});
}

QWidget* MainWindow::buildInputBox() {
    auto* box = new QGroupBox(QStringLiteral("INPUT"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto* layout = new QVBoxLayout(box);
    auto radio = [&](const char* name, const QString& caption) {
        auto* created = new QRadioButton(caption, box);
        created->setObjectName(QLatin1String(name));
        // Choosing an input mode only leads on to the button that uses it.
        connect(created, &QRadioButton::clicked, this, [this] { btn_gotodata_->setFocus(); });
        layout->addWidget(created);
        return created;
    };
    rdo_enter_data_ = radio("rdo_enter_data", QStringLiteral("Enter &New Data"));
    rdo_read_file_ = radio("rdo_read_file", QStringLiteral("Open &KOR file"));
    rdo_spss_file_ = radio("rdo_spss_file", QStringLiteral("Insert a TEXT file (see Help)"));
    rdo_generate_ = radio("rdo_generate", QStringLiteral("&Generate Sample Data"));
    rdo_edit_data_ = radio("rdo_edit_data", QStringLiteral("&Edit Data in Data Editor"));
    rdo_enter_data_->setChecked(true);
    btn_gotodata_ = button(box, "btn_gotodata", QStringLiteral("Go To Data Editor"));
    connect(btn_gotodata_, &QPushButton::clicked, this, &MainWindow::goToDataEditor);
    layout->addWidget(btn_gotodata_);
    return box;
}

QWidget* MainWindow::buildViewButtons() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    btn_analyze_ = button(column, "btn_analyze", QStringLiteral("Analyze (F9)"));
    btn_view_grades_ =
        button(column, "btn_view_grades", QStringLiteral("View Grade Reports (if n<200)"));
    btn_view_q_exam_ =
        button(column, "btn_view_q_exam", QStringLiteral("View Examinee Output (F5)"));
    btn_view_options_ =
        button(column, "btn_view_options", QStringLiteral("View Options Analysis (F7)"));
    btn_view_q_item_ = button(column, "btn_view_q_item", QStringLiteral("View Item Analysis (F6)"));
    btn_view_examinee_ =
        button(column, "btn_view_examinee", QStringLiteral("View Full Test Results (F2)"));
    for (QPushButton* created : {btn_analyze_, btn_view_grades_, btn_view_q_exam_,
                                 btn_view_options_, btn_view_q_item_, btn_view_examinee_}) {
        layout->addWidget(created);
    }
    layout->addStretch();
    connect(btn_analyze_, &QPushButton::clicked, this, &MainWindow::analyze);
    connect(btn_view_grades_, &QPushButton::clicked, this, &MainWindow::viewGradeReports);
    connect(btn_view_q_exam_, &QPushButton::clicked, this,
            [this] { viewQuick(ReportKind::examinees); });
    connect(btn_view_options_, &QPushButton::clicked, this,
            [this] { viewQuick(ReportKind::options); });
    connect(btn_view_q_item_, &QPushButton::clicked, this,
            [this] { viewQuick(ReportKind::items); });
    connect(btn_view_examinee_, &QPushButton::clicked, this, &MainWindow::viewFullResults);
    return column;
}

QWidget* MainWindow::buildOutputBox() {
    auto* box = new QGroupBox(QStringLiteral("OUTPUT"), this);
    box->setObjectName(QStringLiteral("GroupBox2"));
    auto* layout = new QVBoxLayout(box);
    auto* label = new QLabel(QStringLiteral("When Saving FULL Results, also..."), box);
    label->setObjectName(QStringLiteral("Label9"));
    layout->addWidget(label);
    auto check = [&](const char* name, const QString& caption, SaveChoice choice) {
        auto* created = new QCheckBox(caption, box);
        created->setObjectName(QLatin1String(name));
        connect(created, &QCheckBox::toggled, this, [this, choice](bool on) {
            controller_.setSaveChoice(choice, on);
            // Unchecked, the quick files' names are forgotten.
            if (!on && choice == SaveChoice::exm) {
                txt_score_filename_->clear();
            }
            if (!on && choice == SaveChoice::itm) {
                txt_item_filename_->clear();
            }
        });
        layout->addWidget(created);
        return created;
    };
    chk_save_score_file_ =
        check("chk_save_score_file", QStringLiteral("Save Quick Examinee Results (*.EXM)"),
              SaveChoice::exm);
    chk_save_item_file_ = check(
        "chk_save_item_file", QStringLiteral("Save Quick Item Analysis (*.ITM)"), SaveChoice::itm);
    chk_save_opt_file_ =
        check("chk_save_opt_file", QStringLiteral("Save Quick Options Analysis (*.OPT)"),
              SaveChoice::opt);
    chk_save_rpt_file_ =
        check("chk_save_rpt_file", QStringLiteral("Save Individual Grade Reports (*.RPT)"),
              SaveChoice::rpt);
    btn_saveresults_ = button(box, "btn_saveresults", QStringLiteral("Save Results (F3)"));
    connect(btn_saveresults_, &QPushButton::clicked, this, &MainWindow::saveResults);
    layout->addWidget(btn_saveresults_);
    return box;
}

QWidget* MainWindow::buildQuickPanes() {
    auto* panes = new QWidget(this);
    auto* layout = new QHBoxLayout(panes);
    layout->setContentsMargins(0, 0, 0, 0);
    auto pane = [&](const char* group_name, const char* box_name, ReportView*& view) {
        auto* group = new QGroupBox(panes);
        group->setObjectName(QLatin1String(group_name));
        view = new ReportView(QLatin1String(box_name), group);
        auto* inner = new QVBoxLayout(group);
        inner->addWidget(view);
        layout->addWidget(group);
        return group;
    };
    group_qe_ = pane("GroupBox3", "RichEditQE", rich_edit_qe_);
    group_qi_ = pane("GroupBox4", "RichEditQI", rich_edit_qi_);
    rich_edit_qe_->setAccessibleName(QStringLiteral("Quick examinee results"));
    rich_edit_qi_->setAccessibleName(QStringLiteral("Quick test and item results"));
    return panes;
}

// ---------------------------------------------------------------- title row and panes

void MainWindow::showIntroduction() {
    group_qe_->setTitle(QString::fromLatin1(help::introduction_caption));
    group_qi_->setTitle(QString());
    rich_edit_qe_->setPlainText(help::introductionLeft().join(QLatin1Char('\n')));
    rich_edit_qi_->setPlainText(help::introductionRight().join(QLatin1Char('\n')));
    lbl_t_->hide();
    txt_t_->setText(QString::fromLatin1(help::title_request));
    setTitleColour(*txt_t_, Qt::red);
    txt_t_->setFont(font());
}

void MainWindow::setQuickCaptions() {
    group_qe_->setTitle(QStringLiteral("QUICK EXAMINEE RESULTS"));
    group_qi_->setTitle(QStringLiteral("QUICK TEST/ITEM RESULTS"));
}

void MainWindow::hideTitleRow() {
    lbl_t_->hide();
    txt_t_->hide();
    txt_t_->clear();
    setTitleColour(*txt_t_, Qt::black);
    txt_t_->setFont(reportFont());
}

void MainWindow::showTitleRow(const std::string& title) {
    setTitleColour(*txt_t_, Qt::black);
    txt_t_->setFont(reportFont());
    txt_t_->setText(toQt(title));
    lbl_t_->show();
    txt_t_->show();
}

void MainWindow::setMapName(const std::string& name) {
    txt_results_name_->setText(toQt(name));
    txt_map_name_->setText(toQt(name));
}

// ---------------------------------------------------------------- into the data editor

InputMode MainWindow::checkedInputMode() const {
    // Tested in this order, as the window always has.
    if (rdo_edit_data_->isChecked()) {
        return InputMode::edit_data;
    }
    if (rdo_enter_data_->isChecked()) {
        return InputMode::enter_new_data;
    }
    if (rdo_spss_file_->isChecked()) {
        return InputMode::insert_text_file;
    }
    if (rdo_read_file_->isChecked()) {
        return InputMode::open_kor_file;
    }
    return rdo_generate_->isChecked() ? InputMode::generate_data : InputMode::edit_data;
}

// Back from an analysis to the editor: no analysis, no view buttons.
void MainWindow::leaveAnalysedState() {
    btn_analyze_->setEnabled(false);
    hideTitleRow();
    rich_edit_qe_->clear();
    rich_edit_qi_->clear();
    setQuickCaptions();
    setViewButtonsEnabled(false);
    run_menu_->menuAction()->setEnabled(false);
}

// Every input mode but editing replaces the data set.
void MainWindow::goToDataEditor() {
    if (checkedInputMode() != InputMode::edit_data && !mayDiscardChanges()) {
        return;
    }
    enterDataEditor();
}

// A menu command's input mode: the INPUT box shows it only once the user
// agreed to replace the data.
void MainWindow::goToDataEditorAs(QRadioButton* mode) {
    if (!mayDiscardChanges()) {
        return;
    }
    mode->setChecked(true);
    enterDataEditor();
}

void MainWindow::enterDataEditor() {
    leaveAnalysedState();
    controller_.goToDataEditor(checkedInputMode());
    showEditorWhileLoadFails(false);
}

bool MainWindow::mayDiscardChanges() {
    return !controller_.hasUnsavedChanges() || askToDiscardChanges(this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (mayDiscardChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// "Import Spreadsheet (CSV) File...": the preview, then the data editor
// with the data, as the editor's own command leaves them.
void MainWindow::importSpreadsheet() {
    if (!mayDiscardChanges()) {
        return;
    }
    const std::optional<CsvPlan> imported = CsvImportWindow::importFile(controller_, this);
    if (!imported) {
        return;
    }
    showOutcome(*this, imported->outcome);
    rdo_edit_data_->setChecked(true);
    leaveAnalysedState();
    controller_.goToDataEditor(InputMode::edit_data);
    showEditorWhileLoadFails(false);
}

void MainWindow::hiddenGenerate() {
    if (!mayDiscardChanges()) {
        return;
    }
    leaveAnalysedState();
    setMapName(unsaved_name);
    controller_.startHiddenGenerate();
    showEditorWhileLoadFails(false);
    if (btn_analyze_->isEnabled()) {
        btn_analyze_->setFocus();
    }
}

void MainWindow::showEditorWhileLoadFails(bool analyse) {
    if (analyse) {
        editor_->startup();
        editor_->closeAndAnalyze();
    }
    while (controller_.state().data.editor_load_failed) {
        ModalWindows::exec(*editor_);
    }
    afterEditor();
}

void MainWindow::afterEditor() {
    if (!btn_analyze_->isEnabled()) {
        return;  // the editor was cancelled
    }
    if (controller_.state().data.data_loaded && controller_.state().analyze_on_return) {
        analyze();
        return;
    }
    btn_analyze_->setText(QStringLiteral("Analyze (F9)"));
    btn_analyze_->setFocus();
}

void MainWindow::openInputFile(const QString& path) {
    rdo_read_file_->setChecked(true);
    editor_->openOnStartup(path);
    enterDataEditor();
}

void MainWindow::runExample(const std::string& name, bool analyse) {
    if (!mayDiscardChanges()) {
        return;
    }
    const bool sample_set = name == "set1" || name == "set2" || name == "set3";
    if (sample_set) {
        rich_edit_qe_->clear();
        rich_edit_qi_->clear();
    }
    setMapName({});
    const Outcome outcome = controller_.openExample(name);
    showOutcome(*this, outcome);
    if (outcome.refused) {
        return;
    }
    rdo_edit_data_->setChecked(true);
    leaveAnalysedState();
    // The example already went the editor's way in edit mode.
    controller_.goToDataEditor(InputMode::edit_data);
    showEditorWhileLoadFails(analyse);
}

}  // namespace kor::ui
