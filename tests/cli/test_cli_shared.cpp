// swted-cli on the real files of a folder that other users share: names
// that are bytes, links, FIFOs, permissions, long names, the leftovers of
// killed saves and the lock files of editors.
#include "FaultyFileOps.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

using namespace swted::test;

namespace {

const QString CliPath = QStringLiteral(SWTED_BINARY_DIR "/swted-cli");

struct Finished {
    int status = -1; // -2: did not finish in time (it hangs)
    QByteArray out;
    QByteArray err;
};

Finished Exec(const QString &program, const QStringList &args, const QString &folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(program, args);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return Finished{-2, p.readAllStandardOutput(), p.readAllStandardError()};
    }
    return Finished{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
               p.readAllStandardError()};
}

// Names as the bytes they are, past QString: with the working folder's path
// (plain ASCII) in front.
QByteArray Raw(const QString &folder, const QByteArray &name) { return QFile::encodeName(folder) + '/' + name; }

bool WriteRaw(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool ok = fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    if (fd >= 0)
        ::close(fd);
    return ok;
}

QByteArray ReadRaw(const QByteArray &path)
{
    QFile f;
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0 || !f.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle))
        return "<missing>";
    return f.readAll();
}

void MakeOld(const QString &path)
{
    const struct timeval hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    QVERIFY(::utimes(QFile::encodeName(path).constData(), hourAgo) == 0);
}

} // namespace

class TestCliShared : public QObject {
    Q_OBJECT

    QTemporaryDir *work = nullptr;
    const QString prog = Golden + "prog";

    QString At(const QString &name) const { return work->filePath(name); }
    QString Copy(const QString &golden, const QString &name) const
    {
        QFile::remove(At(name));
        QFile::copy(Golden + "in/" + golden, At(name));
        QFile(At(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        return At(name);
    }
    Finished Cli(const QStringList &args) const
    {
        return Exec(CliPath, QStringList{"--program-dir", prog} + args, work->path());
    }
    // A bash command line in the work folder, $'...' for names as bytes;
    // "$CLI" is swted-cli with the program folder given.
    Finished Sh(const QString &script) const
    {
        return Exec("/bin/bash",
                    {"-c", "CLI() { \"" + CliPath + "\" --program-dir \"" + prog + "\" \"$@\"; }; " + script},
                    work->path());
    }
    QList<QByteArray> Values(const QString &path) const { return Cli({"show", path}).out.split('\n'); }

private slots:
    void init() { work = new QTemporaryDir; }
    void cleanup()
    {
        // Names that are no UTF-8 are beyond QDir's removal.
        QProcess::execute("/bin/rm", {"-rf", "--", work->path()});
        delete work;
    }

    // JOB\xff.OPT and JOB\xef\xbf\xbd.OPT (U+FFFD) are two files: a set of
    // the one never reaches the other.
    void namesAreBytes()
    {
        const QByteArray block = ReadBytes(Golden + "in/BLOCK.OPT");
        QVERIFY(WriteRaw(Raw(work->path(), "JOB\xff.OPT"), block));
        QVERIFY(WriteRaw(Raw(work->path(), "JOB\xef\xbf\xbd.OPT"), block));

        Finished r = Sh("CLI set $'JOB\\xff.OPT' 1=5");
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray());
        r = Sh("CLI show $'JOB\\xff.OPT'");
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.startsWith("1 5\n2 0\n"));
        QCOMPARE(ReadRaw(Raw(work->path(), "JOB\xff.BAK")), block);
        QCOMPARE(ReadRaw(Raw(work->path(), "JOB\xef\xbf\xbd.OPT")), block);
        QVERIFY(!QFileInfo::exists(At(QString::fromUtf8("JOB\xef\xbf\xbd.BAK"))));
        QVERIFY(Sh("CLI show $'JOB\\xef\\xbf\\xbd.OPT'").out.startsWith("1 1234567\n"));
    }

