// The editor in a folder others work in too: a file changed or removed by
// someone else while it is open, a file another session holds, a file the
// user may not write. Driven through the main window with scripted prompts.
#include "model/FileLocks.h"
#include "model/Messages.h"
#include "model/OptionsReader.h"
#include "gui/pages/PageWindow.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSysInfo>
#include "TestRegistry.h"
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace swted;
using namespace swted::test;

namespace {

const QStringList ChangedChoices = {"&Reload", "Save A&nyway", "Save &As...", "Cancel"};
const QStringList GoneChoices = {"&Save Here", "Save &As...", "Cancel"};
const QStringList LockChoices = {"Open &Read-Only", "Open &Anyway", "Cancel"};

// Switch n of a file as a fresh reader finds it.
int32_t OnDisk(const QString &path, int n)
{
    OptionsDocument doc;
    doc.CurrentFilePath = path;
    SwitchStore store;
    if (!ReadOptionsFile(doc, store, StandardTypes()).ok)
        return -1;
    return store.GetSwitchValue(n);
}

// What another designer does: the command-line tool on the same file.
int OtherUserSets(const QString &prog, const QString &path, const QString &assignment, bool force)
{
    QStringList args{"--program-dir", prog};
    if (force)
        args << "--force";
    args << "set" << path << assignment;
    return QProcess::execute(QStringLiteral(SWTED_BINARY_DIR "/swted-cli"), args);
}

void WriteLock(const QString &path, qint64 pid, const QDateTime &since)
{
    WriteBytes(LockFilePathFor(path), "swted-lock\nuser=anna\nhost=" + QSysInfo::machineHostName().toUtf8()
                                          + "\npid=" + QByteArray::number(pid) + "\nsince="
                                          + since.toString(Qt::ISODate).toUtf8() + "\n");
}

} // namespace

class TestSharedFile : public QObject, protected MainWindowFixture {
    Q_OBJECT

    int32_t before20 = 0;

    void Start(const QString &commandLine)
    {
        QVERIFY(window->StartUp(commandLine, prog));
        window->show();
    }
    QLineEdit *Field(const char *name) { return window->ActivePage()->Get<QLineEdit>(QString::fromLatin1(name)); }
    void ExpectMessage(int index, const QString &text, const QStringList &choices)
    {
        QVERIFY(index < prompts->messages.size());
        const Message &m = prompts->messages[index];
        QCOMPARE(m.text, text);
        QCOMPARE(m.title, QStringLiteral("Options Editor"));
        QCOMPARE(m.buttons, MessageButtons::Choices);
        QCOMPARE(m.icon, MessageIcon::Exclamation);
        QCOMPARE(m.choices, choices);
    }
    // The file open with an edit of switch 13, then changed by another
    // user's command line (which the editor's lock stops unless forced).
    void OpenEditAndChangeElsewhere()
    {
        Start(job);
        before20 = editor->store.GetSwitchValue(20);
        Field("Opt_13_Text")->setText("3");
        QCOMPARE(OtherUserSets(prog, job, "20=7", false), 5);
        QCOMPARE(OnDisk(job, 20), before20);
        QCOMPARE(OtherUserSets(prog, job, "20=7", true), 0);
        QCOMPARE(OnDisk(job, 20), 7);
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // Save after someone else's change: never silent; each answer does what
    // it says, and Cancel writes nothing.
    void saveAfterAChangeOnDisk_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("reloadAnswer"); // -1: no reload question
        QTest::addColumn<int>("disk20");       // switch 20 in JOB.OPT afterwards (-2: the editor's value)
        QTest::addColumn<int>("editor13");     // switch 13 in the editor afterwards
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("Cancel") << 3 << -1 << 7 << 3 << true;
        QTest::newRow("Save Anyway") << 1 << -1 << -2 << 3 << false;
        QTest::newRow("Save As") << 2 << -1 << 7 << 3 << false;
        QTest::newRow("Reload, Yes") << 0 << int(Answer::Yes) << 7 << -3 << false;
        QTest::newRow("Reload, No") << 0 << int(Answer::No) << 7 << 3 << true;
    }
    void saveAfterAChangeOnDisk()
    {
        QFETCH(int, choice);
        QFETCH(int, reloadAnswer);
        QFETCH(int, disk20);
        QFETCH(int, editor13);
        QFETCH(bool, unsaved);
        const QString other = work->filePath("OTHER.OPT");
        OpenEditAndChangeElsewhere();
        const int32_t file13 = OnDisk(job, 13);
        prompts->choices = {choice};
        if (reloadAnswer >= 0)
            prompts->answers = {Answer(reloadAnswer)};
        prompts->dialogResults = {other};
        window->SaveCommand();

        ExpectMessage(0, msg::ChangedOnDisk(job), ChangedChoices);
        QCOMPARE(job + " has been changed on disk since it was opened (by another program or user).",
                 prompts->messages[0].text.section('\r', 0, 0));
        if (reloadAnswer >= 0) {
            QCOMPARE(prompts->messages[1].text, msg::ReloadQuestion(job));
            QCOMPARE(prompts->messages[1].buttons, MessageButtons::YesNo);
        }
        QCOMPARE(prompts->unscriptedQuestions, 0);
        QCOMPARE(OnDisk(job, 20), disk20 == -2 ? before20 : disk20);
        QCOMPARE(editor->store.GetSwitchValue(13), editor13 == -3 ? file13 : editor13);
        QCOMPARE(editor->store.HasUnsavedChanges(), unsaved);
        QCOMPARE(QFileInfo::exists(other), choice == 2);
        if (choice == 2) {
            QCOMPARE(OnDisk(other, 13), 3);
            QCOMPARE(window->windowTitle(), "Options Editor - " + other);
        }
        if (choice == 0 && reloadAnswer == int(Answer::Yes))
            QCOMPARE(Field("Opt_13_Text")->text(), QString::number(file13));
        // Once saved or reloaded, the next save asks nothing.
        const int asked = prompts->messages.size();
        if (!unsaved) {
            window->SaveCommand();
            QCOMPARE(prompts->messages.size(), asked);
        }
    }

