// The iso style page's description: its controls, their switches, ranges and the rules bound to them.
#include "pages/XIStyle_1.h"

#include "pages/Bindings.h"
#include "pages/PageLogic.h"
#include "pages/UserFontGroup.h"
#include "pages/XIStyle_1Rules.h"

namespace swted {

namespace XIStyle_1 {

namespace {

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
            .In(TextSize).Key("character-size").Label("4").LayoutBy(LayoutTextSize).OwnRead().OnChange(OnTextSizeChosen, true),
        OwnControl("FramUserTxtSize", 4).In(TextSize).Caption("Text Size").Unit("(mm)").Unrestricted(),
        TextControl("TxtUserTxtSize1", 4, 2, 1, QString(), QString())
            .In(TextSize).Key("user-size-whole-mm")
            .Own().OwnBuild().Unrestricted().Unit("mm").Takes(1, 9).OnChange(StoreUserSizeDigit),
        TextControl("TxtUserTxtSize2", 4, 1, 1, QString(), QString())
            .In(TextSize).Key("user-size-tenths")
            .Own().OwnBuild().Unrestricted().Unit("tenths of a mm").OnChange(StoreUserSizeDigit),
        // The user font group: its set-up follows the text size, its read-back
        // writes positions 7 to 9.
        OwnControl("FramUserFonts", 4).In(TextSize).Caption(userFonts).Unrestricted()
            .LayoutBy(fontrules::SetUpIsoStyle).ReadBy(fontrules::ReadIsoStyle),
        CheckControl("ChkStyleFontFile", 4, 7, "&On / Off").In(TextSize).Key("user-fonts-on").Own().OwnBuild().Unrestricted()
            .OnChange(fontrules::IsoStyleCheckClicked),
        ListControl("CmbUserFontType", 4, 7, 3, 0, 0, QString(), {}).In(TextSize).Key("user-font").Own().OwnBuild().Unrestricted()
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
            .In(IsoType).Key("isometric-type").Label("21").LayoutBy(LayoutIsoType).ReadBy(ReadIsoType),
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
            .In(ViewpointPanel).Key("north-arrow-direction")
            .Label("42").Unrestricted().LayoutBy(LayoutViewpoint).ReadBy(ReadViewpoint),
        CheckControl("Opt_42_Check", 42, 1, "Enclosing &Box around North Arrow").In(ViewpointPanel).Own(),

        ListControl("Opt_73_Combo", 73, 5, 1, 2, 0, QString(),
                    {"Enclosure Box with Square ends", "Enclosure Box with Diamond ends",
                     "Enclosure Box with Round ends"})
            .In(EnclosureStyle).Key("enclosure-box-ends").Label("73"),
        // Opens the example of the enclosure styles.
        OwnControl("HelpOS73", 73).In(EnclosureStyle),
        TextControl("Opt_73_Text_A", 73, 1, 2, "0", "No. of spaces in Additional Style &1 Enclosure Box.")
            .In(EnclosureStyle).Key("style-1-spaces"),
        TextControl("Opt_73_Text_B", 73, 3, 2, "0", "No. of spaces in Extended Style &2 Enclosure Box.")
            .In(EnclosureStyle).Key("style-2-spaces"),
        TextControl("Opt_73_Text_C", 73, 6, 2, "0", "No. of spaces in Extended Style &3 Enclosure Box.")
            .In(EnclosureStyle).Key("style-3-spaces"),

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
            .In(Sloping, 2).Key("fall-indication")
            .Label("19 / 20").LayoutBy(LayoutFalls).ReadBy(ReadFalls).OnChange(OnFallChosen),
        TextControl("Opt_20_Text", 20, 1, 2, QString(), "Minimum &slope to be treated as a Fall. (units as per Switch 19)")
            .In(Sloping, 2).Wrapped().OwnLayout().ReadBy(ReadMinimumSlope),

