#pragma once

#include "model/OptionsDocument.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace swted {

class Prompts;

// What Swted.ini says: the options file types, the filter of the file
// dialogs built from them, and whether the generator is the T-KOR program.
struct EditorConfiguration {
    QVector<FileType> FileTypes;
    QString OpenFilter = QStringLiteral("All Files (*.*)|*.*");
    bool RunTypeRestricted = false;
};

// The filter of the Open and Save As dialogs: first "All options files"
// with every configured extension ("*.OPT *.OPL ...", each once, in the
// order of the types), then the configured filter as it is. Without types,
// the configured filter alone.
QString DialogFilter(const EditorConfiguration &config);

inline const QString ConfigurationFileName = QStringLiteral("Swted.ini");

// Tabs to blanks, leading and trailing blanks removed, upper case.
QString NormaliseIniValue(const QString &value);

struct ConfigurationOutcome {
    enum Kind { Ok, Missing, SyntaxError } kind = Ok;
    QString message;
};

// Parses the lines of a configuration file.
ConfigurationOutcome ParseEditorConfiguration(const QStringList &lines, EditorConfiguration &config);

// Reads Swted.ini from the program directory (its name matched without
// regard to case) and parses it.
ConfigurationOutcome LoadEditorConfiguration(const QString &programDirectory, EditorConfiguration &config);

// Loads the configuration; on a missing or malformed file shows the message
// and asks for the end of the program (status 3), returning false.
bool ReadEditorConfiguration(const QString &programDirectory, EditorConfiguration &config, Prompts &prompts);

// Loads the configuration from the first of the places that holds it
// (ProgramFolderPlaces) and sets programDirectory to that place, with its
// trailing separator. When none does, the message names every place looked
// in and the program is asked to end (status 3).
bool FindEditorConfiguration(const QStringList &places, QString &programDirectory, EditorConfiguration &config,
                             Prompts &prompts);

} // namespace swted
