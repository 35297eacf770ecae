#include "pages/Pages.h"

#include "pages/XPlot_1.h"

namespace swted {

PageWindow *CreatePage(int index, Editor &editor, PageHost &host)
{
    PageWindow *page = nullptr;
    switch (index) {
    case 0:
        page = new XPlot_1(editor, host);
        break;
    default:
        return nullptr;
    }
    page->Build();
    return page;
}

} // namespace swted
