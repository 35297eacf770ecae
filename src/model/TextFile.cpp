#include "model/TextFile.h"

#include "model/FileSystem.h"

#include <QDir>

namespace swted {

QStringList SplitLines(const QByteArray &bytes)
{
    QStringList lines;
    const char *data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(QString::fromLatin1(data + start, i - start));
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(QString::fromLatin1(data + start, size - start));
    return lines;
}

bool ReadTextLines(const QString &path, QStringList &lines, QString *error)
{
    QByteArray bytes;
    if (!ReadRegularFile(path, bytes, error))
        return false;
    lines = SplitLines(bytes);
    return true;
}

QByteArray JoinLinesCrLf(const QStringList &lines)
{
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 2;
    QByteArray out(total, Qt::Uninitialized);
    char *p = out.data();
    for (const QString &line : lines) {
        // Every character is a Latin-1 one (files are read that way), so the
        // low byte is the byte read.
        for (QChar c : line)
            *p++ = static_cast<char>(c.unicode() <= 0xFF ? c.unicode() : '?');
        *p++ = '\r';
        *p++ = '\n';
    }
    return out;
}

int LastSeparator(const QString &path)
{
    return static_cast<int>(qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))));
}

QString FileNameOf(const QString &path)
{
    return path.mid(LastSeparator(path) + 1).toUpper();
}

QString ExtensionOf(const QString &path)
{
    const QString name = FileNameOf(path);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString DirectoryOf(const QString &path)
{
    return path.left(LastSeparator(path) + 1);
}

QString WithTrailingSeparator(const QString &directory)
{
    if (directory.endsWith(QLatin1Char('/')) || directory.endsWith(QLatin1Char('\\')))
        return directory;
    return directory + QDir::separator();
}

QString FindFileNoCase(const QString &directory, const QString &name)
{
    const QString dir = WithTrailingSeparator(directory.isEmpty() ? QStringLiteral(".") : directory);
    // Regular files only: a FIFO or a device of the name is never read.
    if (IsRegularFile(dir + name))
        return dir + name;
    const QStringList entries = FolderEntries(dir, true);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir + entry;
    }
    return QString();
}

} // namespace swted
