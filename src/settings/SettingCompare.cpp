// The comparison of two files' settings in words.
#include "settings/SettingCompare.h"

namespace swted {

const SettingDifference *Comparison::Find(int page, const QString &control) const
{
    for (const SettingDifference &d : settings) {
        if (d.setting->page == page && d.setting->control->name == control)
            return &d;
    }
    return nullptr;
}

Comparison CompareSettings(const Explanation &here, const Explanation &other)
{
    Comparison c;
    for (int i = 0; i < here.settings.size() && i < other.settings.size(); ++i) {
        if (here.settings[i].value != other.settings[i].value)
            c.settings.append({here.settings[i].setting, i, here.settings[i].value, other.settings[i].value});
    }
    for (int n : SwitchesNoPageEdits()) {
        if (here.values[n] != other.values[n])
            c.switches.append({n, here.values[n], other.values[n]});
    }
    return c;
}

} // namespace swted
