#include "gui/pages/PageWindow.h"
#include "pages/PageTable.h"
#include "pages/PageTour.h"
#include "gui/pages/TipWindow.h"
#include "shell/Editor.h"
#include "gui/MainWindow.h"
#include "shell/ScriptedPrompts.h"
#include "FaultyFileOps.h"
#include "MainWindowFixture.h"
#include "model/FileLocks.h"
#include "model/Messages.h"
#include "gui/tools/CorrectionsWindow.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <QTemporaryDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>
#include "TestRegistry.h"
#include <QtTest>
#include <memory>

using namespace swted;
using namespace swted::test;

class TestMainWindow : public QObject, protected MainWindowFixture {
    Q_OBJECT


    void Start(const QString &commandLine)
    {
        QVERIFY(window->StartUp(commandLine, prog));
        window->show();
    }
    void ExpectNoFileState()
    {
        QVERIFY(!window->mnuFilClose->isEnabled());
        QVERIFY(!window->mnuFilSave->isEnabled());
        QVERIFY(!window->mnuFilSaveAs->isEnabled());
        QVERIFY(!window->mnuTools->menuAction()->isEnabled());
        QVERIFY(window->munFilOpen->isEnabled());
        QVERIFY(window->mnuFilExit->isEnabled());
        QVERIFY(window->mnuAbout->isEnabled());
        QCOMPARE(window->windowTitle(), QStringLiteral("Options Editor"));
        QVERIFY(!window->ActivePage());
        QVERIFY(!editor->file.FileLoaded);
    }
    // The title marks unsaved changes with "*".
    void ExpectFileState(const QString &path, bool unsaved = false)
    {
        QVERIFY(window->mnuFilClose->isEnabled());
        QVERIFY(window->mnuFilSave->isEnabled());
        QVERIFY(window->mnuFilSaveAs->isEnabled());
        QVERIFY(window->mnuTools->menuAction()->isEnabled());
        QCOMPARE(window->windowTitle(), "Options Editor - " + path + (unsaved ? "*" : ""));
        QVERIFY(window->ActivePage());
        QCOMPARE(window->ActivePage()->objectName(), QStringLiteral("XPlot_1"));
        QVERIFY(editor->file.FileLoaded);
    }
    QLineEdit *Field(const char *name) { return window->ActivePage()->Get<QLineEdit>(QString::fromLatin1(name)); }
    void ExpectQuestion(int index, const QString &path)
    {
        QVERIFY(index < prompts->messages.size());
        const Message &m = prompts->messages[index];
        QCOMPARE(m.text, "Some Options have changed since last save\rof " + path + "\rSave changes to this file now?");
        QCOMPARE(m.title, QStringLiteral("Quarnel Editing Suite"));
        QCOMPARE(m.buttons, MessageButtons::YesNoCancel);
        QCOMPARE(m.icon, MessageIcon::Exclamation);
    }

private slots:
    void init()
    {
        SetUp();
    }
    void cleanup() { TearDown(); }

    void startWithoutFile()
    {
        Start(QString());
        ExpectNoFileState();
        QVERIFY(prompts->messages.isEmpty());
        QCOMPARE(window->VersionText(), QStringLiteral("V 1. 0. 0"));
        QCOMPARE(window->munFilOpen->text(), QStringLiteral("&Open..."));
        QCOMPARE(window->mnuFilSaveAs->text(), QStringLiteral("Save &As..."));
        QCOMPARE(window->mnuFilExit->text(), QStringLiteral("E&xit"));
        QCOMPARE(window->mnuTooDefAll->text(), QStringLiteral("Default &All Switches"));
        QCOMPARE(window->mnuFilE->title(), QStringLiteral("&File"));
        QCOMPARE(window->mnuTools->title(), QStringLiteral("&Tools"));
    }

    void startWithMissingFile()
    {
        const QString name = "\"" + work->filePath("none.opt") + "\"";
        Start(name);
        QCOMPARE(prompts->texts(), QStringList{"Can't find file " + name + "!"});
        QCOMPARE(prompts->messages[0].title, QStringLiteral("Swted32"));
        ExpectNoFileState();
    }

    void startWithFileThatFailsToRead()
    {
        const QString bad = work->filePath("BAD.OPT");
        WriteBytes(bad, "no block here\r\n");
        Start(bad);
        QCOMPARE(prompts->texts(), (QStringList{"Test String 'KARVEN_OPTIONS_BLOCK' not found in " + bad,
                                                "Problem Loading " + bad}));
        ExpectNoFileState();
    }

