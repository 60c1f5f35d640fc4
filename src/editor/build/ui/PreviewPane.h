#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QWebEngineView;
class PreviewPage;

// The "P&review" tab's content: the browser view WB showing the preview page, and the
// status label lblWBStat under it naming the link under the mouse. The browser engine
// starts when the first pane is made, so the editor makes it on the first visit only.
class PreviewPane : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPane(QWidget* Parent = nullptr);

    // Makes the page's "qt" and "qtc" links reach the navigation check as links of
    // their own schemes. Must run before the application object exists.
    static void RegisterUrlSchemes();

    void Navigate(const QUrl& Url);
    void Blank() { Navigate(QUrl(QStringLiteral("about:blank"))); }

    QWebEngineView* WB;
    QLabel* lblWBStat;

signals:
    // A link the preview did not follow (an item or window command of the page).
    void NavigationRefused(const QUrl& Url);

private:
    PreviewPage* Page;
};
