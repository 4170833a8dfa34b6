// The data editor's menus and the commands behind them.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "app/ProgramState.h"
#include "core/data/Conversions.h"
#include "core/data/LegacyInput.h"
#include "core/data/TextImport.h"
#include "reports/Exports.h"
#include "ui/AltAnswersDialog.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/CsvImportWindow.h"
#include "ui/DataEditorWindow.h"
#include "ui/FileDialogs.h"
#include "ui/GeneratorDialog.h"
#include "ui/ImportChooserWindow.h"
#include "ui/InfoWindows.h"
#include "ui/MessageBoxes.h"
#include "ui/ModalWindows.h"
#include "ui/PartialCreditDialog.h"
#include "ui/TableOfSpecsDialog.h"
#include "ui/TextInsertHelpWindow.h"

namespace kor::ui {

namespace {

const QString kor_filter = QStringLiteral("KOR files (*.kor)|*.kor");
const QString kor_open_filter = QStringLiteral("KOR files (*.kor)|*.kor|All Files (*.*)|*.*");

}  // namespace

QAction* DataEditorWindow::addCommand(QMenu* menu, const char* name, const QString& caption,
                                      const QKeySequence& key) {
    return commands_.add(menu, name, caption, key);
}

QAction* DataEditorWindow::addHiddenCommand(const char* name, const QString& caption,
                                            const QKeySequence& key) {
    return commands_.addHidden(name, caption, key);
}

QAction* DataEditorWindow::command(MenuCommand name) const {
    return commands_.at(name);
}

void DataEditorWindow::buildMenus(QMenuBar& bar) {
    buildFileMenu(bar);
    buildEditMenu(bar);
    buildDataMenu(bar);
    buildConvertMenu(bar);
    buildOptionsMenu(bar);
    buildHelpMenu(bar);
}

void DataEditorWindow::buildFileMenu(QMenuBar& bar) {
    QMenu* menu = bar.addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("File1"));
    connect(addCommand(menu, "New1", QStringLiteral("&New (reset)"),
                       QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &DataEditorWindow::newDataSet);
    connect(addCommand(menu, "Open1", QStringLiteral("&Open KOR File"),
                       QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { openKorFile(InputLayout::version6); });
    connect(addCommand(menu, "ImportKORInputFilefrompreviousversion1",
                       QStringLiteral("Import KOR Input File from previous version")),
            &QAction::triggered, this, [this] {
                if (mayDiscardChanges()) {
                    import_chooser_->show();
                }
            });
    connect(addHiddenCommand("OpenKORv330File1", QStringLiteral("Open KOR v3.x.x Input File")),
            &QAction::triggered, this, [this] { openKorFile(InputLayout::version3); });
    connect(addHiddenCommand("OpenKORv42xFile1", QStringLiteral("Open KOR v4.x.x Input File")),
            &QAction::triggered, this, [this] { openKorFile(InputLayout::version4); });
    connect(addHiddenCommand("OpenKORv5xxInputFile1", QStringLiteral("Open KOR v5.x.x Input File")),
            &QAction::triggered, this, [this] { openKorFile(InputLayout::version5); });
    connect(addCommand(menu, "ImportSpreadsheetCSVFile1",
                       QStringLiteral("Import Spreadsheet (CSV) File...")),
            &QAction::triggered, this, &DataEditorWindow::importSpreadsheet);
    connect(addCommand(menu, "Save1", QStringLiteral("&Save KOR File"),
                       QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &DataEditorWindow::saveKorFile);
    connect(addCommand(menu, "SaveCommaDelimited01Data1",
                       QStringLiteral("Save Comma-Delimited 01 Data")),
            &QAction::triggered, this, [this] { exportCommaDelimited(true); });
    connect(addCommand(menu, "SaveCommaDelimitedRawData1",
                       QStringLiteral("Save Comma-Delimited Raw Data")),
            &QAction::triggered, this, [this] { exportCommaDelimited(false); });
    connect(addCommand(menu, "CloseOK1", QStringLiteral("Close and Analyze")), &QAction::triggered,
            this, &DataEditorWindow::closeAndAnalyze);
    connect(addCommand(menu, "Close1", QStringLiteral("&Close (Cancel)")), &QAction::triggered,
            this, &DataEditorWindow::closeOnly);
    connect(import_chooser_, &ImportChooserWindow::layoutChosen, this, [this](InputLayout layout) {
        // From the main window the chooser starts the editor itself.
        if (isVisible()) {
            openKorFile(layout);
        }
    });
}

namespace {

// The Edit menu's commands act on the editor's box that has the focus.
template <typename Command>
void onFocusedBox(QWidget& window, Command&& command) {
    QWidget* focused = window.focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(focused)) {
        command(*line);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(focused)) {
        command(*text);
    }
}

}  // namespace

void DataEditorWindow::buildEditMenu(QMenuBar& bar) {
    QMenu* menu = bar.addMenu(QStringLiteral("&Edit"));
    menu->setObjectName(QStringLiteral("Edit1"));
    auto add = [&](const char* name, const QString& caption, QKeySequence::StandardKey key,
                   auto command) {
        connect(addCommand(menu, name, caption, QKeySequence(key)), &QAction::triggered, this,
                [this, command] { onFocusedBox(*this, command); });
    };
    add("Undo1", QStringLiteral("&Undo"), QKeySequence::Undo, [](auto& box) { box.undo(); });
    add("Redo1", QStringLiteral("&Redo"), QKeySequence::Redo, [](auto& box) { box.redo(); });
    menu->addSeparator();
    add("Cut1", QStringLiteral("Cu&t"), QKeySequence::Cut, [](auto& box) { box.cut(); });
    add("Copy1", QStringLiteral("&Copy"), QKeySequence::Copy, [](auto& box) { box.copy(); });
    add("Paste1", QStringLiteral("&Paste"), QKeySequence::Paste, [](auto& box) { box.paste(); });
}

void DataEditorWindow::buildDataMenu(QMenuBar& bar) {
    QMenu* menu = bar.addMenu(QStringLiteral("&Data"));
    menu->setObjectName(QStringLiteral("Data1"));
    connect(addCommand(menu, "Insert1", QStringLiteral("&Insert Text File into Data Window")),
            &QAction::triggered, this, [this] { insertText(false); });
    connect(addCommand(menu, "InsertDataKey1",
                       QStringLiteral("Insert Data && Answer Key from Text File")),
            &QAction::triggered, this, [this] { insertText(true); });
    connect(addCommand(menu, "SaveData1", QStringLiteral("&Save Data Only to Text File")),
            &QAction::triggered, this, &DataEditorWindow::saveDataOnly);
    connect(addCommand(menu, "GenerateData1", QStringLiteral("&Generate Data")),
            &QAction::triggered, this, &DataEditorWindow::generateData);
}

void DataEditorWindow::buildConvertMenu(QMenuBar& bar) {
    QMenu* menu = bar.addMenu(QStringLiteral("Convert"));
    menu->setObjectName(QStringLiteral("Convert1"));
    addCommand(menu, "convert_heading1", QString());
    connect(addHiddenCommand("DataareRightWrongData1",
                             QStringLiteral("Data are Right-Wrong (0/1) Data")),
            &QAction::triggered, this, &DataEditorWindow::toggleRightWrong);
    command(MenuCommand::data_are_right_wrong)->setCheckable(true);
    const std::pair<const char*, Conversion> conversions[] = {
        {"ConvertDatatoRightWrongData1", Conversion::right_wrong},
        {"ConvertBacktoOriginalData1", Conversion::back_from_right_wrong},
        {"ConvertDatatoNumbers1", Conversion::numbers},
        {"ConvertDatatoLetters1", Conversion::letters},
        {"ConvertDatabacktoOriginalLines1", Conversion::back_to_original_lines},
    };
    const char* captions[] = {convert_caption::to_right_wrong,
                              convert_caption::back_from_right_wrong, convert_caption::to_numbers,
                              convert_caption::to_letters, convert_caption::back_to_original_lines};
    for (std::size_t k = 0; k < std::size(conversions); ++k) {
        const Conversion conversion = conversions[k].second;
        connect(addCommand(menu, conversions[k].first, QString::fromLatin1(captions[k])),
                &QAction::triggered, this,
                [this, conversion] { convert(static_cast<int>(conversion)); });
    }
}

void DataEditorWindow::buildOptionsMenu(QMenuBar& bar) {
    QMenu* menu = bar.addMenu(QStringLiteral("Options"));
    menu->setObjectName(QStringLiteral("Options1"));
    connect(addCommand(menu, "SetTableofSpecifications1",
                       QStringLiteral("Set Table of Specifications...")),
            &QAction::triggered, this, &DataEditorWindow::setTableOfSpecifications);
    connect(addCommand(menu, "SetAlternativeCorrectAnswers1",
                       QStringLiteral("Set Alternative Correct Answers...")),
            &QAction::triggered, this, &DataEditorWindow::setAlternativeAnswers);
    connect(addCommand(menu, "AddRemovePartialCredit1",
                       QStringLiteral("Add/Remove Partial Credit or change MC point values...")),
            &QAction::triggered, this, &DataEditorWindow::changePartialCredit);
    connect(addCommand(menu, "ChangeMaxOptionsto51", QStringLiteral("Change Max # Options to 5")),
            &QAction::triggered, this, [this] { controller_.changeMaxOptions(5); });
    connect(addCommand(menu, "ChangeMaxoptionsto81", QStringLiteral("Change Max # Options to 8")),
            &QAction::triggered, this, [this] { controller_.changeMaxOptions(8); });
}

void DataEditorWindow::buildHelpMenu(QMenuBar& bar) {
    QMenu* menu = bar.addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("Help1"));
    connect(addCommand(
                menu, "HelpFileFormat1",
                QStringLiteral("FILE FORMAT (or how to insert a TEXT file or save an SPSS file)")),
            &QAction::triggered, this, [this] { text_help_.showFromStart(); });
    connect(addCommand(menu, "SHOWEXAMPLEDATA1", QStringLiteral("SHOW EXAMPLE DATA")),
            &QAction::triggered, this, &DataEditorWindow::showExampleData);
    connect(addCommand(menu, "Codes1", QStringLiteral("&Answer Key and Include Item Codes")),
            &QAction::triggered, this, [this] { ModalWindows::exec(*code_help_); });
    connect(addCommand(menu, "HowToImportVZTestscoreData1",
                       QStringLiteral("How To Import VZ Testscore Data")),
            &QAction::triggered, this,
            [this] { MessageBoxes::inform(this, toQt(testscore_howto_message())); });
    connect(addCommand(menu, "InsertTESTSCOREdata1",
                       QStringLiteral("Import VZ Testscore Data (old system)")),
            &QAction::triggered, this, &DataEditorWindow::importTestscore);
    connect(addCommand(menu, "CountlinesofdataasExaminees1",
                       QStringLiteral("Count lines of data as # Examinees"),
                       QKeySequence(Qt::SHIFT | Qt::Key_F5)),
            &QAction::triggered, this, &DataEditorWindow::countLines);
    connect(addHiddenCommand("SecretSetupRVW11", QStringLiteral("Secret Setup RVW1"),
                             QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_G)),
            &QAction::triggered, this, &DataEditorWindow::hiddenExample);
}

