#include "FaultyFileOps.h"
#include "TestSupport.h"
#include "shell/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted::test;

namespace {


CliRun Cli(const QStringList &args) { return RunSwtedCli(args); }

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir *work = nullptr;
    QString prog;

    QString Copy(const QString &name)
    {
        const QString target = work->filePath(name);
        QFile::remove(target);
        QFile::copy(Golden + "in/" + name, target);
        return target;
    }
    QStringList WithProg(QStringList args) const { return QStringList{"--program-dir", prog} + args; }

private slots:
    void init()
    {
        work = new QTemporaryDir;
        prog = Golden + "prog";
    }
    void cleanup() { delete work; }

    void goldenFiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"BLOCK.OPT", "PIPING.IDF", "HEADER.HDR", "DEFAULT.DEF", "LIST.OPL", "TABLE.OPS"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void goldenFiles()
    {
        QFETCH(QString, name);
        const QString path = Copy(name);
        CliRun r = Cli(WithProg({"show", path}));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.out, ReadBytes(Golden + "expected/" + name + ".values"));

        r = Cli(WithProg({"rewrite", path}));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(ReadBytes(path), ReadBytes(Golden + "expected/" + name + ".saved"));
        const QString backup = path.left(path.size() - 3) + "BAK";
        QCOMPARE(ReadBytes(backup), ReadBytes(Golden + "in/" + name));

