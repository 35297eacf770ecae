#include "model/SwitchStore.h"

namespace swted {

namespace {
constexpr int64_t PowerOfTen[PositionCount] = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
}

SwitchStore::SwitchStore() = default;

bool SwitchStore::UnpackSwitch(int n)
{
    if (!ValidSwitch(n))
        return false;
    int64_t v = SwitchValues[n];
    // t is 10^(p-1) - 1 when position p is examined, so a position is only
    // filled once the value reaches it; position 9 takes all that is left.
    int64_t t = 99999999;
    for (int p = PositionCount; p >= 1; --p) {
        if (v > t) {
            const int64_t digit = v / PowerOfTen[p - 1];
            DigitBuffer[p] = static_cast<int16_t>(digit);
            v -= PowerOfTen[p - 1] * digit;
        } else {
            DigitBuffer[p] = 0;
        }
        t /= 10;
    }
    return true;
}

bool SwitchStore::PackSwitch(int n)
{
    if (!ValidSwitch(n))
        return false;
    int64_t a = 0;
    for (int p = 1; p <= PositionCount; ++p) {
        a += PowerOfTen[p - 1] * DigitBuffer[p];
        if (a > INT32_MAX || a < INT32_MIN)
            return false;
    }
    SwitchValues[n] = static_cast<int32_t>(a);
    return true;
}

bool SwitchStore::SetDigit(int p, int16_t d)
{
    if (!ValidPosition(p))
        return false;
    DigitBuffer[p] = d;
    return true;
}

int16_t SwitchStore::GetDigit(int p) const
{
    return ValidPosition(p) ? DigitBuffer[p] : 0;
}

bool SwitchStore::SetSwitchValue(int n, int16_t v)
{
    return SetWholeValue(n, v);
}

bool SwitchStore::SetWholeValue(int n, int32_t v)
{
    if (!ValidSwitch(n))
        return false;
    SwitchValues[n] = v;
    return true;
}

int32_t SwitchStore::GetSwitchValue(int n) const
{
    return ValidSwitch(n) ? SwitchValues[n] : 0;
}

int32_t SwitchStore::GetSavedValue(int n) const
{
    return ValidSwitch(n) ? SavedSwitchValues[n] : 0;
}

int32_t SwitchStore::DefaultValue(int n)
{
    switch (n) {
    case 10: case 11: case 12: case 13: case 20:
        return 5;
    case 34: case 38:
        return 100;
    case 36: case 43: case 51:
        return 1;
    case 42:
        return 3;
    case 63:
        return 55;
    default:
        return 0;
    }
}

void SwitchStore::DefaultAllSwitches()
{
    for (int n = 1; n <= SwitchCount; ++n)
        SwitchValues[n] = DefaultValue(n);
}

bool SwitchStore::HasUnsavedChanges() const
{
    for (int n = 1; n <= SwitchCount; ++n) {
        if (SwitchValues[n] != SavedSwitchValues[n])
            return true;
    }
    return false;
}

void SwitchStore::TakeSnapshot()
{
    for (int n = 1; n <= SwitchCount; ++n)
        SavedSwitchValues[n] = SwitchValues[n];
}

} // namespace swted
