#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace swted {

// 4: lint found messages or values the pages would save otherwise, or
// normalize changed values; 5: a file to be written is open in an editor.
enum CliStatus {
    CliDone = 0,
    CliFileFailed = 1,
    CliBadUsage = 2,
    CliBadConfiguration = 3,
    CliMessages = 4,
    CliLocked = 5
};

// Runs one command line of the tool (the arguments after the program name).
// Results go to out, messages and usage errors to err. The configuration is
// looked for beside the executable, in /etc/swted and the installed
// share/swted, unless a folder is named (SWTED_PROGRAM_DIR; --program-dir
// overrides it).
int RunCli(const QStringList &arguments, const QString &executableDirectory, QTextStream &out, QTextStream &err,
           const QString &namedProgramDirectory = QString());

} // namespace swted
