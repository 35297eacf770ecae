#include "pages/XIStyle_1.h"

#include "model/Messages.h"
#include "model/NumberText.h"
#include "model/SwitchStore.h"
#include "pages/Bindings.h"
#include "pages/PageLogic.h"
#include "pages/UserFontGroup.h"
#include "shell/Prompts.h"

#include <cstdlib>

namespace swted {

namespace XIStyle_1 {

namespace {

// Sub-page 1.
const QString TextSize = QStringLiteral("DRAWING TEXT SIZE");
const QString IsoType = QStringLiteral("ISOMETRIC TYPE");
const QString ViewpointPanel = QStringLiteral("DRAWING VIEWPOINT");
const QString SplitControl = QStringLiteral("DRAWING SPLIT CONTROL");
const QString Enclosures = QStringLiteral("MATERIAL PART NUMBER ENCLOSURES");
const QString EnclosureStyle = QStringLiteral("PART NUMBER ENCLOSURE STYLE");
const QString PipelineSplitting = QStringLiteral("PIPELINE SPLITTING");
const QString SpecBreak = QStringLiteral("SPECIFICATION BREAK INDICATION");
// Sub-page 2.
const QString SkewStyle = QStringLiteral("SKEW DEPICTION - STYLE");
const QString Skew3D = QStringLiteral("SLOPING PIPELINE-3D SKEW DEPICTION");
const QString VerticalBranches = QStringLiteral("SLOPING PIPELINE-VERTICAL BRANCHES");
const QString IndividualOverall = QStringLiteral("SKEW DEPICTION INDIVIDUAL OVERALL");
const QString SkewBranches = QStringLiteral("SKEW INDICATION - BRANCHES");
const QString Sloping = QStringLiteral("SLOPING PIPELINE INDICATION");
const QString Hatching = QStringLiteral("SKEW DEPICTION - TRIANGLE HATCHING");
// Sub-page 3.
const QString SkewDepiction = QStringLiteral("SKEW DEPICTION");
const QString FlowArrows = QStringLiteral("FLOW ARROWS - PIPELINE");
const QString Nozzles = QStringLiteral("NOZZLES - DOTTED");
const QString Clearance = QStringLiteral("SKEW DEPICTION-HATCHING CLEARANCE");
const QString InTube = QStringLiteral("PIPELINE SPLITTING - IN TUBE");
const QString Tapped = QStringLiteral("TAPPED-BRANCH SCALE");
const QString Depiction = QStringLiteral("PIPELINE DEPICTION");
const QString MiscIds = QStringLiteral("MISC ID'S - LEADING CHARACTERS");

const QString UserSizeFrame = QStringLiteral("FramUserTxtSize");
const QString UserSize1 = QStringLiteral("TxtUserTxtSize1");
const QString UserSize2 = QStringLiteral("TxtUserTxtSize2");
const QString TextSizeList = QStringLiteral("Opt_4_Combo");
const QString ViewpointBox = QStringLiteral("Opt_42_Check");
const QString EnclosureSize = QStringLiteral("OPT_76_POS3_Combo");
const QString MinimumSlope = QStringLiteral("Opt_20_Text");
const QString SkewBox = QStringLiteral("Opt_99_Check");
const QString SkewStyleList = QStringLiteral("Opt_99_Combo_A");
const QString RightAngles = QStringLiteral("Opt_99_Pos4_Check");
const QString HatchSpacing = QStringLiteral("Opt_101_Text_A");
const QString HatchCutOff = QStringLiteral("Opt_101_Text_B");
const QString FlowArrowField = QStringLiteral("Opt_112_Text");
const QString FlowArrowsOff = QStringLiteral("Opt_112_Check");
// The entry of the falls list last chosen; it lives with the page.
const QString PreviousFallEntry = QStringLiteral("PreviousFallEntry");

const QString UserSpecifiedSize = QStringLiteral("User Specified Size");
const QString OffText = QStringLiteral("OFF");
const QString FlowArrowDefault = QStringLiteral("8");
constexpr int HatchSpacingOn = 10;

const int IsoTypeValues[] = {0, 1, 2, 4, 5, 6, 7, 10, 11, 12, 16};
// Nothing selected reads as the last value.
constexpr int NoIsoTypeValue = 16;

const FallEntry Falls[FallEntries] = {
    {0, 0, "5"},  {0, 1, "5"},  {0, 2, "5"},  {0, 3, "5"},  {1, 0, "11"}, {1, 1, "11"}, {1, 2, "11"},
    {2, 0, "9"},  {2, 1, "9"},  {2, 2, "9"},  {3, 0, "5"},  {3, 1, "5"},  {3, 2, "5"},  {4, 0, "1"},
    {4, 1, "1"},  {5, 0, "88"}, {5, 1, "88"}, {5, 2, "88"}, {6, 0, "0"},
};
// The first entry of each unit family.
const int FamilyFirstEntry[] = {0, 4, 7, 10, 13, 15, 18};
constexpr int HighestFamily = 6;

QString FallDefault(int entry)
{
    return entry >= 0 && entry < FallEntries ? QString::fromLatin1(Falls[entry].minimumSlope) : QString();
}

// --- Drawing text size (switch 4, positions 1 and 2) ---

// The user size is shown: the frame with its two digits, and the list's
// "User Specified Size" (switch 4 unpacked).
void ShowUserTextSize(PageContext &ctx)
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
    const int v = index >= 0 && index < int(std::size(IsoTypeValues)) ? IsoTypeValues[index] : NoIsoTypeValue;
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
    ctx.store.SetDigit(1, static_cast<int16_t>(Falls[entry].family));
    ctx.store.SetDigit(2, static_cast<int16_t>(Falls[entry].precision));
    ctx.Pack(19);
}

// Stores v in positions 2 and 1 of a switch.
void StoreTwoPositions(PageContext &ctx, int switchNumber, int v)
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

QString CurrentStandoutDefault(PageContext &ctx)
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

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 5;
    p.window = QStringLiteral("XIStyle_1");
    p.tabCaption = QStringLiteral("Iso Style");
    p.subPages = 3;
    p.panels = {
        {TextSize, 1, 0, 0},        {Enclosures, 1, 0, 1},      {IsoType, 1, 1, 0},
        {EnclosureStyle, 1, 1, 1, 2}, {ViewpointPanel, 1, 2, 0}, {SplitControl, 1, 3, 0},
        {PipelineSplitting, 1, 3, 1}, {SpecBreak, 1, 4, 0, 1, 2},

        {SkewStyle, 2, 0, 0},       {Sloping, 2, 0, 1},         {Skew3D, 2, 1, 0},
        {Hatching, 2, 1, 1, 2},     {VerticalBranches, 2, 2, 0}, {IndividualOverall, 2, 3, 0},
        {SkewBranches, 2, 3, 1},

        {SkewDepiction, 3, 0, 0},   {FlowArrows, 3, 0, 1},      {Clearance, 3, 1, 0},
        {Nozzles, 3, 1, 1},         {Depiction, 3, 2, 0, 2},    {InTube, 3, 2, 1},
        {Tapped, 3, 3, 1},          {MiscIds, 3, 4, 0, 1, 2},
    };
    const QString userFonts = QStringLiteral("User Defined Fonts");
    const QString skewAngles = QStringLiteral("Skew Angles");
    const QString hatchFrame = QStringLiteral("Hatching On / Off, Spacing and Cut-off");
    const QString gapsFrame = QStringLiteral("Gaps Left Unhatched (1/10th mm's)");
    const QString ofStandard = QStringLiteral("(% of Standard)");
    // The order is the order of layout and read-back.
    p.controls = {
        // Switch 4: the text size, stored by its handlers as the user
        // chooses it, then the user font.
        ListControl("Opt_4_Combo", 4, 1, 1, 5, 0, QString(),
                    {"Medium Sized Characters (2.4mm)", "Small Sized Characters (2.1mm)",
                     "Large Sized Characters (2.8mm)", "Extra Large Sized Characters (3.5mm)",
                     "Extra Large Sized Characters (4.2mm)", "Extra Large Sized Characters (4.9mm)",
                     "User Specified Size"})
            .In(TextSize).Label("4").LayoutBy(LayoutTextSize).OwnRead().OnChange(OnTextSizeChosen, true),
        OwnControl("FramUserTxtSize", 4).In(TextSize).Caption("Text Size").Unit("(mm)").Unrestricted(),
        TextControl("TxtUserTxtSize1", 4, 2, 1, QString(), QString())
            .In(TextSize).Own().OwnBuild().Unrestricted().Unit("mm").Takes(1, 9).OnChange(StoreUserSizeDigit),
        TextControl("TxtUserTxtSize2", 4, 1, 1, QString(), QString())
            .In(TextSize).Own().OwnBuild().Unrestricted().Unit("tenths of a mm").OnChange(StoreUserSizeDigit),
        // The user font group: its set-up follows the text size, its read-back
        // writes positions 7 to 9.
        OwnControl("FramUserFonts", 4).In(TextSize).Caption(userFonts).Unrestricted()
            .LayoutBy(fontrules::SetUpIsoStyle).ReadBy(fontrules::ReadIsoStyle),
        CheckControl("ChkStyleFontFile", 4, 7, "&On / Off").In(TextSize).Own().OwnBuild().Unrestricted()
            .OnChange(fontrules::IsoStyleCheckClicked),
        ListControl("CmbUserFontType", 4, 7, 3, 0, 0, QString(), {}).In(TextSize).Own().OwnBuild().Unrestricted()
            .OnChange(fontrules::IsoStyleListSelected),

        TextControl("Opt_7_Text", 7, 1, 2, "0", "Split Control - Drawings re&quired")
            .In(SplitControl).Label("7").Help("HelpOS7"),
        CheckControl("Opt_7_Check", 7, 3, "&Ignore User Defined drawing split points in data file").In(SplitControl),

        ListControl("Opt_21_Combo", 21, 1, 2, 10, 0, QString(),
                    {"Combined Isometric", "Erection/Offshore Isometric", "Fabrication Only Isometric",
                     "Flat Spool Iso. (Max. Legs Flat)", "Flat Spool Iso. (Max. Legs Parallel to floor)",
                     "Spool Isometrics (As Erected orientation)", "Suppress Isometric (No Iso Drawn)",
                     "Combined Material List Only (No Pipeline Graphics)",
                     "Erection Material List Only (No Pipeline Graphics)",
                     "Fabrication Material List Only (No Pipeline Graphics)",
                     "Spool Material List Only (No Spool Graphics)"})
            .In(IsoType).Label("21").LayoutBy(LayoutIsoType).ReadBy(ReadIsoType),
        CheckControl("Opt_21_Check", 21, 3, "&Produce Test Iso only (No Dimensions)").In(IsoType),

        TextControl("Opt_38_Text", 38, 1, 3, "100", "&Drawing information content (% of Standard)")
            .In(PipelineSplitting).Label("38").Help("HelpOS31"),
        ListControl("Opt_38_Pos4_Combo", 38, 4, 1, 3, 0, "Drawing Continuation &Message Style",
                    {"Standard", "Use Pipeline Name", "Use PIPELINE-DRAWING-SEQUENCE-NUMBER",
                     "Use CLIENT-DRAWING-IDENTIFIER"})
            .In(PipelineSplitting).CaptionAbove(),

        // One digit for the list and the box.
        ListControl("Opt_42_Combo", 42, 1, 1, 8, 0, QString(),
                    {"North Arrow points Top Left", "North Arrow points Bottom Right", "North Arrow points Top Right",
                     "North Arrow points Bottom Left"})
            .In(ViewpointPanel).Label("42").Unrestricted().LayoutBy(LayoutViewpoint).ReadBy(ReadViewpoint),
        CheckControl("Opt_42_Check", 42, 1, "Enclosing &Box around North Arrow").In(ViewpointPanel).Own(),

        ListControl("Opt_73_Combo", 73, 5, 1, 2, 0, QString(),
                    {"Enclosure Box with Square ends", "Enclosure Box with Diamond ends",
                     "Enclosure Box with Round ends"})
            .In(EnclosureStyle).Label("73"),
        // Opens the example of the enclosure styles.
        OwnControl("HelpOS73", 73).In(EnclosureStyle),
        TextControl("Opt_73_Text_A", 73, 1, 2, "0", "No. of spaces in Additional Style &1 Enclosure Box.")
            .In(EnclosureStyle),
        TextControl("Opt_73_Text_B", 73, 3, 2, "0", "No. of spaces in Extended Style &2 Enclosure Box.")
            .In(EnclosureStyle),
        TextControl("Opt_73_Text_C", 73, 6, 2, "0", "No. of spaces in Extended Style &3 Enclosure Box.")
            .In(EnclosureStyle),

        ListControl("Opt_76_Combo", 76, 1, 2, 7, 0, "Enclosure S&hape",
                    {"Square Ended Box", "Diamond Ended Box", "Round Ended Box", "No Enclosure",
                     "Suppress Part Numbers", "Circle", "Double Circle", "Ellipse"})
            .In(Enclosures).Label("76").LayoutBy(LayoutEnclosures).ReadBy(ReadEnclosures).CaptionAbove(),
        ListControl("OPT_76_POS3_Combo", 76, 3, 1, 8, 1, "&Circle / Double Circle / Ellipse Enclosure Size",
                    {"1 Character Fixed", "2 Characters Fixed", "3 Characters Fixed", "4 Characters Fixed",
                     "5 Characters Fixed", "6 Characters Fixed", "7 Characters Fixed", "8 Characters Fixed",
                     "Variable Size"})
            .In(Enclosures).Unrestricted().Own().CaptionAbove(),

        ListControl("Opt_95_Combo", 95, 5, 1, 2, 0, "M&ulti-Port Dotted Connection Lines",
                    {"On All Multi-Port Fittings", "Only When Necessary For Picture Clarification", "None Shown"})
            .In(Depiction, 3).Label("95").CaptionAbove(),
        TextControl("Opt_95_Text", 95, 1, 2, "0", "Plotted Leg Length for Elbows, Tees && C&rosses (mm)")
            .In(Depiction, 3).NoDefaultOnRead(),
        // Its tip stays at hand for the T-KOR run type too.
        OwnControl("Opt_119_Pos1n2_HelpLabel", 95).In(Depiction, 3).Unrestricted(),
        CheckControl("Opt_95_Check", 95, 3, "True S&cale Isometrics (Proportional Pipe Lengths)").In(Depiction, 3),
        CheckControl("Opt_95_Pos6_Check", 95, 6, "&Valve/Instrument Spindles Shown In Isometric Projection")
            .In(Depiction, 3).Unrestricted(),

        ListControl("Opt_19_Combo", 19, 1, 2, 18, 0, QString(),
                    {"Falls shown as an Angle (to nearest 10th degree)", "Falls shown as an Angle (to nearest degree)",
                     "Falls shown as an Angle (to nearest 100th degree)",
                     "Falls shown as an Angle (in degrees and minutes)",
                     "Falls shown as a Ratio (to nearest 5 when > 1:30",
                     "Falls shown as a Ratio (to nearest 5 when > 1:100",
                     "Falls shown as a Ratio (always to nearest 1)",
                     "Falls shown as a Percentage (to nearest whole value)",
                     "Falls shown as a Percentage (to 1 decimal place)",
                     "Falls shown as a Percentage (to 2 decimal places)",
                     "Falls shown as a Gradient (to nearest 10th grad)", "Falls shown as a Gradient (to nearest grad)",
                     "Falls shown as a Gradient (to nearest 100th grad)",
                     "Falls shown as Imperial Incline (to nrst 16th In per Ft)",
                     "Falls shown as Imperial Incline (to nrst 100th In per Ft)",
                     "Falls shown as Metric Incline (to nrst 5mms per metre)",
                     "Falls shown as Metric Incline (to nrst 1mm per metre)",
                     "Falls shown as Metric Incline (to nrst 10mms per metre)", "Suppress Falling Line Indication"})
            .In(Sloping, 2).Label("19 / 20").LayoutBy(LayoutFalls).ReadBy(ReadFalls).OnChange(OnFallChosen),
        TextControl("Opt_20_Text", 20, 1, 2, QString(), "Minimum &slope to be treated as a Fall. (units as per Switch 19)")
            .In(Sloping, 2).Wrapped().OwnLayout().ReadBy(ReadMinimumSlope),

        OptionsControl("Opt_67_Option", 67, 1,
                       {"F&ull 3D Box / Triangle depiction", "2&D Skew (Box or Triangle) + Fall Indicator"})
            .In(Skew3D, 2).Label("67").Unrestricted(),
        ListControl("Opt_67_Pos2_Combo", 67, 2, 1, 2, 0, "An&gle Information:",
                    {"Output Angle Information (except 90 & 180 degrees)", "Suppress Angle Information",
                     "Output Angle Information (including 90 & 180 degrees)"})
            .In(Skew3D, 2),
        ListControl("Opt_67_Pos3_Combo", 67, 3, 1, 1, 0, "AngleFor&mat:",
                    {"Output Deflected Angle", "Output Included Angle"})
            .In(Skew3D, 2),

        OptionsControl("Opt_68_Option", 68, 1,
                       {"Show Skews on Branches on Falling &lines", "&No separate Skew shown"})
            .In(VerticalBranches, 2).Label("68").Unrestricted(),

        OptionsControl("Opt_97_Option", 97, 1,
                       {"S&ingle Overall Box/Triangle enclosure around Skew",
                        "Indi&vidual Box/Triangle enclosures to each Branch"})
            .In(IndividualOverall, 2).Label("97").Unrestricted(),

        TextControl("Opt_70_Text", 70, 1, 2, "0", "Min. no. components in &Branch for Skew to be shown:")
            .In(SkewBranches, 2).Label("70").ReadBy(ReadBranchComponents),
        OptionsControl("Opt_70_Option", 70, 3, {"Previous P&osition", "Primar&y Direction"})
            .In(SkewBranches, 2).Caption("Orientation Direction message showing rotation relative to:").Unrestricted(),

        ListControl("Opt_99_Combo_A", 99, 1, 1, 3, 0, "S&kew depiction style + Dimension style",
                    {"Skew Box, Normal Dim's, Standout as OS8", "Skewed Triangle, Normal Dim's, Standout as OS8",
                     "Skewed Triangle, Normal Dim's, Standout as OS100", "Skewed Triangle, Alternative Dimensions"})
            .In(SkewStyle, 2).Label("99").CaptionAbove().OnChange(OnSkewStyleChosen),
        CheckControl("Opt_99_Check", 99, 2, "Show &3D Skew Box and 2D Skew Triangles")
            .In(SkewStyle, 2).OnChange(OnSkewBoxClicked),
        ListControl("Opt_99_Combo_B", 99, 3, 1, 2, 0, QString(),
                    {"Not Shown", "Shown with arrow heads on arc radius", "Shown without arrow heads on arc radius"})
            .In(SkewStyle, 2).Framed(skewAngles),
        CheckControl("Opt_99_Pos4_Check", 99, 4, "&Right Angle Indicators on Skew Triangles").In(SkewStyle, 2),
        RuleStep("SkewInterlock", 99, LayoutSkewInterlock, nullptr),

        // Ticked for any spacing in positions 1-2; ticking it writes one there.
        CheckControl("Opt_101_Check", 101, 1, "&Hatching ON").Spans(2)
            .In(Hatching, 2).Framed(hatchFrame).Label("101").LayoutBy(LayoutHatching).OwnRead()
            .OnChange(OnHatchingClicked),
        TextControl("Opt_101_Text_A", 101, 1, 2, "0", "Hatching S&pacing (1/10 th mm's)")
            .In(Hatching, 2).Framed(hatchFrame).OwnLayout(),
        TextControl("Opt_101_Text_B", 101, 3, 2, "0", "Hatch Line Length &Cut-off (mm's)")
            .In(Hatching, 2).Framed(hatchFrame).OwnLayout(),

        // The default follows the skew style, the dimension standout and
        // the text size, each as stored by now.
        TextControl("Opt_100_Text", 100, 1, 3, QString(), "Dimension Line &Standout (1/10 th mm's)")
            .In(SkewDepiction, 3).Label("100").LayoutBy(LayoutStandout).ReadBy(ReadStandout),

        TextControl("Opt_102_Text_A", 102, 1, 2, "25", "Gap local to Dimensions and Te&xt")
            .In(Clearance, 3).Framed(gapsFrame).Label("102").NoDefaultOnRead(),
        TextControl("Opt_102_Text_C", 102, 3, 2, "25", "Gap local to In-line Co&mponents")
            .In(Clearance, 3).Framed(gapsFrame).NoDefaultOnRead(),
        TextControl("Opt_102_Text_B", 102, 5, 2, "15", "Gap l&ocal to Pipeline")
            .In(Clearance, 3).Framed(gapsFrame).NoDefaultOnRead(),

        ListControl("Opt_108_Combo", 108, 1, 1, 2, 0, QString(),
                    {"Split as normal - Repeatability data generated",
                     "Reject Pipeline - Output Warning in Message File",
                     "\"Unacceptable\" Message on Iso - No Repeatability data"})
            .In(InTube, 3).Label("108"),

        OptionsControl("Opt_111_Option", 111, 1,
                       {"Su&ppress Dotted Nozzles", "&Dotted Nozzles plotted on the isometric"})
            .In(Nozzles, 3).Label("111").Unrestricted(),
        CheckControl("Opt_111_Check", 111, 2, "Calculate &Nozzle Axis Direction for LOKRAN").In(Nozzles, 3),

        TextControl("Opt_112_Text", 112, 1, 2, FlowArrowDefault,
                    "Flow Arrow Scaling Factor (Range 5 (smallest) to 15 (Lar&gest)")
            .In(FlowArrows, 3).Label("112").Wrapped().Takes(5, 15).LayoutBy(LayoutFlowArrows).ReadBy(ReadFlowArrows),
        CheckControl("Opt_112_Check", 112, 1, "Turn Flo&w Arrows OFF").In(FlowArrows, 3).Own()
            .OnChange(OnFlowArrowsClicked),

        OptionsControl("Opt_114_Option", 114, 1, {"&Single", "D&ual"})
            .In(SpecBreak).Label("114").Caption("Specification Break Indication Boxes:").Across().Unrestricted(),

        TextControl("Opt_120_Text", 120, 1, 3, "100", "Tapped Branc&h Scaling Factor (Tap on Inline Items/Flanges)")
            .In(Tapped, 3).Label("120").Unit(ofStandard).Wrapped(),
        TextControl("Opt_120_B_Text", 120, 4, 2, "65", "Tapped Branch Scaling Factor (Tap on Pipe T&ype Components)")
            .In(Tapped, 3).Unit(ofStandard).Wrapped(),

        // Leading characters of the IDs: fields no switch holds.
        OwnControl("MiscIds", 0).In(MiscIds, 3).Unrestricted(),
    };
    p.tips = {
        {"HelpOS7", "7",
         "Set the value = 0 to invoke automatic splitting of drawings, otherwise enter the number of drawing "
         "sheets required.\nUser Defined Split Points in the Piping Data File (IDF/PCF) normally override any "
         "value entered. Click on the Check Box to cause KARVEN to ignore any User Defined Split Points and "
         "split the drawing according to the value entered.",
         3000, 4000},
        {"HelpOS31", "38",
         "Setting a value less than 100 will cause less of the pipeline to appear on each drawing before "
         "automatic splitting occurs. This will give a less congested drawing.",
         3000, 3500},
        {"Opt_119_Pos1n2_HelpLabel", "95, Positions 1 & 2",
         "WARNING.\r\n\r\nUse this Option Switch with Care.\r\n\r\nLong Leg Lengths take up more space on the "
         "drawing\r\nand can sometimes have an adverse effect on the finished isometric.\r\n\r\n"
         "6-18mm is the recommended range.",
         2500, 7000},
    };
    return p;
}

} // namespace

