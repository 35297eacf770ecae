#pragma once

#include "pages/PageDescription.h"

namespace swted {

// The plotted iso page: paper size, margins, plot file format and naming,
// drawing frame, scaling, trim marks and plot length.
namespace XPlot_1 {

// The page's description: its controls, their switches, ranges and rules.
const PageDescription &Description();

// The message of the pair rule of switches 15 and 16.
QString PairRuleText(int changedSwitch);

} // namespace XPlot_1

} // namespace swted
