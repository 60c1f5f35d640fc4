#include "core/LaunchPort.h"

Launcher::Outcome SystemLaunchPort::ShellExecute(const QString& File, const QString& Parameters,
                                                 const QString& Folder, int ShowCommand) {
    return Launcher::Open(File, Parameters, Folder, ShowCommand);
}

Launcher::Outcome SystemLaunchPort::OpenDocument(const QString& Target) {
    return Launcher::OpenDocument(Target, Launcher::Show::Normal);
}

void SystemLaunchPort::StartProgram(const QString& Program, const QStringList& Arguments) {
    Launcher::StartProgram(Program, Arguments, Launcher::Show::Normal);
}