const PageDescription &Description()
{
    static const PageDescription definition = MakeDescription();
    return definition;
}

QString NumericOnlyText() { return QStringLiteral("Please enter numeric values only."); }

int IsoTypeValue(int item)
{
    return item >= 0 && item < int(std::size(IsoTypeValues)) ? IsoTypeValues[item] : NoIsoTypeValue;
}

int IsoTypeItem(int value)
{
    for (int i = 0; i < int(std::size(IsoTypeValues)); ++i) {
        if (IsoTypeValues[i] == value)
            return i;
    }
    return -1;
}

QString NotAllowedText(int switchNumber, int value)
{
    return QStringLiteral("The value of Option Switch") + NumberText(switchNumber) + QStringLiteral(" starting at ")
        + QStringLiteral("position 1 was") + NumberText(value) + QStringLiteral(". This is not ")
        + QStringLiteral("an allowable value. The value will therefore ")
        + QStringLiteral("be set to the default value of 0.");
}

Viewpoint ViewpointOf(int digit)
{
    static const Viewpoint table[9] = {{0, false}, {1, false}, {2, false}, {0, false}, {3, false},
                                       {1, true},  {2, true},  {0, true},  {3, true}};
    return digit >= 0 && digit <= 8 ? table[digit] : Viewpoint{0, false};
}

