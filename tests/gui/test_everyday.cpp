// Everyday editing in the windows: what each control edits, access keys,
// change markers, undo and redo, the mouse wheel, the status bar.
#include "pages/PageDescriptions.h"
#include "pages/PageTable.h"
#include "pages/PageTour.h"
#include "gui/pages/PageWindow.h"
#include "gui/pages/PageViews.h"
#include "model/Messages.h"
#include "pages/SettingSearch.h"
#include "pages/SwitchDigits.h"
#include "shell/Editor.h"
#include "shell/EditorConfiguration.h"
#include "gui/MainWindow.h"
#include "shell/ScriptedPrompts.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QRegularExpression>
#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QMenuBar>
#include <QTimer>
#include "TestRegistry.h"
#include <QtTest>
#include <memory>

using namespace swted;
using namespace swted::test;

namespace {

struct NoHost : PageHost {
    bool GoToPage(PageWindow *, int) override { return false; }
    void ShowSwitchTip(const QString &, const QString &, int, int) override {}
    void FatalStop(PageWindow *) override {}
};

} // namespace

class TestEveryday : public QObject, protected MainWindowFixture {
    Q_OBJECT


    QComboBox *List(const char *name) { return window->ActivePage()->Get<QComboBox>(QString::fromLatin1(name)); }
    void Choose(const char *name, int index)
    {
        QComboBox *list = List(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    bool Marked(const char *name)
    {
        QWidget *mark = window->ActivePage()->findChild<QWidget *>(QStringLiteral("mark_") + QLatin1String(name));
        return mark && !mark->isHidden();
    }
    QString Status() { return window->findChild<QLabel *>("lblUnsaved")->text(); }

    // The status bar's digits view as the user reads it: the plain text,
    // the marked digits and how many digits stand left of them.
    struct Digits {
        bool shown = false;
        QString plain;
        QString marked;
        int markedAt = -1;
    };
    static QString Plain(QString rich)
    {
        return rich.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    }
    Digits DigitsShown()
    {
        auto *label = window->findChild<QLabel *>("lblDigits");
        Digits d;
        if (!label)
            return d;
        d.shown = label->isVisible();
        d.plain = Plain(label->text());
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("<span[^>]*font-weight:bold\">([0-9]+)</span>")).match(label->text());
        if (m.hasMatch()) {
            d.marked = m.captured(1);
            const QString before = Plain(label->text().left(m.capturedStart()));
            d.markedAt = static_cast<int>(before.size() - before.lastIndexOf(QLatin1Char(' ')) - 1);
        }
        return d;
    }
    static QString NineDigits(int32_t v) { return QStringLiteral("%1").arg(v, 9, 10, QLatin1Char('0')); }

private slots:
    void init()
    {
        SetUp();
    }
    void cleanup() { TearDown(); }

    // Every bound control of every page says which switch and positions it
    // edits, in its tooltip and its accessible description.
    void controlsSayWhatTheyEdit()
    {
        ScriptedPrompts p;
        Editor e(p);
        LoadEditorConfiguration(QStringLiteral(SWTED_SOURCE_DIR "/data"), e.config);
        NoHost host;
        for (int index : AvailablePagesInStripOrder()) {
            std::unique_ptr<PageWindow> page(CreatePage(index, e, host));
            for (const ControlEntry &c : page->Definition().controls) {
                if (c.bind == Bind::Rule || c.bind == Bind::Label || c.switchNumber <= 0)
                    continue;
                QVector<QWidget *> widgets;
                for (QRadioButton *b : page->Options(c.name))
                    widgets.append(b);
                if (widgets.isEmpty() && page->Widget(c.name))
                    widgets.append(page->Widget(c.name));
                QVERIFY2(!widgets.isEmpty(), qPrintable(c.name));
                for (QWidget *w : widgets) {
                    QVERIFY2(w->toolTip().contains(PositionsText(c)), qPrintable(c.name + ": " + w->toolTip()));
                    QVERIFY(w->accessibleDescription().startsWith(PositionsText(c))); // text fields add their range
                }
            }
        }
    }

    // No control takes a letter of the menu bar, and no two controls of one
    // sub-page share an access key.
    void accessKeysDoNotClash()
    {
        ScriptedPrompts p;
        Editor e(p);
        LoadEditorConfiguration(QStringLiteral(SWTED_SOURCE_DIR "/data"), e.config);
        NoHost host;
        int counted = 0;
        for (int index : AvailablePagesInStripOrder()) {
            std::unique_ptr<PageWindow> page(CreatePage(index, e, host));
            const PageDescription &d = page->Definition();
            for (int k = 1; k <= d.subPages; ++k) {
                page->ShowSubPage(k);
                const QString frameName = d.frameNames.value(k - 1, QStringLiteral("Page_%1").arg(k));
                QWidget *frame = page->findChild<QWidget *>(frameName.isEmpty() ? QStringLiteral("Page_%1").arg(k) : frameName);
                QVERIFY2(frame, qPrintable(frameName));
                QMap<QChar, QString> keys;
                for (QWidget *w : frame->findChildren<QWidget *>()) {
                    QString text;
                    if (auto *b = qobject_cast<QAbstractButton *>(w))
                        text = b->text();
                    else if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy())
                        text = l->text();
                    const QChar key = AccessKeyOf(text);
                    if (key.isNull())
                        continue;
                    const QString where = d.window + " page " + QString::number(k) + ": " + text;
                    QVERIFY2(!QStringLiteral("FETA").contains(key), qPrintable(where));
                    QVERIFY2(!keys.contains(key), qPrintable(where + " and " + keys.value(key)));
                    keys.insert(key, text);
                    ++counted;
                }
            }
        }
        QVERIFY(counted > 50);
    }

