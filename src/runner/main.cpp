#include "AppVersion.h"
#include "components/ProgramCommandLine.h"
#include "components/dialogs/QtUserDialogs.h"
#include "components/platform/BrowserEngine.h"
#include "core/LaunchPort.h"
#include "ui/BrowserPage.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

namespace {

ProgramIdentity Runner() {
    return {QStringLiteral("quintor2"),
            QStringLiteral("Quintor"),
            QStringLiteral("Shows a launcher page and starts the items it lists."),
            QStringLiteral("page"),
            QStringLiteral("The launcher page to show. The words are joined by one blank "
                           "and double quotes are removed."),
            {},
            {}};
}

} // namespace

int main(int argc, char* argv[]) {
    ProgramCommandLine commandLine(argc, argv, Runner());
    if (const auto answer = commandLine.EarlyAnswer())
        return ProgramCommandLine::Finish(*answer);

    BrowserPage::RegisterSchemes();
    BrowserEngine::PrepareEnvironment();
    QApplication app(commandLine.QtArgc(), commandLine.QtArgv());
    QApplication::setApplicationName(QStringLiteral("Quintor"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTOR_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTOR_DESKTOP_ID));
    const CommandLineRequest request = commandLine.Read(QApplication::arguments());
    if (request.What != CommandLineRequest::Kind::Open)
        return ProgramCommandLine::Finish(request);

    // Dialogs show the program's icon; the window shows its page's.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quintor2"),
                                                 QIcon(QStringLiteral(":/runner/quintor.png"))));
    QtUserDialogs dialogs;
    SystemLaunchPort launch;
    frmMain window(dialogs, launch);
    dialogs.SetOwner(&window);
    window.show();
    window.Form_Load(request.Words);
    return app.exec();
}
