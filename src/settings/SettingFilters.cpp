// The search's filter words on the settings in words.
#include "settings/SettingFilters.h"

namespace swted {

QStringList FilterWords() { return {QStringLiteral("@changed"), QStringLiteral("@non-default"), QStringLiteral("@differs")}; }

QSet<QString> KeysDiffering(const Explanation &a, const Explanation &b)
{
    QSet<QString> keys;
    for (int i = 0; i < a.settings.size() && i < b.settings.size(); ++i) {
        if (a.settings[i].value != b.settings[i].value)
            keys.insert(a.settings[i].setting->key);
    }
    return keys;
}

FilterSets MakeFilterSets(const Explanation &now, const Explanation &opened, const Explanation &defaults,
                          const Explanation *compared)
{
    FilterSets sets{KeysDiffering(now, opened), KeysDiffering(now, defaults), std::nullopt};
    if (compared)
        sets.differs = KeysDiffering(now, *compared);
    return sets;
}

SettingFilter FilterOf(const QString &query, const FilterSets &sets)
{
    QVector<QSet<QString>> named;
    bool none = false;
    for (const QString &word : query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!word.startsWith(QLatin1Char('@')))
            continue;
        const QString w = word.toLower();
        if (w == QLatin1String("@changed"))
            named << sets.changed;
        else if (w == QLatin1String("@non-default"))
            named << sets.nonDefault;
        else if (w == QLatin1String("@differs") && sets.differs)
            named << *sets.differs;
        else
            none = true;
    }
    return [named, none](int page, const ControlEntry &c) {
        if (none)
            return false;
        const Setting *s = SettingOfControl(page, c.name);
        if (!s)
            return false;
        for (const QSet<QString> &set : named) {
            if (!set.contains(s->key))
                return false;
        }
        return true;
    };
}

} // namespace swted
