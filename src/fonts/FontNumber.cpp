#include "fonts/FontNumber.h"

#include "model/SwitchStore.h"

namespace swted {

namespace {
constexpr int32_t FontWeight = 1000000; // the weight of position 7
}

int FontNumberOf(int32_t switchValue)
{
    return switchValue < 0 ? 0 : switchValue / FontWeight;
}

std::optional<int32_t> WithFontNumber(int32_t switchValue, int font)
{
    if (!FontNumberFits(font))
        return std::nullopt;
    const int32_t low = switchValue < 0 ? 0 : switchValue % FontWeight;
    return font * FontWeight + low;
}

void SetFontDigits(SwitchStore &store, int font)
{
    store.SetDigit(9, static_cast<int16_t>(font / 100));
    store.SetDigit(8, static_cast<int16_t>(font / 10 % 10));
    store.SetDigit(7, static_cast<int16_t>(font % 10));
}

bool StoreFontNumber(SwitchStore &store, int n, int font)
{
    if (!store.UnpackSwitch(n) || !FontNumberFits(font))
        return false;
    SetFontDigits(store, font);
    return store.PackSwitch(n);
}

int UnpackFontNumber(SwitchStore &store, int n)
{
    store.UnpackSwitch(n);
    return store.GetDigit(9) * 100 + store.GetDigit(8) * 10 + store.GetDigit(7);
}

} // namespace swted
