#include "BrowserEngine.h"
#include "PreviewPane.h"
#include "ProgramInfo.h"
#include "frmQTE.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // The preview's browser engine shares the window's graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Link schemes must be known before the application exists, or the preview never
    // sees a click on them.
    PreviewPane::RegisterUrlSchemes();
    BrowserEngine::PrepareEnvironment();
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
