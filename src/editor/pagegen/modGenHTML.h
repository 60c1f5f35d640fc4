#pragma once

#include <QString>

class ConfigStore;
class LauncherDocument;

// The page generator: turns the document into the launcher page text (CR LF line
// breaks). With ExtractIcons, program icons are written into IconFolder (a folder
// path without a trailing separator) together with the icon list "Icons.txt".
// Throws AppError when the document cannot be turned into a page (a column count or
// icon size that is not a number, a block of items with zero columns, an icon folder
// or icon file that cannot be written). Reads the document only; changes nothing in it.
QString GenHTML(const LauncherDocument& Doc, bool ExtractIcons, const QString& IconFolder);

// The steps of GenHTML, in page order. Each returns its piece of the page.
namespace modGenHTML {
QString GenHead(const LauncherDocument& Doc);
QString GenStyle(const LauncherDocument& Doc);
QString GenBodyStart(const LauncherDocument& Doc);
QString GenCommands(const LauncherDocument& Doc);
// Cache is the icon cache of this build, already reset; it is saved at the end when
// the icon folder exists.
QString GenIcons(const LauncherDocument& Doc, ConfigStore& Cache, bool ExtractIcons,
                 const QString& IconFolder);
QString GenPageEnd(const LauncherDocument& Doc);
QString GenInfo(const LauncherDocument& Doc);

// Empties Cache; with an icon folder, first deletes the icon files its "Icons.txt"
// lists. Leaves the empty cache of a new build ("Icons" = "0").
void ResetIconCache(ConfigStore& Cache, const QString& IconFolder);

// 100 / Columns as the page writes a cell width: at most 15 significant digits, no
// trailing zeros, no exponent, "." as decimal separator.
QString CellWidth(int Columns);

// The line that tells the browser engine the page is UTF-8; only pages holding a
// character outside ASCII get it, directly after the generator line.
extern const QString CharsetLine;
} // namespace modGenHTML