    void startWithFile()
    {
        Start(job);
        QVERIFY(prompts->messages.isEmpty());
        ExpectFileState(job);
        QCOMPARE(editor->file.CurrentFileDirectory, work->path() + "/");
        QVERIFY(window->PageOpen(0));
    }

    void missingConfigurationEndsTheProgram()
    {
        QFile::remove(prog + "/Swted.ini");
        QVERIFY(!window->StartUp(job, prog));
        QVERIFY(prompts->ended);
        QCOMPARE(prompts->endStatus, 3);
        QCOMPARE(prompts->messages[0].icon, MessageIcon::Stop);
    }

    void openCancelKeepsTheFile()
    {
        Start(job);
        prompts->dialogResults.push_back(std::nullopt);
        window->OpenOptionsFile();
        QCOMPARE(prompts->dialogs.size(), 1);
        const FileDialogRequest &r = prompts->dialogs[0].request;
        QCOMPARE(r.title, QStringLiteral("Open Options File"));
        QCOMPARE(r.filter, DialogFilter(editor->config));
        QVERIFY(r.fileMustExist);
        QVERIFY(!prompts->dialogs[0].save);
        ExpectFileState(job);
        // Exit still protects edits after a cancelled Open.
        Field("Opt_10_Text")->setText("44");
        prompts->answers.push_back(Answer::Cancel);
        window->ExitCommand();
        QVERIFY(!prompts->ended);
        ExpectQuestion(0, job);
    }

    void openAnotherFile()
    {
        Start(job);
        const QString other = work->filePath("other.opl");
        QFile::copy(SWTED_SOURCE_DIR "/examples/PLANT.OPL", other);
        Field("Opt_10_Text")->setText("44"); // an edit on the page counts in the question
        prompts->answers.push_back(Answer::Cancel);
        window->OpenOptionsFile();
        ExpectQuestion(0, job);
        QVERIFY(prompts->dialogs.isEmpty());
        ExpectFileState(job, true);

        prompts->answers.push_back(Answer::No);
        prompts->dialogResults.push_back(other);
        window->OpenOptionsFile();
        ExpectFileState(other);
        QCOMPARE(editor->file.CurrentExtension, QStringLiteral("OPL"));
        QCOMPARE(Field("Opt_10_Text")->text(), QStringLiteral("5"));
        QVERIFY(!ReadBytes(job).contains("    44"));
    }

    // Another file that does not read: one message saying why, and the
    // file on screen stays open with its edits.
    void openFileThatFailsToRead()
    {
        Start(job);
        Field("Opt_11_Text")->setText("9");
        const QString bad = work->filePath("BAD.OPT");
        WriteBytes(bad, "nothing\r\n");
        prompts->answers = {Answer::No};
        prompts->dialogResults.push_back(bad);
        window->OpenOptionsFile();
        QCOMPARE(prompts->texts(), (QStringList{msg::SaveChangesQuestion(job),
                                                "Test String 'KARVEN_OPTIONS_BLOCK' not found in " + bad}));
        ExpectFileState(job, true);
        QCOMPARE(Field("Opt_11_Text")->text(), QStringLiteral("9"));
        QVERIFY(!QFileInfo::exists(LockFilePathFor(bad)));
    }

    void closeWithEveryAnswer()
    {
        Start(job);
        const QByteArray before = ReadBytes(job);
        Field("Opt_11_Text")->setText("9");
        prompts->answers = {Answer::Cancel};
        window->CloseOptionsFile();
        ExpectFileState(job, true);
        prompts->answers = {Answer::No};
        window->CloseOptionsFile();
        ExpectNoFileState();
        QCOMPARE(ReadBytes(job), before);

        Start(job);
        Field("Opt_11_Text")->setText("9");
        prompts->messages.clear();
        prompts->answers = {Answer::Yes};
        window->CloseOptionsFile();
        ExpectQuestion(0, job);
        ExpectNoFileState();
        QVERIFY(ReadBytes(job).contains("     5     9     5"));
        QCOMPARE(ReadBytes(work->filePath("JOB.BAK")), before);

        // Nothing changed: nothing asked.
        Start(job);
        prompts->messages.clear();
        window->CloseOptionsFile();
        QVERIFY(prompts->messages.isEmpty());
        ExpectNoFileState();
    }

