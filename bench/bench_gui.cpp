// Start-up to the first page shown, and one page switch round trip (lay the
// target out, show it, unload the page left), on the bundled example.
#include "pages/PageWindow.h"
#include "shell/Editor.h"
#include "shell/MainWindow.h"
#include "shell/ScriptedPrompts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace swted;

namespace {
const QString Example = QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPT");
const QString ProgramDir = QStringLiteral(SWTED_SOURCE_DIR "/data");

void StartUpToFirstPage(benchmark::State &state)
{
    for (auto _ : state) {
        ScriptedPrompts prompts;
        Editor editor(prompts);
        MainWindow window(editor);
        window.StartUp(Example, ProgramDir);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.ActivePage());
    }
}

void GoToPageRoundTrip(benchmark::State &state)
{
    ScriptedPrompts prompts;
    Editor editor(prompts);
    MainWindow window(editor);
    window.StartUp(Example, ProgramDir);
    window.show();
    const int other = static_cast<int>(state.range(0));
    for (auto _ : state) {
        window.GoToPage(window.ActivePage(), other);
        QApplication::processEvents();
        window.GoToPage(window.ActivePage(), 0);
        QApplication::processEvents();
    }
    state.counters["switches"] = benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(StartUpToFirstPage)->Unit(benchmark::kMillisecond);
// Plotted iso to another page and back: two page switches per iteration.
BENCHMARK(GoToPageRoundTrip)->Arg(1)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
