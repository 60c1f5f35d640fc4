#include "BrowserPage.h"

#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {
const QByteArray Schemes[] = {QByteArrayLiteral("qt"), QByteArrayLiteral("qtc")};
}

BrowserPage::BrowserPage(QWebEngineProfile* Profile, QObject* Parent)
    : QWebEnginePage(Profile, Parent) {
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl& Origin, Feature Wanted) {
                setFeaturePermission(Origin, Wanted, PermissionDeniedByUser);
            });
}

QString BrowserPage::LinkText(const QUrl& Url) {
    return QUrl::fromPercentEncoding(Url.toEncoded());
}

void BrowserPage::RegisterSchemes() {
    for (const QByteArray& name : Schemes) {
        QWebEngineUrlScheme scheme(name);
        // "qt:C:\a b,x" is a path, not host and port.
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

void BrowserPage::InstallSchemeHandler(QWebEngineProfile* Profile) {
    auto* handler = new RefusingSchemeHandler(Profile);
    for (const QByteArray& name : Schemes)
        Profile->installUrlSchemeHandler(name, handler);
}

bool BrowserPage::acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool MainFrame) {
    return NavigationRule ? NavigationRule(Url, Type, MainFrame) : false;
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
    return new PopupCatcher(profile(), this);
}

PopupCatcher::PopupCatcher(QWebEngineProfile* Profile, BrowserPage* Main)
    : QWebEnginePage(Profile, Main), Main(Main) {}

bool PopupCatcher::acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool) {
    if (!Used) {
        Used = true;
        // "Followed in the window": if the rule lets it through, the main page goes there.
        if (Main->NavigationRule && Main->NavigationRule(Url, Type, true))
            Main->load(Url);
        deleteLater();
    }
    return false;
}

void RefusingSchemeHandler::requestStarted(QWebEngineUrlRequestJob* Job) {
    Job->fail(QWebEngineUrlRequestJob::RequestDenied);
}
