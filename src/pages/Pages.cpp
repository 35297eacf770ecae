#include "pages/Pages.h"

#include "pages/PageWindow.h"
#include "pages/XMaterials_1View.h"
#include "pages/XWelding_1View.h"

namespace swted {

PageWindow *CreatePage(int index, Editor &editor, PageHost &host)
{
    const PageDescription *description = PageDescriptionOf(index);
    if (!description)
        return nullptr;
    // The welding page (its weld table) and the material list page (its
    // named frames and grouped buttons) build widgets of their own.
    PageWindow *page = index == 3   ? new XWelding_1View(editor, host)
                       : index == 2 ? static_cast<PageWindow *>(new XMaterials_1View(editor, host))
                                    : new PageWindow(editor, host, *description);
    page->Build();
    return page;
}

} // namespace swted
