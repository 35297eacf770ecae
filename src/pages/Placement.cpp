#include "pages/Placement.h"

#include "pages/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace swted {

void CentreInMainWindow(QWidget *child, const QWidget *clientArea)
{
    if (!child || !clientArea)
        return;
    const int W = PixelsToTwips(clientArea->width(), clientArea);
    const int H = PixelsToTwips(clientArea->height(), clientArea);
    const int cw = PixelsToTwips(child->width(), child);
    const int ch = PixelsToTwips(child->height(), child);
    const int left = TwipsToPixels(CentredOffset(W, cw), child);
    const int top = TwipsToPixels(CentredOffset(H, ch), child);
    if (left != child->x() || top != child->y())
        child->move(left != child->x() ? left : child->x(), top != child->y() ? top : child->y());
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
