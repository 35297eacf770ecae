#include "pages/PageWindow.h"

#include "pages/Bindings.h"
#include "pages/ControlWords.h"
#include "pages/ClickLabel.h"
#include "pages/PageDescriptions.h"
#include "pages/SettingSearch.h"
#include "pages/PageTable.h"
#include "shell/Editor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>
#include <algorithm>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QSet>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>
#include <QStackedWidget>
#include <QTabBar>
#include <QMenu>
#include <QPointer>
#include <QTimer>
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

QString Key(int subPage, const QString &a, const QString &b = QString())
{
    return QString::number(subPage) + QLatin1Char('\x1f') + a + QLatin1Char('\x1f') + b;
}

// The title of a panel or frame: a caption starting with '~' is only a key,
// for one without a title; one given in two lines shows on one.
QString TitleOf(const QString &caption)
{
    return caption.startsWith(QLatin1Char('~')) ? QString() : QString(caption).replace(QLatin1Char('\n'), QLatin1Char(' '));
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

// The strip of page tabs. A tab keeps the room of its change marker also
// when it has none, so that the tabs neither widen nor move when a marker
// comes or goes.
class TabStripBar : public QTabBar {
public:
    explicit TabStripBar(QWidget *parent) : QTabBar(parent) {}

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        if (tabIcon(index).isNull())
            size += MarkerRoom();
        return size;
    }
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            markerRoom = QSize(-1, -1);
        QTabBar::changeEvent(event);
    }

private:
    // What an icon adds to a tab in this strip's style and font, across and
    // down, measured on a tab of the same kind.
    QSize MarkerRoom() const
    {
        if (markerRoom.width() < 0) {
            struct Probe : QTabBar {
                using QTabBar::tabSizeHint;
            } probe;
            probe.setStyle(style());
            probe.setFont(font());
            probe.setIconSize(iconSize());
            probe.addTab(QStringLiteral("M"));
            const QSize plain = probe.tabSizeHint(0);
            QPixmap pm(iconSize());
            pm.fill(Qt::transparent);
            probe.setTabIcon(0, QIcon(pm));
            markerRoom = (probe.tabSizeHint(0) - plain).expandedTo(QSize(0, 0));
        }
        return markerRoom;
    }
    mutable QSize markerRoom{-1, -1};
};

} // namespace

PageWindow::PageWindow(Editor &editor, PageHost &host, const PageDescription &definition, QWidget *parent)
    : QWidget(parent), editor(editor), host(host), definition(definition)
{
    setObjectName(definition.window);
}

