#pragma once

#include "components/platform/Launcher.h"

#include <QString>
#include <QStringList>

// How the link handler starts things; tests record the calls instead.
class LaunchPort {
public:
    virtual ~LaunchPort() = default;
    // The system's "open" of an item's command: a program is started with its
    // parameters, anything else goes to its default application.
    virtual Launcher::Outcome ShellExecute(const QString& File, const QString& Parameters,
                                           const QString& Folder, int ShowCommand) = 0;
    // A document, folder or address a page links to: never executed, even a program.
    virtual Launcher::Outcome OpenDocument(const QString& Target) = 0;
    // Starts a program file with these arguments; throws AppError when it cannot.
    virtual void StartProgram(const QString& Program, const QStringList& Arguments) = 0;
};

// The real thing, through the platform's launcher.
class SystemLaunchPort : public LaunchPort {
public:
    Launcher::Outcome ShellExecute(const QString& File, const QString& Parameters,
                                   const QString& Folder, int ShowCommand) override;
    Launcher::Outcome OpenDocument(const QString& Target) override;
    void StartProgram(const QString& Program, const QStringList& Arguments) override;
};
