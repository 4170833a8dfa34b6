#include "ui/TextInsertHelpWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/data/TextImport.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/DialogParts.h"
#include "ui/FileDialogs.h"
#include "ui/ReportPrinting.h"
#include "ui/ReportView.h"

namespace kor::ui {

namespace {

QPlainTextEdit* readOnlyBox(QWidget* parent, const char* name, const QString& text,
                            bool fixed_pitch) {
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    if (fixed_pitch) {
        box->setFont(reportFont());
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    return box;
}

QString joined(const std::vector<std::string>& lines) {
    return joinLines(lines);
}

}  // namespace

TextInsertHelpWindow::TextInsertHelpWindow(AppController& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    const SpssHelpTexts& texts = spss_help_texts();
    setObjectName(QStringLiteral("TSPSSform"));
    setWindowTitle(toQt(texts.caption));
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* rules = readOnlyBox(this, "Memo1", joined(texts.rules), false);
    layout->addWidget(rules, 3);
    auto* intro = new QLabel(toQt(texts.sample_intro), this);
    intro->setObjectName(QStringLiteral("Label1"));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(readOnlyBox(this, "Memo2", joined(texts.sample_lines), true), 3);
    auto* heading = new QLabel(toQt(texts.syntax_heading), this);
    heading->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(heading);
    syntax_ = readOnlyBox(this, "Memo3", joined(texts.syntax_lines), true);
    layout->addWidget(syntax_, 4);

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(toQt(texts.print_button), this);
    print->setObjectName(QStringLiteral("btn_print"));
    connect(print, &QPushButton::clicked, this, [this] {
        printReport(this, syntax_->toPlainText().split(QLatin1Char('\n')),
                    PrintJob{QStringLiteral("SPSS Syntax"), {}, {}, {}}, syntax_->font(), true);
    });
    auto* save = new QPushButton(toQt(texts.save_button), this);
    save->setObjectName(QStringLiteral("btn_save"));
    connect(save, &QPushButton::clicked, this, &TextInsertHelpWindow::saveSyntax);
    auto* close_button = new QPushButton(QStringLiteral("&Close"), this);
    close_button->setObjectName(QStringLiteral("btn_close"));
    connect(close_button, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close_button);
    layout->addLayout(buttons);
    resizeWithinScreen(*this, {640, 660});
}

void TextInsertHelpWindow::showFromStart() {
    syntax_->moveCursor(QTextCursor::Start);
    syntax_->ensureCursorVisible();
    show();
    raise();
    activateWindow();
}

void TextInsertHelpWindow::saveSyntax() {
    const QString path =
        FileDialogs::saveFile(this, {QString::fromLatin1(spss_syntax_filter), QStringLiteral("sps"),
                                     QString::fromLatin1(spss_syntax_file_name)});
    if (path.isEmpty()) {
        return;
    }
    showOutcome(*this, controller_.saveSpssSyntax(fromQt(path)));
}

}  // namespace kor::ui