        // Saving what was saved changes nothing but the backup.
        r = Cli(WithProg({"rewrite", path}));
        QCOMPARE(ReadBytes(path), ReadBytes(Golden + "expected/" + name + ".saved"));
        QCOMPARE(ReadBytes(backup), ReadBytes(Golden + "expected/" + name + ".saved"));
    }

    void convertToListAndTable_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");
        QTest::newRow("opl") << "NEW.OPL" << "BLOCK.OPT.as.OPL";
        QTest::newRow("ops lower case") << "new.ops" << "BLOCK.OPT.as.OPS";
    }
    void convertToListAndTable()
    {
        QFETCH(QString, target);
        QFETCH(QString, expected);
        const QString path = Copy("BLOCK.OPT");
        const QString out = work->filePath(target);
        CliRun r = Cli(WithProg({"convert", path, out}));
        QCOMPARE(r.status, 0);
        QCOMPARE(ReadBytes(out), ReadBytes(Golden + "expected/" + expected));
        // The conversion question went to standard error, answered Yes.
        QCOMPARE(r.err, "This Format holds Option Switch information only.\nOther information held in " + path.toUtf8()
                            + "\nwill not be included.  Proceed anyway?\n");
        QCOMPARE(ReadBytes(path), ReadBytes(Golden + "in/BLOCK.OPT"));

        // Over an existing file: the overwrite question, a backup of it.
        r = Cli(WithProg({"convert", path, out}));
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.endsWith(out.toUtf8() + " already exists.\nOverwrite?\n"));
        QCOMPARE(ReadBytes(out.left(out.size() - 3) + "BAK"), ReadBytes(Golden + "expected/" + expected));
    }

    void convertSameTypeAndRefusedExtension()
    {
        const QString path = Copy("BLOCK.OPT");
        CliRun r = Cli(WithProg({"convert", path, work->filePath("copy.opt")}));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(ReadBytes(work->filePath("copy.opt")), ReadBytes(Golden + "expected/BLOCK.OPT.saved"));

        r = Cli(WithProg({"convert", path, work->filePath("copy.txt")}));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, QByteArray("Bad File Extension.\nMust use .OPT, .OPL or .OPS.\n"));
        QVERIFY(!QFileInfo::exists(work->filePath("copy.txt")));
    }

    void types()
    {
        CliRun r = Cli(WithProg({"types"}));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray("OPT|KARVEN OPTIONS FILE|0|KARVEN_OPTIONS_BLOCK|2|14\n"
                                   "OPL|OPTIONS LIST|0|SWITCH|3|1\n"
                                   "OPS|OPTIONS TABLE|0|SWITCH|3|1\n"
                                   "HDR|HEADER OPTIONS|0|KARVEN_HEADER|2|10\n"
                                   "DEF|DEFAULT OPTIONS|2||0|20\n"
                                   "IDF|PIPING DATA FILE|0|KARVEN_OPTIONS_BLOCK|2|14\n"
                                   "filter: KARVEN OPTIONS FILE|*.OPT|OPTIONS LIST|*.OPL|OPTIONS TABLE|*.OPS|"
                                   "HEADER OPTIONS|*.HDR|DEFAULT OPTIONS|*.DEF|PIPING DATA FILE|*.IDF|All Files (*.*)|*.*\n"
                                   "restricted: no\n"
                                   "folder: " + QDir::cleanPath(prog).toUtf8() + "\n"));

        WriteBytes(work->filePath("swted.INI"), "EXTENSION NOP No options\r\nLEADLINES\r\nID NOOP\r\nHEADLINES 1\r\n\r\n"
                                                "[RUN TYPE]\r\nPROGRAM=T-KOR\r\n");
        r = Cli({"--program-dir", work->path(), "types"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, "NOP|NO OPTIONS|0|NOOP|1|-1\nfilter: NO OPTIONS|*.NOP|All Files (*.*)|*.*\nrestricted: yes\nfolder: "
                            + work->path().toUtf8() + "\n");
    }

    void setSwitches()
    {
        const QString path = Copy("BLOCK.OPT");
        CliRun r = Cli(WithProg({"set", path, "1=0", "140=-2147483648", "70=2147483647"}));
        QCOMPARE(r.status, 0);
        r = Cli(WithProg({"show", path}));
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines[0], QByteArray("1 0"));
        QCOMPARE(lines[69], QByteArray("70 2147483647"));
        QCOMPARE(lines[139], QByteArray("140 -2147483648"));
        QCOMPARE(ReadBytes(work->filePath("BLOCK.BAK")), ReadBytes(Golden + "in/BLOCK.OPT"));

        const QByteArray before = ReadBytes(path);
        for (const char *bad : {"0=1", "141=1", "1=2147483648", "1=-2147483649", "1=x", "1=", "=5", "1=1.5"}) {
            r = Cli(WithProg({"set", path, "2=7", bad}));
            QVERIFY2(r.status == 2, bad);
            QVERIFY(r.err.startsWith("swted-cli: bad assignment"));
        }
        QCOMPARE(ReadBytes(path), before);
    }

    void rewriteGoesOnAfterAFailure()
    {
        const QString a = Copy("BLOCK.OPT");
        const QString b = work->filePath("broken.OPT");
        WriteBytes(b, "no table here\r\n");
        const QString c = Copy("LIST.OPL");
        CliRun r = Cli(WithProg({"rewrite", a, b, c}));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "Test String 'KARVEN_OPTIONS_BLOCK' not found in " + b.toUtf8() + "\n");
        QCOMPARE(ReadBytes(a), ReadBytes(Golden + "expected/BLOCK.OPT.saved"));
        QCOMPARE(ReadBytes(c), ReadBytes(Golden + "expected/LIST.OPL.saved"));
        QCOMPARE(ReadBytes(b), QByteArray("no table here\r\n"));
    }

    void readFailuresAndMessages()
    {
        CliRun r = Cli(WithProg({"show", work->filePath("none.OPT")}));
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.startsWith("Cannot read " + work->filePath("none.OPT").toUtf8() + ":\n"));

        WriteBytes(work->filePath("a.xyz"), "1 2 3\r\n");
        r = Cli(WithProg({"show", work->filePath("a.xyz")}));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "Cannot read " + work->filePath("a.xyz").toUtf8()
                            + ":\nits extension 'XYZ' matches no file type listed in Swted.ini.\n");

        // A description file that is missing while there is nothing to write after the values.
        QDir(work->path()).mkdir("prog");
        QFile::copy(prog + "/Swted.ini", work->filePath("prog/Swted.ini"));
        WriteBytes(work->filePath("bare.OPT"), CrLf({"KARVEN_OPTIONS_BLOCK", "", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
        r = Cli({"--program-dir", work->filePath("prog"), "rewrite", work->filePath("bare.OPT")});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, "VEXA.DES not found in the " + work->filePath("prog/").toUtf8()
                            + "\ndirectory. Please load this file \nand try again.\n");
    }

    // lint: the messages of opening each file and visiting every page, each
    // line with the file's name; normalize saves what that tour leaves.
    void lintAndNormalize()
    {
        // The bundled configuration and description files.
        auto Data = [](const QStringList &args) { return QStringList{"--program-dir", SWTED_SOURCE_DIR "/data"} + args; };
        const QString clean = work->filePath("PLANT.OPL");
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPL"), clean);
        QFile(clean).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray cleanBytes = ReadBytes(clean);
        CliRun r = Cli(Data({"lint", clean}));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QByteArray());

        // Switch 71 = 5 has no plot format; 15 without 16 breaks the pair rule.
        const QString odd = work->filePath("ODD.OPL");
        QFile::copy(clean, odd);
        QFile(odd).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(Cli(Data({"set", odd, "71=5", "15=210", "16=0"})).status, 0);
        const QByteArray oddBytes = ReadBytes(odd);
        r = Cli(Data({"lint", clean, odd, work->filePath("none.OPL")}));
        QCOMPARE(r.status, 1); // a file that cannot be read outweighs the messages
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), 8); // the read failure's message has two lines
        QCOMPARE(lines[0], odd.toLocal8Bit() + ": The value of Option Switch 71, starting at position 1 was 5. This is "
                           "outside the allowable range of 0 to 9. The value will therefore be set to the default value of 4.");
        QCOMPARE(lines[1], odd.toLocal8Bit() + ": Option Switches 15 & 16 must either both = 0 or both be > 0");
        QCOMPARE(lines[2], odd.toLocal8Bit() + ": Switch 15 changed back to zero");
        // Then what will be saved otherwise.
        const QStringList oddChanges{
            "switch 15: 210 will be saved as 0 (Width (mm) is set by the page's rules)",
            "switch 71: 5 will be saved as 4004 (PLOTFILE / BACKING SHEET FORMAT: out of range, shown as the default)"};
        QCOMPARE(lines[3], odd.toLocal8Bit() + ": " + oddChanges[0].toLocal8Bit());
        QCOMPARE(lines[4], odd.toLocal8Bit() + ": " + oddChanges[1].toLocal8Bit());
        QVERIFY(lines[5].startsWith(work->filePath("none.OPL").toLocal8Bit() + ": "));
        QVERIFY(lines[6].startsWith(work->filePath("none.OPL").toLocal8Bit() + ": "));
        QCOMPARE(Cli(Data({"lint", odd})).status, 4);
        QCOMPARE(ReadBytes(odd), oddBytes); // lint never writes

        // The bundled example holds every value as the pages store it; the
        // odd file's two values are stored as the pages show them.
        auto changeLines = [](const QString &file, const QStringList &changes) {
            QByteArray out;
            for (const QString &c : changes)
                out += file.toLocal8Bit() + ": " + c.toLocal8Bit() + "\n";
            return out;
        };
        r = Cli(Data({"normalize", "--dry-run", clean, odd}));
        QCOMPARE(r.status, 4);
        QCOMPARE(r.out, changeLines(odd, oddChanges));
        QCOMPARE(ReadBytes(odd), oddBytes);

        r = Cli(Data({"normalize", odd}));
        QCOMPARE(r.status, 4);
        QCOMPARE(r.out, changeLines(odd, oddChanges));
        QCOMPARE(ReadBytes(QString(odd).replace(".OPL", ".BAK")), oddBytes);
        r = Cli(Data({"show", odd}));
        QVERIFY(r.out.contains("\n15 0\n"));
        QVERIFY(r.out.contains("\n71 4004\n"));
        QCOMPARE(Cli(Data({"lint", odd})).status, 0); // normalized: nothing left to say
        QCOMPARE(Cli(Data({"normalize", clean})).status, 0);
        // Normalized, the file stays as it is.
        const QByteArray normalized = ReadBytes(clean);
        QCOMPARE(normalized, cleanBytes);
        QCOMPARE(Cli(Data({"normalize", "--dry-run", clean})).out, QByteArray());
        QCOMPARE(Cli(Data({"normalize", clean})).status, 0);
        QCOMPARE(ReadBytes(clean), normalized);

        QCOMPARE(Cli(Data({"lint"})).status, 2);
        QCOMPARE(Cli(Data({"normalize", "--dry-run"})).status, 2);
    }

    // lint names every value normalize changes, in the same words, and set
    // warns of a value the pages would not keep but stores it.
    void lintNamesWhatNormalizeChanges()
    {
        auto Data = [](const QStringList &args) { return QStringList{"--program-dir", SWTED_SOURCE_DIR "/data"} + args; };
        const QString path = work->filePath("ODD.OPL");
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPL"), path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        const QByteArray sheet = path.toLocal8Bit()
            + ": switch 14: -7 will be saved as 2 (a negative value reads as 0; PAPER SETTINGS: 0 is shown as the default)\n";

        CliRun r = Cli(Data({"set", path, "14=-7", "10=99999", "53=99", "5=0"}));
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains("swted-cli: warning: " + path.toLocal8Bit() + ": switch 14: -7 is stored as asked; the "
                                "editor will save it as 2 (a negative value reads as 0; PAPER SETTINGS: 0 is shown as the default)\n"),
                 r.err.constData());
        QVERIFY(!r.err.contains(": switch 5:"));
        QVERIFY(Cli(Data({"show", path})).out.contains("\n14 -7\n"));

        r = Cli(Data({"lint", path}));
        QCOMPARE(r.status, 4);
        QByteArray named;
        for (const QByteArray &line : r.out.split('\n')) {
            if (line.startsWith(path.toLocal8Bit() + ": switch "))
                named += line + '\n';
        }
        QVERIFY(named.contains(sheet));
        QVERIFY(named.contains(": switch 53: 99 will be saved as "));
        const CliRun dry = Cli(Data({"normalize", "--dry-run", path}));
        QCOMPARE(dry.status, 4);
        QCOMPARE(dry.out, named);

        // What each line said is what is saved.
        QCOMPARE(Cli(Data({"normalize", path})).out, named);
        const QByteArray shown = Cli(Data({"show", path})).out;
        static const QRegularExpression said(QStringLiteral(": switch (\\d+): -?\\d+ will be saved as (-?\\d+) "));
        for (const QByteArray &line : named.split('\n')) {
            const QRegularExpressionMatch m = said.match(QString::fromLocal8Bit(line));
            if (m.hasMatch())
                QVERIFY2(shown.contains("\n" + m.captured(1).toLatin1() + ' ' + m.captured(2).toLatin1() + '\n'), line.constData());
        }
    }

    // Options files of one name in one folder keep a backup each.
    void backupsOfFilesOfOneName()
    {
        auto Data = [](const QStringList &args) { return QStringList{"--program-dir", SWTED_SOURCE_DIR "/data"} + args; };
        const QStringList names{"PLANT.OPT", "plant.idf", "PLANT.OPL"};
        QList<QByteArray> before;
        for (const QString &name : names) {
            const QString path = work->filePath(name);
            QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.") + name.right(3).toUpper(), path);
            QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            before << ReadBytes(path);
        }
        for (const QString &name : names)
            QCOMPARE(Cli(Data({"set", work->filePath(name), "5=1"})).status, 0);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(ReadBytes(work->filePath(names[i] + ".BAK")), before[i]);
        QVERIFY(!QFileInfo::exists(work->filePath("PLANT.BAK")));
        QVERIFY(!QFileInfo::exists(work->filePath("plant.BAK")));

        // Save As over a file of the name: its backup beside it, the others kept.
        const QByteArray list = ReadBytes(work->filePath("PLANT.OPL"));
        QCOMPARE(Cli(Data({"convert", work->filePath("PLANT.OPT"), work->filePath("PLANT.OPL")})).status, 0);
        QCOMPARE(ReadBytes(work->filePath("PLANT.OPL.BAK")), list);
        QCOMPARE(ReadBytes(work->filePath("PLANT.OPT.BAK")), before[0]);
        QVERIFY(!QFileInfo::exists(work->filePath("PLANT.BAK")));
    }

    // A font set-up that would end the editor: lint says why and fails the
    // file; normalize leaves it as it is.
    void fontStopsEndTheTourOfAFile()
    {
        auto Data = [](const QStringList &args) { return QStringList{"--program-dir", SWTED_SOURCE_DIR "/data"} + args; };
        const QString opt = work->filePath("FONTS.OPT");
        QByteArray bytes = ReadBytes(SWTED_SOURCE_DIR "/examples/PLANT.OPT");
        bytes.replace("!-152 /userfont/USER.FIF", "-152 /userfont/USER");
        {
            QFile f(opt);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        CliRun r = Cli(Data({"lint", opt}));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, opt.toLocal8Bit() + ": The Path for font file was not correctly set.\n" + opt.toLocal8Bit()
                            + ": Terminating application.\n");
        r = Cli(Data({"normalize", opt}));
        QCOMPARE(r.status, 1);
        QCOMPARE(ReadBytes(opt), bytes);
        QVERIFY(!QFile::exists(work->filePath("FONTS.BAK")));
    }

    void usageAndConfiguration()
    {
        QCOMPARE(Cli({}).status, 2);
        QCOMPARE(Cli({"frobnicate"}).status, 2);
        QCOMPARE(Cli(WithProg({"show"})).status, 2);
        QCOMPARE(Cli(WithProg({"convert", "a.opt"})).status, 2);
        QCOMPARE(Cli({"--program-dir"}).status, 2);
        QCOMPARE(Cli({"--bogus", "types"}).status, 2);
        CliRun help = Cli({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("Usage: swted-cli [--program-dir DIR] [--force] COMMAND ..."));
        CliRun version = Cli({"--version"});
        QCOMPARE(version.out, "swted-cli " + swted::VersionNumber().toUtf8() + "\n");

        CliRun r = Cli({"--program-dir", work->path(), "types"});
        QCOMPARE(r.status, 3);
        QCOMPARE(r.err, "Cannot find SWTED.INI.  Please ensure this file is in the directory '" + work->path().toUtf8() + "'.\n");

        WriteBytes(work->filePath("Swted.ini"), "EXTENSION OPT X\r\nLEADLINES 1a\r\n");
        r = Cli({"--program-dir", work->path(), "show", "x.opt"});
        QCOMPARE(r.status, 3);
        QCOMPARE(r.err, QByteArray("Error at line 2 in Swted.ini\nProblem reading Leadlines.  Check syntax and ensure there "
                                   "are only blank\nlines before each 'Extension' line in [File Formats] block.\n"));

        // Without --program-dir the executable's own directory is used, unless
        // SWTED_PROGRAM_DIR names another (--program-dir still wins over it).
        r = Cli({"types"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith("OPT|KARVEN OPTIONS FILE|0|KARVEN_OPTIONS_BLOCK|2|14\n"));
        qputenv("SWTED_PROGRAM_DIR", QFile::encodeName(work->filePath("none")));
        r = Cli({"types"});
        const CliRun named = Cli(WithProg({"types"}));
        qunsetenv("SWTED_PROGRAM_DIR");
        QCOMPARE(r.status, 3);
        QCOMPARE(r.err, "Cannot find SWTED.INI.  Please ensure this file is in the directory '" + work->filePath("none").toUtf8() + "'.\n");
        QCOMPARE(named.status, 0);
    }
    // A save on a full disk: exit 1 with the reason, the file byte for byte
    // as it was and its backup too.
    void fullDiskSaveFailsAndKeepsFileAndBackup_data()
    {
        QTest::addColumn<qint64>("free");
        QTest::addColumn<bool>("backupExists");
        QTest::addColumn<QString>("failing"); // the name in the message
        QTest::newRow("nothing free, a backup of the same size") << qint64(0) << true << "PLANT.BAK";
        QTest::newRow("one page free") << qint64(4096) << true << "PLANT.BAK";
        QTest::newRow("room for the backup only") << qint64(8192) << false << "PLANT.OPL";
    }
    void fullDiskSaveFailsAndKeepsFileAndBackup()
    {
        QFETCH(qint64, free);
        QFETCH(bool, backupExists);
        QFETCH(QString, failing);
        TinyTmpfs disk(QStringLiteral("64k"));
        if (!disk.ok())
            QSKIP("needs root and mount for a tmpfs");
        const QString file = disk.path("PLANT.OPL");
        const QString backup = disk.path("PLANT.BAK");
        const QByteArray original = ReadBytes(SWTED_SOURCE_DIR "/examples/PLANT.OPL");
        const QByteArray oldBackup = QByteArray(original).replace("Switch", "SWITCH");
        WriteBytes(file, original);
        if (backupExists)
            WriteBytes(backup, oldBackup);
        disk.FillLeaving(free);

        const CliRun r = Cli({"set", file, "5=1"});
        QCOMPARE(r.status, 1);
        if (failing == "PLANT.BAK")
            QCOMPARE(r.err, "Cannot make the backup copy " + backup.toUtf8() + " of " + file.toUtf8()
                                + ":\nNo space left on device\nThe file has not been saved.\n");
        else
            QCOMPARE(r.err, "Cannot write " + file.toUtf8()
                                + ":\nNo space left on device\nThe file on disk is unchanged.\n");
        QCOMPARE(ReadBytes(file), original);
        QCOMPARE(ReadBytes(backup), backupExists ? oldBackup : original);
        QCOMPARE(LeftoverTemporaries(disk.path(QString())), QStringList());

        // With room again the same command saves.
        QFile::remove(disk.path("fill"));
        QCOMPARE(Cli({"set", file, "5=1"}).status, 0);
        QVERIFY(Cli({"show", file}).out.contains("\n5 1\n"));
        QCOMPARE(ReadBytes(backup), original);
    }

    void longTokensAreCutInMessages()
    {
        const QString path = work->filePath("huge.OPT");
        WriteBytes(path, "KARVEN_OPTIONS_BLOCK\r\n\r\n" + QByteArray(1000000, '7') + " 2 3\r\n"
                             + QByteArray("0\r\n").repeated(9));
        CliRun r = Cli(WithProg({"show", path}));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "Cannot read " + path.toUtf8() + ":\nthe value '" + QByteArray(40, '7')
                            + "...' of Option Switch 1 on line 3 is outside the range of -2147483648 to 2147483647.\n");

        r = Cli(WithProg({"set", path, "1=" + QString(5000, '1')}));
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.startsWith("swted-cli: bad assignment '1=" + QByteArray(38, '1') + "...': N must be"));
        r = Cli(WithProg({QString(5000, 'x')}));
        QVERIFY(r.err.startsWith("swted-cli: unknown command " + QByteArray(40, 'x') + "...\n"));
    }
};

SWTED_TEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
