#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// Tells what many absolute paths are (nothing, a file, a folder) with few questions to the
// file system: a folder that many of the paths lie in is read once instead of asking for
// each path, and one that does not exist answers for everything below it.
class PathIndex {
public:
    enum class Kind { Nothing, File, Folder };

    // Paths that will be asked about, so that their folders can be read in one go.
    void Prepare(const QStringList& Paths);
    Kind KindOf(const QString& Path);

private:
    // A folder's entries by name, what each one is as far as the listing tells; none
    // for a folder that is not there; nothing when the folder cannot be read.
    enum class Entry { File, Folder, Link };
    using Listing = std::optional<QHash<QString, Entry>>;
    static Listing Read(const QString& Folder);
    static Kind Ask(const QString& Path);

    QHash<QString, Listing> Folders;
    QHash<QString, Kind> Answers;
};
