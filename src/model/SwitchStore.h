#pragma once

#include <array>
#include <cstdint>

namespace swted {

constexpr int SwitchCount = 140;
constexpr int PositionCount = 9;

// The 140 option switches, the nine-digit working buffer and the snapshot
// taken at the last read or write of a file.
//
// Position p is the decimal digit of weight 10^(p-1): position 1 is the units
// digit. Indices outside 0..140 (switches) or 0..9 (positions) are programming
// errors: such calls are refused (they return false) and write nothing.
class SwitchStore {
public:
    SwitchStore();

    // Digits of SwitchValues[n] into DigitBuffer[1..9]. A value of 10^9 or more
    // puts everything above the eighth digit into position 9; a negative value
    // unpacks as nine zeros.
    bool UnpackSwitch(int n);
    // The number formed by DigitBuffer[1..9] into SwitchValues[n]. Digits
    // outside 0..9 are weighted all the same. Returns false, leaving the
    // switch as it was, when the sum does not fit a 32-bit signed integer.
    bool PackSwitch(int n);

    bool SetDigit(int p, int16_t d);
    int16_t GetDigit(int p) const;

    // 16-bit value, sign-extended.
    bool SetSwitchValue(int n, int16_t v);
    // Whole 32-bit value (files and the command-line tool hold such values).
    bool SetWholeValue(int n, int32_t v);
    int32_t GetSwitchValue(int n) const;
    int32_t GetSavedValue(int n) const;

    // Every switch to its built-in default; the snapshot is not touched.
    void DefaultAllSwitches();
    static int32_t DefaultValue(int n);

    bool HasUnsavedChanges() const;
    void TakeSnapshot();

    static bool ValidSwitch(int n) { return n >= 0 && n <= SwitchCount; }
    static bool ValidPosition(int p) { return p >= 0 && p <= PositionCount; }

private:
    std::array<int32_t, SwitchCount + 1> SwitchValues{};
    std::array<int32_t, SwitchCount + 1> SavedSwitchValues{};
    std::array<int16_t, PositionCount + 1> DigitBuffer{};
};

} // namespace swted
