#include "shell/FileCommands.h"

#include "model/FileLocks.h"
#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/OptionsReader.h"
#include "model/OptionsWriter.h"
#include "model/TextFile.h"
#include "shell/Editor.h"
#include "shell/Prompts.h"


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

// Saves wait this long for another program's save of the same file.
constexpr int UpdateWaitMs = 10000;

QString Said(const Editor &editor, const QString &text)
{
    return editor.commandLine ? msg::ForCommandLine(text) : text;
}

enum class DiskAction { Write, SaveAs, Cancel, Reloaded };

bool Reload(Editor &editor)
{
    if (editor.reload)
        return editor.reload();
    return ReadOptionsFile(editor);
}

// The file on disk is not what was read or saved: the user decides.
DiskAction AskAboutDisk(Editor &editor, DiskState state)
{
    const QString &path = editor.file.CurrentFilePath;
    if (state == DiskState::Gone) {
        const int c = editor.prompts.Choose(Message{msg::GoneFromDisk(path), OptionsEditorTitle,
                                                    MessageButtons::Choices, MessageIcon::Exclamation,
                                                    {QStringLiteral("&Save Here"), QStringLiteral("Save &As..."),
                                                     QStringLiteral("Cancel")}});
        return c == 0 ? DiskAction::Write : c == 1 ? DiskAction::SaveAs : DiskAction::Cancel;
    }
    const int c = editor.prompts.Choose(Message{msg::ChangedOnDisk(path), OptionsEditorTitle,
                                                MessageButtons::Choices, MessageIcon::Exclamation,
                                                {QStringLiteral("&Reload"), QStringLiteral("Save A&nyway"),
                                                 QStringLiteral("Save &As..."), QStringLiteral("Cancel")}});
    if (c == 1)
        return DiskAction::Write;
    if (c == 2)
        return DiskAction::SaveAs;
    if (c != 0)
        return DiskAction::Cancel;
    // Reloading loses the edits made here: asked first, when there are any.
    if (editor.store.HasUnsavedChanges()
        && editor.prompts.ShowMessage(Message{msg::ReloadQuestion(path), OptionsEditorTitle, MessageButtons::YesNo,
                                              MessageIcon::Exclamation})
            != Answer::Yes)
        return DiskAction::Cancel;
    return Reload(editor) ? DiskAction::Reloaded : DiskAction::Cancel;
}

// The update lock of path for the time of one save, unless the caller holds
// it already (the command-line tool, from its read on).
class SaveLock {
public:
    SaveLock(Editor &editor, const QString &path) : editor(editor), path(path) { Take(); }
    ~SaveLock() { Give(); }
    bool Take()
    {
        if (editor.update.Holds(path))
            return true;
        taken = editor.update.Acquire(path, UpdateWaitMs, &reason);
        return taken;
    }
    void Give()
    {
        if (taken)
            editor.update.Release();
        taken = false;
    }
    bool ok() const { return reason.isEmpty(); }
    QString reason;

private:
    Editor &editor;
    QString path;
    bool taken = false;
};

// The editor now edits a file under this lock (empty: none) and mode; the
// lock of the file it edited before goes.
void MoveTo(Editor &editor, const QString &lock, bool readOnly)
{
    if (!editor.shared.lockedPath.isEmpty() && editor.shared.lockedPath != lock)
        DropEditLock(editor.shared.lockedPath);
    editor.shared = SharedFileState();
    editor.shared.lockedPath = lock;
    editor.shared.readOnly = readOnly;
}

