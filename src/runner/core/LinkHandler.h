#pragma once

#include "components/platform/Launcher.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <functional>

class LaunchPort;
class RunnerWindow;
class UserDialogs;

// Decides where the page may go and executes the runner's own links ("qt:" starts an
// item, "qtc:" is a window command). A page is never trusted: only a user's click or
// key press on a link starts anything; the engine's own navigations only ever show
// local pages.
class LinkHandler {
    Q_DECLARE_TR_FUNCTIONS(LinkHandler)

public:
    LinkHandler(RunnerWindow& Window, LaunchPort& Launch, UserDialogs& Dialogs);

    // The verdict on one navigation. The browser's callback must return at once, so
    // anything the verdict implies (reading the page's block) is in Then, to be run
    // from the event loop afterwards.
    struct Decision {
        bool Proceed = false;
        std::function<void()> Then;
    };

    // A navigation the engine asks about; nobody is known to have asked for it (a
    // script, a refresh, a form, a frame). Only a local page may be shown, which then
    // becomes the current page; a frame may show any regular local file. Runner links
    // and anything meant for another program are refused without a word.
    Decision BeforeNavigate2(const QUrl& Url, bool MainFrame);

    // The user clicked a link or pressed Enter on it. Href is the link as the page wrote
    // it, Address where the engine resolves it to; MainFrame: in the page itself, not in
    // a frame inside it. Shows its own failures, never throws.
    void LinkActivated(const QString& Href, const QString& Address, bool MainFrame);

    // Executes a "qt:" or "qtc:" link; shows its own failures, never throws.
    void ProcURL(const QString& Url);

    // Told of every item of the open page that was started: its link as the page wrote it.
    using StartWatcher = std::function<void(const QString& Link)>;
    void WatchStarts(StartWatcher Watcher) { Started = std::move(Watcher); }

    // The whole address as a person reads it: every escape undone.
    static QString UrlText(const QUrl& Url);
    // Whether two texts name the same file (letter case counts here).
    static bool SamePath(const QString& A, const QString& B);

private:
    bool ShowsOpenPage() const;
    void RunnerLinkActivated(const QString& Url, bool MainFrame);
    bool OpenElsewhere(const QUrl& Address);
    bool RunItem(const QString& Fields);
    void RunCommand(const QString& Word);
    void ReportLaunch(const QString& Command, const Launcher::Outcome& Outcome);
    void ReportFailure(const QString& Word, const QString& Description, int Number);

    RunnerWindow& Window;
    LaunchPort& Launch;
    UserDialogs& Dialogs;
    StartWatcher Started;
};
