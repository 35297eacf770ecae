// The rules of the specials page on its page state, without a window.
#include "TestRegistry.h"
#include "TestSupport.h"
#include "pages/Bindings.h"
#include "pages/XSpecial_1.h"
#include "StateHarness.h"

using namespace swted;
using namespace swted::test;

namespace {

QString Range(int n, int start, int value, int maximum)
{
    return QStringLiteral("The value of Option Switch %1, starting at position %2 was %3. This is outside the "
                          "allowable range of 0 to %4. The value will therefore be set to the default value of 0.")
        .arg(n)
        .arg(start)
        .arg(value)
        .arg(maximum);
}



} // namespace

class TestXSpecialState : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("TORVA_SWITCHES"); }

    // Every list is emptied and filled on each layout: its items never double.
    void listsAreFilledAfreshOnEveryLayout()
    {
        StateHarness h(Specials);
        h.Layout();
        h.Layout();
        QCOMPARE(h["Opt_109_Combo_Pos1"].items,
                 QStringList({"Original (Binary)", "Standard (Binary)", "Revised (Karven-Binary, Velmotar-ASCII)",
                              "Standard (ASCII)", "Revised (ASCII)"}));
        QCOMPARE(h["Opt_109_Combo_1"].items,
                 QStringList({"Do NOT write Spool Identifiers to Return File",
                              "Write Numeric Spool Identifiers to Return File",
                              "Write AlphaNumeric Spool Identifiers to Return File"}));
        QCOMPARE(h["Opt_109_Combo_2"].items,
                 QStringList({"Do NOT write Component Information to Return File",
                              "Write Component Information & Numeric Spool ID's",
                              "Write Component Information & AlphaNumeric Spool ID's"}));
        QCOMPARE(h["Opt_82_Combo_A"].items,
                 QStringList({"C of G for Dry Pipe NOT required", "Calculate C of G", "Calculate C of G With Insulation",
                              "Calculate C of G With AND Without Insulation"}));
        QCOMPARE(h["Opt_82_Combo_B"].items,
                 QStringList({"C of G for Wet Pipe NOT required", "Calculate C of G", "Calculate C of G With Insulation",
                              "Calculate C of G With AND Without Insulation"}));
        QVERIFY(h.Messages().isEmpty());
        h.Read();
        for (int n = 1; n <= 140; ++n)
            QCOMPARE(h.Value(n), 0);
    }

    // Switch 52: any digit but 0 selects the second button; reading back
    // stores 0 or 1; positions 4 to 9 keep their digits.
    void equipmentTrimDrawings()
    {
        StateHarness h(Specials);
        h.Set(52, 987654170);
        h.Layout();
        QCOMPARE(h["Opt_52_Option_A"].index, 0);
        QCOMPARE(h["Opt_52_Option_B"].index, 1);
        QCOMPARE(h["Opt_52_Option_C"].index, 1);
        h.Read();
        QCOMPARE(h.Value(52), 987654110);
        h.Choose("Opt_52_Option_A", 1);
        h.Choose("Opt_52_Option_C", 0);
        h.Read();
        QCOMPARE(h.Value(52), 987654011);
    }

    void clearScreen()
    {
        QCOMPARE(StateHarness(Specials).RoundTrip(58, 1), 1);
        QCOMPARE(StateHarness(Specials).RoundTrip(58, 2), 0); // shows clear: only 1 ticks the box
        QCOMPARE(StateHarness(Specials).RoundTrip(58, 40), 40);
        StateHarness h(Specials);
        h.Layout();
        h.Tick("Opt_58_Check", true);
        h.Read();
        QCOMPARE(h.Value(58), 1);
    }

    void repeatabilityFile()
    {
        StateHarness h(Specials);
        // Position 9 is not shown and survives; every other one is shown.
        h.Set(109, 911021314);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h["Opt_109_Combo_Pos1"].index, 4);
        QCOMPARE(h["Opt_109_Check_A"].checked, true);
        QCOMPARE(h["Opt_109_Check_B"].checked, false); // 3 is not 1
        QCOMPARE(h["Opt_109_Combo_1"].index, 1);
        QCOMPARE(h["Opt_109_Combo_2"].index, 2);
        QCOMPARE(h["Opt_109_Check_E"].checked, false);
        QCOMPARE(h["Opt_109_Check_F"].checked, true);
        QCOMPARE(h["Opt_109_Check_G"].checked, true);
        h.Read();
        QCOMPARE(h.Value(109), 911021014);

        h.Set(109, 900000000);
        h.Layout();
        h.Tick("Opt_109_Check_A", true);
        h.Tick("Opt_109_Check_E", true);
        h.Choose("Opt_109_Combo_Pos1", 3);
        h.Choose("Opt_109_Combo_1", 2);
        h.Read();
        QCOMPARE(h.Value(109), 900102013);
    }

    void ghostGap_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::newRow("0 shows 18, kept") << 0 << "18" << QString() << 0;
        QTest::newRow("typing 18 stores 0") << 25 << "25" << "18" << 0;
        QTest::newRow("18 with blanks") << 25 << "25" << " 18 " << 0;
        QTest::newRow("018 is not the default") << 0 << "18" << "018" << 18;
        QTest::newRow("5 stores 05") << 0 << "18" << "5" << 5;
        QTest::newRow("17: no lower limit") << 0 << "18" << "17" << 17;
        QTest::newRow("60 kept") << 0 << "18" << "60" << 60;
        QTest::newRow("61 becomes 60") << 0 << "18" << "61" << 60;
        QTest::newRow("75 becomes 60") << 0 << "18" << "75" << 60;
        QTest::newRow("99 becomes 60") << 0 << "18" << "99" << 60;
        QTest::newRow("three digits: the last two") << 0 << "18" << "175" << 60;
        QTest::newRow("letters count as 0") << 0 << "18" << "ab" << 0;
        // A stored gap above 60 is said at once and shown as 60.
        QTest::newRow("stored 75 shows 60") << 75 << "60" << QString() << 60;
        QTest::newRow("stored 18 reads back as 0") << 18 << "18" << QString() << 0;
    }
    void ghostGap()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(int, result);
        // Positions 3 to 9 are not shown and keep their digits.
        const int32_t others = 123456700;
        StateHarness h(Specials);
        h.Set(110, others + stored);
        h.Layout();
        QCOMPARE(h["Opt_110_Text"].text, shown);
        if (!typed.isNull())
            h.Type("Opt_110_Text", typed);
        h.Read();
        QCOMPARE(h.Value(110), others + result);
        // What is typed is limited without a message (the field refuses it).
        QCOMPARE(h.Messages(), stored > 60 ? QStringList{LimitedText(110, 1, stored, 60)} : QStringList());
    }

    // Position 1 of switch 82: 0 off, 1 per iso or spool sheet, 2 to 9 per
    // pipeline (read back as 2).
    void weightCalculations_data()
    {
        QTest::addColumn<int32_t>("stored");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("button");
        QTest::addColumn<int32_t>("readBack");
        QTest::newRow("1: per sheet") << int32_t(1) << true << XSpecial_1::PerSheetButton << int32_t(1);
        QTest::newRow("2: per pipeline") << int32_t(2) << true << XSpecial_1::PerPipelineButton << int32_t(2);
        QTest::newRow("3 to 9: per pipeline") << int32_t(7) << true << XSpecial_1::PerPipelineButton << int32_t(2);
        QTest::newRow("00032: wet weight 3 shows clear") << int32_t(32) << true << XSpecial_1::PerPipelineButton
                                                         << int32_t(2);
        QTest::newRow("all shown") << int32_t(32111) << true << XSpecial_1::PerSheetButton << int32_t(32111);
        QTest::newRow("off: positions 2 to 5 dropped, 6 to 9 kept") << int32_t(987632110) << false << -1
                                                                     << int32_t(987600000);
    }
    void weightCalculations()
    {
        QFETCH(int32_t, stored);
        QFETCH(bool, on);
        QFETCH(int, button);
        QFETCH(int32_t, readBack);
        StateHarness h(Specials);
        h.Set(82, stored);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h["Opt_82_Check_A"].checked, on);
        QCOMPARE(h["Opt_82_Option"].index, button);
        if (!on) {
            QVERIFY(!h["Opt_82_Check_B"].checked && !h["Opt_82_Check_C"].checked);
            QCOMPARE(h["Opt_82_Combo_A"].index, 0);
            QCOMPARE(h["Opt_82_Combo_B"].index, 0);
        }
        // The rest of the group counts only while the calculations are on.
        for (const char *name : {"Opt_82_Option", "Opt_82_Check_B", "Opt_82_Check_C", "Opt_82_Combo_A", "Opt_82_Combo_B"})
            QCOMPARE(h[name].enabled, on);
        h.Read();
        QCOMPARE(h.Value(82), readBack);
    }

    void weightCalculationsTurnedOnAndOff()
    {
        StateHarness h(Specials);
        // Off: ticking only the first box stores the selected button's
        // digit; the buttons keep what they showed before.
        h.Set(82, 1);
        h.Layout();
        h.Set(82, 0);
        h.Layout();
        QCOMPARE(h["Opt_82_Option"].index, XSpecial_1::PerSheetButton);
        h.Tick("Opt_82_Check_A", true);
        QVERIFY(h["Opt_82_Check_B"].enabled);
        h.Read();
        QCOMPARE(h.Value(82), 1);

        h.Choose("Opt_82_Option", XSpecial_1::PerPipelineButton);
        h.Tick("Opt_82_Check_C", true);
        h.Choose("Opt_82_Combo_A", 3);
        h.Choose("Opt_82_Combo_B", 1);
        h.Read();
        QCOMPARE(h.Value(82), 13102);

        // Turned off: positions 1 to 5 become 0 whatever the rest shows.
        h.Tick("Opt_82_Check_A", false);
        QVERIFY(!h["Opt_82_Combo_A"].enabled);
        h.Read();
        QCOMPARE(h.Value(82), 0);

        // A fresh page with no button selected stores "per pipeline".
        StateHarness fresh(Specials);
        fresh.Layout();
        QCOMPARE(fresh["Opt_82_Option"].index, -1);
        fresh.Tick("Opt_82_Check_A", true);
        fresh.Read();
        QCOMPARE(fresh.Value(82), 2);
    }

    // Each list reports a digit above its last item, in the order of the
    // lists, and shows item 0; the store keeps the digit until read back.
    // The lists of switch 82 are not checked while the calculations are off.
    void listsOutOfRange()
    {
        StateHarness h(Specials);
        h.Set(109, 98007);
        h.Set(82, 98001);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList({Range(109, 1, 7, 4), Range(109, 4, 8, 2), Range(109, 5, 9, 2),
                                            Range(82, 4, 8, 3), Range(82, 5, 9, 3)}));
        for (const char *list : {"Opt_109_Combo_Pos1", "Opt_109_Combo_1", "Opt_109_Combo_2", "Opt_82_Combo_A"})
            QCOMPARE(h[list].index, 0);
        QCOMPARE(h.Value(109), 98007);
        h.Read();
        QCOMPARE(h.Value(109), 0);
        QCOMPARE(h.Value(82), 1);

        StateHarness last(Specials);
        last.Set(109, 22004); // the last items
        last.Set(82, 33001);
        last.Layout();
        last.Set(82, 98000); // off
        last.Layout();
        QVERIFY(last.Messages().isEmpty());
        last.Read();
        QCOMPARE(last.Value(82), 0);
    }

    void torvaButtonsFollowTheEnvironment_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("shown");
        QTest::newRow("unset") << QByteArray() << false;
        QTest::newRow("ON") << QByteArray("ON") << true;
        QTest::newRow("on") << QByteArray("on") << true;
        QTest::newRow("oN") << QByteArray("oN") << true;
        QTest::newRow("yes") << QByteArray("yes") << false;
        QTest::newRow("ON with a blank") << QByteArray("ON ") << false;
        QTest::newRow("empty") << QByteArray("") << false;
    }
    void torvaButtonsFollowTheEnvironment()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, shown);
        TorvaSwitches env(value.isNull() ? nullptr : value.constData());
        StateHarness h(Specials);
        // Read when the page is made: a later change of the variable does
        // not matter to it.
        qputenv("TORVA_SWITCHES", shown ? "no" : "ON");
        h.Layout();
        for (int k = 1; k <= 2; ++k) {
            const ControlState &button = h[qPrintable(XSpecial_1::TorvaButton(k))];
            QCOMPARE(button.visible, shown);
            QCOMPARE(button.enabled, shown);
        }
    }

    // The restricted run type: every control is greyed (the TORVA buttons
    // too); the values are still shown and read back.
    void restrictedRunTypeGreysEveryControl()
    {
        TorvaSwitches env("ON");
        StateHarness h(Specials, true);
        h.Set(52, 101);
        h.Set(82, 11);
        h.Set(110, 25);
        h.Layout();
        for (const ControlEntry &c : h.page.controls)
            QVERIFY2(!h.state[c.name].enabled, qPrintable(c.name));
        QVERIFY(h[qPrintable(XSpecial_1::TorvaButton(1))].visible);
        QCOMPARE(h["Opt_52_Option_C"].index, 1);
        QCOMPARE(h["Opt_82_Check_A"].checked, true);
        QCOMPARE(h["Opt_110_Text"].text, QStringLiteral("25"));
        h.Read();
        QCOMPARE(h.Value(52), 101);
        QCOMPARE(h.Value(82), 11);
        QCOMPARE(h.Value(110), 25);
    }

    // Switch 113 in the TORVA window: any digit but 0 shows the second
    // button; closing stores 0 or 1 in position 1 and keeps the others.
    void torvaSwitch113()
    {
        SwitchStore store;
        ScriptedPrompts prompts;
        const QString options = XSpecial_1::TorvaOptions();
        const std::initializer_list<std::tuple<int32_t, int, int32_t>> cases = {
            {0, 0, 0}, {1, 1, 1}, {7, 1, 1}, {123450, 0, 123450}, {987654329, 1, 987654321}};
        for (const auto &[stored, shown, readBack] : cases) {
            PageState state;
            store.SetWholeValue(113, stored);
            XSpecial_1::LayoutTorva(store, state);
            QCOMPARE(state[options].index, shown);
            QVERIFY(XSpecial_1::ReadTorva(store, prompts, state));
            QCOMPARE(store.GetSwitchValue(113), readBack);
        }
        PageState state;
        store.SetWholeValue(113, 500);
        XSpecial_1::LayoutTorva(store, state);
        state[options].index = 1;
        XSpecial_1::ReadTorva(store, prompts, state);
        QCOMPARE(store.GetSwitchValue(113), 501);
        // A window that never showed the switch stores nothing.
        QVERIFY(XSpecial_1::ReadTorva(store, prompts, PageState()));
        QCOMPARE(store.GetSwitchValue(113), 501);
        QVERIFY(prompts.messages.isEmpty());
    }
};

SWTED_TEST_GUILESS_MAIN(TestXSpecialState)
#include "test_xspecial_state.moc"
