#pragma once
// A main window over a fresh program state, with every seam recording, and
// the steps a person takes in the data editor.

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "UiTestSupport.h"
#include "ui/AppController.h"
#include "ui/Binding.h"
#include "ui/DataEditorWindow.h"
#include "ui/MainWindow.h"

namespace kor::ui::testing {

struct UiSession {
    Recording recording;
    AppController controller;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(controller);

    MainWindow& main() { return *window; }
    DataEditorWindow& editor() { return window->editor(); }

    // Shows the main window and waits until it is the active window, so
    // that shortcut keys reach it.
    bool activate() {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    template <typename T>
    T* find(const char* name) const {
        return child<T>(*window, name);
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QAction* command(const char* name) const { return action(*window, name); }
};

// The next showing of the editor presses one of its buttons.
inline void pressInEditor(const char* button_name) {
    ModalWindows::setNextAction(
        [button_name](QDialog& editor) { child<QPushButton>(editor, button_name)->click(); });
}

// The data lines of a set of `examinees` examinees and 5 items with
// 5-character labels.
inline QString smallSetLines(int examinees) {
    QStringList lines;
    for (int i = 1; i <= examinees; ++i) {
        QString line = QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0'));
        for (int j = 0; j < 5; ++j) {
            line += QChar(u'1' + (i * (j + 1) + j) % 5);
        }
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

// Types the counts, key and options into the editor and pastes the data lines.
inline void typeSmallSet(QDialog& editor, int examinees,
                         const QString& key = QStringLiteral("12345")) {
    auto type = [&](const char* name, const QString& text) {
        auto* box = child<QLineEdit>(editor, name);
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    type("txt_title", QStringLiteral("Small set"));
    type("txt_cases", QString::number(examinees));
    type("txt_items", QStringLiteral("5"));
    type("txt_label_length", QStringLiteral("5"));
    type("txt_answer_key", key);
    type("txt_options", QStringLiteral("55555"));
    child<QPlainTextEdit>(editor, "MemoData")->setPlainText(smallSetLines(examinees));
}

}  // namespace kor::ui::testing
