// The command-line tool's commands on settings by key.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace swted {

class ConsolePrompts;
class Editor;

// settings, explain, get, reset, diff, and set with KEY=VALUE (set with
// N=V is the command on switch numbers).
bool IsSettingsCommand(const QString &command, const QStringList &args);
// Checks the command line's shape; empty when it is sound, else what is wrong.
QString SettingsUsageFault(const QString &command, const QStringList &args);
int RunSettingsCommand(const QString &command, const QStringList &args, Editor &editor, ConsolePrompts &prompts,
                       QTextStream &out, QTextStream &err);

} // namespace swted
