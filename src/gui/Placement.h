#pragma once

class QMdiSubWindow;
class QSize;
class QWidget;

namespace swted {

// Where every page window's top left corner sits in the main window's
// client area: the same place for all pages, whatever their size, so that
// the tab strip at their top stays put when another page shows.
int PageMarginTwips();
// Places a page window at that corner. Left and Top are only assigned when
// they change.
void PlaceInMainWindow(QWidget *child, const QWidget *clientArea);
// The room a window's frame and title bar take on screen: known once it
// is shown, estimated before.
QSize FrameAllowance(const QWidget *window);
// Places a window in the middle of the screen, made smaller first when it
// does not fit (title bar included).
void CentreOnScreen(QWidget *window);

} // namespace swted
