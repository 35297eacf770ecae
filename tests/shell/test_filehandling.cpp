// Everyday file handling in the main window: what the Open and Save As
// dialogs are asked for, the Recent Files list and its submenu.
#include "shell/Editor.h"
#include "shell/EditorConfiguration.h"
#include "shell/MainWindow.h"
#include "shell/QtPrompts.h"
#include "shell/RecentFiles.h"
#include "shell/ScriptedPrompts.h"
#include "pages/SettingSearch.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

using namespace swted;
using namespace swted::test;

namespace {
const QString AllOptionsFiles = QStringLiteral("All options files|*.OPT *.OPL *.OPS *.HDR *.DEF *.IDF|");
}

class TestFileHandling : public QObject, protected MainWindowFixture {
    Q_OBJECT

    void Start(const QString &commandLine)
    {
        QVERIFY(window->StartUp(commandLine, prog));
        window->show();
    }
    // A copy of a bundled example at a path under the work folder.
    QString Example(const QString &relative, const char *example = "PLANT.OPL")
    {
        const QString path = work->filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::copy(QStringLiteral(SWTED_SOURCE_DIR "/examples/") + example, path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    QStringList MenuTexts() const
    {
        QStringList out;
        for (QAction *a : window->mnuFilRecent->actions())
            out << a->text();
        return out;
    }
    QLineEdit *Field(const char *name) { return window->ActivePage()->Get<QLineEdit>(QString::fromLatin1(name)); }

private slots:
    void initTestCase()
    {
        // Nothing here may reach the user's own settings.
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void dialogFilterPutsEveryConfiguredExtensionFirst()
    {
        EditorConfiguration c;
        QCOMPARE(LoadEditorConfiguration(prog, c).kind, ConfigurationOutcome::Ok);
        const QString stored = c.OpenFilter;
        QCOMPARE(DialogFilter(c), AllOptionsFiles + stored);
        QCOMPARE(c.OpenFilter, stored); // the configured filter itself stays as it is
        QCOMPARE(QtPrompts::QtFilters(DialogFilter(c)).front(),
                 QStringLiteral("All options files (*.OPT *.OPL *.OPS *.HDR *.DEF *.IDF)"));
        QCOMPARE(QtPrompts::QtFilters(DialogFilter(c)).mid(1), QtPrompts::QtFilters(stored));

        // Each extension once; no types, no "All options files".
        QCOMPARE(ParseEditorConfiguration({"EXTENSION OPL A", "LEADLINES 0", "ID SWITCH", "HEADLINES 3", "OSPL 1",
                                           "EXTENSION OPL B", "LEADLINES 0", "ID SWITCH", "HEADLINES 3", "OSPL 1"},
                                          c)
                     .kind,
                 ConfigurationOutcome::Ok);
        QCOMPARE(DialogFilter(c), QStringLiteral("All options files|*.OPL|A|*.OPL|B|*.OPL|All Files (*.*)|*.*"));
        QCOMPARE(ParseEditorConfiguration({}, c).kind, ConfigurationOutcome::Ok);
        QCOMPARE(DialogFilter(c), QStringLiteral("All Files (*.*)|*.*"));
    }

    // The dialog the window shows lists names in any case under the
    // upper-case patterns.
    void dialogListsLowerCaseNamesUnderTheFirstFilter()
    {
        const QString folder = work->filePath("mixed");
        QDir().mkpath(folder);
        for (const char *name : {"a.opt", "B.OPL", "c.Hdr", "d.txt"})
            WriteBytes(folder + "/" + name, "x");
        EditorConfiguration c;
        QVERIFY(LoadEditorConfiguration(prog, c).kind == ConfigurationOutcome::Ok);
        FileDialogRequest request;
        request.filter = DialogFilter(c);
        request.directory = folder;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QtPrompts::PrepareDialog(dialog, request, false);
        QCOMPARE(dialog.selectedNameFilter(), QtPrompts::QtFilters(request.filter).front());
        QCOMPARE(dialog.directory().absolutePath(), QDir(folder).absolutePath());
        auto *view = dialog.findChild<QListView *>(QStringLiteral("listView"));
        QVERIFY(view);
        auto shown = [view] {
            QStringList names;
            const QModelIndex root = view->rootIndex();
            for (int r = 0; r < view->model()->rowCount(root); ++r)
                names << view->model()->index(r, 0, root).data().toString();
            names.sort();
            return names;
        };
        QTRY_COMPARE(shown(), (QStringList{"B.OPL", "a.opt", "c.Hdr"}));
    }

    // Save As proposes the file's whole path in its folder; taking the
    // proposal as it is saves the file over itself in its own type.
    void saveAsProposesTheWholePath()
    {
        const QString file = Example("plant/Job.opl");
        Start(file);
        window->SaveAsCommand();
        QCOMPARE(prompts->dialogs.size(), 1);
        const FileDialogRequest r = prompts->dialogs[0].request;
        QVERIFY(prompts->dialogs[0].save);
        QCOMPARE(r.fileName, file);
        QCOMPARE(r.directory, work->filePath("plant") + "/");
        QVERIFY(r.filter.startsWith(AllOptionsFiles));
        QCOMPARE(r.filter, DialogFilter(editor->config));

        Field("Opt_10_Text")->setText("7");
        prompts->dialogResults.push_back(r.fileName);
        prompts->answers.push_back(Answer::Yes); // overwrite
        window->SaveAsCommand();
        QCOMPARE(prompts->texts().size(), 1);
        QVERIFY2(prompts->texts()[0].contains("already exists"), qPrintable(prompts->texts()[0]));
        QVERIFY(!editor->store.HasUnsavedChanges());
        QCOMPARE(editor->file.CurrentFilePath, file);
        QVERIFY(ReadBytes(file).contains("\r\n10      7 "));
    }

    // Open starts in the current file's folder; with no file open, in the
    // folder of the file last opened or saved.
    void openStartsInTheFileFolder()
    {
        Start(QString());
        window->OpenOptionsFile();
        QCOMPARE(prompts->dialogs.back().request.directory, QString());
        QCOMPARE(prompts->dialogs.back().request.filter, DialogFilter(editor->config));

        const QString file = Example("far/away/PLANT.OPL");
        prompts->dialogResults.push_back(file);
        window->OpenOptionsFile();
        QCOMPARE(editor->file.CurrentFilePath, file);
        window->OpenOptionsFile();
        QCOMPARE(prompts->dialogs.back().request.directory, work->filePath("far/away") + "/");

        window->CloseOptionsFile();
        QVERIFY(!editor->file.FileLoaded);
        window->OpenOptionsFile();
        QCOMPARE(prompts->dialogs.back().request.directory, work->filePath("far/away") + "/");
        QCOMPARE(prompts->dialogs.size(), 4);
    }

    // Most recent first, each file once however it was named, eight at
    // most; only opens and saves that succeeded count.
    void recentListOrderLimitAndDuplicates()
    {
        Start(job);
        QCOMPARE(editor->recentFiles.Paths(), QStringList{job});
        QVERIFY(window->mnuFilRecent->menuAction()->isEnabled());

        QStringList files;
        for (int i = 1; i <= 9; ++i)
            files << Example(QStringLiteral("f%1/PLANT.OPL").arg(i));
        for (const QString &f : files) {
            prompts->dialogResults.push_back(f);
            window->OpenOptionsFile();
        }
        QStringList expected;
        for (int i = 8; i >= 1; --i)
            expected << files[i];
        QCOMPARE(editor->recentFiles.Paths(), expected);

        // Named another way, f5 moves to the top and is not listed twice.
        prompts->dialogResults.push_back(work->filePath("f4/../f5/./PLANT.OPL"));
        window->OpenOptionsFile();
        expected.removeAll(files[4]);
        expected.prepend(files[4]);
        QCOMPARE(editor->recentFiles.Paths(), expected);

        // Save As puts the new name first; a cancelled one and a file that
        // does not read change nothing.
        const QString saved = work->filePath("f9/COPY.OPL");
        prompts->dialogResults.push_back(saved);
        window->SaveAsCommand();
        QCOMPARE(editor->file.CurrentFilePath, saved);
        expected.prepend(saved);
        expected.removeLast();
        QCOMPARE(editor->recentFiles.Paths(), expected);
        window->SaveAsCommand();
        const QString bad = work->filePath("BAD.OPT");
        WriteBytes(bad, "nothing\r\n");
        prompts->dialogResults.push_back(bad);
        window->OpenOptionsFile();
        QVERIFY(!editor->file.FileLoaded);
        QCOMPARE(editor->recentFiles.Paths(), expected);

        // The submenu: numbered access keys, native paths, in list order.
        QStringList texts;
        for (int i = 0; i < expected.size(); ++i)
            texts << QStringLiteral("&%1 ").arg(i + 1) + QDir::toNativeSeparators(expected[i]);
        QCOMPARE(MenuTexts(), texts);
    }

    void recentListIsKeptInItsSettingsFile()
    {
        const QString store = work->filePath("settings/recent.conf");
        editor->recentFiles.KeepInFile(store);
        QCOMPARE(editor->recentFiles.StorePath(), store);
        const QString other = Example("R&D/PLANT.OPL");
        editor->recentFiles.Add(other);
        window = std::make_unique<MainWindow>(*editor);
        Start(job);

        RecentFiles again;
        again.KeepInFile(store);
        QCOMPARE(again.Paths(), (QStringList{job, other}));
        // An "&" in a path is shown, not taken for an access key.
        QCOMPARE(MenuTexts().at(1), "&2 " + QDir::toNativeSeparators(work->filePath("R&&D/PLANT.OPL")));
        QCOMPARE(AccessKeyOf(MenuTexts().at(1)), QChar('2'));

        // A list edited by hand is put right: duplicates and blanks dropped,
        // eight at most.
        QSettings raw(store, QSettings::IniFormat);
        QStringList many{job, "", job};
        for (int i = 0; i < 10; ++i)
            many << work->filePath(QStringLiteral("x%1.OPT").arg(i));
        raw.setValue(RecentFiles::Key, many);
        raw.sync();
        const QStringList read = again.Paths();
        QCOMPARE(read.size(), RecentFiles::Limit);
        QCOMPARE(read.front(), job);
        QCOMPARE(read.count(job), 1);
        QCOMPARE(read.back(), work->filePath("x6.OPT"));

        // The user's list, never in the program folder.
        RecentFiles user;
        user.KeepInUserSettings();
        QVERIFY(!user.StorePath().startsWith(QDir(prog).absolutePath()));
        QVERIFY(user.StorePath().contains("Swted"));
        QVERIFY(!user.StorePath().endsWith(ConfigurationFileName, Qt::CaseInsensitive));
    }

    void recentSubmenuAccessKeyIsFreeInTheFileMenu()
    {
        Start(QString());
        QCOMPARE(window->mnuFilRecent->title(), QStringLiteral("&Recent Files"));
        QVERIFY(!window->mnuFilRecent->menuAction()->isEnabled()); // nothing opened yet
        QList<QChar> keys;
        for (QAction *a : window->mnuFilE->actions()) {
            if (a->isSeparator())
                continue;
            const QChar key = AccessKeyOf(a->text());
            QVERIFY2(!key.isNull() && !keys.contains(key), qPrintable(a->text()));
            keys << key;
        }
        QCOMPARE(keys.size(), 6);
    }

    // Choosing a recent file does what Open does after its dialog: the
    // question about unsaved changes first, no dialog.
    void openFromTheRecentList()
    {
        const QString other = Example("other/PLANT.OPL");
        Start(other);
        prompts->dialogResults.push_back(job);
        window->OpenOptionsFile();
        prompts->dialogs.clear();
        QCOMPARE(editor->recentFiles.Paths(), (QStringList{job, other}));
        Field("Opt_10_Text")->setText("44");

        window->mnuFilRecent->aboutToShow(); // as when the user opens the submenu
        QCOMPARE(window->mnuFilRecent->actions().size(), 2);
        QAction *second = window->mnuFilRecent->actions().at(1);
        QCOMPARE(second->objectName(), QStringLiteral("mnuFilRecent2"));
        QCOMPARE(second->data().toString(), other);
        prompts->answers.push_back(Answer::Cancel);
        second->trigger();
        QCOMPARE(prompts->messages.size(), 1);
        QCOMPARE(prompts->messages[0].title, QStringLiteral("Quarnel Editing Suite"));
        QCOMPARE(editor->file.CurrentFilePath, job);
        QCOMPARE(Field("Opt_10_Text")->text(), QStringLiteral("44"));

        prompts->answers.push_back(Answer::No);
        second->trigger();
        QCOMPARE(prompts->messages.size(), 2);
        QVERIFY(prompts->dialogs.isEmpty());
        QCOMPARE(editor->file.CurrentFilePath, other);
        QCOMPARE(window->windowTitle(), "Options Editor - " + other);
        QCOMPARE(window->ActivePage()->objectName(), QStringLiteral("XPlot_1"));
        QVERIFY(!ReadBytes(job).contains("    44"));
        QCOMPARE(editor->recentFiles.Paths(), (QStringList{other, job}));
        // The item chosen outlives the rebuild of the menu it was in.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(MenuTexts().size(), 2);
    }

    // A recent file that is gone: said so, taken off the list, the file on
    // screen left as it is with its edits and nothing asked.
    void vanishedRecentFile()
    {
        const QString gone = Example("gone/PLANT.OPL");
        Start(gone);
        prompts->dialogResults.push_back(job);
        window->OpenOptionsFile();
        prompts->dialogs.clear();
        Field("Opt_10_Text")->setText("44");
        QVERIFY(QFile::remove(gone));
        window->OpenRecentFile(gone);
        QCOMPARE(prompts->texts(),
                 QStringList{"Can't find file " + gone + "!\rIt has been removed from the list of recent files."});
        QCOMPARE(editor->recentFiles.Paths(), QStringList{job});
        QCOMPARE(MenuTexts(), QStringList{"&1 " + QDir::toNativeSeparators(job)});
        QCOMPARE(editor->file.CurrentFilePath, job);
        QCOMPARE(Field("Opt_10_Text")->text(), QStringLiteral("44"));
        QVERIFY(prompts->dialogs.isEmpty());

        // The last one gone greys the submenu.
        prompts->answers.push_back(Answer::No);
        window->CloseOptionsFile();
        QVERIFY(!editor->file.FileLoaded);
        QFile::remove(job);
        window->OpenRecentFile(job);
        QVERIFY(editor->recentFiles.Paths().isEmpty());
        QVERIFY(!window->mnuFilRecent->menuAction()->isEnabled());
    }
};

QTEST_MAIN(TestFileHandling)
#include "test_filehandling.moc"
