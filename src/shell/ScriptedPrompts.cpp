#include "shell/ScriptedPrompts.h"

namespace swted {

Answer ScriptedPrompts::ShowMessage(const Message &message)
{
    messages.append(message);
    if (message.buttons == MessageButtons::Ok)
        return Answer::Ok;
    if (answers.empty()) {
        ++unscriptedQuestions;
        return defaultAnswer;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

int ScriptedPrompts::Choose(const Message &message)
{
    messages.append(message);
    if (choices.empty()) {
        ++unscriptedQuestions;
        return static_cast<int>(message.choices.size()) - 1;
    }
    const int c = choices.front();
    choices.pop_front();
    return c;
}

std::optional<QString> ScriptedPrompts::NextDialog(bool save, const FileDialogRequest &request)
{
    dialogs.append(Dialog{save, request});
    if (dialogResults.empty())
        return std::nullopt;
    const bool chosen = dialogResults.front().has_value();
    const QString path = chosen ? *dialogResults.front() : QString();
    dialogResults.pop_front();
    if (!chosen)
        return std::nullopt;
    return path;
}

std::optional<QString> ScriptedPrompts::GetOpenFileName(const FileDialogRequest &request)
{
    return NextDialog(false, request);
}

std::optional<QString> ScriptedPrompts::GetSaveFileName(const FileDialogRequest &request)
{
    return NextDialog(true, request);
}

void ScriptedPrompts::SetBusy(bool busy)
{
    busyDepth += busy ? 1 : -1;
    maxBusyDepth = qMax(maxBusyDepth, busyDepth);
}

void ScriptedPrompts::EndProgram(int status)
{
    ended = true;
    endStatus = status;
}

QStringList ScriptedPrompts::texts() const
{
    QStringList out;
    for (const Message &m : messages)
        out.append(m.text);
    return out;
}

} // namespace swted