// The Convert menu's state and "Set Table of Specifications..." follow the program state.
void DataEditorWindow::refreshMenus() {
    const ConvertMenuView view = controller_.convertMenuView();
    command(MenuCommand::convert_heading)->setText(toQt(view.heading));
    QAction* toggle = command(MenuCommand::data_are_right_wrong);
    toggle->setText(toQt(view.toggle_caption));
    toggle->setChecked(view.toggle_checked);
    command(MenuCommand::convert_to_right_wrong)->setEnabled(view.to_right_wrong);
    command(MenuCommand::convert_back_to_original)->setEnabled(view.back_from_right_wrong);
    command(MenuCommand::convert_to_numbers)->setEnabled(view.to_numbers);
    command(MenuCommand::convert_to_letters)->setEnabled(view.to_letters);
    command(MenuCommand::convert_back_to_original_lines)->setEnabled(view.back_to_original_lines);
    command(MenuCommand::set_table_of_specs)
        ->setEnabled(controller_.state().editor_form.set_tos_enabled);
}

// ---------------------------------------------------------------- commands

void DataEditorWindow::newDataSet() {
    if (!mayDiscardChanges()) {
        return;
    }
    controller_.newDataSet();
    pushTexts();
    txt_title_->setFocus();
}

void DataEditorWindow::openKorFile(InputLayout layout) {
    if (!mayDiscardChanges()) {
        return;
    }
    const bool current = layout == InputLayout::version6;
    const QString path = FileDialogs::openFile(
        this, {current ? kor_open_filter : QString::fromLatin1(legacy_file_filter),
               QString::fromLatin1(legacy_file_extension),
               {},
               current ? QStringLiteral("Open KOR File")
                       : QStringLiteral("Open KOR Input File from a previous version")});
    if (!path.isEmpty()) {
        openKorPath(path, layout);
    }
}

