// Builds a page's widgets from its description: the tab strip, sub-pages, panels and controls.
#include "gui/pages/PageWindow.h"

#include "gui/ClickLabel.h"
#include "gui/pages/PanelKeys.h"
#include "gui/pages/TabStripBar.h"
#include "pages/Bindings.h"
#include "pages/PageDescriptions.h"
#include "pages/PageTable.h"
#include "shell/Editor.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace swted {

namespace {

// The page arrows: a filled triangle pointing left or right.
QPixmap ArrowImage(bool next, const QColor &colour)
{
    QPixmap pm(28, 18);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    if (next) {
        path.moveTo(4, 3);
        path.lineTo(24, 9);
        path.lineTo(4, 15);
    } else {
        path.moveTo(24, 3);
        path.lineTo(4, 9);
        path.lineTo(24, 15);
    }
    path.closeSubpath();
    p.fillPath(path, colour);
    return pm;
}

// The grid of a panel or frame; column 4 takes the spare room.
QGridLayout *PanelGrid(QGroupBox *box)
{
    auto *g = new QGridLayout(box);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);
    g->setColumnStretch(4, 1);
    return g;
}

} // namespace

void PageWindow::Build()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    tabStrip = new TabStripBar(this);
    tabStrip->setObjectName(QStringLiteral("TabStrip1"));
    tabStrip->setExpanding(false);
    tabStrip->setDrawBase(true);
    for (const QString &caption : TabCaptionsInStripOrder())
        tabStrip->addTab(caption);
    tabStrip->setCurrentIndex(PageOfIndex(definition.index).stripPosition - 1);
    tabStrip->setAccessibleName(QStringLiteral("Option pages"));
    // A window narrower than the strip scrolls it with arrow buttons; the
    // captions are never shortened.
    tabStrip->setUsesScrollButtons(true);
    tabStrip->setElideMode(Qt::ElideNone);
    outer->addWidget(tabStrip);

    auto *body = new QFrame(this);
    body->setFrameShape(QFrame::StyledPanel);
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(8, 8, 8, 6);
    frames = new QStackedWidget(body);
    bodyLayout->addWidget(frames);
    outer->addWidget(body);

    framesByNumber.resize(definition.subPages + 1);
    for (int k = 1; k <= definition.subPages; ++k) {
        QWidget *frame = BuildSubPage(k);
        framesByNumber[k] = frame;
        frames->addWidget(frame);
    }
    for (const ControlEntry &c : definition.controls) {
        if (c.bind != Bind::Rule)
            BuildControl(c, GridFor(c));
    }
    // Each panel's rows stay at the top; spare room goes below them.
    for (auto it = grids.begin(); it != grids.end(); ++it)
        it.value()->setRowStretch(it.value()->rowCount(), 1);

    connect(tabStrip, &QTabBar::currentChanged, this, &PageWindow::OnTabChanged);
    TrackWidgets();
    {
        PageContext ctx = Context();
        CreateForm(ctx);
        ShowState();
    }
    DescribeControls();
    CheckEntries();
    OrderTabStops();
    // The size hints cached while the widgets were added are stale, and
    // wrapping labels change theirs once laid out: settle them before the
    // window takes the size of its contents.
    ensurePolished();
    for (QWidget *w : findChildren<QWidget *>())
        w->ensurePolished();
    QSize size;
    for (int pass = 0; pass < 4 && size != sizeHint(); ++pass) {
        size = sizeHint();
        for (QWidget *w : findChildren<QWidget *>())
            w->updateGeometry();
        for (QLayout *l : findChildren<QLayout *>())
            l->invalidate();
        layout()->activate();
    }
    wholeSize = sizeHint();
    // Below the strip the page scrolls when its window is smaller than the
    // whole page; the contents never shrink below their own size, and take
    // the room of a larger window. The scroll follows the focus.
    body->setMinimumSize(body->sizeHint());
    outer->removeWidget(body);
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("PageScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(body);
    outer->addWidget(scroller);
    // The whole control comes into view (from its left when it is wider
    // than the view), not only the text cursor of a field.
    connect(qApp, &QApplication::focusChanged, scroller, [scroller](QWidget *, QWidget *now) {
        if (!now || !scroller->widget()->isAncestorOf(now))
            return;
        const QRect r(now->mapTo(scroller->widget(), QPoint(0, 0)), now->size());
        scroller->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 8, r.height() / 2 + 8);
    });
    resize(wholeSize);
}

