#include "frmMain.h"

#include "BrowserPage.h"
#include "FileSystem.h"
#include "InfoBlock.h"
#include "PictureFile.h"
#include "SystemPaths.h"
#include "Tolvik.h"
#include "UserDialogs.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWindow>

// The icon lives in a static library: its resources are registered by hand.
static void InitRunnerResources() {
    Q_INIT_RESOURCE(runner);
}

namespace {
// Each step of applying a page's settings stands alone: one that fails is skipped.
template <typename Step> void Attempt(Step&& Run) {
    try {
        Run();
    } catch (...) {
    }
}

const QString OpenFilter =
    QStringLiteral("HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
} // namespace

frmMain::frmMain(UserDialogs& Dialogs, LaunchPort& Launch, QWidget* Parent)
    : QWidget(Parent), Dialogs(Dialogs), Links(*this, Launch, Dialogs) {
    InitRunnerResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("QT"));

    // Our own profile, in memory only: the runner keeps nothing between runs.
    Profile = new QWebEngineProfile(this);
    BrowserPage::InstallSchemeHandler(Profile);
    connect(Profile, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest* Download) { Download->cancel(); });
    Page = new BrowserPage(Profile, this);
    Page->SetRule([this](const QUrl& Url, QWebEnginePage::NavigationType Type, bool MainFrame) {
        return BeforeNavigate2(Url, Type, MainFrame);
    });

    WB = new QWebEngineView(this);
    WB->setObjectName(QStringLiteral("WB"));
    WB->setPage(Page);
    WB->setContextMenuPolicy(Qt::NoContextMenu);
    txtEC = new QLineEdit(this);
    txtEC->setObjectName(QStringLiteral("txtEC"));
    stat = new QStatusBar(this);
    stat->setObjectName(QStringLiteral("stat"));
    stat->setSizeGripEnabled(false);
    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setPixmap(QPixmap(QStringLiteral(":/runner/quintor.png")));
    imgIcon->hide();
    setWindowIcon(QIcon(imgIcon->pixmap()));

    // The user's click reaches us from inside the engine's handling: act after it.
    connect(Page, &BrowserPage::LinkActivated, this,
            [this](const QString& Href, const QString& Address, bool MainFrame) {
                QTimer::singleShot(0, this, [this, Href, Address, MainFrame] {
                    Links.LinkActivated(Href, Address, MainFrame);
                });
            });
    connect(Page, &QWebEnginePage::urlChanged, this, &frmMain::KeepPageShown);
    connect(Page, &QWebEnginePage::titleChanged, this,
            [this](const QString& Title) { setWindowTitle(Title + QStringLiteral(" - Quintor")); });
    connect(Page, &QWebEnginePage::linkHovered, this,
            [this](const QString& Url) { stat->showMessage(Url); });

    resize(455, 421);
}

frmMain::~frmMain() {
    // The page must go before the profile it was made with.
    WB->setPage(nullptr);
    delete Page;
}

QString frmMain::WelcomeHtml() {
    return QStringLiteral("<title>Welcome!</title><h1>Quintor") +
           QStringLiteral("</h1><p>No file was specified.&nbsp; Please <a href=") +
           QLatin1Char('"') + QStringLiteral("qtc:open") + QLatin1Char('"') +
           QStringLiteral(">open</a> one.</p>");
}

