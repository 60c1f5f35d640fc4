#pragma once

#include "core/ReloadPacer.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QFileSystemWatcher;

// Watches one page file, written in place or replaced by a rename, and the icon folder
// beside it, and says when the page is to be shown again: once per burst of writes, at
// most once per ReloadPacer::MinGapMs, never from inside the file system's report. A page
// that disappears is reported gone until it is back; meanwhile it is also looked for
// once a second, in case its folder went with it.
class PageWatch : public QObject {
    Q_OBJECT
public:
    explicit PageWatch(QObject* Parent = nullptr);

    // Watches Path from now on; an empty path watches nothing.
    void Watch(const QString& Path);
    QString Path() const { return File; }
    bool Gone() const { return IsGone; }

signals:
    // The page or its icons changed, and the page is there.
    void Changed();
    // The page went away (true) or came back (false).
    void GoneChanged(bool Gone);

private:
    void Seen(const QString& What);
    void Settle();
    void WatchPaths();
    QByteArray Signature() const;

    QFileSystemWatcher* Watcher;
    QTimer Due;
    QTimer Search;
    QElapsedTimer Clock;
    ReloadPacer Pacer;
    QString File;
    QString IconFolder;
    QByteArray Known; // the page's file identity and times when last shown
    bool IconsChanged = false;
    bool IsGone = false;
};
