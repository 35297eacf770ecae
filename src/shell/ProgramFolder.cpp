#include "shell/ProgramFolder.h"

#include "model/TextFile.h"
#include "shell/EditorConfiguration.h"

#include <QDir>

#ifndef SWTED_DATA_FROM_BIN
#define SWTED_DATA_FROM_BIN "../share/swted"
#endif

namespace swted {

QString InstalledDataFolder(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QLatin1Char('/') + QStringLiteral(SWTED_DATA_FROM_BIN));
}

QStringList ProgramFolderPlaces(const QString &namedFolder, const QString &executableFolder, const QString &siteFolder)
{
    if (!namedFolder.isEmpty())
        return {namedFolder};
    QStringList places{executableFolder};
    for (const QString &p : {siteFolder, InstalledDataFolder(executableFolder)}) {
        if (!places.contains(p))
            places << p;
    }
    return places;
}

QString FindProgramFolder(const QStringList &places)
{
    for (const QString &place : places) {
        if (!FindFileNoCase(place, ConfigurationFileName).isEmpty())
            return place;
    }
    return QString();
}

QString ProgramFolderHelp(const QString &executableFolder)
{
    const QStringList places = ProgramFolderPlaces(QString(), executableFolder);
    QString text = QStringLiteral("Swted.ini, TORVA.DES and VEXA.DES are read from the folder named by\n"
                                  "SWTED_PROGRAM_DIR when it is set; otherwise from the first of these\n"
                                  "that holds Swted.ini:\n");
    for (const QString &place : places)
        text += QStringLiteral("  ") + place + QLatin1Char('\n');
    return text;
}

QString VersionNumber()
{
    return QStringLiteral("%1.%2.%3").arg(SWTED_VERSION_MAJOR).arg(SWTED_VERSION_MINOR).arg(SWTED_VERSION_PATCH);
}

} // namespace swted
