#include "gui/tools/CorrectionsWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace swted {

QString CorrectionsNote(int count)
{
    return count == 1 ? QStringLiteral("1 setting of this file will be saved differently")
                      : QStringLiteral("%1 settings of this file will be saved differently").arg(count);
}

CorrectionsWindow::CorrectionsWindow(const QString &fileName, const QVector<Correction> &corrections,
                                     QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCorrections"));
    setWindowTitle(QStringLiteral("Settings Saved Differently"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(fileName + QStringLiteral(" holds values that the pages cannot show as they stand. "
                                                       "Saving the file writes them as listed here, whether or "
                                                       "not their pages are opened."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    table = new QTableWidget(int(corrections.size()), 5, this);
    table->setObjectName(QStringLiteral("tblCorrections"));
    table->setAccessibleName(QStringLiteral("Settings saved differently"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Switch"), QStringLiteral("Setting"), QStringLiteral("In the file"),
         QStringLiteral("Will be saved"), QStringLiteral("Why")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < corrections.size(); ++row) {
        const Correction &c = corrections[row];
        const QStringList cells{QString::number(c.switchNumber), c.setting, QString::number(c.inFile),
                                QString::number(c.saved), c.reason};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            if (column == 0 || column == 2 || column == 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    // The numbers as wide as they need, the setting up to a third of the
    // list, the reason in the rest; long texts wrap.
    table->resizeColumnsToContents();
    table->setColumnWidth(1, qMin(table->columnWidth(1), 340));
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // The reason gets what is left of a window of at most 1000 pixels;
    // each row is as high as its wrapped texts.
    int fixed = 0;
    for (int column = 0; column < 4; ++column)
        fixed += table->columnWidth(column);
    const int reason = qBound(220, table->columnWidth(4), 1000 - 60 - fixed);
    table->setColumnWidth(4, reason);
    table->resizeRowsToContents();
    int rows = table->horizontalHeader()->height();
    for (int row = 0; row < table->rowCount(); ++row)
        rows += table->rowHeight(row);
    resize(fixed + reason + 60, qBound(240, 120 + rows, 640));
}

} // namespace swted
