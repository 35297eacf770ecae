#include "gui/tools/Example73Window.h"

#include "gui/Placement.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

namespace swted {

namespace {

const QString Style1 = QStringLiteral("Style 1 Enclosures");
const QString Style2 = QStringLiteral("Style 2 Enclosures");
const QString Single = QStringLiteral("Single Part Number");
const QString Multiple = QStringLiteral("Multiple Part Numbers");
const QString Or = QStringLiteral("or");
const QString Twelve = QStringLiteral("12");
const QString SpacesHere = QStringLiteral("spaces here");
// The part numbers of style 1 are drawn one by one; those of style 2 as
// one text, with four blanks between them.
const QStringList Style1Numbers = {QStringLiteral("F1"), QStringLiteral("G6"), QStringLiteral("B9")};
const QString Style2Numbers = QStringLiteral("F8    G12    B16");
const QString FourBlanks = QStringLiteral("    ");

constexpr int Margin = 18;
constexpr int ColumnGap = 48;

// Where everything stands, from the font's size.
struct Sketch {
    int line;      // text line height
    int box;       // enclosure height
    int pad;       // room inside an enclosure left and right of its text
    int column;    // width of one style's column
    int heading, single, singleCaption, orLine, spaces, multiple, multipleCaption, height;

    explicit Sketch(const QFontMetrics &fm)
    {
        line = fm.height();
        box = line + 12;
        pad = fm.horizontalAdvance(QLatin1Char('0')) + 6;
        int numbers = fm.horizontalAdvance(Style2Numbers);
        int spacesRow = 2 * fm.horizontalAdvance(SpacesHere) + 3 * pad;
        column = qMax(qMax(numbers + 2 * pad + box, spacesRow), fm.horizontalAdvance(Multiple) + 2 * pad);
        heading = Margin;
        single = heading + line + 18;
        singleCaption = single + box + 4;
        orLine = singleCaption + line + 8;
        spaces = orLine + line + 10;
        multiple = spaces + line + 26;
        multipleCaption = multiple + box + 4;
        height = multipleCaption + line + Margin;
    }
    int Left(int style) const { return Margin + style * (column + ColumnGap); }
    int Width() const { return 2 * column + ColumnGap + 2 * Margin; }
};

// An enclosure around a text area of the given width, centred at cx: square
// ends for style 1, round ends for style 2.
QRectF Enclosure(QPainter &p, int style, qreal cx, qreal top, qreal textWidth, const Sketch &s)
{
    const qreal w = textWidth + 2 * s.pad + (style == 1 ? s.box : 0);
    const QRectF r(cx - w / 2, top, w, s.box);
    if (style == 0)
        p.drawRect(r);
    else
        p.drawRoundedRect(r, s.box / 2.0, s.box / 2.0);
    return r;
}

// A leader from a label to a point, ending in a small arrow head.
void Leader(QPainter &p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const qreal angle = qAtan2(to.y() - from.y(), to.x() - from.x());
    const qreal len = 7, spread = 0.4;
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - QPointF(len * qCos(angle - spread), len * qSin(angle - spread)));
    head.lineTo(to - QPointF(len * qCos(angle + spread), len * qSin(angle + spread)));
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

void CentredText(QPainter &p, qreal cx, int top, const QString &text, const Sketch &s)
{
    p.drawText(QRectF(cx - 200, top, 400, s.line), Qt::AlignHCenter | Qt::AlignTop, text);
}

} // namespace

Example73View::Example73View(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Drawing"));
    setAccessibleName(QStringLiteral("Example of the part number enclosure styles"));
    setAccessibleDescription(Example73Window::Labels().join(QLatin1Char(' ')));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize Example73View::sizeHint() const
{
    const Sketch s(fontMetrics());
    return {s.Width(), s.height};
}

void Example73View::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QFontMetrics fm = fontMetrics();
    const Sketch s(fm);
    // Centred in whatever room the window gives.
    p.translate((width() - s.Width()) / 2, (height() - s.height) / 2);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    const qreal gap = fm.horizontalAdvance(FourBlanks);

    for (int style = 0; style < 2; ++style) {
        const qreal left = s.Left(style);
        const qreal cx = left + s.column / 2.0;
        QFont bold = font();
        bold.setBold(true);
        p.setFont(bold);
        CentredText(p, cx, s.heading, style == 0 ? Style1 : Style2, s);
        const int headWidth = QFontMetrics(bold).horizontalAdvance(style == 0 ? Style1 : Style2);
        p.drawLine(QPointF(cx - headWidth / 2.0, s.heading + s.line + 2), QPointF(cx + headWidth / 2.0, s.heading + s.line + 2));
        p.setFont(font());

        // A single part number.
        const QRectF one = Enclosure(p, style, cx, s.single, fm.horizontalAdvance(Twelve), s);
        p.drawText(one, Qt::AlignCenter, Twelve);
        CentredText(p, cx, s.singleCaption, Single, s);
        CentredText(p, cx, s.orLine, Or, s);

        // Several part numbers, spaced apart in one enclosure.
        QVector<qreal> gaps; // the middle of each space
        qreal textWidth;
        if (style == 0) {
            textWidth = 2 * gap;
            for (const QString &n : Style1Numbers)
                textWidth += fm.horizontalAdvance(n);
        } else {
            textWidth = fm.horizontalAdvance(Style2Numbers);
        }
        const QRectF many = Enclosure(p, style, cx, s.multiple, textWidth, s);
        qreal x = cx - textWidth / 2;
        const QRectF textRow(0, many.top(), 0, many.height());
        if (style == 0) {
            for (int i = 0; i < Style1Numbers.size(); ++i) {
                const qreal w = fm.horizontalAdvance(Style1Numbers[i]);
                p.drawText(QRectF(x, textRow.top(), w, textRow.height()), Qt::AlignCenter, Style1Numbers[i]);
                x += w;
                if (i + 1 < Style1Numbers.size()) {
                    gaps.append(x + gap / 2);
                    x += gap;
                }
            }
        } else {
            p.drawText(QRectF(x, textRow.top(), textWidth, textRow.height()), Qt::AlignLeft | Qt::AlignVCenter,
                       Style2Numbers);
            gaps.append(x + fm.horizontalAdvance(QStringLiteral("F8")) + gap / 2);
            gaps.append(x + fm.horizontalAdvance(QStringLiteral("F8    G12")) + gap / 2);
        }
        CentredText(p, cx, s.multipleCaption, Multiple, s);

        // "spaces here" above the enclosure, one at each side, each with a
        // leader into its space.
        const int labelWidth = fm.horizontalAdvance(SpacesHere);
        const QRectF labels[2] = {QRectF(left, s.spaces, labelWidth, s.line),
                                  QRectF(left + s.column - labelWidth, s.spaces, labelWidth, s.line)};
        QPen thin(Qt::black, 1.0);
        for (int i = 0; i < 2; ++i) {
            p.setPen(QPen(Qt::black, 1.2));
            p.drawText(labels[i], Qt::AlignCenter, SpacesHere);
            p.setPen(thin);
            const QPointF from(labels[i].center().x(), labels[i].bottom() + 2);
            // Into the space, just under the enclosure's top line.
            Leader(p, from, QPointF(gaps[i], many.top() + 5));
        }
        p.setPen(QPen(Qt::black, 1.2));
    }
}

Example73Window::Example73Window(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Example_73"));
    setWindowTitle(QStringLiteral("Tip for Switch number 73"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    auto *drawing = new Example73View(this);
    layout->addWidget(drawing);
    exitButton = new QPushButton(QStringLiteral("Exit"), this);
    exitButton->setObjectName(QStringLiteral("Command1"));
    exitButton->setDefault(true);
    exitButton->setMinimumWidth(exitButton->fontMetrics().horizontalAdvance(QStringLiteral("Exit")) + 48);
    layout->addWidget(exitButton, 0, Qt::AlignHCenter);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    setFixedSize(sizeHint());
    CentreOnScreen(this);
}

Example73Window *Example73Window::ShowFor(QWidget *owner)
{
    QWidget *top = owner ? owner->window() : nullptr;
    auto *example = top ? top->findChild<Example73Window *>(QStringLiteral("Example_73"), Qt::FindDirectChildrenOnly)
                        : nullptr;
    if (!example)
        example = new Example73Window(top);
    example->show();
    example->raise();
    example->activateWindow();
    return example;
}

QStringList Example73Window::Labels()
{
    return QStringList{Style1, Twelve, Single, Or} + Style1Numbers
        + QStringList{Multiple, SpacesHere, SpacesHere, Style2, Twelve, Single, Or, Style2Numbers, Multiple,
                      SpacesHere, SpacesHere};
}

} // namespace swted
