// Comparison with another file in the window: the Differences panel names
// what swted-cli diff names, Take Value saves what set by key saves, and the
// markers follow edits and undo.
#include "MainWindowFixture.h"
#include "TestSupport.h"
#include "gui/DifferencesPanel.h"
#include "gui/pages/PageWindow.h"
#include "settings/SettingKeys.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

class TestCompare : public QObject, protected MainWindowFixture {
    Q_OBJECT

    CliRun Cli(const QStringList &args) { return RunSwtedCli(QStringList{"--program-dir", prog} + args); }
    QString Generated(const QString &name, int seed, bool normalized)
    {
        const QString path = work->filePath(name + ".OPT");
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPT"), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        Cli(QStringList{"set", path} + RandomAssignments(seed));
        // A tour may settle a value that a page left before depends on:
        // normalized until a tour changes nothing.
        for (int i = 0; normalized && i < 4 && !Cli({"normalize", path}).out.isEmpty(); ++i) {
        }
        return path;
    }
    void CompareWith(const QString &path)
    {
        prompts->dialogResults.push_back(path);
        window->mnuFilCompare->trigger();
        QVERIFY(window->Comparing());
    }
    // The keys of the Differences panel's rows, then "switch N" for the others.
    QStringList Rows()
    {
        QStringList rows;
        QTableWidget *list = window->Differences()->List();
        for (int r = 0; r < list->rowCount(); ++r) {
            const QTableWidgetItem *first = list->item(r, 0);
            if (first->data(Qt::UserRole).isValid())
                rows << SettingOfControl(first->data(Qt::UserRole).toInt(), first->data(Qt::UserRole + 2).toString())->key;
            else
                rows << list->item(r, 2)->text().section(' ', 0, 1).toLower();
        }
        return rows;
    }
    bool Differs(const QString &control)
    {
        auto *mark = window->ActivePage()->findChild<QLabel *>("mark_" + control);
        return mark && !mark->isHidden() && mark->toolTip().contains("In B.OPT: ");
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void differencesAreWhatDiffSays_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<bool>("normalized");
        for (int seed = 1; seed <= 3; ++seed)
            QTest::addRow("pair %d", seed) << seed << (seed != 3);
    }
    void differencesAreWhatDiffSays()
    {
        QFETCH(int, seed);
        QFETCH(bool, normalized);
        const QString a = Generated("A", seed, normalized);
        const QString b = Generated("B", seed + 100, normalized);
        QVERIFY(window->StartUp(a, prog));
        window->show();
        CompareWith(b);
        QCOMPARE(Rows(), LineHeads(Cli({"diff", a, b}).out));
        QVERIFY(!Rows().isEmpty());
        // With the keyboard alone: to the list, down a row, Enter opens its
        // page with its control focused.
        QTableWidget *list = window->Differences()->List();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->ActivePage()->TabStrip()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
        int row = list->currentRow();
        while (row > 0 && !list->item(row, 0)->data(Qt::UserRole).isValid())
            --row;
        list->setCurrentCell(row, 0);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(window->ActivePage()->Definition().index, list->item(row, 0)->data(Qt::UserRole).toInt());
        // Ending the comparison takes the panel and the markers away.
        window->mnuFilEndCompare->trigger();
        QVERIFY(!window->Comparing());
        QVERIFY(window->Differences()->isHidden());
    }

    // Take Value on one control, then Save: the bytes swted-cli set of that
    // key gives; the marker goes, and comes back with Undo.
    void takeValueIsSetByKey()
    {
        const QString a = Generated("A", 7, true);
        const QString b = work->filePath("B.OPT");
        QFile::copy(a, b);
        const QString key = "plotted-iso.drawing-margins.left";
        QCOMPARE(Cli({"set", b, key + "=17"}).status, 0);
        const QString byKey = work->filePath("KEY.OPT");
        QFile::copy(a, byKey);
        QCOMPARE(Cli({"set", byKey, key + "=17"}).status, 0);

        QVERIFY(window->StartUp(a, prog));
        window->show();
        CompareWith(b);
        QCOMPARE(Rows(), QStringList{key});
        QVERIFY(Differs("Opt_10_Text"));
        QCOMPARE(window->ActivePage()->TabStrip()->tabTextColor(0), QColor(0x1f, 0x5f, 0xbf));
        window->ActivePage()->TakeComparedValue("Opt_10_Text");
        QVERIFY(Rows().isEmpty());
        QVERIFY(!Differs("Opt_10_Text"));
        window->UndoCommand();
        QCOMPARE(Rows(), QStringList{key});
        QVERIFY(Differs("Opt_10_Text"));
        window->RedoCommand();
        window->SaveCommand();
        QCOMPARE(ReadBytes(a), ReadBytes(byKey));
    }

    // Take All asks first; Yes takes every difference in one step of undo.
    void takeAll()
    {
        const QString a = Generated("A", 11, true);
        const QString b = Generated("B", 12, true);
        QVERIFY(window->StartUp(a, prog));
        window->show();
        CompareWith(b);
        QVERIFY(!Rows().isEmpty());
        prompts->answers.push_back(Answer::No);
        window->Differences()->TakeAllButton()->click();
        QVERIFY(prompts->messages.last().text.startsWith("Take the values of all "));
        QCOMPARE(prompts->messages.last().buttons, MessageButtons::YesNo);
        QVERIFY(!Rows().isEmpty());
        prompts->answers.push_back(Answer::Yes);
        window->mnuEditTakeAll->trigger();
        QVERIFY2(Rows().isEmpty(), qPrintable(Rows().join(", ")));
        window->UndoCommand();
        QVERIFY(!Rows().isEmpty());
    }
};

SWTED_TEST_MAIN(TestCompare)
#include "test_compare.moc"
