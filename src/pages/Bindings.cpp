#include "pages/Bindings.h"

#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/PageDescription.h"
#include "pages/PageState.h"
#include "shell/Prompts.h"

#include <QRegularExpression>

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

QString LimitedText(int switchNumber, int start, int value, int largest)
{
    return QStringLiteral("The value of Option Switch") + NumberText(switchNumber) + QStringLiteral(", starting at ")
        + QStringLiteral("position") + NumberText(start) + QStringLiteral(" was") + NumberText(value)
        + QStringLiteral(". This is outside the allowable range of 0 to") + NumberText(largest)
        + QStringLiteral(". The value will therefore be set to") + NumberText(largest) + QStringLiteral(".");
}

namespace {

int LargestOf(int characters)
{
    int v = 9;
    for (int i = 1; i < characters && v < 100000000; ++i)
        v = v * 10 + 9;
    return v;
}

} // namespace

EntryLimits EntryLimitsOf(const ControlEntry &c)
{
    EntryLimits l;
    if (c.bind == Bind::WholeText) {
        // Read back as the number of its rightmost characters; a field that
        // shows the whole value shows (and stores) its sign too.
        l.characters = c.keep > 0 ? c.keep : c.width;
        l.sign = c.width >= 9;
    } else {
        l.characters = c.width;
    }
    l.characters = qBound(1, l.characters, 9);
    l.least = c.least;
    l.most = c.most > 0 ? qMin(c.most, LargestOf(l.characters)) : LargestOf(l.characters);
    l.defaultText = c.defaultText;
    return l;
}

int LowestEntry(const EntryLimits &limits)
{
    if (limits.least == 1)
        return 1;
    return limits.sign && limits.characters > 1 ? -LargestOf(limits.characters - 1) : 0;
}

EntryCheck CheckEntry(const EntryLimits &limits, const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return EntryCheck::Taken; // reads as 0
    if (!limits.defaultText.isEmpty()) {
        if (t.compare(limits.defaultText, Qt::CaseInsensitive) == 0)
            return EntryCheck::Taken;
        if (limits.defaultText.startsWith(t, Qt::CaseInsensitive) && !t[0].isDigit())
            return EntryCheck::Partial;
    }
    if (t.size() > limits.characters)
        return EntryCheck::Refused;
    const bool negative = limits.sign && t.startsWith(QLatin1Char('-'));
    const QString digits = negative ? t.mid(1) : t;
    if (digits.isEmpty())
        return EntryCheck::Partial;
    int v = 0;
    for (const QChar ch : digits) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return EntryCheck::Refused;
        v = v * 10 + (ch.unicode() - '0');
    }
    if (negative)
        return EntryCheck::Taken;
    if (v > limits.most)
        return EntryCheck::Refused;
    if (v > 0 && v < limits.least)
        return EntryCheck::BelowMinimum;
    return EntryCheck::Taken;
}

QString EntryUnit(const ControlEntry &c)
{
    if (!c.unit.isEmpty() && !c.unit.startsWith(QLatin1Char('(')))
        return c.unit;
    // A bracketed unit in the caption: "Left (mm)", "(% of Standard)".
    static const QRegularExpression bracketed(QStringLiteral("\\([^()]*\\)"));
    static const QRegularExpression unitWord(QStringLiteral("mm|%|degree|lines|inch"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QString caption = QString(c.caption).remove(QLatin1Char('&'));
    for (auto it = bracketed.globalMatch(caption); it.hasNext();) {
        const QString part = it.next().captured();
        if (unitWord.match(part).hasMatch())
            return part;
    }
    return QString();
}

QString EntryRangeText(const EntryLimits &limits, const QString &unit)
{
    QString t = QStringLiteral("Allowed: ") + QString::number(LowestEntry(limits)) + QStringLiteral(" to ")
        + QString::number(limits.most);
    if (!unit.isEmpty())
        t += QLatin1Char(' ') + unit;
    if (limits.least > 1)
        t += QStringLiteral("; minimum ") + QString::number(limits.least) + QStringLiteral(", 0 for the default");
    return t;
}

QString EntryRefusedText(const EntryLimits &limits, const QString &unit)
{
    return QStringLiteral("Refused. ") + EntryRangeText(limits, unit);
}

QString EntryBelowMinimumText(const EntryLimits &limits, const QString &unit)
{
    QString t = QStringLiteral("Below the minimum of ") + QString::number(limits.least);
    if (!unit.isEmpty())
        t += QLatin1Char(' ') + unit;
    return t + QStringLiteral(": stored as typed");
}

void ShowUserSizeDigits(const SwitchStore &store, ControlState &whole, ControlState &tenths)
{
    const int d2 = store.GetDigit(2);
    whole.text = d2 != 0 ? QString::number(d2) : QString();
    tenths.text = d2 != 0 ? QString::number(store.GetDigit(1)) : QString();
}

namespace {

// The digit of a user size field, -1 when it holds anything but one digit.
int UserSizeDigitOf(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() != 1 || t[0] < QLatin1Char('0') || t[0] > QLatin1Char('9'))
        return -1;
    return t[0].unicode() - '0';
}

} // namespace

UserSizeTyped TypeUserSize(SwitchStore &store, Prompts &prompts, ControlState &whole, ControlState &tenths,
                           bool typedWhole)
{
    ControlState &typed = typedWhole ? whole : tenths;
    if (typed.text.trimmed().isEmpty())
        return UserSizeTyped::Nothing;
    if (UserSizeDigitOf(typed.text) < 0)
        return UserSizeTyped::NotDigit;
    const int w = UserSizeDigitOf(whole.text);
    if (w <= 0) {
        // A size of 0.x: with a 0 in position 2 the digits would read back
        // as a list size.
        prompts.ShowMessage(
            Message{UserSizeStartText(), OptionsEditorTitle, MessageButtons::Ok, MessageIcon::Exclamation});
        const int d2 = store.GetDigit(2);
        typed.text = d2 == 0 ? QString() : QString::number(typedWhole ? d2 : store.GetDigit(1));
        return UserSizeTyped::Refused;
    }
    store.SetDigit(2, static_cast<int16_t>(w));
    store.SetDigit(1, static_cast<int16_t>(qMax(0, UserSizeDigitOf(tenths.text))));
    return UserSizeTyped::Stored;
}

QString UserSizeStartText()
{
    return QStringLiteral("The first digit of a user text size must be from 1 to 9.");
}

} // namespace swted
