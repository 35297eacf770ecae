// The strip of page tabs at the top of every page.
#pragma once

#include <QTabBar>

namespace swted {

// The strip of page tabs. A tab keeps the room of its change marker also
// when it has none, so that the tabs neither widen nor move when a marker
// comes or goes.
class TabStripBar : public QTabBar {
public:
    explicit TabStripBar(QWidget *parent) : QTabBar(parent) {}

protected:
    QSize tabSizeHint(int index) const override;
    void changeEvent(QEvent *event) override;

private:
    // What an icon adds to a tab in this strip's style and font, across and
    // down, measured on a tab of the same kind.
    QSize MarkerRoom() const;
    mutable QSize markerRoom{-1, -1};
};

} // namespace swted
