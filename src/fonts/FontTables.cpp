#include "fonts/FontTables.h"

#include "fonts/FontNumber.h"

#include <algorithm>

namespace swted {

int FindFontEntry(const FontTables &tables, int fontNumber)
{
    for (int i = 0; i < tables.Count(); ++i) {
        if (tables.FontNumbers[i] == fontNumber)
            return i;
    }
    return -1;
}

int FindDescriptionEntry(const FontTables &tables, const QString &text)
{
    const int n = std::min(tables.Count(), static_cast<int>(tables.FontDescriptions.size()));
    for (int i = 0; i < n; ++i) {
        if (tables.FontDescriptions[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

ChosenFont ChosenFontOf(const FontTables &tables, const QString &listText)
{
    if (listText.compare(FontNotSetItem, Qt::CaseInsensitive) == 0)
        return {ChosenFont::Kind::NotSet, 0};
    const int i = FindDescriptionEntry(tables, listText);
    if (i < 0)
        return {};
    const int number = tables.FontNumbers[i];
    return {FontNumberFits(number) ? ChosenFont::Kind::Font : ChosenFont::Kind::TooLarge, number};
}

QStringList FontListItems(const FontTables &tables)
{
    QStringList items{FontNotSetItem};
    for (const QString &d : tables.FontDescriptions)
        items << d.toUpper();
    std::stable_sort(items.begin(), items.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return items;
}

} // namespace swted
