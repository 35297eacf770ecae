// What the benchmarks share: timing, medians, and 2,000 copies of the bundled examples with their user fonts.
#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

namespace swted::bench {

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F> double Seconds(F f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Copies of the bundled examples, every type in turn, as F0.OPT, F1.OPL,
// ... in the folder (made anew: earlier copies are replaced), with a
// Karven.fls beside them that names the user font example, so that the
// OPL and OPS files read their user fonts.
inline QStringList MakeExampleFiles(const QTemporaryDir &work, int count)
{
    const QStringList examples = QDir(QStringLiteral(SWTED_SOURCE_DIR "/examples")).entryList({"PLANT.*"}, QDir::Files);
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString example = examples[i % examples.size()];
        const QString path = work.filePath(QStringLiteral("F%1.").arg(i) + example.section(QLatin1Char('.'), -1));
        QFile::remove(path);
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/") + example, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        files << path;
    }
    QDir(work.path()).mkpath(QStringLiteral("userfont"));
    QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/userfont/USER.FIF"), work.filePath(QStringLiteral("userfont/USER.FIF")));
    QFile fls(work.filePath(QStringLiteral("Karven.fls")));
    if (fls.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fls.write("FONT-INFORMATION-FILE userfont\\USER.FIF\n");
    return files;
}

} // namespace swted::bench
