// The settings of a file in words, as the pages show them, and changes made by key through the pages.
#pragma once

#include "pages/EditHistory.h"
#include "pages/PageState.h"
#include "settings/SettingKeys.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace swted {

class Prompts;
class SwitchStore;
struct UserFontSession;

// One setting as its page shows it.
struct SettingShown {
    const Setting *setting = nullptr;
    ControlState state; // what the control shows: index and items, tick, text, enabled
    QString value;      // in words: the item or option chosen, "on" or "off", the field's text
};

// Every setting of a file as the editor shows it when each page is opened
// on it (the tour of the tab strip, each page laid out before the one left
// is stored), with the messages the pages give and the switches no page edits.
struct Explanation {
    QVector<SettingShown> settings; // in the order of AllSettings()
    QStringList messages;           // what the pages said while laid out
    SwitchValueSet values{};        // the file's values
    SwitchValueSet toured{};        // what the tour would store
    bool stopped = false;           // a user font set-up would end the editor
    const SettingShown *Find(const QString &key) const;
};

// Runs on copies: nothing of the store or the font session changes.
Explanation ExplainSettings(const SwitchStore &store, bool restricted, const UserFontSession *fonts);
// The settings of the built-in default values (no user fonts).
const Explanation &Defaults(bool restricted);
// The built-in default values as the pages show them beside a file: with
// its run type and its user fonts, so that a setting is at its default
// when its value in words is the same here and for the file.
Explanation DefaultsExplanation(bool restricted, const UserFontSession *fonts);

// What a control shows, in words.
QString ValueWords(const ControlEntry &c, const ControlState &state);
// The switches that no page edits.
QVector<int> SwitchesNoPageEdits();
// Whether a setting's positions hold different digits in two values.
bool SettingDiffers(const Setting &s, int32_t a, int32_t b);

// The allowed values of a setting, as a refusal lists them: its items or
// options, "on, off", or the range a field takes with its unit.
QString AllowedWords(const Setting &s, const ControlState &shown);

// A change of one setting made as a user makes it on the page: the page is
// laid out over the store, the control changed and its change rule run
// (interlocks included), the page read back into the store. Switches that
// the page does not edit keep their values. Refused, with the store
// untouched and the reason in error, when the value is not one the control
// takes or the control is greyed.
struct SettingEdit {
    bool done = false;
    QString error;
};
// value: an item's or option's text (without regard to case; a unique
// leading part is enough), "#N" for the item of index N (from 0), "on" or
// "off" for a check box, the text to type for a field.
SettingEdit SetSetting(SwitchStore &store, Prompts &prompts, bool restricted, UserFontSession *fonts,
                       const Setting &s, const QString &value);
// The setting back to its switch's default, as the control's "Reset to
// Default" does.
SettingEdit ResetSetting(SwitchStore &store, Prompts &prompts, bool restricted, UserFontSession *fonts,
                         const Setting &s);

} // namespace swted