    void saveAndSaveAs()
    {
        Start(job);
        Field("Opt_12_Text")->setText("8");
        window->SaveCommand();
        QVERIFY(ReadBytes(job).contains("     5     5     8     5"));
        QVERIFY(!editor->store.HasUnsavedChanges());

        const QString copy = work->filePath("COPY.OPS");
        prompts->dialogResults.push_back(copy);
        prompts->answers.push_back(Answer::Yes);
        window->SaveAsCommand();
        QCOMPARE(window->windowTitle(), "Options Editor - " + copy);
        QVERIFY(ReadBytes(copy).startsWith("Switch   Switch"));
        QCOMPARE(editor->file.CurrentExtension, QStringLiteral("OPS"));
    }

    void saveThatCannotWriteKeepsRunningWithTheEdits()
    {
        Start(job);
        QDir(work->path()).mkdir("JOB.BAK");
        Field("Opt_12_Text")->setText("8");
        window->SaveCommand();
        QCOMPARE(prompts->messages.size(), 1);
        QVERIFY(prompts->messages[0].text.startsWith("Cannot make the backup copy"));
        QVERIFY(editor->store.HasUnsavedChanges());
        ExpectFileState(job, true);
        QCOMPARE(Field("Opt_12_Text")->text(), QStringLiteral("8"));
    }

