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

// Makes Path (and any missing folder above it) a folder that only its owner may enter:
// created with mode 0700, or, when it is there, a real folder (not a link) of this
// user's, set to 0700. False when that cannot be had.
bool MakePrivateFolder(const QString& Path);

// Lets only the owner read and write the regular file at Path (mode 0600).
bool MakeOwnerOnly(const QString& Path);

// The whole content of a regular file of at most MaxBytes, read by its size and never
// blocking; nothing for a missing, unreadable, special or larger file.
std::optional<QByteArray> ReadRegularFile(const QString& Path, qint64 MaxBytes);

// The first MaxBytes of a regular file (all of a shorter one), read without blocking;
// nothing for a missing, unreadable or special file.
std::optional<QByteArray> ReadRegularFileStart(const QString& Path, qint64 MaxBytes);

// As ReadRegularFile, for a file that is the user's own: nothing either when Path is a
// symbolic link or belongs to somebody else.
std::optional<QByteArray> ReadOwnFile(const QString& Path, qint64 MaxBytes);

// Makes room for a regular file at Path: removes a symbolic link (not what it points to),
// FIFO, socket or device that stands there. A folder stays. False when anything but a
// regular file remains.
bool ClearForFile(const QString& Path);
} // namespace FileSystem
