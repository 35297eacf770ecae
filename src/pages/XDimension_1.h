#pragma once

#include "pages/PageWindow.h"

namespace swted {

// The dimensioning page: how dimensions, supports, weights and units appear
// on the drawing.
class XDimension_1 : public PageWindow {
    Q_OBJECT
public:
    XDimension_1(Editor &editor, PageHost &host, QWidget *parent = nullptr);

    // The page's description: its controls, their switches and ranges.
    static const PageDescription &Description();

    // By the text-size code (position 1 of switch 4): the standout of
    // switch 8 that is stored as 0, and the text that stands for 0 in
    // positions 2-3 of switch 118.
    static int StandoutDefault(int textSizeCode);
    static QString OverallStandoutDefault(int textSizeCode);

protected:
    void LayoutOwn(const ControlEntry &c) override;
    void ReadOwn(const ControlEntry &c) override;
    void Connect() override;

private:
    int TextSizeCode();
    void OnAllInchesClicked(bool checked);
};

} // namespace swted
