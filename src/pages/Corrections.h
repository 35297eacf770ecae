#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

namespace swted {

class SwitchStore;
struct UserFontSession;

// A switch that the pages would store differently from the value it holds:
// what the user would find saved after opening the file, visiting every page
// and saving without touching a control.
struct Correction {
    int switchNumber = 0;
    // Where it is edited: "Plotted Iso › Margins › Left (mm)", the control
    // that edits the first of the positions that change.
    QString setting;
    int32_t inFile = 0; // the whole value held now
    int32_t saved = 0;  // the whole value the pages store
    // Why, in a few words ("Left (mm) keeps three digits"); several causes
    // are joined by "; ".
    QString reason;
};

// Runs the tour of the pages (TourPages: the first page laid out, every tab
// of the strip visited in its order, the last page stored as a save stores
// it) on a copy of the store and returns, by switch number, every switch
// whose value would change. The values compared are the store's current
// ones, so a store just read from a file gives the file's corrections, and
// a store with a few switches set gives those too.
//
// Nothing the caller holds is changed: the tour runs on copies of the store
// and of the font session (fonts may be null: no options file, the font
// groups are left as built), and its messages are not shown; their texts go
// to messages, in the order the editor would show them. When a font set-up
// reaches a fatal stop (the editor would end), stopped is set and the list
// is empty. Costs one tour: the eight page layouts and read-backs, and the
// font information file read once per font group.
QVector<Correction> CollectCorrections(const SwitchStore &opened, bool restricted, UserFontSession *fonts,
                                       QStringList *messages = nullptr, bool *stopped = nullptr);

// "FILE: switch 10: 99999 will be saved as 999 (Left (mm) keeps three
// digits)" without the file's name: "switch 10: ...".
QString CorrectionText(const Correction &c);

} // namespace swted
