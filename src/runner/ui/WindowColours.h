#pragma once

#include <QObject>
#include <QVariantMap>

class QLineEdit;
class QStatusBar;
class QWebEnginePage;

// The runner's own parts below the page (the extra-commands box and the status bar) in the
// page's colours, so that a dark page does not end in a bright strip: the page's own
// background and text colours, or its theme's, read from the page each time one has
// loaded. A page that leaves its background to the engine leaves them in the desktop's.
class WindowColours : public QObject {
    Q_OBJECT
public:
    WindowColours(QWebEnginePage& Page, QLineEdit& Box, QStatusBar& Status);

    // Colours as the page script reports them ("#rrggbb" by role); none: the desktop's.
    void Apply(const QVariantMap& Colours);

private:
    void Read();

    QWebEnginePage& Page;
    QLineEdit& Box;
    QStatusBar& Status;
    QString Script;
};
