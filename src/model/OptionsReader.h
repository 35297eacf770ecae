#pragma once

#include "model/OptionsDocument.h"
#include "model/SwitchStore.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace swted {

// Looks the extension up in the type list (without regard to case; the last
// matching row wins) and sets the document's format parameters from it.
// Returns false, changing nothing, when no row matches.
bool SelectFileType(OptionsDocument &doc, const QVector<FileType> &types, const QString &extension);

struct ReadOutcome {
    bool ok = false;
    QString message; // what went wrong, for a message box; empty on success
};

// Reads doc.CurrentFilePath into the store and the document's line lists.
// The document and the store change only when the whole file reads; the
// snapshot is taken in every case, so a failed read leaves no unsaved
// changes behind.
ReadOutcome ReadOptionsFile(OptionsDocument &doc, SwitchStore &store, const QVector<FileType> &types);

// The same, from lines already in memory (the path is only used in messages).
ReadOutcome ReadOptionsLines(OptionsDocument &doc, SwitchStore &store, const QVector<FileType> &types,
                             const QStringList &lines);

// For one value per line: the 1-based column where the value of the first
// switch line ends, but never below 13.
int MeasureValueEndColumn(const QString &firstSwitchLine);

} // namespace swted
