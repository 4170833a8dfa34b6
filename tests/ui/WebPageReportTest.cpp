// File > "Save Report as Web Page (HTML)...": enabled once results exist,
// writes the chosen file as well-formed markup and opens it in the browser.

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QXmlStreamReader>

#include "UiSession.h"
#include "ui/WebPageReport.h"

namespace kor::ui::testing {

namespace {

// Nothing is opened while a test runs.
struct BrowserRecording {
    BrowserRecording() { BrowserLauncher::startRecording(); }
    ~BrowserRecording() { BrowserLauncher::stopRecording(); }
    BrowserRecording(const BrowserRecording&) = delete;
    BrowserRecording& operator=(const BrowserRecording&) = delete;
};

// The error of an XML reader over the file; empty when it reads to the end.
QString xmlError(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot open");
    }
    QXmlStreamReader reader(&file);
    int svgs = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QStringLiteral("svg")) {
            ++svgs;
        }
    }
    if (reader.hasError()) {
        return reader.errorString() + QStringLiteral(" at line %1").arg(reader.lineNumber());
    }
    return svgs > 0 ? QString() : QStringLiteral("no pictures");
}

}  // namespace

class WebPageReportTest : public QObject {
    Q_OBJECT

  private slots:
    void savesThePageAndOpensItOnceResultsExist() {
        UiSession s;
        BrowserRecording browser;
        QVERIFY(s.activate());
        QAction* command = s.command("SaveReportasWebPageHTML1");
        QCOMPARE(command->text(), QStringLiteral("Save Report as Web Page (HTML)..."));
        QVERIFY(!command->isEnabled());

        s.main().runExample("set1", true);
        QVERIFY(command->isEnabled());

        // Cancelled: nothing written, nothing opened.
        FileDialogs::setNextAnswer(QString());
        command->trigger();
        QVERIFY(BrowserLauncher::opened().isEmpty());

        const QString path = QDir::current().filePath(QStringLiteral("set1 report.html"));
        FileDialogs::setNextAnswer(path);
        command->trigger();
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        const FileRequest& asked = FileDialogs::asked().last();
        QCOMPARE(asked.default_suffix, QStringLiteral("html"));
        QVERIFY(asked.filter.contains(QStringLiteral("*.html")));
        QVERIFY(QFile::exists(path));
        QCOMPARE(xmlError(path), QString());
        QCOMPARE(BrowserLauncher::opened().size(), 1);
        QCOMPARE(BrowserLauncher::opened().at(0), QUrl::fromLocalFile(path));
        QVERIFY(s.window->statusBar()->currentMessage().contains(path));
        QFile::remove(path);
    }

    void aRefusedSaveOpensNothing() {
        UiSession s;
        BrowserRecording browser;
        QVERIFY(s.activate());
        s.main().runExample("set2", true);
        // A folder cannot be replaced by a file: the system's message, no browser.
        const QString folder = QDir::current().filePath(QStringLiteral("a folder.html"));
        QVERIFY(QDir().mkpath(folder));
        FileDialogs::setNextAnswer(folder);
        s.command("SaveReportasWebPageHTML1")->trigger();
        QCOMPARE(messages().size(), 1);
        QVERIFY(BrowserLauncher::opened().isEmpty());
        QVERIFY(QDir(folder).removeRecursively());
    }
};

KOR_UI_TEST(WebPageReportTest);

}  // namespace kor::ui::testing

#include "WebPageReportTest.moc"
