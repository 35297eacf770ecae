#include "model/AtomicFile.h"

#include "model/FileSystem.h"
#include "model/TextFile.h"

#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
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
    if (::stat(NativePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode)) {
        id.exists = true;
        id.mode = st.st_mode & 07777;
        id.uid = st.st_uid;
        id.gid = st.st_gid;
    }
    return id;
}

namespace {

QString Canonical(const QByteArray &path)
{
    char *resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return QString();
    const QString out = PathFromNative(QByteArray(resolved));
    std::free(resolved);
    return out;
}

QString LinkTarget(const QByteArray &link)
{
    QByteArray buffer(PATH_MAX, Qt::Uninitialized);
    const ssize_t n = ::readlink(link.constData(), buffer.data(), static_cast<size_t>(buffer.size()));
    return n < 0 ? QString() : PathFromNative(buffer.left(n));
}

// rwxrwxrwx of a mode, as ls shows it.
QString ModeText(mode_t mode)
{
    QString out;
    const char *letters = "rwx";
    for (int bit = 8; bit >= 0; --bit)
        out.append(mode & (1u << bit) ? QLatin1Char(letters[(8 - bit) % 3]) : QLatin1Char('-'));
    return out;
}

// Why the user may not replace the regular file at path; empty when they may.
QString WriteRefusal(const QString &path, const struct stat &st)
{
    if (::geteuid() == 0) {
        // Root may write anything; a file that no one may write is still
        // taken as one that is not to be changed.
        if ((st.st_mode & 0222) == 0)
            return QStringLiteral("it is read-only (permissions ") + ModeText(st.st_mode)
                + QStringLiteral(")");
        return QString();
    }
    if (::faccessat(AT_FDCWD, NativePath(path).constData(), W_OK, AT_EACCESS) == 0)
        return QString();
    if (errno == EROFS)
        return QStringLiteral("it is on a read-only file system");
    return QStringLiteral("you may not write it (permissions ") + ModeText(st.st_mode) + QStringLiteral(")");
}

} // namespace

SaveTarget ResolveSaveTarget(const QString &path, bool force)
{
    SaveTarget target{path, QString(), false};
    const QByteArray native = NativePath(path);
    struct stat st;
    if (::lstat(native.constData(), &st) != 0)
        return target; // a new file (or a folder the write will report)
    if (S_ISLNK(st.st_mode)) {
        const QString leadsTo = LinkTarget(native);
        const QString resolved = Canonical(native);
        if (resolved.isEmpty() || ::stat(native.constData(), &st) != 0) {
            target.refusal = QStringLiteral("it is a symbolic link to ") + leadsTo
                + QStringLiteral(", which does not exist");
            return target;
        }
        const QString folder = DirectoryOf(path);
        const QString linkFolder = Canonical(NativePath(folder.isEmpty() ? QStringLiteral(".") : folder));
        if (DirectoryOf(resolved) != WithTrailingSeparator(linkFolder)) {
            target.refusal = QStringLiteral("it is a symbolic link to ") + leadsTo
                + QStringLiteral(", outside the folder of the link");
            return target;
        }
        target.path = resolved;
    }
    if (!S_ISREG(st.st_mode)) {
        target.refusal = QStringLiteral("it is ") + SpecialKindOf(target.path) + QStringLiteral(", not a regular file");
        return target;
    }
    target.exists = true;
    if (!force)
        target.refusal = WriteRefusal(target.path, st);
    return target;
}

namespace {

const QByteArray TemporarySuffix = QByteArrayLiteral(".swted-tmp");
// A dot, the name (cut to fit), a dot, up to five base-36 digits, the suffix.
constexpr int TemporaryDecoration = 1 + 1 + 5 + 10;

// When this run began: temporary files older than that are no save's of
// this run.
const struct timespec RunStart = [] {
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now;
}();

// ".NAME.x1y2.swted-tmp" (a save's: up to five base-36 digits) or
// ".swted-lock.Ab12Cd.swted-tmp" (a lock file's).
bool IsTemporaryName(const QByteArray &name)
{
    if (!name.startsWith('.') || !name.endsWith(TemporarySuffix))
        return false;
    const QByteArray stem = name.left(name.size() - TemporarySuffix.size());
    const qsizetype dot = stem.lastIndexOf('.');
    const QByteArray tag = stem.mid(dot + 1);
    const bool lock = stem.left(dot) == QByteArrayLiteral(".swted-lock");
    if (dot <= 0 || tag.isEmpty() || tag.size() > (lock ? 6 : 5))
        return false;
    for (const char c : tag) {
        const bool digit = c >= '0' && c <= '9';
        const bool lower = c >= 'a' && c <= 'z';
        const bool upper = c >= 'A' && c <= 'Z';
        if (!(digit || lower || (lock && upper)))
            return false;
    }
    return true;
}

// Opens a new file beside the target under a name no other file has. The
// name is cut, as bytes, so that the temporary name stays within the longest
// name the folder takes.
int OpenTemporary(const QString &path, mode_t mode, FileOps &ops, QByteArray &temporary)
{
    const QByteArray directory = NativePath(DirectoryOf(path));
    const long longest = ::pathconf(directory.isEmpty() ? "." : directory.constData(), _PC_NAME_MAX);
    const qsizetype room = qMax<qsizetype>(1, (longest > 0 ? longest : 255) - TemporaryDecoration);
    const QByteArray name = NativePath(path).mid(directory.size()).left(room);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray suffix = QByteArray::number(QRandomGenerator::global()->generate() % 0x1000000u, 36);
        temporary = directory + '.' + name + '.' + suffix + TemporarySuffix;
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

int RemoveLeftoverTemporaries(const QString &folder)
{
    const QByteArray dir = NativePath(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR *d = ::opendir(dir.constData());
    if (!d)
        return 0;
    const int dfd = ::dirfd(d);
    int removed = 0;
    while (const dirent *e = ::readdir(d)) {
        if (!IsTemporaryName(QByteArray(e->d_name)))
            continue;
        struct stat st;
        if (::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)
            || st.st_uid != ::geteuid())
            continue;
        const bool older = st.st_mtim.tv_sec < RunStart.tv_sec
            || (st.st_mtim.tv_sec == RunStart.tv_sec && st.st_mtim.tv_nsec < RunStart.tv_nsec);
        if (!older)
            continue;
        // A save in progress holds its temporary file locked.
        const int fd = ::openat(dfd, e->d_name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlinkat(dfd, e->d_name, 0) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(d);
    return removed;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, const FileIdentity &identity,
                         QString *error, FileOps &ops)
{
    auto fail = [&](int code) {
        if (error)
            *error = ErrnoText(code);
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
    // Held until the rename, so that no cleanup takes the file as a leftover.
    ::flock(fd, LOCK_EX | LOCK_NB);

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
    // A second descriptor keeps the lock over the close, whose error counts.
    const int keeper = ::dup(fd);
    auto release = [keeper] {
        if (keeper >= 0)
            ::close(keeper);
    };
    if (ops.Close(fd) != 0) {
        const int code = errno;
        ops.Unlink(temporary.constData());
        release();
        return fail(code);
    }
    if (ops.Rename(temporary.constData(), NativePath(path).constData()) != 0) {
        const int code = errno;
        ops.Unlink(temporary.constData());
        release();
        return fail(code);
    }
    release();

    // The directory is not synced: the rename reaches the disk with the file
    // system's next commit, and a power cut before it brings back the old
    // file, whole; a sync per directory would double the time of a save.
    return true;
}

} // namespace swted
