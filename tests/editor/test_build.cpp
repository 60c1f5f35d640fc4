// Build, Run and the page's tabs: what is asked, what lands on disk, what survives a failure,
// and the preview in the real browser engine.
#include "BuildCommands.h"
#include "FakeEditorContext.h"
#include "PageBuild.h"
#include "PreviewPane.h"
#include "TestFiles.h"
#include "modGenHTML.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>
#include <QtTest>

using namespace BuildCommands;

namespace {
constexpr int Timeout = 20000;

void AddItem(LauncherDocument& Doc, const QString& Command, const QString& Icon = QString(),
             const QString& Run = QStringLiteral("Normal Window")) {
    LauncherItem item;
    item[cellDescription] = QStringLiteral("Café");
    item[cellCommand] = Command;
    item[cellIcon] = Icon;
    item[cellRun] = Run;
    Doc.Items.Append(item);
}
// The save dialog answers Path; an empty Path cancels it.
void Build(FakeEditorContext& Ctx, const QString& Path) {
    if (!Path.isEmpty())
        Ctx.Scripted.FileAnswers << Path;
    mnuFileBuild_Click(Ctx);
}
QString Evaluate(QWebEngineView* View, const QString& Script) {
    QString result;
    bool done = false;
    View->page()->runJavaScript(Script, [&](const QVariant& Value) {
        result = Value.toString();
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, Timeout) ? result : QStringLiteral("<no answer>");
}
} // namespace

class TestBuild : public QObject {
    Q_OBJECT
private slots:
    void iconFolder_data();
    void iconFolder();
    void buildToOneFile();
    void run();
    void htmlTab_data();
    void htmlTab();
    void previewInTheEngine();
};

void TestBuild::iconFolder_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("folder");
    // clang-format off
    QTest::newRow("extension") << "/pages/Tools.htm" << "/pages/Tools";
    QTest::newRow("dot in a folder name") << "/pages.v2/Tools" << "/pages.v2/Tools_files";
    QTest::newRow("no dot at all") << "/pages/Tools" << "/pages/Tools_files";
    QTest::newRow("hidden file") << "/pages/.htm" << "/pages/.htm_files";
    QTest::newRow("trailing dot") << "/pages/Tools." << "/pages/Tools";
    // clang-format on
}

void TestBuild::iconFolder() {
    QFETCH(QString, page);
    QFETCH(QString, folder);
    QCOMPARE(PageBuild::IconFolderFor(QDir::toNativeSeparators(page)),
             QDir::toNativeSeparators(folder));
}

