#include "model/OptionsWriter.h"

#include "model/Messages.h"
#include "model/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace swted {

namespace {

const QString VexaDescriptionFile = QStringLiteral("VEXA.DES");
const QString TorvaDescriptionFile = QStringLiteral("TORVA.DES");

QString Blanks(int n)
{
    return n > 0 ? QString(n, QLatin1Char(' ')) : QString();
}

QString WithoutLeadingBlanks(const QString &s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

} // namespace

QString RebuildHeadLines(OptionsDocument &doc)
{
    if (doc.HeadLineCount <= 0)
        return QString();
    doc.HeadLines = QStringList();
    doc.HeadLines.append(doc.BlockKeyword);
    for (int i = 1; i < doc.HeadLineCount; ++i)
        doc.HeadLines.append(QString());
    if (doc.HeadLineCount == 1)
        return QString();

    if (doc.HasKeyword(KarvenBlockKeyword)) {
        doc.HeadLines[1] = QStringLiteral("  10                            !10 LINES TO FOLLOW");
        return VexaDescriptionFile;
    }
    if (doc.HasKeyword(SwitchTableKeyword)) {
        // With fewer than three head lines only the first ones are written.
        const QString table[3] = {
            QStringLiteral("Switch   Switch                 Switch"),
            QStringLiteral("Number   Setting                Purpose"),
            QStringLiteral("------   -------                -------"),
        };
        for (int i = 0; i < 3 && i < doc.HeadLineCount; ++i)
            doc.HeadLines[i] = table[i];
        doc.ValueEndColumn = 13;
        return TorvaDescriptionFile;
    }
    return QString();
}

DescriptionLoad LoadDescriptionFile(OptionsDocument &doc, const QString &programDirectory, const QString &name)
{
    const int count = qMin(doc.SwitchLineCount, SwitchCount);
    const QString path = FindFileNoCase(programDirectory, name);
    QStringList lines;
    if (!path.isEmpty() && ReadTextLines(path, lines)) {
        for (int k = 1; k <= count && k <= lines.size(); ++k)
            doc.LineTails[k] = lines[k - 1];
        return DescriptionLoad::Loaded;
    }
    for (int k = 1; k <= count; ++k) {
        if (!doc.LineTails[k].isEmpty())
            return DescriptionLoad::MissingTailsPresent;
    }
    return DescriptionLoad::MissingTailsEmpty;
}

void BuildSwitchLines(OptionsDocument &doc, const SwitchStore &store, int count)
{
    if (!doc.RebuildSwitchLines) {
        if (!store.HasUnsavedChanges())
            return;
        doc.RebuildSwitchLines = true;
    }
    count = qMax(0, count);
    while (doc.OutputSwitchLines.size() < count)
        doc.OutputSwitchLines.append(QString());

    if (doc.SwitchesPerLine == 1) {
        for (int n = 1; n <= SwitchCount && n <= count; ++n) {
            const QString N = QString::number(n);
            const QString V = QString::number(store.GetSwitchValue(n));
            const QString T = WithoutLeadingBlanks(doc.LineTails[n]);
            int a, b;
            if (doc.IsOplExtension()) {
                a = 8 - static_cast<int>(N.size());
                b = 21 - static_cast<int>(V.size());
            } else {
                a = doc.ValueEndColumn - static_cast<int>(N.size() + V.size());
                b = 20;
            }
            // The number and the value always stay apart, so that a wide
            // value still reads back.
            doc.OutputSwitchLines[n - 1] = N + Blanks(qMax(a, 1)) + V + Blanks(b) + T;
        }
        return;
    }

    const bool block = doc.HasKeyword(KarvenBlockKeyword);
    int c = 0; // carry of the block layout; it runs on from line to line
    for (int k = 1; k <= count; ++k) {
        QString line;
        if (doc.SwitchesPerLine > 0) {
            const SwitchRange range = SwitchesOfLine(doc.SwitchesPerLine, k);
            for (int i = range.first; i <= range.last; ++i) {
                QString V = QString::number(store.GetSwitchValue(i));
                if (block) {
                    // A value of up to 5 - c digits fills its field from the
                    // right; a longer one gets one blank in front and narrows
                    // the next field by what it took.
                    if (V.size() < 6 - c) {
                        V = V.rightJustified(6 - c, QLatin1Char(' '));
                        c = 0;
                    } else {
                        V = QLatin1Char(' ') + V;
                        c = static_cast<int>(V.size()) - 6;
                    }
                } else {
                    c = 3;
                    // Values too wide for the field still keep one blank
                    // before them.
                    V = V.size() >= 10 ? QLatin1Char(' ') + V : V.rightJustified(10, QLatin1Char(' '));
                }
                line += V;
            }
        }
        // At least one blank before the tail, so it never joins the last value.
        const QString &tail = k <= SwitchCount ? doc.LineTails[k] : QString();
        line += Blanks(qMax(5 - c, 1)) + tail;
        doc.OutputSwitchLines[k - 1] = line;
    }
}

QString BackupPathFor(const QString &path, int extensionLength)
{
    QString b = path.left(qMax<qsizetype>(0, path.size() - extensionLength));
    if (b.endsWith(QLatin1Char('.')))
        return b + QStringLiteral("BAK");
    return b + QStringLiteral(".BAK");
}

WriteOutcome MakeBackup(const QString &path, const QString &backupPath)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return {false, msg::BackupFailed(path, backupPath, source.errorString())};
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return {false, msg::BackupFailed(path, backupPath, source.errorString())};
    source.close();

    QFile backup(backupPath);
    if (!backup.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {false, msg::BackupFailed(path, backupPath, backup.errorString())};
    if (backup.write(bytes) != bytes.size() || !backup.flush())
        return {false, msg::BackupFailed(path, backupPath, backup.errorString())};
    backup.close();
    if (backup.error() != QFileDevice::NoError)
        return {false, msg::BackupFailed(path, backupPath, backup.errorString())};
    return {true, QString()};
}

QStringList OutputLines(const OptionsDocument &doc)
{
    QStringList out;
    auto take = [&out](const QStringList &list, int count) {
        // A run declared longer than the lines at hand (a conversion to a type
        // with more lead lines) is filled with empty lines, so the table
        // still stands where a reader of the type looks for it.
        for (int i = 0; i < count; ++i)
            out.append(i < list.size() ? list[i] : QString());
    };
    take(doc.LeadLines, doc.LeadLineCount);
    take(doc.HeadLines, doc.HeadLineCount);
    take(doc.OutputSwitchLines, doc.SwitchLineCount);
    take(doc.TrailerLines, doc.TrailerLineCount);
    return out;
}

WriteOutcome WriteOptionsFile(OptionsDocument &doc, SwitchStore &store, const QString &path)
{
    if (QFileInfo::exists(path)) {
        const WriteOutcome backup = MakeBackup(path, BackupPathFor(path, static_cast<int>(doc.CurrentExtension.size())));
        if (!backup.ok)
            return backup;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, msg::WriteFailed(path, file.errorString())};
    const QByteArray bytes = JoinLinesCrLf(OutputLines(doc));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, msg::WriteFailed(path, reason)};
    }
    if (!file.commit())
        return {false, msg::WriteFailed(path, file.errorString())};

    store.TakeSnapshot();
    doc.RebuildSwitchLines = false;
    return {true, QString()};
}

} // namespace swted
