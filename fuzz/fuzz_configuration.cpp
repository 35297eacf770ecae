// The configuration parser on any bytes. Each type it accepts is then used
// for a file written in its layout and read back: a type whose keyword has
// no head lines must be refused when read, and a save that the writer's
// read-back check lets through must read back to the same values.
// Seeds: data tests/data/golden/prog

#include "FuzzSupport.h"

#include <cstdint>

using namespace swted;
using namespace swted::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = SplitLines(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)));
    EditorConfiguration config;
    const ConfigurationOutcome outcome = ParseEditorConfiguration(lines, config);
    if (outcome.kind != ConfigurationOutcome::Ok) {
        if (outcome.message.isEmpty() || outcome.message.size() > 1000)
            Broken("a syntax error without a short message", outcome.message.left(2000));
        return 0;
    }

    SwitchStore store;
    for (int n = 1; n <= SwitchCount; ++n)
        store.SetWholeValue(n, n % 7 == 0 ? -n * 1000003 : n * 7919);

    int tried = 0;
    for (const FileType &type : std::as_const(config.FileTypes)) {
        // A few types per input, of a size a file could have.
        if (++tried > 4)
            break;
        if (type.LeadLines + type.HeadLines > 500)
            continue;
        OptionsDocument doc;
        doc.CurrentFilePath = QStringLiteral("/fuzz/FILE.") + type.Extension;
        doc.CurrentExtension = ExtensionOf(doc.CurrentFilePath);
        if (!SelectFileType(doc, {type}, doc.CurrentExtension) || doc.SwitchLineCount <= 0)
            continue;
        for (int i = 0; i < doc.LeadLineCount; ++i)
            doc.LeadLines.append(QStringLiteral("lead %1").arg(i));
        const QByteArray bytes = SavedBytes(doc, store);

        OptionsDocument reread;
        reread.CurrentFilePath = doc.CurrentFilePath;
        SwitchStore back = store;
        const ReadOutcome read = ReadOptionsLines(reread, back, {type}, SplitLines(bytes));
        if (!type.BlockKeyword.isEmpty() && type.HeadLines == 0 && read.ok)
            Broken("a keyword type without head lines was read", type.BlockKeyword);
        if (!CheckReadBack(doc, store, doc.CurrentFilePath, bytes) && (!read.ok || !SameValues(back, store)))
            Broken("the read-back check passed a save that does not read back", type.Extension);
    }
    return 0;
}
