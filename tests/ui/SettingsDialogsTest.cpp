// The group, problem-item and Spearman-Brown dialogs driven through their
// real controls: what OK accepts, what it refuses with which message and
// focus, and what the next analysis does with it.

#include <QCheckBox>
#include <QLabel>

#include "DialogTestSupport.h"
#include "app/ProgramState.h"
#include "ui/SpearmanBrownDialog.h"

namespace kor::ui::testing {

namespace {

void openFromMenu(UiSession& s, const char* command, ModalWindows::Action steps) {
    ModalWindows::setNextAction(std::move(steps));
    s.command(command)->trigger();
}

// A group pair typed into the group dialog and OK pressed; the showing after
// a refusal checks the focus and the texts kept, and cancels.
QString groupRefusalFocus(const QString& top, const QString& bottom) {
    UiSession s;
    QString focused;
    ModalWindows::setNextAction([&](QDialog& d) {
        typeInto(d, "txt_disc_top", top);
        typeInto(d, "txt_disc_bottom", bottom);
        press(d, "BitBtn1");
    });
    ModalWindows::setNextAction([&](QDialog& d) {
        focused = focusIn(d);
        QCOMPARE(textIn(d, "txt_disc_top"), top);
        QCOMPARE(textIn(d, "txt_disc_bottom"), bottom);
        press(d, "BitBtn2");
    });
    s.command("SetPercentagesforItemDiscrimination1")->trigger();
    [&] {
        QCOMPARE(messages(), QStringList{QStringLiteral("Percentages cannot total more than 100")});
        QCOMPARE(ModalWindows::shownWindows(), (QStringList{"TDiscForm", "TDiscForm"}));
    }();
    return focused;
}

// A controller over an analysed test of `items` included items with the given KR20.
std::unique_ptr<ProgramState> analysedTest(double kr20, int items) {
    auto state = std::make_unique<ProgramState>();
    state->results.kr20 = kr20;
    state->data.num_included_items = items;
    return state;
}

}  // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void groupsAboveOneHundredPercentAreRefusedAtTheLargerBox() {
        QCOMPARE(groupRefusalFocus(QStringLiteral("60"), QStringLiteral("41")),
                 QStringLiteral("txt_disc_top"));
        QCOMPARE(groupRefusalFocus(QStringLiteral("41"), QStringLiteral("60")),
                 QStringLiteral("txt_disc_bottom"));
    }

    void groupsAreWholePercentagesAndDefaultsAre27() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Disrimination Percentages"));
            QCOMPARE(textIn(d, "txt_disc_top"), QStringLiteral("27"));
            typeInto(d, "txt_disc_top", QStringLiteral("27.5"));
            press(d, "BitBtn1");
        });
        ModalWindows::setNextAction([](QDialog& d) {
            QCOMPARE(focusIn(d), QStringLiteral("txt_disc_top"));
            typeInto(d, "txt_disc_top", QStringLiteral("50"));
            typeInto(d, "txt_disc_bottom", QStringLiteral("31"));
            press(d, "BitBtn1");
        });
        s.command("SetPercentagesforItemDiscrimination1")->trigger();
        QCOMPARE(
            messages(),
            (QStringList{
                QStringLiteral("Percentage must be an INTEGER value between 0-100"),
                QStringLiteral("Percentages provided do not provide a very large middle group")}));
        QCOMPARE(s.controller.state().settings.upper_group_percent_text, std::string("50"));
        QCOMPARE(s.controller.state().settings.lower_group_percent_text, std::string("31"));

        openFromMenu(s, "SetPercentagesforItemDiscrimination1", [](QDialog& d) {
            QCOMPARE(textIn(d, "txt_disc_top"), QStringLiteral("50"));
            press(d, "Button1");
            QCOMPARE(textIn(d, "txt_disc_top"), QStringLiteral("27"));
            QCOMPARE(textIn(d, "txt_disc_bottom"), QStringLiteral("27"));
            press(d, "BitBtn1");
        });
        QCOMPARE(s.controller.state().settings.lower_group_percent_text, std::string("27"));
    }

    void halfAndHalfGroupsChangeTheNextAnalysis() {
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet31")->trigger();
        const std::vector<std::string> before = s.controller.state().report_texts.items;
        openFromMenu(s, "SetPercentagesforItemDiscrimination1", [](QDialog& d) {
            typeInto(d, "txt_disc_top", QStringLiteral("50"));
            typeInto(d, "txt_disc_bottom", QStringLiteral("50"));
            press(d, "BitBtn1");
        });
        s.button("btn_analyze")->click();
        QCOMPARE(s.controller.state().settings.disc_top_fraction, 0.5);
        QCOMPARE(s.controller.state().settings.disc_bottom_fraction, 0.5);
        QVERIFY(s.controller.state().report_texts.items != before);
    }

    void problemCriteriaRefuseALowNotBelowTheHigh() {
        UiSession s;
        ModalWindows::setNextAction([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Set Criteria for Problem Items"));
            QCOMPARE(textIn(d, "txt_crit_plo"), QStringLiteral("0.20"));
            QVERIFY(child<QCheckBox>(d, "chk_suggest")->isChecked());
            typeInto(d, "txt_crit_plo", QStringLiteral("0.95"));
            typeInto(d, "txt_crit_phi", QStringLiteral("0.95"));
            press(d, "BitBtn1");
        });
        ModalWindows::setNextAction([](QDialog& d) {
            QCOMPARE(focusIn(d), QStringLiteral("txt_crit_phi"));
            QCOMPARE(textIn(d, "txt_crit_plo"), QStringLiteral("0.95"));
            press(d, "BitBtn2");
        });
        s.command("SetCriteriaforProblemItems1")->trigger();
        QCOMPARE(messages(),
                 QStringList{QStringLiteral("Item Difficulty (high) criterion must be greater than "
                                            "Item Difficulty (low) criterion")});
        QCOMPARE(ModalWindows::shownWindows(), (QStringList{"TProbForm", "TProbForm"}));
    }

    void aCommaSeparatorTakesCommasOnly() {
        UiSession s;
        s.controller.setDecimalSeparator(QLatin1Char(','));
        ModalWindows::setNextAction([](QDialog& d) {
            typeInto(d, "txt_crit_plo", QStringLiteral("0.20"));
            press(d, "BitBtn1");
        });
        ModalWindows::setNextAction([](QDialog& d) {
            QCOMPARE(focusIn(d), QStringLiteral("txt_crit_plo"));
            typeInto(d, "txt_crit_plo", QStringLiteral("0,25"));
            typeInto(d, "txt_crit_phi", QStringLiteral("0,9"));
            press(d, "BitBtn1");
        });
        s.command("SetCriteriaforProblemItems1")->trigger();
        QCOMPARE(messages(),
                 QStringList{QStringLiteral(
                     "Item Difficulty (low) criterion must be a numeric value between 0-1")});
        QCOMPARE(s.controller.state().settings.crit_p_low, 0.25);
        QCOMPARE(s.controller.state().settings.crit_p_high, 0.9);
    }

    void theButtonsFillTheBoxesAndTheMenuCheckFollowsTheRemoveValues() {
        UiSession s;
        QVERIFY(s.command("International1")->isChecked());
        openFromMenu(s, "SetCriteriaforProblemItems1", [](QDialog& d) {
            for (const char* remove : {"Button7", "Button8", "Button9", "Button10", "Button11"}) {
                press(d, remove);
            }
            QCOMPARE(textIn(d, "txt_crit_plo"), QStringLiteral("0"));
            QCOMPARE(textIn(d, "txt_crit_phi"), QStringLiteral("1"));
            QCOMPARE(textIn(d, "txt_crit_a"), QStringLiteral("-1"));
            child<QCheckBox>(d, "chk_suggest")->setChecked(false);
            press(d, "BitBtn1");
        });
        const AnalysisSettings& settings = s.controller.state().settings;
        QCOMPARE(settings.crit_disc, -1.0);
        QVERIFY(settings.problem_criteria_off);
        QVERIFY(!settings.suggest_problem_items);
        QVERIFY(!s.command("International1")->isChecked());
        QVERIFY(!s.command("ShowProblemItems1")->isChecked());

        // The menu item puts the defaults back into the dialog's boxes only.
        s.command("International1")->trigger();
        QVERIFY(s.command("International1")->isChecked());
        QCOMPARE(settings.crit_disc, -1.0);
        openFromMenu(s, "SetCriteriaforProblemItems1", [](QDialog& d) {
            QCOMPARE(textIn(d, "txt_crit_plo"), QStringLiteral("0.20"));
            QCOMPARE(textIn(d, "txt_crit_d"), QStringLiteral("0"));
            QVERIFY(!child<QCheckBox>(d, "chk_suggest")->isChecked());
            press(d, "Button2");
            press(d, "Button3");
            press(d, "Button4");
            QCOMPARE(textIn(d, "txt_crit_plo"), QStringLiteral("0.25"));
            QCOMPARE(textIn(d, "txt_crit_phi"), QStringLiteral("0.90"));
            QCOMPARE(textIn(d, "txt_crit_d"), QStringLiteral("0.20"));
            press(d, "Button1");
            QCOMPARE(textIn(d, "txt_crit_plo"), QStringLiteral("0.20"));
            QCOMPARE(textIn(d, "txt_crit_phi"), QStringLiteral("0.95"));
            press(d, "BitBtn2");
        });
        QCOMPARE(settings.crit_disc, -1.0);  // Cancel leaves the thresholds in force
    }

    void problemCriteriaChangeTheNextQuickItemReport() {
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet31")->trigger();
        openFromMenu(s, "SetCriteriaforProblemItems1", [](QDialog& d) {
            press(d, "Button2");
            press(d, "Button3");
            press(d, "BitBtn1");
        });
        s.button("btn_analyze")->click();
        QVERIFY(joinLines(s.controller.state().report_texts.items)
                    .contains(QStringLiteral("# marks potential problems (p<0.25 or p>0.9,")));
    }

    void theCalculatorsWorkedExample() {
        AppController controller(analysedTest(0.684, 47));
        SpearmanBrownDialog dialog(controller, nullptr);
        const Recording recording;
        ModalWindows::setNextAction([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Spearman-Brown Prophecy Formula"));
            QCOMPARE(textIn(d, "txt_sbrel"), QStringLiteral("0.800"));
            QCOMPARE(textIn(d, "txt_rel_out"), QStringLiteral("0.684"));
            QCOMPARE(textIn(d, "txt_current"), QStringLiteral("47"));
            QVERIFY(!child<QLabel>(d, "lbl_more_fewer")->isVisibleTo(&d));
            press(d, "btn_calc");
            QCOMPARE(textIn(d, "txt_moreitems"), QStringLiteral("40"));
            auto* more_fewer = child<QLabel>(d, "lbl_more_fewer");
            QCOMPARE(more_fewer->text(), QStringLiteral("more"));
            QVERIFY(more_fewer->isVisibleTo(&d));
            QVERIFY(more_fewer->font().bold() && !more_fewer->font().underline());
            QCOMPARE(textIn(d, "txt_multiplier"), QStringLiteral("1.85"));
            QCOMPARE(textIn(d, "txt_totalitems"), QStringLiteral("87"));
            QVERIFY(child<QLineEdit>(d, "txt_totalitems")->isReadOnly());
            keepScreenshot(d, QStringLiteral("spearman-brown-more"));

            typeInto(d, "txt_sbrel", QStringLiteral("0.5"));
            press(d, "btn_calc");
            QCOMPARE(more_fewer->text(), QStringLiteral("fewer"));
            QVERIFY(more_fewer->font().bold() && more_fewer->font().underline());
            QCOMPARE(textIn(d, "txt_moreitems"), QStringLiteral("25"));
            QCOMPARE(textIn(d, "txt_totalitems"), QStringLiteral("22"));
            keepScreenshot(d, QStringLiteral("spearman-brown"));

            typeInto(d, "txt_sbrel", QStringLiteral("1.0"));
            press(d, "btn_calc");
            QCOMPARE(focusIn(d), QStringLiteral("txt_sbrel"));
            press(d, "BitBtn1");
        });
        dialog.run();
        QCOMPARE(messages(), QStringList{QStringLiteral(
                                 "Reliability must a numeric value between 0.0 and 0.99 -- note "
                                 "that if desired reliability is 1.0, the formula results in an "
                                 "undefined value.")});
        QVERIFY(ModalWindows::unexpected().isEmpty());
    }

    void theCalculatorIsOnTheAnalysisMenuAfterAnAnalysis() {
        UiSession s;
        pressInEditor("btn_done");
        s.command("SampleDataSet31")->trigger();
        QString current;
        ModalWindows::setNextAction([&current](QDialog& d) {
            current = textIn(d, "txt_current");
            press(d, "BitBtn1");
        });
        s.command("SpearmanBrownProphecy1")->trigger();
        QCOMPARE(current, QString::number(s.controller.state().data.num_included_items));
    }
};

KOR_UI_TEST(SettingsDialogsTest);

}  // namespace kor::ui::testing

#include "SettingsDialogsTest.moc"
