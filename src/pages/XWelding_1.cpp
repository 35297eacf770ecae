#include "pages/XWelding_1.h"

#include "model/SwitchStore.h"
#include "pages/Bindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace swted {

namespace {

const QString Plotting = QStringLiteral("WELD PLOTTING/NUMBERING");
const QString Numbering = QStringLiteral("~numbering");
const QString Sizes = QStringLiteral("~sizes");
const QString Enclosures = QStringLiteral("WELD NUMBER ENCLOSURES");
const QString Flanges = QStringLiteral("WELD NUMBERS at SO FLANGES and PADS");
const QString SupportEnclosures = QStringLiteral("SUPPORT WELD NUMBER ENCLOSURES");
const QString Spools = QStringLiteral("SITE WELDS WITH SPOOLS");
const QString Sequences = QStringLiteral("Weld Numbering Sequences");

const char *const PlottedHeads[] = {"All Welds", "Fab Only", "Site/Offshore Only", "None"};
const char *const NumberedHeads[] = {"All Welds", "Fab/Site Only", "Fab Only", "Site Only", "Offshore Only", "None"};

// The twelve options in their order.
const XWelding_1::WeldOption WeldOptions[12] = {
    {0, 0, true, 0, 0, 0},  {0, 1, true, 0, 2, 0},  {0, 2, true, 3, 2, 0},  {0, 3, true, 6, 2, 0},
    {0, 4, true, 0, 1, 0},  {0, 5, false, 0, 2, 0}, {1, 2, true, 3, 2, 3},  {1, 5, false, 0, 2, 3},
    {2, 3, true, 6, 2, 2},  {2, 4, true, 0, 1, 2},  {2, 5, false, 0, 2, 2}, {3, 5, false, 0, 2, 1},
};
// With the implied site welds box ticked, options 7 to 12 give way to the
// option of the "All Welds" column in the same numbered row.
constexpr int AllWeldsOptionOf[13] = {0, 1, 2, 3, 4, 5, 6, 3, 6, 4, 5, 6, 6};
constexpr int FirstHiddenOption = 7;

QStringList EnclosureItems(const char *noNumbers)
{
    return {"Local Circle (Text Size from OS 53)",        "Diamond Ended Box (Text Size from OS 4)",
            "Round Ended Box (Text Size from OS 4)",      "Triangular Enclosure (Text Size from OS 4)",
            "Diamond Enclosure (Text Size from OS 4)",    "Square Ended Box (Text Size from OS 4)",
            "Circle (Text Size from OS 4)",               "No Enclosure (Text Size from OS 4)",
            QString::fromLatin1(noNumbers),               "Double Circle (Text Size from OS 4)",
            "Ellipse (Text Size from OS 4)"};
}
constexpr int LocalCircleItem = 0;
constexpr int CircleItem = 6;
constexpr int NoNumbersItem = 8;
constexpr int DoubleCircleItem = 9;
constexpr int EllipseItem = 10;

const QStringList EnclosureSizes = {
    "1 Character (Fixed)",  "2 Characters (Fixed)", "3 Characters (Fixed)", "4 Characters (Fixed)",
    "5 Characters (Fixed)", "6 Characters (Fixed)", "7 Characters (Fixed)", "8 Characters (Fixed)",
    "Variable Size",
};

// Combo1: positions 6 and 7 of switch 53 for each item.
const QStringList SupportSequences = {
    "Same sequence as other welds",
    "Single sequence for all support welds (continue on each drawing)",
    "Single sequence for all support welds (start from 1 on each drawing)",
    "Individual sequence for each support weld type (continue on each drawing)",
    "Individual sequence for each support weld type (start from 1 on each drawing)",
};
const int SupportSequenceDigits[5][2] = {{0, 0}, {1, 0}, {1, 1}, {2, 0}, {2, 1}};

const QStringList WeldTypes = {"&Fabrication", "&Erection", "&Offshore"};
const QStringList SupportWeldTypes = {"Fa&brication", "Erec&tion", "Offs&hore"};

PageDescription MakeDescription()
{
    PageDescription p;
    p.index = 3;
    p.window = QStringLiteral("XWelding_1");
    p.tabCaption = QStringLiteral("Welding");
    p.subPages = 3;
    p.frameNames = {"Frame2", "Frame3", "Frame5"};
    p.previousImages = {"", "weld_p2_prev", "weld_p3_prev"};
    p.nextImages = {"weld_p1_next", "weld_p2_next", ""};
    p.panels = {
        {Plotting, 1, 0, 0, 1, 2}, {Numbering, 1, 1, 0}, {Sizes, 1, 1, 1},
        {Enclosures, 2, 0, 0},     {Flanges, 2, 0, 1},
        {SupportEnclosures, 3, 0, 0}, {Spools, 3, 0, 1},
    };
    const QString fabrication = QStringLiteral("Fabrication Support Welds");
    const QString erection = QStringLiteral("Erection Support Welds");
    const QString offshore = QStringLiteral("Offshore Support Welds");
    const QString additional = QStringLiteral("Weld Numbering - Additional Options");
    const QString shape = QStringLiteral("Enclosure Shape");
    // The order is the order of read-back (and of layout: the controls of
    // different switches do not depend on each other's order, and the range
    // messages come in the same order either way).
    p.controls = {
        ListControl("Combo_OS_78_POS1", 78, 1, 1, 10, 0, shape, EnclosureItems("No Shop Weld Numbers to be output"))
            .In(SupportEnclosures, 3).Framed(fabrication).Label("78").CaptionAbove().Own().Unrestricted(),
        CheckControl("Check1", 78, 2, "Add Weld &Prefix").In(SupportEnclosures, 3).Framed(fabrication).Own().Unrestricted(),
        ListControl("Combo_OS_78_POS3", 78, 3, 1, 10, 0, shape, EnclosureItems("No Field Weld Numbers to be output"))
            .In(SupportEnclosures, 3).Framed(erection).CaptionAbove().Own().Unrestricted(),
        CheckControl("Check2", 78, 4, "Add Weld P&refix").In(SupportEnclosures, 3).Framed(erection).Own().Unrestricted(),
        ListControl("Combo_OS_78_POS5", 78, 5, 1, 10, 0, shape, EnclosureItems("No Offshore Weld Numbers to be output"))
            .In(SupportEnclosures, 3).Framed(offshore).CaptionAbove().Own().Unrestricted(),
        CheckControl("Check3", 78, 6, "Add Weld Pr&efix").In(SupportEnclosures, 3).Framed(offshore).Own().Unrestricted(),
        CheckControl("Check_OS_83_Pos1", 83, 1, "&Site Welds Not Assigned To Spools").In(Spools, 3).Label("83").Unrestricted(),

        // Switch 53 positions 1, 4, 6, 7 and switch 54 position 1.
        OwnControl("Opt_5354_Option", 53).In(Plotting).Label("53/54").Help("Label12"),
        // Built beside and under the table.
        OptionsControl("Opt_53_Option_C", 53, 1, {"S&mall-1.5 mm", "Me&dium-1.8 mm", "&Large-2.1 mm"})
            .In(Plotting).Caption("Text Height for Weld Numbers").NumberedFrom(1).Own().OwnBuild(),
        CheckControl("Opt_54_Check", 54, 1, "Plot all Welds and show &implied Site Welds as Fab.")
            .In(Plotting).Help("Label24").Own().OwnBuild(),

        ListControl("Opt_53_Combo_C", 53, 2, 1, 2, 0, QString(),
                 {"No Weld/Operations Box", "Plot Weld Summary Box", "Plot Operations Summary Box"})
            .In(Numbering),
        OptionsControl("Opt_53_Option_A", 53, 3, {"Each &Pipeline", "Each Dra&wing"})
            .In(Numbering).Framed(Sequences).Caption("Number Welds from 1 on :  ").Across().Own(),
        CheckControl("opt_53_check", 53, 3, "Spool Iso Weld &Nos. match Full Iso Weld Nos.")
            .In(Numbering).Framed(Sequences).Own(),
        OptionsControl("Opt_53_Option_B", 53, 5, {"&All Welds", "Each Weld &Type"})
            .In(Numbering).Framed(Sequences).Caption("Number Welds from 1 for :  ").Across(),
        CheckControl("Opt_53_Pos3_Check", 53, 3, "Suppress Auto-&Generation Of Weld Nos (If Originally Absent)")
            .In(Numbering).Own().Unrestricted(),
        OptionsControl("Opt_53_Option_8", 53, 8, {"Numeric &Identifiers", "Alphabeticic Identi&fiers"})
            .In(Numbering).Framed(additional).Across(),
        TextControl("Opt_53_TextBox", 53, 9, 1, "0", "Number of Leading &Zeros or Spaces :").In(Numbering).Framed(additional),

        // Positions 2 to 7 of switch 54 are written as soon as a size is chosen.
        OptionsControl("SSOptWeldTypeWeldNumbering", 54, 2, WeldTypes)
            .In(Sizes).Framed("Non-Support Welds").Across().Own().Unrestricted(),
        ListControl("Cmb_Opt54_Pos234", 54, 2, 1, 8, 0, "&Circle / Double Circle / Ellipse Enc. Size", EnclosureSizes)
            .In(Sizes).Framed("Non-Support Welds").CaptionAbove().Own().Unrestricted(),
        OptionsControl("SSOptWeldType", 54, 5, SupportWeldTypes).In(Sizes).Framed("Support Welds").Across().Own().Unrestricted(),
        ListControl("cmb_OPT54_Pos456", 54, 5, 1, 8, 0, "Circle / Double Circle / Ellipse Encl&osure Size", EnclosureSizes)
            .In(Sizes).Framed("Support Welds").CaptionAbove().Own().Unrestricted(),
        // Positions 6 and 7 of switch 53, with the other support weld settings.
        ListControl("Combo1", 53, 6, 2, 4, 0, "Numbering Se&quence", SupportSequences)
            .In(Sizes).Framed("Support Welds").CaptionAbove().Own().Unrestricted(),
        CheckControl("Opt_54_Pos8_Check", 54, 8, "Suppress Generation Of Impl&ied Welds").In(Sizes),
        CheckControl("Opt_54_Pos9_Check", 54, 9, "Suppress Arro&wheads on all Weld Msgs").In(Sizes),

        ListControl("Opt_75_Combo_A", 75, 1, 1, 10, 0, shape, EnclosureItems("No Shop Weld Numbers to be output"))
            .In(Enclosures, 2).Framed("Fabrication Welds").Label("75").Help("Label15").CaptionAbove().Own(),
        CheckControl("Opt_75_Check_A", 75, 2, "Add Weld &Prefix to Weld Number").In(Enclosures, 2).Framed("Fabrication Welds").Own(),
        ListControl("Opt_75_Combo_B", 75, 3, 1, 10, 0, shape, EnclosureItems("No Field Weld Numbers to be output"))
            .In(Enclosures, 2).Framed("Field Welds").CaptionAbove().Own(),
        CheckControl("Opt_75_Check_B", 75, 4, "Add Weld P&refix to Weld Number").In(Enclosures, 2).Framed("Field Welds").Own(),
        ListControl("Opt_75_Combo_C", 75, 5, 1, 10, 0, shape, EnclosureItems("No Offshore Weld Numbers to be output"))
            .In(Enclosures, 2).Framed("Offshore Welds").CaptionAbove().Own(),
        CheckControl("Opt_75_Check_C", 75, 6, "Add Weld Pr&efix to Weld Number").In(Enclosures, 2).Framed("Offshore Welds").Own(),

        OptionsControl("Opt_77_Option", 77, 1, {"&Two Weld Numbers at Slip-On Flanges", "&One Weld Number at Slip-On Flanges"})
            .In(Flanges, 2).Label("77").Own(),
        OptionsControl("Opt_77_Option_2", 77, 4,
                    {"One Weld Number at '&Y' type Fittings", "T&wo Weld Numbers at 'Y' type Fittings"})
            .In(Flanges, 2).Own(),
        ListControl("Opt_77_Combo", 77, 2, 1, 2, 0, QString(),
                 {"No Extra Welds added at Reinforcement Pads", "One Extra Weld added at Reinforcement Pads",
                  "Two Extra Welds added at Reinforcement Pads"})
            .In(Flanges, 2),
        CheckControl("Opt_77_Check", 77, 3, "Generate PAD Item &Code and Show Symbol on Iso.").In(Flanges, 2),
        OptionsControl("Opt_77_Pos5", 77, 5, {"Weld numbers &allocated to tack welds", "Weld numbers &not allocated to tack welds"})
            .In(Flanges, 2).Framed("Tack Welds").Unrestricted(),
        ListControl("OPT_77_ComboG", 77, 7, 1, 9, 0, QString(),
                 {"2 Weld numbers (Fixed)", "1 Weld number", "2 weld numbers", "3 weld numbers", "4 weld numbers",
                  "5 weld numbers", "6 weld numbers", "7 weld numbers", "8 weld numbers", "9 weld numbers"})
            .In(Flanges, 2).Framed("Weld numbers allocated to victaulic clamps").Unrestricted(),
    };
    p.tips = {
        {"Label12", "53",
         "Switches 53 and 54 are used together to control the plotting and numbering"
         " of the three different Weld types. Each of the allowable combinations"
         " has an option button in the table which specifies which Welds will be"
         " plotted and which Welds will be numbered."
         "\r\n\n"
         "Please note that if 'None' is selected under Welds to be Numbered, this"
         " ONLY suppresses the plotting of Weld numbers on the Isometric. If a"
         " Weld Box or Operations Box is requested, this will still include a list"
         " of Welds with numbers. It will then only be possible to identify Welds"
         " on the Drawing if the 'Location' feature has been used with"
         " an Operations Box. This gives the location of a Weld by reference to the"
         " two components that it joins.",
         5000, 5500},
        {"Label15", "75",
         "The default enclosure for Weld Numbers is a Circle drawn"
         " local the weld, and in this case the text size for Weld Numbers"
         " set by Switch 53. This enclosure can take up to 3 characters,"
         " after which the program will automatically show the Weld"
         " Number as an 'arrowed out' message without an enclosure."
         "\r\n"
         " Any of the other options in Switch 75 cause the Weld"
         " Number to be 'arrowed out' and the text size will be taken from"
         " the Drawing Text Size as set in Switch 4."
         "\r\n"
         "If a Weld Prefix is added to any weld type,"
         " then a Local Circle enclosure"
         " can not be used. If Local Circles"
         " are selected with Weld Prefixes set, the Switch"
         " setting will be changed to give Dynamically"
         " Sized Circles."
         "\r\n\r\n"
         " Please Note. Triangular and Diamond Shaped"
         " enclosures, will not normally accommodate"
         " a Weld Prefix plus Weld Number of more"
         " than 3 chacacters in total",
         5000, 5500},
        {"Label24", "54",
         "Please note that if the box is checked to show implied, program generated"
         " Site Welds as Fab Welds this does not affect explicit Site Welds"
         " which have records in the IDF or PCF. This setting also causes all types"
         " of Weld to be plotted. The operation of this function"
         " is somewhat erratic and its use is not recommended. If this setting "
         " is used, the combination with the specific setting of Switch 53 should"
         " be thoroughly tested before using it in production."
         "\r\n\n",
         4000, 4500},
        {"Label25", "54",
         "This option is only available if the box immediately below this table"
         " is not checked, because checking the box forces plotting of all Weld"
         " types in addition to showing any implied, program generated Site"
         " Welds as Fab Welds.",
         3000, 3500},
    };
    return p;
}

QFrame *Cell(QWidget *content, bool head)
{
    auto *cell = new QFrame;
    cell->setFrameShape(QFrame::Box);
    cell->setFrameShadow(QFrame::Plain);
    cell->setLineWidth(1);
    cell->setForegroundRole(QPalette::Mid);
    if (head) {
        cell->setAutoFillBackground(true);
        cell->setBackgroundRole(QPalette::Button);
    }
    auto *l = new QHBoxLayout(cell);
    l->setContentsMargins(6, 3, 6, 3);
    if (content)
        l->addWidget(content, 0, Qt::AlignCenter);
    return cell;
}

QLabel *HeadLabel(const QString &text, bool bold = false)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    label->setForegroundRole(QPalette::WindowText);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

} // namespace

