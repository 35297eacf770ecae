#include "gui/tools/FindWindow.h"

#include "gui/Placement.h"
#include "shell/Prompts.h"
#include "tools/SwitchLocations.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace swted {

FindWindow::FindWindow(Prompts &prompts, SwitchPages &pages, QWidget *mainWindow)
    : QDialog(mainWindow), prompts(prompts), pages(pages), mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("FindIt"));
    setWindowTitle(FindWindowTitle);

    Label1 = new QLabel(QStringLiteral("To Jump to the Page containing a particular Option Switch, enter the number of "
                                       "the Switch below and press Find."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(Label1->fontMetrics().averageCharWidth() * 44);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Option Switch number"));
    Text1->installEventFilter(this);
    Label1->setBuddy(Text1);

    Find = new QPushButton(QStringLiteral("Fin&d"), this);
    Find->setObjectName(QStringLiteral("Find"));
    Find->setDefault(true);
    Quit = new QPushButton(QStringLiteral("&Quit"), this);
    Quit->setObjectName(QStringLiteral("Quit"));
    connect(Find, &QPushButton::clicked, this, &FindWindow::FindClicked);
    connect(Quit, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Find);
    buttons->addWidget(Quit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Text1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Text1->setFocus();
    adjustSize();
    CentreOnScreen(this);
}

bool FindWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the field runs the search and goes no further; every other
    // key reaches the field.
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (Find->isEnabled())
                Find->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FindWindow::FindClicked()
{
    {
        BusyCursor busy(prompts);
        const FindResult result = FindOptionSwitch(Text1->text());
        if (result.where) {
            accept();
            ShowSwitchLocation(pages, *result.where);
            if (result.number == static_cast<int>(result.number))
                pages.FocusSwitch(static_cast<int>(result.number));
        } else {
            prompts.ShowMessage(Message{NotSupportedText(result.number), FindWindowTitle});
            reject();
        }
    }
    if (mainWindow) {
        mainWindow->raise();
        mainWindow->activateWindow();
    }
}

} // namespace swted
