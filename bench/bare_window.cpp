// The yardstick of the start-up benchmark: a bare Qt main window with one
// menu, shown and left as the editor is with SWTED_EXIT_AFTER_SHOW.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.resize(640, 480);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
