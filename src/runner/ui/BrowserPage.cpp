#include "BrowserPage.h"

#include "components/PageLookScript.h"
#include "ui/FindBarTexts.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTimer>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {
const QByteArray Schemes[] = {QByteArrayLiteral("qt"), QByteArrayLiteral("qtc")};

// How long a stand-in for a new window waits for its first navigation.
constexpr int PopupLifeMs = 1000;

QString ResourceText(const QString& Name) {
    QFile file(Name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString RandomSecret() {
    quint64 words[2];
    QRandomGenerator::system()->fillRange(words);
    return QStringLiteral("%1%2:")
        .arg(words[0], 16, 16, QLatin1Char('0'))
        .arg(words[1], 16, 16, QLatin1Char('0'));
}
} // namespace

BrowserPage::BrowserPage(QWebEngineProfile* Profile, QObject* Parent)
    : QWebEnginePage(Profile, Parent), Secret(RandomSecret()) {
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl& Origin, Feature Wanted) {
                setFeaturePermission(Origin, Wanted, PermissionDeniedByUser);
            });
    WatchActivations();
}

// The scripts that report the user's activations (and find items by typing, and name the
// items for a screen reader) run in a world of their own in every frame; the channel they report
// through exists in that world of the page itself only. The page's look is added in the same world.
void BrowserPage::WatchActivations() {
    QWebEngineScript script;
    script.setName(QStringLiteral("runner links"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(ResourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")) +
                         ResourceText(QStringLiteral(":/runner/linkwatch.js"))
                             .replace(QLatin1String("@SECRET@"), Secret) +
                         ResourceText(QStringLiteral(":/runner/finder.js"))
                             .replace(QLatin1String("@FINDTEXTS@"), FindBarTexts::Script()) +
                         ResourceText(QStringLiteral(":/runner/itemnames.js")));
    scripts().insert(script);

    PageLook::AddTo(scripts());

    auto* channel = new QWebChannel(this);
    channel->registerObject(QStringLiteral("runner"), new LinkBridge(this));
    setWebChannel(channel, QWebEngineScript::ApplicationWorld);
}

QString LinkBridge::foundText(int Count) const {
    return FindBarTexts::Found(Count);
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel Level,
                                           const QString& Message, int Line,
                                           const QString& Source) {
    // Anything else goes to the "js" log as usual.
    if (!Message.startsWith(Secret))
        return QWebEnginePage::javaScriptConsoleMessage(Level, Message, Line, Source);
    const QJsonArray link = QJsonDocument::fromJson(Message.mid(Secret.size()).toUtf8()).array();
    emit LinkActivated(link.at(0).toString(), link.at(1).toString(), false);
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

void BrowserPage::PrepareProfile(QWebEngineProfile* Profile) {
    auto* handler = new RefusingSchemeHandler(Profile);
    for (const QByteArray& name : Schemes)
        Profile->installUrlSchemeHandler(name, handler);
    // A page's script could read the user's files and send them out, or make the engine
    // hand a trusted click to a link. Local pages may show their own local pictures and
    // style sheets, and nothing from elsewhere.
    QWebEngineSettings* settings = Profile->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
}

bool BrowserPage::acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool MainFrame) {
    return NavigationRule ? NavigationRule(Url, Type, MainFrame) : false;
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
    if (Popup)
        return nullptr;
    Popup = new PopupCatcher(profile(), this);
    return Popup;
}

PopupCatcher::PopupCatcher(QWebEngineProfile* Profile, BrowserPage* Main)
    : QWebEnginePage(Profile, Main), Main(Main) {
    QTimer::singleShot(PopupLifeMs, this, &QObject::deleteLater);
}

bool PopupCatcher::acceptNavigationRequest(const QUrl& Url, NavigationType, bool) {
    // The main page's own rule decides whether it may show what was meant for the window.
    if (Url.isLocalFile())
        QTimer::singleShot(0, Main, [Main = Main, Url] { Main->load(Url); });
    deleteLater();
    return false;
}

void RefusingSchemeHandler::requestStarted(QWebEngineUrlRequestJob* Job) {
    Job->fail(QWebEngineUrlRequestJob::RequestDenied);
}