void DataEditorWindow::openKorPath(const QString& path, InputLayout layout) {
    pullTexts();
    const Outcome outcome = controller_.openInputFile(fromQt(path), layout);
    pushTexts();
    showResult(outcome);
}

void DataEditorWindow::saveKorFile() {
    const QString path = FileDialogs::saveFile(
        this, {kor_filter, QStringLiteral("kor"), toQt(controller_.proposedInputFileName()),
               QStringLiteral("Save KOR File")});
    if (path.isEmpty()) {
        return;
    }
    pullTexts();
    const Outcome outcome = controller_.saveInputFile(fromQt(path));
    showWritten(outcome);
    showOutcome(*this, outcome);
}

void DataEditorWindow::insertText(bool with_key) {
    const QString path =
        FileDialogs::openFile(this, {QString::fromLatin1(text_open_filter), {}, {}});
    if (path.isEmpty()) {
        return;
    }
    pullTexts();
    const Outcome outcome = controller_.insertTextFile(
        fromQt(path), with_key ? TextSource::text_with_key : TextSource::text);
    pushTexts();
    showResult(outcome);
}

void DataEditorWindow::importSpreadsheet() {
    if (!mayDiscardChanges()) {
        return;
    }
    const std::optional<CsvPlan> imported = CsvImportWindow::importFile(controller_, this);
    if (imported) {
        pushTexts();
        showResult(imported->outcome);
    }
}

