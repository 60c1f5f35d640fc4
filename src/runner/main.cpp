#include "RunnerOptions.h"
#include "components/ProgramCommandLine.h"
#include "components/platform/SystemPaths.h"
#include "core/Handover.h"
#include "core/UseHistoryFile.h"
#include "core/WindowModule.h"

#include <QLibrary>
#include <cstdio>

namespace {
// The module beside the program (as built), else where an install puts it.
WindowModule::Entry FindWindows(QLibrary& Module) {
    const QString folder = SystemPaths::ExecutableFolder();
    for (const QString& place :
         {folder, folder + QString::fromUtf8(WindowModule::Folder) + QLatin1Char('/')}) {
        Module.setFileName(place + QString::fromUtf8(WindowModule::Name));
        if (Module.load())
            return reinterpret_cast<WindowModule::Entry>(Module.resolve(WindowModule::EntryPoint));
    }
    return nullptr;
}

// Needs no display and no runner: the history is a file of the user's.
int ForgetHistory() {
    const QString path = UseHistoryFile::DefaultPath();
    if (UseHistoryFile::Forget(path))
        return 0;
    std::fprintf(stderr, "quintor2: cannot remove %s\n", qPrintable(path));
    return 1;
}
} // namespace

// Answers --help and --version, hands a request to the runner already there, and only
// when there is none loads the windows and the engine.
int main(int argc, char* argv[]) {
    ProgramCommandLine commandLine(argc, argv, RunnerOptions::Identity());
    if (const auto answer = commandLine.EarlyAnswer())
        return ProgramCommandLine::Finish(*answer);
    const CommandLineRequest line = commandLine.ReadEarly();
    if (RunnerOptions::Forgets(line))
        return ForgetHistory();
    InstanceRequest request = RunnerOptions::RequestOf(line);
    // Meant for the window that comes forward, whichever process shows it.
    request.Activation = qgetenv("XDG_ACTIVATION_TOKEN");
    qunsetenv("XDG_ACTIVATION_TOKEN");
    const Handover::Outcome handover = Handover::Start(request);
    if (handover.HandedOver)
        return 0;
    QLibrary module;
    const WindowModule::Entry windows = FindWindows(module);
    if (!windows) {
        std::fprintf(stderr, "quintor2: %s\n", qPrintable(module.errorString()));
        return 1;
    }
    return windows(argc, argv, handover.ListeningDescriptor, request.Activation.constData());
}
