// The iso style page driven through its widgets, and the example window of
// switch 73.
#include "TestRegistry.h"
#include "TestSupport.h"
#include "pages/SettingSearch.h"
#include "PageHarness.h"
#include "pages/Bindings.h"
#include "pages/XIStyle_1.h"
#include "gui/tools/Example73Window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace swted;
using namespace swted::test;

namespace {


QString T(const char *s) { return QString::fromLatin1(s); }

Example73Window *OpenExample()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *e = qobject_cast<Example73Window *>(w); e && e->isVisible())
            return e;
    }
    return nullptr;
}

int OpenExamples()
{
    int n = 0;
    for (QWidget *w : QApplication::allWidgets()) {
        if (qobject_cast<Example73Window *>(w) && w->isVisible())
            ++n;
    }
    return n;
}

// The user types a text into a field: its text changes and the field
// reports the edit.
void Type(QLineEdit *field, const QString &text)
{
    field->setText(text);
    emit field->textEdited(text);
}

} // namespace

class TestXIStyle : public QObject {
    Q_OBJECT

private slots:
    // Every message of the page by its exact text, title, buttons and icon.
    void messagesOfTheLayout_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("value");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("4") << 4 << 6 << QStringList{OutOfRangeText(4, 1, 6, 5, 0)};
        QTest::newRow("19 position 2") << 19 << 24 << QStringList{XIStyle_1::FallRangeText(2, 2)};
        QTest::newRow("19 position 1") << 19 << 8 << QStringList{XIStyle_1::FallRangeText(1, 8)};
        QTest::newRow("21") << 21 << 3 << QStringList{XIStyle_1::NotAllowedText(21, 3)};
        QTest::newRow("38") << 38 << 9000 << QStringList{OutOfRangeText(38, 4, 9, 3, 0)};
        QTest::newRow("42") << 42 << 9 << QStringList{OutOfRangeText(42, 1, 9, 8, 0)};
        QTest::newRow("67 position 2") << 67 << 30 << QStringList{OutOfRangeText(67, 2, 3, 2, 0)};
        QTest::newRow("67 position 3") << 67 << 200 << QStringList{OutOfRangeText(67, 3, 2, 1, 0)};
        QTest::newRow("73") << 73 << 50000 << QStringList{OutOfRangeText(73, 5, 5, 2, 0)};
        QTest::newRow("76") << 76 << 4 << QStringList{XIStyle_1::NotAllowedText(76, 4)};
        QTest::newRow("95") << 95 << 30000 << QStringList{OutOfRangeText(95, 5, 3, 2, 0)};
        QTest::newRow("99 position 1") << 99 << 7 << QStringList{OutOfRangeText(99, 1, 7, 3, 0)};
        QTest::newRow("99 position 3") << 99 << 300 << QStringList{OutOfRangeText(99, 3, 3, 2, 0)};
        QTest::newRow("108") << 108 << 5 << QStringList{OutOfRangeText(108, 1, 5, 2, 0)};
    }
    void messagesOfTheLayout()
    {
        QFETCH(int, n);
        QFETCH(int, value);
        QFETCH(QStringList, texts);
        PageHarness h(IsoStyle);
        h.Set(n, value);
        h.Layout();
        QCOMPARE(h.Messages(), texts);
        QVERIFY(h.AllPlain());
    }

    void messageTexts()
    {
        QCOMPARE(XIStyle_1::NotAllowedText(76, 5),
                 T("The value of Option Switch 76 starting at position 1 was 5. This is not an allowable value. "
                   "The value will therefore be set to the default value of 0."));
        QCOMPARE(XIStyle_1::FallRangeText(1, 9),
                 T("The value of Option Switch 19 position 1 was  9.This is not an allowable value. "
                   "The value will therefore be set to the default value of 0."));
        QCOMPARE(XIStyle_1::NumericOnlyText(), T("Please enter numeric values only."));
    }

    void userTextSizeThroughTheList()
    {
        PageHarness h(IsoStyle);
        h.Set(4, 2);
        h.Layout();
        QWidget *frame = h.page->Widget("FramUserTxtSize");
        QVERIFY(!frame->isVisible());
        QCOMPARE(h.ItemText("Opt_4_Combo"), T("Large Sized Characters (2.8mm)"));
        h.Choose("Opt_4_Combo", XIStyle_1::UserSizeItem);
        QVERIFY(frame->isVisible());
        QCOMPARE(h.Value(4), 2);
        // Typing a digit stores it at once.
        QLineEdit *whole = h.Text("TxtUserTxtSize1");
        QLineEdit *tenths = h.Text("TxtUserTxtSize2");
        Type(whole, "3");
        Type(tenths, "5");
        QCOMPARE(h.Value(4), 35);
        // A letter: the message, in the "Options Editor" box with an exclamation.
        tenths->clear();
        Type(tenths, "q");
        QCOMPARE(h.Messages(), QStringList{XIStyle_1::NumericOnlyText()});
        QCOMPARE(h.prompts.messages[0].title, T("Options Editor"));
        QCOMPARE(h.prompts.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(h.prompts.messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(h.Value(4), 35); // emptying the field and the letter stored nothing
        h.Choose("Opt_4_Combo", 1);
        QVERIFY(!frame->isVisible());
        QCOMPARE(h.Value(4), 1);
        h.Read();
        QCOMPARE(h.Value(4), 1);
        // Laid out with a user size: list and fields show it.
        h.Set(4, 47);
        h.Layout();
        QVERIFY(frame->isVisible());
        QCOMPARE(h.ItemText("Opt_4_Combo"), T("User Specified Size"));
        QCOMPARE(whole->text(), T("4"));
        QCOMPARE(tenths->text(), T("7"));
        QCOMPARE(h.page->findChild<QLabel *>("LblDot")->text(), T("."));
    }

    void fallsAndSlopeThroughTheWidgets()
    {
        PageHarness h(IsoStyle);
        h.Layout();
        QCOMPARE(h.Text("Opt_20_Text")->text(), T("5"));
        h.Choose("Opt_19_Combo", 15);
        QCOMPARE(h.Text("Opt_20_Text")->text(), T("88"));
        h.Choose("Opt_19_Combo", XIStyle_1::SuppressFallsEntry);
        QCOMPARE(h.Text("Opt_20_Text")->text(), T("0"));
        QCOMPARE(h.ItemText("Opt_19_Combo"), T("Suppress Falling Line Indication"));
        h.Read();
        QCOMPARE(h.Value(19), 6);
        QCOMPARE(h.Value(20), 0);
        QVERIFY(h.Messages().isEmpty());
    }

    void skewInterlockThroughTheWidgets()
    {
        PageHarness h(IsoStyle);
        h.Set(99, 1000);
        h.Layout();
        QCheckBox *rightAngles = h.Check("Opt_99_Pos4_Check");
        QCheckBox *box = h.Check("Opt_99_Check");
        QVERIFY(!rightAngles->isEnabled());
        QVERIFY(rightAngles->isChecked());
        h.page->ShowSubPage(2);
        h.Click(box);
        QVERIFY(rightAngles->isEnabled());
        h.Click(box);
        QVERIFY(!rightAngles->isEnabled());
        QVERIFY(!rightAngles->isChecked());
        h.Choose("Opt_99_Combo_A", 1);
        QVERIFY(rightAngles->isEnabled());
        h.Click(rightAngles);
        h.Read();
        QCOMPARE(h.Value(99), 1001);
    }

    void hatchingAndFlowArrowBoxes()
    {
        PageHarness h(IsoStyle);
        h.Layout();
        h.page->ShowSubPage(2);
        h.Click(h.Check("Opt_101_Check"));
        QCOMPARE(h.Text("Opt_101_Text_A")->text(), T(" 10"));
        h.Click(h.Check("Opt_101_Check"));
        QCOMPARE(h.Text("Opt_101_Text_A")->text(), QString());
        h.page->ShowSubPage(3);
        QCOMPARE(h.Text("Opt_112_Text")->text(), T("8"));
        h.Click(h.Check("Opt_112_Check"));
        QCOMPARE(h.Text("Opt_112_Text")->text(), T("OFF"));
        h.Read();
        QCOMPARE(h.Value(112), 1);
        QCOMPARE(h.Value(101), 0);
    }

    void helpLabelsOpenTheirTips()
    {
        PageHarness h(IsoStyle);
        h.Layout();
        for (const char *name : {"HelpOS7", "HelpOS31"}) {
            h.page->ShowSubPage(1);
            QTest::mouseClick(h.page->Widget(name), Qt::LeftButton);
        }
        h.page->ShowSubPage(3);
        QTest::mouseClick(h.page->Widget("Opt_119_Pos1n2_HelpLabel"), Qt::LeftButton);
        QCOMPARE(h.host.tipTitles, (QStringList{"7", "38", "95, Positions 1 & 2"}));
        QCOMPARE(h.host.tipSizes[0], qMakePair(3000, 4000));
        QCOMPARE(h.host.tipSizes[1], qMakePair(3000, 3500));
        QCOMPARE(h.host.tipSizes[2], qMakePair(2500, 7000));
        QCOMPARE(h.host.tipTexts[0],
                 T("Set the value = 0 to invoke automatic splitting of drawings, otherwise enter the number of drawing "
                   "sheets required.\nUser Defined Split Points in the Piping Data File (IDF/PCF) normally override "
                   "any value entered. Click on the Check Box to cause KARVEN to ignore any User Defined Split Points "
                   "and split the drawing according to the value entered."));
        QCOMPARE(h.host.tipTexts[1],
                 T("Setting a value less than 100 will cause less of the pipeline to appear on each drawing before "
                   "automatic splitting occurs. This will give a less congested drawing."));
        QCOMPARE(h.host.tipTexts[2],
                 T("WARNING.\r\n\r\nUse this Option Switch with Care.\r\n\r\nLong Leg Lengths take up more space on "
                   "the drawing\r\nand can sometimes have an adverse effect on the finished isometric.\r\n\r\n"
                   "6-18mm is the recommended range."));
        QVERIFY(h.Messages().isEmpty());
    }

    // However often its label is clicked, there is one example window.
    void exampleWindowOpensOnce()
    {
        PageHarness h(IsoStyle);
        h.Layout();
        QWidget *help = h.page->Widget("HelpOS73");
        QVERIFY(h.host.tipTitles.isEmpty());
        QTest::mouseClick(help, Qt::LeftButton);
        Example73Window *example = OpenExample();
        QVERIFY(example);
        QCOMPARE(example->objectName(), T("Example_73"));
        QCOMPARE(example->windowTitle(), T("Tip for Switch number 73"));
        QVERIFY(!example->isModal());
        QTest::mouseClick(help, Qt::LeftButton);
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(OpenExamples(), 1);
        QCOMPARE(OpenExample(), example);
        QVERIFY(h.host.tipTitles.isEmpty()); // no tip window for it
        QVERIFY(h.page->isEnabled());        // the page stays usable

        // "Exit" closes it; the next click opens it again.
        QPointer<Example73Window> closed = example;
        auto *exit = example->findChild<QPushButton *>("Command1");
        QCOMPARE(exit->text(), T("Exit"));
        QTest::mouseClick(exit, Qt::LeftButton);
        QTRY_VERIFY(!closed);
        QCOMPARE(OpenExamples(), 0);
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(OpenExamples(), 1);
        OpenExample()->close();
        // It reads and changes nothing.
        QVERIFY(h.Messages().isEmpty());
        QCOMPARE(h.Value(73), 0);
    }

    void exampleLabels()
    {
        const QStringList labels = Example73Window::Labels();
        auto count = [&](const char *t) { return labels.count(T(t)); };
        QCOMPARE(count("Style 1 Enclosures"), 1);
        QCOMPARE(count("Style 2 Enclosures"), 1);
        QCOMPARE(count("Single Part Number"), 2);
        QCOMPARE(count("Multiple Part Numbers"), 2);
        QCOMPARE(count("or"), 2);
        QCOMPARE(count("12"), 2);
        QCOMPARE(count("spaces here"), 4);
        QCOMPARE(count("F8    G12    B16"), 1);
        for (const char *t : {"F1", "G6", "B9"})
            QCOMPARE(count(t), 1);
        QCOMPARE(labels.size(), 18);
        // The drawing is not clipped: the window gives it its full size.
        Example73Window w;
        w.show();
        auto *drawing = w.findChild<Example73View *>("Drawing");
        QVERIFY(drawing);
        QVERIFY(drawing->width() >= drawing->sizeHint().width());
        QVERIFY(drawing->height() >= drawing->sizeHint().height());
    }

    void restrictedRunType()
    {
        PageHarness h(IsoStyle, true);
        h.Set(99, 10);
        h.Layout();
        for (const char *name : {"Opt_4_Combo", "Opt_7_Text", "Opt_7_Check", "HelpOS7", "Opt_38_Text", "HelpOS31",
                                 "Opt_21_Combo", "Opt_42_Check", "Opt_73_Combo", "HelpOS73", "Opt_76_Combo",
                                 "Opt_95_Text", "Opt_19_Combo", "Opt_20_Text", "Opt_99_Pos4_Check",
                                 "Opt_101_Check", "Opt_100_Text", "Opt_102_Text_C", "Opt_108_Combo",
                                 "Opt_111_Check", "Opt_112_Check", "Opt_120_B_Text"})
            QVERIFY2(!h.page->Widget(name)->isEnabled(), name);
        for (const char *name : {"Opt_42_Combo", "OPT_76_POS3_Combo", "Opt_95_Pos6_Check", "ChkStyleFontFile",
                                 "CmbUserFontType", "FramUserFonts", "Opt_119_Pos1n2_HelpLabel", "TxtUserTxtSize1"})
            QVERIFY2(h.page->Widget(name)->isEnabled(), name);
        for (const char *group : {"Opt_67_Option", "Opt_68_Option", "Opt_70_Option", "Opt_97_Option",
                                  "Opt_111_Option", "Opt_114_Option"})
            QVERIFY2(h.Option(group, 1)->isEnabled(), group);
        // The skew angles and hatching frames go grey as a whole.
        QVERIFY(!h.page->Widget("Opt_99_Combo_B")->parentWidget()->isEnabled());
        QVERIFY(!h.Check("Opt_101_Check")->parentWidget()->isEnabled());
        // The interlock cannot bring the right angles box back.
        h.page->ShowSubPage(2);
        h.Choose("Opt_99_Combo_A", 2);
        QVERIFY(!h.Check("Opt_99_Pos4_Check")->isEnabled());
        // Help label of switch 73 greyed: no example opens.
        QTest::mouseClick(h.page->Widget("HelpOS73"), Qt::LeftButton);
        QCOMPARE(OpenExamples(), 0);
    }

    void subPagesAndCaptions()
    {
        PageHarness h(IsoStyle);
        h.Layout();
        QCOMPARE(h.page->CurrentSubPage(), 1);
        QTest::mouseClick(h.page->findChild<QWidget *>("ImgNextPage_2"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QTest::mouseClick(h.page->findChild<QWidget *>("ImgNextPage_3"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 3);
        QTest::mouseClick(h.page->findChild<QWidget *>("imgPrevPage_2"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QStringList footers;
        for (QLabel *l : h.page->findChildren<QLabel *>("lblFoot1"))
            footers << l->text();
        footers.sort();
        QCOMPARE(footers, (QStringList{"Page 1 of 3", "Page 2 of 3", "Page 3 of 3"}));
        QCOMPARE(h.Shown(h.Check("Opt_42_Check")->text()), T("Enclosing Box around North Arrow"));
        QCOMPARE(h.Shown(h.Check("ChkStyleFontFile")->text()), T("On / Off"));
        QCOMPARE(qobject_cast<QGroupBox *>(h.page->Widget("FramUserFonts"))->title(), T("User Defined Fonts"));
        QCOMPARE(qobject_cast<QGroupBox *>(h.page->Widget("FramUserTxtSize"))->title(), T("Text Size"));
        QCOMPARE(h.List("Opt_108_Combo")->itemText(2), T("\"Unacceptable\" Message on Iso - No Repeatability data"));
        QCOMPARE(h.List("OPT_76_POS3_Combo")->count(), 9);
        QCOMPARE(h.List("Opt_76_Combo")->itemText(6), T("Double Circle"));
        QCOMPARE(h.List("CmbUserFontType")->count(), 0);
        bool legLength = false;
        for (QLabel *l : h.page->findChildren<QLabel *>()) {
            if (l->buddy() == h.Text("Opt_95_Text"))
                legLength = h.Shown(l->text()).replace("&&", "&") == T("Plotted Leg Length for Elbows, Tees & Crosses (mm)");
        }
        QVERIFY(legLength);
        QCOMPARE(h.Option("Opt_114_Option", 1)->objectName(), T("Opt_114_Option_1"));
    }

    // Access keys are unique on each sub-page and leave the menu bar's
    // letters alone.
    void accessKeys()
    {
        PageHarness h(IsoStyle);
        for (int k = 1; k <= 3; ++k) {
            QWidget *frame = h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k));
            QVERIFY(frame);
            QHash<QChar, QString> seen;
            auto check = [&](const QString &text) {
                const QChar key = AccessKeyOf(text);
                if (key.isNull())
                    return;
                QVERIFY2(!QStringLiteral("FTAE").contains(key), qPrintable(text));
                QVERIFY2(!seen.contains(key), qPrintable(text + " / " + seen.value(key)));
                seen.insert(key, text);
            };
            for (QAbstractButton *b : frame->findChildren<QAbstractButton *>())
                check(b->text());
            for (QLabel *l : frame->findChildren<QLabel *>())
                check(l->text());
            QVERIFY(seen.size() >= 12);
        }
    }
};

SWTED_TEST_MAIN(TestXIStyle)
#include "test_xistyle.moc"
