// The menu bar and its commands: recent files, undo and redo, Default All, the tools and About.
#include "gui/MainWindow.h"

#include "gui/pages/PageViews.h"
#include "gui/tools/AboutWindow.h"
#include "gui/tools/CorrectionsWindow.h"
#include "gui/tools/EditWindow.h"
#include "gui/tools/FindWindow.h"
#include "gui/tools/ReportWindow.h"
#include "model/FileSystem.h"
#include "model/Messages.h"
#include "shell/Editor.h"
#include "shell/FileCommands.h"
#include "shell/Prompts.h"
#include "tools/SwitchLocations.h"
#include "tools/TestListing.h"
#include "model/TextFile.h"

#include <QApplication>
#include <QMenuBar>
#include <QTabBar>
#include <QRadioButton>
#include <QDir>

namespace swted {

namespace {

// The pages of the main window as the find command sees them.
class MainWindowPages : public SwitchPages {
public:
    explicit MainWindowPages(MainWindow &window) : window(window) {}
    int PageOnScreen() const override
    {
        const PageWindow *page = window.ActivePage();
        return page ? page->Definition().index : -1;
    }
    void UnloadPageOnScreen() override
    {
        if (PageWindow *page = window.ActivePage())
            window.UnloadPage(page);
    }
    void OpenPage(int index) override { window.OpenPage(index); }
    void BringSubPageForward(int index, int subPage) override
    {
        PageWindow *page = window.ActivePage();
        if (page && page->Definition().index == index)
            page->ShowSubPage(subPage);
    }
    void FocusSwitch(int switchNumber) override
    {
        PageWindow *page = window.ActivePage();
        if (!page)
            return;
        for (const ControlEntry &c : page->Definition().controls) {
            if (c.switchNumber != switchNumber || c.subPage != page->CurrentSubPage())
                continue;
            QWidget *w = page->Widget(c.name);
            if (!w && !page->Options(c.name).isEmpty())
                w = page->Options(c.name).first();
            if (w && w->isVisibleTo(page) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) {
                page->FocusControl(c.name);
                return;
            }
        }
    }

private:
    MainWindow &window;
};

} // namespace

void MainWindow::BuildMenus()
{
    mnuFilE = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFilE->setObjectName(QStringLiteral("mnuFilE"));
    munFilOpen = mnuFilE->addAction(QStringLiteral("&Open..."), this, &MainWindow::OpenOptionsFile);
    munFilOpen->setObjectName(QStringLiteral("munFilOpen"));
    munFilOpen->setShortcut(QKeySequence::Open);
    // R is the one access key of the File menu that no other item takes.
    mnuFilRecent = mnuFilE->addMenu(QStringLiteral("&Recent Files"));
    mnuFilRecent->setObjectName(QStringLiteral("mnuFilRecent"));
    // Filled again each time it opens: another window may have changed the list.
    connect(mnuFilRecent, &QMenu::aboutToShow, this, &MainWindow::UpdateRecentMenu);
    mnuFilClose = mnuFilE->addAction(QStringLiteral("&Close"), this, &MainWindow::CloseOptionsFile);
    mnuFilClose->setObjectName(QStringLiteral("mnuFilClose"));
    mnuFilCompare = mnuFilE->addAction(QStringLiteral("Compare &With..."), this, &MainWindow::CompareWithCommand);
    mnuFilCompare->setObjectName(QStringLiteral("mnuFilCompare"));
    mnuFilEndCompare = mnuFilE->addAction(QStringLiteral("E&nd Comparison"), this, &MainWindow::EndComparison);
    mnuFilEndCompare->setObjectName(QStringLiteral("mnuFilEndCompare"));
    mnuFilEndCompare->setEnabled(false);
    mnuFilE->addSeparator()->setObjectName(QStringLiteral("mnuBlank1"));
    mnuFilSave = mnuFilE->addAction(QStringLiteral("&Save"), this, &MainWindow::SaveCommand);
    mnuFilSave->setObjectName(QStringLiteral("mnuFilSave"));
    mnuFilSave->setShortcut(QKeySequence::Save);
    mnuFilSaveAs = mnuFilE->addAction(QStringLiteral("Save &As..."), this, &MainWindow::SaveAsCommand);
    mnuFilSaveAs->setObjectName(QStringLiteral("mnuFilSaveAs"));
    mnuFilSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuFilE->addSeparator()->setObjectName(QStringLiteral("mnuBlank"));
    mnuFilExit = mnuFilE->addAction(QStringLiteral("E&xit"), this, &MainWindow::ExitCommand);
    mnuFilExit->setObjectName(QStringLiteral("mnuFilExit"));
    mnuFilExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Undo and redo go over every change the user makes to the switches.
    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditUndo = mnuEdit->addAction(QStringLiteral("&Undo"), this, &MainWindow::UndoCommand);
    mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = mnuEdit->addAction(QStringLiteral("&Redo"), this, &MainWindow::RedoCommand);
    mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    mnuEdit->addSeparator();
    mnuEditTakeAll = mnuEdit->addAction(QStringLiteral("Take All from &Compared File"), this, &MainWindow::TakeAllCommand);
    mnuEditTakeAll->setObjectName(QStringLiteral("mnuEditTakeAll"));
    mnuEditTakeAll->setEnabled(false);

    mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuSeaFind = mnuTools->addAction(QStringLiteral("Find &Option Switch"), this, &MainWindow::FindCommand);
    mnuSeaFind->setObjectName(QStringLiteral("mnuSeaFind"));
    mnuTooReport = mnuTools->addAction(QStringLiteral("Settings &Report..."), this, &MainWindow::ReportCommand);
    mnuTooReport->setObjectName(QStringLiteral("mnuTooReport"));
    mnuTooDefAll = mnuTools->addAction(QStringLiteral("Default &All Switches"), this, &MainWindow::DefaultAllCommand);
    mnuTooDefAll->setObjectName(QStringLiteral("mnuTooDefAll"));
    mnuOSTesting = mnuTools->addAction(QStringLiteral("O&STesting"), this, &MainWindow::OSTestingCommand);
    mnuOSTesting->setObjectName(QStringLiteral("mnuOSTesting"));
    mnuOSTesting->setVisible(false);

    mnuAbout = menuBar()->addAction(QStringLiteral("&About"), this, &MainWindow::AboutCommand);
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    // In the menu bar's keyboard mode (Alt, then a letter) a letter only
    // highlights an item without a menu: About's letter opens it.
    menuBar()->installEventFilter(this);

    // The pages in the order of the tab strip, from the keyboard anywhere
    // in the window, as tabbed windows do.
    auto *nextPage = new QAction(this);
    nextPage->setObjectName(QStringLiteral("actNextPage"));
    nextPage->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    connect(nextPage, &QAction::triggered, this, [this] { StepPage(1); });
    addAction(nextPage);
    auto *previousPage = new QAction(this);
    previousPage->setObjectName(QStringLiteral("actPreviousPage"));
    previousPage->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    connect(previousPage, &QAction::triggered, this, [this] { StepPage(-1); });
    addAction(previousPage);
}

void MainWindow::UpdateRecentMenu()
{
    // The item chosen may be the one running this: the old items go later.
    for (QAction *old : mnuFilRecent->actions()) {
        mnuFilRecent->removeAction(old);
        old->deleteLater();
    }
    const QStringList paths = editor.recentFiles.Paths();
    for (int i = 0; i < paths.size(); ++i) {
        // Numbered 1 to 8 as access keys; an "&" in a path is shown, not
        // taken for one.
        QString shown = QDir::toNativeSeparators(paths[i]);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = mnuFilRecent->addAction(QStringLiteral("&%1 ").arg(i + 1) + shown);
        item->setObjectName(QStringLiteral("mnuFilRecent%1").arg(i + 1));
        item->setData(paths[i]);
        const QString path = paths[i];
        connect(item, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    mnuFilRecent->menuAction()->setEnabled(!paths.isEmpty());
}

void MainWindow::RememberFile(const QString &path)
{
    editor.recentFiles.Add(path);
    UpdateRecentMenu();
}

void MainWindow::ShowCorrections()
{
    const QString &path = editor.file.CurrentFilePath;
    CorrectionsWindow list(Printable(path.mid(LastSeparator(path) + 1)), editor.corrections, this);
    list.exec();
}

void MainWindow::RecordEdit(const SwitchValueSet &before, const SwitchValueSet &after, const EditOrigin &origin)
{
    editor.history.Record(before, after, origin);
    UpdateEditState();
}

// The store goes back (or forward) to the values of a step, and the page on
// screen shows them. A step made on another page brings that page forward
// through its tab, as a click would (the page left is stored), so that the
// user sees what changed; its control takes the focus.
void MainWindow::GoToValues(const std::optional<SwitchValueSet> &values, const EditOrigin &origin)
{
    if (!values)
        return;
    PageWindow *page = ActivePage();
    if (page && origin.page >= 0 && origin.page < PageCount && origin.page != page->Definition().index) {
        page->TabStrip()->setCurrentIndex(PageOfIndex(origin.page).stripPosition - 1);
        page = ActivePage(); // still the page left when the step's page is not available
    }
    RestoreValues(editor.store, *values);
    if (page && page->LayoutForm() && page->Definition().index == origin.page && !origin.control.isEmpty()) {
        page->ShowSubPage(origin.subPage);
        page->FocusControl(origin.control);
    }
    UpdateEditState();
}

void MainWindow::UndoCommand()
{
    const EditOrigin *next = editor.history.NextUndo();
    const EditOrigin origin = next ? *next : EditOrigin{};
    GoToValues(editor.history.Undo(), origin);
}

void MainWindow::RedoCommand()
{
    const EditOrigin *next = editor.history.NextRedo();
    const EditOrigin origin = next ? *next : EditOrigin{};
    GoToValues(editor.history.Redo(), origin);
}

void MainWindow::DefaultAllCommand()
{
    // Every switch of the file changes: asked first.
    if (editor.prompts.ShowMessage(Message{msg::DefaultAllQuestion(), OptionsEditorTitle, MessageButtons::YesNo,
                                           MessageIcon::Exclamation})
        != Answer::Yes)
        return;
    // Every switch now holds what the user chose: no correction of the
    // file's values is left to make.
    editor.corrections.clear();
    PageWindow *page = ActivePage();
    const SwitchValueSet before = page ? page->ValuesShown() : CurrentValues(editor.store);
    editor.store.DefaultAllSwitches();
    if (page)
        page->LayoutForm();
    // One step of undo, however many switches it changed.
    RecordEdit(before, page ? page->ValuesShown() : CurrentValues(editor.store),
               EditOrigin{-1, 0, QString(), QStringLiteral("Default All Switches"), false});
}

void MainWindow::AboutCommand()
{
    AboutWindow about(versionText, editor.ProgramDirectory, this);
    about.exec();
}

void MainWindow::FindCommand()
{
    MainWindowPages pages(*this);
    FindWindow find(editor.prompts, pages, this);
    find.exec();
}

void MainWindow::ReportCommand()
{
    // The report shows the page on screen as it stands, as a save would.
    StoreActivePage();
    std::optional<ReportWindow> report;
    {
        BusyCursor busy(editor.prompts);
        report.emplace(editor.prompts, SettingsReportInputOf(editor, false), this);
    }
    report->exec();
}

void MainWindow::FileRead()
{
    // Said once, before the first page changes anything: every setting the
    // pages will store differently from the file.
    editor.corrections = CollectCorrections(editor.store, editor.config.RunTypeRestricted, &editor.Fonts());
    if (testingTool)
        ShowTestListing();
}

void MainWindow::OSTestingCommand()
{
    // The listing shows the file as a save would write it, so the page on
    // screen is stored first, as a save does.
    StoreActivePage();
    ShowTestListing();
}

void MainWindow::ShowTestListing()
{
    BusyCursor busy(editor.prompts);
    const TestListing listing = BuildTestListing(editor.file, editor.store);
    if (!editWindow) {
        editWindow = new EditWindow(editor.prompts, this);
        editWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    QString pdf = editor.file.CurrentFilePath;
    const int dot = static_cast<int>(pdf.lastIndexOf(QLatin1Char('.')));
    if (dot > LastSeparator(pdf))
        pdf.truncate(dot);
    editWindow->SetPdfName(pdf + QStringLiteral(".pdf"));
    editWindow->SetListing(listing);
    editWindow->show();
    editWindow->raise();
    editWindow->activateWindow();
}

EditWindow *MainWindow::Edit() const
{
    return editWindow.data();
}

} // namespace swted
