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

const QStringList Catalogues = {QStringLiteral("components"), QStringLiteral("qtedit2")};

ProgramIdentity Editor() {
    return {QStringLiteral("qtedit2"),
            QStringLiteral("Quintor Editor"),
            QCoreApplication::translate(
                "main", "Keeps a launcher file and builds it into a launcher page."),
            QCoreApplication::translate("main", "file"),
            QCoreApplication::translate("main",
                                        "The launcher file (.qtf or .yaml) to open. The words "
                                        "are joined by one blank and double quotes are removed."),
            BatchCommand::UsageLines(),
            BatchCommand::Help()};
}

// --help and --version need no display, so they are answered before the window's
// application exists; a core application of their own brings the user's language.
int AnswerEarly(int argc, char* argv[]) {
    int coreArgc = 1;
    QCoreApplication core(coreArgc, argv);
    UiLanguage::Install(Catalogues);
    const ProgramCommandLine commandLine(argc, argv, Editor());
    return ProgramCommandLine::Finish(*commandLine.EarlyAnswer());
}

} // namespace

int main(int argc, char* argv[]) {
    // Only as the first word: any other word still names the file to open, as it always did.
    if (argc > 1 && BatchCommand::Wanted({QString::fromLocal8Bit(argv[1])}))
        return BatchCommand::Main(argc, argv);
    ProgramCommandLine commandLine(argc, argv, Editor());
    if (commandLine.EarlyAnswer())
        return AnswerEarly(argc, argv);

    // The preview's browser engine shares the window's graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Link schemes must be known before the application exists, or the preview never
    // sees a click on them.
    PreviewPane::RegisterUrlSchemes();
    BrowserEngine::PrepareEnvironment();
    QApplication app(commandLine.QtArgc(), commandLine.QtArgv());
    UiLanguage::Install(Catalogues);
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
