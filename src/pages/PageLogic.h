#pragma once

#include "pages/PageDescription.h"
#include "pages/PageState.h"

namespace swted {

class Prompts;
class SwitchStore;
struct UserFontSession;

// What a page's rules work on: its description, the state of its controls,
// the switch store and the prompts for its messages. No widget.
struct PageContext {
    const PageDescription &page;
    PageState &state;
    SwitchStore &store;
    Prompts &prompts;
    bool restricted = false; // the T-KOR run type: restricted controls are greyed
    // The fonts of the options file being edited; null when no file is
    // (the user font groups are then left alone).
    UserFontSession *fonts = nullptr;

    ControlState &operator[](const QString &name) { return state[name]; }

    // Packs the digit buffer into a switch; when the digits make a number
    // that does not fit, says so and leaves the switch as it was.
    bool Pack(int switchNumber);
    // Empties a list and fills it, leaving no item selected.
    void FillList(const QString &name, const QStringList &items);
    // Position p of switch n (unpacks it).
    int Digit(int switchNumber, int position);
    // A rule reached a fatal stop: its message is shown and the program is
    // to end, so the layout goes no further.
    bool Stopped() const;
};

// The page's creation steps, run once before its first layout.
void CreateForm(PageContext &ctx);
// Store to page state: every entry of the description in order (plain
// bindings by the generic walk, the others by their rules), then the page's
// interlocks and the restrictions of the run type. Messages go through the
// context's prompts. A fatal stop ends it at once (see Stopped()).
void LayoutForm(PageContext &ctx);
// Page state to store, in the same order.
void ReadForm(PageContext &ctx);
// The user changed the control of that name (a click, a list choice, a
// text typed): runs its change rule, if it has one. The state already
// holds the new value. Returns whether a rule ran.
bool ControlChanged(PageContext &ctx, const QString &name);

// The text of the message for a switch whose digits make a number that
// does not fit, and for a whole-value field that is not a 16-bit number.
QString PackOverflowText(int switchNumber, int32_t oldValue);
QString WholeValueText(const QString &typed, int switchNumber, int32_t oldValue);

} // namespace swted
