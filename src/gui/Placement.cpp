#include "gui/Placement.h"

#include "gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace swted {

int PageMarginTwips() { return 120; }

void PlaceInMainWindow(QWidget *child, const QWidget *clientArea)
{
    if (!child || !clientArea)
        return;
    const int left = TwipsToPixels(PageMarginTwips(), child);
    const int top = TwipsToPixels(PageMarginTwips(), child);
    if (left != child->x() || top != child->y())
        child->move(left, top);
}

QSize FrameAllowance(const QWidget *window)
{
    const QSize known = window->frameGeometry().size() - window->size();
    if (!known.isEmpty())
        return known;
    const int border = 2 * window->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    return QSize(border + 8, border + 8 + window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window));
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->availableGeometry();
    // A window larger than the screen (large fonts, a high scale factor) is
    // made to fit, its frame and title bar included; its contents scroll or
    // wrap.
    const QSize room = s.size() - FrameAllowance(window);
    if (window->width() > room.width() || window->height() > room.height()) {
        const QSize fitted = window->size().boundedTo(room);
        if (window->minimumSize() == window->maximumSize())
            window->setFixedSize(fitted);
        else
            window->resize(fitted.expandedTo(window->minimumSize()).boundedTo(room));
    }
    const QSize size = window->frameGeometry().size();
    window->move(s.x() + qMax(0, (s.width() - size.width()) / 2), s.y() + qMax(0, (s.height() - size.height()) / 2));
}

} // namespace swted
