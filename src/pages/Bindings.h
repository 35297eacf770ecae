#pragma once

#include <QString>

namespace swted {

struct ControlEntry;
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
// A stored value above the largest a page takes, shown as that largest.
QString LimitedText(int switchNumber, int start, int value, int largest);

// What a text field takes, from its entry: digits up to the characters its
// positions hold (a whole-value field: the characters it keeps, a leading
// minus sign counted among them when it shows the whole signed value),
// never a decimal point, at most `most`; its default text is taken too.
struct EntryLimits {
    int characters = 1;
    bool sign = false;
    int least = 0;
    int most = 9;
    QString defaultText;
};
EntryLimits EntryLimitsOf(const ControlEntry &c);
enum class EntryCheck {
    Refused,      // not a value the field takes: the edit is undone
    Partial,      // may become one (a minus sign, the start of the default text)
    Taken,
    BelowMinimum, // taken, under the minimum the page states
};
EntryCheck CheckEntry(const EntryLimits &limits, const QString &text);
// The smallest value typed digits can make ("-99" for three characters
// with a sign).
int LowestEntry(const EntryLimits &limits);
// The unit of a field: its unit label, else the unit its caption gives in
// brackets ("(mm)"); empty when it has none.
QString EntryUnit(const ControlEntry &c);
// The range a field takes, for its tooltip and the status bar ("Allowed: 0
// to 999 (mm)"), what is said when a typed character is refused, and when a
// value is under the stated minimum.
QString EntryRangeText(const EntryLimits &limits, const QString &unit);
QString EntryRefusedText(const EntryLimits &limits, const QString &unit);
QString EntryBelowMinimumText(const EntryLimits &limits, const QString &unit);

// The user text size of switches 4 and 27: position 2 holds the whole
// millimetres, 1 to 9 (with a 0 there the two digits are a list size),
// position 1 the tenths. The fields show the digits of a stored user size,
// nothing for a list size (the switch unpacked).
void ShowUserSizeDigits(const SwitchStore &store, ControlState &whole, ControlState &tenths);
// Typing into one of the fields (typedWhole: the whole millimetres) stores
// both digits once the whole millimetres are 1 to 9, in the unpacked
// switch (the caller packs). An entry that would leave them 0 is refused
// with a message and the field shows the stored digit again; an emptied
// field, or a text that is not one digit, stores nothing.
enum class UserSizeTyped { Stored, Nothing, NotDigit, Refused };
UserSizeTyped TypeUserSize(SwitchStore &store, Prompts &prompts, ControlState &whole, ControlState &tenths,
                           bool typedWhole);
QString UserSizeStartText();

} // namespace swted
