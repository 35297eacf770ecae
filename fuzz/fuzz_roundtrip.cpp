// Saving what the options file reader read: any bytes read as a file of one
// type of the bundled configuration (chosen by the first byte); a file that
// reads is saved (in memory) in its own type or converted to the list or the
// table type, and the save must pass the writer's read-back check and read
// back, through the configuration, to the same 140 values. The first byte's
// quotient by the count of types, modulo 3, chooses the save: 0 its own type
// (every seed), 1 the list type, 2 the table type. One save per input: a
// conversion writes and reads 140 lines twice, and all three saves for each
// input would keep the harness well below 1000 inputs a second.
// Typed seeds: examples tests/data/golden/in

#include "FuzzSupport.h"

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
    const std::optional<TypedFile> input = SplitTypedInput(Types, data, size);
    if (!input)
        return 0;
    OptionsDocument doc;
    doc.CurrentFilePath = input->path;
    SwitchStore store;
    if (!ReadOptionsLines(doc, store, Types, input->lines).ok)
        return 0;
    const int save = input->more % 3;
    if (save == 0) {
        SaveMustReadBack(doc, store, "save in its own type");
        return 0;
    }

    // Save As to the list or the table type, as the conversion does.
    const QString extension = save == 1 ? QStringLiteral("OPL") : QStringLiteral("OPS");
    if (!SelectFileType(doc, Types, extension))
        return 0;
    doc.CurrentExtension = extension;
    doc.CurrentFilePath = QStringLiteral("/fuzz/FILE.") + extension;
    for (QString &tail : doc.LineTails)
        tail.clear();
    doc.SwitchLines = QStringList();
    SaveMustReadBack(doc, store, "conversion");
    return 0;
}
