// Filters of the settings search: what changed, what is not at its default, what differs from another file.
#pragma once

#include "pages/SettingSearch.h"
#include "settings/SettingValues.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace swted {

// The filter words: "@changed" (differs from the file as opened or last
// saved), "@non-default" (differs from the built-in defaults) and
// "@differs" (differs from the file compared with).
QStringList FilterWords();

// The keys of the settings whose values, in words, differ between two
// explanations of the same settings.
QSet<QString> KeysDiffering(const Explanation &a, const Explanation &b);

// The settings each filter keeps, by key; differs only while a comparison
// is on.
struct FilterSets {
    QSet<QString> changed;
    QSet<QString> nonDefault;
    std::optional<QSet<QString>> differs;
};
FilterSets MakeFilterSets(const Explanation &now, const Explanation &opened, const Explanation &defaults,
                          const Explanation *compared = nullptr);

// What the filter words of a query keep: the settings in every set they
// name. A word that names no filter, or @differs without a comparison,
// keeps none.
SettingFilter FilterOf(const QString &query, const FilterSets &sets);

} // namespace swted
