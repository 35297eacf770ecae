#include "pages/Pages.h"

#include "pages/PageWindow.h"
#include "pages/XSpecial_1View.h"
#include "pages/XWelding_1View.h"

namespace swted {

PageWindow *CreatePage(int index, Editor &editor, PageHost &host)
{
    const PageDescription *description = PageDescriptionOf(index);
    if (!description)
        return nullptr;
    // The welding page builds widgets of its own (the weld table), the
    // specials page its TORVA buttons.
    PageWindow *page = nullptr;
    if (index == 3)
        page = new XWelding_1View(editor, host);
    else if (index == 7)
        page = new XSpecial_1View(editor, host);
    else
        page = new PageWindow(editor, host, *description);
    page->Build();
    return page;
}

} // namespace swted
