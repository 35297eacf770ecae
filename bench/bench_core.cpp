// In-process costs of reading and laying out one options file.
#include "model/OptionsReader.h"
#include "model/OptionsWriter.h"
#include "model/TextFile.h"
#include "pages/PageDescriptions.h"
#include "pages/SettingSearch.h"
#include "pages/PageLogic.h"
#include "pages/PageTable.h"
#include "shell/EditorConfiguration.h"
#include "shell/ScriptedPrompts.h"

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

// One page's layout and read-back on a page state, from a file's values.
void PageLayoutAndRead(benchmark::State &state, int index)
{
    Fixture f("PLANT.OPT");
    OptionsDocument doc;
    doc.CurrentFilePath = f.path;
    SwitchStore store;
    ReadOptionsLines(doc, store, f.config.FileTypes, f.lines);
    ScriptedPrompts prompts;
    PageState page;
    PageContext ctx{*PageDescriptionOf(index), page, store, prompts, false};
    for (auto _ : state) {
        LayoutForm(ctx);
        ReadForm(ctx);
    }
    state.SetLabel(QString::fromLatin1(PageOfIndex(index).window).toStdString());
}

// The search of the settings of every page by words, without widgets.
void SearchAllPages(benchmark::State &state)
{
    const QStringList queries = {QStringLiteral("weld"), QStringLiteral("text size"), QStringLiteral("41"),
                                 QStringLiteral("skew angle"), QStringLiteral("font")};
    for (auto _ : state) {
        for (const QString &q : queries)
            benchmark::DoNotOptimize(SearchSettings(q));
    }
    state.counters["per_query"] = benchmark::Counter(static_cast<double>(queries.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate
                                                         | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(SearchAllPages)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PageLayoutAndRead, plotted_iso, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PageLayoutAndRead, system, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PageLayoutAndRead, welding, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PageLayoutAndRead, dimensioning, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadExample, block, "PLANT.OPT");
BENCHMARK_CAPTURE(ReadExample, table, "PLANT.OPS");
BENCHMARK_CAPTURE(LayOutExample, block, "PLANT.OPT");
BENCHMARK_CAPTURE(LayOutExample, table, "PLANT.OPS");
BENCHMARK_MAIN();