    void markersUndoRedoAndTheStatusBar()
    {
        QVERIFY(window->StartUp(job, prog));
        window->show();
        QVERIFY(!window->mnuEditUndo->isEnabled());
        QVERIFY(!Marked("Opt_14_Combo"));
        QCOMPARE(Status(), QString());
        QTabBar *tabs = window->ActivePage()->TabStrip();
        QVERIFY(tabs->tabIcon(0).isNull());

        const int before = List("Opt_14_Combo")->currentIndex();
        Choose("Opt_14_Combo", before == 4 ? 5 : 4);
        QVERIFY(Marked("Opt_14_Combo"));
        QVERIFY(!Marked("Opt_71_Combo"));
        QVERIFY(!tabs->tabIcon(0).isNull());
        QCOMPARE(Status(), QStringLiteral("Unsaved changes"));
        QVERIFY(window->mnuEditUndo->isEnabled());

        window->UndoCommand();
        QCOMPARE(List("Opt_14_Combo")->currentIndex(), before);
        QVERIFY(!Marked("Opt_14_Combo"));
        QCOMPARE(Status(), QString());
        QVERIFY(window->mnuEditRedo->isEnabled());
        window->RedoCommand();
        QCOMPARE(List("Opt_14_Combo")->currentIndex(), before == 4 ? 5 : 4);
        QVERIFY(Marked("Opt_14_Combo"));

        // Default All Switches is one step.
        const SwitchValueSet edited = window->ActivePage()->ValuesShown();
        prompts->answers = {Answer::Yes};
        window->DefaultAllCommand();
        QCOMPARE(prompts->texts(), QStringList{msg::DefaultAllQuestion()});
        prompts->messages.clear();
        window->UndoCommand();
        QVERIFY(window->ActivePage()->ValuesShown() == edited);

        // Reset to the file's value, then to the default: one step each.
        window->ActivePage()->ResetControl(QStringLiteral("Opt_14_Combo"), false);
        QCOMPARE(List("Opt_14_Combo")->currentIndex(), before);
        QVERIFY(!Marked("Opt_14_Combo"));
        window->ActivePage()->ResetControl(QStringLiteral("Opt_14_Combo"), true);
        QCOMPARE(List("Opt_14_Combo")->currentIndex(), 2); // the default 0 shows A2
        window->UndoCommand();
        QCOMPARE(List("Opt_14_Combo")->currentIndex(), before);
        QCOMPARE(List("Opt_14_Combo")->contextMenuPolicy(), Qt::CustomContextMenu);

        // Saved: nothing is marked any more, and the status bar says so.
        window->SaveCommand();
        QVERIFY(!Marked("Opt_14_Combo"));
        QVERIFY(tabs->tabIcon(0).isNull());
        QCOMPARE(Status(), QStringLiteral("Saved JOB.OPT"));
        QVERIFY(prompts->messages.isEmpty());
    }

