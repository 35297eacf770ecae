#include "pages/EditHistory.h"

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
