#pragma once

#include "pages/PageDescription.h"

namespace swted {

// The material list page: type, layout and text of the material list on the
// isometric, the cut piece list and bending output, add-on allowances,
// length and bolting units, continuation, accumulation and pipe wastage.
namespace XMaterials_1 {

// The page's description: its controls, their switches, ranges and rules.
const PageDescription &Description();

// The items of the material list text size (shared in wording and order
// with the drawing text size); the last one opens the user size fields.
QStringList TextSizeItems();
constexpr int UserSizeItem = 6;

// Positions 7 and 8 of switch 2 and the cut piece enclosure they stand for.
// The entry of the digits (position 8 counts only for the circle and the
// ellipse); -1 for a position 7 above 8, which has no entry.
int EnclosureEntry(int position7, int position8);
// The digits an entry is stored as.
struct EnclosureDigits {
    int position7;
    int position8;
};
EnclosureDigits EnclosureDigitsOf(int entry);

// Position 3 of switch 23: the list entry of a style digit (-1: out of
// range) and the digit stored for an entry.
int StyleEntry(int digit);
int StyleDigit(int entry);

// The label that continues the caption of button i of the continuation
// method (switch 30 position 1) on the line under it.
QString ContinuationText(int button);
// The caption beside the wastage multiplier of an area (1 to 9).
QString AreaCaption(int area);

} // namespace XMaterials_1

} // namespace swted
