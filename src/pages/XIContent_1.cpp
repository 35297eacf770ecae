#include "pages/XIContent_1.h"

#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"

namespace swted {

namespace XIContent_1 {

namespace {

const QString Supplementary = QStringLiteral("CO-ORDINATES SUPPLEMENTARY");
const QString TappedBranch = QStringLiteral("TAPPED- BRANCH CO-ORDINATES");
const QString Connection = QStringLiteral("CONNECTION CO-ORDINATES");
const QString Spools = QStringLiteral("SPOOL PIECE IDENTIFIERS");
const QString Instruments = QStringLiteral("INSTRUMENT IDENTIFICATION");
const QString Tagging = QStringLiteral("COMPONENT TAGGING ON GRAPHICS");
const QString OtherEnclosures = QStringLiteral("INSTRUMENT ID / OTHER ENCLOSURES");
const QString Assembly = QStringLiteral("ASSEMBLY NUMBERS");
const QString Insulation = QStringLiteral("INSULATION INDICATION");
const QString Tracing = QStringLiteral("TRACING INDICATION");
const QString FlangeAngles = QStringLiteral("FLANGE ROTATION ANGLES");
const QString FlowArrows = QStringLiteral("FLOW ARROWS on COMPONENTS");
const QString SupportTags = QStringLiteral("PIPE SUPPORT IDENTIFICATION");

const QStringList CoordinateOutput = {
    QStringLiteral("Only Output Elevations When Changed"),
    QStringLiteral("Suppress Elevations and Co-ordinates"),
    QStringLiteral("Output Elevations and Co-ordinates That Change"),
    QStringLiteral("Output A Full Set Of Co-ordinates"),
};

// Items 0 and 5 read the same; each stands for its own digit.
const QStringList TagEnclosures = {
    QStringLiteral("Square Ended Box Enclosure"),
    QStringLiteral("Diamond Ended Box Enclosure"),
    QStringLiteral("Round Ended Box Enclosure"),
    QStringLiteral("Triangular Enclosure (2 characters max)"),
    QStringLiteral("Diamond Enclosure (2 characters max)"),
    QStringLiteral("Square Ended Box Enclosure"),
    QStringLiteral("Circular Enclosure"),
    QStringLiteral("Elliptical Enclosure"),
    QStringLiteral("Hexagonal Enclosure"),
};

QStringList OtherEnclosureItems()
{
    QStringList items = TagEnclosures;
    items[0] = QStringLiteral("No Enclosure");
    return items;
}

const QStringList EnclosureSizes = {
    QStringLiteral("1 Character Fixed"),  QStringLiteral("2 Characters Fixed"), QStringLiteral("3 Characters Fixed"),
    QStringLiteral("4 Characters Fixed"), QStringLiteral("5 Characters Fixed"), QStringLiteral("6 Characters Fixed"),
    QStringLiteral("7 Characters Fixed"), QStringLiteral("8 Characters Fixed"), QStringLiteral("Variable Size"),
};

const QString EnclosureSizeCaption = QStringLiteral("Circle / Double Circle / Ellipse Enclosure Size");

// The spool identifier enclosure: position 3 holds the shape, 0 to 7 in
// list order or 9 for an ellipse; a circle (6) with the double-circle flag
// in position 8 is the double circle.
constexpr int CircleDigit = 6;
constexpr int EllipseDigit = 9;
constexpr int DoubleCircleItem = 8;
constexpr int EllipseItem = 9;
constexpr int LastPlainItem = 7;

void LayoutSpoolEnclosure(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(39);
    const int item = SpoolEnclosureItem(s.GetDigit(3), s.GetDigit(8));
    if (item < 0)
        ReportOutOfRange(ctx.prompts, 39, 3, s.GetDigit(3), LastPlainItem, 0);
    ctx[c.name].index = item < 0 ? 0 : item;
}

// Positions 3 and 8 together; position 4 between them keeps its digit.
void ReadSpoolEnclosure(PageContext &ctx, const ControlEntry &c)
{
    const int item = ctx[c.name].index;
    if (item < 0)
        return;
    const auto [shape, flag] = SpoolEnclosureDigits(item);
    ctx.store.UnpackSwitch(39);
    ctx.store.SetDigit(3, static_cast<int16_t>(shape));
    ctx.store.SetDigit(8, static_cast<int16_t>(flag));
    ctx.Pack(39);
}

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 6;
    p.window = QStringLiteral("XIContent_1");
    p.tabCaption = QStringLiteral("Iso Content");
    p.subPages = 3;
    p.panels = {
        {Supplementary, 1, 0, 0, 2}, {TappedBranch, 1, 0, 1}, {Connection, 1, 1, 1},
        {Spools, 2, 0, 0, 3},        {Instruments, 2, 0, 1},  {Tagging, 2, 1, 1},     {OtherEnclosures, 2, 2, 1},
        {Assembly, 3, 0, 0},         {FlangeAngles, 3, 0, 1}, {Insulation, 3, 1, 0},  {FlowArrows, 3, 1, 1},
        {Tracing, 3, 2, 0},          {SupportTags, 3, 2, 1},
    };
    // The order is the order of layout and read-back: switches 5, 66, 122,
    // 39, 59, 60, 64, 123, 17, 61, 62, 79, 124.
    p.controls = {
        LabelControl("lblOpt5Note",
                     "Check any of the boxes below to SUPPRESS co-ordinates at the various End/Connection types.")
            .In(Connection).Wrapped(),
        CheckControl("Opt_5_Check_A", 5, 1, "Continuation on another &Pipeline").In(Connection).Label("5"),
        CheckControl("Opt_5_Check_B", 5, 2, "Connection to Equipment &Nozzle Etc.").In(Connection),
        CheckControl("Opt_5_Check_C", 5, 3, "&Open End of pipework").In(Connection),
        CheckControl("Opt_5_Check_D", 5, 4, "Closed End of pipewor&k").In(Connection),
        CheckControl("Opt_5_Check_E", 5, 5, "&Vent position").In(Connection),
        CheckControl("Opt_5_Check_F", 5, 6, "&Drain position").In(Connection),
        CheckControl("Opt_5_Check_G", 5, 7, "Miscellaneo&us position").In(Connection),
        CheckControl("Opt_5_Check_H", 5, 8, "&Break-In Point").In(Connection),

        OptionsControl("Opt_66_Option_A", 66, 1,
                       {"Arrowed-out &message type", "Co-ordinates and Elevations to be output\nalong &Witness Lines"})
            .In(Supplementary).Framed("Output Type").Label("66"),
        ListControl("Opt_66_Pos2_Combo", 66, 2, 1, 3, 0, "&Co-ordinates && Elevation Output at Bends and Elbows",
                    CoordinateOutput)
            .In(Supplementary).CaptionAbove(),
        ListControl("Opt_66_Pos3_Combo", 66, 3, 1, 3, 0, "Co-ordinates && Elevation Output at Branch &Intersections",
                    CoordinateOutput)
            .In(Supplementary).CaptionAbove(),
        ListControl("Opt_66_Pos4_Combo", 66, 4, 1, 2, 0, "Co-ords/Continuation Messa&ge At Drawing Split Points",
                    {"Co-ords Not Output - Msg At End Of Continuation Comp.",
                     "Co-ords Output (Full Set) - Msg At Drawing Split Point",
                     "Co-ords Not Output - Message At Drawing Split Point"})
            .In(Supplementary).CaptionAbove().Unrestricted(),
        CheckControl("Opt_66_Pos5_Check", 66, 5, "Displa&y Co-ordinates at Reference Items").In(Supplementary).Unrestricted(),
        ListControl("Opt_66_Pos6_Combo", 66, 6, 1, 4, 0, "Coordinates at Pipe &Supports:",
                    {"Co-ordinates Not Output At Pipe Supports", "Co-ordinates Output At Fabrication Pipe Supports Only",
                     "Co-ordinates Output At Erection Pipe Supports Only",
                     "Co-ordinates Output At Offshore Pipe Supports Only", "Co-ordinates Output At All Pipe Supports"})
            .In(Supplementary).CaptionAbove(),
        ListControl("Opt_66_Pos7_Combo", 66, 7, 1, 2, 0, "Coordinates at &Location Points:",
                    {"Co-ordinates Not Output At Location Points", "World Co-ordinates Output At Location Points",
                     "Co-ords Relative to Ref.Plane Output At Location Points"})
            .In(Supplementary).CaptionAbove(),
        ListControl("Opt_66_Pos8_Combo", 66, 8, 1, 1, 0, "World or &Relative Coordinates:",
                    {"World Co-ordinates Output", "Co-ordinates Relative to Reference Plane Output"})
            .In(Supplementary).CaptionAbove(),

        CheckControl("Opt_122_Check", 122, 1, "Display Co-ordinates at Tapped Branc&hes").In(TappedBranch).Label("122"),

        OptionsControl("Opt_39_Option_A", 39, 1,
                       {"Use Numeric Se&quence for Identifiers", "Suppress &Identifiers ",
                        "&Use Alphabetic Sequence for Identifiers"})
            .In(Spools, 2).Key("identifier-type").Framed("~identifiers").Label("39"),
        OptionsControl("Opt_39_Option_B", 39, 2,
                       {"Spool Identifier sequence to continue &on each new DRG",
                        "Spool Identifiers to re-commence at &1 on each new DRG"})
            .In(Spools, 2).Key("sequence-on-new-drawing").Framed("~sequence"),
        ListControl("Opt_39_Combo", 39, 3, 1, LastPlainItem, 0, "&Box Enclosure Shape",
                    {"Square Brackets", "Diamond Ended Box", "Round Ended Box", "Triangular Shaped Enclosure",
                     "Diamond Shaped Enclosure", "Square Ended Box", "Circle", "No Enclosure", "Double Circle", "Ellipse"})
            .In(Spools, 2).CaptionAbove().LayoutBy(LayoutSpoolEnclosure).ReadBy(ReadSpoolEnclosure),
        OptionsControl("Opt_39_Option_C", 39, 5,
                       {"&Spool ID", "Pipeline &Reference (Automatic if no User Spool ID's)",
                        "&Pipeline File Name (Automatic if no User Spool ID's)"})
            .In(Spools, 2).Framed("Spool Drawing Identifier"),
        ListControl("OPt_39_Combo_F", 39, 6, 1, 2, 0, "Pipe Spool &Definition User Defined",
                    {"No Spool IDs For Lone Fab Components", "Spool IDs For Lone Fab Components",
                     "User Defined Pipe Spools"})
            .In(Spools, 2).CaptionAbove().Unrestricted(),
        CheckControl("Opt_39_Check_3", 39, 7, "Suppress Spool Brea&ks At Fabrication Unions").In(Spools, 2),
        ListControl("Opt_39_Combo_I", 39, 9, 1, 8, 0, "&" + EnclosureSizeCaption, EnclosureSizes)
            .In(Spools, 2).CaptionAbove().Unrestricted(),

        OptionsControl("Opt_59_Option", 59, 1,
                       {"Use Instrument (Tag) Name on Material &List", "Use Instrument Item Code on &Material List"})
            .In(Instruments, 2).Key("tag-or-item-code").Label("59"),

        OptionsControl("Opt_60_Option", 60, 1,
                       {"Do not plot Ta&gs / Names", "Plot Tags / Names in bo&xes", "Plot Tags / Names &without boxes"})
            .In(Tagging, 2).Key("tag-plotting").Label("60"),
        ListControl("Opt_60_Pos3_Combo", 60, 3, 1, 8, 0, "Enclosure S&hape", TagEnclosures).In(Tagging, 2).CaptionAbove(),

        ListControl("Opt_64_Combo", 64, 1, 1, 5, 0, QString(),
                    {"No Tags on Iso & Specific'n Ref in BOM", "Unboxed Tags on Iso & Tags in BOM",
                     "Boxed Tags on Iso & Specific'n Ref in BOM", "Unboxed Tags on Iso only", "Boxed Tags on Iso only",
                     "No Tags on Iso & Supports excluded from BOM"})
            .In(SupportTags, 3).Key("support-tags").Label("64").Help("Label31").HelpStaysOpen(),
        ListControl("Opt_64_Pos3_Combo", 64, 3, 1, 8, 0, QString(), TagEnclosures).In(SupportTags, 3).Key("enclosure-shape"),

        ListControl("Opt_123_Combo_A", 123, 1, 1, 5, 0, "Number of characters per line in Balloon (&2 lines Max.)",
                    {"No Balloon around Instrument Name", "1 Character maximum on line", "2 Characters maximum on line",
                     "3 Characters maximum on line", "4 Characters maximum on line", "5 Characters maximum on line"})
            .In(OtherEnclosures, 2).Label("123").CaptionAbove().Unrestricted(),
        ListControl("Opt_123_Combo_B", 123, 3, 1, 8, 0, "E&nclosure Shape", OtherEnclosureItems())
            .In(OtherEnclosures, 2).CaptionAbove(),
        ListControl("Opt_123_Combo_C", 123, 4, 1, 1, 0, "Location Point Message St&yle:",
                    {"Message preceded by special text symbol", "Message in Square ended Box Enclosure"})
            .In(OtherEnclosures, 2).CaptionAbove(),

        CheckControl("Opt_17_Check", 17, 1, "Do NOT show Flow Arrows on &Components").In(FlowArrows, 3).Label("17"),

        OptionsControl("Opt_61_Option", 61, 1,
                       {"Show Insulation alongside Pipe &only.", "Suppress &Insulation indication",
                        "Show Insulation alongside &Pipe and Components."})
            .In(Insulation, 3).Key("insulation-display").Label("61"),
        OptionsControl("Opt_62_Option", 62, 1,
                       {"S&how Tracing alongside Pipe only.", "Suppress Tracin&g indication",
                        "Show Tracing a&longside Pipe and Components."})
            .In(Tracing, 3).Key("tracing-display").Label("62"),

        ListControl("Opt_79_Combo_A", 79, 1, 1, 2, 0, "Nu&meric / Alphanumeric / None",
                    {"No output", "Numeric identifiers", "Alpha identifiers"})
            .In(Assembly, 3).Label("79").Unrestricted(),
        ListControl("Opt_79_Combo_B", 79, 2, 1, 1, 0, "Per &Drawing / Per Pipeline",
                    {"Identification per drawing", "Identification per pipeline"})
            .In(Assembly, 3).Unrestricted(),
        ListControl("Opt_79_Combo_C", 79, 3, 1, 8, 0, "Enclosure &Shape",
                    {"Square Ended Box", "Diamond Ended Box", "Round Ended Box", "No Enclosure", "Triangular enclosure",
                     "Diamond enclosure", "Circle", "Double Circle", "Ellipse"})
            .In(Assembly, 3).Unrestricted(),
        ListControl("Opt_79_Combo_D", 79, 4, 1, 1, 0, "Assem&bly Table", {"No Assembly Table", "Assembly Table On Drawing"})
            .In(Assembly, 3).Unrestricted(),
        ListControl("Opt_79_Combo_I", 79, 9, 1, 8, 0, "Circle / Do&uble Circle / Ellipse Enclosure Size", EnclosureSizes)
            .In(Assembly, 3).Unrestricted(),

        OptionsControl("Opt_124_Option", 124, 1, {"&No Flange Rotation Angles", "Display Flange &Rotation Angles"})
            .In(FlangeAngles, 3).Key("angle-display").Label("124"),
        ListControl("Opt_124_Combo", 124, 2, 1, 3, 0, QString(),
                    {"No Enclosure Box around Angle", "Diamond ended Enclosure Box", "Round ended Enclosure Box",
                     "Square ended Enclosure Box"})
            .In(FlangeAngles, 3).Key("angle-enclosure"),
    };
    p.tips = {
        {"Label31", "64",
         "This switch allows users to define whether Support Names (Tags) "
         "are shown on the Iso and whether they are Boxed or Un-Boxed. "
         "It also controls whether Supports have entries in the Material "
         "List (BOM), and whether the Tag or the Specification Reference "
         "(Item Code) is shown in the Item Code Field.",
         3000, 4000},
    };
    return p;
}

} // namespace

const PageDescription &Description()
{
    static const PageDescription definition = MakeDescription();
    return definition;
}

int SpoolEnclosureItem(int position3, int position8)
{
    if (position3 == EllipseDigit)
        return EllipseItem;
    if (position3 == CircleDigit && position8 == 1)
        return DoubleCircleItem;
    return position3 >= 0 && position3 <= LastPlainItem ? position3 : -1;
}

std::pair<int, int> SpoolEnclosureDigits(int item)
{
    if (item == DoubleCircleItem)
        return {CircleDigit, 1};
    if (item == EllipseItem)
        return {EllipseDigit, 0};
    return {item, 0};
}

} // namespace XIContent_1

} // namespace swted
