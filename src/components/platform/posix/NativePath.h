#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// The bytes of Path for a system call, or nothing when the call would look at another
// file: a C string ends at its first NUL, so "doc.txt\0.html" would name "doc.txt".
inline std::optional<QByteArray> NativePath(const QString& Path) {
    if (Path.isEmpty() || Path.contains(QChar(0)))
        return std::nullopt;
    return QFile::encodeName(Path);
}
