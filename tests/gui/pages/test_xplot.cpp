#include "TestRegistry.h"
#include "pages/XPlot_1.h"
#include "PageHarness.h"

#include <QLabel>

using namespace swted;
using namespace swted::test;

class TestXPlot : public QObject {
    Q_OBJECT

private slots:
    void descriptionIsUsableWithoutWidgets()
    {
        const PageDescription &definition = XPlot_1::Description();
        QCOMPARE(definition.index, 0);
        QCOMPARE(definition.subPages, 2);
        const ControlEntry *sheet = definition.Control(QStringLiteral("Opt_14_Combo"));
        QVERIFY(sheet);
        QCOMPARE(sheet->switchNumber, 14);
        QCOMPARE(sheet->maximum, 10);
        QCOMPARE(sheet->defaultValue, 2);
        QCOMPARE(sheet->items.size(), 11);
        QCOMPARE(sheet->items[5], QStringLiteral("ANSI 'D' paper size (22\" x 34\")"));
        QCOMPARE(definition.ControlsOfSwitch(71).size(), 3);
        QCOMPARE(definition.Control(QStringLiteral("Opt_1_Text"))->subPage, 2);
        QCOMPARE(definition.Control(QStringLiteral("Opt_71_Combo"))->items[3], QStringLiteral("MicroStation .DGN "));
        QCOMPARE(definition.Control(QStringLiteral("Opt_71_Combo"))->items[9], QStringLiteral("Vento  DXF"));
        QCOMPARE(definition.Control(QStringLiteral("Opt_14_Combo1"))->items[11], QStringLiteral("Not PostScript"));
        QCOMPARE(definition.Control(QStringLiteral("Opt_14_Combo1"))->items[0], QStringLiteral("Default (European A3)"));
    }