const PageDescription &XWelding_1::Description()
{
    static const PageDescription definition = MakeDescription();
    return definition;
}

const XWelding_1::WeldOption &XWelding_1::WeldTable(int k)
{
    return WeldOptions[std::clamp(k, 1, 12) - 1];
}

XWelding_1::WeldChoice XWelding_1::ChooseWeldOption(int a, int b, int t)
{
    if (a == 0)
        b = 2;
    if (b < 2) {
        if (a >= 7)
            a -= 6;
        else if (a >= 4)
            a -= 3;
    }
    const int g = a == 0 ? 0 : (a == 2 || a == 5 || a == 8) ? 2 : (a == 3 || a == 6 || a == 9) ? 3 : 1;
    switch (t) {
    case 1:
        return {12, 0};
    case 2:
        if (b == 0)
            b = 1;
        if (b == 1)
            return {10, std::max(g, 1)};
        if (b == 2)
            return a != 0 ? WeldChoice{9, g} : WeldChoice{11, 0};
        return {0, 0};
    case 3:
        return a != 0 ? WeldChoice{7, g} : WeldChoice{8, 0};
    default:
        if (b == 0)
            return {1, g};
        if (b == 1)
            return {5, g};
        if (b == 2) {
            if (a == 0)
                return {6, 0};
            if (a <= 3)
                return {2, a};
            if (a <= 6)
                return {3, a - 3};
            return {4, a - 6};
        }
        return {0, 0};
    }
}