    // Exit's "Yes" after someone else's change asks too; Cancel stays.
    void exitAfterAChangeOnDisk()
    {
        OpenEditAndChangeElsewhere();
        prompts->answers = {Answer::Yes};
        prompts->choices = {3};
        window->ExitCommand();
        QVERIFY(!prompts->ended);
        QCOMPARE(prompts->messages.size(), 2);
        ExpectMessage(1, msg::ChangedOnDisk(job), ChangedChoices);
        QCOMPARE(OnDisk(job, 20), 7);
        QCOMPARE(Field("Opt_13_Text")->text(), QStringLiteral("3"));
        // Reload instead of the save: nothing is left to save, so Exit goes on.
        prompts->answers = {Answer::Yes, Answer::Yes};
        prompts->choices = {0};
        window->ExitCommand();
        QVERIFY(prompts->ended);
        QCOMPARE(OnDisk(job, 20), 7);
    }

    // Coming back to the window: a change is said once per version on disk.
    void changeSaidWhenTheWindowComesBack()
    {
        Start(job);
        QApplication::setActiveWindow(window.get());
        QCOMPARE(OtherUserSets(prog, job, "20=7", true), 0);
        prompts->choices = {3};
        window->ReviewFileOnDisk();
        ExpectMessage(0, msg::ChangedOnDisk(job), ChangedChoices);
        window->ReviewFileOnDisk();
        QCOMPARE(prompts->messages.size(), 1);
        // A new change is said again; with no edits here, Reload asks nothing more.
        QCOMPARE(OtherUserSets(prog, job, "20=8", true), 0);
        prompts->choices = {0};
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(window.get(), &activation);
        QTRY_COMPARE(prompts->messages.size(), 2);
        QCOMPARE(editor->store.GetSwitchValue(20), 8);
        QVERIFY(!editor->store.HasUnsavedChanges());
        window->SaveCommand();
        QCOMPARE(prompts->messages.size(), 2);
    }

    // A file removed while open: Save says so and can write it again.
    void saveAfterTheFileIsGone()
    {
        Start(job);
        Field("Opt_13_Text")->setText("3");
        QVERIFY(QFile::remove(job));
        prompts->choices = {2};
        window->SaveCommand();
        ExpectMessage(0, msg::GoneFromDisk(job), GoneChoices);
        QVERIFY(!QFileInfo::exists(job));
        prompts->choices = {0};
        window->SaveCommand();
        QCOMPARE(OnDisk(job, 13), 3);
        QVERIFY(!editor->store.HasUnsavedChanges());
    }

