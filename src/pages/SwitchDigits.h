#pragma once

#include "pages/PageDescription.h"

#include <QString>
#include <cstdint>

namespace swted {

// A switch's nine positions as the status bar shows them for the control
// that has the focus: position 9 on the left, position 1 on the right, the
// positions the control edits marked.
struct SwitchDigits {
    QString richText;    // "Switch 14" and the digits, the edited ones marked
    QString plainText;   // the same without marks
    QString description; // for assistive technology
    int first = 0;       // the edited positions, first..last (0: none marked)
    int last = 0;
};

// The positions a control edits, within 1..9: check boxes and options one,
// lists and fields their range, whole-value controls all nine.
void EditedPositions(const ControlEntry &c, int &first, int &last);

// The digits of value as switch n holds it, positions first..last marked
// in the colours given (names or #rrggbb). A value below 0 or above nine
// digits has no positions: it shows as stored, with nothing marked.
SwitchDigits DescribeSwitchDigits(int n, int32_t value, int first, int last, const QString &background,
                                  const QString &foreground);

} // namespace swted
