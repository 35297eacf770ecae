#include "model/OptionsReader.h"
#include "model/OptionsWriter.h"
#include "model/TextFile.h"
#include "FaultyFileOps.h"
#include "TestSupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>
#include <sys/stat.h>

using namespace swted;
using namespace swted::test;

namespace {

OptionsDocument DocumentOf(const QString &extension)
{
    OptionsDocument doc;
    doc.CurrentFilePath = QStringLiteral("/x/file.") + extension;
    doc.CurrentExtension = extension.toUpper();
    SelectFileType(doc, StandardTypes(), extension);
    return doc;
}

QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

} // namespace

class TestWriter : public QObject {
    Q_OBJECT

    SwitchStore store;

    QStringList Build(OptionsDocument &doc)
    {
        doc.RebuildSwitchLines = true;
        BuildSwitchLines(doc, store, doc.SwitchLineCount);
        return doc.OutputSwitchLines;
    }

private slots:
    void init() { store = SwitchStore(); }

    void blockLayoutFields()
    {
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        store.SetWholeValue(2, 5);
        store.SetWholeValue(3, 100);
        doc.LineTails[1] = QStringLiteral("! comment 1");
        const QStringList lines = Build(doc);
        QString expected = Blanks(5) + "0" + Blanks(5) + "5" + Blanks(3) + "100";
        for (int i = 0; i < 11; ++i)
            expected += Blanks(5) + "0";
        expected += Blanks(5) + "! comment 1";
        QCOMPARE(lines[0], expected);
        QCOMPARE(lines.size(), 10);
    }

    void blockLayoutCarry()
    {
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        store.SetWholeValue(15, 1234567);  // first on line 2: 8 characters, the next field narrows to 4
        store.SetWholeValue(18, 123456);   // 6 digits in the middle of the line
        store.SetWholeValue(28, 9999999);  // last on line 2: 3 blanks before the tail, line 3 starts narrow
        doc.LineTails[2] = QStringLiteral("T2");
        const QStringList lines = Build(doc);
        QString l2 = " 1234567" + Blanks(3) + "0" + Blanks(5) + "0" + " 123456" + Blanks(4) + "0";
        for (int i = 0; i < 8; ++i)
            l2 += Blanks(5) + "0";
        l2 += " 9999999" + Blanks(3) + "T2";
        QCOMPARE(lines[1], l2);
        // The carry runs on into the next line: its first field is 4 wide.
        QVERIFY(lines[2].startsWith(Blanks(3) + "0" + Blanks(5) + "0"));
    }

    void tenColumnLayout()
    {
        OptionsDocument doc = DocumentOf(QStringLiteral("HDR"));
        store.SetWholeValue(1, 42);
        store.SetWholeValue(10, 999999999);
        doc.LineTails[1] = QStringLiteral("tail");
        const QStringList lines = Build(doc);
        QCOMPARE(lines.size(), 14);
        QString expected = Blanks(8) + "42";
        for (int i = 0; i < 8; ++i)
            expected += Blanks(9) + "0";
        expected += " 999999999" + Blanks(2) + "tail";
        QCOMPARE(lines[0], expected);
        QCOMPARE(lines[13], QString(Blanks(9) + "0").repeated(10) + Blanks(2));
    }

    void listAndTableLayouts()
    {
        OptionsDocument opl = DocumentOf(QStringLiteral("OPL"));
        store.SetWholeValue(7, 12);
        store.SetWholeValue(140, 5);
        opl.LineTails[7] = QStringLiteral("   Purpose seven");
        QCOMPARE(Build(opl)[6], "7" + Blanks(7) + "12" + Blanks(19) + "Purpose seven");

        OptionsDocument ops = DocumentOf(QStringLiteral("OPS"));
        ops.ValueEndColumn = 13;
        ops.LineTails[140] = QStringLiteral("Purpose 140");
        const QStringList lines = Build(ops);
        QCOMPARE(lines[139], "140" + Blanks(9) + "5" + Blanks(20) + "Purpose 140");
        QCOMPARE(lines[139].indexOf(QLatin1Char('5')), 12); // column 13
        QCOMPARE(lines[0], "1" + Blanks(11) + "0" + Blanks(20));

        ops.ValueEndColumn = 15;
        QCOMPARE(Build(ops)[139], "140" + Blanks(11) + "5" + Blanks(20) + "Purpose 140");
    }

