#pragma once

#include <QLabel>

namespace swted {

// A label or image that takes clicks (help labels, page arrows). It is a
// button to the keyboard and to assistive technology: it takes the focus
// (shown by a frame), Space or Enter clicks it, and it reports the role of
// a button with a press action.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace swted
