#pragma once

#include "model/OptionsReader.h"
#include "model/OptionsWriter.h"
#include "model/TextFile.h"
#include "shell/EditorConfiguration.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// AddressSanitizer's settings for every harness (ASAN_OPTIONS may still
// change each): a quarantine of 16 MB instead of 256 (a freed block used
// again within the next 16 MB freed is still caught; a larger one costs a
// page fault for most allocations) and allocation stacks of 10 frames
// instead of 30. This file is included by the one source of its harness.
extern "C" const char *__asan_default_options() { return "quarantine_size_mb=16:malloc_context_size=10"; }

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

// The template of a harness's scratch folder: on the memory file system
// when there is one, for files written for every input.
inline QString ScratchTemplate(const char *harness)
{
    const QString name = QStringLiteral("/swted-fuzz-") + QLatin1String(harness) + QStringLiteral("-XXXXXX");
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") + name : QDir::tempPath() + name;
}

// The scratch folder's path with its trailing separator; the harness stops
// when it could not be made.
inline QString ScratchFolder(const QTemporaryDir &dir)
{
    if (!dir.isValid())
        Broken("cannot make the scratch folder", dir.errorString());
    return dir.path() + QLatin1Char('/');
}

// An options file input: its first byte chooses the type of the bundled
// configuration (its index in the list, modulo the list's size), the rest is
// the file. scripts/fuzz puts that byte in front of the "// Typed seeds:".
// What the byte holds beyond the index (its quotient by the list's size) is
// the harness's to use.
struct TypedFile {
    QString path; // "/fuzz/FILE." and the type's extension
    QStringList lines;
    int more = 0; // the first byte divided by the count of types
};
inline std::optional<TypedFile> SplitTypedInput(const QVector<FileType> &types, const uint8_t *data, size_t size)
{
    if (size == 0 || types.isEmpty())
        return std::nullopt;
    const int count = int(types.size());
    const FileType &type = types[data[0] % count];
    return TypedFile{QStringLiteral("/fuzz/FILE.") + type.Extension,
                     SplitLines(QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))),
                     data[0] / count};
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