XWelding_1::XWelding_1(Editor &editor, PageHost &host, QWidget *parent)
    : PageWindow(editor, host, Description(), parent)
{
}

void XWelding_1::BuildOwn(const ControlEntry &c, QGridLayout *grid, int row)
{
    if (c.name == QLatin1String("Opt_53_Option_C")) {
        // The text heights stand beside the table.
        auto *frame = new QGroupBox(c.caption);
        auto *v = new QVBoxLayout(frame);
        QVector<QRadioButton *> buttons;
        for (int i = 0; i < c.items.size(); ++i) {
            auto *b = new QRadioButton(c.items[i]);
            b->setObjectName(c.name + QStringLiteral("_%1").arg(c.firstIndex + i));
            v->addWidget(b);
            buttons.append(b);
        }
        v->addStretch(1);
        RegisterOptions(c.name, buttons);
        Relate(c.name, frame);
        grid->addWidget(frame, tableRow, 1, Qt::AlignTop);
        return;
    }
    if (c.name == QLatin1String("Opt_54_Check")) {
        auto *box = new QCheckBox(c.caption);
        Register(c.name, box);
        QWidget *help = HelpLabel(c.help);
        Relate(c.name, help);
        auto *line = new QHBoxLayout;
        line->addWidget(box);
        line->addWidget(help);
        line->addStretch(1);
        grid->addLayout(line, tableRow + 1, 0);
        return;
    }
    // The weld table: plotted welds across, numbered welds down, an option
    // in each of the twelve allowed cells.
    auto *table = new QWidget;
    table->setObjectName(QStringLiteral("WeldTable"));
    auto *g = new QGridLayout(table);
    g->setSpacing(0);
    g->setContentsMargins(0, 0, 0, 0);
    QLabel *corner = HeadLabel(QStringLiteral("Welds to be numbered"), true);
    QLabel *across = HeadLabel(QStringLiteral("Welds to be Plotted"), true);
    g->addWidget(Cell(corner, true), 0, 0, 2, 1);
    g->addWidget(Cell(across, true), 0, 1, 1, 4);
    Relate(c.name, corner);
    Relate(c.name, across);
    for (int col = 0; col < 4; ++col) {
        QLabel *head = HeadLabel(QString::fromLatin1(PlottedHeads[col]));
        g->addWidget(Cell(head, true), 1, col + 1);
        Relate(c.name, head);
    }
    for (int r = 0; r < 6; ++r) {
        QLabel *head = HeadLabel(QString::fromLatin1(NumberedHeads[r]));
        head->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        g->addWidget(Cell(head, true), r + 2, 0);
        Relate(c.name, head);
        for (int col = 0; col < 4; ++col) {
            if (!g->itemAtPosition(r + 2, col + 1))
                g->addWidget(Cell(nullptr, false), r + 2, col + 1);
        }
    }
    QVector<QRadioButton *> buttons;
    for (int k = 1; k <= 12; ++k) {
        const WeldOption &o = WeldTable(k);
        auto *b = new QRadioButton;
        b->setObjectName(QStringLiteral("Opt_5354_Option_%1").arg(k));
        b->setAccessibleName(QStringLiteral("Plotted: ") + QString::fromLatin1(PlottedHeads[o.plotted])
                             + QStringLiteral(", numbered: ") + QString::fromLatin1(NumberedHeads[o.numbered]));
        b->setToolTip(b->accessibleName());
        auto *cell = qobject_cast<QFrame *>(g->itemAtPosition(o.numbered + 2, o.plotted + 1)->widget());
        cell->layout()->addWidget(b);
        cell->layout()->setAlignment(b, Qt::AlignCenter);
        if (k >= FirstHiddenOption) {
            // Stands in the cell while the implied site welds box hides the option.
            QWidget *help = HelpLabel(QStringLiteral("Label25_%1").arg(k), QStringLiteral(" ?"));
            help->hide();
            cell->layout()->addWidget(help);
            cell->layout()->setAlignment(help, Qt::AlignCenter);
            Relate(c.name, help);
        }
        buttons.append(b);
    }
    for (int col = 1; col <= 4; ++col)
        g->setColumnMinimumWidth(col, table->fontMetrics().horizontalAdvance(QStringLiteral("Site/Offshore Only")) + 16);
    RegisterOptions(c.name, buttons);
    Register(QStringLiteral("WeldTable"), table);
    tableRow = row;
    grid->addWidget(table, row, 0);
    QWidget *help = HelpLabel(c.help);
    grid->addWidget(help, row, 3, Qt::AlignTop);
    Relate(c.name, help);
    QWidget *number = SwitchNumberLabel(c.switchLabel, c.name);
    grid->addWidget(number, row, 5, Qt::AlignTop);
    Relate(c.name, number);
}

