#include "pages/XPlot_1.h"

#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"
#include "shell/Prompts.h"

namespace swted {

namespace XPlot_1 {

namespace {

const QStringList SheetSizes = {
    QStringLiteral("Default (European A2)"),
    QStringLiteral("European A1 paper size (594 x 841 mm)"),
    QStringLiteral("European A2 paper size (420 x 594 mm)"),
    QStringLiteral("European A3 paper size (297 x 420 mm)"),
    QStringLiteral("European A4 paper size (210 x 297 mm)"),
    QStringLiteral("ANSI 'D' paper size (22\" x 34\")"),
    QStringLiteral("ANSI 'C' paper size (17\" x 22\")"),
    QStringLiteral("ANSI 'B' paper size (11\" x 17\")"),
    QStringLiteral("ANSI 'A' paper size (8.1/2\" x 11\")"),
    QStringLiteral("ANSI 'E' paper size (34\" x 44\")"),
    QStringLiteral("European A0 paper size (841 x 1189 mm)"),
};

QStringList PostScriptSizes()
{
    QStringList items = SheetSizes;
    items[0] = QStringLiteral("Default (European A3)");
    items << QStringLiteral("Not PostScript");
    return items;
}
constexpr int NotPostScript = 11;

// The plot file formats in list order, with the code (positions 2 and 1 of
// switch 71) each stands for, and whether positions 5 and 4 (the backing
// sheet) repeat the code.
struct PlotFormat {
    const char *text;
    int code;
    bool backingSheet;
};
const PlotFormat PlotFormats[] = {
    {"KARVEN (PLT) Format", 0, false},
    {"PostScript", 3, false},
    {"DXF (ASCII)", 4, true},
    {"MicroStation .DGN ", 8, true},
    {"Shape2D", 20, true},
    {"Vento DWG", 17, true},
    {"Vento DGN", 18, true},
    {"Vento DGN V8", 21, true},
    {"VentoSketch", 19, true},
    {"Vento  DXF", 16, true},
};
constexpr int DxfItem = 2;

QStringList PlotFormatItems()
{
    QStringList items;
    for (const PlotFormat &f : PlotFormats)
        items << QString::fromLatin1(f.text);
    return items;
}

const QString Paper = QStringLiteral("PAPER SETTINGS");
const QString Margins = QStringLiteral("DRAWING MARGINS");
const QString PlotFile = QStringLiteral("PLOTFILE / BACKING SHEET FORMAT");
const QString FileScreen = QStringLiteral("FILE/SCREEN");
const QString DxfUnits = QStringLiteral("DXF FILE UNITS");
const QString Frame = QStringLiteral("DEFAULT DRAWING FRAME");
const QString Reserved = QStringLiteral("DRAWING - RESERVED AREAS");
const QString Scaling = QStringLiteral("SCALING - DRAWING OUTPUT");
const QString Trim = QStringLiteral("TRIM MARKS / PLOT ORIENTATION");
const QString PlotLength = QStringLiteral("PLOT LENGTH CONTROL");

// Choosing a standard sheet size (and setting the list's index, which
// fires the same event) clears the non-standard width and height.
void ClearNonStandardSize(PageContext &ctx, const ControlEntry &)
{
    ctx[QStringLiteral("Opt_15_Text")].text = QStringLiteral(" 0");
    ctx[QStringLiteral("Opt_16_Text")].text = QStringLiteral(" 0");
}

// The second box and its label only count while the first one is ticked.
void OnFileExtensionsClicked(PageContext &ctx, const ControlEntry &c)
{
    const bool checked = ctx[c.name].checked;
    ControlState &plus = ctx[QStringLiteral("Opt_71_CheckPlus")];
    plus.enabled = checked;
    ctx[QStringLiteral("lblCheckPlus")].enabled = checked;
    if (!checked)
        plus.checked = false;
}

// The PostScript size only counts when the plot file is PostScript.
void LayoutPostScriptSize(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    const bool postScript = ctx.Digit(71, 1) == 3;
    ctx.store.UnpackSwitch(14);
    if (postScript)
        ShowDigitsInList(ctx.store, ctx.prompts, 14, ctx[c.name], 3, 2, 11, 3);
    else
        ctx[c.name].index = NotPostScript;
}

void LayoutPlotFormat(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    ctx.store.UnpackSwitch(71);
    const int code = 10 * ctx.store.GetDigit(2) + ctx.store.GetDigit(1);
    int item = -1;
    for (int i = 0; i < int(std::size(PlotFormats)); ++i) {
        if (PlotFormats[i].code == code)
            item = i;
    }
    if (item < 0) {
        if (code <= 21)
            ReportOutOfRange(ctx.prompts, 71, 1, code, 9, 4);
        item = DxfItem;
    }
    ctx[c.name].index = item;
}

// Position 7 of switch 71: 1 the first box, 2 both boxes. Lays out
// Opt_71_CheckPlus too.
void LayoutFileExtensions(PageContext &ctx, const ControlEntry &c)
{
    const int d = ctx.Digit(71, 7);
    ControlState &box = ctx[c.name];
    ControlState &plus = ctx[QStringLiteral("Opt_71_CheckPlus")];
    box.checked = d == 1 || d == 2;
    plus.checked = d == 2;
    plus.enabled = box.checked;
    ctx[QStringLiteral("lblCheckPlus")].enabled = box.checked;
}

// Both lists of switch 14; a PostScript size also makes the plot file
// PostScript, until the plot file format list is read below.
void ReadSheetSizes(PageContext &ctx, const ControlEntry &c)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(14);
    int v = ctx[c.name].index;
    if (v <= 0)
        v = 2;
    SetRangeValue(s, 1, 2, v);
    const int w = ctx[QStringLiteral("Opt_14_Combo1")].index;
    if (w == NotPostScript || w < 0) {
        SetRangeValue(s, 3, 2, 0);
        ctx.Pack(14);
    } else {
        SetRangeValue(s, 3, 2, w);
        ctx.Pack(14);
        s.UnpackSwitch(71);
        s.SetDigit(1, 3);
        ctx.Pack(71);
    }
}

// Switches 15 and 16 are both zero or both set: the one set alone goes
// back to zero, with a message.
void PairRule(PageContext &ctx, const ControlEntry &)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(15);
    const bool a = RangeValue(s, 1, 4) != 0;
    s.UnpackSwitch(16);
    const bool b = RangeValue(s, 1, 4) != 0;
    if (a && !b) {
        ctx.prompts.Inform(PairRuleText(15));
        ctx[QStringLiteral("Opt_15_Text")].text = QStringLiteral("0");
        s.SetSwitchValue(15, 0);
    }
    if (b && !a) {
        ctx.prompts.Inform(PairRuleText(16));
        ctx[QStringLiteral("Opt_16_Text")].text = QStringLiteral("0");
        s.SetSwitchValue(16, 0);
    }
}

// Positions 1-6 and 8 from the plot file format, 7 from the two boxes.
void ReadPlotFormat(PageContext &ctx, const ControlEntry &c)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(71);
    const int item = ctx[c.name].index;
    if (item >= 0) {
        const PlotFormat &f = PlotFormats[item];
        SetRangeValue(s, 1, 2, f.code);
        s.SetDigit(3, 0);
        SetRangeValue(s, 4, 2, f.backingSheet ? f.code : 0);
        s.SetDigit(6, 0);
        s.SetDigit(8, 0);
    }
    const bool extensions = ctx[QStringLiteral("Opt_71_Check")].checked;
    const bool plus = ctx[QStringLiteral("Opt_71_CheckPlus")].checked;
    s.SetDigit(7, !extensions ? 0 : plus ? 2 : 1);
    ctx.Pack(71);
}

