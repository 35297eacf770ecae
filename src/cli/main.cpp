#include "Cli.h"

#include "model/FileSystem.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // File names are bytes: every argument is taken as it was given.
    QStringList arguments = swted::ArgumentsFromNative(argc, argv);
    arguments.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = swted::RunCli(arguments, QCoreApplication::applicationDirPath(), out, err);
    out.flush();
    err.flush();
    return status;
}
