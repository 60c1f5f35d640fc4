#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// File-system services that differ between systems.
namespace FileSystem {
// Makes a rename inside the folder of FilePath durable (fsync of the folder).
void SyncFolderOf(const QString& FilePath);

// True for an existing regular file (links followed). Devices, FIFOs, sockets and
// folders are not: reading one may never end or never return.
bool IsRegularFile(const QString& Path);

// Which regular file is at Path and when it was last written or replaced, as bytes that
// differ whenever either does (to the nanosecond); empty when no regular file is there.
QByteArray Identity(const QString& Path);

// The whole content of a regular file of at most MaxBytes, read by its size and never
// blocking; nothing for a missing, unreadable, special or larger file.
std::optional<QByteArray> ReadRegularFile(const QString& Path, qint64 MaxBytes);
} // namespace FileSystem
