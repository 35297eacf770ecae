// What the commands of the command-line tool share: messages on the console, one editor per file, claiming a file for an update.
#pragma once

#include "shell/Editor.h"
#include "shell/Prompts.h"

#include <QString>
#include <QTextStream>
#include <deque>

namespace swted {

// Messages go to standard error, every line break of theirs as one line
// break; questions are answered Yes; the save dialog returns the names it is
// given, then cancels.
class ConsolePrompts : public Prompts {
public:
    explicit ConsolePrompts(QTextStream &err) : err(err) {}

    std::deque<QString> saveNames;

    Answer ShowMessage(const Message &message) override
    {
        Print(message.text);
        return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::Yes;
    }
    // No one to choose: the last button, which changes nothing.
    int Choose(const Message &message) override
    {
        Print(message.text);
        return static_cast<int>(message.choices.size()) - 1;
    }
    void Print(const QString &message)
    {
        QString text = Printable(message);
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        err << text << '\n';
        err.flush();
    }
    std::optional<QString> GetOpenFileName(const FileDialogRequest &) override { return std::nullopt; }
    std::optional<QString> GetSaveFileName(const FileDialogRequest &) override
    {
        if (saveNames.empty())
            return std::nullopt;
        QString name = saveNames.front();
        saveNames.pop_front();
        return name;
    }
    void SetBusy(bool) override {}
    void EndProgram(int) override {}

private:
    QTextStream &err;
};

// An editor of its own for one file, so that nothing of one file carries
// into the next.
struct SingleFile {
    Editor editor;
    SingleFile(Prompts &prompts, const Editor &shared) : editor(prompts)
    {
        editor.ProgramDirectory = shared.ProgramDirectory;
        editor.config = shared.config;
        editor.commandLine = true;
        editor.force = shared.force;
    }
};

// How long a command waits for another program's save of the same file.
constexpr int UpdateWaitMs = 30000;

// Says why a command line is wrong, then the usage; returns the status.
int BadUsage(QTextStream &err, const QString &why);

bool ReadFile(Editor &editor, const QString &path);

// A message as lines of output, each prefixed with the file's name.
void PrintPrefixed(QTextStream &out, const QString &file, const QString &text);

// Before a file is read to be written again: it must not be open in an
// editor (unless forced), and it is locked against other saves from the
// read to the write, so that two commands on one file never lose a write.
int ClaimForUpdate(Editor &editor, const QString &path, QTextStream &err);

// Temporary files of interrupted saves that the saves of a file removed.
void ReportLeftovers(QTextStream &out, const QString &path, const Editor &editor);

// The status of several files: a failure outweighs messages and changes,
// a locked file any other failure.
int Worse(int a, int b);

} // namespace swted
