#include "ui/DataEditorWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ProgramState.h"
#include "app/forms/EditorModel.h"
#include "ui/AltAnswersDialog.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/BusyCursor.h"
#include "ui/DialogParts.h"
#include "ui/GeneratorDialog.h"
#include "ui/ImportChooserWindow.h"
#include "ui/InfoWindows.h"
#include "ui/MessageBoxes.h"
#include "ui/PartialCreditDialog.h"
#include "ui/ReportView.h"
#include "ui/TableOfSpecsDialog.h"

namespace kor::ui {

namespace {

namespace control = editor_control;

// A caption with its box as buddy: the mnemonic moves there and a screen
// reader names the box by the caption.
QLabel* captionFor(QWidget* box, const QString& caption, const char* name) {
    auto* label = new QLabel(caption, box->parentWidget());
    label->setObjectName(QLatin1String(name));
    label->setBuddy(box);
    return label;
}

QLabel* note(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    return label;
}

}  // namespace

DataEditorWindow::DataEditorWindow(AppController& controller, TextInsertHelpWindow& text_help,
                                   QWidget* parent)
    : QDialog(parent), controller_(controller), text_help_(text_help) {
    setObjectName(QStringLiteral("TEditForm"));
    setWindowTitle(QStringLiteral("Data Editor"));
    setModal(true);
    import_chooser_ = new ImportChooserWindow(this);
    code_help_ = std::make_unique<CodeHelpWindow>(nullptr);
    alt_dialog_ = std::make_unique<AltAnswersDialog>(controller_, nullptr);
    pc_dialog_ = std::make_unique<PartialCreditDialog>(controller_, nullptr);
    tos_dialog_ = std::make_unique<TableOfSpecsDialog>(controller_, nullptr);
    generator_dialog_ = std::make_unique<GeneratorDialog>(controller_, nullptr);
    buildBoxes();
    connectTypingChecks();
    pushTexts();
    resizeWithinScreen(*this, {1040, 680});
}

DataEditorWindow::~DataEditorWindow() = default;

// ---------------------------------------------------------------- the boxes

QLineEdit* DataEditorWindow::addEdit(const char* name, bool fixed_pitch) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    if (fixed_pitch) {
        edit->setFont(reportFont());
    }
    return edit;
}

QLabel* DataEditorWindow::addRuler(const char* name) {
    auto* ruler = new QLabel(this);
    ruler->setObjectName(QLatin1String(name));
    ruler->setFont(reportFont());
    ruler->setTextFormat(Qt::PlainText);
    ruler->setAccessibleName(QStringLiteral("Column ruler"));
    return ruler;
}

// The boxes and their rulers top to bottom, as the window shows them. Each
// part creates its boxes in reading order, which is also the order of the
// Tab key, so the parts run in the order they are shown.
void DataEditorWindow::buildBoxes() {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    layout->setMenuBar(bar);
    buildHeading(*layout);
    buildCounts(*layout);
    buildKeyColumns(*layout);
    buildDataColumn(*layout);
    layout->addWidget(buildButtons());
    // Where each save says what it wrote: the main window's status bar is
    // behind this window.
    status_bar_ = new QStatusBar(this);
    status_bar_->setObjectName(QStringLiteral("editor_status_bar"));
    status_bar_->setSizeGripEnabled(false);
    layout->addWidget(status_bar_);
    buildMenus(*bar);
    alignRulers();
}

void DataEditorWindow::buildHeading(QVBoxLayout& layout) {
    auto* heading = new QGridLayout;
    txt_title_ = addEdit(control::title, false);
    txt_comments_ = addEdit("txt_comments", false);
    heading->addWidget(captionFor(txt_title_, QStringLiteral("&Title:"), "lbl_title"), 0, 0);
    heading->addWidget(txt_title_, 0, 1);
    heading->addWidget(note(this, QStringLiteral("(70 character maximum)")), 0, 2);
    heading->addWidget(captionFor(txt_comments_, QStringLiteral("Co&mments:"), "lbl_comments"), 1,
                       0);
    heading->addWidget(txt_comments_, 1, 1);
    heading->addWidget(note(this, QStringLiteral("(70 character maximum)")), 1, 2);
    layout.addLayout(heading);
}

