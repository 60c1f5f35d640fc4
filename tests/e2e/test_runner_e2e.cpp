// The runner's window in the real engine: pages written in the editor's format, links clicked
// by script, programs really started (argrecorder writes down what it was given).
#include "../runner/RunnerPages.h"
#include "BrowserPage.h"
#include "ScriptedUserDialogs.h"
#include "frmMain.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QWebEngineView>

using namespace RunnerPages;

class TestRunnerE2E : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString ArgsFile = Dir.filePath("args.txt");
    struct Runner {
        ScriptedUserDialogs Dialogs;
        RecordingLaunchPort Port;
        frmMain W{Dialogs, Port};
    };
    std::unique_ptr<Runner> R;

    // A page in the editor's exact format; Links are id and href as written in the HTML.
    QString Write(const QString& Name, const QList<QPair<QString, QString>>& Links,
                  const QStringList& Info, const QString& Extra = "") {
        const QString head = "<html>\n\n<head>\n<meta name=\"generator\" content=\"Quintor "
                             "Editor 3.3.13\">\n<meta charset=\"utf-8\">\n<title>%1</title>\n"
                             "</head>\n\n<body>\n<h1>%1</h1>\n";
        QString page = head.arg(QFileInfo(Name).baseName()) + Extra + '\n';
        for (const auto& link : Links)
            page +=
                QString("<p><a id=\"%1\" href=\"%2\">%1</a></p>\n").arg(link.first, link.second);
        page += "</body>\n\n</html>\n\n<!-- Quintor info:\n" + Info.join('\n') + '\n';
        const QString path = Dir.filePath(Name);
        return TestFiles::Write(path, (page.replace('\n', "\r\n") + "-->").toUtf8()) ? path : "";
    }
    template <typename F> bool Loads(F Action) {
        QSignalSpy loaded(R->W.WB->page(), &QWebEnginePage::loadFinished);
        Action();
        return loaded.wait(20000);
    }
    void Js(const QString& Code) { R->W.WB->page()->runJavaScript(Code); }
    void Click(const QString& Id) { Js("document.getElementById('" + Id + "').click()"); }
    ScriptedUserDialogs::Message Msg() const { return R->Dialogs.LastMessage(); }

