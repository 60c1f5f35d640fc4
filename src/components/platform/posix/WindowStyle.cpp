#include "components/platform/WindowStyle.h"

#include "components/platform/Launcher.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>
#include <array>
#include <cstring>
#include <xcb/xcb.h>

namespace {

constexpr int PollMs = 40;
// Long enough for a large program to show its first window, short enough that a
// window opened much later by hand is not restyled.
constexpr int WatchMs = 10000;
constexpr uint32_t IconicState = 3;
constexpr uint32_t FromPager = 2; // EWMH source indication: honoured like the user's own wish

// One X server connection (Qt's own) and the names we speak on it.
class X11 {
public:
    explicit X11(xcb_connection_t* Connection)
        : C(Connection), Root(xcb_setup_roots_iterator(xcb_get_setup(C)).data->root) {}

    xcb_atom_t Atom(const char* Name) const {
        auto known = Atoms.constFind(Name);
        if (known != Atoms.constEnd())
            return *known;
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            C, xcb_intern_atom(C, 0, uint16_t(std::strlen(Name)), Name), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        Atoms.insert(Name, atom);
        return atom;
    }

    QList<uint32_t> Property(xcb_window_t Window, const char* Name, xcb_atom_t Type) const {
        QList<uint32_t> values;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            C, xcb_get_property(C, 0, Window, Atom(Name), Type, 0, 4096), nullptr);
        if (reply && reply->format == 32) {
            const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
            values = QList<uint32_t>(data, data + xcb_get_property_value_length(reply) / 4);
        }
        free(reply);
        return values;
    }

    QList<uint32_t> ClientList() const {
        return Property(Root, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW);
    }
    xcb_window_t ActiveWindow() const {
        return Property(Root, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW).value(0, XCB_WINDOW_NONE);
    }
    qint64 WindowPid(xcb_window_t Window) const {
        return Property(Window, "_NET_WM_PID", XCB_ATOM_CARDINAL).value(0, 0);
    }

    // A request to the window manager about Window.
    void Ask(xcb_window_t Window, const char* Message, const std::array<uint32_t, 5>& Data) const {
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof event);
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = Window;
        event.type = Atom(Message);
        std::memcpy(event.data.data32, Data.data(), sizeof event.data.data32);
        xcb_send_event(C, 0, Root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(C);
    }

    void Maximise(xcb_window_t Window) const {
        constexpr uint32_t Add = 1;
        Ask(Window, "_NET_WM_STATE",
            {Add, Atom("_NET_WM_STATE_MAXIMIZED_VERT"), Atom("_NET_WM_STATE_MAXIMIZED_HORZ"),
             FromPager, 0});
    }
    void Minimise(xcb_window_t Window) const {
        Ask(Window, "WM_CHANGE_STATE", {IconicState, 0, 0, 0, 0});
    }
    void Activate(xcb_window_t Window) const {
        Ask(Window, "_NET_ACTIVE_WINDOW", {FromPager, XCB_CURRENT_TIME, 0, 0, 0});
    }

private:
    xcb_connection_t* C;
    xcb_window_t Root;
    mutable QHash<QByteArray, xcb_atom_t> Atoms;
};

// The parent of a process, from /proc; 0 when it is gone.
qint64 ParentOf(qint64 Pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(Pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.read(4096);
    // "pid (name) state ppid ...": the name may hold blanks and parentheses.
    return text.mid(text.lastIndexOf(')') + 2).split(' ').value(1).toLongLong();
}

bool IsSameOrBelow(qint64 Pid, qint64 Ancestor) {
    for (int depth = 0; Pid > 1 && depth < 32; ++depth, Pid = ParentOf(Pid))
        if (Pid == Ancestor)
            return true;
    return false;
}

class Watch : public QObject {
public:
    Watch(const X11& Server, qint64 Pid, int ShowCommand)
        : QObject(qApp), Server(Server), Pid(Pid), ShowCommand(ShowCommand),
          HadFocus(Server.ActiveWindow()) {
        const QList<uint32_t> existing = Server.ClientList();
        Known = QSet<uint32_t>(existing.begin(), existing.end());
        Age.start();
        connect(&Timer, &QTimer::timeout, this, &Watch::Look);
        Timer.start(PollMs);
    }

private:
    void Look() {
        for (uint32_t window : Server.ClientList()) {
            if (Known.contains(window))
                continue;
            const qint64 owner = Server.WindowPid(window);
            if (owner > 0 && IsSameOrBelow(owner, Pid)) {
                Style(window);
                return Finish();
            }
            if (owner > 0)
                Known.insert(window); // another program's window
        }
        if (Age.elapsed() > WatchMs)
            Finish();
    }

    void Style(xcb_window_t Window) {
        using namespace Launcher::Show;
        if (ShowCommand == MaximisedFocus) {
            Server.Maximise(Window);
            Server.Activate(Window);
        }
        if (ShowCommand == MinimisedFocus || ShowCommand == MinimisedNoFocus ||
            ShowCommand == ForceMinimised)
            Server.Minimise(Window);
        if (ShowCommand == NormalNoFocus || ShowCommand == MinimisedNoFocus)
            GiveFocusBack(Window);
    }

    // The window manager focuses a new window as it maps it, possibly after our first
    // request: ask again a little later while the new window still holds the focus.
    void GiveFocusBack(xcb_window_t Window) {
        if (HadFocus == XCB_WINDOW_NONE)
            return;
        const X11 server = Server;
        const xcb_window_t back = HadFocus;
        server.Activate(back);
        for (int delay : {150, 500})
            QTimer::singleShot(delay, qApp, [server, back, Window] {
                if (server.ActiveWindow() == Window)
                    server.Activate(back);
            });
    }

    void Finish() {
        Timer.stop();
        deleteLater();
    }

    X11 Server;
    qint64 Pid;
    int ShowCommand;
    xcb_window_t HadFocus;
    QSet<uint32_t> Known;
    QElapsedTimer Age;
    QTimer Timer;
};

} // namespace

void WindowStyle::Apply(qint64 Pid, int ShowCommand) {
    if (Pid <= 0 || ShowCommand == Launcher::Show::Normal || !qGuiApp)
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    new Watch(X11(x11->connection()), Pid, ShowCommand);
}
