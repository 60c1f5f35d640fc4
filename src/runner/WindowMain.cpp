#include "AppVersion.h"
#include "RunnerOptions.h"
#include "components/ProgramCommandLine.h"
#include "components/UiLanguage.h"
#include "components/platform/BrowserEngine.h"
#include "core/InstanceRequest.h"
#include "core/LaunchPort.h"
#include "ui/BrowserPage.h"
#include "ui/RunnerWindows.h"

#include <QApplication>
#include <QIcon>

// The process that shows the runner's windows, for as long as one is open.
extern "C" Q_DECL_EXPORT int QuintorRunnerWindows(int argc, char** argv, int ListeningDescriptor,
                                                  const char* Activation) {
    ProgramCommandLine commandLine(argc, argv, RunnerOptions::Identity());
    BrowserPage::RegisterSchemes();
    BrowserEngine::PrepareEnvironment();
    QApplication app(commandLine.QtArgc(), commandLine.QtArgv());
    UiLanguage::Install({QStringLiteral("components"), QStringLiteral("quintor2")});
    QApplication::setApplicationName(QStringLiteral("Quintor"));
    QApplication::setApplicationVersion(QStringLiteral(QUINTOR_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTOR_DESKTOP_ID));
    const CommandLineRequest line = commandLine.Read(QApplication::arguments());
    if (line.What != CommandLineRequest::Kind::Open)
        return ProgramCommandLine::Finish(line);

    // Dialogs show the program's icon; the window shows its page's.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quintor2"),
                                                 QIcon(QStringLiteral(":/runner/quintor.png"))));
    SystemLaunchPort launch;
    RunnerWindows windows(launch, ListeningDescriptor);
    InstanceRequest own = RunnerOptions::RequestOf(line);
    own.Activation = Activation;
    windows.Handle(own);
    return app.exec();
}
