#pragma once

// A fresh start for each main window test: a program directory with the
// bundled configuration and description files, a copy of the block example
// as JOB.OPT, scripted prompts, an editor and (unless asked not to) the main
// window.
#include "TestSupport.h"
#include "shell/Editor.h"
#include "gui/MainWindow.h"
#include "shell/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace swted::test {

struct MainWindowFixture {
    std::unique_ptr<QTemporaryDir> work;
    QString prog;
    QString job;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<MainWindow> window;

    void SetUp(bool withWindow = true)
    {
        TearDown(); // a window of an earlier start goes before its editor
        // Settings go to Qt's test folders, never the user's own (ctest also
        // gives every test a scratch home).
        QStandardPaths::setTestModeEnabled(true);
        work = std::make_unique<QTemporaryDir>();
        prog = MakeProgramDir(work->filePath("prog"));
        job = work->filePath("JOB.OPT");
        QFile::copy(SWTED_SOURCE_DIR "/examples/PLANT.OPT", job);
        QFile(job).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        prompts = std::make_unique<ScriptedPrompts>();
        editor = std::make_unique<Editor>(*prompts);
        if (withWindow)
            window = std::make_unique<MainWindow>(*editor);
    }
    void TearDown()
    {
        window.reset();
        editor.reset();
        prompts.reset();
        work.reset();
    }
};

} // namespace swted::test
