#pragma once

#include <QVector>

namespace swted {

class Prompts;
class SwitchStore;

// The pages that can be shown, by page index, in the order of the tab strip.
QVector<int> AvailablePagesInStripOrder();

// What the editor does to the switch store when a file has just been opened
// (its first page laid out), the user clicks through the tab strip from the
// first tab to the last and then saves: each page is laid out from the store
// before the page being left is read back, and the last page is read back by
// the save. Every message goes through the prompts, in the editor's order.
void TourPages(SwitchStore &store, Prompts &prompts, bool restricted);

} // namespace swted
