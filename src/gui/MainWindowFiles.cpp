// The file commands: Open, Recent Files, Close, Save, Save As, and the file changed on disk.
#include "gui/MainWindow.h"

#include "model/FileSystem.h"
#include "model/Messages.h"
#include "shell/Editor.h"
#include "shell/FileCommands.h"
#include "shell/Prompts.h"
#include "model/TextFile.h"
#include "model/OptionsReader.h"

#include <QApplication>

namespace swted {

bool MainWindow::ReadyToOpen()
{
    if (!editor.file.FileLoaded)
        return true;
    // The page on screen is stored first, so its edits count in the question.
    StoreActivePage();
    return QuerySaveChanges(editor);
}

FileDialogRequest MainWindow::OpenRequest(const QString &title) const
{
    FileDialogRequest request;
    request.title = title;
    request.filter = DialogFilter(editor.config);
    request.directory = OpenFolder();
    request.fileMustExist = true;
    return request;
}

QString MainWindow::OpenFolder() const
{
    if (!editor.file.CurrentFileDirectory.isEmpty())
        return editor.file.CurrentFileDirectory;
    const QStringList recent = editor.recentFiles.Paths();
    return recent.isEmpty() ? QString() : DirectoryOf(recent.front());
}

void MainWindow::OpenOptionsFile()
{
    if (!ReadyToOpen())
        return;
    const std::optional<QString> chosen = editor.prompts.GetOpenFileName(OpenRequest(QStringLiteral("Open Options File")));
    if (!chosen)
        return; // the file on screen stays open and unchanged
    OpenChosenFile(*chosen);
}

void MainWindow::OpenRecentFile(const QString &path)
{
    // A file that is gone leaves the one on screen as it is, unasked.
    if (!PathExists(path)) {
        editor.prompts.Inform(QStringLiteral("Can't find file ") + path
                              + QStringLiteral("!\rIt has been removed from the list of recent files."));
        editor.recentFiles.Remove(path);
        UpdateRecentMenu();
        return;
    }
    if (!ReadyToOpen())
        return;
    OpenChosenFile(path);
}

void MainWindow::OpenChosenFile(const QString &F)
{
    const QString T = F.mid(LastSeparator(F) + 1);
    // With a file on screen, the chosen one is read aside first: one that
    // does not read leaves the file on screen open as it is, with one
    // message that says why.
    if (editor.file.FileLoaded) {
        OptionsDocument trial;
        trial.CurrentFileDirectory = F.left(F.size() - T.size());
        trial.CurrentFilePath = trial.CurrentFileDirectory + T;
        SwitchStore trialStore;
        const ReadOutcome outcome = ReadOptionsFile(trial, trialStore, editor.config.FileTypes);
        if (!outcome.ok) {
            editor.prompts.Inform(outcome.message);
            return;
        }
    }
    // A file another session edits asks first; Cancel leaves the file on
    // screen as it is.
    if (!ClaimFile(editor, F))
        return;
    UnloadAllPages();
    editor.file.CurrentFileDirectory = F.left(F.size() - T.size());
    editor.file.CurrentFilePath = editor.file.CurrentFileDirectory + T;
    if (!ReadOptionsFile(editor)) {
        editor.prompts.Inform(QStringLiteral("Problem Loading ") + editor.file.CurrentFilePath);
        UnloadAllPages();
        EnterNoFileState();
        return;
    }
    RememberFile(editor.file.CurrentFilePath);
    FileRead();
    EnterFileState();
    ShowFirstPage(180, false);
}

void MainWindow::CloseOptionsFile()
{
    StoreActivePage();
    if (QuerySaveAndUnloadPages())
        EnterNoFileState();
}

void MainWindow::SaveCommand()
{
    StoreActivePage();
    const bool saved = SaveOptionsFile(editor);
    if (saved)
        RememberFile(editor.file.CurrentFilePath);
    ShowSavedState();
    if (saved)
        NoteSaved();
}

void MainWindow::SaveAsCommand()
{
    StoreActivePage();
    const bool saved = SaveOptionsFileAs(editor) == SaveAsResult::Saved;
    if (saved)
        RememberFile(editor.file.CurrentFilePath);
    ShowSavedState();
    if (saved)
        NoteSaved();
}

bool MainWindow::ReloadFile()
{
    const PageWindow *page = ActivePage();
    const int index = page ? page->Definition().index : 0;
    // The pages are put away; what they store is read over at once.
    UnloadAllPages();
    if (!ReadOptionsFile(editor)) {
        editor.prompts.Inform(QStringLiteral("Problem Loading ") + editor.file.CurrentFilePath);
        UnloadAllPages();
        EnterNoFileState();
        return false;
    }
    FileRead();
    EnterFileState();
    if (!stopping && !exiting)
        OpenPage(index);
    UpdateTitle();
    return true;
}

void MainWindow::ReviewFileOnDisk()
{
    // Once at a time, and never over another window's question.
    if (reviewing || stopping || exiting || QApplication::activeModalWidget())
        return;
    reviewing = true;
    ReviewDiskOnReturn(editor, [this] { StoreActivePage(); });
    reviewing = false;
    ShowSavedState();
}

} // namespace swted
