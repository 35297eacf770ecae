#include "model/OptionsReader.h"

#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/TextFile.h"

#include <optional>

namespace swted {

bool SelectFileType(OptionsDocument &doc, const QVector<FileType> &types, const QString &extension)
{
    const FileType *match = nullptr;
    for (const FileType &type : types) {
        if (type.Extension.compare(extension, Qt::CaseInsensitive) == 0)
            match = &type;
    }
    if (!match)
        return false;
    doc.TypeSelected = true;
    doc.BlockKeyword = match->BlockKeyword;
    doc.LeadLineCount = match->LeadLines;
    doc.HeadLineCount = match->HeadLines;
    doc.SwitchesPerLine = match->SwitchesPerLine;
    doc.SwitchLineCount = SwitchLineCountFor(match->SwitchesPerLine);
    doc.TrailerLineCount = 0;
    doc.OutputSwitchLines = QStringList();
    for (int k = 0; k < doc.SwitchLineCount; ++k)
        doc.OutputSwitchLines.append(QString());
    return true;
}

int MeasureValueEndColumn(const QString &line)
{
    const qsizetype n = line.size();
    qsizetype i = line.indexOf(QLatin1Char(' '));
    if (i < 0)
        return 13;
    while (i < n && line[i] == QLatin1Char(' '))
        ++i;
    if (i >= n)
        return 13;
    qsizetype end = line.indexOf(QLatin1Char(' '), i);
    if (end < 0)
        end = n;
    // end is the 0-based index after the value, so the 1-based column of its
    // last character.
    return static_cast<int>(qMax<qsizetype>(end, 13));
}

namespace {

qsizetype SkipBlanks(const QString &s, qsizetype i)
{
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    return i;
}

qsizetype TokenEnd(const QString &s, qsizetype i)
{
    const qsizetype end = s.indexOf(QLatin1Char(' '), i);
    return end < 0 ? s.size() : end;
}

struct ParsedTable {
    std::array<int32_t, SwitchCount + 1> values{};
    std::array<QString, SwitchCount + 1> tails;
};

// Parses the switch lines; on a value that does not fit a switch, returns
// the message and leaves the result incomplete.
std::optional<QString> ParseSwitchLines(const OptionsDocument &doc, int firstLineNumber, ParsedTable &out)
{
    auto valueOf = [&](QStringView token, int switchNumber, int k) -> std::optional<QString> {
        const std::optional<int32_t> v = RoundToInt32(NumericValue(token));
        if (!v)
            return msg::ValueOutOfRange(doc.CurrentFilePath, firstLineNumber + k - 1, switchNumber, token.toString());
        out.values[switchNumber] = *v;
        return std::nullopt;
    };

    for (int k = 1; k <= doc.SwitchLineCount; ++k) {
        const QString &L = doc.SwitchLines[k - 1];
        if (doc.SwitchesPerLine == 1) {
            if (k > SwitchCount)
                break;
            // The switch number runs up to the first blank; it is skipped and
            // never compared with k.
            qsizetype i = L.indexOf(QLatin1Char(' '));
            if (i < 0)
                i = L.size();
            i = SkipBlanks(L, i);
            const qsizetype end = TokenEnd(L, i);
            if (auto error = valueOf(QStringView(L).mid(i, end - i), k, k))
                return error;
            out.tails[k] = end < L.size() ? L.mid(end) : QStringLiteral(" ");
        } else {
            const SwitchRange range = SwitchesOfLine(doc.SwitchesPerLine, k);
            qsizetype i = SkipBlanks(L, 0);
            // A table that reaches past switch 140 still takes its tokens, so
            // the tail of the last line starts after all of them.
            const int lastOnLine = k * doc.SwitchesPerLine;
            for (int s = range.first; s <= lastOnLine; ++s) {
                const qsizetype end = TokenEnd(L, i);
                if (s <= range.last) {
                    if (auto error = valueOf(QStringView(L).mid(i, end - i), s, k))
                        return error;
                }
                i = SkipBlanks(L, end);
            }
            out.tails[k] = L.mid(i);
        }
    }
    return std::nullopt;
}

} // namespace

ReadOutcome ReadOptionsLines(OptionsDocument &doc, SwitchStore &store, const QVector<FileType> &types,
                             const QStringList &lines)
{
    // Work on a copy: the document and the store take the new file only when
    // all of it has been read.
    OptionsDocument next = doc;
    next.CurrentExtension = ExtensionOf(next.CurrentFilePath);

    auto fail = [&](const QString &message) {
        store.TakeSnapshot();
        return ReadOutcome{false, message};
    };

    if (!SelectFileType(next, types, next.CurrentExtension))
        return fail(msg::NoMatchingFileType(next.CurrentFilePath, next.CurrentExtension));
    if (next.SwitchesPerLine <= 0 || next.SwitchLineCount <= 0)
        return fail(msg::NoSwitchTable(next.CurrentFilePath, next.CurrentExtension));
    // The keyword line is the first head line; without head lines it would
    // be parsed as the first switch line and never written again.
    if (!next.BlockKeyword.isEmpty() && next.HeadLineCount <= 0)
        return fail(msg::KeywordWithoutHeadLines(next.CurrentFilePath, next.CurrentExtension, next.BlockKeyword));
    if (lines.isEmpty())
        return fail(msg::EmptyFile(next.CurrentFilePath));

    const int total = static_cast<int>(lines.size());
    int lead = next.LeadLineCount;
    if (!next.BlockKeyword.isEmpty()) {
        lead = -1;
        for (int i = 0; i < total; ++i) {
            if (lines[i].startsWith(next.BlockKeyword, Qt::CaseInsensitive)) {
                lead = i;
                break;
            }
        }
        if (lead < 0)
            return fail(msg::TestStringNotFound(next.BlockKeyword, next.CurrentFilePath));
    }
    const int tableStart = lead + next.HeadLineCount;
    const int tableEnd = tableStart + next.SwitchLineCount;
    if (tableEnd > total)
        return fail(msg::FileEndsEarly(next.CurrentFilePath, total, next.SwitchLineCount));

    next.LeadLineCount = lead;
    next.TrailerLineCount = total - tableEnd;
    next.LeadLines = lines.mid(0, lead);
    next.HeadLines = lines.mid(lead, next.HeadLineCount);
    next.SwitchLines = lines.mid(tableStart, next.SwitchLineCount);
    next.OutputSwitchLines = next.SwitchLines;
    next.TrailerLines = lines.mid(tableEnd);
    next.AsRead.LeadLines = next.LeadLines;
    next.AsRead.HeadLines = next.HeadLines;
    next.AsRead.SwitchLines = next.SwitchLines;
    next.AsRead.TrailerLines = next.TrailerLines;

    if (next.SwitchesPerLine == 1)
        next.ValueEndColumn = MeasureValueEndColumn(next.SwitchLines[0]);

    ParsedTable table;
    if (auto error = ParseSwitchLines(next, tableStart + 1, table))
        return fail(*error);

    // Switches beyond the table (a switch count per line that does not divide
    // 140) and tails beyond its last line keep what they held.
    const int lastSwitch = qMin(next.SwitchLineCount * next.SwitchesPerLine, SwitchCount);
    for (int s = 1; s <= lastSwitch; ++s)
        store.SetWholeValue(s, table.values[s]);
    for (int k = 1; k <= qMin(next.SwitchLineCount, SwitchCount); ++k)
        next.LineTails[k] = table.tails[k];
    next.FileLoaded = true;
    doc = next;
    store.TakeSnapshot();
    return ReadOutcome{true, QString()};
}

ReadOutcome ReadOptionsFile(OptionsDocument &doc, SwitchStore &store, const QVector<FileType> &types)
{
    QByteArray bytes;
    QString reason;
    if (!ReadRegularFile(doc.CurrentFilePath, bytes, &reason)) {
        store.TakeSnapshot();
        return ReadOutcome{false, msg::CannotOpenFile(doc.CurrentFilePath, reason)};
    }
    const ReadOutcome outcome = ReadOptionsLines(doc, store, types, SplitLines(bytes));
    if (outcome.ok)
        doc.OnDisk = StampOf(bytes);
    return outcome;
}

} // namespace swted
