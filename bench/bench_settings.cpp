// The cost of the settings commands against the commands they stand beside,
// in one run on 2,000 files (copies of the bundled examples, every type, the
// OPL and OPS files reading their user fonts): "explain" (every setting in
// words, from a tour of the pages) against "show" (the 140 values), and
// "set" of one key through its page and a save against "rewrite" (read and
// save). Prints the median time of each over several rounds and the ratios.
// Usage: bench_settings [FILES] [ROUNDS]
#include "BenchSupport.h"
#include "model/SwitchStore.h"
#include "settings/SettingValues.h"
#include "shell/Editor.h"
#include "shell/EditorConfiguration.h"
#include "shell/FileCommands.h"
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
    QTemporaryDir work;
    const QString prog = work.filePath(QStringLiteral("prog/"));
    QDir().mkpath(prog);
    for (const char *f : {"Swted.ini", "TORVA.DES", "VEXA.DES"})
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/data/") + f, prog + f);
    QStringList files = bench::MakeExampleFiles(work, count);
    auto makeFiles = [&] { files = bench::MakeExampleFiles(work, count); };
    ScriptedPrompts prompts;
    auto editorFor = [&](const QString &path) {
        auto editor = std::make_unique<Editor>(prompts);
        editor->commandLine = true;
        editor->ProgramDirectory = prog;
        LoadEditorConfiguration(prog, editor->config);
        SetCurrentFile(*editor, path);
        return editor;
    };
    const Setting &key = *FindSetting(QStringLiteral("plotted-iso.paper-settings.sheet-size"));

    QString sink;
    QTextStream out(&sink);
    auto show = [&] {
        for (const QString &path : files) {
            auto editor = editorFor(path);
            ReadOptionsFile(*editor);
            for (int n = 1; n <= SwitchCount; ++n)
                out << n << ' ' << editor->store.GetSwitchValue(n) << '\n';
            sink.clear();
        }
    };
    auto explain = [&] {
        for (const QString &path : files) {
            auto editor = editorFor(path);
            if (!ReadOptionsFile(*editor))
                continue;
            const Explanation e = ExplainSettings(editor->store, editor->config.RunTypeRestricted, &editor->Fonts());
            for (const SettingShown &s : e.settings)
                out << s.setting->key << ' ' << s.value << '\n';
            sink.clear();
        }
    };
    auto rewrite = [&] {
        for (const QString &path : files) {
            auto editor = editorFor(path);
            if (ReadOptionsFile(*editor))
                SaveOptionsFile(*editor);
        }
    };
    int refused = 0;
    auto set = [&] {
        for (const QString &path : files) {
            auto editor = editorFor(path);
            if (!ReadOptionsFile(*editor))
                continue;
            const SettingEdit edit = SetSetting(editor->store, prompts, editor->config.RunTypeRestricted, &editor->Fonts(),
                                                key, QStringLiteral("European A1"));
            if (edit.done)
                SaveOptionsFile(*editor);
            else
                ++refused;
        }
    };
    std::vector<double> showTimes, explainTimes, rewriteTimes, setTimes;
    for (int r = 0; r < rounds; ++r) {
        showTimes.push_back(Seconds(show));
        explainTimes.push_back(Seconds(explain));
        makeFiles();
        rewriteTimes.push_back(Seconds(rewrite));
        makeFiles();
        setTimes.push_back(Seconds(set));
    }
    const double s = Median(showTimes), e = Median(explainTimes), w = Median(rewriteTimes), t = Median(setTimes);
    std::printf("files: %d  rounds: %d\nshow:    %.3f s (median)\nexplain: %.3f s (median)  ratio %.2f\n"
                "rewrite: %.3f s (median)\nset:     %.3f s (median)  ratio %.2f\n",
                count, rounds, s, e, e / s, w, t, t / w);
    return refused == 0 ? 0 : 1;
}
