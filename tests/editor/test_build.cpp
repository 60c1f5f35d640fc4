// Build and Run: what is asked, what lands on disk, and what survives a failure.
#include "AppError.h"
#include "BuildCommands.h"
#include "ConfigStore.h"
#include "FakeEditorContext.h"
#include "PageBuild.h"
#include "TestFiles.h"
#include "modGenHTML.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace BuildCommands;

namespace {
void AddItem(LauncherDocument& Doc, const QString& Description, const QString& Command,
             const QString& Icon = QString()) {
    LauncherItem item;
    item[cellDescription] = Description;
    item[cellCommand] = Command;
    item[cellIcon] = Icon;
    item[cellRun] = QStringLiteral("Normal Window");
    Doc.Items.Append(item);
}
QString Page(const QString& Path) {
    return QString::fromUtf8(TestFiles::Read(Path));
}
} // namespace

class TestBuild : public QObject {
    Q_OBJECT
private slots:
    void iconFolder_data();
    void iconFolder();
    void emptyList_data();
    void emptyList();
    void buildWritesThePageAndRemembersIt();
    void cancelWritesNothing();
    void buildTwiceToOneFile();
    void failedBuildKeepsTheOldPage_data();
    void failedBuildKeepsTheOldPage();
    void runStartsTheRunnerWithThePage();
    void runErrorNamesTheCommand();
    void htmlTabShowsTheSource();
    void generationFailureOnTheTabs_data();
    void generationFailureOnTheTabs();
};

void TestBuild::iconFolder_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("folder");
    // clang-format off
    QTest::newRow("extension") << "/pages/Tools.htm" << "/pages/Tools";
    QTest::newRow("last dot counts") << "/pages/a.b.html" << "/pages/a.b";
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

void TestBuild::emptyList_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
}

void TestBuild::emptyList() {
    QFETCH(bool, yes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.htm"));
    FakeEditorContext ctx;
    ctx.Scripted.MsgAnswers << (yes ? MsgAnswer::Yes : MsgAnswer::No);
    ctx.Scripted.FileAnswers << path;
    mnuFileBuild_Click(ctx);
    const auto question = ctx.Scripted.Messages.value(0);
    QCOMPARE(question.Title, QStringLiteral("No Items in List"));
    QCOMPARE(question.Text, QStringLiteral("There are no icons in the list.  Do you still want to "
                                           "build the HTML file?"));
    QCOMPARE(question.Buttons, MsgButtons::YesNo);
    QCOMPARE(question.Icon, MsgIcon::Question);
    QCOMPARE(question.DefaultButton, std::optional<MsgAnswer>(MsgAnswer::No));
    QCOMPARE(ctx.Scripted.Messages.size(), 1);
    QCOMPARE(ctx.Scripted.FileRequests.size(), yes ? 1 : 0);
    QCOMPARE(QFile::exists(path), yes);
    if (yes) {
        QVERIFY(Page(path).contains(QStringLiteral("<h1>New File 1</h1>")));
        QVERIFY(!Page(path).contains(QStringLiteral("<table")));
    }
}

void TestBuild::buildWritesThePageAndRemembersIt() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tools ü.htm"));
    FakeEditorContext ctx;
    AddItem(ctx.Document, QStringLiteral("Café"), QStringLiteral("/usr/bin/env"));
    ctx.Document.WriteProp(QStringLiteral("(HTML File)"), QStringLiteral("/proposed/old.htm"));
    ctx.Scripted.FileAnswers << path;
    mnuFileBuild_Click(ctx);

    QVERIFY2(ctx.Scripted.Messages.isEmpty(), qPrintable(ctx.Scripted.LastMessage().Text));
    const FileDialogRequest& request = ctx.Scripted.FileRequests.value(0);
    QCOMPARE(request.Title, QStringLiteral("Build the HTML File"));
    QCOMPARE(request.Filter,
             QStringLiteral("HTML Document (*.htm;*.html)|*.htm;*.html|All files (*.*)|*.*"));
    QCOMPARE(request.FileName, QStringLiteral("/proposed/old.htm"));
    QVERIFY(request.Save && request.ConfirmOverwrite);
    // The page is the generator's text byte for byte, as UTF-8.
    QCOMPARE(TestFiles::Read(path), GenHTML(ctx.Document, false, QString()).toUtf8());
    QCOMPARE(ctx.Document.ReadProp(QStringLiteral("(HTML File)"), true), path);
    QVERIFY(ctx.Document.Changed);
    QCOMPARE(ctx.CheckmenusCalls, 1);
}

void TestBuild::cancelWritesNothing() {
    QTemporaryDir dir;
    FakeEditorContext ctx;
    AddItem(ctx.Document, QStringLiteral("A"), QStringLiteral("a"));
    mnuFileBuild_Click(ctx); // no answer queued: the dialog is cancelled
    QCOMPARE(ctx.Scripted.FileRequests.size(), 1);
    QVERIFY(ctx.Scripted.Messages.isEmpty());
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(ctx.Document.ReadProp(QStringLiteral("(HTML File)")).isEmpty());
    QVERIFY(!ctx.Document.Changed);
    QCOMPARE(ctx.CheckmenusCalls, 0);
}

