#pragma once

#include "gui/pages/PageWindow.h"

class QBoxLayout;
class QGridLayout;

namespace swted {

// The material list page on screen: the generic page with the frames it
// names itself (the user text size, the user fonts, the bending output),
// the continuation method with a label under each button, the six
// accumulation frames side by side and the wastage multipliers by area.
class XMaterials_1View : public PageWindow {
    Q_OBJECT
public:
    XMaterials_1View(Editor &editor, PageHost &host, QWidget *parent = nullptr);

protected:
    void BuildOwn(const ControlEntry &c, QGridLayout *grid, int row) override;

private:
    void BuildUserSize(const ControlEntry &c, QGridLayout *grid, int row);
    void BuildContinuation(const ControlEntry &c, QGridLayout *grid, int row);
    void BuildAccumulation(const ControlEntry &c, QGridLayout *grid, int row);
    void BuildMultiplier(const ControlEntry &c, QGridLayout *grid, int row);

    QBoxLayout *fontLine = nullptr;          // the user font frame's row
    QGridLayout *accumulationGrid = nullptr; // the six frames of switch 74
};

} // namespace swted
