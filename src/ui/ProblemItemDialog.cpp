#include "ui/ProblemItemDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "ui/AppController.h"
#include "ui/Binding.h"

namespace kor::ui {

namespace {

// One row: the criterion, its caption and edit, and its two buttons.
struct CriterionRow {
    Criterion criterion;
    const char* caption;
    const char* edit;
    const char* common_button;
    const char* common_caption;
    const char* remove_button;
    const char* remove_caption;
};

constexpr CriterionRow criterion_rows[] = {
    {Criterion::p_low, "Item Difficulty (low):", problem_control::p_low, "Button2",
     "Set to Common 0.25", "Button7", "Set to Remove = 0"},
    {Criterion::p_high, "Item Difficulty (high):", problem_control::p_high, "Button3",
     "Set to Common 0.9", "Button8", "Set to Remove = 1"},
    {Criterion::disc, "Item Discrimination:", problem_control::disc, "Button4", "Set to Common 0.2",
     "Button9", "Set to Remove = -1"},
    {Criterion::pbis, "Point-Biserial:", problem_control::pbis, "Button5", "Set to Common 0.2",
     "Button10", "Set to Remove = -1"},
    {Criterion::adj_pbis, "Adjusted Point-Biserial:", problem_control::adj_pbis, "Button6",
     "Set to Common 0.2", "Button11", "Set to Remove = -1"},
};

}  // namespace

ProblemItemDialog::ProblemItemDialog(AppController& controller, QWidget* parent)
    : RepeatedDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TProbForm"));
    setWindowTitle(QStringLiteral("Set Criteria for Problem Items"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namedLabel(this, "Label1",
                                 QStringLiteral("Use this form to set the criteria that will be "
                                                "used to mark potential problem items.")));

    auto* grid = new QGridLayout;
    int row = 0;
    for (const CriterionRow& c : criterion_rows) {
        QLineEdit* edit = namedEdit(this, c.edit);
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-0.0000")) +
                              16);
        auto* caption = new QLabel(QLatin1String(c.caption), this);
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(namedButton(this, c.common_button, QLatin1String(c.common_caption)), row,
                        2);
        grid->addWidget(namedButton(this, c.remove_button, QLatin1String(c.remove_caption)), row,
                        3);
        const Criterion criterion = c.criterion;
        onButton(c.common_button, [this, criterion] { controller_.setCommonCriterion(criterion); });
        onButton(c.remove_button, [this, criterion] { controller_.setRemoveCriterion(criterion); });
        ++row;
    }
    layout->addLayout(grid);

    chk_suggest_ =
        new QCheckBox(QStringLiteral("Suggest Problem Items in Quick Item Analysis"), this);
    chk_suggest_->setObjectName(QStringLiteral("chk_suggest"));
    layout->addWidget(chk_suggest_);

    auto* buttons = new QHBoxLayout;
    QPushButton* defaults =
        namedButton(this, "Button1", QStringLiteral("Set all to Default Values"));
    QPushButton* ok_button = namedButton(this, "BitBtn1", QStringLiteral("OK"));
    ok_button->setDefault(true);
    QPushButton* cancel = namedButton(this, "BitBtn2", QStringLiteral("Cancel"));
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(ok_button);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    onButton("Button1", [this] { controller_.setDefaultCriteria(); });
    connect(ok_button, &QPushButton::clicked, this, [this] {
        pullForm();
        answerOk(controller_.problemCriteriaOk());
    });
    connect(cancel, &QPushButton::clicked, this, &ProblemItemDialog::reject);

    orderTabs(*this, {problem_control::p_low, "Button2", "Button7", problem_control::p_high,
                      "Button3", "Button8", problem_control::disc, "Button4", "Button9",
                      problem_control::pbis, "Button5", "Button10", problem_control::adj_pbis,
                      "Button6", "Button11", "chk_suggest", "Button1", "BitBtn1", "BitBtn2"});
}

template <typename Step>
void ProblemItemDialog::onButton(const char* name, Step step) {
    connect(findChild<QPushButton*>(QLatin1String(name)), &QPushButton::clicked, this,
            [this, step] {
                pullForm();
                step();
                pushForm();
            });
}

void ProblemItemDialog::pushForm() {
    const ProblemItemForm& form = controller_.state().problem_form;
    putTexts(*this, {{problem_control::p_low, form.txt_crit_plo},
                     {problem_control::p_high, form.txt_crit_phi},
                     {problem_control::disc, form.txt_crit_d},
                     {problem_control::pbis, form.txt_crit_r},
                     {problem_control::adj_pbis, form.txt_crit_a}});
    chk_suggest_->setChecked(form.chk_suggest);
}

void ProblemItemDialog::pullForm() {
    ProblemItemForm form = controller_.state().problem_form;
    form.txt_crit_plo = textOf(*this, problem_control::p_low);
    form.txt_crit_phi = textOf(*this, problem_control::p_high);
    form.txt_crit_d = textOf(*this, problem_control::disc);
    form.txt_crit_r = textOf(*this, problem_control::pbis);
    form.txt_crit_a = textOf(*this, problem_control::adj_pbis);
    form.chk_suggest = chk_suggest_->isChecked();
    controller_.setProblemForm(form);
}

void ProblemItemDialog::run() {
    controller_.openProblemDialog();
    pushForm();
    showUntilAccepted();
}

}  // namespace kor::ui