        OptionsControl("Opt_67_Option", 67, 1,
                       {"F&ull 3D Box / Triangle depiction", "2&D Skew (Box or Triangle) + Fall Indicator"})
            .In(Skew3D, 2).Key("3d-or-2d-skew").Label("67").Unrestricted(),
        ListControl("Opt_67_Pos2_Combo", 67, 2, 1, 2, 0, "An&gle Information:",
                    {"Output Angle Information (except 90 & 180 degrees)", "Suppress Angle Information",
                     "Output Angle Information (including 90 & 180 degrees)"})
            .In(Skew3D, 2),
        ListControl("Opt_67_Pos3_Combo", 67, 3, 1, 1, 0, "AngleFor&mat:",
                    {"Output Deflected Angle", "Output Included Angle"})
            .In(Skew3D, 2).Key("angle-format"),

        OptionsControl("Opt_68_Option", 68, 1,
                       {"Show Skews on Branches on Falling &lines", "&No separate Skew shown"})
            .In(VerticalBranches, 2).Key("skews-on-branches").Label("68").Unrestricted(),

        OptionsControl("Opt_97_Option", 97, 1,
                       {"S&ingle Overall Box/Triangle enclosure around Skew",
                        "Indi&vidual Box/Triangle enclosures to each Branch"})
            .In(IndividualOverall, 2).Key("skew-enclosures").Label("97").Unrestricted(),

        TextControl("Opt_70_Text", 70, 1, 2, "0", "Min. no. components in &Branch for Skew to be shown:")
            .In(SkewBranches, 2).Label("70").ReadBy(ReadBranchComponents),
        OptionsControl("Opt_70_Option", 70, 3, {"Previous P&osition", "Primar&y Direction"})
            .In(SkewBranches, 2).Caption("Orientation Direction message showing rotation relative to:").Unrestricted(),

        ListControl("Opt_99_Combo_A", 99, 1, 1, 3, 0, "S&kew depiction style + Dimension style",
                    {"Skew Box, Normal Dim's, Standout as OS8", "Skewed Triangle, Normal Dim's, Standout as OS8",
                     "Skewed Triangle, Normal Dim's, Standout as OS100", "Skewed Triangle, Alternative Dimensions"})
            .In(SkewStyle, 2).Label("99").CaptionAbove().OnChange(OnSkewStyleChosen),
        CheckControl("Opt_99_Check", 99, 2, "Show &3D Skew Box and 2D Skew Triangles")
            .In(SkewStyle, 2).Key("skew-box-and-triangles").OnChange(OnSkewBoxClicked),
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
            .In(InTube, 3).Key("tube-split-handling").Label("108"),

        OptionsControl("Opt_111_Option", 111, 1,
                       {"Su&ppress Dotted Nozzles", "&Dotted Nozzles plotted on the isometric"})
            .In(Nozzles, 3).Key("dotted-nozzles").Label("111").Unrestricted(),
        CheckControl("Opt_111_Check", 111, 2, "Calculate &Nozzle Axis Direction for LOKRAN").In(Nozzles, 3),

        TextControl("Opt_112_Text", 112, 1, 2, FlowArrowDefault,
                    "Flow Arrow Scaling Factor (Range 5 (smallest) to 15 (Lar&gest)")
            .In(FlowArrows, 3).Key("scaling-factor")
            .Label("112").Wrapped().Takes(5, 15).LayoutBy(LayoutFlowArrows).ReadBy(ReadFlowArrows),
        CheckControl("Opt_112_Check", 112, 1, "Turn Flo&w Arrows OFF").In(FlowArrows, 3).Own()
            .OnChange(OnFlowArrowsClicked),

        OptionsControl("Opt_114_Option", 114, 1, {"&Single", "D&ual"})
            .In(SpecBreak).Label("114").Caption("Specification Break Indication Boxes:").Across().Unrestricted(),

        TextControl("Opt_120_Text", 120, 1, 3, "100", "Tapped Branc&h Scaling Factor (Tap on Inline Items/Flanges)")
            .In(Tapped, 3).Key("tap-on-inline-items").Label("120").Unit(ofStandard).Wrapped(),
        TextControl("Opt_120_B_Text", 120, 4, 2, "65", "Tapped Branch Scaling Factor (Tap on Pipe T&ype Components)")
            .In(Tapped, 3).Key("tap-on-pipe-components").Unit(ofStandard).Wrapped(),

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

} // namespace XIStyle_1

} // namespace swted
