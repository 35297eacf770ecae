#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace swted {

// The lock file an editor keeps beside the file it edits (".~lock.JOB.OPL#"),
// so that a second session, another user's or the command-line tool, knows
// the file is being edited, by whom and since when.
struct LockOwner {
    QString user;
    QString host;
    qint64 pid = 0;
    QDateTime since; // UTC
};

// The lock file's name beside path; a name too long for the folder is cut
// and ends in a hash of the whole name, the same in every session.
QString LockFilePathFor(const QString &path);
// This process as a lock owner, since now.
LockOwner ThisSession();
// The owner named in path's lock file, if there is one that reads.
std::optional<LockOwner> ReadEditLock(const QString &path);

enum class LockState {
    Live,     // another session holds it
    Mine,     // this process holds it
    Gone,     // its process has ended on this host: left over
    Old,      // another host's, more than a day old: probably left over
};
LockState StateOf(const LockOwner &owner, const QDateTime &now = QDateTime::currentDateTimeUtc());

// A lock that another session holds (Live or Old) on the file at path under
// any of its names in its folder: path's own, or the lock of a symbolic link
// or another hard link beside it that leads to the same file (an editor
// locks the name it opened). path is the locked name.
struct HeldEditLock {
    QString path;
    LockOwner owner;
    LockState state = LockState::Live;
};
std::optional<HeldEditLock> OtherSessionsEditLock(const QString &path);

// Writes this session's lock for path, all at once (never a half lock). With
// replace it takes the place of a lock that is there; without, a lock that
// is there stays and the result is false. False with the reason when the
// lock cannot be written.
bool TakeEditLock(const QString &path, bool replace, QString *error = nullptr);
// Removes path's lock file when it is this session's.
void DropEditLock(const QString &path);

// An exclusive advisory lock (flock) on an existing file for the time of a
// read-modify-write, so that two saves of one file never interleave. A save
// replaces the file by another, so the lock is taken again until it is held
// on the file the name leads to now.
class UpdateLock {
public:
    UpdateLock() = default;
    ~UpdateLock() { Release(); }
    UpdateLock(const UpdateLock &) = delete;
    UpdateLock &operator=(const UpdateLock &) = delete;

    // Waits up to timeoutMs for the lock. True when held, or when there is
    // no file to lock (a new file); false with the reason otherwise.
    bool Acquire(const QString &path, int timeoutMs, QString *error = nullptr);
    void Release();
    bool Holds(const QString &path) const { return fd >= 0 && path == lockedPath; }

private:
    int fd = -1;
    QString lockedPath;
};

} // namespace swted
