#pragma once

#include <QString>

namespace swted {

class Editor;

// Sets the current path (and its directory) of the file to be read.
void SetCurrentFile(Editor &editor, const QString &path);

// Reads the current file, showing the reader's message when it fails. The
// hourglass is shown while it reads.
bool ReadOptionsFile(Editor &editor);

// The Save command: head lines regenerated, switch lines rebuilt, backup,
// write. False (after a message naming the file and the reason) when the
// file could not be written; the edits stay in the store.
bool SaveOptionsFile(Editor &editor);

enum class SaveAsResult { Saved, Cancelled, Failed };
// The Save As command with its dialog loop, conversion and overwrite
// questions.
SaveAsResult SaveOptionsFileAs(Editor &editor);

// Backup and write of the current lines to a path, with the failure message.
bool WriteOptionsFile(Editor &editor, const QString &path);

// Asks whether to save unsaved changes: true to go on. A Yes whose save
// fails answers false, so nothing is lost.
bool QuerySaveChanges(Editor &editor);

} // namespace swted
