#pragma once

#include "fonts/FontFiles.h"
#include "fonts/FontTables.h"
#include "shell/Prompts.h"

#include <QString>

namespace swted {

// The title some font messages carry: the file name of the running program
// without its directory and extension.
QString ExecutableName();

namespace msg {

// The options file being edited is gone when a font page is set up (fatal).
Message OptionsFileMissing(FontGroup group, const QString &optionsPath);
// An OPT "-152 " record without "/" or ".FIF" (fatal).
Message FontPathNotSet();
// What to correct when the named font information file is missing, by the
// options file's type (its last three characters, any case).
QString FontFileAdvice(const QString &optionsType);
// A font information file is named but not there (fatal).
Message FontFileMissing(const QString &writtenPath, const QString &optionsType);
// The switch holds a font number the file does not list; the number is
// cleared and editing goes on.
Message FontNumberNotInFile(int fontNumber, const QString &writtenPath);
// The font information file went missing between the look-up and the
// reading (fatal).
Message FontFileVanished(const QString &writtenPath, const QString &executableName);
// The font information file could not be read (fatal).
Message FontFileReadError(const FontFileError &error, const QString &executableName);
// The check box was ticked for a font number the file does not list; the
// first entry is used. The title depends on the page.
Message FontNumberUnavailable(FontGroup group, int fontNumber, const QString &executableName);
// The font list file or the IDF options file could not be read (fatal).
Message FontPathReadError(const FontFileError &error);
// Any other failure while a font page is set up (fatal).
Message FontSetUpError(const FontFileError &error, const QString &executableName);

} // namespace msg
} // namespace swted
