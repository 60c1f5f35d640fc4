#include "frmMain.h"

#include "components/PictureFile.h"
#include "components/UserDialogs.h"
#include "components/platform/BrowserEngine.h"
#include "components/platform/FileSystem.h"
#include "components/platform/SystemPaths.h"
#include "core/InfoBlock.h"
#include "core/UseHistoryFile.h"
#include "ui/BrowserPage.h"
#include "ui/FindLearning.h"
#include "ui/ItemMarks.h"
#include "ui/LiveReload.h"
#include "ui/WindowColours.h"
#include "ui/WindowPlacement.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWindow>

// The icon lives in a static library: its resources are registered by hand.
static void InitRunnerResources() {
    Q_INIT_RESOURCE(runner);
}

namespace {
const QKeyCombination OpenKeys = Qt::CTRL | Qt::Key_O;

// A screen reader hears the runner's window as a window, named as its caption.
QAccessibleInterface* WindowAccessible(const QString& ClassName, QObject* Object) {
    if (ClassName == QLatin1String("frmMain") && Object && Object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(Object), QAccessible::Window);
    return nullptr;
}

// Every @NAME@ of the text replaced in one pass, so that a value is never searched again.
QString FillIn(const QString& Template, const QHash<QString, QString>& Values) {
    static const QRegularExpression field(QStringLiteral("@([A-Z]+)@"));
    QString out;
    qsizetype done = 0;
    for (auto found = field.globalMatch(Template); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        out += QStringView(Template).mid(done, match.capturedStart() - done);
        out += Values.value(match.captured(1), match.captured());
        done = match.capturedEnd();
    }
    out += QStringView(Template).mid(done);
    return out;
}
} // namespace

frmMain::frmMain(UserDialogs& Dialogs, LaunchPort& Launch, QWidget* Parent)
    : QWidget(Parent), Dialogs(Dialogs), Links(*this, Launch, Dialogs) {
    InitRunnerResources();
    static const bool accessible = (QAccessible::installFactory(WindowAccessible), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("QT"));
    setAccessibleName(QStringLiteral("Quintor"));

    BrowserEngine::FollowDesktopColourScheme();
    // Our own profile, in memory only: the engine keeps nothing between runs (the find
    // bar's history of starts is ours, kept apart).
    Profile = new QWebEngineProfile(this);
    BrowserPage::PrepareProfile(Profile);
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
    WB->setAccessibleName(tr("Launcher page"));
    txtEC = new QLineEdit(this);
    txtEC->setObjectName(QStringLiteral("txtEC"));
    txtEC->setPlaceholderText(tr("Parameters added to every item you start"));
    txtEC->setToolTip(tr("What you type here is added to the parameters of every "
                         "item you start from this page."));
    txtEC->setAccessibleName(tr("Extra parameters"));
    txtEC->setAccessibleDescription(txtEC->toolTip());
    stat = new QStatusBar(this);
    stat->setObjectName(QStringLiteral("stat"));
    stat->setAccessibleName(tr("Status"));
    stat->setSizeGripEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(WB, 1);
    layout->addWidget(txtEC);
    layout->addWidget(stat);
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
    connect(Page, &QWebEnginePage::loadFinished, this, &frmMain::PageLoaded);
    Learning = std::make_unique<FindLearning>(*Page, UseHistoryFile::DefaultPath());
    Links.WatchStarts([this](const QString& Link) { Learning->Started(CurrentFile, Link); });
    connect(Page, &QWebEnginePage::titleChanged, this, [this](const QString& Title) {
        setWindowTitle(Title + QStringLiteral(" - Quintor"));
        setAccessibleName(windowTitle());
    });
    connect(Page, &QWebEnginePage::linkHovered, this,
            [this](const QString& Url) { stat->showMessage(Url); });

    new WindowColours(*Page, *txtEC, *stat);
    Placement = new WindowPlacement(*this);
    Reloader = new LiveReload(*this, Page, stat);
    Marks = new ItemMarks(*this, Page);
    AddShortcuts();
    resize(455, 421);
}

