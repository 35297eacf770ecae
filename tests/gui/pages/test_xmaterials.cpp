// The material list page driven through its widgets.
#include "TestRegistry.h"
#include "TestSupport.h"
#include "pages/XMaterials_1.h"
#include "PageHarness.h"
#include "pages/SettingSearch.h"

#include <QGroupBox>
#include <QLabel>

using namespace swted;
using namespace swted::test;

namespace {


} // namespace

class TestXMaterials : public QObject {
    Q_OBJECT

private slots:
    // The cases a stored file must come through as prescribed.
    void storedValuesShowAndReadBack()
    {
        PageHarness h(Materials);
        h.Set(23, 100);
        h.Set(2, 16000000 + 12);
        h.Set(24, 3);
        h.Set(27, 35);
        h.Layout();
        QCOMPARE(h.ItemText("Opt_23_Combo_B"), QStringLiteral("Style 1 Material List"));
        QCOMPARE(h.ItemText("Opt_2_Combo_D"), QStringLiteral("Double Circular Enclosure"));
        QVERIFY(h.Option("Opt_24_Option", 1)->isChecked());
        QCOMPARE(h.Shown(h.Option("Opt_24_Option", 1)->text()), QStringLiteral("Material List per Pipeline"));
        QVERIFY(h.Check("opt_24_check")->isChecked());
        QCOMPARE(h.ItemText("Opt_27_Combo"), QStringLiteral("User Specified Size"));
        QVERIFY(h.page->Widget("FramMatUserTextSize")->isVisible());
        QCOMPARE(h.Text("TxtMatUserTxtSize1")->text(), QStringLiteral("3"));
        QCOMPARE(h.Text("TxtMatUserTxtSize2")->text(), QStringLiteral("5"));
        QCOMPARE(qobject_cast<QLabel *>(h.page->Widget("LblMatDot"))->text(), QStringLiteral("."));
        h.Read();
        QCOMPARE(h.Value(23), 0);
        QCOMPARE(h.Value(2), 16000012);
        QCOMPARE(h.Value(24), 3);
        QCOMPARE(h.Value(27), 35);
        QVERIFY(h.Messages().isEmpty());

        h.Set(2, 15000000);
        h.Layout();
        QCOMPARE(h.ItemText("Opt_2_Combo_D"), QStringLiteral("Square Ended Box"));
        h.Read();
        QCOMPARE(h.Value(2), 5000000);
    }

    void bendingBoxesByClicks()
    {
        PageHarness h(Materials);
        h.Layout();
        QCheckBox *basic = h.Check("SSChkSSOpt2Pos6To0");
        QCheckBox *profiles = h.Check("SSChkopt2Pos6To1");
        QVERIFY(basic->isChecked());
        QCOMPARE(profiles->parentWidget(), h.page->Widget("FramBending"));
        QCOMPARE(qobject_cast<QGroupBox *>(h.page->Widget("FramBending"))->title(), QStringLiteral("Bending File Information"));
        h.Click(profiles);
        QVERIFY(profiles->isChecked());
        QVERIFY(!basic->isChecked());
        h.Read();
        QCOMPARE(h.Digit(2, 6), 1);
        h.Click(profiles); // unticked: neither box, the digit stays
        QVERIFY(!basic->isChecked());
        h.Read();
        QCOMPARE(h.Digit(2, 6), 1);
        h.Click(basic);
        h.Click(profiles);
        h.Click(basic);
        QVERIFY(!profiles->isChecked());
        h.Read();
        QCOMPARE(h.Digit(2, 6), 0);
    }

    // The user size fields take one digit from the keyboard, stored as it
    // is typed; the list's standard sizes are stored when chosen.
    void userTextSizeByKeyboardAndList()
    {
        PageHarness h(Materials);
        h.Set(27, 200000000);
        h.Layout();
        QWidget *frame = h.page->Widget("FramMatUserTextSize");
        QVERIFY(!frame->isVisible());
        h.Choose("Opt_27_Combo", 3);
        QCOMPARE(h.Value(27), 200000003);
        h.Choose("Opt_27_Combo", 6);
        QVERIFY(frame->isVisible());
        QCOMPARE(h.Value(27), 200000003);
        QLineEdit *tens = h.Text("TxtMatUserTxtSize1");
        QLineEdit *tenths = h.Text("TxtMatUserTxtSize2");
        QCOMPARE(tens->text(), QString()); // a list size is no user size
        QCOMPARE(tenths->text(), QString());
        tens->setFocus();
        tens->selectAll();
        QTest::keyClicks(tens, QStringLiteral("4"));
        QCOMPARE(h.Value(27), 200000040);
        QTest::keyClicks(tens, QStringLiteral("2x")); // a second digit and a letter are refused
        QCOMPARE(tens->text(), QStringLiteral("4"));
        QTest::keyClick(tens, Qt::Key_Backspace); // emptied: nothing stored
        QCOMPARE(h.Value(27), 200000040);
        QTest::keyClicks(tens, QStringLiteral("a-1"));
        QCOMPARE(tens->text(), QStringLiteral("1"));
        tenths->selectAll();
        QTest::keyClicks(tenths, QStringLiteral("9"));
        QCOMPARE(h.Value(27), 200000019);
        h.Read();
        QCOMPARE(h.Value(27), 200000019);
        QVERIFY(h.Messages().isEmpty());
        h.Choose("Opt_27_Combo", 0);
        QVERIFY(!frame->isVisible());
        QCOMPARE(h.Value(27), 200000000);
    }