void DataEditorWindow::buildCounts(QVBoxLayout& layout) {
    auto* counts = new QHBoxLayout;
    txt_cases_ = addEdit(control::cases, false);
    txt_items_ = addEdit(control::items, false);
    txt_label_length_ = addEdit(control::label_length, false);
    txt_missing_data_ = addEdit("txt_missing_data", false);
    for (QLineEdit* count : {txt_cases_, txt_items_, txt_label_length_, txt_missing_data_}) {
        count->setMaximumWidth(70);
    }
    txt_missing_data_->setReadOnly(true);
    txt_missing_data_->setMaxLength(1);
    counts->addWidget(captionFor(txt_cases_, QStringLiteral("# &Students:"), "lbl_cases"));
    counts->addWidget(txt_cases_);
    counts->addSpacing(16);
    counts->addWidget(captionFor(txt_items_, QStringLiteral("# Test It&ems:"), "lbl_items"));
    counts->addWidget(txt_items_);
    counts->addSpacing(16);
    counts->addWidget(captionFor(txt_label_length_,
                                 QStringLiteral("&Length of Examinee Names/IDs (# characters):"),
                                 "lbl_label_length"));
    counts->addWidget(txt_label_length_);
    QLabel* missing =
        captionFor(txt_missing_data_, QStringLiteral("Missing data symbol:"), "lbl_missing_data");
    counts->addWidget(missing);
    counts->addWidget(txt_missing_data_);
    missing->hide();
    txt_missing_data_->hide();
    counts->addStretch();
    layout.addLayout(counts);
}

// The key, options and include boxes line up with their rulers in one column.
void DataEditorWindow::buildKeyColumns(QVBoxLayout& layout) {
    auto* columns = new QGridLayout;
    columns->setVerticalSpacing(0);
    lbl_key_scale1_ = addRuler("lbl_key_scale1");
    lbl_key_scale2_ = addRuler("lbl_key_scale2");
    txt_answer_key_ = addEdit(control::answer_key, true);
    txt_options_ = addEdit(control::options, true);
    lbl_key_scale3_ = addRuler("lbl_key_scale3");
    lbl_key_scale4_ = addRuler("lbl_key_scale4");
    txt_include_ = addEdit(control::include, true);
    columns->addWidget(lbl_key_scale1_, 0, 1);
    columns->addWidget(lbl_key_scale2_, 1, 1);
    columns->addWidget(captionFor(txt_answer_key_, QStringLiteral("&Key:"), "lbl_key"), 2, 0);
    columns->addWidget(txt_answer_key_, 2, 1);
    columns->addWidget(captionFor(txt_options_, QStringLiteral("O&ptions:"), "lbl_options"), 3, 0);
    columns->addWidget(txt_options_, 3, 1);
    columns->addWidget(lbl_key_scale3_, 4, 1);
    columns->addWidget(lbl_key_scale4_, 5, 1);
    columns->addWidget(captionFor(txt_include_, QStringLiteral("&Include:"), "lbl_include"), 6, 0);
    columns->addWidget(txt_include_, 6, 1);
    columns->setColumnStretch(1, 1);
    layout.addLayout(columns);
}

void DataEditorWindow::buildDataColumn(QVBoxLayout& layout) {
    auto* hint = new QLabel(QString::fromLatin1(data_window_hint), this);
    hint->setObjectName(QStringLiteral("lbl_hint"));
    hint->setTextFormat(Qt::PlainText);
    layout.addSpacing(6);
    layout.addWidget(hint);

    memo_data_ = new QPlainTextEdit(this);
    memo_data_->setObjectName(QLatin1String(control::data));
    memo_data_->setFont(reportFont());
    memo_data_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_data_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_data_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_data_->setTabChangesFocus(true);
    lbl_scale1_ = addRuler("lbl_scale1");
    lbl_scale2_ = addRuler("lbl_scale2");
    auto* data_column = new QGridLayout;
    data_column->setVerticalSpacing(0);
    data_column->addWidget(lbl_scale1_, 0, 1);
    data_column->addWidget(lbl_scale2_, 1, 1);
    data_column->addWidget(captionFor(memo_data_, QStringLiteral("D&ATA:"), "lbl_data"), 2, 0,
                           Qt::AlignTop);
    data_column->addWidget(memo_data_, 2, 1);
    data_column->setColumnStretch(1, 1);
    layout.addLayout(data_column, 1);
}

void DataEditorWindow::showWritten(const Outcome& outcome) {
    const QString text = writtenText(outcome.written);
    if (!text.isEmpty()) {
        status_bar_->showMessage(text);
        emit wroteFiles(text);
    }
}

bool DataEditorWindow::mayDiscardChanges() {
    pullTexts();
    return !controller_.hasUnsavedChanges() || askToDiscardChanges(this);
}

