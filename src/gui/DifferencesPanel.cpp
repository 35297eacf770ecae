// The Differences panel beside the pages while a comparison is on.
#include "gui/DifferencesPanel.h"

#include "pages/ControlWords.h"
#include "settings/SettingsText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace swted {

DifferencesPanel::DifferencesPanel(QWidget *parent) : QDockWidget(QStringLiteral("Differences"), parent)
{
    setObjectName(QStringLiteral("dckDifferences"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    summary = new QLabel(body);
    summary->setObjectName(QStringLiteral("lblDifferences"));
    summary->setWordWrap(true);
    layout->addWidget(summary);
    list = new QTableWidget(0, 5, body);
    list->setObjectName(QStringLiteral("lstDifferences"));
    list->setAccessibleName(QStringLiteral("Differences"));
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setTabKeyNavigation(false);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(list);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    takeAll = new QPushButton(QStringLiteral("Take All"), body);
    takeAll->setObjectName(QStringLiteral("cmdTakeAll"));
    buttons->addWidget(takeAll);
    layout->addLayout(buttons);
    setWidget(body);
    connect(list, &QTableWidget::itemActivated, this, [this](QTableWidgetItem *item) {
        const QTableWidgetItem *first = list->item(item->row(), 0);
        if (first && first->data(Qt::UserRole).isValid())
            emit SettingChosen(first->data(Qt::UserRole).toInt(), first->data(Qt::UserRole + 1).toInt(),
                               first->data(Qt::UserRole + 2).toString());
    });
    connect(takeAll, &QPushButton::clicked, this, &DifferencesPanel::TakeAllAsked);
}

void DifferencesPanel::Show(const QString &otherName, const Comparison &comparison)
{
    const int current = list->currentRow();
    list->setHorizontalHeaderLabels({QStringLiteral("Page"), QStringLiteral("Panel"), QStringLiteral("Setting"),
                                     QStringLiteral("This file"), otherName});
    list->setRowCount(int(comparison.settings.size() + comparison.switches.size()));
    int row = 0;
    auto put = [this, &row](const QStringList &cells) {
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            list->setItem(row, column, item);
        }
    };
    for (const SettingDifference &d : comparison.settings) {
        const Setting &s = *d.setting;
        const QString panel = s.control->panel.startsWith(QLatin1Char('~')) ? QString() : CaptionAsShown(s.control->panel).simplified();
        put({CaptionAsShown(s.description->tabCaption), panel, SettingCaption(s), d.here, d.other});
        QTableWidgetItem *first = list->item(row, 0);
        first->setData(Qt::UserRole, s.page);
        first->setData(Qt::UserRole + 1, s.control->subPage);
        first->setData(Qt::UserRole + 2, s.control->name);
        ++row;
    }
    for (const SwitchDifference &d : comparison.switches) {
        put({QString(), QString(), QStringLiteral("Switch %1 (no page edits it)").arg(d.switchNumber), QString::number(d.here),
             QString::number(d.other)});
        ++row;
    }
    list->resizeColumnsToContents();
    for (int column = 0; column < 4; ++column)
        list->setColumnWidth(column, qMin(list->columnWidth(column), 260));
    if (current >= 0 && current < list->rowCount())
        list->setCurrentCell(current, 0);
    const int n = int(comparison.settings.size() + comparison.switches.size());
    summary->setText(n == 0 ? QStringLiteral("No differences from ") + otherName
                            : n == 1 ? QStringLiteral("1 difference from ") + otherName
                                     : QStringLiteral("%1 differences from ").arg(n) + otherName);
    takeAll->setEnabled(n > 0);
}

} // namespace swted
