#pragma once

#include <QProcess>

// Another program run to its end, for tests that check what the desktop's tools say.
namespace Command {
struct Result {
    int Code = -1; // -1: did not start, crashed or hung
    QString Out, Err;
    QString Text() const { return Out + Err; }
};

inline Result
Run(const QString& Program, const QStringList& Arguments,
    const QProcessEnvironment& Environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(Environment);
    process.start(Program, Arguments);
    const bool finished = process.waitForFinished(150000);
    Result result{-1, QString::fromLocal8Bit(process.readAllStandardOutput()),
                  QString::fromLocal8Bit(process.readAllStandardError())};
    if (finished && process.exitStatus() == QProcess::NormalExit)
        result.Code = process.exitCode();
    else
        result.Err += Program + ": " + process.errorString();
    return result;
}

// The environment of the tests, without a display: what a program needs no window for.
inline QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    return environment;
}
} // namespace Command
