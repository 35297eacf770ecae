// The search bar beside the menus: words find settings on every page.
#include "gui/MainWindow.h"

#include "model/SwitchStore.h"
#include "pages/SettingSearch.h"
#include "settings/SettingFilters.h"
#include "shell/Editor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace swted {

// The search field beside the menus: words find settings on every page;
// choosing a result opens its page and sub-page and brings its control
// forward.
void MainWindow::BuildSearch()
{
    searchField = new QLineEdit(this);
    searchField->setObjectName(QStringLiteral("txtSearchSettings"));
    searchField->setPlaceholderText(QStringLiteral("Search settings (Ctrl+F)"));
    // Its clear button comes once the first page is on screen.
    searchField->setFixedWidth(searchField->fontMetrics().averageCharWidth() * 26);
    searchField->setAccessibleName(QStringLiteral("Search settings"));
    searchBar = addToolBar(QStringLiteral("Search"));
    searchBar->setObjectName(QStringLiteral("tbrSearch"));
    searchBar->setMovable(false);
    searchBar->setFloatable(false);
    searchBar->toggleViewAction()->setVisible(false);
    auto *spring = new QWidget(searchBar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    searchBar->addWidget(spring);
    searchCount = new QLabel(searchBar);
    searchCount->setObjectName(QStringLiteral("lblSearchCount"));
    searchCount->setContentsMargins(0, 0, 6, 0);
    searchBar->addWidget(searchCount);
    searchBar->addWidget(searchField);
    // The filters, for a user who does not know their words: each puts its
    // word in the field.
    searchFilters = new QToolButton(searchBar);
    searchFilters->setObjectName(QStringLiteral("btnSearchFilters"));
    searchFilters->setText(QStringLiteral("Filters"));
    searchFilters->setToolTip(QStringLiteral("Show only the settings changed, not at their default, or differing from "
                                             "the compared file (@changed, @non-default, @differs)"));
    searchFilters->setAccessibleName(QStringLiteral("Search filters"));
    searchFilters->setPopupMode(QToolButton::InstantPopup);
    auto *filters = new QMenu(searchFilters);
    filters->setObjectName(QStringLiteral("mnuSearchFilters"));
    const QStringList captions{QStringLiteral("&Changed settings"), QStringLiteral("&Non-default settings"),
                               QStringLiteral("&Differing from the compared file")};
    const QStringList words = FilterWords();
    for (int i = 0; i < words.size(); ++i) {
        const QString word = words[i];
        QAction *a = filters->addAction(captions[i] + QStringLiteral("\t") + word);
        connect(a, &QAction::triggered, this, [this, word] {
            QString text = searchField->text().trimmed();
            if (!text.split(QLatin1Char(' ')).contains(word, Qt::CaseInsensitive))
                text = (text.isEmpty() ? QString() : text + QLatin1Char(' ')) + word;
            searchField->setText(text);
            searchField->setFocus();
        });
    }
    searchFilters->setMenu(filters);
    searchBar->addWidget(searchFilters);
    auto *focus = new QAction(this);
    focus->setShortcut(QKeySequence::Find);
    connect(focus, &QAction::triggered, this, [this] {
        searchField->setFocus();
        searchField->selectAll();
    });
    addAction(focus);

    searchResults = new QListWidget(this);
    searchResults->setObjectName(QStringLiteral("lstSearchResults"));
    searchResults->setWindowFlags(Qt::ToolTip);
    searchResults->setFocusPolicy(Qt::NoFocus);
    searchResults->setMouseTracking(true);
    connect(searchField, &QLineEdit::textChanged, this, &MainWindow::ShowSearchResults);
    connect(searchField, &QLineEdit::returnPressed, this, [this] {
        const int row = qMax(0, searchResults->currentRow());
        if (searchResults->isVisible() && row < searchResults->count())
            ChooseSearchResult(searchResults->item(row));
    });
    connect(searchResults, &QListWidget::itemClicked, this, &MainWindow::ChooseSearchResult);
    searchField->installEventFilter(this);
}

void MainWindow::ShowSearchResults(const QString &query)
{
    searchResults->clear();
    QVector<SettingHit> hits;
    if (editor.file.FileLoaded)
        hits = query.contains(QLatin1Char('@')) ? SearchSettings(query, FilterOf(query, SearchFilterSets()))
                                                : SearchSettings(query);
    for (const SettingHit &hit : hits) {
        // The setting where it stands, its switch, and its tip on a second line.
        QString text = QString::fromLatin1(PageOfIndex(hit.page).caption) + QStringLiteral(" \u203A ") + hit.Where()
            + QStringLiteral("   (") + QString::number(hit.switchNumber) + QLatin1Char(')');
        if (!hit.tip.isEmpty())
            text += QStringLiteral("\n    ") + hit.tip;
        auto *item = new QListWidgetItem(text);
        item->setData(Qt::UserRole, hit.page);
        item->setData(Qt::UserRole + 1, hit.subPage);
        item->setData(Qt::UserRole + 2, hit.control);
        searchResults->addItem(item);
    }
    if (query.trimmed().isEmpty() || !editor.file.FileLoaded)
        searchCount->clear();
    else if (hits.size() == 1)
        searchCount->setText(QStringLiteral("1 setting"));
    else
        searchCount->setText(hits.isEmpty() ? QStringLiteral("No settings found")
                                            : QStringLiteral("%1 settings").arg(hits.size()));
    if (hits.isEmpty()) {
        searchResults->hide();
        return;
    }
    searchResults->setCurrentRow(0);
    int height = 6; // the first twelve rows, of one or two lines each
    for (int row = 0; row < qMin(12, searchResults->count()); ++row)
        height += searchResults->sizeHintForRow(row);
    const QPoint at = searchField->mapToGlobal(QPoint(0, searchField->height()));
    // Right-aligned under the field, and within the screen: long rows are
    // cut rather than the list run off its left edge.
    const QRect screen = searchField->screen()->availableGeometry();
    const int width = qMin(qMax(searchField->width() * 2, searchResults->sizeHintForColumn(0) + 24), screen.width());
    const int left = qBound(screen.left(), at.x() + searchField->width() - width, screen.right() + 1 - width);
    searchResults->setGeometry(left, at.y(), width, height);
    searchResults->show();
}

// What each filter keeps, from the settings in words: as the pages would
// store them now, as the file was opened or last saved, and the defaults.
FilterSets MainWindow::SearchFilterSets()
{
    UserFontSession *fonts = &editor.Fonts();
    SwitchStore now = editor.store;
    if (const PageWindow *page = ActivePage())
        RestoreValues(now, page->ValuesShown());
    SwitchStore opened;
    RestoreValues(opened, SavedValues(editor.store));
    SwitchStore defaults;
    defaults.DefaultAllSwitches();
    const bool restricted = editor.config.RunTypeRestricted;
    return MakeFilterSets(ExplainSettings(now, restricted, fonts), ExplainSettings(opened, restricted, fonts),
                          ExplainSettings(defaults, restricted, fonts));
}

void MainWindow::ChooseSearchResult(QListWidgetItem *item)
{
    if (!item)
        return;
    searchResults->hide();
    ChooseSetting(item->data(Qt::UserRole).toInt(), item->data(Qt::UserRole + 1).toInt(),
                  item->data(Qt::UserRole + 2).toString());
}

// A setting found (by a search or in the Differences): its page comes
// forward through its tab, as a click would, then its sub-page and control.
void MainWindow::ChooseSetting(int index, int subPage, const QString &control)
{
    PageWindow *page = ActivePage();
    if (!page || page->Definition().index != index) {
        if (page)
            page->TabStrip()->setCurrentIndex(PageOfIndex(index).stripPosition - 1); // as a click on the tab
        else
            OpenPage(index);
        page = ActivePage();
    }
    if (!page || page->Definition().index != index)
        return;
    page->ShowSubPage(subPage);
    page->FocusControl(control);
}

bool MainWindow::SearchFieldEvent(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Up and down move through the results, Escape closes them.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (searchResults->isVisible() && (key == Qt::Key_Down || key == Qt::Key_Up)) {
            const int row = searchResults->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            searchResults->setCurrentRow(qBound(0, row, searchResults->count() - 1));
            return true;
        }
        if (key == Qt::Key_Escape) {
            searchResults->hide();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        QTimer::singleShot(200, searchResults, [this] {
            if (!searchField->hasFocus())
                searchResults->hide();
        });
    }
    return false;
}

} // namespace swted
