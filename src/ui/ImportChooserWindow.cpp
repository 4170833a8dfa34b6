#include "ui/ImportChooserWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kor::ui {

namespace {

const char* radioName(ImportChoice choice) {
    switch (choice) {
        case ImportChoice::version3:
            return "rdo_v3";
        case ImportChoice::version4:
            return "rdo_v4";
        case ImportChoice::version5:
            return "rdo_v5";
        case ImportChoice::version6:
            return "rdo_v6";
        case ImportChoice::version7:
            return "rdo_v7";
        case ImportChoice::version8:
            return "rdo_v8";
    }
    return "";
}

}  // namespace

ImportChooserWindow::ImportChooserWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TImportForm"));
    setWindowTitle(QString::fromLatin1(import_form_caption));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(QString::fromLatin1(import_form_question), this);
    question->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(question);
    const ImportForm start;
    for (const ImportChoiceButton& button : import_choice_buttons()) {
        auto* radio = new QRadioButton(QString::fromLatin1(button.caption), this);
        radio->setObjectName(QLatin1String(radioName(button.choice)));
        radio->setVisible(button.visible);
        radio->setChecked(button.choice == start.selected);
        layout->addWidget(radio);
        choices_[button.choice] = radio;
    }
    auto* buttons = new QHBoxLayout;
    auto* close_button = new QPushButton(QStringLiteral("Close"), this);
    close_button->setObjectName(QStringLiteral("btn_close"));
    connect(close_button, &QPushButton::clicked, this, &QDialog::close);
    auto* ok_button = new QPushButton(QStringLiteral("OK"), this);
    ok_button->setObjectName(QStringLiteral("btn_ok"));
    ok_button->setDefault(true);
    connect(ok_button, &QPushButton::clicked, this, &ImportChooserWindow::ok);
    buttons->addStretch();
    buttons->addWidget(close_button);
    buttons->addWidget(ok_button);
    layout->addLayout(buttons);
}

void ImportChooserWindow::ok() {
    ImportForm form;
    for (const auto& [choice, radio] : choices_) {
        if (radio->isChecked()) {
            form.selected = choice;
        }
    }
    close();
    if (const auto layout = import_form_ok(form)) {
        emit layoutChosen(*layout);
    }
}

}  // namespace kor::ui
