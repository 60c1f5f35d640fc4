#include "BookmarkItems.h"

#include "components/AppError.h"
#include "components/platform/FileSystem.h"
#include "items/IconStore.h"
#include "items/Sections.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <optional>
#include <utility>

namespace BookmarkItems {

namespace {
const QLatin1String SectionMark("SECTION:");

// A title that would make the row a section row is no description.
QString DescriptionOf(const BookmarkFile::Bookmark& Mark) {
    if (!Mark.Title.isEmpty() && !Mark.Title.startsWith(SectionMark))
        return Mark.Title;
    return Mark.Address;
}
// The page writes a comma of a command as "&comma;", which only the runner's own links
// undo; in an address the encoded comma means the same to the site.
QString PageAddress(QString Address) {
    return Address.replace(QLatin1Char(','), QLatin1String("%2C"));
}
} // namespace

Rows Make(const BookmarkFile::Contents& Contents, IconStore& Icons, bool InSectionOfOwn) {
    Rows rows;
    rows.Unusable = Contents.Unusable;
    rows.Items.reserve(Contents.Count() + Contents.Folders.size());
    for (const BookmarkFile::Folder& folder : Contents.Folders) {
        // The section row goes in with the folder's first item, so that no section is empty.
        std::optional<QString> section;
        if (!folder.Path.isEmpty())
            section = folder.Path;
        else if (!InSectionOfOwn)
            section = Contents.Heading.isEmpty()
                          ? QCoreApplication::translate("BookmarkItems", "Bookmarks")
                          : Contents.Heading;
        for (const BookmarkFile::Bookmark& mark : folder.Bookmarks) {
            LauncherItem item;
            item[cellDescription] = DescriptionOf(mark);
            if (item[cellDescription].startsWith(SectionMark)) {
                ++rows.Unusable;
                continue;
            }
            item[cellCommand] = PageAddress(mark.Address);
            item[cellIcon] = Icons.Keep(mark.Icon);
            item[cellRun] = QStringLiteral("Hyperlink");
            item[cellComments] = mark.Comment;
            if (section)
                rows.Items.append(NewSectionRow(*std::exchange(section, std::nullopt)));
            rows.Items.append(std::move(item));
            ++rows.Bookmarks;
        }
    }
    return rows;
}

Rows FromFile(const QString& Path, IconStore& Icons, bool InSectionOfOwn) {
    if (QFileInfo(Path).size() > BookmarkFile::MaxFileBytes)
        throw AppError(
            QCoreApplication::translate(
                "BookmarkItems", "Invalid file format: the bookmarks file is larger than 64 MB"),
            ErrNo::BadFileFormat);
    const auto bytes = FileSystem::ReadRegularFile(Path, BookmarkFile::MaxFileBytes);
    if (!bytes)
        throw AppError(QCoreApplication::translate(
                           "BookmarkItems", "Path/File access error: the file cannot be read"),
                       ErrNo::PathFileAccess);
    return Make(BookmarkFile::Read(*bytes), Icons, InSectionOfOwn);
}

bool IsBookmarksFile(const QString& Path) {
    // The declaration is the file's first line; a little room for a byte order mark and
    // blank lines before it.
    const auto head = FileSystem::ReadRegularFileStart(Path, 1024);
    return head && BookmarkFile::IsBookmarks(*head);
}

} // namespace BookmarkItems
