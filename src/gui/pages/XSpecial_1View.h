#pragma once

#include "gui/pages/PageWindow.h"

namespace swted {

// The specials page on screen: the generic page with a TORVA button on
// each sub-page, which opens the TORVA window for switch 113.
class XSpecial_1View : public PageWindow {
    Q_OBJECT
public:
    XSpecial_1View(Editor &editor, PageHost &host, QWidget *parent = nullptr);

    // Shows the TORVA window modally; switch 113 is stored when it closes.
    void ShowTorvaWindow();

protected:
    void BuildOwn(const ControlEntry &c, QGridLayout *grid, int row) override;
};

} // namespace swted