void frmMain::Form_Load(const QStringList& Arguments) {
    ReadyToClose = true;
    Start = true;
    APath = SystemPaths::ProgramFolder();
    QString path = Arguments.join(QLatin1Char(' '));
    path.remove(QLatin1Char('"'));
    // A device or a FIFO is no page: one never ends, the other blocks its reader.
    if (FileSystem::IsRegularFile(path)) {
        CurrentFile = path;
        Navigate2(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        ProcInfo(path);
    } else {
        ShowWelcomePage();
    }
    Start = false;
}

void frmMain::ShowWelcomePage() {
    // The engine shows an "about:" address as text, so the page is given as content.
    PendingOwn = QUrl(QStringLiteral("data:"));
    Page->setHtml(WelcomeHtml());
}

// The engine replaces the page by a blank one, without asking, when the page sends it to
// an address longer than it accepts. The current page comes back; a page that keeps doing
// it gives way to the welcome page, so that even an unclosable page cannot leave the
// window blank for good.
void frmMain::KeepPageShown(const QUrl& Url) {
    if (Url.toString() != QLatin1String("about:blank#blocked"))
        return;
    if (CurrentFile.isEmpty() || (LastRestore.isValid() && LastRestore.elapsed() < 3000))
        return ShowWelcomePage();
    LastRestore.start();
    Navigate2(QUrl::fromLocalFile(QFileInfo(CurrentFile).absoluteFilePath()));
}

void frmMain::Navigate2(const QUrl& Url) {
    PendingOwn = Url;
    Page->load(Url);
}

bool frmMain::IsOwnNavigation(const QUrl& Url) {
    if (PendingOwn.isEmpty())
        return false;
    const bool own = PendingOwn.scheme() == QLatin1String("data")
                         ? Url.scheme() == QLatin1String("data")
                         : LinkHandler::UrlText(Url) == LinkHandler::UrlText(PendingOwn);
    if (own)
        PendingOwn.clear();
    return own;
}

bool frmMain::BeforeNavigate2(const QUrl& Url, int Type, bool MainFrame) {
    // The engine reports a navigation after the call that started it has returned, so
    // the runner's own navigations are recognised by their address, not by Start.
    if (Start || (MainFrame && IsOwnNavigation(Url)))
        return true;
    if (MainFrame && Type == QWebEnginePage::NavigationTypeReload)
        return true;
    LinkHandler::Decision decision = Links.BeforeNavigate2(Url, MainFrame);
    // Never open a dialog or read a page inside the engine's callback.
    if (decision.Then)
        QTimer::singleShot(0, this, std::move(decision.Then));
    emit NavigationDecided(LinkHandler::UrlText(Url), decision.Proceed);
    return decision.Proceed;
}

QUrl frmMain::LocationURL() const {
    return Page->url();
}

bool frmMain::ExtraCommandsVisible() const {
    return !txtEC->isHidden();
}

QString frmMain::ExtraCommandsText() const {
    return txtEC->text();
}

void frmMain::OpenDialog() {
    FileDialogRequest request;
    request.Title = QStringLiteral("Open a Quintor File");
    request.Filter = OpenFilter;
    request.FileName = LastOpened;
    request.MustExist = true;
    const std::optional<QString> chosen = Dialogs.FileDialog(request);
    if (!chosen || chosen->isEmpty() || !Tolvik::FileExists(*chosen))
        return;
    LastOpened = *chosen;
    CurrentFile = *chosen;
    Navigate2(QUrl::fromLocalFile(QFileInfo(*chosen).absoluteFilePath()));
    ProcInfo(*chosen);
}

void frmMain::ProcInfo(const QString& Path) {
    CF.LoadText(InfoBlock::ReadBlock(Path));
    const InfoBlock::Settings settings = InfoBlock::Read(CF);
    Attempt([&] {
        RemoveCloseCommand(!settings.Closable, !settings.Closable);
        ReadyToClose = settings.Closable;
    });
    Attempt([&] {
        txtEC->setEnabled(settings.ExtraCommands);
        txtEC->setVisible(settings.ExtraCommands);
    });
    Attempt([&] { SetOuterSize(std::nullopt, settings.Height); });
    Attempt([&] {
        QPixmap icon = settings.IconPath ? QPixmap::fromImage(PictureFile::Load(*settings.IconPath))
                                         : imgIcon->pixmap();
        if (!icon.isNull())
            setWindowIcon(QIcon(icon));
    });
    Attempt([&] {
        if (settings.StartMaximised)
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    });
    Attempt([&] { SetOuterSize(settings.Width, std::nullopt); });
    Attempt([&] { Form_Resize(); });
}

void frmMain::SetOuterSize(std::optional<int> Width, std::optional<int> Height) {
    if (!IsNormalSize())
        return;
    if (Width)
        WantedOuter.setWidth(*Width);
    if (Height)
        WantedOuter.setHeight(*Height);
    SizeAsked.start();
    ApplyOuterSize();
}

bool frmMain::IsNormalSize() const {
    return !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

QMargins frmMain::FrameMargins() const {
    const QRect outer = frameGeometry(), inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The outer size pages asked for, never larger than the screen's free area: a huge
// window is memory the engine must paint into, and of no use to anybody.
QSize frmMain::OuterTarget() const {
    const QSize free = screen()->availableGeometry().size();
    const QSize now = frameGeometry().size();
    return QSize(
        qMin(WantedOuter.width() > 0 ? WantedOuter.width() : now.width(), free.width()),
        qMin(WantedOuter.height() > 0 ? WantedOuter.height() : now.height(), free.height()));
}

// The page gives the outer size; Qt sizes the client area.
void frmMain::ApplyOuterSize() {
    AppliedFrame = FrameMargins();
    if (!IsNormalSize())
        return;
    const QSize outer = OuterTarget();
    resize(qMax(1, outer.width() - AppliedFrame.left() - AppliedFrame.right()),
           qMax(1, outer.height() - AppliedFrame.top() - AppliedFrame.bottom()));
    KeepOnScreen();
}

// The whole window, title bar included, within the screen's free area.
void frmMain::KeepOnScreen() {
    if (!IsNormalSize())
        return;
    const QRect free = screen()->availableGeometry();
    const QRect outer = frameGeometry();
    const QPoint place(
        qBound(free.left(), outer.left(), qMax(free.left(), free.right() - outer.width() + 1)),
        qBound(free.top(), outer.top(), qMax(free.top(), free.bottom() - outer.height() + 1)));
    if (place != outer.topLeft())
        move(place);
}

bool frmMain::event(QEvent* Event) {
    const bool handled = QWidget::event(Event);
    switch (Event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
        WindowMaybeMoved();
        break;
    default:
        break;
    }
    return handled;
}

// The window manager frames the window some time after it is shown, and may answer the
// first requests with a size of its own; nothing says so but the window's geometry. While
// a page's size is new, it is made the outer size again; later a frame that changes only
// keeps the window on the screen. A title bar above the screen, where nobody could reach
// it, is brought back whenever it lands there.
void frmMain::WindowMaybeMoved() {
    if (!isVisible())
        return;
    const bool frameChanged = FrameMargins() != AppliedFrame;
    const bool settling = SizeAsked.isValid() && SizeAsked.elapsed() < SettleMs;
    if (settling && IsNormalSize() && (frameChanged || frameGeometry().size() != OuterTarget())) {
        ApplyOuterSize();
    } else if (frameChanged || frameGeometry().top() < screen()->availableGeometry().top()) {
        AppliedFrame = FrameMargins();
        KeepOnScreen();
    }
    // A frame that settles without a further event of ours is caught a moment later.
    if (frameChanged)
        QTimer::singleShot(250, this, &frmMain::WindowMaybeMoved);
}

void frmMain::Form_Resize() {
    const int clientWidth = width();
    const int clientHeight = height();
    const int statHeight = stat->sizeHint().height();
    stat->setGeometry(0, clientHeight - statHeight, clientWidth, statHeight);
    int reserved = statHeight;
    if (!txtEC->isHidden()) {
        const int boxHeight = txtEC->sizeHint().height();
        reserved += boxHeight;
        txtEC->setGeometry(0, clientHeight - (statHeight + boxHeight), clientWidth, boxHeight);
    }
    WB->setGeometry(0, 0, clientWidth, qMax(0, clientHeight - reserved));
}

void frmMain::RemoveCloseCommand(bool, bool RemoveClose) {
    // There is no separate separator to remove here; the close button is the command.
    if (!RemoveClose || CloseCommandRemoved)
        return;
    CloseCommandRemoved = true;
    const Qt::WindowFlags flags = (windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint) &
                                  ~Qt::WindowCloseButtonHint;
    // Told to the window as it stands: setWindowFlags would make a new one, hidden first and
    // then shown wherever the window manager puts it (or, shown too soon, not at all).
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle())
        window->setFlags(flags);
}

void frmMain::Minimise() {
    setWindowState(windowState() | Qt::WindowMinimized);
}

void frmMain::ToggleMaximise() {
    // A minimised window comes back maximised, whatever it was before.
    const Qt::WindowStates state = windowState();
    if ((state & Qt::WindowMaximized) && !(state & Qt::WindowMinimized))
        setWindowState(Qt::WindowNoState);
    else
        setWindowState(Qt::WindowMaximized);
    Form_Resize();
}

void frmMain::Exit() {
    ReadyToClose = true;
    close();
}

void frmMain::Refresh() {
    Page->triggerAction(QWebEnginePage::Reload);
}

void frmMain::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    Form_Resize();
}

void frmMain::closeEvent(QCloseEvent* Event) {
    if (ReadyToClose)
        Event->accept();
    else
        Event->ignore();
}
