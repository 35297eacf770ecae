#include "pages/XWelding_1.h"

#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"

#include <algorithm>

namespace swted {

namespace XWelding_1 {

namespace {

const QString Plotting = QStringLiteral("WELD PLOTTING/NUMBERING");
const QString Numbering = QStringLiteral("~numbering");
const QString Sizes = QStringLiteral("~sizes");
const QString Enclosures = QStringLiteral("WELD NUMBER ENCLOSURES");
const QString Flanges = QStringLiteral("WELD NUMBERS at SO FLANGES and PADS");
const QString SupportEnclosures = QStringLiteral("SUPPORT WELD NUMBER ENCLOSURES");
const QString Spools = QStringLiteral("SITE WELDS WITH SPOOLS");
const QString Sequences = QStringLiteral("Weld Numbering Sequences");

const char *const PlottedHeads[] = {"All Welds", "Fab Only", "Site/Offshore Only", "None"};
const char *const NumberedHeads[] = {"All Welds", "Fab/Site Only", "Fab Only", "Site Only", "Offshore Only", "None"};

// The twelve options in their order.
const WeldOption WeldOptions[12] = {
    {0, 0, true, 0, 0, 0},  {0, 1, true, 0, 2, 0},  {0, 2, true, 3, 2, 0},  {0, 3, true, 6, 2, 0},
    {0, 4, true, 0, 1, 0},  {0, 5, false, 0, 2, 0}, {1, 2, true, 3, 2, 3},  {1, 5, false, 0, 2, 3},
    {2, 3, true, 6, 2, 2},  {2, 4, true, 0, 1, 2},  {2, 5, false, 0, 2, 2}, {3, 5, false, 0, 2, 1},
};
// With the implied site welds box ticked, options 7 to 12 give way to the
// option of the "All Welds" column in the same numbered row.
constexpr int AllWeldsOptionOf[13] = {0, 1, 2, 3, 4, 5, 6, 3, 6, 4, 5, 6, 6};

QStringList EnclosureItems(const char *noNumbers)
{
    return {"Local Circle (Text Size from OS 53)",        "Diamond Ended Box (Text Size from OS 4)",
            "Round Ended Box (Text Size from OS 4)",      "Triangular Enclosure (Text Size from OS 4)",
            "Diamond Enclosure (Text Size from OS 4)",    "Square Ended Box (Text Size from OS 4)",
            "Circle (Text Size from OS 4)",               "No Enclosure (Text Size from OS 4)",
            QString::fromLatin1(noNumbers),               "Double Circle (Text Size from OS 4)",
            "Ellipse (Text Size from OS 4)"};
}
constexpr int LocalCircleItem = 0;
constexpr int CircleItem = 6;
constexpr int NoNumbersItem = 8;
constexpr int DoubleCircleItem = 9;
constexpr int EllipseItem = 10;

const QStringList EnclosureSizes = {
    "1 Character (Fixed)",  "2 Characters (Fixed)", "3 Characters (Fixed)", "4 Characters (Fixed)",
    "5 Characters (Fixed)", "6 Characters (Fixed)", "7 Characters (Fixed)", "8 Characters (Fixed)",
    "Variable Size",
};

// Combo1: positions 6 and 7 of switch 53 for each item.
const QStringList SupportSequences = {
    "Same sequence as other welds",
    "Single sequence for all support welds (continue on each drawing)",
    "Single sequence for all support welds (start from 1 on each drawing)",
    "Individual sequence for each support weld type (continue on each drawing)",
    "Individual sequence for each support weld type (start from 1 on each drawing)",
};
const int SupportSequenceDigits[5][2] = {{0, 0}, {1, 0}, {1, 1}, {2, 0}, {2, 1}};

const QStringList WeldTypes = {"&Fabrication", "&Erection", "&Offshore"};
const QStringList SupportWeldTypes = {"Fa&brication", "Erec&tion", "Offs&hore"};

// An enclosure list with its prefix box, and the positions of its
// enclosure, prefix and double-circle digits.
struct EnclosureGroup {
    const char *list;
    const char *box;
    int e, p, d;
};
const EnclosureGroup EnclosureGroups[] = {
    {"Combo_OS_78_POS1", "Check1", 1, 2, 7},       {"Combo_OS_78_POS3", "Check2", 3, 4, 8},
    {"Combo_OS_78_POS5", "Check3", 5, 6, 9},       {"Opt_75_Combo_A", "Opt_75_Check_A", 1, 2, 7},
    {"Opt_75_Combo_B", "Opt_75_Check_B", 3, 4, 8}, {"Opt_75_Combo_C", "Opt_75_Check_C", 5, 6, 9},
};

// The group of an enclosure list or of its prefix box.
const EnclosureGroup &GroupOf(const ControlEntry &c)
{
    for (const EnclosureGroup &g : EnclosureGroups) {
        if (c.name == QLatin1String(g.list) || c.name == QLatin1String(g.box))
            return g;
    }
    Q_UNREACHABLE();
}

// The rows that number no welds have no text height.
void ShowTextHeights(PageContext &ctx, int k)
{
    ControlState &heights = ctx[QStringLiteral("Opt_53_Option_C")];
    if (!WeldTable(k).numbers) {
        heights.index = -1;
        heights.enabled = false;
        return;
    }
    heights.enabled = !ctx.restricted;
    if (heights.index < 0)
        heights.index = 0;
}

void OnWeldOptionClicked(PageContext &ctx, const ControlEntry &c)
{
    const int k = ctx[c.name].index + 1;
    if (k > 0)
        ShowTextHeights(ctx, k);
}

// Implied site welds are plotted with all welds: the options of the other
// plotted columns give way to help labels.
void ShowImpliedSiteWelds(PageContext &ctx, bool checked)
{
    ControlState &table = ctx[QStringLiteral("Opt_5354_Option")];
    if (checked) {
        const int selected = table.index + 1;
        if (selected >= FirstHiddenOption) {
            const int k = AllWeldsOptionOf[selected];
            table.index = k - 1;
            ShowTextHeights(ctx, k);
        }
    }
    for (int k = FirstHiddenOption; k <= 12; ++k) {
        ctx[QStringLiteral("Opt_5354_Option_%1").arg(k)].visible = !checked;
        ctx[QStringLiteral("Label25_%1").arg(k)].visible = checked;
    }
}

void OnImpliedSiteWeldsClicked(PageContext &ctx, const ControlEntry &c) { ShowImpliedSiteWelds(ctx, ctx[c.name].checked); }

// Positions 2 to 7 of switch 54 have no item for a 9: the list then shows
// no item and the digit stays until a size is chosen.
void ShowEnclosureSize(PageContext &ctx, const QString &list, int position)
{
    ControlState &l = ctx[list];
    if (l.items.isEmpty())
        l.items = EnclosureSizes;
    const int d = ctx.Digit(54, position);
    l.index = d < l.items.size() ? d : -1;
}

// The sizes of the weld type chosen by a group of buttons: the list follows
// the buttons (2: non-support welds from position 2, 5: support welds).
struct SizeGroup {
    const char *buttons;
    const char *list;
    int firstPosition;
};
const SizeGroup SizeGroups[] = {
    {"SSOptWeldTypeWeldNumbering", "Cmb_Opt54_Pos234", 2},
    {"SSOptWeldType", "cmb_OPT54_Pos456", 5},
};

const SizeGroup &SizeGroupOf(const ControlEntry &c)
{
    for (const SizeGroup &g : SizeGroups) {
        if (c.name == QLatin1String(g.buttons) || c.name == QLatin1String(g.list))
            return g;
    }
    Q_UNREACHABLE();
}

void OnWeldTypeClicked(PageContext &ctx, const ControlEntry &c)
{
    const SizeGroup &g = SizeGroupOf(c);
    ShowEnclosureSize(ctx, QString::fromLatin1(g.list), g.firstPosition + std::max(ctx[c.name].index, 0));
}

// A size is written into switch 54 as soon as it is chosen.
void OnEnclosureSizeChosen(PageContext &ctx, const ControlEntry &c)
{
    const SizeGroup &g = SizeGroupOf(c);
    const int index = ctx[c.name].index;
    if (index < 0)
        return;
    const int type = std::max(ctx[QString::fromLatin1(g.buttons)].index, 0);
    ctx.store.UnpackSwitch(54);
    ctx.store.SetDigit(g.firstPosition + type, index);
    ctx.Pack(54);
}

// The weld types start at the first one, with its size.
void LayoutWeldType(PageContext &ctx, const ControlEntry &c)
{
    const SizeGroup &g = SizeGroupOf(c);
    ctx[c.name].index = 0;
    ShowEnclosureSize(ctx, QString::fromLatin1(g.list), g.firstPosition);
}

// The size lists are filled once: their index follows the weld type.
void LayoutSizeList(PageContext &ctx, const ControlEntry &c)
{
    if (ctx[c.name].items != c.items)
        ctx[c.name].items = c.items;
}

// A weld number with a prefix cannot stand in a local circle: the list
// moves on to the circle sized by the drawing text.
void OnPrefixRule(PageContext &ctx, const ControlEntry &c)
{
    const EnclosureGroup &g = GroupOf(c);
    ControlState &l = ctx[QString::fromLatin1(g.list)];
    if (ctx[QString::fromLatin1(g.box)].checked && l.index == LocalCircleItem)
        l.index = CircleItem;
}

void LayoutEnclosures(PageContext &ctx, const ControlEntry &c)
{
    const EnclosureGroup &g = GroupOf(c);
    const bool prefixRule = c.switchNumber == 75;
    ctx.FillList(c.name, c.items);
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(c.switchNumber);
    const int e = s.GetDigit(g.e);
    const bool prefix = s.GetDigit(g.p) == 1;
    const bool doubleCircle = s.GetDigit(g.d) == 1;
    ctx[QString::fromLatin1(g.box)].checked = prefix;
    int item = e;
    if (prefixRule && e == NoNumbersItem)
        item = NoNumbersItem;
    else if (doubleCircle)
        item = DoubleCircleItem;
    else if (e == 9)
        item = EllipseItem;
    else if (prefixRule && prefix && e == 0)
        item = CircleItem; // a local circle cannot carry a prefix
    ctx[c.name].index = item;
}

void ReadEnclosures(PageContext &ctx, const ControlEntry &c)
{
    const EnclosureGroup &g = GroupOf(c);
    SwitchStore &s = ctx.store;
    const int item = ctx[c.name].index;
    s.UnpackSwitch(c.switchNumber);
    s.SetDigit(g.p, ctx[QString::fromLatin1(g.box)].checked ? 1 : 0);
    if (item >= 0) {
        s.SetDigit(g.d, item == DoubleCircleItem ? 1 : 0);
        s.SetDigit(g.e, item == DoubleCircleItem ? 6 : item == EllipseItem ? 9 : item);
    }
    ctx.Pack(c.switchNumber);
}

// Positions 6 and 7 of switch 53: the support weld numbering sequence. The
// list is filled once.
void LayoutSupportSequence(PageContext &ctx, const ControlEntry &c)
{
    if (ctx[c.name].items != c.items)
        ctx[c.name].items = c.items;
    ctx.store.UnpackSwitch(53);
    const int p6 = ctx.store.GetDigit(6);
    const int p7 = ctx.store.GetDigit(7);
    ctx[c.name].index = p6 == 0 ? 0 : p6 == 1 ? (p7 == 0 ? 1 : 2) : (p7 == 0 ? 3 : 4);
}

void ReadSupportSequence(PageContext &ctx, const ControlEntry &c)
{
    const int item = ctx[c.name].index;
    if (item < 0)
        return;
    ctx.store.UnpackSwitch(53);
    ctx.store.SetDigit(6, SupportSequenceDigits[item][0]);
    ctx.store.SetDigit(7, SupportSequenceDigits[item][1]);
    ctx.Pack(53);
}

// The weld table with its text heights and the implied site welds box.
void LayoutWeldTable(PageContext &ctx, const ControlEntry &)
{
    SwitchStore &s = ctx.store;
    const int t = ctx.Digit(54, 1);
    ControlState &implied = ctx[QStringLiteral("Opt_54_Check")];
    implied.checked = t == ImpliedSiteWeldsCode;
    ShowImpliedSiteWelds(ctx, implied.checked);

    s.UnpackSwitch(53);
    const WeldChoice choice = ChooseWeldOption(s.GetDigit(1), s.GetDigit(4), t);
    ControlState &table = ctx[QStringLiteral("Opt_5354_Option")];
    ControlState &heights = ctx[QStringLiteral("Opt_53_Option_C")];
    table.index = -1;
    heights.index = -1;
    heights.enabled = true;
    if (choice.option > 0) {
        table.index = choice.option - 1;
        ShowTextHeights(ctx, choice.option);
        if (choice.height > 0)
            heights.index = choice.height - 1;
    }
}

void ReadWeldTable(PageContext &ctx, const ControlEntry &)
{
    SwitchStore &s = ctx.store;
    const int k = ctx[QStringLiteral("Opt_5354_Option")].index + 1;
    const WeldOption &row = WeldTable(k > 0 ? k : 1);
    const int h = ctx[QStringLiteral("Opt_53_Option_C")].index + 1;
    s.UnpackSwitch(53);
    s.SetDigit(1, row.numbers ? h + row.heightOffset : 0);
    s.SetDigit(4, row.position4);
    ctx.Pack(53);
    s.UnpackSwitch(54);
    s.SetDigit(1, ctx[QStringLiteral("Opt_54_Check")].checked ? ImpliedSiteWeldsCode : row.plottedCode);
    ctx.Pack(54);
}

// Position 3 of switch 53: the numbering sequence with or without the spool
// match, or 4 for no generated weld numbers. Lays out the two boxes too.
void LayoutNumberingSequence(PageContext &ctx, const ControlEntry &c)
{
    const int d = ctx.Digit(53, 3);
    ControlState &from = ctx[c.name];
    ControlState &match = ctx[QStringLiteral("opt_53_check")];
    from.index = -1;
    match.checked = false;
    ctx[QStringLiteral("Opt_53_Pos3_Check")].checked = d == 4;
    if (d <= 3) {
        from.index = d % 2;
        match.checked = d >= 2;
    }
}

void ReadNumberingSequence(PageContext &ctx, const ControlEntry &c)
{
    const int selected = ctx[c.name].index;
    const bool eachPipeline = selected == 0;
    const bool eachDrawing = selected == 1;
    const bool match = ctx[QStringLiteral("opt_53_check")].checked;
    int d = eachPipeline ? (match ? 2 : 0) : (eachDrawing && match) ? 3 : 1;
    if (ctx[QStringLiteral("Opt_53_Pos3_Check")].checked)
        d = 4;
    ctx.store.UnpackSwitch(53);
    ctx.store.SetDigit(3, d);
    ctx.Pack(53);
}

// Switch 77's own digits: position 1 is 1 for one weld number at slip-on
// flanges, position 4 is 2 for two at 'Y' fittings.
void LayoutSlipOnFlanges(PageContext &ctx, const ControlEntry &c) { ctx[c.name].index = ctx.Digit(77, 1) == 1 ? 0 : 1; }

void ReadSlipOnFlanges(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(77);
    ctx.store.SetDigit(1, ctx[c.name].index == 0 ? 1 : 0);
    ctx.Pack(77);
}

void LayoutYFittings(PageContext &ctx, const ControlEntry &c) { ctx[c.name].index = ctx.Digit(77, 4) == 2 ? 1 : 0; }

void ReadYFittings(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(77);
    ctx.store.SetDigit(4, ctx[c.name].index == 1 ? 2 : 1);
    ctx.Pack(77);
}

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 3;
    p.window = QStringLiteral("XWelding_1");
    p.tabCaption = QStringLiteral("Welding");
    p.subPages = 3;
    p.frameNames = {"Frame2", "Frame3", "Frame5"};
    p.previousImages = {"", "weld_p2_prev", "weld_p3_prev"};
    p.nextImages = {"weld_p1_next", "weld_p2_next", ""};
    p.panels = {
        {Plotting, 1, 0, 0, 1, 2}, {Numbering, 1, 1, 0}, {Sizes, 1, 1, 1},
        {Enclosures, 2, 0, 0},     {Flanges, 2, 0, 1},
        {SupportEnclosures, 3, 0, 0}, {Spools, 3, 0, 1},
    };
    const QString fabrication = QStringLiteral("Fabrication Support Welds");
    const QString erection = QStringLiteral("Erection Support Welds");
    const QString offshore = QStringLiteral("Offshore Support Welds");
    const QString additional = QStringLiteral("Weld Numbering - Additional Options");
    const QString shape = QStringLiteral("Enclosure Shape");
    // The order is the order of read-back (and of layout: the controls of
    // different switches do not depend on each other's order, and the range
    // messages come in the same order either way).
    p.controls = {
        ListControl("Combo_OS_78_POS1", 78, 1, 1, 10, 0, shape, EnclosureItems("No Shop Weld Numbers to be output"))
            .In(SupportEnclosures, 3).Framed(fabrication).Label("78").CaptionAbove().Unrestricted()
            .LayoutBy(LayoutEnclosures).ReadBy(ReadEnclosures),
        CheckControl("Check1", 78, 2, "Add Weld &Prefix").In(SupportEnclosures, 3).Framed(fabrication).Own().Unrestricted(),
        ListControl("Combo_OS_78_POS3", 78, 3, 1, 10, 0, shape, EnclosureItems("No Field Weld Numbers to be output"))
            .In(SupportEnclosures, 3).Framed(erection).CaptionAbove().Unrestricted()
            .LayoutBy(LayoutEnclosures).ReadBy(ReadEnclosures),
        CheckControl("Check2", 78, 4, "Add Weld P&refix").In(SupportEnclosures, 3).Framed(erection).Own().Unrestricted(),
        ListControl("Combo_OS_78_POS5", 78, 5, 1, 10, 0, shape, EnclosureItems("No Offshore Weld Numbers to be output"))
            .In(SupportEnclosures, 3).Framed(offshore).CaptionAbove().Unrestricted()
            .LayoutBy(LayoutEnclosures).ReadBy(ReadEnclosures),
        CheckControl("Check3", 78, 6, "Add Weld Pr&efix").In(SupportEnclosures, 3).Framed(offshore).Own().Unrestricted(),
        CheckControl("Check_OS_83_Pos1", 83, 1, "&Site Welds Not Assigned To Spools").In(Spools, 3).Label("83").Unrestricted(),

        // Switch 53 positions 1, 4, 6, 7 and switch 54 position 1.
        OwnControl("Opt_5354_Option", 53).In(Plotting).Key("plotted-and-numbered-welds").Label("53/54").Help("Label12")
            .LayoutBy(LayoutWeldTable).ReadBy(ReadWeldTable).OnChange(OnWeldOptionClicked),
        // Built beside and under the table.
        OptionsControl("Opt_53_Option_C", 53, 1, {"S&mall-1.5 mm", "Me&dium-1.8 mm", "&Large-2.1 mm"})
            .In(Plotting).Caption("Text Height for Weld Numbers").NumberedFrom(1).Own().OwnBuild(),
        CheckControl("Opt_54_Check", 54, 1, "Plot all Welds and show &implied Site Welds as Fab.")
            .In(Plotting).Help("Label24").Own().OnChange(OnImpliedSiteWeldsClicked).OwnBuild(),

        ListControl("Opt_53_Combo_C", 53, 2, 1, 2, 0, QString(),
                 {"No Weld/Operations Box", "Plot Weld Summary Box", "Plot Operations Summary Box"})
            .In(Numbering).Key("weld-numbering.summary-box"),
        OptionsControl("Opt_53_Option_A", 53, 3, {"Each &Pipeline", "Each Dra&wing"})
            .In(Numbering).Framed(Sequences).Caption("Number Welds from 1 on :  ").Across().LayoutBy(LayoutNumberingSequence).ReadBy(ReadNumberingSequence),
        CheckControl("opt_53_check", 53, 3, "Spool Iso Weld &Nos. match Full Iso Weld Nos.")
            .In(Numbering).Framed(Sequences).Own(),
        OptionsControl("Opt_53_Option_B", 53, 5, {"&All Welds", "Each Weld &Type"})
            .In(Numbering).Framed(Sequences).Caption("Number Welds from 1 for :  ").Across(),
        CheckControl("Opt_53_Pos3_Check", 53, 3, "Suppress Auto-&Generation Of Weld Nos (If Originally Absent)")
            .In(Numbering).Key("weld-numbering.suppress-auto-generation").Own().Unrestricted(),
        OptionsControl("Opt_53_Option_8", 53, 8, {"Numeric &Identifiers", "Alphabeticic Identi&fiers"})
            .In(Numbering).Key("identifier-type").Framed(additional).Across(),
        TextControl("Opt_53_TextBox", 53, 9, 1, "0", "Number of Leading &Zeros or Spaces :").In(Numbering).Framed(additional),

        // Positions 2 to 7 of switch 54 are written as soon as a size is chosen.
        OptionsControl("SSOptWeldTypeWeldNumbering", 54, 2, WeldTypes)
            .In(Sizes).Key("weld-type")
            .Framed("Non-Support Welds").Across().LayoutBy(LayoutWeldType).OwnRead().OnChange(OnWeldTypeClicked).Unrestricted(),
        ListControl("Cmb_Opt54_Pos234", 54, 2, 1, 8, 0, "&Circle / Double Circle / Ellipse Enc. Size", EnclosureSizes)
            .In(Sizes).Framed("Non-Support Welds").CaptionAbove().LayoutBy(LayoutSizeList).OwnRead().OnChange(OnEnclosureSizeChosen).Unrestricted(),
        OptionsControl("SSOptWeldType", 54, 5, SupportWeldTypes)
            .In(Sizes).Key("weld-type")
            .Framed("Support Welds").Across().LayoutBy(LayoutWeldType).OwnRead().OnChange(OnWeldTypeClicked).Unrestricted(),
        ListControl("cmb_OPT54_Pos456", 54, 5, 1, 8, 0, "Circle / Double Circle / Ellipse Encl&osure Size", EnclosureSizes)
            .In(Sizes).Framed("Support Welds").CaptionAbove().LayoutBy(LayoutSizeList).OwnRead().OnChange(OnEnclosureSizeChosen).Unrestricted(),
        // Positions 6 and 7 of switch 53, with the other support weld settings.
        ListControl("Combo1", 53, 6, 2, 4, 0, "Numbering Se&quence", SupportSequences)
            .In(Sizes).Framed("Support Welds").CaptionAbove().LayoutBy(LayoutSupportSequence).ReadBy(ReadSupportSequence).Unrestricted(),
        CheckControl("Opt_54_Pos8_Check", 54, 8, "Suppress Generation Of Impl&ied Welds")
            .In(Sizes).Key("implied-welds.suppress-generation"),
        CheckControl("Opt_54_Pos9_Check", 54, 9, "Suppress Arro&wheads on all Weld Msgs")
            .In(Sizes).Key("weld-messages.suppress-arrowheads"),

        ListControl("Opt_75_Combo_A", 75, 1, 1, 10, 0, shape, EnclosureItems("No Shop Weld Numbers to be output"))
            .In(Enclosures, 2).Framed("Fabrication Welds").Label("75").Help("Label15").CaptionAbove().LayoutBy(LayoutEnclosures).ReadBy(ReadEnclosures).OnChange(OnPrefixRule),
        CheckControl("Opt_75_Check_A", 75, 2, "Add Weld &Prefix to Weld Number").In(Enclosures, 2).Framed("Fabrication Welds").Own().OnChange(OnPrefixRule),
        ListControl("Opt_75_Combo_B", 75, 3, 1, 10, 0, shape, EnclosureItems("No Field Weld Numbers to be output"))
            .In(Enclosures, 2).Framed("Field Welds").CaptionAbove().LayoutBy(LayoutEnclosures).ReadBy(ReadEnclosures).OnChange(OnPrefixRule),
        CheckControl("Opt_75_Check_B", 75, 4, "Add Weld P&refix to Weld Number").In(Enclosures, 2).Framed("Field Welds").Own().OnChange(OnPrefixRule),
        ListControl("Opt_75_Combo_C", 75, 5, 1, 10, 0, shape, EnclosureItems("No Offshore Weld Numbers to be output"))
            .In(Enclosures, 2).Framed("Offshore Welds").CaptionAbove().LayoutBy(LayoutEnclosures).ReadBy(ReadEnclosures).OnChange(OnPrefixRule),
        CheckControl("Opt_75_Check_C", 75, 6, "Add Weld Pr&efix to Weld Number").In(Enclosures, 2).Framed("Offshore Welds").Own().OnChange(OnPrefixRule),

        OptionsControl("Opt_77_Option", 77, 1, {"&Two Weld Numbers at Slip-On Flanges", "&One Weld Number at Slip-On Flanges"})
            .In(Flanges, 2).Key("slip-on-flanges").Label("77").LayoutBy(LayoutSlipOnFlanges).ReadBy(ReadSlipOnFlanges),
        OptionsControl("Opt_77_Option_2", 77, 4,
                    {"One Weld Number at '&Y' type Fittings", "T&wo Weld Numbers at 'Y' type Fittings"})
            .In(Flanges, 2).Key("y-type-fittings").LayoutBy(LayoutYFittings).ReadBy(ReadYFittings),
        ListControl("Opt_77_Combo", 77, 2, 1, 2, 0, QString(),
                 {"No Extra Welds added at Reinforcement Pads", "One Extra Weld added at Reinforcement Pads",
                  "Two Extra Welds added at Reinforcement Pads"})
            .In(Flanges, 2).Key("reinforcement-pad-welds"),
        CheckControl("Opt_77_Check", 77, 3, "Generate PAD Item &Code and Show Symbol on Iso.").In(Flanges, 2),
        OptionsControl("Opt_77_Pos5", 77, 5, {"Weld numbers &allocated to tack welds", "Weld numbers &not allocated to tack welds"})
            .In(Flanges, 2).Framed("Tack Welds").Unrestricted(),
        ListControl("OPT_77_ComboG", 77, 7, 1, 9, 0, QString(),
                 {"2 Weld numbers (Fixed)", "1 Weld number", "2 weld numbers", "3 weld numbers", "4 weld numbers",
                  "5 weld numbers", "6 weld numbers", "7 weld numbers", "8 weld numbers", "9 weld numbers"})
            .In(Flanges, 2).Framed("Weld numbers allocated to victaulic clamps").Unrestricted(),
    };
    p.tips = {
        {"Label12", "53",
         "Switches 53 and 54 are used together to control the plotting and numbering"
         " of the three different Weld types. Each of the allowable combinations"
         " has an option button in the table which specifies which Welds will be"
         " plotted and which Welds will be numbered."
         "\r\n\n"
         "Please note that if 'None' is selected under Welds to be Numbered, this"
         " ONLY suppresses the plotting of Weld numbers on the Isometric. If a"
         " Weld Box or Operations Box is requested, this will still include a list"
         " of Welds with numbers. It will then only be possible to identify Welds"
         " on the Drawing if the 'Location' feature has been used with"
         " an Operations Box. This gives the location of a Weld by reference to the"
         " two components that it joins.",
         5000, 5500},
        {"Label15", "75",
         "The default enclosure for Weld Numbers is a Circle drawn"
         " local the weld, and in this case the text size for Weld Numbers"
         " set by Switch 53. This enclosure can take up to 3 characters,"
         " after which the program will automatically show the Weld"
         " Number as an 'arrowed out' message without an enclosure."
         "\r\n"
         " Any of the other options in Switch 75 cause the Weld"
         " Number to be 'arrowed out' and the text size will be taken from"
         " the Drawing Text Size as set in Switch 4."
         "\r\n"
         "If a Weld Prefix is added to any weld type,"
         " then a Local Circle enclosure"
         " can not be used. If Local Circles"
         " are selected with Weld Prefixes set, the Switch"
         " setting will be changed to give Dynamically"
         " Sized Circles."
         "\r\n\r\n"
         " Please Note. Triangular and Diamond Shaped"
         " enclosures, will not normally accommodate"
         " a Weld Prefix plus Weld Number of more"
         " than 3 chacacters in total",
         5000, 5500},
        {"Label24", "54",
         "Please note that if the box is checked to show implied, program generated"
         " Site Welds as Fab Welds this does not affect explicit Site Welds"
         " which have records in the IDF or PCF. This setting also causes all types"
         " of Weld to be plotted. The operation of this function"
         " is somewhat erratic and its use is not recommended. If this setting "
         " is used, the combination with the specific setting of Switch 53 should"
         " be thoroughly tested before using it in production."
         "\r\n\n",
         4000, 4500},
        {"Label25", "54",
         "This option is only available if the box immediately below this table"
         " is not checked, because checking the box forces plotting of all Weld"
         " types in addition to showing any implied, program generated Site"
         " Welds as Fab Welds.",
         3000, 3500},
    };
    return p;
}

} // namespace

const PageDescription &Description()
{
    static const PageDescription definition = MakeDescription();
    return definition;
}

const WeldOption &WeldTable(int k)
{
    return WeldOptions[std::clamp(k, 1, 12) - 1];
}

WeldChoice ChooseWeldOption(int a, int b, int t)
{
    if (a == 0)
        b = 2;
    if (b < 2) {
        if (a >= 7)
            a -= 6;
        else if (a >= 4)
            a -= 3;
    }
    const int g = a == 0 ? 0 : (a == 2 || a == 5 || a == 8) ? 2 : (a == 3 || a == 6 || a == 9) ? 3 : 1;
    switch (t) {
    case 1:
        return {12, 0};
    case 2:
        if (b == 0)
            b = 1;
        if (b == 1)
            return {10, std::max(g, 1)};
        if (b == 2)
            return a != 0 ? WeldChoice{9, g} : WeldChoice{11, 0};
        return {0, 0};
    case 3:
        return a != 0 ? WeldChoice{7, g} : WeldChoice{8, 0};
    default:
        if (b == 0)
            return {1, g};
        if (b == 1)
            return {5, g};
        if (b == 2) {
            if (a == 0)
                return {6, 0};
            if (a <= 3)
                return {2, a};
            if (a <= 6)
                return {3, a - 3};
            return {4, a - 6};
        }
        return {0, 0};
    }
}

QString PlottedHead(int column) { return QString::fromLatin1(PlottedHeads[std::clamp(column, 0, 3)]); }
QString NumberedHead(int row) { return QString::fromLatin1(NumberedHeads[std::clamp(row, 0, 5)]); }
QString TableCornerHead() { return QStringLiteral("Welds to be numbered"); }
QString TableAcrossHead() { return QStringLiteral("Welds to be Plotted"); }

} // namespace XWelding_1

} // namespace swted
