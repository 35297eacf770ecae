#include "gui/pages/XMaterials_1View.h"

#include "pages/XMaterials_1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace swted {

namespace {

// A field of one position; the page gives it its width and what it takes.
QLineEdit *DigitField(const QString &name, const QString &accessibleName)
{
    auto *field = new QLineEdit;
    field->setObjectName(name);
    field->setAlignment(Qt::AlignCenter);
    field->setAccessibleName(accessibleName);
    return field;
}

// Room left of a label that continues a button's caption, so that it lines
// up with the caption's text.
int IndicatorIndent(const QWidget *w)
{
    return w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
        + w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
}

} // namespace

XMaterials_1View::XMaterials_1View(Editor &editor, PageHost &host, QWidget *parent)
    : PageWindow(editor, host, XMaterials_1::Description(), parent)
{
}

void XMaterials_1View::BuildOwn(const ControlEntry &c, QGridLayout *grid, int row)
{
    const QString &n = c.name;
    if (n == QLatin1String("TxtMatUserTxtSize1")) {
        BuildUserSize(c, grid, row);
    } else if (n == QLatin1String("FramMatFont")) {
        auto *frame = new QGroupBox(QStringLiteral("User Defined Fonts"));
        Register(n, frame);
        fontLine = new QHBoxLayout(frame);
        grid->addWidget(frame, row, 0, 1, 6);
    } else if (n == QLatin1String("ChkMaterialsFontFile")) {
        auto *box = new QCheckBox(c.caption);
        Register(n, box);
        fontLine->addWidget(box);
        fontLine->addWidget(Marker(n), 0, Qt::AlignVCenter);
    } else if (n == QLatin1String("CmbMaterialsUserFontType")) {
        auto *list = new QComboBox;
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setMinimumContentsLength(24);
        list->setAccessibleName(QStringLiteral("User Defined Fonts"));
        Register(n, list);
        fontLine->addWidget(list, 1);
        fontLine->addWidget(Marker(n), 0, Qt::AlignVCenter);
    } else if (n == QLatin1String("SSChkSSOpt2Pos6To0") || n == QLatin1String("SSChkopt2Pos6To1")) {
        // The frame the description puts them in is the bending frame.
        if (QWidget *frame = grid->parentWidget(); frame && frame->objectName().isEmpty())
            Register(QStringLiteral("FramBending"), frame);
        auto *box = new QCheckBox(c.caption);
        Register(n, box);
        grid->addWidget(box, row, 0, 1, 2);
        grid->addWidget(Marker(n), row, 2, Qt::AlignVCenter);
    } else if (n == QLatin1String("Opt_30_Option")) {
        BuildContinuation(c, grid, row);
    } else if (n.startsWith(QLatin1String("Opt_74_Option"))) {
        BuildAccumulation(c, grid, row);
    } else if (c.bind == Bind::Text && c.switchNumber >= 43 && c.switchNumber <= 51) {
        BuildMultiplier(c, grid, row);
    }
    // TxtMatUserTxtSize2 is built with the first field.
}

// The user text size: position 2, a dot, position 1 and the unit.
void XMaterials_1View::BuildUserSize(const ControlEntry &c, QGridLayout *grid, int row)
{
    auto *frame = new QGroupBox(QStringLiteral("Te&xt Size"));
    Register(QStringLiteral("FramMatUserTextSize"), frame);
    auto *line = new QHBoxLayout(frame);
    QLineEdit *tens = DigitField(c.name, QStringLiteral("User text size, whole millimetres"));
    QLineEdit *units = DigitField(QStringLiteral("TxtMatUserTxtSize2"), QStringLiteral("User text size, tenths of a millimetre"));
    auto *dot = new QLabel(QStringLiteral("."));
    dot->setObjectName(QStringLiteral("LblMatDot"));
    Register(dot->objectName(), dot);
    Register(tens->objectName(), tens);
    Register(units->objectName(), units);
    line->addWidget(tens);
    line->addWidget(Marker(tens->objectName()), 0, Qt::AlignVCenter);
    line->addWidget(dot);
    line->addWidget(units);
    line->addWidget(Marker(units->objectName()), 0, Qt::AlignVCenter);
    line->addWidget(new QLabel(QStringLiteral("(mm)")));
    line->addStretch(1);
    grid->addWidget(frame, row, 0, 1, 6);
}

