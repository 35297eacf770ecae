// Two files' settings side by side: the settings whose values differ, in words, and the other switches.
#pragma once

#include "settings/SettingValues.h"

#include <QVector>

namespace swted {

struct SettingDifference {
    const Setting *setting = nullptr;
    int index = 0; // in AllSettings() and in each explanation
    QString here, other;
};
struct SwitchDifference {
    int switchNumber = 0;
    int32_t here = 0, other = 0;
};
struct Comparison {
    QVector<SettingDifference> settings; // in the order of AllSettings()
    QVector<SwitchDifference> switches;  // switches no page edits, by number
    bool Same() const { return settings.isEmpty() && switches.isEmpty(); }
    const SettingDifference *Find(int page, const QString &control) const;
};

// The settings whose values, in words, differ between two files, then the
// switches no page edits whose values differ.
Comparison CompareSettings(const Explanation &here, const Explanation &other);

} // namespace swted
