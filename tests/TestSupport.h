#pragma once

#include "model/OptionsDocument.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVector>

namespace swted::test {

// The types of the bundled configuration, in its order.
inline QVector<FileType> StandardTypes()
{
    return {
        {QStringLiteral("OPT"), QStringLiteral("KARVEN OPTIONS FILE"), 0, QStringLiteral("KARVEN_OPTIONS_BLOCK"), 2, 14},
        {QStringLiteral("OPL"), QStringLiteral("OPTION SWITCH LIST"), 0, QStringLiteral("SWITCH"), 3, 1},
        {QStringLiteral("OPS"), QStringLiteral("OPTION SWITCH TABLE"), 0, QStringLiteral("SWITCH"), 3, 1},
        {QStringLiteral("HDR"), QStringLiteral("DRAWING HEADER OPTIONS"), 0, QStringLiteral("KARVEN_HEADER_OPTIONS"), 1, 10},
        {QStringLiteral("DEF"), QStringLiteral("DEFAULT OPTIONS"), 2, QString(), 0, 20},
        {QStringLiteral("IDF"), QStringLiteral("PIPING DATA FILE"), 0, QStringLiteral("KARVEN_OPTIONS_BLOCK"), 2, 14},
    };
}

inline void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

// Lines joined with CR LF, each line ended.
inline QByteArray CrLf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

} // namespace swted::test
