#include "AppVersion.h"
#include "Command.h"
#include "InstalledFiles.h"
#include "TestFiles.h"

#include <QtTest>

namespace {
const QString LauncherType = "application/x-quintor-launcher";

// True when process Pid holds Path open with an exclusive lock: seen from outside, since
// a test that took a lock itself could make the program's own lock fail.
bool HoldsLocked(qint64 Pid, const QString& Path) {
    const QString proc = QString("/proc/%1/").arg(Pid);
    const QString target = QFileInfo(Path).canonicalFilePath();
    for (const QString& fd : QDir(proc + "fd").entryList(QDir::Files | QDir::System)) {
        if (QFileInfo(proc + "fd/" + fd).symLinkTarget() != target)
            continue;
        const QByteArray info = TestFiles::Read(proc + "fdinfo/" + fd);
        if (info.contains("FLOCK") && info.contains("WRITE"))
            return true;
    }
    return false;
}
} // namespace

// An install into a prefix of the user's, as `make install PREFIX=...` does it, beside a
// staged one (DESTDIR) as a package is made from, both checked with the desktop's tools.
class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Build = qEnvironmentVariable("QUINTOR_BUILD_DIR");
    QString CMake = qEnvironmentVariable("CMAKE_COMMAND");
    QString Prefix, Stage;

    QString Share() const { return Prefix + "/share"; }
    // A desktop session that reads the installed share folder before the system's, and
    // whose PATH does not hold the installed programs (a first install into ~/.local).
    // xdg-mime asks a GNOME desktop's MIME database (through gio); elsewhere it may
    // only ask file(1), which knows no installed types.
    QProcessEnvironment Desktop() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", "/usr/bin:/bin");
        environment.insert("XDG_DATA_HOME", Share());
        environment.insert("XDG_DATA_DIRS", "/usr/share");
        environment.insert("XDG_CURRENT_DESKTOP", "GNOME");
        return environment;
    }
    QString FileType(const QString& Path) const {
        return Command::Run("xdg-mime", {"query", "filetype", Path}, Desktop()).Out.trimmed();
    }

