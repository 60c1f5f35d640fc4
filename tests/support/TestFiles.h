#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace TestFiles {
// Writes Bytes to Path (creating folders); QFAIL-free: returns false on failure.
inline bool Write(const QString& Path, const QByteArray& Bytes) {
    QDir().mkpath(QFileInfo(Path).absolutePath());
    QFile f(Path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(Bytes) == Bytes.size();
}
// An executable file, a shell script unless Script says otherwise.
inline bool Executable(const QString& Path, const QByteArray& Script = "#!/bin/sh\n") {
    return Write(Path, Script) &&
           QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
inline QByteArray Read(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// The folder holding the built programs (qtedit2, quintor2).
inline QString BinDir() {
    const QString fromEnv = qEnvironmentVariable("QUINTOR_BIN_DIR");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() + "/../bin" : fromEnv;
}
// The folder holding test helper programs (argrecorder).
inline QString TestBinDir() {
    return QCoreApplication::applicationDirPath();
}
} // namespace TestFiles
