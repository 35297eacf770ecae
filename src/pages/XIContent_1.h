#pragma once

#include "pages/PageDescription.h"

#include <utility>

namespace swted {

// The iso content page: co-ordinates and elevations, spool identifiers,
// instrument and support tags, assembly numbers, insulation and tracing,
// flow arrows and flange rotation angles.
namespace XIContent_1 {

// The page's description: its controls, their switches, ranges and rules.
const PageDescription &Description();

// The spool identifier enclosure of switch 39: the list item shown for
// positions 3 and 8 (-1 when position 3 is out of range), and the digits
// (position 3, position 8) an item stores.
int SpoolEnclosureItem(int position3, int position8);
std::pair<int, int> SpoolEnclosureDigits(int item);

} // namespace XIContent_1

} // namespace swted
