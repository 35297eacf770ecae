#pragma once

#include <QString>
#include <QVector>
#include <optional>

namespace swted {

struct PageDescription;

// One row of the table that tells on which page and sub-page a switch is
// edited: a single number (low == high) or a range of three or more
// consecutive numbers, both ends included.
struct LocationRow {
    int page = 0;    // page index, 0 to 7
    int subPage = 1; // 1-based; pages with one frame have only sub-page 1
    int low = 0;
    int high = 0;

    bool Matches(double n) const { return low <= n && n <= high; }
    bool operator==(const LocationRow &o) const
    {
        return page == o.page && subPage == o.subPage && low == o.low && high == o.high;
    }
};

// The switches a page edits, sub-page by sub-page, as rows: the numbers of
// each sub-page in ascending order, a run of three or more consecutive
// numbers written as one range, shorter runs as single numbers. A fraction
// therefore only finds a page inside a run of three or more.
QVector<LocationRow> LocationRowsOf(const PageDescription &page);

// The rows of every page that is built, in page index order. The table is
// derived from the page descriptions, so it always agrees with the pages.
const QVector<LocationRow> &SwitchLocationTable();

// The first row that matches n, in table order; none when n is edited on
// no page.
std::optional<LocationRow> LocateSwitch(const QVector<LocationRow> &table, double n);
std::optional<LocationRow> LocateSwitch(double n);

// The find window's texts and its search on the text the user typed.
inline const QString FindWindowTitle = QStringLiteral("Find Option Switch");
// "Option Switch Number " + n + " Is Not Supported.", n as its shortest
// decimal text.
QString NotSupportedText(double n);

struct FindResult {
    double number = 0; // the numeric value of the text
    std::optional<LocationRow> where;
};
// The leading number of the text (blanks, "12abc" and "10.5" as the
// editor reads numbers everywhere) looked up in the table.
FindResult FindOptionSwitch(const QString &text);

// What a found switch does to the pages of the main window.
class SwitchPages {
public:
    virtual ~SwitchPages() = default;
    // The page index of the page on screen; -1 when none is open.
    virtual int PageOnScreen() const = 0;
    // Closes the page on screen; unloading it stores its controls.
    virtual void UnloadPageOnScreen() = 0;
    // Creates the page if needed, lays it out from the store, shows it.
    virtual void OpenPage(int index) = 0;
    virtual void BringSubPageForward(int index, int subPage) = 0;
    // Gives the focus to the first control of the switch on the sub-page
    // brought forward, when it has one the user can reach.
    virtual void FocusSwitch(int /*switchNumber*/) {}
};

// The page on screen is stored back before the target page is laid out, so
// finding a switch of the page on screen reopens it fresh from the store
// with the edits made on it. With no page on screen the target opens alone.
void ShowSwitchLocation(SwitchPages &pages, const LocationRow &where);

} // namespace swted
