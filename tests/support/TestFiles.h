#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Small helpers shared by the tests.
namespace TestFiles {
// Writes Bytes to Path (creating folders); QFAIL-free: returns false on failure.
bool Write(const QString& Path, const QByteArray& Bytes);
QByteArray Read(const QString& Path);
// The folder holding the built programs (qtedit2, quintor2).
QString BinDir();
// The folder holding test helper programs (argrecorder).
QString TestBinDir();
} // namespace TestFiles
