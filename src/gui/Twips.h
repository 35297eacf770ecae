#pragma once

#include <QtGlobal>

class QWidget;

namespace swted {

// Window sizes and positions are reckoned in twips (1/1440 inch); this is
// the one place where they turn into pixels and back.
int TwipsToPixels(int twips, const QWidget *w = nullptr);
int PixelsToTwips(int pixels, const QWidget *w = nullptr);

// Where an inner extent sits centred in an outer one: half the difference,
// rounded to the nearest integer with halves to the even one; 0 when the
// inner one is larger.
int CentredOffset(int outer, int inner);

} // namespace swted
