#include "model/OptionsWriter.h"

#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/OptionsReader.h"
#include "model/TextFile.h"

#include <charconv>

namespace swted {

namespace {

const QString VexaDescriptionFile = QStringLiteral("VEXA.DES");
const QString TorvaDescriptionFile = QStringLiteral("TORVA.DES");

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

namespace {

// The decimal text of a value, without blanks; at most 11 characters.
struct NumberChars {
    char text[16];
    int size;
    explicit NumberChars(long long v)
    {
        size = static_cast<int>(std::to_chars(text, text + sizeof text, v).ptr - text);
    }
};

void AppendBlanks(QString &line, int n)
{
    if (n > 0)
        line.resize(line.size() + n, QLatin1Char(' '));
}

void AppendNumber(QString &line, const NumberChars &n)
{
    line.append(QLatin1String(n.text, n.size));
}

} // namespace

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
        const bool opl = doc.IsOplExtension();
        for (int n = 1; n <= SwitchCount && n <= count; ++n) {
            const NumberChars N(n);
            const NumberChars V(store.GetSwitchValue(n));
            const QString T = WithoutLeadingBlanks(doc.LineTails[n]);
            int a, b;
            if (opl) {
                a = 8 - N.size;
                b = 21 - V.size;
            } else {
                a = doc.ValueEndColumn - N.size - V.size;
                b = 20;
            }
            QString line;
            line.reserve(N.size + V.size + qMax(a, 1) + qMax(b, 0) + T.size());
            AppendNumber(line, N);
            // The number and the value always stay apart, so that a wide
            // value still reads back.
            AppendBlanks(line, qMax(a, 1));
            AppendNumber(line, V);
            AppendBlanks(line, b);
            line.append(T);
            doc.OutputSwitchLines[n - 1] = line;
        }
        return;
    }

    const bool block = doc.HasKeyword(KarvenBlockKeyword);
    int c = 0; // carry of the block layout; it runs on from line to line
    for (int k = 1; k <= count; ++k) {
        const QString &tail = k <= SwitchCount ? doc.LineTails[k] : QString();
        QString line;
        line.reserve(qMax(doc.SwitchesPerLine, 0) * 11 + 8 + tail.size());
        if (doc.SwitchesPerLine > 0) {
            const SwitchRange range = SwitchesOfLine(doc.SwitchesPerLine, k);
            for (int i = range.first; i <= range.last; ++i) {
                const NumberChars V(store.GetSwitchValue(i));
                if (block) {
                    // A value of up to 5 - c digits fills its field from the
                    // right; a longer one gets one blank in front and narrows
                    // the next field by what it took.
                    if (V.size < 6 - c) {
                        AppendBlanks(line, 6 - c - V.size);
                        c = 0;
                    } else {
                        AppendBlanks(line, 1);
                        c = V.size + 1 - 6;
                    }
                } else {
                    c = 3;
                    // Values too wide for the field still keep one blank
                    // before them.
                    AppendBlanks(line, V.size >= 10 ? 1 : 10 - V.size);
                }
                AppendNumber(line, V);
            }
        }
        // At least one blank before the tail, so it never joins the last value.
        AppendBlanks(line, qMax(5 - c, 1));
        line.append(tail);
        doc.OutputSwitchLines[k - 1] = line;
    }
}

bool SharesBackupName(const QString &path, int extensionLength, const QVector<FileType> &types)
{
    if (types.isEmpty())
        return false;
    QString base = path.left(qMax<qsizetype>(0, path.size() - extensionLength));
    if (base.endsWith(QLatin1Char('.')))
        base.chop(1);
    const int cut = LastSeparator(base) + 1;
    const QString folder = base.left(cut);
    const QString stem = base.mid(cut);
    const QString own = path.mid(LastSeparator(path) + 1);
    for (const QString &entry : FolderEntries(folder, false)) {
        if (entry == own || entry.size() <= stem.size() || entry[stem.size()] != QLatin1Char('.')
            || entry.left(stem.size()).compare(stem, Qt::CaseInsensitive) != 0)
            continue;
        const QString extension = entry.mid(stem.size() + 1);
        for (const FileType &t : types) {
            if (extension.compare(t.Extension, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

QString BackupPathFor(const QString &path, int extensionLength, const QVector<FileType> &types)
{
    if (SharesBackupName(path, extensionLength, types))
        return path + QStringLiteral(".BAK");
    QString b = path.left(qMax<qsizetype>(0, path.size() - extensionLength));
    if (b.endsWith(QLatin1Char('.')))
        return b + QStringLiteral("BAK");
    return b + QStringLiteral(".BAK");
}

WriteOutcome MakeBackup(const QString &path, const QString &backupPath, FileOps &ops)
{
    QByteArray bytes;
    QString failure;
    if (!ReadRegularFile(path, bytes, &failure))
        return {false, msg::BackupFailed(path, backupPath, failure)};

    // A backup name that is a link is replaced, not followed: the copy never
    // lands anywhere but beside the file.
    QString reason;
    if (!WriteFileAtomically(backupPath, bytes, IdentityOf(path), &reason, ops))
        return {false, msg::BackupFailed(path, backupPath, reason)};
    return {true, QString()};
}

std::optional<QString> CheckReadBack(const OptionsDocument &doc, const SwitchStore &store, const QString &path,
                                     const QByteArray &bytes)
{
    // The document's type as a one-row list, under the extension the reader
    // will take from the path.
    OptionsDocument reread;
    reread.CurrentFilePath = path;
    const FileType own{ExtensionOf(path), QString(), doc.LeadLineCount, doc.BlockKeyword, doc.HeadLineCount,
                       doc.SwitchesPerLine};
    SwitchStore check = store;
    const ReadOutcome outcome = ReadOptionsLines(reread, check, {own}, SplitLines(bytes));
    if (!outcome.ok)
        return msg::ReadBackFails(path, outcome.message);
    for (int n = 1; n <= SwitchCount; ++n) {
        if (check.GetSwitchValue(n) != store.GetSwitchValue(n))
            return msg::ReadBackDiffers(n, check.GetSwitchValue(n), store.GetSwitchValue(n));
    }
    return std::nullopt;
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

WriteOutcome WriteOptionsFile(OptionsDocument &doc, SwitchStore &store, const QString &path, FileOps &ops,
                              bool force, const QVector<FileType> &types)
{
    const QByteArray bytes = JoinLinesCrLf(OutputLines(doc));
    if (const std::optional<QString> why = CheckReadBack(doc, store, path, bytes))
        return {false, msg::WouldNotReadBack(path, doc.CurrentExtension, *why)};

    const SaveTarget target = ResolveSaveTarget(path, force);
    if (!target.refusal.isEmpty())
        return {false, msg::SaveRefused(path, target.refusal), true};
    // Leftovers go first: on a full disk they may be what fills it.
    const int removed = RemoveLeftoverTemporaries(DirectoryOf(target.path));
    if (target.exists) {
        WriteOutcome backup =
            MakeBackup(target.path, BackupPathFor(path, static_cast<int>(doc.CurrentExtension.size()), types), ops);
        if (!backup.ok) {
            backup.leftoversRemoved = removed;
            return backup;
        }
    }

    QString reason;
    if (!WriteFileAtomically(target.path, bytes, IdentityOf(target.path), &reason, ops))
        return {false, msg::WriteFailed(path, reason), false, removed};

    store.TakeSnapshot();
    doc.RebuildSwitchLines = false;
    doc.OnDisk = StampOf(bytes);
    return {true, QString(), false, removed};
}

QString WithoutLeadingBlanks(const QString &s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

} // namespace swted
