// Everyday file handling in the main window: the Open and Save As dialogs
// and the Recent Files list.
#include "gui/QtPrompts.h"
#include "pages/SettingSearch.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include "TestRegistry.h"
#include <QtTest>

using namespace swted;
using namespace swted::test;

class TestFileHandling : public QObject, protected MainWindowFixture {
    Q_OBJECT

    void Start(const QString &commandLine)
    {
        QVERIFY(window->StartUp(commandLine, prog));
        window->show();
    }
    // A copy of the list example under the work folder.
    QString Example(const QString &relative)
    {
        const QString path = work->filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::copy(SWTED_SOURCE_DIR "/examples/PLANT.OPL", path);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return path;
    }
    void Open(const QString &path)
    {
        prompts->dialogResults.push_back(path);
        window->OpenOptionsFile();
    }
    QStringList MenuTexts() const
    {
        QStringList out;
        for (QAction *a : window->mnuFilRecent->actions())
            out << a->text();
        return out;
    }
    void Edit() { window->ActivePage()->Get<QLineEdit>(QStringLiteral("Opt_10_Text"))->setText("44"); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // never the user's own settings
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // "All options files" first; Save As proposes the whole name in its
    // folder, and taking it as it is saves the file over itself; Open starts
    // in the file's folder, with no file open in the last one's.
    void dialogRequests()
    {
        const QString file = Example("plant/Job.opl");
        Start(file);
        QCOMPARE(DialogFilter(editor->config),
                 "All options files|*.OPT *.OPL *.OPS *.HDR *.DEF *.IDF|" + editor->config.OpenFilter);
        prompts->dialogResults.push_back(file);
        prompts->answers.push_back(Answer::Yes); // overwrite
        window->SaveAsCommand();
        const FileDialogRequest saveAs = prompts->dialogs[0].request;
        QCOMPARE(saveAs.fileName, file);
        QCOMPARE(saveAs.directory, work->filePath("plant/"));
        QCOMPARE(saveAs.filter, DialogFilter(editor->config));
        QCOMPARE(prompts->texts(), QStringList{file + " already exists.\rOverwrite?"});

        window->OpenOptionsFile();
        QCOMPARE(prompts->dialogs[1].request.directory, work->filePath("plant/"));
        QCOMPARE(prompts->dialogs[1].request.filter, DialogFilter(editor->config));
        window->CloseOptionsFile();
        window->OpenOptionsFile();
        QCOMPARE(prompts->dialogs[2].request.directory, work->filePath("plant/"));

        EditorConfiguration none;
        QCOMPARE(DialogFilter(none), none.OpenFilter);
    }

    // The dialog shown lists names in any case under the upper-case patterns.
    void dialogListsLowerCaseNames()
    {
        const QString folder = work->filePath("mixed");
        QDir().mkpath(folder);
        for (const char *name : {"a.opt", "B.OPL", "c.Hdr", "d.txt"})
            WriteBytes(folder + "/" + name, "x");
        QVERIFY(LoadEditorConfiguration(prog, editor->config).kind == ConfigurationOutcome::Ok);
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QtPrompts::PrepareDialog(dialog, FileDialogRequest{"", DialogFilter(editor->config), folder, "", false, true},
                                 false);
        QCOMPARE(dialog.selectedNameFilter(), "All options files (*.OPT *.OPL *.OPS *.HDR *.DEF *.IDF)");
        auto *view = dialog.findChild<QListView *>(QStringLiteral("listView"));
        auto shown = [view] {
            QStringList names;
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
                names << view->model()->index(r, 0, view->rootIndex()).data().toString();
            names.sort();
            return names;
        };
        QTRY_COMPARE(shown(), (QStringList{"B.OPL", "a.opt", "c.Hdr"}));
    }

    // Most recent first, each file once however named, eight at most, kept
    // in its settings file; files that failed to read are not listed.
    void recentList()
    {
        const QString store = work->filePath("settings/recent.conf");
        editor->recentFiles.KeepInFile(store);
        Start(QString());
        QVERIFY(!window->mnuFilRecent->menuAction()->isEnabled());
        QStringList files;
        for (int i = 0; i < 9; ++i)
            Open(files.emplaceBack(Example(QStringLiteral("f%1/R&D.OPL").arg(i))));
        Open(work->filePath("f1/../f4/./R&D.OPL"));
        WriteBytes(work->filePath("BAD.OPT"), "nothing\r\n");
        Open(work->filePath("BAD.OPT"));
        const QStringList expected{files[4], files[8], files[7], files[6], files[5], files[3], files[2], files[1]};
        QCOMPARE(editor->recentFiles.Paths(), expected);
        RecentFiles again;
        again.KeepInFile(store);
        QCOMPARE(again.Paths(), expected);
        QCOMPARE(MenuTexts().size(), 8);
        QCOMPARE(MenuTexts().front(), "&1 " + QDir::toNativeSeparators(work->filePath("f4/R&&D.OPL")));

        // Access keys: R for the submenu, each File item its own.
        QString keys;
        for (QAction *a : window->mnuFilE->actions())
            keys += a->isSeparator() ? QChar() : AccessKeyOf(a->text());
        keys.remove(QChar());
        QCOMPARE(keys, QStringLiteral("ORCWNSAX"));

        // A list edited by hand is put right.
        QSettings(store, QSettings::IniFormat).setValue(RecentFiles::Key, QStringList{"", files[0], files[0], "x"});
        QCOMPARE(again.Paths(), (QStringList{files[0], RecentFiles::Normalised("x")}));
    }

    // A recent file opens as Open opens it, the question about unsaved
    // changes first; one that is gone is said so and dropped, and the file
    // on screen stays with its edits.
    void openFromTheRecentList()
    {
        const QString other = Example("other/PLANT.OPL");
        const QString gone = Example("gone/PLANT.OPL");
        Start(gone);
        Open(other);
        Open(job);
        Edit();
        window->mnuFilRecent->aboutToShow();
        QAction *second = window->mnuFilRecent->actions().at(1);
        prompts->answers = {Answer::Cancel, Answer::No};
        second->trigger();
        QCOMPARE(editor->file.CurrentFilePath, job);
        second->trigger();
        QCOMPARE(prompts->messages.size(), 2);
        QCOMPARE(prompts->messages[1].title, QStringLiteral("Quarnel Editing Suite"));
        QCOMPARE(prompts->dialogs.size(), 2);
        QCOMPARE(window->windowTitle(), "Options Editor - " + other);
        QCOMPARE(editor->recentFiles.Paths(), (QStringList{other, job, gone}));

        Edit();
        QFile::remove(gone);
        window->OpenRecentFile(gone);
        QCOMPARE(prompts->texts().last(),
                 "Can't find file " + gone + "!\rIt has been removed from the list of recent files.");
        QCOMPARE(prompts->messages.size(), 3);
        QCOMPARE(MenuTexts(), (QStringList{"&1 " + QDir::toNativeSeparators(other),
                                           "&2 " + QDir::toNativeSeparators(job)}));
        QCOMPARE(editor->file.CurrentFilePath, other);
        QCOMPARE(window->ActivePage()->Get<QLineEdit>(QStringLiteral("Opt_10_Text"))->text(), QStringLiteral("44"));
    }
};

SWTED_TEST_MAIN(TestFileHandling)
#include "test_filehandling.moc"