void XWelding_1::Connect()
{
    const QVector<QRadioButton *> table = Options(QStringLiteral("Opt_5354_Option"));
    for (int k = 1; k <= table.size(); ++k)
        connect(table[k - 1], &QRadioButton::clicked, this, [this, k] { OnWeldOptionClicked(k); });
    connect(Get<QCheckBox>(QStringLiteral("Opt_54_Check")), &QCheckBox::clicked, this,
            &XWelding_1::OnImpliedSiteWeldsClicked);

    auto *sizes = Get<QComboBox>(QStringLiteral("Cmb_Opt54_Pos234"));
    auto *supportSizes = Get<QComboBox>(QStringLiteral("cmb_OPT54_Pos456"));
    connect(sizes, &QComboBox::activated, this,
            [this, sizes] { OnEnclosureSizeChosen(sizes, QStringLiteral("SSOptWeldTypeWeldNumbering"), 2); });
    connect(supportSizes, &QComboBox::activated, this,
            [this, supportSizes] { OnEnclosureSizeChosen(supportSizes, QStringLiteral("SSOptWeldType"), 5); });
    const QVector<QRadioButton *> types = Options(QStringLiteral("SSOptWeldTypeWeldNumbering"));
    const QVector<QRadioButton *> supportTypes = Options(QStringLiteral("SSOptWeldType"));
    for (int i = 0; i < 3; ++i) {
        connect(types[i], &QRadioButton::clicked, this, [this, sizes, i] { ShowEnclosureSize(sizes, 2 + i); });
        connect(supportTypes[i], &QRadioButton::clicked, this,
                [this, supportSizes, i] { ShowEnclosureSize(supportSizes, 5 + i); });
    }

    const char *const lists[] = {"Opt_75_Combo_A", "Opt_75_Combo_B", "Opt_75_Combo_C"};
    const char *const boxes[] = {"Opt_75_Check_A", "Opt_75_Check_B", "Opt_75_Check_C"};
    for (int i = 0; i < 3; ++i) {
        const char *list = lists[i];
        const char *box = boxes[i];
        connect(Get<QComboBox>(QString::fromLatin1(list)), &QComboBox::activated, this,
                [this, list, box] { OnPrefixRule(list, box); });
        connect(Get<QCheckBox>(QString::fromLatin1(box)), &QCheckBox::clicked, this,
                [this, list, box] { OnPrefixRule(list, box); });
    }
}

