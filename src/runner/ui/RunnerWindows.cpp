#include "RunnerWindows.h"

#include "components/dialogs/QtUserDialogs.h"
#include "components/platform/FileSystem.h"
#include "components/platform/WindowActivation.h"
#include "core/InstanceServer.h"
#include "core/LastPage.h"
#include "core/LinkHandler.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWindow>

struct RunnerWindows::Window {
    QtUserDialogs Dialogs;
    frmMain* W = nullptr;
};

RunnerWindows::RunnerWindows(LaunchPort& Launch, int ListeningDescriptor)
    : Launch(Launch), Server(new InstanceServer(ListeningDescriptor, this)) {
    // Hidden windows keep the process: it ends when the last window is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    connect(Server, &InstanceServer::Requested, this, &RunnerWindows::Handle);
}

RunnerWindows::~RunnerWindows() {
    for (const auto& shown : Shown) {
        shown->W->removeEventFilter(this);
        disconnect(shown->W, nullptr, this, nullptr);
        delete shown->W;
    }
    LastPage::Flush();
}

frmMain* RunnerWindows::Showing(const QString& Page) const {
    const bool welcome = !FileSystem::IsRegularFile(Page);
    for (const auto& shown : Shown) {
        const QString current = shown->W->CurFile();
        if (welcome ? current.isEmpty() : LinkHandler::SamePath(current, Page))
            return shown->W;
    }
    return nullptr;
}

void RunnerWindows::Handle(const InstanceRequest& Request) {
    using Verb = InstanceRequest::Verb;
    if (Request.What == Verb::Toggle) {
        Toggle(Request.Page, Request.Activation);
    } else if (frmMain* shown = Request.What == Verb::Open ? Showing(Request.Page) : nullptr) {
        Raise(shown, Request.Activation);
    } else {
        Raise(Open(Request.Page), Request.Activation);
    }
}

frmMain* RunnerWindows::Open(const QString& Page) {
    auto made = std::make_unique<Window>();
    frmMain* window = made->W = new frmMain(made->Dialogs, Launch);
    made->Dialogs.SetOwner(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this, window] { Forget(window); });
    auto* page = window->findChild<QWebEngineView*>(QStringLiteral("WB"))->page();
    connect(page, &QWebEnginePage::loadFinished, window, [this, window] { Remember(window); });
    Shown.insert(Shown.begin(), std::move(made));
    window->show();
    window->Form_Load(Page.isEmpty() ? QStringList() : QStringList{Page});
    return window;
}

// Hides the window when it is the one in front; else brings it there. A page no window
// shows gets one.
void RunnerWindows::Toggle(const QString& Page, const QByteArray& Token) {
    const QString page = Page.isEmpty() ? LastPage::Read() : Page;
    frmMain* shown = Showing(page);
    if (!shown && Page.isEmpty() && !Shown.empty())
        shown = Shown.front()->W;
    if (!shown)
        return Raise(Open(page), Token);
    const bool inFront = shown->isVisible() && !shown->isMinimized() && shown->isActiveWindow();
    if (inFront)
        shown->hide();
    else
        Raise(shown, Token);
}

void RunnerWindows::Raise(frmMain* Shown, const QByteArray& Token) {
    if (Shown->isMinimized())
        Shown->setWindowState(Shown->windowState() & ~Qt::WindowMinimized);
    Shown->show();
    Shown->raise();
    Shown->activateWindow();
    WindowActivation::Activate(Shown->windowHandle(), Token);
}

void RunnerWindows::Remember(frmMain* Window) {
    if (Window->isActiveWindow() && !Window->CurFile().isEmpty())
        LastPage::Remember(QFileInfo(Window->CurFile()).absoluteFilePath());
}

bool RunnerWindows::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::WindowActivate) {
        auto* window = static_cast<frmMain*>(Watched);
        const auto it = std::find_if(Shown.begin(), Shown.end(),
                                     [window](const auto& w) { return w->W == window; });
        if (it != Shown.end())
            std::rotate(Shown.begin(), it, it + 1);
        Remember(window);
    }
    return QObject::eventFilter(Watched, Event);
}

void RunnerWindows::Forget(frmMain* Closed) {
    const auto it = std::find_if(Shown.begin(), Shown.end(),
                                 [Closed](const auto& w) { return w->W == Closed; });
    if (it == Shown.end())
        return;
    (*it)->W = nullptr;
    Shown.erase(it);
    if (Shown.empty())
        QCoreApplication::quit();
}
