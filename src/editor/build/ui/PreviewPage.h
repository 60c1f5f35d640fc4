#pragma once

#include <QWebEnginePage>

// The preview's page: follows ordinary links inside the preview and refuses every link
// beginning "qt" (item links "qt:" and window commands "qtc:"), which only the runner
// carries out.
class PreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit PreviewPage(QObject* Parent = nullptr);

    static bool Refused(const QUrl& Url);

signals:
    void NavigationRefused(const QUrl& Url);

protected:
    bool acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool IsMainFrame) override;
    // A link that asks for a new window opens in the preview itself, by the same rules.
    QWebEnginePage* createWindow(WebWindowType Type) override;
};