    void allZeroFileReadsBackAsPrescribed()
    {
        PageHarness h(0);
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.List("Opt_14_Combo")->currentIndex(), 2);
        QCOMPARE(h.List("Opt_14_Combo1")->currentIndex(), 11);
        QCOMPARE(h.List("Opt_71_Combo")->currentIndex(), 0);
        QCOMPARE(h.Text("Opt_32_Text")->text(), QStringLiteral("100"));
        QCOMPARE(h.Text("Opt_36_Text")->text(), QStringLiteral("1"));
        QCOMPARE(h.Text("Opt_10_Text")->text(), QStringLiteral("0"));
        QVERIFY(h.Option("Opt_31_Option_A", 0)->isChecked());
        QVERIFY(h.Option("Opt_92_Option_A", 0)->isChecked());
        h.Read();
        QVERIFY(h.Messages().isEmpty());
        for (int n = 1; n <= 140; ++n)
            QCOMPARE(h.Value(n), n == 14 ? 2 : 0);
    }

    void sheetSize()
    {
        PageHarness h(0);
        h.Layout();
        h.Choose("Opt_14_Combo", 0); // "Default (European A2)" is written as 2
        h.Read();
        QCOMPARE(h.Value(14), 2);
        h.Set(14, 1310);
        h.Layout();
        QCOMPARE(h.List("Opt_14_Combo")->currentIndex(), 10);
        h.Read();
        QCOMPARE(h.Value(14), 10); // not PostScript: positions 3-4 cleared

        h.Set(14, 11);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{"The value of Option Switch 14, starting at position 1 was 11. This is outside "
                                           "the allowable range of 0 to 10. The value will therefore be set to the default "
                                           "value of 2."});
        QCOMPARE(h.List("Opt_14_Combo")->currentIndex(), 2);
    }

    void postScriptSize()
    {
        PageHarness h(0);
        h.Set(71, 3);
        h.Set(14, 4);
        h.Layout();
        QCOMPARE(h.List("Opt_14_Combo1")->currentIndex(), 3); // 0 shows the default A3
        h.Read();
        QCOMPARE(h.Value(14), 304);
        QCOMPARE(h.Value(71), 3);

        h.Layout();
        h.Choose("Opt_14_Combo1", 0);
        h.Read();
        QCOMPARE(h.Value(14), 4);

        h.Set(14, 1204);
        h.Layout();
        QCOMPARE(h.Messages().size(), 1);
        QVERIFY(h.Messages()[0].startsWith("The value of Option Switch 14, starting at position 3 was 12."));
        QCOMPARE(h.List("Opt_14_Combo1")->currentIndex(), 3);

        // Another plot file format: "Not PostScript" whatever positions 3-4 hold.
        h.Set(71, 4004);
        h.Set(14, 1204);
        h.prompts.messages.clear();
        h.Layout();
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.List("Opt_14_Combo1")->currentIndex(), 11);
        h.Read();
        QCOMPARE(h.Value(14), 4);

        // Choosing a PostScript size makes the file PostScript only until the
        // format list is read: the list's choice stays.
        h.Layout();
        h.Choose("Opt_14_Combo1", 4);
        h.Read();
        QCOMPARE(h.Value(14), 404);
        QCOMPARE(h.Value(71), 4004); // DXF kept
    }

    void plotFileFormat_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("message");
        QTest::addColumn<int>("readBack");
        QTest::newRow("KARVEN") << 0 << 0 << false << 0;
        QTest::newRow("PostScript") << 3 << 1 << false << 3;
        QTest::newRow("DGN") << 8 << 3 << false << 8008;
        QTest::newRow("Shape2D") << 20 << 4 << false << 20020;
        QTest::newRow("Vento DGN V8") << 21 << 7 << false << 21021;
        QTest::newRow("Vento DXF") << 16 << 9 << false << 16016;
        QTest::newRow("5 is not a format") << 5 << 2 << true << 4004;
        QTest::newRow("above 21") << 99 << 2 << false << 4004;
        QTest::newRow("other positions rewritten, 9 kept") << 912345678 << 2 << false << 902004004;
    }
    void plotFileFormat()
    {
        QFETCH(int, stored);
        QFETCH(int, item);
        QFETCH(bool, message);
        QFETCH(int, readBack);
        PageHarness h(0);
        h.Set(71, stored);
        h.Layout();
        QCOMPARE(h.List("Opt_71_Combo")->currentIndex(), item);
        if (message)
            QCOMPARE(h.Messages(), QStringList{"The value of Option Switch 71, starting at position 1 was 5. This is outside "
                                               "the allowable range of 0 to 9. The value will therefore be set to the "
                                               "default value of 4."});
        else
            QVERIFY(h.Messages().isEmpty());
        h.Read();
        QCOMPARE(h.Value(71), readBack);
    }

    void fileNameExtensions()
    {
        PageHarness h(0);
        QCheckBox *first = h.Check("Opt_71_Check");
        QCheckBox *plus = h.Check("Opt_71_CheckPlus");
        QLabel *label = h.W<QLabel>("lblCheckPlus");
        h.Set(71, 2000000);
        h.Layout();
        QVERIFY(first->isChecked() && plus->isChecked() && plus->isEnabled());
        h.Read();
        QCOMPARE(h.Digit(71, 7), 2);

        h.Set(71, 5000000); // any other digit: both off, the second disabled
        h.Layout();
        QVERIFY(!first->isChecked() && !plus->isEnabled() && !label->isEnabled());
        QTest::mouseClick(first, Qt::LeftButton);
        QVERIFY(first->isChecked() && plus->isEnabled() && label->isEnabled());
        h.Read();
        QCOMPARE(h.Digit(71, 7), 1);
        QTest::mouseClick(plus, Qt::LeftButton);
        h.Read();
        QCOMPARE(h.Digit(71, 7), 2);
        QTest::mouseClick(first, Qt::LeftButton); // off again: the second is cleared
        QVERIFY(!plus->isChecked() && !plus->isEnabled());
        h.Read();
        QCOMPARE(h.Digit(71, 7), 0);
    }

    void pairRuleOfSwitches15And16_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("v15");
        QTest::addColumn<int>("v16");
        const QString first = QStringLiteral("Option Switches 15 & 16 must either both = 0 or both be > 0\r");
        QTest::newRow("width only") << "210" << "0" << first + "Switch 15 changed back to zero" << 0 << 0;
        QTest::newRow("height only") << "0" << "297" << first + "Switch 16 changed back to zero" << 0 << 0;
        QTest::newRow("both") << "210" << "297" << QString() << 210 << 297;
        QTest::newRow("neither") << " 0" << "" << QString() << 0 << 0;
        QTest::newRow("rightmost four") << "12345" << "99999" << QString() << 2345 << 9999;
    }
    void pairRuleOfSwitches15And16()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, message);
        QFETCH(int, v15);
        QFETCH(int, v16);
        PageHarness h(0);
        h.Layout();
        h.Text("Opt_15_Text")->setText(width);
        h.Text("Opt_16_Text")->setText(height);
        h.Read();
        QCOMPARE(h.Messages(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(h.Value(15), v15);
        QCOMPARE(h.Value(16), v16);
        if (!message.isEmpty())
            QCOMPARE(h.Text(v15 == 0 && width != "0" ? "Opt_15_Text" : "Opt_16_Text")->text(), QStringLiteral("0"));
    }

    void standardSheetClearsNonStandardSize()
    {
        PageHarness h(0);
        h.Set(15, 210);
        h.Set(16, 297);
        h.Layout();
        QCOMPARE(h.Text("Opt_15_Text")->text(), QStringLiteral("210"));
        h.Choose("Opt_14_Combo", 3);
        QCOMPARE(h.Text("Opt_15_Text")->text(), QStringLiteral(" 0"));
        QCOMPARE(h.Text("Opt_16_Text")->text(), QStringLiteral(" 0"));
        h.Read();
        QCOMPARE(h.Value(15), 0);
        QCOMPARE(h.Value(16), 0);
        QVERIFY(h.Messages().isEmpty());
    }

    void textFields()
    {
        PageHarness h(0);
        h.Set(32, 50);
        h.Set(10, 15);
        h.Layout();
        QCOMPARE(h.Text("Opt_32_Text")->text(), QStringLiteral("50"));
        QCOMPARE(h.Text("Opt_10_Text")->text(), QStringLiteral("15"));
        h.Text("Opt_10_Text")->setText("1234"); // margins keep three characters
        h.Text("Opt_11_Text")->setText(" 7mm ");
        h.Text("Opt_12_Text")->setText("abc");
        h.Text("Opt_13_Text")->setText("-5");
        h.Text("Opt_32_Text")->setText("100");
        h.Text("Opt_34_Text")->setText("75");
        h.Text("Opt_36_Text")->setText("1");
        h.Text("Opt_35_Text_1")->setText("20");
        h.Text("Opt_35_Text_2")->setText("30");
        h.Text("Opt_31_Pos345_Text")->setText("12");
        h.Text("Opt_1_Text")->setText("0"); // no default rule: 0 is 0
        h.Read();
        QCOMPARE(h.Value(10), 234);
        QCOMPARE(h.Value(11), 7);
        QCOMPARE(h.Value(12), 0);
        QCOMPARE(h.Value(13), -5);
        QCOMPARE(h.Value(32), 0);
        QCOMPARE(h.Value(34), 75);
        QCOMPARE(h.Value(36), 0);
        QCOMPARE(h.Value(35), 30020);
        QCOMPARE(h.Value(31), 1200);
        QCOMPARE(h.Value(1), 0);
        h.Text("Opt_1_Text")->setText("123456");
        h.Read();
        QCOMPARE(h.Value(1), 3456);
    }

    void marginThatIsNoNumberKeepsTheSwitch()
    {
        PageHarness h(0);
        h.Set(10, 12);
        h.Layout();
        h.Text("Opt_10_Text")->setText("9e9"); // 9 000 000 000 does not fit a switch field
        h.Read();
        QCOMPARE(h.Value(10), 12);
        QCOMPARE(h.Messages(), QStringList{"The value 9e9 of Option Switch 10 is not a number from -32768 to 32767.\r"
                                           "The switch keeps its value of 12."});
    }

    void wholeValueChecksAndOptions()
    {
        PageHarness h(0);
        h.Set(3, 71);
        h.Set(18, 50);
        h.Set(37, 91);
        h.Set(92, 37);
        h.Set(138, 11111);
        h.Set(31, 99987);
        h.Layout();
        QVERIFY(h.Check("Opt_3_Check")->isChecked());
        QVERIFY(!h.Check("Opt_18_Check")->isChecked());
        QVERIFY(h.Check("Opt_37_Check")->isChecked());
        QVERIFY(h.Option("Opt_92_Option_A", 1)->isChecked());
        QVERIFY(h.Check("Opt_138_Check")->isChecked());
        QVERIFY(h.Option("Opt_31_Option_A", 3)->isChecked()); // 7 selects the fourth
        QVERIFY(h.Option("Opt_31_Option_B", 1)->isChecked());
        QCOMPARE(h.Text("Opt_31_Pos345_Text")->text(), QStringLiteral("999"));
        h.Read();
        QCOMPARE(h.Value(3), 1);
        QCOMPARE(h.Value(18), 0);
        QCOMPARE(h.Value(37), 1);
        QCOMPARE(h.Value(92), 1);
        QCOMPARE(h.Value(138), 1111); // position 5 cleared
        QCOMPARE(h.Value(31), 99913);
        h.Option("Opt_31_Option_A", 2)->setChecked(true);
        h.Option("Opt_31_Option_B", 0)->setChecked(true);
        h.Read();
        QCOMPARE(h.Value(31), 99902);
    }

    void defaultsLaidOutAgainKeepListsWhole()
    {
        PageHarness h(0);
        h.Layout();
        h.store().DefaultAllSwitches();
        h.Layout();
        h.Layout();
        QCOMPARE(h.List("Opt_14_Combo")->count(), 11);
        QCOMPARE(h.List("Opt_14_Combo1")->count(), 12);
        QCOMPARE(h.List("Opt_71_Combo")->count(), 10);
        QCOMPARE(h.Text("Opt_10_Text")->text(), QStringLiteral("5"));
        QCOMPARE(h.Text("Opt_34_Text")->text(), QStringLiteral("100"));
    }

    void restrictedRunType()
    {
        PageHarness h(0, true);
        h.Set(10, 7);
        h.Set(71, 4004);
        h.Layout();
        QVERIFY(h.List("Opt_14_Combo")->isEnabled());
        for (const char *name : {"Opt_14_Combo1", "Opt_15_Text", "Opt_16_Text", "Opt_10_Text", "Opt_13_Text", "Opt_71_Combo",
                                 "Opt_71_Check", "Opt_71_CheckPlus", "Opt_138_Check", "Opt_1_Text", "Opt_18_Check",
                                 "Opt_31_Pos345_Text", "Opt_32_Text", "Opt_34_Text", "Opt_35_Text_1", "Opt_35_Text_2",
                                 "Opt_36_Text", "Opt_3_Check", "Opt_37_Check", "HelpOS1", "HelpOS14", "HelpOS15_16",
                                 "lblCheckPlus"})
            QVERIFY2(!h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!h.Option("Opt_31_Option_A", i)->isEnabled());
        QVERIFY(!h.Option("Opt_92_Option_A", 1)->isEnabled());
        QCOMPARE(h.Text("Opt_10_Text")->text(), QStringLiteral("7")); // still shown
        h.Read();
        QCOMPARE(h.Value(10), 7); // and read back unchanged
        QCOMPARE(h.Value(71), 4004);

        PageHarness free(0, false);
        free.Layout();
        QVERIFY(free.Text("Opt_10_Text")->isEnabled());
        QVERIFY(free.page->Widget("HelpOS1")->isEnabled());
    }

    void helpLabelsOpenTheirTips()
    {
        PageHarness h(0);
        h.Layout();
        for (const char *name : {"HelpOS1", "HelpOS14", "HelpOS15_16"})
            QTest::mouseClick(h.page->Widget(QString::fromLatin1(name)), Qt::LeftButton);
        QCOMPARE(h.host.tipTitles, (QStringList{"1", "14", "15 and 16"}));
        QCOMPARE(h.host.tipSizes[0], qMakePair(4000, 3500));
        QCOMPARE(h.host.tipSizes[1], qMakePair(4000, 4000));
        QCOMPARE(h.host.tipSizes[2], qMakePair(3000, 3500));
        QVERIFY(h.host.tipTexts[0].contains("the plotter can  process before"));
        QVERIFY(h.host.tipTexts[1].startsWith("PostScript sizes only apply if PLOTFILE FORMAT (Switch 71) is set for "
                                              "PostScript output.\r\n\r\nThe PostScript paper size"));
        QCOMPARE(h.host.tipTexts[2], QStringLiteral("Switches 15 and 16 must be used together. They must both be set to "
                                                    "suitable values or both be zero.\r\n\r\nFor PostScript output the "
                                                    "paper size must be set in Switch 14."));
        QVERIFY(h.Messages().isEmpty());
    }

    void subPagesAndTabStrip()
    {
        PageHarness h(0);
        h.Set(1, 500);
        h.Layout();
        QCOMPARE(h.page->CurrentSubPage(), 1);
        QTest::mouseClick(h.page->findChild<QWidget *>("ImgNextPage_2"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QTest::mouseClick(h.page->findChild<QWidget *>("imgPrevPage_1"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 1);
        QCOMPARE(h.Value(1), 500);
        QCOMPARE(h.page->findChild<QWidget *>("Page_1")->findChild<QLabel *>("lblFoot1")->text(), QStringLiteral("Page 1 of 2"));
        QCOMPARE(h.page->findChild<QWidget *>("Page_2")->findChild<QLabel *>("lblFoot1")->text(), QStringLiteral("Page 2 of 2"));

        QTabBar *tabs = h.page->TabStrip();
        QCOMPARE(tabs->count(), 8);
        QCOMPARE(tabs->currentIndex(), 0);
        tabs->setCurrentIndex(0); // its own tab: nothing
        QVERIFY(h.host.goTo.isEmpty());
        tabs->setCurrentIndex(5); // "Iso Style": the host is asked, has no such page, the strip goes back
        QCOMPARE(h.host.goTo, QVector<int>{5});
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void accessibleNames()
    {
        PageHarness h(0);
        QCOMPARE(h.Text("Opt_15_Text")->accessibleName(), QStringLiteral("Width (mm)"));
        QCOMPARE(h.List("Opt_14_Combo1")->accessibleName(), QStringLiteral("PostScript Paper Sizes"));
        QCOMPARE(h.page->Widget("HelpOS15_16")->accessibleName(), QStringLiteral("Tip for Switch 15 and 16"));
        QVERIFY(!h.page->findChild<QWidget *>("ImgNextPage_2")->accessibleName().isEmpty());
    }
};

SWTED_TEST_MAIN(TestXPlot)
#include "test_xplot.moc"
