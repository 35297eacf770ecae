#include "pages/EditHistory.h"

#include "pages/Bindings.h"
#include "pages/PageLogic.h"
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
                              bool restricted)
{
    SwitchStore copy = store;
    PageState shown = state;
    ScriptedPrompts silent;
    PageContext ctx{page, shown, copy, silent, restricted};
    ReadForm(ctx);
    return CurrentValues(copy);
}

bool PositionsDiffer(const ControlEntry &c, int32_t a, int32_t b)
{
    if (c.width >= 9 || c.whole || c.bind == Bind::Own)
        return a != b;
    SwitchStore s;
    s.SetWholeValue(1, a);
    s.UnpackSwitch(1);
    const int ra = RangeValue(s, c.start, c.width);
    s.SetWholeValue(1, b);
    s.UnpackSwitch(1);
    return ra != RangeValue(s, c.start, c.width);
}

void EditHistory::Record(const SwitchValueSet &before, const SwitchValueSet &after)
{
    if (before == after)
        return;
    steps.resize(steps.size() - undone);
    undone = 0;
    steps.push_back(Step{before, after});
}

std::optional<SwitchValueSet> EditHistory::Undo()
{
    if (!CanUndo())
        return std::nullopt;
    ++undone;
    return steps[steps.size() - undone].before;
}

std::optional<SwitchValueSet> EditHistory::Redo()
{
    if (!CanRedo())
        return std::nullopt;
    const SwitchValueSet &after = steps[steps.size() - undone].after;
    --undone;
    return after;
}

void EditHistory::Clear()
{
    steps.clear();
    undone = 0;
}

} // namespace swted