private slots:
    void initTestCase() {
        QVERIFY(Dir.isValid() && !Build.isEmpty());
        // Blanks and a dollar sign, which the menu entries must quote for the desktop.
        Prefix = Dir.filePath("my $prefix");
        Stage = Dir.filePath("stage");
        Command::Result installed = Command::Run(CMake, {"--install", Build, "--prefix", Prefix});
        QVERIFY2(installed.Code == 0, qPrintable(installed.Text()));
        QProcessEnvironment staging = QProcessEnvironment::systemEnvironment();
        staging.insert("DESTDIR", Stage);
        installed = Command::Run(CMake, {"--install", Build, "--prefix", "/usr"}, staging);
        QVERIFY2(installed.Code == 0, qPrintable(installed.Text()));
    }

    // Exactly the expected files, the programs executable and nothing else; a real install
    // adds only the desktop's caches.
    void tree() {
        QCOMPARE(InstalledFiles::Found(Stage + "/usr"), InstalledFiles::Expected());
        for (const QString& file : InstalledFiles::Expected()) {
            const QFileInfo installed(Prefix + '/' + file);
            QVERIFY2(installed.isFile(), qPrintable(file));
            QCOMPARE(installed.isExecutable(), file.startsWith("bin/"));
        }
    }

    void cachesOnlyForARealInstall_data() {
        QTest::addColumn<QString>("Cache");
        QTest::newRow("file types") << "mime/mime.cache";
        QTest::newRow("menu entries by type") << "applications/mimeinfo.cache";
        QTest::newRow("icons") << "icons/hicolor/icon-theme.cache";
    }
    void cachesOnlyForARealInstall() {
        QFETCH(QString, Cache);
        QVERIFY(QFileInfo::exists(Share() + '/' + Cache));
        QVERIFY(!QFileInfo::exists(Stage + "/usr/share/" + Cache));
    }

    void validate_data() {
        QTest::addColumn<QString>("Program");
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QString>("File");
        const QString applications = "share/applications/%1.desktop";
        const QString metainfo = "share/metainfo/%1.metainfo.xml";
        const QStringList none, offline{"validate", "--no-net"};
        QTest::newRow("editor entry")
            << "desktop-file-validate" << none << applications.arg(InstalledFiles::EditorId());
        QTest::newRow("runner entry")
            << "desktop-file-validate" << none << applications.arg(InstalledFiles::RunnerId());
        QTest::newRow("editor metadata")
            << "appstreamcli" << offline << metainfo.arg(InstalledFiles::EditorId());
        QTest::newRow("runner metadata")
            << "appstreamcli" << offline << metainfo.arg(InstalledFiles::RunnerId());
    }
    // Valid, and without a warning or a hint.
    void validate() {
        QFETCH(QString, Program);
        QFETCH(QStringList, Arguments);
        QFETCH(QString, File);
        const Command::Result result = Command::Run(Program, Arguments << Prefix + '/' + File);
        QVERIFY2(result.Code == 0, qPrintable(result.Text()));
        const QRegularExpression remark("^\\s*([EWI]:|.*(error|warning|hint):)",
                                        QRegularExpression::MultilineOption);
        QVERIFY2(!result.Text().contains(remark), qPrintable(result.Text()));
    }

    // Known by its name and, renamed, by its first bytes; a text that merely starts alike
    // is not a launcher file.
    void fileType_data() {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QByteArray>("Content");
        QTest::addColumn<QString>("Type");
        const QByteArray launcher =
            TestFiles::Read(qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/examples/Tools.qtf");
        QTest::newRow("saved launcher file") << "Tools.qtf" << launcher << LauncherType;
        QTest::newRow("renamed launcher file") << "Tools.dat" << launcher << LauncherType;
        QTest::newRow("text beginning alike")
            << "notes.dat" << QByteArray("QTF plans\n") << "text/plain";
    }
    void fileType() {
        QFETCH(QString, Name);
        QFETCH(QByteArray, Content);
        QFETCH(QString, Type);
        const QString path = Dir.filePath("files/" + Name);
        QVERIFY(Content.size() > 100 || Type != LauncherType);
        QVERIFY(TestFiles::Write(path, Content));
        QCOMPARE(FileType(path), Type);
    }

    // A double click on a launcher file opens the editor, and the runner is offered for
    // web pages. Asked of gio, as the desktop asks: xdg-mime's own reading of the
    // folders splits a data folder at its blanks.
    void openWith_data() {
        QTest::addColumn<QString>("Type");
        QTest::addColumn<QString>("Line"); // of gio's answer
        QTest::newRow("launcher file") << LauncherType
                                       << QString("Default application for “%1”: %2.desktop\n")
                                              .arg(LauncherType, InstalledFiles::EditorId());
        QTest::newRow("web page") << "text/html"
                                  << "\t" + InstalledFiles::RunnerId() + ".desktop\n";
    }
    void openWith() {
        QFETCH(QString, Type);
        QFETCH(QString, Line);
        const Command::Result known = Command::Run("gio", {"mime", Type}, Desktop());
        QVERIFY2(known.Out.contains(Line), qPrintable(known.Text()));
    }

    // Answers without a window need no display; refusals name the option.
    void commandLine_data() {
        QTest::addColumn<QString>("Program");
        QTest::addColumn<QString>("Argument");
        QTest::addColumn<int>("Code");
        QTest::addColumn<QString>("Out");
        QTest::addColumn<QString>("Err");
        const QString version = " " QUINTOR_VERSION_TEXT "\n";
        QTest::newRow("editor help") << "qtedit2"
                                     << "--help" << 0 << "Usage: qtedit2 [options] [--] [file]\n"
                                     << "";
        QTest::newRow("editor version") << "qtedit2"
                                        << "-v" << 0 << "Quintor Editor" + version << "";
        QTest::newRow("runner help") << "quintor2"
                                     << "-h" << 0 << "Usage: quintor2 [options] [--] [page]\n"
                                     << "";
        QTest::newRow("runner version") << "quintor2"
                                        << "--version" << 0 << "Quintor" + version << "";
        QTest::newRow("editor, unknown option") << "qtedit2"
                                                << "--bogus" << 1 << ""
                                                << "qtedit2: Unknown option 'bogus'.\n";
        QTest::newRow("runner, unknown option") << "quintor2"
                                                << "-bogus" << 1 << ""
                                                << "quintor2: Unknown option 'bogus'.\n";
    }
    void commandLine() {
        QFETCH(QString, Program);
        QFETCH(QString, Argument);
        QFETCH(int, Code);
        QFETCH(QString, Out);
        QFETCH(QString, Err);
        // A refusal comes once Qt has taken its own options, which takes a display.
        const Command::Result result = Command::Run(
            Prefix + "/bin/" + Program, {Argument},
            Code == 0 ? Command::WithoutDisplay() : QProcessEnvironment::systemEnvironment());
        QCOMPARE(result.Code, Code);
        QVERIFY2(Out.isEmpty() ? result.Out.isEmpty() : result.Out.startsWith(Out),
                 qPrintable(result.Out));
        QVERIFY2(result.Err.contains(Err), qPrintable(result.Err));
    }

    // Qt would take "-reverse" for its own option anywhere on the line; after "--" it names
    // the file the editor opens (and holds locked while open).
    void fileNamedLikeQtOption() {
        const QString folder = Dir.filePath("work");
        const QString file = folder + "/-reverse";
        QVERIFY(TestFiles::Write(file, TestFiles::Read(qEnvironmentVariable("QUINTOR_SOURCE_DIR") +
                                                       "/examples/Tools.qtf")));
        QProcess editor;
        editor.setWorkingDirectory(folder);
        editor.start(Prefix + "/bin/qtedit2", {"--", "-reverse"});
        QVERIFY(editor.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(HoldsLocked(editor.processId(), file), 60000);
        editor.kill();
        editor.waitForFinished();
    }

    // Everything installed goes, and the desktop forgets the file type; what others put in
    // the same folders stays.
    void uninstall() {
        const QString others = Share() + "/applications/other.desktop";
        QVERIFY(TestFiles::Write(others, "[Desktop Entry]\n"));
        const Command::Result removed =
            Command::Run(CMake, {"-DPREFIX=" + Prefix, "-P", Build + "/uninstall.cmake"});
        QVERIFY2(removed.Code == 0, qPrintable(removed.Text()));
        for (const QString& file : InstalledFiles::Expected())
            QVERIFY2(!QFileInfo::exists(Prefix + '/' + file), qPrintable(file));
        QVERIFY(!QFileInfo::exists(Share() + "/doc/quintor"));
        QVERIFY(QFileInfo::exists(others));
        QVERIFY(TestFiles::Write(Dir.filePath("files/Tools.qtf"), "QTFP"));
        QVERIFY(FileType(Dir.filePath("files/Tools.qtf")) != LauncherType);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
