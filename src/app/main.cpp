#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Options Editor"));
    window.setCentralWidget(new QLabel(QStringLiteral("Options Editor"), &window));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
