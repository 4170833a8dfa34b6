// Every dialog as it looks on a screen of 1366 x 768 (CTest runs this class
// once at 100 % and once at 125 % scaling): it fits the screen, no caption
// is cut, the Tab key visits the controls in the order of their
// description, and a picture of it is kept in the build folder.

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

#include "DialogTestSupport.h"
#include "app/ProgramState.h"
#include "ui/ChartWindow.h"
#include "ui/DialogParts.h"
#include "ui/ReportWindow.h"

namespace kor::ui::testing {

namespace {

bool scaled() {
    return QGuiApplication::primaryScreen()->devicePixelRatio() > 1.0;
}

// The visible controls of `window` in the order the Tab key reaches them,
// starting at `first`, as far as they are named in `expected`.
QStringList tabOrder(QWidget& window, const QStringList& expected) {
    QStringList order;
    QWidget* next = child<QWidget>(window, qPrintable(expected.first()));
    for (int step = 0; step < 1000 && order.size() < expected.size(); ++step) {
        if (expected.contains(next->objectName()) && !order.contains(next->objectName())) {
            order.append(next->objectName());
        }
        next = next->nextInFocusChain();
    }
    return order;
}

// Checks the shown dialog and keeps its picture.
void checkLayout(QDialog& d, const QStringList& tab_order, const QString& picture) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(tabOrder(d, tab_order), tab_order);
    // The screen's free area in the window's own (scaled) pixels, less what a
    // panel and the window's title bar take.
    const QSize room = screenRoom(d);
    QVERIFY2(d.minimumSizeHint().width() <= room.width() &&
                 d.minimumSizeHint().height() <= room.height(),
             qPrintable(QStringLiteral("%1 needs %2 x %3")
                            .arg(d.objectName())
                            .arg(d.minimumSizeHint().width())
                            .arg(d.minimumSizeHint().height())));
    QVERIFY2(d.width() <= room.width() && d.height() <= room.height(), qPrintable(d.objectName()));
    QVERIFY2(d.width() >= d.minimumSizeHint().width() && d.height() >= d.minimumSizeHint().height(),
             qPrintable(d.objectName()));
    // A caption narrower than its text is cut off.
    for (QWidget* control : d.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&d)) {
            continue;
        }
        const auto* label = qobject_cast<QLabel*>(control);
        const bool caption = (label != nullptr && !label->wordWrap()) ||
                             qobject_cast<QAbstractButton*>(control) != nullptr;
        if (caption) {
            QVERIFY2(
                control->width() >= control->minimumSizeHint().width(),
                qPrintable(QStringLiteral("%1 in %2").arg(control->objectName(), d.objectName())));
        }
    }
    // A box whose text runs past its edge hides part of what it says.
    for (QLineEdit* box : d.findChildren<QLineEdit*>()) {
        if (box->isVisibleTo(&d) && !box->text().isEmpty()) {
            QVERIFY2(
                box->fontMetrics().horizontalAdvance(box->text()) < box->contentsRect().width(),
                qPrintable(QStringLiteral("%1 in %2").arg(box->objectName(), d.objectName())));
        }
    }
    keepScreenshot(d, picture + (scaled() ? QStringLiteral("-125") : QString()));
}

QStringList gradeTabOrder() {
    QStringList order{"rdo_grade2", "rdo_grade5",   "rdo_grade12",
                      "rdo_user",   "txt_num_cats", "rdo_grade0"};
    for (int k = 1; k <= 13; ++k) {
        order.append(QStringLiteral("lbl_grade%1").arg(k, 2, 10, QLatin1Char('0')));
        if (k < 13) {
            order.append(QStringLiteral("txt_grade%1").arg(k, 2, 10, QLatin1Char('0')));
        }
    }
    order << "btn_grade_OK"
          << "btn_cancel"
          << "btn_defaults"
          << "btn_save_ini"
          << "Button2"
          << "btn_read_ini"
          << "Button1";
    return order;
}

// Runs `command` of the editor over a data set of `items` items whose
// options run up to eight and whose include line flags every item "A".
void inEditorWithItems(UiSession& s, int items, const char* command, ModalWindows::Action dialog) {
    ModalWindows::setNextAction([=](QDialog& editor) {
        typeInto(editor, "txt_label_length", QStringLiteral("5"));
        typeInto(editor, "txt_items", QString::number(items));
        QString options;
        for (int j = 0; j < items; ++j) {
            options += QChar(u'2' + j % 7);
        }
        typeInto(editor, "txt_options", options);
        typeInto(editor, "txt_answer_key", QString(items, QLatin1Char('1')));
        typeInto(editor, "txt_include", QString(items, QLatin1Char('A')));
        ModalWindows::setNextAction(dialog);
        action(editor, command)->trigger();
        editor.reject();
    });
    s.button("btn_gotodata")->click();
}

}  // namespace

class DialogLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QFile::remove(QStringLiteral("kor.ini")); }

    void theGradeDialogWithTheUsersThirteenCategories() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& d) {
            choose(d, "rdo_user");
            typeInto(d, "txt_num_cats", QStringLiteral("13"));
            checkLayout(d, gradeTabOrder(), QStringLiteral("grade-dialog-user"));
            choose(d, "rdo_grade12");
            checkLayout(d, gradeTabOrder(), QStringLiteral("grade-dialog-twelve"));
            press(d, "btn_cancel");
        });
        s.command("SetPercentagesforGrades1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void theGroupAndProblemItemDialogs() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& d) {
            checkLayout(d, {"txt_disc_top", "txt_disc_bottom", "BitBtn1", "BitBtn2", "Button1"},
                        QStringLiteral("group-dialog"));
            press(d, "BitBtn2");
        });
        s.command("SetPercentagesforItemDiscrimination1")->trigger();
        ModalWindows::setNextAction([](QDialog& d) {
            checkLayout(d,
                        {"txt_crit_plo", "Button2", "Button7", "txt_crit_phi", "Button3", "Button8",
                         "txt_crit_d", "Button4", "Button9", "txt_crit_r", "Button5", "Button10",
                         "txt_crit_a", "Button6", "Button11", "chk_suggest", "Button1", "BitBtn1",
                         "BitBtn2"},
                        QStringLiteral("problem-items-dialog"));
            press(d, "BitBtn2");
        });
        s.command("SetCriteriaforProblemItems1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void theSpearmanBrownCalculator() {
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet31")->trigger();
        ModalWindows::setNextAction([](QDialog& d) {
            typeInto(d, "txt_sbrel", QStringLiteral("0.5"));
            press(d, "btn_calc");
            checkLayout(d,
                        {"txt_sbrel", "txt_moreitems", "txt_multiplier", "txt_current",
                         "txt_totalitems", "txt_rel_out", "btn_calc", "BitBtn1"},
                        QStringLiteral("spearman-brown-dialog"));
            press(d, "BitBtn1");
        });
        s.command("SpearmanBrownProphecy1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void theDifferentialItemFunctioningDialog() {
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet11")->trigger();
        ModalWindows::setNextAction([](QDialog& d) {
            typeInto(d, "txt_group_label", QStringLiteral("1"));
            press(d, "btn_find_groups");
            checkLayout(d,
                        {"txt_group_label", "btn_find_groups", "cmb_reference", "cmb_focal",
                         "btn_ok", "btn_cancel"},
                        QStringLiteral("dif-dialog"));
            press(d, "btn_cancel");
        });
        s.command("mnu_dif")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void aHundredAlternativeAnswerRowsScroll() {
        UiSession s;
        inEditorWithItems(s, 100, "SetAlternativeCorrectAnswers1", [](QDialog& d) {
            QCOMPARE(child<QTableWidget>(d, "StringGrid1")->rowCount(), 100);
            QCOMPARE(child<QTableWidget>(d, "StringGrid1")->columnCount(), 10);
            QCOMPARE(cellText(d, "titlegrid", 0, 9), QStringLiteral("8th"));
            checkLayout(d, {"StringGrid1", "btn_cancel", "btn_ok"},
                        QStringLiteral("alternative-answers-dialog"));
            press(d, "btn_cancel");
        });
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void thePartialCreditDialog() {
        UiSession s;
        inEditorWithItems(s, 10, "AddRemovePartialCredit1", [](QDialog& d) {
            checkLayout(d,
                        {"txt_pc_points", "txt_mc_points", "btn_default_pc", "btn_ok_pc",
                         "btn_turnoff", "BitBtn2"},
                        QStringLiteral("partial-credit-dialog"));
            press(d, "BitBtn2");
        });
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void theTableOfSpecificationsForAHundredItems() {
        UiSession s;
        inEditorWithItems(s, 100, "SetTableofSpecifications1", [](QDialog& d) {
            action(d, "UseaDefaultSetofSpecifications1")->trigger();
            checkLayout(
                d, {"rdo_ca0",      "rdo_ca1",      "rdo_ca2",      "rdo_ca3",      "rdo_ca4",
                    "rdo_ca5",      "rdo_ca6",      "rdo_cs0",      "rdo_cs1",      "rdo_cs2",
                    "rdo_cs3",      "rdo_cs4",      "rdo_cs5",      "rdo_cs6",      "txt_content1",
                    "txt_content2", "txt_content3", "txt_content4", "txt_content5", "txt_content6",
                    "txt_skill1",   "txt_skill2",   "txt_skill3",   "txt_skill4",   "txt_skill5",
                    "txt_skill6",   "StringGrid1",  "StringGrid2",  "StringGrid3",  "btn_reset",
                    "BitBtn1",      "BitBtn2"},
                QStringLiteral("table-of-specifications-dialog"));
            press(d, "BitBtn1");
        });
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    // The longest names the taxonomies give show whole in a table of few items.
    void theTableOfSpecificationsWithTheTaxonomiesLongestNames() {
        UiSession s;
        inEditorWithItems(s, 10, "SetTableofSpecifications1", [](QDialog& d) {
            action(d, "UseaDefaultSetofSpecifications1")->trigger();
            action(d, "GagnesTaxonomy1")->trigger();
            checkLayout(d, {"rdo_ca0", "txt_skill1", "StringGrid1", "BitBtn2"},
                        QStringLiteral("table-of-specifications-gagne"));
            action(d, "OosterhofsTaxonomy1")->trigger();
            QCOMPARE(textIn(d, "txt_skill1"), QStringLiteral("Declarative Knowledge"));
            checkLayout(d, {"rdo_ca0", "txt_skill1", "StringGrid1", "BitBtn2"},
                        QStringLiteral("table-of-specifications-oosterhof"));
            press(d, "BitBtn1");
        });
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    // The windows of their own, at the size they open with, on a laptop
    // screen less a panel and a title bar: 1366 x 700 at 100 %.
    void everyWindowOpensWithinTheLaptopScreen() {
        UiSession s;
        const QSize room = screenRoom(*s.window);
        if (!scaled()) {
            QCOMPARE(room, QSize(1366, 700));
        }
        pressInEditor("btn_done");
        s.command("SampleDataSet11")->trigger();
        Viewers& v = s.main().viewers();
        s.button("btn_view_examinee")->click();
        s.button("btn_view_q_item")->click();
        s.button("btn_view_grades")->click();
        child<QPushButton>(*v.results, "btn_hist")->click();
        QWidget* windows[] = {s.window.get(), &s.editor(), v.results, v.quick, v.grades, v.graph};
        for (QWidget* window : windows) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QString name = window->objectName();
            QVERIFY2(window->width() <= room.width() && window->height() <= room.height(),
                     qPrintable(QStringLiteral("%1 opens at %2 x %3")
                                    .arg(name)
                                    .arg(window->width())
                                    .arg(window->height())));
            const QSize least = window->minimumSizeHint();
            QVERIFY2(least.width() <= room.width() && least.height() <= room.height(),
                     qPrintable(QStringLiteral("%1 needs %2 x %3")
                                    .arg(name)
                                    .arg(least.width())
                                    .arg(least.height())));
        }
        QVERIFY(s.main().statusBar()->isVisibleTo(s.window.get()));

        // The spreadsheet preview, a dialog of its own size.
        QFile csv(QDir::current().filePath(QStringLiteral("fit.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Student,Q1,Q2\r\nKEY,A,B\r\nAnn,A,B\r\n");
        csv.close();
        FileDialogs::setNextAnswer(csv.fileName());
        ModalWindows::setNextAction([room](QDialog& preview) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QVERIFY(preview.height() <= room.height() && preview.width() <= room.width());
            QVERIFY(preview.minimumSizeHint().height() <= room.height());
            keepScreenshot(preview, scaled() ? QStringLiteral("csv-preview-125")
                                             : QStringLiteral("csv-preview"));
        });
        s.command("ImportSpreadsheetCSVFile1")->trigger();
        QVERIFY(ModalWindows::unexpected().isEmpty());
        csv.remove();
    }

    void theGenerator() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& editor) {
            ModalWindows::setNextAction([](QDialog& d) {
                checkLayout(d, {"edit_num_cases", "edit_num_items", "edit_seed",    "Button1",
                                "rdo_2",          "rdo_3",          "rdo_4",        "rdo_5",
                                "rdo_mix",        "rdo_easiest",    "rdo_veryeasy", "rdo_easy",
                                "rdo_medium",     "rdo_hard",       "rdo_veryhard", "rdo_hardest",
                                "gen_num",        "gen_let",        "btn_generate", "btn_cancel"},
                            QStringLiteral("generator-dialog"));
                press(d, "btn_cancel");
            });
            action(editor, "GenerateData1")->trigger();
            editor.reject();
        });
        s.button("btn_gotodata")->click();
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }
};

KOR_UI_TEST(DialogLayoutTest);

}  // namespace kor::ui::testing

#include "DialogLayoutTest.moc"
