// On a real X server with a real window manager: a program started with a run style gets its
// first window in that state (the styles that take no focus leave it where it was), and the
// runner's own window takes the size a page asks for as its outer size, within the screen.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "components/platform/Launcher.h"
#include "e2e/X11Desktop.h"
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
#include <QtTest>
#include <csignal>

using namespace DataRows;

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
        QTRY_VERIFY_WITH_TIMEOUT(x.Titled("own window") != 0, 60000);
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
        QTRY_COMPARE_WITH_TIMEOUT(x.Active(), xcb_window_t(Own.winId()), 15000);
        const QByteArray title = "styled " + QByteArray(QTest::currentDataTag());
        Started = title;
        // Through a shell, so the window belongs to a process below the started one.
        const QString program = TestFiles::TestBinDir() + "/showwindow";
        QVERIFY(Launcher::Open("/bin/sh", "-c \"'" + program + "' '" + title + "'\"", {},
                               Fetch<int>("Show"))
                    .Succeeded());
        xcb_window_t window = 0;
        QTRY_VERIFY_WITH_TIMEOUT((window = x.Titled(title)) != 0, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(x.State(window), State, 15000);
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
    Desktop desktop;
    if (!desktop.Start())
        return 1;
    qputenv("QT_QPA_PLATFORM", "xcb"); // for this test and the programs it starts
    BrowserPage::RegisterSchemes();
    QApplication app(argc, argv);
    TestX11Desktop test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_x11_desktop.moc"
