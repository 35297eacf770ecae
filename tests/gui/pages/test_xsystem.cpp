#include "TestRegistry.h"
#include "TestSupport.h"
#include "pages/XSystem_1.h"
#include "PageHarness.h"

#include <QGroupBox>
#include <QLabel>

using namespace swted;
using namespace swted::test;

namespace {
const QString Range55 = QStringLiteral("The value of Option Switch 55, starting at position 1 was 9. This is outside the "
                                       "allowable range of 0 to 2. The value will therefore be set to the default value of 0.");

} // namespace

class TestXSystem : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("TORVA_SWITCHES"); }

    void allZeroSwitchesReadBackUnchanged()
    {
        PageHarness h(4);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.ItemText("Opt_6_Combo"), QStringLiteral("British Date Format eg 14 APR 96"));
        QVERIFY(h.Option("Opt_6_Option", 0)->isChecked());
        QVERIFY(h.W<QRadioButton>("Option1")->isChecked());
        QCOMPARE(h.ItemText("Opt_55_Combo"), QStringLiteral("Plot Messages"));
        QVERIFY(h.Check("Check1")->isChecked()); // inverted: 0 is ticked
        QVERIFY(h.Check("Check2")->isChecked());
        QCOMPARE(h.Text("Opt_63_Text")->text(), QStringLiteral("0"));
        QCOMPARE(h.ItemText("Opt_69_Combo"), QStringLiteral("Computer KARVEN Running On"));
        QCOMPARE(h.Text("Opt_115_Text")->text(), QStringLiteral("0"));
        h.Read();
        for (int n = 1; n <= 140; ++n)
            QCOMPARE(h.Value(n), 0);
    }

    void dateFormat()
    {
        PageHarness h(4);
        h.Set(6, 123);
        h.Layout();
        QCOMPARE(h.ItemText("Opt_6_Combo"), QStringLiteral("No Plotted Date"));
        QCOMPARE(h.Shown(h.Option("Opt_6_Option", 1)->text()), QStringLiteral("Use Computer System Date"));
        QVERIFY(h.Option("Opt_6_Option", 1)->isChecked()); // position 2 is 2: any non-zero digit
        QCOMPARE(h.Shown(h.W<QRadioButton>("Option2")->text()), QStringLiteral("Output 4 digit year"));
        QVERIFY(h.W<QRadioButton>("Option2")->isChecked());
        h.Read();
        QCOMPARE(h.Value(6), 113);

        h.Set(6, 904); // position 3 = 9 shows the two-digit year; position 1 = 4 is out of range
        h.Layout();
        QVERIFY(h.W<QRadioButton>("Option1")->isChecked());
        QCOMPARE(h.Messages(), QStringList{"The value of Option Switch 6, starting at position 1 was 4. This is outside "
                                           "the allowable range of 0 to 3. The value will therefore be set to the default "
                                           "value of 0."});
        QVERIFY(h.AllPlain());
        QCOMPARE(h.Value(6), 904); // kept until read back
        h.Read();
        QCOMPARE(h.Value(6), 0);
    }

    void messageFileWithoutTorvaSwitches()
    {
        PageHarness h(4);
        h.Set(55, 9);
        h.Layout();
        QCOMPARE(h.List("Opt_55_Combo")->count(), 3);
        QCOMPARE(h.Messages(), QStringList{Range55});
        QVERIFY(h.AllPlain());
        QCOMPARE(h.ItemText("Opt_55_Combo"), QStringLiteral("Plot Messages"));
        h.Read();
        QCOMPARE(h.Value(55), 0);
    }

    void messageFileWithTorvaSwitches_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("ON") << QByteArray("ON");
        QTest::newRow("on") << QByteArray("on");
        QTest::newRow("On") << QByteArray("On");
    }
    void messageFileWithTorvaSwitches()
    {
        QFETCH(QByteArray, value);
        TorvaSwitches torva(value.constData());
        PageHarness h(4);
        h.Set(55, 9);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.List("Opt_55_Combo")->count(), 4);
        QCOMPARE(h.ItemText("Opt_55_Combo"), QStringLiteral("PREVAX, Plot, Module run and DRAMLEX Messages"));
        h.Read();
        QCOMPARE(h.Value(55), 9);
        h.Choose("Opt_55_Combo", 2);
        h.Read();
        QCOMPARE(h.Value(55), 2);
    }

    void torvaSwitchesOtherThanOnAddNothing()
    {
        TorvaSwitches torva("YES");
        PageHarness h(4);
        h.Set(55, 9);
        h.Layout();
        QCOMPARE(h.List("Opt_55_Combo")->count(), 3);
        QCOMPARE(h.Messages(), QStringList{Range55});
    }

    void messageFileBehaviourBoxesAreInverted()
    {
        PageHarness h(4);
        h.Set(55, 110);
        h.Layout();
        QCOMPARE(h.ItemText("Opt_55_Combo"), QStringLiteral("Plot Messages"));
        QVERIFY(!h.Check("Check1")->isChecked());
        QVERIFY(!h.Check("Check2")->isChecked());
        h.Click(h.Check("Check1"));
        h.Click(h.Check("Check2"));
        h.Read();
        QCOMPARE(h.Value(55), 0);

        h.Set(55, 221); // digits other than 1 show ticked and read back as 0
        h.Layout();
        QVERIFY(h.Check("Check1")->isChecked());
        h.Check("Check2")->setChecked(false);
        h.Read();
        QCOMPARE(h.Value(55), 101);
    }

    void terminalType_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("dual");
        QTest::addColumn<int>("stored");
        QTest::newRow("0") << 0 << "Computer KARVEN Running On" << false << 0;
        QTest::newRow("3") << 3 << "Tektronix 410X, 420X" << false << 3;
        QTest::newRow("9") << 9 << "IBM PC emulating Tektronix 410X, 420X" << false << 9;
        QTest::newRow("11") << 11 << "VAX VWS" << false << 11;
        QTest::newRow("15") << 15 << "Workstation/ PC" << false << 15;
        QTest::newRow("16") << 16 << "Silicon Graphics" << false << 16;
        QTest::newRow("1016") << 1016 << "Silicon Graphics" << true << 1016;
        QTest::newRow("high digits kept") << 987651004 << "Westward 2000 & 2015 Mono" << true << 987651004;
    }
    void terminalType()
    {
        QFETCH(int, value);
        QFETCH(QString, shown);
        QFETCH(bool, dual);
        QFETCH(int, stored);
        PageHarness h(4);
        h.Set(69, value);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.ItemText("Opt_69_Combo"), shown);
        QCOMPARE(h.Check("Opt_69_Check")->isChecked(), dual);
        h.Read();
        QCOMPARE(h.Value(69), stored);
    }

    void terminalCodesWithoutAnItem()
    {
        PageHarness h(4);
        h.Set(69, 1002);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{"The value of Option Switch 69, starting at position 1 was 2. This is outside the "
                                           "allowable range of 0 or 3 to 16. The value will therefore be set to the default "
                                           "value of 0."});
        QCOMPARE(h.List("Opt_69_Combo")->currentIndex(), 0);
        h.Read();
        QCOMPARE(h.Value(69), 1000);

        h.prompts.messages.clear();
        h.Set(69, 1);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{XSystem_1::TerminalRangeText(1)});

        h.prompts.messages.clear();
        h.Set(69, 20);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{"The value of Option Switch 69, starting at position 1 was 20. This is outside "
                                           "the allowable range of 0 to 16. The value will therefore be set to the default "
                                           "value of 0."});
        QVERIFY(h.AllPlain());
        h.Read();
        QCOMPARE(h.Value(69), 0);
    }

    void everyTerminalItemStoresItsCode()
    {
        PageHarness h(4);
        h.Layout();
        const QVector<int> codes = {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        QCOMPARE(h.List("Opt_69_Combo")->count(), codes.size());
        for (int item = 0; item < codes.size(); ++item) {
            h.Choose("Opt_69_Combo", item);
            h.Read();
            QCOMPARE(h.Value(69), codes[item]);
        }
        h.Choose("Opt_69_Combo", 9);
        QCOMPARE(h.ItemText("Opt_69_Combo"), QStringLiteral("VAX VWS"));
        h.Read();
        QCOMPARE(h.Value(69), 11);
    }

    void textFieldsKeepTheOtherPositions()
    {
        PageHarness h(4);
        h.Set(115, 987654000);
        h.Set(116, 123456789);
        h.Set(63, 55);
        h.Layout();
        QCOMPARE(h.Text("Opt_63_Text")->text(), QStringLiteral("55"));
        QCOMPARE(h.Text("Opt_116_Text")->text(), QStringLiteral("789"));
        h.Text("Opt_115_Text")->setText(QStringLiteral("1234"));
        h.Text("Opt_116_Text")->setText(QStringLiteral(" 0 "));
        h.Text("Opt_63_Text")->setText(QStringLiteral("x7"));
        h.Read();
        QCOMPARE(h.Value(115), 987654234);
        QCOMPARE(h.Value(116), 123456000);
        QCOMPARE(h.Value(63), 7);

        h.Text("Opt_63_Text")->setText(QStringLiteral("0"));
        h.Read();
        QCOMPARE(h.Value(63), 0);
    }

    void roundOffAndBanner()
    {
        PageHarness h(4);
        h.Set(117, 7);
        h.Set(127, 1);
        h.Layout();
        QCOMPARE(h.Shown(h.Option("Opt_117_Option", 1)->text()), QStringLiteral("Add \"Round Off\" to next Dimension"));
        QVERIFY(h.Option("Opt_117_Option", 1)->isChecked());
        QVERIFY(h.Option("Opt_127_Option", 1)->isChecked());
        h.Click(h.Option("Opt_127_Option", 0));
        h.Read();
        QCOMPARE(h.Value(117), 1);
        QCOMPARE(h.Value(127), 0);
    }

    void restrictedRunTypeLeavesOnlyTheYearButtons()
    {
        PageHarness h(4, true);
        h.Set(69, 1011);
        h.Set(6, 100);
        h.Layout();
        QVERIFY(h.W<QRadioButton>("Option1")->isEnabled());
        QVERIFY(h.W<QRadioButton>("Option2")->isEnabled());
        for (const char *name : {"Opt_6_Combo", "Opt_55_Combo", "Check1", "Check2", "Opt_63_Text", "Opt_69_Combo",
                                 "Opt_69_Check", "Opt_115_Text", "Opt_116_Text"})
            QVERIFY2(!h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
        for (const char *group : {"Opt_6_Option", "Opt_117_Option", "Opt_127_Option"}) {
            QVERIFY2(!h.Option(group, 0)->isEnabled(), group);
            QVERIFY2(!h.Option(group, 1)->isEnabled(), group);
        }
        for (const char *caption : {"TERMINAL TYPE (On Screen Display)", "PRINTED OUTPUT PAGE LENGTH", "MINIMUM ANGULAR OFFSET",
                                    "MINIMUM DIMENSIONAL OFFSET", "DIMENSION ROUND OFF", "KARVEN VERSION / RUN DATE"}) {
            QGroupBox *panel = nullptr;
            for (QGroupBox *b : h.page->findChildren<QGroupBox *>())
                if (b->title() == QLatin1String(caption))
                    panel = b;
            QVERIFY2(panel && !panel->isEnabled(), caption);
        }
        QCOMPARE(h.ItemText("Opt_69_Combo"), QStringLiteral("VAX VWS"));
        h.Click(h.W<QRadioButton>("Option1"));
        h.Read();
        QCOMPARE(h.Value(69), 1011);
        QCOMPARE(h.Value(6), 0);

        PageHarness free(4);
        free.Layout();
        QVERIFY(free.List("Opt_69_Combo")->isEnabled());
        QVERIFY(free.Check("Check1")->isEnabled());
    }

    void layingOutAgainKeepsEachItemOnce()
    {
        TorvaSwitches torva("on");
        PageHarness h(4);
        h.Layout();
        h.store().DefaultAllSwitches();
        h.Layout();
        h.Layout();
        QCOMPARE(h.List("Opt_6_Combo")->count(), 4);
        QCOMPARE(h.List("Opt_55_Combo")->count(), 4);
        QCOMPARE(h.List("Opt_69_Combo")->count(), 15);
        QCOMPARE(h.Text("Opt_63_Text")->text(), QStringLiteral("55")); // the built-in default
    }

    void captionsAsTheUserReadsThem()
    {
        PageHarness h(4);
        QCOMPARE(h.Shown(h.Check("Check1")->text()),
                 QStringLiteral("Display message at location where increased tolerance used to connect pipeline (PREVAX only)"));
        QCOMPARE(h.Shown(h.Check("Check2")->text()),
                 QStringLiteral("Set pipeline to disconnected when increased tolerance used to connect pipeline (PREVAX only)"));
        QCOMPARE(h.Shown(h.Option("Opt_117_Option", 0)->text()), QStringLiteral("Do not carry \"Round Off\" beyond Branches"));
        QCOMPARE(h.Shown(h.Check("Opt_69_Check")->text()), QStringLiteral("Dual Screen Operation"));
        QCOMPARE(h.Shown(h.Option("Opt_127_Option", 1)->text()), QStringLiteral("Banner Not to be plotted"));
        QStringList titles;
        for (QGroupBox *b : h.page->findChildren<QGroupBox *>())
            titles << b->title();
        QVERIFY(titles.contains("MESSAGE FILE INFORMATION AND DISCONNECTED PIPELINE BEHAVIOUR"));
        QCOMPARE(h.page->TabStrip()->currentIndex(), 1); // "System" is second in the strip
    }
};

SWTED_TEST_MAIN(TestXSystem)
#include "test_xsystem.moc"
