#pragma once

#include "pages/PageTable.h"
#include "gui/pages/PageWindow.h"
#include "settings/SettingCompare.h"
#include "settings/SettingFilters.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QTabBar;
class QToolBar;
class QToolButton;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace swted {

struct ComparedFile;
struct FileDialogRequest;
class DifferencesPanel;
class EditWindow;
class Editor;
class TipWindow;

// The main window mdiEdit: menus, the file commands, and the page windows
// as frameless children of its client area.
class MainWindow : public QMainWindow, public PageHost {
    Q_OBJECT
public:
    explicit MainWindow(Editor &editor, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: configuration, then the file named by the command line (the
    // whole argument text). False when the program is to end.
    // The program directory defaults to the executable's folder.
    bool StartUp(const QString &commandLine, const QString &programDirectory = QString());

    // File and tools commands.
    void OpenOptionsFile();
    // File > Recent Files: opens the file as Open does after its dialog; a
    // file that is gone is reported and taken off the list.
    void OpenRecentFile(const QString &path);
    void CloseOptionsFile();
    void SaveCommand();
    void SaveAsCommand();
    void ExitCommand();
    void DefaultAllCommand();
    void UndoCommand();
    // Lists the settings that match the words (what the search field does).
    void ShowSearchResults(const QString &query);
    void RedoCommand();
    void AboutCommand();
    // File > Compare With...: another file read aside, its differences in
    // the Differences panel and marked on the pages, until End Comparison
    // or another file is opened.
    void CompareWithCommand();
    void EndComparison();
    // Every difference takes the compared file's value: asked first, one
    // step of undo.
    void TakeAllCommand();
    bool Comparing() const { return compared != nullptr; }
    const Comparison &CurrentComparison() const { return comparison; }
    const SwitchValueSet *ComparedValues() const override;
    QString ComparedName() const override;
    DifferencesPanel *Differences() const { return differences; }
    // A setting found (by a search or in the Differences): its page, sub-page and control come forward.
    void ChooseSetting(int index, int subPage, const QString &control);
    // Tools: the find window, and the testing listing of the file being
    // edited in the edit window.
    void FindCommand();
    // Tools > Settings Report: the report of the settings as the pages show them.
    void ReportCommand();
    void OSTestingCommand();
    void ShowTestListing();
    EditWindow *Edit() const;
    // Whether OSTESTING asked for the testing tool at start-up.
    bool TestingTool() const { return testingTool; }

    // Pages.
    PageWindow *ActivePage() const;
    PageWindow *OpenPage(int index);
    bool GoToPage(PageWindow *current, int index) override;
    void ShowSwitchTip(const QString &switchText, const QString &tipText, int height, int width) override;
    // A font set-up failed for good: the edits of the other pages are
    // stored, the save question asked until it is answered Yes with a save
    // that succeeds, or No; then the pages and the window close and the
    // program ends.
    void FatalStop(PageWindow *stopped) override;
    void UnloadAllPages();
    void UnloadPage(PageWindow *page);
    bool PageOpen(int index) const;
    bool StoreActivePage();
    bool QuerySaveAndUnloadPages();
    TipWindow *Tip() const;
    QMdiArea *ClientArea() const { return mdiArea; }

    const QString &VersionText() const { return versionText; }
    bool Exiting() const { return exiting; }

    // Reads the file again in place of the edits and shows the page that
    // was on screen; false (the no-file state) when the read fails.
    bool ReloadFile();
    // When the window comes back: the file on disk is checked, and a change
    // made by someone else reported.
    void ReviewFileOnDisk();

signals:
    // The first page is on screen (painted, or half a second after it
    // showed): what it does not need is done from now on.
    void FirstPageShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QString EditorCaption() { return QStringLiteral("Options Editor"); }
    void BuildMenus();
    // The list of the settings a save writes differently from the file.
    void ShowCorrections();
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous page of the strip.
    void StepPage(int step);
    bool TabStripKey(QTabBar *strip, int key);
    // The Recent Files submenu from the list, greyed when it is empty.
    void UpdateRecentMenu();
    // A file opened or saved goes first on the Recent Files list.
    void RememberFile(const QString &path);
    // Stores the page on screen and asks about unsaved changes: true to go
    // on opening another file.
    bool ReadyToOpen();
    // Reads the chosen file in place of the one on screen.
    void OpenChosenFile(const QString &path);
    // Where the Open dialog starts: the current file's folder, else the
    // folder of the file last opened or saved.
    QString OpenFolder() const;
    // The open dialog of a configured options file, titled.
    FileDialogRequest OpenRequest(const QString &title) const;
    void RecordEdit(const SwitchValueSet &before, const SwitchValueSet &after, const EditOrigin &origin);
    // Undo and redo: the store takes the values of the step made at origin.
    void GoToValues(const std::optional<SwitchValueSet> &values, const EditOrigin &origin);
    // The Edit menu's items and the status bar, after any change.
    void UpdateEditState();
    // The status bar's digits of the switch the focused control edits.
    void ShowFocusedDigits();
    void ShowSavedState();
    // "Saved NAME" in the status bar for a few seconds after a save that succeeded.
    void NoteSaved();
    // "Options Editor - PATH", with "*" while there are unsaved changes and
    // "(Read-Only)" for a file another session holds.
    void UpdateTitle();
    void BuildSearch();
    // The differences again, for the values the pages would store now.
    void UpdateComparison(const SwitchValueSet &values);
    // Up, Down and Escape in the search field move through or close the
    // results, which close too when the field loses the focus; true when
    // the event was taken.
    bool SearchFieldEvent(QEvent *event);
    void ChooseSearchResult(QListWidgetItem *item);
    // What the search's filter words keep, now.
    FilterSets SearchFilterSets();
    void EnterNoFileState();
    void EnterFileState();
    void ShowFirstPage(int extraWidthTwips, bool centre);
    // The window's size for the page frame, with the room ShowFirstPage was given.
    QSize SizeForFrame() const;
    // After every successful read: the testing listing, when it is on.
    void FileRead();
    // Puts the page on screen at the corner every page takes.
    void PlaceActivePage();
    void ResizeOnScreen(QSize wanted, bool centre);
    // Gives a page window the page frame, made smaller when the client area
    // has no room for it: the page then scrolls below its tab strip.
    void FitPage(QMdiSubWindow *sub);
    // Builds a page window, hidden, without laying it out.
    QMdiSubWindow *BuildPageWindow(int index);
    // Builds, hidden, every page not built yet: the page frame is then
    // known before the window takes its size, and no visit waits for a build.
    void PreparePages();
    // Start-up with the page frame remembered from an earlier run: only the
    // first page is built before the window shows; the others are built one
    // at a time while the program is idle, and the frame is checked when
    // the last one is (a page of another size is made up for at once).
    void PrepareNextPageWhenIdle();
    void PrepareNextPage();
    void FirstPagePainted();
    void SettlePageFrame();
    // What the page frame depends on: the program, Qt, style, font, screen
    // and the pages available.
    QString PageFrameSignature() const;
    bool AllPagesBuilt() const;

    Editor &editor;
    QMdiArea *mdiArea;
    QString versionText;
    bool exiting = false;
    bool stopping = false; // a fatal stop is under way
    bool reviewing = false; // the file on disk is being checked
    std::array<QPointer<QMdiSubWindow>, PageCount> pageWindows{};
    // Pages that were unloaded: hidden, stored, and used again the next time
    // their page opens, so that a page switch does not build its widgets anew.
    std::array<QPointer<QMdiSubWindow>, PageCount> parkedPages{};
    // The size every page window takes: room for the largest page whole.
    QSize pageFrame;
    // The page frame is the one remembered, until every page is built.
    bool frameRemembered = false;
    bool preparing = false; // a page is to be built when the program is idle
    bool prepareAfterPaint = false; // from the first paint of the client area on
    bool firstPageShown = false;
    // The window's size as the first page gave it; a frame found different
    // later resizes it again while the user has not resized it.
    QSize sizeForFirstPage;
    QSize frameForFirstPage;
    int firstPageExtraTwips = 0;
    QPointer<TipWindow> tipWindow;
    std::unique_ptr<ComparedFile> compared;
    Comparison comparison;
    DifferencesPanel *differences = nullptr;
    QPointer<EditWindow> editWindow;
    bool testingTool = false;
    bool unsavedChanges = false; // as last shown by UpdateEditState
    int editStateHeld = 0;       // while a page switch is under way: UpdateEditState waits
    QString savedNote;           // "Saved NAME" while it is shown
    int savedNotes = 0;          // notes shown so far; only the last one's timer clears it
    static constexpr int SavedNoteMs = 5000;

public:
    QMenu *mnuFilE = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuEditUndo = nullptr;
    QAction *mnuEditRedo = nullptr;
    QLabel *unsavedLabel = nullptr;
    QLabel *restrictedLabel = nullptr;
    QLabel *digitsLabel = nullptr;
    QToolButton *correctionsButton = nullptr; // "N settings of this file will be saved differently"
    QLineEdit *searchField = nullptr;
    QToolBar *searchBar = nullptr;
    QListWidget *searchResults = nullptr;
    QLabel *searchCount = nullptr; // how many settings the words found
    QToolButton *searchFilters = nullptr; // offers the filter words
    QAction *munFilOpen = nullptr;
    QMenu *mnuFilRecent = nullptr;
    QAction *mnuFilClose = nullptr;
    QAction *mnuFilSave = nullptr;
    QAction *mnuFilSaveAs = nullptr;
    QAction *mnuFilExit = nullptr;
    QAction *mnuFilCompare = nullptr;
    QAction *mnuFilEndCompare = nullptr;
    QAction *mnuEditTakeAll = nullptr;
    QAction *mnuSeaFind = nullptr;
    QAction *mnuTooDefAll = nullptr;
    QAction *mnuTooReport = nullptr;
    QAction *mnuOSTesting = nullptr;
    QAction *mnuAbout = nullptr;
};

} // namespace swted
