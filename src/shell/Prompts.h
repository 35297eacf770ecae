#pragma once

#include "model/Messages.h"

#include <QString>
#include <optional>

namespace swted {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Exclamation, Stop, Information };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    QString text;
    QString title = ApplicationTitle;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

struct FileDialogRequest {
    QString title;
    QString filter;         // "Description|*.EXT|...|All Files (*.*)|*.*"
    QString directory;      // initial directory
    QString fileName;       // proposed name
    bool confirmOverwrite = false;
    bool fileMustExist = false;
};

// Everything that asks the user something or ends the program goes through
// this interface: the window uses message boxes and file dialogs, the tests a
// script, the command-line tool standard error.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual Answer ShowMessage(const Message &message) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> GetOpenFileName(const FileDialogRequest &request) = 0;
    virtual std::optional<QString> GetSaveFileName(const FileDialogRequest &request) = 0;
    // The hourglass pointer; calls nest.
    virtual void SetBusy(bool busy) = 0;
    // Asks for the end of the program; the caller returns right after.
    virtual void EndProgram(int status) = 0;

    void Inform(const QString &text) { ShowMessage(Message{text}); }
};

// Shows the hourglass for the life of the object, on every path.
class BusyCursor {
public:
    explicit BusyCursor(Prompts &prompts) : prompts(prompts) { prompts.SetBusy(true); }
    ~BusyCursor() { prompts.SetBusy(false); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    Prompts &prompts;
};

} // namespace swted
