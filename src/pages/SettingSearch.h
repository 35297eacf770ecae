#pragma once

#include "pages/PageDescription.h"

#include <QString>
#include <QVector>

#include <functional>

namespace swted {

// Where a setting is edited: its page, sub-page, panel and control, and the
// text that names it for the user.
struct SettingHit {
    int page = 0;      // page index
    int subPage = 1;
    QString panel;     // panel title as shown
    QString frame;     // title of the frame inside the panel, if any
    QString control;   // object name of the control
    QString caption;   // what names the setting (its caption, frame, first item or panel)
    int switchNumber = 0;
    QString tip;       // the first sentence of its tip, if it has one
    // Where it stands, as a user reads it: "Panel › Frame › Caption", with
    // no title said twice and none that is empty.
    QString Where() const;
};

// The settings of every available page that match all words of the query.
// A word matches, without regard to case, a part of the control's caption,
// list items or option captions, the titles of its panel and frame, its
// unit, the tip of its help label, or, when it is a number, the switch it
// edits. The best matches come first: the switch a number names, then
// settings whose own caption holds the words, then those found by their
// panel or frame, then by their items, then by their tip; within each, the
// order of the tab strip and of each page.
//
// Words that start with '@' are filters, which the caller answers through
// keep: only the settings it keeps are listed; a query of filters alone
// lists every setting kept.
using SettingFilter = std::function<bool(int page, const ControlEntry &c)>;
QVector<SettingHit> SearchSettings(const QString &query, const SettingFilter &keep = {});

// The access key of a caption: the letter after a single '&', in upper
// case; a null QChar for none ("&&" is a literal ampersand).
QChar AccessKeyOf(const QString &caption);

// "Switch 9, position 3", "Switch 41, positions 6 to 7", "Switch 10, whole
// value": what a control edits.
QString PositionsText(const ControlEntry &c);

} // namespace swted
