#include "Cli.h"
#include "ReportCommand.h"

#include "model/FileSystem.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    // File names are bytes: every argument is taken as it was given.
    QStringList arguments = swted::ArgumentsFromNative(argc, argv);
    arguments.removeFirst();
    // A PDF report lays its text out with the window system's fonts; every
    // other command runs without one. No display is needed for a PDF either.
    // The application sees the program's name alone: no argument is taken
    // for one of Qt's own options.
    int appArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (swted::ReportWritesPdf(arguments)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(appArgc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(appArgc, argv);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = swted::RunCli(arguments, QCoreApplication::applicationDirPath(), out, err,
                                     qEnvironmentVariable("SWTED_PROGRAM_DIR"));
    out.flush();
    err.flush();
    return status;
}
