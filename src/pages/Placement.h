#pragma once

class QMdiSubWindow;
class QSize;
class QWidget;

namespace swted {

// Places a child window in the middle of the main window's client area
// (in twips, halves rounded to even; 0 when it does not fit). Left and Top
// are only assigned when they change.
void CentreInMainWindow(QWidget *child, const QWidget *clientArea);
// The room a window's frame and title bar take on screen: known once it
// is shown, estimated before.
QSize FrameAllowance(const QWidget *window);
// Places a window in the middle of the screen, made smaller first when it
// does not fit (title bar included).
void CentreOnScreen(QWidget *window);

} // namespace swted
