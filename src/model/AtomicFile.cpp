#include "model/AtomicFile.h"

#include "model/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swted {

int FileOps::Open(const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); }
ssize_t FileOps::Write(int fd, const char *data, size_t size) { return ::write(fd, data, size); }
int FileOps::Sync(int fd) { return ::fsync(fd); }
int FileOps::Close(int fd) { return ::close(fd); }
int FileOps::Rename(const char *from, const char *to) { return ::rename(from, to); }
int FileOps::Unlink(const char *path) { return ::unlink(path); }
int FileOps::ChangeMode(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int FileOps::ChangeOwner(int fd, uid_t uid, gid_t gid) { return ::fchown(fd, uid, gid); }

FileOps &FileOps::System()
{
    static FileOps ops; // stateless
    return ops;
}

FileIdentity IdentityOf(const QString &path)
{
    struct stat st;
    FileIdentity id;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        id.exists = true;
        id.mode = st.st_mode & 07777;
        id.uid = st.st_uid;
        id.gid = st.st_gid;
    }
    return id;
}

QString SaveTargetOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    // A link to a file that does not exist yet: the save creates that file.
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

namespace {

QString Reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Opens a new file beside the target under a name no other file has.
int OpenTemporary(const QString &path, mode_t mode, FileOps &ops, QByteArray &temporary)
{
    const QString directory = DirectoryOf(path);
    // Cut so that the temporary name stays within the longest file name.
    const QString name = path.mid(directory.size()).left(200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate() % 0x1000000u, 36);
        temporary = QFile::encodeName(directory + QLatin1Char('.') + name + QLatin1Char('.') + suffix
                                      + QStringLiteral(".swted-tmp"));
        const int fd = ops.Open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const QByteArray &bytes, FileOps &ops)
{
    const char *p = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t n = ops.Write(fd, p, qMin<size_t>(left, size_t(1) << 20));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

void KeepIdentity(int fd, const FileIdentity &identity, FileOps &ops)
{
    if (identity.uid != ::geteuid() || identity.gid != ::getegid()) {
        // Only a privileged process may give a file away; a user may still
        // keep the group when a member of it. Otherwise the file is the
        // saver's, as any new file would be.
        if (ops.ChangeOwner(fd, identity.uid, identity.gid) != 0)
            ops.ChangeOwner(fd, static_cast<uid_t>(-1), identity.gid);
    }
}

} // namespace

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, const FileIdentity &identity,
                         QString *error, FileOps &ops)
{
    auto fail = [&](int code) {
        if (error)
            *error = Reason(code);
        return false;
    };

    // The temporary file of an existing file starts readable by its owner
    // only, so that it shows no more than the file did even where its mode
    // cannot be set (file systems without permission bits); a new file gets
    // the usual mode.
    QByteArray temporary;
    const int fd = OpenTemporary(path, identity.exists ? 0600 : 0666, ops, temporary);
    if (fd < 0)
        return fail(errno);

    // Every step up to the rename is checked: a byte that did not reach the
    // disk is a failed save, and the temporary file goes.
    auto abandon = [&](int code) {
        ops.Close(fd);
        ops.Unlink(temporary.constData());
        return fail(code);
    };
    if (!WriteAll(fd, bytes, ops))
        return abandon(errno);
    if (identity.exists) {
        // The owner first: changing it clears the set-id bits that the mode
        // then puts back.
        KeepIdentity(fd, identity, ops);
        ops.ChangeMode(fd, identity.mode);
    }
    // A file that cannot be synced at all (EINVAL and the like) has nothing
    // more to flush; every other error means bytes that may not be there.
    if (ops.Sync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return abandon(errno);
    if (ops.Close(fd) != 0) {
        const int code = errno;
        ops.Unlink(temporary.constData());
        return fail(code);
    }
    if (ops.Rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int code = errno;
        ops.Unlink(temporary.constData());
        return fail(code);
    }

    // The directory is not synced: the rename reaches the disk with the file
    // system's next commit, and a power cut before it brings back the old
    // file, whole; a sync per directory would double the time of a save.
    return true;
}

} // namespace swted
