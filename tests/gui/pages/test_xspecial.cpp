// The specials page and the TORVA window on screen, driven through their
// widgets.
#include "TestRegistry.h"
#include "TestSupport.h"
#include "gui/pages/TorvaWindow.h"
#include "pages/XSpecial_1.h"
#include "gui/pages/XSpecial_1View.h"
#include "PageHarness.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace swted;
using namespace swted::test;

namespace {



QPushButton *TorvaButton(PageHarness &h, int subPage)
{
    return h.W<QPushButton>(qPrintable(XSpecial_1::TorvaButton(subPage)));
}

// The access key of a caption, upper case; 0 for none.
QChar AccessKey(const QString &caption)
{
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (caption[i + 1] != QLatin1Char('&'))
                return caption[i + 1].toUpper();
            ++i;
        }
    }
    return QChar();
}

// Opens the TORVA window by its button and runs `inside` on it while it is
// open; `inside` closes it.
void WithTorvaWindow(QPushButton *button, const std::function<void(TorvaWindow *)> &inside)
{
    bool ran = false;
    QTimer::singleShot(0, button, [&] {
        auto *window = qobject_cast<TorvaWindow *>(QApplication::activeModalWidget());
        QVERIFY(window);
        ran = true;
        inside(window);
        // Whatever happened inside, the window does not stay open.
        if (window->isVisible())
            window->reject();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(ran);
}

} // namespace

class TestXSpecial : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("TORVA_SWITCHES"); }

    void controlsCarryTheirCaptions()
    {
        TorvaSwitches env("ON");
        PageHarness h(Specials);
        h.Layout();
        const QList<QPair<const char *, const char *>> checks = {
            {"Opt_58_Check", "Clear Screen before on-screen display."},
            {"Opt_109_Check_A", "Write Extraction Start Point to Return File"},
            {"Opt_109_Check_B", "Write Drawing Split Points to Return File"},
            {"Opt_109_Check_E", "Turn off Bypass Re-Ordering"},
            {"Opt_109_Check_F", "Write Weld Numbers to Return File"},
            {"Opt_109_Check_G", "Write Material List Part Numbers to Return File"},
            {"Opt_82_Check_A", "Turn ON Weight / Centre of Gravity Calculations"},
            {"Opt_82_Check_B", "Calculate Wet (Full) Weight"},
            {"Opt_82_Check_C", "Calculate Insulated Weight"},
        };
        for (const auto &[name, caption] : checks)
            QCOMPARE(h.Shown(h.Check(name)->text()), QString::fromLatin1(caption));
        const QList<QPair<const char *, const char *>> options = {
            {"Opt_52_Option_A_0", "Part Numbers start at 1 for each Nozzle"},
            {"Opt_52_Option_A_1", "Parts numbered from 1 for the whole Material List"},
            {"Opt_52_Option_B_0", "Accumulate Components for each Equipment Item"},
            {"Opt_52_Option_B_1", "Separate Components for each Nozzle"},
            {"Opt_52_Option_C_0", "One Pipeline per Piping Data File (IDF/PCF)"},
            {"Opt_52_Option_C_1", "Multiple Pipelines in one Piping Data File (IDF/PCF)"},
            {"Opt_82_Option_1", "Calculate Weight / C of G per Iso or Spool Sheet"},
            {"Opt_82_Option_0", "Calculate Weight / C of G per Pipeline"},
        };
        for (const auto &[name, caption] : options)
            QCOMPARE(h.Shown(h.W<QRadioButton>(name)->text()), QString::fromLatin1(caption));
        QCOMPARE(TorvaButton(h, 1)->text().remove(QLatin1Char('&')), QStringLiteral(" Torva Specials"));
        QCOMPARE(TorvaButton(h, 2)->text().remove(QLatin1Char('&')), QStringLiteral(" Torva Specials"));

        QStringList titles;
        for (const QGroupBox *box : h.page->findChildren<QGroupBox *>())
            titles << box->title();
        for (const char *title :
             {"REPEATABILITY FILE CONTENT", "GHOST GAPS (Bridge gaps in Pipelines)", "CLEAR SCREEN",
              "EQUIPMENT TRIM DRAWINGS", "Drawing Content", "Material Control File Content", "Piping Data File Type",
              "WEIGHT / CENTRE of GRAVITY", "C of G for Empty (Dry) Pipe", "C of G for Pipe full of Process Fluid (Wet)"})
            QVERIFY2(titles.contains(QString::fromLatin1(title)), title);
        QStringList labels;
        for (const QLabel *l : h.page->findChildren<QLabel *>())
            labels << h.Shown(l->text());
        for (const char *text : {"109", "110", "58", "52", "82", "Gap dimension (mm's)", "(Min = 18 mm. Max = 60 mm)"})
            QVERIFY2(labels.contains(QString::fromLatin1(text)), text);
        QCOMPARE(h.page->findChild<QLabel *>("lblSwitch_Opt_82_Check_A")->text(), QStringLiteral("82"));
    }

    // Access keys are unique on each sub-page and leave the menu bar's own
    // letters alone.
    void accessKeysAreUniquePerSubPage()
    {
        TorvaSwitches env("ON");
        PageHarness h(Specials);
        for (int k = 1; k <= 2; ++k) {
            QWidget *frame = h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k));
            QVERIFY(frame);
            QStringList captions;
            for (const QAbstractButton *b : frame->findChildren<QAbstractButton *>())
                captions << b->text();
            for (const QLabel *l : frame->findChildren<QLabel *>())
                captions << l->text();
            QString keys;
            for (const QString &c : captions) {
                const QChar key = AccessKey(c);
                if (key.isNull())
                    continue;
                QVERIFY2(!keys.contains(key), qPrintable(c));
                QVERIFY2(!QStringLiteral("FTAE").contains(key), qPrintable(c));
                keys += key;
            }
            QVERIFY(keys.size() >= 6);
        }
    }

    void listsDoNotDoubleWhenLaidOutAgain()
    {
        PageHarness h(Specials);
        h.Layout();
        h.Layout();
        QCOMPARE(h.List("Opt_109_Combo_Pos1")->count(), 5);
        QCOMPARE(h.List("Opt_109_Combo_1")->count(), 3);
        QCOMPARE(h.List("Opt_109_Combo_2")->count(), 3);
        QCOMPARE(h.List("Opt_82_Combo_A")->count(), 4);
        QCOMPARE(h.List("Opt_82_Combo_B")->count(), 4);
        QCOMPARE(h.List("Opt_109_Combo_2")->itemText(2), QStringLiteral("Write Component Information & AlphaNumeric Spool ID's"));
    }

    void clicksAreStored()
    {
        PageHarness h(Specials);
        h.Set(52, 7);
        h.Set(109, 900000000);
        h.Layout();
        QVERIFY(h.Option("Opt_52_Option_A", 1)->isChecked());
        h.Click(h.Option("Opt_52_Option_A", 0));
        h.Click(h.Option("Opt_52_Option_C", 1));
        h.Click(h.Check("Opt_58_Check"));
        h.Click(h.Check("Opt_109_Check_G"));
        h.Choose("Opt_109_Combo_Pos1", 2);
        h.Choose("Opt_109_Combo_2", 1);
        h.Read();
        QCOMPARE(h.Value(52), 100);
        QCOMPARE(h.Value(58), 1);
        QCOMPARE(h.Value(109), 910010002);
    }

    void ghostGapTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("18") << "18" << 0;
        QTest::newRow("5") << "5" << 5;
        QTest::newRow("75: the 5 refused") << "75" << 7;
        QTest::newRow("60") << "60" << 60;
    }
    void ghostGapTyped()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        PageHarness h(Specials);
        h.Set(110, 300);
        h.Layout();
        QCOMPARE(h.Text("Opt_110_Text")->text(), QStringLiteral("18"));
        QLineEdit *field = h.Text("Opt_110_Text");
        field->selectAll();
        QTest::keyClicks(field, typed);
        h.Read();
        QCOMPARE(h.Value(110), 300 + stored);
        QVERIFY(h.Messages().isEmpty());
    }

    // The calculations box greys the rest of its group while clear; a user
    // who ticks it stores the digit of the selected button.
    void weightCalculationsByClicks()
    {
        PageHarness h(Specials);
        h.Set(82, 32);
        h.Layout();
        QVERIFY(h.Check("Opt_82_Check_A")->isChecked());
        QVERIFY(!h.Check("Opt_82_Check_B")->isChecked()); // digit 3 is not 1
        QVERIFY(h.W<QRadioButton>("Opt_82_Option_0")->isChecked());
        h.Read();
        QCOMPARE(h.Value(82), 2);

        h.Click(h.Check("Opt_82_Check_A"));
        QVERIFY(!h.Check("Opt_82_Check_B")->isEnabled());
        QVERIFY(!h.List("Opt_82_Combo_A")->isEnabled());
        QVERIFY(!h.W<QRadioButton>("Opt_82_Option_1")->isEnabled());
        h.Read();
        QCOMPARE(h.Value(82), 0);

        h.Click(h.Check("Opt_82_Check_A"));
        QVERIFY(h.Check("Opt_82_Check_C")->isEnabled());
        h.Click(h.W<QRadioButton>("Opt_82_Option_1"));
        h.Click(h.Check("Opt_82_Check_B"));
        h.Choose("Opt_82_Combo_B", 3);
        h.Read();
        QCOMPARE(h.Value(82), 30011);
    }

    void everyOutOfRangeMessage()
    {
        PageHarness h(Specials);
        h.Set(109, 98007);
        h.Set(82, 97001);
        h.Layout();
        QCOMPARE(h.Messages(),
                 QStringList({"The value of Option Switch 109, starting at position 1 was 7. This is outside the "
                              "allowable range of 0 to 4. The value will therefore be set to the default value of 0.",
                              "The value of Option Switch 109, starting at position 4 was 8. This is outside the "
                              "allowable range of 0 to 2. The value will therefore be set to the default value of 0.",
                              "The value of Option Switch 109, starting at position 5 was 9. This is outside the "
                              "allowable range of 0 to 2. The value will therefore be set to the default value of 0.",
                              "The value of Option Switch 82, starting at position 4 was 7. This is outside the "
                              "allowable range of 0 to 3. The value will therefore be set to the default value of 0.",
                              "The value of Option Switch 82, starting at position 5 was 9. This is outside the "
                              "allowable range of 0 to 3. The value will therefore be set to the default value of 0."}));
        QVERIFY(h.AllPlain());
        QCOMPARE(h.ItemText("Opt_109_Combo_Pos1"), QStringLiteral("Original (Binary)"));
        QCOMPARE(h.ItemText("Opt_82_Combo_B"), QStringLiteral("C of G for Wet Pipe NOT required"));
        h.Read();
        QCOMPARE(h.Value(109), 0);
        QCOMPARE(h.Value(82), 1);
    }

    void subPageArrows()
    {
        PageHarness h(Specials);
        h.Set(82, 11);
        h.Layout();
        QCOMPARE(h.page->CurrentSubPage(), 1);
        QTest::mouseClick(h.page->findChild<QWidget *>("ImgNextPage_2"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 2);
        QVERIFY(h.Check("Opt_82_Check_A")->isVisible());
        QTest::mouseClick(h.page->findChild<QWidget *>("imgPrevPage_1"), Qt::LeftButton);
        QCOMPARE(h.page->CurrentSubPage(), 1);
        QCOMPARE(h.Value(82), 11);
    }

    // Which values show the buttons is checked on page states; here only
    // that the window shows and hides them.
    void torvaButtons_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("shown");
        QTest::newRow("unset") << QByteArray() << false;
        QTest::newRow("on") << QByteArray("on") << true;
    }
    void torvaButtons()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, shown);
        TorvaSwitches env(value.isNull() ? nullptr : value.constData());
        PageHarness h(Specials);
        h.Layout();
        for (int k = 1; k <= 2; ++k) {
            h.page->ShowSubPage(k);
            QCOMPARE(TorvaButton(h, k)->isVisible(), shown);
            QCOMPARE(TorvaButton(h, k)->isEnabled(), shown);
        }
    }

    // The window shows switch 113 when it opens and stores it when it
    // closes, by its close box or by Escape.
    void torvaWindowStoresSwitch113()
    {
        TorvaSwitches env("ON");
        PageHarness h(Specials);
        h.Set(113, 120);
        h.Layout();
        QString title;
        QStringList texts;
        WithTorvaWindow(TorvaButton(h, 1), [&](TorvaWindow *w) {
            title = w->windowTitle();
            for (const QGroupBox *b : w->findChildren<QGroupBox *>())
                texts << b->title();
            for (const QLabel *l : w->findChildren<QLabel *>())
                texts << l->text();
            QVERIFY(w->Option(0)->isChecked());
            QCOMPARE(w->Option(0)->objectName(), QStringLiteral("Opt_113_Option_0"));
            QCOMPARE(h.Shown(w->Option(0)->text()), QStringLiteral("Use Pipeline Reference as in Pipeline Data File."));
            QCOMPARE(h.Shown(w->Option(1)->text()), QStringLiteral("Modify Pipeline Reference (special format only)"));
            h.Click(w->Option(1));
            QCOMPARE(h.Value(113), 120); // not before it closes
            w->close();                  // the close box
            QVERIFY(!w->isVisible());
        });
        QCOMPARE(title, QStringLiteral("TORVA SPECIALS"));
        for (const char *text : {"VOSKEL MESSAGES", "56", "DRAMLEX MESSAGES", "57", "REVISION/DETAILED", "33", "TREMBIX",
                                 "90", "91", "FFI's", "128", "INTERACTIVE EDITING", "129", "PIPELINE IDENTIFICATION",
                                 "113", "You'll have to wait for these!!!"})
            QVERIFY2(texts.contains(QString::fromLatin1(text)), text);
        QCOMPARE(h.Value(113), 121);

        h.page->ShowSubPage(2);
        WithTorvaWindow(TorvaButton(h, 2), [&](TorvaWindow *w) {
            QVERIFY(w->Option(1)->isChecked());
            h.Click(w->Option(0));
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QCOMPARE(h.Value(113), 120);
        // The page itself never touches switch 113.
        h.Set(113, 7);
        h.Read();
        QCOMPARE(h.Value(113), 7);
        QVERIFY(h.Messages().isEmpty());
    }

    // The restricted run type: the page shows the stored values and no
    // control can be changed, the TORVA buttons included.
    void restrictedRunType()
    {
        TorvaSwitches env("ON");
        PageHarness h(Specials, true);
        h.Set(52, 10);
        h.Set(58, 1);
        h.Set(82, 12);
        h.Set(109, 10);
        h.Set(110, 33);
        h.Layout();
        QVERIFY(h.Option("Opt_52_Option_B", 1)->isChecked());
        QVERIFY(h.Check("Opt_58_Check")->isChecked());
        QVERIFY(h.Check("Opt_82_Check_A")->isChecked());
        QVERIFY(h.Check("Opt_82_Check_B")->isChecked());
        QVERIFY(h.Check("Opt_109_Check_A")->isChecked());
        QCOMPARE(h.Text("Opt_110_Text")->text(), QStringLiteral("33"));
        for (int k = 1; k <= 2; ++k) {
            h.page->ShowSubPage(k);
            QWidget *frame = h.page->findChild<QWidget *>(QStringLiteral("Page_%1").arg(k));
            for (QWidget *w : frame->findChildren<QWidget *>()) {
                const bool control = qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)
                    || qobject_cast<QLineEdit *>(w) || qobject_cast<QGroupBox *>(w)
                    || w->objectName().startsWith(QLatin1String("lblSwitch_"));
                if (control)
                    QVERIFY2(!w->isEnabled(), qPrintable(w->objectName() + QLatin1Char(' ') + w->metaObject()->className()));
            }
            QVERIFY(TorvaButton(h, k)->isVisible());
        }
        // A click does nothing.
        h.Click(h.Check("Opt_58_Check"));
        h.Read();
        QCOMPARE(h.Value(52), 10);
        QCOMPARE(h.Value(58), 1);
        QCOMPARE(h.Value(82), 12);
        QCOMPARE(h.Value(109), 10);
        QCOMPARE(h.Value(110), 33);
    }
};

SWTED_TEST_MAIN(TestXSpecial)
#include "test_xspecial.moc"
