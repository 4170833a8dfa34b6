#pragma once
// What the dialog tests share: typing into a named box as a person would,
// pressing named buttons, where the focus is, and a picture of each dialog
// kept in the build folder.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "UiSession.h"
#include "ui/Binding.h"
#include "ui/DialogParts.h"

namespace kor::ui::testing {

// Replaces the box's text by typing `text`, each key a change of its own.
inline void typeInto(QWidget& window, const char* box, const QString& text) {
    auto* edit = child<QLineEdit>(window, box);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Delete);
        return;
    }
    QTest::keyClicks(edit, text);
}

inline QString textIn(QWidget& window, const char* box) {
    return child<QLineEdit>(window, box)->text();
}

inline void press(QWidget& window, const char* button) {
    child<QPushButton>(window, button)->click();
}

inline void choose(QWidget& window, const char* radio) {
    child<QRadioButton>(window, radio)->click();
}

// The object name of the control that has (or, in a window not active, will
// get) the focus.
inline QString focusIn(QWidget& window) {
    const QWidget* focused = window.focusWidget();
    return focused != nullptr ? focused->objectName() : QString();
}

inline QString cellText(QWidget& window, const char* grid, int row, int column) {
    const QTableWidgetItem* cell = child<QTableWidget>(window, grid)->item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

inline void setCell(QWidget& window, const char* grid, int row, int column, const QString& text) {
    child<QTableWidget>(window, grid)->item(row, column)->setText(text);
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves a picture of `window` as it is shown into the build folder's
// screenshots, named `name`.png.
inline void keepScreenshot(QWidget& window, const QString& name) {
    // Laid out as the event loop would have done by now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QString folder = QStringLiteral(KOR_UI_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    QVERIFY2(window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))),
             qPrintable(name));
}

}  // namespace kor::ui::testing
