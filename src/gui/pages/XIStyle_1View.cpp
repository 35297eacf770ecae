#include "gui/pages/XIStyle_1View.h"

#include "gui/ClickLabel.h"
#include "pages/XIStyle_1.h"
#include "gui/tools/Example73Window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace swted {

namespace {

// One position each; the page gives it its width and what it takes.
QLineEdit *DigitField(const QString &name)
{
    auto *field = new QLineEdit;
    field->setObjectName(name);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

} // namespace

XIStyle_1View::XIStyle_1View(Editor &editor, PageHost &host, QWidget *parent)
    : PageWindow(editor, host, XIStyle_1::Description(), parent)
{
}

void XIStyle_1View::BuildOwn(const ControlEntry &c, QGridLayout *grid, int row)
{
    if (c.name == QLatin1String("FramUserTxtSize")) {
        // The user size in mm: the digit of position 2, a dot, the digit of
        // position 1.
        auto *frame = new QGroupBox(c.caption);
        auto *line = new QHBoxLayout(frame);
        QLineEdit *whole = DigitField(QStringLiteral("TxtUserTxtSize1"));
        QLineEdit *tenths = DigitField(QStringLiteral("TxtUserTxtSize2"));
        whole->setAccessibleName(QStringLiteral("User text size, whole millimetres"));
        tenths->setAccessibleName(QStringLiteral("User text size, tenths of a millimetre"));
        auto *dot = new QLabel(QStringLiteral("."));
        dot->setObjectName(QStringLiteral("LblDot"));
        auto *unit = new QLabel(c.unit);
        line->addWidget(whole);
        line->addWidget(Marker(whole->objectName()), 0, Qt::AlignVCenter);
        line->addWidget(dot);
        line->addWidget(tenths);
        line->addWidget(Marker(tenths->objectName()), 0, Qt::AlignVCenter);
        line->addWidget(unit);
        line->addStretch(1);
        Register(c.name, frame);
        Register(whole->objectName(), whole);
        Register(tenths->objectName(), tenths);
        // Shown while the page takes its size (the layout hides it), so
        // that the page has room for it.
        grid->addWidget(frame, row, 0, 1, 2);
        return;
    }
    if (c.name == QLatin1String("FramUserFonts")) {
        auto *frame = new QGroupBox(c.caption);
        frame->setObjectName(c.name);
        auto *line = new QHBoxLayout(frame);
        const ControlEntry *onOff = Definition().Control(QStringLiteral("ChkStyleFontFile"));
        auto *box = new QCheckBox(onOff ? onOff->caption : QString());
        box->setObjectName(QStringLiteral("ChkStyleFontFile"));
        auto *list = new QComboBox;
        list->setObjectName(QStringLiteral("CmbUserFontType"));
        list->setAccessibleName(c.caption);
        list->setMinimumContentsLength(24);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        line->addWidget(box);
        line->addWidget(Marker(box->objectName()), 0, Qt::AlignVCenter);
        line->addWidget(list, 1);
        line->addWidget(Marker(list->objectName()), 0, Qt::AlignVCenter);
        Register(c.name, frame);
        Register(box->objectName(), box);
        Register(list->objectName(), list);
        grid->addWidget(frame, row, 0, 1, 2);
        return;
    }
    if (c.name == QLatin1String("HelpOS73")) {
        // Beside the enclosure style list: the example window, not a tip.
        auto *help = new ClickLabel(QStringLiteral("?"));
        help->setAccessibleName(QStringLiteral("Example for Switch 73"));
        help->setToolTip(help->accessibleName());
        QFont f = help->font();
        f.setBold(true);
        help->setFont(f);
        help->setForegroundRole(QPalette::Link);
        connect(help, &ClickLabel::clicked, this, [this] { Example73Window::ShowFor(this); });
        Register(c.name, help);
        Relate(QStringLiteral("Opt_73_Combo"), help);
        grid->addWidget(help, row - 1, 3);
        return;
    }
    if (c.name == QLatin1String("Opt_119_Pos1n2_HelpLabel")) {
        grid->addWidget(HelpLabel(c.name), row - 1, 3);
        return;
    }
    if (c.name == QLatin1String("MiscIds")) {
        // Leading characters of the IDs; no switch holds them.
        const QStringList captions = {QStringLiteral("Spoo&l ID :"), QStringLiteral("Cut Piece &ID :"),
                                      QStringLiteral("Total Num&ber Of Characters :")};
        const QStringList names = {QStringLiteral("txtSpoolId"), QStringLiteral("txtCutPieceId"),
                                   QStringLiteral("txtTotalCharacters")};
        auto *line = new QHBoxLayout;
        line->setSpacing(6);
        for (int i = 0; i < captions.size(); ++i) {
            auto *label = new QLabel(captions[i]);
            auto *field = new QLineEdit;
            field->setObjectName(names[i]);
            field->setAccessibleName(CaptionAsShown(captions[i]).remove(QLatin1Char(':')).trimmed());
            field->setFixedWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 12);
            label->setBuddy(field);
            line->addWidget(label);
            line->addWidget(field);
            line->addSpacing(12);
        }
        auto *zeros = new QCheckBox(QStringLiteral("No Leading &Zeros/Characters"));
        zeros->setObjectName(QStringLiteral("chkNoLeadingZeros"));
        line->addWidget(zeros);
        line->addStretch(1);
        grid->addLayout(line, row, 0, 1, 5);
        return;
    }
    // TxtUserTxtSize1/2, ChkStyleFontFile, CmbUserFontType: built with their frames.
}

} // namespace swted
