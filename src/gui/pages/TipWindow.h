#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace swted {

// The tip window: one window shared by all help labels, titled with the
// switch, showing a paragraph of advice and an "Exit" button. Its geometry
// is reckoned in twips.
class TipWindow : public QWidget {
    Q_OBJECT
public:
    explicit TipWindow(QWidget *parent = nullptr);

    // Fills, sizes and centres the window; it is shown not modal.
    void ShowTip(const QString &switchText, const QString &tipText, int height, int width);

    struct Geometry {
        int windowWidth, windowHeight;
        int labelLeft, labelWidth, labelHeight;
        int buttonLeft, buttonTop;
    };
    // The figures for a tip whose text area is height x width twips.
    static Geometry GeometryFor(int height, int width);
    const Geometry &CurrentGeometry() const { return geometry; }

private:
    QLabel *label;
    QPushButton *exitButton;
    Geometry geometry{};
};

} // namespace swted
