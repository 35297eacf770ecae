#pragma once

#include "pages/PageState.h"

#include <QDialog>
#include <QVector>

class QRadioButton;

namespace swted {

class Prompts;
class SwitchStore;

// The TORVA window: the board of the switches kept for one customer. Only
// switch 113 can be edited here; it is shown when the window opens and
// stored when it closes, by its close box, Escape or its Close button.
class TorvaWindow : public QDialog {
    Q_OBJECT
public:
    TorvaWindow(SwitchStore &store, Prompts &prompts, QWidget *parent = nullptr);

    QRadioButton *Option(int i) const { return options.value(i); }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    SwitchStore &store;
    Prompts &prompts;
    PageState state;
    QVector<QRadioButton *> options;
    bool stored = false;
};

} // namespace swted
