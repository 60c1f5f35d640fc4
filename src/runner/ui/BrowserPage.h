#pragma once

#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlSchemeHandler>
#include <functional>

class PopupCatcher;

// The runner's page in the engine. Every navigation request is put to one rule
// (Navigation), which answers at once whether the engine may go on; the user's own
// activations of links are reported separately (LinkActivated), since a navigation
// request does not say whether anybody asked for it.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    using Rule = std::function<bool(const QUrl& Url, NavigationType Type, bool MainFrame)>;

    BrowserPage(QWebEngineProfile* Profile, QObject* Parent);
    void SetRule(Rule Navigation) { NavigationRule = std::move(Navigation); }

    // Registers the runner's link schemes with the engine. Must run before the
    // application object exists: the engine reads its schemes once.
    static void RegisterSchemes();
    // Makes a profile fit to show pages from anywhere: the runner's schemes answer no
    // request (their links are executed by the runner, never loaded), and no page script
    // runs (the runner's own scripts live in a world of their own, which this leaves on).
    static void PrepareProfile(QWebEngineProfile* Profile);

signals:
    // The user clicked a link or pressed Enter on it. Href is the link exactly as the
    // page wrote it; Address is where the engine resolves it to.
    void LinkActivated(const QString& Href, const QString& Address, bool MainFrame);

protected:
    bool acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool MainFrame) override;
    // No second window, ever: see PopupCatcher.
    QWebEnginePage* createWindow(WebWindowType Type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel Level, const QString& Message,
                                  int LineNumber, const QString& SourceId) override;

private:
    void WatchActivations();

    Rule NavigationRule;
    QString Secret; // marks what our own script reports from a frame
    QPointer<PopupCatcher> Popup;
};

// What the runner's script in the page itself may call, and nothing else.
class LinkBridge : public QObject {
    Q_OBJECT
public:
    explicit LinkBridge(BrowserPage* Page) : QObject(Page), Page(Page) {}
    Q_INVOKABLE void activate(const QString& Href, const QString& Address) {
        emit Page->LinkActivated(Href, Address, true);
    }
    // What the find bar has a screen reader say after a search, in the user's language.
    Q_INVOKABLE QString foundText(int Count) const;

private:
    BrowserPage* Page;
};

// Stands in for a new window a page asks for, and loads nothing itself. A local page
// it is sent to is shown in the runner's window instead (a link with a target, clicked
// or not: the engine shows pages without anybody's say); everything else it is sent
// to is dropped, as the user's clicks reach the runner another way. Only one lives at
// a time, and only for a moment, so a page opening windows in a loop gains nothing.
class PopupCatcher : public QWebEnginePage {
    Q_OBJECT
public:
    PopupCatcher(QWebEngineProfile* Profile, BrowserPage* Main);

protected:
    bool acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool MainFrame) override;

private:
    BrowserPage* Main;
};

class RefusingSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* Job) override;
};
