#pragma once

#include <cstdint>
#include <optional>

namespace swted {

class SwitchStore;

// Positions 9 to 7 of a font switch hold the font number, position 9 the
// hundreds and position 7 the units; 0 means no user font. Positions 1 to 6
// belong to other settings.
constexpr int FirstFontPosition = 7;
constexpr int MaxFontNumber = 999;

inline bool FontNumberFits(int font) { return font >= 0 && font <= MaxFontNumber; }

// The font number a switch value holds, read the way the store unpacks it:
// a negative value holds none; a value of 10^9 or more gives the number
// above 999 that position 9 then carries.
int FontNumberOf(int32_t switchValue);

// The value with positions 9 to 7 replaced by the font number and positions
// 1 to 6 kept as they unpack. Empty when the number does not fit three
// positions (0 to 999); such a font cannot be stored.
std::optional<int32_t> WithFontNumber(int32_t switchValue, int font);

// Writes a font number (0 to 999) into positions 9 to 7 of the digit buffer;
// the caller packs.
void SetFontDigits(SwitchStore &store, int font);

// Unpacks switch n, writes the font number into positions 9 to 7 and packs
// it. A font number outside 0 to 999 stores nothing and returns false; the
// digit buffer then holds the switch as it was unpacked.
bool StoreFontNumber(SwitchStore &store, int n, int font);

// Unpacks switch n and gives the number in its positions 9 to 7.
int UnpackFontNumber(SwitchStore &store, int n);

} // namespace swted
