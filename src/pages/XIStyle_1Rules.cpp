// The iso style page's rules: its interlocks, code tables and joint encodings at work.
#include "pages/XIStyle_1Rules.h"

#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"
#include "pages/UserFontGroup.h"
#include "shell/Prompts.h"
#include "pages/XIStyle_1.h"

#include <cstdlib>

namespace swted {

namespace XIStyle_1 {

// The first entry of each unit family.
const int FamilyFirstEntry[] = {0, 4, 7, 10, 13, 15, 18};
constexpr int HighestFamily = 6;

static QString FallDefault(int entry)
{
    return entry >= 0 && entry < FallEntries ? QString::fromLatin1(Fall(entry).minimumSlope) : QString();
}

// --- Drawing text size (switch 4, positions 1 and 2) ---

// The user size is shown: the frame with its two digits, and the list's
// "User Specified Size" (switch 4 unpacked).
static void ShowUserTextSize(PageContext &ctx)
{
    ctx[UserSizeFrame].visible = true;
    ctx[TextSizeList].index = UserSizeItem;
    ctx[UserSize1].text = QString::number(ctx.store.GetDigit(2));
    ctx[UserSize2].text = QString::number(ctx.store.GetDigit(1));
}

// A choice of the list (and the list's index set by the layout, which
// fires the same event): a standard size is stored at once and the user
// size put away; "User Specified Size" only shows the user size fields.
void OnTextSizeChosen(PageContext &ctx, const ControlEntry &c)
{
    const ControlState &list = ctx[c.name];
    if (list.index < 0 || list.index >= list.items.size())
        return;
    if (list.items[list.index].compare(UserSpecifiedSize, Qt::CaseInsensitive) != 0) {
        ctx.store.UnpackSwitch(4);
        ctx.store.SetDigit(2, 0);
        ctx.store.SetDigit(1, static_cast<int16_t>(list.index));
        ctx.Pack(4);
        ctx[UserSizeFrame].visible = false;
    } else {
        // The fields show the user size the switch holds; for a list size
        // they are empty, waiting for one.
        ctx.store.UnpackSwitch(4);
        ShowUserSizeDigits(ctx.store, ctx[UserSize1], ctx[UserSize2]);
        ctx[UserSizeFrame].visible = true;
    }
}

void LayoutTextSize(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    ctx.store.UnpackSwitch(4);
    if (ctx.store.GetDigit(2) != 0) {
        ShowUserTextSize(ctx);
    } else {
        // A page used again starts as a new one does: the user size fields
        // hidden until the user size is shown.
        ctx[UserSizeFrame].visible = false;
        ShowDigitsInList(ctx.store, ctx.prompts, 4, ctx[c.name], 1, 1, c.maximum, c.defaultValue);
    }
    OnTextSizeChosen(ctx, c);
}

// Typing a user size stores it at once: both digits, once the whole
// millimetres are 1 to 9. Only a single digit fits a field; anything else
// typed there is answered with a message and stored nowhere.
void StoreUserSizeDigit(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(4);
    switch (TypeUserSize(ctx.store, ctx.prompts, ctx[UserSize1], ctx[UserSize2], c.name == UserSize1)) {
    case UserSizeTyped::Stored:
        ctx.Pack(4);
        break;
    case UserSizeTyped::NotDigit:
        ctx.prompts.ShowMessage(Message{NumericOnlyText(), OptionsEditorTitle, MessageButtons::Ok, MessageIcon::Exclamation});
        break;
    case UserSizeTyped::Nothing:
    case UserSizeTyped::Refused:
        break;
    }
}

// --- Isometric type (switch 21, positions 1-2) ---

void LayoutIsoType(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    ctx.store.UnpackSwitch(21);
    const int v = RangeValue(ctx.store, 1, 2);
    int item = IsoTypeItem(v);
    if (item < 0) {
        ctx.prompts.Inform(NotAllowedText(21, v));
        item = 0;
    }
    ctx[c.name].index = item;
}

void ReadIsoType(PageContext &ctx, const ControlEntry &c)
{
    const int index = ctx[c.name].index;
    const int v = IsoTypeValue(index);
    ctx.store.UnpackSwitch(21);
    ctx.store.SetDigit(2, static_cast<int16_t>(v / 10));
    ctx.store.SetDigit(1, static_cast<int16_t>(v % 10));
    ctx.Pack(21);
}

// --- Drawing viewpoint (switch 42, position 1): the list and the box ---

void LayoutViewpoint(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    ControlState &box = ctx[ViewpointBox];
    box.checked = false;
    int d = ctx.Digit(42, 1);
    if (d > 8) {
        ReportOutOfRange(ctx.prompts, 42, 1, d, 8, 0);
        d = 0;
    }
    const Viewpoint v = ViewpointOf(d);
    ctx[c.name].index = v.item;
    box.checked = v.box;
}

void ReadViewpoint(PageContext &ctx, const ControlEntry &c)
{
    const int index = ctx[c.name].index;
    if (index < 0)
        return;
    ctx.store.UnpackSwitch(42);
    ctx.store.SetDigit(1, static_cast<int16_t>(ViewpointDigit(index, ctx[ViewpointBox].checked)));
    ctx.Pack(42);
}

// --- Part number enclosures (switch 76) ---

void LayoutEnclosures(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(76);
    int item = EnclosureItem(s.GetDigit(1));
    if (item < 0) {
        ctx.prompts.Inform(NotAllowedText(76, s.GetDigit(1)));
        item = 0;
    }
    ctx[c.name].index = item;
    if (s.GetDigit(2) == 1) {
        ctx[c.name].index = DoubleCircleItem;
        s.SetDigit(1, 6);
    }
    const ControlEntry *size = ctx.page.Control(EnclosureSize);
    ctx.FillList(EnclosureSize, size->items);
    // Entry i stands for i + 1 characters; no digit counts as 2.
    const int characters = s.GetDigit(3) == 0 ? 2 : s.GetDigit(3);
    ctx[EnclosureSize].index = characters - 1;
    ctx.Pack(76);
}

void ReadEnclosures(PageContext &ctx, const ControlEntry &c)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(76);
    s.SetDigit(2, 0);
    const int index = ctx[c.name].index;
    if (index >= 0) {
        s.SetDigit(1, static_cast<int16_t>(EnclosureDigit(index)));
        if (index == DoubleCircleItem)
            s.SetDigit(2, 1);
    }
    s.SetDigit(3, static_cast<int16_t>(ctx[EnclosureSize].index + 1));
    ctx.Pack(76);
}

// --- Falls (switches 19 and 20) ---

void LayoutFalls(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(19);
    const int family = s.GetDigit(1);
    int precision = s.GetDigit(2);
    if (precision > HighestPrecision(family)) {
        ctx.prompts.Inform(FallRangeText(2, precision));
        precision = 0;
    }
    int entry;
    if (family > HighestFamily) {
        ctx.prompts.Inform(FallRangeText(1, family));
        entry = 0;
    } else if (family == HighestFamily) {
        entry = SuppressFallsEntry; // one entry whatever the precision
    } else {
        entry = FamilyFirstEntry[family] + precision;
    }
    ctx[c.name].index = entry;

    s.UnpackSwitch(20);
    if (entry == SuppressFallsEntry) {
        s.SetDigit(1, 0);
        s.SetDigit(2, 0);
    }
    ShowBufferDigitsInText(s, ctx[MinimumSlope], 1, 2, FallDefault(entry));
    ctx[PreviousFallEntry].index = entry;
}

// Another unit family brings its own default minimum slope.
void OnFallChosen(PageContext &ctx, const ControlEntry &c)
{
    const int entry = ctx[c.name].index;
    if (entry < 0)
        return;
    if (entry == SuppressFallsEntry)
        ctx[MinimumSlope].text = QStringLiteral("0");
    else if (entry != ctx[PreviousFallEntry].index)
        ctx[MinimumSlope].text = FallDefault(entry);
    ctx[PreviousFallEntry].index = entry;
}

void ReadFalls(PageContext &ctx, const ControlEntry &c)
{
    const int entry = ctx[c.name].index;
    if (entry < 0 || entry >= FallEntries)
        return;
    ctx.store.UnpackSwitch(19);
    ctx.store.SetDigit(1, static_cast<int16_t>(Fall(entry).family));
    ctx.store.SetDigit(2, static_cast<int16_t>(Fall(entry).precision));
    ctx.Pack(19);
}

// Stores v in positions 2 and 1 of a switch.
static void StoreTwoPositions(PageContext &ctx, int switchNumber, int v)
{
    ctx.store.UnpackSwitch(switchNumber);
    ctx.store.SetDigit(2, static_cast<int16_t>(v / 10));
    ctx.store.SetDigit(1, static_cast<int16_t>(v % 10));
    ctx.Pack(switchNumber);
}

// The default minimum slope of the entry, and any slope while falls are
// suppressed, is stored as 0.
void ReadMinimumSlope(PageContext &ctx, const ControlEntry &c)
{
    const int entry = ctx[QStringLiteral("Opt_19_Combo")].index;
    const QString t = ctx[c.name].text;
    const bool isDefault = entry >= 0 && t.compare(FallDefault(entry), Qt::CaseInsensitive) == 0;
    StoreTwoPositions(ctx, 20, isDefault || entry == SuppressFallsEntry ? 0 : TwoPositionNumber(t));
}

// --- Skew branches (switch 70, positions 1-2): read as a number ---

void ReadBranchComponents(PageContext &ctx, const ControlEntry &c)
{
    StoreTwoPositions(ctx, 70, TwoPositionNumber(ctx[c.name].text));
}

// --- Skew interlock (switch 99 position 4) ---

// Right angle indicators only count with the 3D skew box or a skewed
// triangle style.
void OnSkewBoxClicked(PageContext &ctx, const ControlEntry &c)
{
    ControlState &rightAngles = ctx[RightAngles];
    if (ctx[c.name].checked) {
        rightAngles.enabled = !ctx.restricted;
    } else if (ctx[SkewStyleList].index == 0) {
        rightAngles.checked = false;
        rightAngles.enabled = false;
    }
}

void OnSkewStyleChosen(PageContext &ctx, const ControlEntry &c)
{
    ControlState &rightAngles = ctx[RightAngles];
    if (ctx[SkewBox].checked || ctx[c.name].index != 0) {
        rightAngles.enabled = !ctx.restricted;
    } else {
        rightAngles.checked = false;
        rightAngles.enabled = false;
    }
}

// After the layout of switch 99 the box is enabled by what is shown; its
// stored tick stays, so that nothing changes unless the user changes it.
void LayoutSkewInterlock(PageContext &ctx, const ControlEntry &)
{
    ctx[RightAngles].enabled = ctx[SkewBox].checked || ctx[SkewStyleList].index != 0;
}

// --- Hatching (switch 101) ---

void LayoutHatching(PageContext &ctx, const ControlEntry &c)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(101);
    const int v = RangeValue(s, 1, 2);
    ControlState &box = ctx[c.name];
    if (v != 0) {
        box.checked = true;
        if (v == 1) {
            s.SetDigit(2, 1);
            s.SetDigit(1, 0);
        }
        ShowBufferDigitsInText(s, ctx[HatchSpacing], 1, 2, QStringLiteral("0"));
        ShowBufferDigitsInText(s, ctx[HatchCutOff], 3, 2, QStringLiteral("0"));
    } else {
        box.checked = false;
        ctx[HatchSpacing].text = QString();
        ctx[HatchCutOff].text = QString();
    }
}

