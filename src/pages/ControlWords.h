#pragma once

#include "pages/EditHistory.h"
#include "pages/PageDescription.h"
#include "pages/PageState.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace swted {

struct UserFontSession;

// A caption as the user reads it: access-key marks and line breaks gone
// ("Tees && C&rosses" reads "Tees & Crosses").
QString CaptionAsShown(const QString &caption);

// A panel's or frame's title as the page shows it; empty for a caption that
// is only a key ('~').
QString TitleOf(const QString &caption);

// A control that edits positions of a switch, and so can differ from the file.
bool EditsSwitch(const ControlEntry &c);

// The name a screen reader announces for a list or field the page builds
// from its entry: its caption; a control without one is named by the title
// of its frame (else its panel), and a list by its first item too when
// another untitled list of its sub-page stands under the same title.
QString AccessibleNameOf(const PageDescription &page, const ControlEntry &c);

// What a page shows for a set of switch values (the file's, say): the state
// of each control when the page is laid out over them, its rules running on
// copies with no message shown, and the controls whose value there the page
// said it does not take (out of range, or limited to its largest).
struct ValuesView {
    PageState state;
    QSet<QString> outOfRange;
};
ValuesView ViewOfValues(const PageDescription &page, const SwitchValueSet &values, bool restricted,
                        const UserFontSession *fonts = nullptr);

// What a change marker says of the file's value of a control, in the words
// the control shows it in: "In the file: " and the list item it selects,
// "ticked" or "not ticked", the option's caption, or the field's text; a
// value the list or field does not take reads "In the file: 7, out of
// range". `shown` is the control's state for the file's value (from
// ViewOfValues); `captions` name the options of a group the page builds
// without captions of its own. Empty for a control that shows no value.
QString FileValueWords(const ControlEntry &c, int32_t saved, const ControlState &shown, bool outOfRange,
                       const QStringList &captions = {});

} // namespace swted
