// The iso style page's code tables: list items and the digits they stand for, and its messages.
#include "pages/XIStyle_1.h"

#include "model/NumberText.h"

#include <cstdlib>
#include <iterator>

namespace swted {

namespace XIStyle_1 {

namespace {

const int IsoTypeValues[] = {0, 1, 2, 4, 5, 6, 7, 10, 11, 12, 16};
// Nothing selected reads as the last value.
constexpr int NoIsoTypeValue = 16;

const FallEntry Falls[FallEntries] = {
    {0, 0, "5"},  {0, 1, "5"},  {0, 2, "5"},  {0, 3, "5"},  {1, 0, "11"}, {1, 1, "11"}, {1, 2, "11"},
    {2, 0, "9"},  {2, 1, "9"},  {2, 2, "9"},  {3, 0, "5"},  {3, 1, "5"},  {3, 2, "5"},  {4, 0, "1"},
    {4, 1, "1"},  {5, 0, "88"}, {5, 1, "88"}, {5, 2, "88"}, {6, 0, "0"},
};

} // namespace

QString NumericOnlyText() { return QStringLiteral("Please enter numeric values only."); }

int IsoTypeValue(int item)
{
    return item >= 0 && item < int(std::size(IsoTypeValues)) ? IsoTypeValues[item] : NoIsoTypeValue;
}

int IsoTypeItem(int value)
{
    for (int i = 0; i < int(std::size(IsoTypeValues)); ++i) {
        if (IsoTypeValues[i] == value)
            return i;
    }
    return -1;
}

QString NotAllowedText(int switchNumber, int value)
{
    return QStringLiteral("The value of Option Switch") + NumberText(switchNumber) + QStringLiteral(" starting at ")
        + QStringLiteral("position 1 was") + NumberText(value) + QStringLiteral(". This is not ")
        + QStringLiteral("an allowable value. The value will therefore ")
        + QStringLiteral("be set to the default value of 0.");
}

Viewpoint ViewpointOf(int digit)
{
    static const Viewpoint table[9] = {{0, false}, {1, false}, {2, false}, {0, false}, {3, false},
                                       {1, true},  {2, true},  {0, true},  {3, true}};
    return digit >= 0 && digit <= 8 ? table[digit] : Viewpoint{0, false};
}

int ViewpointDigit(int item, bool box)
{
    if (item == 0)
        return box ? 7 : 0;
    const int d = item == 3 ? 4 : item;
    return box ? d + 4 : d;
}

int EnclosureItem(int digit)
{
    static const int items[10] = {0, 1, 2, -1, -1, -1, 5, 3, 4, 7};
    return digit >= 0 && digit <= 9 ? items[digit] : -1;
}

int EnclosureDigit(int item)
{
    static const int digits[8] = {0, 1, 2, 7, 8, 6, 6, 9};
    return item >= 0 && item < 8 ? digits[item] : 0;
}

const FallEntry &Fall(int entry) { return Falls[qBound(0, entry, FallEntries - 1)]; }

int HighestPrecision(int family)
{
    return family == 0 ? 3 : family == 4 ? 1 : 2;
}

int FallEntryOf(int family, int precision)
{
    for (int e = 0; e < FallEntries; ++e) {
        if (Falls[e].family == family && Falls[e].precision == precision)
            return e;
    }
    return -1;
}

QString FallRangeText(int position, int digit)
{
    return QStringLiteral("The value of Option Switch 19 position ") + QString::number(position)
        + QStringLiteral(" was ") + NumberText(digit) + QStringLiteral(".")
        + QStringLiteral("This is not an allowable value. The value will therefore ")
        + QStringLiteral("be set to the default value of 0.");
}

QString StandoutDefault(int skewStyle, int standout8, int textSize)
{
    if (skewStyle == 3)
        return QStringLiteral("40");
    if (standout8 < 12) {
        static const char *const byTextSize[] = {"140", "120", "160", "180", "200"};
        return QString::fromLatin1(textSize >= 0 && textSize <= 4 ? byTextSize[textSize] : "220");
    }
    return QString::number(10 * standout8);
}

int TwoPositionNumber(const QString &text)
{
    const std::optional<int32_t> v = RoundToInt32(NumericValue(text));
    if (!v)
        return 0; // no number of this size fits two positions
    return static_cast<int>(std::llabs(static_cast<long long>(*v)) % 100);
}

} // namespace XIStyle_1

} // namespace swted
