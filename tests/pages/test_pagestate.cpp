// The rules of the pages run on page states alone: no window, no widget, no
// QApplication.
#include "TestRegistry.h"
#include "TestSupport.h"
#include "StateHarness.h"
#include "pages/Bindings.h"
#include "pages/XDimension_1.h"
#include "pages/XPlot_1.h"
#include "pages/XSystem_1.h"
#include "pages/XWelding_1.h"

#include <QCoreApplication>

using namespace swted;
using namespace swted::test;

namespace {


// Every control of a page that the run type restricts is greyed, and no
// other.
void ExpectRestrictions(StateHarness &h)
{
    for (const ControlEntry &c : h.page.controls) {
        if (c.bind == Bind::Rule)
            continue;
        const ControlState *s = h.state.Find(c.name);
        const bool enabled = s ? s->enabled : true;
        QVERIFY2(enabled == !c.restricted, qPrintable(c.name));
    }
}

} // namespace

class TestPageState : public QObject {
    Q_OBJECT

private slots:
    void noApplicationObject() { QVERIFY(!QCoreApplication::instance()); }

    // Rules hold the states of several controls at once while others are
    // added: a reference must survive any number of new controls.
    void stateReferencesStayValid()
    {
        PageState state;
        ControlState &first = state[QStringLiteral("first")];
        for (int i = 0; i < 1000; ++i)
            state[QStringLiteral("c%1").arg(i)].index = i;
        first.text = QStringLiteral("kept");
        QCOMPARE(state.Find(QStringLiteral("first"))->text, QStringLiteral("kept"));
        QCOMPARE(state.Find(QStringLiteral("c999"))->index, 999);
    }

    void plotDefaults()
    {
        StateHarness h(Plot);
        h.Layout();
        QCOMPARE(h["Opt_14_Combo"].index, 2);
        QCOMPARE(h["Opt_14_Combo"].items.size(), 11);
        QCOMPARE(h["Opt_14_Combo1"].index, 11);
        QCOMPARE(h["Opt_71_Combo"].index, 0);
        QCOMPARE(h["Opt_32_Text"].text, QStringLiteral("100"));
        QCOMPARE(h["Opt_36_Text"].text, QStringLiteral("1"));
        QCOMPARE(h["Opt_15_Text"].text, QStringLiteral("0")); // laid out after the list cleared it
        QCOMPARE(h["Opt_31_Option_A"].index, 0);
        QVERIFY(!h["Opt_71_CheckPlus"].enabled);
        QVERIFY(!h["lblCheckPlus"].enabled);
        h.Read();
        QCOMPARE(h.Value(14), 2); // item 0 and a stored 0 both mean A2
        QVERIFY(h.Messages().isEmpty());
        h.Layout(); // laid out again: each list holds its items once
        QCOMPARE(h["Opt_71_Combo"].items.size(), 10);
    }

