#include "model/Messages.h"
#include "shell/Editor.h"
#include "shell/FileCommands.h"
#include "shell/ScriptedPrompts.h"
#include "FaultyFileOps.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {

QString BlockFile()
{
    QString s = QStringLiteral("lead line\r\nKARVEN_OPTIONS_BLOCK\r\n  10 old head\r\n");
    for (int k = 1; k <= 10; ++k) {
        for (int i = 1; i <= 14; ++i)
            s += QStringLiteral(" %1").arg((k - 1) * 14 + i);
        s += QStringLiteral(" ! old comment %1\r\n").arg(k);
    }
    return s + QStringLiteral("-152 /FONTS/USER.FIF\r\nEND\r\n");
}

} // namespace

class TestFileCommands : public QObject {
    Q_OBJECT

    QTemporaryDir *work = nullptr;
    QString prog; // program directory, with separator
    QString docs; // where the options files are
    ScriptedPrompts *prompts = nullptr;
    Editor *editor = nullptr;

    QString Doc(const QString &name) const { return docs + name; }

    void Open(const QString &name, const QString &content)
    {
        WriteBytes(Doc(name), content.toLatin1());
        SetCurrentFile(*editor, Doc(name));
        QVERIFY(ReadOptionsFile(*editor));
        prompts->messages.clear();
    }

    void Expect(int index, const QString &text, const QString &title, MessageButtons buttons, MessageIcon icon)
    {
        QVERIFY2(index < prompts->messages.size(), "message missing");
        const Message &m = prompts->messages[index];
        QCOMPARE(m.text, text);
        QCOMPARE(m.title, title);
        QCOMPARE(m.buttons, buttons);
        QCOMPARE(m.icon, icon);
    }

private slots:
    void init()
    {
        work = new QTemporaryDir;
        prog = work->path() + "/prog/";
        docs = work->path() + "/docs/";
        QDir().mkpath(prog);
        QDir().mkpath(docs);
        QFile::copy(SWTED_SOURCE_DIR "/data/Swted.ini", prog + "Swted.ini");
        WriteBytes(prog + "VEXA.DES", "! vexa 1\r\n! vexa 2\r\n! vexa 3\r\n! vexa 4\r\n! vexa 5\r\n"
                                      "! vexa 6\r\n! vexa 7\r\n! vexa 8\r\n! vexa 9\r\n! vexa 10\r\n");
        QByteArray torva;
        for (int n = 1; n <= 140; ++n)
            torva += "Purpose " + QByteArray::number(n) + "\r\n";
        WriteBytes(prog + "torva.des", torva); // found without regard to case
        prompts = new ScriptedPrompts;
        editor = new Editor(*prompts);
        editor->ProgramDirectory = prog;
        QVERIFY(ReadEditorConfiguration(prog, editor->config, *prompts));
    }
    void cleanup()
    {
        delete editor;
        delete prompts;
        delete work;
    }

    void readShowsTheReadersMessageAndTheHourglass()
    {
        WriteBytes(Doc("bad.OPT"), "no keyword here\r\n");
        SetCurrentFile(*editor, Doc("bad.OPT"));
        QCOMPARE(editor->file.CurrentFileDirectory, docs);
        QVERIFY(!ReadOptionsFile(*editor));
        Expect(0, "Test String 'KARVEN_OPTIONS_BLOCK' not found in " + Doc("bad.OPT"), "Swted32",
               MessageButtons::Ok, MessageIcon::None);
        QCOMPARE(prompts->maxBusyDepth, 1);
        QCOMPARE(prompts->busyDepth, 0);
    }

    void saveRegeneratesHeadAndCommentsAndKeepsTheRest()
    {
        Open("Job.OPT", BlockFile());
        QVERIFY(SaveOptionsFile(*editor)); // unchanged: still rewritten
        QVERIFY(prompts->messages.isEmpty());
        QCOMPARE(ReadBytes(Doc("Job.BAK")), BlockFile().toLatin1());
        const QByteArray saved = ReadBytes(Doc("Job.OPT"));
        QVERIFY(saved.startsWith("lead line\r\nKARVEN_OPTIONS_BLOCK\r\n  10                            !10 LINES TO FOLLOW\r\n"
                                 "     1     2     3"));
        QVERIFY(saved.contains("   140     ! vexa 10\r\n-152 /FONTS/USER.FIF\r\nEND\r\n"));
        QVERIFY(!editor->store.HasUnsavedChanges());
    }

