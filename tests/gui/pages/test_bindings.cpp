#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageState.h"
#include "pages/PageTable.h"
#include "gui/pages/TipWindow.h"
#include "gui/Twips.h"
#include "gui/QtPrompts.h"
#include "shell/ScriptedPrompts.h"
#include "gui/tools/AboutWindow.h"

#include <QLabel>
#include <QPushButton>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;

class TestBindings : public QObject {
    Q_OBJECT

    SwitchStore store;
    ScriptedPrompts prompts;

    // Reads text into positions 3-4 of a switch holding 9999 and returns the
    // new value.
    int32_t TypeIntoRange(const QString &text, const QString &defaultText, bool withDefault = true)
    {
        store.SetWholeValue(5, 9999);
        store.UnpackSwitch(5);
        ControlState field;
        field.text = text;
        if (withDefault)
            ReadTextToDigitsWithDefault(store, field, 3, 2, defaultText);
        else
            ReadTextToDigits(store, field, 3, 2);
        store.PackSwitch(5);
        return store.GetSwitchValue(5);
    }

private slots:
    void init()
    {
        store = SwitchStore();
        prompts.messages.clear();
    }

    void rangeValues()
    {
        store.SetWholeValue(1, 987654321);
        store.UnpackSwitch(1);
        QCOMPARE(RangeValue(store, 1, 2), 21);
        QCOMPARE(RangeValue(store, 3, 3), 543);
        QCOMPARE(RangeValue(store, 9, 1), 9);
        SetRangeValue(store, 2, 3, 7);
        store.PackSwitch(1);
        QCOMPARE(store.GetSwitchValue(1), 987650071);
    }

