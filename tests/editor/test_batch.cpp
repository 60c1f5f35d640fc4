// The editor's commands for scripts, run as a script runs them: whole processes, without
// a display. The page and icons --build writes are the window's, byte for byte.
#include "batch/BatchCommand.h"
#include "build/ui/BuildCommands.h"
#include "document/LauncherFile.h"
#include "editor/EveryProperty.h"
#include "editor/FakeEditorContext.h"
#include "items/Sections.h"
#include "support/Command.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"
#include "textform/LauncherText.h"

#include <QDirIterator>
#include <QtTest>

using namespace DataRows;
using namespace Qt::StringLiterals;

namespace {

Command::Result Qtedit2(const QStringList& Arguments) {
    return Command::Run(TestFiles::BinDir() + "/qtedit2", Arguments, Command::WithoutDisplay());
}

LauncherItem Item(const QString& Description, const QString& Command, const QString& StartIn = {},
                  const QString& Icon = {}) {
    LauncherItem item;
    item[cellDescription] = Description;
    item[cellCommand] = Command;
    item[cellStartIn] = StartIn;
    item[cellIcon] = Icon;
    item[cellRun] = "Normal Window";
    return item;
}

// A page with every property set and program icons of several kinds to extract.
void FillEverything(LauncherDocument& Doc) {
    EveryProperty::Set(Doc);
    Doc.Items.Append(Item("Shell", "/bin/sh", "/tmp", "/bin/sh"));
    Doc.Items.Append(Item("Shell again", "sh", "", "/BIN/SH"));
    Doc.Items.Append(Item("Hostname", "/etc/hostname", "", "/etc/hostname"));
    SectionDetails details;
    details.Name = "Places";
    details.Columns = "2";
    details.IconSize = "64";
    Doc.Items.Append(Item(SectionRowText(details), ""));
    Doc.Items.Append(Item("Root", "/", "", "/"));
    Doc.Items.Append(Item("Nowhere", "/no/such", "", "/no/such.ico"));
}

// Every file under Folder by its path inside it, with its bytes.
QMap<QString, QByteArray> FilesUnder(const QString& Folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(Folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files.insert(QDir(Folder).relativeFilePath(file), TestFiles::Read(file));
    }
    return files;
}

} // namespace

class TestBatch : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString PathOf(const QString& Name) const { return Dir.filePath(Name); }

    // The launcher file Name in a folder of its own, copied from Source or made here.
    QString Prepare(const QString& Name, const QString& Source) {
        const QString folder =
            PathOf(QFileInfo(Name).completeBaseName() + "-" + QFileInfo(Name).suffix());
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        const QString file = folder + "/" + Name;
        LauncherDocument doc;
        if (Source.isEmpty())
            FillEverything(doc);
        else
            LauncherFile::OpenFile(doc, Source, false);
        LauncherFile::SaveFile(doc, file);
        return file;
    }

