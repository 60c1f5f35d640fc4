#include "components/platform/IconTheme.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMutex>
#include <QSet>
#include <climits>
#include <cstdlib>
#include <memory>
#include <utility>

// GLib names a struct member "signals", which Qt's keyword macro would rewrite.
#pragma push_macro("signals")
#undef signals
#include <glib.h>
#pragma pop_macro("signals")

namespace {

const QStringList Extensions{QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("xpm")};

// One folder of a theme, with the sizes its index.theme gives it.
struct ThemeFolder {
    enum class Kind { Fixed, Scalable, Threshold };
    Kind Type = Kind::Threshold;
    int Size = 0, MinSize = 0, MaxSize = 0, Threshold = 2;

    bool Matches(int Wanted) const {
        switch (Type) {
        case Kind::Fixed:
            return Wanted == Size;
        case Kind::Scalable:
            return MinSize <= Wanted && Wanted <= MaxSize;
        case Kind::Threshold:
            break;
        }
        return Size - Threshold <= Wanted && Wanted <= Size + Threshold;
    }

    int Distance(int Wanted) const {
        const int low = Type == Kind::Threshold ? Size - Threshold : MinSize;
        const int high = Type == Kind::Threshold ? Size + Threshold : MaxSize;
        if (Type == Kind::Fixed)
            return std::abs(Size - Wanted);
        if (Wanted < low)
            return MinSize - Wanted;
        if (Wanted > high)
            return Wanted - MaxSize;
        return 0;
    }
};

// An installed theme: its parents and, by icon name, every file it has of that icon,
// in the order the folders are listed (each folder's base folders in search order).
struct Theme {
    QStringList Parents;
    QList<ThemeFolder> Folders;
    struct File {
        int Folder;
        QString Path;
    };
    QHash<QString, QList<File>> Icons;
};

// Where themes and loose icons live, most personal first.
QStringList BaseFolders() {
    QStringList folders{QDir::homePath() + QStringLiteral("/.icons"),
                        QString::fromLocal8Bit(g_get_user_data_dir()) + QStringLiteral("/icons")};
    for (const gchar* const* dir = g_get_system_data_dirs(); dir && *dir; ++dir)
        folders.append(QDir::cleanPath(QString::fromLocal8Bit(*dir) + QStringLiteral("/icons")));
    folders.append(QStringLiteral("/usr/share/pixmaps"));
    return folders;
}

ThemeFolder ReadFolder(GKeyFile* Index, const QByteArray& Group) {
    const auto number = [&](const char* Key, int Default) {
        GError* error = nullptr;
        const int value = g_key_file_get_integer(Index, Group.constData(), Key, &error);
        if (error) {
            g_error_free(error);
            return Default;
        }
        return value;
    };
    ThemeFolder folder;
    folder.Size = number("Size", 0);
    folder.MinSize = number("MinSize", folder.Size);
    folder.MaxSize = number("MaxSize", folder.Size);
    folder.Threshold = number("Threshold", 2);
    gchar* type = g_key_file_get_string(Index, Group.constData(), "Type", nullptr);
    const QByteArray kind(type ? type : "Threshold");
    g_free(type);
    if (kind == "Fixed")
        folder.Type = ThemeFolder::Kind::Fixed;
    else if (kind == "Scalable")
        folder.Type = ThemeFolder::Kind::Scalable;
    return folder;
}

QStringList ListOf(GKeyFile* Index, const char* Key) {
    QStringList list;
    gchar** items = g_key_file_get_string_list(Index, "Icon Theme", Key, nullptr, nullptr);
    for (gchar** item = items; item && *item; ++item)
        list.append(QString::fromUtf8(*item).trimmed());
    g_strfreev(items);
    list.removeAll(QString());
    return list;
}

void IndexFiles(Theme& Result, int Folder, const QString& Path) {
    const QFileInfoList files = QDir(Path).entryInfoList(QDir::Files);
    for (const QFileInfo& file : files)
        if (Extensions.contains(file.suffix()))
            Result.Icons[file.completeBaseName()].append({Folder, file.filePath()});
}

std::unique_ptr<Theme> LoadTheme(const QString& Name, const QStringList& Bases) {
    QString indexFile;
    for (const QString& base : Bases) {
        const QString candidate = base + QLatin1Char('/') + Name + QStringLiteral("/index.theme");
        if (QFileInfo(candidate).isFile()) {
            indexFile = candidate;
            break;
        }
    }
    if (indexFile.isEmpty())
        return nullptr;
    GKeyFile* index = g_key_file_new();
    // Theme indexes separate their lists with commas.
    g_key_file_set_list_separator(index, ',');
    const bool loaded =
        g_key_file_load_from_file(index, QFile::encodeName(indexFile), G_KEY_FILE_NONE, nullptr);
    auto theme = std::make_unique<Theme>();
    if (loaded) {
        theme->Parents = ListOf(index, "Inherits");
        const QStringList subfolders = ListOf(index, "Directories");
        for (const QString& sub : subfolders) {
            const QByteArray group = sub.toUtf8();
            // A folder for screens of higher density is the same icon again.
            if (!g_key_file_has_group(index, group.constData()) ||
                g_key_file_get_integer(index, group.constData(), "Scale", nullptr) > 1)
                continue;
            theme->Folders.append(ReadFolder(index, group));
            for (const QString& base : Bases)
                IndexFiles(*theme, static_cast<int>(theme->Folders.size()) - 1,
                           base + QLatin1Char('/') + Name + QLatin1Char('/') + sub);
        }
    }
    g_key_file_free(index);
    return theme;
}

// Themes are read once and kept: reading one lists thousands of files.
class Themes {
public:
    const Theme* Get(const QString& Name) {
        QMutexLocker lock(&Guard);
        auto it = Loaded.find(Name);
        if (it == Loaded.end())
            it = Loaded.insert(Name, std::shared_ptr<Theme>(LoadTheme(Name, Bases)));
        return it->get();
    }
    const QStringList Bases = BaseFolders();

private:
    QMutex Guard;
    QHash<QString, std::shared_ptr<Theme>> Loaded;
};

Themes& AllThemes() {
    static Themes themes;
    return themes;
}

// How far a file of Folder is from Wanted pixels, for choosing among files that do not
// match: a larger picture scales down sharply, a smaller one blurs when scaled up, so
// every picture too small comes after every other. A drawing scales to any size.
std::pair<bool, int> Remoteness(const ThemeFolder& Folder, const QString& Path, int Wanted) {
    const bool drawing = Path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const int largest = Folder.Type == ThemeFolder::Kind::Scalable ? Folder.MaxSize : Folder.Size;
    const bool tooSmall = !drawing && largest < Wanted;
    return {tooSmall, tooSmall ? Wanted - largest : Folder.Distance(Wanted)};
}

QString LookupIcon(const Theme& In, const QString& Name, int Size) {
    const auto found = In.Icons.constFind(Name);
    if (found == In.Icons.constEnd())
        return {};
    QString closest;
    std::pair<bool, int> best{true, INT_MAX};
    for (const Theme::File& file : *found) {
        const ThemeFolder& folder = In.Folders[file.Folder];
        if (folder.Matches(Size))
            return file.Path;
        const std::pair<bool, int> remoteness = Remoteness(folder, file.Path, Size);
        if (closest.isEmpty() || remoteness < best) {
            best = remoteness;
            closest = file.Path;
        }
    }
    return closest;
}

QString FindInTheme(const QString& ThemeName, const QString& Name, int Size, QSet<QString>& Seen) {
    if (Seen.contains(ThemeName))
        return {};
    Seen.insert(ThemeName);
    const Theme* theme = AllThemes().Get(ThemeName);
    if (!theme)
        return {};
    const QString file = LookupIcon(*theme, Name, Size);
    if (!file.isEmpty())
        return file;
    for (const QString& parent : theme->Parents) {
        const QString inParent = FindInTheme(parent, Name, Size, Seen);
        if (!inParent.isEmpty())
            return inParent;
    }
    return {};
}

QString LooseIcon(const QString& Name) {
    for (const QString& base : AllThemes().Bases)
        for (const QString& ext : Extensions) {
            const QString file = base + QLatin1Char('/') + Name + QLatin1Char('.') + ext;
            if (QFileInfo(file).isFile())
                return file;
        }
    return {};
}

bool ThemeInstalled(const QString& Name) {
    for (const QString& base : AllThemes().Bases)
        if (QFileInfo::exists(base + QLatin1Char('/') + Name + QStringLiteral("/index.theme")))
            return true;
    return false;
}

} // namespace

QString IconTheme::CurrentTheme() {
    const QString name = QIcon::themeName();
    if (!name.isEmpty() && name != QLatin1String("hicolor"))
        return name;
    // Without a desktop session nobody chose a theme: take the one Debian desktops start with.
    return ThemeInstalled(QStringLiteral("Adwaita")) ? QStringLiteral("Adwaita")
                                                     : QStringLiteral("hicolor");
}

QString IconTheme::FindFile(const QString& Name, int Size) {
    if (Name.isEmpty())
        return {};
    if (QDir::isAbsolutePath(Name))
        return QFileInfo(Name).isFile() ? Name : QString();
    // Some entries name their icon with its file's extension; the theme knows it without.
    QString name = Name;
    const QString ext = QFileInfo(Name).suffix().toLower();
    if (Extensions.contains(ext))
        name.chop(ext.size() + 1);
    QSet<QString> seen;
    for (const QString& theme : {CurrentTheme(), QStringLiteral("hicolor")}) {
        const QString file = FindInTheme(theme, name, Size, seen);
        if (!file.isEmpty())
            return file;
    }
    return LooseIcon(name);
}