PageContext PageWindow::Context()
{
    return PageContext{definition, state, editor.store, editor.prompts, editor.config.RunTypeRestricted,
                       editor.file.FileLoaded ? &editor.Fonts() : nullptr};
}

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
        auto *box = new QGroupBox(TitleOf(p.caption), frame);
        box->setObjectName(QStringLiteral("Panel_") + QString(p.caption).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_")));
        grids.insert(box, PanelGrid(box));
        panels.insert(Key(k, p.caption), box);
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
    QGroupBox *panel = panels.value(Key(c.subPage, c.panel));
    if (!panel) {
        // A control whose panel is not listed gets a panel of its own at the
        // bottom of its sub-page.
        QWidget *frame = framesByNumber.value(c.subPage);
        auto *grid = static_cast<QGridLayout *>(static_cast<QVBoxLayout *>(frame->layout())->itemAt(0)->layout());
        panel = new QGroupBox(TitleOf(c.panel), frame);
        grids.insert(panel, PanelGrid(panel));
        panels.insert(Key(c.subPage, c.panel), panel);
        grid->addWidget(panel, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (c.frame.isEmpty())
        return grids.value(panel);
    const QString key = Key(c.subPage, c.panel, c.frame);
    QGroupBox *inner = innerFrames.value(key);
    if (!inner) {
        inner = new QGroupBox(TitleOf(c.frame), panel);
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

QWidget *PageWindow::Marker(const QString &controlName)
{
    if (QWidget *mark = markers.value(controlName))
        return mark;
    // A dot with room on either side: what it draws is all of its geometry.
    // It keeps its room when hidden, so that nothing moves when it shows.
    static const QColor colour(0xd0, 0x60, 0x00);
    const int d = 8;
    QPixmap pm(d * 2, d + 2);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(d / 2.0, 1, d, d));
    }
    auto *mark = new QLabel;
    mark->setObjectName(QStringLiteral("mark_") + controlName);
    mark->setPixmap(pm);
    mark->setFixedSize(pm.size());
    mark->setAccessibleName(QStringLiteral("Changed"));
    QSizePolicy keep = mark->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(keep);
    mark->hide();
    markers.insert(controlName, mark);
    return mark;
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

void PageWindow::Reopen()
{
    {
        const QSignalBlocker block(tabStrip);
        tabStrip->setCurrentIndex(PageOfIndex(definition.index).stripPosition - 1);
    }
    ShowSubPage(1);
    if (QWidget *f = focusWidget())
        f->clearFocus();
    if (auto *scroller = findChild<QScrollArea *>(QStringLiteral("PageScroller")))
        scroller->ensureVisible(0, 0, 0, 0);
}

void PageWindow::ShowSubPage(int k)
{
    if (k >= 1 && k <= definition.subPages)
        frames->setCurrentWidget(framesByNumber[k]);
}

void PageWindow::ResetControl(const QString &name, bool toDefault)
{
    const ControlEntry *c = definition.Control(name);
    if (!c || c->switchNumber <= 0)
        return;
    const int n = c->switchNumber;
    const SwitchValueSet before = ValuesShown();
    SwitchValueSet after = before;
    const int32_t source = toDefault ? SwitchStore::DefaultValue(n) : editor.store.GetSavedValue(n);
    after[n] = WithPositionsOf(*c, before[n], source);
    RestoreValues(editor.store, after);
    LayoutForm();
    if (lastValues != before)
        emit Edited(before, lastValues, OriginOf(name, false));
}

void PageWindow::FocusControl(const QString &name)
{
    QWidget *w = widgets.value(name);
    if (optionGroups.contains(name)) {
        const QVector<QRadioButton *> buttons = optionGroups.value(name);
        w = buttons.isEmpty() ? nullptr : buttons.first();
        for (QRadioButton *b : buttons) {
            if (b->isChecked() && b->isEnabled())
                w = b;
        }
    }
    if (!w)
        return;
    w->setFocus(Qt::OtherFocusReason);
    const QString before = w->styleSheet();
    w->setStyleSheet(QStringLiteral("background-color: #ffe08a;"));
    QPointer<QWidget> guard(w);
    QTimer::singleShot(1500, this, [guard, before] {
        if (guard)
            guard->setStyleSheet(before);
    });
}

const ControlEntry *PageWindow::ControlOf(const QWidget *w) const
{
    if (!w || qobject_cast<const QLabel *>(w))
        return nullptr; // help labels, page arrows and captions edit nothing
    // An editable list gives the focus to its own field.
    if (auto *list = qobject_cast<const QComboBox *>(w->parentWidget()))
        w = list;
    const ControlEntry *c = nullptr;
    if (widgets.value(w->objectName()) == w)
        c = definition.Control(w->objectName());
    if (!c) {
        for (auto it = optionGroups.cbegin(); it != optionGroups.cend() && !c; ++it) {
            for (const QRadioButton *b : it.value()) {
                if (b == w) {
                    c = definition.Control(it.key());
                    break;
                }
            }
        }
    }
    if (!c || c->switchNumber <= 0 || c->bind == Bind::Rule || c->bind == Bind::Label)
        return nullptr;
    return c;
}

int PageWindow::CurrentSubPage() const
{
    return static_cast<int>(framesByNumber.indexOf(frames->currentWidget()));
}

bool PageWindow::LayoutForm()
{
    PageContext ctx = Context();
    swted::LayoutForm(ctx);
    if (ctx.Stopped()) {
        host.FatalStop(this);
        return false;
    }
    ShowState();
    if (editor.config.RunTypeRestricted)
        GreyRestrictedPanels();
    return true;
}

void PageWindow::ReadForm()
{
    PageContext ctx = Context();
    swted::ReadForm(ctx);
    // A rule may have changed what the page shows (the pair rule of a page
    // sets a field back to 0).
    ShowState();
}

void PageWindow::Changed(const QString &name, bool typing)
{
    PageContext ctx = Context();
    ControlChanged(ctx, name);
    UserEdited(name, typing);
}

void PageWindow::UserEdited(const QString &name, bool typing)
{
    const SwitchValueSet before = lastValues;
    ShowState();
    if (lastValues != before)
        emit Edited(before, lastValues, OriginOf(name, typing));
}

EditOrigin PageWindow::OriginOf(const QString &name, bool typing) const
{
    return EditOrigin{definition.index, CurrentSubPage(), name, StepCaption(name), typing};
}


QString PageWindow::StepCaption(const QString &name) const
{
    const ControlEntry *c = definition.Control(name);
    if (c && !CaptionAsShown(c->caption).isEmpty())
        return CaptionAsShown(c->caption);
    QWidget *w = widgets.value(name);
    // A box or button the page builds itself carries its own caption.
    if (auto *button = qobject_cast<QAbstractButton *>(w); button && !CaptionAsShown(button->text()).isEmpty())
        return CaptionAsShown(button->text());
    // A control without a caption of its own is named by the title over it.
    if (c && !CaptionAsShown(TitleOf(c->frame)).isEmpty())
        return CaptionAsShown(TitleOf(c->frame));
    if (c && !CaptionAsShown(TitleOf(c->panel)).isEmpty())
        return CaptionAsShown(TitleOf(c->panel));
    if (!w && optionGroups.contains(name) && !optionGroups.value(name).isEmpty())
        w = optionGroups.value(name).first();
    for (QWidget *p = w ? w->parentWidget() : nullptr; p && p != this; p = p->parentWidget()) {
        if (auto *box = qobject_cast<QGroupBox *>(p); box && !CaptionAsShown(box->title()).isEmpty())
            return CaptionAsShown(box->title());
    }
    return QString();
}

SwitchValueSet PageWindow::ValuesShown() const
{
    return ValuesReadBack(definition, state, editor.store, editor.config.RunTypeRestricted,
                          editor.file.FileLoaded ? &editor.fonts : nullptr);
}

bool PageWindow::HasChanges() const { return ValuesShown() != SavedValues(editor.store); }

void PageWindow::TrackWidgets()
{
    for (auto it = widgets.cbegin(); it != widgets.cend(); ++it) {
        const QString name = it.key();
        const ControlEntry *c = definition.Control(name);
        const bool rule = c && c->changeRule;
        if (auto *list = qobject_cast<QComboBox *>(it.value())) {
            // The index follows every change; the rule runs on the user's
            // choice, and for lists whose selection event also fires when
            // the index is set, on every change.
            const bool onSet = rule && c->changeOnSet;
            connect(list, &QComboBox::currentIndexChanged, this, [this, name, onSet](int i) {
                if (showing)
                    return;
                state[name].index = i;
                if (onSet)
                    Changed(name);
                else
                    UserEdited(name);
            });
            connect(list, &QComboBox::activated, this, [this, name, rule](int i) {
                if (showing)
                    return;
                state[name].index = i;
                if (rule)
                    Changed(name);
                else
                    UserEdited(name);
            });
        } else if (auto *box = qobject_cast<QCheckBox *>(it.value())) {
            connect(box, &QCheckBox::toggled, this, [this, name](bool on) {
                if (showing)
                    return;
                state[name].checked = on;
                UserEdited(name);
            });
            if (rule)
                connect(box, &QCheckBox::clicked, this, [this, name] { Changed(name); });
        } else if (auto *field = qobject_cast<QLineEdit *>(it.value())) {
            // The field's own text: a rule may have set it again while the
            // change was being told (the signal then carries the old one).
            connect(field, &QLineEdit::textChanged, this, [this, name, field] {
                if (showing)
                    return;
                state[name].text = field->text();
                UserEdited(name, true);
            });
            // A field's edit signal comes before its change signal: the
            // state takes the typed text before the rule runs.
            if (rule)
                connect(field, &QLineEdit::textEdited, this, [this, name](const QString &text) {
                    state[name].text = text;
                    Changed(name, true);
                });
            // Ctrl+Z in a field undoes the editor's steps, not the field's keystrokes.
            field->installEventFilter(this);
        }
    }
    for (auto it = optionGroups.cbegin(); it != optionGroups.cend(); ++it) {
        const QString name = it.key();
        const QVector<QRadioButton *> buttons = it.value();
        const ControlEntry *c = definition.Control(name);
        const bool rule = c && c->changeRule;
        for (QRadioButton *b : buttons) {
            connect(b, &QRadioButton::toggled, this, [this, name, buttons] {
                if (showing)
                    return;
                int selected = -1;
                for (int i = 0; i < buttons.size() && selected < 0; ++i) {
                    if (buttons[i]->isChecked())
                        selected = i;
                }
                state[name].index = selected;
                UserEdited(name);
            });
            if (rule)
                connect(b, &QRadioButton::clicked, this, [this, name] { Changed(name); });
        }
    }
}

void PageWindow::ShowRelated(const QString &name, bool enabled)
{
    const auto it = related.constFind(name);
    if (it == related.cend())
        return;
    const ControlEntry *c = definition.Control(name);
    // Switch-number labels go grey only for a control the run type restricts.
    const bool numberEnabled = !(editor.config.RunTypeRestricted && c && c->restricted);
    const QString openHelp = c && c->helpStaysOpen ? c->help : QString();
    for (QWidget *w : it.value()) {
        bool on = w->objectName().startsWith(QLatin1String("lblSwitch_")) ? numberEnabled : enabled;
        if (!openHelp.isEmpty() && w->objectName() == openHelp)
            on = true;
        if (w->isEnabled() != on)
            w->setEnabled(on);
    }
}

void PageWindow::ShowOptions(const QString &name, const ControlState &cs)
{
    const QVector<QRadioButton *> &buttons = optionGroups[name];
    if (cs.index >= 0 && cs.index < buttons.size()) {
        if (!buttons[cs.index]->isChecked())
            buttons[cs.index]->setChecked(true);
    } else {
        // No button selected: the group lets go of its exclusivity to clear.
        QButtonGroup *group = buttons.isEmpty() ? nullptr : buttons.first()->group();
        const bool exclusive = group && group->exclusive();
        if (group)
            group->setExclusive(false);
        for (QRadioButton *b : buttons)
            b->setChecked(false);
        if (group)
            group->setExclusive(exclusive);
    }
    for (QRadioButton *b : buttons) {
        const ControlState *own = state.Find(b->objectName());
        const bool enabled = cs.enabled && (!own || own->enabled);
        const bool visible = cs.visible && (!own || own->visible);
        if (b->isEnabled() != enabled)
            b->setEnabled(enabled);
        if (b->isHidden() == visible)
            b->setHidden(!visible);
    }
    ShowRelated(name, cs.enabled);
}

void PageWindow::ShowState()
{
    showing = true;
    for (const auto &[name, cs] : state.All()) {
        if (optionGroups.contains(name)) {
            ShowOptions(name, cs);
            continue;
        }
        QWidget *w = widgets.value(name);
        if (!w || qobject_cast<QRadioButton *>(w))
            continue; // option buttons show with their group
        if (auto *list = qobject_cast<QComboBox *>(w)) {
            QStringList &shown = shownItems[name];
            if (shown != cs.items) {
                list->clear();
                list->addItems(cs.items);
                shown = cs.items;
            }
            if (list->currentIndex() != cs.index)
                list->setCurrentIndex(cs.index);
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            if (box->isChecked() != cs.checked)
                box->setChecked(cs.checked);
        } else if (auto *field = qobject_cast<QLineEdit *>(w)) {
            if (field->text() != cs.text)
                field->setText(cs.text);
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!cs.text.isNull() && label->text() != cs.text)
                label->setText(cs.text);
        }
        if (w->isEnabled() != cs.enabled)
            w->setEnabled(cs.enabled);
        if (w->isHidden() == cs.visible)
            w->setHidden(!cs.visible);
        ShowRelated(name, cs.enabled);
    }
    showing = false;
    ShowChanges();
    emit Shown();
}

const SwitchValueSet &PageWindow::ShowChanges()
{
    lastValues = ValuesShown();
    const SwitchValueSet saved = SavedValues(editor.store);
    // The corrections said when the file opened count as changes, on pages
    // not shown yet too: a save writes them.
    SwitchValueSet written = lastValues;
    for (const Correction &c : editor.PendingCorrections()) {
        if (written[c.switchNumber] == c.inFile)
            written[c.switchNumber] = c.saved;
    }
    ShowMarks(MarkChanges(written, saved, &definition), saved);
    return lastValues;
}

void PageWindow::ShowMarks(const ChangeMarks &marks, const SwitchValueSet &saved)
{
    // The file's values may change under a marker that stays (a save of
    // other positions, the file read again): what the page shows for them
    // is laid out again then.
    const bool anyChanged = !marks.controls.isEmpty();
    if (anyChanged && (!fileViewMade || fileViewOf != saved)) {
        fileView = ViewOfValues(definition, saved, editor.config.RunTypeRestricted,
                                editor.file.FileLoaded ? &editor.fonts : nullptr);
        fileViewOf = saved;
        fileViewMade = true;
    }
    for (auto it = markers.cbegin(); it != markers.cend(); ++it) {
        const ControlEntry *c = definition.Control(it.key());
        if (!c || c->switchNumber <= 0)
            continue;
        bool changed = marks.controls.contains(it.key());
        const ControlState *file = changed ? fileView.state.Find(c->name) : nullptr;
        // A control the page's rules show may share its positions with
        // others (a box ticked for one code of a table's digit, a table that
        // stands for its whole switch): it is marked when it shows otherwise
        // than for the file, or when what it shows of the file is saved
        // otherwise.
        if (changed && (c->customLayout || c->bind == Bind::Own)) {
            const ControlState *now = state.Find(c->name);
            bool differs = !file || !now || file->index != now->index || file->checked != now->checked
                || file->text != now->text || fileView.outOfRange.contains(c->name);
            for (const Correction &k : editor.PendingCorrections()) {
                if (k.switchNumber == c->switchNumber && PositionsDiffer(*c, k.inFile, k.saved))
                    differs = true;
            }
            changed = differs;
        }
        QString words;
        if (changed) {
            QStringList captions;
            if (c->items.isEmpty()) {
                for (const QRadioButton *b : optionGroups.value(c->name))
                    captions << (b->text().isEmpty() ? b->accessibleName() : b->text());
            }
            words = FileValueWords(*c, saved[c->switchNumber], file ? *file : ControlState{},
                                   fileView.outOfRange.contains(c->name), captions);
        }
        QWidget *mark = it.value();
        if (mark->isHidden() == changed)
            mark->setVisible(changed);
        if (mark->toolTip() != words) {
            mark->setToolTip(words);
            mark->setAccessibleDescription(words);
        }
    }
    // A tab whose page has changes carries a marker too.
    static const QIcon dot = [] {
        QPixmap pm(8, 8);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0xd0, 0x60, 0x00));
        p.setPen(Qt::NoPen);
        p.drawEllipse(0, 0, 8, 8);
        return QIcon(pm);
    }();
    for (int i = 0; i < tabStrip->count(); ++i) {
        const int index = PageIndexOfCaption(tabStrip->tabText(i));
        const bool changed = index >= 0 && index < PageCount && marks.pages[index];
        if (tabStrip->tabIcon(i).isNull() == changed)
            tabStrip->setTabIcon(i, changed ? dot : QIcon());
    }
}

