#pragma once

#include "pages/PageDescription.h"

namespace swted {

class PageState;
class Prompts;
class SwitchStore;

// The specials page: equipment trim drawings, clearing the screen, the
// content of the repeatability file, ghost gaps and the weight / centre of
// gravity calculations. Two buttons, there when the environment asks for
// them, open the TORVA window, which edits switch 113.
namespace XSpecial_1 {

// The page's description: its controls, their switches, ranges and rules.
const PageDescription &Description();

// The TORVA buttons, one on each sub-page (by sub-page number).
QString TorvaButton(int subPage);
// The largest ghost gap in mm; a larger one is stored as this.
constexpr int MaximumGhostGap = 60;
// The option buttons of switch 82 in the order shown: "per Iso or Spool
// Sheet" (element 1, position 1 = 1) above "per Pipeline" (element 0,
// position 1 = 2).
constexpr int PerSheetButton = 0;
constexpr int PerPipelineButton = 1;

// The TORVA window: a board of the switches kept for one customer, of which
// only switch 113 has controls, two option buttons on its position 1 (0: the
// pipeline reference as in the data file, 1: modified).
struct TorvaPanel {
    QString title;
    QString number;
};
QString TorvaTitle();
QVector<TorvaPanel> TorvaPanels(); // switch 113's panel last
QString TorvaNote();
QString TorvaFrameCaption();
QStringList TorvaOptionCaptions();
// The object name of the option group of switch 113 (buttons name_0, name_1).
QString TorvaOptions();
// Switch 113 to the option group of the state, when the window opens.
void LayoutTorva(SwitchStore &store, PageState &state);
// The option group back into position 1 of switch 113, when it closes; a
// switch whose digits no longer make a 32-bit number is reported and kept.
bool ReadTorva(SwitchStore &store, Prompts &prompts, const PageState &state);

} // namespace XSpecial_1

} // namespace swted
