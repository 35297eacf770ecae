#pragma once

#include "model/SwitchStore.h"
#include "pages/PageDescription.h"
#include "pages/PageTable.h"

#include <QSet>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace swted {

struct UserFontSession;

class PageState;

using SwitchValueSet = std::array<int32_t, SwitchCount + 1>; // entry 0 unused

SwitchValueSet CurrentValues(const SwitchStore &store);
SwitchValueSet SavedValues(const SwitchStore &store);
void RestoreValues(SwitchStore &store, const SwitchValueSet &values);

// The values the store would hold if the page were read back now: the page
// rules run on copies of the store and the state, with no message shown.
SwitchValueSet ValuesReadBack(const PageDescription &page, const PageState &state, const SwitchStore &store,
                              bool restricted, const UserFontSession *fonts = nullptr);

// Whether the positions a control edits differ between two values of its
// switch.
bool PositionsDiffer(const ControlEntry &c, int32_t a, int32_t b);

// What differs from the file as opened or last saved, for the values the
// editor would store now (the page on screen read back over the store): the
// file as a whole, each page (the dot on its tab) and each control of the
// page given (the dot beside it). Every change marker comes from here.
struct ChangeMarks {
    bool unsaved = false;
    std::array<bool, PageCount> pages{}; // by page index
    QSet<QString> controls;              // names of the page's controls that differ
};
ChangeMarks MarkChanges(const SwitchValueSet &values, const SwitchValueSet &saved,
                        const PageDescription *page = nullptr);

// The value of a control's switch with the positions the control edits
// taken from another value (all of them for a whole-value control).
int32_t WithPositionsOf(const ControlEntry &c, int32_t target, int32_t source);

// Where a step of undo was made, and what names it in the Edit menu.
struct EditOrigin {
    int page = -1;       // page index; -1 for a change of the whole file
    int subPage = 0;     // the sub-page shown when it was made
    QString control;     // object name of the control changed, if any
    QString caption;     // the control's caption as shown, access keys taken out
    bool typing = false; // typed in a text field: one step until the field is left
};

// Undo and redo over whole sets of switch values: each step is what one
// user action did to the store, with every interlock it set off.
class EditHistory {
public:
    // Records a step from before to after; nothing when they are equal.
    // A new step drops what could be redone. Typing in the field of the
    // step still open goes into that step.
    void Record(const SwitchValueSet &before, const SwitchValueSet &after, const EditOrigin &origin = {});
    // The step being typed is complete: the next edit is a step of its own.
    void Seal() { open = false; }
    bool CanUndo() const { return undone < steps.size(); }
    bool CanRedo() const { return undone > 0; }
    // Where the step Undo (or Redo) would take was made; null for none.
    const EditOrigin *NextUndo() const;
    const EditOrigin *NextRedo() const;
    // The values to go back to, or forward to.
    std::optional<SwitchValueSet> Undo();
    std::optional<SwitchValueSet> Redo();
    void Clear();

private:
    struct Step {
        SwitchValueSet before, after;
        EditOrigin origin;
    };
    std::vector<Step> steps;
    size_t undone = 0; // steps at the end that have been undone
    bool open = false; // the last step is typing that may go on
};

} // namespace swted
