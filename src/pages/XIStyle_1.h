#pragma once

#include "pages/PageDescription.h"

namespace swted {

// The iso style page: how the isometric is drawn: drawing text size and
// user font, isometric type, viewpoint, splitting, part number enclosures,
// falls and skews, hatching, dimension standout, flow arrows, nozzles,
// tapped branch scale and pipeline depiction.
namespace XIStyle_1 {

// The page's description: its controls, their switches, ranges and rules.
const PageDescription &Description();

// The list item "User Specified Size" of the drawing text size: the size is
// then held as two digits in positions 2 and 1 of switch 4.
constexpr int UserSizeItem = 6;
QString NumericOnlyText();

// The isometric type list: the value of positions 2-1 of switch 21 each
// item stands for; the item of a value, -1 for a value without one.
int IsoTypeValue(int item);
int IsoTypeItem(int value);
// The message for a value of switch 21 or 76 that has no list item.
QString NotAllowedText(int switchNumber, int value);

// The viewpoint of position 1 of switch 42: the list item and the enclosing
// box, and back.
struct Viewpoint {
    int item;
    bool box;
};
Viewpoint ViewpointOf(int digit); // digit 0..8
int ViewpointDigit(int item, bool box);

// The enclosure list of switch 76: the item of position 1 (-1: not
// allowed), and the digit of an item.
constexpr int DoubleCircleItem = 6;
int EnclosureItem(int digit);
int EnclosureDigit(int item);

// The falls list of switch 19: 19 items, each a unit family (position 1)
// and precision (position 2) with the default minimum slope of switch 20.
constexpr int FallEntries = 19;
constexpr int SuppressFallsEntry = 18;
struct FallEntry {
    int family;
    int precision;
    const char *minimumSlope; // the default text of switch 20
};
const FallEntry &Fall(int entry);
// The entry of a family and precision both in range; -1 otherwise.
int FallEntryOf(int family, int precision);
// The highest precision of a unit family.
int HighestPrecision(int family);
// The message for a digit of switch 19 out of range.
QString FallRangeText(int position, int digit);

// The default text of the dimension standout (switch 100): from the skew
// style (position 1 of switch 99), the standout of switch 8 (positions 2-1)
// and the drawing text size (position 1 of switch 4).
QString StandoutDefault(int skewStyle, int standout8, int textSize);

// A number typed into a two-position field that is read as a number:
// rounded, and kept to the two positions (the last two digits of its
// magnitude), so that it never spills into the positions beside it.
int TwoPositionNumber(const QString &text);

} // namespace XIStyle_1

} // namespace swted
