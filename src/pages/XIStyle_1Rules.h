// The iso style page's names and rules, shared by its description and its rules.
#pragma once

#include "pages/PageDescription.h"

#include <QString>

namespace swted {

struct PageContext;

namespace XIStyle_1 {

// Sub-page 1.
inline const QString TextSize = QStringLiteral("DRAWING TEXT SIZE");
inline const QString IsoType = QStringLiteral("ISOMETRIC TYPE");
inline const QString ViewpointPanel = QStringLiteral("DRAWING VIEWPOINT");
inline const QString SplitControl = QStringLiteral("DRAWING SPLIT CONTROL");
inline const QString Enclosures = QStringLiteral("MATERIAL PART NUMBER ENCLOSURES");
inline const QString EnclosureStyle = QStringLiteral("PART NUMBER ENCLOSURE STYLE");
inline const QString PipelineSplitting = QStringLiteral("PIPELINE SPLITTING");
inline const QString SpecBreak = QStringLiteral("SPECIFICATION BREAK INDICATION");
// Sub-page 2.
inline const QString SkewStyle = QStringLiteral("SKEW DEPICTION - STYLE");
inline const QString Skew3D = QStringLiteral("SLOPING PIPELINE-3D SKEW DEPICTION");
inline const QString VerticalBranches = QStringLiteral("SLOPING PIPELINE-VERTICAL BRANCHES");
inline const QString IndividualOverall = QStringLiteral("SKEW DEPICTION INDIVIDUAL OVERALL");
inline const QString SkewBranches = QStringLiteral("SKEW INDICATION - BRANCHES");
inline const QString Sloping = QStringLiteral("SLOPING PIPELINE INDICATION");
inline const QString Hatching = QStringLiteral("SKEW DEPICTION - TRIANGLE HATCHING");
// Sub-page 3.
inline const QString SkewDepiction = QStringLiteral("SKEW DEPICTION");
inline const QString FlowArrows = QStringLiteral("FLOW ARROWS - PIPELINE");
inline const QString Nozzles = QStringLiteral("NOZZLES - DOTTED");
inline const QString Clearance = QStringLiteral("SKEW DEPICTION-HATCHING CLEARANCE");
inline const QString InTube = QStringLiteral("PIPELINE SPLITTING - IN TUBE");
inline const QString Tapped = QStringLiteral("TAPPED-BRANCH SCALE");
inline const QString Depiction = QStringLiteral("PIPELINE DEPICTION");
inline const QString MiscIds = QStringLiteral("MISC ID'S - LEADING CHARACTERS");

inline const QString UserSizeFrame = QStringLiteral("FramUserTxtSize");
inline const QString UserSize1 = QStringLiteral("TxtUserTxtSize1");
inline const QString UserSize2 = QStringLiteral("TxtUserTxtSize2");
inline const QString TextSizeList = QStringLiteral("Opt_4_Combo");
inline const QString ViewpointBox = QStringLiteral("Opt_42_Check");
inline const QString EnclosureSize = QStringLiteral("OPT_76_POS3_Combo");
inline const QString MinimumSlope = QStringLiteral("Opt_20_Text");
inline const QString SkewBox = QStringLiteral("Opt_99_Check");
inline const QString SkewStyleList = QStringLiteral("Opt_99_Combo_A");
inline const QString RightAngles = QStringLiteral("Opt_99_Pos4_Check");
inline const QString HatchSpacing = QStringLiteral("Opt_101_Text_A");
inline const QString HatchCutOff = QStringLiteral("Opt_101_Text_B");
inline const QString FlowArrowField = QStringLiteral("Opt_112_Text");
inline const QString FlowArrowsOff = QStringLiteral("Opt_112_Check");
// The entry of the falls list last chosen; it lives with the page.
inline const QString PreviousFallEntry = QStringLiteral("PreviousFallEntry");

inline const QString UserSpecifiedSize = QStringLiteral("User Specified Size");
inline const QString OffText = QStringLiteral("OFF");
inline const QString FlowArrowDefault = QStringLiteral("8");
inline constexpr int HatchSpacingOn = 10;

// The rules bound to the page's controls.
void OnTextSizeChosen(PageContext &ctx, const ControlEntry &c);
void LayoutTextSize(PageContext &ctx, const ControlEntry &c);
void StoreUserSizeDigit(PageContext &ctx, const ControlEntry &c);
void LayoutIsoType(PageContext &ctx, const ControlEntry &c);
void ReadIsoType(PageContext &ctx, const ControlEntry &c);
void LayoutViewpoint(PageContext &ctx, const ControlEntry &c);
void ReadViewpoint(PageContext &ctx, const ControlEntry &c);
void LayoutEnclosures(PageContext &ctx, const ControlEntry &c);
void ReadEnclosures(PageContext &ctx, const ControlEntry &c);
void LayoutFalls(PageContext &ctx, const ControlEntry &c);
void OnFallChosen(PageContext &ctx, const ControlEntry &c);
void ReadFalls(PageContext &ctx, const ControlEntry &c);
void ReadMinimumSlope(PageContext &ctx, const ControlEntry &c);
void ReadBranchComponents(PageContext &ctx, const ControlEntry &c);
void OnSkewBoxClicked(PageContext &ctx, const ControlEntry &c);
void OnSkewStyleChosen(PageContext &ctx, const ControlEntry &c);
void LayoutSkewInterlock(PageContext &ctx, const ControlEntry &c);
void LayoutHatching(PageContext &ctx, const ControlEntry &c);
void OnHatchingClicked(PageContext &ctx, const ControlEntry &c);
void LayoutStandout(PageContext &ctx, const ControlEntry &c);
void ReadStandout(PageContext &ctx, const ControlEntry &c);
void LayoutFlowArrows(PageContext &ctx, const ControlEntry &c);
void OnFlowArrowsClicked(PageContext &ctx, const ControlEntry &c);
void ReadFlowArrows(PageContext &ctx, const ControlEntry &c);

} // namespace XIStyle_1

} // namespace swted
