// In-process costs of reading and laying out one options file.
#include "model/OptionsReader.h"
#include "model/OptionsWriter.h"
#include "model/TextFile.h"
#include "shell/EditorConfiguration.h"

#include <QFile>
#include <benchmark/benchmark.h>

using namespace swted;

namespace {

struct Fixture {
    EditorConfiguration config;
    QStringList lines;
    QString path;
    explicit Fixture(const char *name)
    {
        LoadEditorConfiguration(QStringLiteral(SWTED_SOURCE_DIR "/data"), config);
        path = QStringLiteral(SWTED_SOURCE_DIR "/examples/") + QLatin1String(name);
        ReadTextLines(path, lines);
    }
};

void ReadExample(benchmark::State &state, const char *name)
{
    Fixture f(name);
    for (auto _ : state) {
        OptionsDocument doc;
        doc.CurrentFilePath = f.path;
        SwitchStore store;
        benchmark::DoNotOptimize(ReadOptionsLines(doc, store, f.config.FileTypes, f.lines).ok);
    }
}

void LayOutExample(benchmark::State &state, const char *name)
{
    Fixture f(name);
    OptionsDocument doc;
    doc.CurrentFilePath = f.path;
    SwitchStore store;
    ReadOptionsLines(doc, store, f.config.FileTypes, f.lines);
    for (auto _ : state) {
        RebuildHeadLines(doc);
        doc.RebuildSwitchLines = true;
        BuildSwitchLines(doc, store, doc.SwitchLineCount);
        benchmark::DoNotOptimize(JoinLinesCrLf(OutputLines(doc)).size());
    }
}

} // namespace

BENCHMARK_CAPTURE(ReadExample, block, "PLANT.OPT");
BENCHMARK_CAPTURE(ReadExample, table, "PLANT.OPS");
BENCHMARK_CAPTURE(LayOutExample, block, "PLANT.OPT");
BENCHMARK_CAPTURE(LayOutExample, table, "PLANT.OPS");
BENCHMARK_MAIN();
