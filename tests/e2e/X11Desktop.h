#pragma once

// A real X server and window manager of a test's own, and what the window manager says
// of the windows on it.
#include "support/Leftovers.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtGui/qguiapplication_platform.h>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/prctl.h>
#include <xcb/xcb.h>

inline xcb_atom_t InternAtom(xcb_connection_t* C, const char* Name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(C, xcb_intern_atom(C, 0, uint16_t(strlen(Name)), Name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(r);
    return atom;
}

// Reads what the window manager says of windows, on the test's own X connection.
class Xprop {
public:
    Xprop()
        : C(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection()),
          Root(xcb_setup_roots_iterator(xcb_get_setup(C)).data->root) {}

    xcb_atom_t Atom(const char* Name) const { return InternAtom(C, Name); }
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
    qint64 Pid(xcb_window_t Window) const {
        return Words(Window, "_NET_WM_PID", XCB_ATOM_CARDINAL).value(0);
    }
    // Asks the window manager to minimise Window, as a user's click would.
    void Minimise(xcb_window_t Window) const {
        Ask(Window, "WM_CHANGE_STATE", 0, 3); // iconic
    }
    // Asks the window manager to close Window, as a task bar does.
    void Close(xcb_window_t Window) const {
        Ask(Window, "_NET_CLOSE_WINDOW", 1, 2); // from a pager
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
    // A client message to the window manager about Window, with one word of data set.
    void Ask(xcb_window_t Window, const char* Type, int Word, uint32_t Value) const {
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof event);
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = Window;
        event.type = Atom(Type);
        event.data.data32[Word] = Value;
        xcb_send_event(C, 0, Root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(C);
    }

    xcb_connection_t* C;
    xcb_window_t Root;
};

// An X server and a window manager of the test's own; DISPLAY points at them. They end
// with the test however it ends, and with the server every window of the programs it
// started: one left running would keep the test's output open, and the test waiting.
class Desktop {
public:
    // Marks the environment for Leftovers first; says on failure what is missing.
    bool Start() {
        Leftovers::MarkEnvironment();
        // No session bus on the test's desktop. Where the desktop's X11 bus launcher is
        // installed, each program on the display would otherwise start a bus through the X
        // server, and ask it (and the accessibility bus behind it) for answers that can take
        // tens of seconds on a busy machine. An address that cannot exist fails at once.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/quintor-test-session-bus");
        if (StartServers())
            return true;
        qCritical("no X server or window manager: Xvfb and openbox are needed");
        return false;
    }
    ~Desktop() {
        for (QProcess* p : {&Manager, &Server}) {
            p->kill();
            p->waitForFinished();
        }
        Leftovers::EndAll();
    }

private:
    bool StartServers() {
        for (QProcess* p : {&Server, &Manager})
            p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        // The server picks a free display and names it once it takes connections.
        Server.start("Xvfb",
                     {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!Server.waitForReadyRead(10000))
            return false;
        qputenv("DISPLAY", ":" + Server.readLine().trimmed());
        // What the window manager says of itself reaches the test's output: a failed start
        // is then explained, not only seen as windows that never get managed.
        Manager.setProcessChannelMode(QProcess::ForwardedChannels);
        Manager.start("openbox", {"--sm-disable", "--startup", "touch '" + ReadyMark() + "'"});
        return Manager.waitForStarted() && ManagerReady();
    }
    QString ReadyMark() const { return Marks.filePath("window-manager-ready"); }
    // A started window manager takes a while to take over the screen. It names itself on
    // the root window before it is done, and a window shown between then and the end of its
    // start was seen never to be managed (left unmapped). So the test begins once the
    // manager has run its start-up command, which it does when it is ready for windows.
    bool ManagerReady() {
        QDeadlineTimer deadline(60000);
        bool ready = false;
        while (!(ready = QFile::exists(ReadyMark())) && !deadline.hasExpired() &&
               Manager.state() == QProcess::Running)
            QThread::msleep(20);
        if (!ready)
            qCritical("the window manager did not take over the screen (%s)",
                      Manager.state() == QProcess::Running ? "still starting after 60 s"
                                                           : "it ended");
        return ready;
    }

    QTemporaryDir Marks;
    QProcess Server, Manager;
};