    // Positions 7 to 9 belong to the user font group, whose rules are bound
    // elsewhere: the page's own controls leave them alone.
    void userFontGroupStandsInItsFrame()
    {
        PageHarness h(Materials);
        h.Set(27, 123000004);
        h.Layout();
        auto *frame = qobject_cast<QGroupBox *>(h.page->Widget("FramMatFont"));
        QCOMPARE(frame->title(), QStringLiteral("User Defined Fonts"));
        QCOMPARE(h.Check("ChkMaterialsFontFile")->parentWidget(), frame);
        QCOMPARE(h.List("CmbMaterialsUserFontType")->parentWidget(), frame);
        QCOMPARE(h.Shown(h.Check("ChkMaterialsFontFile")->text()), QStringLiteral("On / Off"));
        h.Click(h.Check("ChkMaterialsFontFile"));
        h.Read();
        QCOMPARE(h.Value(27), 123000004);
    }

    void rangeMessagesAreExactAndPlain()
    {
        PageHarness h(Materials);
        h.Set(2, 9000000);
        h.Set(23, 500);
        h.Set(27, 9);
        h.Layout();
        QCOMPARE(h.Messages(),
                 (QStringList{"The value of Option Switch 23, starting at position 3 was 5. This is outside the allowable "
                              "range of 0 to 4. The value will therefore be set to the default value of 0.",
                              "The value of Option Switch 27, starting at position 1 was 9. This is outside the allowable "
                              "range of 0 to 5. The value will therefore be set to the default value of 0.",
                              "The value of Option Switch 2, starting at position 7 was 9. This is outside the allowable "
                              "range of 0 to 8. The value will therefore be set to the default value of 0."}));
        QVERIFY(h.AllPlain());
        QCOMPARE(h.ItemText("Opt_2_Combo_D"), QStringLiteral("Pointed Brackets"));
        QCOMPARE(h.ItemText("Opt_23_Combo_B"), QStringLiteral("Style 1 Material List"));
        QCOMPARE(h.ItemText("Opt_27_Combo"), QStringLiteral("Medium Sized Characters (2.4mm)"));
        h.Read();
        QCOMPARE(h.Value(2), 0);
        QCOMPARE(h.Value(23), 0);
        QCOMPARE(h.Value(27), 0);
    }