private slots:
    void initTestCase() { qputenv("QUINTOR_ARGS_FILE", ArgsFile.toUtf8()); }
    void init() { (R = std::make_unique<Runner>())->W.show(); }

    // Commas, quotes, non-ASCII and what a shell would expand, the box text appended.
    void itemStartsWithItsParametersAndFolder() {
        const QString folder = Dir.filePath("Start in ö");
        const QString params = "-a&amp;comma;b &quot;two words&quot; %22a b%22 a&quot;b c&quot;d "
                               "Grüße &quot;&quot; z C:\\x a#b ?c=d $HOME *";
        const QString item =
            "qt:" + TestFiles::TestBinDir() + "/argrecorder," + params + "," + folder + ",maxfocus";
        QVERIFY(QDir().mkpath(folder));
        R->Port.PassOn = true;
        const QString page =
            Write("My Items.htm", {{"rec", item}}, {"Start maximised=True", "Width=400"});
        // The arguments are joined by one blank and every double quote removed.
        QVERIFY(Loads([&] { R->W.Form_Load({"\"" + Dir.filePath("My"), "It\"ems.htm\""}); }));
        QCOMPARE(R->W.CurFile(), page);
        R->W.txtEC->setText("-v");
        QCOMPARE(R->W.WB->height() + R->W.txtEC->height() + R->W.stat->height(), R->W.height());
        Click("rec");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ArgsFile), 10000);
        const QStringList expected{folder, "-a,b",  "two words", "a b",  "ab cd", "Grüße", "",
                                   "z",    "C:\\x", "a#b",       "?c=d", "$HOME", "*",     "-v"};
        QCOMPARE(QString::fromUtf8(TestFiles::Read(ArgsFile)), expected.join('\n') + '\n');
        QVERIFY(R->Port.Calls.size() == 1 && R->Port.Calls[0].endsWith("|3"));
        QVERIFY(R->Dialogs.Messages.isEmpty() && R->W.isMaximized());
    }

    void welcomePageOpensAPageWhoseLinksFollowTheRules() {
        Write("inner.htm", {{"run", "qt:/bin/true"}}, {"Width=300"});
        const QString second =
            Write("Second Page.htm", {{"gone", "qt:/no/such/program,x"}, {"exit", "qtc:exit"}},
                  {"Closable=False", "Extra commands=False", "Height=280", "Minimise on use=True",
                   "Width=380"});
        const QString first = Write(
            "First Page.htm", {{"next", "Second Page.htm"}, {"web", "https://example.com/a b?q=1"}},
            {"Height=300", "Width=400"}, "<iframe id=\"f\" src=\"inner.htm\"></iframe>");
        QVERIFY(Loads([&] { R->W.Form_Load({}); }));
        QTRY_COMPARE(R->W.windowTitle(), QStringLiteral("Welcome! - Quintor"));
        Js("location.href='qt:/bin/true'");
        QTRY_COMPARE(R->Dialogs.FileRequests.size(), 1);
        QVERIFY(Msg().Text.startsWith("Unable to execute command 'qt:/bin/true'."));
        QCOMPARE(Msg().Icon, MsgIcon::Exclamation);
        QVERIFY(R->Port.Calls.isEmpty() && R->W.CurFile().isEmpty());
        R->Dialogs.FileAnswers = {first};
        QVERIFY(Loads([&] { Js("document.links[0].click()"); }));
        QCOMPARE(R->W.CurFile(), first);
        QTRY_COMPARE(R->W.windowTitle(), QStringLiteral("First Page - Quintor"));
        QCOMPARE(R->W.frameGeometry().size(), QSize(400, 300));
        const FileDialogRequest request = R->Dialogs.FileRequests.last();
        QCOMPARE(request.Title, QStringLiteral("Open a Quintor File"));
        QCOMPARE(request.Filter, "HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
        // A web address goes to the system, unchanged, and is not shown.
        Click("web");
        QTRY_COMPARE(R->Port.Calls.size(), 1);
        QCOMPARE(R->Port.Calls[0], QStringLiteral("https://example.com/a b?q=1|||1"));
        QTest::qWait(200);
        QCOMPARE(R->W.WB->url(), QUrl::fromLocalFile(first));
        // Commands from a frame are refused; a new window is the link followed in this one.
        Js("document.getElementById('f').contentDocument.links[0].click()");
        QTRY_COMPARE(R->Dialogs.Messages.size(), 2);
        QVERIFY(Msg().Text.startsWith("Unable to execute command 'qt:/bin/true'."));
        Js("window.open('qt:/bin/true,,,hidden')");
        QTRY_COMPARE(R->Port.Calls.size(), 2);
        QCOMPARE(R->Port.Calls[1], QStringLiteral("/bin/true|||11"));
        // A link to another page makes it current and applies its info block.
        QVERIFY(Loads([&] { Click("next"); }));
        QTRY_COMPARE(R->W.CurFile(), second);
        QCOMPARE(R->W.frameGeometry().size(), QSize(380, 280));
        QVERIFY(R->W.txtEC->isHidden() && !R->W.txtEC->isEnabled());
        QCOMPARE(R->W.WB->geometry(),
                 QRect(0, 0, R->W.width(), R->W.height() - R->W.stat->height()));
        QVERIFY(!R->W.close() && R->W.isVisible());
        QVERIFY(!(R->W.windowFlags() & Qt::WindowCloseButtonHint));
        R->Port.PassOn = true;
        Click("gone");
        QTRY_COMPARE(R->Dialogs.Messages.size(), 3);
        QVERIFY(Msg().Text.startsWith("The command '/no/such/program' could not be executed."));
        QCOMPARE(Msg().Icon, MsgIcon::Critical);
        QVERIFY(R->W.isMinimized());
        R->W.ToggleMaximise(); // a minimised window comes back maximised
        QVERIFY(R->W.isMaximized() && !R->W.isMinimized());
        Click("exit");
        QTRY_VERIFY(!R->W.isVisible());
    }
};

int main(int argc, char* argv[]) {
    BrowserPage::RegisterSchemes(); // before the application object
    QApplication app(argc, argv);
    TestRunnerE2E test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_runner_e2e.moc"
