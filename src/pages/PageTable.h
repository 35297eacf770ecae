#pragma once

#include <QString>
#include <QStringList>

namespace swted {

// The eight category pages: index, window name, tab caption and the tab's
// place in the strip. The index order and the strip order differ; tabs are
// matched by caption, never by position.
struct PageEntry {
    int index;
    const char *window;
    const char *caption;
    int stripPosition; // 1-based
};

constexpr int PageCount = 8;
extern const PageEntry PageTable[PageCount];

// Captions in strip order.
QStringList TabCaptionsInStripOrder();
// The page whose upper-case name matches the caption (without regard to
// case); -1 when none does.
int PageIndexOfCaption(const QString &caption);
const PageEntry &PageOfIndex(int index);

// The order in which all open pages are unloaded when the file closes.
extern const int UnloadOrder[PageCount];

} // namespace swted
