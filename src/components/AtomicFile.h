#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at Path with Bytes, or leaves the old file whole: the bytes go to a
// temporary file beside it, every write is checked for its full length, and only then
// is the new file renamed over the old one and the folder synced. Throws AppError
// (61 disk full, 70 permission denied, 75 other access errors).
void WriteFileAtomically(const QString& Path, const QByteArray& Bytes);
