#pragma once

#include "ConfigStore.h"
#include "LinkHandler.h"
#include "RunnerWindow.h"

#include <QElapsedTimer>
#include <QMargins>
#include <QUrl>
#include <QWidget>

class BrowserPage;
class LaunchPort;
class QLabel;
class QLineEdit;
class QStatusBar;
class QWebEngineProfile;
class QWebEngineView;
class UserDialogs;

// The runner's one window: the page in a browser, the extra-commands box above the
// status bar, and the window rules a page's info block sets.
class frmMain : public QWidget, public RunnerWindow {
    Q_OBJECT
public:
    frmMain(UserDialogs& Dialogs, LaunchPort& Launch, QWidget* Parent = nullptr);
    ~frmMain() override;

    // Start-up: the arguments form one page path, every double quote removed.
    void Form_Load(const QStringList& Arguments);
    void Form_Resize();
    void RemoveCloseCommand(bool RemoveSeparator, bool RemoveClose);
    // Navigates the browser to a page the runner opens itself.
    void Navigate2(const QUrl& Url);

    // RunnerWindow
    QString CurFile() const override { return CurrentFile; }
    void SetCurFile(const QString& Path) override { CurrentFile = Path; }
    QUrl LocationURL() const override;
    QString ApplicationPath() const override { return APath; }
    QString InfoValue(const QString& Key) const override { return CF.GetValue(Key); }
    bool ExtraCommandsVisible() const override;
    QString ExtraCommandsText() const override;
    void OpenDialog() override;
    void ProcInfo(const QString& Path) override;
    void Minimise() override;
    void ToggleMaximise() override;
    void Exit() override;
    void Refresh() override;

    // The welcome page shown when no page is named.
    static QString WelcomeHtml();

    QWebEngineView* WB;
    QLineEdit* txtEC;
    QStatusBar* stat;
    QLabel* imgIcon;
    ConfigStore CF;

    bool Start = false;
    bool ReadyToClose = true;
    QString APath;

signals:
    // A navigation the link handler decided on; for tests and benchmarks.
    void NavigationDecided(const QString& Url, bool Proceed);

protected:
    void resizeEvent(QResizeEvent* Event) override;
    bool event(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    bool BeforeNavigate2(const QUrl& Url, int Type, bool MainFrame);
    bool IsOwnNavigation(const QUrl& Url);
    void SetOuterSize(std::optional<int> Width, std::optional<int> Height);
    bool IsNormalSize() const;
    QMargins FrameMargins() const;
    QSize OuterTarget() const;
    void ApplyOuterSize();
    void KeepOnScreen();
    void WindowMaybeMoved();
    void ShowWelcomePage();
    void KeepPageShown(const QUrl& Url);

    UserDialogs& Dialogs;
    LinkHandler Links;
    QWebEngineProfile* Profile;
    BrowserPage* Page;
    QString CurrentFile;
    QString LastOpened; // the open dialog starts from here
    QUrl PendingOwn;    // the navigation the runner itself started last
    QElapsedTimer LastRestore;
    QSize WantedOuter{0, 0}; // the outer size pages asked for; 0: the window's own
    QMargins AppliedFrame;   // the frame that size was applied with
    QElapsedTimer SizeAsked; // since a page last asked for a size
    static constexpr int SettleMs = 5000;
    bool CloseCommandRemoved = false;
};
