// The iso content page on screen: real widgets, clicks, sub-pages, tips,
// and every message of its lists.
#include "pages/Bindings.h"
#include "PageHarness.h"

#include <QGroupBox>
#include <QLabel>
#include <QTabBar>

using namespace swted;
using namespace swted::test;

namespace {
constexpr int Page = 6;

int Weight(int position)
{
    int w = 1;
    for (int p = 1; p < position; ++p)
        w *= 10;
    return w;
}

const QStringList TagEnclosures = {"Square Ended Box Enclosure",
                                   "Diamond Ended Box Enclosure",
                                   "Round Ended Box Enclosure",
                                   "Triangular Enclosure (2 characters max)",
                                   "Diamond Enclosure (2 characters max)",
                                   "Square Ended Box Enclosure",
                                   "Circular Enclosure",
                                   "Elliptical Enclosure",
                                   "Hexagonal Enclosure"};

QStringList Items(QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// The texts of the check boxes and option buttons of a sub-page as the
// user reads them.
QStringList ButtonTexts(QWidget *frame)
{
    QStringList texts;
    for (QAbstractButton *b : frame->findChildren<QAbstractButton *>())
        texts << PageHarness::Shown(b->text());
    texts.sort();
    return texts;
}
QStringList Sorted(QStringList l)
{
    l.sort();
    return l;
}
} // namespace

class TestXIContent : public QObject {
    Q_OBJECT

private slots:
    // Each list: its items, the highest storing its digit alone, and one
    // above the highest with its message, word for word.
    void everyListItsRangeAndMessage_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("maximum");
        QTest::newRow("66/2") << "Opt_66_Pos2_Combo" << 66 << 2 << 3;
        QTest::newRow("66/3") << "Opt_66_Pos3_Combo" << 66 << 3 << 3;
        QTest::newRow("66/4") << "Opt_66_Pos4_Combo" << 66 << 4 << 2;
        QTest::newRow("66/6") << "Opt_66_Pos6_Combo" << 66 << 6 << 4;
        QTest::newRow("66/7") << "Opt_66_Pos7_Combo" << 66 << 7 << 2;
        QTest::newRow("66/8") << "Opt_66_Pos8_Combo" << 66 << 8 << 1;
        QTest::newRow("39/6") << "OPt_39_Combo_F" << 39 << 6 << 2;
        QTest::newRow("39/9") << "Opt_39_Combo_I" << 39 << 9 << 8;
        QTest::newRow("60/3") << "Opt_60_Pos3_Combo" << 60 << 3 << 8;
        QTest::newRow("123/1") << "Opt_123_Combo_A" << 123 << 1 << 5;
        QTest::newRow("123/3") << "Opt_123_Combo_B" << 123 << 3 << 8;
        QTest::newRow("123/4") << "Opt_123_Combo_C" << 123 << 4 << 1;
        QTest::newRow("79/1") << "Opt_79_Combo_A" << 79 << 1 << 2;
        QTest::newRow("79/2") << "Opt_79_Combo_B" << 79 << 2 << 1;
        QTest::newRow("79/3") << "Opt_79_Combo_C" << 79 << 3 << 8;
        QTest::newRow("79/4") << "Opt_79_Combo_D" << 79 << 4 << 1;
        QTest::newRow("79/9") << "Opt_79_Combo_I" << 79 << 9 << 8;
        QTest::newRow("124/2") << "Opt_124_Combo" << 124 << 2 << 3;
        QTest::newRow("64/1") << "Opt_64_Combo" << 64 << 1 << 5;
        QTest::newRow("64/3") << "Opt_64_Pos3_Combo" << 64 << 3 << 8;
    }
    void everyListItsRangeAndMessage()
    {
        QFETCH(QString, list);
        QFETCH(int, n);
        QFETCH(int, position);
        QFETCH(int, maximum);
        const QByteArray name = list.toLatin1();
        PageHarness h(Page);
        h.Layout();
        QCOMPARE(h.List(name)->count(), maximum + 1);
        h.Choose(name, maximum);
        h.Read();
        QCOMPARE(h.Value(n), maximum * Weight(position));

        h.Set(n, (maximum + 1) * Weight(position));
        h.Layout();
        const QString text = QStringLiteral("The value of Option Switch %1, starting at position %2 was %3. This is outside "
                                            "the allowable range of 0 to %4. The value will therefore be set to the "
                                            "default value of 0.")
                                 .arg(n)
                                 .arg(position)
                                 .arg(maximum + 1)
                                 .arg(maximum);
        QCOMPARE(h.Messages(), QStringList{text});
        QVERIFY(h.AllPlain());
        QCOMPARE(h.List(name)->currentIndex(), 0);
        h.Read();
        QCOMPARE(h.Value(n), 0);
    }