QWidget *PageWindow::BuildSubPage(int k)
{
    auto *frame = new QFrame;
    const QString frameName = definition.frameNames.value(k - 1);
    frame->setObjectName(frameName.isEmpty() ? QStringLiteral("Page_%1").arg(k) : frameName);
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(0, 0, 0, 0);
    auto *grid = new QGridLayout;
    grid->setSpacing(8);
    v->addLayout(grid, 1);

    for (const PanelEntry &p : definition.panels) {
        if (p.subPage != k)
            continue;
        auto *box = new QGroupBox(BoxTitle(p.caption), frame);
        box->setObjectName(QStringLiteral("Panel_") + QString(p.caption).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_")));
        grids.insert(box, PanelGrid(box));
        panels.insert(PanelKey(k, p.caption), box);
        grid->addWidget(box, p.row, p.column, p.rowSpan, p.columnSpan);
    }

    if (definition.subPages > 1) {
        auto *foot = new QHBoxLayout;
        const QColor arrow = palette().color(QPalette::Highlight);
        if (k > 1) {
            auto *prev = new ClickLabel(QString(), frame);
            const QString name = definition.previousImages.value(k - 1);
            prev->setObjectName(name.isEmpty() ? QStringLiteral("imgPrevPage_%1").arg(k - 1) : name);
            widgets.insert(prev->objectName(), prev);
            prev->setPixmap(ArrowImage(false, arrow));
            prev->setAccessibleName(QStringLiteral("Previous page (page %1)").arg(k - 1));
            prev->setToolTip(prev->accessibleName());
            connect(prev, &ClickLabel::clicked, this, [this, k] { ShowSubPage(k - 1); });
            foot->addWidget(prev);
        } else {
            foot->addSpacing(28);
        }
        auto *label = new QLabel(QStringLiteral("Page %1 of %2").arg(k).arg(definition.subPages), frame);
        label->setObjectName(QStringLiteral("lblFoot1"));
        label->setAlignment(Qt::AlignCenter);
        foot->addWidget(label, 1);
        if (k < definition.subPages) {
            auto *next = new ClickLabel(QString(), frame);
            const QString name = definition.nextImages.value(k - 1);
            next->setObjectName(name.isEmpty() ? QStringLiteral("ImgNextPage_%1").arg(k + 1) : name);
            widgets.insert(next->objectName(), next);
            next->setPixmap(ArrowImage(true, arrow));
            next->setAccessibleName(QStringLiteral("Next page (page %1)").arg(k + 1));
            next->setToolTip(next->accessibleName());
            connect(next, &ClickLabel::clicked, this, [this, k] { ShowSubPage(k + 1); });
            foot->addWidget(next);
        } else {
            foot->addSpacing(28);
        }
        v->addLayout(foot);
    }
    return frame;
}

QGridLayout *PageWindow::GridFor(const ControlEntry &c)
{
    QGroupBox *panel = panels.value(PanelKey(c.subPage, c.panel));
    if (!panel) {
        // A control whose panel is not listed gets a panel of its own at the
        // bottom of its sub-page.
        QWidget *frame = framesByNumber.value(c.subPage);
        auto *grid = static_cast<QGridLayout *>(static_cast<QVBoxLayout *>(frame->layout())->itemAt(0)->layout());
        panel = new QGroupBox(BoxTitle(c.panel), frame);
        grids.insert(panel, PanelGrid(panel));
        panels.insert(PanelKey(c.subPage, c.panel), panel);
        grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (c.frame.isEmpty())
        return grids.value(panel);
    const QString key = PanelKey(c.subPage, c.panel, c.frame);
    QGroupBox *inner = innerFrames.value(key);
    if (!inner) {
        inner = new QGroupBox(BoxTitle(c.frame), panel);
        grids.insert(inner, PanelGrid(inner));
        innerFrames.insert(key, inner);
        QGridLayout *pg = grids.value(panel);
        pg->addWidget(inner, pg->rowCount(), 0, 1, 6);
    }
    return grids.value(inner);
}

QWidget *PageWindow::SwitchNumberLabel(const QString &text, const QString &controlName)
{
    auto *label = new QLabel(text);
    label->setObjectName(QStringLiteral("lblSwitch_") + controlName);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    label->setFont(f);
    label->setForegroundRole(QPalette::PlaceholderText);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAccessibleName(QStringLiteral("Switch ") + text);
    label->setToolTip(QStringLiteral("Option Switch ") + text);
    return label;
}

// A panel's grid: column 0 holds captions and the controls that carry their
// own (check boxes, option buttons, lists without a caption), column 1 the
// fields and lists beside a caption, column 3 the help label, column 4 the
// spare room and column 5 the switch number. Only labels and inner frames
// span columns, so the grid does not overestimate its width.
void PageWindow::BuildControl(const ControlEntry &c, QGridLayout *grid)
{
    int row = grid->rowCount();
    // rowCount() is 1 for an empty grid; start at row 0 then.
    if (row == 1 && !grid->itemAtPosition(0, 0) && grid->count() == 0)
        row = 0;
    QVector<QWidget *> &extra = related[c.name];
    auto unitLabel = [&]() -> QLabel * {
        auto *u = new QLabel(c.unit);
        if (!c.unitName.isEmpty()) {
            u->setObjectName(c.unitName);
            widgets.insert(c.unitName, u);
        }
        extra.append(u);
        return u;
    };
    auto addTrailing = [&](int r) {
        // The change marker, in a column of its own.
        grid->addWidget(Marker(c.name), r, 2, Qt::AlignVCenter);
        if (!c.help.isEmpty()) {
            QWidget *help = HelpLabel(c.help);
            grid->addWidget(help, r, 3);
            extra.append(help);
        }
        if (!c.switchLabel.isEmpty()) {
            QWidget *l = SwitchNumberLabel(c.switchLabel, c.name);
            grid->addWidget(l, r, 5);
            extra.append(l);
        }
    };

    if (c.customBuild) {
        BuildOwn(c, grid, row);
        lastBuilt.insert(grid, Bind::Own);
        return;
    }
    const Bind previous = lastBuilt.value(grid, Bind::Label);
    lastBuilt.insert(grid, c.bind);
    switch (c.bind) {
    case Bind::Check: {
        auto *box = new QCheckBox(c.caption);
        box->setObjectName(c.name);
        grid->addWidget(box, row, 0);
        widgets.insert(c.name, box);
        addTrailing(row);
        break;
    }
    case Bind::Options: {
        if (previous == Bind::Options) {
            // Buttons of another switch or position: a line tells the groups apart.
            auto *line = new QFrame;
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row, 0, 1, 6);
            ++row;
        }
        QVector<QRadioButton *> buttons;
        int first = row;
        if (!c.caption.isEmpty()) {
            auto *label = new QLabel(c.caption);
            grid->addWidget(label, row, 0);
            extra.append(label);
            ++first;
        }
        QHBoxLayout *line = nullptr;
        if (c.across) {
            line = new QHBoxLayout;
            line->setSpacing(16);
            grid->addLayout(line, first, 0);
        }
        for (int i = 0; i < c.items.size(); ++i) {
            auto *b = new QRadioButton(c.items[i]);
            b->setObjectName(PageDescription::ButtonName(c, i));
            if (line)
                line->addWidget(b);
            else
                grid->addWidget(b, first + i, 0);
            buttons.append(b);
        }
        if (line)
            line->addStretch(1);
        RegisterOptions(c.name, buttons);
        addTrailing(row);
        break;
    }
    case Bind::List: {
        auto *list = new QComboBox;
        list->setObjectName(c.name);
        list->addItems(c.items);
        shownItems.insert(c.name, c.items);
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        int col = 0;
        if (!c.caption.isEmpty()) {
            auto *label = new QLabel(c.caption);
            label->setBuddy(list);
            grid->addWidget(label, row, 0);
            extra.append(label);
            if (c.captionAbove)
                ++row;
            else
                col = 1;
        }
        list->setAccessibleName(AccessibleNameOf(definition, c));
        // Lists of their own fill the column, so a panel's lists line up.
        if (col == 0)
            grid->addWidget(list, row, col);
        else
            grid->addWidget(list, row, col, Qt::AlignLeft);
        widgets.insert(c.name, list);
        addTrailing(row);
        break;
    }
    case Bind::Text:
    case Bind::WholeText: {
        auto *field = new QLineEdit;
        field->setObjectName(c.name); // its width and validator come with CheckEntries
        auto *label = new QLabel(c.caption);
        label->setBuddy(field);
        if (c.wrapped) {
            label->setWordWrap(true);
            label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 36);
        }
        field->setAccessibleName(AccessibleNameOf(definition, c));
        grid->addWidget(label, row, 0);
        auto *line = new QHBoxLayout;
        line->setSpacing(6);
        line->addWidget(field);
        if (!c.unit.isEmpty())
            line->addWidget(unitLabel());
        line->addStretch(1);
        grid->addLayout(line, row, 1);
        widgets.insert(c.name, field);
        extra.append(label);
        addTrailing(row);
        break;
    }
    case Bind::Label: {
        auto *label = new QLabel(c.caption);
        label->setObjectName(c.name);
        if (c.wrapped) {
            label->setWordWrap(true);
            label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
        }
        grid->addWidget(label, row, 0, 1, 4);
        widgets.insert(c.name, label);
        break;
    }
    case Bind::Rule:
    case Bind::Own: // built above
        break;
    }
}

