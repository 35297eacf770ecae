#include "pages/PageTour.h"

#include "pages/PageDescriptions.h"
#include "pages/PageLogic.h"
#include "pages/PageTable.h"

#include <memory>

namespace swted {

QVector<int> AvailablePagesInStripOrder()
{
    // The page table is fixed for the program's run: worked out once (a tour
    // of every file of a lint asks for it).
    static const QVector<int> pages = [] {
        QVector<int> available;
        for (const QString &caption : TabCaptionsInStripOrder()) {
            const int index = PageIndexOfCaption(caption);
            if (PageAvailable(index))
                available.append(index);
        }
        return available;
    }();
    return pages;
}

bool TourPages(SwitchStore &store, Prompts &prompts, bool restricted, UserFontSession *fonts,
               const TourObserver &laidOut)
{
    const QVector<int> pages = AvailablePagesInStripOrder();
    if (pages.isEmpty())
        return true;
    // Each page has its own state, as each page window has its widgets.
    auto context = [&](int index, PageState &state) {
        return PageContext{*PageDescriptionOf(index), state, store, prompts, restricted, fonts};
    };
    auto shown = std::make_unique<PageState>();
    int current = pages.first();
    {
        PageContext ctx = context(current, *shown);
        CreateForm(ctx);
        LayoutForm(ctx);
        if (ctx.Stopped())
            return false;
        if (laidOut)
            laidOut(current, *shown);
    }
    for (int i = 1; i < pages.size(); ++i) {
        auto next = std::make_unique<PageState>();
        PageContext target = context(pages[i], *next);
        CreateForm(target);
        LayoutForm(target);
        if (target.Stopped())
            return false;
        if (laidOut)
            laidOut(pages[i], *next);
        PageContext left = context(current, *shown);
        ReadForm(left);
        shown = std::move(next);
        current = pages[i];
    }
    PageContext last = context(current, *shown);
    ReadForm(last);
    return true;
}

} // namespace swted
