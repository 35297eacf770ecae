#include "shell/Editor.h"
#include "shell/MainWindow.h"
#include "shell/QtPrompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Swted32"));
    swted::QtPrompts prompts;
    swted::Editor editor(prompts);
    swted::MainWindow window(editor);
    // The whole argument text is the name of the file to open.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (!window.StartUp(arguments.join(QLatin1Char(' '))))
        return prompts.Status();
    window.show();
    if (prompts.Ended())
        return prompts.Status();
    return app.exec();
}