QGroupBox *PageWindow::OptionsFrame(const ControlEntry &c)
{
    auto *frame = new QGroupBox(c.caption);
    auto *v = new QVBoxLayout(frame);
    QVector<QRadioButton *> buttons;
    for (int i = 0; i < c.items.size(); ++i) {
        auto *b = new QRadioButton(c.items[i]);
        b->setObjectName(PageDescription::ButtonName(c, i));
        if (i == 0) {
            // The change marker beside the first button.
            auto *first = new QHBoxLayout;
            first->addWidget(b);
            first->addWidget(Marker(c.name), 0, Qt::AlignVCenter);
            first->addStretch(1);
            v->addLayout(first);
        } else {
            v->addWidget(b);
        }
        buttons.append(b);
    }
    v->addStretch(1);
    RegisterOptions(c.name, buttons);
    Relate(c.name, frame);
    return frame;
}

QWidget *PageWindow::HelpLabel(const QString &name, const QString &text)
{
    const TipEntry *tip = definition.Tip(name);
    auto *help = new ClickLabel(text);
    help->setObjectName(name);
    help->setAccessibleName(QStringLiteral("Tip for Switch ") + (tip ? tip->switchText : QString()));
    help->setToolTip(help->accessibleName());
    QFont f = help->font();
    f.setBold(true);
    help->setFont(f);
    help->setForegroundRole(QPalette::Link);
    if (tip) {
        const TipEntry t = *tip;
        connect(help, &ClickLabel::clicked, this,
                [this, t] { host.ShowSwitchTip(t.switchText, t.text, t.height, t.width); });
    }
    widgets.insert(name, help);
    return help;
}

void PageWindow::Register(const QString &name, QWidget *w)
{
    if (w->objectName().isEmpty())
        w->setObjectName(name);
    widgets.insert(name, w);
}

void PageWindow::RegisterOptions(const QString &name, const QVector<QRadioButton *> &buttons)
{
    auto *group = new QButtonGroup(this);
    for (int i = 0; i < buttons.size(); ++i) {
        group->addButton(buttons[i], i);
        widgets.insert(buttons[i]->objectName(), buttons[i]);
    }
    optionGroups.insert(name, buttons);
}

void PageWindow::Relate(const QString &controlName, QWidget *w) { related[controlName].append(w); }

} // namespace swted
