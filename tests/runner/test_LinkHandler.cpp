#include "components/ConfigStore.h"
#include "components/dialogs/ScriptedUserDialogs.h"
#include "core/InfoBlock.h"
#include "core/ItemLink.h"
#include "core/LinkHandler.h"
#include "runner/RunnerPages.h"
#include "support/DataRows.h"
#include "support/PageWindow.h"

#include <QtTest>

using namespace DataRows;
using namespace RunnerPages;

namespace {
// All that happened: "shown" (the engine goes on) / launches / window actions / messages.
QString Happened(bool Shown, const RecordingLaunchPort& Port, const PageWindow& W,
                 const ScriptedUserDialogs& D) {
    QStringList parts{Shown ? "shown" : "", Port.Calls.join(';').replace(QChar(0), "\\x00"),
                      W.Log.join(';')};
    for (const auto& m : D.Messages)
        parts << m.Title + ": " + m.Text;
    parts.removeAll(QString());
    return parts.join(" / ");
}

} // namespace

class TestLinkHandler : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

    // "PAGE" and "OTHER" stand for two existing pages, "DIR" for their folder, which also
    // holds "doc.txt".
    QString Real(QString Text) const {
        return Text.replace("PAGE", Dir.filePath("My Page.htm"))
            .replace("OTHER", Dir.filePath("Other.htm"))
            .replace("DIR", Dir.path());
    }

