#include "pages/Pages.h"

#include "pages/XDimension_1.h"
#include "pages/XPlot_1.h"
#include "pages/XSystem_1.h"
#include "pages/XWelding_1.h"

namespace swted {

bool PageAvailable(int index)
{
    return index == 0 || index == 1 || index == 3 || index == 4;
}

PageWindow *CreatePage(int index, Editor &editor, PageHost &host)
{
    PageWindow *page = nullptr;
    switch (index) {
    case 0:
        page = new XPlot_1(editor, host);
        break;
    case 1:
        page = new XDimension_1(editor, host);
        break;
    case 3:
        page = new XWelding_1(editor, host);
        break;
    case 4:
        page = new XSystem_1(editor, host);
        break;
    default:
        return nullptr;
    }
    page->Build();
    return page;
}

} // namespace swted
