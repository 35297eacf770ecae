#include "shell/FileCommands.h"

#include "model/Messages.h"
#include "model/OptionsReader.h"
#include "model/OptionsWriter.h"
#include "model/TextFile.h"
#include "shell/Editor.h"
#include "shell/Prompts.h"

#include <QFileInfo>

namespace swted {

namespace {

Answer AskYesNoCancel(Editor &editor, const QString &text)
{
    return editor.prompts.ShowMessage(
        Message{text, OptionsEditorTitle, MessageButtons::YesNoCancel, MessageIcon::Exclamation});
}

// Head lines, description texts and switch lines, rebuilt for a write.
void PrepareLines(Editor &editor)
{
    OptionsDocument &doc = editor.file;
    const QString description = RebuildHeadLines(doc);
    if (!description.isEmpty()) {
        if (LoadDescriptionFile(doc, editor.ProgramDirectory, description) == DescriptionLoad::MissingTailsEmpty)
            editor.prompts.Inform(msg::DescriptionFileNotFound(description, editor.ProgramDirectory));
    }
    doc.RebuildSwitchLines = true;
    BuildSwitchLines(doc, editor.store, doc.SwitchLineCount);
}

bool HasFileType(const Editor &editor, const QString &extension)
{
    for (const FileType &type : editor.config.FileTypes) {
        if (type.Extension.compare(extension, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

void SetCurrentFile(Editor &editor, const QString &path)
{
    editor.file.CurrentFilePath = path;
    editor.file.CurrentFileDirectory = DirectoryOf(path);
}

bool ReadOptionsFile(Editor &editor)
{
    BusyCursor busy(editor.prompts);
    const ReadOutcome outcome = ReadOptionsFile(editor.file, editor.store, editor.config.FileTypes);
    if (!outcome.ok)
        editor.prompts.Inform(outcome.message);
    return outcome.ok;
}

bool WriteOptionsFile(Editor &editor, const QString &path)
{
    const WriteOutcome outcome = WriteOptionsFile(editor.file, editor.store, path, *editor.fileOps);
    if (!outcome.ok)
        editor.prompts.Inform(outcome.message);
    return outcome.ok;
}

bool SaveOptionsFile(Editor &editor)
{
    BusyCursor busy(editor.prompts);
    PrepareLines(editor);
    return WriteOptionsFile(editor, editor.file.CurrentFilePath);
}

SaveAsResult SaveOptionsFileAs(Editor &editor)
{
    OptionsDocument &doc = editor.file;
    const QString current = doc.CurrentFilePath;
    FileDialogRequest request;
    request.title = QStringLiteral("Save Options File As...");
    request.filter = DialogFilter(editor.config);
    request.directory = doc.CurrentFileDirectory;
    // The whole name, extension and all: accepted as it is, it saves over
    // the file in its own type.
    request.fileName = current;
    request.confirmOverwrite = true;

    QString chosen;
    QString convertTo; // the new type's extension when the format changes
    for (;;) {
        const std::optional<QString> name = editor.prompts.GetSaveFileName(request);
        if (!name)
            return SaveAsResult::Cancelled;
        const QString N = *name;
        const QString E = N.right(3).toUpper();
        convertTo.clear();

        bool accepted = false;
        if (E.compare(current.right(3), Qt::CaseInsensitive) == 0) {
            accepted = true;
        } else if ((E == QLatin1String("OPL") || E == QLatin1String("OPS")) && HasFileType(editor, E)) {
            const Answer a = AskYesNoCancel(editor, msg::ConvertQuestion(current));
            if (a == Answer::Cancel)
                return SaveAsResult::Cancelled;
            if (a == Answer::Yes) {
                // The conversion itself waits until the name is final, so a
                // refused overwrite or a later Cancel leaves the file as it was.
                accepted = true;
                convertTo = E;
            }
        } else {
            editor.prompts.Inform(msg::BadFileExtension(doc.CurrentExtension));
        }

        if (accepted && QFileInfo::exists(N)) {
            const Answer a = AskYesNoCancel(editor, msg::OverwriteQuestion(N));
            if (a == Answer::Cancel)
                return SaveAsResult::Cancelled;
            accepted = a == Answer::Yes;
        }
        if (accepted) {
            chosen = N;
            break;
        }
    }

    // Kept to put back when the write fails: the editor then stays on the
    // file and format it had.
    const OptionsDocument before = doc;
    if (!convertTo.isEmpty()) {
        SelectFileType(doc, editor.config.FileTypes, convertTo);
        doc.CurrentExtension = convertTo;
        for (QString &tail : doc.LineTails)
            tail.clear();
    }

    BusyCursor busy(editor.prompts);
    // The overwritten file's backup, by the last three characters of its
    // name; the writer makes the same copy by the extension's length, so it
    // is only made here when the two names differ.
    const QString threeCharBackup = chosen.left(qMax<qsizetype>(0, chosen.size() - 3)) + QStringLiteral("BAK");
    if (QFileInfo::exists(chosen)
        && threeCharBackup != BackupPathFor(chosen, static_cast<int>(doc.CurrentExtension.size()))) {
        const WriteOutcome backup = MakeBackup(chosen, threeCharBackup, *editor.fileOps);
        if (!backup.ok) {
            editor.prompts.Inform(backup.message);
            doc = before;
            return SaveAsResult::Failed;
        }
    }

    doc.SwitchLineCount = SwitchLineCountFor(doc.SwitchesPerLine);
    doc.SwitchLines = QStringList();
    doc.OutputSwitchLines = QStringList();
    for (int k = 0; k < doc.SwitchLineCount; ++k) {
        doc.SwitchLines.append(QString());
        doc.OutputSwitchLines.append(QString());
    }
    doc.CurrentFilePath = chosen;
    PrepareLines(editor);
    if (!WriteOptionsFile(editor, chosen)) {
        doc = before;
        return SaveAsResult::Failed;
    }
    return SaveAsResult::Saved;
}

bool QuerySaveChanges(Editor &editor)
{
    if (!editor.store.HasUnsavedChanges())
        return true;
    const Answer a = editor.prompts.ShowMessage(Message{msg::SaveChangesQuestion(editor.file.CurrentFilePath),
                                                        SaveQuestionTitle, MessageButtons::YesNoCancel,
                                                        MessageIcon::Exclamation});
    if (a == Answer::Cancel)
        return false;
    if (a == Answer::Yes)
        return SaveOptionsFile(editor);
    return true;
}

} // namespace swted
