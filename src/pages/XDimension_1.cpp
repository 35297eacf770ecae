#include "pages/XDimension_1.h"

#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"

namespace swted {

namespace XDimension_1 {

namespace {

const QString Form = QStringLiteral("DIMENSION FORM");
const QString Control = QStringLiteral("DIMENSION CONTROL");
const QString Standout = QStringLiteral("DIMENSION LINE STANDOUT");
const QString Supports = QStringLiteral("PIPE SUPPORTS");
const QString ValveEnds = QStringLiteral("DIMENSIONS - To Valve Centres or Ends");
const QString Branches = QStringLiteral("DIMENSIONS - BRANCHES");
const QString ValveCentres = QStringLiteral("DIMENSIONS - TO VALVE CENTRES");
const QString Vertical = QStringLiteral("DIMENSIONS - VERTICAL");
const QString Tapped = QStringLiteral("TAPPED- BRANCH DIMENSIONS");
const QString Overall = QStringLiteral("DIMENSIONS - OVERALL");

const QString InchUnits = QStringLiteral("1/16 ths\"");
const QString MillimetreUnits = QStringLiteral("mm's");
// Item 4 of the support list stands for digit 6.
constexpr int SupportsInPipelineItem = 4;
constexpr int SupportsInPipelineDigit = 6;

int TextSizeCode(PageContext &ctx) { return ctx.Digit(4, 1); }

// Ticking "all dimensions in inches" greys the change-over value; the text
// of the field stays as it is. For the T-KOR run type the field stays grey.
void OnAllInchesClicked(PageContext &ctx, const ControlEntry &c)
{
    ctx[QStringLiteral("Opt_41_Text")].enabled = !ctx[c.name].checked && !ctx.restricted;
}

void LayoutSupports(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    ctx.store.UnpackSwitch(40);
    if (ctx.store.GetDigit(1) == SupportsInPipelineDigit)
        ctx[c.name].index = SupportsInPipelineItem;
    else
        ShowDigitsInList(ctx.store, ctx.prompts, 40, ctx[c.name], 1, 1, 3, 0);
}

void ReadSupports(PageContext &ctx, const ControlEntry &c)
{
    const int index = ctx[c.name].index;
    if (index < 0)
        return;
    ctx.store.UnpackSwitch(40);
    ctx.store.SetDigit(1, index == SupportsInPipelineItem ? SupportsInPipelineDigit : index);
    ctx.Pack(40);
}

// Positions 7 and 6 of switch 41 holding 0 and 1: all dimensions in inches.
void LayoutAllInches(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(41);
    const bool allInches = ctx.store.GetDigit(7) == 0 && ctx.store.GetDigit(6) == 1;
    if (allInches)
        ctx[QStringLiteral("Opt_41_Text")].text = QStringLiteral("24");
    ctx[QStringLiteral("Opt_41_Text")].enabled = !allInches;
    ctx[c.name].checked = allInches;
}

// After the field: a ticked box overrides what it read.
void ReadAllInches(PageContext &ctx, const ControlEntry &c)
{
    if (!ctx[c.name].checked)
        return;
    ctx.store.UnpackSwitch(41);
    ctx.store.SetDigit(7, 0);
    ctx.store.SetDigit(6, 1);
    ctx.Pack(41);
}

void LayoutOverallStandout(PageContext &ctx, const ControlEntry &c)
{
    ShowDigitsInText(ctx.store, 118, ctx[c.name], 2, 2, OverallStandoutDefault(TextSizeCode(ctx)));
}

void ReadOverallStandout(PageContext &ctx, const ControlEntry &c)
{
    const QString standout = OverallStandoutDefault(TextSizeCode(ctx));
    ctx.store.UnpackSwitch(118);
    ReadTextToDigitsWithDefault(ctx.store, ctx[c.name], 2, 2, standout);
    ctx.Pack(118);
}

// The units of switch 81 follow the units of switch 41.
void LayoutUnits81(PageContext &ctx, const ControlEntry &)
{
    const QString units = ctx.Digit(41, 1) == 2 ? MillimetreUnits : InchUnits;
    ctx[QStringLiteral("lbl81AUnits")].text = units;
    ctx[QStringLiteral("lbl81BUnits")].text = units;
}

// The whole value of switch 8 is the standout; the default standout of the
// text size, and anything up to 11 mm, is stored as 0.
void ReadStandout(PageContext &ctx, const ControlEntry &c)
{
    const int code = TextSizeCode(ctx);
    const QString t = ctx[c.name].text.trimmed().right(2);
    int v = RoundToInt16(NumericValue(t)).value_or(0);
    if (v == StandoutDefault(code) || v <= 11)
        v = 0;
    ctx.store.SetSwitchValue(8, v);
}

void ReadUsaStyle(PageContext &ctx, const ControlEntry &c)
{
    const int index = ctx[c.name].index;
    if (index < 0)
        return;
    ctx.store.UnpackSwitch(9);
    ctx.store.SetDigit(3, index);
    ctx.Pack(9);
}

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 1;
    p.window = QStringLiteral("XDimension_1");
    p.tabCaption = QStringLiteral("Dimensioning");
    p.subPages = 3;
    p.panels = {
        {Form, 1, 0, 0},     {Control, 1, 0, 1},  {Standout, 1, 1, 0},     {Supports, 1, 1, 1},
        {ValveEnds, 2, 0, 0}, {Branches, 2, 1, 0}, {ValveCentres, 2, 0, 1, 2},
        {Vertical, 3, 0, 0, 2}, {Tapped, 3, 0, 1}, {Overall, 3, 1, 1},
    };
    const QString valves = QStringLiteral("Angle / 3 Way / 4 Way Valves And Instruments");
    // The order is the order of layout and read-back.
    p.controls = {
        // Switch 8: the standout in mm, then the text style and vertical
        // standout buttons.
        TextControl("Opt_8_Text", 8, 1, 2, "0", "&Standout dist. for String/Composite Dimensions:")
            .In(Standout).Label("8").Unit("mm's").ReadBy(ReadStandout),
        LabelControl("lblOpt8Note", "(Standout for Support Dimensions will be 0.5 times, and that for Overall Dimensions "
                                 "will be 1.5 times, this value.)")
            .In(Standout).Wrapped(),
        OptionsControl("Opt_8_Option_C", 8, 3, {"Standard &Text", "&Isometric Text"})
            .In(Standout).Key("text-style").Across().Unrestricted(),
        OptionsControl("SSOpt8Pos4", 8, 4, {"Normal (&Karven Controlled Standout)", "&Vertical Standout Where Possible"})
            .In(Standout).Framed("Vertical Dimension Standout").Unrestricted(),

        ListControl("Opt_9_Combo", 9, 1, 1, 4, 0, QString(),
                 {"Basic String, Supports & Message Dimensions", "No Dimensions (unless OS 118 is set for Overall)",
                  "Support,Message and Reference Dimensions Only", "Composite, Support & Message Dimensions",
                  "Full String, Support & Message Dimensions"})
            .In(Form).Key("dimension-type").Label(" 9 "),
        ListControl("Opt_9_A_Combo", 9, 2, 1, 2, 0, QString(),
                 {"Gaskets Not Included In Component Dimensions", "Gaskets Included In Component Dimensions",
                  "Gaskets Dimensioned Separately"})
            .In(Form).Key("gasket-dimensioning"),
        // Shown from positions 3-4, so that a digit in position 4 shows as
        // out of range; read back into position 3 only.
        ListControl("Opt_9_Pos3_Combo", 9, 3, 2, 1, 0, QString(),
                 {"Regular Dimensioning (Inserted Into Dimension Line)", "USA Style Dimensioning (Above Dimension Line)"})
            .In(Form).Key("dimension-text-placement").ReadBy(ReadUsaStyle),
        ListControl("Opt_9_Combo_E", 9, 5, 1, 2, 0, QString(),
                 {"Normal dimensions", "Dimensions to show Additional Allowances",
                  "Dimensions to include Add'nl Allowances (Spool Iso's)"})
            .In(Form).Key("additional-allowances"),
        ListControl("Opt_9_Combo_F", 9, 6, 1, 1, 0, QString(),
                 {"Combined pipe and bend dimensions", "Separate pipe and bend dimensions"})
            .In(Form).Key("pipe-and-bend-dimensions"),
        ListControl("Opt_9_Combo_G", 9, 7, 1, 1, 0, QString(), {"Single dimensions", "Double dimensions"})
            .In(Form).Key("single-or-double-dimensions"),
        OptionsControl("Opt_9_Option_H", 9, 8, {"Dimensioned using &message", "Dimensioned &Normally"})
            .In(Form).Framed(valves),
        CheckControl("Opt_9_CheckBox", 9, 9, "Suppress &Jacket Dimensioning").In(Form),

        // Item 4 stands for digit 6.
        ListControl("Opt_40_Combo", 40, 1, 1, 3, 0, QString(),
                 {"Supports Drawn on Iso - String Dimensioning", "Supports Drawn on Iso - Overall Dimensioning",
                  "Supports Suppressed from both Iso & Material List", "Supports Drawn on Iso - No Dimensioning",
                  "Supports Drawn on Iso - Included in Pipeline Dimensions"})
            .In(Supports).Key("supports-on-iso").Label("40").LayoutBy(LayoutSupports).ReadBy(ReadSupports),
        OptionsControl("Opt_40_Option_B", 40, 2, {"Same side as &normal", "&Opposite side to normal"})
            .In(Supports).Framed("Support Dimension position"),
        TextControl("Opt_40_Text", 40, 3, 2, "0", "Support Dimension &Line Stand-Out Distance.").In(Supports).Unit("mm's"),
        ListControl("Opt_40_Combo_2", 40, 5, 1, 4, 0, "Selective Support &Dimensioning",
                 {"Dimension ALL Supports", "Dimension Fabrication type Supports ONLY",
                  "Dimension Erection type Supports ONLY", "Dimension Offshore Type Supports ONLY",
                  "Dimension Erection & Offshore type Supports ONLY"})
            .In(Supports).CaptionAbove(),
        CheckControl("Opt_40_Pos6_Check", 40, 6, "I&gnore Additional Materials on Supports in weight/cofg calc").In(Supports),

        // Switch 41, its lists in the order they are checked.
        ListControl("Opt_41_Combo_A", 41, 1, 1, 3, 0, QString(),
                 {"Inch Pipeline Bores/ mm. Linear Dimensions (Mixed)",
                  "Inch Pipeline Bores/ Ft/Ins Linear Dimensions (Imperial)",
                  "mm. Pipeline Bores/ mm. Linear Dimensions (Metric)",
                  "mm. Pipeline Bores/ Ft/Ins Linear Dimensions (Imperial)"})
            .In(Control).Key("bore-and-linear-units").Label("41"),
        ListControl("Opt_41_Combo_B", 41, 3, 1, 8, 0, QString(),
                 {"Standard Ft/In format (1' 2.3/4\")", "Standard Ft/In with a dash (1'-2.3/4\")",
                  "Standard Ft/In with a dash but no dot (1'-2 3/4\")",
                  "Ft/Ins with Stacked Fractions & dash (need special font)",
                  "Ft/Ins with Stacked Fractions & no dash (need special font)",
                  "Output decimal inches to 1 decimal place.", "Output decimal inches to 2 decimal places.",
                  "Output decimal inches to 3 decimal places.", "Output decimal inches to 4 decimal places."})
            .In(Control).Key("feet-inches-format"),
        ListControl("Opt_41_Combo_C", 41, 4, 1, 2, 0, QString(),
                 {"NO Weight Information to be Output", "Weight Information in Kilograms (KGS)",
                  "Weight Information in Pounds (LBS)"})
            .In(Control).Key("weight-units"),
        ListControl("Opt_41_Combo_D", 41, 5, 1, 2, 0, QString(),
                 {"NO Component Weight Output On Material List", "Component Weight Output will be Total Weight",
                  "Component Weight Output will be Individual Weights"})
            .In(Control).Key("component-weights"),
        ListControl("Opt_41_Combo_Pos2", 41, 2, 1, 3, 0, QString(),
                 {"Metric Co-ords in mm's", "Metric Co-ords in M.mm's", "Metric dimensions output in M.mm format",
                  "Metric dimensions/co-ordinates in M.mm format"})
            .In(Control).Key("metric-format"),
        ListControl("Opt_41_Pos9_Combo", 41, 9, 1, 1, 0, "Nominal Size Output At Set-On Tees && Crosses:",
                 {"Combined", "Separate"})
            .In(Control).Key("set-on-nominal-size"),
        TextControl("Opt_41_Text", 41, 6, 2, "24", "&Change over value from inches to Ft/Ins dimensions (Default is 24\")")
            .In(Control).Key("feet-inches-change-over").Unit("Inches").Wrapped(),
        // After the field: a ticked box overrides what it reads.
        CheckControl("Chk_Opt41_Pos6And7", 41, 6, "For &all dimensions in inches").In(Control).Unrestricted()
            .LayoutBy(LayoutAllInches).ReadBy(ReadAllInches).OnChange(OnAllInchesClicked),
        CheckControl("Opt_41_Check", 41, 8, "Suppress Nominal Size indication at &Branches/Reducers").In(Control),

        ListControl("Opt_118_Combo", 118, 1, 1, 4, 0, QString(),
                 {"No Overall Dimensions", "Overall Dimensions - across Branches", "Overall Dimensions - stop at Branches",
                  "Overall Dims to Valve centres & across Branches", "Overall Dims to Valve centres & stop at Branches"})
            .In(Overall, 3).Key("overall-dimensions").Label("118"),
        TextControl("Opt_118_text", 118, 2, 2, QString(), "Overall Dimension &Standout (mm's)").In(Overall, 3)
            .LayoutBy(LayoutOverallStandout).ReadBy(ReadOverallStandout),

        ListControl("Opt_121_Combo_1", 121, 1, 1, 2, 0, "&Tapped Branch on Inline Items/Flanges",
                 {"Full Dimensioning", "No Dimensioning", "Dimensioning of Pipe components ONLY"})
            .In(Tapped, 3).Label("121").CaptionAbove(),
        ListControl("Opt_121_Combo_2", 121, 2, 1, 2, 0, "Tapped Branch on '&Pipe' type components",
                 {"No Dimensioning", "Full Dimensioning", "Dimensioning of Pipe components ONLY"})
            .In(Tapped, 3).CaptionAbove(),

        LabelControl("lbl80", "Valves and Straight Through Instruments with Spindles will, by "
                           "default, be dimensioned to their ends. Checking any of "
                           "the following boxes will cause components with that End "
                           "Type to be dimensioned to their centres.")
            .In(ValveCentres, 2).Wrapped(),
        LabelControl("lbl81A", "Any Value greater than 0 below, defines the limit of the Valve/ "
                            "Instrument Bore above which the settings in OS 80 will "
                            "be ignored so that End Dimensions are produced.")
            .In(ValveEnds, 2).Wrapped(),
        LabelControl("lbl81B", "Any Value greater than 0 below, defines the limit of Branch Bore "
                            "at or below which Branch Dimensions will "
                            "be suppressed if no Pipe is included in the Branch.")
            .In(Branches, 2).Wrapped(),
        RuleStep("Units_81", 41, LayoutUnits81, nullptr),

        CheckControl("Opt_80_Check_A", 80, 1, "&Butt Weld").In(ValveCentres, 2).Label("80"),
        CheckControl("Opt_80_Check_B", 80, 2, "&Compression").In(ValveCentres, 2),
        CheckControl("Opt_80_Check_C", 80, 3, "Sc&rewed").In(ValveCentres, 2),
        CheckControl("Opt_80_Check_D", 80, 4, "Soc&ket Weld").In(ValveCentres, 2),
        CheckControl("Opt_80_Check_E", 80, 5, "&Flanged").In(ValveCentres, 2),
        CheckControl("Opt_80_Check_F", 80, 6, "&Plain").In(ValveCentres, 2),
        CheckControl("Opt_80_Check_G", 80, 7, "&Hygienic").In(ValveCentres, 2),

        TextControl("Opt_81_Text_A", 81, 1, 3, "0", "&Value")
            .In(ValveEnds, 2).Key("bore-limit").Label("81").Unit(InchUnits, "lbl81AUnits"),
        TextControl("Opt_81_Text_B", 81, 4, 3, "0", "V&alue")
            .In(Branches, 2).Key("bore-limit").Label("81").Unit(InchUnits, "lbl81BUnits"),
        LabelControl("lbl81C", "Any Value greater than 0 below, defines the number of components in a "
                            "Branch, at or below which Branch Dimensions will "
                            "be suppressed if no Pipe is included in the Branch.")
            .In(Branches, 2).Wrapped(),
        TextControl("Opt_81_Text_C", 81, 7, 2, "0", "Va&lue").In(Branches, 2).Key("component-limit").Unit("components"),

        OptionsControl("Opt_119_Option", 119, 1,
                    {"&Normal Vertical pipe Dimensions. Elevations are also\n"
                     "indicated at intersection points when the level changes.",
                     "&All Pipeline Dimensions to be suppressed and\n"
                     "replaced by Elevations in the form of text messages at all positions\n"
                     "where Dimensions would normally be output.",
                     "&Vertical Dimensions and Elevations output at all\nnormal Dimensioning positions."})
            .In(Vertical, 3).Key("dimensions-or-elevations").Label("119"),
        OptionsControl("Opt_119_Pos2_Option", 119, 2,
                    {"Dimension Tee Bend/Elbow branch from &Connection pt.",
                     "Dimension Tee Bend/Elbow branch from centre-&line\nIntersection point."})
            .In(Vertical, 3).Key("branch-dimensioned-from").Framed("~branches"),
        CheckControl("Opt_119_Pos3_Check", 119, 3, "Suppress &Reference Dimensions.").In(Vertical, 3),
        CheckControl("Opt_119_Pos4_Check", 119, 4, "&Dimension to Fabrication Welds between sections of pipe.")
            .In(Vertical, 3),
        CheckControl("Opt_119_Pos5_Check", 119, 5, "&Gasket Dimensions Output to nearest 10th mm.\n(Default is nearest mm)")
            .In(Vertical, 3),
    };
    return p;
}

} // namespace

const PageDescription &Description()
{
    static const PageDescription definition = MakeDescription();
    return definition;
}

int StandoutDefault(int textSizeCode)
{
    static const int standouts[] = {14, 12, 16, 18, 20};
    return textSizeCode >= 0 && textSizeCode <= 4 ? standouts[textSizeCode] : 22;
}

QString OverallStandoutDefault(int textSizeCode)
{
    static const char *const texts[] = {"21", "18", "24", "27", "30"};
    return QString::fromLatin1(textSizeCode >= 0 && textSizeCode <= 4 ? texts[textSizeCode] : "33");
}

} // namespace XDimension_1

} // namespace swted
