#pragma once

#include "shell/Prompts.h"

#include <QStringList>
#include <QVector>
#include <deque>

namespace swted {

// Prompts that answer from a script and record everything they were asked.
class ScriptedPrompts : public Prompts {
public:
    struct Dialog {
        bool save = false;
        FileDialogRequest request;
    };

    // Answers given to questions, in order; when the script runs out the
    // default answer is used (and recorded as unscripted).
    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::Ok;
    // Buttons chosen in questions with named buttons, in order; when none is
    // left the last button (the one Escape gives) is chosen, as unscripted.
    std::deque<int> choices;
    // Paths the file dialogs return in order; an empty optional cancels. When
    // none is left, a dialog cancels.
    std::deque<std::optional<QString>> dialogResults;

    QVector<Message> messages;
    QVector<Dialog> dialogs;
    int unscriptedQuestions = 0;
    int busyDepth = 0;
    int maxBusyDepth = 0;
    bool ended = false;
    int endStatus = 0;

    Answer ShowMessage(const Message &message) override;
    int Choose(const Message &message) override;
    std::optional<QString> GetOpenFileName(const FileDialogRequest &request) override;
    std::optional<QString> GetSaveFileName(const FileDialogRequest &request) override;
    void SetBusy(bool busy) override;
    void EndProgram(int status) override;

    QStringList texts() const;

private:
    std::optional<QString> NextDialog(bool save, const FileDialogRequest &request);
};

} // namespace swted
