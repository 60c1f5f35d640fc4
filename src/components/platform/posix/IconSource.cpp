#include "IconSource.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QPainter>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTextStream>

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

// The program of an Exec line: its first word, past an "env VAR=value" prefix.
QString ExecProgram(const QString& Exec) {
    QStringList words;
    QString word;
    bool quoted = false, inWord = false;
    for (qsizetype i = 0; i < Exec.size(); ++i) {
        const QChar c = Exec[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c == QLatin1Char('\\') && quoted && i + 1 < Exec.size()) {
            word += Exec[++i];
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
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
// changes, so extracting many icons scans the entries once.
class DesktopEntries {
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
            Build(folders);
        }
        return IconByProgram.value(Program);
    }

private:
    void Build(const QStringList& Folders) {
        IconByProgram.clear();
        // Earlier folders take precedence, as for the desktop's own lookup.
        for (const QString& folder : Folders) {
            QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                Read(it.next());
        }
    }

    void Read(const QString& File) {
        QFile file(File);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        QTextStream in(&file);
        bool mainGroup = false;
        QString exec, icon;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.startsWith(QLatin1Char('['))) {
                mainGroup = line == QLatin1String("[Desktop Entry]");
                continue;
            }
            if (!mainGroup)
                continue;
            if (line.startsWith(QLatin1String("Exec=")))
                exec = line.mid(5);
            else if (line.startsWith(QLatin1String("Icon=")))
                icon = line.mid(5).trimmed();
        }
        if (exec.isEmpty() || icon.isEmpty())
            return;
        const QString program = ProgramPath(ExecProgram(exec));
        if (!program.isEmpty() && !IconByProgram.contains(program))
            IconByProgram.insert(program, icon);
    }

    QStringList Stamp;
    QHash<QString, QString> IconByProgram;
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
    if (QIcon::fallbackThemeName().isEmpty())
        QIcon::setFallbackThemeName(QStringLiteral("hicolor"));
    if (QIcon::themeName().isEmpty())
        QIcon::setThemeName(installed(QStringLiteral("Adwaita")) ? QStringLiteral("Adwaita")
                                                                 : QStringLiteral("hicolor"));
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

QImage Render(const QIcon& Icon, int Size) {
    QImage image = Icon.pixmap(QSize(Size, Size)).toImage();
    if (image.isNull())
        return PlainFileIcon(Size);
    image.setDevicePixelRatio(1);
    if (image.size() == QSize(Size, Size))
        return image.convertToFormat(QImage::Format_ARGB32);
    // A theme without this size: scale the nearest one and centre it on a clear square.
    QImage square(Size, Size, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    const QImage scaled = image.scaled(Size, Size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&square);
    painter.drawImage((Size - scaled.width()) / 2, (Size - scaled.height()) / 2, scaled);
    return square;
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
    static DesktopEntries entries;
    QIcon icon;
    if (!program.isEmpty())
        icon = ThemeIcon({entries.IconOf(program)});
    if (icon.isNull())
        icon = ThemeIcon(FileTypeIconNames(program.isEmpty() ? Path : program));
    return Render(icon, Size);
}
