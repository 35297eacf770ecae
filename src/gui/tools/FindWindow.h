#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace swted {

class Prompts;
class SwitchPages;

// "Find Option Switch": the user types a switch number and the page and
// sub-page that edit it come on screen. Every search closes the window.
class FindWindow : public QDialog {
    Q_OBJECT
public:
    FindWindow(Prompts &prompts, SwitchPages &pages, QWidget *mainWindow);

    // The search on the field's text.
    void FindClicked();

    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Find = nullptr;
    QPushButton *Quit = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Prompts &prompts;
    SwitchPages &pages;
    QWidget *mainWindow;
};

} // namespace swted
