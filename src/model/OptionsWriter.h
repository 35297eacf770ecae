#pragma once

#include "model/AtomicFile.h"
#include "model/OptionsDocument.h"
#include "model/SwitchStore.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace swted {

// Regenerates the head lines from the block keyword. Returns the name of the
// description file whose texts go after the values ("VEXA.DES" for the block
// layout, "TORVA.DES" for the switch table), or an empty text.
QString RebuildHeadLines(OptionsDocument &doc);

enum class DescriptionLoad {
    Loaded,
    MissingTailsEmpty,   // not found and there is no text at all to write after the values
    MissingTailsPresent, // not found; the tails as they are will do
};
// Fills LineTails[1..SwitchLineCount] from a description file in the program
// directory (its name matched without regard to case). A file shorter than
// the table leaves the tails of the lines it lacks as they were.
DescriptionLoad LoadDescriptionFile(OptionsDocument &doc, const QString &programDirectory, const QString &name);

// Rebuilds OutputSwitchLines from the store and the tails; does nothing when
// RebuildSwitchLines is false and no switch changed since the snapshot.
void BuildSwitchLines(OptionsDocument &doc, const SwitchStore &store, int count);

// Whether another options file of the same name stands beside path: a
// file NAME.X, X the extension of one of the types, NAME being path without
// its last extensionLength characters and the dot before them, both
// compared without regard to case.
bool SharesBackupName(const QString &path, int extensionLength, const QVector<FileType> &types);

// The backup name: the path without its extension (of the given length),
// then "BAK" after the dot, or ".BAK" when the cut leaves no dot. When
// another options file of the same name stands beside it (PLANT.OPT and
// PLANT.IDF), the whole name followed by ".BAK" (PLANT.OPT.BAK), so that no
// file's save replaces the backup of another.
QString BackupPathFor(const QString &path, int extensionLength, const QVector<FileType> &types = {});

struct WriteOutcome {
    bool ok = false;
    QString message;
    // The name may not be written at all (a link out of its folder, a FIFO,
    // a file the user may not write): another name may still do.
    bool refused = false;
    // Temporary files of interrupted saves removed from the file's folder.
    int leftoversRemoved = 0;
};

// Copies an existing file to its backup name, replacing an older backup
// atomically: the backup name holds the old backup or the new one, never a
// part. The backup gets the file's mode (and its owner and group, where the
// process may set them).
WriteOutcome MakeBackup(const QString &path, const QString &backupPath, FileOps &ops = FileOps::System());

// Reads the bytes of a save in memory as a file of the document's own type
// named path would be read, and compares the values with the store. Empty
// when every switch reads back to its value; otherwise why not.
std::optional<QString> CheckReadBack(const OptionsDocument &doc, const SwitchStore &store, const QString &path,
                                     const QByteArray &bytes);

// The lead, head, switch and trailer lines with CR LF: checked to read back
// to the store's values, then the backup (when the file exists), then the
// file itself, written atomically and checked on the disk, keeping its mode,
// owner and group. A path that is a symbolic link saves the file it leads
// to when that is in the link's folder; what ResolveSaveTarget refuses is
// refused (force: also a file the user may not write). On success the
// snapshot is taken, RebuildSwitchLines cleared and OnDisk holds what was
// written. On a failure nothing was overwritten, the snapshot stays, and the
// message names the file and the reason.
// The backup is named by BackupPathFor with the configured types.
WriteOutcome WriteOptionsFile(OptionsDocument &doc, SwitchStore &store, const QString &path,
                              FileOps &ops = FileOps::System(), bool force = false,
                              const QVector<FileType> &types = {});

// The lines a write produces, in order (used by the writer and the tests).
QStringList OutputLines(const OptionsDocument &doc);

// A line's tail as it is written after the value: its leading blanks gone.
QString WithoutLeadingBlanks(const QString &s);

} // namespace swted