private slots:
    void initTestCase() {
        for (const char* file : {"PAGE", "OTHER", "DIR/doc.txt"})
            QVERIFY(TestFiles::Write(Real(file), "x"));
    }

    void itemLink_data() {
        // Fields after "qt:"; command|parameters|start in|run word|show number.
        Columns<QString, QString>({"Fields", "Expected"});
        Row("four fields", "/My%20Tools/t,-a&comma;b,/tmp,maximised",
            "/My Tools/t|-a,b|/tmp|maximised|1");
        Row("quote, both blanks", "%22a&comma;%20b%22,,,normalnofocus",
            "\"a, b\"|||normalnofocus|4");
        Row("comma escape built from %", "&comma%3B,,,minNOfocus", "&comma%3B|||minNOfocus|6");
        Row("nothing else, %25 last", "%41%2C%2520%5C&amp;&quot;,,,Hidden",
            "%41%2C%2520%5C&amp;&quot;|||Hidden|11");
        Row("minimised with focus", ",,,MinFocus", "|||MinFocus|2");
    }
    void itemLink() {
        QFETCH(QString, Fields);
        const ItemLink l = ItemLink::Decode(Fields);
        const QString show = QString::number(ItemLink::ShowCommand(l.RunWord));
        QTEST(QStringList({l.Command, l.Parameters, l.StartIn, l.RunWord, show}).join('|'),
              "Expected");
    }

    // Of what a page's info block asks of the window, only the exact words "False" and "True"
    // count, and sizes are rounded.
    void settings() {
        ConfigStore CF;
        CF.LoadText(InfoBlock::BlockText("</html>\r\n<!-- Quintor info:\r\nClosable=false\r\n"
                                         "Extra commands=false\r\nStart maximised=true\r\n"
                                         "Height=300.6\r\nWidth=400,4\r\nIcon=/i\r\n-->"));
        const InfoBlock::Settings s = InfoBlock::Read(CF);
        QCOMPARE(QString::asprintf("%d %d %d %d %d %s", s.Closable, s.ExtraCommands,
                                   s.Height.value_or(0), s.Width.value_or(0), s.StartMaximised,
                                   qPrintable(s.IconPath.value_or("-"))),
                 "1 1 301 400 0 /i");
    }

    void follow_data() {
        // How: "click" (the user's own) or "nav" (the engine's, nobody known to have asked).
        // Where: "frame" (of PAGE), OTHER, or "" for PAGE. Setup: info lines, or "Box=" the
        // extra-commands box ("-" hides it). Result: of a launch; 53: the editor cannot start.
        // Started: the link of an item of the open page that started, which the find bar
        // learns from.
        Columns<QString, QString, QString, QString, int, QString>(
            {"How", "Where", "Link", "Setup", "Result", "Expected"});
        Row("hidden box ignored", "click", "", "qt:t,-a", "Box=-", 42, "t|-a||1 / Started:qt:t,-a");
        Row("box text appended", "click", "", "qt:t, x  ,/tmp", "Box=y  ", 42,
            "t|x   y|/tmp|1 / Started:qt:t, x  ,/tmp");
        Row("what did not start is no start", "click", "", "\nqt:/no", "", 2,
            "/no|||1 / Launch Error: The command '/no' could not be executed.  Please check "
            "that the file exists");
        Row("an address is a start too", "click", "", "https://example.com/a", "", 42,
            "document https://example.com/a / Started:https://example.com/a");
        Row("blanks around the link", "click", "", " \tqtc:min\n", "", 42, "Minimise");
        Row("five fields", "click", "", "qt:a,b,c,d,e", "", 42,
            "Run Error: An error occurred: Subscript out of range, 9");
        Row("only True minimises", "click", "", "qt:/x", "Minimise on use=true", 42,
            "/x|||1 / Started:qt:/x");
        Row("edit", "click", "", "qtc:edit", "Source file=/home/a b/T.qtf", 42,
            "start /opt/q/qtedit2|--|/home/a b/T.qtf");
        Row("edit a file named like an option", "click", "", "qtc:edit",
            "Source file=-stylesheet=/tmp/x.qss", 42,
            "start /opt/q/qtedit2|--|-stylesheet=/tmp/x.qss");
        Row("editor cannot start", "click", "", "qtc:edit", "Source file=/p/T.qtf\r", 53,
            "start /opt/q/qtedit2|--|/p/T.qtf / Run Error: Unable to run: /opt/q/qtedit2 /p/T.qtf "
            "- "
            "File not found, 53");
        Row("command from another page", "click", "OTHER", "qtc:min", "", 42,
            "OpenDialog / Launch Error: Unable to execute command 'qtc:min'.  Please open a file "
            "first.");
        Row("missing local file", "click", "", "file:///no/such.htm", "", 2,
            "document /no/such.htm / Launch Error: The command 'file:///no/such.htm' could not "
            "be executed.  Please check that the file exists");
        // The engine hands "%00" on; the file it names cannot exist, whatever lies at
        // "doc.txt", and the name is shown on one line.
        Row("missing document named with %00", "click", "", "file://DIR/doc.txt%00.html", "", 2,
            "document DIR/doc.txt\\x00.html / Launch Error: The command "
            "'file://DIR/doc.txt\\x00.html' "
            "could not be executed.  Please check that the file exists");
        Row("script address stays inside", "click", "", "javascript:void(0)", "", 42, "");
        Row("frames hand nothing out", "click", "frame", "https://example.com/", "", 42, "");
        Row("exit by script", "nav", "", "qtc:exit", "", 42, "");
        Row("page with a fragment becomes current", "nav", "", "file://OTHER#top", "", 42,
            "shown / ProcInfo:OTHER;CurFile:OTHER");
        Row("folder is not a page", "nav", "", "file://DIR", "", 42, "");
    }
    void follow() {
        QFETCH(QString, Where);
        QFETCH(QString, Setup);
        QFETCH(int, Result);
        PageWindow window(Real("PAGE"));
        window.Location = QUrl::fromLocalFile(Real(Where == "OTHER" ? Where : "PAGE"));
        window.Info.LoadText(Setup);
        window.BoxText = Setup.startsWith("Box=") ? window.Info.GetValue("Box") : QString();
        window.BoxShown = window.BoxText != "-";
        RecordingLaunchPort port;
        port.Result = {Result, "why"};
        if (Result == 53)
            port.StartFailure = AppError(QStringLiteral("File not found"), 53);
        ScriptedUserDialogs dialogs;
        LinkHandler handler(window, port, dialogs);
        handler.WatchStarts([&](const QString& Link) { window.Log << "Started:" + Link; });
        const bool inPage = Where != "frame";
        const QString link = Real(Fetch("Link"));
        bool shown = false;
        if (Fetch("How") == "click") {
            handler.LinkActivated(link, QUrl(link).toString(QUrl::FullyEncoded), inPage);
        } else {
            const LinkHandler::Decision decision = handler.BeforeNavigate2(QUrl(link), inPage);
            // Nothing happens inside the engine's callback.
            QCOMPARE(Happened(false, port, window, dialogs), QString());
            if (decision.Then)
                decision.Then();
            shown = decision.Proceed;
        }
        QCOMPARE(Happened(shown, port, window, dialogs), Real(Fetch("Expected")));
        for (const auto& m : dialogs.Messages)
            QCOMPARE(m.Icon, m.Text.startsWith("Unable to execute") ? MsgIcon::Exclamation
                                                                    : MsgIcon::Critical);
    }
};

QTEST_GUILESS_MAIN(TestLinkHandler)
#include "test_LinkHandler.moc"
