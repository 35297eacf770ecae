// Everyday editing in the windows: what each control edits, access keys,
// change markers, undo and redo, the mouse wheel, the status bar.
#include "pages/PageDescriptions.h"
#include "pages/PageTable.h"
#include "pages/PageTour.h"
#include "pages/PageWindow.h"
#include "pages/Pages.h"
#include "pages/SettingSearch.h"
#include "shell/Editor.h"
#include "shell/EditorConfiguration.h"
#include "shell/MainWindow.h"
#include "shell/ScriptedPrompts.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include <QAbstractButton>
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
                    QCOMPARE(w->accessibleDescription(), PositionsText(c));
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
        window->DefaultAllCommand();
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

        // Saved: nothing is marked any more.
        window->SaveCommand();
        QVERIFY(!Marked("Opt_14_Combo"));
        QVERIFY(tabs->tabIcon(0).isNull());
        QCOMPARE(Status(), QString());
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
        field->setText(QStringLiteral("no such setting"));
        QVERIFY(results->isHidden());
        QVERIFY(prompts->messages.isEmpty());
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

QTEST_MAIN(TestEveryday)
#include "test_everyday.moc"