    // A save on a full disk, then Exit: both say why the file was not
    // saved, the file stays as it was, and the program keeps running with
    // the edits, still unsaved.
    void fullDiskSaveThenExit_data()
    {
        QTest::addColumn<bool>("realDisk");
        QTest::newRow("write stops at a byte") << false;
        QTest::newRow("tmpfs") << true;
    }
    void fullDiskSaveThenExit()
    {
        QFETCH(bool, realDisk);
        TinyTmpfs disk(QStringLiteral("64k"));
        FaultyFileOps full;
        if (realDisk) {
            if (!disk.ok())
                QSKIP("needs root and mount for a tmpfs");
            job = disk.path("JOB.OPT");
            QFile::copy(SWTED_SOURCE_DIR "/examples/PLANT.OPT", job);
            QFile::copy(SWTED_SOURCE_DIR "/examples/PLANT.OPT", disk.path("JOB.BAK"));
        } else {
            QFile::copy(job, work->filePath("JOB.BAK"));
            full.failWriteAtByte = 0;
            editor->fileOps = &full;
        }
        const QString backup = job.left(job.size() - 3) + "BAK";
        const QByteArray before = ReadBytes(job);
        Start(job);
        if (realDisk)
            disk.FillLeaving(0);
        Field("Opt_12_Text")->setText("8");
        window->SaveCommand();
        const QString failure = "Cannot make the backup copy " + backup + " of " + job
            + ":\rNo space left on device\rThe file has not been saved; your changes are still in the editor.";
        QCOMPARE(prompts->texts(), QStringList{failure});
        QCOMPARE(prompts->messages[0].title, QStringLiteral("Swted32"));
        QCOMPARE(prompts->messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(prompts->messages[0].icon, MessageIcon::None);
        QVERIFY(editor->store.HasUnsavedChanges());

        prompts->answers = {Answer::Yes};
        window->ExitCommand();
        QVERIFY(!prompts->ended);
        ExpectQuestion(1, job);
        QCOMPARE(prompts->messages[2].text, failure);
        QCOMPARE(prompts->messages.size(), 3);
        ExpectFileState(job, true);
        QCOMPARE(Field("Opt_12_Text")->text(), QStringLiteral("8"));
        QCOMPARE(ReadBytes(job), before);
        QCOMPARE(ReadBytes(backup), before);
        window.reset(); // before the disk goes
    }

    void exitAndTheCloseBox()
    {
        Start(job);
        window->ExitCommand(); // nothing changed
        QVERIFY(prompts->ended);

        init();
        Start(job);
        Field("Opt_13_Text")->setText("3");
        prompts->answers = {Answer::Cancel};
        QVERIFY(!window->close()); // the close box
        QVERIFY(window->isVisible());
        ExpectQuestion(0, job);
        ExpectFileState(job, true);
        prompts->answers = {Answer::No};
        QVERIFY(window->close());
        QVERIFY(prompts->answers.empty());

        init();
        Start(QString());
        window->ExitCommand(); // no file: ends at once
        QVERIFY(prompts->ended);
        QVERIFY(prompts->messages.isEmpty());
    }

    void defaultAllSwitchesOnTheOpenPage()
    {
        const QString zero = work->filePath("ZERO.OPT");
        QStringList lines{"KARVEN_OPTIONS_BLOCK", ""};
        for (int k = 0; k < 10; ++k)
            lines << "0 0 0 0 0 0 0 0 0 0 0 0 0 0";
        WriteBytes(zero, CrLf(lines));
        Start(zero);
        QCOMPARE(Field("Opt_10_Text")->text(), QStringLiteral("0"));
        // Asked first: No changes nothing.
        prompts->answers = {Answer::No, Answer::Yes};
        window->DefaultAllCommand();
        QCOMPARE(Field("Opt_10_Text")->text(), QStringLiteral("0"));
        QVERIFY(!editor->store.HasUnsavedChanges());
        window->DefaultAllCommand();
        QCOMPARE(prompts->messages.size(), 2);
        const Message &asked = prompts->messages[0];
        QCOMPARE(asked.text, QStringLiteral("Set all 140 option switches to their default values?\rEdit > Undo puts them back."));
        QCOMPARE(asked.title, QStringLiteral("Options Editor"));
        QCOMPARE(asked.buttons, MessageButtons::YesNo);
        QCOMPARE(asked.icon, MessageIcon::Exclamation);
        QCOMPARE(Field("Opt_10_Text")->text(), QStringLiteral("5"));
        QVERIFY(editor->store.HasUnsavedChanges());
        window->SaveCommand();
        // Saved: the defaults, with what the page stores for what it shows:
        // a sheet size of 0 is stored as 2, the texts 100 (switch 34) and
        // 1 (switch 36) are the fields' default texts and store 0.
        for (int n = 1; n <= 140; ++n) {
            const int expected = n == 14 ? 2 : n == 34 || n == 36 ? 0 : SwitchStore::DefaultValue(n);
            QCOMPARE(editor->store.GetSwitchValue(n), expected);
        }
    }

    void tabsSubPagesAndTips()
    {
        Start(job);
        PageWindow *page = window->ActivePage();
        QTabBar *tabs = page->TabStrip();
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Plotted Iso"));
        tabs->setCurrentIndex(0); // the page's own tab: nothing happens
        QCOMPARE(window->ActivePage(), page);

        QTest::mouseClick(page->findChild<QWidget *>("ImgNextPage_2"), Qt::LeftButton);
        QCOMPARE(page->CurrentSubPage(), 2);
        QVERIFY(!editor->store.HasUnsavedChanges());

        QTest::mouseClick(page->Widget("HelpOS1"), Qt::LeftButton);
        TipWindow *tip = window->Tip();
        QVERIFY(tip && tip->isVisible());
        QCOMPARE(tip->windowTitle(), QStringLiteral("Tip for Switch number 1"));
        QTest::mouseClick(page->findChild<QWidget *>("imgPrevPage_1"), Qt::LeftButton);
        QTest::mouseClick(page->Widget("HelpOS14"), Qt::LeftButton);
        QCOMPARE(window->Tip(), tip); // one tip window, refilled
        QCOMPARE(tip->windowTitle(), QStringLiteral("Tip for Switch number 14"));
        QCOMPARE(tip->CurrentGeometry().windowWidth, 4000);
        QTest::mouseClick(tip->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(!window->Tip());
    }

    void goToPageLaysOutTheTargetBeforeStoringTheCurrent()
    {
        Start(job);
        PageWindow *plot = window->ActivePage();
        Field("Opt_10_Text")->setText("21");
        QVERIFY(window->GoToPage(plot, 4)); // the system page
        QVERIFY(!window->PageOpen(0));
        QVERIFY(window->PageOpen(4));
        QCOMPARE(editor->store.GetSwitchValue(10), 21); // stored on leaving
        QTabBar *tabs = window->ActivePage()->TabStrip();
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("System"));
        tabs->setCurrentIndex(0); // back to "Plotted Iso" through the strip
        QTRY_VERIFY(window->PageOpen(0));
        QVERIFY(!window->PageOpen(4));
        QCOMPARE(Field("Opt_10_Text")->text(), QStringLiteral("21"));
    }

    // Opening a file, visiting every page and saving stores what each page
    // showed: the values as they were, except where a page stores a value
    // it shows differently (the iso style page stores a default minimum
    // slope, drawing information content and viewpoint 3 as 0, the enclosure
    // size and the hatching gaps it shows for 0). A second visit and save
    // then change nothing at all.
    void examplesSurviveAVisitToEveryPage_data()
    {
        QTest::addColumn<QString>("example");
        for (const char *e : {"PLANT.OPT", "PLANT.OPL", "PLANT.OPS", "PLANT.HDR", "PLANT.DEF", "PLANT.IDF"})
            QTest::newRow(e) << QString::fromLatin1(e);
    }
    void examplesSurviveAVisitToEveryPage()
    {
        QFETCH(QString, example);
        const QString path = work->filePath(example);
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/") + example, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        // The bundled examples hold these values as the pages store them;
        // the forms the iso style page shows differently are put back.
        QProcess set;
        set.start(QStringLiteral(SWTED_BINARY_DIR "/swted-cli"),
                  {"--program-dir", prog, "set", path, "20=5", "38=100", "42=3", "76=0", "102=0"});
        QVERIFY(set.waitForFinished(60000));
        QCOMPARE(set.exitCode(), 0);
        const QStringList prescribed = {"20: 5 -> 0", "38: 100 -> 0", "42: 3 -> 0", "76: 0 -> 200", "102: 0 -> 152525"};
        for (int visit = 1; visit <= 2; ++visit) {
            const QByteArray before = ReadBytes(path);
            Start(path);
            // Every page, in the strip's order, then back to the first and on.
            QVector<int> tour = AvailablePagesInStripOrder();
            tour << tour.first() << tour.last();
            tour.removeFirst();
            for (int index : tour) {
                QTabBar *tabs = window->ActivePage()->TabStrip();
                for (int i = 0; i < tabs->count(); ++i) {
                    if (PageIndexOfCaption(tabs->tabText(i)) == index && i != tabs->currentIndex())
                        tabs->setCurrentIndex(i);
                }
                PageWindow *page = window->ActivePage();
                QCOMPARE(page->Definition().index, index);
                for (int k = 1; k <= page->Definition().subPages; ++k)
                    page->ShowSubPage(k);
            }
            QVERIFY2(prompts->messages.isEmpty(), qPrintable(prompts->texts().join('\n')));
            window->StoreActivePage();
            QStringList changed;
            for (int n = 1; n <= 140; ++n) {
                if (editor->store.GetSwitchValue(n) != editor->store.GetSavedValue(n))
                    changed << QStringLiteral("%1: %2 -> %3").arg(n).arg(editor->store.GetSavedValue(n)).arg(editor->store.GetSwitchValue(n));
            }
            QCOMPARE(changed, visit == 1 ? prescribed : QStringList{});
            window->SaveCommand();
            QVERIFY(!editor->store.HasUnsavedChanges());
            if (visit == 2)
                QCOMPARE(ReadBytes(path), before);
            QVERIFY(prompts->messages.isEmpty());
        }
    }

    // The specials page reached through the tab strip: what it cannot show
    // as stored is saved as it showed it.
    void specialsPageThroughTheTabStrip()
    {
        Start(job);
        const QVector<QPair<int, int32_t>> stored = {{52, 4321}, {58, 12}, {82, 32}, {109, 900000007}, {110, 75}, {113, 5}};
        for (const auto &[n, v] : stored)
            editor->store.SetWholeValue(n, v);
        auto click = [&](const char *caption) {
            QTabBar *tabs = window->ActivePage()->TabStrip();
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->tabText(i) == QLatin1String(caption))
                    tabs->setCurrentIndex(i);
            }
        };
        click("Specials");
        PageWindow *specials = window->ActivePage();
        QCOMPARE(specials->objectName(), QStringLiteral("XSpecial_1"));
        QCOMPARE(prompts->texts(), (QStringList{"The value of Option Switch 109, starting at position 1 was 7. This is "
                                               "outside the allowable range of 0 to 4. The value will therefore be set "
                                               "to the default value of 0.",
                                               "The value of Option Switch 110, starting at position 1 was 75. This is "
                                               "outside the allowable range of 0 to 60. The value will therefore be set "
                                               "to 60."}));
        QCOMPARE(specials->TabStrip()->tabText(specials->TabStrip()->currentIndex()), QStringLiteral("Specials"));
        click("Plotted Iso");
        QVERIFY(!window->PageOpen(7));
        window->SaveCommand();
        const QVector<QPair<int, int32_t>> saved = {{52, 4111}, {58, 10}, {82, 2}, {109, 900000000}, {110, 60}, {113, 5}};
        for (const auto &[n, v] : saved) {
            QCOMPARE(editor->store.GetSwitchValue(n), v);
            QCOMPARE(editor->store.GetSavedValue(n), v);
        }
        QCOMPARE(prompts->messages.size(), 2);
    }

    // The iso content page, visited through the tab strip on a file that
    // holds what it cannot show as stored: the save holds what it showed.
    void isoContentPageStoresWhatItShows()
    {
        const QString path = work->filePath(QStringLiteral("ISO.OPL"));
        QByteArray bytes = ReadBytes(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPL"));
        const QVector<QPair<int, int32_t>> stored = {
            {5, 910000001}, {17, 2}, {39, 10001900}, {66, 900000059}, {79, 900000000}, {124, 7}};
        auto setLine = [&bytes](int n, int32_t v) {
            const QRegularExpression line(QStringLiteral("(?m)^%1 +\\S+ +").arg(n));
            QString text = QString::fromLatin1(bytes);
            const QRegularExpressionMatch m = line.match(text);
            QVERIFY(m.hasMatch());
            text.replace(m.capturedStart(), m.capturedLength(),
                         QStringLiteral("%1").arg(n, -8) + QStringLiteral("%1").arg(v, -21));
            bytes = text.toLatin1();
        };
        for (const auto &[n, v] : stored)
            setLine(n, v);
        WriteBytes(path, bytes);
        Start(path);
        QTabBar *tabs = window->ActivePage()->TabStrip();
        tabs->setCurrentIndex(6);
        QTRY_VERIFY(window->PageOpen(6));
        PageWindow *page = window->ActivePage();
        QCOMPARE(page->objectName(), QStringLiteral("XIContent_1"));
        QCOMPARE(prompts->texts(),
                 (QStringList{"The value of Option Switch 66, starting at position 2 was 5. This is outside the allowable "
                              "range of 0 to 3. The value will therefore be set to the default value of 0.",
                              "The value of Option Switch 79, starting at position 9 was 9. This is outside the allowable "
                              "range of 0 to 8. The value will therefore be set to the default value of 0."}));
        QCOMPARE(page->Get<QComboBox>("Opt_39_Combo")->currentText(), QStringLiteral("Ellipse"));
        for (int k = 1; k <= 3; ++k)
            page->ShowSubPage(k);
        prompts->messages.clear();
        page->TabStrip()->setCurrentIndex(0);
        QTRY_VERIFY(window->PageOpen(0));
        QVERIFY(!window->PageOpen(6));
        window->SaveCommand();
        QVERIFY2(prompts->messages.isEmpty(), qPrintable(prompts->texts().join('\n')));
        const QVector<QPair<int, int32_t>> saved = {
            {5, 910000001}, {17, 0}, {39, 1900}, {66, 900000001}, {79, 0}, {124, 1}, {64, 12}};
        const QString text = QString::fromLatin1(ReadBytes(path));
        for (const auto &[n, v] : saved) {
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(?m)^%1 +(\\S+) ").arg(n)).match(text);
            QVERIFY(m.hasMatch());
            QCOMPARE(m.captured(1), QString::number(v));
        }
    }

    // swted-cli lint and normalize say and store exactly what the editor
    // does when a file is opened, every page is visited through the tab strip
    // and the file is saved: on generated files with values of every kind.
    void lintAndNormalizeMatchTheEditor_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<QString>("type");
        for (int seed = 1; seed <= 6; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << (seed % 2 ? "OPL" : "OPT");
    }
    void lintAndNormalizeMatchTheEditor()
    {
        QFETCH(int, seed);
        QFETCH(QString, type);
        auto run = [&](const QStringList &args) {
            QProcess p;
            p.start(QStringLiteral(SWTED_BINARY_DIR "/swted-cli"), QStringList{"--program-dir", prog} + args);
            p.waitForFinished(60000);
            return p.readAllStandardOutput();
        };
        const QString path = work->filePath("GEN." + type);
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.") + type, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        run(QStringList{"set", path} + RandomAssignments(seed));
        const QString copy = work->filePath("cli/GEN." + type);
        QDir().mkpath(work->filePath("cli"));
        QFile::copy(path, copy);

        Start(path);
        for (int index : AvailablePagesInStripOrder()) {
            QTabBar *tabs = window->ActivePage()->TabStrip();
            for (int i = 0; i < tabs->count(); ++i) {
                if (PageIndexOfCaption(tabs->tabText(i)) == index && i != tabs->currentIndex())
                    tabs->setCurrentIndex(i);
            }
            QCOMPARE(window->ActivePage()->Definition().index, index);
        }
        window->SaveCommand();
        QByteArray expected;
        for (const QString &text : prompts->texts()) {
            for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
                expected += (copy + ": " + line + "\n").toLocal8Bit();
        }
        QVERIFY(!expected.isEmpty());
        // Then a line for each value the tour changes, as normalize says it.
        const QByteArray linted = run({"lint", copy});
        QCOMPARE(linted.left(expected.size()), expected);
        QCOMPARE(linted.mid(expected.size()), run({"normalize", "--dry-run", copy}));
        run({"normalize", copy});
        QCOMPARE(ReadBytes(copy), ReadBytes(path));
    }

    // Every value the pages would store otherwise is said when the file
    // opens, in a list; Save writes them all, pages visited or not, as
    // normalize does.
    void correctionsAreSaidAtOpenAndSavedWithoutVisits_data()
    {
        QTest::addColumn<QString>("values");
        QTest::newRow("paper size and a Specials value") << "14=-7 109=7";
        QTest::newRow("every kind") << "";
    }
    void correctionsAreSaidAtOpenAndSavedWithoutVisits()
    {
        QFETCH(QString, values);
        const QString path = work->filePath("FIX.OPL");
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPL"), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QStringList set{"--program-dir", prog, "set", path};
        if (values.isEmpty()) {
            QRandomGenerator random(7);
            for (int n = 1; n <= 140; ++n)
                set << QStringLiteral("%1=%2").arg(n).arg(random.bounded(100000));
        } else {
            set << values.split(' ');
        }
        QCOMPARE(QProcess::execute(QStringLiteral(SWTED_BINARY_DIR "/swted-cli"), set), 0);
        const QString copy = work->filePath("FIXCOPY.OPL");
        QFile::copy(path, copy);
        QProcess normalize;
        normalize.start(QStringLiteral(SWTED_BINARY_DIR "/swted-cli"), {"--program-dir", prog, "normalize", copy});
        QVERIFY(normalize.waitForFinished(60000));
        const int lines = int(normalize.readAllStandardOutput().count('\n'));
        QVERIFY(lines > 0);

        Start(path);
        QVERIFY(window->correctionsButton->isVisible());
        QCOMPARE(window->correctionsButton->text(), CorrectionsNote(lines));
        int rows = -1;
        QTimer::singleShot(0, this, [&] {
            if (auto *list = qobject_cast<CorrectionsWindow *>(QApplication::activeModalWidget())) {
                rows = list->table->rowCount();
                list->reject();
            }
        });
        QTest::mouseClick(window->correctionsButton, Qt::LeftButton);
        QCOMPARE(rows, lines);
        // The question at Exit is honest: nothing edited, yet a save changes the file.
        QVERIFY(editor->HasUnsavedChanges());
        QVERIFY(window->windowTitle().endsWith('*'));
        prompts->messages.clear();
        window->SaveCommand();
        QVERIFY2(prompts->messages.isEmpty(), qPrintable(prompts->texts().join('\n')));
        QCOMPARE(ReadBytes(path), ReadBytes(copy));
        QVERIFY(!window->correctionsButton->isVisible());
        QVERIFY(!editor->HasUnsavedChanges());
    }

    // Values the material list page shows in another form are saved in
    // the form it stores, after a visit of every page through the strip.
    void materialListValuesAreSavedAsThePageStoresThem()
    {
        const QString path = work->filePath("MATL.OPT");
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPT"), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QProcess set;
        set.start(QStringLiteral(SWTED_BINARY_DIR "/swted-cli"),
                  {"--program-dir", prog, "set", path, "2=15700012", "23=100", "24=3", "27=123000035", "74=999"});
        QVERIFY(set.waitForFinished(60000));
        Start(path);
        for (int index : AvailablePagesInStripOrder()) {
            QTabBar *tabs = window->ActivePage()->TabStrip();
            for (int i = 0; i < tabs->count(); ++i) {
                if (PageIndexOfCaption(tabs->tabText(i)) == index && i != tabs->currentIndex())
                    tabs->setCurrentIndex(i);
            }
            QCOMPARE(window->ActivePage()->Definition().index, index);
        }
        QVERIFY(AvailablePagesInStripOrder().contains(2));
        window->SaveCommand();
        QVERIFY2(prompts->messages.isEmpty(), qPrintable(prompts->texts().join('\n')));
        // Square ended box without its position 8, bending output 1, style
        // 1 as 0, the other values as they were.
        QCOMPARE(editor->store.GetSavedValue(2), 5100012);
        QCOMPARE(editor->store.GetSavedValue(23), 0);
        QCOMPARE(editor->store.GetSavedValue(24), 3);
        // The file names no user fonts: the font number of switch 27 is cleared.
        QCOMPARE(editor->store.GetSavedValue(27), 35);
        QCOMPARE(editor->store.GetSavedValue(74), 444);
    }

    // A page left and opened again is the same window, started afresh.
    void aPageOpenedAgainStartsAsANewOne()
    {
        Start(job);
        QVERIFY(window->GoToPage(window->ActivePage(), 1));
        PageWindow *dimensioning = window->ActivePage();
        dimensioning->ShowSubPage(3);
        dimensioning->Get<QLineEdit>("Opt_118_text")->setFocus();
        QTabBar *tabs = dimensioning->TabStrip();
        tabs->setCurrentIndex(3); // "Welding", by the strip
        QTRY_VERIFY(window->PageOpen(3));
        QVERIFY(!window->PageOpen(1));
        QVERIFY(!dimensioning->isVisible());
        editor->store.SetSwitchValue(118, 254); // changed while the page is away
        QVERIFY(window->GoToPage(window->ActivePage(), 1));
        QCOMPARE(window->ActivePage(), dimensioning);
        QVERIFY(window->PageOpen(1));
        QVERIFY(!window->PageOpen(3));
        QCOMPARE(dimensioning->CurrentSubPage(), 1);
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Dimensioning"));
        QCOMPARE(dimensioning->Get<QLineEdit>("Opt_118_text")->text(), QStringLiteral("25"));
        QCOMPARE(dimensioning->Get<QComboBox>("Opt_118_Combo")->count(), 5);
        QCOMPARE(dimensioning->Get<QComboBox>("Opt_118_Combo")->currentIndex(), 4);
        QVERIFY(prompts->messages.isEmpty());
    }

    // The offscreen screen is 800x800, smaller than the largest pages and
    // tips, as a 1600x1200 screen is at twice the scale: the main window
    // and a tip window fit it, frame included.
    void windowsFitASmallScreen()
    {
        Start(job);
        QApplication::processEvents();
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY(screen.width() < 1000);
        QVERIFY(screen.contains(window->frameGeometry()));
        QVERIFY(window->GoToPage(window->ActivePage(), 3)); // the welding page is the widest
        QApplication::processEvents();
        QVERIFY(screen.contains(window->frameGeometry()));
        window->ShowSwitchTip(QStringLiteral("14"), QStringLiteral("A tip."), 20000, 20000);
        QWidget *tip = window->Tip();
        QVERIFY(tip);
        QApplication::processEvents();
        QVERIFY(screen.contains(tip->frameGeometry()));
        tip->close();
    }

    void aboutWindow()
    {
        Start(QString());
        QString text;
        QString title;
        QString folder;
        QTimer::singleShot(0, this, [&] {
            QWidget *about = QApplication::activeModalWidget();
            QVERIFY(about);
            title = about->windowTitle();
            text = about->findChild<QLabel *>("Label1")->text();
            folder = about->findChild<QLabel *>("FolderLabel")->text();
            QTest::mouseClick(about->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        });
        window->AboutCommand();
        QCOMPARE(title, QStringLiteral("About Options Editor"));
        QCOMPARE(text, QStringLiteral("Options Editor V 1. 0. 0\n\r(For use with KARVEN Versions up to, and including, V8.13.1)"));
        QCOMPARE(folder, "Configuration (Swted.ini) and descriptions read from:\n" + QDir::cleanPath(prog));
    }
};

SWTED_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