int ViewpointDigit(int item, bool box)
{
    if (item == 0)
        return box ? 7 : 0;
    const int d = item == 3 ? 4 : item;
    return box ? d + 4 : d;
}

int EnclosureItem(int digit)
{
    static const int items[10] = {0, 1, 2, -1, -1, -1, 5, 3, 4, 7};
    return digit >= 0 && digit <= 9 ? items[digit] : -1;
}

int EnclosureDigit(int item)
{
    static const int digits[8] = {0, 1, 2, 7, 8, 6, 6, 9};
    return item >= 0 && item < 8 ? digits[item] : 0;
}

const FallEntry &Fall(int entry) { return Falls[qBound(0, entry, FallEntries - 1)]; }

int HighestPrecision(int family)
{
    return family == 0 ? 3 : family == 4 ? 1 : 2;
}

int FallEntryOf(int family, int precision)
{
    for (int e = 0; e < FallEntries; ++e) {
        if (Falls[e].family == family && Falls[e].precision == precision)
            return e;
    }
    return -1;
}

QString FallRangeText(int position, int digit)
{
    return QStringLiteral("The value of Option Switch 19 position ") + QString::number(position)
        + QStringLiteral(" was ") + NumberText(digit) + QStringLiteral(".")
        + QStringLiteral("This is not an allowable value. The value will therefore ")
        + QStringLiteral("be set to the default value of 0.");
}

QString StandoutDefault(int skewStyle, int standout8, int textSize)
{
    if (skewStyle == 3)
        return QStringLiteral("40");
    if (standout8 < 12) {
        static const char *const byTextSize[] = {"140", "120", "160", "180", "200"};
        return QString::fromLatin1(textSize >= 0 && textSize <= 4 ? byTextSize[textSize] : "220");
    }
    return QString::number(10 * standout8);
}

int TwoPositionNumber(const QString &text)
{
    const std::optional<int32_t> v = RoundToInt32(NumericValue(text));
    if (!v)
        return 0; // no number of this size fits two positions
    return static_cast<int>(std::llabs(static_cast<long long>(*v)) % 100);
}

} // namespace XIStyle_1

} // namespace swted