namespace {

// The caption with its access key on the letter at position at of the
// shown text (-1: no key).
QString WithAccessKey(const QString &shown, int at)
{
    QString out;
    for (int i = 0; i < shown.size(); ++i) {
        if (i == at)
            out += QLatin1Char('&');
        out += shown[i];
        if (shown[i] == QLatin1Char('&'))
            out += QLatin1Char('&');
    }
    return out;
}

QString ShownText(const QString &caption)
{
    QString shown;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace

// The letters of the menu bar (File, Edit, Tools, About) are never taken by
// a control, and no two controls of one sub-page share a key: a caption
// whose key is taken moves it to a free letter, first at the start of a
// word, else anywhere; one with no free letter has none.
void AssignAccessKeys(const QVector<QWidget *> &frames)
{
    for (QWidget *frame : frames) {
        if (!frame)
            continue;
        QSet<QChar> used{QLatin1Char('F'), QLatin1Char('E'), QLatin1Char('T'), QLatin1Char('A')};
        auto place = [&](const QString &caption) -> QString {
            const QChar key = AccessKeyOf(caption);
            if (key.isNull())
                return caption;
            if (!used.contains(key)) {
                used.insert(key);
                return caption;
            }
            const QString shown = ShownText(caption);
            for (int pass = 0; pass < 2; ++pass) {
                for (int i = 0; i < shown.size(); ++i) {
                    const QChar ch = shown[i].toUpper();
                    const bool wordStart = i == 0 || !shown[i - 1].isLetterOrNumber();
                    if (!ch.isLetterOrNumber() || ch.unicode() > 127 || used.contains(ch) || (pass == 0 && !wordStart))
                        continue;
                    used.insert(ch);
                    return WithAccessKey(shown, i);
                }
            }
            return WithAccessKey(shown, -1);
        };
        for (QWidget *w : frame->findChildren<QWidget *>()) {
            if (auto *b = qobject_cast<QAbstractButton *>(w)) {
                const QString t = place(b->text());
                if (t != b->text())
                    b->setText(t);
            } else if (auto *l = qobject_cast<QLabel *>(w); l && l->buddy()) {
                const QString t = place(l->text());
                if (t != l->text())
                    l->setText(t);
            }
        }
    }
}

namespace {

void CollectTabStops(QLayout *layout, QVector<QWidget *> &out);

// A widget that takes Tab, then the tab stops inside it.
void CollectTabStops(QWidget *w, QVector<QWidget *> &out)
{
    if (w->focusPolicy() & Qt::TabFocus)
        out.append(w);
    if (w->layout())
        CollectTabStops(w->layout(), out);
}

// The tab stops of a layout in reading order: a grid's cells row by row,
// left to right, whatever order they were added in; a box's items in turn.
void CollectTabStops(QLayout *layout, QVector<QWidget *> &out)
{
    struct Cell {
        int row, column, index;
    };
    QVector<Cell> cells;
    auto *grid = qobject_cast<QGridLayout *>(layout);
    for (int i = 0; i < layout->count(); ++i) {
        Cell cell{0, 0, i};
        if (grid) {
            int rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(i, &cell.row, &cell.column, &rowSpan, &columnSpan);
        }
        cells.append(cell);
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const Cell &cell : cells) {
        QLayoutItem *item = layout->itemAt(cell.index);
        if (QWidget *w = item->widget())
            CollectTabStops(w, out);
        else if (QLayout *inner = item->layout())
            CollectTabStops(inner, out);
    }
}

} // namespace

void PageWindow::OrderTabStops()
{
    QVector<QWidget *> order{tabStrip};
    for (int k = 1; k < framesByNumber.size(); ++k) {
        if (QWidget *frame = framesByNumber[k]; frame && frame->layout())
            CollectTabStops(frame->layout(), order);
    }
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void PageWindow::DescribeControls()
{
    AssignAccessKeys(framesByNumber);
    for (const ControlEntry &c : definition.controls) {
        if (c.bind == Bind::Rule || c.bind == Bind::Label || c.switchNumber <= 0)
            continue;
        const QString edits = PositionsText(c);
        QVector<QWidget *> targets;
        if (optionGroups.contains(c.name)) {
            for (QRadioButton *b : optionGroups.value(c.name))
                targets.append(b);
        } else if (QWidget *w = widgets.value(c.name)) {
            targets.append(w);
        }
        for (QWidget *w : targets) {
            if (w->toolTip().isEmpty())
                w->setToolTip(edits);
            else if (!w->toolTip().contains(edits))
                w->setToolTip(w->toolTip() + QLatin1Char('\n') + edits);
            w->setAccessibleDescription(edits);
            // Its context menu puts it back to the file's value or the default.
            w->setContextMenuPolicy(Qt::CustomContextMenu);
            const QString name = c.name;
            connect(w, &QWidget::customContextMenuRequested, this, [this, w, name](const QPoint &at) {
                QMenu menu(w);
                menu.addAction(QStringLiteral("Reset to Value in File"), this, [this, name] { ResetControl(name, false); });
                menu.addAction(QStringLiteral("Reset to Default"), this, [this, name] { ResetControl(name, true); });
                menu.exec(w->mapToGlobal(at));
            });
            if (auto *list = qobject_cast<QComboBox *>(w)) {
                // A turn of the mouse wheel over a list that has no focus
                // scrolls the page and leaves the list alone.
                list->setFocusPolicy(Qt::StrongFocus);
                list->installEventFilter(this);
            }
        }
    }
}

namespace {

// Takes what a field's entry allows; the field undoes a refused edit and
// says so (inputRejected). What the page itself shows is always taken: a
// value from the file that the field would not take as typed.
class EntryValidator : public QValidator {
public:
    EntryValidator(const EntryLimits &limits, const bool &showing, QObject *parent)
        : QValidator(parent), limits(limits), showing(showing)
    {
    }
    State validate(QString &input, int &) const override
    {
        if (showing)
            return Acceptable;
        switch (CheckEntry(limits, input)) {
        case EntryCheck::Refused:
            return Invalid;
        case EntryCheck::Partial:
            return Intermediate;
        case EntryCheck::Taken:
        case EntryCheck::BelowMinimum:
            break;
        }
        return Acceptable;
    }

private:
    EntryLimits limits;
    const bool &showing;
};

// A field as wide as the widest value it may show: the digits of its
// positions (a whole switch: ten and a sign) or its default text, at least
// four digits, with the frame and margins of the style.
void FitEntryWidth(QLineEdit *field, const ControlEntry &c)
{
    const QFontMetrics fm = field->fontMetrics();
    int digit = 0;
    for (char d = '0'; d <= '9'; ++d)
        digit = qMax(digit, fm.horizontalAdvance(QLatin1Char(d)));
    int text = digit * (c.width >= 9 ? 10 : c.width);
    if (c.width >= 9)
        text += fm.horizontalAdvance(QLatin1Char('-'));
    text = std::max({text, digit * 4, fm.horizontalAdvance(c.defaultText)});
    QStyleOptionFrame opt;
    opt.initFrom(field);
    opt.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, field);
    opt.state |= QStyle::State_Sunken;
    const QMargins tm = field->textMargins();
    const QMargins cm = field->contentsMargins();
    // The field keeps two pixels either side of its text, and one for the cursor.
    const QSize contents(text + 2 * 2 + 2 + tm.left() + tm.right() + cm.left() + cm.right(), fm.height());
    field->setFixedWidth(field->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, contents, field).width());
}

// The unit a field's range is said in; a unit label the page changes says
// it as shown.
QString UnitShown(const ControlEntry &c, const PageState &state)
{
    if (!c.unitName.isEmpty()) {
        if (const ControlState *u = state.Find(c.unitName); u && !u->text.isEmpty())
            return u->text;
    }
    return EntryUnit(c);
}

} // namespace

void PageWindow::CheckEntries()
{
    for (const ControlEntry &c : definition.controls) {
        if (c.bind != Bind::Text && c.bind != Bind::WholeText)
            continue;
        auto *field = Get<QLineEdit>(c.name);
        if (!field)
            continue;
        const QString name = c.name;
        field->setValidator(new EntryValidator(EntryLimitsOf(c), showing, field));
        FitEntryWidth(field, c);
        const QString allowed = EntryRangeText(EntryLimitsOf(c), EntryUnit(c));
        field->setToolTip(field->toolTip().isEmpty() ? allowed : field->toolTip() + QLatin1Char('\n') + allowed);
        field->setAccessibleDescription(field->accessibleDescription().isEmpty()
                                            ? allowed
                                            : field->accessibleDescription() + QStringLiteral(". ") + allowed);
        field->installEventFilter(this);
        connect(field, &QLineEdit::inputRejected, this, [this, name] {
            if (!showing)
                RefuseEntry(name);
        });
        // A keystroke taken: what was refused before no longer stands.
        connect(field, &QLineEdit::textEdited, this, [this, name] { refusals.remove(name); });
        connect(field, &QLineEdit::textChanged, this, [this, name] { ShowEntryCheck(name); });
    }
}

// A refused field is tinted red until the next keystroke it takes or until
// it loses the focus; one under the stated minimum amber, while it is.
void PageWindow::ShowEntryCheck(const QString &name)
{
    auto *field = Get<QLineEdit>(name);
    const ControlEntry *c = definition.Control(name);
    if (!field || !c)
        return;
    QColor tint;
    if (refusals.contains(name))
        tint = QColor(0xf6, 0xc9, 0xc9);
    else if (CheckEntry(EntryLimitsOf(*c), field->text()) == EntryCheck::BelowMinimum)
        tint = QColor(0xfd, 0xe3, 0xa7);
    QPalette pal = palette();
    if (tint.isValid())
        pal.setColor(QPalette::Base, tint);
    if (field->palette().color(QPalette::Base) != pal.color(QPalette::Base))
        field->setPalette(tint.isValid() ? pal : QPalette());
}

// A keystroke the field would not take: the old value stays, the field
// says the range beside it and in the status bar.
void PageWindow::RefuseEntry(const QString &name)
{
    auto *field = Get<QLineEdit>(name);
    const ControlEntry *c = definition.Control(name);
    if (!field || !c)
        return;
    const QString text = EntryRefusedText(EntryLimitsOf(*c), UnitShown(*c, state));
    refusals.insert(name, text);
    ShowEntryCheck(name);
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field, QRect(), 4000);
    emit Shown();
}

