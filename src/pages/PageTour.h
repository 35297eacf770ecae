#pragma once

#include <QVector>

#include <functional>

namespace swted {

class PageState;
class Prompts;
class SwitchStore;
struct UserFontSession;

// The pages that can be shown, by page index, in the order of the tab strip.
QVector<int> AvailablePagesInStripOrder();

// What the editor does to the switch store when a file has just been opened
// (its first page laid out), the user clicks through the tab strip from the
// first tab to the last and then saves: each page is laid out from the store
// before the page being left is read back, and the last page is read back by
// the save. Every message goes through the prompts, in the editor's order.
// The font groups find their fonts through the session (none without one).
// False when a page's set-up reached a fatal stop: the tour ends there, the
// page that stopped is not read back, and the program would end.
// laidOut, when given, is told of each page just laid out, with what it shows.
using TourObserver = std::function<void(int index, const PageState &shown)>;
bool TourPages(SwitchStore &store, Prompts &prompts, bool restricted, UserFontSession *fonts = nullptr,
               const TourObserver &laidOut = {});

} // namespace swted