    void headLines()
    {
        OptionsDocument opt = DocumentOf(QStringLiteral("OPT"));
        QCOMPARE(RebuildHeadLines(opt), QStringLiteral("VEXA.DES"));
        QCOMPARE(opt.HeadLines, (QStringList{"KARVEN_OPTIONS_BLOCK", "  10                            !10 LINES TO FOLLOW"}));
        QCOMPARE(opt.HeadLines[1].size(), 51);
        QCOMPARE(opt.HeadLines[1].indexOf(QLatin1Char('!')), 32);

        OptionsDocument ops = DocumentOf(QStringLiteral("OPS"));
        ops.ValueEndColumn = 17;
        QCOMPARE(RebuildHeadLines(ops), QStringLiteral("TORVA.DES"));
        QCOMPARE(ops.HeadLines, (QStringList{"Switch   Switch                 Switch",
                                             "Number   Setting                Purpose",
                                             "------   -------                -------"}));
        QCOMPARE(ops.ValueEndColumn, 13);

        OptionsDocument hdr = DocumentOf(QStringLiteral("HDR"));
        QCOMPARE(RebuildHeadLines(hdr), QString());
        QCOMPARE(hdr.HeadLines, QStringList{"KARVEN_HEADER_OPTIONS"});

        OptionsDocument def = DocumentOf(QStringLiteral("DEF"));
        def.HeadLines = QStringList{"kept"};
        QCOMPARE(RebuildHeadLines(def), QString());
        QCOMPARE(def.HeadLines, QStringList{"kept"}); // no head lines: nothing regenerated

        // A one-line head of the block keyword has no description file.
        OptionsDocument one;
        one.BlockKeyword = KarvenBlockKeyword;
        one.HeadLineCount = 1;
        QCOMPARE(RebuildHeadLines(one), QString());
        // Longer heads get empty lines; the switch table keyword with only two
        // head lines writes the first two of its three.
        OptionsDocument four = DocumentOf(QStringLiteral("OPT"));
        four.HeadLineCount = 4;
        RebuildHeadLines(four);
        QCOMPARE(four.HeadLines.size(), 4);
        QCOMPARE(four.HeadLines[3], QString());
        OptionsDocument two = DocumentOf(QStringLiteral("OPS"));
        two.HeadLineCount = 2;
        RebuildHeadLines(two);
        QCOMPARE(two.HeadLines, (QStringList{"Switch   Switch                 Switch",
                                             "Number   Setting                Purpose"}));
    }

    void backupNames()
    {
        QCOMPARE(BackupPathFor(QStringLiteral("/d/FILE.OPT"), 3), QStringLiteral("/d/FILE.BAK"));
        QCOMPARE(BackupPathFor(QStringLiteral("/d/file"), 0), QStringLiteral("/d/file.BAK"));
        QCOMPARE(BackupPathFor(QStringLiteral("/d/fileopt"), 3), QStringLiteral("/d/file.BAK"));
    }

    void descriptionFiles()
    {
        QTemporaryDir dir;
        WriteBytes(dir.filePath("vexa.des"), "! one\r\n! two\r\n! three\r\n");
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        doc.LineTails[5] = QStringLiteral("old five");
        QCOMPARE(LoadDescriptionFile(doc, dir.path(), QStringLiteral("VEXA.DES")), DescriptionLoad::Loaded);
        QCOMPARE(doc.LineTails[1], QStringLiteral("! one"));
        QCOMPARE(doc.LineTails[3], QStringLiteral("! three"));
        QCOMPARE(doc.LineTails[5], QStringLiteral("old five")); // the file is shorter than the table

        QCOMPARE(LoadDescriptionFile(doc, dir.path(), QStringLiteral("TORVA.DES")), DescriptionLoad::MissingTailsPresent);
        OptionsDocument empty = DocumentOf(QStringLiteral("OPS"));
        QCOMPARE(LoadDescriptionFile(empty, dir.path(), QStringLiteral("TORVA.DES")), DescriptionLoad::MissingTailsEmpty);
    }

