#pragma once

#include "model/AtomicFile.h"

#include <QByteArrayList>
#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <unistd.h>

namespace swted::test {

// The real system calls, except those told to fail: a write that stops at
// a given byte (counted over all writes) as a full disk does, and a sync,
// close or rename that fails with a given error.
class FaultyFileOps : public FileOps {
public:
    qint64 failWriteAtByte = -1;
    int syncError = 0;
    int closeError = 0;
    int renameError = 0;
    int modeError = 0;
    // Which rename fails: 1 the first, 2 the second...; 0 every one.
    int failingRename = 0;

    qint64 written = 0;
    int renames = 0;

    ssize_t Write(int fd, const char *data, size_t size) override
    {
        if (failWriteAtByte >= 0 && written + qint64(size) > failWriteAtByte) {
            const size_t part = size_t(failWriteAtByte - written);
            if (part == 0) {
                errno = ENOSPC;
                return -1;
            }
            size = part; // a short write first, as a disk that fills up gives
        }
        const ssize_t n = FileOps::Write(fd, data, size);
        if (n > 0)
            written += n;
        return n;
    }
    int Sync(int fd) override
    {
        if (syncError) {
            errno = syncError;
            return -1;
        }
        return FileOps::Sync(fd);
    }
    int Close(int fd) override
    {
        const int r = FileOps::Close(fd);
        if (closeError) {
            errno = closeError;
            return -1;
        }
        return r;
    }
    int ChangeMode(int fd, mode_t mode) override
    {
        if (modeError) {
            errno = modeError;
            return -1;
        }
        return FileOps::ChangeMode(fd, mode);
    }
    int Rename(const char *from, const char *to) override
    {
        ++renames;
        if (renameError && (failingRename == 0 || failingRename == renames)) {
            errno = renameError;
            return -1;
        }
        return FileOps::Rename(from, to);
    }
};

// The names in a directory that a save may have left behind: its
// temporary files.
inline QStringList LeftoverTemporaries(const QString &directory)
{
    return QDir(directory).entryList({QStringLiteral("*.swted-tmp")}, QDir::Files | QDir::Hidden);
}

// A tmpfs of a given size mounted on a fresh directory, for as long as the
// object lives. Only root may mount; ok() tells whether it worked.
class TinyTmpfs {
public:
    explicit TinyTmpfs(const QString &size)
    {
        if (::geteuid() != 0 || !dir.isValid())
            return;
        mounted = QProcess::execute(QStringLiteral("mount"),
                                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                     QStringLiteral("size=") + size, QStringLiteral("tmpfs"), dir.path()})
            == 0;
    }
    ~TinyTmpfs()
    {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {dir.path()});
    }
    TinyTmpfs(const TinyTmpfs &) = delete;
    TinyTmpfs &operator=(const TinyTmpfs &) = delete;

    bool ok() const { return mounted; }
    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }

    // Fills the free space with a file of zeros, then frees the given number
    // of bytes again (a tmpfs frees whole pages).
    void FillLeaving(qint64 bytes) const
    {
        QFile fill(path(QStringLiteral("fill")));
        fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray block(4096, '\0');
        while (fill.write(block) == block.size()) {
        }
        fill.close();
        if (bytes > 0)
            fill.resize(qMax<qint64>(0, fill.size() - bytes));
    }

private:
    QTemporaryDir dir;
    bool mounted = false;
};

} // namespace swted::test