private slots:
    void buildMatchesWindow_data() {
        Texts({"name", "source"});
        Row("example", "Tools.qtf",
            qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/examples/Tools.qtf");
        Row("everything set", "All.qtf", QString());
        Row("everything set, as text", "All.yaml", QString());
    }
    void buildMatchesWindow() {
        const QString file = Prepare(Fetch("name"), Fetch("source"));
        const QString folder = QFileInfo(file).absolutePath();
        const QString page = folder + "/page/Tools page.htm";
        QDir().mkpath(QFileInfo(page).absolutePath());
        {
            FakeEditorContext window;
            LauncherFile::OpenFile(window.Document, file, false);
            window.Scripted.FileAnswers << page;
            BuildCommands::mnuFileBuild_Click(window);
            QVERIFY2(window.Scripted.Messages.isEmpty(),
                     qPrintable(window.Scripted.Messages.value(0).Text));
        }
        const QMap<QString, QByteArray> byWindow = FilesUnder(QFileInfo(page).absolutePath());
        QVERIFY(byWindow.contains("Tools page.htm"));
        QVERIFY(QDir(QFileInfo(page).absolutePath()).removeRecursively());
        QDir().mkpath(QFileInfo(page).absolutePath());
        const QByteArray launcher = TestFiles::Read(file);

        const Command::Result built = Qtedit2({"--build", file, "--output", page});
        QCOMPARE(built.Code, 0);
        QCOMPARE(built.Text(), QString());
        const QMap<QString, QByteArray> byCommand = FilesUnder(QFileInfo(page).absolutePath());
        QCOMPARE(byCommand.keys(), byWindow.keys());
        for (const QString& name : byWindow.keys())
            QVERIFY2(byCommand[name] == byWindow[name], qPrintable(name));
        QCOMPARE(TestFiles::Read(file), launcher);
    }

    // Without --output: "(HTML File)" when set, else the launcher file's name with ".htm".
    void defaultPage() {
        const QString file = Prepare("Tools.qtf", qEnvironmentVariable("QUINTOR_SOURCE_DIR") +
                                                      "/examples/Tools.qtf");
        const QString beside = QFileInfo(file).absolutePath() + "/Tools.htm";
        QCOMPARE(Qtedit2({"--build", file}).Code, 0);
        QVERIFY(QFileInfo(beside).isFile());

        const QString text = PathOf("named/Named.yaml");
        const QString named = PathOf("named/elsewhere.html");
        QVERIFY(TestFiles::Write(text, "properties:\n  P_HTMFLE: " + named.toUtf8() +
                                           "\nitems: [{description: a, command: /bin/sh}]\n"));
        QCOMPARE(Qtedit2({"--build", text}).Code, 0);
        QVERIFY(TestFiles::Read(named).contains("qt:/bin/sh"));
        QVERIFY(!QFileInfo::exists(PathOf("named/Named.htm")));
    }

    // Each failure: its exit status, the window's message on standard error, and no page.
    void failures_data() {
        Columns<QStringList, int, QString>({"arguments", "code", "message"});
        Row("no file", QStringList{"--build"}, 2,
            QString("Quintor Editor: --build needs a launcher file"));
        Row("two files", QStringList{"--check", "a.qtf", "b.qtf"}, 2,
            QString("Quintor Editor: --check takes one launcher file, not also 'b.qtf'"));
        Row("unknown option", QStringList{"--build", "--page", "x.htm", "a.qtf"}, 2,
            QString("Quintor Editor: unknown option '--page'"));
        Row("output without name", QStringList{"--build", "a.qtf", "--output"}, 2,
            QString("Quintor Editor: --output needs a file name"));
        Row("check with output", QStringList{"--check", "a.qtf", "--output", "x"}, 2,
            QString("Quintor Editor: --check writes nothing"));
        Row("convert to other kind", QStringList{"--convert", "a.qtf", "--output", "a.txt"}, 2,
            QString("Quintor Editor: the converted file's name must end in .qtf"));
        Row("text to standard output", QStringList{"--convert", "a.yaml"}, 2,
            QString("Quintor Editor: converting a text launcher file needs --output"));
        Row("missing file", QStringList{"--build", "%D/none.qtf", "--output", "%D/p.htm"}, 3,
            QString("Open Error: An error occurred when attempting to open the file "
                    "'%D/none.qtf' - File not found, 53"));
        Row("damaged file", QStringList{"--build", "%D/damaged.qtf", "--output", "%D/p.htm"}, 3,
            QString("Open Error: An error occurred when attempting to open the file "
                    "'%D/damaged.qtf' - Invalid file format: "));
        Row("bad text", QStringList{"--build", "%D/bad.yaml", "--output", "%D/p.htm"}, 3,
            QString("Open Error: An error occurred when attempting to open the file "
                    "'%D/bad.yaml' - Line 3: 'Fast' is not a run style"));
        Row("bad text converted", QStringList{"--convert", "%D/bad.yaml", "--output", "%D/p.qtf"},
            3, QString("Open Error: "));
        Row("folder missing", QStringList{"--build", "%D/good.yaml", "--output", "%D/no/p.htm"}, 4,
            QString("Build Error: An error occurred when attempting to build the HTML file "
                    "'%D/no/p.htm' - Path not found"));
        Row("page is a folder", QStringList{"--build", "%D/good.yaml", "--output", "%D"}, 4,
            QString("Build Error: "));
        Row("converted into missing folder",
            QStringList{"--convert", "%D/good.yaml", "--output", "%D/no/p.qtf"}, 4,
            QString("Save Error: An error occurred when attempting to save the file "
                    "'%D/no/p.qtf' - "));
    }
    void failures() {
        QVERIFY(TestFiles::Write(PathOf("f/damaged.qtf"), "QTFP\xff\xff\xff\xff"));
        QVERIFY(
            TestFiles::Write(PathOf("f/bad.yaml"), "items:\n  - description: a\n    run: Fast\n"));
        QVERIFY(TestFiles::Write(PathOf("f/good.yaml"), "items: [{description: a}]\n"));
        const QString folder = PathOf("f");
        QStringList arguments = Fetch<QStringList>("arguments");
        arguments.replaceInStrings("%D", folder);
        const Command::Result ran = Qtedit2(arguments);
        QCOMPARE(ran.Code, Fetch<int>("code"));
        QCOMPARE(ran.Out, QString());
        QVERIFY2(ran.Err.startsWith(Fetch("message").replace("%D", folder)), qPrintable(ran.Err));
        QVERIFY2(ran.Err.endsWith('\n') && ran.Err.count('\n') == 1, qPrintable(ran.Err));
        QVERIFY(!QFileInfo::exists(folder + "/p.htm"));
        QVERIFY(!QFileInfo::exists(folder + "/p"));
        QVERIFY(!QFileInfo::exists(folder + "/p.qtf"));
    }

    void check() {
        LauncherDocument doc;
        doc.Items.Append(Item("Fine", "/bin/sh", "/tmp"));
        doc.Items.Append(Item("No command", "/no/such/program"));
        doc.Items.Append(Item("No folder", "/bin/sh", "/no/such/folder"));
        doc.Items.Append(Item("No icon", "/bin/sh", "", "/no/such.ico"));
        const QString file = PathOf("check/Check.qtf");
        QDir().mkpath(PathOf("check"));
        LauncherFile::SaveFile(doc, file);
        doc.CO.Release(); // another program's lock keeps every reader out
        const Command::Result broken = Qtedit2({"--check", file});
        QCOMPARE(broken.Code, 1);
        QCOMPARE(broken.Err, QString());
        QCOMPARE(broken.Out, QString("2. No command - The command was not found: /no/such/program\n"
                                     "3. No folder - The start-in folder does not exist: "
                                     "/no/such/folder\n"
                                     "4. No icon - The icon file does not exist: /no/such.ico\n"));

        const QString fine = PathOf("check/Fine.yaml");
        QVERIFY(TestFiles::Write(fine, "items: [{description: Fine, command: /bin/sh}]\n"));
        const Command::Result clean = Qtedit2({"--check", fine});
        QCOMPARE(clean.Code, 0);
        QCOMPARE(clean.Text(), QString());
    }

    void convert() {
        const QString file = Prepare("All.qtf", QString());
        const QString folder = QFileInfo(file).absolutePath();
        LauncherDocument doc;
        LauncherFile::OpenFile(doc, file, false);
        doc.CO.Release();
        const Command::Result toText = Qtedit2({"--convert", file});
        QCOMPARE(toText.Code, 0);
        QCOMPARE(toText.Out.toUtf8(), LauncherText::Write(doc));

        const QString text = folder + "/All.yaml", back = folder + "/Back.qtf";
        QCOMPARE(Qtedit2({"--convert", file, "--output", text}).Code, 0);
        QCOMPARE(TestFiles::Read(text), LauncherText::Write(doc));
        QCOMPARE(Qtedit2({"--convert", text, "--output=" + back}).Code, 0);
        QCOMPARE(TestFiles::Read(back), TestFiles::Read(file));
    }

    // The help names the commands; a file named like one still opens after "--".
    void commandLine() {
        const Command::Result help = Qtedit2({"--help"});
        QCOMPARE(help.Code, 0);
        for (const QString& line : BatchCommand::UsageLines())
            QVERIFY2(help.Out.contains(line), qPrintable(help.Out));
        // The help's example is a launcher file as it stands.
        const QString example = help.Out.section("A text launcher file", 1).section('\n', 1);
        const QString yaml = example.section("Rebuilt every hour", 0, 0).replace("\n  ", "\n");
        const LauncherContent content = LauncherText::Parse(yaml.mid(2).toUtf8());
        QCOMPARE(content.Items.size(), 3);
        QCOMPARE(content.Items[2][cellRun], QString("Hyperlink"));
        QVERIFY(BatchCommand::Wanted({"--build", "x"}));
        QVERIFY(!BatchCommand::Wanted({"x", "--build"}));
        QVERIFY(!BatchCommand::Wanted({"--", "--build"}));
        const BatchCommand::Parsed parsed = BatchCommand::Parse({"--build", "--", "-x.qtf"});
        QCOMPARE(parsed.Error, QString());
        QCOMPARE(parsed.Command.File, QString("-x.qtf"));
    }
};

QTEST_MAIN(TestBatch)
#include "test_batch.moc"