// Each button of the continuation method is continued by a label under it.
void XMaterials_1View::BuildContinuation(const ControlEntry &c, QGridLayout *grid, int row)
{
    QVector<QRadioButton *> buttons;
    for (int i = 0; i < c.items.size(); ++i) {
        auto *b = new QRadioButton(c.items[i]);
        b->setObjectName(PageDescription::ButtonName(c, i));
        auto *more = new QLabel(XMaterials_1::ContinuationText(i));
        more->setObjectName(QStringLiteral("lblOpt30_%1").arg(i));
        more->setWordWrap(true);
        more->setMinimumWidth(more->fontMetrics().averageCharWidth() * 64);
        more->setContentsMargins(IndicatorIndent(b), 0, 0, 4);
        b->setAccessibleDescription(more->text());
        grid->addWidget(b, row + 2 * i, 0, 1, 2);
        grid->addWidget(more, row + 2 * i + 1, 0, 1, 4);
        Relate(c.name, more);
        buttons.append(b);
    }
    RegisterOptions(c.name, buttons);
    grid->addWidget(Marker(c.name), row, 2, Qt::AlignVCenter);
    QWidget *number = SwitchNumberLabel(c.switchLabel, c.name);
    grid->addWidget(number, row, 5);
    Relate(c.name, number);
}

// The six frames of switch 74, three across and two down.
void XMaterials_1View::BuildAccumulation(const ControlEntry &c, QGridLayout *grid, int row)
{
    if (!accumulationGrid) {
        auto *all = new QWidget;
        all->setObjectName(QStringLiteral("AccumulationFrames"));
        accumulationGrid = new QGridLayout(all);
        accumulationGrid->setContentsMargins(0, 0, 0, 0);
        accumulationGrid->setSpacing(8);
        grid->addWidget(all, row, 0, 1, 5);
        if (!c.switchLabel.isEmpty()) {
            QWidget *number = SwitchNumberLabel(c.switchLabel, c.name);
            grid->addWidget(number, row, 5, Qt::AlignTop);
            Relate(c.name, number);
        }
    }
    const int k = accumulationGrid->count();
    QGroupBox *frame = OptionsFrame(c);
    frame->setObjectName(c.name + QStringLiteral("_Frame"));
    accumulationGrid->addWidget(frame, k / 3, k % 3);
}

// A wastage multiplier: the area, the field's label, the field and the
// switch number.
void XMaterials_1View::BuildMultiplier(const ControlEntry &c, QGridLayout *grid, int row)
{
    auto *area = new QLabel(XMaterials_1::AreaCaption(c.switchNumber - 42));
    QFont f = area->font();
    f.setBold(true);
    area->setFont(f);
    auto *field = new QLineEdit;
    field->setAccessibleName(AccessibleNameOf(Definition(), c));
    Register(c.name, field);
    auto *label = new QLabel(c.caption);
    label->setBuddy(field);
    auto *line = new QHBoxLayout;
    line->setSpacing(12);
    line->addWidget(label);
    line->addWidget(field);
    line->addWidget(Marker(c.name), 0, Qt::AlignVCenter);
    line->addStretch(1);
    grid->addWidget(area, row, 0);
    grid->addLayout(line, row, 1, 1, 3);
    QWidget *number = SwitchNumberLabel(c.switchLabel, c.name);
    grid->addWidget(number, row, 5);
    for (QWidget *w : {static_cast<QWidget *>(area), static_cast<QWidget *>(label), number})
        Relate(c.name, w);
}

} // namespace swted
