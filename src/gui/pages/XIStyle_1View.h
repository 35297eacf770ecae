#pragma once

#include "gui/pages/PageWindow.h"

namespace swted {

// The iso style page on screen: the generic page with the user text size
// and user font frames of the drawing text size, the help label that opens
// the example of the enclosure styles, and the leading characters of the
// IDs.
class XIStyle_1View : public PageWindow {
    Q_OBJECT
public:
    XIStyle_1View(Editor &editor, PageHost &host, QWidget *parent = nullptr);

protected:
    void BuildOwn(const ControlEntry &c, QGridLayout *grid, int row) override;
};

} // namespace swted
