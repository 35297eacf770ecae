#include "pages/PageDescriptions.h"

#include "pages/XDimension_1.h"
#include "pages/XIContent_1.h"
#include "pages/XIStyle_1.h"
#include "pages/XMaterials_1.h"
#include "pages/XPlot_1.h"
#include "pages/XSpecial_1.h"
#include "pages/XSystem_1.h"
#include "pages/XWelding_1.h"

namespace swted {

const PageDescription *PageDescriptionOf(int index)
{
    switch (index) {
    case 0:
        return &XPlot_1::Description();
    case 1:
        return &XDimension_1::Description();
    case 2:
        return &XMaterials_1::Description();
    case 3:
        return &XWelding_1::Description();
    case 4:
        return &XSystem_1::Description();
    case 5:
        return &XIStyle_1::Description();
    case 6:
        return &XIContent_1::Description();
    case 7:
        return &XSpecial_1::Description();
    default:
        return nullptr;
    }
}

bool PageAvailable(int index) { return PageDescriptionOf(index) != nullptr; }

} // namespace swted