// A weld number with a prefix cannot stand in a local circle: the list
// moves on to the circle sized by the drawing text.
void XWelding_1::OnPrefixRule(const char *list, const char *box)
{
    auto *l = Get<QComboBox>(QString::fromLatin1(list));
    if (Get<QCheckBox>(QString::fromLatin1(box))->isChecked() && l->currentIndex() == LocalCircleItem)
        l->setCurrentIndex(CircleItem);
}

int XWelding_1::SelectedOption(const QString &name) const
{
    const QVector<QRadioButton *> options = Options(name);
    for (int i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked())
            return i;
    }
    return -1;
}

// The rows that number no welds have no text height.
void XWelding_1::OnWeldOptionClicked(int k)
{
    const QVector<QRadioButton *> heights = Options(QStringLiteral("Opt_53_Option_C"));
    if (!WeldTable(k).numbers) {
        ClearOptions(heights);
        for (QRadioButton *b : heights)
            b->setEnabled(false);
        return;
    }
    for (QRadioButton *b : heights)
        b->setEnabled(!Restricted());
    if (SelectedOption(QStringLiteral("Opt_53_Option_C")) < 0)
        heights[0]->setChecked(true);
}

// Implied site welds are plotted with all welds: the options of the other
// plotted columns give way to help labels.
void XWelding_1::OnImpliedSiteWeldsClicked(bool checked)
{
    const QVector<QRadioButton *> table = Options(QStringLiteral("Opt_5354_Option"));
    if (checked) {
        const int selected = SelectedOption(QStringLiteral("Opt_5354_Option")) + 1;
        if (selected >= FirstHiddenOption) {
            const int k = AllWeldsOptionOf[selected];
            table[k - 1]->setChecked(true);
            OnWeldOptionClicked(k);
        }
    }
    for (int k = FirstHiddenOption; k <= 12; ++k) {
        table[k - 1]->setVisible(!checked);
        Widget(QStringLiteral("Label25_%1").arg(k))->setVisible(checked);
    }
}

