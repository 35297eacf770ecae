// What the window says of the file: the title, the Edit menu's step names, the status bar.
#include "gui/MainWindow.h"

#include "model/FileSystem.h"
#include "model/Messages.h"
#include "pages/SwitchDigits.h"
#include "shell/Editor.h"
#include "model/TextFile.h"
#include "gui/tools/CorrectionsWindow.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QApplication>

namespace swted {

namespace {

// "&Undo Clear Screen": the command and what the step changed; the
// command alone when there is no step or it has no name.
QString StepCommandText(const QString &command, const EditOrigin *step)
{
    if (!step || step->caption.isEmpty())
        return command;
    return command + QLatin1Char(' ') + QString(step->caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

// Whether the file has unsaved changes, and which tabs and controls differ
// from it, come from the store and what the page on screen shows now; every
// edit, page switch, undo, redo, reset, Default All and save ends here.
void MainWindow::UpdateEditState()
{
    if (editStateHeld > 0)
        return;
    mnuEditUndo->setEnabled(editor.file.FileLoaded && editor.history.CanUndo());
    mnuEditRedo->setEnabled(editor.file.FileLoaded && editor.history.CanRedo());
    mnuEditUndo->setText(StepCommandText(QStringLiteral("&Undo"), editor.history.NextUndo()));
    mnuEditRedo->setText(StepCommandText(QStringLiteral("&Redo"), editor.history.NextRedo()));
    PageWindow *page = editor.file.FileLoaded ? ActivePage() : nullptr;
    const SwitchValueSet values = page ? page->ShowChanges() : CurrentValues(editor.store);
    unsavedChanges = editor.file.FileLoaded && (values != SavedValues(editor.store) || !editor.PendingCorrections().isEmpty());
    if (unsavedChanges)
        savedNote.clear(); // an edit after a save: the note is old news
    unsavedLabel->setText(unsavedChanges ? QStringLiteral("Unsaved changes") : savedNote);
    restrictedLabel->setVisible(editor.file.FileLoaded && editor.config.RunTypeRestricted);
    correctionsButton->setText(CorrectionsNote(int(editor.corrections.size())));
    correctionsButton->setVisible(editor.file.FileLoaded && !editor.corrections.isEmpty());
    if (editor.file.FileLoaded)
        UpdateComparison(values);
    UpdateTitle();
    ShowFocusedDigits();
}

void MainWindow::NoteSaved()
{
    const QString &path = editor.file.CurrentFilePath;
    savedNote = QStringLiteral("Saved ") + Printable(path.mid(LastSeparator(path) + 1));
    const int note = ++savedNotes;
    UpdateEditState();
    QTimer::singleShot(SavedNoteMs, this, [this, note] {
        if (note != savedNotes)
            return; // a later save shows its own note
        savedNote.clear();
        if (!unsavedChanges)
            unsavedLabel->clear();
    });
}

void MainWindow::ShowFocusedDigits()
{
    if (!digitsLabel)
        return;
    PageWindow *page = editor.file.FileLoaded ? ActivePage() : nullptr;
    QWidget *focus = QApplication::focusWidget();
    const ControlEntry *c = page && focus && page->isAncestorOf(focus) ? page->ControlOf(focus) : nullptr;
    if (!c || c->switchNumber > SwitchCount) {
        digitsLabel->hide();
        return;
    }
    int first = 0;
    int last = 0;
    EditedPositions(*c, first, last);
    const QPalette pal = digitsLabel->palette();
    const SwitchDigits d = DescribeSwitchDigits(c->switchNumber, page->ValuesShown()[c->switchNumber], first, last,
                                                pal.color(QPalette::Highlight).name(),
                                                pal.color(QPalette::HighlightedText).name());
    // A text field adds the range it takes (or what it refused).
    const QString note = page->EntryNote(focus);
    const QString text = note.isEmpty() ? d.richText : d.richText + QStringLiteral("&nbsp;&nbsp; ") + note.toHtmlEscaped();
    if (digitsLabel->text() != text)
        digitsLabel->setText(text);
    digitsLabel->setAccessibleDescription(note.isEmpty() ? d.description : d.description + QStringLiteral(". ") + note);
    digitsLabel->show();
}

// After a save the change markers compare with the file as now saved, and
// the title names the file now edited (a save may have become a Save As).
void MainWindow::ShowSavedState()
{
    if (PageWindow *page = ActivePage())
        page->ShowState();
    UpdateEditState();
}

void MainWindow::UpdateTitle()
{
    if (!editor.file.FileLoaded || editor.file.CurrentFilePath.isEmpty()) {
        setWindowTitle(EditorCaption());
        return;
    }
    setWindowTitle(EditorCaption() + QStringLiteral(" - ") + Printable(editor.file.CurrentFilePath)
                   + (unsavedChanges ? QStringLiteral("*") : QString())
                   + (editor.shared.readOnly ? QStringLiteral(" (Read-Only)") : QString()));
}

} // namespace swted
