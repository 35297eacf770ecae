#include "pages/XSystem_1.h"

#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"
#include "shell/Prompts.h"

namespace swted {

namespace XSystem_1 {

namespace {

const QString DateFormat = QStringLiteral("DATE FORMAT");
const QString MessageFile = QStringLiteral("MESSAGE FILE INFORMATION AND\nDISCONNECTED PIPELINE BEHAVIOUR");
const QString PageLength = QStringLiteral("PRINTED OUTPUT PAGE LENGTH");
const QString Terminal = QStringLiteral("TERMINAL TYPE (On Screen Display)");
const QString AngularOffset = QStringLiteral("MINIMUM ANGULAR OFFSET");
const QString DimensionalOffset = QStringLiteral("MINIMUM DIMENSIONAL OFFSET");
const QString RoundOff = QStringLiteral("DIMENSION ROUND OFF");
const QString Banner = QStringLiteral("KARVEN VERSION / RUN DATE");

const QStringList MessageFileItems = {
    QStringLiteral("Plot Messages"),
    QStringLiteral("Plot and Module run Messages"),
    QStringLiteral("Plot, Module run and DRAMLEX Messages"),
};
const QString TorvaItem = QStringLiteral("PREVAX, Plot, Module run and DRAMLEX Messages");
constexpr int TorvaDigit = 9;

// The terminal list in item order with the code each stands for. Codes 1
// and 2 have no item.
struct TerminalType {
    const char *text;
    int code;
};
const TerminalType Terminals[] = {
    {"Computer KARVEN Running On", 0},
    {"Tektronix 410X, 420X", 3},
    {"Westward 2000 & 2015 Mono", 4},
    {"Westward C2015 Colour", 5},
    {"IBM GDDM", 6},
    {"Apollo", 7},
    {"Tektronix 4111", 8},
    {"IBM PC emulating Tektronix 410X, 420X", 9},
    {"Westward 3220/2320", 10},
    {"VAX VWS", 11},
    {"HP Starbase", 12},
    {"HP Starbase with XWindows", 13},
    {"DEC Windows", 14},
    {"Workstation/ PC", 15},
    {"Silicon Graphics", 16},
};
constexpr int LastTerminalItem = int(std::size(Terminals)) - 1;

QStringList TerminalItems()
{
    QStringList items;
    for (const TerminalType &t : Terminals)
        items << QString::fromLatin1(t.text);
    return items;
}

// The year buttons: Option1 two digits, Option2 four (position 3 is 1).
void LayoutYear(PageContext &ctx, const ControlEntry &c)
{
    ctx[c.name].index = ctx.Digit(6, 3) == 1 ? 1 : 0;
}

void ReadYear(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(6);
    ctx.store.SetDigit(3, ctx[c.name].index == 0 ? 0 : 1);
    ctx.Pack(6);
}

// The fourth item, digit 9, is there only when the environment asks for it.
void LayoutMessageFile(PageContext &ctx, const ControlEntry &c)
{
    const bool torva = TorvaSwitchesOn();
    ctx.FillList(c.name, torva ? MessageFileItems + QStringList{TorvaItem} : MessageFileItems);
    ControlState &list = ctx[c.name];
    const int d = ctx.Digit(55, 1);
    if (d <= 2) {
        list.index = d;
    } else if (d == TorvaDigit && torva) {
        list.index = 3;
    } else {
        ReportOutOfRange(ctx.prompts, 55, 1, d, 2, 0);
        list.index = 0;
    }
}

void ReadMessageFile(PageContext &ctx, const ControlEntry &c)
{
    const int item = ctx[c.name].index;
    if (item < 0)
        return;
    ctx.store.UnpackSwitch(55);
    ctx.store.SetDigit(1, item == 3 ? TorvaDigit : item);
    ctx.Pack(55);
}

void LayoutTerminal(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    ctx.store.UnpackSwitch(69);
    const int v = RangeValue(ctx.store, 1, 3);
    const int item = TerminalItem(v);
    if (item >= 0) {
        ctx[c.name].index = item;
        return;
    }
    if (v == 1 || v == 2)
        ctx.prompts.Inform(TerminalRangeText(v));
    else
        ReportOutOfRange(ctx.prompts, 69, 1, v, 16, 0);
    ctx[c.name].index = 0;
}

void ReadTerminal(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(69);
    // No selection counts as the last item.
    SetRangeValue(ctx.store, 1, 3, TerminalCode(ctx[c.name].index));
    ctx.Pack(69);
}

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 4;
    p.window = QStringLiteral("XSystem_1");
    p.tabCaption = QStringLiteral("System");
    p.subPages = 1;
    p.panels = {
        {DateFormat, 1, 0, 0},    {Terminal, 1, 0, 1},      {MessageFile, 1, 1, 0, 1, 2},
        {PageLength, 1, 2, 0},    {RoundOff, 1, 2, 1},      {AngularOffset, 1, 3, 0},
        {Banner, 1, 3, 1},        {DimensionalOffset, 1, 4, 0},
    };
    const QString tolerance = QStringLiteral("~tolerance");
    // The order is the order of layout and read-back.
    p.controls = {
        ListControl("Opt_6_Combo", 6, 1, 1, 3, 0, QString(),
                 {"British Date Format eg 14 APR 96", "European Date Format eg 14/04/96",
                  "American Date Format eg 04/14/96", "No Plotted Date"})
            .In(DateFormat).Key("date-style").Label("6"),
        OptionsControl("Opt_6_Option", 6, 2, {"Use Date from Piping &Data File (IDF/PCF)", "Use &Computer System Date"})
            .In(DateFormat).Key("date-source"),
        OptionsControl("Option", 6, 3, {"Output &2 digit year", "Output &4 digit year"})
            .Buttons({"Option1", "Option2"}).In(DateFormat).Key("year-digits")
            .Across().Unrestricted().LayoutBy(LayoutYear).ReadBy(ReadYear),
        // Built with the TORVA item, so that the page is sized for it.
        ListControl("Opt_55_Combo", 55, 1, 1, 2, 0, "Message File receives Program Version and:",
                    MessageFileItems + QStringList{TorvaItem})
            .In(MessageFile).Key("message-file-content").Label("55").LayoutBy(LayoutMessageFile).ReadBy(ReadMessageFile),
        CheckControl("Check1", 55, 2,
                  "Display &message at location where increased tolerance used to connect pipeline (PREVAX only)")
            .In(MessageFile).Key("message-at-increased-tolerance").Framed(tolerance).Inverted(),
        CheckControl("Check2", 55, 3,
                  "Set pipeline to dis&connected when increased tolerance used to connect pipeline (PREVAX only)")
            .In(MessageFile).Key("disconnect-at-increased-tolerance").Framed(tolerance).Inverted(),
        TextControl("Opt_63_Text", 63, 1, 2, "0", "Printed Page &Length (Number of lines)")
            .In(PageLength).Label("63").NoDefaultOnRead(),
        ListControl("Opt_69_Combo", 69, 1, 3, 16, 0, "&Terminal Type", TerminalItems()).In(Terminal).Label("69").LayoutBy(LayoutTerminal).ReadBy(ReadTerminal),
        CheckControl("Opt_69_Check", 69, 4, "D&ual Screen Operation").In(Terminal),
        TextControl("Opt_115_Text", 115, 1, 3, "0", "Minimum &Angle to be treated as a real Skew (1/100 th degree)")
            .In(AngularOffset).Label("115").Wrapped(),
        TextControl("Opt_116_Text", 116, 1, 3, "0",
                 "Minimum Distance to be recognised as real m&ovement. (1/100 th mm)")
            .In(DimensionalOffset).Label("116").Wrapped(),
        OptionsControl("Opt_117_Option", 117, 1,
                    {"Do not carry \"&Round Off\" beyond Branches", "Add \"Round O&ff\" to next Dimension"})
            .In(RoundOff).Key("carry-over").Label("117"),
        OptionsControl("Opt_127_Option", 127, 1, {"&Banner to be plotted", "Banner &Not to be plotted"})
            .In(Banner).Key("plot-banner").Label("127"),
    };
    return p;
}

} // namespace

const PageDescription &Description()
{
    static const PageDescription definition = MakeDescription();
    return definition;
}

int TerminalCode(int item)
{
    return Terminals[item >= 0 && item <= LastTerminalItem ? item : LastTerminalItem].code;
}

int TerminalItem(int code)
{
    for (int i = 0; i <= LastTerminalItem; ++i) {
        if (Terminals[i].code == code)
            return i;
    }
    return -1;
}

QString TerminalRangeText(int value)
{
    return QStringLiteral("The value of Option Switch 69, starting at ") + QStringLiteral("position 1 was")
        + NumberText(value) + QStringLiteral(". This is outside ")
        + QStringLiteral("the allowable range of 0 or 3 to 16. The value will therefore ")
        + QStringLiteral("be set to the default value of 0.");
}

bool TorvaSwitchesOn()
{
    return qEnvironmentVariable("TORVA_SWITCHES").compare(QLatin1String("ON"), Qt::CaseInsensitive) == 0;
}

} // namespace XSystem_1

} // namespace swted
