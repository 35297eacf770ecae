#pragma once

#include "pages/PageWindow.h"

namespace swted {

// The dimensioning page.
class XDimension_1 : public PageWindow {
    Q_OBJECT
public:
    XDimension_1(Editor &editor, PageHost &host, QWidget *parent = nullptr);

    // The page's description: its controls, their switches and ranges.
    static const PageSpec &Description();
};

} // namespace swted
