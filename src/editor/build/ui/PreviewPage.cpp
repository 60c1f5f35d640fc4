#include "PreviewPage.h"

#include "components/PageLookScript.h"

#include <QPointer>
#include <QTimer>
#include <QWebEngineSettings>

namespace {
// The preview shows the page as the runner does: no script of the page runs (a header or
// footer could read the user's files and send them out), and a local page reaches nothing
// but local files.
void KeepPageScriptsOff(QWebEngineSettings* Settings) {
    Settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    Settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
}

// Takes the first navigation of a new-window request and hands it to the preview.
class WindowRequest : public QWebEnginePage {
public:
    WindowRequest(QWebEngineProfile* Profile, PreviewPage* Target)
        : QWebEnginePage(Profile, Target), Target(Target) {
        KeepPageScriptsOff(settings());
    }

protected:
    bool acceptNavigationRequest(const QUrl& Url, NavigationType, bool) override {
        QPointer<PreviewPage> target = Target;
        const bool refused = PreviewPage::Refused(Url);
        // Act after the engine's callback has returned, never inside it.
        QTimer::singleShot(0, Target, [target, Url, refused] {
            if (!target)
                return;
            if (refused)
                emit target->NavigationRefused(Url);
            else
                target->setUrl(Url);
        });
        deleteLater();
        return false;
    }

private:
    PreviewPage* Target;
};
} // namespace

PreviewPage::PreviewPage(QObject* Parent) : QWebEnginePage(Parent) {
    KeepPageScriptsOff(settings());
    // Where "qt" was not registered before start-up, its links count as unknown schemes,
    // which the engine would otherwise hand to the desktop after a real click.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    // The page looks as the runner shows it: the same theme for a page without a style
    // sheet of its own, the same initials for items without an icon.
    PageLook::AddTo(scripts());
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl& Origin, Feature What) {
                setFeaturePermission(Origin, What, PermissionDeniedByUser);
            });
}

bool PreviewPage::Refused(const QUrl& Url) {
    // The scheme leads the text, so this sees "qt:" and "qtc:" whatever the rest holds.
    return Url.toString().startsWith(QLatin1String("qt"));
}

bool PreviewPage::acceptNavigationRequest(const QUrl& Url, NavigationType, bool) {
    if (!Refused(Url))
        return true;
    emit NavigationRefused(Url);
    return false;
}

QWebEnginePage* PreviewPage::createWindow(WebWindowType) {
    return new WindowRequest(profile(), this);
}
