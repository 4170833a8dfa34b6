#include "ui/InfoWindows.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/forms/EditorModel.h"
#include "ui/Binding.h"
#include "ui/DialogParts.h"
#include "ui/HelpTexts.h"
#include "ui/ReportView.h"

namespace kor::ui {

namespace {

// A "&Close" button at the bottom right of `layout` that closes `window`.
void addCloseButton(QDialog& window, QVBoxLayout& layout, const char* name = "btn_close") {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* close_button = new QPushButton(QStringLiteral("&Close"), &window);
    close_button->setObjectName(QLatin1String(name));
    close_button->setDefault(true);
    QObject::connect(close_button, &QPushButton::clicked, &window, &QDialog::accept);
    row->addWidget(close_button);
    layout.addLayout(row);
}

QString asText(const std::vector<std::string>& lines) {
    return joinLines(lines);
}

QGroupBox* codePanel(QWidget* parent, const QString& caption, const char* name,
                     const std::vector<std::string>& lines) {
    auto* panel = new QGroupBox(caption, parent);
    panel->setObjectName(QLatin1String(name));
    auto* text = new QLabel(asText(lines), panel);
    text->setObjectName(QLatin1String(name) + QStringLiteral("_text"));
    text->setFont(reportFont());
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(text);
    layout->addStretch();
    return panel;
}

}  // namespace

CodeHelpWindow::CodeHelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TCodeForm"));
    setWindowTitle(QStringLiteral("Help for Data, Answer Key, and Include Codes"));
    auto* layout = new QVBoxLayout(this);
    auto* panels = new QHBoxLayout;
    panels->addWidget(
        codePanel(this, QStringLiteral("DATA and Answer KEY codes"), "Panel1", data_code_help()));
    panels->addWidget(
        codePanel(this, QStringLiteral("INCLUDE Item codes"), "Panel2", include_code_help()));
    layout->addLayout(panels);
    addCloseButton(*this, *layout);
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("About KOR"));
    auto* layout = new QVBoxLayout(this);
    title_panel_ = new QLabel(this);
    title_panel_->setObjectName(QStringLiteral("Panel1"));
    title_panel_->setFrameShape(QFrame::Panel);
    title_panel_->setFrameShadow(QFrame::Sunken);
    title_panel_->setAlignment(Qt::AlignCenter);
    title_panel_->setMargin(8);
    QFont bold = title_panel_->font();
    bold.setBold(true);
    title_panel_->setFont(bold);
    layout->addWidget(title_panel_);
    auto* notes = new QLabel(help::aboutLines().join(QLatin1Char('\n')), this);
    notes->setObjectName(QStringLiteral("lbl_about"));
    notes->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(notes);
    addCloseButton(*this, *layout);
}

void AboutWindow::setTitlePanel(const QString& caption) {
    title_panel_->setText(caption);
}

AcknowledgmentsWindow::AcknowledgmentsWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAckForm"));
    setWindowTitle(QStringLiteral("Acknowledgments"));
    auto* layout = new QVBoxLayout(this);
    auto* paragraph = new QLabel(help::acknowledgmentsParagraph(), this);
    paragraph->setObjectName(QStringLiteral("lbl_thanks"));
    paragraph->setWordWrap(true);
    layout->addWidget(paragraph);
    auto* names = new QLabel(
        QStringLiteral("    ") + help::acknowledgmentsList().join(QStringLiteral("\n    ")), this);
    names->setObjectName(QStringLiteral("lbl_thanked"));
    layout->addWidget(names);
    addCloseButton(*this, *layout);
    resize(520, sizeHint().height());
}

UserAgreementWindow::UserAgreementWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TUserForm"));
    setWindowTitle(QStringLiteral("User Agreement"));
    auto* layout = new QVBoxLayout(this);
    auto* terms = new QPlainTextEdit(help::userAgreement().join(QLatin1Char('\n')), this);
    terms->setObjectName(QStringLiteral("Memo1"));
    terms->setReadOnly(true);
    terms->setLineWrapMode(QPlainTextEdit::NoWrap);
    terms->setFont(reportFont());
    layout->addWidget(terms);
    addCloseButton(*this, *layout);
    resizeWithinScreen(*this, {760, 400});
}

}  // namespace kor::ui
