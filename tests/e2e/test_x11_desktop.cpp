// On a real X server with a real window manager: a program started with a run style gets its
// first window in that state (the styles that take no focus leave it where it was), and the
// runner's own window takes the size a page asks for as its outer size, within the screen.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "components/platform/Launcher.h"
#include "runner/RunnerPages.h"
#include "support/DataRows.h"
#include "support/Leftovers.h"
#include "support/TestFiles.h"
#include "ui/BrowserPage.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QProcess>
#include <QRasterWindow>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>
#include <QtTest>
#include <csignal>
#include <sys/prctl.h>
#include <xcb/xcb.h>

using namespace DataRows;

namespace {
xcb_atom_t InternAtom(xcb_connection_t* C, const char* Name) {
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
    // The managed window with this title, or 0.
    xcb_window_t Titled(const QByteArray& Title) const {
        for (uint32_t w : Words(Root, "_NET_CLIENT_LIST", XCB_ATOM_WINDOW))
            if (Raw(w, "_NET_WM_NAME", Atom("UTF8_STRING")) == Title)
                return w;
        return 0;
    }
    qint64 Pid(xcb_window_t Window) const {
        return Words(Window, "_NET_WM_PID", XCB_ATOM_CARDINAL).value(0);
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

    // Asks the window manager to close a window, as a task bar does.
    void Close(xcb_window_t Window) const {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = Window;
        event.type = Atom("_NET_CLOSE_WINDOW");
        event.data.data32[1] = 2; // from a pager
        xcb_send_event(C, 0, Root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(C);
    }

private:
    xcb_connection_t* C;
    xcb_window_t Root;
};

// An X server and a window manager of the test's own; DISPLAY points at them. They end
// with the test however it ends, and with the server every window of the programs it
// started: one left running would keep the test's output open, and the test waiting.
class Desktop {
public:
    bool Start() {
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
        Manager.start("openbox", {"--sm-disable"});
        return Manager.waitForStarted() && ManagerReady();
    }
    ~Desktop() {
        for (QProcess* p : {&Manager, &Server}) {
            p->kill();
            p->waitForFinished();
        }
        Leftovers::EndAll();
    }

private:
    // A started window manager takes a while to take over the screen; a window shown before
    // that is adopted later, and on a busy machine later than a test waits. So the test
    // begins once the manager names itself on the root window, as the conventions have it.
    bool ManagerReady() {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        bool ready = false;
        if (!xcb_connection_has_error(c)) {
            const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
            const xcb_atom_t check = InternAtom(c, "_NET_SUPPORTING_WM_CHECK");
            QDeadlineTimer deadline(60000);
            while (!(ready = SupportingWindow(c, root, check) != 0) && !deadline.hasExpired() &&
                   Manager.state() == QProcess::Running)
                QThread::msleep(50);
        }
        xcb_disconnect(c);
        if (!ready)
            qCritical("the window manager did not take over the screen (%s)",
                      Manager.state() == QProcess::Running ? "still starting after 60 s"
                                                           : "it ended");
        return ready;
    }
    static xcb_window_t SupportingWindow(xcb_connection_t* C, xcb_window_t Root, xcb_atom_t Check) {
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            C, xcb_get_property(C, 0, Root, Check, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const xcb_window_t window =
            r && xcb_get_property_value_length(r) == 4
                ? *static_cast<const xcb_window_t*>(xcb_get_property_value(r))
                : 0;
        free(r);
        return window;
    }

    QProcess Server, Manager;
};
} // namespace

class TestX11Desktop : public QObject {
    Q_OBJECT
    QRasterWindow Own; // the window that has the focus when a program is started
    QTemporaryDir Dir;
    QByteArray Started; // the title of the window a row started

private slots:
    // Each row starts from the test's own window alone: a window left from the row before
    // could take the focus the window manager hands on.
    void cleanup() {
        Xprop x;
        if (const xcb_window_t window = Started.isEmpty() ? 0 : x.Titled(Started))
            ::kill(pid_t(x.Pid(window)), SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(Started.isEmpty() || x.Titled(Started) == 0, 5000);
        Started.clear();
    }

    void initTestCase() {
        Xprop x;
        Own.setTitle("own window");
        Own.resize(200, 100);
        Own.show();
        // Listed once the window manager is up and manages it.
        QTRY_VERIFY_WITH_TIMEOUT(x.Titled("own window") != 0, 20000);
        Own.requestActivate();
        QTRY_COMPARE_WITH_TIMEOUT(x.Active(), xcb_window_t(Own.winId()), 5000);
    }

    void firstWindowGetsTheStyle_data() {
        // KeepsFocus: the test's own window keeps the focus.
        Columns<int, QString, bool>({"Show", "State", "KeepsFocus"});
        Row("maxfocus", Launcher::Show::MaximisedFocus, "max", false);
        Row("minfocus", Launcher::Show::MinimisedFocus, "min", false);
        Row("normalnofocus", Launcher::Show::NormalNoFocus, "normal", true);
        Row("hidden", Launcher::Show::ForceMinimised, "min", false);
        Row("normal", Launcher::Show::Normal, "normal", false);
    }
    void firstWindowGetsTheStyle() {
        const QString State = Fetch("State");
        Xprop x;
        Own.requestActivate();
        QTRY_COMPARE_WITH_TIMEOUT(x.Active(), xcb_window_t(Own.winId()), 5000);
        const QByteArray title = "styled " + QByteArray(QTest::currentDataTag());
        Started = title;
        // Through a shell, so the window belongs to a process below the started one.
        const QString program = TestFiles::TestBinDir() + "/showwindow";
        QVERIFY(Launcher::Open("/bin/sh", "-c \"'" + program + "' '" + title + "'\"", {},
                               Fetch<int>("Show"))
                    .Succeeded());
        xcb_window_t window = 0;
        QTRY_VERIFY_WITH_TIMEOUT((window = x.Titled(title)) != 0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(x.State(window), State, 5000);
        QTest::qWait(800); // the window manager's own focus change has come and gone
        QCOMPARE(x.State(window), State);
        if (Fetch<bool>("KeepsFocus"))
            QCOMPARE(x.Active(), xcb_window_t(Own.winId()));
        else if (State != "min")
            QCOMPARE(x.Active(), window);
    }

    void runnerWindowFitsTheScreen_data() {
        // Later: opened through the open dialog after start-up; Outer empty: the screen's
        // free area.
        Columns<QString, bool, QSize>({"Info", "Later", "Outer"});
        Row("opened later", "Height=300|Width=400", true, QSize(400, 300));
        Row("larger than the screen", "Height=32767|Width=32767", false, QSize());
        Row("not closable", "Closable=False|Height=320|Width=420", false, QSize(420, 320));
    }
    void runnerWindowFitsTheScreen() {
        const QSize Outer = Fetch<QSize>("Outer");
        const QString page = Dir.filePath("page.htm");
        QVERIFY(TestFiles::Write(page, "<html><body>x</body></html>\r\n<!-- Quintor info:\r\n" +
                                           Fetch("Info").replace('|', "\r\n").toUtf8() +
                                           "\r\n-->"));
        ScriptedUserDialogs dialogs;
        RunnerPages::RecordingLaunchPort port;
        frmMain window(dialogs, port);
        window.move(30, 0); // where a frame added later would stick out above the screen
        window.show();
        dialogs.FileAnswers = {page};
        window.Form_Load(Fetch<bool>("Later") ? QStringList() : QStringList{page});
        if (Fetch<bool>("Later"))
            window.OpenDialog();
        const QRect free = window.screen()->availableGeometry();
        const QSize expected = Outer.isEmpty() ? free.size() : Outer;
        // The window manager's frame comes after the window is shown; the size includes it.
        QTRY_VERIFY_WITH_TIMEOUT(window.frameGeometry() != window.geometry(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(window.frameGeometry().size(), expected, 5000);
        QTest::qWait(300);
        QCOMPARE(window.frameGeometry().size(), expected);
        QVERIFY2(free.contains(window.frameGeometry()), QTest::toString(window.frameGeometry()));
    }

    // A page that may not be closed tells the window manager so (the Motif hints lose the
    // close function, which most window managers answer by dropping the close button), and
    // a close request that comes all the same (openbox keeps the button) does nothing.
    void unclosablePageRefusesToClose_data() {
        Columns<bool>({"Closable"});
        Row("closable", true);
        Row("not closable", false);
    }
    void unclosablePageRefusesToClose() {
        const bool Closable = Fetch<bool>("Closable");
        const QByteArray title = QTest::currentDataTag();
        const QString page = Dir.filePath("close.htm");
        QVERIFY(TestFiles::Write(page, "<title>" + title + "</title>x\r\n<!-- Quintor info:\r\n" +
                                           (Closable ? "" : "Closable=False\r\n") + "-->"));
        ScriptedUserDialogs dialogs;
        RunnerPages::RecordingLaunchPort port;
        frmMain window(dialogs, port);
        window.show();
        window.Form_Load({page});
        Xprop x;
        xcb_window_t managed = 0;
        QTRY_VERIFY_WITH_TIMEOUT((managed = x.Titled(title + " - Quintor")) != 0, 20000);
        constexpr uint32_t HasFunctions = 1, CloseFunction = 0x20;
        QTRY_VERIFY_WITH_TIMEOUT(
            !x.Words(managed, "_MOTIF_WM_HINTS", x.Atom("_MOTIF_WM_HINTS")).isEmpty(), 5000);
        const QList<uint32_t> hints =
            x.Words(managed, "_MOTIF_WM_HINTS", x.Atom("_MOTIF_WM_HINTS"));
        const bool mayClose = !(hints.value(0) & HasFunctions) || (hints.value(1) & CloseFunction);
        QCOMPARE(mayClose, Closable);
        x.Close(managed);
        if (Closable)
            QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
        QTest::qWait(500);
        QCOMPARE(window.isVisible(), !Closable);
    }
};

int main(int argc, char* argv[]) {
    Leftovers::MarkEnvironment();
    Desktop desktop;
    if (!desktop.Start()) {
        qCritical("no X server or window manager: Xvfb and openbox are needed");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb"); // for this test and the programs it starts
    BrowserPage::RegisterSchemes();
    QApplication app(argc, argv);
    TestX11Desktop test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_x11_desktop.moc"