    void restrictedRunType()
    {
        PageHarness h(Materials, true);
        h.Set(22, 5);
        h.Set(27, 12);
        h.Layout();
        for (const char *name : {"Opt_23_Check_A", "Opt_23_Combo_B", "Opt_27_Combo", "Opt_29_Text", "Opt_26_Check_B",
                                 "Opt_2_Combo_A", "Opt_2_Check_B", "Opt_2_Combo_D", "Opt_2_Combo_E", "Opt_22_Text_A",
                                 "opt_24_check", "Opt_24_Combo", "Opt_65_Combo_B", "Opt_30_Check", "Opt_43_Text",
                                 "Opt_51_Text"})
            QVERIFY2(!h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
        for (const char *group : {"Opt_23_Option", "Opt_25_Option_A", "Opt_24_Option", "Opt_30_Option", "Opt_74_Option_A",
                                  "Opt_74_Option_F"})
            QVERIFY2(!h.Option(group, 1)->isEnabled(), group);
        for (const char *name : {"Opt_28_Text", "SSChkSSOpt2Pos6To0", "SSChkopt2Pos6To1", "TxtMatUserTxtSize1",
                                 "TxtMatUserTxtSize2", "FramMatUserTextSize", "FramMatFont", "ChkMaterialsFontFile",
                                 "CmbMaterialsUserFontType", "FramBending"})
            QVERIFY2(h.page->Widget(QString::fromLatin1(name))->isEnabled(), name);
        // Captions, continuation labels and switch numbers go grey with
        // their controls; whole panels of restricted controls go grey.
        for (QLabel *label : h.page->findChildren<QLabel *>()) {
            const QString text = h.Shown(label->text());
            if (text == QLatin1String("Cut Piece Identifier - Enclosure Style:") || text.startsWith(QLatin1String("List but"))
                || text == QLatin1String("AREA 4") || text == QLatin1String("Bolt Diameter Units")
                || label->objectName() == QLatin1String("lblSwitch_Opt_27_Combo"))
                QVERIFY2(!label->isEnabled(), qPrintable(text));
            if (label->objectName() == QLatin1String("lblSwitch_Opt_28_Text")
                || text == QLatin1String("Number of Characters in Item Code"))
                QVERIFY2(label->isEnabled(), qPrintable(text));
        }
        for (const char *panel : {"Panel_BOLTING_UNITS", "Panel_CONTINUATION_METHOD", "Panel_ACCUMULATION_CONTROL",
                                  "Panel_PIPE_WASTAGE_FACTORS_AREAS_1_to_9", "Panel_LINE_SPACING"})
            QVERIFY2(!h.page->findChild<QWidget *>(panel)->isEnabled(), panel);
        QVERIFY(h.page->findChild<QWidget *>("Panel_ITEM_CODE_LENGTH")->isEnabled());
        // Still shown and read back.
        QCOMPARE(h.Text("Opt_22_Text_A")->text(), QStringLiteral("5"));
        h.Read();
        QCOMPARE(h.Value(22), 5);
        QCOMPARE(h.Value(27), 12);
    }

    void subPagesFootersAndArrows()
    {
        PageHarness h(Materials);
        h.Layout();
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(h.page->CurrentSubPage(), k);
            QWidget *frame = h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k));
            QVERIFY(frame->isVisible());
            QCOMPARE(frame->findChild<QLabel *>("lblFoot1")->text(), QStringLiteral("Page %1 of 5").arg(k));
            QCOMPARE(h.page->Widget(QStringLiteral("imgPrevPage_%1").arg(k - 1)) != nullptr, k > 1);
            if (k < 5)
                QTest::mouseClick(h.page->Widget(QStringLiteral("ImgNextPage_%1").arg(k + 1)), Qt::LeftButton);
        }
        QVERIFY(!h.page->Widget("ImgNextPage_6"));
        QTest::mouseClick(h.page->Widget("imgPrevPage_4"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 4);
        QVERIFY(h.Option("Opt_74_Option_D", 0)->isVisible());
        QCOMPARE(h.Value(74), 0);
    }

    // Access keys are unique on each sub-page and leave the menu bar's
    // letters alone; the accumulation frames carry theirs in their titles.
    void accessKeysUniquePerSubPage()
    {
        PageHarness h(Materials);
        for (int k = 1; k <= 5; ++k) {
            QWidget *frame = h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k));
            QStringList captions;
            for (QAbstractButton *b : frame->findChildren<QAbstractButton *>())
                captions << b->text();
            for (QLabel *l : frame->findChildren<QLabel *>()) {
                if (l->buddy())
                    captions << l->text();
            }
            for (QGroupBox *g : frame->findChildren<QGroupBox *>())
                captions << g->title();
            QSet<QChar> seen;
            for (const QString &caption : captions) {
                const QChar key = AccessKeyOf(caption);
                if (key.isNull())
                    continue;
                QVERIFY2(!QStringLiteral("FTAE").contains(key), qPrintable(caption));
                QVERIFY2(!seen.contains(key), qPrintable(QStringLiteral("page %1: %2").arg(k).arg(caption)));
                seen.insert(key);
            }
            QVERIFY(seen.size() >= 3);
        }
    }

    void captionsAndListTexts()
    {
        PageHarness h(Materials);
        h.Layout();
        QCOMPARE(h.List("Opt_2_Combo_D")->count(), 11);
        QCOMPARE(h.List("Opt_2_Combo_D")->itemText(9), QStringLiteral("Double Elliptical Enclosure"));
        QCOMPARE(h.List("Opt_24_Combo")->itemText(1), QStringLiteral("Pipe lengths in MM or Feet and Inches (e.g. 10'5'')"));
        QCOMPARE(h.List("Opt_2_Combo_E")->itemText(3),
                 QStringLiteral("Entry to Cut List for Additional Material (PIPE & MISC)"));
        QCOMPARE(h.List("Opt_27_Combo")->count(), 7);
        QCOMPARE(h.Shown(h.Option("Opt_30_Option", 1)->text()), h.Shown(h.Option("Opt_30_Option", 2)->text()));
        QCOMPARE(qobject_cast<QLabel *>(h.page->findChild<QWidget *>("lblOpt30_2"))->text(),
                 QStringLiteral("List but  no pipeline graphics. Isometric will be allocated the next Drawing identifier"));
        QCOMPARE(h.Shown(h.Option("Opt_74_Option_C", 2)->text()), QStringLiteral("Suppress all Offshore items"));
        QCOMPARE(h.Shown(h.Option("Opt_74_Option_E", 1)->text()), QStringLiteral("Bolts not accumulated"));
        QCOMPARE(h.Shown(qobject_cast<QGroupBox *>(h.page->findChild<QWidget *>("Opt_74_Option_B_Frame"))->title()),
                 QStringLiteral("Erection Materials"));
        QCOMPARE(h.Shown(h.Check("Opt_30_Check")->text()), QStringLiteral("Add 'DRG 1 OF 1' to any single sheet isometrics"));
        QCOMPARE(h.Text("Opt_29_Text")->text(), QStringLiteral("100"));
    }
};

SWTED_TEST_MAIN(TestXMaterials)
#include "test_xmaterials.moc"
