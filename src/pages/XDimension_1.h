#pragma once

#include "pages/PageDescription.h"

namespace swted {

// The dimensioning page: how dimensions, supports, weights and units appear
// on the drawing.
namespace XDimension_1 {

// The page's description: its controls, their switches, ranges and rules.
const PageDescription &Description();

// By the text-size code (position 1 of switch 4): the standout of switch 8
// that is stored as 0, and the text that stands for 0 in positions 2-3 of
// switch 118.
int StandoutDefault(int textSizeCode);
QString OverallStandoutDefault(int textSizeCode);

} // namespace XDimension_1

} // namespace swted