// After Save As: the editor edits the new file, under this session's lock
// when no other live session holds one; no question.
void TakeFreeLock(Editor &editor, const QString &path)
{
    const std::optional<LockOwner> owner = ReadEditLock(path);
    const LockState state = owner ? StateOf(*owner) : LockState::Gone;
    const bool free = state == LockState::Mine || state == LockState::Gone;
    MoveTo(editor, free && TakeEditLock(path, PathExists(LockFilePathFor(path))) ? path : QString(), false);
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

namespace {

WriteOutcome Write(Editor &editor, const QString &path)
{
    const WriteOutcome outcome =
        WriteOptionsFile(editor.file, editor.store, path, *editor.fileOps, editor.force, editor.config.FileTypes);
    editor.leftoversRemoved += outcome.leftoversRemoved;
    if (outcome.ok)
        editor.corrections.clear(); // the file holds them now
    return outcome;
}

// The Save command's write, the file on disk checked already: a name the
// user may not write offers Save As (in the editor).
bool WriteCurrentFile(Editor &editor, SaveLock &lock)
{
    const QString path = editor.file.CurrentFilePath;
    if (!lock.Take()) {
        editor.prompts.Inform(Said(editor, msg::SaveRefused(path, lock.reason)));
        return false;
    }
    const int names = LinkCountOf(path);
    if (names > 1 && !editor.shared.hardLinksTold) {
        editor.shared.hardLinksTold = true;
        editor.prompts.Inform(msg::HardLinks(path, names));
    }
    BusyCursor busy(editor.prompts);
    PrepareLines(editor);
    const WriteOutcome outcome = Write(editor, path);
    if (outcome.ok)
        return true;
    if (outcome.refused && !editor.commandLine) {
        lock.Give();
        const QString text = outcome.message + QStringLiteral("\r\r") + msg::OfferSaveAs();
        if (editor.prompts.ShowMessage(Message{text, OptionsEditorTitle, MessageButtons::YesNo,
                                               MessageIcon::Exclamation})
            == Answer::Yes)
            return SaveOptionsFileAs(editor) == SaveAsResult::Saved;
        return false;
    }
    editor.prompts.Inform(Said(editor, outcome.message));
    return false;
}

} // namespace

bool WriteOptionsFile(Editor &editor, const QString &path)
{
    const WriteOutcome outcome = Write(editor, path);
    if (!outcome.ok)
        editor.prompts.Inform(Said(editor, outcome.message));
    return outcome.ok;
}

bool SaveOptionsFile(Editor &editor)
{
    // A file another session holds is saved under another name only.
    if (editor.shared.readOnly)
        return SaveOptionsFileAs(editor) == SaveAsResult::Saved;
    editor.ApplyPendingCorrections();
    const QString path = editor.file.CurrentFilePath;
    // Held from the check of the disk to the rename, so that no other save
    // slips in between; not while the user is asked.
    SaveLock lock(editor, path);
    if (!lock.ok()) {
        editor.prompts.Inform(Said(editor, msg::SaveRefused(path, lock.reason)));
        return false;
    }
    const DiskState state = CompareWithDisk(path, editor.file.OnDisk);
    if (state != DiskState::Unchanged) {
        lock.Give();
        switch (AskAboutDisk(editor, state)) {
        case DiskAction::Write:
            break;
        case DiskAction::SaveAs:
            return SaveOptionsFileAs(editor) == SaveAsResult::Saved;
        case DiskAction::Cancel:
        case DiskAction::Reloaded:
            return false;
        }
    }
    return WriteCurrentFile(editor, lock);
}

SaveAsResult SaveOptionsFileAs(Editor &editor)
{
    editor.ApplyPendingCorrections();
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

        // A name that may not be written at all is said at once, and the
        // dialog comes back.
        if (accepted) {
            const SaveTarget target = ResolveSaveTarget(N, editor.force);
            if (!target.refusal.isEmpty()) {
                editor.prompts.Inform(Said(editor, msg::SaveRefused(N, target.refusal)));
                continue;
            }
        }
        if (accepted && PathExists(N)) {
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
    // name (the whole name and ".BAK" when another options file of its name
    // stands beside it); the writer makes the same copy by the extension's
    // length, so it is only made here when the two names differ.
    const QVector<FileType> &types = editor.config.FileTypes;
    const QString threeCharBackup = SharesBackupName(chosen, 3, types)
        ? chosen + QStringLiteral(".BAK")
        : chosen.left(qMax<qsizetype>(0, chosen.size() - 3)) + QStringLiteral("BAK");
    if (PathExists(chosen)
        && threeCharBackup != BackupPathFor(chosen, static_cast<int>(doc.CurrentExtension.size()), types)) {
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
    SaveLock lock(editor, chosen);
    if (!lock.ok() || !WriteOptionsFile(editor, chosen)) {
        if (!lock.ok())
            editor.prompts.Inform(Said(editor, msg::SaveRefused(chosen, lock.reason)));
        doc = before;
        return SaveAsResult::Failed;
    }
    lock.Give();
    // The editor now edits the new file: the old one's lock goes, the new
    // one's is taken when no one else holds it.
    if (chosen != current || editor.shared.readOnly)
        TakeFreeLock(editor, chosen);
    return SaveAsResult::Saved;
}

bool QuerySaveChanges(Editor &editor)
{
    if (!editor.HasUnsavedChanges())
        return true;
    const Answer a = editor.prompts.ShowMessage(Message{msg::SaveChangesQuestion(editor.file.CurrentFilePath),
                                                        SaveQuestionTitle, MessageButtons::YesNoCancel,
                                                        MessageIcon::Exclamation});
    if (a == Answer::Cancel)
        return false;
    if (a == Answer::Yes)
        // A reload chosen instead of the save leaves nothing unsaved either.
        return SaveOptionsFile(editor) || !editor.HasUnsavedChanges();
    return true;
}

bool ClaimFile(Editor &editor, const QString &path)
{
    if (!IsRegularFile(path)) {
        MoveTo(editor, QString(), false); // the read says what is wrong
        return true;
    }
    if (editor.shared.lockedPath == path) {
        MoveTo(editor, path, false);
        return true;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::optional<LockOwner> owner = ReadEditLock(path);
        LockState state = owner ? StateOf(*owner) : LockState::Gone;
        QString lockedName = path;
        if (state == LockState::Mine || state == LockState::Gone) {
            // Another session may have the same file open under another
            // name: a link to it, or a hard link beside it.
            if (const std::optional<HeldEditLock> other = OtherSessionsEditLock(path)) {
                owner = other->owner;
                state = other->state;
                lockedName = other->path;
            }
        }
        if (state == LockState::Mine || state == LockState::Gone) {
            // A lock left over, or one that does not read, is replaced.
            const bool there = PathExists(LockFilePathFor(path));
            if (TakeEditLock(path, there)) {
                MoveTo(editor, path, false);
                return true;
            }
            if (there || !PathExists(LockFilePathFor(path))) {
                MoveTo(editor, QString(), false); // a folder that takes no lock file
                return true;
            }
            continue; // another session took it just now
        }
        const QString since = owner->since.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        const int c = editor.prompts.Choose(
            Message{msg::LockedForEditing(lockedName, owner->user, owner->host, owner->pid, since, state == LockState::Old),
                    OptionsEditorTitle, MessageButtons::Choices, MessageIcon::Exclamation,
                    {QStringLiteral("Open &Read-Only"), QStringLiteral("Open &Anyway"), QStringLiteral("Cancel")}});
        if (c == 0) {
            MoveTo(editor, QString(), true);
            return true;
        }
        if (c != 1)
            return false;
        // A lock probably left over is taken over; a live one stays its
        // session's.
        const bool takeOver = state == LockState::Old && lockedName == path && TakeEditLock(path, true);
        MoveTo(editor, takeOver ? path : QString(), false);
        return true;
    }
    MoveTo(editor, QString(), false);
    return true;
}

void ReleaseFile(Editor &editor)
{
    MoveTo(editor, QString(), false);
}

void ReviewDiskOnReturn(Editor &editor, const std::function<void()> &beforeAsking)
{
    if (!editor.file.FileLoaded)
        return;
    const QString path = editor.file.CurrentFilePath;
    const DiskState state = CompareWithDisk(path, editor.file.OnDisk);
    if (state == DiskState::Unchanged)
        return;
    // Each version on disk is reported once; a save still asks.
    QByteArray bytes;
    const DiskStamp now = state == DiskState::Gone || !ReadRegularFile(path, bytes) ? DiskStamp() : StampOf(bytes);
    const DiskStamp &told = editor.shared.toldOnReturn;
    if (told.known == now.known && told.size == now.size && told.hash == now.hash
        && (now.known || editor.shared.toldGone))
        return;
    editor.shared.toldOnReturn = now;
    editor.shared.toldGone = !now.known;
    if (beforeAsking)
        beforeAsking();
    switch (AskAboutDisk(editor, state)) {
    case DiskAction::Write: {
        if (editor.shared.readOnly) {
            SaveOptionsFileAs(editor);
            break;
        }
        SaveLock lock(editor, path);
        WriteCurrentFile(editor, lock);
        break;
    }
    case DiskAction::SaveAs:
        SaveOptionsFileAs(editor);
        break;
    case DiskAction::Cancel:
    case DiskAction::Reloaded:
        break;
    }
}

} // namespace swted
