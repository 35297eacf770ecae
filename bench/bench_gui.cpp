// Start-up to the first page shown, page switch round trips (lay the target
// out, show it, unload the page left), a tour of every page, one step of
// undo and redo, and a search of the settings, on the bundled example with
// user fonts (so the font groups read their files as they are laid out).
#include "pages/PageTour.h"
#include "gui/pages/PageWindow.h"
#include "shell/Editor.h"
#include "gui/MainWindow.h"
#include "shell/ScriptedPrompts.h"

#include <QApplication>
#include <QComboBox>
#include <QVariant>
#include <memory>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

using namespace swted;

namespace {
const QString Example = QStringLiteral(SWTED_SOURCE_DIR "/examples/userfont/PLANT.OPL");
const QString ProgramDir = QStringLiteral(SWTED_SOURCE_DIR "/data");

// What the first start of the run learnt of the page frame, given to every
// later start as the user's settings would.
QVariant learntFrame, learntSignature;

// The editor started on the example, its first page on screen; every start
// but the first with the page frame remembered (only the first page built
// before it shows, the others in idle time).
struct Running {
    ScriptedPrompts prompts;
    Editor editor{prompts};
    std::unique_ptr<MainWindow> window;
    Running()
    {
        if (learntFrame.isValid()) {
            editor.recentFiles.Remember(QStringLiteral("PageFrame"), learntFrame);
            editor.recentFiles.Remember(QStringLiteral("PageFrameOf"), learntSignature);
        }
        window = std::make_unique<MainWindow>(editor);
        window->StartUp(Example, ProgramDir);
        window->show();
        learntFrame = editor.recentFiles.Remembered(QStringLiteral("PageFrame"));
        learntSignature = editor.recentFiles.Remembered(QStringLiteral("PageFrameOf"));
    }
};

void StartUpToFirstPage(benchmark::State &state)
{
    for (auto _ : state) {
        Running run;
        QApplication::processEvents();
        benchmark::DoNotOptimize(run.window->ActivePage());
    }
}

void GoToPageRoundTrip(benchmark::State &state)
{
    Running run;
    MainWindow &window = *run.window;
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

// A user's tour of every page built, in the order of the tab strip and back
// to the first, as the tab strip does it.
void VisitEveryPage(benchmark::State &state)
{
    Running run;
    MainWindow &window = *run.window;
    // The strip's order from the second tab on, back to the first.
    QVector<int> tour = AvailablePagesInStripOrder();
    tour << tour.takeFirst();
    for (auto _ : state) {
        for (int index : tour) {
            window.GoToPage(window.ActivePage(), index);
            QApplication::processEvents();
        }
    }
    state.counters["per_switch"] =
        benchmark::Counter(tour.size(), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
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
        MainWindow &window = *run.window;
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

// Undo and redo of one list choice on a page: what the user waits for after
// Ctrl+Z (the switches put back, the page laid out and shown again).
void UndoRedoOneStep(benchmark::State &state)
{
    Running run;
    MainWindow &window = *run.window;
    const int index = static_cast<int>(state.range(0));
    window.GoToPage(window.ActivePage(), index);
    QApplication::processEvents();
    PageWindow *page = window.ActivePage();
    QComboBox *list = nullptr;
    for (QComboBox *l : page->findChildren<QComboBox *>()) {
        if (l->isEnabled() && l->count() > 1 && page->Definition().Control(l->objectName())) {
            list = l;
            break;
        }
    }
    if (!list) {
        state.SkipWithError("no list to change");
        return;
    }
    list->setCurrentIndex((list->currentIndex() + 1) % list->count());
    emit list->activated(list->currentIndex());
    for (auto _ : state) {
        window.UndoCommand();
        QApplication::processEvents();
        window.RedoCommand();
        QApplication::processEvents();
    }
    state.counters["per_step"] =
        benchmark::Counter(2, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Words typed into the search field: the matches of every page listed.
void SearchField(benchmark::State &state)
{
    Running run;
    const QStringList queries = {QStringLiteral("weld"), QStringLiteral("text size"), QStringLiteral("41"),
                                 QStringLiteral("skew angle"), QStringLiteral("font")};
    for (auto _ : state) {
        for (const QString &q : queries)
            run.window->ShowSearchResults(q);
    }
    state.counters["per_query"] = benchmark::Counter(static_cast<double>(queries.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate
                                                         | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(StartUpToFirstPage)->Unit(benchmark::kMillisecond);
// Plotted iso to another page and back: two page switches per iteration.
BENCHMARK(GoToPageRoundTrip)->DenseRange(1, 7)->Unit(benchmark::kMillisecond);
BENCHMARK(VisitEveryPage)->Unit(benchmark::kMillisecond);
// Plotted iso, material list, welding and iso style.
BENCHMARK(UndoRedoOneStep)->Arg(0)->Arg(2)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchField)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstVisit)->ArgsProduct({{1, 2, 3, 4, 5, 6, 7}, {0, 1}})->ArgNames({"page", "prepared"})
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
