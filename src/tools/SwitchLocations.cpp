#include "tools/SwitchLocations.h"

#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/PageDescription.h"
#include "pages/PageDescriptions.h"
#include "pages/PageTable.h"

#include <QLocale>
#include <algorithm>
#include <set>

namespace swted {

QVector<LocationRow> LocationRowsOf(const PageDescription &page)
{
    QVector<LocationRow> rows;
    for (int k = 1; k <= page.subPages; ++k) {
        std::set<int> numbers;
        for (int n = 1; n <= SwitchCount; ++n) {
            for (const ControlEntry *c : page.ControlsOfSwitch(n)) {
                if (c->subPage == k)
                    numbers.insert(n);
            }
        }
        for (auto it = numbers.begin(); it != numbers.end();) {
            int high = *it;
            auto next = std::next(it);
            while (next != numbers.end() && *next == high + 1) {
                high = *next;
                ++next;
            }
            if (high - *it >= 2) {
                rows.append(LocationRow{page.index, k, *it, high});
            } else {
                for (auto single = it; single != next; ++single)
                    rows.append(LocationRow{page.index, k, *single, *single});
            }
            it = next;
        }
    }
    return rows;
}

const QVector<LocationRow> &SwitchLocationTable()
{
    static const QVector<LocationRow> table = [] {
        QVector<LocationRow> rows;
        for (int index = 0; index < PageCount; ++index) {
            if (const PageDescription *page = PageDescriptionOf(index))
                rows += LocationRowsOf(*page);
        }
        return rows;
    }();
    return table;
}

std::optional<LocationRow> LocateSwitch(const QVector<LocationRow> &table, double n)
{
    for (const LocationRow &row : table) {
        if (row.Matches(n))
            return row;
    }
    return std::nullopt;
}

std::optional<LocationRow> LocateSwitch(double n) { return LocateSwitch(SwitchLocationTable(), n); }

QString NotSupportedText(double n)
{
    // -0 reads as 0.
    const QString number = n == 0 ? QStringLiteral("0") : QString::number(n, 'g', QLocale::FloatingPointShortest);
    return QStringLiteral("Option Switch Number ") + number + QStringLiteral(" Is Not Supported.");
}

FindResult FindOptionSwitch(const QString &text)
{
    FindResult result;
    result.number = NumericValue(text);
    result.where = LocateSwitch(result.number);
    return result;
}

void ShowSwitchLocation(SwitchPages &pages, const LocationRow &where)
{
    if (pages.PageOnScreen() >= 0)
        pages.UnloadPageOnScreen();
    pages.OpenPage(where.page);
    pages.BringSubPageForward(where.page, where.subPage);
}

} // namespace swted
