// The desktop shortcut: its file name, the launcher file, and the command writing it into a
// desktop folder (always a temporary one here).
#include "FakeEditorContext.h"
#include "Shortcut.h"
#include "ShortcutCommands.h"
#include "TestFiles.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The raw value of Key in a launcher file.
static QString Value(const QString& File, const QString& Key) {
    for (const QString& line : QString::fromUtf8(TestFiles::Read(File)).split(u'\n'))
        if (line.startsWith(Key + u'='))
            return line.mid(Key.size() + 1);
    return u"(none)"_s;
}

class TestShortcut : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Desktop;

    // The desktop folder comes from the user-dirs file of a temporary config home.
    void UseDesktop(const QString& Folder, const QString& Config) {
        QVERIFY(TestFiles::Write(Dir.filePath(Config + u"/user-dirs.dirs"_s),
                                 "XDG_DESKTOP_DIR=\"" + Folder.toUtf8() + "\"\n"));
        qputenv("XDG_CONFIG_HOME", Dir.filePath(Config).toUtf8());
    }

private slots:
    void initTestCase() {
        Desktop = Dir.filePath(u"My Desktop"_s);
        QVERIFY(QDir().mkpath(Desktop));
        UseDesktop(Desktop, u"config"_s);
        QCOMPARE(DesktopShortcut::DesktopFolder(), Desktop);
    }

    void cleanFileName() {
        QCOMPARE(Shortcut::CleanFileName(u"  Tools: Work "_s), u"Tools; Work"_s);
        QCOMPARE(Shortcut::CleanFileName(u"a/b|c?*d\\e<\"hi\">"_s), u"a_b\u00A6c!xd_e(''hi'')"_s);
        QCOMPARE(Shortcut::CleanFileName(QString(300, u't')), QString(250, u't'));
        // The cut comes after the quotes have doubled, and never halves a character.
        QCOMPARE(Shortcut::CleanFileName(QString(200, u'"')), QString(250, u'\''));
        QCOMPARE(Shortcut::CleanFileName(QString(249, u'a') + u"\U0001F600"_s), QString(249, u'a'));
    }

    // The whole file, for a title and a page path full of characters that need escaping (the
    // launch test below has a desktop read them back).
    void content() {
        ShortcutLink link{u"P"_s,
                          u" Tom & \"Jerry\" \\ x"_s,
                          u"two\nlines"_s,
                          u"/opt/q/quintor2"_s,
                          {u"/t/My \"100%\" $HOME `x` \\.htm"_s},
                          u"/i.ico"_s};
        QCOMPARE(DesktopShortcut::Content(link),
                 "[Desktop Entry]\nVersion=1.0\nType=Application\n"
                 "Name=\\sTom & \"Jerry\" \\\\ x\nComment=two\\nlines\n"
                 "Exec=\"/opt/q/quintor2\" \"/t/My \\\\\"100%%\\\\\" \\\\$HOME \\\\`x\\\\` "
                 "\\\\\\\\.htm\"\nIcon=/i.ico\nTerminal=false\n");
    }

    // The command: the file on the desktop, executable, the message; a second run replaces it,
    // and without an icon file the runner's own icon stands in; no desktop folder: the error.
    void command() {
        FakeEditorContext ctx;
        LauncherDocument& doc = ctx.Document;
        doc.APath = Dir.filePath(u"bin"_s) + u'/';
        const QString icon = Dir.filePath(u"page.ico"_s);
        QVERIFY(TestFiles::Write(icon, "ico"));
        doc.WriteProp(u"Title"_s, u"  Tools: \"Work\" & Play  "_s);
        doc.WriteProp(u"(HTML File)"_s, u"/p/My Page.htm"_s);
        doc.WriteProp(u"Icon"_s, icon);
        ShortcutCommands::mnuFileShortcut_Click(ctx);
        const QString file = Desktop + u"/Tools; ''Work'' & Play.desktop"_s;
        QVERIFY(QFileInfo(file).permissions() & QFileDevice::ExeOwner);
        QCOMPARE(Value(file, u"Name"_s), u"Tools: \"Work\" & Play"_s);
        QCOMPARE(Value(file, u"Exec"_s), u"\"%1quintor2\" \"/p/My Page.htm\""_s.arg(doc.APath));
        QCOMPARE(Value(file, u"Icon"_s), icon);
        QCOMPARE(ctx.Scripted.LastMessage().Text,
                 u"A shortcut was successfully created on the Desktop"_s);
        QCOMPARE(ctx.Scripted.LastMessage().Title, u"Create Shortcut on Desktop"_s);
        QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Information);
        QVERIFY(!doc.Changed);

        doc.WriteProp(u"(HTML File)"_s, u"/p/other.htm"_s);
        doc.WriteProp(u"Icon"_s, Dir.filePath(u"gone.ico"_s));
        ShortcutCommands::mnuFileShortcut_Click(ctx);
        QCOMPARE(QDir(Desktop).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(Value(file, u"Exec"_s).endsWith(u"\"/p/other.htm\""_s));
        QCOMPARE(Value(file, u"Icon"_s), u"quintor2"_s);
        QVERIFY(QFile::remove(file));

        UseDesktop(Dir.filePath(u"missing"_s), u"config2"_s);
        ShortcutCommands::mnuFileShortcut_Click(ctx);
        UseDesktop(Desktop, u"config"_s);
        const auto shown = ctx.Scripted.LastMessage();
        QCOMPARE(ctx.Scripted.Messages.size(), 3);
        QCOMPARE(
            shown.Text,
            u"An error occurred when creating a shortcut on the Desktop - Path not "
            u"found: the desktop folder '%1' does not exist, 75"_s.arg(Dir.filePath(u"missing"_s)));
        QCOMPARE(shown.Title, u"Create Shortcut to Desktop Error"_s);
        QCOMPARE(shown.Icon, MsgIcon::Critical);
    }

    // The desktop's own launcher starts the runner with the page path as one argument,
    // character for character. A recorder program stands in for the runner.
    void startsTheRunnerFromTheDesktop() {
        const QString gio = QStandardPaths::findExecutable(u"gio"_s);
        const QString recorder = TestFiles::TestBinDir() + u"/argrecorder"_s;
        if (gio.isEmpty() || !QFileInfo(recorder).isExecutable())
            QSKIP("needs gio and the argrecorder test program");
        LauncherDocument doc;
        doc.APath = Dir.filePath(u"runner bin"_s) + u'/';
        QVERIFY(QDir().mkpath(doc.APath));
        QVERIFY(QFile::copy(recorder, doc.APath + u"quintor2"_s));
        const QString page = Dir.filePath(u"My \"100%\" $HOME `x` \\ 'q' & ;.htm"_s);
        doc.WriteProp(u"(HTML File)"_s, page);
        doc.WriteProp(u"Title"_s, u"Launch test"_s);
        const QString shortcut = Shortcut::Create(doc, Desktop);
        const QString argsFile = Dir.filePath(u"args.txt"_s);
        qputenv("QUINTOR_ARGS_FILE", argsFile.toUtf8());
        QProcess launch;
        launch.start(gio, {u"launch"_s, shortcut});
        QVERIFY(launch.waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(argsFile), 10000);
        const QStringList lines = QString::fromUtf8(TestFiles::Read(argsFile)).split(u'\n');
        QCOMPARE(lines.mid(1), (QStringList{page, QString()})); // one argument only
        QVERIFY(QFile::remove(shortcut));
    }

    // A 300-character title of two-byte characters still gives a name the file system takes
    // (255 bytes), cut but not emptied; a blank title gives the runner's name.
    void fileName() {
        LauncherDocument doc;
        doc.WriteProp(u"Title"_s, QString(300, QChar(0xE9)));
        const QString name = QFileInfo(Shortcut::Create(doc, Desktop)).fileName();
        QVERIFY2(name.toUtf8().size() <= 255 && name.size() >= 60, qPrintable(name));
        QCOMPARE(name, QString(name.size() - 8, QChar(0xE9)) + u".desktop"_s);
        QVERIFY(QFile::remove(Desktop + u'/' + name));
        doc.WriteProp(u"Title"_s, u"   "_s);
        const QString path = Shortcut::Create(doc, Desktop);
        QCOMPARE(QFileInfo(path).fileName(), u"Quintor.desktop"_s);
        QCOMPARE(Value(path, u"Name"_s), u"Quintor"_s);
        QVERIFY(QFile::remove(path));
    }
};

QTEST_MAIN(TestShortcut)
#include "test_shortcut.moc"