    void plotPaperSizes()
    {
        StateHarness h(Plot);
        h.Set(71, 3);
        h.Set(14, 2);
        h.Layout();
        QCOMPARE(h["Opt_14_Combo1"].index, 3); // a stored 0 shows the default A3
        h.Read();
        QCOMPARE(h.Value(14), 302);
        h.Choose("Opt_14_Combo1", 0);
        h.Read();
        QCOMPARE(h.Value(14), 2);
        // Another plot format: "Not PostScript", and positions 3-4 cleared.
        h.Set(71, 4);
        h.Set(14, 905);
        h.Layout();
        QCOMPARE(h["Opt_14_Combo1"].index, 11);
        h.Read();
        QCOMPARE(h.Value(14), 5);
        // Out of range.
        h.Set(14, 1511);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(14, 1, 11, 10, 2)});
        QCOMPARE(h["Opt_14_Combo"].index, 2);
    }

    void plotStandardSizeClearsTheNonStandardOne()
    {
        StateHarness h(Plot);
        h.Set(15, 210);
        h.Set(16, 297);
        h.Layout();
        QCOMPARE(h["Opt_15_Text"].text, QStringLiteral("210"));
        h.Choose("Opt_14_Combo", 3);
        QCOMPARE(h["Opt_15_Text"].text, QStringLiteral(" 0"));
        QCOMPARE(h["Opt_16_Text"].text, QStringLiteral(" 0"));
        h.Read();
        QCOMPARE(h.Value(15), 0);
        QCOMPARE(h.Value(14), 3);
    }

    void plotPairRule_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("v15");
        QTest::addColumn<int>("v16");
        QTest::newRow("width alone") << "210" << "0" << XPlot_1::PairRuleText(15) << 0 << 0;
        QTest::newRow("height alone") << "0" << "297" << XPlot_1::PairRuleText(16) << 0 << 0;
        QTest::newRow("both") << "210" << "297" << QString() << 210 << 297;
        QTest::newRow("neither") << "0" << "" << QString() << 0 << 0;
    }
    void plotPairRule()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, message);
        QFETCH(int, v15);
        QFETCH(int, v16);
        StateHarness h(Plot);
        h.Layout();
        h["Opt_15_Text"].text = width;
        h["Opt_16_Text"].text = height;
        h.Read();
        QCOMPARE(h.Messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(h.Value(15), v15);
        QCOMPARE(h.Value(16), v16);
        if (!message.isEmpty())
            QCOMPARE(h[v15 == 0 && width != "0" ? "Opt_15_Text" : "Opt_16_Text"].text, QStringLiteral("0"));
    }

    void plotFileFormat()
    {
        StateHarness h(Plot);
        QCOMPARE(h.RoundTrip(71, 5), 4004); // DXF, with its backing sheet
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(71, 1, 5, 9, 4)});
        h.prompts.messages.clear();
        QCOMPARE(h.RoundTrip(71, 99), 4004); // above 21: DXF without a message
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.RoundTrip(71, 912345620), 902020020); // Shape2D, both boxes; 9 kept
        // Position 7: 2 ticks both boxes; unticking the first clears the second.
        h.Set(71, 2000003);
        h.Layout();
        QVERIFY(h["Opt_71_Check"].checked && h["Opt_71_CheckPlus"].checked && h["Opt_71_CheckPlus"].enabled);
        h.Tick("Opt_71_Check", false);
        QVERIFY(!h["Opt_71_CheckPlus"].checked);
        QVERIFY(!h["Opt_71_CheckPlus"].enabled);
        QVERIFY(!h["lblCheckPlus"].enabled);
        h.Tick("Opt_71_Check", true);
        QVERIFY(h["Opt_71_CheckPlus"].enabled);
        h.Read();
        QCOMPARE(h.Value(71), 1000003);
    }

    void plotOtherBindings()
    {
        StateHarness h(Plot);
        QCOMPARE(h.RoundTrip(3, 21), 1);  // whole value from position 1
        QCOMPARE(h.RoundTrip(92, 7), 1);  // any other digit: the second button
        QCOMPARE(h.RoundTrip(138, 11011), 1011); // position 5 cleared
        QCOMPARE(h.RoundTrip(31, 54321), 54311); // position 1 above 2: button 3
        h.Layout();
        h["Opt_10_Text"].text = QStringLiteral("1234");
        h["Opt_32_Text"].text = QStringLiteral("100");
        h["Opt_36_Text"].text = QStringLiteral("1");
        h["Opt_1_Text"].text = QStringLiteral("0");
        h.Read();
        QCOMPARE(h.Value(10), 234);
        QCOMPARE(h.Value(32), 0);
        QCOMPARE(h.Value(36), 0);
        QCOMPARE(h.Value(1), 0);
    }

    void plotRestricted()
    {
        StateHarness h(Plot, true);
        h.Set(10, 15);
        h.Layout();
        ExpectRestrictions(h);
        QVERIFY(h["Opt_14_Combo"].enabled);
        QCOMPARE(h["Opt_10_Text"].text, QStringLiteral("15")); // still shown
        h.Read();
        QCOMPARE(h.Value(10), 15);
    }

    void systemYearAndMessageFile()
    {
        qunsetenv("TORVA_SWITCHES");
        StateHarness h(System);
        QCOMPARE(h.RoundTrip(6, 100), 100);
        QCOMPARE(h["Option"].index, 1);
        QCOMPARE(h.RoundTrip(6, 200), 0); // only 1 is the four-digit year
        QCOMPARE(h.RoundTrip(55, 9), 0);
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(55, 1, 9, 2, 0)});
        QCOMPARE(h["Opt_55_Combo"].items.size(), 3);
        qputenv("TORVA_SWITCHES", "on");
        h.prompts.messages.clear();
        QCOMPARE(h.RoundTrip(55, 9), 9);
        QCOMPARE(h["Opt_55_Combo"].index, 3);
        QCOMPARE(h["Opt_55_Combo"].items.size(), 4);
        QVERIFY(h.Messages().isEmpty());
        qunsetenv("TORVA_SWITCHES");
        // The tolerance boxes are ticked for 0.
        h.Set(55, 10);
        h.Layout();
        QVERIFY(!h["Check1"].checked);
        QVERIFY(h["Check2"].checked);
    }

    void systemTerminals()
    {
        StateHarness h(System);
        QCOMPARE(h.RoundTrip(69, 1016), 1016);
        QCOMPARE(h["Opt_69_Combo"].index, 14);
        QCOMPARE(h.RoundTrip(69, 2), 0);
        QCOMPARE(h.Messages(), QStringList{XSystem_1::TerminalRangeText(2)});
        h.prompts.messages.clear();
        QCOMPARE(h.RoundTrip(69, 17), 0);
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(69, 1, 17, 16, 0)});
    }

    void systemRestricted()
    {
        StateHarness h(System, true);
        h.Layout();
        ExpectRestrictions(h);
        QVERIFY(h["Option"].enabled);
        QVERIFY(!h["Opt_69_Combo"].enabled);
    }

    void dimensioningStandouts()
    {
        StateHarness h(Dimension);
        h.Set(4, 2); // text size code 2: standout 16, overall 24
        h.Layout();
        QCOMPARE(h["Opt_118_text"].text, QStringLiteral("24"));
        h["Opt_8_Text"].text = QStringLiteral("16");
        h.Read();
        QCOMPARE(h.Value(8), 0);
        QCOMPARE(h.Value(118), 0);
        h["Opt_8_Text"].text = QStringLiteral("11");
        h.Read();
        QCOMPARE(h.Value(8), 0);
        h["Opt_8_Text"].text = QStringLiteral("125"); // the rightmost two characters
        h["Opt_118_text"].text = QStringLiteral("30");
        h.Read();
        QCOMPARE(h.Value(8), 25);
        QCOMPARE(h.Value(118), 300);
    }

    void dimensioningSupportsAndUsaStyle()
    {
        StateHarness h(Dimension);
        QCOMPARE(h.RoundTrip(40, 6), 6);
        QCOMPARE(h["Opt_40_Combo"].index, 4);
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.RoundTrip(40, 5), 0);
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(40, 1, 5, 3, 0)});
        h.prompts.messages.clear();
        // Positions 3-4 of switch 9 shown together, read into 3 only.
        QCOMPARE(h.RoundTrip(9, 1100), 1000);
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(9, 3, 11, 1, 0)});
    }

    void dimensioningAllInches()
    {
        StateHarness h(Dimension);
        h.Set(41, 100000);
        h.Layout();
        QVERIFY(h["Chk_Opt41_Pos6And7"].checked);
        QCOMPARE(h["Opt_41_Text"].text, QStringLiteral("24"));
        QVERIFY(!h["Opt_41_Text"].enabled);
        h.Tick("Chk_Opt41_Pos6And7", false);
        QVERIFY(h["Opt_41_Text"].enabled);
        h["Opt_41_Text"].text = QStringLiteral("36");
        h.Read();
        QCOMPARE(h.Value(41), 3600000);
        h.Tick("Chk_Opt41_Pos6And7", true);
        h.Read(); // the ticked box overrides the field
        QCOMPARE(h.Value(41), 100000);
        // Units of switch 81 follow switch 41.
        h.Set(41, 2);
        h.Layout();
        QCOMPARE(h["lbl81AUnits"].text, QStringLiteral("mm's"));
        QCOMPARE(h["lbl81BUnits"].text, QStringLiteral("mm's"));
        StateHarness restricted(Dimension, true);
        restricted.Layout();
        restricted.Tick("Chk_Opt41_Pos6And7", false);
        QVERIFY(!restricted["Opt_41_Text"].enabled);
        ExpectRestrictions(restricted);
    }

    void weldingTable()
    {
        StateHarness h(Welding);
        h.Layout();
        QCOMPARE(h["Opt_5354_Option"].index, 5); // option 6
        QVERIFY(!h["Opt_53_Option_C"].enabled);
        // Option 1 numbers welds: the small height is chosen for it.
        h.Choose("Opt_5354_Option", 0);
        QVERIFY(h["Opt_53_Option_C"].enabled);
        QCOMPARE(h["Opt_53_Option_C"].index, 0);
        h.Read();
        QCOMPARE(h.Value(53), 1);
        // Implied site welds hide options 7 to 12 and show their labels; a
        // hidden option gives way to the "All Welds" option of its row.
        h.Choose("Opt_5354_Option", 9); // option 10
        h.Tick("Opt_54_Check", true);
        QCOMPARE(h["Opt_5354_Option"].index, 4); // option 5
        for (int k = XWelding_1::FirstHiddenOption; k <= 12; ++k) {
            QVERIFY(!h[qPrintable(QStringLiteral("Opt_5354_Option_%1").arg(k))].visible);
            QVERIFY(h[qPrintable(QStringLiteral("Label25_%1").arg(k))].visible);
        }
        h.Read();
        QCOMPARE(h.Digit(54, 1), XWelding_1::ImpliedSiteWeldsCode);
        h.Layout();
        QVERIFY(h["Opt_54_Check"].checked);
        h.Tick("Opt_54_Check", false);
        QVERIFY(h["Opt_5354_Option_12"].visible);
        QVERIFY(!h["Label25_12"].visible);
    }

    void weldingSizesAndPrefixes()
    {
        StateHarness h(Welding);
        h.Set(54, 9000);
        h.Layout();
        QCOMPARE(h["Cmb_Opt54_Pos234"].index, 0);
        h.Choose("SSOptWeldTypeWeldNumbering", 2); // offshore: position 4 holds 9, no item
        QCOMPARE(h["Cmb_Opt54_Pos234"].index, -1);
        h.Choose("Cmb_Opt54_Pos234", 5); // written at once
        QCOMPARE(h.Value(54), 5000);
        h.Choose("SSOptWeldType", 1);
        h.Choose("cmb_OPT54_Pos456", 8);
        QCOMPARE(h.Value(54), 805000);
        // A prefix cannot stand in a local circle.
        h.Choose("Opt_75_Combo_B", 0);
        h.Tick("Opt_75_Check_B", true);
        QCOMPARE(h["Opt_75_Combo_B"].index, 6);
        h.Set(75, 10); // laid out with a prefix and a local circle
        h.Layout();
        QCOMPARE(h["Opt_75_Combo_A"].index, 6);
        // Double circle and ellipse of the support welds.
        QCOMPARE(h.RoundTrip(78, 1000000), 1000006);
        QCOMPARE(h["Combo_OS_78_POS1"].index, 9);
        QCOMPARE(h.RoundTrip(78, 9), 9);
        QCOMPARE(h["Combo_OS_78_POS1"].index, 10);
    }

    void weldingOwnDigits()
    {
        StateHarness h(Welding);
        QCOMPARE(h.RoundTrip(77, 2001), 2001);
        QCOMPARE(h["Opt_77_Option"].index, 0);
        QCOMPARE(h["Opt_77_Option_2"].index, 1);
        QCOMPARE(h.RoundTrip(77, 0), 1000); // position 4: one weld number is 1
        QCOMPARE(h.RoundTrip(53, 1200000), 1202000);
        QCOMPARE(h["Combo1"].index, 4);
        QCOMPARE(h.RoundTrip(53, 400), 2400); // no generated weld numbers
        QVERIFY(h["Opt_53_Pos3_Check"].checked);
        StateHarness restricted(Welding, true);
        restricted.Layout();
        ExpectRestrictions(restricted);
    }
};

SWTED_TEST_APPLESS_MAIN(TestPageState)
#include "test_pagestate.moc"
