#include "shell/MainWindow.h"

#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/TextFile.h"
#include "model/OptionsReader.h"
#include "pages/PageTable.h"
#include "pages/SettingSearch.h"
#include "pages/SwitchDigits.h"
#include "pages/Pages.h"
#include "pages/Placement.h"
#include "pages/TipWindow.h"
#include "pages/Twips.h"
#include "shell/Editor.h"
#include "shell/FileCommands.h"
#include "shell/Prompts.h"
#include "tools/AboutWindow.h"
#include "tools/CorrectionsWindow.h"
#include "tools/EditWindow.h"
#include "tools/FindWindow.h"
#include "tools/SwitchLocations.h"
#include "tools/TestListing.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <QMenuBar>
#include <QScreen>
#include <QLabel>
#include <QStatusBar>
#include <QLineEdit>
#include <QListWidget>
#include <QKeyEvent>
#include <QToolBar>
#include <QTimer>

namespace swted {

namespace {
const QString EditorCaption = QStringLiteral("Options Editor");

// "&Undo Clear Screen": the command and what the step changed; the
// command alone when there is no step or it has no name.
QString StepCommandText(const QString &command, const EditOrigin *step)
{
    if (!step || step->caption.isEmpty())
        return command;
    return command + QLatin1Char(' ') + QString(step->caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

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

MainWindow::MainWindow(Editor &editor, QWidget *parent) : QMainWindow(parent), editor(editor)
{
    setObjectName(QStringLiteral("mdiEdit"));
    setWindowTitle(EditorCaption);
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

    mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuSeaFind = mnuTools->addAction(QStringLiteral("Find &Option Switch"), this, &MainWindow::FindCommand);
    mnuSeaFind->setObjectName(QStringLiteral("mnuSeaFind"));
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

void MainWindow::EnterNoFileState()
{
    savedNote.clear();
    editor.corrections.clear();
    editor.file.CurrentFilePath.clear();
    editor.file.CurrentFileDirectory.clear();
    editor.file.FileLoaded = false;
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
    mnuFilClose->setEnabled(true);
    mnuFilSave->setEnabled(true);
    mnuFilSaveAs->setEnabled(true);
    mnuTools->setEnabled(true);
    mnuTools->menuAction()->setEnabled(true);
    savedNote.clear();
    editor.history.Clear();
    UpdateEditState();
}

// Whether the file has unsaved changes, and which tabs and controls differ
// from it, come from the store and what the page on screen shows now; every
// edit, page switch, undo, redo, reset, Default All and save ends here.
void MainWindow::UpdateEditState()
{
    mnuEditUndo->setEnabled(editor.file.FileLoaded && editor.history.CanUndo());
    mnuEditRedo->setEnabled(editor.file.FileLoaded && editor.history.CanRedo());
    mnuEditUndo->setText(StepCommandText(QStringLiteral("&Undo"), editor.history.NextUndo()));
    mnuEditRedo->setText(StepCommandText(QStringLiteral("&Redo"), editor.history.NextRedo()));
    PageWindow *page = editor.file.FileLoaded ? ActivePage() : nullptr;
    const SwitchValueSet values = page ? page->ShowChanges() : CurrentValues(editor.store);
    unsavedChanges = editor.file.FileLoaded && (values != SavedValues(editor.store) || !editor.PendingCorrections().isEmpty());
    if (unsavedChanges)
        savedNote.clear(); // an edit after a save: the note is old news
    unsavedLabel->setText(unsavedChanges ? QStringLiteral("Unsaved changes") : savedNote);
    restrictedLabel->setVisible(editor.file.FileLoaded && editor.config.RunTypeRestricted);
    correctionsButton->setText(CorrectionsNote(int(editor.corrections.size())));
    correctionsButton->setVisible(editor.file.FileLoaded && !editor.corrections.isEmpty());
    UpdateTitle();
    ShowFocusedDigits();
}

void MainWindow::ShowCorrections()
{
    const QString &path = editor.file.CurrentFilePath;
    CorrectionsWindow list(Printable(path.mid(LastSeparator(path) + 1)), editor.corrections, this);
    list.exec();
}

void MainWindow::NoteSaved()
{
    const QString &path = editor.file.CurrentFilePath;
    savedNote = QStringLiteral("Saved ") + Printable(path.mid(LastSeparator(path) + 1));
    const int note = ++savedNotes;
    UpdateEditState();
    QTimer::singleShot(SavedNoteMs, this, [this, note] {
        if (note != savedNotes)
            return; // a later save shows its own note
        savedNote.clear();
        if (!unsavedChanges)
            unsavedLabel->clear();
    });
}

void MainWindow::ShowFocusedDigits()
{
    if (!digitsLabel)
        return;
    PageWindow *page = editor.file.FileLoaded ? ActivePage() : nullptr;
    QWidget *focus = QApplication::focusWidget();
    const ControlEntry *c = page && focus && page->isAncestorOf(focus) ? page->ControlOf(focus) : nullptr;
    if (!c || c->switchNumber > SwitchCount) {
        digitsLabel->hide();
        return;
    }
    int first = 0;
    int last = 0;
    EditedPositions(*c, first, last);
    const QPalette pal = digitsLabel->palette();
    const SwitchDigits d = DescribeSwitchDigits(c->switchNumber, page->ValuesShown()[c->switchNumber], first, last,
                                                pal.color(QPalette::Highlight).name(),
                                                pal.color(QPalette::HighlightedText).name());
    // A text field adds the range it takes (or what it refused).
    const QString note = page->EntryNote(focus);
    const QString text = note.isEmpty() ? d.richText : d.richText + QStringLiteral("&nbsp;&nbsp; ") + note.toHtmlEscaped();
    if (digitsLabel->text() != text)
        digitsLabel->setText(text);
    digitsLabel->setAccessibleDescription(note.isEmpty() ? d.description : d.description + QStringLiteral(". ") + note);
    digitsLabel->show();
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

// The search field beside the menus: words find settings on every page;
// choosing a result opens its page and sub-page and brings its control
// forward.
void MainWindow::BuildSearch()
{
    searchField = new QLineEdit(this);
    searchField->setObjectName(QStringLiteral("txtSearchSettings"));
    searchField->setPlaceholderText(QStringLiteral("Search settings (Ctrl+F)"));
    searchField->setClearButtonEnabled(true);
    searchField->setFixedWidth(searchField->fontMetrics().averageCharWidth() * 26);
    searchField->setAccessibleName(QStringLiteral("Search settings"));
    searchBar = addToolBar(QStringLiteral("Search"));
    searchBar->setObjectName(QStringLiteral("tbrSearch"));
    searchBar->setMovable(false);
    searchBar->setFloatable(false);
    searchBar->toggleViewAction()->setVisible(false);
    auto *spring = new QWidget(searchBar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    searchBar->addWidget(spring);
    searchCount = new QLabel(searchBar);
    searchCount->setObjectName(QStringLiteral("lblSearchCount"));
    searchCount->setContentsMargins(0, 0, 6, 0);
    searchBar->addWidget(searchCount);
    searchBar->addWidget(searchField);
    auto *focus = new QAction(this);
    focus->setShortcut(QKeySequence::Find);
    connect(focus, &QAction::triggered, this, [this] {
        searchField->setFocus();
        searchField->selectAll();
    });
    addAction(focus);

    searchResults = new QListWidget(this);
    searchResults->setObjectName(QStringLiteral("lstSearchResults"));
    searchResults->setWindowFlags(Qt::ToolTip);
    searchResults->setFocusPolicy(Qt::NoFocus);
    searchResults->setMouseTracking(true);
    connect(searchField, &QLineEdit::textChanged, this, &MainWindow::ShowSearchResults);
    connect(searchField, &QLineEdit::returnPressed, this, [this] {
        const int row = qMax(0, searchResults->currentRow());
        if (searchResults->isVisible() && row < searchResults->count())
            ChooseSearchResult(searchResults->item(row));
    });
    connect(searchResults, &QListWidget::itemClicked, this, &MainWindow::ChooseSearchResult);
    searchField->installEventFilter(this);
}

void MainWindow::ShowSearchResults(const QString &query)
{
    searchResults->clear();
    const QVector<SettingHit> hits = editor.file.FileLoaded ? SearchSettings(query) : QVector<SettingHit>();
    for (const SettingHit &hit : hits) {
        // The setting where it stands, its switch, and its tip on a second line.
        QString text = QString::fromLatin1(PageOfIndex(hit.page).caption) + QStringLiteral(" \u203A ") + hit.Where()
            + QStringLiteral("   (") + QString::number(hit.switchNumber) + QLatin1Char(')');
        if (!hit.tip.isEmpty())
            text += QStringLiteral("\n    ") + hit.tip;
        auto *item = new QListWidgetItem(text);
        item->setData(Qt::UserRole, hit.page);
        item->setData(Qt::UserRole + 1, hit.subPage);
        item->setData(Qt::UserRole + 2, hit.control);
        searchResults->addItem(item);
    }
    if (query.trimmed().isEmpty() || !editor.file.FileLoaded)
        searchCount->clear();
    else if (hits.size() == 1)
        searchCount->setText(QStringLiteral("1 setting"));
    else
        searchCount->setText(hits.isEmpty() ? QStringLiteral("No settings found")
                                            : QStringLiteral("%1 settings").arg(hits.size()));
    if (hits.isEmpty()) {
        searchResults->hide();
        return;
    }
    searchResults->setCurrentRow(0);
    int height = 6; // the first twelve rows, of one or two lines each
    for (int row = 0; row < qMin(12, searchResults->count()); ++row)
        height += searchResults->sizeHintForRow(row);
    const QPoint at = searchField->mapToGlobal(QPoint(0, searchField->height()));
    const int width = qMax(searchField->width() * 2, searchResults->sizeHintForColumn(0) + 24);
    searchResults->setGeometry(at.x() + searchField->width() - width, at.y(), width, height);
    searchResults->show();
}

void MainWindow::ChooseSearchResult(QListWidgetItem *item)
{
    if (!item)
        return;
    const int index = item->data(Qt::UserRole).toInt();
    const int subPage = item->data(Qt::UserRole + 1).toInt();
    const QString control = item->data(Qt::UserRole + 2).toString();
    searchResults->hide();
    PageWindow *page = ActivePage();
    if (!page || page->Definition().index != index) {
        if (page)
            page->TabStrip()->setCurrentIndex(PageOfIndex(index).stripPosition - 1); // as a click on the tab
        else
            OpenPage(index);
        page = ActivePage();
    }
    if (!page || page->Definition().index != index)
        return;
    page->ShowSubPage(subPage);
    page->FocusControl(control);
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

bool MainWindow::StartUp(const QString &commandLine, const QString &programDirectory)
{
    versionText = ComposeVersionText(SWTED_VERSION_MAJOR, SWTED_VERSION_MINOR, SWTED_VERSION_PATCH);
    testingTool = TestingToolOn();
    mnuOSTesting->setVisible(testingTool);
    editor.ProgramDirectory = WithTrailingSeparator(
        programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : programDirectory);
    if (!ReadEditorConfiguration(editor.ProgramDirectory, editor.config, editor.prompts))
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

void MainWindow::ShowFirstPage(int extraWidthTwips, bool centre)
{
    PageWindow *page = OpenPage(0);
    UpdateTitle();
    if (!page || isMinimized() || isMaximized() || isFullScreen())
        return;
    // The client area fits the page frame, the size of the largest page,
    // with room around it; never smaller than what the menus need. A page
    // switch leaves the window as it is.
    const int w = pageFrame.width() + TwipsToPixels(extraWidthTwips, this);
    const int h = pageFrame.height() + TwipsToPixels(600, this) + menuBar()->sizeHint().height()
        + searchBar->sizeHint().height() + statusBar()->sizeHint().height();
    ResizeOnScreen(QSize(qMax(w, minimumSizeHint().width()), h), centre);
    PlaceActivePage();
}

PageWindow *MainWindow::ActivePage() const
{
    if (QMdiSubWindow *current = mdiArea->currentSubWindow()) {
        for (const auto &sub : pageWindows) {
            if (sub == current)
                return qobject_cast<PageWindow *>(sub->widget());
        }
    }
    for (const auto &sub : pageWindows) {
        if (sub)
            return qobject_cast<PageWindow *>(sub->widget());
    }
    return nullptr;
}

PageWindow *MainWindow::OpenPage(int index)
{
    if (pageWindows[index])
        return qobject_cast<PageWindow *>(pageWindows[index]->widget());
    PreparePages();
    QMdiSubWindow *sub = parkedPages[index];
    PageWindow *page = nullptr;
    if (sub) {
        parkedPages[index] = nullptr;
        page = qobject_cast<PageWindow *>(sub->widget());
        page->Reopen();
    } else {
        sub = BuildPageWindow(index);
        if (!sub)
            return nullptr;
        page = qobject_cast<PageWindow *>(sub->widget());
    }
    pageWindows[index] = sub;
    FitPage(sub);
    PlaceInMainWindow(sub, mdiArea->viewport());
    if (!page->LayoutForm())
        return nullptr;
    sub->show();
    mdiArea->setActiveSubWindow(sub);
    UpdateEditState();
    return page;
}

void MainWindow::StepPage(int step)
{
    PageWindow *page = ActivePage();
    if (!page)
        return;
    QTabBar *strip = page->TabStrip();
    const int count = strip->count();
    for (int k = 1; k < count; ++k) {
        const int i = ((strip->currentIndex() + step * k) % count + count) % count;
        if (strip->isTabEnabled(i) && strip->isTabVisible(i)) {
            strip->setCurrentIndex(i); // as a click on the tab
            return;
        }
    }
}

// Home and End on a tab strip: the first and the last page.
bool MainWindow::TabStripKey(QTabBar *strip, int key)
{
    if (key != Qt::Key_Home && key != Qt::Key_End)
        return false;
    const int count = strip->count();
    for (int k = 0; k < count; ++k) {
        const int i = key == Qt::Key_Home ? k : count - 1 - k;
        if (strip->isTabEnabled(i) && strip->isTabVisible(i)) {
            if (i != strip->currentIndex())
                strip->setCurrentIndex(i);
            break;
        }
    }
    return true;
}

QMdiSubWindow *MainWindow::BuildPageWindow(int index)
{
    PageWindow *page = CreatePage(index, editor, *this);
    if (!page)
        return nullptr;
    page->TabStrip()->installEventFilter(this);
    connect(page, &PageWindow::Edited, this, &MainWindow::RecordEdit);
    connect(page, &PageWindow::Shown, this, &MainWindow::UpdateEditState);
    auto *sub = new QMdiSubWindow;
    sub->setWindowFlags(Qt::FramelessWindowHint);
    sub->setWidget(page);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->installEventFilter(this);
    mdiArea->addSubWindow(sub);
    sub->hide();
    pageFrame = pageFrame.expandedTo(page->WholeSize());
    return sub;
}

void MainWindow::PreparePages()
{
    for (const PageEntry &entry : PageTable) {
        const int index = entry.index;
        if (!pageWindows[index] && !parkedPages[index] && PageAvailable(index))
            parkedPages[index] = BuildPageWindow(index);
    }
}

bool MainWindow::GoToPage(PageWindow *current, int index)
{
    editor.history.Seal(); // typing on the page left is a step complete
    // The target is laid out from the store before the page being left is
    // stored back.
    if (!pageWindows[index]) {
        if (!OpenPage(index))
            return false;
    } else {
        PageWindow *target = qobject_cast<PageWindow *>(pageWindows[index]->widget());
        if (!target->LayoutForm())
            return false;
        pageWindows[index]->show();
        mdiArea->setActiveSubWindow(pageWindows[index]);
    }
    if (current && current->Definition().index != index)
        UnloadPage(current);
    // The page on screen now compares with the store as the page left has
    // stored it.
    UpdateEditState();
    return true;
}

void MainWindow::UnloadPage(PageWindow *page)
{
    const int index = page->Definition().index;
    QMdiSubWindow *sub = pageWindows[index];
    if (!sub)
        return;
    pageWindows[index] = nullptr;
    page->ReadForm();
    sub->hide();
    parkedPages[index] = sub;
    UpdateEditState();
}

void MainWindow::UnloadAllPages()
{
    for (int index : UnloadOrder) {
        if (pageWindows[index])
            UnloadPage(qobject_cast<PageWindow *>(pageWindows[index]->widget()));
    }
}

bool MainWindow::StoreActivePage()
{
    editor.history.Seal(); // a save or a file command ends the typing of a field
    PageWindow *page = ActivePage();
    if (page)
        page->ReadForm();
    return page != nullptr;
}

bool MainWindow::QuerySaveAndUnloadPages()
{
    if (!QuerySaveChanges(editor))
        return false;
    UnloadAllPages();
    return true;
}

void MainWindow::FatalStop(PageWindow *stopped)
{
    if (stopping)
        return;
    stopping = true;
    // The page that stopped is half laid out: it is put away unread. The
    // others hold the user's edits and are stored.
    const int failed = stopped ? stopped->Definition().index : -1;
    if (failed >= 0 && pageWindows[failed]) {
        pageWindows[failed]->hide();
        parkedPages[failed] = pageWindows[failed];
        pageWindows[failed] = nullptr;
    }
    UnloadAllPages();
    // The program cannot go on, so Cancel, and a save that fails, ask again.
    if (editor.file.FileLoaded) {
        while (!QuerySaveChanges(editor)) {
        }
    }
    exiting = true;
    close();
    editor.prompts.EndProgram(1);
}

void MainWindow::ShowSwitchTip(const QString &switchText, const QString &tipText, int height, int width)
{
    if (!tipWindow)
        tipWindow = new TipWindow(this);
    tipWindow->ShowTip(switchText, tipText, height, width);
}

bool MainWindow::ReadyToOpen()
{
    if (!editor.file.FileLoaded)
        return true;
    // The page on screen is stored first, so its edits count in the question.
    StoreActivePage();
    return QuerySaveChanges(editor);
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
    FileDialogRequest request;
    request.title = QStringLiteral("Open Options File");
    request.filter = DialogFilter(editor.config);
    request.directory = OpenFolder();
    request.fileMustExist = true;
    const std::optional<QString> chosen = editor.prompts.GetOpenFileName(request);
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

// After a save the change markers compare with the file as now saved, and
// the title names the file now edited (a save may have become a Save As).
void MainWindow::ShowSavedState()
{
    if (PageWindow *page = ActivePage())
        page->ShowState();
    UpdateEditState();
}

void MainWindow::UpdateTitle()
{
    if (!editor.file.FileLoaded || editor.file.CurrentFilePath.isEmpty()) {
        setWindowTitle(EditorCaption);
        return;
    }
    setWindowTitle(EditorCaption + QStringLiteral(" - ") + Printable(editor.file.CurrentFilePath)
                   + (unsavedChanges ? QStringLiteral("*") : QString())
                   + (editor.shared.readOnly ? QStringLiteral(" (Read-Only)") : QString()));
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
    AboutWindow about(versionText, this);
    about.exec();
}

void MainWindow::FindCommand()
{
    MainWindowPages pages(*this);
    FindWindow find(editor.prompts, pages, this);
    find.exec();
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
    if (watched == searchField && event->type() == QEvent::KeyPress) {
        // Up and down move through the results, Escape closes them.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (searchResults->isVisible() && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            const int row = searchResults->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            searchResults->setCurrentRow(qBound(0, row, searchResults->count() - 1));
            return true;
        }
        if (key == Qt::Key_Escape) {
            searchResults->hide();
            return true;
        }
    } else if (watched == searchField && event->type() == QEvent::FocusOut) {
        QTimer::singleShot(200, searchResults, [this] {
            if (!searchField->hasFocus())
                searchResults->hide();
        });
    }
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

void MainWindow::FitPage(QMdiSubWindow *sub)
{
    if (isMinimized())
        return;
    QSize size = pageFrame;
    if (isVisible()) {
        // The page stands at the same corner as every other page, with as
        // much room on its other sides.
        const int margin = TwipsToPixels(PageMarginTwips(), this);
        size = size.boundedTo(mdiArea->viewport()->size() - QSize(2 * margin, 2 * margin));
    }
    size = size.expandedTo(sub->widget()->minimumSizeHint());
    if (sub->minimumSize() != size || sub->maximumSize() != size)
        sub->setFixedSize(size);
}

// Takes the size, within the screen with the frame and title bar (large
// text or a high scale factor make a page larger than the screen: it then
// scrolls in the client area), and moves the window where it stays whole
// on the screen; centred on it when asked.
void MainWindow::ResizeOnScreen(QSize wanted, bool centre)
{
    const QScreen *s = screen();
    if (!s) {
        resize(wanted);
        return;
    }
    const QRect avail = s->availableGeometry();
    const QSize frame = FrameAllowance(this);
    wanted = wanted.boundedTo(avail.size() - frame);
    resize(wanted);
    QRect g(frameGeometry().topLeft(), wanted + frame);
    if (centre)
        g.moveTo(avail.x() + (avail.width() - g.width()) / 2, avail.y() + (avail.height() - g.height()) / 2);
    g.moveLeft(qBound(avail.left(), g.left(), qMax(avail.left(), avail.right() - g.width() + 1)));
    g.moveTop(qBound(avail.top(), g.top(), qMax(avail.top(), avail.bottom() - g.height() + 1)));
    move(g.topLeft());
}

void MainWindow::PlaceActivePage()
{
    PageWindow *page = ActivePage();
    if (!page)
        return;
    for (const auto &sub : pageWindows) {
        if (sub && sub->widget() == page) {
            FitPage(sub);
            PlaceInMainWindow(sub, mdiArea->viewport());
        }
    }
}

} // namespace swted
