#include "ui/GroupDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "app/forms/GroupForm.h"
#include "ui/AppController.h"
#include "ui/Binding.h"

namespace kor::ui {

GroupDialog::GroupDialog(AppController& controller, QWidget* parent)
    : RepeatedDialog(parent), controller_(controller) {
    setObjectName(QStringLiteral("TDiscForm"));
    setWindowTitle(QStringLiteral("Disrimination Percentages"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namedLabel(
        this, "Label1",
        QStringLiteral("What Percentage Should be used to Create the Top and Bottom Groups?")));

    auto* boxes = new QGridLayout;
    txt_disc_top_ = namedEdit(this, group_control::top);
    txt_disc_bottom_ = namedEdit(this, group_control::bottom);
    const std::pair<const char*, const char*> captions[] = {{"Label2", "Top:"},
                                                            {"Label3", "Bottom:"}};
    QLineEdit* edits[] = {txt_disc_top_, txt_disc_bottom_};
    for (int row = 0; row < 2; ++row) {
        QLabel* caption =
            namedLabel(this, captions[row].first, QLatin1String(captions[row].second));
        caption->setBuddy(edits[row]);
        edits[row]->setMaximumWidth(
            edits[row]->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        boxes->addWidget(caption, row, 0);
        boxes->addWidget(edits[row], row, 1);
        boxes->addWidget(new QLabel(QStringLiteral("%"), this), row, 2);
    }
    boxes->setColumnStretch(3, 1);
    layout->addLayout(boxes);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok_button = namedButton(this, "BitBtn1", QStringLiteral("OK"));
    ok_button->setDefault(true);
    QPushButton* cancel = namedButton(this, "BitBtn2", QStringLiteral("Cancel"));
    QPushButton* defaults = namedButton(this, "Button1", QStringLiteral("Defaults"));
    buttons->addWidget(ok_button);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(defaults);
    layout->addLayout(buttons);
    connect(ok_button, &QPushButton::clicked, this, &GroupDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &GroupDialog::reject);
    connect(defaults, &QPushButton::clicked, this, [this] {
        controller_.groupDefaults();
        pushTexts();
    });
    orderTabs(*this, {group_control::top, group_control::bottom, "BitBtn1", "BitBtn2", "Button1"});
}

void GroupDialog::pushTexts() {
    const AnalysisSettings& settings = controller_.state().settings;
    putTexts(*this, {{group_control::top, settings.upper_group_percent_text},
                     {group_control::bottom, settings.lower_group_percent_text}});
}

void GroupDialog::pullTexts() {
    controller_.setGroupTexts(fromQt(txt_disc_top_->text()), fromQt(txt_disc_bottom_->text()));
}

void GroupDialog::run() {
    pushTexts();
    txt_disc_top_->setFocus();
    showUntilAccepted();
}

// The texts become the setting; a refused pair comes back in the boxes.
void GroupDialog::ok() {
    pullTexts();
    answerOk(controller_.groupOk());
}

}  // namespace kor::ui
