#include "ui/Binding.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QWidget>

#include "ui/MessageBoxes.h"

namespace kor::ui {

QString toQt(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQt(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString joinLines(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) {
            text += QLatin1Char('\n');
        }
        text += toQt(lines[k]);
    }
    return text;
}

std::vector<std::string> splitLines(const QString& text) {
    std::vector<std::string> lines;
    if (text.isEmpty()) {
        return lines;
    }
    const QStringList parts = text.split(QLatin1Char('\n'));
    lines.reserve(static_cast<std::size_t>(parts.size()));
    for (const QString& part : parts) {
        lines.push_back(fromQt(part));
    }
    return lines;
}

void putTexts(QWidget& window, const std::vector<BoundText>& texts) {
    for (const BoundText& bound : texts) {
        QWidget* control = window.findChild<QWidget*>(QLatin1String(bound.control));
        if (control == nullptr) {
            continue;
        }
        const QSignalBlocker quiet(control);
        const QString text = toQt(bound.text);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(text);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
            box->setPlainText(text);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setText(text);
        }
    }
}

std::string textOf(const QWidget& window, const char* control) {
    const QWidget* widget = window.findChild<QWidget*>(QLatin1String(control));
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return fromQt(edit->text());
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) {
        return fromQt(box->toPlainText());
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return fromQt(label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return fromQt(button->text());
    }
    return {};
}

void focusControl(QWidget& window, const std::string& control) {
    if (control.empty()) {
        return;
    }
    QWidget* widget = window.findChild<QWidget*>(toQt(control));
    if (widget == nullptr) {
        return;
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    }
}

QString writtenText(const std::vector<std::string>& written) {
    QStringList paths;
    for (const std::string& path : written) {
        paths.append(QFileInfo(toQt(path)).absoluteFilePath());
    }
    return paths.isEmpty() ? QString()
                           : QStringLiteral("Written: ") + paths.join(QStringLiteral(", "));
}

void showOutcome(QWidget& window, const Outcome& outcome) {
    for (std::size_t k = 0; k < outcome.messages.size(); ++k) {
        // A refusal's reason is its last message.
        const QString text = toQt(outcome.messages[k]);
        if (outcome.refused && k + 1 == outcome.messages.size()) {
            MessageBoxes::warn(&window, text);
        } else {
            MessageBoxes::inform(&window, text);
        }
    }
    if (outcome.refused) {
        focusControl(window, outcome.focus);
    }
}

}  // namespace kor::ui
