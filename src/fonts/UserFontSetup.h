#pragma once

#include "fonts/FontMessages.h"
#include "fonts/FontTables.h"
#include "shell/Prompts.h"

#include <QString>
#include <optional>

namespace swted {

// How the files of a font page's set-up were found and read.
struct UserFontFiles {
    enum class Outcome {
        // HDR and DEF options files: the group stays as the page built it.
        Untouched,
        // No font information file is named: the group shows "User Fonts
        // Absent" and the font number of the switch is cleared.
        FontsAbsent,
        // The font information file was read into the tables.
        Loaded,
        // `message` is shown; then the caller asks about unsaved edits,
        // closes the pages and the main window and ends the program.
        FatalStop,
    };
    Outcome outcome = Outcome::Untouched;
    // The font information file as the options file or font list file
    // writes it (messages show this), and where it was found here.
    QString writtenPath;
    QString resolvedPath;
    std::optional<Message> message;
};

// Finds the font information file of the options file and reads it into the
// tables. The options file's type is the last three characters of its path:
// OPL and OPS name the file in Karven.fls in their folder, OPT in their first
// "-152 " line, IDF in their "-152 " record; HDR and DEF have none. Sets
// UserFontPathSet when a path was found (and clears it first). When no font
// information file is read for this options file the tables are emptied, so
// fonts read for another options file are never offered or matched.
UserFontFiles SetUpUserFontFiles(FontGroup group, const QString &optionsPath, const QString &optionsFolder,
                                 FontTables &tables, const QString &executableName = ExecutableName());

// What the group shows once the fonts are loaded, for the font number the
// switch holds.
struct FontChoiceAtSetUp {
    enum class Kind {
        // 0: check box unticked, "Font Not Set" selected, list disabled.
        FontNotSet,
        // Listed: its description selected, check box ticked.
        FontFound,
        // Not listed: check box unticked, list disabled, `message` shown,
        // the font number cleared.
        FontNotInFile,
    };
    Kind kind = Kind::FontNotSet;
    int entry = -1; // the entry of the tables for FontFound
    std::optional<Message> message;
};
FontChoiceAtSetUp ChooseFontAtSetUp(const FontTables &tables, int fontNumber, const QString &writtenPath);

} // namespace swted