// The second build removes what the first one extracted before it writes anew.
void TestBuild::buildTwiceToOneFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tools.htm"));
    const QString icons = dir.filePath(QStringLiteral("tools"));
    const QString program = QCoreApplication::applicationFilePath();
    auto IconFile = [&](int K) {
        return QDir(icons).filePath(QStringLiteral("Icon%1.ico").arg(K));
    };
    FakeEditorContext ctx;
    AddItem(ctx.Document, QStringLiteral("Program"), program, program);
    ctx.Scripted.FileAnswers << path;
    mnuFileBuild_Click(ctx);
    QVERIFY2(ctx.Scripted.Messages.isEmpty(), qPrintable(ctx.Scripted.LastMessage().Text));
    QVERIFY(QFile::exists(IconFile(1)));
    QVERIFY(Page(path).contains(QStringLiteral("src=\"") + IconFile(1) + QStringLiteral("\"")));

    // Make the first build's icons recognisable, and give it a second one.
    QVERIFY(TestFiles::Write(IconFile(1), "stale icon"));
    QVERIFY(TestFiles::Write(IconFile(2), "stale icon"));
    ConfigStore cache;
    cache.LoadFile(QDir(icons).filePath(QStringLiteral("Icons.txt")));
    cache.IncrementCount(QStringLiteral("Icons"));
    cache.SetListValue(QStringLiteral("Icons"), QStringLiteral("Icon"), IconFile(2));
    cache.SetListValue(QStringLiteral("Icons"), QStringLiteral("EXE"), QStringLiteral("/GONE"));
    cache.SaveToFile(QDir(icons).filePath(QStringLiteral("Icons.txt")));

    ctx.Document.WriteProp(QStringLiteral("Title"), QStringLiteral("Second"));
    ctx.Scripted.FileAnswers << path;
    mnuFileBuild_Click(ctx);
    QVERIFY2(ctx.Scripted.Messages.isEmpty(), qPrintable(ctx.Scripted.LastMessage().Text));
    QVERIFY(Page(path).contains(QStringLiteral("<h1>Second</h1>")));
    QVERIFY(QFile::exists(IconFile(1)));
    QVERIFY(TestFiles::Read(IconFile(1)) != "stale icon");
    QVERIFY(!QFile::exists(IconFile(2)));
    ConfigStore after;
    after.LoadFile(QDir(icons).filePath(QStringLiteral("Icons.txt")));
    QCOMPARE(after.GetValue(QStringLiteral("Icons")), QStringLiteral("1"));
}

void TestBuild::failedBuildKeepsTheOldPage_data() {
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("name");  // file name chosen in the dialog
    QTest::addColumn<bool>("launcher"); // the old file is the document's launcher file
    // clang-format off
    QTest::newRow("non-numeric columns") << "abc" << "tools.htm" << false;
    QTest::newRow("zero columns") << "0" << "tools.htm" << false;
    QTest::newRow("folder that does not exist") << "5" << "missing/tools.htm" << false;
    QTest::newRow("the launcher file itself") << "5" << "tools.htm" << true;
    // clang-format on
}

void TestBuild::failedBuildKeepsTheOldPage() {
    QFETCH(QString, columns);
    QFETCH(QString, name);
    QFETCH(bool, launcher);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("tools.htm"));
    const QString path = dir.filePath(name);
    QVERIFY(TestFiles::Write(old, "<html>the old page</html>"));
    FakeEditorContext ctx;
    if (launcher)
        ctx.Document.CurFile = old;
    AddItem(ctx.Document, QStringLiteral("A"), QStringLiteral("a"));
    ctx.Document.WriteProp(QStringLiteral("Columns"), columns); // as a loaded file may hold it
    ctx.Document.WriteProp(QStringLiteral("(HTML File)"), QStringLiteral("/before.htm"));
    ctx.Scripted.FileAnswers << path;
    mnuFileBuild_Click(ctx);

    QCOMPARE(ctx.Scripted.Messages.size(), 1);
    const auto message = ctx.Scripted.LastMessage();
    QCOMPARE(message.Title, QStringLiteral("Build Error"));
    QCOMPARE(message.Icon, MsgIcon::Critical);
    QCOMPARE(message.Buttons, MsgButtons::OK);
    const QString prefix =
        QStringLiteral("An error occurred when attempting to build the HTML file '") + path +
        "' - ";
    QVERIFY2(message.Text.startsWith(prefix), qPrintable(message.Text));
    QVERIFY2(QRegularExpression(QStringLiteral(".+, \\d+$"))
                 .match(message.Text.mid(prefix.size()))
                 .hasMatch(),
             qPrintable(message.Text));
    QCOMPARE(TestFiles::Read(old), QByteArray("<html>the old page</html>"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"tools.htm"});
    QCOMPARE(ctx.Document.ReadProp(QStringLiteral("(HTML File)"), true),
             QStringLiteral("/before.htm"));
    QVERIFY(!ctx.Document.Changed);
    QCOMPARE(ctx.CheckmenusCalls, 0);
}

