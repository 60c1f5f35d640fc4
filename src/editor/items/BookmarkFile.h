#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The bookmarks file every browser exports: a page of nested <DL> lists, a folder an <H3>
// before its list, a bookmark an <A HREF> with an optional <DD> description after it.
// Reading is bounded: a file that is not UTF-8 or nests deeper than MaxDepth folders is
// refused whole, an oversized icon is dropped, an address no page can follow (script,
// the browser's own, the runner's own, or too long) is counted.
namespace BookmarkFile {

constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
constexpr int MaxDepth = 64;
constexpr qint64 MaxIconBytes = 1024 * 1024;
// The longest link a page takes, as the engine encodes it; a longer one leaves the page
// blank.
constexpr qsizetype MaxAddressLength = 2097152;

struct Bookmark {
    QString Title; // entities decoded, white space simplified; may be empty
    QString Address;
    QString Comment; // the <DD> text, entities decoded, trimmed
    QByteArray Icon; // the decoded bytes of a data-address icon, at most MaxIconBytes
};

// A folder with the bookmarks directly in it. Folders come in the file's order, each
// before its subfolders; Path is the folder's name with those of the folders around it,
// joined by " / ". The file's own top level has the empty Path.
struct Folder {
    QString Path;
    QList<Bookmark> Bookmarks;
};

struct Contents {
    QString Heading; // the file's <H1>, the name browsers give its top level
    QList<Folder> Folders;
    int Unusable = 0; // bookmarks left out: script, browser-internal or overlong addresses
    int Count() const;
};

// True when Head, the start of a file, is a bookmarks file by its content.
bool IsBookmarks(const QByteArray& Head);

// The file's folders and bookmarks. Throws AppError 321 for text that is not UTF-8 and
// for folders nested deeper than MaxDepth. Separators and empty folders give nothing.
Contents Read(const QByteArray& Bytes);

// Text of the page with its character references (&amp; &#39; &#x27;) decoded.
QString DecodeEntities(QStringView Text);

} // namespace BookmarkFile
