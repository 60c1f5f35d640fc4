#pragma once

#include <QString>
#include <functional>

class LaunchPort;
class RunnerWindow;
class UserDialogs;

// Decides where the page may go and executes the runner's own links ("qt:" starts an
// item, "qtc:" is a window command) instead of letting the browser see them.
class LinkHandler {
public:
    LinkHandler(RunnerWindow& Window, LaunchPort& Launch, UserDialogs& Dialogs);

    // The verdict on one navigation. The browser's callback must return at once, so
    // anything the verdict implies (a dialog, a launch, reading the page's block)
    // is in Then, to be run from the event loop afterwards.
    struct Decision {
        bool Proceed = false;
        std::function<void()> Then;
    };

    // Url is the link as the page wrote it; MainFrame tells whether it was followed
    // in the page itself rather than in a frame inside it.
    Decision BeforeNavigate2(const QString& Url, bool MainFrame) const;

    // Executes a "qt:" or "qtc:" link; shows its own failures, never throws.
    void ProcURL(const QString& Url);

    // The file a "file:" address or a plain path names, or empty.
    static QString UrlToPath(const QString& Url);
    // Whether two texts name the same file (letter case counts here).
    static bool SamePath(const QString& A, const QString& B);

private:
    bool ShowsOpenPage(bool MainFrame) const;
    void RunItem(const QString& Fields);
    void RunCommand(const QString& Word);
    void ReportFailure(const QString& Word, const QString& Description, int Number);

    RunnerWindow& Window;
    LaunchPort& Launch;
    UserDialogs& Dialogs;
};
