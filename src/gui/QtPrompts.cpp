#include "gui/QtPrompts.h"

#include "model/FileSystem.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace swted {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QString QtPrompts::DisplayText(const QString &text)
{
    // A file name's bytes that are not UTF-8 show as \xHH.
    QString t = Printable(text);
    t.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

Answer QtPrompts::ShowMessage(const Message &message)
{
    const QMessageBox::Icon icon = IconOf(message.icon);
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (message.buttons == MessageButtons::YesNo)
        buttons = QMessageBox::Yes | QMessageBox::No;
    else if (message.buttons == MessageButtons::YesNoCancel)
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(icon, message.title, DisplayText(message.text), buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (message.buttons == MessageButtons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (message.buttons == MessageButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

int QtPrompts::Choose(const Message &message)
{
    QMessageBox box(IconOf(message.icon), message.title, DisplayText(message.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QVector<QAbstractButton *> buttons;
    for (int i = 0; i < message.choices.size(); ++i) {
        const bool last = i + 1 == message.choices.size();
        QPushButton *b = box.addButton(message.choices[i], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        b->setObjectName(QStringLiteral("choice_%1").arg(i));
        if (i == 0)
            box.setDefaultButton(b);
        if (last)
            box.setEscapeButton(b);
        buttons.append(b);
    }
    box.exec();
    const int chosen = static_cast<int>(buttons.indexOf(box.clickedButton()));
    return chosen < 0 ? static_cast<int>(buttons.size()) - 1 : chosen;
}

QStringList QtPrompts::QtFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = parts[i + 1];
        // "All Files (*.*)" already names its pattern; the others get theirs.
        if (pattern == QLatin1String("*.*")) {
            out << description.replace(QLatin1String("(*.*)"), QString()).trimmed() + QStringLiteral(" (*)");
            continue;
        }
        out << (description.isEmpty() ? pattern.mid(2) : description) + QStringLiteral(" (") + pattern
                + QStringLiteral(")");
    }
    return out;
}

void QtPrompts::PrepareDialog(QFileDialog &dialog, const FileDialogRequest &request, bool save)
{
    dialog.setWindowTitle(request.title);
    // Without a folder the dialog stays where it opened (the last one used).
    if (!request.directory.isEmpty())
        dialog.setDirectory(request.directory);
    // Extensions match without regard to case ("job.opt" is listed under
    // "*.OPT").
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    dialog.setNameFilters(QtFilters(request.filter));
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The editor asks its own overwrite question, with Cancel.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::ReadOnly, true);
    }
    // A full path also takes the dialog to its folder.
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

std::optional<QString> QtPrompts::RunDialog(const FileDialogRequest &request, bool save)
{
    QFileDialog dialog(QApplication::activeWindow());
    PrepareDialog(dialog, request, save);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QString> QtPrompts::GetOpenFileName(const FileDialogRequest &request)
{
    return RunDialog(request, false);
}

std::optional<QString> QtPrompts::GetSaveFileName(const FileDialogRequest &request)
{
    return RunDialog(request, true);
}

void QtPrompts::SetBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtPrompts::EndProgram(int code)
{
    ended = true;
    status = code;
    QCoreApplication::exit(code);
}

} // namespace swted
