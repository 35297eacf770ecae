// Change markers: the dot beside a control, and on its tab, while the page differs from the file.
#include "gui/pages/PageWindow.h"

#include "pages/ControlWords.h"
#include "shell/Editor.h"

#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTabBar>

namespace swted {

namespace {

// The marker's picture: an orange dot for a change from the file, a blue
// diamond for a difference from the compared file, side by side when both.
QPixmap MarkerImage(bool changed, bool differs)
{
    const int d = 8;
    QPixmap pm(d * 2, d + 2);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const qreal dotAt = differs ? 0 : d / 2.0;
    const qreal diamondAt = changed ? d : d / 2.0;
    if (changed) {
        p.setBrush(QColor(0xd0, 0x60, 0x00));
        p.drawEllipse(QRectF(dotAt, 1, d, d));
    }
    if (differs) {
        p.setBrush(QColor(0x1f, 0x5f, 0xbf));
        const qreal h = d / 2.0;
        p.drawPolygon(QPolygonF{QPointF(diamondAt + h, 1), QPointF(diamondAt + d, 1 + h), QPointF(diamondAt + h, 1 + d),
                                QPointF(diamondAt, 1 + h)});
    }
    return pm;
}

} // namespace

QWidget *PageWindow::Marker(const QString &controlName)
{
    if (QWidget *mark = markers.value(controlName))
        return mark;
    // A dot with room on either side: what it draws is all of its geometry.
    // It keeps its room when hidden, so that nothing moves when it shows.
    const QPixmap pm = MarkerImage(true, false);
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
        changeMarks.insert(it.key(), {changed, words});
        ShowMarker(it.key());
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

void PageWindow::ShowMarker(const QString &name)
{
    auto *mark = qobject_cast<QLabel *>(markers.value(name));
    if (!mark)
        return;
    const auto [changed, words] = changeMarks.value(name);
    const bool differs = comparedWords.contains(name);
    QStringList said;
    if (changed && !words.isEmpty())
        said << words;
    if (differs)
        said << QStringLiteral("In ") + comparedName + QStringLiteral(": ") + comparedWords.value(name);
    const QString text = said.join(QLatin1Char('\n'));
    const int kind = (changed ? 1 : 0) + (differs ? 2 : 0);
    if (mark->property("kind").toInt() != kind) {
        mark->setProperty("kind", kind);
        if (kind != 0)
            mark->setPixmap(MarkerImage(changed, differs));
        mark->setAccessibleName(kind == 2 ? QStringLiteral("Differs") : kind == 3 ? QStringLiteral("Changed, differs")
                                                                               : QStringLiteral("Changed"));
    }
    if (mark->isHidden() == (kind != 0))
        mark->setVisible(kind != 0);
    if (mark->toolTip() != text) {
        mark->setToolTip(text);
        mark->setAccessibleDescription(text);
    }
}

void PageWindow::ShowComparison(const QString &otherName, const QHash<QString, QString> &differing,
                                const QSet<int> &pagesDiffering)
{
    comparedName = otherName;
    const QHash<QString, QString> before = comparedWords;
    comparedWords = differing;
    for (auto it = markers.cbegin(); it != markers.cend(); ++it) {
        if (before.value(it.key()) != differing.value(it.key()) || before.contains(it.key()) != differing.contains(it.key()))
            ShowMarker(it.key());
    }
    // The controls of the differences carry it for their context menu.
    for (const ControlEntry &c : definition.controls) {
        QVector<QWidget *> targets;
        for (QRadioButton *b : optionGroups.value(c.name))
            targets.append(b);
        if (QWidget *w = widgets.value(c.name))
            targets.append(w);
        for (QWidget *w : targets)
            w->setProperty("differs", differing.contains(c.name));
    }
    // A tab whose page differs from the compared file shows its caption in blue.
    for (int i = 0; i < tabStrip->count(); ++i) {
        const int index = PageIndexOfCaption(tabStrip->tabText(i));
        const bool differs = pagesDiffering.contains(index);
        tabStrip->setTabTextColor(i, differs ? QColor(0x1f, 0x5f, 0xbf) : QColor());
        tabStrip->setTabToolTip(i, differs ? QStringLiteral("Differs from ") + otherName : QString());
    }
}

} // namespace swted
