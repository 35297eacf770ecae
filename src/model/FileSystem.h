#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace swted {

// File names are bytes. A name is held as a QString that maps back to the
// very bytes it came from: valid UTF-8 as its characters, every byte that is
// not part of valid UTF-8 as the lone surrogate U+DC00 + byte (so
// "JOB\xff.OPT" and "JOB\xef\xbf\xbd.OPT" stay two names). Every call into the
// file system goes through NativePath.
QByteArray NativePath(const QString &path);
QString PathFromNative(const QByteArray &bytes);
// The program's arguments, each decoded as a file name.
QStringList ArgumentsFromNative(int argc, char **argv);
// A text as it is shown: a byte that is not UTF-8 as \xHH, and so is each
// byte of a control character other than tab and the line breaks (an escape
// in a name or a lock file would act on the terminal it is printed to).
QString Printable(const QString &text);

// The system's text for an errno value ("No space left on device").
QString ErrnoText(int error);

// What a read saw of a file: its size and a hash of its bytes, to tell later
// whether someone else has changed it.
struct DiskStamp {
    bool known = false; // false: nothing was read (no file yet)
    qint64 size = 0;
    QByteArray hash;
};
DiskStamp StampOf(const QByteArray &bytes);

// Reads the whole of a regular file. Any other kind (a FIFO, a device, a
// folder) is refused at once, without blocking and without being opened;
// so is a file larger than limit bytes (when limit >= 0). The reason is given.
bool ReadRegularFile(const QString &path, QByteArray &bytes, QString *error = nullptr, qint64 limit = -1);

// The name exists (a dangling link counts).
bool PathExists(const QString &path);
// The name leads to a regular file.
bool IsRegularFile(const QString &path);
// What a name is, when it is not a regular file: "a folder", "a FIFO
// (named pipe)", "a device", ...; empty for a regular file or no file.
QString SpecialKindOf(const QString &path);

// The names in a folder (without "." and ".."); with regularOnly, only the
// names that lead to regular files.
QStringList FolderEntries(const QString &folder, bool regularOnly);

// Whether the file on disk still holds what was read.
enum class DiskState { Unchanged, Changed, Gone };
DiskState CompareWithDisk(const QString &path, const DiskStamp &stamp);

// The number of names (hard links) of a regular file; 0 when there is none.
int LinkCountOf(const QString &path);

} // namespace swted