QWidget* DataEditorWindow::buildButtons() {
    auto* row = new QWidget(this);
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto add = [&](const char* name, const QString& caption, void (DataEditorWindow::*clicked)()) {
        auto* button = new QPushButton(caption, row);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, clicked);
        buttons->addWidget(button);
        return button;
    };
    add("Cancel", QStringLiteral("Cancel"), &DataEditorWindow::cancel);
    add("btn_save_map", QStringLiteral("Save File"), &DataEditorWindow::saveKorFile);
    buttons->addStretch();
    add("BitBtn1", QStringLiteral("OK"), &DataEditorWindow::closeOk);
    add("btn_done", QStringLiteral("Close && Analyze"), &DataEditorWindow::closeAndAnalyze);
    return row;
}

// The rulers start where the text of the box under them starts.
void DataEditorWindow::alignRulers() {
    const int edit_offset =
        style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, txt_answer_key_) + 2;
    for (QLabel* ruler : {lbl_key_scale1_, lbl_key_scale2_, lbl_key_scale3_, lbl_key_scale4_}) {
        ruler->setIndent(edit_offset);
    }
    const int memo_offset =
        memo_data_->frameWidth() + static_cast<int>(memo_data_->document()->documentMargin());
    for (QLabel* ruler : {lbl_scale1_, lbl_scale2_}) {
        ruler->setIndent(memo_offset);
    }
}

// ---------------------------------------------------------------- typing

void DataEditorWindow::connectTypingChecks() {
    connect(txt_items_, &QLineEdit::textEdited, this, [this] {
        pullTexts();
        showResult(controller_.itemsChanged());
    });
    connect(txt_label_length_, &QLineEdit::textEdited, this, [this] {
        pullTexts();
        showResult(controller_.labelLengthChanged());
    });
    connect(txt_include_, &QLineEdit::textEdited, this, [this] { controller_.includeChanged(); });
    connect(memo_data_, &QPlainTextEdit::textChanged, this, [this] { memo_edited_ = true; });
}

namespace {

// The single-line boxes of the editor and the editor text each shows.
struct EditBox {
    const char* control;
    std::string EditorTexts::*text;
};
constexpr EditBox edit_boxes[] = {
    {control::title, &EditorTexts::title},
    {"txt_comments", &EditorTexts::comments},
    {control::cases, &EditorTexts::cases},
    {control::items, &EditorTexts::items},
    {control::label_length, &EditorTexts::label_length},
    {"txt_missing_data", &EditorTexts::missing_data},
    {control::answer_key, &EditorTexts::answer_key},
    {control::options, &EditorTexts::options},
    {control::include, &EditorTexts::include},
};

}  // namespace

void DataEditorWindow::pullTexts() {
    EditorTexts texts = controller_.state().editor;
    for (const EditBox& box : edit_boxes) {
        texts.*box.text = textOf(*this, box.control);
    }
    // The data window is read back only when it was typed into: it may hold
    // thousands of lines.
    if (memo_edited_) {
        texts.data_lines = splitLines(memo_data_->toPlainText());
        memo_edited_ = false;
    }
    controller_.setEditorTexts(texts);
}

void DataEditorWindow::pushTexts() {
    const EditorTexts& texts = controller_.state().editor;
    // A command that changed a count is checked as typing it would be.
    const bool counts_changed = textOf(*this, control::items) != texts.items ||
                                textOf(*this, control::label_length) != texts.label_length;
    std::vector<BoundText> shown;
    for (const EditBox& box : edit_boxes) {
        shown.push_back({box.control, texts.*box.text});
    }
    putTexts(*this, shown);
    const QString lines = joinLines(texts.data_lines);
    if (memo_data_->toPlainText() != lines) {
        memo_data_->blockSignals(true);
        memo_data_->setPlainText(lines);
        memo_data_->blockSignals(false);
    }
    memo_edited_ = false;
    if (counts_changed) {
        showResult(controller_.countsFilled());
    }
    showRulers();
    refreshMenus();
}

void DataEditorWindow::showRulers() {
    const EditorForm& form = controller_.state().editor_form;
    lbl_key_scale1_->setText(toQt(form.lbl_key_scale1));
    lbl_key_scale2_->setText(toQt(form.lbl_key_scale2));
    lbl_key_scale3_->setText(toQt(form.lbl_key_scale1));
    lbl_key_scale4_->setText(toQt(form.lbl_key_scale2));
    lbl_scale1_->setText(toQt(form.lbl_scale1));
    lbl_scale2_->setText(toQt(form.lbl_scale2));
}

// Messages of a typing check or a command, the focus on the box it names,
// and the rulers and menus as the command left them.
void DataEditorWindow::showResult(const Outcome& outcome) {
    showOutcome(*this, outcome);
    showRulers();
    refreshMenus();
}

