// The real runner program on a real X server with a window manager: one window per page,
// brought forward by a second start; --new-window; --toggle. A dead or lying channel and
// requests that are none are the instance test's, on the same pieces without a display.
#include "e2e/X11Desktop.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QRasterWindow>
#include <QtTest>

class TestOneWindow : public QObject {
    Q_OBJECT
    QRasterWindow Own; // has the focus when a runner is started
    QTemporaryDir Dir;
    QProcess First; // the runner that stays
    Xprop X;

    QString PageFile(const QString& Title) {
        const QString path = Dir.filePath(Title + ".htm");
        TestFiles::Write(path, "<html><head><title>" + Title.toUtf8() +
                                   "</title></head><body><h1>x</h1></body></html>");
        return path;
    }
    static QByteArray Caption(const QString& Title) { return Title.toUtf8() + " - Quintor"; }
    int Windows(const QString& Title) const { return int(X.AllTitled(Caption(Title)).size()); }
    QString Runner() const { return TestFiles::BinDir() + "/quintor2"; }
    // A later start: it hands its request over and ends at once.
    bool Again(const QStringList& Arguments) {
        QProcess again;
        again.start(Runner(), Arguments);
        return again.waitForFinished(15000) && again.exitStatus() == QProcess::NormalExit &&
               again.exitCode() == 0;
    }
    bool FocusOwn() {
        Own.requestActivate();
        return QTest::qWaitFor([this] { return X.Active() == xcb_window_t(Own.winId()); }, 5000);
    }
    bool StartFirst(const QString& Title) {
        First.start(Runner(), {"--", PageFile(Title)});
        return QTest::qWaitFor([&] { return Windows(Title) == 1; }, 30000);
    }
    void StopFirst() {
        First.kill();
        First.waitForFinished();
    }

private slots:
    void initTestCase() {
        Own.setTitle("own window");
        Own.resize(200, 100);
        Own.show();
        QTRY_VERIFY_WITH_TIMEOUT(X.Titled("own window") != 0, 60000);
    }
    void cleanup() { StopFirst(); }

    void secondStartRaisesTheWindow() {
        QVERIFY(StartFirst("Alpha"));
        const xcb_window_t alpha = X.Titled(Caption("Alpha"));
        QVERIFY(FocusOwn());
        // The same page by another name: the window there comes forward.
        QVERIFY(Again({Dir.path() + "/./Alpha.htm"}));
        QTRY_COMPARE_WITH_TIMEOUT(X.Active(), alpha, 5000);
        QCOMPARE(Windows("Alpha"), 1);
        // Minimised, it comes back.
        X.Minimise(alpha);
        QTRY_COMPARE_WITH_TIMEOUT(X.State(alpha), QString("min"), 5000);
        QVERIFY(Again({PageFile("Alpha")}));
        QTRY_COMPARE_WITH_TIMEOUT(X.State(alpha), QString("normal"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(X.Active(), alpha, 5000);
        // Another page: a second window of the same runner.
        QVERIFY(Again({PageFile("Beta")}));
        QTRY_COMPARE_WITH_TIMEOUT(Windows("Beta"), 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(X.Active(), X.Titled(Caption("Beta")), 5000);
        QCOMPARE(X.Words(X.Titled(Caption("Beta")), "_NET_WM_PID", XCB_ATOM_CARDINAL).value(0),
                 uint32_t(First.processId()));
        QCOMPARE(Windows("Alpha"), 1);
        // Unless another is asked for; the option is only one as the first word.
        QVERIFY(Again({"--new-window", PageFile("Alpha")}));
        QTRY_COMPARE_WITH_TIMEOUT(Windows("Alpha"), 2, 20000);
        QCOMPARE(First.state(), QProcess::Running);
    }

    // The toggle hides the window in front and shows it again; a window behind comes forward.
    void toggleHidesAndShows() {
        QVERIFY(StartFirst("Gamma"));
        const xcb_window_t gamma = X.Titled(Caption("Gamma"));
        QTRY_COMPARE_WITH_TIMEOUT(X.Active(), gamma, 5000);
        QVERIFY(Again({"--toggle"}));
        QTRY_COMPARE_WITH_TIMEOUT(Windows("Gamma"), 0, 5000);
        QVERIFY(Again({"--toggle"}));
        QTRY_COMPARE_WITH_TIMEOUT(Windows("Gamma"), 1, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(X.Active(), X.Titled(Caption("Gamma")), 5000);
        QVERIFY(FocusOwn());
        QVERIFY(Again({"--toggle"}));
        QTRY_COMPARE_WITH_TIMEOUT(X.Active(), X.Titled(Caption("Gamma")), 5000);
        QCOMPARE(Windows("Gamma"), 1);
        // The page shown last is kept for a toggle of a runner that is not there.
        StopFirst();
        QCOMPARE(TestFiles::Read(qEnvironmentVariable("XDG_STATE_HOME") + "/quintor/last-page"),
                 PageFile("Gamma").toUtf8() + "\n");
        First.start(Runner(), {"--toggle"});
        QTRY_COMPARE_WITH_TIMEOUT(Windows("Gamma"), 1, 30000);
    }
};

int main(int argc, char* argv[]) {
    Desktop desktop;
    if (!desktop.Start())
        return 1;
    // A session of the test's own: its runtime and state folders, an X11 display.
    QTemporaryDir session;
    const QString runtime = session.filePath("runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    qputenv("XDG_STATE_HOME", session.filePath("state").toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    TestOneWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_one_window.moc"
