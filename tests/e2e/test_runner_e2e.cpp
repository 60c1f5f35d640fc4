// The runner's window in the real engine: pages written in the editor's format, links clicked
// by script, programs really started (argrecorder writes down what it was given).
#include "../runner/RunnerPages.h"
#include "BrowserPage.h"
#include "ScriptedUserDialogs.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
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
        page += "</body>\n\n</html>\n\n<!-- Quintor info:\n";
        for (const QString& line : Info)
            page += line + '\n';
        const QString path = Dir.filePath(Name);
        return TestFiles::Write(path, (page.replace('\n', "\r\n") + "-->").toUtf8()) ? path : "";
    }
    template <typename F> bool Loads(F Action) {
        QSignalSpy loaded(R->W.WB->page(), &QWebEnginePage::loadFinished);
        Action();
        return loaded.wait(20000);
    }
    // Starts the way the program starts, given these arguments.
    bool Open(const QStringList& Args) {
        return Loads([&] { R->W.Form_Load(Args); });
    }
    void Js(const QString& Code) { R->W.WB->page()->runJavaScript(Code); }
    void Click(const QString& Id) { Js("document.getElementById('" + Id + "').click()"); }
    ScriptedUserDialogs::Message Msg() const { return R->Dialogs.LastMessage(); }
    QSize Outer() const { return R->W.frameGeometry().size(); }

private slots:
    void initTestCase() { qputenv("QUINTOR_ARGS_FILE", ArgsFile.toUtf8()); }
    void init() { (R = std::make_unique<Runner>())->W.show(); }

    void itemStartsWithItsParametersAndFolder_data() {
        // Params as written in the href; Extra in the extra-commands box.
        Columns<QString, QString, QStringList>({"Params", "Extra", "Expected"});
        Row("comma, extra commands", "-a&amp;comma;b", "-v", QStringList{"-a,b", "-v"});
        Row("quotes", "&quot;two words&quot; %22a b%22 a&quot;b c&quot;d", "",
            QStringList{"two words", "a b", "ab cd"});
        Row("non-ASCII, empty pair", "Grüße &quot;&quot; z", "", QStringList{"Grüße", "", "z"});
        Row("no shell", "C:\\x a#b ?c=d $HOME *", "",
            QStringList{"C:\\x", "a#b", "?c=d", "$HOME", "*"});
    }
    void itemStartsWithItsParametersAndFolder() {
        QFETCH(QString, Params);
        QFETCH(QStringList, Expected);
        const QString folder = Dir.filePath("Start in ö");
        const QString item =
            "qt:" + TestFiles::TestBinDir() + "/argrecorder," + Params + "," + folder + ",maxfocus";
        QFile::remove(ArgsFile);
        QVERIFY(QDir().mkpath(folder));
        R->Port.PassOn = true;
        QVERIFY(Open({Write("items.htm", {{"rec", item}},
                            {"Height=300", "Start maximised=True", "Width=400"})}));
        QFETCH(QString, Extra);
        R->W.txtEC->setText(Extra);
        QCOMPARE(R->W.WB->height() + R->W.txtEC->height() + R->W.stat->height(), R->W.height());
        Click("rec");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ArgsFile), 10000);
        QCOMPARE(QString::fromUtf8(TestFiles::Read(ArgsFile)),
                 (QStringList{folder} + Expected).join('\n') + '\n');
        QVERIFY(R->Port.Calls.size() == 1 && R->Port.Calls[0].ShowCommand == 3);
        QVERIFY(R->Dialogs.Messages.isEmpty() && R->W.isMaximized());
    }

    void welcomePageRefusesCommandsButOpens() {
        QVERIFY(Open({}));
        QTRY_COMPARE(R->W.windowTitle(), QStringLiteral("Welcome! - Quintor"));
        Js("location.href='qt:/bin/true'");
        QTRY_COMPARE(R->Dialogs.FileRequests.size(), 1);
        QCOMPARE(Msg().Text,
                 "Unable to execute command 'qt:/bin/true'.  Please open a file first.");
        QCOMPARE(Msg().Icon, MsgIcon::Exclamation);
        QVERIFY(R->Port.Calls.isEmpty() && R->W.CurFile().isEmpty());
        // Its own link opens a page.
        const QString page = Write("Chosen Page.htm", {}, {"Height=250", "Width=350"});
        R->Dialogs.FileAnswers = {page};
        QVERIFY(Loads([&] { Js("document.links[0].click()"); }));
        QCOMPARE(R->W.CurFile(), page);
        QTRY_COMPARE(R->W.windowTitle(), QStringLiteral("Chosen Page - Quintor"));
        QCOMPARE(Outer(), QSize(350, 250));
        const FileDialogRequest request = R->Dialogs.FileRequests.last();
        QCOMPARE(request.Title, QStringLiteral("Open a Quintor File"));
        QCOMPARE(request.Filter, "HTML Files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*");
    }

    void linksFollowTheRules() {
        Write("inner.htm", {{"run", "qt:/bin/true"}}, {});
        const QString second =
            Write("Second Page.htm", {{"gone", "qt:/no/such/program,x"}, {"exit", "qtc:exit"}},
                  {"Closable=False", "Extra commands=False", "Height=280", "Minimise on use=True",
                   "Width=380"});
        const QString first = Write(
            "First Page.htm", {{"next", "Second Page.htm"}, {"web", "https://example.com/a b?q=1"}},
            {"Height=300", "Width=400"}, "<iframe id=\"f\" src=\"inner.htm\"></iframe>");
        // The arguments are joined by one blank and every double quote removed.
        QVERIFY(Open({"\"" + Dir.path() + "/Fi\"rst", "Page.htm\""}));
        QCOMPARE(R->W.CurFile(), first);
        // A web address goes to the system, unchanged, and is not shown.
        Click("web");
        QTRY_COMPARE(R->Port.Calls.size(), 1);
        QCOMPARE(R->Port.Calls[0].File, QStringLiteral("https://example.com/a b?q=1"));
        QTest::qWait(200);
        QCOMPARE(R->W.WB->url(), QUrl::fromLocalFile(first));
        // Commands from a frame are refused; a new window is the link followed in this one.
        Js("document.getElementById('f').contentDocument.links[0].click()");
        QTRY_COMPARE(R->Dialogs.Messages.size(), 1);
        QVERIFY(Msg().Text.startsWith("Unable to execute command"));
        Js("window.open('qt:/bin/true,,,hidden')");
        QTRY_COMPARE(R->Port.Calls.size(), 2);
        QCOMPARE(R->Port.Calls[1].ShowCommand, 11);
        // A link to another page makes it current and applies its info block.
        QVERIFY(Loads([&] { Click("next"); }));
        QTRY_COMPARE(R->W.CurFile(), second);
        QCOMPARE(Outer(), QSize(380, 280));
        QVERIFY(R->W.txtEC->isHidden() && !R->W.txtEC->isEnabled());
        QCOMPARE(R->W.WB->geometry(),
                 QRect(0, 0, R->W.width(), R->W.height() - R->W.stat->height()));
        QVERIFY(!R->W.close() && R->W.isVisible());
        QVERIFY(!(R->W.windowFlags() & Qt::WindowCloseButtonHint));
        R->Port.PassOn = true;
        Click("gone");
        QTRY_COMPARE(R->Dialogs.Messages.size(), 2);
        QCOMPARE(Msg().Title + ": " + Msg().Text,
                 "Launch Error: The command '/no/such/program' could not be executed.  Please "
                 "check that the file exists");
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
