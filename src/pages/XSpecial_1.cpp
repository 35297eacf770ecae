#include "pages/XSpecial_1.h"

#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"
#include "pages/XSystem_1.h"
#include "shell/Prompts.h"

namespace swted {

namespace XSpecial_1 {

namespace {

const QString Repeatability = QStringLiteral("REPEATABILITY FILE CONTENT");
const QString GhostGaps = QStringLiteral("GHOST GAPS (Bridge gaps in Pipelines)");
const QString ClearScreen = QStringLiteral("CLEAR SCREEN");
const QString TrimDrawings = QStringLiteral("EQUIPMENT TRIM DRAWINGS");
const QString Weight = QStringLiteral("WEIGHT / CENTRE of GRAVITY");
// The TORVA buttons stand in a panel without a title at the foot of each
// sub-page.
const QString TorvaPanelKey = QStringLiteral("~torva");

const QString Calculations = QStringLiteral("Opt_82_Check_A");
const QString PerSheetOrPipeline = QStringLiteral("Opt_82_Option");
const QString WetWeight = QStringLiteral("Opt_82_Check_B");
const QString InsulatedWeight = QStringLiteral("Opt_82_Check_C");
const QString DryCentre = QStringLiteral("Opt_82_Combo_A");
const QString WetCentre = QStringLiteral("Opt_82_Combo_B");

QStringList CentreOfGravityItems(const QString &pipe)
{
    return {QStringLiteral("C of G for ") + pipe + QStringLiteral(" Pipe NOT required"), QStringLiteral("Calculate C of G"),
            QStringLiteral("Calculate C of G With Insulation"),
            QStringLiteral("Calculate C of G With AND Without Insulation")};
}

// The buttons of switch 113 are there for the whole life of the page when
// the environment asks for them (the variable the system page reads too).
void ShowTorvaButtons(PageContext &ctx, const ControlEntry &)
{
    const bool on = XSystem_1::TorvaSwitchesOn();
    for (int k = 1; k <= 2; ++k) {
        ControlState &button = ctx[TorvaButton(k)];
        button.visible = on;
        button.enabled = on;
    }
}

// Positions 2 to 5 of switch 82 count only while the calculations are on:
// their controls go grey while the box is clear (and stay grey for the
// restricted run type).
void ShowCalculations(PageContext &ctx)
{
    const bool on = ctx[Calculations].checked && !ctx.restricted;
    for (const QString &name : {PerSheetOrPipeline, WetWeight, InsulatedWeight, DryCentre, WetCentre})
        ctx[name].enabled = on;
}

void OnCalculationsClicked(PageContext &ctx, const ControlEntry &) { ShowCalculations(ctx); }

// Switch 82 as a whole: position 1 is 0 (off), 1 (per iso or spool sheet)
// or 2 to 9 (per pipeline). With the calculations off the boxes are clear
// and the lists at their first item; the option buttons keep what they
// showed.
void LayoutWeight(PageContext &ctx, const ControlEntry &)
{
    const ControlEntry *dry = ctx.page.Control(DryCentre);
    const ControlEntry *wet = ctx.page.Control(WetCentre);
    ctx.FillList(DryCentre, dry->items);
    ctx.FillList(WetCentre, wet->items);
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(82);
    const int mode = s.GetDigit(1);
    if (mode != 0) {
        ctx[Calculations].checked = true;
        ctx[PerSheetOrPipeline].index = mode == 1 ? PerSheetButton : PerPipelineButton;
        ShowDigitInCheck(s, ctx[WetWeight], 2);
        ShowDigitInCheck(s, ctx[InsulatedWeight], 3);
        ShowDigitsInList(s, ctx.prompts, 82, ctx[DryCentre], dry->start, dry->width, dry->maximum, dry->defaultValue);
        ShowDigitsInList(s, ctx.prompts, 82, ctx[WetCentre], wet->start, wet->width, wet->maximum, wet->defaultValue);
    } else {
        ctx[Calculations].checked = false;
        ctx[WetWeight].checked = false;
        ctx[InsulatedWeight].checked = false;
        ctx[DryCentre].index = 0;
        ctx[WetCentre].index = 0;
    }
    ShowCalculations(ctx);
}

// With the calculations off, positions 1 to 5 are stored as 0.
void ReadWeight(PageContext &ctx, const ControlEntry &)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(82);
    if (ctx[Calculations].checked) {
        s.SetDigit(1, ctx[PerSheetOrPipeline].index == PerSheetButton ? 1 : 2);
        ReadCheckToDigit(s, ctx[WetWeight], 2);
        ReadCheckToDigit(s, ctx[InsulatedWeight], 3);
        for (const QString &name : {DryCentre, WetCentre}) {
            const int index = ctx[name].index;
            if (index >= 0)
                s.SetDigit(ctx.page.Control(name)->start, static_cast<int16_t>(index));
        }
    } else {
        for (int p = 1; p <= 5; ++p)
            s.SetDigit(p, 0);
    }
    ctx.Pack(82);
}

// A stored gap above the largest is said, and shown as the largest.
void LayoutGhostGap(PageContext &ctx, const ControlEntry &c)
{
    ShowDigitsInText(ctx.store, 110, ctx[c.name], c.start, c.width, c.defaultText);
    const int v = RangeValue(ctx.store, c.start, c.width);
    if (v > MaximumGhostGap) {
        ctx.prompts.Inform(LimitedText(110, c.start, v, MaximumGhostGap));
        ctx[c.name].text = QString::number(MaximumGhostGap);
    }
}

// The ghost gap: the default text 18 stores 0; above the largest gap the
// largest is stored (the field refuses a larger one as it is typed). Below
// the stated minimum a gap is stored as typed.
void ReadGhostGap(PageContext &ctx, const ControlEntry &c)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(110);
    ReadTextToDigitsWithDefault(s, ctx[c.name], c.start, c.width, c.defaultText);
    if (RangeValue(s, c.start, c.width) > MaximumGhostGap)
        SetRangeValue(s, c.start, c.width, MaximumGhostGap);
    ctx.Pack(110);
}

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 7;
    p.window = QStringLiteral("XSpecial_1");
    p.tabCaption = QStringLiteral("Specials");
    p.subPages = 2;
    p.panels = {
        {Repeatability, 1, 0, 0, 2}, {GhostGaps, 1, 0, 1},    {ClearScreen, 1, 1, 1},
        {TrimDrawings, 1, 2, 0, 1, 2}, {TorvaPanelKey, 1, 3, 0, 1, 2},
        {Weight, 2, 0, 0},           {TorvaPanelKey, 2, 1, 0},
    };
    p.created = ShowTorvaButtons;
    const QString torva = QStringLiteral(" Torva Specia&ls");
    // The order is the order of layout and read-back.
    p.controls = {
        OptionsControl("Opt_52_Option_A", 52, 1,
                       {"Part Numbers start at 1 for each &Nozzle", "Parts numbered from 1 for the w&hole Material List"})
            .In(TrimDrawings).Framed("Drawing Content").Label("52"),
        OptionsControl("Opt_52_Option_B", 52, 2,
                       {"Acc&umulate Components for each Equipment Item", "&Separate Components for each Nozzle"})
            .In(TrimDrawings).Framed("Material Control File Content"),
        OptionsControl("Opt_52_Option_C", 52, 3,
                       {"&One Pipeline per Piping Data File (IDF/PCF)",
                        "Multiple P&ipelines in one Piping Data File (IDF/PCF)"})
            .In(TrimDrawings).Framed("Piping Data File Type"),

        CheckControl("Opt_58_Check", 58, 1, "&Clear Screen before on-screen display.").In(ClearScreen).Label("58"),

        // Position 9 of switch 109 is not shown and keeps its digit.
        ListControl("Opt_109_Combo_Pos1", 109, 1, 1, 4, 0, QString(),
                    {"Original (Binary)", "Standard (Binary)", "Revised (Karven-Binary, Velmotar-ASCII)",
                     "Standard (ASCII)", "Revised (ASCII)"})
            .In(Repeatability).Key("file-format").Label("109"),
        CheckControl("Opt_109_Check_A", 109, 2, "Write E&xtraction Start Point to Return File").In(Repeatability),
        CheckControl("Opt_109_Check_B", 109, 3, "Write &Drawing Split Points to Return File").In(Repeatability),
        ListControl("Opt_109_Combo_1", 109, 4, 1, 2, 0, QString(),
                    {"Do NOT write Spool Identifiers to Return File", "Write Numeric Spool Identifiers to Return File",
                     "Write AlphaNumeric Spool Identifiers to Return File"})
            .In(Repeatability).Key("spool-identifiers"),
        ListControl("Opt_109_Combo_2", 109, 5, 1, 2, 0, QString(),
                    {"Do NOT write Component Information to Return File",
                     "Write Component Information & Numeric Spool ID's",
                     "Write Component Information & AlphaNumeric Spool ID's"})
            .In(Repeatability).Key("component-information"),
        CheckControl("Opt_109_Check_E", 109, 6, "Turn off &Bypass Re-Ordering").In(Repeatability),
        CheckControl("Opt_109_Check_F", 109, 7, "Write &Weld Numbers to Return File").In(Repeatability),
        CheckControl("Opt_109_Check_G", 109, 8, "Write &Material List Part Numbers to Return File").In(Repeatability),

        // Positions 3 to 9 of switch 110 are not shown and keep their digits.
        TextControl("Opt_110_Text", 110, 1, 2, "18", "&Gap dimension (mm's)")
            .In(GhostGaps).Label("110").Unit("(Min = 18 mm. Max = 60 mm)").Takes(18, MaximumGhostGap)
            .LayoutBy(LayoutGhostGap).ReadBy(ReadGhostGap),

        // Switch 82 is laid out and read back as a whole by the rules of
        // its first box.
        CheckControl(Calculations, 82, 1, "Turn &ON Weight / Centre of Gravity Calculations")
            .In(Weight, 2).Label("82").LayoutBy(LayoutWeight).ReadBy(ReadWeight).OnChange(OnCalculationsClicked),
        OptionsControl(PerSheetOrPipeline, 82, 1,
                       {"Calculate Weight / C of G per Iso or &Spool Sheet", "Calculate Weight / C of G per &Pipeline"})
            .Buttons({"Opt_82_Option_1", "Opt_82_Option_0"}).In(Weight, 2).Key("per-sheet-or-pipeline").Own(),
        CheckControl(WetWeight, 82, 2, "Calculate &Wet (Full) Weight").In(Weight, 2).Own(),
        CheckControl(InsulatedWeight, 82, 3, "Calculate &Insulated Weight").In(Weight, 2).Own(),
        ListControl(DryCentre, 82, 4, 1, 3, 0, QString(), CentreOfGravityItems(QStringLiteral("Dry")))
            .In(Weight, 2).Framed("C of G for Empty (Dry) Pipe").Own(),
        ListControl(WetCentre, 82, 5, 1, 3, 0, QString(), CentreOfGravityItems(QStringLiteral("Wet")))
            .In(Weight, 2).Framed("C of G for Pipe full of Process Fluid (Wet)").Own(),

        OwnControl(TorvaButton(1), 0).Caption(torva).In(TorvaPanelKey, 1),
        OwnControl(TorvaButton(2), 0).Caption(torva).In(TorvaPanelKey, 2),
    };
    return p;
}

} // namespace

