#pragma once

#include <QByteArray>

class QWindow;

// Brings a window of ours to the front at another program's request: un-minimised, raised
// and focused. X11: asked of the window manager with _NET_ACTIVE_WINDOW, as a pager asks,
// which window managers honour over their focus-stealing rules. Wayland: with the
// activation token the desktop gave the process that asked (XDG_ACTIVATION_TOKEN); without
// one the compositor may only mark the window as wanting attention.
namespace WindowActivation {
void Activate(QWindow* Window, const QByteArray& Token);
} // namespace WindowActivation
