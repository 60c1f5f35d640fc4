#include "LiveReload.h"

#include "core/LinkHandler.h"
#include "core/RunnerWindow.h"

#include <QJsonDocument>
#include <QLabel>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace {
// How long the page may take to say how it is shown before it is reloaded without that.
constexpr int SaveWaitMs = 150;

// Run in the runner's own script world: the page's own scripts never run. The view goes
// back where it was in the next frame, after the find bar has brought its highlight into view.
const QString SaveView =
    QStringLiteral("(function () { var f = window.quintorFinder;"
                   " return [window.scrollX, window.scrollY, f && f.text ? f.text() : null]; })()");
const QString RestoreView =
    QStringLiteral("(function (v) { var f = window.quintorFinder;"
                   " if (f && f.ready) f.ready();"
                   " if (typeof v[2] === 'string' && f && f.find) f.find(v[2]);"
                   " requestAnimationFrame(function () { window.scrollTo(v[0], v[1]); }); })(%1)");
} // namespace

LiveReload::LiveReload(RunnerWindow& Window, QWebEnginePage* Page, QStatusBar* Status)
    : QObject(Page), Window(Window), Page(Page), Note(new QLabel(GoneNote(), Status)) {
    Note->setObjectName(QStringLiteral("lblPageGone"));
    Note->hide();
    Status->addWidget(Note);
    connect(Page, &QWebEnginePage::loadFinished, this, &LiveReload::Loaded);
    connect(&Watch, &PageWatch::Changed, this, [this] {
        if (!ShowsCurrentPage())
            return Watch.Watch(QString());
        emit Reloading();
        Reload();
    });
    connect(&Watch, &PageWatch::GoneChanged, Note, &QWidget::setVisible);
}

QString LiveReload::GoneNote() {
    return tr("The page file is gone: shown as it was until it is back.");
}

bool LiveReload::ShowsCurrentPage() const {
    const QUrl shown = Page->url();
    return shown.isLocalFile() && LinkHandler::SamePath(shown.toLocalFile(), Window.CurFile());
}

void LiveReload::Reload() {
    if (Saving)
        return;
    Saving = true;
    QPointer<LiveReload> self(this);
    const auto go = [self](const QVariant& View) {
        if (!self || !self->Saving)
            return;
        self->Saving = false;
        self->Kept = View;
        self->ReloadedUrl = self->Page->url();
        self->Page->triggerAction(QWebEnginePage::Reload);
    };
    Page->runJavaScript(SaveView, QWebEngineScript::ApplicationWorld, go);
    // A page busy loading, or gone from the engine, may never answer.
    QTimer::singleShot(SaveWaitMs, this, [go] { go(QVariant()); });
}

void LiveReload::Loaded(bool Ok) {
    // A load that did not finish (one reload cut short by the next) changes nothing here.
    if (Ok)
        Watch.Watch(ShowsCurrentPage() ? Window.CurFile() : QString());
    const QVariant view = std::exchange(Kept, QVariant());
    if (Ok && view.isValid() && Page->url() == std::exchange(ReloadedUrl, QUrl()))
        Restore(view);
}

void LiveReload::Restore(const QVariant& View) {
    const QVariantList values = View.toList();
    if (values.size() != 3)
        return;
    const QByteArray json = QJsonDocument::fromVariant(values).toJson(QJsonDocument::Compact);
    Page->runJavaScript(RestoreView.arg(QString::fromUtf8(json)),
                        QWebEngineScript::ApplicationWorld);
}
