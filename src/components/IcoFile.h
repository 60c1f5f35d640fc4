#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QImage;

// An .ico file holds one picture per size; whoever draws it picks the one that suits
// the size it draws at, so an icon drawn at twice its size on a HiDPI screen stays sharp.
namespace IcoFile {
// The file's bytes: every image in the given order (each square, 1 to 256 px), each
// encoded as Qt's icon writer encodes a single icon. An empty array when an image cannot
// be encoded.
QByteArray Encode(const QList<QImage>& Images);
// Writes them to Path, replacing what was there; throws AppError (61 on a full disk).
void Write(const QString& Path, const QList<QImage>& Images);
} // namespace IcoFile
