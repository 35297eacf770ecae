#include "pages/XMaterials_1.h"

#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"
#include "pages/UserFontGroup.h"

namespace swted {

namespace XMaterials_1 {

namespace {

const QString ListType = QStringLiteral("TYPE OF MATERIAL LIST");
const QString TextSize = QStringLiteral("TEXT SIZE");
const QString LineSpacing = QStringLiteral("LINE SPACING");
const QString ItemCode = QStringLiteral("ITEM CODE LENGTH");
const QString Descriptions = QStringLiteral("MATERIAL LIST DESCRIPTIONS");
const QString Position = QStringLiteral("POSITION of MATERIAL LIST and TITLE");
const QString CutPieces = QStringLiteral("CUT PIECE CONTROL");
const QString AddOns = QStringLiteral("CUT PIECE ADD-ON ALLOWANCES");
const QString LengthUnits = QStringLiteral("DRAWING - LENGTH UNITS");
const QString Bolting = QStringLiteral("BOLTING UNITS");
const QString Continuation = QStringLiteral("CONTINUATION METHOD");
const QString Accumulation = QStringLiteral("ACCUMULATION CONTROL");
const QString Wastage = QStringLiteral("PIPE WASTAGE FACTORS - AREAS 1 to 9");

const QString TextSizeList = QStringLiteral("Opt_27_Combo");
const QString UserSizeFrame = QStringLiteral("FramMatUserTextSize");
const QString UserSizeTens = QStringLiteral("TxtMatUserTxtSize1"); // position 2
const QString UserSizeUnits = QStringLiteral("TxtMatUserTxtSize2"); // position 1
const QString BendingBasic = QStringLiteral("SSChkSSOpt2Pos6To0");
const QString BendingProfiles = QStringLiteral("SSChkopt2Pos6To1");
const QString PartNumbersBox = QStringLiteral("opt_24_check");

const QStringList Enclosures = {
    "Pointed Brackets",        "Diamond Ended Box",         "Round Ended Box",      "Triangular Enclosure",
    "Diamond Enclosure",       "Square Ended Box",          "Circular Enclosure",   "Double Circular Enclosure",
    "Elliptical Enclosure",    "Double Elliptical Enclosure", "Hexagonal Ended Box",
};
// Positions 7 and 8 of each entry.
const EnclosureDigits EnclosureTable[] = {
    {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {6, 1}, {7, 0}, {7, 1}, {8, 0},
};
constexpr int LargestEnclosureDigit = 8;

const QStringList Styles = {
    "Style 1 Material List", "Style 2 Material List", "Style 3 Material List", "Style 4 Material List",
};
constexpr int LargestStyleDigit = 4;

// The text size list: a standard size is written at once into positions 1
// and 2 (position 2 = 0); "User Specified Size" opens the user size fields,
// which show what the switch holds, and stores nothing.
void OnTextSizeChosen(PageContext &ctx, const ControlEntry &c)
{
    const int index = ctx[c.name].index;
    if (index < 0)
        return;
    const QString chosen = ctx[c.name].items.value(index);
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(27);
    if (chosen.compare(TextSizeItems().value(UserSizeItem), Qt::CaseInsensitive) != 0) {
        s.SetDigit(2, 0);
        s.SetDigit(1, static_cast<int16_t>(index));
        ctx.Pack(27);
        ctx[UserSizeFrame].visible = false;
        return;
    }
    // The fields show the user size the switch holds; for a list size they
    // are empty, waiting for one.
    ctx[UserSizeFrame].visible = true;
    ShowUserSizeDigits(s, ctx[UserSizeTens], ctx[UserSizeUnits]);
}

// Switch 27 positions 1 and 2: a user size when position 2 is set, else a
// standard size from the list. Choosing the list's item is its selection
// event, which stores the shown size at once.
void LayoutTextSize(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(27);
    if (s.GetDigit(2) != 0) {
        // The user size: the frame, its item and the two digits.
        ctx[c.name].index = UserSizeItem;
        ctx[UserSizeFrame].visible = true;
        ShowUserSizeDigits(s, ctx[UserSizeTens], ctx[UserSizeUnits]);
        return;
    }
    ShowDigitsInList(s, ctx.prompts, 27, ctx[c.name], 1, 1, c.maximum, c.defaultValue);
    ctx[UserSizeFrame].visible = false;
    ctx[UserSizeTens].text.clear();
    ctx[UserSizeUnits].text.clear();
    OnTextSizeChosen(ctx, c);
}

// Typing a user size stores it at once: both digits, once the whole
// millimetres are 1 to 9. A field holds one digit; anything else typed
// there is not stored (the view lets only one digit be typed).
void OnUserSizeTyped(PageContext &ctx, const ControlEntry &c)
{
    ctx.store.UnpackSwitch(27);
    if (TypeUserSize(ctx.store, ctx.prompts, ctx[UserSizeTens], ctx[UserSizeUnits], c.name == UserSizeTens)
        == UserSizeTyped::Stored)
        ctx.Pack(27);
}

// Positions 1 and 2 are stored by the list and the fields as they change;
// the user font group writes positions 7 to 9 before this.
void PackTextSizeSwitch(PageContext &ctx, const ControlEntry &)
{
    ctx.store.UnpackSwitch(27);
    ctx.Pack(27);
}

// Switch 23 position 3: the style list. A 0 and a 1 both stand for style 1.
void LayoutStyle(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    const int d = ctx.Digit(23, 3);
    int entry = StyleEntry(d);
    if (entry < 0) {
        ReportOutOfRange(ctx.prompts, 23, 3, d, LargestStyleDigit, 0);
        entry = 0;
    }
    ctx[c.name].index = entry;
}

void ReadStyle(PageContext &ctx, const ControlEntry &c)
{
    const int entry = ctx[c.name].index;
    if (entry < 0)
        return;
    ctx.store.UnpackSwitch(23);
    ctx.store.SetDigit(3, static_cast<int16_t>(StyleDigit(entry)));
    ctx.Pack(23);
}

// Switch 2 position 6: two boxes that act as a pair, the basic output for
// 0 and the output with holes and end profiles for any other digit.
void LayoutBending(PageContext &ctx, const ControlEntry &)
{
    const int d = ctx.Digit(2, 6);
    ctx[BendingBasic].checked = d == 0;
    ctx[BendingProfiles].checked = d != 0;
}

void OnBendingClicked(PageContext &ctx, const ControlEntry &c)
{
    if (ctx[c.name].checked)
        ctx[c.name == BendingBasic ? BendingProfiles : BendingBasic].checked = false;
}

// With neither box ticked the stored digit stays.
void ReadBending(PageContext &ctx, const ControlEntry &)
{
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(2);
    // One look-up at a time: a look-up may add a control to the state and
    // move the others.
    if (ctx[BendingBasic].checked) {
        ctx[BendingProfiles].checked = false;
        s.SetDigit(6, 0);
    }
    if (ctx[BendingProfiles].checked) {
        ctx[BendingBasic].checked = false;
        s.SetDigit(6, 1);
    }
    ctx.Pack(2);
}

// Switch 2 positions 7 and 8: the cut piece identifier enclosure.
void LayoutEnclosure(PageContext &ctx, const ControlEntry &c)
{
    ctx.FillList(c.name, c.items);
    SwitchStore &s = ctx.store;
    s.UnpackSwitch(2);
    const int p7 = s.GetDigit(7);
    int entry = EnclosureEntry(p7, s.GetDigit(8));
    if (entry < 0) {
        ReportOutOfRange(ctx.prompts, 2, 7, p7, LargestEnclosureDigit, 0);
        entry = 0;
    }
    ctx[c.name].index = entry;
}

void ReadEnclosure(PageContext &ctx, const ControlEntry &c)
{
    const int entry = ctx[c.name].index;
    if (entry < 0)
        return;
    const EnclosureDigits d = EnclosureDigitsOf(entry);
    ctx.store.UnpackSwitch(2);
    ctx.store.SetDigit(8, 0);
    ctx.store.SetDigit(7, static_cast<int16_t>(d.position7));
    ctx.store.SetDigit(8, static_cast<int16_t>(d.position8));
    ctx.Pack(2);
}

// Switch 24 position 1 holds both the list per drawing or pipeline (the
// buttons) and the spool part number match (the box): 0 and 1 without the
// box, 2 and 3 with it.
void LayoutListPer(PageContext &ctx, const ControlEntry &c)
{
    int d = ctx.Digit(24, 1);
    const bool matched = d == 2 || d == 3;
    ctx[PartNumbersBox].checked = matched;
    if (matched)
        d -= 2;
    ctx[c.name].index = d == 0 ? 0 : 1;
}

void ReadListPer(PageContext &ctx, const ControlEntry &c)
{
    const int perPipeline = ctx[c.name].index == 0 ? 0 : 1;
    ctx.store.UnpackSwitch(24);
    ctx.store.SetDigit(1, static_cast<int16_t>(perPipeline + (ctx[PartNumbersBox].checked ? 2 : 0)));
    ctx.Pack(24);
}

QStringList AccumulationItems(const QString &kind)
{
    return {kind + QStringLiteral(" items accumulated normally"), QStringLiteral("Accumulate Pipe only"),
            QStringLiteral("Suppress all ") + kind + QStringLiteral(" items"),
            QStringLiteral("Non-Accumulation of All items"), QStringLiteral("Non-Accumulation of Pipe only")};
}

QStringList ThreeWayItems(const QString &kind)
{
    return {kind + QStringLiteral(" accumulated normally"), kind + QStringLiteral(" not accumulated"),
            QStringLiteral("Suppress ") + kind};
}

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 2;
    p.window = QStringLiteral("XMaterials_1");
    p.tabCaption = QStringLiteral("Material List");
    p.subPages = 5;
    p.panels = {
        {ListType, 1, 0, 0, 1, 2},
        {TextSize, 1, 1, 0, 3, 1}, {LineSpacing, 1, 1, 1}, {ItemCode, 1, 2, 1}, {Descriptions, 1, 3, 1},
        {Position, 1, 4, 0, 1, 2},
        {CutPieces, 2, 0, 0, 2, 1}, {AddOns, 2, 0, 1}, {LengthUnits, 2, 1, 1},
        {Bolting, 3, 0, 0}, {Continuation, 3, 1, 0},
        {Accumulation, 4, 0, 0},
        {Wastage, 5, 0, 0},
    };
    const QString layouts = QStringLiteral("Layout Options for Style 2 and Special Material Lists");
    const QString userSize = QStringLiteral("Text Size");
    const QString bending = QStringLiteral("Bending File Information");
    // The order is the order of layout and read-back: switches 23, 25, 26,
    // 27 (text size, then the user fonts), 28, 29, 2, 22, 24, 30, 65, 74 and
    // 43 to 51.
    p.controls = {
        CheckControl("Opt_23_Check_A", 23, 1, "Material &List OFF").In(ListType).Label("23"),
        ListControl("Opt_23_Combo_A", 23, 2, 1, 2, 0, QString(),
                    {"Use normal Material List", "Use Special Material List",
                     "Normal Material List with Alpha pointers"})
            .In(ListType).Key("list-type"),
        ListControl("Opt_23_Combo_B", 23, 3, 1, LargestStyleDigit, 0, QString(), Styles)
            .In(ListType).Key("list-style").LayoutBy(LayoutStyle).ReadBy(ReadStyle),
        CheckControl("Opt_23_Check_B", 23, 4, "&User Defined Material Control File").In(ListType),
        OptionsControl("Opt_23_Option", 23, 5,
                       {"&Continuous style listing without Headings and Sub-headings. No dividing lines",
                        "&Standard Sectionalised type with Group Headings and Component sub-Group Headings.",
                        "Continuous style listing &without Headings and Sub-headings"})
            .In(ListType).Framed(layouts),

        OptionsControl("Opt_25_Option_A", 25, 1,
                       {"Material List printed on the Left &Hand side", "Material List printed on the &Right Hand side"})
            .In(Position).Key("list-side").Label("25").Across(),
        OptionsControl("Opt_25_Option_B", 25, 2,
                       {"Title Block &in bottom right hand corner", "Title Block at bottom of &Material List",
                        "Title Bloc&k to be suppressed"})
            .In(Position).Key("title-block-position"),

        CheckControl("Opt_26_Check_A", 26, 1, "&Do NOT print Item Descriptions on Material List").In(Descriptions).Label("26"),
        CheckControl("Opt_26_Check_B", 26, 2, "Do NOT insert &blank lines after Single Line entries.").In(Descriptions),

        ListControl("Opt_27_Combo", 27, 1, 1, 5, 0, QString(), TextSizeItems())
            .In(TextSize).Key("character-size").Label("27").LayoutBy(LayoutTextSize).OwnRead().OnChange(OnTextSizeChosen),
        // The frame of the user size: position 2, a dot, position 1, "(mm)".
        TextControl("TxtMatUserTxtSize1", 27, 2, 1, QString(), userSize)
            .In(TextSize).Key("user-size-whole-mm")
            .Own().OwnBuild().Unrestricted().Unit("mm").Takes(1, 9).OnChange(OnUserSizeTyped),
        TextControl("TxtMatUserTxtSize2", 27, 1, 1, QString(), userSize)
            .In(TextSize).Key("user-size-tenths")
            .Own().OwnBuild().Unrestricted().Unit("tenths of a mm").OnChange(OnUserSizeTyped),
        // The user font group: its set-up follows the text size, its read-back
        // writes positions 7 to 9.
        OwnControl("FramMatFont", 27).In(TextSize).Caption("User Defined Fonts").Unrestricted()
            .LayoutBy(fontrules::SetUpMaterialList).ReadBy(fontrules::ReadMaterialList),
        CheckControl("ChkMaterialsFontFile", 27, 7, "&On / Off").In(TextSize).Key("user-fonts-on").Own().OwnBuild().Unrestricted()
            .OnChange(fontrules::MaterialListCheckClicked),
        ListControl("CmbMaterialsUserFontType", 27, 7, 3, 0, 0, QString(), {})
            .In(TextSize).Key("user-font").Own().OwnBuild().Unrestricted()
            .OnChange(fontrules::MaterialListSelected),
        RuleStep("Pack_27", 27, nullptr, PackTextSizeSwitch),

        TextControl("Opt_28_Text", 28, 1, 2, "0", "&Number of Characters in Item Code")
            .In(ItemCode).Label("28").NoDefaultOnRead().Unrestricted(),
        TextControl("Opt_29_Text", 29, 1, 3, "100", "Line S&pacing - % of Standard").In(LineSpacing).Label("29"),

        ListControl("Opt_2_Combo_A", 2, 1, 1, 2, 0, QString(),
                    {"No Cut Piece List Identifiers", "Cut Piece List with Identifiers per Pipeline",
                     "Cut Piece List with Identifiers per Drawing"})
            .In(CutPieces, 2).Key("cut-piece-identifiers").Label("2"),
        CheckControl("Opt_2_Check_A", 2, 2, "&New Style Cut Piece List").In(CutPieces, 2),
        ListControl("Opt_2_Combo_B", 2, 3, 1, 1, 0, QString(),
                    {"Use Numeric Cut-Piece Identifiers", "Use Alphabetic Cut-Piece Identifiers"})
            .In(CutPieces, 2).Key("identifier-type"),
        CheckControl("Opt_2_Check_B", 2, 4, "Cut Lengths in &Decimal Inches").In(CutPieces, 2),
        ListControl("Opt_2_Combo_C", 2, 5, 1, 2, 0, QString(),
                    {"Set-on Branch - Calc. to actual Connection Point",
                     "Set-on Branch - Calc. to Centre Line of main run",
                     "Set-on Branch - Calc. to actual Coordinates provided"})
            .In(CutPieces, 2).Key("set-on-branch-calculation"),
        CheckControl("SSChkSSOpt2Pos6To0", 2, 6, "&Basic Bending / Cutting Output Details")
            .In(CutPieces, 2).Framed(bending).Unrestricted().LayoutBy(LayoutBending).ReadBy(ReadBending)
            .OnChange(OnBendingClicked).OwnBuild(),
        CheckControl("SSChkopt2Pos6To1", 2, 6,
                     "Basic Bending / Cutting Output Details With &Hole And End Profile Information")
            .In(CutPieces, 2).Key("hole-and-end-profiles")
            .Framed(bending).Unrestricted().Own().OnChange(OnBendingClicked).OwnBuild(),
        ListControl("Opt_2_Combo_D", 2, 7, 2, LargestEnclosureDigit, 0, "Cut Piece Identifier - Enclosure &Style:",
                    Enclosures)
            .In(CutPieces, 2).CaptionAbove().LayoutBy(LayoutEnclosure).ReadBy(ReadEnclosure),
        ListControl("Opt_2_Combo_E", 2, 9, 1, 3, 0, "Display of Additional Materials in &Cut List:",
                    {"No Entry to Cut List for Additional Material",
                     "Entry to Cut List for Additional Material (PIPE)",
                     "Entry to Cut List for Additional Material (MISC)",
                     "Entry to Cut List for Additional Material (PIPE & MISC)"})
            .In(CutPieces, 2).CaptionAbove(),

        TextControl("Opt_22_Text_A", 22, 1, 3, "0", "FFW/Loose Flange, &On-Shore").In(AddOns, 2).Label("22"),
        TextControl("Opt_22_Text_B", 22, 4, 3, "0", "FF&W/Loose Flange, Off-Shore").In(AddOns, 2),
        TextControl("Opt_22_Text_C", 22, 7, 3, "0", "Sho&p Test Weld Allowance").In(AddOns, 2),

        OptionsControl("Opt_24_Option", 24, 1,
                       {"Material List per &isometric drawing", "Material &List per Pipeline"})
            .In(LengthUnits, 2).Key("material-list-per").Label("24").LayoutBy(LayoutListPer).ReadBy(ReadListPer),
        CheckControl("opt_24_check", 24, 1, "Spool Iso Part Nos. to &match Full Iso Part Nos.").In(LengthUnits, 2).Own(),
        ListControl("Opt_24_Combo", 24, 2, 1, 3, 0, QString(),
                    {"Pipe lengths to 1 decimal place (e.g. 1.6' or 3.2M)",
                     "Pipe lengths in MM or Feet and Inches (e.g. 10'5'')",
                     "Pipe lengths to 3 dec. places ( e.g. 1.125' or 3.875M)",
                     "Pipe lengths matching OS41. (e.g. 10'4.3/16'')"})
            .In(LengthUnits, 2).Key("pipe-length-format"),

        // Each button is continued by a label of its own under it.
        OptionsControl("Opt_30_Option", 30, 1,
                       {"Automatic &overflow onto a second Material",
                        "&Gives second 'Dummy' isometric with Overflow",
                        "Gives second 'D&ummy' isometric with Overflow"})
            .In(Continuation, 3).Key("overflow-method").Label("30").OwnBuild(),
        CheckControl("Opt_30_Check", 30, 2, "Add 'D&RG 1 OF 1' to any single sheet isometrics").In(Continuation, 3),

        ListControl("Opt_65_Combo_A", 65, 1, 1, 2, 0, "Bolt &Length Units",
                    {"O.S. 41 Units Setting is followed", "For Inch Lengths", "For mm. Lengths"})
            .In(Bolting, 3).Label("65"),
        ListControl("Opt_65_Combo_B", 65, 2, 1, 2, 0, "Bolt &Diameter Units",
                    {"O.S. 41 Units Setting is followed", "For Inch Diameters", "For mm. Diameters"})
            .In(Bolting, 3),
        CheckControl("Opt_65_Check", 65, 3, "&Suppress the output of Bolts to the Material Control File").In(Bolting, 3),

        // Six frames of buttons side by side. Twenty-four buttons cannot all
        // have keys of their own: each frame's title carries the access key,
        // the arrow keys move between its buttons.
        OptionsControl("Opt_74_Option_A", 74, 1, AccumulationItems("Fabrication"))
            .In(Accumulation, 4).Caption("Fa&brication Materials").Label("74").OwnBuild(),
        OptionsControl("Opt_74_Option_B", 74, 2, AccumulationItems("Erection"))
            .In(Accumulation, 4).Caption("E&rection Materials").OwnBuild(),
        OptionsControl("Opt_74_Option_C", 74, 3, AccumulationItems("Offshore"))
            .In(Accumulation, 4).Caption("&Offshore Materials").OwnBuild(),
        OptionsControl("Opt_74_Option_D", 74, 4, ThreeWayItems("Gaskets")).In(Accumulation, 4).Caption("&Gaskets").OwnBuild(),
        OptionsControl("Opt_74_Option_E", 74, 5, ThreeWayItems("Bolts")).In(Accumulation, 4).Caption("Bo&lts").OwnBuild(),
        OptionsControl("Opt_74_Option_F", 74, 6, ThreeWayItems("Welds")).In(Accumulation, 4).Caption("&Welds").OwnBuild(),

        LabelControl("lblWastageNote1",
                     "Multipliers to be applied to the Pipe Wastage Factors specified in the Piping Data File "
                     "(IDF or PCF) for each Area.")
            .In(Wastage, 5).Wrapped(),
        LabelControl("lblWastageNote2", "(Enter Zero to turn off Pipe Wastage Allowance)").In(Wastage, 5),
    };
    for (int area = 1; area <= 9; ++area) {
        const int n = 42 + area;
        p.controls.append(TextControl(QStringLiteral("Opt_%1_Text").arg(n), n, 1, 2, "0",
                                      QStringLiteral("Multiplier for Area &%1").arg(area))
                              .In(Wastage, 5).Label(QString::number(n)).OwnBuild());
    }
    return p;
}

} // namespace

const PageDescription &Description()
{
    static const PageDescription definition = MakeDescription();
    return definition;
}

QStringList TextSizeItems()
{
    return {"Medium Sized Characters (2.4mm)",      "Small Sized Characters (2.1mm)",
            "Large Sized Characters (2.8mm)",       "Extra Large Sized Characters (3.5mm)",
            "Extra Large Sized Characters (4.2mm)", "Extra Large Sized Characters (4.9mm)",
            "User Specified Size"};
}

int EnclosureEntry(int position7, int position8)
{
    if (position7 < 0 || position7 > LargestEnclosureDigit)
        return -1;
    const bool doubled = position8 == 1;
    if (position7 <= 5)
        return position7;
    if (position7 == 6)
        return doubled ? 7 : 6;
    if (position7 == 7)
        return doubled ? 9 : 8;
    return 10;
}

EnclosureDigits EnclosureDigitsOf(int entry)
{
    if (entry < 0 || entry >= int(std::size(EnclosureTable)))
        return {0, 0};
    return EnclosureTable[entry];
}

int StyleEntry(int digit)
{
    if (digit < 0 || digit > LargestStyleDigit)
        return -1;
    return digit <= 1 ? 0 : digit - 1;
}

int StyleDigit(int entry) { return entry <= 0 ? 0 : entry + 1; }

QString ContinuationText(int button)
{
    switch (button) {
    case 0:
        return QStringLiteral("List plotted alongside the first");
    case 1:
        return QStringLiteral("List but no pipeline graphics. Isometric will be allocated the same drawing identifier "
                              "but supplemented with a 'A' suffix letter");
    case 2:
        return QStringLiteral("List but  no pipeline graphics. Isometric will be allocated the next Drawing identifier");
    default:
        return QString();
    }
}

QString AreaCaption(int area) { return QStringLiteral("AREA %1").arg(area); }

} // namespace XMaterials_1

} // namespace swted
