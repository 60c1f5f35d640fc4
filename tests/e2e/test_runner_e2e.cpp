// The runner in the real engine: pages written in the editor's format, links clicked by
// script, programs really started (argrecorder writes down what it was given).
#include "../runner/RunnerPages.h"
#include "../runner/RunnerTestMain.h"
#include "ScriptedUserDialogs.h"
#include "TestFiles.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

using namespace RunnerPages;

class TestRunnerE2E : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString ArgsFile;

    QString Recorder() const { return TestFiles::TestBinDir() + QStringLiteral("/argrecorder"); }

    // A window showing Path, started the way the program starts.
    std::unique_ptr<frmMain> Open(ScriptedUserDialogs& Dialogs, RecordingLaunchPort& Port,
                                  const QString& Path) {
        auto window = std::make_unique<frmMain>(Dialogs, Port);
        QSignalSpy loaded(window->WB->page(), &QWebEnginePage::loadFinished);
        window->show();
        window->Form_Load(Path.isEmpty() ? QStringList() : QStringList{Path});
        if (!loaded.wait(20000))
            return nullptr;
        return window;
    }

    static void Click(frmMain& Window, const QString& Id) {
        Window.WB->page()->runJavaScript(
            QStringLiteral("document.getElementById('%1').click()").arg(Id));
    }

    static void Script(frmMain& Window, const QString& Code) {
        Window.WB->page()->runJavaScript(Code);
    }

    QStringList Recorded() const {
        return QString::fromUtf8(TestFiles::Read(ArgsFile)).split(QLatin1Char('\n'));
    }

