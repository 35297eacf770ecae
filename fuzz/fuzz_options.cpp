// The options file reader on any bytes, read as a file of one type of the
// bundled configuration (chosen by the first byte). A read that fails says
// why in a short message and leaves the document and the store as they
// were; a read that succeeds splits the file's lines into its runs without
// losing one and leaves the switches beyond the table alone. Either way the
// snapshot is taken: no unsaved changes are left behind.
// Saving what was read is fuzz_roundtrip's.
// Typed seeds: examples tests/data/golden/in

#include "FuzzSupport.h"

using namespace swted;
using namespace swted::fuzz;

namespace {

QVector<FileType> Types;

// Values no file gives by chance, to see which switches a read set.
int32_t Marker(int n) { return -7000000 - n; }

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
    for (int n = 1; n <= SwitchCount; ++n)
        store.SetWholeValue(n, Marker(n));
    const ReadOutcome read = ReadOptionsLines(doc, store, Types, input->lines);
    if (store.HasUnsavedChanges())
        Broken("a read leaves unsaved changes", read.message);

    if (!read.ok) {
        if (read.message.isEmpty() || read.message.size() > 1000)
            Broken("a failed read without a short message", read.message.left(2000));
        for (int n = 1; n <= SwitchCount; ++n) {
            if (store.GetSwitchValue(n) != Marker(n))
                Broken("a failed read changed a switch", QString::number(n));
        }
        if (doc.FileLoaded || doc.TypeSelected || !doc.SwitchLines.isEmpty() || !doc.HeadLines.isEmpty()
            || !doc.CurrentExtension.isEmpty())
            Broken("a failed read changed the document", read.message);
        return 0;
    }

    if (!read.message.isEmpty() || !doc.FileLoaded)
        Broken("a read that succeeds with a message, or not loaded", read.message);
    if (doc.LeadLines + doc.HeadLines + doc.SwitchLines + doc.TrailerLines != input->lines)
        Broken("the runs of the document are not the file's lines", doc.CurrentFilePath);
    if (doc.LeadLines.size() != doc.LeadLineCount || doc.HeadLines.size() != doc.HeadLineCount
        || doc.SwitchLines.size() != doc.SwitchLineCount || doc.TrailerLines.size() != doc.TrailerLineCount
        || doc.SwitchLineCount <= 0 || doc.SwitchesPerLine <= 0)
        Broken("the line counts of the document are not its runs'", doc.CurrentFilePath);
    // Switches past the table keep what they held; those in it are read.
    const int lastSwitch = std::min(doc.SwitchLineCount * doc.SwitchesPerLine, SwitchCount);
    for (int n = lastSwitch + 1; n <= SwitchCount; ++n) {
        if (store.GetSwitchValue(n) != Marker(n))
            Broken("a switch past the table was changed", QString::number(n));
    }
    return 0;
}
