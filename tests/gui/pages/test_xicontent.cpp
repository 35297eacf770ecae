// The iso content page on screen: real widgets, clicks, sub-pages, tips,
// and every message of its lists.
#include "TestRegistry.h"
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

    // The texts a user could misread from the table: blanks, line breaks,
    // doubled ampersands, repeated and substituted items.
    void captionsAndListTexts()
    {
        PageHarness h(Page);
        h.Layout();
        QCOMPARE(h.Shown(h.Option("Opt_39_Option_A", 1)->text()), QStringLiteral("Suppress Identifiers "));
        QCOMPARE(h.Shown(h.Option("Opt_66_Option_A", 1)->text()),
                 QStringLiteral("Co-ordinates and Elevations to be output\nalong Witness Lines"));
        QCOMPARE(h.Shown(h.Option("Opt_39_Option_C", 1)->text()),
                 QStringLiteral("Pipeline Reference (Automatic if no User Spool ID's)"));
        QCOMPARE(h.Shown(h.Check("Opt_17_Check")->text()), QStringLiteral("Do NOT show Flow Arrows on Components"));

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
            QCOMPARE(Sorted(shown), Sorted(titles[k - 1]));
        }

        // List captions as the user reads them: a doubled ampersand shows one.
        QStringList captions;
        for (QLabel *l : h.page->findChildren<QLabel *>()) {
            if (l->buddy())
                captions << h.Shown(l->text());
        }
        QVERIFY(captions.contains("Co-ordinates & Elevation Output at Bends and Elbows"));
        QVERIFY(captions.contains("Co-ordinates & Elevation Output at Branch Intersections"));
        QCOMPARE(captions.count(QStringLiteral("Enclosure Shape")), 3);
        QCOMPARE(captions.count(QStringLiteral("Circle / Double Circle / Ellipse Enclosure Size")), 2);
        QCOMPARE(h.W<QLabel>("lblOpt5Note")->text(),
                 QStringLiteral("Check any of the boxes below to SUPPRESS co-ordinates at the various End/Connection types."));

        // Items 0 and 5 of the tag enclosures read alike; the other
        // enclosures of switch 123 start with "No Enclosure".
        QCOMPARE(Items(h.List("Opt_60_Pos3_Combo")), TagEnclosures);
        QCOMPARE(Items(h.List("Opt_64_Pos3_Combo")), TagEnclosures);
        QStringList other = TagEnclosures;
        other[0] = QStringLiteral("No Enclosure");
        QCOMPARE(Items(h.List("Opt_123_Combo_B")), other);
        QCOMPARE(Items(h.List("Opt_66_Pos3_Combo")), Items(h.List("Opt_66_Pos2_Combo")));
        QCOMPARE(Items(h.List("Opt_79_Combo_I")), Items(h.List("Opt_39_Combo_I")));
        // A single ampersand in an item is shown as it is.
        QCOMPARE(h.List("Opt_64_Combo")->itemText(5), QStringLiteral("No Tags on Iso & Supports excluded from BOM"));
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

    // The widgets follow the run type's greying (the list of greyed
    // controls is checked on the page state); the tip stays at hand.
    void restrictedRunType()
    {
        PageHarness h(Page, true);
        h.Set(5, 10000001);
        h.Set(79, 2);
        h.Layout();
        int open = 0;
        for (const ControlEntry &c : h.page->Definition().controls) {
            if (c.bind == Bind::Label)
                continue;
            h.page->ShowSubPage(c.subPage);
            QVector<QWidget *> widgets;
            if (c.bind == Bind::Options)
                for (QRadioButton *b : h.page->Options(c.name))
                    widgets << b;
            else
                widgets << h.page->Widget(c.name);
            for (QWidget *w : widgets) {
                QVERIFY2(w->isEnabled() == !c.restricted, qPrintable(w->objectName()));
                QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
            }
            open += c.restricted ? 0 : 1;
        }
        QCOMPARE(open, 10);
        QVERIFY(!h.Option("Opt_39_Option_B", 1)->isEnabled());
        QVERIFY(h.List("Opt_79_Combo_C")->isEnabled());
        QVERIFY(!h.Check("Opt_5_Check_H")->isEnabled());
        h.page->ShowSubPage(3);
        QVERIFY(h.page->Widget("Label31")->isEnabled());
        QTest::mouseClick(h.page->Widget("Label31"), Qt::LeftButton);
        QCOMPARE(h.host.tipTitles, QStringList{"64"});
        // Greyed boxes keep their values; open lists store the user's choice.
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

SWTED_TEST_MAIN(TestXIContent)
#include "test_xicontent.moc"
