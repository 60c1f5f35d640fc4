#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Replaces the file at Path with Bytes, or leaves the old file whole: the bytes go to a
// temporary file beside it, every write is checked for its full length, and only then
// is the new file renamed over the old one and the folder synced. Throws AppError
// (61 disk full, 70 permission denied, 75 a special file at Path or other access errors).
// An OwnerOnly file may be read and written by its owner alone, whatever it was before.
enum class FileAccess { AsBefore, OwnerOnly };
void WriteFileAtomically(const QString& Path, const QByteArray& Bytes,
                         FileAccess Access = FileAccess::AsBefore);

// Refuses (75) a Path that names an existing file other than a regular one: a device
// or a FIFO is never written to nor replaced by a file. Callers check before they do
// any of the work that belongs to the write.
void RefuseSpecialTarget(const QString& Path);

// Writes all of Bytes to Device or throws AppError (61 when the device took fewer bytes
// than it was given: a full disk answers a write with a short count, not an error).
void WriteAllBytes(QIODevice& Device, const QByteArray& Bytes);