    // A name in a message shows a byte that is not UTF-8, and a control
    // character that would act on the terminal, as \xHH.
    void namesInMessages_data()
    {
        QTest::addColumn<QString>("name"); // as bash's $'...'
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("not UTF-8") << "NO\\xff.OPT" << QByteArray("NO\\xFF.OPT");
        QTest::newRow("U+FFFD itself") << "NO\\xef\\xbf\\xbd.OPT" << QByteArray("NO\xef\xbf\xbd.OPT");
        QTest::newRow("terminal escape") << "NO\\x1b[2J.OPT" << QByteArray("NO\\x1B[2J.OPT");
        QTest::newRow("C1 control") << "NO\\xc2\\x9b2J.OPT" << QByteArray("NO\\xC2\\x9B2J.OPT");
    }
    void namesInMessages()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, shown);
        const Finished r = Sh("CLI show $'" + name + "'");
        QCOMPARE(r.status, 1);
        QCOMPARE(r.err, "Cannot read " + shown + ":\nNo such file or directory\n");
    }

    // A save through a symbolic link: to a file beside the link it goes
    // there and the link stays; out of the folder, or to nothing, it is
    // refused and nothing outside the folder is touched.
    void linksAsSaveTargets_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("leadsTo");
        QTest::addColumn<bool>("leadsToFile");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("convert, link out of the folder")
            << QStringList{"convert", "A.OPT", "NEW.OPL"} << "NEW.OPL" << "other/T.OPL" << true << 1
            << "it is a symbolic link to other/T.OPL, outside the folder of the link.";
        QTest::newRow("convert, dangling link out of the folder")
            << QStringList{"convert", "A.OPT", "NEW.OPL"} << "NEW.OPL" << "gone/X.OPL" << false << 1
            << "it is a symbolic link to gone/X.OPL, which does not exist.";
        QTest::newRow("convert, dangling link beside it")
            << QStringList{"convert", "A.OPT", "NEW.OPL"} << "NEW.OPL" << "X.OPL" << false << 1
            << "it is a symbolic link to X.OPL, which does not exist.";
        QTest::newRow("set, link out of the folder") << QStringList{"set", "L.OPT", "1=5"} << "L.OPT" << "other/T.OPT"
                                                     << true << 1
                                                     << "it is a symbolic link to other/T.OPT, outside the folder of the link.";
        QTest::newRow("set, link beside it") << QStringList{"set", "L.OPT", "1=5"} << "L.OPT" << "real.OPT" << true << 0
                                             << QString();
    }
    void linksAsSaveTargets()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, link);
        QFETCH(QString, leadsTo);
        QFETCH(bool, leadsToFile);
        QFETCH(int, status);
        QFETCH(QString, refusal);
        QVERIFY(QDir(work->path()).mkdir("other"));
        Copy("BLOCK.OPT", "A.OPT");
        if (leadsToFile)
            Copy(leadsTo.endsWith("OPL") ? "LIST.OPL" : "BLOCK.OPT", leadsTo);
        const QByteArray before = ReadBytes(At(leadsTo));
        QVERIFY(QFile::link(leadsTo, At(link)));

        const Finished r = Cli(command);
        QCOMPARE(r.status, status);
        if (status != 0)
            QVERIFY2(r.err.contains("Cannot save " + link.toUtf8() + ":\n" + refusal.toUtf8()), r.err.constData());
        QCOMPARE(QFileInfo(At(link)).isSymLink(), true);
        QCOMPARE(QFile::symLinkTarget(At(link)), QFileInfo(At(leadsTo)).absoluteFilePath());
        if (status == 0)
            QCOMPARE(Values(At(leadsTo))[0], QByteArray("1 5"));
        else
            QCOMPARE(ReadBytes(At(leadsTo)), before); // "<missing>" when there was none
        QCOMPARE(QDir(At("other")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 leadsToFile && leadsTo.startsWith("other/") ? QStringList{leadsTo.mid(6)} : QStringList());
        QVERIFY(!QFileInfo::exists(At("gone")));
        QCOMPARE(LeftoverTemporaries(work->path()), QStringList());
    }

    // A FIFO where a file is read or written, or beside it as the font
    // list: every command answers at once (a hang would be killed).
    void specialFilesAnswerAtOnce_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        const QByteArray fifo = "it is a FIFO (named pipe), not a regular file";
        QTest::newRow("show") << QStringList{"show", "JOB.OPT"} << 1 << "Cannot read JOB.OPT:\n" + fifo + "\n";
        QTest::newRow("set") << QStringList{"set", "JOB.OPT", "1=5"} << 1 << "Cannot read JOB.OPT:\n" + fifo + "\n";
        QTest::newRow("rewrite") << QStringList{"rewrite", "JOB.OPT"} << 1 << "Cannot read JOB.OPT:\n" + fifo + "\n";
        QTest::newRow("convert onto it") << QStringList{"convert", "PLANT.OPL", "NEW.OPL"} << 1
                                         << "Cannot save NEW.OPL:\n" + fifo + ".\nThe file on disk is unchanged.\n";
        QTest::newRow("lint beside a FIFO Karven.fls") << QStringList{"lint", "PLANT.OPL"} << 0 << QByteArray();
        QTest::newRow("set with a FIFO as its lock file") << QStringList{"set", "PLANT.OPL", "5=1"} << 0 << QByteArray();
    }
    void specialFilesAnswerAtOnce()
    {
        QFETCH(QStringList, command);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        QVERIFY(QFile::copy(SWTED_SOURCE_DIR "/examples/PLANT.OPL", At("PLANT.OPL")));
        QFile(At("PLANT.OPL")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        for (const char *name : {"JOB.OPT", "NEW.OPL", "Karven.fls", ".~lock.PLANT.OPL#"})
            QVERIFY(::mkfifo(QFile::encodeName(At(name)).constData(), 0644) == 0);

        const Finished r = Exec(CliPath, QStringList{"--program-dir", SWTED_SOURCE_DIR "/data"} + command, work->path());
        QCOMPARE(r.status, status);
        QCOMPARE(r.err, message);
        for (const char *name : {"JOB.OPT", "NEW.OPL"})
            QVERIFY(!QFileInfo(At(name)).isFile());
    }

    // A file its user may not write is not replaced: not by root when no
    // one may write it, unless forced; not by another user who may write the
    // folder.
    void permissions_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("force");
        QTest::addColumn<bool>("otherUser");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("refusal");
        const QString readOnly = ::geteuid() == 0 ? "it is read-only (permissions r--r--r--)"
                                                  : "you may not write it (permissions r--r--r--)";
        QTest::newRow("read-only") << 0444 << false << false << 1 << readOnly;
        QTest::newRow("read-only, forced") << 0444 << true << false << 0 << QString();
        QTest::newRow("another user's, no write permission")
            << 0644 << false << true << 1 << "you may not write it (permissions rw-r--r--)";
    }
    void permissions()
    {
        QFETCH(int, mode);
        QFETCH(bool, force);
        QFETCH(bool, otherUser);
        QFETCH(int, status);
        QFETCH(QString, refusal);
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (otherUser && (::geteuid() != 0 || setpriv.isEmpty()))
            QSKIP("needs root and setpriv to run as another user");
        // A clone in a folder only its owner may enter (root's home, say):
        // another user cannot start the tool at all.
        const QStringList asOther{"--reuid=65534", "--regid=65534", "--clear-groups", CliPath};
        if (otherUser && Exec(setpriv, asOther + QStringList{"--program-dir", prog, "types"}, work->path()).status != 0)
            QSKIP("another user cannot reach the tool or its program folder here");
        const QString path = Copy("BLOCK.OPT", "JOB.OPT");
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0);
        // A folder every user may write (and a temporary folder's parent they may enter).
        QVERIFY(::chmod(QFile::encodeName(work->path()).constData(), 0777) == 0);
        const QByteArray before = ReadBytes(path);
        struct stat was;
        QVERIFY(::stat(QFile::encodeName(path).constData(), &was) == 0);

        QStringList args{"--program-dir", prog};
        if (force)
            args << "--force";
        args << "set" << path << "1=5";
        const Finished r = otherUser ? Exec(setpriv, asOther + args, work->path())
                                : Exec(CliPath, args, work->path());
        QCOMPARE(r.status, status);
        struct stat now;
        QVERIFY(::stat(QFile::encodeName(path).constData(), &now) == 0);
        QCOMPARE(int(now.st_mode & 07777), mode);
        if (status == 0) {
            QCOMPARE(Values(path)[0], QByteArray("1 5"));
            return;
        }
        QCOMPARE(r.err, "Cannot save " + path.toUtf8() + ":\n" + refusal.toUtf8() + ".\nThe file on disk is unchanged.\n");
        QCOMPARE(ReadBytes(path), before);
        QCOMPARE(now.st_ino, was.st_ino);
        QCOMPARE(now.st_uid, was.st_uid);
        QVERIFY(!QFileInfo::exists(At("JOB.BAK")));
        QCOMPARE(LeftoverTemporaries(work->path()), QStringList());
    }

    // Names near the longest a folder takes, in two-byte characters: the
    // temporary name is cut to fit, as bytes.
    void longNames_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::newRow("244 bytes") << QString(120, QChar(0xE9));
        QTest::newRow("255 bytes") << QString(125, QChar(0xE9)) + "x";
    }
    void longNames()
    {
        QFETCH(QString, stem);
        const QString path = Copy("BLOCK.OPT", stem + ".OPT");
        QVERIFY(QFileInfo::exists(path));
        const Finished r = Cli({"set", path, "1=5"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(Values(path)[0], QByteArray("1 5"));
        QCOMPARE(ReadBytes(At(stem + ".BAK")), ReadBytes(Golden + "in/BLOCK.OPT"));
        QCOMPARE(LeftoverTemporaries(work->path()), QStringList());
    }

    // The temporary files of killed saves go with the next save in their
    // folder, and are counted on standard output; what is not such a
    // leftover of this user's stays.
    void leftoversOfKilledSaves()
    {
        const QString path = Copy("BLOCK.OPT", "F1.OPT");
        const QStringList leftovers{".F1.OPT.abc12.swted-tmp", ".F1.OPT.x.swted-tmp", ".G.OPT.zz9.swted-tmp"};
        QStringList kept{".F1.OPT.abc123.swted-tmp", "F1.OPT.abc12.swted-tmp", ".F1.OPT.held1.swted-tmp"};
        if (::geteuid() == 0)
            kept << ".F1.OPT.them1.swted-tmp"; // another user's
        for (const QString &name : leftovers + kept) {
            WriteBytes(At(name), "half a file");
            MakeOld(At(name));
        }
        if (::geteuid() == 0)
            QVERIFY(::chown(QFile::encodeName(At(".F1.OPT.them1.swted-tmp")).constData(), 65534, 65534) == 0);
        // A save in progress holds its temporary file locked.
        const int held = ::open(QFile::encodeName(At(".F1.OPT.held1.swted-tmp")).constData(), O_RDONLY);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);

        Finished r = Cli({"rewrite", path});
        ::close(held);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, path.toUtf8() + ": removed 3 temporary files left by interrupted saves\n");
        kept.sort();
        QCOMPARE(QDir(work->path()).entryList({"*.swted-tmp"}, QDir::Files | QDir::Hidden), kept);
        // Its save gone, the held one is a leftover too.
        r = Cli({"rewrite", path});
        QCOMPARE(r.out, path.toUtf8() + ": removed 1 temporary file left by interrupted saves\n");
    }

    // A lock file of an editor beside the file: a live one (this host's with
    // a running process, or another host's) stops a set with status 5, under
    // whichever name of the file the editor opened; a dead process's does not.
    void editLocks_data()
    {
        QTest::addColumn<QString>("locked"); // the name the editor opened
        QTest::addColumn<QString>("given");  // the name given to set
        QTest::addColumn<QString>("host");   // empty: this one
        QTest::addColumn<bool>("livePid");
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("status");
        QTest::newRow("live") << "JOB.OPT" << "JOB.OPT" << QString() << true << false << 5;
        QTest::newRow("live, forced") << "JOB.OPT" << "JOB.OPT" << QString() << true << true << 0;
        QTest::newRow("dead process on this host") << "JOB.OPT" << "JOB.OPT" << QString() << false << false << 0;
        QTest::newRow("another host") << "JOB.OPT" << "JOB.OPT" << "far.example" << false << false << 5;
        QTest::newRow("set through a link") << "JOB.OPT" << "L.OPT" << QString() << true << false << 5;
        QTest::newRow("editor on the link") << "L.OPT" << "JOB.OPT" << QString() << true << false << 5;
        QTest::newRow("editor on another hard link") << "HARD.OPT" << "JOB.OPT" << QString() << true << false << 5;
    }
    void editLocks()
    {
        QFETCH(QString, locked);
        QFETCH(QString, given);
        QFETCH(QString, host);
        QFETCH(bool, livePid);
        QFETCH(bool, force);
        QFETCH(int, status);
        const QString path = Copy("BLOCK.OPT", "JOB.OPT");
        QVERIFY(QFile::link("JOB.OPT", At("L.OPT")));
        QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(At("HARD.OPT")).constData()) == 0);
        const QByteArray before = ReadBytes(path);
        qint64 pid = 1; // init: alive as long as this host is
        if (!livePid) {
            QProcess gone;
            gone.start("/bin/true");
            QVERIFY(gone.waitForStarted());
            pid = gone.processId();
            QVERIFY(gone.waitForFinished());
        }
        const QString thisHost = QSysInfo::machineHostName();
        const QByteArray lock = "swted-lock\nuser=alice\nhost=" + (host.isEmpty() ? thisHost : host).toUtf8()
            + "\npid=" + QByteArray::number(pid) + "\nsince="
            + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8() + "\n";
        const QString lockPath = At(".~lock." + locked + "#");
        WriteBytes(lockPath, lock);

        QStringList args;
        if (force)
            args << "--force";
        const Finished r = Cli(args << "set" << given << "1=5");
        QCOMPARE(r.status, status);
        QCOMPARE(ReadBytes(lockPath), lock); // another's lock is never taken away
        if (status == 0) {
            QCOMPARE(Values(path)[0], QByteArray("1 5"));
            return;
        }
        QVERIFY2(r.err.startsWith("swted-cli: " + locked.toUtf8() + " is open for editing by alice on "
                                  + (host.isEmpty() ? thisHost : host).toUtf8() + " (process "),
                 r.err.constData());
        QVERIFY(r.err.endsWith("use --force to change it anyway.\n"));
        QCOMPARE(ReadBytes(path), before);
        QVERIFY(!QFileInfo::exists(At("JOB.BAK")));
    }
};

SWTED_TEST_GUILESS_MAIN(TestCliShared)
#include "test_cli_shared.moc"
