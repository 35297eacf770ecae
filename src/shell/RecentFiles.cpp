#include "shell/RecentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace swted {

namespace {

// Each path once, in its compared form, at most Limit; a list edited by hand
// is put right on reading.
QStringList Cleaned(const QStringList &paths)
{
    QStringList out;
    for (const QString &path : paths) {
        if (path.trimmed().isEmpty())
            continue;
        const QString p = RecentFiles::Normalised(path);
        if (!out.contains(p))
            out.append(p);
        if (out.size() == RecentFiles::Limit)
            break;
    }
    return out;
}

} // namespace

const QString RecentFiles::Key = QStringLiteral("RecentFiles");

RecentFiles::RecentFiles() = default;
RecentFiles::~RecentFiles() = default;

void RecentFiles::KeepInUserSettings()
{
    settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Swted"),
                                           QStringLiteral("Swted"));
}

void RecentFiles::KeepInFile(const QString &settingsFile)
{
    settings = std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

QString RecentFiles::StorePath() const
{
    return settings ? settings->fileName() : QString();
}

QString RecentFiles::Normalised(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QStringList RecentFiles::Paths() const
{
    if (!settings)
        return memory;
    // Read afresh: another window of the editor may have changed the list.
    settings->sync();
    return Cleaned(settings->value(Key).toStringList());
}

void RecentFiles::Add(const QString &path)
{
    if (path.isEmpty())
        return;
    QStringList paths = Paths();
    const QString p = Normalised(path);
    paths.removeAll(p);
    paths.prepend(p);
    Store(Cleaned(paths));
}

void RecentFiles::Remove(const QString &path)
{
    QStringList paths = Paths();
    if (paths.removeAll(Normalised(path)) > 0)
        Store(paths);
}

void RecentFiles::Store(const QStringList &paths)
{
    if (!settings) {
        memory = paths;
        return;
    }
    // A settings file that cannot be written only costs the list: nothing
    // the user edits is at stake, so it is not reported.
    settings->setValue(Key, paths);
    settings->sync();
}

QVariant RecentFiles::Remembered(const QString &key) const
{
    return settings ? settings->value(key) : rememberedInMemory.value(key);
}

void RecentFiles::Remember(const QString &key, const QVariant &value)
{
    if (!settings) {
        rememberedInMemory.insert(key, value);
        return;
    }
    settings->setValue(key, value);
    settings->sync();
}

} // namespace swted