// The page commands by keyboard; closing still asks whether the page lets the window close.
void frmMain::AddShortcuts() {
    const auto add = [this](const QKeySequence& Keys, void (frmMain::*Command)()) {
        connect(new QShortcut(Keys, this), &QShortcut::activated, this, Command);
    };
    add(QKeySequence(OpenKeys), &frmMain::OpenDialog);
    add(QKeySequence(Qt::Key_F5), &frmMain::Refresh);
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), &frmMain::CloseIfAllowed);
    add(QKeySequence(Qt::CTRL | Qt::Key_W), &frmMain::CloseIfAllowed);
}

void frmMain::CloseIfAllowed() {
    close();
}

frmMain::~frmMain() {
    Learning.reset();
    // The page must go before the profile it was made with.
    WB->setPage(nullptr);
    delete Page;
}

QString frmMain::WelcomeHtml() {
    QFile page(QStringLiteral(":/runner/welcome.html")),
        icon(QStringLiteral(":/runner/quintor.png"));
    if (!page.open(QIODevice::ReadOnly) || !icon.open(QIODevice::ReadOnly))
        return {};
    const auto text = [](const QString& Text) { return Text.toHtmlEscaped(); };
    return FillIn(
        QString::fromUtf8(page.readAll()),
        {{QStringLiteral("LANG"),
          text(tr("en", "the language code of these translations, as a page's lang attribute"))},
         {QStringLiteral("TITLE"), text(tr("Welcome!"))},
         {QStringLiteral("ABOUT"), text(tr("Quintor shows a launcher page made with Quintor "
                                           "Editor and starts the programs, documents and links "
                                           "on it."))},
         {QStringLiteral("OPEN"), text(tr("Open a launcher page…"))},
         {QStringLiteral("KEYS"), text(QKeySequence(OpenKeys).toString(QKeySequence::NativeText))},
         {QStringLiteral("ICON"), QString::fromLatin1(icon.readAll().toBase64())}});
}

void frmMain::Form_Load(const QStringList& Arguments) {
    ReadyToClose = true;
    Start = true;
    APath = SystemPaths::ProgramFolder();
    Learning->Load();
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
    // The page has the keyboard from the start: typing finds an item, Tab reaches them.
    WB->setFocus();
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

// The find bar of the open page learns which of its items the user starts most.
void frmMain::PageLoaded(bool Ok) {
    const QUrl shown = Page->url();
    if (Ok && shown.isLocalFile() && LinkHandler::SamePath(shown.toLocalFile(), CurrentFile))
        Learning->Teach(CurrentFile);
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
    request.Title = tr("Open a Quintor File");
    request.Filter = tr("HTML Files") + QStringLiteral(" (*.htm;*.html)|*.htm;*.html|") +
                     tr("All Files") + QStringLiteral(" (*.*)|*.*");
    request.FileName = LastOpened;
    request.MustExist = true;
    const std::optional<QString> chosen = Dialogs.FileDialog(request);
    if (!chosen || !FileSystem::IsRegularFile(*chosen))
        return;
    LastOpened = *chosen;
    CurrentFile = *chosen;
    Navigate2(QUrl::fromLocalFile(QFileInfo(*chosen).absoluteFilePath()));
    ProcInfo(*chosen);
}

// Each step stands alone: a setting the block lacks, or one that cannot be used (a size
// that is no number, a picture that cannot be read), leaves that part of the window as it is.
void frmMain::ProcInfo(const QString& Path) {
    CF.LoadText(InfoBlock::ReadBlock(Path));
    const InfoBlock::Settings settings = InfoBlock::Read(CF);
    RemoveCloseCommand(!settings.Closable, !settings.Closable);
    ReadyToClose = settings.Closable;
    txtEC->setEnabled(settings.ExtraCommands);
    txtEC->setVisible(settings.ExtraCommands);
    Placement->SetOuterSize(std::nullopt, settings.Height);
    const QPixmap icon = settings.IconPath
                             ? QPixmap::fromImage(PictureFile::Load(*settings.IconPath))
                             : imgIcon->pixmap();
    if (!icon.isNull())
        setWindowIcon(QIcon(icon));
    if (settings.StartMaximised)
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    Placement->SetOuterSize(settings.Width, std::nullopt);
    Form_Resize();
}

// The browser above the extra-commands box (while shown) above the status bar, all as
// wide as the window: the layout's work, done now.
void frmMain::Form_Resize() {
    layout()->activate();
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
    Reloader->Reload();
}

void frmMain::closeEvent(QCloseEvent* Event) {
    if (ReadyToClose)
        Event->accept();
    else
        Event->ignore();
}
