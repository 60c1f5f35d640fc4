#include "components/platform/IconSource.h"

#include "components/PictureFile.h"
#include "components/platform/DesktopEntries.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QMimeDatabase>
#include <QPainter>
#include <QStandardPaths>
#include <QStorageInfo>

namespace {

// The executable a path names: the file itself, or a bare name found on PATH.
QString ProgramPath(const QString& Path) {
    const QFileInfo info(Path);
    if (info.isFile() && info.isExecutable())
        return info.canonicalFilePath();
    if (!Path.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(Path);
        if (!found.isEmpty())
            return QFileInfo(found).canonicalFilePath();
    }
    return {};
}

bool IsMountPoint(const QString& Path) {
    const QFileInfo info(Path);
    if (!info.isDir())
        return false;
    const QString canonical = info.canonicalFilePath();
    if (canonical == QDir::rootPath())
        return true;
    const QStorageInfo storage(canonical);
    return storage.isValid() && QDir::cleanPath(storage.rootPath()) == canonical;
}

// The program an entry's Exec starts: its first word, past an "env VAR=value" prefix.
QString ExecProgram(const DesktopEntry& Entry) {
    const QStringList words = DesktopEntries::ExecArguments(Entry).value_or(QStringList());
    qsizetype first = 0;
    if (!words.isEmpty() && QFileInfo(words[0]).fileName() == QLatin1String("env")) {
        first = 1;
        while (first < words.size() && words[first].contains(QLatin1Char('=')))
            ++first;
    }
    return first < words.size() ? words[first] : QString();
}

// Icon names of the installed desktop entries, by the canonical path of the program
// their Exec line starts. Built once and again only when an applications folder
// changes, so extracting many icons reads the entries once.
class ProgramIcons {
public:
    QString IconOf(const QString& Program) {
        const QStringList folders =
            QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
        QStringList stamp;
        for (const QString& folder : folders)
            stamp.append(folder + QLatin1Char('@') +
                         QString::number(QFileInfo(folder).lastModified().toMSecsSinceEpoch()));
        if (stamp != Stamp) {
            Stamp = stamp;
            Build();
        }
        return Choose(Program, ByProgram.value(Program));
    }

private:
    struct Entry {
        QString Id; // file name without ".desktop"
        QString Icon;
    };

    // Shells and wrappers start other applications; only an entry named after
    // the wrapper itself speaks for its icon.
    static bool IsWrapper(const QString& Name) {
        static const QStringList wrappers{"sh",      "bash",     "dash",       "zsh",
                                          "flatpak", "snap",     "sudo",       "pkexec",
                                          "wine",    "xdg-open", "gtk-launch", "java"};
        return wrappers.contains(Name);
    }

    // The entry named after the program (vim.desktop, org.example.Vim.desktop), else
    // the icon every entry agrees on. Entries that disagree leave the program to its
    // file-type icon: it is then a launcher of many applications, none of them.
    static QString Choose(const QString& Program, const QList<Entry>& Entries) {
        const QString name = QFileInfo(Program).fileName().toLower();
        for (const Entry& entry : Entries) {
            const QString id = entry.Id.toLower();
            if (id == name || id.section(QLatin1Char('.'), -1) == name)
                return entry.Icon;
        }
        if (Entries.isEmpty() || IsWrapper(name))
            return {};
        for (const Entry& entry : Entries)
            if (entry.Icon != Entries.first().Icon)
                return {};
        return Entries.first().Icon;
    }

    void Build() {
        ByProgram.clear();
        const QList<DesktopEntry> entries = DesktopEntries::All();
        for (const DesktopEntry& entry : entries) {
            if (entry.Icon.isEmpty())
                continue;
            const QString program = ProgramPath(ExecProgram(entry));
            if (!program.isEmpty())
                ByProgram[program].append({QFileInfo(entry.File).completeBaseName(), entry.Icon});
        }
    }

