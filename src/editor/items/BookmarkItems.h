#pragma once

#include "document/LauncherItem.h"
#include "items/BookmarkFile.h"

#include <QVector>

class IconStore;

// What a browser's bookmarks become in the item list: a section row for each folder
// that holds bookmarks, and after it one Hyperlink item for each of them.
namespace BookmarkItems {

struct Rows {
    QVector<LauncherItem> Items; // section rows and items, in the order they go in
    int Bookmarks = 0;           // the items among them
    int Unusable = 0;            // bookmarks that could not become items
};

// The bookmarks directly in the file's top level go under a section named after the
// file's heading ("Bookmarks" when it has none), or, with InSectionOfOwn, under the
// section the caller puts before all rows. Icons are kept in Icons (which may throw
// AppError when it cannot write them).
Rows Make(const BookmarkFile::Contents& Contents, IconStore& Icons, bool InSectionOfOwn);

// Reads the bookmarks file at Path and makes its rows. Throws AppError for a file that
// is too large, unreadable or damaged.
Rows FromFile(const QString& Path, IconStore& Icons, bool InSectionOfOwn);

// True when the file at Path is a bookmarks file by its content.
bool IsBookmarksFile(const QString& Path);

} // namespace BookmarkItems
