#include "gui/pages/TorvaWindow.h"

#include "gui/Placement.h"
#include "pages/XSpecial_1.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace swted {

namespace {

QLabel *SwitchNumber(const QString &number)
{
    auto *label = new QLabel(number);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    label->setFont(f);
    label->setForegroundRole(QPalette::PlaceholderText);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setAccessibleName(QStringLiteral("Switch ") + number);
    return label;
}

} // namespace

TorvaWindow::TorvaWindow(SwitchStore &store, Prompts &prompts, QWidget *parent)
    : QDialog(parent), store(store), prompts(prompts)
{
    setObjectName(QStringLiteral("TORVA"));
    setWindowTitle(XSpecial_1::TorvaTitle());
    setModal(true);

    auto *outer = new QVBoxLayout(this);
    auto *board = new QGridLayout;
    board->setSpacing(8);
    outer->addLayout(board);

    const QVector<XSpecial_1::TorvaPanel> panels = XSpecial_1::TorvaPanels();
    const QFontMetrics fm = fontMetrics();
    int widest = 0;
    for (const XSpecial_1::TorvaPanel &p : panels)
        widest = qMax(widest, fm.horizontalAdvance(p.title));
    // The switches without controls: titled, numbered and grey.
    for (int i = 0; i + 1 < panels.size(); ++i) {
        auto *box = new QGroupBox(panels[i].title);
        box->setObjectName(QStringLiteral("Panel_") + panels[i].number);
        box->setMinimumWidth(widest + fm.horizontalAdvance(QStringLiteral("0000")) + 32);
        auto *g = new QGridLayout(box);
        g->addWidget(SwitchNumber(panels[i].number), 0, 0);
        box->setEnabled(false);
        board->addWidget(box, i / 2, i % 2);
    }
    auto *note = new QLabel(XSpecial_1::TorvaNote());
    note->setObjectName(QStringLiteral("lblNote"));
    note->setAlignment(Qt::AlignCenter);
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);
    const int last = static_cast<int>(panels.size()) - 1;
    board->addWidget(note, last / 2, last % 2);

    // Switch 113: the only one with controls.
    auto *pipeline = new QGroupBox(panels[last].title);
    pipeline->setObjectName(QStringLiteral("Panel_") + panels[last].number);
    auto *pg = new QGridLayout(pipeline);
    auto *frame = new QGroupBox(XSpecial_1::TorvaFrameCaption());
    frame->setObjectName(QStringLiteral("Frame113"));
    auto *fl = new QVBoxLayout(frame);
    auto *group = new QButtonGroup(this);
    const QStringList captions = XSpecial_1::TorvaOptionCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        auto *b = new QRadioButton(captions[i]);
        b->setObjectName(XSpecial_1::TorvaOptions() + QStringLiteral("_%1").arg(i));
        group->addButton(b, i);
        fl->addWidget(b);
        options.append(b);
    }
    pg->addWidget(frame, 0, 0);
    pg->addWidget(SwitchNumber(panels[last].number), 0, 1);
    pg->setColumnStretch(0, 1);
    board->addWidget(pipeline, (last + 1) / 2 + 1, 0, 1, 2);

    auto *buttons = new QDialogButtonBox;
    QPushButton *close = buttons->addButton(QStringLiteral("&Close"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    outer->addWidget(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    XSpecial_1::LayoutTorva(store, state);
    const int shown = state[XSpecial_1::TorvaOptions()].index;
    if (shown >= 0 && shown < options.size())
        options[shown]->setChecked(true);
}

void TorvaWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
}

void TorvaWindow::done(int result)
{
    // However the window closes, switch 113 is stored once.
    if (!stored) {
        stored = true;
        int selected = -1;
        for (int i = 0; i < options.size(); ++i) {
            if (options[i]->isChecked())
                selected = i;
        }
        state[XSpecial_1::TorvaOptions()].index = selected;
        XSpecial_1::ReadTorva(store, prompts, state);
    }
    QDialog::done(result);
}

} // namespace swted
