// The cost of linting options files against the cost of showing them, in one
// run: 2,000 files (copies of the bundled examples, every type) are read and
// their values printed ("show"), then read and taken through a tour of every
// page on page states ("lint"), the font groups reading the font files the
// OPL and OPS files name through a Karven.fls beside them. Prints the median time of each over several
// rounds and their ratio.
// Usage: bench_lint [FILES] [ROUNDS]
#include "BenchSupport.h"
#include "model/OptionsReader.h"
#include "pages/PageTour.h"
#include "pages/UserFontGroup.h"
#include "shell/EditorConfiguration.h"
#include "shell/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace swted;
using bench::Median;
using bench::Seconds;


int main(int argc, char **argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    EditorConfiguration config;
    LoadEditorConfiguration(QStringLiteral(SWTED_SOURCE_DIR "/data"), config);
    QTemporaryDir work;
    const QStringList files = bench::MakeExampleFiles(work, count);

    QString sink;
    auto show = [&] {
        QTextStream out(&sink);
        for (const QString &path : files) {
            OptionsDocument doc;
            doc.CurrentFilePath = path;
            SwitchStore store;
            ReadOptionsFile(doc, store, config.FileTypes);
            for (int n = 1; n <= SwitchCount; ++n)
                out << n << ' ' << store.GetSwitchValue(n) << '\n';
            sink.clear();
        }
    };
    int messages = 0;
    auto lint = [&] {
        for (const QString &path : files) {
            OptionsDocument doc;
            doc.CurrentFilePath = path;
            SwitchStore store;
            ScriptedPrompts prompts;
            UserFontSession fonts;
            fonts.optionsPath = path;
            fonts.optionsFolder = work.path() + QLatin1Char('/');
            if (ReadOptionsFile(doc, store, config.FileTypes).ok)
                TourPages(store, prompts, config.RunTypeRestricted, &fonts);
            messages += static_cast<int>(prompts.messages.size());
        }
    };
    std::vector<double> showTimes, lintTimes;
    for (int r = 0; r < rounds; ++r) {
        showTimes.push_back(Seconds(show));
        lintTimes.push_back(Seconds(lint));
    }
    const double s = Median(showTimes), l = Median(lintTimes);
    std::printf("files: %d  rounds: %d  pages toured: %d\nshow: %.3f s (median)\nlint: %.3f s (median)\nratio: %.2f\n",
                count, rounds, static_cast<int>(AvailablePagesInStripOrder().size()), s, l, l / s);
    return messages == 0 ? 0 : 1;
}
