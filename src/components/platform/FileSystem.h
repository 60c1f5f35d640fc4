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

// The whole content of a regular file of at most MaxBytes, read by its size and never
// blocking; nothing for a missing, unreadable, special or larger file.
std::optional<QByteArray> ReadRegularFile(const QString& Path, qint64 MaxBytes);

// The first MaxBytes of a regular file (all of a shorter one), read without blocking;
// nothing for a missing, unreadable or special file.
std::optional<QByteArray> ReadRegularFileStart(const QString& Path, qint64 MaxBytes);

// Makes Folder and the folders above it that are missing, each one readable by this
// user alone. Throws AppError (70 permission denied, 75 a file in the way or another
// access error).
void MakePrivateFolder(const QString& Folder);
} // namespace FileSystem
