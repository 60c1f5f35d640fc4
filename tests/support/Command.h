#pragma once

#include <QProcess>

// Another program run to its end, for tests that check what the desktop's tools say.
namespace Command {
struct Result {
    int Code = -1; // -1: did not start, crashed or hung
    QString Out;
    QString Err;
    QString Text() const { return Out + Err; }
};

inline Result Run(const QString& Program, const QStringList& Arguments,
                  const QProcessEnvironment& Environment = QProcessEnvironment::systemEnvironment(),
                  const QString& Folder = {}) {
    QProcess process;
    process.setProcessEnvironment(Environment);
    process.setWorkingDirectory(Folder);
    process.start(Program, Arguments);
    Result result;
    const bool finished = process.waitForFinished(150000);
    result.Out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.Err = QString::fromLocal8Bit(process.readAllStandardError());
    if (!finished || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.Err += Program + QStringLiteral(": ") + process.errorString();
        return result;
    }
    result.Code = process.exitCode();
    return result;
}

// The environment of the tests, without a display: what a program needs no window for.
inline QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}
} // namespace Command
