#pragma once

#include <QString>
#include <QVector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace swted {

class Prompts;
class SwitchStore;

// The operations that copy digits between the switch store and one control.
// Store-to-control operations work on the digit buffer (the caller has
// unpacked the switch) unless they name a switch; control-to-buffer ones
// never pack.

// The value of positions start..start+width-1 of the buffer; the digit at
// the start position is the units digit.
int RangeValue(const SwitchStore &store, int start, int width);
// Writes value's digits into the range (units digit at start).
void SetRangeValue(SwitchStore &store, int start, int width, int value);

void ShowDigitsInText(SwitchStore &store, int switchNumber, QLineEdit *field, int start, int width,
                      const QString &defaultText);
void ShowBufferDigitsInText(SwitchStore &store, QLineEdit *field, int start, int width, const QString &defaultText);
void ShowDigitsInList(SwitchStore &store, Prompts &prompts, int switchNumber, QComboBox *list, int start, int width,
                      int maximum, int defaultValue);
void ShowDigitInCheck(const SwitchStore &store, QCheckBox *box, int position);
// Digits 0..n-2 select their option, any other digit the last one.
void ShowDigitInOptions(const SwitchStore &store, const QVector<QRadioButton *> &options, int position);
inline void ShowDigitInOptions2(const SwitchStore &s, QRadioButton *o0, QRadioButton *o1, int p)
{
    ShowDigitInOptions(s, {o0, o1}, p);
}
inline void ShowDigitInOptions3(const SwitchStore &s, QRadioButton *o0, QRadioButton *o1, QRadioButton *o2, int p)
{
    ShowDigitInOptions(s, {o0, o1, o2}, p);
}

void ReadTextToDigitsWithDefault(SwitchStore &store, const QLineEdit *field, int start, int width,
                                 const QString &defaultText);
void ReadTextToDigits(SwitchStore &store, const QLineEdit *field, int start, int width);
void ReadCheckToDigit(SwitchStore &store, const QCheckBox *box, int position);
// The first selected of the options given gives its number; none gives
// their count (so two options examine only the first).
void ReadOptionsToDigit(SwitchStore &store, const QVector<QRadioButton *> &examined, int position);
inline void ReadOptions2ToDigit(SwitchStore &s, QRadioButton *o0, int p) { ReadOptionsToDigit(s, {o0}, p); }
inline void ReadOptions3ToDigit(SwitchStore &s, QRadioButton *o0, QRadioButton *o1, int p)
{
    ReadOptionsToDigit(s, {o0, o1}, p);
}

QString OutOfRangeText(int switchNumber, int start, int value, int maximum, int defaultValue);
void ReportOutOfRange(Prompts &prompts, int switchNumber, int start, int value, int maximum, int defaultValue);

} // namespace swted
