// The change markers, the status bar and the title tell the truth after
// every step: an edit, leaving the page and coming back, an edit on another
// page and its undo, undo, redo and save, on every page.
#include "pages/PageTable.h"
#include "gui/pages/PageWindow.h"
#include "shell/Editor.h"
#include "gui/MainWindow.h"
#include "shell/ScriptedPrompts.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

class TestMarkers : public QObject, protected MainWindowFixture {
    Q_OBJECT

    PageWindow *Page() { return window->ActivePage(); }
    int TabOf(const QString &caption)
    {
        QTabBar *tabs = Page()->TabStrip();
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == caption)
                return i;
        }
        return -1;
    }
    // A click on the tab, as the user makes it.
    void ClickTab(const QString &caption)
    {
        QTabBar *tabs = Page()->TabStrip();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(TabOf(caption)).center());
    }
    // The tabs that carry a dot, in strip order.
    QStringList Dots()
    {
        QStringList dotted;
        QTabBar *tabs = Page()->TabStrip();
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->tabIcon(i).isNull())
                dotted << tabs->tabText(i);
        }
        return dotted;
    }
    bool Marked(const QString &control)
    {
        QWidget *mark = Page()->findChild<QWidget *>(QStringLiteral("mark_") + control);
        return mark && !mark->isHidden();
    }
    QString Status() { return window->findChild<QLabel *>(QStringLiteral("lblUnsaved"))->text(); }
    // A change of the control as the user makes it: a tick, another list
    // item, another option button.
    bool Change(const QString &control)
    {
        QWidget *w = Page()->Widget(control);
        if (auto *box = qobject_cast<QCheckBox *>(w); box && box->isEnabled()) {
            box->click();
            return true;
        }
        if (auto *list = qobject_cast<QComboBox *>(w); list && list->isEnabled() && list->count() > 1) {
            const int i = (list->currentIndex() + 1) % list->count();
            list->setCurrentIndex(i);
            emit list->activated(i);
            return true;
        }
        for (QRadioButton *b : Page()->Options(control)) {
            if (!b->isChecked() && b->isEnabled()) {
                b->click();
                return true;
            }
        }
        return false;
    }
    // What the user sees: the page's own control marked, which tabs carry
    // a dot, the status bar and the title.
    void Expect(const char *step, const QString &control, bool marked, const QStringList &dots, bool unsaved)
    {
        const QString where = QString::fromLatin1(step) + QStringLiteral(" on ") + Page()->objectName();
        QVERIFY2(Marked(control) == marked, qPrintable(where + ": marker of " + control));
        QVERIFY2(Dots() == dots, qPrintable(where + ": dots on " + Dots().join(", ")));
        QVERIFY2(Status() == (unsaved ? QStringLiteral("Unsaved changes") : QString()),
                 qPrintable(where + ": status " + Status()));
        QVERIFY2(window->windowTitle() == "Options Editor - " + job + (unsaved ? "*" : ""),
                 qPrintable(where + ": title " + window->windowTitle()));
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void everyStepOnEveryPage_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("away");
        QTest::addColumn<QString>("awayControl");
        QTest::newRow("Plotted Iso") << "Plotted Iso" << "Opt_3_Check" << "Welding" << "Opt_53_Combo_C";
        QTest::newRow("System") << "System" << "Opt_6_Combo" << "Specials" << "Opt_58_Check";
        QTest::newRow("Material List") << "Material List" << "Opt_30_Check" << "Iso Content" << "Opt_17_Check";
        QTest::newRow("Welding") << "Welding" << "Opt_53_Combo_C" << "Plotted Iso" << "Opt_3_Check";
        QTest::newRow("Dimensioning") << "Dimensioning" << "Opt_41_Check" << "Iso Style" << "Opt_7_Check";
        QTest::newRow("Iso Style") << "Iso Style" << "Opt_7_Check" << "Dimensioning" << "Opt_41_Check";
        QTest::newRow("Iso Content") << "Iso Content" << "Opt_17_Check" << "Material List" << "Opt_30_Check";
        // The user's own steps: Clear Screen ticked on Specials, then the System tab.
        QTest::newRow("Specials") << "Specials" << "Opt_58_Check" << "System" << "Opt_6_Combo";
    }
    void everyStepOnEveryPage()
    {
        QFETCH(QString, caption);
        QFETCH(QString, control);
        QFETCH(QString, away);
        QFETCH(QString, awayControl);
        QVERIFY(window->StartUp(job, prog));
        window->show();
        if (caption != QStringLiteral("Plotted Iso"))
            ClickTab(caption);
        QCOMPARE(Page()->TabStrip()->tabText(Page()->TabStrip()->currentIndex()), caption);
        Expect("opened", control, false, {}, false);
        const QByteArray file = ReadBytes(job);

        QVERIFY2(Change(control), qPrintable(control));
        Expect("edit", control, true, {caption}, true);

        ClickTab(away);
        QCOMPARE(Page()->TabStrip()->tabText(Page()->TabStrip()->currentIndex()), away);
        Expect("switch away", awayControl, false, {caption}, true);
        // An edit here and its undo leave the first page's edit alone.
        QVERIFY2(Change(awayControl), qPrintable(awayControl));
        QCOMPARE(Dots().size(), 2);
        window->UndoCommand();
        Expect("undo on another page", awayControl, false, {caption}, true);

        ClickTab(caption);
        Expect("switch back", control, true, {caption}, true);
        window->UndoCommand();
        Expect("undo", control, false, {}, false);
        window->RedoCommand();
        Expect("redo", control, true, {caption}, true);

        window->SaveCommand();
        QVERIFY(prompts->messages.isEmpty());
        QVERIFY(ReadBytes(job) != file);
        QCOMPARE(Marked(control), false);
        QCOMPARE(Dots(), QStringList());
        QCOMPARE(window->windowTitle(), "Options Editor - " + job);
        QCOMPARE(Status(), QStringLiteral("Saved JOB.OPT"));
        // The next edit is news again.
        QVERIFY(Change(control));
        Expect("edit after the save", control, true, {caption}, true);
    }

    // A save that fails says nothing of saving: the edits stay marked.
    void failedSaveIsNotReportedSaved()
    {
        QVERIFY(window->StartUp(job, prog));
        window->show();
        QVERIFY(Change(QStringLiteral("Opt_3_Check")));
        QDir(work->path()).mkdir(QStringLiteral("JOB.BAK")); // the backup copy cannot be made
        window->SaveCommand();
        QCOMPARE(prompts->messages.size(), 1);
        Expect("failed save", QStringLiteral("Opt_3_Check"), true, {QStringLiteral("Plotted Iso")}, true);
    }
};

SWTED_TEST_MAIN(TestMarkers)
#include "test_markers.moc"