const PageDescription &Description()
{
    static const PageDescription definition = MakeDescription();
    return definition;
}

QString TorvaButton(int subPage) { return QStringLiteral("TORVA_Switches_%1").arg(subPage); }

QString TorvaTitle() { return QStringLiteral("TORVA SPECIALS"); }

QVector<TorvaPanel> TorvaPanels()
{
    return {
        {QStringLiteral("VOSKEL MESSAGES"), QStringLiteral("56")},
        {QStringLiteral("DRAMLEX MESSAGES"), QStringLiteral("57")},
        {QStringLiteral("REVISION/DETAILED"), QStringLiteral("33")},
        {QStringLiteral("TREMBIX"), QStringLiteral("90")},
        {QStringLiteral("TREMBIX"), QStringLiteral("91")},
        {QStringLiteral("FFI's"), QStringLiteral("128")},
        {QStringLiteral("INTERACTIVE EDITING"), QStringLiteral("129")},
        {QStringLiteral("PIPELINE IDENTIFICATION"), QStringLiteral("113")},
    };
}

QString TorvaNote() { return QStringLiteral("You'll have to wait for these!!!"); }

QString TorvaFrameCaption() { return QStringLiteral("Special for one named customer only"); }

QStringList TorvaOptionCaptions()
{
    return {QStringLiteral("&Use Pipeline Reference as in Pipeline Data File."),
            QStringLiteral("&Modify Pipeline Reference (special format only)")};
}

QString TorvaOptions() { return QStringLiteral("Opt_113_Option"); }

void LayoutTorva(SwitchStore &store, PageState &state)
{
    store.UnpackSwitch(113);
    ShowDigitInOptions2(store, state[TorvaOptions()], 1);
}

bool ReadTorva(SwitchStore &store, Prompts &prompts, const PageState &state)
{
    const ControlState *options = state.Find(TorvaOptions());
    if (!options)
        return true; // never shown: nothing to store
    const int32_t old = store.GetSwitchValue(113);
    store.UnpackSwitch(113);
    ReadOptions2ToDigit(store, *options, 1);
    if (store.PackSwitch(113))
        return true;
    prompts.Inform(PackOverflowText(113, old));
    return false;
}

} // namespace XSpecial_1

} // namespace swted
