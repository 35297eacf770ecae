#pragma once

#include "pages/PageWindow.h"

namespace swted {

// The system page: the run environment of the generator rather than the
// drawing: date format, message file, printed page length, terminal type,
// minimum offsets, dimension round-off and the banner.
class XSystem_1 : public PageWindow {
    Q_OBJECT
public:
    XSystem_1(Editor &editor, PageHost &host, QWidget *parent = nullptr);

    // The page's description: its controls, their switches and ranges.
    static const PageDescription &Description();

    // The terminal code (positions 1-3 of switch 69) of each list item.
    static int TerminalCode(int item);
    // The list item of a terminal code; -1 for the codes without one.
    static int TerminalItem(int code);
    // The range message for the terminal codes 1 and 2, which have no item.
    static QString TerminalRangeText(int value);
    // Whether the environment asks for the TORVA message-file item.
    static bool TorvaSwitchesOn();

protected:
    void BuildOwn(const ControlEntry &c, QGridLayout *grid, int row) override;
    void LayoutOwn(const ControlEntry &c) override;
    void ReadOwn(const ControlEntry &c) override;
};

} // namespace swted
