#pragma once

#include <QString>
#include <QStringList>

namespace swted {

// The folder of Swted.ini and the description files. A folder the user
// names (--program-dir of the command-line tool, or SWTED_PROGRAM_DIR) is
// the only place looked in; otherwise, in this order: beside the executable
// (a portable copy), the administrator's site folder /etc/swted, and the
// installed share/swted beside the executable's bin folder.
QStringList ProgramFolderPlaces(const QString &namedFolder, const QString &executableFolder,
                                const QString &siteFolder = QStringLiteral("/etc/swted"));

// The first place that holds Swted.ini (its name matched without regard to
// case), or an empty text when none does.
QString FindProgramFolder(const QStringList &places);

// The executable's folder for the installed share/swted: set by the build
// from the install layout ("../share/swted").
QString InstalledDataFolder(const QString &executableFolder);

// The lookup order in words, with this executable's own folders, for the
// help texts: "SWTED_PROGRAM_DIR when set, otherwise ...".
QString ProgramFolderHelp(const QString &executableFolder);

// The release, as "1.0.0".
QString VersionNumber();

} // namespace swted
