#pragma once

#include "model/AtomicFile.h"
#include "model/FileLocks.h"
#include "model/OptionsDocument.h"
#include "model/SwitchStore.h"
#include "pages/Corrections.h"
#include "pages/EditHistory.h"
#include "pages/UserFontGroup.h"
#include "shell/EditorConfiguration.h"
#include "shell/RecentFiles.h"

#include <QString>
#include <functional>

namespace swted {

class Prompts;

// The file being edited as others see it too: the lock this editor holds on
// it, whether it is open read-only, and what has been said about it.
struct SharedFileState {
    QString lockedPath;      // the file whose lock file this editor wrote
    bool readOnly = false;   // another session holds it; saving asks for a new name
    bool hardLinksTold = false;
    // The version on disk last reported when the window came back.
    DiskStamp toldOnReturn;
    bool toldGone = false;
};

// Everything the program works on, owned in one place: the switch store,
// the configuration, the file being edited. Windows and commands receive it
// by reference; each test builds a fresh one.
class Editor {
public:
    explicit Editor(Prompts &prompts) : prompts(prompts) {}
    // The lock of the file being edited goes with the editor.
    ~Editor();
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    Prompts &prompts;
    SwitchStore store;
    EditorConfiguration config;
    OptionsDocument file;
    // What the user did to the switch store, for undo and redo.
    EditHistory history;
    // The user fonts of the file being edited, shared by the two pages
    // with a font group.
    UserFontSession fonts;
    // The program's directory with its trailing separator: Swted.ini and the
    // description files are found there.
    QString ProgramDirectory;
    // File > Recent Files: in memory unless the program points it at the
    // user's settings.
    RecentFiles recentFiles;
    // The system calls saves go through; tests put in ones that fail.
    FileOps *fileOps = &FileOps::System();
    SharedFileState shared;
    // Held around a read-modify-write of the file (by the command-line tool
    // from its read to its save, by the editor for the time of a save).
    UpdateLock update;
    // The command-line tool: its messages speak of the command line; with
    // force it writes files the user may not write.
    bool commandLine = false;
    bool force = false;
    // Temporary files of interrupted saves that saves have removed.
    int leftoversRemoved = 0;
    // Reads the file again in place of the edits (the window also shows it
    // again); false when the read fails. Without it the file is read into
    // the store.
    std::function<bool()> reload;

    // What the pages store differently from the file as it was opened,
    // said when it opened. A save writes them all, whether or not their
    // pages were shown, so that what is saved never depends on the pages
    // visited.
    QVector<Correction> corrections;
    // The corrections no page has made yet: the switch still holds the
    // file's value.
    QVector<Correction> PendingCorrections() const;
    // Makes them in the store, before a save.
    void ApplyPendingCorrections();
    // Edits, or corrections that a save would write.
    bool HasUnsavedChanges() const { return store.HasUnsavedChanges() || !PendingCorrections().isEmpty(); }

    // The font session, pointed at the file being edited.
    UserFontSession &Fonts()
    {
        fonts.optionsPath = file.CurrentFilePath;
        fonts.optionsFolder = file.CurrentFileDirectory;
        return fonts;
    }
};

} // namespace swted
