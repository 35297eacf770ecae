#pragma once

#include "pages/PageWindow.h"

namespace swted {

// The plotted iso page: paper size, margins, plot file format and naming,
// drawing frame, scaling, trim marks and plot length.
class XPlot_1 : public PageWindow {
    Q_OBJECT
public:
    XPlot_1(Editor &editor, PageHost &host, QWidget *parent = nullptr);

    // The page's description: its controls, their switches and ranges.
    static const PageDescription &Description();

    static QString PairRuleText(int changedSwitch);

protected:
    void LayoutOwn(const ControlEntry &c) override;
    void ReadOwn(const ControlEntry &c) override;
    void Connect() override;

private:
    void ClearNonStandardSize();
    void OnFileExtensionsClicked(bool checked);
};

} // namespace swted
