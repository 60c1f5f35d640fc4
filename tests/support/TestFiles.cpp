#include "TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

bool TestFiles::Write(const QString& Path, const QByteArray& Bytes) {
    QDir().mkpath(QFileInfo(Path).absolutePath());
    QFile f(Path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(Bytes) == Bytes.size();
}

QByteArray TestFiles::Read(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString TestFiles::BinDir() {
    const QString fromEnv = qEnvironmentVariable("QUINTOR_BIN_DIR");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../bin")
                             : fromEnv;
}

QString TestFiles::TestBinDir() { return QCoreApplication::applicationDirPath(); }
