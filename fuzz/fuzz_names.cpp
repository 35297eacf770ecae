// File names on any bytes: every byte string is a name that maps back to
// the very same bytes, and is shown with escapes for what is not UTF-8 (so
// the text shown is valid Unicode with no lone surrogate).
// Seeds: tests/data/golden/in

#include "FuzzSupport.h"

#include "model/FileSystem.h"

#include <cstdint>

using namespace swted;
using namespace swted::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString name = PathFromNative(bytes);
    if (NativePath(name) != bytes)
        Broken("a name does not map back to its bytes", name);
    const QString shown = Printable(name);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar c = shown[i];
        const bool lone = (c.isHighSurrogate() && (i + 1 == shown.size() || !shown[i + 1].isLowSurrogate()))
            || (c.isLowSurrogate() && (i == 0 || !shown[i - 1].isHighSurrogate()));
        if (lone)
            Broken("a name is shown with a lone surrogate", shown);
    }
    return 0;
}
