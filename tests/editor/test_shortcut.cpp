// The desktop shortcut: file name, launcher text, and the command (on a temporary desktop).
#include "editor/FakeEditorContext.h"
#include "items/Shortcut.h"
#include "items/ui/ShortcutCommands.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestShortcut : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    const QString Desktop = Dir.filePath(u"My Desktop"_s);

    void UseDesktop(const QString& Folder, const QString& Config) {
        QVERIFY(TestFiles::Write(Dir.filePath(Config + u"/user-dirs.dirs"_s),
                                 "XDG_DESKTOP_DIR=\"" + Folder.toUtf8() + "\"\n"));
        qputenv("XDG_CONFIG_HOME", Dir.filePath(Config).toUtf8());
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir().mkpath(Desktop));
        UseDesktop(Desktop, u"config"_s);
    }

    void cleanFileName() {
        QCOMPARE(Shortcut::CleanFileName(u"  Tools: Work "_s), u"Tools; Work"_s);
        QCOMPARE(Shortcut::CleanFileName(u"a/b|c?*d\\e<\"hi\">"_s), u"a_b\u00A6c!xd_e(''hi'')"_s);
        QCOMPARE(Shortcut::CleanFileName(QString(300, u't')), QString(250, u't'));
        QCOMPARE(Shortcut::CleanFileName(QString(200, u'"')), QString(250, u'\''));
        QCOMPARE(Shortcut::CleanFileName(QString(249, u'a') + u"\U0001F600"_s), QString(249, u'a'));
    }

    // The command: an executable file escaped for special characters, the message; a second run
    // replaces it, showing the runner's icon; the error; then a desktop starts the runner (a
    // recorder here) from it with the page path whole.
    void command() {
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
            u"Comment=\\s Tools: \"Work\" & \\\\ Play  \nExec=\"%1quintor2\" \"/t/My \\\\\"100%%"
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

        const QString gio = QStandardPaths::findExecutable(u"gio"_s), args = Dir.filePath(u"a"_s);
        const QString recorder = TestFiles::TestBinDir() + u"/argrecorder"_s;
        if (gio.isEmpty() || !QFileInfo(recorder).isExecutable())
            QSKIP("launching needs gio and the argrecorder test program");
        QVERIFY(QDir().mkpath(doc.APath));
        QVERIFY(QFile::copy(recorder, doc.APath + u"quintor2"_s));
        qputenv("QUINTOR_ARGS_FILE", args.toUtf8());
        QCOMPARE(QProcess::execute(gio, {u"launch"_s, file}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(args), 10000);
        QCOMPARE(QString::fromUtf8(TestFiles::Read(args)).split(u'\n').mid(1),
                 (QStringList{page, {}}));
    }

    // 300 two-byte characters still give a name of at most 255 bytes; a title that would leave
    // no name, or a hidden file, gives the runner's, while the desktop shows the title.
    void fileName() {
        LauncherDocument doc;
        doc.WriteProp(u"Title"_s, QString(300, QChar(0xE9)));
        const QString name = QFileInfo(Shortcut::Create(doc, Desktop)).fileName();
        QVERIFY2(name.toUtf8().size() <= 255 && name.size() >= 60, qPrintable(name));
        QCOMPARE(name, QString(name.size() - 8, QChar(0xE9)) + u".desktop"_s);
        for (const auto& [title, shown] :
             {std::pair{u"   "_s, "Quintor"}, {u"  .NET "_s, ".NET"}}) {
            doc.WriteProp(u"Title"_s, title);
            QCOMPARE(Shortcut::Create(doc, Desktop), Desktop + u"/Quintor.desktop"_s);
            QVERIFY(TestFiles::Read(Desktop + u"/Quintor.desktop"_s)
                        .contains("\nName=" + QByteArray(shown) + '\n'));
        }
    }
};

QTEST_MAIN(TestShortcut)
#include "test_shortcut.moc"
