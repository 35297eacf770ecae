#pragma once

#include "pages/PageDescription.h"

namespace swted {

// The welding page: which welds are plotted and numbered, and how weld
// numbers are drawn. Its weld table stands for the allowed pairs of plotted
// and numbered welds, held jointly in switch 53 (positions 1 and 4) and
// switch 54 (position 1) together with the text height of weld numbers.
namespace XWelding_1 {

// The page's description: its controls, their switches, ranges and rules.
const PageDescription &Description();

// One option of the weld table: its cell and the digits it stands for.
// Position 1 of switch 53 is 0 for the rows that number no welds, else the
// text height plus heightOffset.
struct WeldOption {
    int plotted;      // column: 0 All Welds, 1 Fab Only, 2 Site/Offshore Only, 3 None
    int numbered;     // row: 0 All Welds ... 5 None
    bool numbers;     // false: position 1 of switch 53 is 0
    int heightOffset; // added to the text height in position 1 of switch 53
    int position4;    // position 4 of switch 53
    int plottedCode;  // position 1 of switch 54
};
const WeldOption &WeldTable(int k); // k = 1..12
// The option and text height (0 none) shown for the stored digits: a and b
// are positions 1 and 4 of switch 53, t position 1 of switch 54. An option
// of 0 selects none.
struct WeldChoice {
    int option;
    int height;
};
WeldChoice ChooseWeldOption(int a, int b, int t);
constexpr int ImpliedSiteWeldsCode = 4;
// With the implied site welds box ticked, options 7 to 12 give way to help
// labels (Label25_k).
constexpr int FirstHiddenOption = 7;

// The heads of the weld table's columns (plotted welds, 0..3) and rows
// (numbered welds, 0..5), and of the table itself.
QString PlottedHead(int column);
QString NumberedHead(int row);
QString TableCornerHead();
QString TableAcrossHead();

} // namespace XWelding_1

} // namespace swted
