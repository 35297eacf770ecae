#pragma once

#include <QStringList>
#include <QWidget>

class QPushButton;

namespace swted {

// The worked example of the part number enclosures of switch 73: a sketch
// of the two enclosure styles, each with a single part number and with
// several, and the spaces between part numbers that the switch sets. It
// reads and changes nothing.
class Example73Window : public QWidget {
    Q_OBJECT
public:
    explicit Example73Window(QWidget *parent = nullptr);

    // Shows the example of the window that owns it, creating it on first
    // use: there is only ever one, however often it is asked for.
    static Example73Window *ShowFor(QWidget *owner);

    // The texts of the sketch, in the order they are drawn.
    static QStringList Labels();

private:
    QPushButton *exitButton;
};

// The sketch itself, drawn with thin lines like a technical drawing.
class Example73View : public QWidget {
    Q_OBJECT
public:
    explicit Example73View(QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace swted
