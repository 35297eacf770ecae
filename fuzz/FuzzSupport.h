#pragma once

#include "model/OptionsReader.h"
#include "model/OptionsWriter.h"
#include "model/TextFile.h"
#include "shell/EditorConfiguration.h"

#include <cstdio>
#include <cstdlib>

namespace swted::fuzz {

// A broken promise: printed, then the harness stops as on a crash, so
// libFuzzer keeps the input.
[[noreturn]] inline void Broken(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s\n%s\n", what, qPrintable(detail));
    std::abort();
}

// The types of the bundled configuration.
inline QVector<FileType> BundledTypes()
{
    QStringList lines;
    EditorConfiguration config;
    if (!ReadTextLines(QStringLiteral(SWTED_SOURCE_DIR "/data/Swted.ini"), lines)
        || ParseEditorConfiguration(lines, config).kind != ConfigurationOutcome::Ok || config.FileTypes.isEmpty())
        Broken("cannot read the bundled Swted.ini", QString());
    return config.FileTypes;
}

// What a save writes (head lines regenerated, switch lines rebuilt, the
// tails as they stand), without the disk.
inline QByteArray SavedBytes(OptionsDocument &doc, const SwitchStore &store)
{
    RebuildHeadLines(doc);
    doc.RebuildSwitchLines = true;
    BuildSwitchLines(doc, store, doc.SwitchLineCount);
    return JoinLinesCrLf(OutputLines(doc));
}

// Reads bytes as a file of the given path would be read; the values it
// gives, or nothing when it does not read.
inline std::optional<SwitchStore> ReadBack(const QString &path, const QVector<FileType> &types,
                                           const QByteArray &bytes, const SwitchStore &before)
{
    OptionsDocument doc;
    doc.CurrentFilePath = path;
    SwitchStore store = before;
    if (!ReadOptionsLines(doc, store, types, SplitLines(bytes)).ok)
        return std::nullopt;
    return store;
}

inline bool SameValues(const SwitchStore &a, const SwitchStore &b)
{
    for (int n = 1; n <= SwitchCount; ++n) {
        if (a.GetSwitchValue(n) != b.GetSwitchValue(n))
            return false;
    }
    return true;
}

} // namespace swted::fuzz
