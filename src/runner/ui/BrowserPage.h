#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlSchemeHandler>
#include <functional>

// The runner's page in the engine. Every navigation request is put to one rule
// (Navigation), which answers at once whether the engine may go on.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    using Rule = std::function<bool(const QUrl& Url, NavigationType Type, bool MainFrame)>;

    BrowserPage(QWebEngineProfile* Profile, QObject* Parent);
    void SetRule(Rule Navigation) { NavigationRule = std::move(Navigation); }

    // The whole address as the page wrote it: the engine percent-encodes spaces, quotes
    // and non-ASCII text and splits off query and fragment; this undoes all of it.
    // (QUrl refuses FullyDecoded for a whole URL, so the decoding is done here.)
    static QString LinkText(const QUrl& Url);

    // Registers the runner's link schemes with the engine. Must run before the
    // application object exists: the engine reads its schemes once.
    static void RegisterSchemes();
    // A handler for the schemes that refuses every request they make: their links
    // are executed by the runner, never loaded.
    static void InstallSchemeHandler(QWebEngineProfile* Profile);

protected:
    bool acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool MainFrame) override;
    // No second window, ever: what a page wants opened elsewhere is followed here.
    QWebEnginePage* createWindow(WebWindowType Type) override;

private:
    Rule NavigationRule;

    friend class PopupCatcher;
};

// Stands in for a new window: its first navigation is handed to the main page's rule
// as a link followed in the main page, and it loads nothing itself.
class PopupCatcher : public QWebEnginePage {
    Q_OBJECT
public:
    PopupCatcher(QWebEngineProfile* Profile, BrowserPage* Main);

protected:
    bool acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool MainFrame) override;

private:
    BrowserPage* Main;
    bool Used = false;
};

class RefusingSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* Job) override;
};
