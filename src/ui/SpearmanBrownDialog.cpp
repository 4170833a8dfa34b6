#include "ui/SpearmanBrownDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "app/forms/SpearmanBrownForm.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/DialogParts.h"
#include "ui/ModalWindows.h"

namespace kor::ui {

namespace {

QLabel* boldLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLineEdit* answerBox(QWidget* parent, const char* name) {
    QLineEdit* box = namedEdit(parent, name);
    setEditable(*box, false);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    return box;
}

}  // namespace

SpearmanBrownDialog::SpearmanBrownDialog(AppController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TSpearmanForm"));
    setWindowTitle(QStringLiteral("Spearman-Brown Prophecy Formula"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSentence());
    layout->addWidget(buildFormula());
    auto* buttons = new QHBoxLayout;
    QPushButton* calc = namedButton(this, "btn_calc", QStringLiteral("Calculate"));
    calc->setDefault(true);
    QPushButton* ok_button = namedButton(this, "BitBtn1", QStringLiteral("OK"));
    buttons->addStretch();
    buttons->addWidget(calc);
    buttons->addWidget(ok_button);
    layout->addLayout(buttons);
    connect(calc, &QPushButton::clicked, this, &SpearmanBrownDialog::calculate);
    connect(ok_button, &QPushButton::clicked, this, &QDialog::accept);
    orderTabs(*this, {spearman_control::desired, "txt_moreitems", "txt_multiplier", "txt_current",
                      "txt_totalitems", "txt_rel_out", "btn_calc", "BitBtn1"});
}

// The sentence, a line of its words and answer boxes after another.
QWidget* SpearmanBrownDialog::buildSentence() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    auto words = [panel](const char* text) { return new QLabel(QLatin1String(text), panel); };

    QLineEdit* desired = namedEdit(panel, spearman_control::desired);
    desired->setMaximumWidth(desired->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                             12);
    grid->addWidget(words("To achieve a desired of reliability of .........."), 0, 0);
    grid->addWidget(desired, 0, 1);

    lbl_more_fewer_ = boldLabel(panel, QString());
    lbl_more_fewer_->setObjectName(QStringLiteral("lbl_more_fewer"));
    // Room for the longer word from the start, so the panel does not move.
    lbl_more_fewer_->setMinimumWidth(
        lbl_more_fewer_->fontMetrics().horizontalAdvance(QStringLiteral("fewer")) + 4);
    auto* more = new QHBoxLayout;
    more->addWidget(answerBox(panel, "txt_moreitems"));
    more->addWidget(lbl_more_fewer_);
    more->addStretch();
    grid->addWidget(words("you need ...................................................."), 1, 0);
    grid->addLayout(more, 1, 1);

    grid->addWidget(words("items. This is because the test must be ...."), 2, 0);
    grid->addWidget(answerBox(panel, "txt_multiplier"), 2, 1);
    grid->addWidget(words("times longer than its current ......................"), 3, 0);
    grid->addWidget(answerBox(panel, "txt_current"), 3, 1);

    auto* total = new QHBoxLayout;
    total->addWidget(words("items, for a "));
    total->addWidget(boldLabel(panel, QStringLiteral("TOTAL")));
    total->addWidget(words("of ............................"));
    total->addStretch();
    grid->addLayout(total, 4, 0);
    grid->addWidget(answerBox(panel, "txt_totalitems"), 4, 1);
    grid->addWidget(words("items of similar quality to those in the test now."), 5, 0, 1, 2);

    grid->addWidget(words("The reliability of the test analyzed was ......"), 6, 0);
    grid->addWidget(answerBox(panel, "txt_rel_out"), 6, 1);
    grid->setColumnStretch(2, 1);
    return panel;
}

// The formula as text, its fraction over a rule.
QWidget* SpearmanBrownDialog::buildFormula() {
    auto* panel = new QWidget(this);
    auto* layout = new QGridLayout(panel);
    layout->addWidget(
        new QLabel(QStringLiteral("These estimates are based on the formula:"), panel), 0, 0, 1, 3);
    layout->addWidget(
        new QLabel(QStringLiteral("Number of Items Needed = L * (# Items Currently in Test)"),
                   panel),
        1, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("where"), panel), 2, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("L = "), panel), 3, 0, 3, 1, Qt::AlignVCenter);
    layout->addWidget(new QLabel(QStringLiteral("Desired KR20 * (1 - KR20)"), panel), 3, 1,
                      Qt::AlignHCenter);
    auto* rule = new QFrame(panel);
    rule->setFrameShape(QFrame::HLine);
    layout->addWidget(rule, 4, 1);
    layout->addWidget(new QLabel(QStringLiteral("KR20 * (1 - Desired KR20)"), panel), 5, 1,
                      Qt::AlignHCenter);
    layout->setColumnStretch(2, 1);
    return panel;
}

void SpearmanBrownDialog::pushForm() {
    const SpearmanBrownForm& form = controller_.state().spearman_form;
    putTexts(*this, {{spearman_control::desired, form.txt_sbrel},
                     {"txt_moreitems", form.txt_moreitems},
                     {"txt_multiplier", form.txt_multiplier},
                     {"txt_current", form.txt_current},
                     {"txt_totalitems", form.txt_totalitems},
                     {"txt_rel_out", form.txt_rel_out}});
    // "fewer" stands out more than "more": bold and underlined.
    lbl_more_fewer_->setText(toQt(form.lbl_more_fewer));
    QFont font = lbl_more_fewer_->font();
    font.setUnderline(form.lbl_more_fewer_underlined);
    lbl_more_fewer_->setFont(font);
    lbl_more_fewer_->setVisible(form.lbl_more_fewer_visible);
}

void SpearmanBrownDialog::run() {
    controller_.openSpearmanBrown();
    pushForm();
    focusControl(*this, spearman_control::desired);
    ModalWindows::exec(*this);
}

void SpearmanBrownDialog::calculate() {
    const Outcome outcome =
        controller_.calculateSpearmanBrown(textOf(*this, spearman_control::desired));
    pushForm();
    showOutcome(*this, outcome);
    // A target that is no number is only reported: the box still takes the focus.
    focusControl(*this, outcome.focus);
}

void SpearmanBrownDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!sized_) {
        sized_ = true;
        fitToScreen(*this);
    }
}

}  // namespace kor::ui
