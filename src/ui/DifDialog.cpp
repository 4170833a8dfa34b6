#include "ui/DifDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ProgramState.h"
#include "core/data/LabelColumns.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/DialogParts.h"
#include "ui/ModalWindows.h"

namespace kor::ui {

namespace {

QComboBox* groupBox(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMinimumContentsLength(8);
    return box;
}

}  // namespace

DifDialog::DifDialog(AppController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TDifForm"));
    setWindowTitle(QStringLiteral("Differential Item Functioning"));
    auto* layout = new QVBoxLayout(this);
    QLabel* intro = namedLabel(
        this, "lbl_dif",
        QStringLiteral("The examinees of the reference and the focal group are compared item by "
                       "item at equal total scores (Mantel-Haenszel)."));
    intro->setWordWrap(true);
    // Two lines rather than a narrow column of them.
    intro->setMinimumWidth(intro->fontMetrics().horizontalAdvance(
        QStringLiteral("The examinees of the reference and the focal group are compared item")));
    layout->addWidget(intro);

    auto* choices = new QFormLayout;
    auto* label_row = new QHBoxLayout;
    txt_group_label_ = namedEdit(this, "txt_group_label");
    txt_group_label_->setPlaceholderText(QStringLiteral("1 or 21-22"));
    txt_group_label_->setMaximumWidth(
        txt_group_label_->fontMetrics().horizontalAdvance(QStringLiteral("1 or 21-22")) + 24);
    QPushButton* find = namedButton(this, "btn_find_groups", QStringLiteral("&Find Groups"));
    label_row->addWidget(txt_group_label_);
    label_row->addWidget(find);
    label_row->addStretch();
    // A row of a layout gets no buddy of its own: the caption names the box.
    QLabel* label_caption =
        namedLabel(this, "lbl_group_label", QStringLiteral("Group &label columns:"));
    label_caption->setBuddy(txt_group_label_);
    choices->addRow(label_caption, label_row);
    cmb_reference_ = groupBox(this, "cmb_reference");
    cmb_focal_ = groupBox(this, "cmb_focal");
    choices->addRow(QStringLiteral("&Reference group:"), cmb_reference_);
    choices->addRow(QStringLiteral("F&ocal group:"), cmb_focal_);
    layout->addLayout(choices);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok_button = namedButton(this, "btn_ok", QStringLiteral("OK"));
    ok_button->setDefault(true);
    QPushButton* cancel = namedButton(this, "btn_cancel", QStringLiteral("Cancel"));
    buttons->addStretch();
    buttons->addWidget(ok_button);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(find, &QPushButton::clicked, this, &DifDialog::findGroups);
    connect(ok_button, &QPushButton::clicked, this, &DifDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    orderTabs(*this, {"txt_group_label", "btn_find_groups", "cmb_reference", "cmb_focal", "btn_ok",
                      "btn_cancel"});

    const TTestData& loaded = controller_.state().data;
    if (loaded.group_label) {
        txt_group_label_->setText(toQt(label_columns_text(*loaded.group_label)));
    }
    showGroups();
    if (loaded.dif_groups) {
        selectName(*cmb_reference_, loaded.dif_groups->reference, cmb_reference_->currentIndex());
        selectName(*cmb_focal_, loaded.dif_groups->focal, cmb_focal_->currentIndex());
    }
    // Without a group label the columns come first; with one, the groups.
    if (loaded.group_label) {
        cmb_reference_->setFocus();
    } else {
        txt_group_label_->setFocus();
    }
    fitToScreen(*this);
}

// The columns typed become the data set's group label; a refusal keeps the
// groups listed before.
void DifDialog::findGroups() {
    const Outcome outcome = controller_.setGroupLabel(fromQt(txt_group_label_->text().trimmed()));
    showOutcome(*this, outcome);
    if (outcome.refused) {
        txt_group_label_->setFocus();
        txt_group_label_->selectAll();
        return;
    }
    txt_group_label_->setModified(false);
    showGroups();
    cmb_reference_->setFocus();
}

// The groups the labels name in both boxes, each box keeping its choice
// when the group is still there; else the first two groups.
void DifDialog::showGroups() {
    const std::string reference = fromQt(cmb_reference_->currentText());
    const std::string focal = fromQt(cmb_focal_->currentText());
    QStringList names;
    for (const std::string& name : controller_.application().group_names()) {
        names.append(toQt(name));
    }
    for (QComboBox* box : {cmb_reference_, cmb_focal_}) {
        box->clear();
        box->addItems(names);
        box->setEnabled(!names.isEmpty());
    }
    selectName(*cmb_reference_, reference, 0);
    selectName(*cmb_focal_, focal, names.size() > 1 ? 1 : 0);
}

void DifDialog::selectName(QComboBox& box, const std::string& name, int fallback) {
    const int found = name.empty() ? -1 : box.findText(toQt(name));
    box.setCurrentIndex(found >= 0 ? found : std::min(fallback, box.count() - 1));
}

// Columns typed but not yet looked up are looked up first, and the dialog
// stays for the groups to be chosen from what they name.
void DifDialog::ok() {
    if (txt_group_label_->isModified()) {
        findGroups();
        return;
    }
    const Outcome outcome = controller_.setDifGroups(fromQt(cmb_reference_->currentText()),
                                                     fromQt(cmb_focal_->currentText()));
    showOutcome(*this, outcome);
    if (outcome.refused) {
        return;
    }
    accept();
}

bool DifDialog::choose(AppController& controller, QWidget* parent) {
    DifDialog dialog(controller, parent);
    return ModalWindows::exec(dialog) == QDialog::Accepted;
}

}  // namespace kor::ui
