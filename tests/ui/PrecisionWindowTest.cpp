// "Analysis > Precision and Missing Answers...": the window over a typed set
// in which three examinees ran out of time and one skipped a question shows
// the figures of the JSON document, and its choices analyse again.

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <nlohmann/json.hpp>

#include "UiSession.h"
#include "core/Format.h"
#include "reports/AnalysisJson.h"
#include "ui/ReportView.h"

namespace kor::ui::testing {

namespace {

using Json = nlohmann::ordered_json;

// Examinees 3, 6 and 9 left the last two items blank, examinee 4 the second.
QString timedLines() {
    QStringList lines = smallSetLines(12).split(QLatin1Char('\n'));
    for (int i : {2, 5, 8}) {
        lines[i].replace(8, 2, QStringLiteral(".."));
    }
    lines[3][6] = QLatin1Char('.');
    return lines.join(QLatin1Char('\n'));
}

void analyseTimedSet(UiSession& s) {
    ModalWindows::setNextAction([](QDialog& editor) {
        typeSmallSet(editor, 12);
        child<QPlainTextEdit>(editor, "MemoData")->setPlainText(timedLines());
        child<QPushButton>(editor, "btn_done")->click();
    });
    s.button("btn_gotodata")->click();
}

QWidget* precisionWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("TPrecisionForm")) {
            return widget;
        }
    }
    return nullptr;
}

// The rows of the window's text, and the one starting with `start`.
QStringList shownLines(QWidget& window) {
    return child<QPlainTextEdit>(window, "memo_precision")->toPlainText().split(QLatin1Char('\n'));
}
QString lineStarting(const QStringList& lines, const QString& start) {
    for (const QString& line : lines) {
        if (line.startsWith(start)) {
            return line;
        }
    }
    return QStringLiteral("no line ") + start;
}

// A figure as the window writes it; a correlation that cannot be computed
// (null in the document) as ****.
QString fixedText(const Json& value, int decimals) {
    return value.is_null() ? QStringLiteral("****")
                           : QString::fromStdString(fixed(value.get<double>(), decimals));
}

// Every figure of the window against the document's at the window's precision.
void compareWithJson(QWidget& window, const Json& document) {
    const QStringList lines = shownLines(window);
    const Json& test = document["test"];
    const QString interval = lineStarting(lines, QStringLiteral("KR20 95% interval (Feldt)"));
    QVERIFY2(interval.endsWith(QStringLiteral("= ") + fixedText(test["kr20_ci"][0], 3) +
                               QStringLiteral(" to ") + fixedText(test["kr20_ci"][1], 3)),
             qPrintable(interval));
    QVERIFY(lineStarting(lines, QStringLiteral("SEM (from KR20)"))
                .endsWith(QStringLiteral("= ") + fixedText(test["sem"], 3)));
    const qsizetype csem_at = lines.indexOf(QStringLiteral("Score    CSEM"));
    QVERIFY(csem_at > 0);
    for (const Json& entry : document["csem"]) {
        const QString row = lines[csem_at + 2 + entry["score"].get<int>()];
        QCOMPARE(row.simplified(), QString::number(entry["score"].get<int>()) + QLatin1Char(' ') +
                                       fixedText(entry["csem"], 3));
    }
    const qsizetype items_at = lines.indexOf(QStringLiteral("Answers left out by item"));
    QVERIFY(items_at > 0);
    for (const Json& item : document["items"]) {
        const QString row = lines[items_at + 3 + item["item"].get<int>() - 1];
        const QStringList expected{QString::number(item["item"].get<int>()),
                                   QString::number(item["skipped"].get<int>()),
                                   QString::number(item["not_reached"].get<int>()),
                                   QString::number(item["n_used"].get<int>()),
                                   fixedText(item["difficulty"], 2),
                                   fixedText(item["pbis"], 2)};
        QCOMPARE(row.simplified(), expected.join(QLatin1Char(' ')));
    }
}

}  // namespace

class PrecisionWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheFiguresOfTheJsonAndFollowsItsChoices() {
        UiSession s;
        analyseTimedSet(s);
        s.command("mnu_precision")->trigger();
        QWidget* window = precisionWindow();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        Json document = Json::parse(analysis_json_text(s.controller.state()));
        QCOMPARE(document["items"][3]["not_reached"].get<int>(), 3);
        QCOMPARE(document["items"][1]["skipped"].get<int>(), 1);
        compareWithJson(*window, document);

        // Leaving the answers not reached out analyses again with the smaller N.
        child<QComboBox>(*window, "cmb_not_reached")->setCurrentIndex(1);
        document = Json::parse(analysis_json_text(s.controller.state()));
        QCOMPARE(document["settings"]["not_reached"].get<std::string>(), std::string("exclude"));
        QCOMPARE(document["items"][4]["n_used"].get<int>(), 9);
        compareWithJson(*window, document);
        QVERIFY(lineStarting(shownLines(*window), QStringLiteral("Answers not reached"))
                    .endsWith(QStringLiteral("left out of the items' figures")));
        QVERIFY(ModalWindows::unexpected().isEmpty());

        if (const QString folder = qEnvironmentVariable("KOR_SCREENSHOT_MORE_DIR");
            !folder.isEmpty()) {
            QVERIFY(window->grab().save(folder + QStringLiteral("/precision-window.png")));
        }
    }
};

KOR_UI_TEST(PrecisionWindowTest);

}  // namespace kor::ui::testing

#include "PrecisionWindowTest.moc"
