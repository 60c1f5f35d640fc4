#pragma once

#include "core/PageWatch.h"

#include <QObject>
#include <QUrl>
#include <QVariant>

class QLabel;
class QStatusBar;
class QWebEnginePage;
class RunnerWindow;

// Shows the current launcher page again whenever its file or icon folder changes, as F5
// does, and keeps where the page was scrolled to and the find bar's text across it. Only
// the current launcher page is watched: not the welcome page, nor another page the window
// went on to, nor pages in frames. A page that disappears stays shown as it was, with a
// note in the status bar until its file is back.
class LiveReload : public QObject {
    Q_OBJECT
public:
    LiveReload(RunnerWindow& Window, QWebEnginePage* Page, QStatusBar* Status);

    // Shows the page again, scrolled as it is now, with the same text in the find bar.
    void Reload();

    static QString GoneNote();

signals:
    // A reload began because the page's file changed; for tests and benchmarks.
    void Reloading();

private:
    void Loaded(bool Ok);
    void Restore(const QVariant& View);
    bool ShowsCurrentPage() const;

    RunnerWindow& Window;
    QWebEnginePage* Page;
    PageWatch Watch;
    QLabel* Note;
    bool Saving = false;
    QUrl ReloadedUrl; // the page a reload is showing again
    QVariant Kept;    // how it was shown: scroll position and the find bar's text
};
