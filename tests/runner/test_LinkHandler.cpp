#include "ConfigStore.h"
#include "LinkHandler.h"
#include "RunnerPages.h"
#include "RunnerWindow.h"
#include "ScriptedUserDialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using RunnerPages::RecordingLaunchPort;

namespace {
// The window as the link handler sees it; every action lands in Log.
class FakeWindow : public RunnerWindow {
public:
    QString Cur, Location;
    ConfigStore CF;
    bool BoxVisible = true;
    QString BoxText;
    QStringList Log;

    QString CurFile() const override { return Cur; }
    void SetCurFile(const QString& Path) override {
        Cur = Path;
        Log << "CurFile:" + Path;
    }
    QString LocationURL() const override { return Location; }
    QString ApplicationPath() const override { return QStringLiteral("/opt/q/"); }
    QString InfoValue(const QString& Key) const override { return CF.GetValue(Key); }
    bool ExtraCommandsVisible() const override { return BoxVisible; }
    QString ExtraCommandsText() const override { return BoxText; }
    void OpenDialog() override { Log << "OpenDialog"; }
    void ProcInfo(const QString& Path) override { Log << "ProcInfo:" + Path; }
    void Minimise() override { Log << "Minimise"; }
    void ToggleMaximise() override { Log << "ToggleMaximise"; }
    void Exit() override { Log << "Exit"; }
    void Refresh() override { Log << "Refresh"; }
};

QString CallText(const RecordingLaunchPort& Port) {
    QStringList calls;
    for (const auto& c : Port.Calls)
        calls << QStringList{c.File, c.Parameters, c.Folder, QString::number(c.ShowCommand)}.join(
            '|');
    for (const auto& p : Port.Programs)
        calls << "start " + p.join('|');
    return calls.join(';');
}
} // namespace

class TestLinkHandler : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString PagePath; // an existing page, "My Page.htm"
    QString OtherPath;

