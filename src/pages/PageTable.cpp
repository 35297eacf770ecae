#include "pages/PageTable.h"

namespace swted {

const PageEntry PageTable[PageCount] = {
    {0, "XPlot_1", "Plotted Iso", 1},
    {1, "XDimension_1", "Dimensioning", 5},
    {2, "XMaterials_1", "Material List", 3},
    {3, "XWelding_1", "Welding", 4},
    {4, "XSystem_1", "System", 2},
    {5, "XIStyle_1", "Iso Style", 6},
    {6, "XIContent_1", "Iso Content", 7},
    {7, "XSpecial_1", "Specials", 8},
};

// Dimensioning, Iso Content, Iso Style, Material List, Plotted Iso,
// Specials, System, Welding.
const int UnloadOrder[PageCount] = {1, 6, 5, 2, 0, 7, 4, 3};

QStringList TabCaptionsInStripOrder()
{
    QStringList captions;
    for (int position = 1; position <= PageCount; ++position) {
        for (const PageEntry &p : PageTable) {
            if (p.stripPosition == position)
                captions << QString::fromLatin1(p.caption);
        }
    }
    return captions;
}

int PageIndexOfCaption(const QString &caption)
{
    for (const PageEntry &p : PageTable) {
        if (caption.compare(QLatin1String(p.caption), Qt::CaseInsensitive) == 0)
            return p.index;
    }
    return -1;
}

const PageEntry &PageOfIndex(int index)
{
    return PageTable[index];
}

} // namespace swted
