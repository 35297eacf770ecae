#include "gui/pages/PageViews.h"

#include "gui/pages/PageWindow.h"
#include "gui/pages/XMaterials_1View.h"
#include "gui/pages/XSpecial_1View.h"
#include "gui/pages/XIStyle_1View.h"
#include "gui/pages/XWelding_1View.h"

namespace swted {

PageWindow *CreatePage(int index, Editor &editor, PageHost &host)
{
    const PageDescription *description = PageDescriptionOf(index);
    if (!description)
        return nullptr;
    // Some pages build widgets of their own: the material list page its named
    // frames and grouped buttons, the welding page its weld table, the
    // iso style page its user size and font frames and its example label, the
    // specials page its TORVA buttons.
    PageWindow *page = nullptr;
    switch (index) {
    case 2:
        page = new XMaterials_1View(editor, host);
        break;
    case 3:
        page = new XWelding_1View(editor, host);
        break;
    case 5:
        page = new XIStyle_1View(editor, host);
        break;
    case 7:
        page = new XSpecial_1View(editor, host);
        break;
    default:
        page = new PageWindow(editor, host, *description);
        break;
    }
    page->Build();
    return page;
}

} // namespace swted
