#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QSize>
#include <optional>

class QWidget;

// Where and how large the runner's window is: the outer size a page asks for, never larger
// than the screen's free area, and the whole window, title bar included, on the screen.
// The window manager adds its frame some time after the window is shown (and again when
// the close button goes) and may answer the first requests with a size of its own;
// nothing says so but the window's geometry, which this watches.
class WindowPlacement : public QObject {
public:
    explicit WindowPlacement(QWidget& Window);

    // The outer size a page asks for; a missing side keeps what the window has. Ignored
    // while the window is maximised or minimised.
    void SetOuterSize(std::optional<int> Width, std::optional<int> Height);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool IsNormalSize() const;
    QMargins FrameMargins() const;
    QSize OuterTarget() const;
    void ApplyOuterSize();
    void KeepOnScreen();
    void WindowMaybeMoved();

    QWidget& Window;
    QSize WantedOuter{0, 0}; // 0: the window's own
    QMargins AppliedFrame;   // the frame that size was applied with
    QElapsedTimer SizeAsked; // since a page last asked for a size
};
