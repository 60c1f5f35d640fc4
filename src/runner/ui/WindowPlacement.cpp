#include "WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {
// How long a page's new size is held against the window manager's own answers.
constexpr int SettleMs = 5000;
// A frame that settles without a further event is looked at again after this.
constexpr int FrameRecheckMs = 250;
} // namespace

WindowPlacement::WindowPlacement(QWidget& Window) : QObject(&Window), Window(Window) {
    Window.installEventFilter(this);
}

void WindowPlacement::SetOuterSize(std::optional<int> Width, std::optional<int> Height) {
    if (!IsNormalSize())
        return;
    if (Width)
        WantedOuter.setWidth(*Width);
    if (Height)
        WantedOuter.setHeight(*Height);
    SizeAsked.start();
    ApplyOuterSize();
}

bool WindowPlacement::IsNormalSize() const {
    return !(Window.windowState() &
             (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
}

QMargins WindowPlacement::FrameMargins() const {
    const QRect outer = Window.frameGeometry(), inner = Window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// A huge window is memory the engine must paint into, and of no use to anybody.
QSize WindowPlacement::OuterTarget() const {
    const QSize free = Window.screen()->availableGeometry().size();
    const QSize now = Window.frameGeometry().size();
    return QSize(
        qMin(WantedOuter.width() > 0 ? WantedOuter.width() : now.width(), free.width()),
        qMin(WantedOuter.height() > 0 ? WantedOuter.height() : now.height(), free.height()));
}

// The page gives the outer size; Qt sizes the client area.
void WindowPlacement::ApplyOuterSize() {
    AppliedFrame = FrameMargins();
    if (!IsNormalSize())
        return;
    const QSize outer = OuterTarget();
    Window.resize(qMax(1, outer.width() - AppliedFrame.left() - AppliedFrame.right()),
                  qMax(1, outer.height() - AppliedFrame.top() - AppliedFrame.bottom()));
    KeepOnScreen();
}

void WindowPlacement::KeepOnScreen() {
    if (!IsNormalSize())
        return;
    const QRect free = Window.screen()->availableGeometry();
    const QRect outer = Window.frameGeometry();
    const QPoint place(
        qBound(free.left(), outer.left(), qMax(free.left(), free.right() - outer.width() + 1)),
        qBound(free.top(), outer.top(), qMax(free.top(), free.bottom() - outer.height() + 1)));
    if (place != outer.topLeft())
        Window.move(place);
}

bool WindowPlacement::eventFilter(QObject* Watched, QEvent* Event) {
    switch (Event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowActivate:
    case QEvent::UpdateRequest:
        WindowMaybeMoved(); // the window's geometry is already the new one
        break;
    default:
        break;
    }
    return QObject::eventFilter(Watched, Event);
}

// While a page's size is new, it is made the outer size again; later a frame that changes
// only keeps the window on the screen. A title bar above the screen, where nobody could
// reach it, is brought back whenever it lands there.
void WindowPlacement::WindowMaybeMoved() {
    if (!Window.isVisible())
        return;
    const bool frameChanged = FrameMargins() != AppliedFrame;
    const bool settling = SizeAsked.isValid() && SizeAsked.elapsed() < SettleMs;
    // However it came to be larger (its first size on a small screen or at 200 %), the
    // window is made to fit the screen's free area, once it can be.
    const QSize outer = Window.frameGeometry().size();
    const QSize fitting = outer.boundedTo(Window.screen()->availableGeometry().size());
    const bool tooLarge = outer != fitting && Window.minimumSize().boundedTo(fitting) ==
                                                  Window.minimumSize();
    if (IsNormalSize() &&
        (tooLarge || (settling && (frameChanged || outer != OuterTarget())))) {
        ApplyOuterSize();
    } else if (frameChanged ||
               Window.frameGeometry().top() < Window.screen()->availableGeometry().top()) {
        AppliedFrame = FrameMargins();
        KeepOnScreen();
    }
    if (frameChanged)
        QTimer::singleShot(FrameRecheckMs, this, &WindowPlacement::WindowMaybeMoved);
}
