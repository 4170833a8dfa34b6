// The data editor's dialogs driven through their real controls inside the
// running editor: alternative answers, partial credit, the table of
// specifications and the generator.

#include <QLabel>
#include <QMenu>

#include "DialogTestSupport.h"
#include "app/Application.h"
#include "app/ProgramState.h"
#include "cli/CliRun.h"

namespace kor::ui::testing {

namespace {

// In the editor, `steps` run; then the editor is left with `leave`
// ("btn_done" analyses, an empty name closes it without loading).
void inEditor(UiSession& s, std::function<void(QDialog&)> steps, const char* leave = nullptr) {
    ModalWindows::setNextAction([steps = std::move(steps), leave](QDialog& editor) {
        steps(editor);
        if (leave != nullptr) {
            press(editor, leave);
        } else {
            editor.reject();
        }
    });
    s.button("btn_gotodata")->click();
}

// Five examinees, five items; item 3 has key "C", four options and
// alternative answers.
void typeAlternativesSet(QDialog& editor) {
    typeSmallSet(editor, 5, QStringLiteral("12C45"));
    typeInto(editor, "txt_options", QStringLiteral("55455"));
    typeInto(editor, "txt_include", QStringLiteral("YYAYY"));
}

// An item count and a label length that leave room for it.
void typeCounts(QDialog& editor, int items) {
    typeInto(editor, "txt_label_length", QStringLiteral("5"));
    typeInto(editor, "txt_items", QString::number(items));
}

QString rowOf(QDialog& d, const char* grid, int row, int columns) {
    QString cells;
    for (int c = 0; c < columns; ++c) {
        cells += cellText(d, grid, row, c);
    }
    return cells;
}

bool editable(QDialog& d, const char* grid, int row, int column) {
    return (child<QTableWidget>(d, grid)->item(row, column)->flags() & Qt::ItemIsEditable) != 0;
}

}  // namespace

class EditorDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void anAlternativeBeyondTheItemsOptionsIsRefused() {
        UiSession s;
        inEditor(s, [](QDialog& editor) {
            typeAlternativesSet(editor);
            ModalWindows::setNextAction([](QDialog& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Alternative Answers"));
                auto* grid = child<QTableWidget>(d, "StringGrid1");
                QCOMPARE(grid->rowCount(), 1);
                QCOMPARE(grid->columnCount(), 7);  // five options at most
                QCOMPARE(rowOf(d, "StringGrid1", 0, 3), QStringLiteral("343"));
                QCOMPARE(cellText(d, "titlegrid", 0, 2), QStringLiteral("Correct"));
                QCOMPARE(cellText(d, "titlegrid", 2, 2), QStringLiteral("in Key"));
                QCOMPARE(cellText(d, "titlegrid", 0, 6), QStringLiteral("5th"));
                QVERIFY(!editable(d, "StringGrid1", 0, 2));
                QVERIFY(editable(d, "StringGrid1", 0, 3));
                setCell(d, "StringGrid1", 0, 3, QStringLiteral("5"));
                keepScreenshot(d, QStringLiteral("alternative-answers"));
                press(d, "btn_ok");
            });
            ModalWindows::setNextAction([](QDialog& d) {
                QCOMPARE(cellText(d, "StringGrid1", 0, 3), QStringLiteral("5"));
                // Typed into the cell and confirmed while it is still open.
                auto* grid = child<QTableWidget>(d, "StringGrid1");
                grid->setCurrentCell(0, 3);
                grid->editItem(grid->item(0, 3));
                auto* cell_editor =
                    qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
                QVERIFY(cell_editor != nullptr);
                cell_editor->selectAll();
                QTest::keyClicks(cell_editor, QStringLiteral("1"));
                press(d, "btn_ok");
            });
            action(editor, "SetAlternativeCorrectAnswers1")->trigger();
        });
        QCOMPARE(messages(), QStringList{QStringLiteral(
                                 "One of your alternative correct answers is not a value between 1 "
                                 "and the number of options for that item -- check item #3")});
        QCOMPARE(ModalWindows::shownWindows(),
                 (QStringList{"TEditForm", "TAnswerForm", "TAnswerForm"}));
        const auto& answers = s.controller.state().data.item_correct_answers[3];
        QCOMPARE(answers[0], 3);
        QCOMPARE(answers[1], 1);
        QCOMPARE(answers[2], 3);
        QCOMPARE(answers[8], 3);
    }

