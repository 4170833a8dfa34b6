// "Analysis > Differential Item Functioning...": the dialog over a typed data
// set whose labels carry each examinee's group in column 1, from the label
// columns through the groups listed to the analysis that compares two of
// them, with the refusals the application words shown over the dialog.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>

#include "DialogTestSupport.h"
#include "UiSession.h"

namespace kor::ui::testing {

namespace {

// Twelve examinees of five items: the first letter of each label is the
// group (A, B and C in turn), and the answers spread the scores so that
// both groups of a comparison have several score levels.
QString groupedLines() {
    const char* answers[] = {"12345", "12344", "12335", "12245", "11345", "22345",
                             "12354", "21345", "13245", "12543", "54321", "12311"};
    QStringList lines;
    for (int i = 0; i < 12; ++i) {
        const QChar group = QChar(u'A' + static_cast<char16_t>(i % 3));
        lines.append(QStringLiteral("%1%2").arg(group).arg(i + 1, 4, 10, QLatin1Char('0')) +
                     QLatin1String(answers[i]));
    }
    return lines.join(QLatin1Char('\n'));
}

// The grouped set typed into the editor and analysed with "Close && Analyze".
void analyseGroupedSet(UiSession& s) {
    ModalWindows::setNextAction([](QDialog& editor) {
        typeSmallSet(editor, 12);
        child<QPlainTextEdit>(editor, "MemoData")->setPlainText(groupedLines());
        child<QPushButton>(editor, "btn_done")->click();
    });
    s.button("btn_gotodata")->click();
}

QStringList itemsOf(QDialog& dialog, const char* box) {
    auto* combo = child<QComboBox>(dialog, box);
    QStringList items;
    for (int k = 0; k < combo->count(); ++k) {
        items.append(combo->itemText(k));
    }
    return items;
}

void chooseGroups(QDialog& dialog, const QString& reference, const QString& focal) {
    child<QComboBox>(dialog, "cmb_reference")->setCurrentText(reference);
    child<QComboBox>(dialog, "cmb_focal")->setCurrentText(focal);
}

QString joined(const QStringList& texts) {
    return texts.join(QLatin1Char('\n'));
}

}  // namespace

class DifDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void theCommandWaitsForDataToAnalyse() {
        UiSession s;
        QAction* dif = s.command("mnu_dif");
        QCOMPARE(dif->text(), QStringLiteral("&Differential Item Functioning..."));
        QCOMPARE(s.find<QMenu>("Run1")->actions().last(), dif);
        dif->trigger();  // as its shortcut would, with the menu off
        QVERIFY(!ModalWindows::shownWindows().contains(QStringLiteral("TDifForm")));
        QVERIFY(ModalWindows::unexpected().isEmpty());

        analyseGroupedSet(s);
        QVERIFY(s.find<QMenu>("Run1")->menuAction()->isEnabled());
        ModalWindows::setNextAction([](QDialog& dialog) { press(dialog, "btn_cancel"); });
        dif->trigger();
        QCOMPARE(ModalWindows::shownWindows().last(), QStringLiteral("TDifForm"));
        QVERIFY(ModalWindows::unexpected().isEmpty());
        QVERIFY(!s.controller.state().data.dif_groups);  // cancelled: nothing chosen
    }

