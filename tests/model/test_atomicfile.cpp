#include "model/AtomicFile.h"
#include "model/FileSystem.h"
#include "model/TextFile.h"
#include "FaultyFileOps.h"
#include "TestSupport.h"

#include <QDateTime>
#include <QTemporaryDir>
#include "TestRegistry.h"
#include <QtTest>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace swted;
using namespace swted::test;

namespace {

mode_t ModeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

    QTemporaryDir *work = nullptr;
    QString File() const { return work->filePath("JOB.OPT"); }
    const QByteArray oldBytes = QByteArray("old content\r\n").repeated(500);
    const QByteArray newBytes = QByteArray("the new content\r\n").repeated(700);

private slots:
    void init()
    {
        work = new QTemporaryDir;
        WriteBytes(File(), oldBytes);
    }
    void cleanup() { delete work; }

    void everyFailureLeavesTheOldFileWhole_data()
    {
        QTest::addColumn<qint64>("failAt");
        QTest::addColumn<int>("syncError");
        QTest::addColumn<int>("closeError");
        QTest::addColumn<int>("renameError");
        QTest::addColumn<int>("expected");
        QTest::newRow("disk full at the first byte") << qint64(0) << 0 << 0 << 0 << ENOSPC;
        QTest::newRow("disk full after one byte") << qint64(1) << 0 << 0 << 0 << ENOSPC;
        QTest::newRow("disk full after a page") << qint64(4096) << 0 << 0 << 0 << ENOSPC;
        QTest::newRow("disk full before the last byte") << qint64(newBytes.size() - 1) << 0 << 0 << 0 << ENOSPC;
        QTest::newRow("sync fails") << qint64(-1) << EIO << 0 << 0 << EIO;
        QTest::newRow("sync finds the disk full") << qint64(-1) << ENOSPC << 0 << 0 << ENOSPC;
        QTest::newRow("close fails") << qint64(-1) << 0 << EDQUOT << 0 << EDQUOT;
        QTest::newRow("rename refused") << qint64(-1) << 0 << 0 << EACCES << EACCES;
    }
    void everyFailureLeavesTheOldFileWhole()
    {
        QFETCH(qint64, failAt);
        QFETCH(int, syncError);
        QFETCH(int, closeError);
        QFETCH(int, renameError);
        QFETCH(int, expected);
        FaultyFileOps ops;
        ops.failWriteAtByte = failAt;
        ops.syncError = syncError;
        ops.closeError = closeError;
        ops.renameError = renameError;
        QString error;
        QVERIFY(!WriteFileAtomically(File(), newBytes, IdentityOf(File()), &error, ops));
        QCOMPARE(error, Reason(expected));
        QCOMPARE(ReadBytes(File()), oldBytes);
        QCOMPARE(LeftoverTemporaries(work->path()), QStringList());
        // A new file that fails is not created at all.
        const QString fresh = work->filePath("NEW.OPT");
        QVERIFY(!WriteFileAtomically(fresh, newBytes, IdentityOf(fresh), &error, ops));
        QVERIFY(!QFileInfo::exists(fresh));
    }

    void successReplacesTheWholeContent()
    {
        QString error;
        QVERIFY(WriteFileAtomically(File(), newBytes, IdentityOf(File()), &error));
        QCOMPARE(ReadBytes(File()), newBytes);
        QVERIFY(WriteFileAtomically(File(), QByteArray(), IdentityOf(File()), &error));
        QCOMPARE(ReadBytes(File()), QByteArray());
        QCOMPARE(LeftoverTemporaries(work->path()), QStringList());
        QVERIFY(!WriteFileAtomically(work->filePath("no/such/dir/X.OPT"), newBytes, FileIdentity(), &error));
        QCOMPARE(error, Reason(ENOENT));
        // A name as long as a name may be still has room for its temporary file.
        const QString longest = work->filePath(QString(251, QLatin1Char('L')) + ".OPT");
        QVERIFY2(WriteFileAtomically(longest, newBytes, IdentityOf(longest), &error), qPrintable(error));
        QCOMPARE(ReadBytes(longest), newBytes);
        // A file that cannot be synced at all is saved all the same.
        FaultyFileOps noSync;
        noSync.syncError = EINVAL;
        QVERIFY(WriteFileAtomically(File(), oldBytes, IdentityOf(File()), &error, noSync));
        QCOMPARE(ReadBytes(File()), oldBytes);
    }