    void withoutAnAItemTheTableIsNotShown() {
        UiSession s;
        inEditor(s, [](QDialog& editor) {
            typeSmallSet(editor, 5);
            action(editor, "SetAlternativeCorrectAnswers1")->trigger();
        });
        QCOMPARE(messages(), QStringList{QStringLiteral(
                                 "No items were flagged with an 'A' or 'a' in the INCLUDE line")});
        QCOMPARE(ModalWindows::shownWindows(), QStringList{"TEditForm"});
        QCOMPARE(s.controller.state().editor.include,
                 std::string("YYYYY"));  // filled in by the command
    }

    void confirmedAlternativesReachTheAnalysis() {
        UiSession s;
        inEditor(
            s,
            [](QDialog& editor) {
                typeAlternativesSet(editor);
                ModalWindows::setNextAction([](QDialog& d) {
                    setCell(d, "StringGrid1", 0, 3, QStringLiteral("1"));
                    press(d, "btn_ok");
                });
                action(editor, "SetAlternativeCorrectAnswers1")->trigger();
            },
            "btn_done");
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        const QString report = joinLines(s.controller.state().report_texts.results_box);
        QVERIFY(report.contains(QStringLiteral("ALTERNATIVE CORRECT ANSWERS:")));
        QVERIFY(report.contains(QStringLiteral("Item # 3   Correct Answers: 3 1 ")));
    }

    void partialCreditIsRefusedFor99Items() {
        UiSession s;
        inEditor(s, [](QDialog& editor) {
            typeCounts(editor, 99);
            typeInto(editor, "txt_options", QString(99, QLatin1Char('4')));
            ModalWindows::setNextAction([](QDialog& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Partial Credit"));
                QCOMPARE(textIn(d, "txt_pc_points"), QStringLiteral("0"));
                QCOMPARE(textIn(d, "txt_mc_points"), QStringLiteral("1"));
                typeInto(d, "txt_pc_points", QStringLiteral("7"));
                press(d, "btn_ok_pc");
            });
            action(editor, "AddRemovePartialCredit1")->trigger();
            QCOMPARE(textIn(editor, "txt_options"), QString(99, QLatin1Char('4')));
        });
        QCOMPARE(messages(),
                 QStringList{QStringLiteral(
                     "Partial Credit can only be given if Number of Items is less than 99.")});
        QVERIFY(!s.controller.state().data.partial_credit_on);
    }

