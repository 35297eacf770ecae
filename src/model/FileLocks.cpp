#include "model/FileLocks.h"

#include "model/FileSystem.h"
#include "model/TextFile.h"

#include <QCryptographicHash>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swted {

namespace {

const QByteArray LockPrefix = QByteArrayLiteral(".~lock.");
const QByteArray LockHeading = QByteArrayLiteral("swted-lock");


QString UserName()
{
    if (const passwd *pw = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(::geteuid());
}

QByteArray LockBytes(const LockOwner &owner)
{
    return LockHeading + "\nuser=" + owner.user.toUtf8() + "\nhost=" + owner.host.toUtf8()
        + "\npid=" + QByteArray::number(owner.pid) + "\nsince="
        + owner.since.toString(Qt::ISODate).toUtf8() + "\n";
}

} // namespace

QString LockFilePathFor(const QString &path)
{
    const QByteArray folder = NativePath(DirectoryOf(path));
    QByteArray name = NativePath(path).mid(folder.size());
    const long longest = ::pathconf(folder.isEmpty() ? "." : folder.constData(), _PC_NAME_MAX);
    const qsizetype room = (longest > 0 ? longest : 255) - LockPrefix.size() - 1;
    if (name.size() > room) {
        const QByteArray hash = QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(8);
        name = name.left(room - hash.size() - 1) + '~' + hash;
    }
    return PathFromNative(folder + LockPrefix + name + '#');
}

LockOwner ThisSession()
{
    return LockOwner{UserName(), QSysInfo::machineHostName(), static_cast<qint64>(::getpid()),
                     QDateTime::currentDateTimeUtc()};
}

std::optional<LockOwner> ReadEditLock(const QString &path)
{
    QByteArray bytes;
    // A lock is a few lines: a name that leads to anything larger is none.
    if (!ReadRegularFile(LockFilePathFor(path), bytes, nullptr, 4096))
        return std::nullopt;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.front() != LockHeading)
        return std::nullopt;
    LockOwner owner;
    for (const QByteArray &line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq);
        const QString value = QString::fromUtf8(line.mid(eq + 1));
        if (key == "user")
            owner.user = value;
        else if (key == "host")
            owner.host = value;
        else if (key == "pid")
            owner.pid = value.toLongLong();
        else if (key == "since")
            owner.since = QDateTime::fromString(value, Qt::ISODate);
    }
    return owner;
}

LockState StateOf(const LockOwner &owner, const QDateTime &now)
{
    if (owner.host == QSysInfo::machineHostName()) {
        if (owner.pid == static_cast<qint64>(::getpid()))
            return LockState::Mine;
        // A process that is gone (or a number no process could have) left
        // the lock behind.
        if (owner.pid <= 0 || owner.pid > INT_MAX
            || (::kill(static_cast<pid_t>(owner.pid), 0) != 0 && errno == ESRCH))
            return LockState::Gone;
        return LockState::Live;
    }
    if (owner.since.isValid() && owner.since.secsTo(now) > 24 * 60 * 60)
        return LockState::Old;
    return LockState::Live;
}