// A margin is the whole value of its switch, read back from the field's
// rightmost three characters. A stored value the field does not take (1000
// or more, say) is kept as long as the field shows it untouched.
void ReadMargin(PageContext &ctx, const ControlEntry &c)
{
    const QString t = ctx[c.name].text.trimmed();
    const int32_t stored = ctx.store.GetSwitchValue(c.switchNumber);
    if (t == QString::number(stored))
        return;
    const QString kept = t.right(c.keep);
    const std::optional<int16_t> v = RoundToInt16(NumericValue(kept));
    if (!v) {
        ctx.prompts.Inform(WholeValueText(kept, c.switchNumber, stored));
        return;
    }
    ctx.store.SetSwitchValue(c.switchNumber, *v);
}

void ReadAsciiText(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(138);
    ReadCheckToDigit(ctx.store, ctx[c.name], 4);
    ctx.store.SetDigit(5, 0);
    ctx.Pack(138);
}

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 0;
    p.window = QStringLiteral("XPlot_1");
    p.tabCaption = QStringLiteral("Plotted Iso");
    p.subPages = 2;
    p.panels = {
        {Paper, 1, 0, 0, 2},   {Margins, 1, 0, 1, 1}, {PlotFile, 1, 1, 1, 1},
        {FileScreen, 2, 0, 0, 2}, {DxfUnits, 2, 0, 1, 1}, {Frame, 2, 1, 1, 1},
        {Reserved, 2, 2, 0, 1}, {Scaling, 2, 2, 1, 1},  {Trim, 2, 3, 0, 1}, {PlotLength, 2, 3, 1, 1},
    };
    const QString sizes = QStringLiteral("Non standard paper size");
    const QString postScript = QStringLiteral("PostScript Paper Sizes");
    const QString scaleFrame = QStringLiteral("Scaling Factor (% of Standard)");
    const QString above = QStringLiteral("Distance above outer line of Drawing Frame");
    // The order is the order of layout and read-back.
    p.controls = {
        WholeTextControl("Opt_10_Text", 10, 1, 9, 3, "Left (mm)").In(Margins).Label("10").ReadBy(ReadMargin),
        WholeTextControl("Opt_11_Text", 11, 1, 9, 3, "Right (mm)").In(Margins).Label("11").ReadBy(ReadMargin),
        WholeTextControl("Opt_12_Text", 12, 1, 9, 3, "Top (mm)").In(Margins).Label("12").ReadBy(ReadMargin),
        WholeTextControl("Opt_13_Text", 13, 1, 9, 3, "Bottom (mm)").In(Margins).Label("13").ReadBy(ReadMargin),
        ListControl("Opt_14_Combo", 14, 1, 2, 10, 2, QString(), SheetSizes)
            .In(Paper).Key("sheet-size").Label("14").Unrestricted().ReadBy(ReadSheetSizes).OnChange(ClearNonStandardSize, true),
        ListControl("Opt_14_Combo1", 14, 3, 2, 11, 3, QString(), PostScriptSizes())
            .In(Paper).Framed(postScript).Help("HelpOS14").LayoutBy(LayoutPostScriptSize).OwnRead(),
        WholeTextControl("Opt_15_Text", 15, 1, 4, 4, "&Width (mm)").In(Paper).Framed(sizes).Label("15").Help("HelpOS15_16"),
        WholeTextControl("Opt_16_Text", 16, 1, 4, 4, "&Height (mm)").In(Paper).Framed(sizes).Label("16"),
        RuleStep("PairRule_15_16", 15, nullptr, PairRule),
        ListControl("Opt_71_Combo", 71, 1, 2, 9, 4, QString(), PlotFormatItems())
            .In(PlotFile).Key("plotfile-format").Label("71").LayoutBy(LayoutPlotFormat).ReadBy(ReadPlotFormat),
        CheckControl("Opt_71_Check", 71, 7, "i0&1 Type Extensions on all Filenames").In(PlotFile)
            .LayoutBy(LayoutFileExtensions).OwnRead().OnChange(OnFileExtensionsClicked),
        CheckControl("Opt_71_CheckPlus", 71, 7, "Append File Format type e&xtension").In(PlotFile).Own(),
        LabelControl("lblCheckPlus", "following i01 Type Extension").In(PlotFile),
        CheckControl("Opt_138_Check", 138, 4, "Use &ASCII text in DGN Plotfiles").In(PlotFile).Label("138").ReadBy(ReadAsciiText),
        TextControl("Opt_1_Text", 1, 1, 4, "0", "Maximum Plot &Length (mm's)")
            .In(PlotLength, 2).Label("1").Help("HelpOS1").NoDefaultOnRead(),
        CheckControl("Opt_3_Check", 3, 1, "Draw &Trim Marks").In(Trim, 2).Label("3").Whole(),
        CheckControl("Opt_18_Check", 18, 1, "Suppress Standard KARVEN &Drawing Frame").In(Frame, 2).Label("18").Whole(),
        OptionsControl("Opt_31_Option_A", 31, 1,
                    {"All Drawings to &one Plot File", "One &Plot File for each Drawing",
                     "Output to Terminal &Screen (OS69 in System Controls)",
                     "&Multiple Drgs On Separate Shts (VEXA/Shaped2D Only)"})
            .In(FileScreen, 2).Key("output-destination").Label("31"),
        OptionsControl("Opt_31_Option_B", 31, 2, {"Allocate &next available plot file name", "O&verwrite existing plot files"})
            .In(FileScreen, 2).Key("existing-plot-files"),
        TextControl("Opt_31_Pos345_Text", 31, 3, 3, "0", "Start Drawing &Number AFTER Drawing No:").In(FileScreen, 2),
        LabelControl("lblOpt31Explain1", "(i.e. 0 - First sheet commences at drawing number 1").In(FileScreen, 2),
        LabelControl("lblOpt31Explain2", "    x - First sheet commences at drawing number x+1)").In(FileScreen, 2),
        TextControl("Opt_32_Text", 32, 1, 3, "100", "&Finished Isometric size").In(Scaling, 2).Framed(scaleFrame)
            .Unit("%").Label("32 / 34"),
        TextControl("Opt_34_Text", 34, 1, 3, "100", "Pipeline &Graphics area").In(Scaling, 2).Framed(scaleFrame).Unit("%"),
        TextControl("Opt_35_Text_1", 35, 1, 3, "0", "Below Drawing &Area (mm's)").In(Reserved, 2).Framed(above).Label("35"),
        TextControl("Opt_35_Text_2", 35, 4, 3, "0", "Below Material L&ist (mm's)").In(Reserved, 2).Framed(above),
        TextControl("Opt_36_Text", 36, 1, 1, "1", "Stac&king Value").In(Trim, 2).Label("36"),
        CheckControl("Opt_37_Check", 37, 1, "Plot Across Paper &Roll").In(Trim, 2).Label("37").Whole(),
        OptionsControl("Opt_92_Option_A", 92, 1, {"Metric &Units - mm's", "Imperial Units - &Inches"})
            .In(DxfUnits, 2).Key("units").Label("92").Whole(),
    };
    p.tips = {
        {"HelpOS1", "1",
         "This Switch only applies to plotters having continuous paper feed. The output files to such devices "
         "can contain several plots and the value in this Switch defines the maximum allowable length of plot "
         "which the plotter can  process before a new plot file must be sent.",
         4000, 3500},
        {"HelpOS14", "14",
         "PostScript sizes only apply if PLOTFILE FORMAT (Switch 71) is set for PostScript output.\r\n\r\n"
         "The PostScript paper size may be set smaller than the Drawing Sheet Size set in the first part of "
         "this Switch. This allows you to select a large sheet size, say A2, to give KARVEN more room to "
         "achieve a good layout, but to plot the output scaled down to a more convenient paper size, say A3.",
         4000, 4000},
        {"HelpOS15_16", "15 and 16",
         "Switches 15 and 16 must be used together. They must both be set to suitable values or both be zero."
         "\r\n\r\nFor PostScript output the paper size must be set in Switch 14.",
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

QString PairRuleText(int changedSwitch)
{
    return QStringLiteral("Option Switches 15 & 16 must either both = 0 or both be > 0") + QLatin1Char('\r')
        + QStringLiteral("Switch ") + QString::number(changedSwitch) + QStringLiteral(" changed back to zero");
}

} // namespace XPlot_1

} // namespace swted
