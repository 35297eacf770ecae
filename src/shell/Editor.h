#pragma once

#include "model/AtomicFile.h"
#include "model/OptionsDocument.h"
#include "model/SwitchStore.h"
#include "pages/EditHistory.h"
#include "pages/UserFontGroup.h"
#include "shell/EditorConfiguration.h"
#include "shell/RecentFiles.h"

#include <QString>

namespace swted {

class Prompts;

// Everything the program works on, owned in one place: the switch store,
// the configuration, the file being edited. Windows and commands receive it
// by reference; each test builds a fresh one.
class Editor {
public:
    explicit Editor(Prompts &prompts) : prompts(prompts) {}

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

    // The font session, pointed at the file being edited.
    UserFontSession &Fonts()
    {
        fonts.optionsPath = file.CurrentFilePath;
        fonts.optionsFolder = file.CurrentFileDirectory;
        return fonts;
    }
};

} // namespace swted