    void missingDescriptionFile()
    {
        QFile::remove(prog + "VEXA.DES");
        // The old comments are there: nothing is said, they are written.
        Open("Job.OPT", BlockFile());
        QVERIFY(SaveOptionsFile(*editor));
        QVERIFY(prompts->messages.isEmpty());
        QVERIFY(ReadBytes(Doc("Job.OPT")).contains("! old comment 3\r\n"));

        // No text at all to write after the values: the message, and the file is written.
        QString bare = BlockFile();
        bare.replace(QRegularExpression(" ! old comment \\d+"), QString());
        Open("Bare.OPT", bare);
        QVERIFY(SaveOptionsFile(*editor));
        Expect(0, "VEXA.DES not found in the " + prog + "\ndirectory. Please load this file \nand try again.",
               "Swted32", MessageButtons::Ok, MessageIcon::None);
        QVERIFY(ReadBytes(Doc("Bare.OPT")).contains("   140     \r\n"));
    }

    void saveThatCannotWriteKeepsTheEdits()
    {
        Open("Job.OPT", BlockFile());
        editor->store.SetWholeValue(1, 77);
        QDir(docs).mkdir("Job.BAK");
        QVERIFY(!SaveOptionsFile(*editor));
        QCOMPARE(prompts->messages.size(), 1);
        QVERIFY(prompts->messages[0].text.startsWith("Cannot make the backup copy " + Doc("Job.BAK")));
        QCOMPARE(ReadBytes(Doc("Job.OPT")), BlockFile().toLatin1());
        QVERIFY(editor->store.HasUnsavedChanges());
        QCOMPARE(prompts->busyDepth, 0);
    }

