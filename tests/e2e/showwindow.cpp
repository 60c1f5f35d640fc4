// A program for the window-style tests: shows one top-level window titled by its first
// argument and ends after a while, or when it is told to.
#include <QGuiApplication>
#include <QRasterWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QRasterWindow window;
    window.setTitle(app.arguments().value(1, QStringLiteral("showwindow")));
    window.resize(320, 200);
    window.show();
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return app.exec();
}