void OnHatchingClicked(PageContext &ctx, const ControlEntry &c)
{
    if (ctx[c.name].checked) {
        ctx[HatchSpacing].text = NumberText(HatchSpacingOn);
    } else {
        ctx[HatchSpacing].text = QString();
        ctx[HatchCutOff].text = QString();
    }
}

// --- Dimension standout (switch 100) ---

static QString CurrentStandoutDefault(PageContext &ctx)
{
    const int skewStyle = ctx.Digit(99, 1);
    ctx.store.UnpackSwitch(8);
    const int standout8 = RangeValue(ctx.store, 1, 2);
    return StandoutDefault(skewStyle, standout8, ctx.Digit(4, 1));
}

void LayoutStandout(PageContext &ctx, const ControlEntry &c)
{
    const QString d = CurrentStandoutDefault(ctx);
    ShowDigitsInText(ctx.store, 100, ctx[c.name], 1, 3, d);
}

void ReadStandout(PageContext &ctx, const ControlEntry &c)
{
    const QString d = CurrentStandoutDefault(ctx);
    ctx.store.UnpackSwitch(100);
    ReadTextToDigitsWithDefault(ctx.store, ctx[c.name], 1, 3, d);
    ctx.Pack(100);
}

// --- Flow arrows (switch 112) ---

void LayoutFlowArrows(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(112);
    const int v = RangeValue(ctx.store, 1, 2);
    ControlState &off = ctx[FlowArrowsOff];
    if (v == 1) {
        off.checked = true;
        ctx[c.name].text = OffText;
    } else {
        off.checked = false;
        ctx[c.name].text = v == 0 ? FlowArrowDefault : NumberText(qBound(5, v, 15));
    }
}

void OnFlowArrowsClicked(PageContext &ctx, const ControlEntry &c)
{
    ctx[FlowArrowField].text = ctx[c.name].checked ? OffText : FlowArrowDefault;
}

void ReadFlowArrows(PageContext &ctx, const ControlEntry &c)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(112);
    if (ctx[FlowArrowsOff].checked) {
        s.SetDigit(1, 1);
        s.SetDigit(2, 0);
    } else {
        ReadTextToDigitsWithDefault(s, ctx[c.name], 1, 2, FlowArrowDefault);
    }
    ctx.Pack(112);
}
} // namespace XIStyle_1

} // namespace swted
