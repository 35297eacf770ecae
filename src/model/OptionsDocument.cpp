#include "model/OptionsDocument.h"

#include <QtGlobal>

namespace swted {

int SwitchLineCountFor(int switchesPerLine)
{
    if (switchesPerLine <= 0)
        return 0;
    const int whole = SwitchCount / switchesPerLine;
    const int rest2 = 2 * (SwitchCount % switchesPerLine);
    if (rest2 > switchesPerLine || (rest2 == switchesPerLine && whole % 2 == 1))
        return whole + 1;
    return whole;
}

SwitchRange SwitchesOfLine(int switchesPerLine, int k)
{
    const int first = (k - 1) * switchesPerLine + 1;
    return {first, qMin(k * switchesPerLine, SwitchCount)};
}

} // namespace swted