    void textRangeShowsAndReads_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("default text") << "18" << 99;
        QTest::newRow("default text with blanks") << "  18 " << 99;
        QTest::newRow("018 is not the default") << "018" << 1899;
        QTest::newRow("one digit") << "7" << 799;
        QTest::newRow("too long") << "123" << 2399;
        QTest::newRow("letters") << "ab" << 99;
        QTest::newRow("empty") << "" << 99;
    }
    void textRangeShowsAndReads()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QCOMPARE(TypeIntoRange(typed, QStringLiteral("18")), stored);
    }

    void textWithoutDefaultRule()
    {
        QCOMPARE(TypeIntoRange(QStringLiteral("18"), QStringLiteral("18"), false), 1899);
        QCOMPARE(TypeIntoRange(QStringLiteral("0"), QStringLiteral("0")), 99);
    }

    void textDisplay()
    {
        ControlState field;
        store.SetWholeValue(2, 100000);
        ShowDigitsInText(store, 2, field, 3, 2, QStringLiteral("18"));
        QCOMPARE(field.text, QStringLiteral("18")); // the range holds 0
        store.SetWholeValue(2, 2500);
        ShowDigitsInText(store, 2, field, 3, 2, QStringLiteral("18"));
        QCOMPARE(field.text, QStringLiteral("25"));
        store.SetWholeValue(2, 0);
        ShowDigitsInText(store, 2, field, 3, 2, QStringLiteral("0"));
        QCOMPARE(field.text, QStringLiteral("0"));
        // The whole value, and its default text for 0.
        store.SetWholeValue(2, 123456789);
        ShowDigitsInText(store, 2, field, 1, 9, QStringLiteral("5"));
        QCOMPARE(field.text, QStringLiteral("123456789"));
        store.SetWholeValue(2, 0);
        ShowDigitsInText(store, 2, field, 1, 9, QStringLiteral("5"));
        QCOMPARE(field.text, QStringLiteral("5"));
        store.SetWholeValue(2, -7);
        ShowDigitsInText(store, 2, field, 1, 9, QStringLiteral("0"));
        QCOMPARE(field.text, QStringLiteral("-7"));
    }

    void checkBoxes()
    {
        ControlState box;
        store.SetWholeValue(3, 20);
        store.UnpackSwitch(3);
        ShowDigitInCheck(store, box, 2);
        QVERIFY(!box.checked); // a 2 shows clear
        ReadCheckToDigit(store, box, 2);
        store.PackSwitch(3);
        QCOMPARE(store.GetSwitchValue(3), 0);
        store.SetWholeValue(3, 10);
        store.UnpackSwitch(3);
        ShowDigitInCheck(store, box, 2);
        QVERIFY(box.checked);
    }

    void optionButtons()
    {
        ControlState o;
        store.SetWholeValue(4, 7);
        store.UnpackSwitch(4);
        ShowDigitInOptions2(store, o, 1);
        QCOMPARE(o.index, 1);
        ReadOptions2ToDigit(store, o, 1);
        QCOMPARE(store.GetDigit(1), int16_t(1));

        store.SetDigit(1, 7);
        ShowDigitInOptions4(store, o, 1); // 7 selects the last of four
        QCOMPARE(o.index, 3);
        ShowDigitInOptions3(store, o, 1); // still 7
        QCOMPARE(o.index, 2);
        ReadOptions3ToDigit(store, o, 1);
        QCOMPARE(store.GetDigit(1), int16_t(2));

        store.SetDigit(1, 3);
        ShowDigitInOptions5(store, o, 1);
        QCOMPARE(o.index, 3);
        ReadOptions5ToDigit(store, o, 1);
        QCOMPARE(store.GetDigit(1), int16_t(3));
        o.index = 4;
        ReadOptions5ToDigit(store, o, 1);
        QCOMPARE(store.GetDigit(1), int16_t(4));
        o.index = -1; // none selected counts as the last
        ReadOptions2ToDigit(store, o, 1);
        QCOMPARE(store.GetDigit(1), int16_t(1));
    }

    void listRangeCheck()
    {
        ControlState list;
        list.items = QStringList{"a", "b", "c"};
        store.SetWholeValue(6, 5);
        store.UnpackSwitch(6);
        ShowDigitsInList(store, prompts, 6, list, 1, 1, 2, 0);
        QCOMPARE(list.index, 0);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].text,
                 QStringLiteral("The value of Option Switch 6, starting at position 1 was 5. This is outside the "
                                "allowable range of 0 to 2. The value will therefore be set to the default value of 0."));
        QCOMPARE(prompts.messages[0].title, QStringLiteral("Swted32"));
        QCOMPARE(prompts.messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(prompts.messages[0].icon, MessageIcon::None);
        QCOMPARE(store.GetSwitchValue(6), 5); // the store keeps the bad value until read back

        list.items << "d";
        store.SetWholeValue(6, 0);
        store.UnpackSwitch(6);
        ShowDigitsInList(store, prompts, 6, list, 1, 1, 3, 2);
        QCOMPARE(list.index, 2);
        QCOMPARE(prompts.messages.size(), 1);
    }

    void outOfRangeText()
    {
        QCOMPARE(OutOfRangeText(82, 4, 7, 3, 0),
                 QStringLiteral("The value of Option Switch 82, starting at position 4 was 7. This is outside the "
                                "allowable range of 0 to 3. The value will therefore be set to the default value of 0."));
    }

    void pageTable()
    {
        QCOMPARE(TabCaptionsInStripOrder(),
                 (QStringList{"Plotted Iso", "System", "Material List", "Welding", "Dimensioning", "Iso Style",
                              "Iso Content", "Specials"}));
        QCOMPARE(PageIndexOfCaption(QStringLiteral("iso style")), 5);
        QCOMPARE(PageIndexOfCaption(QStringLiteral("SPECIALS")), 7);
        QCOMPARE(PageIndexOfCaption(QStringLiteral("Nothing")), -1);
        QCOMPARE(QString::fromLatin1(PageOfIndex(3).window), QStringLiteral("XWelding_1"));
    }

    void centring()
    {
        QCOMPARE(CentredOffset(1000, 600), 200);
        QCOMPARE(CentredOffset(1005, 600), 202); // 202.5 goes to the even 202
        QCOMPARE(CentredOffset(1007, 600), 204); // 203.5 goes to the even 204
        QCOMPARE(CentredOffset(500, 600), 0);
        QCOMPARE(CentredOffset(600, 600), 0);
        QCOMPARE(TwipsToPixels(1440), PixelsToTwips(TwipsToPixels(1440)) * TwipsToPixels(1440) / 1440);
    }

    void tipWindowGeometry()
    {
        const TipWindow::Geometry g = TipWindow::GeometryFor(5000, 5500);
        QCOMPARE(g.windowWidth, 5500);
        QCOMPARE(g.windowHeight, 5600);
        QCOMPARE(g.labelHeight, 4800);
        QCOMPARE(g.labelWidth, 5260);
        QCOMPARE(g.labelLeft, 60);
        QCOMPARE(g.buttonTop, 4860);
        QCOMPARE(g.buttonLeft, 2450);

        TipWindow tip;
        tip.ShowTip(QStringLiteral("53"), QStringLiteral("first\r\nsecond"), 5000, 5500);
        QCOMPARE(tip.windowTitle(), QStringLiteral("Tip for Switch number 53"));
        QCOMPARE(tip.findChild<QLabel *>("Label1")->text(), QStringLiteral("first\nsecond"));
        QCOMPARE(tip.findChild<QPushButton *>("Command1")->text(), QStringLiteral("Exit"));
        QCOMPARE(tip.width(), TwipsToPixels(5500, &tip));
        QVERIFY(tip.isVisible());
        QVERIFY(!tip.isModal());
        tip.ShowTip(QStringLiteral("14"), QStringLiteral("other"), 4000, 4000);
        QCOMPARE(tip.windowTitle(), QStringLiteral("Tip for Switch number 14"));
        QCOMPARE(tip.CurrentGeometry().windowHeight, 4600);
    }

    void aboutText()
    {
        QCOMPARE(ComposeVersionText(2, 9, 0), QStringLiteral("V 2. 9. 0"));
        const QString text = AboutWindow::LabelText(ComposeVersionText(2, 9, 0));
        QCOMPARE(text, QStringLiteral("Options Editor V 2. 9. 0\n\r(For use with KARVEN Versions up to, and including, V8.13.1)"));
        AboutWindow about(QStringLiteral("V 1. 0. 0"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About Options Editor"));
        QCOMPARE(about.findChild<QLabel *>("Label1")->text(), AboutWindow::LabelText(QStringLiteral("V 1. 0. 0")));
        QCOMPARE(about.findChild<QPushButton *>("Command1")->text(), QStringLiteral("OK"));
    }

    void dialogFilters()
    {
        QCOMPARE(QtPrompts::QtFilters(QStringLiteral("KARVEN OPTIONS FILE|*.OPT|LIST|*.OPL|All Files (*.*)|*.*")),
                 (QStringList{"KARVEN OPTIONS FILE (*.OPT)", "LIST (*.OPL)", "All Files (*)"}));
        QCOMPARE(QtPrompts::DisplayText(QStringLiteral("a\r\nb\rc\nd\n\re")), QStringLiteral("a\nb\nc\nd\ne"));
    }
};

SWTED_TEST_MAIN(TestBindings)
#include "test_bindings.moc"