private slots:
    void initTestCase() {
        PagePath = Dir.filePath(QStringLiteral("My Page.htm"));
        OtherPath = Dir.filePath(QStringLiteral("Other.htm"));
        QVERIFY(TestFiles::Write(PagePath, "x"));
        QVERIFY(TestFiles::Write(OtherPath, "y"));
    }

    void procURL_data() {
        QTest::addColumn<QString>("Url");
        QTest::addColumn<QString>("Block"); // the page's info lines
        QTest::addColumn<QString>("Box");   // extra-commands text; "-" hides the box
        QTest::addColumn<int>("Result");    // of the launch
        QTest::addColumn<QString>("Calls");
        QTest::addColumn<QStringList>("Log");
        QTest::addColumn<QString>("Message");
        const QString notFound = "The command '%1' could not be executed.  Please check that the "
                                 "file exists";
        QTest::newRow("command only") << "qt:gedit"
                                      << ""
                                      << "" << 42 << "gedit|||1" << QStringList() << "";
        QTest::newRow("four fields")
            << "qt:/My%20Tools/t,-a&comma;b,/tmp,MAXFOCUS"
            << ""
            << "" << 42 << "/My Tools/t|-a,b|/tmp|3" << QStringList() << "";
        QTest::newRow("extra commands") << "qt:t,-a&comma;b"
                                        << ""
                                        << "-v" << 42 << "t|-a,b -v||1" << QStringList() << "";
        QTest::newRow("hidden box ignored") << "qt:t,-a"
                                            << ""
                                            << "-" << 42 << "t|-a||1" << QStringList() << "";
        QTest::newRow("five fields")
            << "qt:a,b,c,d,e"
            << ""
            << "" << 42 << "" << QStringList() << "An error occurred: Subscript out of range, 9";
        QTest::newRow("missing, minimise on use first")
            << "qt:/gone,x"
            << "Minimise on use=True"
            << "" << 2 << "/gone|x||1" << QStringList{"Minimise"} << notFound.arg("/gone");
        QTest::newRow("other failures say nothing") << "qt:/x"
                                                    << ""
                                                    << "" << 31 << "/x|||1" << QStringList() << "";
        QTest::newRow("minimise on use needs True") << "qt:/x"
                                                    << "Minimise on use=true"
                                                    << "" << 42 << "/x|||1" << QStringList() << "";
        QTest::newRow("exit") << "qtc:EXIT"
                              << ""
                              << "" << 42 << "" << QStringList{"Exit"} << "";
        QTest::newRow("max") << "qtc:max"
                             << ""
                             << "" << 42 << "" << QStringList{"ToggleMaximise"} << "";
        QTest::newRow("min") << "qtc:min"
                             << ""
                             << "" << 42 << "" << QStringList{"Minimise"} << "";
        QTest::newRow("open") << "qtc:Open"
                              << ""
                              << "" << 42 << "" << QStringList{"OpenDialog"} << "";
        QTest::newRow("refresh") << "qtc:refresh"
                                 << ""
                                 << "" << 42 << "" << QStringList{"Refresh"} << "";
        QTest::newRow("unknown word") << "qtc:close"
                                      << ""
                                      << "" << 42 << "" << QStringList() << "";
        QTest::newRow("edit") << "qtc:edit"
                              << "Source file=/home/a b/T.qtf"
                              << "" << 42 << "start /opt/q/qtedit2|/home/a b/T.qtf" << QStringList()
                              << "";
        QTest::newRow("edit without source")
            << "qtc:edit"
            << ""
            << "" << 42 << "start /opt/q/qtedit2|[NOT FOUND]" << QStringList() << "";
    }
    void procURL() {
        QFETCH(QString, Url);
        QFETCH(QString, Block);
        QFETCH(QString, Box);
        QFETCH(int, Result);
        QFETCH(QString, Calls);
        QFETCH(QStringList, Log);
        QFETCH(QString, Message);
        FakeWindow window;
        window.CF.LoadText(Block);
        window.BoxVisible = Box != "-";
        window.BoxText = window.BoxVisible ? Box : "-v";
        RecordingLaunchPort port;
        port.Result = Result;
        ScriptedUserDialogs dialogs;
        LinkHandler(window, port, dialogs).ProcURL(Url);
        QCOMPARE(CallText(port), Calls);
        QCOMPARE(window.Log, Log);
        QCOMPARE(dialogs.LastMessage().Text, Message);
        if (!Message.isEmpty()) {
            QCOMPARE(dialogs.Messages.size(), 1);
            QCOMPARE(dialogs.LastMessage().Icon, MsgIcon::Critical);
            QCOMPARE(dialogs.LastMessage().Title, Message.startsWith("The command")
                                                      ? QStringLiteral("Launch Error")
                                                      : QStringLiteral("Run Error"));
        }
    }

    void editorThatCannotStart() {
        FakeWindow window;
        window.CF.LoadText(QStringLiteral("Source file=/p/T.qtf\r"));
        RecordingLaunchPort port;
        port.StartFailure = AppError(QStringLiteral("File not found"), 53);
        ScriptedUserDialogs dialogs;
        LinkHandler(window, port, dialogs).ProcURL(QStringLiteral("qtc:edit"));
        QCOMPARE(dialogs.LastMessage().Text,
                 QStringLiteral("Unable to run: /opt/q/qtedit2 /p/T.qtf - File not found, 53"));
        QCOMPARE(dialogs.LastMessage().Title, QStringLiteral("Run Error"));
    }

    void beforeNavigate2_data() {
        QTest::addColumn<QString>("Cur");      // "page", "other" or a literal path
        QTest::addColumn<QString>("Location"); // "page" means the open page's file URL
        QTest::addColumn<QString>("Url");      // "page"/"other" stand for file URLs
        QTest::addColumn<bool>("MainFrame");
        QTest::addColumn<int>("Result");
        QTest::addColumn<bool>("Proceed");
        QTest::addColumn<QString>("Calls");
        QTest::addColumn<QStringList>("Log");
        QTest::addColumn<QString>("Message");
        const QString refused = "Unable to execute command '%1'.  Please open a file first.";
        QTest::newRow("item on the open page")
            << "page"
            << "page"
            << "qt:/bin/x,a" << true << 42 << false << "/bin/x|a||1" << QStringList() << "";
        QTest::newRow("item on the welcome page")
            << ""
            << "data:text/html;charset=UTF-8,<title>"
            << "qt:/bin/x" << true << 42 << false << "" << QStringList{"OpenDialog"}
            << refused.arg("qt:/bin/x");
        QTest::newRow("open works everywhere")
            << ""
            << ""
            << "QTC:open" << true << 42 << false << "" << QStringList{"OpenDialog"} << "";
        QTest::newRow("command from a frame")
            << "page"
            << "page"
            << "qtc:exit" << false << 42 << false << "" << QStringList{"OpenDialog"}
            << refused.arg("qtc:exit");
        QTest::newRow("command from another page")
            << "page"
            << "other"
            << "qtc:min" << true << 42 << false << "" << QStringList{"OpenDialog"}
            << refused.arg("qtc:min");
        QTest::newRow("letter case of the path counts")
            << "page"
            << "file://" + Dir.filePath("my page.htm") << "qtc:min" << true << 42 << false << ""
            << QStringList{"OpenDialog"} << refused.arg("qtc:min");
        QTest::newRow("local page becomes current")
            << "page"
            << "page"
            << "other" << true << 42 << true << ""
            << QStringList{"ProcInfo:" + OtherPath, "CurFile:" + OtherPath} << "";
        QTest::newRow("anchor on a local page")
            << "page"
            << "page"
            << "file://" + PagePath + "#top" << true << 42 << true << ""
            << QStringList{"ProcInfo:" + PagePath, "CurFile:" + PagePath} << "";
        QTest::newRow("local page in a frame")
            << "page"
            << "page"
            << "other" << false << 42 << true << "" << QStringList() << "";
        QTest::newRow("web address to the system")
            << "page"
            << "page"
            << "https://example.com/a b" << true << 42 << false << "https://example.com/a b|||1"
            << QStringList() << "";
        QTest::newRow("missing local file")
            << "page"
            << "page"
            << "file:///no/such.htm" << true << 2 << false << "file:///no/such.htm|||1"
            << QStringList()
            << "The command 'file:///no/such.htm' could not be executed.  Please check that the "
               "file exists";
        QTest::newRow("engine-only address stays inside")
            << "page"
            << "page"
            << "data:text/html,<b>x</b>" << true << 42 << false << "" << QStringList() << "";
        QTest::newRow("frames hand nothing out")
            << "page"
            << "page"
            << "https://example.com/" << false << 42 << false << "" << QStringList() << "";
    }
    void beforeNavigate2() {
        QFETCH(QString, Cur);
        QFETCH(QString, Location);
        QFETCH(QString, Url);
        QFETCH(bool, MainFrame);
        QFETCH(int, Result);
        QFETCH(bool, Proceed);
        QFETCH(QString, Calls);
        QFETCH(QStringList, Log);
        QFETCH(QString, Message);
        const auto named = [this](const QString& Text) {
            if (Text == "page")
                return PagePath;
            return Text == "other" ? OtherPath : Text;
        };
        const auto fileUrl = [&](const QString& Text) {
            return Text == "page" || Text == "other" ? "file://" + named(Text) : Text;
        };
        FakeWindow window;
        window.Cur = named(Cur);
        window.Location = fileUrl(Location);
        RecordingLaunchPort port;
        port.Result = Result;
        ScriptedUserDialogs dialogs;
        LinkHandler handler(window, port, dialogs);
        const LinkHandler::Decision decision = handler.BeforeNavigate2(fileUrl(Url), MainFrame);
        QCOMPARE(decision.Proceed, Proceed);
        // Nothing happens inside the browser's callback.
        QVERIFY(port.Calls.isEmpty() && window.Log.isEmpty() && dialogs.Messages.isEmpty());
        if (decision.Then)
            decision.Then();
        QCOMPARE(CallText(port), Calls);
        QCOMPARE(window.Log, Log);
        QCOMPARE(dialogs.LastMessage().Text, Message);
    }

    void samePath_data() {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<bool>("Same");
        QTest::newRow("both empty") << ""
                                    << "" << false;
        QTest::newRow("dot segments") << "/a/./b/../c.htm"
                                      << "/a/c.htm" << true;
        QTest::newRow("case counts") << "/a/C.htm"
                                     << "/a/c.htm" << false;
    }
    void samePath() {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(bool, Same);
        QCOMPARE(LinkHandler::SamePath(A, B), Same);
    }
};

QTEST_GUILESS_MAIN(TestLinkHandler)
#include "test_LinkHandler.moc"
