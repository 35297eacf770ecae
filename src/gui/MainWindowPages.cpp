// Pages in the main window: opening, switching, unloading, their size and place.
#include "gui/MainWindow.h"

#include "gui/Placement.h"
#include "gui/Twips.h"
#include "gui/pages/PageViews.h"
#include "gui/pages/TipWindow.h"
#include "pages/PageTable.h"
#include "shell/Editor.h"
#include "shell/FileCommands.h"
#include "shell/ProgramFolder.h"
#include "shell/Prompts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyle>
#include <QTimer>
#include <QMdiArea>
#include <QScopeGuard>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTabBar>
#include <QMenuBar>
#include <QToolBar>
#include <QStatusBar>

namespace swted {

void MainWindow::ShowFirstPage(int extraWidthTwips, bool centre)
{
    // The first start (or one with another font, style or screen) builds
    // every page to know the frame; later ones take it as remembered.
    if (!pageFrame.isValid() && !AllPagesBuilt()) {
        if (editor.recentFiles.Remembered(QStringLiteral("PageFrameOf")).toString() == PageFrameSignature()) {
            pageFrame = editor.recentFiles.Remembered(QStringLiteral("PageFrame")).toSize();
            frameRemembered = pageFrame.isValid();
        }
    }
    PageWindow *page = OpenPage(0);
    UpdateTitle();
    // The other pages are built once this one is painted (or after half a
    // second, should no paint of the client area come).
    prepareAfterPaint = frameRemembered;
    if (prepareAfterPaint || !firstPageShown)
        QTimer::singleShot(500, this, &MainWindow::FirstPagePainted);
    if (!page || isMinimized() || isMaximized() || isFullScreen())
        return;
    firstPageExtraTwips = extraWidthTwips;
    ResizeOnScreen(SizeForFrame(), centre);
    sizeForFirstPage = size();
    frameForFirstPage = pageFrame;
    PlaceActivePage();
}

QSize MainWindow::SizeForFrame() const
{
    // The client area fits the page frame, the size of the largest page,
    // with room around it; never smaller than what the menus need. A page
    // switch leaves the window as it is.
    const int w = pageFrame.width() + TwipsToPixels(firstPageExtraTwips, this);
    const int h = pageFrame.height() + TwipsToPixels(600, this) + menuBar()->sizeHint().height()
        + searchBar->sizeHint().height() + statusBar()->sizeHint().height();
    return QSize(qMax(w, minimumSizeHint().width()), h);
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
    if (!frameRemembered)
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
    const bool built = AllPagesBuilt();
    for (const PageEntry &entry : PageTable) {
        const int index = entry.index;
        if (!pageWindows[index] && !parkedPages[index] && PageAvailable(index))
            parkedPages[index] = BuildPageWindow(index);
    }
    if (!built && AllPagesBuilt())
        SettlePageFrame();
}

bool MainWindow::AllPagesBuilt() const
{
    for (const PageEntry &entry : PageTable) {
        if (!pageWindows[entry.index] && !parkedPages[entry.index] && PageAvailable(entry.index))
            return false;
    }
    return true;
}

void MainWindow::FirstPagePainted()
{
    if (!firstPageShown) {
        firstPageShown = true;
        QTimer::singleShot(0, this, [this] {
            // The clear button's icon comes from the desktop's icon theme,
            // whose first search takes longer than building the first page.
            searchField->setClearButtonEnabled(true);
            emit FirstPageShown();
        });
    }
    if (prepareAfterPaint) {
        prepareAfterPaint = false;
        PrepareNextPageWhenIdle();
    }
}

void MainWindow::PrepareNextPageWhenIdle()
{
    if (preparing || !frameRemembered)
        return;
    preparing = true;
    // A zero timer runs once the events waiting (a click, a key, a paint)
    // are handled: one page at a time, so none waits for more than one build.
    QTimer::singleShot(0, this, &MainWindow::PrepareNextPage);
}

void MainWindow::PrepareNextPage()
{
    preparing = false;
    if (!frameRemembered || stopping || exiting)
        return;
    // Without a file, when the next one shows its first page; under a
    // question or dialog, later.
    if (!editor.file.FileLoaded)
        return;
    if (QApplication::activeModalWidget()) {
        preparing = true;
        QTimer::singleShot(100, this, &MainWindow::PrepareNextPage);
        return;
    }
    for (const PageEntry &entry : PageTable) {
        const int index = entry.index;
        if (!pageWindows[index] && !parkedPages[index] && PageAvailable(index)) {
            // Built, and laid out at the size it will show in, so that its
            // first visit is as quick as any later one.
            if (QMdiSubWindow *sub = BuildPageWindow(index)) {
                parkedPages[index] = sub;
                FitPage(sub);
                sub->widget()->layout()->activate();
            }
            PrepareNextPageWhenIdle();
            return;
        }
    }
    SettlePageFrame();
}

void MainWindow::SettlePageFrame()
{
    QSize frame;
    for (const auto *subs : {&pageWindows, &parkedPages}) {
        for (const auto &sub : *subs) {
            if (sub)
                frame = frame.expandedTo(qobject_cast<PageWindow *>(sub->widget())->WholeSize());
        }
    }
    // (Builds since the start have widened pageFrame: what counts is the
    // frame the window was sized for.)
    const bool differs = frameRemembered && frame != frameForFirstPage;
    frameRemembered = false;
    pageFrame = frame;
    const QString signature = PageFrameSignature();
    if (editor.recentFiles.Remembered(QStringLiteral("PageFrameOf")).toString() != signature
        || editor.recentFiles.Remembered(QStringLiteral("PageFrame")).toSize() != frame) {
        editor.recentFiles.Remember(QStringLiteral("PageFrameOf"), signature);
        editor.recentFiles.Remember(QStringLiteral("PageFrame"), frame);
    }
    // The remembered frame was not this run's (a font file's names, say,
    // widen a list): the window takes the size the first start would have
    // given it, unless the user has sized it since.
    if (differs && isVisible() && size() == sizeForFirstPage && !isMinimized() && !isMaximized() && !isFullScreen()) {
        ResizeOnScreen(SizeForFrame(), false);
        sizeForFirstPage = size();
    }
    PlaceActivePage();
}

QString MainWindow::PageFrameSignature() const
{
    QStringList pages;
    for (const PageEntry &entry : PageTable)
        pages << (PageAvailable(entry.index) ? QStringLiteral("1") : QStringLiteral("0"));
    return QStringList{VersionNumber(), QString::fromLatin1(qVersion()), QGuiApplication::platformName(),
                       style()->name(), font().toString(), QString::number(logicalDpiX()),
                       QString::number(devicePixelRatioF()), pages.join(QString()),
                       editor.config.RunTypeRestricted ? QStringLiteral("restricted") : QStringLiteral("full")}
        .join(QLatin1Char('|'));
}

bool MainWindow::GoToPage(PageWindow *current, int index)
{
    editor.history.Seal(); // typing on the page left is a step complete
    {
        // The menus and status bar are brought up to date once, at the end.
        ++editStateHeld;
        const auto release = qScopeGuard([this] { --editStateHeld; });
        // The target is laid out from the store before the page being left
        // is stored back.
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
    }
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
