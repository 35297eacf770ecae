#include "pages/Placement.h"

#include "pages/Twips.h"

#include <QGuiApplication>
#include <QScreen>
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

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(s.x() + (s.width() - size.width()) / 2, s.y() + (s.height() - size.height()) / 2);
}

} // namespace swted