// Positions 2 to 7 of switch 54 have no item for a 9: the list then shows
// no item and the digit stays until a size is chosen.
void XWelding_1::ShowEnclosureSize(QComboBox *list, int position)
{
    Store().UnpackSwitch(54);
    const int d = Store().GetDigit(position);
    list->setCurrentIndex(d < list->count() ? d : -1);
}

void XWelding_1::OnEnclosureSizeChosen(QComboBox *list, const QString &buttons, int firstPosition)
{
    const int index = list->currentIndex();
    if (index < 0)
        return;
    const int type = std::max(SelectedOption(buttons), 0);
    Store().UnpackSwitch(54);
    Store().SetDigit(firstPosition + type, index);
    Pack(54);
}

void XWelding_1::LayoutEnclosures(int switchNumber, const EnclosureGroup &g, bool prefixRule)
{
    SwitchStore &s = Store();
    auto *list = Get<QComboBox>(QString::fromLatin1(g.list));
    FillList(list, Definition().Control(QString::fromLatin1(g.list))->items);
    s.UnpackSwitch(switchNumber);
    const int e = s.GetDigit(g.e);
    const bool prefix = s.GetDigit(g.p) == 1;
    const bool doubleCircle = s.GetDigit(g.d) == 1;
    Get<QCheckBox>(QString::fromLatin1(g.box))->setChecked(prefix);
    int item = e;
    if (prefixRule && e == NoNumbersItem)
        item = NoNumbersItem;
    else if (doubleCircle)
        item = DoubleCircleItem;
    else if (e == 9)
        item = EllipseItem;
    else if (prefixRule && prefix && e == 0)
        item = CircleItem; // a local circle cannot carry a prefix
    list->setCurrentIndex(item);
}

