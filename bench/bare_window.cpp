// The yardstick of the start-up benchmark: a bare Qt main window with one
// menu, shown and left as the editor is with SWTED_EXIT_AFTER_SHOW.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.resize(640, 480);
    window.show();
    QTimer::singleShot(0, &app, [] {
        // As the editor: how long after the run began (SWTED_START_NS,
        // nanoseconds since the epoch) the window was shown.
        if (qEnvironmentVariableIsSet("SWTED_START_NS")) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
            std::printf("shown after: %lld us\n", (ns - qgetenv("SWTED_START_NS").toLongLong()) / 1000);
            std::fflush(stdout);
        }
        QApplication::quit();
    });
    return app.exec();
}
