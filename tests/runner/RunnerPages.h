#pragma once

// Compact data tables, and a launch port that records what it is asked.

#include "AppError.h"
#include "LaunchPort.h"
#include "TestFiles.h"

#include <QList>
#include <QStringList>
#include <QTest>
#include <array>
#include <optional>

namespace RunnerPages {

// A data table's columns, Columns<QString, int>({"Name", "Count"}), and one row on one line.
template <typename... T> void Columns(const std::array<const char*, sizeof...(T)>& Names) {
    int i = 0;
    (QTest::addColumn<T>(Names[i++]), ...);
}
template <typename... T> void Row(const char* Name, const T&... Values) {
    (QTest::newRow(Name) << ... << Values);
}

class RecordingLaunchPort : public LaunchPort {
public:
    struct Call {
        QString File, Parameters, Folder;
        int ShowCommand;
    };
    QList<Call> Calls;
    QList<QStringList> Programs; // StartProgram: program, then its arguments
    int Result = 42;
    bool PassOn = false;                  // then hand ShellExecute to the system
    std::optional<AppError> StartFailure; // thrown by StartProgram

    int ShellExecute(const QString& File, const QString& Parameters, const QString& Folder,
                     int ShowCommand) override {
        Calls.append({File, Parameters, Folder, ShowCommand});
        return PassOn ? SystemLaunchPort().ShellExecute(File, Parameters, Folder, ShowCommand)
                      : Result;
    }
    void StartProgram(const QString& Program, const QStringList& Arguments) override {
        Programs.append(QStringList{Program} + Arguments);
        if (StartFailure)
            throw *StartFailure;
    }
};

} // namespace RunnerPages
