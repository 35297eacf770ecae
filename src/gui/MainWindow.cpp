// The main window mdiEdit: start-up, its states with and without a file, closing, and its keys.
#include "gui/MainWindow.h"

#include "gui/ComparedFile.h"

#include "gui/Twips.h"
#include "gui/pages/PageViews.h"
#include "gui/tools/EditWindow.h"
#include "model/FileSystem.h"
#include "model/Messages.h"
#include "shell/Editor.h"
#include "shell/FileCommands.h"
#include "shell/ProgramFolder.h"
#include "shell/Prompts.h"
#include "tools/SwitchLocations.h"
#include "gui/pages/TipWindow.h"
#include "gui/tools/AboutWindow.h"
#include "model/TextFile.h"
#include "pages/SettingSearch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QLineEdit>

namespace swted {

MainWindow::MainWindow(Editor &editor, QWidget *parent) : QMainWindow(parent), editor(editor)
{
    setObjectName(QStringLiteral("mdiEdit"));
    setWindowTitle(EditorCaption());
    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setBackground(QColor(192, 192, 192));
    mdiArea->viewport()->installEventFilter(this);
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    BuildMenus();
    // The status bar: unsaved changes, and for the restricted run type why
    // some settings are grey.
    unsavedLabel = new QLabel(this);
    unsavedLabel->setObjectName(QStringLiteral("lblUnsaved"));
    restrictedLabel = new QLabel(QStringLiteral("Greyed settings are not used by the configured program (T-KOR)"), this);
    restrictedLabel->setObjectName(QStringLiteral("lblRestricted"));
    // The nine digits of the switch the focused control edits, the control's
    // positions marked; shown while a bound control of the page has the focus.
    digitsLabel = new QLabel(this);
    digitsLabel->setObjectName(QStringLiteral("lblDigits"));
    digitsLabel->setTextFormat(Qt::RichText);
    digitsLabel->setAccessibleName(QStringLiteral("Switch digits"));
    statusBar()->addWidget(unsavedLabel);
    // What the pages store differently from the file just opened: a note
    // that opens the list.
    correctionsButton = new QToolButton(this);
    correctionsButton->setObjectName(QStringLiteral("btnCorrections"));
    correctionsButton->setAutoRaise(true);
    correctionsButton->setToolTip(QStringLiteral("List the settings a save writes differently from the file"));
    connect(correctionsButton, &QToolButton::clicked, this, &MainWindow::ShowCorrections);
    statusBar()->addWidget(correctionsButton);
    correctionsButton->hide();
    statusBar()->addWidget(digitsLabel);
    statusBar()->addPermanentWidget(restrictedLabel);
    restrictedLabel->hide();
    digitsLabel->hide();
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::ShowFocusedDigits);
    // Typing in a field is one step of undo until the focus leaves it.
    connect(qApp, &QApplication::focusChanged, this, [this] { this->editor.history.Seal(); });
    BuildSearch();
    EnterNoFileState();
    UpdateRecentMenu();
    resize(TwipsToPixels(9600, this), TwipsToPixels(7200, this));
    editor.reload = [this] { return ReloadFile(); };
}

MainWindow::~MainWindow()
{
    editor.reload = nullptr;
    // The focus moves while the children go; this window no longer listens.
    disconnect(qApp, nullptr, this, nullptr);
    for (const auto *subs : {&pageWindows, &parkedPages}) {
        for (const auto &sub : *subs) {
            if (sub && sub->widget())
                disconnect(sub->widget(), nullptr, this, nullptr);
        }
    }
    if (tipWindow)
        delete tipWindow;
    if (editWindow)
        delete editWindow;
}

bool MainWindow::PageOpen(int index) const
{
    return !pageWindows[index].isNull();
}

TipWindow *MainWindow::Tip() const
{
    return tipWindow.data();
}

