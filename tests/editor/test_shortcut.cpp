// The desktop shortcut: its file name, the launcher text as a desktop reads it, and
// the command writing it into a desktop folder (always a temporary one here).
#include "DesktopShortcut.h"
#include "FakeEditorContext.h"
#include "Shortcut.h"
#include "ShortcutCommands.h"
#include "TestFiles.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The keys of a launcher file, values unescaped the way a desktop reads them.
QMap<QString, QString> ReadEntry(const QByteArray& Content) {
    QMap<QString, QString> keys;
    const QStringList lines = QString::fromUtf8(Content).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        QString value;
        const QString raw = line.mid(eq + 1);
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != QLatin1Char('\\') || i + 1 == raw.size()) {
                value += raw[i];
                continue;
            }
            const QChar next = raw[++i];
            value += next == QLatin1Char('s')   ? QChar(' ')
                     : next == QLatin1Char('n') ? QChar('\n')
                     : next == QLatin1Char('t') ? QChar('\t')
                     : next == QLatin1Char('r') ? QChar('\r')
                                                : next;
        }
        keys.insert(line.left(eq), value);
    }
    return keys;
}

// The command line of an unescaped Exec value: blanks separate, double quotes group,
// a backslash inside quotes takes the next character, "%%" is "%".
QStringList SplitExec(const QString& Exec) {
    QStringList arguments;
    QString current;
    bool quoted = false, any = false;
    for (qsizetype i = 0; i < Exec.size(); ++i) {
        const QChar c = Exec[i];
        if (quoted && c == QLatin1Char('\\') && i + 1 < Exec.size()) {
            current += Exec[++i];
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            any = true;
        } else if (c == QLatin1Char('%') && i + 1 < Exec.size() &&
                   Exec[i + 1] == QLatin1Char('%')) {
            current += c;
            ++i;
        } else if (c == QLatin1Char(' ') && !quoted) {
            if (any || !current.isEmpty())
                arguments << current;
            current.clear();
            any = false;
        } else {
            current += c;
        }
    }
    if (any || !current.isEmpty())
        arguments << current;
    return arguments;
}

ShortcutLink Link(const QString& Page) {
    ShortcutLink link;
    link.FileName = QStringLiteral("Page");
    link.Title = QStringLiteral("Page");
    link.Description = QStringLiteral("Page");
    link.Program = QStringLiteral("/opt/quintor/quintor2");
    link.Arguments = {Page};
    link.Icon = QStringLiteral("/opt/icons/page.ico");
    return link;
}

} // namespace

class TestShortcut : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Desktop;

    void SetTitle(LauncherDocument& Doc, const QString& Title) {
        Doc.WriteProp(QStringLiteral("Title"), Title);
    }

