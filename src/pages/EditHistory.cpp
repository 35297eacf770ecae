#include "pages/EditHistory.h"

#include "pages/ControlWords.h"
#include "pages/PageDescriptions.h"
#include "pages/PageLogic.h"
#include "pages/UserFontGroup.h"

#include <optional>
#include "shell/ScriptedPrompts.h"

namespace swted {

SwitchValueSet CurrentValues(const SwitchStore &store)
{
    SwitchValueSet v{};
    for (int n = 1; n <= SwitchCount; ++n)
        v[n] = store.GetSwitchValue(n);
    return v;
}

SwitchValueSet SavedValues(const SwitchStore &store)
{
    SwitchValueSet v{};
    for (int n = 1; n <= SwitchCount; ++n)
        v[n] = store.GetSavedValue(n);
    return v;
}

void RestoreValues(SwitchStore &store, const SwitchValueSet &values)
{
    for (int n = 1; n <= SwitchCount; ++n)
        store.SetWholeValue(n, values[n]);
}

SwitchValueSet ValuesReadBack(const PageDescription &page, const PageState &state, const SwitchStore &store,
                              bool restricted, const UserFontSession *fonts)
{
    SwitchStore copy = store;
    PageState shown = state;
    ScriptedPrompts silent;
    // The font group's flags change as it reads back: a copy keeps the
    // editor's as they are.
    std::optional<UserFontSession> fontCopy;
    if (fonts)
        fontCopy = *fonts;
    PageContext ctx{page, shown, copy, silent, restricted, fontCopy ? &*fontCopy : nullptr};
    ReadForm(ctx);
    return CurrentValues(copy);
}

namespace {

// The value of a run of positions, as the digit buffer holds them: a
// negative value has no digits, and position 9 holds all above the eighth.
int RangeOf(int32_t v, int start, int width)
{
    if (v < 0)
        return 0;
    int result = 0;
    int weight = 1;
    for (int p = start; p < start + width && p <= PositionCount; ++p) {
        int64_t d = v;
        for (int i = 1; i < p; ++i)
            d /= 10;
        if (p < PositionCount)
            d %= 10;
        result += static_cast<int>(d) * weight;
        weight *= 10;
    }
    return result;
}

} // namespace

bool PositionsDiffer(const ControlEntry &c, int32_t a, int32_t b)
{
    if (c.width >= 9 || c.whole || c.bind == Bind::Own)
        return a != b;
    return RangeOf(a, c.start, c.width) != RangeOf(b, c.start, c.width);
}

namespace {

} // namespace

ChangeMarks MarkChanges(const SwitchValueSet &values, const SwitchValueSet &saved, const PageDescription *page)
{
    ChangeMarks marks;
    marks.unsaved = values != saved;
    if (!marks.unsaved)
        return marks;
    for (int index = 0; index < PageCount; ++index) {
        const PageDescription *d = PageDescriptionOf(index);
        if (!d)
            continue;
        for (const ControlEntry &c : d->controls) {
            if (EditsSwitch(c) && PositionsDiffer(c, values[c.switchNumber], saved[c.switchNumber])) {
                marks.pages[index] = true;
                break;
            }
        }
    }
    if (page) {
        for (const ControlEntry &c : page->controls) {
            if (EditsSwitch(c) && PositionsDiffer(c, values[c.switchNumber], saved[c.switchNumber]))
                marks.controls.insert(c.name);
        }
    }
    return marks;
}

int32_t WithPositionsOf(const ControlEntry &c, int32_t target, int32_t source)
{
    if (c.width >= 9 || c.whole || c.bind == Bind::Own || target < 0 || source < 0)
        return source;
    SwitchStore s;
    s.SetWholeValue(1, source);
    s.UnpackSwitch(1);
    int16_t digits[PositionCount + 1] = {};
    for (int p = 1; p <= PositionCount; ++p)
        digits[p] = s.GetDigit(p);
    s.SetWholeValue(1, target);
    s.UnpackSwitch(1);
    for (int p = c.start; p < c.start + c.width && p <= PositionCount; ++p)
        s.SetDigit(p, digits[p]);
    return s.PackSwitch(1) ? s.GetSwitchValue(1) : target;
}

void EditHistory::Record(const SwitchValueSet &before, const SwitchValueSet &after, const EditOrigin &origin)
{
    if (before == after)
        return;
    if (open && origin.typing && undone == 0 && !steps.empty()) {
        Step &last = steps.back();
        if (last.origin.page == origin.page && last.origin.control == origin.control && last.after == before) {
            last.after = after;
            // Typed back to what the field held: nothing is left to undo.
            if (last.after == last.before) {
                steps.pop_back();
                open = false;
            }
            return;
        }
    }
    steps.resize(steps.size() - undone);
    undone = 0;
    steps.push_back(Step{before, after, origin});
    open = origin.typing;
}

const EditOrigin *EditHistory::NextUndo() const { return CanUndo() ? &steps[steps.size() - undone - 1].origin : nullptr; }

const EditOrigin *EditHistory::NextRedo() const { return CanRedo() ? &steps[steps.size() - undone].origin : nullptr; }

std::optional<SwitchValueSet> EditHistory::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    open = false;
    ++undone;
    return steps[steps.size() - undone].before;
}

std::optional<SwitchValueSet> EditHistory::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    open = false;
    const SwitchValueSet &after = steps[steps.size() - undone].after;
    --undone;
    return after;
}

void EditHistory::Clear()
{
    steps.clear();
    undone = 0;
    open = false;
}

} // namespace swted
