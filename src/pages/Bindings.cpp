#include "pages/Bindings.h"

#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/PageState.h"
#include "shell/Prompts.h"

namespace swted {

int RangeValue(const SwitchStore &store, int start, int width)
{
    int v = 0;
    int weight = 1;
    for (int p = start; p < start + width && p <= PositionCount; ++p) {
        v += store.GetDigit(p) * weight;
        weight *= 10;
    }
    return v;
}

void SetRangeValue(SwitchStore &store, int start, int width, int value)
{
    for (int p = start; p < start + width && p <= PositionCount; ++p) {
        store.SetDigit(p, static_cast<int16_t>(value % 10));
        value /= 10;
    }
}

namespace {

QString RangeText(int v, const QString &defaultText)
{
    if (NumericValue(defaultText) == 0 || v != 0)
        return QString::number(v);
    return defaultText;
}

} // namespace

void ShowDigitsInText(SwitchStore &store, int switchNumber, ControlState &field, int start, int width,
                      const QString &defaultText)
{
    if (width == 9) {
        const int32_t v = store.GetSwitchValue(switchNumber);
        field.text = NumericValue(defaultText) != 0 && v == 0 ? defaultText : QString::number(v);
        return;
    }
    store.UnpackSwitch(switchNumber);
    ShowBufferDigitsInText(store, field, start, width, defaultText);
}

void ShowBufferDigitsInText(const SwitchStore &store, ControlState &field, int start, int width,
                            const QString &defaultText)
{
    field.text = RangeText(RangeValue(store, start, width), defaultText);
}

void ShowDigitsInList(const SwitchStore &store, Prompts &prompts, int switchNumber, ControlState &list, int start,
                      int width, int maximum, int defaultValue)
{
    int v = RangeValue(store, start, width);
    if (v > maximum) {
        ReportOutOfRange(prompts, switchNumber, start, v, maximum, defaultValue);
        v = defaultValue;
    }
    list.index = defaultValue > 0 && v == 0 ? defaultValue : v;
}

void ShowDigitInCheck(const SwitchStore &store, ControlState &box, int position)
{
    box.checked = store.GetDigit(position) == 1;
}

void ShowDigitInOptions(const SwitchStore &store, ControlState &options, int count, int position)
{
    const int d = store.GetDigit(position);
    const int last = count - 1;
    options.index = d >= 0 && d < last ? d : last;
}

void ReadTextToDigitsWithDefault(SwitchStore &store, const ControlState &field, int start, int width,
                                 const QString &defaultText)
{
    const QString t = field.text.trimmed();
    if (t.compare(defaultText, Qt::CaseInsensitive) == 0) {
        SetRangeValue(store, start, width, 0);
        return;
    }
    ReadTextToDigits(store, field, start, width);
}

void ReadTextToDigits(SwitchStore &store, const ControlState &field, int start, int width)
{
    // The rightmost characters land in the range, the last one at start;
    // missing ones count as 0, and so does anything that is not a digit.
    const QString t = field.text.trimmed().right(width).rightJustified(width, QLatin1Char('0'));
    for (int i = 0; i < width; ++i) {
        const QChar c = t[width - 1 - i];
        const int d = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : 0;
        store.SetDigit(start + i, static_cast<int16_t>(d));
    }
}

void ReadCheckToDigit(SwitchStore &store, const ControlState &box, int position)
{
    store.SetDigit(position, box.checked ? 1 : 0);
}

void ReadOptionsToDigit(SwitchStore &store, const ControlState &options, int examined, int position)
{
    const int d = options.index >= 0 && options.index < examined ? options.index : examined;
    store.SetDigit(position, static_cast<int16_t>(d));
}

QString OutOfRangeText(int switchNumber, int start, int value, int maximum, int defaultValue)
{
    return QStringLiteral("The value of Option Switch") + NumberText(switchNumber) + QStringLiteral(", starting at ")
        + QStringLiteral("position") + NumberText(start) + QStringLiteral(" was") + NumberText(value)
        + QStringLiteral(". This is outside ") + QStringLiteral("the allowable range of 0 to") + NumberText(maximum)
        + QStringLiteral(". The value will therefore ") + QStringLiteral("be set to the default value of")
        + NumberText(defaultValue) + QStringLiteral(".");
}

void ReportOutOfRange(Prompts &prompts, int switchNumber, int start, int value, int maximum, int defaultValue)
{
    prompts.Inform(OutOfRangeText(switchNumber, start, value, maximum, defaultValue));
}

} // namespace swted