    void spoolEnclosureInAllItsForms()
    {
        PageHarness h(Page);
        QComboBox *shape = h.List("Opt_39_Combo");
        h.Set(39, 10001600); // circle with the flag; position 4 = 1
        h.Layout();
        QCOMPARE(shape->currentText(), QStringLiteral("Double Circle"));
        h.Read();
        QCOMPARE(h.Value(39), 10001600);

        h.Set(39, 1600);
        h.Layout();
        QCOMPARE(shape->currentText(), QStringLiteral("Circle"));
        h.Read();
        QCOMPARE(h.Value(39), 1600);

        h.Set(39, 10001900);
        h.Layout();
        QCOMPARE(shape->currentText(), QStringLiteral("Ellipse"));
        QVERIFY(h.Messages().isEmpty());
        h.Read();
        QCOMPARE(h.Value(39), 1900);

        h.Set(39, 10001800);
        h.Layout();
        QCOMPARE(h.Messages(), QStringList{OutOfRangeText(39, 3, 8, 7, 0)});
        QCOMPARE(h.Messages().first(),
                 QStringLiteral("The value of Option Switch 39, starting at position 3 was 8. This is outside the "
                                "allowable range of 0 to 7. The value will therefore be set to the default value of 0."));
        QVERIFY(h.AllPlain());
        QCOMPARE(shape->currentText(), QStringLiteral("Square Brackets"));
        h.Read();
        QCOMPARE(h.Value(39), 1000);

        // Chosen by the user.
        h.Choose("Opt_39_Combo", 8);
        h.Read();
        QCOMPARE(h.Value(39), 10001600);
        h.Choose("Opt_39_Combo", 9);
        h.Read();
        QCOMPARE(h.Value(39), 1900);
        h.Choose("Opt_39_Combo", 6);
        h.Read();
        QCOMPARE(h.Value(39), 1600);
        QCOMPARE(Items(shape), (QStringList{"Square Brackets", "Diamond Ended Box", "Round Ended Box",
                                            "Triangular Shaped Enclosure", "Diamond Shaped Enclosure", "Square Ended Box",
                                            "Circle", "No Enclosure", "Double Circle", "Ellipse"}));
        QCOMPARE(h.Messages().size(), 1);
    }

    void switch5ByClicks()
    {
        PageHarness h(Page);
        h.Set(5, 10000001);
        h.Layout();
        QVERIFY(h.Check("Opt_5_Check_A")->isChecked());
        QVERIFY(h.Check("Opt_5_Check_H")->isChecked());
        for (const char *box : {"Opt_5_Check_B", "Opt_5_Check_C", "Opt_5_Check_D", "Opt_5_Check_E", "Opt_5_Check_F",
                                "Opt_5_Check_G"})
            QVERIFY2(!h.Check(box)->isChecked(), box);
        QCOMPARE(h.Shown(h.Check("Opt_5_Check_A")->text()), QStringLiteral("Continuation on another Pipeline"));
        QCOMPARE(h.Shown(h.Check("Opt_5_Check_H")->text()), QStringLiteral("Break-In Point"));
        h.Read();
        QCOMPARE(h.Value(5), 10000001);
        h.Click(h.Check("Opt_5_Check_H"));
        h.Click(h.Check("Opt_5_Check_C"));
        h.Read();
        QCOMPARE(h.Value(5), 101);
    }

