#include "batch/BatchCommand.h"
#include "build/ui/PreviewPane.h"
#include "components/ProgramCommandLine.h"
#include "components/UiLanguage.h"
#include "components/platform/BrowserEngine.h"
#include "shell/ProgramInfo.h"
#include "shell/frmQTE.h"

#include <QApplication>
#include <QIcon>

namespace {

ProgramIdentity Editor() {
    return {QStringLiteral("qtedit2"),
            QStringLiteral("Quintor Editor"),
            QStringLiteral("Keeps a launcher file and builds it into a launcher page."),
            QStringLiteral("file"),
            QStringLiteral("The launcher file (.qtf or .yaml) to open. The words are joined "
                           "by one blank and double quotes are removed."),
            BatchCommand::UsageLines(),
            BatchCommand::Help()};
}

} // namespace

int main(int argc, char* argv[]) {
    // Only as the first word: any other word still names the file to open, as it always did.
    if (argc > 1 && BatchCommand::Wanted({QString::fromLocal8Bit(argv[1])}))
        return BatchCommand::Main(argc, argv);
    ProgramCommandLine commandLine(argc, argv, Editor());
    if (const auto answer = commandLine.EarlyAnswer())
        return ProgramCommandLine::Finish(*answer);

    // The preview's browser engine shares the window's graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Link schemes must be known before the application exists, or the preview never
    // sees a click on them.
    PreviewPane::RegisterUrlSchemes();
    BrowserEngine::PrepareEnvironment();
    QApplication app(commandLine.QtArgc(), commandLine.QtArgv());
    UiLanguage::Install({QStringLiteral("components"), QStringLiteral("qtedit2")});
    QApplication::setApplicationName(QStringLiteral("qtedit2"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTOR_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTOR_DESKTOP_ID));
    const CommandLineRequest request = commandLine.Read(QApplication::arguments());
    if (request.What != CommandLineRequest::Kind::Open)
        return ProgramCommandLine::Finish(request);

    frmQTE window;
    // Installed, the program's icon comes from the icon theme; the built-in one stands in.
    window.setWindowIcon(QIcon::fromTheme(QStringLiteral("qtedit2"), window.windowIcon()));
    QApplication::setWindowIcon(window.windowIcon());
    window.Form_Load(request.Words);
    return app.exec();
}
