// Keyboard access to a page: access keys, Tab order, and what each control says it edits.
#include "gui/pages/PageWindow.h"

#include "pages/ControlWords.h"
#include "pages/SettingSearch.h"
#include "settings/SettingKeys.h"
#include "shell/Editor.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>

namespace swted {

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
        // What it edits, and the key that names the setting outside the window.
        // (Made from this page's description: the table of every page's
        // settings is not needed to build one page.)
        const QString key = IsSetting(c) ? SettingKeyOf(definition, c) : QString();
        const QString edits = PositionsText(c) + (key.isEmpty() ? QString() : QStringLiteral("\nKey: ") + key);
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
            connect(w, &QWidget::customContextMenuRequested, this, [this, w, name, key](const QPoint &at) {
                QMenu menu(w);
                menu.setObjectName(QStringLiteral("ControlMenu"));
                menu.addAction(QStringLiteral("Reset to Value in &File"), this, [this, name] { ResetControl(name, false); });
                menu.addAction(QStringLiteral("Reset to &Default"), this, [this, name] { ResetControl(name, true); });
                if (!host.ComparedName().isEmpty() && w->property("differs").toBool()) {
                    menu.addAction(QStringLiteral("&Take Value from ") + QString(host.ComparedName()).replace(QLatin1Char('&'), QLatin1String("&&")),
                                   this, [this, name] { TakeComparedValue(name); });
                }
                if (!key.isEmpty()) {
                    menu.addSeparator();
                    menu.addAction(QStringLiteral("Copy Setting &Key"), this, [key] { QGuiApplication::clipboard()->setText(key); });
                }
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

} // namespace swted