bool MainWindow::StartUp(const QString &commandLine, const QString &programDirectory)
{
    versionText = ComposeVersionText(SWTED_VERSION_MAJOR, SWTED_VERSION_MINOR, SWTED_VERSION_PATCH);
    testingTool = TestingToolOn();
    mnuOSTesting->setVisible(testingTool);
    if (!FindEditorConfiguration(ProgramFolderPlaces(programDirectory, QCoreApplication::applicationDirPath()),
                                 editor.ProgramDirectory, editor.config, editor.prompts))
        return false;
    editor.file.FileLoaded = false;
    if (!commandLine.isEmpty()) {
        if (!PathExists(commandLine)) {
            editor.prompts.Inform(QStringLiteral("Can't find file ") + commandLine + QStringLiteral("!"));
        } else if (ClaimFile(editor, commandLine)) {
            SetCurrentFile(editor, commandLine);
            if (!ReadOptionsFile(editor)) {
                editor.prompts.Inform(QStringLiteral("Problem Loading ") + commandLine);
                UnloadAllPages();
                EnterNoFileState();
                return true;
            }
            RememberFile(commandLine);
            FileRead();
            EnterFileState();
            ShowFirstPage(240, true);
        }
    }
    mdiArea->setBackground(palette().color(QPalette::Active, QPalette::Dark));
    return true;
}

void MainWindow::EnterNoFileState()
{
    savedNote.clear();
    editor.corrections.clear();
    editor.file.CurrentFilePath.clear();
    editor.file.CurrentFileDirectory.clear();
    editor.file.FileLoaded = false;
    EndComparison();
    mnuFilCompare->setEnabled(false);
    mnuFilClose->setEnabled(false);
    mnuFilSave->setEnabled(false);
    mnuFilSaveAs->setEnabled(false);
    mnuTools->setEnabled(false);
    mnuTools->menuAction()->setEnabled(false);
    ReleaseFile(editor);
    UpdateTitle();
    editor.history.Clear();
    UpdateEditState();
}

void MainWindow::EnterFileState()
{
    EndComparison(); // a file opened: the comparison was of the one before
    mnuFilClose->setEnabled(true);
    mnuFilCompare->setEnabled(true);
    mnuFilSave->setEnabled(true);
    mnuFilSaveAs->setEnabled(true);
    mnuTools->setEnabled(true);
    mnuTools->menuAction()->setEnabled(true);
    savedNote.clear();
    editor.history.Clear();
    UpdateEditState();
}

void MainWindow::changeEvent(QEvent *event)
{
    // Back from another program: the file may have been changed there.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && editor.file.FileLoaded)
        QTimer::singleShot(0, this, &MainWindow::ReviewFileOnDisk);
    QMainWindow::changeEvent(event);
}

void MainWindow::ExitCommand()
{
    if (editor.file.FileLoaded) {
        StoreActivePage();
        if (!QuerySaveAndUnloadPages())
            return;
    }
    exiting = true;
    close();
    editor.prompts.EndProgram(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!exiting && editor.file.FileLoaded && ActivePage()) {
        // The close box: the page on screen is stored and the save question asked.
        StoreActivePage();
        if (!QuerySaveChanges(editor)) {
            event->ignore();
            return;
        }
    }
    if (tipWindow)
        tipWindow->close();
    if (editWindow)
        editWindow->close();
    event->accept();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (auto *strip = qobject_cast<QTabBar *>(watched); strip && key->modifiers() == Qt::NoModifier
                                                              && TabStripKey(strip, key->key()))
            return true;
        if (watched == menuBar() && menuBar()->activeAction() && key->modifiers() == Qt::NoModifier
            && key->text().compare(QString(AccessKeyOf(mnuAbout->text())), Qt::CaseInsensitive) == 0) {
            menuBar()->setActiveAction(nullptr);
            QTimer::singleShot(0, this, &MainWindow::AboutCommand);
            return true;
        }
    }
    if (watched == searchField && SearchFieldEvent(event))
        return true;
    if (watched == mdiArea->viewport() && event->type() == QEvent::Paint && (prepareAfterPaint || !firstPageShown))
        FirstPagePainted();
    if (watched == mdiArea->viewport() && event->type() == QEvent::Resize) {
        if (!isMinimized())
            PlaceActivePage();
    } else if (event->type() == QEvent::Close) {
        // A page closed by the user (Ctrl+F4): it is unloaded, which stores it.
        if (auto *sub = qobject_cast<QMdiSubWindow *>(watched)) {
            if (auto *page = qobject_cast<PageWindow *>(sub->widget())) {
                event->ignore();
                UnloadPage(page);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace swted