private slots:
    void initTestCase() {
        // The desktop folder comes from the user-dirs file of this temporary config home.
        Desktop = Dir.filePath(QStringLiteral("My Desktop"));
        QVERIFY(QDir().mkpath(Desktop));
        QVERIFY(TestFiles::Write(Dir.filePath(QStringLiteral("config/user-dirs.dirs")),
                                 "XDG_DESKTOP_DIR=\"" + Desktop.toUtf8() + "\"\n"));
        qputenv("XDG_CONFIG_HOME", Dir.filePath(QStringLiteral("config")).toUtf8());
        QCOMPARE(DesktopShortcut::DesktopFolder(), Desktop);
    }

    void cleanFileName_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trimmed") << "  Tools  "
                                 << "Tools";
        QTest::newRow("colon") << "Tools: Work"
                               << "Tools; Work";
        QTest::newRow("mixed") << "a/b|c?*d\\e" << QStringLiteral("a_b\u00A6c!xd_e");
        QTest::newRow("angles and quotes") << "<say \"hi\">"
                                           << "(say ''hi'')";
        QTest::newRow("300 characters") << QString(300, QLatin1Char('t')) << QString(250, 't');
        // The cut comes after the quotes have doubled.
        QTest::newRow("cut after cleaning")
            << QString(200, QLatin1Char('"')) << QString(250, QLatin1Char('\''));
        QTest::newRow("no half character")
            << QString(249, QLatin1Char('a')) + QStringLiteral("\U0001F600") << QString(249, 'a');
    }
    void cleanFileName() {
        QFETCH(QString, title);
        QFETCH(QString, expected);
        QCOMPARE(Shortcut::CleanFileName(title), expected);
    }

    // Whatever the page path holds, a desktop starts the runner with exactly that path.
    void execLine_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("exec"); // the Exec line as written, empty: not checked
        QTest::newRow("spaces") << "/home/u/My Pages/p.htm"
                                << "Exec=\"/opt/quintor/quintor2\" \"/home/u/My Pages/p.htm\"";
        QTest::newRow("quote") << "/tmp/a\"b.htm"
                               << "Exec=\"/opt/quintor/quintor2\" \"/tmp/a\\\\\"b.htm\"";
        QTest::newRow("percent") << "/tmp/100%.htm"
                                 << "Exec=\"/opt/quintor/quintor2\" \"/tmp/100%%.htm\"";
        QTest::newRow("dollar") << "/tmp/$HOME.htm"
                                << "Exec=\"/opt/quintor/quintor2\" \"/tmp/\\\\$HOME.htm\"";
        QTest::newRow("backslash") << "/tmp/a\\b.htm"
                                   << "Exec=\"/opt/quintor/quintor2\" \"/tmp/a\\\\\\\\b.htm\"";
        QTest::newRow("backtick and field code") << "/tmp/`x` %f.htm"
                                                 << "";
        QTest::newRow("everything") << " /tmp/ 'a' & \"b\" ; $(c) \\\\ %% .htm"
                                    << "";
        QTest::newRow("empty") << ""
                               << "Exec=\"/opt/quintor/quintor2\" \"\"";
    }
    void execLine() {
        QFETCH(QString, page);
        QFETCH(QString, exec);
        const QByteArray content = DesktopShortcut::Content(Link(page));
        if (!exec.isEmpty())
            QVERIFY2(content.contains("\n" + exec.toUtf8() + "\n"), content.constData());
        QCOMPARE(SplitExec(ReadEntry(content).value(QStringLiteral("Exec"))),
                 QStringList({QStringLiteral("/opt/quintor/quintor2"), page}));
    }

    // A title with blanks, quotes, a backslash and a line break reads back whole.
    void nameAndComment() {
        ShortcutLink link = Link(QStringLiteral("/p.htm"));
        link.Title = QStringLiteral("Tom & \"Jerry\" \\ x");
        link.Description = QStringLiteral("  two\nlines  ");
        const auto keys = ReadEntry(DesktopShortcut::Content(link));
        QCOMPARE(keys.value(QStringLiteral("Name")), link.Title);
        QCOMPARE(keys.value(QStringLiteral("Comment")), link.Description);
        QCOMPARE(keys.value(QStringLiteral("Icon")), link.Icon);
        QCOMPARE(keys.value(QStringLiteral("Terminal")), QStringLiteral("false"));
        QCOMPARE(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
    }

    void validatesAsDesktopEntry() {
        const QString validator =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed");
        ShortcutLink link = Link(QStringLiteral("/tmp/My \"100%\" $page\\x.htm"));
        link.Description = QStringLiteral(" lead");
        const QString path = Dir.filePath(QStringLiteral("valid.desktop"));
        QVERIFY(TestFiles::Write(path, DesktopShortcut::Content(link)));
        QProcess process;
        process.start(validator, {path});
        QVERIFY(process.waitForFinished(10000));
        QVERIFY2(process.exitCode() == 0, process.readAll().constData());
    }

    // The command: the file on the desktop, its fields, the message; a second run replaces it.
    void command() {
        FakeEditorContext ctx;
        LauncherDocument& doc = ctx.Document;
        doc.APath = Dir.filePath(QStringLiteral("bin")) + QLatin1Char('/');
        const QString page = Dir.filePath(QStringLiteral("pages/My Page.htm"));
        const QString icon = Dir.filePath(QStringLiteral("page.ico"));
        QVERIFY(TestFiles::Write(icon, "ico"));
        SetTitle(doc, QStringLiteral("  Tools: \"Work\" & Play  "));
        doc.WriteProp(QStringLiteral("(HTML File)"), page);
        doc.WriteProp(QStringLiteral("Icon"), icon);

        ShortcutCommands::mnuFileShortcut_Click(ctx);
        const QString file = Desktop + QStringLiteral("/Tools; ''Work'' & Play.desktop");
        QVERIFY(QFileInfo(file).isFile());
        QVERIFY(QFileInfo(file).permissions() & QFileDevice::ExeOwner);
        auto keys = ReadEntry(TestFiles::Read(file));
        QCOMPARE(keys.value(QStringLiteral("Name")), QStringLiteral("Tools: \"Work\" & Play"));
        QCOMPARE(keys.value(QStringLiteral("Comment")),
                 QStringLiteral("  Tools: \"Work\" & Play  "));
        QCOMPARE(SplitExec(keys.value(QStringLiteral("Exec"))),
                 QStringList({doc.APath + QStringLiteral("quintor2"), page}));
        QCOMPARE(keys.value(QStringLiteral("Icon")), icon);
        QCOMPARE(ctx.Scripted.Messages.size(), 1);
        QCOMPARE(ctx.Scripted.LastMessage().Text,
                 QStringLiteral("A shortcut was successfully created on the Desktop"));
        QCOMPARE(ctx.Scripted.LastMessage().Title, QStringLiteral("Create Shortcut on Desktop"));
        QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Information);
        QVERIFY(!doc.Changed);

        // Again with another page and no icon file: one shortcut, the new one.
        const QString other = Dir.filePath(QStringLiteral("other.htm"));
        doc.WriteProp(QStringLiteral("(HTML File)"), other);
        doc.WriteProp(QStringLiteral("Icon"), Dir.filePath(QStringLiteral("gone.ico")));
        ShortcutCommands::mnuFileShortcut_Click(ctx);
        QCOMPARE(QDir(Desktop).entryList(QDir::Files | QDir::Hidden).size(), 1);
        keys = ReadEntry(TestFiles::Read(file));
        QCOMPARE(SplitExec(keys.value(QStringLiteral("Exec"))).value(1), other);
        QCOMPARE(keys.value(QStringLiteral("Icon")), QStringLiteral("quintor2"));
        QVERIFY(QFileInfo(file).permissions() & QFileDevice::ExeOwner);
        QVERIFY(QFile::remove(file));
    }

    // The desktop's own launcher starts the runner with the page path as one argument,
    // character for character. A recorder program stands in for the runner.
    void startsTheRunnerFromTheDesktop() {
        const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
        const QString recorder = TestFiles::TestBinDir() + QStringLiteral("/argrecorder");
        if (gio.isEmpty() || !QFileInfo(recorder).isExecutable())
            QSKIP("needs gio and the argrecorder test program");
        LauncherDocument doc;
        doc.APath = Dir.filePath(QStringLiteral("runner bin")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(doc.APath));
        QFile::remove(doc.APath + QStringLiteral("quintor2"));
        QVERIFY(QFile::copy(recorder, doc.APath + QStringLiteral("quintor2")));
        const QString page = Dir.filePath(QStringLiteral("My \"100%\" $HOME `x` \\ 'q' & ;.htm"));
        doc.WriteProp(QStringLiteral("(HTML File)"), page);
        SetTitle(doc, QStringLiteral("Launch test"));
        const QString shortcut = Shortcut::Create(doc, Desktop);
        const QString argsFile = Dir.filePath(QStringLiteral("args.txt"));
        QProcess launch;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUINTOR_ARGS_FILE"), argsFile);
        launch.setProcessEnvironment(env);
        launch.start(gio, {QStringLiteral("launch"), shortcut});
        QVERIFY(launch.waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(argsFile), 10000);
        const QStringList lines =
            QString::fromUtf8(TestFiles::Read(argsFile)).split(QLatin1Char('\n'));
        QCOMPARE(lines.value(1), page);
        QCOMPARE(lines.value(2), QString()); // one argument only
        QVERIFY(QFile::remove(shortcut));
    }

    // Without an icon file of its own the shortcut shows the runner's.
    void iconFallback_data() {
        QTest::addColumn<QString>("icon");
        QTest::addColumn<bool>("runnerImage"); // an image named like the runner lies beside it
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << false << "quintor2";
        QTest::newRow("no such file") << "/no/such.ico" << false << "quintor2";
        QTest::newRow("a folder") << "/" << false << "quintor2";
        QTest::newRow("image beside the runner") << "" << true << "bin2/quintor2.png";
    }
    void iconFallback() {
        QFETCH(QString, icon);
        QFETCH(bool, runnerImage);
        QFETCH(QString, expected);
        LauncherDocument doc;
        doc.APath =
            Dir.filePath(runnerImage ? QStringLiteral("bin2") : QStringLiteral("bin")) + '/';
        if (runnerImage)
            QVERIFY(TestFiles::Write(doc.APath + QStringLiteral("quintor2.png"), "png"));
        doc.WriteProp(QStringLiteral("Icon"), icon);
        const auto keys = ReadEntry(DesktopShortcut::Content(Shortcut::LinkFor(doc)));
        QCOMPARE(keys.value(QStringLiteral("Icon")),
                 runnerImage ? Dir.filePath(expected) : expected);
    }

    // Long titles still give a file the file system takes, in one or more bytes a character.
    void longTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::newRow("300 ASCII") << QString(300, QLatin1Char('a'));
        QTest::newRow("300 two-byte") << QString(300, QChar(0xE9));
        QTest::newRow("300 four-byte")
            << QString(150, QChar(0xD83D)).replace(QChar(0xD83D), QStringLiteral("\U0001F600"));
    }
    void longTitle() {
        QFETCH(QString, title);
        LauncherDocument doc;
        SetTitle(doc, title);
        const QString path = Shortcut::Create(doc, Desktop);
        QVERIFY(QFileInfo(path).isFile());
        const QString name = QFileInfo(path).fileName();
        QVERIFY(name.endsWith(QStringLiteral(".desktop")));
        QVERIFY(title.startsWith(name.chopped(8)));
        QVERIFY(name.toUtf8().size() <= 255);
        QVERIFY(name.size() >= 60); // cut to fit, not emptied
        QVERIFY(QFile::remove(path));
    }

    void blankTitle() {
        LauncherDocument doc;
        SetTitle(doc, QStringLiteral("   "));
        const QString path = Shortcut::Create(doc, Desktop);
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("Quintor.desktop"));
        QCOMPARE(ReadEntry(TestFiles::Read(path)).value(QStringLiteral("Name")),
                 QStringLiteral("Quintor"));
        QVERIFY(QFile::remove(path));
    }

    void failureMessage_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("no desktop folder") << Dir.filePath(QStringLiteral("missing"));
        QTest::newRow("desktop is a file") << Dir.filePath(QStringLiteral("page.ico"));
    }
    void failureMessage() {
        QFETCH(QString, folder);
        QVERIFY(TestFiles::Write(Dir.filePath(QStringLiteral("page.ico")), "ico"));
        QVERIFY(TestFiles::Write(Dir.filePath(QStringLiteral("config2/user-dirs.dirs")),
                                 "XDG_DESKTOP_DIR=\"" + folder.toUtf8() + "\"\n"));
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", Dir.filePath(QStringLiteral("config2")).toUtf8());
        FakeEditorContext ctx;
        ShortcutCommands::mnuFileShortcut_Click(ctx);
        qputenv("XDG_CONFIG_HOME", saved);
        QCOMPARE(ctx.Scripted.Messages.size(), 1);
        const auto shown = ctx.Scripted.LastMessage();
        QVERIFY2(shown.Text.startsWith(QStringLiteral(
                     "An error occurred when creating a shortcut on the Desktop - ")),
                 qPrintable(shown.Text));
        QVERIFY2(shown.Text.endsWith(QStringLiteral(", 75")), qPrintable(shown.Text));
        QCOMPARE(shown.Title, QStringLiteral("Create Shortcut to Desktop Error"));
        QCOMPARE(shown.Icon, MsgIcon::Critical);
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/New File 1.desktop")));
    }
};

QTEST_MAIN(TestShortcut)
#include "test_shortcut.moc"