void XWelding_1::ReadEnclosures(int switchNumber, const EnclosureGroup &g)
{
    SwitchStore &s = Store();
    const int item = Get<QComboBox>(QString::fromLatin1(g.list))->currentIndex();
    s.UnpackSwitch(switchNumber);
    s.SetDigit(g.p, Get<QCheckBox>(QString::fromLatin1(g.box))->isChecked() ? 1 : 0);
    if (item >= 0) {
        s.SetDigit(g.d, item == DoubleCircleItem ? 1 : 0);
        s.SetDigit(g.e, item == DoubleCircleItem ? 6 : item == EllipseItem ? 9 : item);
    }
    Pack(switchNumber);
}

const XWelding_1::EnclosureGroup *XWelding_1::GroupOfList(const QString &name)
{
    static const EnclosureGroup groups[] = {
        {"Combo_OS_78_POS1", "Check1", 1, 2, 7},       {"Combo_OS_78_POS3", "Check2", 3, 4, 8},
        {"Combo_OS_78_POS5", "Check3", 5, 6, 9},       {"Opt_75_Combo_A", "Opt_75_Check_A", 1, 2, 7},
        {"Opt_75_Combo_B", "Opt_75_Check_B", 3, 4, 8}, {"Opt_75_Combo_C", "Opt_75_Check_C", 5, 6, 9},
    };
    for (const EnclosureGroup &g : groups) {
        if (name == QLatin1String(g.list))
            return &g;
    }
    return nullptr;
}

void XWelding_1::LayoutWeldTable()
{
    SwitchStore &s = Store();
    s.UnpackSwitch(54);
    const int t = s.GetDigit(1);
    auto *implied = Get<QCheckBox>(QStringLiteral("Opt_54_Check"));
    implied->setChecked(t == ImpliedSiteWeldsCode);
    OnImpliedSiteWeldsClicked(implied->isChecked());

    s.UnpackSwitch(53);
    const WeldChoice choice = ChooseWeldOption(s.GetDigit(1), s.GetDigit(4), t);
    const QVector<QRadioButton *> table = Options(QStringLiteral("Opt_5354_Option"));
    const QVector<QRadioButton *> heights = Options(QStringLiteral("Opt_53_Option_C"));
    ClearOptions(table);
    ClearOptions(heights);
    for (QRadioButton *b : heights)
        b->setEnabled(true);
    if (choice.option > 0) {
        table[choice.option - 1]->setChecked(true);
        OnWeldOptionClicked(choice.option);
        if (choice.height > 0)
            heights[choice.height - 1]->setChecked(true);
    }
}

void XWelding_1::ReadWeldTable()
{
    SwitchStore &s = Store();
    const int k = SelectedOption(QStringLiteral("Opt_5354_Option")) + 1;
    const WeldOption &row = WeldTable(k > 0 ? k : 1);
    const int h = SelectedOption(QStringLiteral("Opt_53_Option_C")) + 1;
    s.UnpackSwitch(53);
    s.SetDigit(1, row.numbers ? h + row.heightOffset : 0);
    s.SetDigit(4, row.position4);
    Pack(53);
    s.UnpackSwitch(54);
    s.SetDigit(1, Get<QCheckBox>(QStringLiteral("Opt_54_Check"))->isChecked() ? ImpliedSiteWeldsCode : row.plottedCode);
    Pack(54);
}