    QStringList Stamp;
    QHash<QString, QList<Entry>> ByProgram;
};

// Without a desktop session (the offscreen platform, a bare window manager) Qt knows
// no icon theme and no theme folders. Fill in what a freedesktop desktop would, and
// only what the platform left empty.
void EnsureIconTheme() {
    static bool done = false;
    if (done)
        return;
    done = true;
    QStringList dataFolders{QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)};
    dataFolders += QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    QStringList themeFolders = QIcon::themeSearchPaths(),
                pixmapFolders = QIcon::fallbackSearchPaths();
    for (const QString& folder : dataFolders) {
        if (QFileInfo(folder + QStringLiteral("/icons")).isDir() &&
            !themeFolders.contains(folder + QStringLiteral("/icons")))
            themeFolders.append(folder + QStringLiteral("/icons"));
        if (QFileInfo(folder + QStringLiteral("/pixmaps")).isDir() &&
            !pixmapFolders.contains(folder + QStringLiteral("/pixmaps")))
            pixmapFolders.append(folder + QStringLiteral("/pixmaps"));
    }
    QIcon::setThemeSearchPaths(themeFolders);
    QIcon::setFallbackSearchPaths(pixmapFolders);
    const auto installed = [&themeFolders](const QString& Theme) {
        for (const QString& folder : themeFolders)
            if (QFileInfo::exists(folder + QLatin1Char('/') + Theme +
                                  QStringLiteral("/index.theme")))
                return true;
        return false;
    };
    // "hicolor" is every theme's last resort, not a choice: it holds no file-type icons.
    const QString preferred = installed(QStringLiteral("Adwaita")) ? QStringLiteral("Adwaita")
                                                                   : QStringLiteral("hicolor");
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setThemeName(preferred);
    else if (QIcon::fallbackThemeName().isEmpty() ||
             QIcon::fallbackThemeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(preferred);
}

QIcon ThemeIcon(const QStringList& Names) {
    EnsureIconTheme();
    for (const QString& name : Names) {
        if (name.isEmpty())
            continue;
        if (QDir::isAbsolutePath(name)) {
            if (QFileInfo(name).isFile()) {
                QIcon icon(name);
                if (!icon.availableSizes().isEmpty() || !icon.pixmap(16).isNull())
                    return icon;
            }
            continue;
        }
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            return icon;
    }
    return {};
}

// Hand-drawn sheet of paper, for a system without any icon theme.
QImage PlainFileIcon(int Size) {
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(Qt::white);
    const int margin = Size / 8;
    painter.drawRect(margin + Size / 8, margin, Size - 2 * margin - Size / 4 - 1,
                     Size - 2 * margin - 1);
    return image;
}

// Image scaled to fit a clear Size x Size square, centred.
QImage OnSquare(const QImage& Image, int Size) {
    if (Image.size() == QSize(Size, Size))
        return Image.convertToFormat(QImage::Format_ARGB32);
    QImage square(Size, Size, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    const QImage scaled = Image.scaled(Size, Size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&square);
    painter.drawImage((Size - scaled.width()) / 2, (Size - scaled.height()) / 2, scaled);
    return square;
}

QImage Render(const QIcon& Icon, int Size) {
    // Theme icons are drawn through the windowing system: none, no theme icon.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return PlainFileIcon(Size);
    QImage image = Icon.pixmap(QSize(Size, Size)).toImage();
    if (image.isNull())
        return PlainFileIcon(Size);
    image.setDevicePixelRatio(1);
    // A theme without this size: the nearest one scaled.
    return OnSquare(image, Size);
}

QStringList FileTypeIconNames(const QString& Path) {
    const QFileInfo info(Path);
    if (IsMountPoint(Path))
        return {QStringLiteral("drive-harddisk"), QStringLiteral("folder")};
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info);
    QStringList names{mime.iconName(), mime.genericIconName()};
    if (info.isDir())
        names << QStringLiteral("folder") << QStringLiteral("inode-directory");
    else if (info.isExecutable())
        names << QStringLiteral("application-x-executable");
    names << QStringLiteral("text-x-generic") << QStringLiteral("unknown");
    return names;
}

} // namespace

bool IconSource::IsIconLocation(const QString& Path) {
    if (Path.isEmpty())
        return false;
    if (IsMountPoint(Path))
        return true;
    const QFileInfo info(Path);
    if (info.exists())
        return !info.isFile() && !info.isDir(); // devices, sockets, pipes
    return !ProgramPath(Path).isEmpty();
}

QImage IconSource::IconFor(const QString& Path, int Size) {
    if (Path.isEmpty())
        return {};
    const QString program = ProgramPath(Path);
    if (!QFileInfo::exists(Path) && program.isEmpty())
        return {};
    static ProgramIcons entries;
    QIcon icon;
    if (!program.isEmpty())
        icon = ThemeIcon({entries.IconOf(program)});
    if (icon.isNull())
        icon = ThemeIcon(FileTypeIconNames(program.isEmpty() ? Path : program));
    return Render(icon, Size);
}

QImage IconSource::PictureFor(const QString& Path, int Size) {
    // The header tells a picture from a program; only a picture is read whole.
    if (!QFileInfo(Path).isFile() || !QImageReader(Path).canRead())
        return {};
    const QImage picture = PictureFile::Load(Path);
    return picture.isNull() ? QImage() : OnSquare(picture, Size);
}