    void modeIsKept()
    {
        const mode_t oldMask = ::umask(022);
        for (mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0444), mode_t(0660)}) {
            QCOMPARE(::chmod(QFile::encodeName(File()).constData(), mode), 0);
            QVERIFY(WriteFileAtomically(File(), newBytes, IdentityOf(File()), nullptr));
            QCOMPARE(ModeOf(File()), mode);
        }
        // Where the mode cannot be set, the file is its owner's only: it
        // never shows more than it did.
        FaultyFileOps noMode;
        noMode.modeError = EPERM;
        QCOMPARE(::chmod(QFile::encodeName(File()).constData(), 0644), 0);
        QVERIFY(WriteFileAtomically(File(), newBytes, IdentityOf(File()), nullptr, noMode));
        QCOMPARE(ModeOf(File()), mode_t(0600));
        // A file saved for the first time gets the usual mode of a new file.
        const QString fresh = work->filePath("NEW.OPT");
        QVERIFY(WriteFileAtomically(fresh, newBytes, IdentityOf(fresh), nullptr));
        QCOMPARE(ModeOf(fresh), mode_t(0644));
        ::umask(oldMask);
    }

    void ownerAndGroupAreKeptWhereAllowed()
    {
        if (::geteuid() != 0)
            QSKIP("only root may give a file to another user");
        QCOMPARE(::chown(QFile::encodeName(File()).constData(), 1234, 5678), 0);
        QVERIFY(WriteFileAtomically(File(), newBytes, IdentityOf(File()), nullptr));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(File()).constData(), &st), 0);
        QCOMPARE(st.st_uid, uid_t(1234));
        QCOMPARE(st.st_gid, gid_t(5678));
    }

    // What a save of a name writes, or why it refuses: links lead only to
    // files in their own folder, only regular files are written, and a file
    // no one may write is not replaced unless forced.
    void saveTargets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("force");
        QTest::addColumn<QString>("writes");  // the file written, relative to the folder
        QTest::addColumn<QString>("refusal"); // the start of the reason given
        QTest::newRow("plain file") << "JOB.OPT" << false << "JOB.OPT" << "";
        QTest::newRow("new file") << "NEW.OPT" << false << "NEW.OPT" << "";
        QTest::newRow("link beside its file") << "LINK.OPT" << false << "JOB.OPT" << "";
        QTest::newRow("link out of the folder") << "OUT.OPT" << false << ""
                                                << "it is a symbolic link to ";
        QTest::newRow("dangling link") << "DANGLING.OPT" << false << "" << "it is a symbolic link to ";
        QTest::newRow("FIFO") << "PIPE.OPT" << false << "" << "it is a FIFO (named pipe), not a regular file";
        QTest::newRow("folder") << "DIR.OPT" << false << "" << "it is a folder, not a regular file";
        QTest::newRow("read-only file") << "RO.OPT" << false << "" << (::geteuid() == 0 ? "it is read-only" : "you may not write it");
        QTest::newRow("read-only file, forced") << "RO.OPT" << true << "RO.OPT" << "";
    }
    void saveTargets()
    {
        QFETCH(QString, name);
        QFETCH(bool, force);
        QFETCH(QString, writes);
        QFETCH(QString, refusal);
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath("THEIRS.OPT");
        WriteBytes(outside, oldBytes);
        QVERIFY(QFile::link(File(), work->filePath("LINK.OPT")));
        QVERIFY(QFile::link(outside, work->filePath("OUT.OPT")));
        QVERIFY(QFile::link(elsewhere.filePath("NONE.OPT"), work->filePath("DANGLING.OPT")));
        QCOMPARE(::mkfifo(QFile::encodeName(work->filePath("PIPE.OPT")).constData(), 0644), 0);
        QVERIFY(QDir(work->path()).mkdir("DIR.OPT"));
        WriteBytes(work->filePath("RO.OPT"), oldBytes);
        QCOMPARE(::chmod(QFile::encodeName(work->filePath("RO.OPT")).constData(), 0444), 0);

        const SaveTarget target = ResolveSaveTarget(work->filePath(name), force);
        QVERIFY2(refusal.isEmpty() ? target.refusal.isEmpty() : target.refusal.startsWith(refusal),
                 qPrintable(target.refusal));
        auto canonical = [](const QString &p) {
            return QFileInfo::exists(p) ? QFileInfo(p).canonicalFilePath() : p;
        };
        if (!writes.isEmpty())
            QCOMPARE(canonical(target.path), canonical(work->filePath(writes)));
        // The reason names where a link leads.
        if (name == "OUT.OPT")
            QVERIFY(target.refusal.contains(outside));
        // Nothing beyond the folder is touched, whatever the name.
        QCOMPARE(ReadBytes(outside), oldBytes);
        QVERIFY(!QFileInfo::exists(elsewhere.filePath("NONE.OPT")));
    }

    // Temporary files of killed saves are removed by the next save in the
    // folder, but only those no save of this run is writing and that are
    // this program's; a name of any length has room for its temporary name.
    void leftoversAreRemoved()
    {
        auto age = [](const QString &path, int seconds) {
            const QDateTime when = QDateTime::currentDateTime().addSecs(-seconds);
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
        };
        const QStringList ours = {".JOB.OPT.a1b2.swted-tmp", ".JOB.BAK.zz.swted-tmp", ".swted-lock.Ab12Cd.swted-tmp"};
        const QStringList others = {"JOB.OPT.a1b2.swted-tmp", ".JOB.OPT.a1b2.tmp", ".JOB.OPT.swted-tmp",
                                    ".JOB.OPT.toolong7.swted-tmp"};
        for (const QString &n : ours + others) {
            WriteBytes(work->filePath(n), "x");
            age(work->filePath(n), 3600);
        }
        // One written during this run, as a save still under way would be.
        WriteBytes(work->filePath(".NEW.OPT.q9.swted-tmp"), "x");
        QCOMPARE(RemoveLeftoverTemporaries(work->path()), ours.size());
        for (const QString &n : others)
            QVERIFY2(QFileInfo::exists(work->filePath(n)), qPrintable(n));
        QVERIFY(QFileInfo::exists(work->filePath(".NEW.OPT.q9.swted-tmp")));

        // A 244-byte name of two-byte characters.
        const QString path = work->path() + "/" + QString::fromUtf8(QByteArray("\xc3\xa9").repeated(120) + ".OPT");
        QString error;
        QVERIFY2(WriteFileAtomically(path, newBytes, IdentityOf(path), &error), qPrintable(error));
        QCOMPARE(ReadBytes(path), newBytes);
    }

    // Names are bytes: every byte string maps to a name and back to itself,
    // and two names that a lossy decoding would merge stay two.
    void namesAreBytes_data()
    {
        QTest::addColumn<QByteArray>("native");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ASCII") << QByteArray("JOB.OPT") << "JOB.OPT";
        QTest::newRow("UTF-8") << QByteArray("J\xc3\xa9" "B.OPT") << QString::fromUtf8("J\xc3\xa9" "B.OPT");
        QTest::newRow("Latin-1 byte") << QByteArray("JOB\xff.OPT") << "JOB\\xFF.OPT";
        QTest::newRow("replacement character") << QByteArray("JOB\xef\xbf\xbd.OPT") << QString::fromUtf8("JOB\xef\xbf\xbd.OPT");
        QTest::newRow("cut sequence") << QByteArray("A\xe2\x82") << "A\\xE2\\x82";
        QTest::newRow("overlong slash") << QByteArray("A\xc0\xaf" "B") << "A\\xC0\\xAFB";
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xbf") << "\\xED\\xB3\\xBF";
        QTest::newRow("four bytes") << QByteArray("\xf0\x9f\x98\x80.OPT") << QString::fromUtf8("\xf0\x9f\x98\x80.OPT");
    }
    void namesAreBytes()
    {
        QFETCH(QByteArray, native);
        QFETCH(QString, shown);
        const QString name = PathFromNative(native);
        QCOMPARE(NativePath(name), native);
        QCOMPARE(Printable(name), shown);
        // The file opened is the file named.
        WriteBytes(work->filePath("JOB\xef\xbf\xbd.OPT"), "the other");
        const QString path = PathFromNative(QFile::encodeName(work->path()) + "/" + native);
        if (!native.contains('\xef'))
            QVERIFY(WriteFileAtomically(path, "this one", IdentityOf(path), nullptr));
        QByteArray bytes;
        QVERIFY(ReadRegularFile(path, bytes));
        QCOMPARE(bytes, native.contains('\xef') ? QByteArray("the other") : QByteArray("this one"));
        QVERIFY(FolderEntries(work->path(), true).contains(name));
    }

    // Only regular files are read, and a FIFO never blocks the reader.
    void specialFilesAreRefusedAtOnce()
    {
        const QString fifo = work->filePath("Karven.fls");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QByteArray bytes;
        QString error;
        QVERIFY(!ReadRegularFile(fifo, bytes, &error));
        QCOMPARE(error, QStringLiteral("it is a FIFO (named pipe), not a regular file"));
        QVERIFY(!ReadRegularFile(work->path(), bytes, &error));
        QCOMPARE(error, QStringLiteral("it is a folder, not a regular file"));
        QCOMPARE(FindFileNoCase(work->path(), "KARVEN.FLS"), QString());
        QVERIFY(!FolderEntries(work->path(), true).contains("Karven.fls"));
        QVERIFY(FolderEntries(work->path(), false).contains("Karven.fls"));
    }
};

SWTED_TEST_GUILESS_MAIN(TestAtomicFile)
#include "test_atomicfile.moc"
