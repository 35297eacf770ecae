#include "pages/PageLogic.h"

#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/UserFontGroup.h"
#include "shell/Prompts.h"

namespace swted {

QString PackOverflowText(int switchNumber, int32_t oldValue)
{
    return QStringLiteral("Option Switch") + NumberText(switchNumber)
        + QStringLiteral(" cannot be stored: its digits make a number above 2147483647.\r")
        + QStringLiteral("The switch keeps its value of") + NumberText(oldValue) + QStringLiteral(".");
}

QString WholeValueText(const QString &typed, int switchNumber, int32_t oldValue)
{
    return QStringLiteral("The value ") + typed + QStringLiteral(" of Option Switch") + NumberText(switchNumber)
        + QStringLiteral(" is not a number from -32768 to 32767.\rThe switch keeps its value of")
        + NumberText(oldValue) + QStringLiteral(".");
}

bool PageContext::Pack(int switchNumber)
{
    const int32_t old = store.GetSwitchValue(switchNumber);
    if (store.PackSwitch(switchNumber))
        return true;
    prompts.Inform(PackOverflowText(switchNumber, old));
    return false;
}

void PageContext::FillList(const QString &name, const QStringList &items)
{
    ControlState &list = state[name];
    list.items = items;
    list.index = -1;
}

bool PageContext::Stopped() const { return fonts && fonts->stopped; }

int PageContext::Digit(int switchNumber, int position)
{
    store.UnpackSwitch(switchNumber);
    return store.GetDigit(position);
}

namespace {

// Stores a whole-value field (its rightmost characters) as a 16-bit value.
void ReadWholeText(PageContext &ctx, const ControlEntry &c)
{
    const QString t = ctx[c.name].text.trimmed().right(c.keep);
    const std::optional<int16_t> v = RoundToInt16(NumericValue(t));
    if (!v) {
        ctx.prompts.Inform(WholeValueText(t, c.switchNumber, ctx.store.GetSwitchValue(c.switchNumber)));
        return;
    }
    ctx.store.SetSwitchValue(c.switchNumber, *v);
}

void LayoutControl(PageContext &ctx, const ControlEntry &c)
{
    if (c.customLayout) {
        if (c.layoutRule)
            c.layoutRule(ctx, c);
        return;
    }
    SwitchStore &s = ctx.store;
    switch (c.bind) {
    case Bind::Check: {
        ControlState &box = ctx[c.name];
        s.UnpackSwitch(c.switchNumber);
        if (c.inverted)
            box.checked = s.GetDigit(c.start) != 1;
        else
            ShowDigitInCheck(s, box, c.start);
        break;
    }
    case Bind::Options:
        s.UnpackSwitch(c.switchNumber);
        ShowDigitInOptions(s, ctx[c.name], static_cast<int>(c.items.size()), c.start);
        break;
    case Bind::List: {
        ctx.FillList(c.name, c.items);
        s.UnpackSwitch(c.switchNumber);
        ControlState &list = ctx[c.name];
        ShowDigitsInList(s, ctx.prompts, c.switchNumber, list, c.start, c.width, c.maximum, c.defaultValue);
        // The list's selection event, fired by setting its index.
        if (c.changeOnSet && c.changeRule)
            c.changeRule(ctx, c);
        break;
    }
    case Bind::Text:
    case Bind::WholeText:
        ShowDigitsInText(s, c.switchNumber, ctx[c.name], c.start, c.width, c.defaultText);
        break;
    case Bind::Label:
    case Bind::Rule:
    case Bind::Own:
        break;
    }
}

void ReadControl(PageContext &ctx, const ControlEntry &c)
{
    if (c.customRead) {
        if (c.readRule)
            c.readRule(ctx, c);
        return;
    }
    SwitchStore &s = ctx.store;
    switch (c.bind) {
    case Bind::Check: {
        const ControlState &box = ctx[c.name];
        if (c.whole) {
            s.SetSwitchValue(c.switchNumber, box.checked ? 1 : 0);
            break;
        }
        s.UnpackSwitch(c.switchNumber);
        if (c.inverted)
            s.SetDigit(c.start, box.checked ? 0 : 1);
        else
            ReadCheckToDigit(s, box, c.start);
        ctx.Pack(c.switchNumber);
        break;
    }
    case Bind::Options: {
        s.UnpackSwitch(c.switchNumber);
        ReadOptionsToDigit(s, ctx[c.name], static_cast<int>(c.items.size()) - 1, c.start);
        if (c.whole)
            s.SetSwitchValue(c.switchNumber, s.GetDigit(c.start));
        else
            ctx.Pack(c.switchNumber);
        break;
    }
    case Bind::List: {
        const int index = ctx[c.name].index;
        if (index < 0)
            break;
        s.UnpackSwitch(c.switchNumber);
        SetRangeValue(s, c.start, c.width, index);
        ctx.Pack(c.switchNumber);
        break;
    }
    case Bind::Text:
        s.UnpackSwitch(c.switchNumber);
        if (c.readWithDefault)
            ReadTextToDigitsWithDefault(s, ctx[c.name], c.start, c.width, c.defaultText);
        else
            ReadTextToDigits(s, ctx[c.name], c.start, c.width);
        ctx.Pack(c.switchNumber);
        break;
    case Bind::WholeText:
        ReadWholeText(ctx, c);
        break;
    case Bind::Label:
    case Bind::Rule:
    case Bind::Own:
        break;
    }
}

// For the T-KOR run type the restricted controls are greyed; their values
// are still shown and read back.
void ApplyRestrictions(PageContext &ctx)
{
    for (const ControlEntry &c : ctx.page.controls) {
        if (c.bind != Bind::Rule && c.restricted)
            ctx[c.name].enabled = false;
    }
}

} // namespace

void CreateForm(PageContext &ctx)
{
    if (ctx.page.created)
        ctx.page.created(ctx, ctx.page.controls.first());
}

void LayoutForm(PageContext &ctx)
{
    for (const ControlEntry &c : ctx.page.controls) {
        LayoutControl(ctx, c);
        if (ctx.Stopped())
            return;
    }
    if (ctx.page.afterLayout)
        ctx.page.afterLayout(ctx, ctx.page.controls.first());
    if (ctx.restricted)
        ApplyRestrictions(ctx);
}

void ReadForm(PageContext &ctx)
{
    for (const ControlEntry &c : ctx.page.controls)
        ReadControl(ctx, c);
}

bool ControlChanged(PageContext &ctx, const QString &name)
{
    const ControlEntry *c = ctx.page.Control(name);
    if (!c || !c->changeRule)
        return false;
    c->changeRule(ctx, *c);
    return true;
}

} // namespace swted