    void partialCreditEndsTheOptionsLineAndReachesTheAnalysis() {
        UiSession s;
        inEditor(
            s,
            [](QDialog& editor) {
                typeSmallSet(editor, 5);
                ModalWindows::setNextAction([](QDialog& d) {
                    typeInto(d, "txt_pc_points", QStringLiteral("7"));
                    keepScreenshot(d, QStringLiteral("partial-credit"));
                    press(d, "btn_ok_pc");
                });
                action(editor, "AddRemovePartialCredit1")->trigger();
                QCOMPARE(textIn(editor, "txt_options"), QStringLiteral("5555507"));
                QCOMPARE(focusIn(editor), QStringLiteral("txt_options"));
                QVERIFY(
                    child<QLabel>(editor, "lbl_key_scale2")->text().endsWith(QStringLiteral("PC")));
            },
            "btn_done");
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        QCOMPARE(s.controller.state().data.pc_total_points, 7);
        QVERIFY(joinLines(s.controller.state().report_texts.results_box)
                    .contains(QStringLiteral(" (5*1 MC points + 7 Partial Credit)")));

        // Turning it off leaves the data and says so.
        inEditor(s, [](QDialog& editor) {
            ModalWindows::setNextAction([](QDialog& d) {
                QCOMPARE(textIn(d, "txt_pc_points"), QStringLiteral("7"));
                press(d, "btn_turnoff");
            });
            action(editor, "AddRemovePartialCredit1")->trigger();
            QCOMPARE(textIn(editor, "txt_options"), QStringLiteral("5555507"));
            QVERIFY(
                !child<QLabel>(editor, "lbl_key_scale2")->text().endsWith(QStringLiteral("PC")));
        });
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages().at(0).startsWith(
            QStringLiteral("Turning off the Partial Credit options does not change your data.")));
        QVERIFY(!s.controller.state().data.partial_credit_on);
    }

    void aLevelThatIsNoNumberSetsTheErrorMarkAndTheTableComesBack() {
        UiSession s;
        inEditor(s, [&s](QDialog& editor) {
            typeCounts(editor, 10);
            QVERIFY(action(editor, "SetTableofSpecifications1")->isEnabled());
            ModalWindows::setNextAction([](QDialog& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Table of Specifications"));
                choose(d, "rdo_ca3");
                choose(d, "rdo_cs2");
                QVERIFY(child<QLineEdit>(d, "txt_content3")->isEnabled());
                QVERIFY(!child<QLineEdit>(d, "txt_content4")->isEnabled());
                QVERIFY(child<QLineEdit>(d, "txt_skill2")->isEnabled());
                QVERIFY(!child<QLineEdit>(d, "txt_skill3")->isEnabled());
                QCOMPARE(child<QTableWidget>(d, "StringGrid1")->columnCount(), 10);
                QVERIFY(!child<QTableWidget>(d, "StringGrid2")->isVisibleTo(&d));
                QCOMPARE(rowOf(d, "StringGrid1", 0, 10), QStringLiteral("12345678910"));
                QVERIFY(!editable(d, "StringGrid1", 0, 0));
                typeInto(d, "txt_content1", QStringLiteral("Algebra"));
                for (int c = 0; c < 10; ++c) {
                    setCell(d, "StringGrid1", 1, c, QString::number(c % 3 + 1));
                    setCell(d, "StringGrid1", 2, c, QStringLiteral("1"));
                }
                setCell(d, "StringGrid1", 2, 6, QStringLiteral("x"));
                press(d, "BitBtn2");
            });
            ModalWindows::setNextAction([&s](QDialog& d) {
                QVERIFY(s.controller.state().tos_form.error_mark);
                QCOMPARE(cellText(d, "StringGrid1", 2, 6), QStringLiteral("x"));
                QCOMPARE(textIn(d, "txt_content1"), QStringLiteral("Algebra"));
                setCell(d, "StringGrid1", 2, 6, QStringLiteral("2"));
                press(d, "BitBtn2");
            });
            action(editor, "SetTableofSpecifications1")->trigger();
        });
        QCOMPARE(messages(),
                 QStringList{QStringLiteral(
                     "One of your Cognitive Levels is not an integer -- check item #7")});
        QCOMPARE(ModalWindows::shownWindows(),
                 (QStringList{"TEditForm", "TTableForm", "TTableForm"}));
        const TTestData& data = s.controller.state().data;
        QVERIFY(!s.controller.state().tos_form.error_mark);
        QCOMPARE(data.num_content_areas, 3);
        QCOMPARE(data.content_area_names[1], std::string("Algebra"));
        QCOMPARE(data.content_area_names[2], std::string("Content Area 2"));
        QCOMPARE(data.item_tos[7].cognitive_level, 2);
        QCOMPARE(data.item_tos[6].content_area, 3);
    }

    void theDefaultSetForTenItemsAndCancelSwitchingTheTableOff() {
        UiSession s;
        inEditor(s, [](QDialog& editor) {
            typeCounts(editor, 10);
            ModalWindows::setNextAction([](QDialog& d) {
                action(d, "UseaDefaultSetofSpecifications1")->trigger();
                QVERIFY(child<QRadioButton>(d, "rdo_ca2")->isChecked());
                QCOMPARE(textIn(d, "txt_content2"), QStringLiteral("Chapter 2"));
                QCOMPARE(textIn(d, "txt_skill2"), QStringLiteral("Beyond Recall"));
                QCOMPARE(rowOf(d, "StringGrid1", 1, 10), QStringLiteral("1111122222"));
                QCOMPARE(rowOf(d, "StringGrid1", 2, 10), QStringLiteral("1122211122"));
                action(d, "BloomsTaxonomy1")->trigger();
                QVERIFY(child<QRadioButton>(d, "rdo_cs6")->isChecked());
                QCOMPARE(textIn(d, "txt_skill6"), QStringLiteral("Evaluation"));
                keepScreenshot(d, QStringLiteral("table-of-specifications"));
                press(d, "BitBtn2");
            });
            action(editor, "SetTableofSpecifications1")->trigger();
        });
        QCOMPARE(s.controller.state().data.item_tos[9].content_area, 2);
        QCOMPARE(s.controller.state().data.num_cognitive_levels, 6);
        QCOMPARE(s.controller.state().data.cognitive_level_names[1], std::string("Knowledge"));

        // The table keeps what it holds for the same item count; Cancel switches it off.
        s.find<QRadioButton>("rdo_edit_data")->setChecked(true);
        inEditor(s, [](QDialog& editor) {
            ModalWindows::setNextAction([](QDialog& d) {
                QCOMPARE(rowOf(d, "StringGrid1", 1, 10), QStringLiteral("1111122222"));
                QVERIFY(child<QRadioButton>(d, "rdo_ca2")->isChecked());
                press(d, "BitBtn1");
            });
            action(editor, "SetTableofSpecifications1")->trigger();
        });
        QCOMPARE(s.controller.state().data.num_content_areas, 0);
        QCOMPARE(s.controller.state().data.num_cognitive_levels, 0);
        QCOMPARE(s.controller.state().data.content_area_names[1], std::string());
    }

    void theGridsHold34ItemsEach() {
        struct Layout {
            int items;
            int columns[3];  // of StringGrid1 .. StringGrid3; 0 for a grid not shown
        };
        const Layout layouts[] = {{34, {34, 0, 0}}, {68, {34, 34, 0}}, {100, {34, 34, 32}}};
        for (const Layout& layout : layouts) {
            UiSession s;
            inEditor(s, [layout](QDialog& editor) {
                typeCounts(editor, layout.items);
                ModalWindows::setNextAction([layout](QDialog& d) {
                    const char* grids[] = {"StringGrid1", "StringGrid2", "StringGrid3"};
                    for (int g = 0; g < 3; ++g) {
                        auto* grid = child<QTableWidget>(d, grids[g]);
                        QCOMPARE(grid->isVisibleTo(&d), layout.columns[g] > 0);
                        if (layout.columns[g] > 0) {
                            QCOMPARE(grid->columnCount(), layout.columns[g]);
                            QCOMPARE(grid->item(0, 0)->text(), QString::number(1 + 34 * g));
                        }
                    }
                    press(d, "BitBtn2");
                });
                action(editor, "SetTableofSpecifications1")->trigger();
            });
            QVERIFY(ModalWindows::unexpected().isEmpty());
        }
    }

    void theTableReachesTheAnalysis() {
        UiSession s;
        inEditor(
            s,
            [](QDialog& editor) {
                typeSmallSet(editor, 5);
                ModalWindows::setNextAction([](QDialog& d) {
                    action(d, "UseaDefaultSetofSpecifications1")->trigger();
                    press(d, "BitBtn2");
                });
                action(editor, "SetTableofSpecifications1")->trigger();
            },
            "btn_done");
        QVERIFY(joinLines(s.controller.state().report_texts.results_box)
                    .contains(QStringLiteral("Table of Specifications Analysis")));
    }

    void theHiddenGenerateWritesWhatTheCommandLineGenerates() {
        const QString desktop_file = QDir::current().filePath(QStringLiteral("desktop.kor"));
        const QString command_file = QDir::current().filePath(QStringLiteral("command.kor"));
        UiSession s;
        // The generator opens over the editor as the editor shows.
        ModalWindows::setNextAction([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Data Generation Information"));
            QCOMPARE(textIn(d, "edit_num_cases"), QStringLiteral("20"));
            QCOMPARE(textIn(d, "edit_num_items"), QStringLiteral("30"));
            QCOMPARE(textIn(d, "edit_seed"), QStringLiteral("1804"));
            QVERIFY(child<QRadioButton>(d, "rdo_mix")->isChecked());
            QVERIFY(child<QRadioButton>(d, "rdo_medium")->isChecked());
            QVERIFY(child<QRadioButton>(d, "gen_num")->isChecked());
            QVERIFY(!child<QLabel>(d, "lbl_largen")->isVisibleTo(&d));
            keepScreenshot(d, QStringLiteral("generator"));
            press(d, "btn_generate");
        });
        FileDialogs::setNextAnswer(desktop_file);
        ModalWindows::setNextAction([](QDialog& editor) {
            QCOMPARE(textIn(editor, "txt_title"),
                     QStringLiteral(
                         "Generated: Cases=20, Items=30, Seed=1804, Options=mix, Diff=medium"));
            action(editor, "Save1")->trigger();
            editor.reject();
        });
        s.command("Generate1")->trigger();
        QCOMPARE(ModalWindows::shownWindows(), (QStringList{"TEditForm", "TGenForm"}));
        QVERIFY2(messages().isEmpty(), qPrintable(messages().join(QLatin1Char('\n'))));
        const auto run = kor::testing::kor({"generate", "-o", fromQt(command_file)});
        QCOMPARE(run.code, 0);
        QVERIFY(!fileBytes(desktop_file).isEmpty());
        QCOMPARE(fileBytes(desktop_file), fileBytes(command_file));
        QFile::remove(desktop_file);
        QFile::remove(command_file);
    }

    void theGeneratorRefusesTooManyCasesAndCancelLeavesTheEditor() {
        UiSession s;
        inEditor(s, [](QDialog& editor) {
            typeSmallSet(editor, 5);
            ModalWindows::setNextAction([](QDialog& d) {
                typeInto(d, "edit_num_cases", QStringLiteral("10000"));
                press(d, "btn_generate");
            });
            ModalWindows::setNextAction([](QDialog& d) {
                QCOMPARE(focusIn(d), QStringLiteral("edit_num_cases"));
                QCOMPARE(textIn(d, "edit_num_cases"), QStringLiteral("10000"));
                press(d, "btn_cancel");
            });
            MessageBoxes::setNextAnswer(QMessageBox::Yes);  // the typed data may go
            action(editor, "GenerateData1")->trigger();
            QCOMPARE(textIn(editor, "txt_title"), QStringLiteral("Small set"));
        });
        QCOMPARE(messages(),
                 (QStringList{QString::fromLatin1(discard_changes_question),
                              QStringLiteral("Number of Cases must be between 1 and 9999")}));
        QCOMPARE(ModalWindows::shownWindows(), (QStringList{"TEditForm", "TGenForm", "TGenForm"}));
    }

    void theSeedChangesAtEachCallOnlyWhenTheMenuSaysSo() {
        UiSession s;
        const auto seedOfNextCall = [&s](const QString& typed) {
            QString seed;
            inEditor(s, [&seed, typed](QDialog& editor) {
                ModalWindows::setNextAction([&seed, typed](QDialog& d) {
                    seed = textIn(d, "edit_seed");
                    typeInto(d, "edit_seed", typed);
                    press(d, "btn_cancel");
                });
                action(editor, "GenerateData1")->trigger();
            });
            return seed;
        };
        s.find<QRadioButton>("rdo_edit_data")->setChecked(true);
        const QString first = seedOfNextCall(QStringLiteral("77"));
        QCOMPARE(first, QString::number(s.controller.state().generator.generator_seed_drawn));
        QCOMPARE(seedOfNextCall(QStringLiteral("78")),
                 QStringLiteral("77"));  // the box keeps what it showed
        s.command("ChangeSeedValueeverytimeGeneratorisCalled1")->trigger();
        const QString drawn = seedOfNextCall(QStringLiteral("79"));
        QVERIFY(drawn != QStringLiteral("78"));
        QCOMPARE(drawn, QString::number(s.controller.state().generator.generator_seed_drawn));
    }

    void generatedDataAreAnalysedFromTheInputMode() {
        UiSession s;
        s.find<QRadioButton>("rdo_generate")->setChecked(true);
        ModalWindows::setNextAction([](QDialog& d) {
            typeInto(d, "edit_num_cases", QStringLiteral("50"));
            typeInto(d, "edit_seed", QStringLiteral("5"));
            choose(d, "rdo_4");
            choose(d, "gen_let");
            press(d, "btn_generate");
        });
        pressInEditor("btn_done");
        s.button("btn_gotodata")->click();
        QCOMPARE(s.controller.state().data.num_examinees, 50);
        QCOMPARE(s.find<QLineEdit>("txt_t")->text(),
                 QStringLiteral("Generated: Cases=50, Items=30, Seed=5, Options=4, Diff=medium"));
        QVERIFY(s.button("btn_view_examinee")->isEnabled());
    }
};

KOR_UI_TEST(EditorDialogsTest);

}  // namespace kor::ui::testing

#include "EditorDialogsTest.moc"
