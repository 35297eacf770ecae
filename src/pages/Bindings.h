#pragma once

#include <QString>

namespace swted {

struct ControlState;
class Prompts;
class SwitchStore;

// The operations that copy digits between the switch store and what one
// control shows. Store-to-control operations work on the digit buffer (the
// caller has unpacked the switch) unless they name a switch; control-to-
// buffer ones never pack.

// The value of positions start..start+width-1 of the buffer; the digit at
// the start position is the units digit.
int RangeValue(const SwitchStore &store, int start, int width);
// Writes value's digits into the range (units digit at start).
void SetRangeValue(SwitchStore &store, int start, int width, int value);

void ShowDigitsInText(SwitchStore &store, int switchNumber, ControlState &field, int start, int width,
                      const QString &defaultText);
void ShowBufferDigitsInText(const SwitchStore &store, ControlState &field, int start, int width,
                            const QString &defaultText);
void ShowDigitsInList(const SwitchStore &store, Prompts &prompts, int switchNumber, ControlState &list, int start,
                      int width, int maximum, int defaultValue);
void ShowDigitInCheck(const SwitchStore &store, ControlState &box, int position);
// A group of count option buttons: digits 0..count-2 select their option,
// any other digit the last one.
void ShowDigitInOptions(const SwitchStore &store, ControlState &options, int count, int position);
inline void ShowDigitInOptions2(const SwitchStore &s, ControlState &o, int p) { ShowDigitInOptions(s, o, 2, p); }
inline void ShowDigitInOptions3(const SwitchStore &s, ControlState &o, int p) { ShowDigitInOptions(s, o, 3, p); }
inline void ShowDigitInOptions4(const SwitchStore &s, ControlState &o, int p) { ShowDigitInOptions(s, o, 4, p); }
inline void ShowDigitInOptions5(const SwitchStore &s, ControlState &o, int p) { ShowDigitInOptions(s, o, 5, p); }

void ReadTextToDigitsWithDefault(SwitchStore &store, const ControlState &field, int start, int width,
                                 const QString &defaultText);
void ReadTextToDigits(SwitchStore &store, const ControlState &field, int start, int width);
void ReadCheckToDigit(SwitchStore &store, const ControlState &box, int position);
// The first selected of the first `examined` options gives its number; none
// of them gives `examined` (so two options examine only the first).
void ReadOptionsToDigit(SwitchStore &store, const ControlState &options, int examined, int position);
inline void ReadOptions2ToDigit(SwitchStore &s, const ControlState &o, int p) { ReadOptionsToDigit(s, o, 1, p); }
inline void ReadOptions3ToDigit(SwitchStore &s, const ControlState &o, int p) { ReadOptionsToDigit(s, o, 2, p); }
inline void ReadOptions5ToDigit(SwitchStore &s, const ControlState &o, int p) { ReadOptionsToDigit(s, o, 4, p); }

QString OutOfRangeText(int switchNumber, int start, int value, int maximum, int defaultValue);
void ReportOutOfRange(Prompts &prompts, int switchNumber, int start, int value, int maximum, int defaultValue);

} // namespace swted
