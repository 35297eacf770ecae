#pragma once

#include "pages/PageDescription.h"

namespace swted {

// The system page: the run environment of the generator rather than the
// drawing: date format, message file, printed page length, terminal type,
// minimum offsets, dimension round-off and the banner.
namespace XSystem_1 {

// The page's description: its controls, their switches, ranges and rules.
const PageDescription &Description();

// The terminal code (positions 1-3 of switch 69) of each list item.
int TerminalCode(int item);
// The list item of a terminal code; -1 for the codes without one.
int TerminalItem(int code);
// The range message for the terminal codes 1 and 2, which have no item.
QString TerminalRangeText(int value);
// Whether the environment asks for the TORVA message-file item.
bool TorvaSwitchesOn();

} // namespace XSystem_1

} // namespace swted
