#pragma once

#include "shell/Prompts.h"

class QFileDialog;
class QWidget;

namespace swted {

// Prompts shown as real message boxes and file dialogs.
class QtPrompts : public Prompts {
public:
    Answer ShowMessage(const Message &message) override;
    int Choose(const Message &message) override;
    std::optional<QString> GetOpenFileName(const FileDialogRequest &request) override;
    std::optional<QString> GetSaveFileName(const FileDialogRequest &request) override;
    void SetBusy(bool busy) override;
    void EndProgram(int status) override;

    bool Ended() const { return ended; }
    int Status() const { return status; }

    // "Description|*.EXT|...|All Files (*.*)|*.*" as Qt's filter list.
    static QStringList QtFilters(const QString &filter);
    // Title, folder, filters, proposed name and mode of a file dialog as the
    // request asks.
    static void PrepareDialog(QFileDialog &dialog, const FileDialogRequest &request, bool save);
    // The text as a message box shows it: CR LF, CR and LF each one line break.
    static QString DisplayText(const QString &text);

private:
    std::optional<QString> RunDialog(const FileDialogRequest &request, bool save);
    bool ended = false;
    int status = 0;
};

} // namespace swted
