#include "gui/pages/XWelding_1View.h"

#include "pages/XWelding_1.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace swted {

namespace {

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

XWelding_1View::XWelding_1View(Editor &editor, PageHost &host, QWidget *parent)
    : PageWindow(editor, host, XWelding_1::Description(), parent)
{
}

void XWelding_1View::BuildOwn(const ControlEntry &c, QGridLayout *grid, int row)
{
    if (c.name == QLatin1String("Opt_53_Option_C")) {
        // The text heights stand beside the table.
        grid->addWidget(OptionsFrame(c), tableRow, 1, Qt::AlignTop);
        return;
    }
    if (c.name == QLatin1String("Opt_54_Check")) {
        auto *box = new QCheckBox(c.caption);
        Register(c.name, box);
        QWidget *help = HelpLabel(c.help);
        Relate(c.name, help);
        auto *line = new QHBoxLayout;
        line->setSpacing(6);
        line->addWidget(box);
        line->addWidget(Marker(c.name), 0, Qt::AlignVCenter);
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
    QLabel *corner = HeadLabel(XWelding_1::TableCornerHead(), true);
    QLabel *across = HeadLabel(XWelding_1::TableAcrossHead(), true);
    g->addWidget(Cell(corner, true), 0, 0, 2, 1);
    g->addWidget(Cell(across, true), 0, 1, 1, 4);
    Relate(c.name, corner);
    Relate(c.name, across);
    for (int col = 0; col < 4; ++col) {
        QLabel *head = HeadLabel(XWelding_1::PlottedHead(col));
        g->addWidget(Cell(head, true), 1, col + 1);
        Relate(c.name, head);
    }
    for (int r = 0; r < 6; ++r) {
        QLabel *head = HeadLabel(XWelding_1::NumberedHead(r));
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
        const XWelding_1::WeldOption &o = XWelding_1::WeldTable(k);
        auto *b = new QRadioButton;
        b->setObjectName(QStringLiteral("Opt_5354_Option_%1").arg(k));
        b->setAccessibleName(QStringLiteral("Plotted: ") + XWelding_1::PlottedHead(o.plotted)
                             + QStringLiteral(", numbered: ") + XWelding_1::NumberedHead(o.numbered));
        b->setToolTip(b->accessibleName());
        auto *cell = qobject_cast<QFrame *>(g->itemAtPosition(o.numbered + 2, o.plotted + 1)->widget());
        cell->layout()->addWidget(b);
        cell->layout()->setAlignment(b, Qt::AlignCenter);
        if (k >= XWelding_1::FirstHiddenOption) {
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
    // The table's change marker at its foot, right of its last row.
    auto *line = new QHBoxLayout;
    line->setSpacing(6);
    line->addWidget(table);
    line->addWidget(Marker(c.name), 0, Qt::AlignBottom);
    grid->addLayout(line, row, 0);
    QWidget *help = HelpLabel(c.help);
    grid->addWidget(help, row, 3, Qt::AlignTop);
    Relate(c.name, help);
    QWidget *number = SwitchNumberLabel(c.switchLabel, c.name);
    grid->addWidget(number, row, 5, Qt::AlignTop);
    Relate(c.name, number);
}

} // namespace swted
