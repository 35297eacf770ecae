#include "fonts/FontFiles.h"

#include "model/FileSystem.h"
#include "model/TextFile.h"

#include <QFileDevice>

namespace swted {

namespace {

// Keyword lengths: the content of a font, description or font list line
// starts right after its keyword, which starts the line.
constexpr int FontLineContentStart = 11;
constexpr int FontListContentStart = 21;

bool ReadLines(const QString &path, QStringList &lines, FontFileError *error)
{
    // Regular files only: a FIFO of the name fails at once instead of
    // blocking the reader.
    QByteArray bytes;
    QString reason;
    if (!ReadRegularFile(path, bytes, &reason)) {
        if (error)
            *error = FontFileError{static_cast<int>(QFileDevice::OpenError), reason};
        return false;
    }
    lines = SplitLines(bytes);
    return true;
}

QString LineError(int lineNumber, const QString &line, const QString &what)
{
    return QStringLiteral(" Line ") + QString::number(lineNumber) + QStringLiteral(" (") + line.trimmed()
        + QStringLiteral("): ") + what;
}

} // namespace

QString TextAfterSlash(const QString &text, bool &notFound)
{
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    notFound = slash < 0;
    return notFound ? QString() : text.mid(slash + 1);
}

QString TextAfterFirstOne(const QString &text, bool &notFound)
{
    const qsizetype one = text.indexOf(QLatin1Char('1'));
    notFound = one < 0;
    return notFound ? QString() : text.mid(one + 1).trimmed();
}

QString FirstNumberInText(const QString &text)
{
    QString digits;
    bool nonZero = false;
    for (const QChar c : text) {
        // Only the ASCII digits count: other scripts' digits are letters here.
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits += c;
            nonZero = nonZero || c != QLatin1Char('0');
        } else if (nonZero) {
            break;
        }
    }
    return digits;
}

QString FontPathFromOptRecord(const QString &line, bool &malformed)
{
    malformed = false;
    if (line.startsWith(QLatin1Char('!')))
        return QString();
    const qsizetype slash = line.indexOf(QLatin1Char('/'));
    const qsizetype fif = slash < 0 ? -1 : line.indexOf(QLatin1String(".FIF"), slash + 1, Qt::CaseInsensitive);
    if (fif < 0) {
        malformed = true;
        return QString();
    }
    return line.mid(slash + 1, fif + 4 - (slash + 1));
}

QString FindFontPathInFls(const QString &optionsFolder, bool &fileMissing, bool &pathFound, FontFileError *error)
{
    fileMissing = false;
    pathFound = false;
    const QString fls = FindFileNoCase(optionsFolder, FontListFileName);
    if (fls.isEmpty()) {
        fileMissing = true;
        return QString();
    }
    QStringList lines;
    if (!ReadLines(fls, lines, error))
        return QString();
    for (const QString &line : lines) {
        if (!line.contains(FontListKeyword, Qt::CaseInsensitive))
            continue;
        if (line.startsWith(QLatin1Char('!')))
            return QString();
        pathFound = true;
        return line.mid(FontListContentStart).trimmed();
    }
    fileMissing = true;
    return QString();
}

QString FindFontPathInIdf(const QString &optionsPath, bool &notFound, bool &pathFound, FontFileError *error)
{
    notFound = false;
    pathFound = false;
    QStringList lines;
    if (!ReadLines(optionsPath, lines, error))
        return QString();
    qsizetype i = 0;
    QString path;
    for (; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.trimmed().startsWith(QLatin1Char('!')) || !line.contains(FontPathRecord))
            continue;
        bool noSlash = false;
        path = TextAfterSlash(line, noSlash);
        if (!noSlash)
            break;
    }
    if (i == lines.size()) {
        notFound = true;
        return QString();
    }
    // The continuation lines; the first other line, or the end of the file,
    // ends the record.
    for (++i; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (!trimmed.startsWith(QLatin1String("-1 ")))
            break;
        bool noOne = false;
        path += TextAfterFirstOne(trimmed, noOne);
    }
    pathFound = true;
    return path;
}

OptFontRecord FindFontRecordInOpt(const QString &optionsPath, FontFileError *error)
{
    OptFontRecord record;
    QStringList lines;
    if (!ReadLines(optionsPath, lines, error))
        return record;
    for (const QString &line : lines) {
        if (!line.contains(FontPathRecord))
            continue;
        record.recordFound = true;
        record.comment = line.startsWith(QLatin1Char('!'));
        if (!record.comment)
            record.path = FontPathFromOptRecord(line, record.malformed);
        break;
    }
    return record;
}

FontLoad LoadFontInformation(FontTables &tables, const QString &path, FontFileError *error)
{
    if (path.isEmpty() || !IsRegularFile(path))
        return FontLoad::Missing;
    QStringList lines;
    if (!ReadLines(path, lines, error)) {
        // The description follows a full stop in the message that shows it.
        if (error)
            error->description.prepend(QLatin1Char(' '));
        return FontLoad::Failed;
    }

    QVector<int16_t> numbers;
    QStringList descriptions;
    bool pendingFont = false;
    int16_t pendingNumber = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const int lineNumber = static_cast<int>(i + 1);
        if (line.contains(FontLineKeyword, Qt::CaseInsensitive)) {
            QString digits = FirstNumberInText(line.mid(FontLineContentStart).trimmed());
            if (digits.isEmpty()) {
                if (error)
                    *error = {FontLineWithoutNumber, LineError(lineNumber, line, QStringLiteral("the font line has no font number."))};
                return FontLoad::Failed;
            }
            while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
                digits.remove(0, 1);
            const int value = digits.size() <= 5 ? digits.toInt() : 32768;
            if (value > 32767) {
                if (error)
                    *error = {FontNumberTooLarge,
                              LineError(lineNumber, line, QStringLiteral("the font number is larger than 32767."))};
                return FontLoad::Failed;
            }
            pendingFont = true;
            pendingNumber = static_cast<int16_t>(value);
        }
        if (line.contains(DescriptionKeyword, Qt::CaseInsensitive)) {
            if (!pendingFont) {
                if (error)
                    *error = {DescriptionWithoutFont,
                              LineError(lineNumber, line, QStringLiteral("a description without a font line before it."))};
                return FontLoad::Failed;
            }
            numbers << pendingNumber;
            descriptions << line.mid(FontLineContentStart);
            pendingFont = false;
        }
    }
    tables.FontNumbers = numbers;
    tables.FontDescriptions = descriptions;
    return FontLoad::Loaded;
}

} // namespace swted
