#include "components/platform/WindowActivation.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <cstring>
#include <xcb/xcb.h>

namespace {
constexpr uint32_t FromPager = 2; // EWMH source indication: the user's own wish

xcb_atom_t Atom(xcb_connection_t* C, const char* Name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(C, xcb_intern_atom(C, 0, uint16_t(std::strlen(Name)), Name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

bool AskWindowManager(QWindow* Window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t* c = x11->connection();
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(Window->winId());
    event.type = Atom(c, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = FromPager;
    event.data.data32[1] = XCB_CURRENT_TIME;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    return true;
}
} // namespace

void WindowActivation::Activate(QWindow* Window, const QByteArray& Token) {
    if (!Window || !qGuiApp)
        return;
    if (AskWindowManager(Window))
        return;
    // The Wayland plugin activates with the token it finds here, once.
    if (!Token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", Token);
    Window->requestActivate();
}
