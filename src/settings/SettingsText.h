// The settings as text for people and programs: the reference of every key, and JSON.
#pragma once

#include "settings/SettingValues.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace swted {

// What names a setting for a reader: its caption as shown, else the title
// of its frame or panel.
QString SettingCaption(const Setting &s);
// The first tip of the control's help label, on one line; empty for none.
QString SettingTip(const Setting &s);

// The reference of every setting, in Markdown (docs/settings.md).
QString SettingsReference();
// The same as JSON: an array of one object per setting.
QJsonArray SettingsSchemaJson();

// One setting of a file as JSON: where it is, what the page shows, the
// value and the default in words.
QJsonObject SettingJson(const SettingShown &shown, const QString &defaultWords);

} // namespace swted
