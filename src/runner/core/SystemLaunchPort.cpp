#include "LaunchPort.h"

#include "Launcher.h"

int SystemLaunchPort::ShellExecute(const QString& File, const QString& Parameters,
                                   const QString& Folder, int ShowCommand) {
    return Launcher::Open(File, Parameters, Folder, ShowCommand);
}

void SystemLaunchPort::StartProgram(const QString& Program, const QStringList& Arguments) {
    Launcher::StartProgram(Program, Arguments, Launcher::Show::Normal);
}
