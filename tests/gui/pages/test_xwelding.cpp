#include "TestRegistry.h"
#include "pages/XWelding_1.h"
#include "PageHarness.h"

#include <QLabel>

using namespace swted;
using namespace swted::test;

namespace {
// Switch 53 with position 1 = a and position 4 = b, other positions given.
int32_t Switch53(int a, int b, int32_t others = 0) { return others + a + 1000 * b; }

QRadioButton *WeldOption(PageHarness &h, int k)
{
    return h.W<QRadioButton>(qPrintable(QStringLiteral("Opt_5354_Option_%1").arg(k)));
}
QRadioButton *Height(PageHarness &h, int i)
{
    return h.W<QRadioButton>(qPrintable(QStringLiteral("Opt_53_Option_C_%1").arg(i)));
}
int SelectedWeldOption(PageHarness &h)
{
    for (int k = 1; k <= 12; ++k)
        if (WeldOption(h, k)->isChecked())
            return k;
    return 0;
}
int SelectedHeight(PageHarness &h)
{
    for (int i = 1; i <= 3; ++i)
        if (Height(h, i)->isChecked())
            return i;
    return 0;
}
} // namespace

class TestXWelding : public QObject {
    Q_OBJECT

private slots:
    void chosenOptionForStoredDigits_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("height");
        QTest::newRow("all zero: position 4 taken as 2") << 0 << 0 << 0 << 6 << 0;
        QTest::newRow("a 5 b 0 becomes 2") << 5 << 0 << 0 << 1 << 2;
        QTest::newRow("a 9 b 1 becomes 3") << 9 << 1 << 0 << 5 << 3;
        QTest::newRow("all / fab-site") << 3 << 2 << 0 << 2 << 3;
        QTest::newRow("all / fab") << 5 << 2 << 0 << 3 << 2;
        QTest::newRow("all / site") << 7 << 2 << 0 << 4 << 1;
        QTest::newRow("t 1: none / none") << 4 << 2 << 1 << 12 << 0;
        QTest::newRow("t 2, b 0 as 1") << 0 << 0 << 2 << 11 << 0; // a = 0 makes b 2 first
        QTest::newRow("t 2, b 0, a 4") << 4 << 0 << 2 << 10 << 1;
        QTest::newRow("t 2, b 1, a 1") << 1 << 1 << 2 << 10 << 1;
        QTest::newRow("t 2, b 2, a 8") << 8 << 2 << 2 << 9 << 2;
        QTest::newRow("t 2, b 2, a 0") << 0 << 2 << 2 << 11 << 0;
        QTest::newRow("t 3, a 4") << 4 << 2 << 3 << 7 << 1;
        QTest::newRow("t 3, a 0") << 0 << 2 << 3 << 8 << 0;
        QTest::newRow("t 4 as 0") << 2 << 1 << 4 << 5 << 2;
        QTest::newRow("t 7 as 0") << 6 << 2 << 7 << 3 << 3;
        QTest::newRow("b 3: none") << 1 << 3 << 0 << 0 << 0;
        QTest::newRow("t 2, b 5: none") << 1 << 5 << 2 << 0 << 0;
    }
    void chosenOptionForStoredDigits()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, t);
        QFETCH(int, option);
        QFETCH(int, height);
        const XWelding_1::WeldChoice c = XWelding_1::ChooseWeldOption(a, b, t);
        QCOMPARE(c.option, option);
        QCOMPARE(c.height, height);

        // The page shows the same and reads it back as the table row says.
        PageHarness h(3);
        h.Set(53, Switch53(a, b));
        h.Set(54, t);
        h.Layout();
        QCOMPARE(SelectedWeldOption(h), option);
        QCOMPARE(SelectedHeight(h), height);
        h.Read();
        const XWelding_1::WeldOption &row = XWelding_1::WeldTable(option > 0 ? option : 1);
        QCOMPARE(h.Digit(53, 1), row.numbers ? height + row.heightOffset : 0);
        QCOMPARE(h.Digit(53, 4), row.position4);
        QCOMPARE(h.Value(54), t == 4 ? 4 : row.plottedCode);
        QVERIFY(h.Messages().isEmpty());
    }

    void storedValuesReadBackAsPrescribed()
    {
        {
            PageHarness h(3);
            h.Layout();
            QCOMPARE(SelectedWeldOption(h), 6);
            h.Read();
            QCOMPARE(h.Value(53), 2000); // position 4 = 2
            QCOMPARE(h.Value(54), 0);
        }
        {
            PageHarness h(3);
            h.Set(53, 5);
            h.Layout();
            QCOMPARE(SelectedWeldOption(h), 1);
            QCOMPARE(h.Shown(Height(h, 2)->text()), QStringLiteral("Medium-1.8 mm"));
            QVERIFY(Height(h, 2)->isChecked());
            h.Read();
            QCOMPARE(h.Value(53), 2);
        }
        {
            PageHarness h(3);
            h.Set(53, 2004);
            h.Set(54, 3);
            h.Layout();
            QCOMPARE(SelectedWeldOption(h), 7);
            QVERIFY(Height(h, 1)->isChecked());
            h.Read();
            QCOMPARE(h.Value(53), 2004);
            QCOMPARE(h.Value(54), 3);
        }
        {
            // A plotted code of 5 to 9 is laid out as 0 and rewritten.
            PageHarness h(3);
            h.Set(53, 2002);
            h.Set(54, 7);
            h.Layout();
            QCOMPARE(SelectedWeldOption(h), 2);
            h.Read();
            QCOMPARE(h.Value(54), 0);
        }
    }

    // Every option with every text height, as a user picks them, then laid
    // out again from what was stored.
    void weldTableRowByRow_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("implied");
        for (int k = 1; k <= 12; ++k) {
            const bool numbers = XWelding_1::WeldTable(k).numbers;
            for (int height = numbers ? 1 : 0; height <= (numbers ? 3 : 0); ++height) {
                QTest::addRow("option %d height %d", k, height) << k << height << false;
                if (k < 7)
                    QTest::addRow("option %d height %d implied", k, height) << k << height << true;
            }
        }
    }
    void weldTableRowByRow()
    {
        QFETCH(int, k);
        QFETCH(int, height);
        QFETCH(bool, implied);
        static const int expected[13][3] = {
            // position 1 offset (-1: always 0), position 4, plotted code
            {0, 0, 0},   {0, 0, 0},  {0, 2, 0},  {3, 2, 0}, {6, 2, 0},  {0, 1, 0}, {-1, 2, 0},
            {3, 2, 3},   {-1, 2, 3}, {6, 2, 2},  {0, 1, 2}, {-1, 2, 2}, {-1, 2, 1},
        };
        PageHarness h(3);
        h.Set(53, 111110210); // positions 2, 3 and 5 to 9 are not the table's
        h.Layout();
        h.Click(WeldOption(h, k));
        QVERIFY(WeldOption(h, k)->isChecked());
        if (height > 0) {
            QVERIFY(Height(h, height)->isEnabled());
            h.Click(Height(h, height));
        } else {
            QVERIFY(!Height(h, 1)->isEnabled());
            QCOMPARE(SelectedHeight(h), 0);
        }
        if (implied)
            h.Click(h.Check("Opt_54_Check"));
        QCOMPARE(SelectedWeldOption(h), k);
        h.Read();
        const int position1 = expected[k][0] < 0 ? 0 : height + expected[k][0];
        QCOMPARE(h.Digit(53, 1), position1);
        QCOMPARE(h.Digit(53, 4), expected[k][1]);
        QCOMPARE(h.Value(53) - h.Digit(53, 1) - 1000 * h.Digit(53, 4), 111110210);
        QCOMPARE(h.Value(54), implied ? 4 : expected[k][2]);

        h.Layout();
        QCOMPARE(SelectedWeldOption(h), k);
        QCOMPARE(SelectedHeight(h), height);
        QCOMPARE(h.Check("Opt_54_Check")->isChecked(), implied);
    }

    void optionsThatNumberNoWeldsHaveNoTextHeight()
    {
        PageHarness h(3);
        h.Set(53, 3);
        h.Layout();
        QVERIFY(Height(h, 3)->isChecked());
        for (int k : {6, 8, 11, 12}) {
            h.Click(WeldOption(h, 2));
            h.Click(Height(h, 3));
            h.Click(WeldOption(h, k));
            QCOMPARE(SelectedHeight(h), 0);
            for (int i = 1; i <= 3; ++i)
                QVERIFY(!Height(h, i)->isEnabled());
        }
        // Back on a numbering row, the heights open and Small is chosen.
        h.Click(WeldOption(h, 9));
        QVERIFY(Height(h, 1)->isEnabled());
        QVERIFY(Height(h, 1)->isChecked());
        h.Click(Height(h, 2));
        h.Click(WeldOption(h, 10)); // a height already chosen stays
        QVERIFY(Height(h, 2)->isChecked());
    }

    void impliedSiteWeldsBoxHidesOptions7To12_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("replacement");
        QTest::newRow("7") << 7 << 3;
        QTest::newRow("8") << 8 << 6;
        QTest::newRow("9") << 9 << 4;
        QTest::newRow("10") << 10 << 5;
        QTest::newRow("11") << 11 << 6;
        QTest::newRow("12") << 12 << 6;
        QTest::newRow("2 stays") << 2 << 2;
    }
    void impliedSiteWeldsBoxHidesOptions7To12()
    {
        QFETCH(int, selected);
        QFETCH(int, replacement);
        PageHarness h(3);
        h.Layout();
        for (int k = 7; k <= 12; ++k) {
            QVERIFY(WeldOption(h, k)->isVisible());
            QVERIFY(!h.page->Widget(QStringLiteral("Label25_%1").arg(k))->isVisible());
        }
        h.Click(WeldOption(h, selected));
        h.Click(h.Check("Opt_54_Check"));
        QCOMPARE(SelectedWeldOption(h), replacement);
        QCOMPARE(Height(h, 1)->isEnabled(), XWelding_1::WeldTable(replacement).numbers);
        for (int k = 7; k <= 12; ++k) {
            QVERIFY(!WeldOption(h, k)->isVisible());
            QWidget *label = h.page->Widget(QStringLiteral("Label25_%1").arg(k));
            QVERIFY(label->isVisible());
            QCOMPARE(qobject_cast<QLabel *>(label)->text(), QStringLiteral(" ?"));
        }
        h.Read();
        QCOMPARE(h.Value(54), 4);
        h.Click(h.Check("Opt_54_Check"));
        for (int k = 7; k <= 12; ++k) {
            QVERIFY(WeldOption(h, k)->isVisible());
            QVERIFY(!h.page->Widget(QStringLiteral("Label25_%1").arg(k))->isVisible());
        }
        h.Read();
        QCOMPARE(h.Value(54), 0);
    }

    void impliedSiteWeldsStoredShowsTheBoxTicked()
    {
        PageHarness h(3);
        h.Set(54, 4);
        h.Set(53, 1001);
        h.Layout();
        QVERIFY(h.Check("Opt_54_Check")->isChecked());
        QVERIFY(!WeldOption(h, 9)->isVisible());
        QCOMPARE(SelectedWeldOption(h), 5);
        h.Set(54, 0);
        h.Layout();
        QVERIFY(!h.Check("Opt_54_Check")->isChecked());
        QVERIFY(WeldOption(h, 9)->isVisible());
    }

    void enclosureSizesAreWrittenWhenChosen()
    {
        PageHarness h(3);
        h.Set(54, 6543210);
        h.Layout();
        auto *sizes = h.List("Cmb_Opt54_Pos234");
        auto *supportSizes = h.List("cmb_OPT54_Pos456");
        QCOMPARE(sizes->count(), 9);
        QVERIFY(h.Option("SSOptWeldTypeWeldNumbering", 0)->isChecked());
        QVERIFY(h.Option("SSOptWeldType", 0)->isChecked());
        QCOMPARE(sizes->currentIndex(), 1);        // position 2
        QCOMPARE(supportSizes->currentIndex(), 4); // position 5
        h.Click(h.Option("SSOptWeldTypeWeldNumbering", 2));
        QCOMPARE(sizes->currentIndex(), 3); // position 4
        h.Choose("Cmb_Opt54_Pos234", 8);
        QCOMPARE(h.Value(54), 6548210); // at once, before the page is read
        QCOMPARE(sizes->currentText(), QStringLiteral("Variable Size"));
        h.Click(h.Option("SSOptWeldType", 1));
        QCOMPARE(supportSizes->currentIndex(), 5);
        h.Choose("cmb_OPT54_Pos456", 0);
        QCOMPARE(h.Value(54), 6048210);
        h.Read(); // positions 2 to 7 are left as the lists wrote them
        QCOMPARE(h.Value(54), 6048210);
    }

    // A 9 has no size item: the list shows none and the digit stays.
    void enclosureSizeDigit9()
    {
        PageHarness h(3);
        h.Set(54, 9999990);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.List("Cmb_Opt54_Pos234")->currentIndex(), -1);
        QCOMPARE(h.List("cmb_OPT54_Pos456")->currentIndex(), -1);
        h.Click(h.Option("SSOptWeldTypeWeldNumbering", 1));
        QCOMPARE(h.List("Cmb_Opt54_Pos234")->currentIndex(), -1);
        h.Read();
        QCOMPARE(h.Value(54), 9999990);
        h.Choose("Cmb_Opt54_Pos234", 2);
        QCOMPARE(h.Value(54), 9999290);
    }

    void weldNumberEnclosures_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<int>("written");
        QTest::newRow("ellipse") << 9 << 10 << false << 9;
        QTest::newRow("prefix on a local circle") << 10 << 6 << true << 16;
        QTest::newRow("prefix on an ellipse") << 19 << 10 << true << 19;
        QTest::newRow("double circle") << 1000003 << 9 << false << 1000006;
        QTest::newRow("no numbers beats double circle") << 1000008 << 8 << false << 8;
        QTest::newRow("triangle with prefix") << 13 << 3 << true << 13;
        QTest::newRow("local circle") << 0 << 0 << false << 0;
    }
    void weldNumberEnclosures()
    {
        QFETCH(int, stored);
        QFETCH(int, item);
        QFETCH(bool, prefix);
        QFETCH(int, written);
        PageHarness h(3);
        // The same group in all three places: fabrication, field, offshore.
        const int fab = stored % 100;
        const int d = stored / 1000000;
        h.Set(75, fab + 100 * fab + 10000 * fab + 1000000 * d + 10000000 * d + 100000000 * d);
        h.Layout();
        for (const char *list : {"Opt_75_Combo_A", "Opt_75_Combo_B", "Opt_75_Combo_C"})
            QCOMPARE(h.List(list)->currentIndex(), item);
        for (const char *box : {"Opt_75_Check_A", "Opt_75_Check_B", "Opt_75_Check_C"})
            QCOMPARE(h.Check(box)->isChecked(), prefix);
        h.Read();
        const int wfab = written % 100;
        const int wd = written / 1000000;
        QCOMPARE(h.Value(75), wfab + 100 * wfab + 10000 * wfab + 1000000 * wd + 10000000 * wd + 100000000 * wd);
    }

    void enclosureListTexts()
    {
        PageHarness h(3);
        h.Layout();
        QCOMPARE(h.List("Opt_75_Combo_A")->itemText(8), QStringLiteral("No Shop Weld Numbers to be output"));
        QCOMPARE(h.List("Opt_75_Combo_B")->itemText(8), QStringLiteral("No Field Weld Numbers to be output"));
        QCOMPARE(h.List("Combo_OS_78_POS5")->itemText(8), QStringLiteral("No Offshore Weld Numbers to be output"));
        QCOMPARE(h.List("Combo_OS_78_POS1")->itemText(9), QStringLiteral("Double Circle (Text Size from OS 4)"));
        QCOMPARE(h.List("Opt_75_Combo_C")->itemText(0), QStringLiteral("Local Circle (Text Size from OS 53)"));
        QCOMPARE(h.List("Opt_75_Combo_C")->count(), 11);
        QCOMPARE(h.List("OPT_77_ComboG")->itemText(0), QStringLiteral("2 Weld numbers (Fixed)"));
        QCOMPARE(h.List("Combo1")->itemText(4),
                 QStringLiteral("Individual sequence for each support weld type (start from 1 on each drawing)"));
    }

    void prefixMovesALocalCircleToACircle()
    {
        PageHarness h(3);
        h.Layout();
        QCOMPARE(h.List("Opt_75_Combo_B")->currentIndex(), 0);
        h.Click(h.Check("Opt_75_Check_B"));
        QCOMPARE(h.List("Opt_75_Combo_B")->currentText(), QStringLiteral("Circle (Text Size from OS 4)"));
        h.Choose("Opt_75_Combo_B", 0);
        QCOMPARE(h.List("Opt_75_Combo_B")->currentIndex(), 6);
        h.Click(h.Check("Opt_75_Check_B"));
        h.Choose("Opt_75_Combo_B", 0); // without a prefix a local circle is allowed
        QCOMPARE(h.List("Opt_75_Combo_B")->currentIndex(), 0);
        // The support weld lists have no such rule.
        h.Click(h.Check("Check1"));
        h.Choose("Combo_OS_78_POS1", 0);
        QCOMPARE(h.List("Combo_OS_78_POS1")->currentIndex(), 0);
        h.Read();
        QCOMPARE(h.Value(75), 0);
        QCOMPARE(h.Value(78), 10);
    }

    void supportWeldEnclosures()
    {
        PageHarness h(3);
        h.Set(78, 1000004); // position 7 = 1
        h.Layout();
        QCOMPARE(h.List("Combo_OS_78_POS1")->currentText(), QStringLiteral("Double Circle (Text Size from OS 4)"));
        h.Read();
        QCOMPARE(h.Value(78), 1000006);

        h.Set(78, 100900); // group 2: e 9 -> ellipse; group 3: prefix with local circle stays local
        h.Layout();
        QCOMPARE(h.List("Combo_OS_78_POS3")->currentIndex(), 10);
        QCOMPARE(h.List("Combo_OS_78_POS5")->currentIndex(), 0);
        QVERIFY(h.Check("Check3")->isChecked());
        QVERIFY(h.Check("Check2")->isChecked() == false);
        h.Choose("Combo_OS_78_POS3", 9);
        h.Read();
        QCOMPARE(h.Value(78), 10100600);
    }

    void siteWeldsWithSpools()
    {
        PageHarness h(3);
        h.Set(83, 31);
        h.Layout();
        QVERIFY(h.Check("Check_OS_83_Pos1")->isChecked());
        h.Read();
        QCOMPARE(h.Value(83), 31);
        h.Click(h.Check("Check_OS_83_Pos1"));
        h.Read();
        QCOMPARE(h.Value(83), 30);
    }

    void flangesPadsAndTackWelds()
    {
        PageHarness h(3);
        h.Layout();
        // Position 4 = 0 shows one weld number at Y fittings and stores 1.
        QVERIFY(h.Option("Opt_77_Option_2", 0)->isChecked());
        QCOMPARE(h.Shown(h.Option("Opt_77_Option_2", 0)->text()), QStringLiteral("One Weld Number at 'Y' type Fittings"));
        QVERIFY(h.Option("Opt_77_Option", 1)->isChecked()); // digit 0: one weld number at slip-on flanges
        h.Read();
        QCOMPARE(h.Value(77), 1000);

        h.Set(77, 8012101);
        h.Layout();
        QVERIFY(h.Option("Opt_77_Option", 0)->isChecked());
        QCOMPARE(h.List("Opt_77_Combo")->currentIndex(), 0); // position 2 is 0
        QVERIFY(h.Check("Opt_77_Check")->isChecked());
        QVERIFY(h.Option("Opt_77_Option_2", 1)->isChecked());
        QVERIFY(h.Option("Opt_77_Pos5", 1)->isChecked());
        QCOMPARE(h.List("OPT_77_ComboG")->currentText(), QStringLiteral("8 weld numbers"));
        h.Read();
        QCOMPARE(h.Value(77), 8012101);

        h.Click(h.Option("Opt_77_Option", 1));
        h.Click(h.Option("Opt_77_Option_2", 0));
        h.Click(h.Option("Opt_77_Pos5", 0));
        h.Choose("Opt_77_Combo", 2);
        h.Read();
        QCOMPARE(h.Value(77), 8001120);
    }

    void outOfRangeLists()
    {
        PageHarness h(3);
        h.Set(53, 2030);
        h.Set(77, 70);
        h.Layout();
        QCOMPARE(h.Messages(),
                 (QStringList{"The value of Option Switch 53, starting at position 2 was 3. This is outside the allowable "
                              "range of 0 to 2. The value will therefore be set to the default value of 0.",
                              "The value of Option Switch 77, starting at position 2 was 7. This is outside the allowable "
                              "range of 0 to 2. The value will therefore be set to the default value of 0."}));
        QVERIFY(h.AllPlain());
        h.Read();
        QCOMPARE(h.Digit(53, 2), 0);
        QCOMPARE(h.Digit(77, 2), 0);
    }

    void numberingSequences_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("from"); // -1: none selected
        QTest::addColumn<bool>("match");
        QTest::addColumn<bool>("suppress");
        QTest::newRow("0") << 0 << 0 << false << false;
        QTest::newRow("1") << 1 << 1 << false << false;
        QTest::newRow("2") << 2 << 0 << true << false;
        QTest::newRow("3") << 3 << 1 << true << false;
        QTest::newRow("4") << 4 << -1 << false << true;
    }
    void numberingSequences()
    {
        QFETCH(int, digit);
        QFETCH(int, from);
        QFETCH(bool, match);
        QFETCH(bool, suppress);
        PageHarness h(3);
        h.Set(53, 2000 + 100 * digit);
        h.Layout();
        QCOMPARE(h.Option("Opt_53_Option_A", 0)->isChecked(), from == 0);
        QCOMPARE(h.Option("Opt_53_Option_A", 1)->isChecked(), from == 1);
        QCOMPARE(h.Check("opt_53_check")->isChecked(), match);
        QCOMPARE(h.Check("Opt_53_Pos3_Check")->isChecked(), suppress);
        h.Read();
        QCOMPARE(h.Value(53), 2000 + 100 * digit);
    }

    void supportWeldNumberingAndTheOtherPositionsOf53()
    {
        const int digits[5][2] = {{0, 0}, {1, 0}, {1, 1}, {2, 0}, {2, 1}};
        PageHarness h(3);
        h.Layout();
        QCOMPARE(h.List("Combo1")->count(), 5);
        for (int item = 0; item < 5; ++item) {
            h.Choose("Combo1", item);
            h.Read();
            QCOMPARE(h.Digit(53, 6), digits[item][0]);
            QCOMPARE(h.Digit(53, 7), digits[item][1]);
            h.Layout();
            QCOMPARE(h.List("Combo1")->currentIndex(), item);
        }
        h.Set(53, 3902000); // position 6 of 9 counts as "other": item 3 or 4 by position 7
        h.Layout();
        QCOMPARE(h.List("Combo1")->currentIndex(), 4);

        h.Set(53, 501012000);
        h.Layout();
        QCOMPARE(h.Text("Opt_53_TextBox")->text(), QStringLiteral("5"));
        QVERIFY(h.Option("Opt_53_Option_8", 0)->isChecked());
        QVERIFY(h.Option("Opt_53_Option_B", 1)->isChecked());
        QCOMPARE(h.List("Opt_53_Combo_C")->currentIndex(), 0);
        h.Click(h.Option("Opt_53_Option_8", 1));
        h.Text("Opt_53_TextBox")->setText(QStringLiteral("0"));
        h.Choose("Opt_53_Combo_C", 2);
        h.Read();
        QCOMPARE(h.Value(53), 10012020);
    }

    void restrictedRunType()
    {
        PageHarness h(3, true);
        h.Set(53, 2001);
        h.Set(75, 3);
        h.Layout();
        for (int k = 1; k <= 12; ++k)
            QVERIFY(!WeldOption(h, k)->isEnabled());
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!Height(h, i)->isEnabled());
        for (const char *name : {"Opt_54_Check", "Opt_54_Pos8_Check", "Opt_54_Pos9_Check", "Opt_53_Combo_C", "opt_53_check",
                                 "Opt_53_TextBox", "Opt_75_Combo_A", "Opt_75_Check_C", "Opt_77_Combo", "Opt_77_Check",
                                 "Label12", "Label24", "Label15", "Label25_9"})
            QVERIFY2(!h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
        for (const char *group : {"Opt_53_Option_A", "Opt_53_Option_B", "Opt_53_Option_8", "Opt_77_Option", "Opt_77_Option_2"})
            QVERIFY2(!h.Option(group, 0)->isEnabled(), group);
        for (const char *name : {"Combo1", "Cmb_Opt54_Pos234", "cmb_OPT54_Pos456", "Combo_OS_78_POS3", "Check2",
                                 "Check_OS_83_Pos1", "Opt_53_Pos3_Check", "OPT_77_ComboG"})
            QVERIFY2(h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
        for (const char *group : {"SSOptWeldTypeWeldNumbering", "SSOptWeldType", "Opt_77_Pos5"})
            QVERIFY2(h.Option(group, 1)->isEnabled(), group);
        QVERIFY(WeldOption(h, 2)->isChecked()); // still shown
        h.Read();
        QCOMPARE(h.Value(53), 2001); // and read back
        QCOMPARE(h.Value(75), 3);
    }

    void helpLabelsOpenTheirTips()
    {
        PageHarness h(3);
        h.Layout();
        QTest::mouseClick(h.page->Widget("Label12"), Qt::LeftButton);
        QTest::mouseClick(h.page->Widget("Label24"), Qt::LeftButton);
        QTest::mouseClick(h.page->Widget("Label15"), Qt::LeftButton);
        h.Click(h.Check("Opt_54_Check"));
        for (int k = 7; k <= 12; ++k)
            QTest::mouseClick(h.page->Widget(QStringLiteral("Label25_%1").arg(k)), Qt::LeftButton);
        QCOMPARE(h.host.tipTitles, (QStringList{"53", "54", "75", "54", "54", "54", "54", "54", "54"}));
        QCOMPARE(h.host.tipSizes[0], qMakePair(5000, 5500));
        QCOMPARE(h.host.tipSizes[1], qMakePair(4000, 4500));
        QCOMPARE(h.host.tipSizes[2], qMakePair(5000, 5500));
        for (int i = 3; i < 9; ++i) {
            QCOMPARE(h.host.tipSizes[i], qMakePair(3000, 3500));
            QCOMPARE(h.host.tipTexts[i], h.host.tipTexts[3]);
        }
        QVERIFY(h.host.tipTexts[0].contains("plotted and which Welds will be numbered.\r\n\nPlease note that if 'None'"));
        QVERIFY(h.host.tipTexts[0].endsWith("two components that it joins."));
        QVERIFY(h.host.tipTexts[1].endsWith("before using it in production.\r\n\n"));
        QVERIFY(h.host.tipTexts[1].contains("If this setting  is used, the combination"));
        QVERIFY(h.host.tipTexts[2].contains("as set in Switch 4.\r\nIf a Weld Prefix is added to any weld type, then a Local "
                                            "Circle enclosure can not be used."));
        QVERIFY(h.host.tipTexts[2].contains("Sized Circles.\r\n\r\n Please Note. Triangular"));
        QVERIFY(h.host.tipTexts[2].endsWith("than 3 chacacters in total"));
        QCOMPARE(h.host.tipTexts[3],
                 QStringLiteral("This option is only available if the box immediately below this table is not checked, "
                                "because checking the box forces plotting of all Weld types in addition to showing any "
                                "implied, program generated Site Welds as Fab Welds."));
        QCOMPARE(qobject_cast<QLabel *>(h.page->Widget("Label12"))->text(), QStringLiteral("?"));
    }

    void subPagesHaveTheirOwnFramesAndArrows()
    {
        PageHarness h(3);
        h.Layout();
        QCOMPARE(h.page->CurrentSubPage(), 1);
        QCOMPARE(h.page->findChild<QWidget *>("Frame2")->isVisible(), true);
        QTest::mouseClick(h.page->Widget("weld_p1_next"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QVERIFY(h.page->findChild<QWidget *>("Frame3")->isVisible());
        QVERIFY(!h.page->findChild<QWidget *>("Frame2")->isVisible());
        QTest::mouseClick(h.page->Widget("weld_p2_next"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 3);
        QVERIFY(h.page->findChild<QWidget *>("Frame5")->isVisible());
        QTest::mouseClick(h.page->Widget("weld_p3_prev"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QTest::mouseClick(h.page->Widget("weld_p2_prev"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 1);
        QCOMPARE(h.page->findChild<QWidget *>("Frame5")->findChild<QLabel *>("lblFoot1")->text(), QStringLiteral("Page 3 of 3"));
        QCOMPARE(h.Value(53), 0); // moving between sub-pages writes nothing
    }

    void layingOutAgainKeepsEachItemOnce()
    {
        PageHarness h(3);
        h.Layout();
        h.store().DefaultAllSwitches();
        h.Layout();
        h.Layout();
        for (const char *list : {"Combo_OS_78_POS1", "Opt_75_Combo_B"})
            QCOMPARE(h.List(list)->count(), 11);
        QCOMPARE(h.List("Cmb_Opt54_Pos234")->count(), 9);
        QCOMPARE(h.List("cmb_OPT54_Pos456")->count(), 9);
        QCOMPARE(h.List("Opt_53_Combo_C")->count(), 3);
        QCOMPARE(h.List("Opt_77_Combo")->count(), 3);
        QCOMPARE(h.List("OPT_77_ComboG")->count(), 10);
        QCOMPARE(h.List("Combo1")->count(), 5);
    }
};

SWTED_TEST_MAIN(TestXWelding)
#include "test_xwelding.moc"
