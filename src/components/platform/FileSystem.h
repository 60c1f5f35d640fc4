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

// As ReadRegularFile, for a file that is the user's own: nothing either when Path is a
// symbolic link or belongs to somebody else.
std::optional<QByteArray> ReadOwnFile(const QString& Path, qint64 MaxBytes);

// Makes a folder and the folders above it that are missing, those it makes for the user
// alone. False when the folder is not there afterwards.
bool MakeOwnFolder(const QString& Path);

// Makes room for a regular file at Path: removes a symbolic link (not what it points to),
// FIFO, socket or device that stands there. A folder stays. False when anything but a
// regular file remains.
bool ClearForFile(const QString& Path);
} // namespace FileSystem