// One page built again and again: what is asked, what is written, and what a failure keeps.
void TestBuild::buildToOneFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tools ü.htm"));
    auto Icon = [&](int K) { return dir.filePath(QStringLiteral("Tools ü/Icon%1.ico").arg(K)); };
    FakeEditorContext ctx;
    LauncherDocument& doc = ctx.Document;
    doc.WriteProp(QStringLiteral("Title"), QStringLiteral("Outils à"));
    doc.WriteProp(QStringLiteral("(HTML File)"), QStringLiteral("/proposed/old.htm"));
    ctx.Scripted.MsgAnswers << MsgAnswer::No << MsgAnswer::Yes << MsgAnswer::Yes;
    Build(ctx, QString()); // the empty list: No stops before the save dialog
    const auto question = ctx.Scripted.LastMessage();
    QCOMPARE(question.Title, QStringLiteral("No Items in List"));
    QCOMPARE(question.Text, QStringLiteral("There are no icons in the list.  Do you still want to "
                                           "build the HTML file?"));
    QVERIFY(question.Buttons == MsgButtons::YesNo && question.Icon == MsgIcon::Question);
    QCOMPARE(question.DefaultButton, std::optional<MsgAnswer>(MsgAnswer::No));
    QVERIFY(ctx.Scripted.FileRequests.isEmpty());
    Build(ctx, QString()); // Yes, then the save dialog is cancelled
    const FileDialogRequest request = ctx.Scripted.FileRequests.value(0);
    QCOMPARE(request.Title, QStringLiteral("Build the HTML File"));
    QCOMPARE(request.Filter,
             QStringLiteral("HTML Document (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*"));
    QCOMPARE(request.FileName, QStringLiteral("/proposed/old.htm"));
    QVERIFY(request.Save && request.ConfirmOverwrite);
    QVERIFY(QDir(dir.path()).isEmpty() && !doc.Changed && ctx.CheckmenusCalls == 0);
    Build(ctx, path);
    QCOMPARE(TestFiles::Read(path), GenHTML(doc, false, QString()).toUtf8());
    QCOMPARE(doc.ReadProp(QStringLiteral("(HTML File)"), true), path);
    QVERIFY(doc.Changed && ctx.CheckmenusCalls == 1);

    // A second build removes the icons the first one extracted before it writes anew.
    for (const QString& program : {QCoreApplication::applicationFilePath(),
                                   TestFiles::TestBinDir() + QStringLiteral("/argrecorder")})
        AddItem(doc, program, program);
    Build(ctx, path);
    QVERIFY(QFile::exists(Icon(2)) && TestFiles::Write(Icon(1), "stale icon"));
    doc.Items.Remove(2);
    Build(ctx, path);
    QCOMPARE(ctx.Scripted.Messages.size(), 3);
    QVERIFY(QString::fromUtf8(TestFiles::Read(path)).contains("src=\"" + Icon(1) + "\""));
    QVERIFY(TestFiles::Read(Icon(1)) != "stale icon" && !QFile::exists(Icon(2)));
    QVERIFY(!TestFiles::Read(dir.filePath(QStringLiteral("Tools ü/Icons.txt"))).contains("Icon2"));

    // A failing generator, a file for a folder, the launcher file itself: the old page stays.
    const QByteArray page = TestFiles::Read(path);
    doc.Changed = false;
    const struct {
        QString Columns, To, Launcher;
    } failures[] = {{"abc", path, ""}, {"5", path + "/x.htm", ""}, {"5", path, path}};
    for (const auto& f : failures) {
        doc.WriteProp(QStringLiteral("Columns"), f.Columns); // as a loaded file may hold it
        doc.CurFile = f.Launcher;
        Build(ctx, f.To);
        const auto message = ctx.Scripted.LastMessage();
        QVERIFY(message.Title == "Build Error" && message.Icon == MsgIcon::Critical);
        QCOMPARE(message.Buttons, MsgButtons::OK);
        const QString prefix =
            "An error occurred when attempting to build the HTML file '" + f.To + "' - ";
        const QRegularExpression description(QStringLiteral("^.+, \\d+$"));
        QVERIFY2(message.Text.startsWith(prefix) &&
                     description.match(message.Text.mid(prefix.size())).hasMatch(),
                 qPrintable(message.Text));
    }
    QCOMPARE(ctx.Scripted.Messages.size(), 6);
    QCOMPARE(TestFiles::Read(path), page);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Tools ü.htm"});
    QCOMPARE(doc.ReadProp(QStringLiteral("(HTML File)"), true), path);
    QVERIFY(!doc.Changed && ctx.CheckmenusCalls == 3);
}

// The runner from the editor's folder, with the page as its one argument exactly as chosen.
void TestBuild::run() {
    QTemporaryDir dir;
    const QString page = QStringLiteral("/My Pages/A&B \"Tools\".htm");
    FakeEditorContext ctx;
    ctx.Document.APath = dir.path() + QLatin1Char('/');
    ctx.Document.WriteProp(QStringLiteral("(HTML File)"), page);
    mnuFileRun_Click(ctx);
    QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Run Error"));
    QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Critical);
    QCOMPARE(ctx.Scripted.LastMessage().Text, "An error occurred when running the command - '" +
                                                  dir.path() + "/quintor2 " + page +
                                                  "' - File not found, 53");

    QVERIFY(QFile::copy(TestFiles::TestBinDir() + "/argrecorder", dir.filePath("quintor2")));
    const QString record = dir.filePath(QStringLiteral("args.txt"));
    qputenv("QUINTOR_ARGS_FILE", record.toUtf8());
    mnuFileRun_Click(ctx);
    QCOMPARE(ctx.Scripted.Messages.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
    const QStringList lines = QString::fromUtf8(TestFiles::Read(record)).split('\n');
    QCOMPARE(lines.mid(1), (QStringList{page, QString()})); // one argument, then the final break
}

void TestBuild::htmlTab_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("error"); // the message's title; empty when the page generates
    QTest::newRow("HTML") << 2 << "5"
                          << "";
    QTest::newRow("HTML, generator fails") << 2 << "abc"
                                           << "HTML Error";
    QTest::newRow("Preview, generator fails") << 3 << "abc"
                                              << "Preview Error";
}

