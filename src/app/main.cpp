#include "model/FileSystem.h"
#include "shell/Editor.h"
#include "gui/MainWindow.h"
#include "gui/QtPrompts.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Swted32"));
    swted::QtPrompts prompts;
    swted::Editor editor(prompts);
    // File > Recent Files is kept in the user's settings, never beside the program.
    editor.recentFiles.KeepInUserSettings();
    swted::MainWindow window(editor);
    // The whole argument text is the name of the file to open.
    // File names are bytes: the arguments are taken as they were given.
    QStringList arguments = swted::ArgumentsFromNative(argc, argv);
    arguments.removeFirst();
    if (!window.StartUp(arguments.join(QLatin1Char(' '))))
        return prompts.Status();
    window.show();
    if (prompts.Ended())
        return prompts.Status();
    // For the start-up benchmark: leave once the first page is on screen.
    if (qEnvironmentVariableIsSet("SWTED_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
