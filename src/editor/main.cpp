#include "ProgramInfo.h"
#include "frmQTE.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The preview's browser engine shares the window's graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qtedit2"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTOR_VERSION_TEXT));

    frmQTE window;
    QApplication::setWindowIcon(window.windowIcon());
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    window.Form_Load(arguments);
    return app.exec();
}
