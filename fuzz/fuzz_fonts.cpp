// The font file readers on any bytes: the same input read as a font
// information file, as the font list file of a folder, as an IDF and an OPT
// options file, and line by line through the small text functions. None may
// crash; each keeps its promises: the tables stay in step, a path read comes
// from the input, a number taken is digits only.
// Seeds: tests/data/fonts examples/userfont

#include "FuzzSupport.h"

#include "fonts/FontFiles.h"
#include "fonts/FontTables.h"
#include "fonts/WrittenPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace swted;
using namespace swted::fuzz;

namespace {

// The readers open files by name, so the input is one file, in a folder of
// its own on the memory file system when there is one. Every reader takes
// it: the font list file must bear its name in the folder, and the others
// read whatever file they are given. USER.FIF and fonts/DEEP.FIF stay for
// the whole run, for the paths written in records to be found.
struct Scratch {
    QTemporaryDir dir;
    QString folder; // with its trailing separator
    QString input;  // the font list file, Karven.fls
    QByteArray nativeInput;

    Scratch()
        : dir(ScratchTemplate("fonts"))
    {
        folder = ScratchFolder(dir);
        input = folder + FontListFileName;
        nativeInput = QFile::encodeName(input);
        QDir(folder).mkdir(QStringLiteral("fonts"));
        for (const QString &name : {QStringLiteral("USER.FIF"), QStringLiteral("fonts/DEEP.FIF")}) {
            QFile f(folder + name);
            if (!f.open(QIODevice::WriteOnly) || f.write("KARVEN-FONT 12\nDESCRIPTION Twelve\n") < 0)
                Broken("cannot write a font information file", f.fileName());
        }
    }
};

Scratch *Files;

void WriteInput(const uint8_t *data, size_t size)
{
    const int fd = ::open(Files->nativeInput.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    size_t done = 0;
    while (fd >= 0 && done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0)
            break;
        done += size_t(n);
    }
    if (fd < 0 || ::close(fd) != 0 || done != size)
        Broken("cannot write the input file", Files->input);
}

bool AllDigits(const QString &text)
{
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Paths looked up on the file system for one input: a few are enough (each
// walks folders), the rest of the lines still go through the text functions.
constexpr int ResolvedPerInput = 4;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Files = new Scratch;
    std::atexit([] { delete Files; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString &folder = Files->folder;
    const QString &file = Files->input;
    WriteInput(data, size);
    // The readers take the 8-bit text as Latin-1: every byte is a character.
    const QString text = QString::fromLatin1(bytes);

    // As a font information file, after a load that filled the tables.
    FontTables tables;
    tables.FontNumbers = {7};
    tables.FontDescriptions = {QStringLiteral(" Earlier")};
    FontFileError error;
    const FontLoad load = LoadFontInformation(tables, file, &error);
    if (tables.FontNumbers.size() != tables.FontDescriptions.size())
        Broken("font numbers and descriptions out of step", QString::number(tables.FontNumbers.size()));
    if (load == FontLoad::Failed && (!error.Failed() || tables.FontNumbers != QVector<int16_t>{7}))
        Broken("a failed load without its error, or with the tables changed", error.description);
    if (load == FontLoad::Loaded) {
        for (const QString &d : std::as_const(tables.FontDescriptions)) {
            if (!text.contains(d))
                Broken("a description that is not in the file", d);
        }
        const QStringList items = FontListItems(tables);
        if (items.size() != tables.Count() + 1 || !items.contains(FontNotSetItem))
            Broken("the font list does not hold every entry and \"Font Not Set\"", items.join(QLatin1Char('|')));
    }

    // As the font list file of the folder.
    bool fileMissing = false;
    bool pathFound = false;
    const QString listed = FindFontPathInFls(folder, fileMissing, pathFound, &error);
    if (pathFound && (fileMissing || !text.contains(listed)))
        Broken("a font list path that is not in the file", listed);

    // As IDF and OPT options files.
    bool notFound = false;
    const QString idfPath = FindFontPathInIdf(file, notFound, pathFound, &error);
    if (pathFound && notFound)
        Broken("an IDF path both found and not found", idfPath);
    if (idfPath.size() > text.size())
        Broken("an IDF path longer than the file", idfPath.left(200));
    const OptFontRecord record = FindFontRecordInOpt(file, &error);
    if (!record.path.isEmpty() && (!record.recordFound || record.comment || record.malformed || !text.contains(record.path)))
        Broken("an OPT path from no proper record", record.path);

    // The text functions on each line.
    int resolved = 0;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString number = FirstNumberInText(line);
        if (!AllDigits(number) || number.size() > line.size())
            Broken("a number that is not the line's digits", number);
        bool missing = false;
        const QString afterSlash = TextAfterSlash(line, missing);
        if (missing != !line.contains(QLatin1Char('/')) || !line.endsWith(afterSlash))
            Broken("the text after the slash is not the line's end", afterSlash);
        const QString afterOne = TextAfterFirstOne(line, missing);
        if (missing != !line.contains(QLatin1Char('1')))
            Broken("the text after the first 1 misses the 1", afterOne);
        bool malformed = false;
        const QString optPath = FontPathFromOptRecord(line, malformed);
        if (!optPath.isEmpty() && (malformed || !optPath.endsWith(QLatin1String(".FIF"), Qt::CaseInsensitive)))
            Broken("an OPT record path that does not end in .FIF", optPath);
        // Paths as written, looked up from the folder only (a rooted path
        // would walk this machine's file system).
        if (!optPath.isEmpty() && resolved < ResolvedPerInput && !optPath.startsWith(QLatin1Char('/')) && !optPath.startsWith(QLatin1Char('\\'))
            && !(optPath.size() > 1 && optPath[1] == QLatin1Char(':'))) {
            ++resolved;
            const QString found = ResolveWrittenPath(optPath.left(200), folder);
            if (!found.isEmpty() && !QFile::exists(found))
                Broken("a resolved path that does not exist", found);
        }
    }
    return 0;
}