private slots:
    void initTestCase() {
        QVERIFY(Dir.isValid());
        QVERIFY(QFileInfo(Recorder()).isExecutable());
        ArgsFile = Dir.filePath(QStringLiteral("args.txt"));
        qputenv("QUINTOR_ARGS_FILE", ArgsFile.toUtf8());
    }
    void init() { QFile::remove(ArgsFile); }

    void itemStartsWithItsParametersAndFolder_data() {
        QTest::addColumn<QString>("Params"); // as written in the href
        QTest::addColumn<QString>("Extra");  // the extra-commands box
        QTest::addColumn<QStringList>("Expected");
        QTest::newRow("comma") << "-a&amp;comma;b"
                               << "" << QStringList{"-a,b"};
        QTest::newRow("quoted blanks") << "&quot;two words&quot; x"
                                       << "" << QStringList{"two words", "x"};
        QTest::newRow("percent quote") << "%22a b%22"
                                       << "" << QStringList{"a b"};
        QTest::newRow("non-ASCII, empty pair") << QString::fromUtf8("Grüße &quot;&quot; z") << ""
                                               << QStringList{QString::fromUtf8("Grüße"), "", "z"};
        QTest::newRow("backslash, hash, query") << "C:\\x a#b ?c=d"
                                                << "" << QStringList{"C:\\x", "a#b", "?c=d"};
        QTest::newRow("extra commands") << "-a&amp;comma;b"
                                        << "-v" << QStringList{"-a,b", "-v"};
    }
    void itemStartsWithItsParametersAndFolder() {
        QFETCH(QString, Params);
        QFETCH(QString, Extra);
        QFETCH(QStringList, Expected);
        const QString folder = Dir.filePath(QString::fromUtf8("Start in ö"));
        QVERIFY(QDir().mkpath(folder));
        const QString page = Dir.filePath(QStringLiteral("items.htm"));
        QVERIFY(WritePage(
            page, Page(QStringLiteral("Items"),
                       {{"rec", "qt:" + Recorder() + "," + Params + "," + folder + ",maxfocus"}},
                       {"Height=300", "Width=400"})));
        ScriptedUserDialogs dialogs;
        RecordingLaunchPort port;
        port.PassOn = true;
        auto window = Open(dialogs, port, page);
        QVERIFY(window);
        window->txtEC->setText(Extra);
        Click(*window, "rec");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ArgsFile), 10000);
        QStringList lines = Recorded();
        QCOMPARE(lines.takeFirst(), folder);
        QCOMPARE(lines.takeLast(), QString()); // the final line break
        QCOMPARE(lines, Expected);
        QCOMPARE(port.Calls.size(), 1);
        QCOMPARE(port.Calls[0].ShowCommand, 3);
        QVERIFY(dialogs.Messages.isEmpty());
        QVERIFY(!window->isMinimized());
    }

    void minimiseOnUseAndMissingProgram() {
        const QString page = Dir.filePath(QStringLiteral("min.htm"));
        QVERIFY(WritePage(page, Page(QStringLiteral("Min"), {{"gone", "qt:/no/such/program,x"}},
                                     {"Height=300", "Minimise on use=True", "Width=400"})));
        ScriptedUserDialogs dialogs;
        RecordingLaunchPort port;
        port.PassOn = true;
        auto window = Open(dialogs, port, page);
        QVERIFY(window);
        Click(*window, "gone");
        QTRY_COMPARE(dialogs.Messages.size(), 1);
        QVERIFY(window->isMinimized());
        QCOMPARE(dialogs.LastMessage().Text,
                 QStringLiteral("The command '/no/such/program' could not be executed.  Please "
                                "check that the file exists"));
        QCOMPARE(dialogs.LastMessage().Title, QStringLiteral("Launch Error"));
        QCOMPARE(dialogs.LastMessage().Icon, MsgIcon::Critical);
    }

    void exitClosesAnUnclosablePage() {
        const QString page = Dir.filePath(QStringLiteral("locked.htm"));
        QVERIFY(WritePage(page, Page(QStringLiteral("Locked"), {{"exit", "qtc:exit"}},
                                     {"Closable=False", "Height=300", "Width=400"})));
        ScriptedUserDialogs dialogs;
        RecordingLaunchPort port;
        auto window = Open(dialogs, port, page);
        QVERIFY(window);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        Click(*window, "exit");
        QTRY_VERIFY(!window->isVisible());
    }

    void welcomePageRefusesCommandsButOpens() {
        ScriptedUserDialogs dialogs;
        RecordingLaunchPort port;
        auto window = Open(dialogs, port, QString());
        QVERIFY(window);
        QTRY_COMPARE(window->windowTitle(), QStringLiteral("Welcome! - Quintor"));
        Script(*window, QStringLiteral("location.href='qt:/bin/true'"));
        QTRY_COMPARE(dialogs.Messages.size(), 1);
        QCOMPARE(dialogs.LastMessage().Text,
                 QStringLiteral("Unable to execute command 'qt:/bin/true'.  Please open a file "
                                "first."));
        QCOMPARE(dialogs.LastMessage().Icon, MsgIcon::Exclamation);
        QTRY_COMPARE(dialogs.FileRequests.size(), 1);
        QVERIFY(port.Calls.isEmpty());

        // Its own link opens a page.
        const QString page = Dir.filePath(QStringLiteral("chosen page.htm"));
        QVERIFY(WritePage(page, Page(QStringLiteral("Chosen"), {}, {"Height=250", "Width=350"})));
        dialogs.FileAnswers.append(page);
        QSignalSpy loaded(window->WB->page(), &QWebEnginePage::loadFinished);
        Script(*window, QStringLiteral("document.links[0].click()"));
        QVERIFY(loaded.wait(20000));
        QCOMPARE(dialogs.FileRequests.size(), 2);
        QCOMPARE(dialogs.FileRequests.last().Title, QStringLiteral("Open a Quintor File"));
        QCOMPARE(window->CurFile(), page);
        QTRY_COMPARE(window->windowTitle(), QStringLiteral("Chosen - Quintor"));
        QCOMPARE(window->frameGeometry().height(), 250);
    }

    void linkToAnotherPageMakesItCurrent() {
        const QString second = Dir.filePath(QStringLiteral("Second Page.htm"));
        QVERIFY(WritePage(second, Page(QStringLiteral("Second"), {{"run", "qt:/bin/true"}},
                                       {"Extra commands=False", "Height=280", "Width=380"})));
        const QString first = Dir.filePath(QStringLiteral("first.htm"));
        QVERIFY(WritePage(
            first, Page(QStringLiteral("First"),
                        {{"next", "Second Page.htm"}, {"web", "https://example.com/a b?q=1"}},
                        {"Height=300", "Width=400"})));
        ScriptedUserDialogs dialogs;
        RecordingLaunchPort port;
        auto window = Open(dialogs, port, first);
        QVERIFY(window);

        // A web address goes to the system, unchanged, and is not shown.
        Click(*window, "web");
        QTRY_COMPARE(port.Calls.size(), 1);
        QCOMPARE(port.Calls[0].File, QStringLiteral("https://example.com/a b?q=1"));
        QCOMPARE(port.Calls[0].ShowCommand, 1);
        QTest::qWait(200);
        QCOMPARE(window->WB->url(), QUrl::fromLocalFile(first));

        QSignalSpy loaded(window->WB->page(), &QWebEnginePage::loadFinished);
        Click(*window, "next");
        QVERIFY(loaded.wait(20000));
        QTRY_COMPARE(window->CurFile(), second);
        QVERIFY(window->txtEC->isHidden());
        QCOMPARE(window->frameGeometry().height(), 280);
        // Its links now work.
        Click(*window, "run");
        QTRY_COMPARE(port.Calls.size(), 2);
        QCOMPARE(port.Calls[1].File, QStringLiteral("/bin/true"));
        QVERIFY(dialogs.Messages.isEmpty());
    }

    void framesAndNewWindowsFollowTheRules() {
        const QString inner = Dir.filePath(QStringLiteral("inner.htm"));
        QVERIFY(WritePage(inner, Page(QStringLiteral("Inner"), {{"run", "qt:/bin/true"}}, {})));
        const QString outer = Dir.filePath(QStringLiteral("outer.htm"));
        QVERIFY(
            WritePage(outer, Page(QStringLiteral("Outer"), {}, {"Height=300", "Width=400"},
                                  QStringLiteral("<iframe id=\"f\" src=\"inner.htm\"></iframe>"))));
        ScriptedUserDialogs dialogs;
        RecordingLaunchPort port;
        auto window = Open(dialogs, port, outer);
        QVERIFY(window);
        QTest::qWait(300);
        Script(*window,
               QStringLiteral("document.getElementById('f').contentDocument.links[0].click()"));
        QTRY_COMPARE(dialogs.Messages.size(), 1);
        QVERIFY(dialogs.LastMessage().Text.startsWith(QStringLiteral("Unable to execute command")));
        QVERIFY(port.Calls.isEmpty());

        // A new window is the same link followed in this one.
        Script(*window, QStringLiteral("window.open('qt:/bin/true,,,hidden')"));
        QTRY_COMPARE(port.Calls.size(), 1);
        QCOMPARE(port.Calls[0].ShowCommand, 11);
        QCOMPARE(window->CurFile(), outer);
    }
};

RUNNER_TEST_MAIN(TestRunnerE2E)

#include "test_runner_e2e.moc"
