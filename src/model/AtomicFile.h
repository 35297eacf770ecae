#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <sys/types.h>

namespace swted {

// The system calls a save makes, one virtual function each, so that a test
// can make any of them fail (a write that stops at byte N, a rename that is
// refused) and see that nothing is lost. Each returns what the system call
// returns and leaves the reason in errno.
class FileOps {
public:
    virtual ~FileOps() = default;
    virtual int Open(const char *path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const char *data, size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char *from, const char *to);
    virtual int Unlink(const char *path);
    virtual int ChangeMode(int fd, mode_t mode);
    virtual int ChangeOwner(int fd, uid_t uid, gid_t gid);

    // The real system calls.
    static FileOps &System();
};

// What a saved file keeps of the file it replaces: its permission bits and,
// where the process may set them, its owner and group.
struct FileIdentity {
    bool exists = false;
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
};

// The identity of an existing file (exists is false when there is none).
FileIdentity IdentityOf(const QString &path);

// The file a save of path replaces, or why the save is refused. A symbolic
// link stands for the file it leads to (so the link stays a link), but only
// when that file is in the link's own folder: a link that leads out of the
// folder, or to nothing, is refused, as is anything but a regular file (a
// FIFO, a device, a folder) and, unless forced, a file the user may not
// write (for root: a file no one may write).
struct SaveTarget {
    QString path;
    QString refusal; // empty when the save may go on
    bool exists = false;
};
SaveTarget ResolveSaveTarget(const QString &path, bool force = false);

// Removes the temporary files of earlier, interrupted saves from a folder:
// only names of the form a save gives them, owned by this user, regular
// files last changed before this run began, and not open for writing by a
// save in progress. Returns how many were removed.
int RemoveLeftoverTemporaries(const QString &folder);

// Writes the bytes as the whole content of path, so that at every moment the
// path holds either its old content or the new one, never a part:
// a temporary file beside it takes every byte, is flushed to the disk and
// checked, gets the given identity (a new file gets the default mode), and
// only then is renamed over path. The temporary name fits the file system's
// longest name, however long path's name is, and is held locked until the
// rename, so that a cleanup by another save never takes it. On any failure
// the temporary file is removed, path is untouched, and the reason is given.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, const FileIdentity &identity,
                         QString *error, FileOps &ops = FileOps::System());

} // namespace swted