    void querySaveChanges_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes") << int(Answer::Yes) << true << true;
        QTest::newRow("no") << int(Answer::No) << true << false;
        QTest::newRow("cancel") << int(Answer::Cancel) << false << false;
    }
    void querySaveChanges()
    {
        QFETCH(int, answer);
        QFETCH(bool, goOn);
        QFETCH(bool, saved);
        Open("Job.OPT", BlockFile());
        QVERIFY(QuerySaveChanges(*editor)); // nothing changed: nothing asked
        QVERIFY(prompts->messages.isEmpty());

        editor->store.SetWholeValue(3, 9);
        prompts->answers.push_back(Answer(answer));
        QCOMPARE(QuerySaveChanges(*editor), goOn);
        Expect(0, "Some Options have changed since last save\rof " + Doc("Job.OPT") + "\rSave changes to this file now?",
               "Quarnel Editing Suite", MessageButtons::YesNoCancel, MessageIcon::Exclamation);
        QCOMPARE(ReadBytes(Doc("Job.OPT")).contains("     1     2     9     4"), saved);
        QCOMPARE(editor->store.HasUnsavedChanges(), !saved);
    }

    void querySaveChangesWhoseSaveFailsDoesNotGoOn()
    {
        Open("Job.OPT", BlockFile());
        editor->store.SetWholeValue(3, 9);
        QDir(docs).mkdir("Job.BAK");
        prompts->answers.push_back(Answer::Yes);
        QVERIFY(!QuerySaveChanges(*editor));
        QVERIFY(editor->store.HasUnsavedChanges());
    }

    void saveAsDialogAndCancel()
    {
        Open("Job.OPT", BlockFile());
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Cancelled);
        QCOMPARE(prompts->dialogs.size(), 1);
        const FileDialogRequest &r = prompts->dialogs[0].request;
        QVERIFY(prompts->dialogs[0].save);
        QCOMPARE(r.title, QStringLiteral("Save Options File As..."));
        QCOMPARE(r.filter, DialogFilter(editor->config));
        QCOMPARE(r.directory, docs);
        QCOMPARE(r.fileName, Doc("Job.OPT"));
        QVERIFY(r.confirmOverwrite);
        QCOMPARE(QDir(docs).entryList(QDir::Files), QStringList{"Job.OPT"});
    }

    void saveAsSameExtensionInAnyCase()
    {
        Open("Job.OPT", BlockFile());
        editor->store.SetWholeValue(1, 5);
        prompts->dialogResults.push_back(Doc("Copy.opt"));
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Saved);
        QVERIFY(prompts->messages.isEmpty());
        QCOMPARE(editor->file.CurrentFilePath, Doc("Copy.opt"));
        QCOMPARE(editor->file.CurrentFileDirectory, docs);
        QVERIFY(ReadBytes(Doc("Copy.opt")).contains("\r\n     5     2     3"));
        QVERIFY(ReadBytes(Doc("Copy.opt")).endsWith("-152 /FONTS/USER.FIF\r\nEND\r\n"));
        QVERIFY(!editor->store.HasUnsavedChanges());
        QCOMPARE(ReadBytes(Doc("Job.OPT")), BlockFile().toLatin1());
    }

    void saveAsBadExtensionBringsTheDialogBack()
    {
        Open("Job.OPT", BlockFile());
        prompts->dialogResults.push_back(Doc("Job.TXT"));
        prompts->dialogResults.push_back(Doc("Job2.OPT"));
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Saved);
        QCOMPARE(prompts->dialogs.size(), 2);
        Expect(0, "Bad File Extension.\nMust use .OPT, .OPL or .OPS.", "Swted32", MessageButtons::Ok, MessageIcon::None);
        QVERIFY(!QFileInfo::exists(Doc("Job.TXT")));
        QVERIFY(QFileInfo::exists(Doc("Job2.OPT")));
    }

    void saveAsConversionToList()
    {
        Open("Job.OPT", BlockFile());
        prompts->dialogResults.push_back(Doc("Job.opl"));
        prompts->answers.push_back(Answer::Yes);
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Saved);
        Expect(0, "This Format holds Option Switch information only.\rOther information held in " + Doc("Job.OPT")
                   + "\rwill not be included.  Proceed anyway?",
               "Options Editor", MessageButtons::YesNoCancel, MessageIcon::Exclamation);
        QCOMPARE(editor->file.CurrentExtension, QStringLiteral("OPL"));
        QCOMPARE(editor->file.SwitchesPerLine, 1);
        const QByteArray out = ReadBytes(Doc("Job.opl"));
        // Lead lines are the new type's (none), the trailer is dropped, the
        // purpose texts come from the description file.
        QVERIFY(out.startsWith("Switch   Switch                 Switch\r\nNumber   Setting                Purpose\r\n"
                               "------   -------                -------\r\n1       1                    Purpose 1\r\n"));
        QVERIFY(out.endsWith("140     140                  Purpose 140\r\n"));
        QCOMPARE(out.count("\r\n"), 143);
    }

    void saveAsConversionAnswers()
    {
        Open("Job.OPT", BlockFile());
        // No: the dialog comes back; Cancel on the second conversion question ends it.
        prompts->dialogResults.push_back(Doc("Job.OPS"));
        prompts->dialogResults.push_back(Doc("Job.OPS"));
        prompts->answers.push_back(Answer::No);
        prompts->answers.push_back(Answer::Cancel);
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Cancelled);
        QCOMPARE(prompts->dialogs.size(), 2);
        QCOMPARE(prompts->messages.size(), 2);
        QVERIFY(!QFileInfo::exists(Doc("Job.OPS")));
        QCOMPARE(editor->file.CurrentExtension, QStringLiteral("OPT"));
        QCOMPARE(editor->file.LineTails[1], QStringLiteral("! old comment 1"));
    }

    void saveAsOverwriteAnswers()
    {
        Open("Job.OPT", BlockFile());
        WriteBytes(Doc("Other.OPT"), "other\r\n");
        // No brings the dialog back; Cancel ends Save As.
        prompts->dialogResults.push_back(Doc("Other.OPT"));
        prompts->dialogResults.push_back(Doc("Other.OPT"));
        prompts->answers.push_back(Answer::No);
        prompts->answers.push_back(Answer::Cancel);
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Cancelled);
        Expect(0, Doc("Other.OPT") + " already exists.\rOverwrite?", "Options Editor", MessageButtons::YesNoCancel,
               MessageIcon::Exclamation);
        QCOMPARE(ReadBytes(Doc("Other.OPT")), QByteArray("other\r\n"));
        QCOMPARE(editor->file.CurrentFilePath, Doc("Job.OPT"));

        // Yes: backup of the overwritten file, then the write.
        prompts->messages.clear();
        prompts->dialogResults.push_back(Doc("Other.OPT"));
        prompts->answers.push_back(Answer::Yes);
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Saved);
        QCOMPARE(ReadBytes(Doc("Other.BAK")), QByteArray("other\r\n"));
        QVERIFY(ReadBytes(Doc("Other.OPT")).startsWith("lead line\r\nKARVEN_OPTIONS_BLOCK"));
        QCOMPARE(editor->file.CurrentFilePath, Doc("Other.OPT"));
    }

    void refusedOverwriteAfterConversionLosesNothing()
    {
        Open("Job.OPT", BlockFile());
        WriteBytes(Doc("Job.OPL"), "existing\r\n");
        prompts->dialogResults.push_back(Doc("Job.OPL"));
        prompts->answers.push_back(Answer::Yes);    // convert
        prompts->answers.push_back(Answer::Cancel); // do not overwrite
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Cancelled);
        QCOMPARE(editor->file.CurrentExtension, QStringLiteral("OPT"));
        QCOMPARE(editor->file.SwitchesPerLine, 14);
        QCOMPARE(editor->file.LineTails[2], QStringLiteral("! old comment 2"));
        QCOMPARE(editor->file.TrailerLineCount, 2);
        QVERIFY(SaveOptionsFile(*editor));
        QVERIFY(ReadBytes(Doc("Job.OPT")).endsWith("END\r\n"));
    }

    void saveAsThatCannotWriteStaysOnTheOldFile()
    {
        Open("Job.OPT", BlockFile());
        prompts->dialogResults.push_back(docs + "missing/dir/Job.OPS");
        prompts->answers.push_back(Answer::Yes);
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Failed);
        QCOMPARE(prompts->messages.size(), 2);
        QVERIFY(prompts->messages[1].text.startsWith("Cannot write " + docs + "missing/dir/Job.OPS:\r"));
        QCOMPARE(editor->file.CurrentFilePath, Doc("Job.OPT"));
        QCOMPARE(editor->file.CurrentExtension, QStringLiteral("OPT"));
        QCOMPARE(editor->file.LineTails[2], QStringLiteral("! old comment 2"));
    }
    // A save that does not reach the disk: the message names the file and
    // the reason, the file stays as it was, the edits stay unsaved, and the
    // question before Exit comes again; a Yes whose save fails stays.
    void saveOnAFullDiskIsNotDone()
    {
        Open("Job.OPT", BlockFile());
        const QByteArray before = ReadBytes(Doc("Job.OPT"));
        editor->store.SetWholeValue(1, 77);
        FaultyFileOps full;
        full.failWriteAtByte = before.size() + 10; // the backup fits, the file does not
        editor->fileOps = &full;
        QVERIFY(!SaveOptionsFile(*editor));
        const QString failure = "Cannot write " + Doc("Job.OPT")
            + ":\rNo space left on device\rThe file on disk is unchanged; your changes are still in the editor.";
        QCOMPARE(prompts->messages.size(), 1);
        Expect(0, failure, "Swted32", MessageButtons::Ok, MessageIcon::None);
        QCOMPARE(ReadBytes(Doc("Job.OPT")), before);
        QVERIFY(editor->store.HasUnsavedChanges());
        QCOMPARE(prompts->busyDepth, 0);

        full.written = 0;
        prompts->answers.push_back(Answer::Yes);
        QVERIFY(!QuerySaveChanges(*editor));
        Expect(1, "Some Options have changed since last save\rof " + Doc("Job.OPT") + "\rSave changes to this file now?",
               "Quarnel Editing Suite", MessageButtons::YesNoCancel, MessageIcon::Exclamation);
        Expect(2, failure, "Swted32", MessageButtons::Ok, MessageIcon::None);
        QCOMPARE(ReadBytes(Doc("Job.OPT")), before);

        // Once there is room the same edits save.
        editor->fileOps = &FileOps::System();
        QVERIFY(SaveOptionsFile(*editor));
        QVERIFY(!editor->store.HasUnsavedChanges());
        QVERIFY(ReadBytes(Doc("Job.OPT")).contains("    77     2     3"));
        QCOMPARE(ReadBytes(Doc("Job.BAK")), before);
    }

    // The same on a real full disk, and through Save As.
    void saveOnARealFullDisk()
    {
        TinyTmpfs disk(QStringLiteral("64k"));
        if (!disk.ok())
            QSKIP("needs root and mount for a tmpfs");
        const QString file = disk.path("PLANT.OPL");
        const QString backup = disk.path("PLANT.BAK");
        const QByteArray original = ReadBytes(SWTED_SOURCE_DIR "/examples/PLANT.OPL");
        WriteBytes(file, original);
        WriteBytes(backup, original);
        SetCurrentFile(*editor, file);
        QVERIFY(ReadOptionsFile(*editor));
        editor->store.SetWholeValue(5, 1);
        disk.FillLeaving(0);

        QVERIFY(!SaveOptionsFile(*editor));
        Expect(0, "Cannot make the backup copy " + backup + " of " + file
                      + ":\rNo space left on device\rThe file has not been saved; your changes are still in the editor.",
               "Swted32", MessageButtons::Ok, MessageIcon::None);
        QCOMPARE(ReadBytes(file), original);
        QCOMPARE(ReadBytes(backup), original);
        QVERIFY(editor->store.HasUnsavedChanges());
        prompts->answers.push_back(Answer::Yes);
        QVERIFY(!QuerySaveChanges(*editor));
        QCOMPARE(prompts->messages.size(), 3);

        prompts->dialogResults.push_back(disk.path("COPY.OPL"));
        QCOMPARE(SaveOptionsFileAs(*editor), SaveAsResult::Failed);
        Expect(3, "Cannot write " + disk.path("COPY.OPL")
                      + ":\rNo space left on device\rThe file on disk is unchanged; your changes are still in the editor.",
               "Swted32", MessageButtons::Ok, MessageIcon::None);
        QVERIFY(!QFileInfo::exists(disk.path("COPY.OPL")));
        QCOMPARE(editor->file.CurrentFilePath, file);
        QVERIFY(editor->store.HasUnsavedChanges());
        QCOMPARE(LeftoverTemporaries(disk.path(QString())), QStringList());
    }
};

SWTED_TEST_GUILESS_MAIN(TestFileCommands)
#include "test_filecommands.moc"
