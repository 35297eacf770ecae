#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>

class QSettings;

namespace swted {

// The files last opened or saved, most recent first, each once (paths
// compared as absolute, cleaned paths), at most Limit of them. Until it is
// given a place to keep them the list lives in memory only, so tools and
// tests that drive the window leave the user's list alone.
class RecentFiles {
public:
    static constexpr int Limit = 8;
    static const QString Key;

    RecentFiles();
    ~RecentFiles();
    RecentFiles(const RecentFiles &) = delete;
    RecentFiles &operator=(const RecentFiles &) = delete;

    // The user's own settings (on Linux ~/.config/Swted/Swted.conf), never
    // the program folder.
    void KeepInUserSettings();
    // A settings file of its own (INI format), for tests.
    void KeepInFile(const QString &settingsFile);
    // Where the list is kept; empty while it is in memory only.
    QString StorePath() const;

    QStringList Paths() const;
    // Puts the file first, dropping an earlier entry of it and the oldest
    // beyond Limit.
    void Add(const QString &path);
    void Remove(const QString &path);

    // The form paths are compared in.
    static QString Normalised(const QString &path);

    // Besides the list, what the window remembers from one run to the next
    // in the same place (the size of its pages); a null value when unknown.
    QVariant Remembered(const QString &key) const;
    void Remember(const QString &key, const QVariant &value);

private:
    void Store(const QStringList &paths);

    std::unique_ptr<QSettings> settings;
    QStringList memory;
    QVariantMap rememberedInMemory;
};

} // namespace swted