// ---------------------------------------------------------------- opening

void DataEditorWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || showing_) {
        return;
    }
    showing_ = true;
    startup();
}

void DataEditorWindow::startup() {
    const EditorStartAction action = controller_.editorStartup();
    pushTexts();
    if (!focus_on_show_.empty()) {
        focusControl(*this, focus_on_show_);
        focus_on_show_.clear();
        if (key_column_on_show_) {
            // Once the window is active: the focus arriving would clear it.
            const int column = *key_column_on_show_;
            key_column_on_show_.reset();
            QTimer::singleShot(0, this,
                               [this, column] { txt_answer_key_->setSelection(column, 1); });
        }
    } else {
        txt_title_->setFocus();
    }
    if (!open_path_on_startup_.isEmpty()) {
        const QString path = open_path_on_startup_;
        open_path_on_startup_.clear();
        QTimer::singleShot(0, this, [this, path] { openKorPath(path, InputLayout::version6); });
        return;
    }
    if (open_on_startup_) {
        // The old-file chooser asked for a reader while the editor was closed.
        const InputLayout layout = *open_on_startup_;
        open_on_startup_.reset();
        QTimer::singleShot(0, this, [this, layout] { openKorFile(layout); });
        return;
    }
    if (action != EditorStartAction::nothing) {
        // The file dialog or generator opens over the editor once it is shown.
        QTimer::singleShot(0, this, [this, action] { runStartAction(static_cast<int>(action)); });
    }
}

void DataEditorWindow::runStartAction(int action) {
    switch (static_cast<EditorStartAction>(action)) {
        case EditorStartAction::open_file:
            openKorFile(InputLayout::version6);
            break;
        case EditorStartAction::insert_data_and_key:
            insertText(true);
            break;
        case EditorStartAction::generate:
            generateData();
            break;
        case EditorStartAction::nothing:
            break;
    }
}

// ---------------------------------------------------------------- leaving

void DataEditorWindow::leave(EditorExit how) {
    EditorCloseResult result;
    {
        const BusyCursor busy;  // a large data set takes a moment to load
        pullTexts();
        result = controller_.closeEditor(how);
        pushTexts();  // the loader may have filled the include and options lines
    }
    showing_ = false;
    if (result.show_editor_again) {
        showOutcome(*this, result.outcome);
        // The main window shows the editor again at once, with the focus in
        // the box the refusal named.
        focus_on_show_ = result.outcome.focus;
        QDialog::reject();
        return;
    }
    showOutcome(*this, withoutKeyWarnings(result));
    if (!result.key_warnings.empty() && !analyseDespite(result.key_warnings)) {
        // Back to the key, on the column of the first item warned about.
        controller_.returnToEditor();
        focus_on_show_ = control::answer_key;
        key_column_on_show_ = result.key_warnings.front().item - 1;
        QDialog::reject();
        return;
    }
    emit dataAccepted(result);
    accept();
}

// The load's messages but its key warnings, which are asked about instead.
Outcome DataEditorWindow::withoutKeyWarnings(const EditorCloseResult& result) {
    Outcome shown = result.outcome;
    std::erase_if(shown.messages, [&](const std::string& message) {
        return std::any_of(result.key_warnings.begin(), result.key_warnings.end(),
                           [&](const KeyWarning& warning) { return warning.message == message; });
    });
    return shown;
}

// A key character that cannot mean what was typed is a question, not a note:
// going on scores the item as the warning says.
bool DataEditorWindow::analyseDespite(const std::vector<KeyWarning>& warnings) {
    QStringList texts;
    for (const KeyWarning& warning : warnings) {
        texts.append(toQt(warning.message));
    }
    const QString question =
        texts.join(QStringLiteral("\n\n")) + QStringLiteral("\n\nAnalyze anyway?");
    return MessageBoxes::ask(this, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void DataEditorWindow::closeAndAnalyze() {
    leave(EditorExit::close_and_analyze);
}

void DataEditorWindow::closeOk() {
    leave(EditorExit::ok);
}

void DataEditorWindow::cancel() {
    pullTexts();
    controller_.cancelEditor();
    showing_ = false;
    emit cancelled();
    QDialog::reject();
}

void DataEditorWindow::closeOnly() {
    pullTexts();
    controller_.closeEditorWithoutLoading();
    showing_ = false;
    QDialog::reject();
}

// Escape and the window's close box leave as "&Close (Cancel)" does, keeping what was typed.
void DataEditorWindow::reject() {
    closeOnly();
}

}  // namespace kor::ui
