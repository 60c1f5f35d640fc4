#pragma once

#include <QImage>
#include <QString>

// The icons the desktop shows for paths.
namespace IconSource {
// True for a path that the desktop shows with an icon of its own although it is not a
// plain file or folder: a drive (mount point, the root folder), or a program known by
// its bare name.
bool IsIconLocation(const QString& Path);
// The icon the desktop shows for Path, Size x Size pixels: for a program the icon of
// the application that starts it, else the icon of the path's file type. A null image
// when nothing is found at Path.
QImage IconFor(const QString& Path, int Size);
// A picture file (any format Qt reads) drawn into a clear Size x Size square, as an icon
// made of it looks; a null image for anything else.
QImage PictureFor(const QString& Path, int Size);
} // namespace IconSource