    void unchangedStoreKeepsOutputLinesUnlessForced()
    {
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        doc.OutputSwitchLines[0] = QStringLiteral("as read");
        doc.RebuildSwitchLines = false;
        BuildSwitchLines(doc, store, doc.SwitchLineCount);
        QCOMPARE(doc.OutputSwitchLines[0], QStringLiteral("as read"));
        store.SetWholeValue(1, 1);
        BuildSwitchLines(doc, store, doc.SwitchLineCount);
        QVERIFY(doc.RebuildSwitchLines);
        QVERIFY(doc.OutputSwitchLines[0].startsWith(Blanks(5) + "1"));
    }

    void everyLayoutReadsBackEveryValue_data()
    {
        QTest::addColumn<QString>("extension");
        for (const char *e : {"OPT", "HDR", "DEF", "OPL", "OPS", "IDF"})
            QTest::newRow(e) << QString::fromLatin1(e);
    }
    void everyLayoutReadsBackEveryValue()
    {
        QFETCH(QString, extension);
        QRandomGenerator rng(20261208);
        const int32_t extremes[] = {INT32_MIN, INT32_MAX, -1000000000, -999999999, 1000000000, -1, 0, 99999, 100000};
        for (int round = 0; round < 300; ++round) {
            OptionsDocument doc = DocumentOf(extension);
            SwitchStore written;
            for (int n = 1; n <= 140; ++n) {
                int32_t v;
                switch (rng.bounded(4)) {
                case 0: v = extremes[rng.bounded(int(std::size(extremes)))]; break;
                case 1: v = static_cast<int32_t>(rng.generate()); break;
                case 2: v = static_cast<int32_t>(rng.bounded(1000000000)); break;
                default: v = static_cast<int32_t>(rng.bounded(10)); break;
                }
                written.SetWholeValue(n, v);
            }
            for (int k = 1; k <= doc.SwitchLineCount; ++k)
                doc.LineTails[k] = rng.bounded(3) == 0 ? QString() : QStringLiteral("tail %1 -5 x").arg(k);
            doc.LeadLines = QStringList{"lead"};
            doc.LeadLineCount = doc.BlockKeyword.isEmpty() ? doc.LeadLineCount : 1;
            while (doc.LeadLines.size() < doc.LeadLineCount)
                doc.LeadLines << QStringLiteral("lead");
            RebuildHeadLines(doc);
            doc.RebuildSwitchLines = true;
            BuildSwitchLines(doc, written, doc.SwitchLineCount);
            doc.TrailerLines = QStringList{"trailer 1 2 3"};
            doc.TrailerLineCount = 1;

            const QStringList lines = SplitLines(JoinLinesCrLf(OutputLines(doc)));
            OptionsDocument back;
            back.CurrentFilePath = doc.CurrentFilePath;
            SwitchStore read;
            const ReadOutcome r = ReadOptionsLines(back, read, StandardTypes(), lines);
            QVERIFY2(r.ok, qPrintable(r.message));
            for (int n = 1; n <= 140; ++n)
                QCOMPARE(read.GetSwitchValue(n), written.GetSwitchValue(n));
            for (int k = 1; k <= doc.SwitchLineCount; ++k)
                QCOMPARE(back.LineTails[k].trimmed(), doc.LineTails[k].trimmed());
            QCOMPARE(back.TrailerLines, doc.TrailerLines);
        }
    }

