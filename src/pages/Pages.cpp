#include "pages/Pages.h"

#include "pages/PageWindow.h"
#include "pages/XIStyle_1View.h"
#include "pages/XWelding_1View.h"

namespace swted {

PageWindow *CreatePage(int index, Editor &editor, PageHost &host)
{
    const PageDescription *description = PageDescriptionOf(index);
    if (!description)
        return nullptr;
    // The welding page builds its weld table, the iso style page its user
    // size and font frames and its example label.
    PageWindow *page = index == 3   ? new XWelding_1View(editor, host)
                     : index == 5 ? static_cast<PageWindow *>(new XIStyle_1View(editor, host))
                                  : new PageWindow(editor, host, *description);
    page->Build();
    return page;
}

} // namespace swted