void TestBuild::htmlTab() {
    QFETCH(int, tab);
    QFETCH(QString, columns);
    QFETCH(QString, error);
    QTemporaryDir temp;
    qputenv("TEMP", temp.path().toUtf8());
    FakeEditorContext ctx;
    AddItem(ctx.Document, QStringLiteral("a"));
    ctx.Document.WriteProp(QStringLiteral("Columns"), columns);
    ctx.Html.setPlainText(QStringLiteral("an earlier page"));
    ctx.Tab = tab;
    tabMain_Click(ctx, 0);
    QCOMPARE(ctx.Scripted.LastMessage().Title, error);
    if (error.isEmpty()) {
        QCOMPARE(ctx.Html.toPlainText(),
                 GenHTML(ctx.Document, false, QString()).replace("\r\n", "\n"));
        return;
    }
    QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Critical);
    QVERIFY(ctx.Scripted.LastMessage().Text.startsWith("An error occurred when attempting to "));
    if (tab == 2)
        QVERIFY(ctx.Html.toPlainText().isEmpty()); // no stale source left showing
    // No preview file, and no browser engine started for a page that does not exist.
    QVERIFY(!QFile::exists(temp.filePath(QStringLiteral("QTE.htm"))));
    QVERIFY(ctx.Preview.findChildren<QWidget*>().isEmpty());
}

void TestBuild::previewInTheEngine() {
    QTemporaryDir temp;
    qputenv("TEMP", temp.path().toUtf8());
    const QString other = temp.filePath(QStringLiteral("other page.htm"));
    QVERIFY(TestFiles::Write(other, "<html><head><title>Other</title></head></html>"));
    FakeEditorContext ctx;
    ctx.Document.WriteProp(QStringLiteral("Title"), QStringLiteral("Preview Ü"));
    AddItem(ctx.Document, QStringLiteral("/usr/bin/env"));
    AddItem(ctx.Document, other, QString(), QStringLiteral("Hyperlink"));
    ctx.Preview.show();
    ctx.Tab = 3;
    tabMain_Click(ctx, 1);
    PreviewPane* pane = ctx.Preview.findChild<PreviewPane*>();
    QVERIFY(pane);
    QWebEngineView* wb = pane->WB;
    const QUrl preview = QUrl::fromLocalFile(temp.filePath(QStringLiteral("QTE.htm")));
    QCOMPARE(wb->url(), preview);
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(wb, "document.title"), QStringLiteral("Preview Ü"), Timeout);

    // An item link, also one asking for a new window, is refused: the preview stays put.
    QSignalSpy refused(pane, &PreviewPane::NavigationRefused);
    Evaluate(wb, "document.querySelector('a[href=\"qt:/usr/bin/env\"]').click(); "
                 "window.open('qt:/usr/bin/env,new'); true");
    QTRY_COMPARE_WITH_TIMEOUT(refused.size(), 2, Timeout);
    QCOMPARE(refused[0][0].toUrl().toString(), QStringLiteral("qt:/usr/bin/env"));
    QTest::qWait(300);
    QCOMPARE(wb->url(), preview);
    // Any other link is followed inside the preview.
    Evaluate(wb, "document.querySelector('a[href=\"" + other + "\"]').click(); true");
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(wb, "document.title"), QStringLiteral("Other"), Timeout);

    // Leaving the tab blanks the preview; coming back rebuilds it in the same view.
    ctx.Tab = 0;
    tabMain_Click(ctx, 3);
    QTRY_COMPARE_WITH_TIMEOUT(wb->url(), QUrl(QStringLiteral("about:blank")), Timeout);
    ctx.Document.WriteProp(QStringLiteral("Title"), QStringLiteral("Changed"));
    ctx.Tab = 3;
    tabMain_Click(ctx, 0);
    QCOMPARE(ctx.Preview.findChildren<PreviewPane*>().size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(Evaluate(wb, "document.title"), QStringLiteral("Changed"), Timeout);
    QVERIFY(ctx.Scripted.Messages.isEmpty());
}

int main(int argc, char* argv[]) {
    PreviewPane::RegisterUrlSchemes();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestBuild test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_build.moc"
