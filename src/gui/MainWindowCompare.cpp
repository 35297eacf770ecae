// Comparison with another file: reading it aside, the Differences panel, the markers, taking its values.
#include "gui/MainWindow.h"

#include "gui/ComparedFile.h"
#include "gui/DifferencesPanel.h"
#include "model/FileSystem.h"
#include "model/SwitchStore.h"
#include "model/TextFile.h"
#include "shell/FileCommands.h"
#include "shell/Prompts.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>

namespace swted {

const SwitchValueSet *MainWindow::ComparedValues() const { return compared ? &compared->explanation.values : nullptr; }

QString MainWindow::ComparedName() const { return compared ? compared->name : QString(); }

void MainWindow::CompareWithCommand()
{
    const std::optional<QString> chosen = editor.prompts.GetOpenFileName(OpenRequest(QStringLiteral("Compare With")));
    if (!chosen)
        return;
    auto other = std::make_unique<ComparedFile>();
    other->path = *chosen;
    other->name = Printable(chosen->mid(LastSeparator(*chosen) + 1));
    other->editor.ProgramDirectory = editor.ProgramDirectory;
    other->editor.config = editor.config;
    SetCurrentFile(other->editor, *chosen);
    if (!ReadOptionsFile(other->editor)) {
        // What reading it said, as the editor says it for a file it opens.
        for (const Message &m : other->quiet.messages)
            editor.prompts.ShowMessage(m);
        return;
    }
    other->explanation = ExplainSettings(other->editor.store, editor.config.RunTypeRestricted, &other->editor.Fonts());
    compared = std::move(other);
    if (!differences) {
        differences = new DifferencesPanel(this);
        addDockWidget(Qt::BottomDockWidgetArea, differences);
        connect(differences, &DifferencesPanel::SettingChosen, this, &MainWindow::ChooseSetting);
        connect(differences, &DifferencesPanel::TakeAllAsked, this, &MainWindow::TakeAllCommand);
        // Ctrl+Shift+D goes to the list from anywhere in the window.
        auto *toList = new QAction(differences);
        toList->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
        toList->setShortcutContext(Qt::WindowShortcut);
        connect(toList, &QAction::triggered, this, [this] {
            if (compared)
                differences->List()->setFocus();
        });
        addAction(toList);
    }
    differences->show();
    mnuFilEndCompare->setEnabled(true);
    UpdateEditState();
    differences->List()->setFocus();
    if (differences->List()->rowCount() > 0)
        differences->List()->setCurrentCell(0, 0);
}

void MainWindow::EndComparison()
{
    if (!compared)
        return;
    compared.reset();
    comparison = Comparison();
    if (differences)
        differences->hide();
    mnuFilEndCompare->setEnabled(false);
    mnuEditTakeAll->setEnabled(false);
    for (const QPointer<QMdiSubWindow> &sub : pageWindows) {
        if (auto *page = sub ? qobject_cast<PageWindow *>(sub->widget()) : nullptr)
            page->ShowComparison(QString(), {}, {});
    }
    for (const QPointer<QMdiSubWindow> &sub : parkedPages) {
        if (auto *page = sub ? qobject_cast<PageWindow *>(sub->widget()) : nullptr)
            page->ShowComparison(QString(), {}, {});
    }
}

void MainWindow::UpdateComparison(const SwitchValueSet &values)
{
    if (!compared)
        return;
    SwitchStore now = editor.store;
    RestoreValues(now, values);
    comparison = CompareSettings(ExplainSettings(now, editor.config.RunTypeRestricted, &editor.Fonts()),
                                 compared->explanation);
    differences->Show(compared->name, comparison);
    mnuEditTakeAll->setEnabled(!comparison.Same());
    mnuEditTakeAll->setText(QStringLiteral("Take All from &Compared File"));
    differences->TakeAllButton()->setText(QStringLiteral("Take All from ") + compared->name);
    if (PageWindow *page = ActivePage()) {
        QHash<QString, QString> differing;
        QSet<int> pages;
        for (const SettingDifference &d : comparison.settings) {
            pages.insert(d.setting->page);
            if (d.setting->page == page->Definition().index)
                differing.insert(d.setting->control->name, d.other.isEmpty() ? QStringLiteral("(none)") : d.other);
        }
        page->ShowComparison(compared->name, differing, pages);
    }
}

void MainWindow::TakeAllCommand()
{
    if (!compared || comparison.Same())
        return;
    const int n = int(comparison.settings.size() + comparison.switches.size());
    const QString question = QStringLiteral("Take the values of all %1 differences from %2? ").arg(n).arg(compared->name)
        + QStringLiteral("Every switch of a setting that differs takes the value it has there; Undo takes them back in one "
                         "step.");
    if (editor.prompts.ShowMessage(Message{question, OptionsEditorTitle, MessageButtons::YesNo, MessageIcon::Exclamation})
        != Answer::Yes)
        return;
    PageWindow *page = ActivePage();
    const SwitchValueSet before = page ? page->ValuesShown() : CurrentValues(editor.store);
    SwitchValueSet after = before;
    const SwitchValueSet &other = compared->explanation.values;
    // The whole switch of each setting that differs: a control whose
    // positions follow another control (the enclosure sizes of each weld
    // type) shows the other file's value only so.
    for (const SettingDifference &d : comparison.settings)
        after[d.setting->control->switchNumber] = other[d.setting->control->switchNumber];
    for (const SwitchDifference &d : comparison.switches)
        after[d.switchNumber] = other[d.switchNumber];
    RestoreValues(editor.store, after);
    if (page)
        page->LayoutForm();
    RecordEdit(before, page ? page->ValuesShown() : CurrentValues(editor.store),
               EditOrigin{-1, 0, QString(), QStringLiteral("Take All from ") + compared->name, false});
}

} // namespace swted