QString PageWindow::EntryNote(const QWidget *w) const
{
    const ControlEntry *c = ControlOf(w);
    auto *field = qobject_cast<const QLineEdit *>(w);
    if (!c || !field || (c->bind != Bind::Text && c->bind != Bind::WholeText))
        return QString();
    if (refusals.contains(c->name))
        return refusals.value(c->name);
    const EntryLimits limits = EntryLimitsOf(*c);
    if (CheckEntry(limits, field->text()) == EntryCheck::BelowMinimum)
        return EntryBelowMinimumText(limits, UnitShown(*c, state));
    return EntryRangeText(limits, UnitShown(*c, state));
}

bool PageWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
        && qobject_cast<QLineEdit *>(watched)) {
        // Undo and redo keys belong to the Edit menu: a field's own undo
        // would go keystroke by keystroke and past the editor's steps.
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeyCombination k = key->keyCombination();
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)
            || k == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)
            || k == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)) {
            event->ignore(); // the menu's shortcut takes it
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (field && refusals.remove(field->objectName()))
            ShowEntryCheck(field->objectName());
    }
    if (event->type() == QEvent::Wheel) {
        auto *list = qobject_cast<QComboBox *>(watched);
        if (list && !list->hasFocus()) {
            event->ignore();
            if (QWidget *parent = list->parentWidget())
                QCoreApplication::sendEvent(parent, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Panels and frames whose every control is restricted go grey as a whole,
// captions included.
void PageWindow::GreyRestrictedPanels()
{
    QHash<QString, bool> allRestricted;
    for (const ControlEntry &c : definition.controls) {
        if (c.bind == Bind::Rule || c.bind == Bind::Label)
            continue;
        const QString pk = Key(c.subPage, c.panel);
        const QString fk = Key(c.subPage, c.panel, c.frame);
        // A panel with a help label that stays usable is not greyed as a whole.
        allRestricted[pk] = allRestricted.value(pk, true) && c.restricted && !c.helpStaysOpen;
        if (!c.frame.isEmpty())
            allRestricted[fk] = allRestricted.value(fk, true) && c.restricted;
    }
    for (auto it = allRestricted.begin(); it != allRestricted.end(); ++it) {
        if (!it.value())
            continue;
        if (QGroupBox *b = panels.value(it.key()))
            b->setEnabled(false);
        if (QGroupBox *b = innerFrames.value(it.key()))
            b->setEnabled(false);
    }
}

void PageWindow::OnTabChanged(int index)
{
    const int own = PageOfIndex(definition.index).stripPosition - 1;
    if (index == own || index < 0)
        return;
    const int target = PageIndexOfCaption(tabStrip->tabText(index));
    if (target >= 0 && target != definition.index && host.GoToPage(this, target))
        return;
    // No page to go to: the strip goes back to the page on screen.
    const QSignalBlocker block(tabStrip);
    tabStrip->setCurrentIndex(own);
}

} // namespace swted
