#pragma once

#include <QString>

class LauncherDocument;

// The page generator: turns the document into the launcher page text (CR LF line
// breaks). With ExtractIcons, program icons are written into IconFolder (a folder
// path without a trailing separator) together with the icon list "Icons.txt".
// Throws AppError when the document cannot be turned into a page (a column count or
// icon size that is not a number, a block of items with zero columns, an icon folder
// or icon file that cannot be written). Reads the document only; changes nothing in it.
QString GenHTML(const LauncherDocument& Doc, bool ExtractIcons, const QString& IconFolder);
