#pragma once

#include <QString>
#include <QStringList>

// How the link handler starts things; tests record the calls instead.
class LaunchPort {
public:
    virtual ~LaunchPort() = default;
    // The system's "open" of a command: 2 when it names nothing, above 32 on success.
    virtual int ShellExecute(const QString& File, const QString& Parameters, const QString& Folder,
                             int ShowCommand) = 0;
    // Starts a program file with these arguments; throws AppError when it cannot.
    virtual void StartProgram(const QString& Program, const QStringList& Arguments) = 0;
};

// The real thing, through the platform's launcher.
class SystemLaunchPort : public LaunchPort {
public:
    int ShellExecute(const QString& File, const QString& Parameters, const QString& Folder,
                     int ShowCommand) override;
    void StartProgram(const QString& Program, const QStringList& Arguments) override;
};
