#pragma once

#include <QString>
#include <functional>

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

// Before a file is read for editing: its lock file. A lock of another
// session that is not left over asks whether to open the file read-only,
// open it anyway, or cancel (false). True with no question when the file is
// free (the lock is then this editor's) or is not there.
bool ClaimFile(Editor &editor, const QString &path);
// The lock of the file being edited is given up: Close, another file, Save
// As to another name, the end.
void ReleaseFile(Editor &editor);

// When the window comes back: if the file on disk is no longer what was
// read or saved, and this version of it has not been reported yet, the
// user is told and chooses (as before a save) what to do. beforeAsking runs
// first, only when there is something to ask.
void ReviewDiskOnReturn(Editor &editor, const std::function<void()> &beforeAsking = {});

} // namespace swted
