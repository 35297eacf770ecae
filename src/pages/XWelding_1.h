#pragma once

#include "pages/PageWindow.h"

class QCheckBox;
class QComboBox;

namespace swted {

// The welding page: which welds are plotted and numbered, and how weld
// numbers are drawn. Its weld table stands for the allowed pairs of plotted
// and numbered welds, held jointly in switch 53 (positions 1 and 4) and
// switch 54 (position 1) together with the text height of weld numbers.
class XWelding_1 : public PageWindow {
    Q_OBJECT
public:
    XWelding_1(Editor &editor, PageHost &host, QWidget *parent = nullptr);

    // The page's description: its controls, their switches and ranges.
    static const PageDescription &Description();

    // One option of the weld table: its cell and the digits it stands for.
    // Position 1 of switch 53 is 0 for the rows that number no welds, else
    // the text height plus heightOffset.
    struct WeldOption {
        int plotted;      // column: 0 All Welds, 1 Fab Only, 2 Site/Offshore Only, 3 None
        int numbered;     // row: 0 All Welds ... 5 None
        bool numbers;     // false: position 1 of switch 53 is 0
        int heightOffset; // added to the text height in position 1 of switch 53
        int position4;    // position 4 of switch 53
        int plottedCode;  // position 1 of switch 54
    };
    static const WeldOption &WeldTable(int k); // k = 1..12
    // The option and text height (0 none) shown for the stored digits: a and
    // b are positions 1 and 4 of switch 53, t position 1 of switch 54. An
    // option of 0 selects none.
    struct WeldChoice {
        int option;
        int height;
    };
    static WeldChoice ChooseWeldOption(int a, int b, int t);
    static constexpr int ImpliedSiteWeldsCode = 4;

protected:
    void BuildOwn(const ControlEntry &c, QGridLayout *grid, int row) override;
    void LayoutOwn(const ControlEntry &c) override;
    void ReadOwn(const ControlEntry &c) override;
    void Connect() override;

private:
    // An enclosure list with its prefix box, and the positions of its
    // enclosure, prefix and double-circle digits.
    struct EnclosureGroup {
        const char *list;
        const char *box;
        int e, p, d;
    };
    static const EnclosureGroup *GroupOfList(const QString &name);
    void LayoutEnclosures(int switchNumber, const EnclosureGroup &g, bool prefixRule);
    void ReadEnclosures(int switchNumber, const EnclosureGroup &g);
    void LayoutWeldTable();
    void ReadWeldTable();
    void OnWeldOptionClicked(int k);
    void OnImpliedSiteWeldsClicked(bool checked);
    void ShowEnclosureSize(QComboBox *list, int position);
    void OnEnclosureSizeChosen(QComboBox *list, const QString &buttons, int firstPosition);
    void OnPrefixRule(const char *list, const char *box);
    int SelectedOption(const QString &name) const;

    int tableRow = 0; // the row of the weld table in its panel's grid
};

} // namespace swted
