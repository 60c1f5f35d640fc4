#pragma once

#include "components/AppError.h"
#include "core/LaunchPort.h"
#include "support/TestFiles.h"

#include <optional>

namespace RunnerPages {

class RecordingLaunchPort : public LaunchPort {
public:
    // "file|parameters|folder|show", "document target" or "start program|arguments"
    QStringList Calls;
    Launcher::Outcome Result;
    bool PassOn = false;                  // then hand launches to the system
    std::optional<AppError> StartFailure; // thrown by StartProgram

    Launcher::Outcome ShellExecute(const QString& File, const QString& Parameters,
                                   const QString& Folder, int ShowCommand) override {
        Calls << QStringList{File, Parameters, Folder, QString::number(ShowCommand)}.join("|");
        return PassOn ? SystemLaunchPort().ShellExecute(File, Parameters, Folder, ShowCommand)
                      : Result;
    }
    Launcher::Outcome OpenDocument(const QString& Target) override {
        Calls << "document " + Target;
        return PassOn ? SystemLaunchPort().OpenDocument(Target) : Result;
    }
    void StartProgram(const QString& Program, const QStringList& Arguments) override {
        Calls << "start " + (QStringList{Program} + Arguments).join('|');
        if (StartFailure)
            throw *StartFailure;
    }
};

} // namespace RunnerPages