void DataEditorWindow::saveDataOnly() {
    const QString path = FileDialogs::saveFile(
        this,
        {QString::fromLatin1(text_save_filter), QString::fromLatin1(text_save_extension), {}});
    if (path.isEmpty()) {
        return;
    }
    pullTexts();
    const Outcome outcome = controller_.exportDataOnly(fromQt(path));
    showWritten(outcome);
    showOutcome(*this, outcome);
}

void DataEditorWindow::exportCommaDelimited(bool zero_one) {
    const std::string map_name = shown_data_set_name(controller_.state());
    const std::string proposed =
        zero_one ? zero_one_file_name(map_name) : raw_data_file_name(map_name);
    const QString path =
        FileDialogs::saveFile(this, {QString::fromLatin1(comma_delimited_filter),
                                     QString::fromLatin1(text_save_extension), toQt(proposed)});
    if (path.isEmpty()) {
        return;
    }
    pullTexts();
    const Outcome outcome =
        zero_one ? controller_.exportZeroOneData(fromQt(path), ZeroOneLayout::data_editor)
                 : controller_.exportRawData(fromQt(path));
    pushTexts();  // the 0/1 export converts the data and back
    showWritten(outcome);
    showResult(outcome);
}

void DataEditorWindow::convert(int conversion) {
    pullTexts();
    const Outcome outcome = controller_.convert(static_cast<Conversion>(conversion));
    pushTexts();
    showResult(outcome);
}

void DataEditorWindow::toggleRightWrong() {
    controller_.toggleRightWrong();
    refreshMenus();
}

void DataEditorWindow::importTestscore() {
    pullTexts();
    const Outcome outcome = controller_.importTestscoreData();
    pushTexts();
    showResult(outcome);
}

void DataEditorWindow::countLines() {
    pullTexts();
    controller_.countLinesAsExaminees();
    pushTexts();
}

void DataEditorWindow::showExampleData() {
    pullTexts();
    controller_.showExampleData();
    pushTexts();
}

void DataEditorWindow::hiddenExample() {
    if (!mayDiscardChanges()) {
        return;
    }
    const Outcome outcome = controller_.openExample("rvw");
    pushTexts();
    showResult(outcome);
    emit editModeChosen();
}

// ---------------------------------------------------------------- the editor's dialogs

// "&Generate Data": the generator fills the boxes, or leaves them when cancelled.
void DataEditorWindow::generateData() {
    if (!mayDiscardChanges()) {
        return;
    }
    generator_dialog_->run();
    pushTexts();
}

void DataEditorWindow::setTableOfSpecifications() {
    pullTexts();
    tos_dialog_->run();
}

// The table is built from the boxes; without a key or an "A" item there is
// nothing to show, and the message says so.
void DataEditorWindow::setAlternativeAnswers() {
    pullTexts();
    const Outcome prepared = controller_.prepareAltAnswers();
    pushTexts();  // an empty include or options line was filled in
    showResult(prepared);
    if (prepared.accepted()) {
        alt_dialog_->run();
    }
}

// OK puts the total points at the end of the options line, which then takes the focus.
void DataEditorWindow::changePartialCredit() {
    pullTexts();
    const std::string focus = pc_dialog_->run();
    pushTexts();
    focusControl(*this, focus);
}

}  // namespace kor::ui
