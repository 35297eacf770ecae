// The Differences panel: the settings that differ from the compared file, to go to or take over.
#pragma once

#include "settings/SettingCompare.h"

#include <QDockWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace swted {

class DifferencesPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit DifferencesPanel(QWidget *parent = nullptr);
    // The rows of a comparison: each differing setting (page, panel,
    // setting, this file's value, the other file's), then each switch no
    // page edits that differs, by number.
    void Show(const QString &otherName, const Comparison &comparison);
    QTableWidget *List() const { return list; }
    QPushButton *TakeAllButton() const { return takeAll; }

signals:
    // A setting's row was chosen (Enter, a double click): its page, sub-page and control.
    void SettingChosen(int page, int subPage, const QString &control);
    void TakeAllAsked();

private:
    QTableWidget *list;
    QLabel *summary;
    QPushButton *takeAll;
};

} // namespace swted
