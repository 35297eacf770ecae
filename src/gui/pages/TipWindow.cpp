#include "gui/pages/TipWindow.h"

#include "gui/Placement.h"
#include "gui/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace swted {

namespace {
constexpr int ButtonWidth = 600;
constexpr int ButtonHeight = 375;
constexpr int LabelTop = 60;
} // namespace

TipWindow::TipWindow(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("TipText"));
    setAttribute(Qt::WA_DeleteOnClose);
    label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("Command1"));
    exitButton->setText(QStringLiteral("Exit"));
    exitButton->setFont(QFont(QStringLiteral("Arial"), exitButton->font().pointSize()));
    exitButton->setDefault(true);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
}

TipWindow::Geometry TipWindow::GeometryFor(int height, int width)
{
    Geometry g;
    g.windowHeight = height + 600;
    g.windowWidth = width;
    g.labelHeight = height - 200;
    g.labelWidth = width - 240;
    g.labelLeft = 60;
    g.buttonTop = height - 140;
    g.buttonLeft = (width - ButtonWidth) / 2;
    return g;
}

void TipWindow::ShowTip(const QString &switchText, const QString &tipText, int height, int width)
{
    geometry = GeometryFor(height, width);
    setWindowTitle(QStringLiteral("Tip for Switch number ") + switchText);
    // The texts break lines with CR LF, CR or LF; the label wants LF.
    QString text = tipText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    label->setText(text);
    label->setGeometry(TwipsToPixels(geometry.labelLeft, this), TwipsToPixels(LabelTop, this),
                       TwipsToPixels(geometry.labelWidth, this), TwipsToPixels(geometry.labelHeight, this));
    exitButton->setGeometry(TwipsToPixels(geometry.buttonLeft, this), TwipsToPixels(geometry.buttonTop, this),
                            TwipsToPixels(ButtonWidth, this), TwipsToPixels(ButtonHeight, this));
    setFixedSize(TwipsToPixels(geometry.windowWidth, this), TwipsToPixels(geometry.windowHeight, this));
    CentreOnScreen(this);
    show();
    raise();
    activateWindow();
}

} // namespace swted
