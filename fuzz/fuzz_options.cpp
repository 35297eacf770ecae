// The options file reader on any bytes, read as a file of every type of the
// bundled configuration; each file that reads is saved (in memory) in its
// own type and converted to the list and table types, and every save must
// pass the writer's read-back check and read back, through the
// configuration, to the same 140 values.
// Seeds: examples tests/data/golden/in

#include "FuzzSupport.h"

#include <cstdint>

using namespace swted;
using namespace swted::fuzz;

namespace {

QVector<FileType> Types;

void SaveMustReadBack(OptionsDocument &doc, const SwitchStore &store, const char *what)
{
    const QByteArray bytes = SavedBytes(doc, store);
    if (const std::optional<QString> why = CheckReadBack(doc, store, doc.CurrentFilePath, bytes))
        Broken(what, *why);
    const std::optional<SwitchStore> back = ReadBack(doc.CurrentFilePath, Types, bytes, store);
    if (!back || !SameValues(*back, store))
        Broken(what, QStringLiteral("the saved bytes do not read back to the same values"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Types = BundledTypes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = SplitLines(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    // A converted file holds nothing but the values, so each set of values
    // is converted once.
    QVector<SwitchStore> converted;
    for (const FileType &type : std::as_const(Types)) {
        OptionsDocument doc;
        doc.CurrentFilePath = QStringLiteral("/fuzz/FILE.") + type.Extension;
        SwitchStore store;
        const ReadOutcome read = ReadOptionsLines(doc, store, Types, lines);
        if (!read.ok) {
            if (read.message.isEmpty() || read.message.size() > 1000)
                Broken("a failed read without a short message", read.message.left(2000));
            continue;
        }
        const OptionsDocument asRead = doc;
        SaveMustReadBack(doc, store, "save in its own type");

        // Save As to the list and the table types, as the conversion does.
        bool seen = false;
        for (const SwitchStore &other : std::as_const(converted))
            seen = seen || SameValues(other, store);
        if (seen)
            continue;
        converted.append(store);
        for (const char *to : {"OPL", "OPS"}) {
            OptionsDocument target = asRead;
            const QString extension = QString::fromLatin1(to);
            if (!SelectFileType(target, Types, extension))
                continue;
            target.CurrentExtension = extension;
            target.CurrentFilePath = QStringLiteral("/fuzz/FILE.") + extension;
            for (QString &tail : target.LineTails)
                tail.clear();
            target.SwitchLines = QStringList();
            SaveMustReadBack(target, store, "conversion");
        }
    }
    return 0;
}
