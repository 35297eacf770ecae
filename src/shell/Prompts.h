#pragma once

#include "model/Messages.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace swted {

// Choices: buttons named by Message::choices, the first the default, the
// last the one Escape gives.
enum class MessageButtons { Ok, YesNo, YesNoCancel, Choices };
enum class MessageIcon { None, Exclamation, Stop, Information };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    Message() = default;
    Message(QString text, QString title = ApplicationTitle, MessageButtons buttons = MessageButtons::Ok,
            MessageIcon icon = MessageIcon::None, QStringList choices = {})
        : text(std::move(text)), title(std::move(title)), buttons(buttons), icon(icon), choices(std::move(choices))
    {
    }

    QString text;
    QString title = ApplicationTitle;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    QStringList choices; // the buttons' captions, for MessageButtons::Choices
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
    // A question with named buttons (message.choices): the index of the one
    // chosen; the last when the box is closed.
    virtual int Choose(const Message &message) = 0;
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
