#include "pages/SwitchDigits.h"

#include <QtGlobal>

namespace swted {

void EditedPositions(const ControlEntry &c, int &first, int &last)
{
    if (c.whole || c.width >= 9) {
        first = 1;
        last = 9;
        return;
    }
    first = qBound(1, c.start, 9);
    last = qBound(first, c.start + qMax(1, c.width) - 1, 9);
}

SwitchDigits DescribeSwitchDigits(int n, int32_t value, int first, int last, const QString &background,
                                  const QString &foreground)
{
    SwitchDigits out;
    const QString head = QStringLiteral("Switch %1").arg(n);
    const QString mono = QStringLiteral("<span style=\"font-family:monospace\">%1</span>");
    if (value < 0 || value > 999999999) {
        const QString stored = QString::number(value);
        out.richText = head + QStringLiteral("&nbsp;&nbsp;") + mono.arg(stored);
        out.plainText = head + QStringLiteral("  ") + stored;
        out.description = head + QStringLiteral(" holds %1, which is not a number of nine positions").arg(stored);
        return out;
    }
    first = qBound(1, first, 9);
    last = qBound(first, last, 9);
    out.first = first;
    out.last = last;
    const QString digits = QStringLiteral("%1").arg(value, 9, 10, QLatin1Char('0'));
    // Position p is the character at index 9 - p.
    const QString before = digits.left(9 - last);
    const QString marked = digits.mid(9 - last, last - first + 1);
    const QString after = digits.mid(9 - first + 1);
    const QString mark = QStringLiteral("<span style=\"background-color:%1;color:%2;font-weight:bold\">%3</span>")
                             .arg(background, foreground, marked);
    out.richText = head + QStringLiteral("&nbsp;&nbsp;") + mono.arg(before + mark + after);
    out.plainText = head + QStringLiteral("  ") + digits;
    const QString edits = first == last ? QStringLiteral("position %1").arg(first)
                                        : QStringLiteral("positions %1 to %2").arg(first).arg(last);
    out.description = head + QStringLiteral(" holds %1; this control edits %2").arg(digits, edits);
    return out;
}

} // namespace swted
