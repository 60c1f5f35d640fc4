// Build, Run, the desktop shortcut and the page's tabs: what is asked, what lands on disk,
// what survives a failure.
#include "build/PageBuild.h"
#include "build/ui/BuildCommands.h"
#include "build/ui/PreviewPane.h"
#include "editor/FakeEditorContext.h"
#include "items/ui/ShortcutCommands.h"
#include "pagegen/modGenHTML.h"
#include "support/DataRows.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QtTest>

using namespace BuildCommands;
using namespace DataRows;
using namespace Qt::StringLiterals;

namespace {
constexpr int Timeout = 20000;

// The save dialog answers Path; an empty Path cancels it.
void Build(FakeEditorContext& Ctx, const QString& Path) {
    if (!Path.isEmpty())
        Ctx.Scripted.FileAnswers << Path;
    mnuFileBuild_Click(Ctx);
}
void Visit(FakeEditorContext& Ctx, int Tab, int From) {
    Ctx.Tab = Tab;
    tabMain_Click(Ctx, From);
}
} // namespace

class TestBuild : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    const QString Desktop = Dir.filePath(u"My Desktop"_s);

    void UseDesktop(const QString& Folder, const QString& Config) {
        QVERIFY(TestFiles::Write(Dir.filePath(Config + u"/user-dirs.dirs"_s),
                                 "XDG_DESKTOP_DIR=\"" + Folder.toUtf8() + "\"\n"));
        qputenv("XDG_CONFIG_HOME", Dir.filePath(Config).toUtf8());
    }

