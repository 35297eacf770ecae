// The page view: shows the page state in the widgets and turns the user's actions into state changes.
#include "gui/pages/PageWindow.h"

#include "gui/pages/PanelKeys.h"
#include "pages/Bindings.h"
#include "pages/ControlWords.h"
#include "pages/PageDescriptions.h"
#include "pages/PageTable.h"
#include "shell/Editor.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>

namespace swted {

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
    PutPositions(name, toDefault ? SwitchStore::DefaultValue(n) : editor.store.GetSavedValue(n));
}

void PageWindow::TakeComparedValue(const QString &name)
{
    const ControlEntry *c = definition.Control(name);
    const SwitchValueSet *other = host.ComparedValues();
    if (c && c->switchNumber > 0 && other)
        PutPositions(name, (*other)[c->switchNumber]);
}

void PageWindow::PutPositions(const QString &name, int32_t source)
{
    const ControlEntry *c = definition.Control(name);
    const int n = c->switchNumber;
    const SwitchValueSet before = ValuesShown();
    SwitchValueSet after = before;
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
    if (c && !CaptionAsShown(BoxTitle(c->frame)).isEmpty())
        return CaptionAsShown(BoxTitle(c->frame));
    if (c && !CaptionAsShown(BoxTitle(c->panel)).isEmpty())
        return CaptionAsShown(BoxTitle(c->panel));
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
        const QString pk = PanelKey(c.subPage, c.panel);
        const QString fk = PanelKey(c.subPage, c.panel, c.frame);
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
