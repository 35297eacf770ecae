#pragma once

#include "model/OptionsDocument.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QVector>

namespace swted::test {

// The golden files of the command-line tests.
inline const QString Golden = QStringLiteral(SWTED_TEST_DATA "/golden/");

// The pages by their index in the page table.
inline constexpr int Plot = 0, Dimension = 1, Materials = 2, Welding = 3, System = 4, IsoStyle = 5, IContent = 6,
                     Specials = 7;

// TORVA_SWITCHES set (or unset, for null) for the life of the object.
struct TorvaSwitches {
    explicit TorvaSwitches(const char *value)
    {
        if (value)
            qputenv("TORVA_SWITCHES", value);
        else
            qunsetenv("TORVA_SWITCHES");
    }
    ~TorvaSwitches() { qunsetenv("TORVA_SWITCHES"); }
    TorvaSwitches(const TorvaSwitches &) = delete;
    TorvaSwitches &operator=(const TorvaSwitches &) = delete;
};

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

// One run of the built swted-cli: its exit status and what it printed.
struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};
inline CliRun RunSwtedCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(SWTED_BINARY_DIR "/swted-cli"), args);
    if (!p.waitForFinished(60000))
        qFatal("swted-cli did not finish");
    return CliRun{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
                  p.readAllStandardError()};
}

// N=V for every switch at random: zeros, small digits, five-digit and
// nine-digit values, so that lists go out of range and interlocks fire.
inline QStringList RandomAssignments(int seed)
{
    QRandomGenerator random(seed);
    QStringList set;
    for (int n = 1; n <= 140; ++n) {
        const quint32 kind = random.bounded(4);
        const qint64 v = kind == 0 ? 0 : kind == 1 ? random.bounded(10) : kind == 2 ? random.bounded(100000) : random.bounded(999999999);
        set << QStringLiteral("%1=%2").arg(n).arg(v);
    }
    return set;
}

// A program folder for the editor and swted-cli: the bundled configuration
// and description files.
inline QString MakeProgramDir(const QString &dir)
{
    QDir().mkpath(dir);
    for (const char *f : {"Swted.ini", "TORVA.DES", "VEXA.DES"})
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/data/") + f, dir + "/" + f);
    return dir;
}

// The text of each line before its first ':' ("KEY: A | B" gives KEY).
inline QStringList LineHeads(const QByteArray &out)
{
    QStringList heads;
    for (const QByteArray &line : out.split('\n')) {
        if (!line.isEmpty())
            heads << QString::fromUtf8(line.left(line.indexOf(':')));
    }
    return heads;
}

// The lines of a PDF's text, page by page (pdftotext -layout), blanks made one.
inline QVector<QStringList> PdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished();
    QVector<QStringList> pages;
    QStringList texts = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!texts.isEmpty() && texts.last().trimmed().isEmpty())
        texts.removeLast();
    for (const QString &page : texts) {
        QStringList lines;
        for (const QString &line : page.split(QLatin1Char('\n'))) {
            if (!line.simplified().isEmpty())
                lines << line.simplified();
        }
        pages << lines;
    }
    return pages;
}

} // namespace swted::test
