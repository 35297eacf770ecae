#pragma once

#include "gui/pages/PageWindow.h"

namespace swted {

// The welding page on screen: the generic page with the weld table, drawn
// as a ruled grid of plotted welds across and numbered welds down, the text
// heights beside it and the implied site welds box under it.
class XWelding_1View : public PageWindow {
    Q_OBJECT
public:
    XWelding_1View(Editor &editor, PageHost &host, QWidget *parent = nullptr);

protected:
    void BuildOwn(const ControlEntry &c, QGridLayout *grid, int row) override;

private:
    int tableRow = 0; // the row of the weld table in its panel's grid
};

} // namespace swted
