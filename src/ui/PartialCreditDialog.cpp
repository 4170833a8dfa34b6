#include "ui/PartialCreditDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/DialogParts.h"
#include "ui/ModalWindows.h"

namespace kor::ui {

namespace {

const char* const first_note =
    "These Partial Credit options have been made available only so that you might include Partial "
    "Credit and more "
    "than 1 point for Multiple Choice items as you score your exams and return the scores to "
    "students.\n"
    "\n"
    "Descriptive Statistics are provided for adjusted scores (based on PC and MC points greater "
    "than 1) - but "
    "Confidence Intervals, SEM, Reliability, and ALL item statistics are always based on ONLY the "
    "Multiple Choice "
    "items worth 1 point.\n"
    "\n"
    "NO item or test analyses are done on or using Partial Credit items or MC items with values "
    "greater than 1.";

const char* const second_note =
    "After filling in the appropriate values on the Partial Credit dialog box, you may enter "
    "partial credit points "
    "for each examinee as the last 2 columns of data (under the columns labeled PC).\n"
    "\n"
    "If you leave partial credit scores blank they are automatically set to 0 for the analysis "
    "(but not in the "
    "data).\n"
    "\n"
    "The Partial Credit points must be written as a 2-digit number -- therefore single-digit point "
    "values must be "
    "entered with a leading zero (for example, 3 points would appear as 03).\n"
    "\n"
    "You must also indicate the total value of all Partial Credit items by putting that total at "
    "the end of the "
    "OPTIONS line.\n"
    "\n"
    "The program automatically puts the number of Partial Credit points you enter above at the end "
    "of the line -- "
    "you must change this if your the total possible Partial Credit points changes.";

// A read-only note that wraps its lines.
QPlainTextEdit* noteBox(QWidget* parent, const char* name, const char* text) {
    auto* note = new QPlainTextEdit(QLatin1String(text), parent);
    note->setObjectName(QLatin1String(name));
    note->setReadOnly(true);
    note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette palette = note->palette();
    palette.setColor(QPalette::Base, read_only_colour);
    note->setPalette(palette);
    // The whole note without scrolling at the program's font.
    note->setMinimumSize(note->fontMetrics().averageCharWidth() * 64,
                         note->fontMetrics().lineSpacing() * 23);
    return note;
}

}  // namespace

PartialCreditDialog::PartialCreditDialog(AppController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TPCform"));
    setWindowTitle(QStringLiteral("Partial Credit"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* boxes = new QHBoxLayout;
    txt_pc_points_ = namedEdit(this, "txt_pc_points");
    txt_mc_points_ = namedEdit(this, "txt_mc_points");
    auto* pc_caption = new QLabel(QStringLiteral("Total Possible Partial Credit Points:"), this);
    auto* mc_caption =
        new QLabel(QStringLiteral("Number of Points for each Multiple Choice Item:"), this);
    pc_caption->setBuddy(txt_pc_points_);
    mc_caption->setBuddy(txt_mc_points_);
    for (QLineEdit* points : {txt_pc_points_, txt_mc_points_}) {
        points->setMaximumWidth(
            points->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    }
    // Each box under its caption.
    const std::pair<QLabel*, QLineEdit*> columns[] = {{pc_caption, txt_pc_points_},
                                                      {mc_caption, txt_mc_points_}};
    for (const auto& [caption, box] : columns) {
        auto* column = new QVBoxLayout;
        column->addWidget(caption);
        column->addWidget(box, 0, Qt::AlignLeft);
        boxes->addLayout(column);
        boxes->addSpacing(24);
    }
    boxes->addStretch();
    layout->addLayout(boxes);

    layout->addWidget(new QLabel(QStringLiteral("PLEASE NOTE:"), this));
    auto* notes = new QHBoxLayout;
    notes->addWidget(noteBox(this, "memo_note1", first_note));
    notes->addWidget(noteBox(this, "memo_note2", second_note));
    layout->addLayout(notes, 1);

    auto* buttons = new QHBoxLayout;
    QPushButton* defaults = namedButton(this, "btn_default_pc", QStringLiteral("Defaults"));
    QPushButton* ok_button = namedButton(this, "btn_ok_pc", QStringLiteral("OK"));
    ok_button->setDefault(true);
    QPushButton* turn_off =
        namedButton(this, "btn_turnoff", QStringLiteral("Turn Off Partial Credit"));
    QPushButton* cancel = namedButton(this, "BitBtn2", QStringLiteral("Cancel"));
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(ok_button);
    buttons->addWidget(turn_off);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(defaults, &QPushButton::clicked, this, [this] {
        controller_.partialCreditDefaults();
        pushTexts();
    });
    connect(ok_button, &QPushButton::clicked, this, &PartialCreditDialog::ok);
    connect(turn_off, &QPushButton::clicked, this, &PartialCreditDialog::turnOff);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    orderTabs(*this, {"txt_pc_points", "txt_mc_points", "btn_default_pc", "btn_ok_pc",
                      "btn_turnoff", "BitBtn2"});
}

void PartialCreditDialog::pushTexts() {
    const PartialCreditForm& form = controller_.state().pc_form;
    putTexts(*this, {{"txt_pc_points", form.txt_pc_points}, {"txt_mc_points", form.txt_mc_points}});
}

void PartialCreditDialog::pullTexts() {
    controller_.setPartialCreditTexts(fromQt(txt_pc_points_->text()),
                                      fromQt(txt_mc_points_->text()));
}

std::string PartialCreditDialog::run() {
    editor_focus_.clear();
    controller_.openPartialCredit();
    pushTexts();
    txt_pc_points_->setFocus();
    ModalWindows::exec(*this);
    return editor_focus_;
}

// Never refuses: what cannot be used is replaced, and said so.
void PartialCreditDialog::ok() {
    pullTexts();
    const Outcome outcome = controller_.partialCreditOk();
    showOutcome(*this, outcome);
    editor_focus_ = outcome.focus;
    accept();
}

void PartialCreditDialog::turnOff() {
    const Outcome outcome = controller_.turnOffPartialCredit();
    accept();
    showOutcome(*this, outcome);
}

void PartialCreditDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!sized_) {
        sized_ = true;
        fitToScreen(*this);
    }
}

}  // namespace kor::ui