    // Without a group label the dialog asks for its columns; those typed are
    // looked up by "Find Groups", or by OK before any group is chosen, and
    // the dialog stays open either way.
    void theLabelColumnsTypedListTheGroupsOrAreRefused() {
        struct Case {
            const char* columns;
            const char* button;
            QStringList groups;  // empty: refused
            const char* refusal;
        };
        const Case cases[] = {
            {"1", "btn_find_groups", {"A", "B", "C"}, nullptr},
            {"1", "btn_ok", {"A", "B", "C"}, nullptr},
            {"1-2", "btn_find_groups", {"A0", "B0", "C0"}, nullptr},
            {"x", "btn_find_groups", {}, "such as 12 or 12-13, not \"x\""},
            {"6", "btn_ok", {}, "lie beyond the labels, which have 5 characters"},
            {"", "btn_find_groups", {}, "not \"\""},
        };
        for (const Case& c : cases) {
            UiSession s;
            analyseGroupedSet(s);
            MessageBoxes::clearShown();
            ModalWindows::setNextAction([&c](QDialog& dialog) {
                QCOMPARE(textIn(dialog, "txt_group_label"), QString());
                QVERIFY(itemsOf(dialog, "cmb_reference").isEmpty());
                QVERIFY(!child<QComboBox>(dialog, "cmb_focal")->isEnabled());
                typeInto(dialog, "txt_group_label", QLatin1String(c.columns));
                press(dialog, c.button);
                QVERIFY2(dialog.isVisible(), c.columns);
                QCOMPARE(itemsOf(dialog, "cmb_reference"), c.groups);
                QCOMPARE(itemsOf(dialog, "cmb_focal"), c.groups);
                if (c.refusal != nullptr) {
                    QCOMPARE(messages().size(), 1);
                    QVERIFY2(messages().last().contains(QLatin1String(c.refusal)),
                             qPrintable(messages().last()));
                    QCOMPARE(focusIn(dialog), QStringLiteral("txt_group_label"));
                } else {
                    QVERIFY2(messages().isEmpty(), qPrintable(joined(messages())));
                    // The first two groups are offered as the pair to compare.
                    QCOMPARE(child<QComboBox>(dialog, "cmb_reference")->currentIndex(), 0);
                    QCOMPARE(child<QComboBox>(dialog, "cmb_focal")->currentIndex(), 1);
                }
                press(dialog, "btn_cancel");
            });
            s.command("mnu_dif")->trigger();
            QVERIFY(ModalWindows::unexpected().isEmpty());
            QCOMPARE(s.controller.state().data.group_label.has_value(), c.refusal == nullptr);
        }
    }

    // A group compared with itself is refused over the dialog, which stays
    // with the choice to correct; a valid pair is analysed at once, and the
    // web page saved afterwards is written from results that hold the
    // comparison. Opened again, the dialog shows the label and the pair.
    void aGroupComparedWithItselfIsRefusedAndAValidPairIsAnalysed() {
        UiSession s;
        analyseGroupedSet(s);
        MessageBoxes::clearShown();
        ModalWindows::setNextAction([](QDialog& dialog) {
            typeInto(dialog, "txt_group_label", QStringLiteral("1"));
            press(dialog, "btn_find_groups");
            chooseGroups(dialog, QStringLiteral("B"), QStringLiteral("B"));
            press(dialog, "btn_ok");
            QVERIFY(dialog.isVisible());
            QCOMPARE(messages().size(), 1);
            QVERIFY2(messages().last().contains(
                         QStringLiteral("a group cannot be compared with itself")),
                     qPrintable(messages().last()));
            QCOMPARE(MessageBoxes::shownIcons().last(), QMessageBox::Warning);
            keepScreenshot(dialog, QStringLiteral("dif-dialog"));
            chooseGroups(dialog, QStringLiteral("A"), QStringLiteral("C"));
            press(dialog, "btn_ok");
            QVERIFY(!dialog.isVisible());
        });
        s.command("mnu_dif")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());

        const AnalysisResults& results = s.controller.state().results;
        QVERIFY(results.dif.has_value());
        QCOMPARE(results.dif->reference, std::string("A"));
        QCOMPARE(results.dif->focal, std::string("C"));
        QCOMPARE(results.dif->reference_examinees, 4);
        QCOMPARE(results.dif->focal_examinees, 4);
        QCOMPARE(results.dif->items.size(), std::size_t{5});
        QCOMPARE(results.groups.size(), std::size_t{3});
        QVERIFY(s.command("ViewResults1")->isEnabled());
        const QString page = QDir::current().filePath(QStringLiteral("groups.html"));
        const Outcome saved = s.controller.saveHtmlReport(fromQt(page));
        QVERIFY2(!saved.refused, saved.messages.empty() ? "" : saved.messages.back().c_str());
        QVERIFY(fileBytes(page).contains("<html"));
        QVERIFY(fileBytes(page).contains("Differential item functioning"));
        QFile::remove(page);

        ModalWindows::setNextAction([](QDialog& dialog) {
            QCOMPARE(textIn(dialog, "txt_group_label"), QStringLiteral("1"));
            QCOMPARE(child<QComboBox>(dialog, "cmb_reference")->currentText(), QStringLiteral("A"));
            QCOMPARE(child<QComboBox>(dialog, "cmb_focal")->currentText(), QStringLiteral("C"));
            press(dialog, "btn_cancel");
        });
        s.command("mnu_dif")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
        QCOMPARE(s.controller.state().data.dif_groups->focal, std::string("C"));
    }
};

KOR_UI_TEST(DifDialogTest);

}  // namespace kor::ui::testing

#include "DifDialogTest.moc"
