// Console prompts, one editor per file and the update claim of the command-line tool.
#include "CliSupport.h"

#include "Cli.h"
#include "model/FileLocks.h"
#include "model/FileSystem.h"
#include "model/Messages.h"
#include "model/TextFile.h"
#include "shell/FileCommands.h"

#include <QRegularExpression>

namespace swted {


bool ReadFile(Editor &editor, const QString &path)
{
    SetCurrentFile(editor, path);
    return ReadOptionsFile(editor);
}

// A message as lines of output, each prefixed with the file's name.
void PrintPrefixed(QTextStream &out, const QString &file, const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    for (const QString &line : text.split(breaks))
        out << Printable(file) << ": " << Printable(line) << '\n';
}



// Before a file is read to be written again: it must not be open in an
// editor (unless forced), and it is locked against other saves from the
// read to the write, so that two commands on one file never lose a write.
int ClaimForUpdate(Editor &editor, const QString &path, QTextStream &err)
{
    if (!editor.force) {
        // Under any of its names in the folder: an editor locks the name it
        // opened, which may be a link to this file or this file a link to it.
        if (const std::optional<HeldEditLock> lock = OtherSessionsEditLock(path)) {
            const LockOwner &owner = lock->owner;
            err << "swted-cli: "
                << Printable(msg::LockedForEditing(lock->path, owner.user, owner.host, owner.pid,
                                                   owner.since.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                                   lock->state == LockState::Old))
                       .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                << "\n" << (lock->path == path ? QString() : Printable(path) + QStringLiteral(" is that file under another name. "))
                << "It has not been changed; use --force to change it anyway.\n";
            err.flush();
            return CliLocked;
        }
    }
    QString reason;
    if (!editor.update.Acquire(path, UpdateWaitMs, &reason)) {
        err << Printable(msg::ForCommandLine(msg::SaveRefused(path, reason))).replace(QLatin1Char('\r'), QLatin1Char('\n'))
            << '\n';
        err.flush();
        return CliFileFailed;
    }
    return CliDone;
}

// Temporary files of interrupted saves that the saves of a file removed.
void ReportLeftovers(QTextStream &out, const QString &path, const Editor &editor)
{
    if (editor.leftoversRemoved > 0)
        out << Printable(path) << ": removed " << editor.leftoversRemoved
            << (editor.leftoversRemoved == 1 ? " temporary file" : " temporary files")
            << " left by interrupted saves\n";
}

// The status of several files: a failure outweighs messages and changes,
// a locked file any other failure.
int Worse(int a, int b)
{
    auto rank = [](int s) { return s == CliMessages ? 1 : s == CliDone ? 0 : s + 1; };
    return rank(a) >= rank(b) ? a : b;
}


} // namespace swted
