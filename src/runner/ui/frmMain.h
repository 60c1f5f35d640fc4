#pragma once

#include "components/ConfigStore.h"
#include "core/LinkHandler.h"
#include "core/RunnerWindow.h"

#include <QElapsedTimer>
#include <QUrl>
#include <QWidget>
#include <memory>

class BrowserPage;
class FindLearning;
class ItemMarks;
class LaunchPort;
class LiveReload;
class QLabel;
class QLineEdit;
class QStatusBar;
class QWebEngineProfile;
class QWebEngineView;
class UserDialogs;
class WindowPlacement;

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

signals:
    // A navigation the link handler decided on; for tests and benchmarks.
    void NavigationDecided(const QString& Url, bool Proceed);

protected:
    void closeEvent(QCloseEvent* Event) override;

private:
    bool BeforeNavigate2(const QUrl& Url, int Type, bool MainFrame);
    bool IsOwnNavigation(const QUrl& Url);
    void ShowWelcomePage();
    void AddShortcuts();
    void CloseIfAllowed();
    void KeepPageShown(const QUrl& Url);
    void PageLoaded(bool Ok);

    // The controls, found by these names (tests do so too).
    QWebEngineView* WB;
    QLineEdit* txtEC;
    QStatusBar* stat;
    QLabel* imgIcon;
    ConfigStore CF;

    bool Start = false;
    bool ReadyToClose = true;
    QString APath;

    UserDialogs& Dialogs;
    LinkHandler Links;
    WindowPlacement* Placement;
    LiveReload* Reloader;
    ItemMarks* Marks;
    QWebEngineProfile* Profile;
    BrowserPage* Page;
    std::unique_ptr<FindLearning> Learning;
    QString CurrentFile;
    QString LastOpened; // the open dialog starts from here
    QUrl PendingOwn;    // the navigation the runner itself started last
    QElapsedTimer LastRestore;
    bool CloseCommandRemoved = false;
};
