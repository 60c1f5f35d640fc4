#pragma once

// A real X server and window manager of a test's own, and what the window manager says
// of the windows on it.
#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <QProcess>
#include <QtGui/qguiapplication_platform.h>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

// Reads what the window manager says of windows, on the test's own X connection.
class Xprop {
public:
    Xprop()
        : C(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection()),
          Root(xcb_setup_roots_iterator(xcb_get_setup(C)).data->root) {}

    xcb_atom_t Atom(const char* Name) const {
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(C, xcb_intern_atom(C, 0, uint16_t(strlen(Name)), Name), nullptr);
        const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(r);
        return atom;
    }
    QByteArray Raw(xcb_window_t Window, const char* Name, xcb_atom_t Type) const {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> r(
            xcb_get_property_reply(C, xcb_get_property(C, 0, Window, Atom(Name), Type, 0, 4096),
                                   nullptr),
            free);
        return r ? QByteArray(static_cast<const char*>(xcb_get_property_value(r.get())),
                              xcb_get_property_value_length(r.get()))
                 : QByteArray();
    }
    QList<uint32_t> Words(xcb_window_t Window, const char* Name, xcb_atom_t Type) const {
        const QByteArray raw = Raw(Window, Name, Type);
        const auto* words = reinterpret_cast<const uint32_t*>(raw.constData());
        return QList<uint32_t>(words, words + raw.size() / 4);
    }
    xcb_window_t Active() const {
        return Words(Root, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW).value(0);
    }
    // The managed windows with this title, in the order the window manager lists them.
    QList<xcb_window_t> AllTitled(const QByteArray& Title) const {
        QList<xcb_window_t> found;
        for (uint32_t w : Words(Root, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW))
            if (Raw(w, "_NET_WM_NAME", Atom("UTF8_STRING")) == Title)
                found << w;
        return found;
    }
    // The managed window with this title, or 0.
    xcb_window_t Titled(const QByteArray& Title) const { return AllTitled(Title).value(0, 0); }
    // Asks the window manager to minimise Window, as a user's click would.
    void Minimise(xcb_window_t Window) const {
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof event);
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = Window;
        event.type = Atom("WM_CHANGE_STATE");
        event.data.data32[0] = 3; // iconic
        xcb_send_event(C, 0, Root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(C);
    }
    // "max", "min" (iconic) or "normal".
    QString State(xcb_window_t Window) const {
        if (Words(Window, "WM_STATE", Atom("WM_STATE")).value(0) == 3)
            return "min";
        const QList<uint32_t> state = Words(Window, "_NET_WM_STATE", XCB_ATOM_ATOM);
        return state.contains(Atom("_NET_WM_STATE_MAXIMIZED_VERT")) &&
                       state.contains(Atom("_NET_WM_STATE_MAXIMIZED_HORZ"))
                   ? "max"
                   : "normal";
    }

private:
    xcb_connection_t* C;
    xcb_window_t Root;
};

// An X server and a window manager of the test's own; DISPLAY points at them.
class Desktop {
public:
    bool Start() {
        // The server picks a free display and names it once it takes connections.
        Server.start("Xvfb",
                     {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!Server.waitForReadyRead(10000))
            return false;
        qputenv("DISPLAY", ":" + Server.readLine().trimmed());
        Manager.start("openbox", {"--sm-disable"});
        return Manager.waitForStarted();
    }
    ~Desktop() {
        for (QProcess* p : {&Manager, &Server}) {
            p->kill();
            p->waitForFinished();
        }
    }

private:
    QProcess Server, Manager;
};
