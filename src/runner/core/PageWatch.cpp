#include "PageWatch.h"

#include "components/platform/FileSystem.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

namespace {
constexpr int SearchMs = 1000;

// The icon folder a build writes beside the page: the page's path before its last ".".
QString IconFolderOf(const QString& Page) {
    const qsizetype dot = Page.lastIndexOf(QLatin1Char('.'));
    return dot > Page.lastIndexOf(QLatin1Char('/')) ? Page.left(dot) : QString();
}
} // namespace

PageWatch::PageWatch(QObject* Parent) : QObject(Parent), Watcher(new QFileSystemWatcher(this)) {
    Clock.start();
    Due.setSingleShot(true);
    connect(&Due, &QTimer::timeout, this, &PageWatch::Settle);
    Search.setInterval(SearchMs);
    connect(&Search, &QTimer::timeout, this, [this] { Seen(QString()); });
    connect(Watcher, &QFileSystemWatcher::fileChanged, this, &PageWatch::Seen);
    connect(Watcher, &QFileSystemWatcher::directoryChanged, this, &PageWatch::Seen);
}

void PageWatch::Watch(const QString& Path) {
    const QString file = Path.isEmpty() ? QString() : QFileInfo(Path).absoluteFilePath();
    if (file == File)
        return;
    if (!Watcher->files().isEmpty())
        Watcher->removePaths(Watcher->files());
    if (!Watcher->directories().isEmpty())
        Watcher->removePaths(Watcher->directories());
    Due.stop();
    Search.stop();
    Pacer = ReloadPacer();
    File = file;
    IconFolder = IconFolderOf(file);
    IconsChanged = false;
    const bool wasGone = IsGone;
    IsGone = false;
    if (wasGone)
        emit GoneChanged(false);
    if (File.isEmpty())
        return;
    Known = Signature();
    WatchPaths();
}

// The file itself (a write in place), its folder (a rename over it, a removal) and the
// icon folder, each again once it is back: a watch ends with the file it was on.
void PageWatch::WatchPaths() {
    QStringList wanted;
    for (const QString& path : {File, QFileInfo(File).absolutePath(), IconFolder})
        if (!path.isEmpty() && QFileInfo::exists(path) && !Watcher->files().contains(path) &&
            !Watcher->directories().contains(path))
            wanted << path;
    if (!wanted.isEmpty())
        Watcher->addPaths(wanted);
}

void PageWatch::Seen(const QString& What) {
    if (File.isEmpty())
        return;
    if (!IconFolder.isEmpty() && What == IconFolder)
        IconsChanged = true;
    const qint64 now = Clock.elapsed();
    Due.start(int(qMax<qint64>(0, Pacer.Changed(now) - now)));
}

void PageWatch::Settle() {
    Pacer.Reloaded(Clock.elapsed());
    WatchPaths();
    const QByteArray now = Signature();
    if (now.isEmpty()) {
        if (!IsGone) {
            IsGone = true;
            Search.start();
            emit GoneChanged(true);
        }
        return;
    }
    const bool changed = now != Known || IconsChanged || IsGone;
    Known = now;
    IconsChanged = false;
    if (IsGone) {
        IsGone = false;
        Search.stop();
        emit GoneChanged(false);
    }
    if (changed)
        emit Changed();
}

QByteArray PageWatch::Signature() const {
    return FileSystem::Identity(File);
}
