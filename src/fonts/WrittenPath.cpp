#include "fonts/WrittenPath.h"

#include "model/FileSystem.h"

#include <QDir>
#include <QStringList>

namespace swted {

namespace {

bool HasDriveLetter(const QString &path)
{
    return path.size() >= 2 && path[1] == QLatin1Char(':') && path[0].unicode() < 128 && path[0].isLetter();
}

// The entry of `dir` named `name`, exactly or else ignoring case; empty when
// there is none.
QString MatchEntry(const QString &dir, const QString &name)
{
    const QString exact = dir + QLatin1Char('/') + name;
    if (PathExists(exact))
        return exact;
    const QStringList entries = FolderEntries(dir.isEmpty() ? QStringLiteral("/") : dir, false);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir + QLatin1Char('/') + entry;
    }
    return QString();
}

// Walks the names from `start` (empty: the root), matching each without
// regard to case.
QString WalkNoCase(const QString &start, const QStringList &names)
{
    if (names.isEmpty())
        return QString();
    QString current = start;
    for (const QString &name : names) {
        if (name == QLatin1String("."))
            continue;
        if (name == QLatin1String("..")) {
            current += QStringLiteral("/..");
            continue;
        }
        current = MatchEntry(current, name);
        if (current.isEmpty())
            return QString();
    }
    return IsRegularFile(current) ? QDir::cleanPath(current) : QString();
}

QString FolderOrCurrent(const QString &folder)
{
    if (folder.isEmpty())
        return QStringLiteral(".");
    QString f = folder;
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    return f;
}

} // namespace

QString ResolveWrittenPath(const QString &written, const QString &folder)
{
    if (written.trimmed().isEmpty())
        return QString();
    const QString base = FolderOrCurrent(folder);

    const QString asWritten = QDir::isAbsolutePath(written) ? written : base + QLatin1Char('/') + written;
    if (IsRegularFile(asWritten))
        return asWritten;

    QString path = written;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool drive = HasDriveLetter(path);
    if (drive)
        path.remove(0, 2);
    const bool rooted = drive || path.startsWith(QLatin1Char('/'));
    const QStringList names = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString found = WalkNoCase(base, names);
    if (found.isEmpty() && rooted)
        found = WalkNoCase(QString(), names);
    return found;
}

} // namespace swted
