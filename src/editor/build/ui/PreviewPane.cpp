#include "PreviewPane.h"

#include "build/ui/PreviewPage.h"
#include "components/platform/BrowserEngine.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

namespace {
const QByteArray Schemes[] = {QByteArrayLiteral("qt"), QByteArrayLiteral("qtc")};

// Anything of the page that still asks the engine for a "qt" address (an image, a
// frame) gets nothing: those addresses are commands, not content.
class RefuseScheme : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* Job) override {
        Job->fail(QWebEngineUrlRequestJob::RequestDenied);
    }
};

void InstallSchemeHandlers(QWebEngineProfile* Profile) {
    for (const QByteArray& scheme : Schemes) {
        if (QWebEngineUrlScheme::schemeByName(scheme).name().isEmpty() ||
            Profile->urlSchemeHandler(scheme))
            continue;
        Profile->installUrlSchemeHandler(scheme, new RefuseScheme(Profile));
    }
}
} // namespace

void PreviewPane::RegisterUrlSchemes() {
    for (const QByteArray& name : Schemes) {
        if (!QWebEngineUrlScheme::schemeByName(name).name().isEmpty())
            continue;
        QWebEngineUrlScheme scheme(name);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

PreviewPane::PreviewPane(QWidget* Parent) : QWidget(Parent) {
    setObjectName(QStringLiteral("PreviewPane"));
    BrowserEngine::FollowDesktopColourScheme();
    WB = new QWebEngineView(this);
    WB->setObjectName(QStringLiteral("WB"));
    WB->setAccessibleName(tr("Page preview"));
    Page = new PreviewPage(WB);
    InstallSchemeHandlers(Page->profile());
    WB->setPage(Page);
    lblWBStat = new QLabel(this);
    lblWBStat->setObjectName(QStringLiteral("lblWBStat"));
    lblWBStat->setTextFormat(Qt::PlainText);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(WB, 1);
    layout->addWidget(lblWBStat);

    connect(Page, &QWebEnginePage::linkHovered, lblWBStat, &QLabel::setText);
    connect(Page, &PreviewPage::NavigationRefused, this, &PreviewPane::NavigationRefused);
}

void PreviewPane::Navigate(const QUrl& Url) {
    lblWBStat->clear(); // the link it named belongs to the page being left
    WB->setUrl(Url);
}
