// The page tabs keep the room of a change marker, shown or not.
#include "gui/pages/TabStripBar.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>

namespace swted {

QSize TabStripBar::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    if (tabIcon(index).isNull())
        size += MarkerRoom();
    return size;
}

void TabStripBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        markerRoom = QSize(-1, -1);
    QTabBar::changeEvent(event);
}

QSize TabStripBar::MarkerRoom() const
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

} // namespace swted
