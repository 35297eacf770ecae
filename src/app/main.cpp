#include "model/FileSystem.h"
#include "shell/Editor.h"
#include "shell/ProgramFolder.h"
#include "gui/MainWindow.h"
#include "gui/QtPrompts.h"
#include "gui/pages/PageWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

// Microseconds from a moment given in nanoseconds since the epoch to now.
long long MicrosecondsSince(long long startNs)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return (std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() - startNs) / 1000;
}

// --version and --help are options only when alone on the command line:
// any other command line names the file to open, spaces and all.
bool AnsweredAlone(int argc, char *argv[])
{
    if (argc != 2)
        return false;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("swted %s\n", qPrintable(swted::VersionNumber()));
        return true;
    }
    if (std::strcmp(argv[1], "--help") != 0)
        return false;
    // The executable's folder without a QCoreApplication: no display is needed.
    const QString self = QFileInfo(QFile::decodeName(argv[0])).absolutePath();
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QString folder = exe.isEmpty() ? self : QFileInfo(exe).absolutePath();
    std::printf("Usage: swted [FILE]\n"
                "Options Editor: edits the option switches of KARVEN options files\n"
                "(the types Swted.ini configures) on eight pages of named settings.\n"
                "The whole command line is the name of the file to open, spaces and all.\n"
                "  swted --version   print the version and end\n"
                "  swted --help      print this text and end\n"
                "%s"
                "swted-cli edits the same files from the command line; see man swted-cli.\n",
                qPrintable(swted::ProgramFolderHelp(folder)));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (AnsweredAlone(argc, argv))
        return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Swted32"));
    QApplication::setApplicationVersion(swted::VersionNumber());
    // The desktop matches the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.swted.Swted"));
    swted::QtPrompts prompts;
    swted::Editor editor(prompts);
    // File > Recent Files is kept in the user's settings, never beside the program.
    editor.recentFiles.KeepInUserSettings();
    swted::MainWindow window(editor);
    // The whole argument text is the name of the file to open.
    // File names are bytes: the arguments are taken as they were given.
    QStringList arguments = swted::ArgumentsFromNative(argc, argv);
    arguments.removeFirst();
    if (!window.StartUp(arguments.join(QLatin1Char(' ')), qEnvironmentVariable("SWTED_PROGRAM_DIR")))
        return prompts.Status();
    window.show();
    if (prompts.Ended())
        return prompts.Status();
    // For the start-up benchmark and the package check: leave once the first
    // page is on screen, saying which window and page were shown (and, given
    // the moment the run began in SWTED_START_NS, nanoseconds since the
    // epoch, how long after it).
    if (qEnvironmentVariableIsSet("SWTED_EXIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &app, [&window] {
            const swted::PageWindow *page = window.ActivePage();
            std::printf("shown: %s | %s\n", qPrintable(window.windowTitle()),
                        page ? qPrintable(page->Definition().tabCaption) : "");
            if (qEnvironmentVariableIsSet("SWTED_START_NS"))
                std::printf("shown after: %lld us\n", MicrosecondsSince(qgetenv("SWTED_START_NS").toLongLong()));
            std::fflush(stdout);
            QApplication::quit();
        });
    }
    // The icon from the desktop's icon theme (the program's own where the
    // theme has none), once the first page is on screen: the first search
    // of a theme's folders takes longer than building the page.
    QObject::connect(&window, &swted::MainWindow::FirstPageShown, &app, [] {
        QApplication::setWindowIcon(
            QIcon::fromTheme(QStringLiteral("org.swted.Swted"), QIcon(QStringLiteral(":/swted/icon.png"))));
    });
    return app.exec();
}
