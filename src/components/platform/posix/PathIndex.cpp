#include "components/platform/PathIndex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>

namespace {
// Below this many paths in one folder, asking for each is cheaper than reading it.
constexpr int PathsWorthAListing = 8;

QString FolderOf(const QString& Path) {
    const qsizetype slash = Path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : Path.left(slash);
}
} // namespace

PathIndex::Kind PathIndex::Ask(const QString& Path) {
    const QFileInfo info(Path);
    return info.isDir() ? Kind::Folder : (info.exists() ? Kind::File : Kind::Nothing);
}

PathIndex::Listing PathIndex::Read(const QString& Folder) {
    QHash<QString, Entry> entries;
    DIR* dir = opendir(QFile::encodeName(Folder).constData());
    if (!dir) {
        // Nothing lies in a folder that is not there; one we may not read is asked per name.
        if (errno == ENOENT || errno == ENOTDIR)
            return entries;
        return std::nullopt;
    }
    while (const dirent* entry = readdir(dir)) {
        // What a link or an entry of unknown type is becomes known when it is wanted.
        const Entry kind = entry->d_type == DT_DIR                                  ? Entry::Folder
                           : entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN ? Entry::Link
                                                                                    : Entry::File;
        entries.insert(QFile::decodeName(entry->d_name), kind);
    }
    closedir(dir);
    return entries;
}

void PathIndex::Prepare(const QStringList& Paths) {
    QHash<QString, int> perFolder;
    for (const QString& path : Paths)
        if (QDir::isAbsolutePath(path))
            ++perFolder[FolderOf(QDir::cleanPath(path))];
    for (auto it = perFolder.cbegin(); it != perFolder.cend(); ++it)
        if (it.value() >= PathsWorthAListing && !Folders.contains(it.key()))
            Folders.insert(it.key(), Read(it.key()));
}

PathIndex::Kind PathIndex::KindOf(const QString& Path) {
    const auto known = Answers.constFind(Path);
    if (known != Answers.constEnd())
        return *known;
    Kind kind;
    const QString clean = QDir::cleanPath(Path);
    const auto folder = Folders.constFind(FolderOf(clean));
    if (folder == Folders.constEnd() || clean != Path || clean == QLatin1String("/")) {
        kind = Ask(Path);
    } else if (!folder->has_value()) {
        kind = Ask(Path);
    } else {
        const QString name = clean.mid(clean.lastIndexOf(QLatin1Char('/')) + 1);
        const auto entry = (*folder)->constFind(name);
        if (entry == (*folder)->constEnd())
            kind = Kind::Nothing;
        else if (*entry == Entry::Link)
            kind = Ask(Path);
        else
            kind = *entry == Entry::Folder ? Kind::Folder : Kind::File;
    }
    Answers.insert(Path, kind);
    return kind;
}
