#include "gui/pages/XSpecial_1View.h"

#include "gui/pages/TorvaWindow.h"
#include "pages/XSpecial_1.h"
#include "shell/Editor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace swted {

XSpecial_1View::XSpecial_1View(Editor &editor, PageHost &host, QWidget *parent)
    : PageWindow(editor, host, XSpecial_1::Description(), parent)
{
}

void XSpecial_1View::BuildOwn(const ControlEntry &c, QGridLayout *grid, int row)
{
    // The TORVA button stands alone at the foot of its sub-page: its panel
    // shows no frame.
    if (auto *panel = qobject_cast<QGroupBox *>(grid->parentWidget())) {
        panel->setFlat(true);
        panel->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin-top: 0; padding-top: 0; }"));
        grid->setContentsMargins(0, 0, 0, 0);
    }
    auto *button = new QPushButton(c.caption);
    button->setAutoDefault(false);
    button->setAccessibleName(QStringLiteral("Torva Specials"));
    Register(c.name, button);
    connect(button, &QPushButton::clicked, this, &XSpecial_1View::ShowTorvaWindow);
    auto *line = new QHBoxLayout;
    line->addWidget(button);
    line->addStretch(1);
    grid->addLayout(line, row, 0, 1, 6);
}

void XSpecial_1View::ShowTorvaWindow()
{
    TorvaWindow window(editor.store, editor.prompts, this);
    window.exec();
}

} // namespace swted
