#pragma once

#include "pages/Corrections.h"

#include <QDialog>

class QTableWidget;

namespace swted {

// The settings of the file just opened that the pages store differently
// from the file: a row each with its switch, where it is edited, the value
// in the file, the value a save writes and why.
class CorrectionsWindow : public QDialog {
    Q_OBJECT
public:
    CorrectionsWindow(const QString &fileName, const QVector<Correction> &corrections, QWidget *parent = nullptr);

    QTableWidget *table = nullptr;
};

// "3 settings of this file will be saved differently" (one: "setting").
QString CorrectionsNote(int count);

} // namespace swted
