#pragma once

#include <QString>

// The desktop's icon theme, looked up the freedesktop way.
namespace IconTheme {
// The file of the icon Name in the current icon theme (or a theme it inherits, then
// hicolor, then the loose pixmaps) made for Size pixels, else the nearest larger one (a
// picture scaled down stays sharp), else the nearest smaller one: a PNG, SVG or XPM path. An
// absolute path is the icon itself when the file exists. Empty when nothing is found.
QString FindFile(const QString& Name, int Size);
// The theme FindFile looks in first.
QString CurrentTheme();
} // namespace IconTheme