    void optionButtonsByClicks()
    {
        PageHarness h(Page);
        h.Set(39, 50072); // position 1 = 2 (alphabetic), 2 = 7 (second), 5 = 5 (file name)
        h.Layout();
        QVERIFY(h.Option("Opt_39_Option_A", 2)->isChecked());
        QVERIFY(h.Option("Opt_39_Option_B", 1)->isChecked());
        QVERIFY(h.Option("Opt_39_Option_C", 2)->isChecked());
        h.Read();
        QCOMPARE(h.Value(39), 20012);
        h.Click(h.Option("Opt_39_Option_A", 1));
        h.Click(h.Option("Opt_39_Option_B", 0));
        h.Click(h.Option("Opt_39_Option_C", 1));
        h.Click(h.Check("Opt_39_Check_3"));
        h.Click(h.Option("Opt_66_Option_A", 1));
        h.Click(h.Option("Opt_60_Option", 2));
        h.Click(h.Option("Opt_124_Option", 1));
        h.Click(h.Check("Opt_17_Check"));
        h.Click(h.Check("Opt_66_Pos5_Check"));
        h.Read();
        QCOMPARE(h.Value(39), 1010001);
        QCOMPARE(h.Value(66), 10001);
        QCOMPARE(h.Value(60), 2);
        QCOMPARE(h.Value(124), 1);
        QCOMPARE(h.Value(17), 1);
    }

