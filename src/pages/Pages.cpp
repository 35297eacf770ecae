#include "pages/Pages.h"

#include "pages/PageWindow.h"
#include "pages/XWelding_1View.h"

namespace swted {

PageWindow *CreatePage(int index, Editor &editor, PageHost &host)
{
    const PageDescription *description = PageDescriptionOf(index);
    if (!description)
        return nullptr;
    // Only the welding page builds widgets of its own (the weld table).
    PageWindow *page = index == 3 ? new XWelding_1View(editor, host) : new PageWindow(editor, host, *description);
    page->Build();
    return page;
}

} // namespace swted