public:
    static void initMain() { // the engine needs both before the application object
        PreviewPane::RegisterUrlSchemes();
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(Desktop));
        UseDesktop(Desktop, u"config"_s);
    }

    // The command: an executable file escaped for special characters, the message; a second run
    // replaces it, showing the runner's icon; the error.
    void shortcutCommand() {
        FakeEditorContext ctx;
        LauncherDocument& doc = ctx.Document;
        doc.APath = Dir.filePath(u"runner bin"_s) + u'/';
        const QString icon = Dir.filePath(u"page.ico"_s),
                      page = u"/t/My \"100%\" $HOME `x` \\ 'q' & ;.htm"_s;
        QVERIFY(TestFiles::Write(icon, "ico"));
        doc.WriteProp(u"Title"_s, u"  Tools: \"Work\" & \\ Play  "_s);
        doc.WriteProp(u"(HTML File)"_s, page);
        doc.WriteProp(u"Icon"_s, icon);
        ShortcutCommands::mnuFileShortcut_Click(ctx);
        const QString file = Desktop + u"/Tools; ''Work'' & _ Play.desktop"_s;
        QVERIFY(QFileInfo(file).permissions() & QFileDevice::ExeOwner);
        QCOMPARE(
            TestFiles::Read(file),
            u"[Desktop Entry]\nVersion=1.0\nType=Application\nName=Tools: \"Work\" & \\\\ Play\n"
            u"Comment=\\s Tools: \"Work\" & \\\\ Play  \nExec=\"%1quintor2\" \"--\" \"/t/My "
            u"\\\\\"100%%"
            u"\\\\\" \\\\$HOME \\\\`x\\\\` \\\\\\\\ 'q' & ;.htm\"\nIcon=%2\nTerminal=false\n"_s
                .arg(doc.APath, icon)
                .toUtf8());
        QCOMPARE(MessageLine(ctx.Scripted.LastMessage()),
                 u"Information OK Create Shortcut on Desktop: A shortcut was successfully created "
                 u"on the Desktop"_s);

        doc.WriteProp(u"Icon"_s, Dir.filePath(u"gone.ico"_s));
        ShortcutCommands::mnuFileShortcut_Click(ctx);
        QCOMPARE(QDir(Desktop).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(TestFiles::Read(file).endsWith("\nIcon=quintor2\nTerminal=false\n"));

        const QString missing = Dir.filePath(u"missing"_s);
        UseDesktop(missing, u"config2"_s);
        ShortcutCommands::mnuFileShortcut_Click(ctx);
        UseDesktop(Desktop, u"config"_s);
        QCOMPARE(ctx.Scripted.Messages.size(), 3);
        QCOMPARE(MessageLine(ctx.Scripted.LastMessage()),
                 u"Critical OK Create Shortcut to Desktop Error: An error occurred when creating a "
                 u"shortcut on the Desktop - Path not found: the desktop folder '%1' does not "
                 u"exist, 75"_s.arg(missing));
    }

    // One page built again and again (what is asked, is written, a failure keeps), then run.
    void buildAndRun() {
        QTemporaryDir dir;
        const QString name = dir.filePath("A&B \"Tools\" ü"), path = name + ".htm";
        FakeEditorContext ctx;
        LauncherDocument& doc = ctx.Document;
        doc.WriteProp("Title", "Outils à");
        doc.WriteProp("(HTML File)", "/proposed/old.htm");
        doc.SetChanged(false);
        ctx.Scripted.MsgAnswers << MsgAnswer::No << MsgAnswer::Yes << MsgAnswer::Yes;
        Build(ctx, QString()); // the empty list: No stops before the save dialog
        QCOMPARE(MessageLine(ctx.Scripted.LastMessage()),
                 "Question YesNo(No) No Items in List: There are no icons in the list.  Do you "
                 "still want to build the HTML file?");
        QVERIFY(ctx.Scripted.FileRequests.isEmpty());
        Build(ctx, QString()); // Yes, then the save dialog is cancelled
        QCOMPARE(RequestLine(ctx.Scripted.FileRequests.value(0)),
                 "save, confirm Build the HTML File: HTML Document (*.htm;*.html)|*.htm;*.html|All "
                 "files (*.*)|*.* [/proposed/old.htm]");
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(!doc.Changed());
        Build(ctx, path);
        QCOMPARE(TestFiles::Read(path), GenHTML(doc, false, QString()).toUtf8());
        QCOMPARE(doc.ReadProp("(HTML File)", true), path);
        QVERIFY(doc.Changed());
        QCOMPARE(ctx.CheckmenusCalls, 1);

        const QString program = QCoreApplication::applicationFilePath(); // an item: no question
        doc.Items.Append(LauncherItem{{"Café", program, {}, {}, program, "Normal Window"}});
        Build(ctx, path);
        // A failing generator, or the launcher file itself chosen: the old page stays.
        const QByteArray page = TestFiles::Read(path);
        for (const auto& [launcher, error] : {std::pair{QString(), "13"}, {path, "70"}}) {
            doc.WriteProp("Columns", launcher.isEmpty() ? "abc" : "5"); // as a file may hold it
            doc.SetChanged(false);
            doc.CurFile = launcher;
            Build(ctx, path);
            QCOMPARE(FailureLine(ctx.Scripted.LastMessage()),
                     "Critical OK Build Error: An error occurred when attempting to build the HTML "
                     "file '" +
                         path + "' - ..., " + error);
        }
        QCOMPARE(ctx.Scripted.Messages.size(), 5); // the three questions, then one per failure
        QCOMPARE(TestFiles::Read(path), page);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
        QCOMPARE(doc.ReadProp("(HTML File)", true), path);
        QVERIFY(!doc.Changed());
        QCOMPARE(ctx.CheckmenusCalls, 2);

        // Run: the runner in the editor's folder gets the page, unconverted, as one argument
        // after the end of its options.
        const QString record = dir.filePath("args.txt");
        doc.APath = dir.path() + "/";
        mnuFileRun_Click(ctx);
        QCOMPARE(MessageLine(ctx.Scripted.LastMessage()),
                 "Critical OK Run Error: An error occurred when running the command - '" +
                     dir.path() + "/quintor2 " + path + "' - File not found, 53");
        QVERIFY(QFile::copy(TestFiles::TestBinDir() + "/argrecorder", dir.filePath("quintor2")));
        qputenv("QUINTOR_ARGS_FILE", record.toUtf8());
        mnuFileRun_Click(ctx);
        QCOMPARE(ctx.Scripted.Messages.size(), 6);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
        QCOMPARE( // after the program's own name: one argument, then the final line break
            QString::fromUtf8(TestFiles::Read(record)).split('\n').mid(1),
            (QStringList{"--", path, ""}));
    }

    // Without "(HTML File)" Build proposes a page beside the launcher file, or for a document
    // never saved one named after its title in the home folder ("~").
    void proposedPage_data() {
        Texts({"HtmlFile", "CurFile", "Title", "Proposed"});
        Row("saved", "", "/d/my.tools.qtf", "T", "/d/my.tools.htm");
        Row("launcher without extension", "", "/d/plain", "T", "/d/plain page.htm");
        Row("never saved", "", "", "A/B: C", "~/A_B; C.htm");
        Row("title of a hidden file", "", "", ".x", "~/Quintor.htm");
    }
    void proposedPage() {
        FakeEditorContext ctx;
        ctx.Document.Items.Append(LauncherItem{{"a", "a"}});
        ctx.Document.WriteProp("(HTML File)", Fetch("HtmlFile"));
        ctx.Document.WriteProp("Title", Fetch("Title"));
        ctx.Document.CurFile = Fetch("CurFile");
        Build(ctx, QString());
        QCOMPARE(ctx.Scripted.FileRequests.value(0).FileName,
                 Fetch("Proposed").replace("~", QDir::homePath()));
    }

    // A folder that does not exist fails before anything is written, icons included.
    void missingFolder() {
        QTemporaryDir dir;
        const QString program = QCoreApplication::applicationFilePath(),
                      page = dir.filePath("no/p.htm");
        FakeEditorContext ctx;
        ctx.Document.Items.Append(LauncherItem{{"p", program, {}, {}, program}});
        Build(ctx, page);
        QCOMPARE(ctx.Scripted.LastMessage().Text,
                 "An error occurred when attempting to build the HTML file '" + page +
                     "' - Path not found: the folder '" + dir.filePath("no") +
                     "' does not exist, 75");
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Each editor has a preview of its own: one leaving removes its files, not the other's.
    void previewsOfTwoEditors() {
        FakeEditorContext first, second;
        const QString program = QCoreApplication::applicationFilePath();
        for (FakeEditorContext* ctx : {&first, &second}) {
            ctx->Document.Items.Append(LauncherItem{{"p", program, {}, {}, program}});
            ctx->PreviewPage.Write(ctx->Document);
        }
        const QString mine = first.PreviewPage.PageFile(), other = second.PreviewPage.PageFile();
        first.PreviewPage.Remove();
        QVERIFY(mine != other);
        QCOMPARE((QList<bool>{QFile::exists(mine), QFile::exists(PageBuild::IconFolderFor(mine)),
                              QFile::exists(other),
                              QFile::exists(PageBuild::IconFolderFor(other) + "/Icon1.ico")}),
                 (QList<bool>{false, false, true, true}));
    }

    // The page's source and preview; a page that does not generate shows neither, nor starts
    // the browser engine. Then the preview in the real engine.
    void htmlAndPreviewTabs() {
        QTemporaryDir temp;
        qputenv("TEMP", temp.path().toUtf8());
        FakeEditorContext ctx;
        ctx.Document.WriteProp("Title", "Preview Ü");
        ctx.Document.WriteProp("Columns", "abc");
        // A page's own script does not run in the preview: the title stays.
        ctx.Document.WriteProp("Footer HTML", "<script>document.title = 'scripted'</script>");
        const QString program = TestFiles::TestBinDir() + "/argrecorder";
        ctx.Document.Items.Append(
            LauncherItem{{"Café", "/usr/bin/env", {}, {}, program, "Normal Window"}});
        ctx.Html.setPlainText("an earlier page");
        ctx.Preview.show();
        for (const QString error : {"HTML Error", "Preview Error"}) {
            Visit(ctx, error.startsWith("HTML") ? 2 : 3, 0);
            QCOMPARE(ctx.Scripted.LastMessage().Title, error);
        }
        QCOMPARE(ctx.Html.toPlainText(), QString());
        QCOMPARE(ctx.Preview.findChildren<QWidget*>().size(), 0);
        ctx.Document.WriteProp("Columns", "5");
        Visit(ctx, 2, 0);
        QCOMPARE(ctx.Html.toPlainText(),
                 GenHTML(ctx.Document, false, QString()).replace("\r\n", "\n"));
        Visit(ctx, 3, 2);
        PreviewPane* pane = ctx.Preview.findChild<PreviewPane*>();
        const QString page = ctx.PreviewPage.PageFile();
        const QUrl preview = QUrl::fromLocalFile(page);
        QVERIFY(pane);
        QCOMPARE(pane->WB->url(), preview);
        QVERIFY2(page.startsWith(temp.path() + "/qtedit2-"), qPrintable(page));
        QWebEngineView* wb = pane->WB;
        QTRY_COMPARE_WITH_TIMEOUT(wb->title(), QString("Preview Ü"), Timeout);
        // The program's icon is extracted beside the preview page, as a build does, and shown.
        QString drawn;
        QTRY_VERIFY_WITH_TIMEOUT(
            (wb->page()->runJavaScript("document.images[0].naturalWidth + ' ' + "
                                       "document.images[0].getAttribute('src')",
                                       QWebEngineScript::ApplicationWorld,
                                       [&](const QVariant& V) { drawn = V.toString(); }),
             drawn.startsWith("64 ")),
            Timeout);
        QCOMPARE(drawn, "64 " + PageBuild::IconFolderFor(page) + "/Icon1.ico");
        // A page without a style sheet of its own looks as the runner shows it: themed.
        QString look;
        QTRY_VERIFY_WITH_TIMEOUT(
            (wb->page()->runJavaScript("getComputedStyle(document.body).marginTop + ' ' + "
                                       "getComputedStyle(document.body).fontFamily",
                                       QWebEngineScript::ApplicationWorld,
                                       [&](const QVariant& V) { look = V.toString(); }),
             look.startsWith("0px system-ui")),
            Timeout);
        // An item link, also one asking for a new window, is refused: the preview stays put.
        QSignalSpy refused(pane, &PreviewPane::NavigationRefused);
        wb->page()->runJavaScript("document.querySelector('a[href=\"qt:/usr/bin/env\"]').click();"
                                  "window.open('qt:/usr/bin/env,new');",
                                  QWebEngineScript::ApplicationWorld);
        QTRY_COMPARE_WITH_TIMEOUT(refused.size(), 2, Timeout);
        QTest::qWait(300);
        QCOMPARE(wb->url(), preview);
        Visit(ctx, 0, 3); // leaving blanks the preview; coming back rebuilds it in the same view
        QTRY_COMPARE_WITH_TIMEOUT(wb->url(), QUrl("about:blank"), Timeout);
        ctx.Document.WriteProp("Title", "Changed");
        Visit(ctx, 3, 0);
        QCOMPARE(ctx.Preview.findChildren<PreviewPane*>().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(wb->title(), QString("Changed"), Timeout);
        QCOMPARE(ctx.Scripted.Messages.size(), 2);
    }
};

QTEST_MAIN(TestBuild)
#include "test_build.moc"