    void writeMakesBackupThenFileWithCrLf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Job.OPT");
        WriteBytes(path, "previous\n");
        WriteBytes(dir.filePath("Job.BAK"), "older backup");
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        doc.CurrentFilePath = path;
        doc.LeadLines = QStringList{QString::fromLatin1("l\xE9")};
        doc.LeadLineCount = 1;
        RebuildHeadLines(doc);
        store.SetWholeValue(1, 3);
        Build(doc);
        doc.TrailerLines = QStringList{"END"};
        doc.TrailerLineCount = 1;
        QVERIFY(store.HasUnsavedChanges());
        const WriteOutcome w = WriteOptionsFile(doc, store, path);
        QVERIFY2(w.ok, qPrintable(w.message));
        QCOMPARE(ReadBytes(dir.filePath("Job.BAK")), QByteArray("previous\n"));
        const QByteArray written = ReadBytes(path);
        QVERIFY(written.startsWith("l\xE9\r\nKARVEN_OPTIONS_BLOCK\r\n  10 "));
        QVERIFY(written.endsWith("\r\nEND\r\n"));
        QCOMPARE(written.count("\r\n"), 14);
        QCOMPARE(written.count('\n'), 14);
        QVERIFY(!store.HasUnsavedChanges());
        QVERIFY(!doc.RebuildSwitchLines);
        // No temporary file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void failedBackupOverwritesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Job.OPT");
        WriteBytes(path, "keep me\r\n");
        QVERIFY(QDir(dir.path()).mkdir("Job.BAK")); // the backup name is taken by a directory
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        RebuildHeadLines(doc);
        store.SetWholeValue(1, 3);
        Build(doc);
        const WriteOutcome w = WriteOptionsFile(doc, store, path);
        QVERIFY(!w.ok);
        QVERIFY2(w.message.startsWith("Cannot make the backup copy " + dir.filePath("Job.BAK") + " of " + path + ":\r"),
                 qPrintable(w.message));
        QVERIFY(w.message.endsWith("\rThe file has not been saved; your changes are still in the editor."));
        QCOMPARE(ReadBytes(path), QByteArray("keep me\r\n"));
        QVERIFY(store.HasUnsavedChanges());
    }

    void failedWriteReportsFileAndReason()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("no/such/dir/Job.OPT");
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        RebuildHeadLines(doc);
        store.SetWholeValue(1, 3);
        Build(doc);
        const WriteOutcome w = WriteOptionsFile(doc, store, path);
        QVERIFY(!w.ok);
        QVERIFY2(w.message.startsWith("Cannot write " + path + ":\r"), qPrintable(w.message));
        QVERIFY(w.message.endsWith("\rThe file on disk is unchanged; your changes are still in the editor."));
        QVERIFY(store.HasUnsavedChanges());
    }
    void saveThatWouldNotReadBackIsRefused_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("why");
        QTest::newRow("keyword without head lines") << "KW0"
            << "the file would not read: the file type KW0 has the keyword KARVEN_OPTIONS_BLOCK but no head lines"
               " (Swted.ini gives it HEADLINES 0), so its keyword line would be taken for a switch line and lost on saving";
        QTest::newRow("lead line taken for the keyword line") << "LD1"
            << "Option Switch 1 would read back as 0 instead of 5";
    }
    void saveThatWouldNotReadBackIsRefused()
    {
        QFETCH(QString, extension);
        QFETCH(QString, why);
        QVector<FileType> types = StandardTypes();
        types.append({"KW0", "NO HEAD", 0, "KARVEN_OPTIONS_BLOCK", 0, 14});
        types.append({"LD1", "ONE LEAD", 1, "SWITCH", 3, 1});
        QTemporaryDir dir;
        const QString path = dir.filePath("Job." + extension);
        WriteBytes(path, "keep me\r\n");
        WriteBytes(dir.filePath("Job.BAK"), "old backup\r\n");
        OptionsDocument doc;
        doc.CurrentFilePath = path;
        doc.CurrentExtension = extension;
        QVERIFY(SelectFileType(doc, types, extension));
        // A lead line that starts like the keyword: a reader takes it for
        // the keyword line and the table one line too early.
        doc.LeadLines = QStringList{"Switches follow"};
        RebuildHeadLines(doc);
        store.SetWholeValue(1, 5);
        Build(doc);
        const WriteOutcome w = WriteOptionsFile(doc, store, path);
        QVERIFY(!w.ok);
        QCOMPARE(w.message, "Cannot save " + path + ":\rthe layout of the file type " + extension
                                + " cannot hold this option switch table (written that way, " + why
                                + ").\rThe file on disk is unchanged; your changes are still in the editor.");
        QCOMPARE(ReadBytes(path), QByteArray("keep me\r\n"));
        QCOMPARE(ReadBytes(dir.filePath("Job.BAK")), QByteArray("old backup\r\n"));
        QVERIFY(store.HasUnsavedChanges());
    }

    void failuresKeepTheFileAndTheBackupWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Job.OPT");
        const QByteArray file = "lead\r\nKARVEN_OPTIONS_BLOCK\r\n" + QByteArray("  1  2  3\r\n").repeated(10);
        WriteBytes(path, file);
        WriteBytes(dir.filePath("Job.BAK"), "old backup\r\n");
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        doc.CurrentFilePath = path;
        RebuildHeadLines(doc);
        store.SetWholeValue(1, 3);
        Build(doc);

        // The backup's rename is refused: the old backup stays.
        FaultyFileOps ops;
        ops.renameError = EACCES;
        ops.failingRename = 1;
        WriteOutcome w = WriteOptionsFile(doc, store, path, ops);
        QVERIFY(!w.ok);
        QCOMPARE(w.message, "Cannot make the backup copy " + dir.filePath("Job.BAK") + " of " + path
                                + ":\rPermission denied\rThe file has not been saved; your changes are still in the editor.");
        QCOMPARE(ReadBytes(dir.filePath("Job.BAK")), QByteArray("old backup\r\n"));
        QCOMPARE(ReadBytes(path), file);

        // The disk fills up while the backup is written, then while the file
        // is: each time the file stays whole and the backup is old or new.
        for (qint64 at : {qint64(0), qint64(file.size() / 2), qint64(file.size()), qint64(file.size() + 100)}) {
            FaultyFileOps full;
            full.failWriteAtByte = at;
            w = WriteOptionsFile(doc, store, path, full);
            QVERIFY(!w.ok);
            if (at < file.size()) {
                QVERIFY(w.message.startsWith("Cannot make the backup copy "));
                QCOMPARE(ReadBytes(dir.filePath("Job.BAK")), QByteArray("old backup\r\n"));
            } else {
                QCOMPARE(w.message, "Cannot write " + path
                                        + ":\rNo space left on device\rThe file on disk is unchanged; your changes"
                                          " are still in the editor.");
                QCOMPARE(ReadBytes(dir.filePath("Job.BAK")), file);
            }
            QCOMPARE(ReadBytes(path), file);
            QVERIFY(store.HasUnsavedChanges());
            QVERIFY(doc.RebuildSwitchLines);
            QCOMPARE(LeftoverTemporaries(dir.path()), QStringList());
        }
    }

    void saveKeepsTheModeAndTheBackupTakesIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Job.OPT");
        const QString backup = dir.filePath("Job.BAK");
        WriteBytes(path, "previous\r\n");
        WriteBytes(backup, "older\r\n");
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0600), 0);
        QCOMPARE(::chmod(QFile::encodeName(backup).constData(), 0644), 0);
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 4321, 8765), 0);
        OptionsDocument doc = DocumentOf(QStringLiteral("OPT"));
        doc.CurrentFilePath = path;
        RebuildHeadLines(doc);
        Build(doc);
        const WriteOutcome w = WriteOptionsFile(doc, store, path);
        QVERIFY2(w.ok, qPrintable(w.message));
        for (const QString &p : {path, backup}) {
            struct stat st;
            QCOMPARE(::stat(QFile::encodeName(p).constData(), &st), 0);
            QCOMPARE(st.st_mode & 07777, mode_t(0600));
            if (root) {
                QCOMPARE(st.st_uid, uid_t(4321));
                QCOMPARE(st.st_gid, gid_t(8765));
            }
        }
        QCOMPARE(ReadBytes(backup), QByteArray("previous\r\n"));
    }
};

SWTED_TEST_APPLESS_MAIN(TestWriter)
#include "test_writer.moc"