    // Another live session's lock asks; a lock whose process is gone is
    // taken silently; the editor's own lock goes when the file is closed.
    void lockHeldByAnotherSession_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("viaLink");
        QTest::newRow("Open Read-Only") << 0 << " (Read-Only)" << false;
        QTest::newRow("Open Anyway") << 1 << "" << false;
        QTest::newRow("Cancel") << 2 << "-" << false;
        // The other session opened the file through a link beside it.
        QTest::newRow("locked under a link's name") << 0 << " (Read-Only)" << true;
    }
    void lockHeldByAnotherSession()
    {
        QFETCH(int, choice);
        QFETCH(QString, title);
        QFETCH(bool, viaLink);
        const QDateTime since = QDateTime::currentDateTimeUtc().addSecs(-600);
        const QString locked = viaLink ? work->filePath("LINK.OPT") : job;
        if (viaLink)
            QVERIFY(QFile::link(QFileInfo(job).fileName(), locked));
        WriteLock(locked, 1, since);
        const QByteArray theirs = ReadBytes(LockFilePathFor(locked));
        prompts->choices = {choice};
        Start(job);
        ExpectMessage(0,
                      locked + " is open for editing by anna on " + QSysInfo::machineHostName() + " (process 1) since "
                          + since.toLocalTime().toString("yyyy-MM-dd HH:mm") + ".",
                      LockChoices);
        QCOMPARE(ReadBytes(LockFilePathFor(locked)), theirs);
        QCOMPARE(window->windowTitle(), title == "-" ? QString("Options Editor") : "Options Editor - " + job + title);
        if (choice != 0)
            return;
        // Read-only: Save asks for another name, and the new file is this editor's.
        const QString other = work->filePath("MINE.OPT");
        Field("Opt_13_Text")->setText("3");
        prompts->dialogResults = {other};
        window->SaveCommand();
        QCOMPARE(prompts->dialogs.size(), 1);
        QVERIFY(prompts->dialogs[0].save);
        QCOMPARE(OnDisk(other, 13), 3);
        QCOMPARE(ReadBytes(LockFilePathFor(locked)), theirs);
        QCOMPARE(ReadEditLock(other)->pid, qint64(::getpid()));
        QCOMPARE(window->windowTitle(), "Options Editor - " + other);
    }
    void staleAndOwnLocks()
    {
        WriteLock(job, 2147483647, QDateTime::currentDateTimeUtc()); // no such process
        Start(job);
        QVERIFY(prompts->messages.isEmpty());
        QCOMPARE(ReadEditLock(job)->pid, qint64(::getpid()));
        window->CloseOptionsFile();
        QVERIFY(!QFileInfo::exists(LockFilePathFor(job)));
        // Another host's lock more than a day old is still asked about, and says so.
        WriteLock(job, 1, QDateTime::currentDateTimeUtc().addDays(-2));
        WriteBytes(LockFilePathFor(job), ReadBytes(LockFilePathFor(job)).replace(
                                             "host=" + QSysInfo::machineHostName().toUtf8(), "host=elsewhere"));
        prompts->choices = {1};
        window->OpenRecentFile(job);
        QVERIFY(prompts->messages.last().text.endsWith(
            "The lock is more than a day old: that session may have ended without removing it."));
        QCOMPARE(ReadEditLock(job)->pid, qint64(::getpid())); // taken over
    }

    // A file no one may write is not replaced: the save offers another name.
    void readOnlyFileOffersSaveAs()
    {
        Start(job);
        Field("Opt_13_Text")->setText("3");
        QCOMPARE(::chmod(QFile::encodeName(job).constData(), 0444), 0);
        const QByteArray bytes = ReadBytes(job);
        prompts->answers = {Answer::Yes};
        prompts->dialogResults = {std::nullopt};
        window->SaveCommand();
        QCOMPARE(prompts->messages.size(), 1);
        const Message &m = prompts->messages[0];
        QVERIFY2(m.text.startsWith("Cannot save " + job + ":\r"), qPrintable(m.text));
        QVERIFY(m.text.endsWith("your changes are still in the editor.\r\rSave your changes under another name?"));
        QCOMPARE(m.buttons, MessageButtons::YesNo);
        QCOMPARE(prompts->dialogs.size(), 1);
        QCOMPARE(ReadBytes(job), bytes);
        QVERIFY(editor->store.HasUnsavedChanges());
    }

    // A file with a second name: the save says once that it parts them.
    void hardLinkIsSaidOnce()
    {
        const QString second = work->filePath("SECOND.OPT");
        QCOMPARE(::link(QFile::encodeName(job).constData(), QFile::encodeName(second).constData()), 0);
        const QByteArray bytes = ReadBytes(job);
        Start(job);
        Field("Opt_13_Text")->setText("3");
        window->SaveCommand();
        QCOMPARE(prompts->texts(), QStringList{job + " has 1 other name (a hard link).\rSaving writes a new file under"
                                                     " this name only; the other names keep the old content."});
        Field("Opt_13_Text")->setText("4");
        window->SaveCommand();
        QCOMPARE(prompts->messages.size(), 1);
        QCOMPARE(OnDisk(job, 13), 4);
        QCOMPARE(ReadBytes(second), bytes);
    }
};

SWTED_TEST_MAIN(TestSharedFile)
#include "test_sharedfile.moc"
