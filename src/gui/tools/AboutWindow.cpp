#include "gui/tools/AboutWindow.h"

#include "model/NumberText.h"
#include "gui/Placement.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace swted {

namespace {

// The artwork: a small isometric pipe run with a weld dot and an elbow.
QPixmap Artwork(const QPalette &palette, bool flipped)
{
    QPixmap pm(72, 72);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (flipped) {
        p.translate(72, 0);
        p.scale(-1, 1);
    }
    QPen pen(palette.color(QPalette::Highlight), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const QPointF pts[] = {{8, 52}, {32, 38}, {32, 14}, {62, 30}};
    p.drawPolyline(pts, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(palette.color(QPalette::WindowText));
    p.drawEllipse(QPointF(32, 38), 4, 4);
    p.drawEllipse(QPointF(32, 14), 4, 4);
    return pm;
}

} // namespace

QString ComposeVersionText(int major, int minor, int revision)
{
    return QStringLiteral("V") + NumberText(major) + QStringLiteral(".") + NumberText(minor) + QStringLiteral(".")
        + NumberText(revision);
}

QString AboutWindow::LabelText(const QString &versionText)
{
    return QStringLiteral("Options Editor ") + versionText + QStringLiteral("\n\r")
        + QStringLiteral("(For use with KARVEN Versions up to, and including, V8.13.1)");
}

QString AboutWindow::FolderText(const QString &programFolder)
{
    return QStringLiteral("Configuration (Swted.ini) and descriptions read from:\n")
        + QDir::toNativeSeparators(QDir::cleanPath(programFolder));
}

AboutWindow::AboutWindow(const QString &versionText, const QString &programFolder, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Options Editor"));
    auto *picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setPixmap(Artwork(palette(), false));
    picture1->setAccessibleName(QStringLiteral("Options Editor artwork"));
    auto *picture2 = new QLabel(this);
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setPixmap(Artwork(palette(), true));
    picture2->setAccessibleName(QStringLiteral("Options Editor artwork"));
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setText(LabelText(versionText));
    label->setAlignment(Qt::AlignCenter);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(picture1);
    row->addWidget(label, 1);
    row->addWidget(picture2);
    auto *v = new QVBoxLayout(this);
    v->addLayout(row);
    if (!programFolder.isEmpty()) {
        auto *folder = new QLabel(FolderText(programFolder), this);
        folder->setObjectName(QStringLiteral("FolderLabel"));
        folder->setAlignment(Qt::AlignCenter);
        folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
        v->addWidget(folder);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    v->addLayout(buttons);
    adjustSize();
    CentreOnScreen(this);
}

} // namespace swted
