#pragma once

class QMdiSubWindow;
class QWidget;

namespace swted {

// Where every page window's top left corner sits in the main window's
// client area: the same place for all pages, whatever their size, so that
// the tab strip at their top stays put when another page shows.
int PageMarginTwips();
// Places a page window at that corner. Left and Top are only assigned when
// they change.
void PlaceInMainWindow(QWidget *child, const QWidget *clientArea);
// Places a window in the middle of the screen.
void CentreOnScreen(QWidget *window);

} // namespace swted
