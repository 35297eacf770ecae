// Every setting of the pages by its key: the public names of the settings.
#pragma once

#include "pages/PageDescription.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace swted {

// One setting: a control of a page bound to positions of a switch.
struct Setting {
    QString key;                 // "plotted-iso.paper-settings.sheet-size"
    int page = 0;                // page index
    const PageDescription *description = nullptr;
    const ControlEntry *control = nullptr;
};

// The words of a caption as a part of a key: access keys, line breaks,
// apostrophes and parenthesised remarks dropped ("Left (mm)" -> "left"),
// lower case, at most six words joined by '-'. Empty for a caption that
// is only a key ('~').
QString KeyWords(const QString &caption);

// The key of a control: the page's tab caption, its panel, its frame (if
// titled) and its own caption or given key, each as KeyWords, joined by '.'.
QString SettingKeyOf(const PageDescription &page, const ControlEntry &c);

// Whether a control is a setting: it edits positions of a switch and shows
// a value (a list, check box, option group or field).
bool IsSetting(const ControlEntry &c);

// Every setting, pages in the order of the tab strip, each page's controls
// in the order of its description.
const QVector<Setting> &AllSettings();
// The setting of a key (exact, without regard to case); null for none.
const Setting *FindSetting(const QString &key);
// The setting a page's control is, null for none.
const Setting *SettingOfControl(int page, const QString &controlName);

// "list", "check", "options" or "text".
QString SettingKind(const ControlEntry &c);
// The captions of an option group's buttons, as shown (no access keys);
// a list's items as the description gives them (a list the page fills
// itself shows its own).
const QStringList &SettingChoices(const ControlEntry &c);

} // namespace swted