std::optional<HeldEditLock> OtherSessionsEditLock(const QString &path)
{
    auto held = [](const QString &name) -> std::optional<HeldEditLock> {
        const std::optional<LockOwner> owner = ReadEditLock(name);
        if (!owner)
            return std::nullopt;
        const LockState state = StateOf(*owner);
        if (state != LockState::Live && state != LockState::Old)
            return std::nullopt;
        return HeldEditLock{name, *owner, state};
    };
    if (std::optional<HeldEditLock> own = held(path))
        return own;
    struct stat file;
    if (::stat(NativePath(path).constData(), &file) != 0 || !S_ISREG(file.st_mode))
        return std::nullopt;

    // The folder's lock files first (mostly none); only then the names they
    // may stand for.
    const QString folder = DirectoryOf(path);
    const QByteArray nativeFolder = NativePath(folder);
    DIR *d = ::opendir(nativeFolder.isEmpty() ? "." : nativeFolder.constData());
    if (!d)
        return std::nullopt;
    QList<QByteArray> locks;
    QList<QByteArray> names;
    while (const dirent *e = ::readdir(d)) {
        const QByteArray name(e->d_name);
        if (name.startsWith(LockPrefix) && name.endsWith('#'))
            locks.append(name);
        else if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(d);
    const QByteArray ownLock = NativePath(LockFilePathFor(path)).mid(nativeFolder.size());
    for (const QByteArray &lock : locks) {
        if (lock == ownLock)
            continue;
        // The name itself, or for a long name cut to fit (".~lock.NAME~HASH#")
        // the names that start with the part kept.
        const QByteArray stem = lock.mid(LockPrefix.size(), lock.size() - LockPrefix.size() - 1);
        const qsizetype cut = stem.lastIndexOf('~');
        for (const QByteArray &name : names) {
            if (name != stem && (cut <= 0 || !name.startsWith(stem.left(cut))))
                continue;
            const QString other = PathFromNative(nativeFolder + name);
            struct stat st;
            if (NativePath(LockFilePathFor(other)).mid(nativeFolder.size()) != lock
                || ::stat(NativePath(other).constData(), &st) != 0 || st.st_dev != file.st_dev
                || st.st_ino != file.st_ino)
                continue;
            if (std::optional<HeldEditLock> lockOfOther = held(other))
                return lockOfOther;
        }
    }
    return std::nullopt;
}

bool TakeEditLock(const QString &path, bool replace, QString *error)
{
    const QByteArray lock = NativePath(LockFilePathFor(path));
    const QByteArray folder = NativePath(DirectoryOf(path));
    // Written whole under a name of its own first, then put in place at
    // once: a reader sees no lock or the whole of it.
    QByteArray temporary = folder + ".swted-lock.XXXXXX.swted-tmp";
    const int fd = ::mkstemps(temporary.data(), 10);
    if (fd < 0) {
        if (error)
            *error = ErrnoText(errno);
        return false;
    }
    const QByteArray bytes = LockBytes(ThisSession());
    ::fchmod(fd, 0644);
    const bool written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
    const int writeError = errno;
    ::close(fd);
    if (!written) {
        ::unlink(temporary.constData());
        if (error)
            *error = ErrnoText(writeError);
        return false;
    }
    // link() fails when the lock is there already, so two sessions never
    // both take a free lock; rename() replaces one.
    const int result = replace ? ::rename(temporary.constData(), lock.constData())
                               : ::link(temporary.constData(), lock.constData());
    const int code = errno;
    ::unlink(temporary.constData());
    if (result != 0 && error)
        *error = ErrnoText(code);
    return result == 0;
}

void DropEditLock(const QString &path)
{
    const std::optional<LockOwner> owner = ReadEditLock(path);
    if (owner && StateOf(*owner) == LockState::Mine)
        ::unlink(NativePath(LockFilePathFor(path)).constData());
}

bool UpdateLock::Acquire(const QString &path, int timeoutMs, QString *error)
{
    Release();
    const QByteArray native = NativePath(path);
    int waited = 0;
    for (;;) {
        // Only a regular file is opened: opening a device may act on it.
        struct stat kind;
        if (::stat(native.constData(), &kind) != 0 || !S_ISREG(kind.st_mode))
            return true; // no file to lock: the save itself says what is wrong
        const int f = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (f < 0)
            return true; // no file to lock: the save itself says what is wrong
        struct stat held;
        if (::fstat(f, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(f);
            return true;
        }
        bool locked = false;
        for (;;) {
            if (::flock(f, LOCK_EX | LOCK_NB) == 0) {
                locked = true;
                break;
            }
            if (errno != EWOULDBLOCK && errno != EINTR) {
                // A file system without such locks: they are advisory anyway.
                ::close(f);
                return true;
            }
            if (waited >= timeoutMs) {
                ::close(f);
                if (error)
                    *error = QStringLiteral("another program is saving it at this moment");
                return false;
            }
            QThread::msleep(10);
            waited += 10;
        }
        // The lock counts only on the file the name leads to now: a save
        // that finished while this one waited has put a new file there.
        struct stat now;
        if (locked && ::stat(native.constData(), &now) == 0 && now.st_dev == held.st_dev
            && now.st_ino == held.st_ino) {
            fd = f;
            lockedPath = path;
            return true;
        }
        ::close(f);
    }
}

void UpdateLock::Release()
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    lockedPath.clear();
}

} // namespace swted