void XWelding_1::LayoutOwn(const ControlEntry &c)
{
    SwitchStore &s = Store();
    if (const EnclosureGroup *g = GroupOfList(c.name)) {
        LayoutEnclosures(c.switchNumber, *g, c.switchNumber == 75);
    } else if (c.name == QLatin1String("Combo1")) {
        s.UnpackSwitch(53);
        const int p6 = s.GetDigit(6);
        const int p7 = s.GetDigit(7);
        Get<QComboBox>(c.name)->setCurrentIndex(p6 == 0 ? 0 : p6 == 1 ? (p7 == 0 ? 1 : 2) : (p7 == 0 ? 3 : 4));
    } else if (c.name == QLatin1String("Opt_5354_Option")) {
        LayoutWeldTable();
    } else if (c.name == QLatin1String("Opt_53_Option_A")) {
        // Position 3: the numbering sequence with or without the spool match,
        // or 4 for no generated weld numbers.
        s.UnpackSwitch(53);
        const int d = s.GetDigit(3);
        const QVector<QRadioButton *> from = Options(c.name);
        auto *match = Get<QCheckBox>(QStringLiteral("opt_53_check"));
        auto *suppress = Get<QCheckBox>(QStringLiteral("Opt_53_Pos3_Check"));
        ClearOptions(from);
        match->setChecked(false);
        suppress->setChecked(d == 4);
        if (d <= 3) {
            from[d % 2]->setChecked(true);
            match->setChecked(d >= 2);
        }
    } else if (c.name == QLatin1String("SSOptWeldTypeWeldNumbering")) {
        Options(c.name)[0]->setChecked(true);
        ShowEnclosureSize(Get<QComboBox>(QStringLiteral("Cmb_Opt54_Pos234")), 2);
    } else if (c.name == QLatin1String("SSOptWeldType")) {
        Options(c.name)[0]->setChecked(true);
        ShowEnclosureSize(Get<QComboBox>(QStringLiteral("cmb_OPT54_Pos456")), 5);
    } else if (c.name == QLatin1String("Opt_77_Option")) {
        s.UnpackSwitch(77);
        Options(c.name)[s.GetDigit(1) == 1 ? 0 : 1]->setChecked(true);
    } else if (c.name == QLatin1String("Opt_77_Option_2")) {
        s.UnpackSwitch(77);
        Options(c.name)[s.GetDigit(4) == 2 ? 1 : 0]->setChecked(true);
    }
    // The prefix boxes go with their lists, the text heights and the implied
    // site welds box with the table, the spool match and suppress boxes with
    // the numbering sequence, and the size lists with their weld types.
}

void XWelding_1::ReadOwn(const ControlEntry &c)
{
    SwitchStore &s = Store();
    if (const EnclosureGroup *g = GroupOfList(c.name)) {
        ReadEnclosures(c.switchNumber, *g);
    } else if (c.name == QLatin1String("Combo1")) {
        const int item = Get<QComboBox>(c.name)->currentIndex();
        if (item < 0)
            return;
        s.UnpackSwitch(53);
        s.SetDigit(6, SupportSequenceDigits[item][0]);
        s.SetDigit(7, SupportSequenceDigits[item][1]);
        Pack(53);
    } else if (c.name == QLatin1String("Opt_5354_Option")) {
        ReadWeldTable();
    } else if (c.name == QLatin1String("Opt_53_Option_A")) {
        const bool eachPipeline = Options(c.name)[0]->isChecked();
        const bool match = Get<QCheckBox>(QStringLiteral("opt_53_check"))->isChecked();
        const bool eachDrawing = Options(c.name)[1]->isChecked();
        int d = eachPipeline ? (match ? 2 : 0) : (eachDrawing && match) ? 3 : 1;
        if (Get<QCheckBox>(QStringLiteral("Opt_53_Pos3_Check"))->isChecked())
            d = 4;
        s.UnpackSwitch(53);
        s.SetDigit(3, d);
        Pack(53);
    } else if (c.name == QLatin1String("Opt_77_Option")) {
        s.UnpackSwitch(77);
        s.SetDigit(1, Options(c.name)[0]->isChecked() ? 1 : 0);
        Pack(77);
    } else if (c.name == QLatin1String("Opt_77_Option_2")) {
        s.UnpackSwitch(77);
        s.SetDigit(4, Options(c.name)[1]->isChecked() ? 2 : 1);
        Pack(77);
    }
}

} // namespace swted
