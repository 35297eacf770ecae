// Start-up to the first page shown, page switch round trips (lay the target
// out, show it, unload the page left) and a tour of every page, on the
// bundled example.
#include "pages/PageWindow.h"
#include "shell/Editor.h"
#include "shell/MainWindow.h"
#include "shell/ScriptedPrompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

using namespace swted;

namespace {
const QString Example = QStringLiteral(SWTED_SOURCE_DIR "/examples/PLANT.OPT");
const QString ProgramDir = QStringLiteral(SWTED_SOURCE_DIR "/data");

// The editor started on the example, its first page on screen.
struct Running {
    ScriptedPrompts prompts;
    Editor editor{prompts};
    MainWindow window{editor};
    Running()
    {
        window.StartUp(Example, ProgramDir);
        window.show();
    }
};

void StartUpToFirstPage(benchmark::State &state)
{
    for (auto _ : state) {
        Running run;
        QApplication::processEvents();
        benchmark::DoNotOptimize(run.window.ActivePage());
    }
}

void GoToPageRoundTrip(benchmark::State &state)
{
    Running run;
    MainWindow &window = run.window;
    const int other = static_cast<int>(state.range(0));
    for (auto _ : state) {
        window.GoToPage(window.ActivePage(), other);
        QApplication::processEvents();
        window.GoToPage(window.ActivePage(), 0);
        QApplication::processEvents();
    }
    // Seconds per switch.
    state.counters["per_switch"] =
        benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A user's tour of the pages: plotted iso, system, welding, dimensioning,
// iso style and back, as the tab strip does it.
void VisitEveryPage(benchmark::State &state)
{
    Running run;
    MainWindow &window = run.window;
    const int tour[] = {4, 3, 1, 5, 0};
    for (auto _ : state) {
        for (int index : tour) {
            window.GoToPage(window.ActivePage(), index);
            QApplication::processEvents();
        }
    }
    state.counters["per_switch"] =
        benchmark::Counter(std::size(tour), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The first visit of a page after start-up: built on the spot when the
// user is quicker than the idle preparation of the pages (cold), or taken
// from it (prepared).
void FirstVisit(benchmark::State &state)
{
    const int index = static_cast<int>(state.range(0));
    const bool prepared = state.range(1) != 0;
    for (auto _ : state) {
        Running run;
        MainWindow &window = run.window;
        QApplication::processEvents();
        if (prepared) {
            QElapsedTimer idle;
            idle.start();
            while (idle.elapsed() < 300)
                QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        QElapsedTimer visit;
        visit.start();
        window.GoToPage(window.ActivePage(), index);
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(visit.nsecsElapsed()) / 1e9);
    }
}

} // namespace

BENCHMARK(StartUpToFirstPage)->Unit(benchmark::kMillisecond);
// Plotted iso to another page and back: two page switches per iteration.
BENCHMARK(GoToPageRoundTrip)->Arg(1)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(VisitEveryPage)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstVisit)->ArgsProduct({{1, 3, 4, 5}, {0, 1}})->ArgNames({"page", "prepared"})
    ->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