    void captionsAndListTexts()
    {
        PageHarness h(Page);
        h.Layout();
        QCOMPARE(ButtonTexts(h.page->findChild<QWidget *>("Page_1")),
                 Sorted({"Continuation on another Pipeline", "Connection to Equipment Nozzle Etc.",
                              "Open End of pipework", "Closed End of pipework", "Vent position", "Drain position",
                              "Miscellaneous position", "Break-In Point", "Arrowed-out message type",
                              "Co-ordinates and Elevations to be output\nalong Witness Lines",
                              "Display Co-ordinates at Reference Items", "Display Co-ordinates at Tapped Branches"}));
        QCOMPARE(ButtonTexts(h.page->findChild<QWidget *>("Page_2")),
                 Sorted({"Use Numeric Sequence for Identifiers", "Suppress Identifiers ",
                              "Use Alphabetic Sequence for Identifiers",
                              "Spool Identifier sequence to continue on each new DRG",
                              "Spool Identifiers to re-commence at 1 on each new DRG", "Spool ID",
                              "Pipeline Reference (Automatic if no User Spool ID's)",
                              "Pipeline File Name (Automatic if no User Spool ID's)",
                              "Suppress Spool Breaks At Fabrication Unions", "Use Instrument (Tag) Name on Material List",
                              "Use Instrument Item Code on Material List", "Do not plot Tags / Names",
                              "Plot Tags / Names in boxes", "Plot Tags / Names without boxes"}));
        QCOMPARE(ButtonTexts(h.page->findChild<QWidget *>("Page_3")),
                 Sorted({"Do NOT show Flow Arrows on Components", "Show Insulation alongside Pipe only.",
                              "Suppress Insulation indication", "Show Insulation alongside Pipe and Components.",
                              "Show Tracing alongside Pipe only.", "Suppress Tracing indication",
                              "Show Tracing alongside Pipe and Components.", "No Flange Rotation Angles",
                              "Display Flange Rotation Angles"}));

        // Panels and frames by sub-page.
        const QVector<QStringList> titles = {
            {"CO-ORDINATES SUPPLEMENTARY", "TAPPED- BRANCH CO-ORDINATES", "CONNECTION CO-ORDINATES", "Output Type"},
            {"SPOOL PIECE IDENTIFIERS", "INSTRUMENT IDENTIFICATION", "COMPONENT TAGGING ON GRAPHICS",
             "INSTRUMENT ID / OTHER ENCLOSURES", "Spool Drawing Identifier"},
            {"ASSEMBLY NUMBERS", "FLANGE ROTATION ANGLES", "INSULATION INDICATION", "FLOW ARROWS on COMPONENTS",
             "TRACING INDICATION", "PIPE SUPPORT IDENTIFICATION"}};
        for (int k = 1; k <= 3; ++k) {
            QStringList shown;
            for (QGroupBox *b : h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k))->findChildren<QGroupBox *>())
                if (!b->title().isEmpty()) // untitled frames only group buttons
                    shown << b->title();
            shown.sort();
            QStringList expected = titles[k - 1];
            expected.sort();
            QCOMPARE(shown, expected);
        }

        // List captions as the user reads them.
        QStringList captions;
        for (QLabel *l : h.page->findChildren<QLabel *>()) {
            if (l->buddy())
                captions << h.Shown(l->text());
        }
        for (const char *c : {"Co-ordinates & Elevation Output at Bends and Elbows",
                              "Co-ordinates & Elevation Output at Branch Intersections",
                              "Co-ords/Continuation Message At Drawing Split Points", "Coordinates at Pipe Supports:",
                              "Coordinates at Location Points:", "World or Relative Coordinates:", "Box Enclosure Shape",
                              "Pipe Spool Definition User Defined", "Circle / Double Circle / Ellipse Enclosure Size",
                              "Number of characters per line in Balloon (2 lines Max.)", "Location Point Message Style:",
                              "Numeric / Alphanumeric / None", "Per Drawing / Per Pipeline", "Assembly Table"})
            QVERIFY2(captions.contains(QString::fromLatin1(c)), c);
        QCOMPARE(captions.count(QStringLiteral("Enclosure Shape")), 3);
        QCOMPARE(captions.count(QStringLiteral("Circle / Double Circle / Ellipse Enclosure Size")), 2);
        QCOMPARE(h.W<QLabel>("lblOpt5Note")->text(),
                 QStringLiteral("Check any of the boxes below to SUPPRESS co-ordinates at the various End/Connection types."));

        QCOMPARE(Items(h.List("Opt_60_Pos3_Combo")), TagEnclosures);
        QCOMPARE(Items(h.List("Opt_64_Pos3_Combo")), TagEnclosures);
        QStringList other = TagEnclosures;
        other[0] = QStringLiteral("No Enclosure");
        QCOMPARE(Items(h.List("Opt_123_Combo_B")), other);
        QCOMPARE(Items(h.List("Opt_66_Pos3_Combo")), Items(h.List("Opt_66_Pos2_Combo")));
        QCOMPARE(Items(h.List("Opt_66_Pos2_Combo")),
                 (QStringList{"Only Output Elevations When Changed", "Suppress Elevations and Co-ordinates",
                              "Output Elevations and Co-ordinates That Change", "Output A Full Set Of Co-ordinates"}));
        QCOMPARE(Items(h.List("Opt_64_Combo")),
                 (QStringList{"No Tags on Iso & Specific'n Ref in BOM", "Unboxed Tags on Iso & Tags in BOM",
                              "Boxed Tags on Iso & Specific'n Ref in BOM", "Unboxed Tags on Iso only",
                              "Boxed Tags on Iso only", "No Tags on Iso & Supports excluded from BOM"}));
        QCOMPARE(Items(h.List("Opt_79_Combo_I")), Items(h.List("Opt_39_Combo_I")));
        QCOMPARE(h.List("Opt_39_Combo_I")->itemText(8), QStringLiteral("Variable Size"));
        QCOMPARE(Items(h.List("Opt_79_Combo_C")),
                 (QStringList{"Square Ended Box", "Diamond Ended Box", "Round Ended Box", "No Enclosure",
                              "Triangular enclosure", "Diamond enclosure", "Circle", "Double Circle", "Ellipse"}));
        QCOMPARE(h.List("Opt_66_Pos4_Combo")->itemText(1),
                 QStringLiteral("Co-ords Output (Full Set) - Msg At Drawing Split Point"));
        QCOMPARE(h.List("Opt_66_Pos7_Combo")->itemText(2),
                 QStringLiteral("Co-ords Relative to Ref.Plane Output At Location Points"));
        QCOMPARE(h.List("Opt_124_Combo")->itemText(3), QStringLiteral("Square ended Enclosure Box"));
        QCOMPARE(h.List("Opt_123_Combo_C")->itemText(1), QStringLiteral("Message in Square ended Box Enclosure"));
    }

    // Access keys are unique on each sub-page and leave the menu bar's
    // letters alone.
    void accessKeys()
    {
        PageHarness h(Page);
        for (int k = 1; k <= 3; ++k) {
            QWidget *frame = h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k));
            QStringList texts;
            for (QAbstractButton *b : frame->findChildren<QAbstractButton *>())
                texts << b->text();
            for (QLabel *l : frame->findChildren<QLabel *>()) {
                if (l->buddy())
                    texts << l->text();
            }
            QString keys;
            const QRegularExpression mark(QStringLiteral("(?<!&)&([^&])"));
            for (const QString &t : texts) {
                const QRegularExpressionMatch m = mark.match(QString(t).replace(QStringLiteral("&&"), QStringLiteral("  ")));
                QVERIFY2(m.hasMatch(), qPrintable(t));
                const QChar key = m.captured(1).at(0).toUpper();
                QVERIFY2(!keys.contains(key), qPrintable(t));
                QVERIFY2(!QStringLiteral("FTAE").contains(key), qPrintable(t));
                keys += key;
            }
        }
    }

    void supportTipAndItsLabel()
    {
        PageHarness h(Page);
        h.Layout();
        h.page->ShowSubPage(3);
        QWidget *help = h.page->Widget("Label31");
        QVERIFY(help);
        QCOMPARE(qobject_cast<QLabel *>(help)->text(), QStringLiteral("?"));
        QVERIFY(help->isVisible());
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(h.host.tipTitles, QStringList{"64"});
        QCOMPARE(h.host.tipSizes, (QVector<QPair<int, int>>{{3000, 4000}}));
        QCOMPARE(h.host.tipTexts.first(),
                 QStringLiteral("This switch allows users to define whether Support Names (Tags) are shown on the Iso and "
                                "whether they are Boxed or Un-Boxed. It also controls whether Supports have entries in "
                                "the Material List (BOM), and whether the Tag or the Specification Reference (Item "
                                "Code) is shown in the Item Code Field."));
        // It stands beside the lists of switch 64, in their panel.
        auto *panel = h.page->findChild<QGroupBox *>("Panel_PIPE_SUPPORT_IDENTIFICATION");
        QVERIFY(panel);
        QVERIFY(panel->isAncestorOf(help));
        QVERIFY(panel->isAncestorOf(h.List("Opt_64_Combo")));
        QCOMPARE(help->accessibleName(), QStringLiteral("Tip for Switch 64"));
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.Value(64), 0);
    }

    void restrictedRunType()
    {
        PageHarness h(Page, true);
        h.Set(5, 10000001);
        h.Set(79, 2);
        h.Layout();
        for (const char *name : {"Opt_66_Pos4_Combo", "Opt_66_Pos5_Check", "OPt_39_Combo_F", "Opt_39_Combo_I",
                                 "Opt_123_Combo_A", "Opt_79_Combo_A", "Opt_79_Combo_B", "Opt_79_Combo_C",
                                 "Opt_79_Combo_D", "Opt_79_Combo_I"}) {
            h.page->ShowSubPage(h.page->Definition().Control(QString::fromLatin1(name))->subPage);
            QVERIFY2(h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
            QVERIFY2(h.page->Widget(QString::fromLatin1(name))->isVisible(), name);
        }
        for (const char *name : {"Opt_5_Check_A", "Opt_5_Check_H", "Opt_122_Check", "Opt_66_Pos2_Combo",
                                 "Opt_66_Pos3_Combo", "Opt_66_Pos6_Combo", "Opt_66_Pos7_Combo", "Opt_66_Pos8_Combo",
                                 "Opt_39_Combo", "Opt_39_Check_3", "Opt_64_Combo", "Opt_64_Pos3_Combo",
                                 "Opt_123_Combo_B", "Opt_123_Combo_C", "Opt_60_Pos3_Combo", "Opt_17_Check",
                                 "Opt_124_Combo"})
            QVERIFY2(!h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
        for (const char *group : {"Opt_66_Option_A", "Opt_39_Option_A", "Opt_39_Option_B", "Opt_39_Option_C",
                                  "Opt_59_Option", "Opt_60_Option", "Opt_61_Option", "Opt_62_Option", "Opt_124_Option"}) {
            for (QRadioButton *b : h.page->Options(QString::fromLatin1(group)))
                QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        }
        // The help label stays usable; the greyed boxes keep their values.
        h.page->ShowSubPage(3);
        QTest::mouseClick(h.page->Widget("Label31"), Qt::LeftButton);
        QCOMPARE(h.host.tipTitles, QStringList{"64"});
        h.Choose("Opt_79_Combo_A", 1);
        h.Read();
        QCOMPARE(h.Value(5), 10000001);
        QCOMPARE(h.Value(79), 1);
    }

    void layingOutAgainKeepsEachItemOnce()
    {
        PageHarness h(Page);
        h.Layout();
        h.Set(39, 10000600);
        h.Layout();
        h.Layout();
        for (const ControlEntry &c : h.page->Definition().controls) {
            if (c.bind == Bind::List)
                QCOMPARE(h.List(c.name.toLatin1())->count(), static_cast<int>(c.items.size()));
        }
        QCOMPARE(h.List("Opt_39_Combo")->count(), 10);
        QCOMPARE(h.ItemText("Opt_39_Combo"), QStringLiteral("Double Circle"));
    }

    void subPagesAndTheirArrows()
    {
        PageHarness h(Page);
        h.Layout();
        QCOMPARE(h.page->objectName(), QStringLiteral("XIContent_1"));
        QCOMPARE(h.page->TabStrip()->tabText(h.page->TabStrip()->currentIndex()), QStringLiteral("Iso Content"));
        QCOMPARE(h.page->TabStrip()->currentIndex(), 6);
        QCOMPARE(h.page->CurrentSubPage(), 1);
        QVERIFY(h.List("Opt_66_Pos2_Combo")->isVisible());
        QTest::mouseClick(h.page->Widget("ImgNextPage_2"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QVERIFY(h.List("Opt_39_Combo")->isVisible());
        QTest::mouseClick(h.page->Widget("ImgNextPage_3"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 3);
        QVERIFY(h.List("Opt_64_Combo")->isVisible());
        QTest::mouseClick(h.page->Widget("imgPrevPage_2"), Qt::LeftButton);
        QTest::mouseClick(h.page->Widget("imgPrevPage_1"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 1);
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k))->findChild<QLabel *>("lblFoot1")->text(),
                     QStringLiteral("Page %1 of 3").arg(k));
        for (const auto &[name, k] : QVector<QPair<const char *, int>>{
                 {"Opt_5_Check_A", 1}, {"Opt_122_Check", 1}, {"Opt_66_Pos8_Combo", 1}, {"Opt_39_Combo_I", 2},
                 {"Opt_59_Option_1", 2}, {"Opt_123_Combo_C", 2}, {"Opt_79_Combo_I", 3}, {"Opt_17_Check", 3},
                 {"Opt_61_Option_2", 3}, {"Opt_124_Combo", 3}})
            QVERIFY2(h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k))->isAncestorOf(h.page->Widget(name)), name);
        QVERIFY(h.Messages().isEmpty());
        for (int n = 1; n <= 140; ++n)
            QCOMPARE(h.Value(n), 0);
    }
};

QTEST_MAIN(TestXIContent)
#include "test_xicontent.moc"
