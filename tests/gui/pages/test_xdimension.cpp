#include "TestRegistry.h"
#include "pages/XDimension_1.h"
#include "PageHarness.h"

#include <QLabel>

using namespace swted;
using namespace swted::test;

namespace {
QString RangeText(int n, int start, int value, int maximum, int defaultValue)
{
    return QStringLiteral("The value of Option Switch %1, starting at position %2 was %3. This is outside the allowable "
                          "range of 0 to %4. The value will therefore be set to the default value of %5.")
        .arg(n)
        .arg(start)
        .arg(value)
        .arg(maximum)
        .arg(defaultValue);
}
} // namespace

class TestXDimension : public QObject {
    Q_OBJECT

private slots:
    void allZeroSwitchesReadBackUnchanged()
    {
        PageHarness h(1);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.Text("Opt_8_Text")->text(), QStringLiteral("0"));
        QCOMPARE(h.Text("Opt_41_Text")->text(), QStringLiteral("24"));
        QCOMPARE(h.Text("Opt_118_text")->text(), QStringLiteral("21")); // text size code 0
        QVERIFY(h.Option("Opt_119_Option", 0)->isChecked());
        QCOMPARE(h.W<QLabel>("lbl81AUnits")->text(), QStringLiteral("1/16 ths\""));
        h.Read();
        QVERIFY(h.Messages().isEmpty());
        for (int n = 1; n <= 140; ++n)
            QCOMPARE(h.Value(n), 0);
    }

    void standoutOfSwitch8_data()
    {
        QTest::addColumn<int>("textSize");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("5 is 11 or less") << 0 << "5" << 0;
        QTest::newRow("11") << 0 << "11" << 0;
        QTest::newRow("12 with code 0") << 0 << "12" << 12;
        QTest::newRow("default of code 0") << 0 << "14" << 0;
        QTest::newRow("14 with code 1") << 1 << "14" << 14;
        QTest::newRow("default of code 1") << 1 << "12" << 0;
        QTest::newRow("default of code 2") << 2 << "16" << 0;
        QTest::newRow("default of code 3") << 3 << "18" << 0;
        QTest::newRow("default of code 4") << 4 << "20" << 0;
        QTest::newRow("default of code 7") << 7 << "22" << 0;
        QTest::newRow("15") << 0 << "15" << 15;
        QTest::newRow("rightmost two") << 0 << " 123 " << 23;
        QTest::newRow("leading digits") << 0 << "1x" << 0;
        QTest::newRow("letters") << 0 << "ab" << 0;
        QTest::newRow("negative") << 0 << "-9" << 0;
    }
    void standoutOfSwitch8()
    {
        QFETCH(int, textSize);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        PageHarness h(1);
        h.Set(4, textSize);
        h.Layout();
        h.Text("Opt_8_Text")->setText(typed);
        h.Read();
        QCOMPARE(h.Value(8), stored);
        QCOMPARE(h.Value(4), textSize);
    }

    void switch8ButtonsAfterTheWholeValue()
    {
        PageHarness h(1);
        h.Set(8, 987651115); // positions 5-9 are dropped when the whole value is replaced
        h.Layout();
        QCOMPARE(h.Text("Opt_8_Text")->text(), QStringLiteral("15"));
        QVERIFY(h.Option("Opt_8_Option_C", 1)->isChecked());
        QVERIFY(h.Option("SSOpt8Pos4", 1)->isChecked());
        h.Read();
        QCOMPARE(h.Value(8), 1115);
        h.Click(h.Option("Opt_8_Option_C", 0));
        h.Read();
        QCOMPARE(h.Value(8), 1015);
    }

    void overallStandoutFollowsTheTextSize()
    {
        PageHarness h(1);
        h.Set(4, 1);
        h.Set(118, 2);
        h.Layout();
        QCOMPARE(h.Text("Opt_118_text")->text(), QStringLiteral("18"));
        QCOMPARE(h.List("Opt_118_Combo")->currentIndex(), 2);
        h.Read();
        QCOMPARE(h.Value(118), 2);
        h.Text("Opt_118_text")->setText(QStringLiteral("18"));
        h.Read();
        QCOMPARE(h.Value(118), 2);
        h.Text("Opt_118_text")->setText(QStringLiteral("21"));
        h.Read();
        QCOMPARE(h.Value(118), 212);
        h.Layout();
        QCOMPARE(h.Text("Opt_118_text")->text(), QStringLiteral("21"));
        for (int code : {0, 2, 3, 4, 5, 9})
            QCOMPARE(XDimension_1::OverallStandoutDefault(code),
                     QString::number(code <= 4 ? QVector<int>{21, 18, 24, 27, 30}[code] : 33));
    }

    void allDimensionsInInches()
    {
        PageHarness h(1);
        h.Set(41, 100000); // positions 7,6 = 0,1
        h.Layout();
        QVERIFY(h.Check("Chk_Opt41_Pos6And7")->isChecked());
        QCOMPARE(h.Text("Opt_41_Text")->text(), QStringLiteral("24"));
        QVERIFY(!h.Text("Opt_41_Text")->isEnabled());
        h.Read();
        QCOMPARE(h.Value(41), 100000);

        // Unchecking enables the field; its "24" then stores 0,0.
        h.Click(h.Check("Chk_Opt41_Pos6And7"));
        QVERIFY(h.Text("Opt_41_Text")->isEnabled());
        QCOMPARE(h.Text("Opt_41_Text")->text(), QStringLiteral("24"));
        h.Read();
        QCOMPARE(h.Value(41), 0);

        // Checking greys the field without changing its text.
        h.Text("Opt_41_Text")->setText(QStringLiteral("36"));
        h.Click(h.Check("Chk_Opt41_Pos6And7"));
        QVERIFY(!h.Text("Opt_41_Text")->isEnabled());
        QCOMPARE(h.Text("Opt_41_Text")->text(), QStringLiteral("36"));
        h.Read();
        QCOMPARE(h.Value(41), 100000);

        h.Set(41, 3600000);
        h.Layout();
        QVERIFY(!h.Check("Chk_Opt41_Pos6And7")->isChecked());
        QVERIFY(h.Text("Opt_41_Text")->isEnabled());
        QCOMPARE(h.Text("Opt_41_Text")->text(), QStringLiteral("36"));
    }

    void supportsIncludedInPipelineDimensionsIsDigit6()
    {
        PageHarness h(1);
        h.Set(40, 6);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.ItemText("Opt_40_Combo"), QStringLiteral("Supports Drawn on Iso - Included in Pipeline Dimensions"));
        h.Read();
        QCOMPARE(h.Value(40), 6);
        h.Choose("Opt_40_Combo", 3);
        h.Read();
        QCOMPARE(h.Value(40), 3);
    }

    void supportDigitsWithoutAnItem_data()
    {
        QTest::addColumn<int>("digit");
        for (int d : {4, 5, 7, 8, 9})
            QTest::newRow(qPrintable(QString::number(d))) << d;
    }
    void supportDigitsWithoutAnItem()
    {
        QFETCH(int, digit);
        PageHarness h(1);
        h.Set(40, 3400 + digit);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{RangeText(40, 1, digit, 3, 0)});
        QVERIFY(h.AllPlain());
        QCOMPARE(h.List("Opt_40_Combo")->currentIndex(), 0);
        QCOMPARE(h.Text("Opt_40_Text")->text(), QStringLiteral("34"));
        h.Read();
        QCOMPARE(h.Value(40), 3400);
    }

    void switch9PositionFourMakesPositionThreeOutOfRange()
    {
        PageHarness h(1);
        h.Set(9, 1000);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{RangeText(9, 3, 10, 1, 0)});
        QCOMPARE(h.List("Opt_9_Pos3_Combo")->currentIndex(), 0);
        h.Read();
        QCOMPARE(h.Value(9), 1000); // only position 3 is written back
        h.Layout();
        QCOMPARE(h.Messages().size(), 2); // so the message comes each time
        h.Set(9, 1100);
        h.prompts.messages.clear();
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{RangeText(9, 3, 11, 1, 0)});
    }

    void everyListAndItsRange_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("maximum");
        QTest::newRow("9/1") << "Opt_9_Combo" << 9 << 1 << 4;
        QTest::newRow("9/2") << "Opt_9_A_Combo" << 9 << 2 << 2;
        QTest::newRow("9/5") << "Opt_9_Combo_E" << 9 << 5 << 2;
        QTest::newRow("9/6") << "Opt_9_Combo_F" << 9 << 6 << 1;
        QTest::newRow("9/7") << "Opt_9_Combo_G" << 9 << 7 << 1;
        QTest::newRow("40/5") << "Opt_40_Combo_2" << 40 << 5 << 4;
        QTest::newRow("41/1") << "Opt_41_Combo_A" << 41 << 1 << 3;
        QTest::newRow("41/2") << "Opt_41_Combo_Pos2" << 41 << 2 << 3;
        QTest::newRow("41/3") << "Opt_41_Combo_B" << 41 << 3 << 8;
        QTest::newRow("41/4") << "Opt_41_Combo_C" << 41 << 4 << 2;
        QTest::newRow("41/5") << "Opt_41_Combo_D" << 41 << 5 << 2;
        QTest::newRow("41/9") << "Opt_41_Pos9_Combo" << 41 << 9 << 1;
        QTest::newRow("118/1") << "Opt_118_Combo" << 118 << 1 << 4;
        QTest::newRow("121/1") << "Opt_121_Combo_1" << 121 << 1 << 2;
        QTest::newRow("121/2") << "Opt_121_Combo_2" << 121 << 2 << 2;
    }
    void everyListAndItsRange()
    {
        QFETCH(QString, list);
        QFETCH(int, n);
        QFETCH(int, position);
        QFETCH(int, maximum);
        const QByteArray name = list.toLatin1();
        PageHarness h(1);
        h.Layout();
        QCOMPARE(h.List(name)->count(), maximum + 1);
        // The highest item stores its digit at the position, nothing else.
        h.Choose(name, maximum);
        h.Read();
        int expected = maximum;
        for (int p = 1; p < position; ++p)
            expected *= 10;
        QCOMPARE(h.Value(n), expected);
        // One above the highest shows the message and the first item.
        if (maximum < 9) {
            h.store().UnpackSwitch(n);
            h.store().SetDigit(position, maximum + 1);
            QVERIFY(h.store().PackSwitch(n));
            h.prompts.messages.clear();
            h.Layout();
            QCOMPARE(h.Messages(), QStringList{RangeText(n, position, maximum + 1, maximum, 0)});
            QCOMPARE(h.List(name)->currentIndex(), 0);
            h.Read();
            QCOMPARE(h.Value(n), 0);
        }
    }

    void listTexts()
    {
        PageHarness h(1);
        h.Layout();
        QCOMPARE(h.List("Opt_41_Combo_B")->itemText(2), QStringLiteral("Standard Ft/In with a dash but no dot (1'-2 3/4\")"));
        QCOMPARE(h.List("Opt_121_Combo_1")->itemText(0), QStringLiteral("Full Dimensioning"));
        QCOMPARE(h.List("Opt_121_Combo_2")->itemText(0), QStringLiteral("No Dimensioning"));
        QCOMPARE(h.List("Opt_9_Combo_E")->itemText(2), QStringLiteral("Dimensions to include Add'nl Allowances (Spool Iso's)"));
        QCOMPARE(h.List("Opt_41_Pos9_Combo")->itemText(1), QStringLiteral("Separate"));
        const auto labels = h.page->findChildren<QLabel *>();
        bool tees = false;
        for (QLabel *l : labels)
            tees = tees || l->text() == QStringLiteral("Nominal Size Output At Set-On Tees && Crosses:");
        QVERIFY(tees); // the doubled ampersand shows as one
        QVERIFY(h.W<QLabel>("lbl80")->text().startsWith("Valves and Straight Through Instruments with Spindles will, by "
                                                        "default, be dimensioned to their ends. Checking any of the"));
        QCOMPARE(h.W<QLabel>("lbl81C")->text(),
                 QStringLiteral("Any Value greater than 0 below, defines the number of components in a Branch, at or "
                                "below which Branch Dimensions will be suppressed if no Pipe is included in the Branch."));
    }

    void unitLabelsFollowTheBoreUnits()
    {
        PageHarness h(1);
        h.Set(41, 2);
        h.Layout();
        QCOMPARE(h.W<QLabel>("lbl81AUnits")->text(), QStringLiteral("mm's"));
        QCOMPARE(h.W<QLabel>("lbl81BUnits")->text(), QStringLiteral("mm's"));
        h.Set(41, 3);
        h.Layout();
        QCOMPARE(h.W<QLabel>("lbl81AUnits")->text(), QStringLiteral("1/16 ths\""));
        QCOMPARE(h.W<QLabel>("lbl81BUnits")->text(), QStringLiteral("1/16 ths\""));
    }

    void checksAndFieldsOfSubPages2And3()
    {
        PageHarness h(1);
        h.Set(80, 1010101);
        h.Set(81, 12345678);
        h.Set(119, 11102);
        h.Layout();
        QVERIFY(h.Check("Opt_80_Check_A")->isChecked());
        QVERIFY(!h.Check("Opt_80_Check_B")->isChecked());
        QVERIFY(h.Check("Opt_80_Check_G")->isChecked());
        QCOMPARE(h.Text("Opt_81_Text_A")->text(), QStringLiteral("678"));
        QCOMPARE(h.Text("Opt_81_Text_B")->text(), QStringLiteral("345"));
        QCOMPARE(h.Text("Opt_81_Text_C")->text(), QStringLiteral("12"));
        QVERIFY(h.Option("Opt_119_Option", 2)->isChecked()); // above 1 selects option 2
        QVERIFY(h.Option("Opt_119_Pos2_Option", 0)->isChecked());
        h.Read();
        QCOMPARE(h.Value(80), 1010101);
        QCOMPARE(h.Value(81), 12345678);
        QCOMPARE(h.Value(119), 11102);

        h.Click(h.Check("Opt_80_Check_B"));
        h.Text("Opt_81_Text_C")->setText(QStringLiteral("7"));
        h.Click(h.Option("Opt_119_Option", 1));
        h.Click(h.Option("Opt_119_Pos2_Option", 1));
        h.Click(h.Check("Opt_119_Pos5_Check"));
        h.Read();
        QCOMPARE(h.Value(80), 1010111);
        QCOMPARE(h.Value(81), 7345678);
        QCOMPARE(h.Value(119), 1111);
    }

    void restrictedRunType()
    {
        PageHarness h(1, true);
        h.Set(9, 4);
        h.Set(41, 100002);
        h.Layout();
        for (const char *name : {"Opt_8_Text", "Opt_9_Combo", "Opt_9_CheckBox", "Opt_40_Combo", "Opt_40_Text",
                                 "Opt_40_Combo_2", "Opt_41_Combo_A", "Opt_41_Text", "Opt_41_Check", "Opt_118_Combo",
                                 "Opt_118_text", "Opt_121_Combo_2", "Opt_80_Check_C", "Opt_81_Text_B", "Opt_119_Pos4_Check",
                                 "lbl80", "lbl81A", "lbl81B", "lbl81C", "lbl81AUnits", "lbl81BUnits"})
            QVERIFY2(!h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(!h.Option("Opt_119_Option", 0)->isEnabled());
        QVERIFY(!h.Option("Opt_9_Option_H", 1)->isEnabled());
        QVERIFY(!h.Option("Opt_40_Option_B", 0)->isEnabled());
        for (int i = 0; i < 2; ++i) {
            QVERIFY(h.Option("Opt_8_Option_C", i)->isEnabled());
            QVERIFY(h.Option("SSOpt8Pos4", i)->isEnabled());
        }
        QVERIFY(h.Check("Chk_Opt41_Pos6And7")->isEnabled());
        // Unticking the box does not open the restricted field.
        h.Click(h.Check("Chk_Opt41_Pos6And7"));
        QVERIFY(!h.Text("Opt_41_Text")->isEnabled());
        h.Read();
        QCOMPARE(h.Value(9), 4);
        QCOMPARE(h.Value(41), 2);
    }

    void layingOutAgainKeepsEachItemOnce()
    {
        PageHarness h(1);
        h.Layout();
        h.store().DefaultAllSwitches();
        h.Layout();
        h.Layout();
        QCOMPARE(h.List("Opt_9_Combo")->count(), 5);
        QCOMPARE(h.List("Opt_40_Combo")->count(), 5);
        QCOMPARE(h.List("Opt_41_Combo_B")->count(), 9);
        QCOMPARE(h.List("Opt_118_Combo")->count(), 5);
        QCOMPARE(h.List("Opt_121_Combo_2")->count(), 3);
    }

    void subPagesAndTheirArrows()
    {
        PageHarness h(1);
        h.Layout();
        QCOMPARE(h.page->TabStrip()->tabText(h.page->TabStrip()->currentIndex()), QStringLiteral("Dimensioning"));
        QTest::mouseClick(h.page->Widget("ImgNextPage_2"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QTest::mouseClick(h.page->Widget("ImgNextPage_3"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 3);
        QTest::mouseClick(h.page->Widget("imgPrevPage_2"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QVERIFY(!h.page->findChild<QWidget *>("Page_1")->findChild<QWidget *>("imgPrevPage_0"));
        QVERIFY(!h.page->findChild<QWidget *>("Page_3")->findChild<QWidget *>("ImgNextPage_4"));
        QCOMPARE(h.page->findChild<QWidget *>("Page_3")->findChild<QLabel *>("lblFoot1")->text(), QStringLiteral("Page 3 of 3"));
    }
};

SWTED_TEST_MAIN(TestXDimension)
#include "test_xdimension.moc"