    // A turn of the wheel over a list without focus leaves it alone.
    void wheelOverAnUnfocusedList()
    {
        QVERIFY(window->StartUp(job, prog));
        window->show();
        QComboBox *list = List("Opt_14_Combo");
        const int index = list->currentIndex();
        list->clearFocus();
        QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(list, &wheel);
        QCOMPARE(list->currentIndex(), index);
        QVERIFY(!Marked("Opt_14_Combo"));
    }

    // The search field finds settings by words and opens their page and
    // sub-page with the control focused.
    void searchSettings()
    {
        QVERIFY(window->StartUp(job, prog));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *field = window->findChild<QLineEdit *>("txtSearchSettings");
        auto *results = window->findChild<QListWidget *>("lstSearchResults");
        QVERIFY(field && results);
        field->setText(QStringLiteral("trim marks"));
        QVERIFY(results->count() >= 1);
        QVERIFY(results->item(0)->text().startsWith(QStringLiteral("Plotted Iso \u203A TRIM MARKS / PLOT ORIENTATION \u203A Draw Trim Marks")));
        QTest::keyClick(field, Qt::Key_Return);
        PageWindow *page = window->ActivePage();
        QCOMPARE(page->objectName(), QStringLiteral("XPlot_1"));
        QCOMPARE(page->CurrentSubPage(), 2);
        QCOMPARE(QApplication::focusWidget(), page->Widget("Opt_3_Check"));

        // Another page: through the tab strip, so the page left is stored.
        field->setText(QStringLiteral("terminal type"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(window->ActivePage()->objectName(), QStringLiteral("XSystem_1"));
        QCOMPARE(QApplication::focusWidget(), window->ActivePage()->Widget("Opt_69_Combo"));
        QCOMPARE(window->searchCount->text(), results->count() == 1 ? QStringLiteral("1 setting")
                                                                    : QStringLiteral("%1 settings").arg(results->count()));
        field->setText(QStringLiteral("no such setting"));
        QVERIFY(results->isHidden());
        QCOMPARE(window->searchCount->text(), QStringLiteral("No settings found"));
        QVERIFY(prompts->messages.isEmpty());
    }

    // The status bar shows the switch of the focused control, its nine
    // digits as the page would store them and the positions the control
    // edits; it follows edits and the focus, and goes when no bound control
    // has the focus.
    void digitsOfTheFocusedControl()
    {
        QVERIFY(window->StartUp(job, prog));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *label = window->findChild<QLabel *>("lblDigits");
        QVERIFY(label);
        QVERIFY(!label->accessibleName().isEmpty());
        window->searchField->setFocus();
        QVERIFY(!DigitsShown().shown);

        // A list on positions 1 and 2 of switch 14.
        QComboBox *sheet = List("Opt_14_Combo");
        sheet->setFocus();
        Digits d = DigitsShown();
        QVERIFY(d.shown);
        QString digits = NineDigits(window->ActivePage()->ValuesShown()[14]);
        QCOMPARE(d.plain, QStringLiteral("Switch 14  ") + digits);
        QCOMPARE(d.marked, digits.right(2));
        QCOMPARE(d.markedAt, 7);
        QVERIFY(label->accessibleDescription().contains(QStringLiteral("positions 1 to 2")));
        QVERIFY(label->accessibleDescription().contains(digits));

        // It follows the user's choice.
        const int other = sheet->currentIndex() == 4 ? 5 : 4;
        Choose("Opt_14_Combo", other);
        digits = NineDigits(window->ActivePage()->ValuesShown()[14]);
        QCOMPARE(DigitsShown().plain, QStringLiteral("Switch 14  ") + digits);
        QCOMPARE(DigitsShown().marked, QStringLiteral("%1").arg(other, 2, 10, QLatin1Char('0')));

        // A help label edits nothing.
        window->ActivePage()->Widget("HelpOS14")->setFocus();
        QVERIFY(!DigitsShown().shown);

        // A check box on position 8 of switch 41 on another page.
        window->ActivePage()->TabStrip()->setCurrentIndex(PageOfIndex(1).stripPosition - 1);
        PageWindow *page = window->ActivePage();
        QCOMPARE(page->objectName(), QStringLiteral("XDimension_1"));
        auto *box = page->Get<QCheckBox>(QStringLiteral("Opt_41_Check"));
        QVERIFY(box);
        box->setFocus();
        d = DigitsShown();
        QVERIFY(d.shown);
        digits = NineDigits(page->ValuesShown()[41]);
        QCOMPARE(d.plain, QStringLiteral("Switch 41  ") + digits);
        QCOMPARE(d.markedAt, 1);
        QCOMPARE(d.marked, digits.mid(1, 1));
        QTest::keyClick(box, Qt::Key_Space);
        const QString toggled = NineDigits(page->ValuesShown()[41]);
        QVERIFY(toggled != digits);
        QCOMPARE(DigitsShown().marked, toggled.mid(1, 1));
        QVERIFY(DigitsShown().marked != d.marked);

        // The focus leaves the page: nothing to show.
        window->searchField->setFocus();
        QVERIFY(!DigitsShown().shown);
        QVERIFY(prompts->messages.isEmpty());
    }

    // A value without nine positions (below 0, or ten digits) shows as the
    // switch holds it, with nothing marked.
    void digitsOfValuesWithoutNinePositions()
    {
        SwitchDigits d = DescribeSwitchDigits(7, -5, 1, 2, QStringLiteral("#000080"), QStringLiteral("#ffffff"));
        QCOMPARE(Plain(d.richText), QStringLiteral("Switch 7  -5"));
        QCOMPARE(d.first, 0);
        QVERIFY(!d.richText.contains(QStringLiteral("bold")));
        d = DescribeSwitchDigits(7, 2147483647, 9, 9, QStringLiteral("#000080"), QStringLiteral("#ffffff"));
        QCOMPARE(Plain(d.richText), QStringLiteral("Switch 7  2147483647"));
        d = DescribeSwitchDigits(7, 999999999, 9, 9, QStringLiteral("#000080"), QStringLiteral("#ffffff"));
        QCOMPARE(Plain(d.richText), QStringLiteral("Switch 7  999999999"));
        QCOMPARE(d.first, 9);

        // On a page: a negative value in the file, a focused control.
        QVERIFY(window->StartUp(job, prog));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        editor->store.SetWholeValue(15, -40);
        window->ActivePage()->LayoutForm();
        window->ActivePage()->Widget("Opt_15_Text")->setFocus();
        const Digits shown = DigitsShown();
        QVERIFY(shown.shown);
        const int32_t v = window->ActivePage()->ValuesShown()[15];
        // (the range the field takes follows the digits)
        QVERIFY(shown.plain.startsWith(QStringLiteral("Switch 15  ") + (v < 0 ? QString::number(v) : NineDigits(v)) + QLatin1Char(' ')));
    }

    // The pages from the keyboard anywhere in the window: Ctrl+Tab and
    // Ctrl+PgDn forward, Ctrl+Shift+Tab and Ctrl+PgUp back, round the
    // strip; Home and End on the strip. Alt, then A, opens About.
    void pagesFromTheKeyboard()
    {
        QVERIFY(window->StartUp(job, prog));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QVector<int> order = AvailablePagesInStripOrder();
        auto at = [this] { return window->ActivePage()->Definition().index; };
        struct Step {
            int key;
            Qt::KeyboardModifiers modifiers;
            int expected; // position in the strip order; -1: the last
        };
        const Step steps[] = {
            {Qt::Key_Tab, Qt::ControlModifier, 1},
            {Qt::Key_PageDown, Qt::ControlModifier, 2},
            {Qt::Key_PageUp, Qt::ControlModifier, 1},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
            {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1}, // round to the last
            {Qt::Key_Tab, Qt::ControlModifier, 0},
        };
        for (const Step &step : steps) {
            QWidget *focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
            QTest::keyClick(focus, Qt::Key(step.key), step.modifiers);
            QCOMPARE(at(), order[step.expected < 0 ? order.size() - 1 : step.expected]);
        }
        QTabBar *strip = window->ActivePage()->TabStrip();
        strip->setFocus();
        QTest::keyClick(strip, Qt::Key_End);
        QCOMPARE(at(), order.last());
        QTest::keyClick(window->ActivePage()->TabStrip(), Qt::Key_Home);
        QCOMPARE(at(), order.first());
        QVERIFY(prompts->messages.isEmpty());

        // The menu bar's keyboard mode: a letter that names About opens it.
        bool opened = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QWidget *about = QApplication::activeModalWidget()) {
                opened = true;
                about->close();
            }
        });
        poll.start(10);
        window->menuBar()->setActiveAction(window->mnuAbout); // highlighted, as after Alt
        QVERIFY(window->menuBar()->activeAction());
        QTest::keyClick(window->menuBar(), Qt::Key_A);
        QTRY_VERIFY(opened);
    }

    // The tab strip stands in one place on screen whichever page shows,
    // and its tabs keep their places with and without change markers.
    void tabStripStaysPut()
    {
        QVERIFY(window->StartUp(job, prog));
        window->show();
        // Room for every page, so that none makes the window grow.
        window->resize(2400, 1800);
        QCoreApplication::processEvents();
        struct Strip {
            QPoint at;
            QVector<QRect> tabs;
        };
        auto strip = [this] {
            QCoreApplication::processEvents();
            QTabBar *tabs = window->ActivePage()->TabStrip();
            Strip s{tabs->mapToGlobal(QPoint(0, 0)), {}};
            for (int i = 0; i < tabs->count(); ++i)
                s.tabs.append(tabs->tabRect(i));
            return s;
        };
        const Strip first = strip();
        auto throughAllPages = [&](const char *when) {
            for (int index : AvailablePagesInStripOrder()) {
                window->ActivePage()->TabStrip()->setCurrentIndex(PageOfIndex(index).stripPosition - 1);
                QCOMPARE(window->ActivePage()->Definition().index, index);
                const Strip s = strip();
                const QString where = QString::fromLatin1(when) + QLatin1Char(' ') + window->ActivePage()->objectName();
                QVERIFY2(s.at == first.at, qPrintable(where));
                QVERIFY2(s.tabs == first.tabs, qPrintable(where));
            }
        };
        throughAllPages("unchanged");
        window->ActivePage()->TabStrip()->setCurrentIndex(0);
        Choose("Opt_14_Combo", List("Opt_14_Combo")->currentIndex() == 4 ? 5 : 4);
        QVERIFY(!window->ActivePage()->TabStrip()->tabIcon(0).isNull());
        QCOMPARE(strip().tabs, first.tabs);
        throughAllPages("marked");
    }

    void restrictedRunTypeSaysWhy()
    {
        QByteArray ini = ReadBytes(prog + "/Swted.ini");
        ini.replace("PROGRAM = KARVEN", "PROGRAM = T-KOR");
        WriteBytes(prog + "/Swted.ini", ini);
        QVERIFY(window->StartUp(job, prog));
        window->show();
        QVERIFY(editor->config.RunTypeRestricted);
        QVERIFY(!window->findChild<QLabel *>("lblRestricted")->isHidden());
    }
};

SWTED_TEST_MAIN(TestEveryday)
#include "test_everyday.moc"
