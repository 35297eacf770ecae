#include "gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace swted {

namespace {
double LogicalDpi(const QWidget *w)
{
    if (w)
        return w->logicalDpiX();
    if (const QScreen *s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInchX();
    return 96.0;
}
} // namespace

int TwipsToPixels(int twips, const QWidget *w)
{
    return static_cast<int>(std::lround(twips * LogicalDpi(w) / 1440.0));
}

int PixelsToTwips(int pixels, const QWidget *w)
{
    return static_cast<int>(std::lround(pixels * 1440.0 / LogicalDpi(w)));
}

int CentredOffset(int outer, int inner)
{
    if (outer < inner)
        return 0;
    const int diff = outer - inner;
    int half = diff / 2;
    // An odd difference leaves a half: round it to the even neighbour.
    if (diff % 2 != 0 && half % 2 != 0)
        ++half;
    return half;
}

} // namespace swted