void TestBuild::runStartsTheRunnerWithThePage() {
    const QString recorder = TestFiles::TestBinDir() + QStringLiteral("/argrecorder");
    QVERIFY2(QFile::exists(recorder), "the argrecorder target must be built");
    QTemporaryDir dir;
    const QString apath = dir.path() + QLatin1Char('/');
    QVERIFY(QFile::copy(recorder, apath + QStringLiteral("quintor2")));
    const QString record = dir.filePath(QStringLiteral("args.txt"));
    qputenv("QUINTOR_ARGS_FILE", record.toUtf8());

    FakeEditorContext ctx;
    ctx.Document.APath = apath;
    // Blanks, a quote and "&" reach the runner exactly as the user chose them.
    const QString page = QStringLiteral("/My Pages/A&B \"Tools\".htm");
    ctx.Document.WriteProp(QStringLiteral("(HTML File)"), page);
    const PageBuild::RunCommand command = PageBuild::RunCommandFor(ctx.Document);
    QCOMPARE(command.CommandLine, apath + QStringLiteral("quintor2 ") + page);
    mnuFileRun_Click(ctx);
    QVERIFY2(ctx.Scripted.Messages.isEmpty(), qPrintable(ctx.Scripted.LastMessage().Text));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
    const QStringList lines = QString::fromUtf8(TestFiles::Read(record)).split('\n');
    QCOMPARE(lines.mid(1), (QStringList{page, QString()})); // one argument, then the final break
}

void TestBuild::runErrorNamesTheCommand() {
    QTemporaryDir dir;
    FakeEditorContext ctx;
    ctx.Document.APath = dir.path() + QLatin1Char('/');
    ctx.Document.WriteProp(QStringLiteral("(HTML File)"), QStringLiteral("/My Pages/Tools.htm"));
    mnuFileRun_Click(ctx);
    QCOMPARE(ctx.Scripted.Messages.size(), 1);
    QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Run Error"));
    QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Critical);
    QCOMPARE(ctx.Scripted.LastMessage().Text,
             QStringLiteral("An error occurred when running the command - '") + dir.path() +
                 QStringLiteral("/quintor2 /My Pages/Tools.htm' - File not found, 53"));
}

void TestBuild::htmlTabShowsTheSource() {
    FakeEditorContext ctx;
    AddItem(ctx.Document, QStringLiteral("A"), QStringLiteral("a"));
    ctx.Document.WriteProp(QStringLiteral("Title"), QStringLiteral("Tools"));
    ctx.Tab = 2;
    tabMain_Click(ctx, 0);
    const QString shown = ctx.Html.toPlainText();
    QVERIFY(shown.contains(QStringLiteral("<title>Tools</title>")));
    QCOMPARE(shown, GenHTML(ctx.Document, false, QString()).replace("\r\n", "\n"));
    // The source follows the document on every visit.
    ctx.Document.WriteProp(QStringLiteral("Title"), QStringLiteral("Other"));
    tabMain_Click(ctx, 0);
    QVERIFY(ctx.Html.toPlainText().contains(QStringLiteral("<title>Other</title>")));
    QVERIFY(ctx.Scripted.Messages.isEmpty());
    QVERIFY(!ctx.Document.Changed);
}

void TestBuild::generationFailureOnTheTabs_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("title");
    QTest::newRow("HTML") << 2 << "HTML Error";
    QTest::newRow("Preview") << 3 << "Preview Error";
}

void TestBuild::generationFailureOnTheTabs() {
    QFETCH(int, tab);
    QFETCH(QString, title);
    QTemporaryDir temp;
    qputenv("TEMP", temp.path().toUtf8());
    FakeEditorContext ctx;
    AddItem(ctx.Document, QStringLiteral("A"), QStringLiteral("a"));
    ctx.Document.WriteProp(QStringLiteral("Columns"), QStringLiteral("abc"));
    ctx.Html.setPlainText(QStringLiteral("an earlier page"));
    ctx.Tab = tab;
    tabMain_Click(ctx, 0);
    QCOMPARE(ctx.Scripted.Messages.size(), 1);
    QCOMPARE(ctx.Scripted.LastMessage().Title, title);
    QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Critical);
    QVERIFY(ctx.Scripted.LastMessage().Text.startsWith(
        QStringLiteral("An error occurred when attempting to ")));
    if (tab == 2)
        QVERIFY(ctx.Html.toPlainText().isEmpty()); // no stale source left showing
    // No preview file, and no browser engine started for a page that does not exist.
    QVERIFY(!QFile::exists(temp.filePath(QStringLiteral("QTE.htm"))));
    QVERIFY(ctx.Preview.findChildren<QWidget*>().isEmpty());
    qunsetenv("TEMP");
}

QTEST_MAIN(TestBuild)
#include "test_build.moc"
