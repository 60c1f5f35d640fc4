#pragma once

#include <QImage>
#include <QString>

// Pictures and icons read from files the user or a page names.
namespace PictureFile {
// The picture in a regular file of at most 32 MB, its format told by its content; a
// null image for anything else. A FIFO or a device is never opened for reading: one
// would block until someone writes, the other never ends.
QImage Load(const QString& Path);
} // namespace PictureFile
