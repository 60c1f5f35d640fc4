#include "AppVersion.h"
#include "install/InstalledFiles.h"
#include "support/Command.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QtTest>

namespace {
const QString LauncherType = "application/x-quintor-launcher";

QByteArray Example() {
    return TestFiles::Read(qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/examples/Tools.qtf");
}

// Whether process Pid holds Path open under an exclusive lock, seen from outside: a lock
// the test took itself could make the program's own lock fail.
bool HoldsLocked(qint64 Pid, const QString& Path) {
    const QString proc = QString("/proc/%1/").arg(Pid);
    for (const QString& fd : QDir(proc + "fd").entryList(QDir::Files | QDir::System)) {
        const QByteArray info = TestFiles::Read(proc + "fdinfo/" + fd);
        if (QFileInfo(proc + "fd/" + fd).symLinkTarget() == QFileInfo(Path).canonicalFilePath() &&
            info.contains("FLOCK") && info.contains("WRITE"))
            return true;
    }
    return false;
}
} // namespace

// An install into a prefix of the user's, as `make install PREFIX=...` makes it, and a
// staged one (DESTDIR) as a package is made from, checked with the desktop's own tools.
class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Build = qEnvironmentVariable("QUINTOR_BUILD_DIR");
    QString CMake = qEnvironmentVariable("CMAKE_COMMAND");
    // Blanks and a dollar sign, which the menu entries must quote for the desktop.
    QString Prefix = Dir.filePath("my $prefix"), Share = Prefix + "/share";
    QString Stage = Dir.filePath("stage");

    // A session that reads the installed share folder first and whose PATH lacks the
    // installed programs (a first install into ~/.local). On GNOME, xdg-mime asks gio.
    QProcessEnvironment Desktop() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PATH", "/usr/bin:/bin");
        environment.insert("XDG_DATA_HOME", Share);
        environment.insert("XDG_DATA_DIRS", "/usr/share");
        environment.insert("XDG_CURRENT_DESKTOP", "GNOME");
        return environment;
    }
    QString FileType(const QString& Path) const {
        return Command::Run("xdg-mime", {"query", "filetype", Path}, Desktop()).Out.trimmed();
    }

private slots:
    void initTestCase() {
        QProcessEnvironment staging = QProcessEnvironment::systemEnvironment();
        staging.insert("DESTDIR", Stage);
        for (const auto& [prefix, environment] :
             {std::pair{Prefix, QProcessEnvironment::systemEnvironment()}, {"/usr", staging}}) {
            const Command::Result done =
                Command::Run(CMake, {"--install", Build, "--prefix", prefix}, environment);
            QVERIFY2(done.Code == 0, qPrintable(done.Text()));
        }
    }

    // Exactly the expected files, only the programs executable; a real install adds the
    // desktop's caches, a staged one leaves them to the package's triggers.
    void tree() {
        QCOMPARE(InstalledFiles::Found(Stage + "/usr"), InstalledFiles::Expected());
        for (const QString& file : InstalledFiles::Expected()) {
            QVERIFY2(QFileInfo(Prefix + '/' + file).isFile(), qPrintable(file));
            QCOMPARE(QFileInfo(Prefix + '/' + file).isExecutable(), file.startsWith("bin/"));
        }
        for (const char* cache :
             {"mime/mime.cache", "applications/mimeinfo.cache", "icons/hicolor/icon-theme.cache"})
            QVERIFY2(QFileInfo::exists(Share + '/' + cache), cache);
    }

    // Valid, without a warning or a hint.
    void validate() {
        const QRegularExpression remark("^\\s*([EWI]:|.*(error|warning|hint):)",
                                        QRegularExpression::MultilineOption);
        for (const QString& id : {InstalledFiles::EditorId(), InstalledFiles::RunnerId()})
            for (QStringList command :
                 {QStringList{"desktop-file-validate", Share + "/applications/" + id + ".desktop"},
                  {"appstreamcli", "validate", "--no-net",
                   Share + "/metainfo/" + id + ".metainfo.xml"}}) {
                const Command::Result result = Command::Run(command.takeFirst(), command);
                QVERIFY2(result.Code == 0, qPrintable(result.Text()));
                QVERIFY2(!result.Text().contains(remark), qPrintable(result.Text()));
            }
    }

    // Known by its name and, renamed, by its first bytes; a text beginning alike is not one.
    void fileType_data() {
        DataRows::Columns<QString, QByteArray, QString>({"Name", "Content", "Type"});
        DataRows::Row("saved", "Tools.qtf", Example(), LauncherType);
        DataRows::Row("renamed", "Tools.dat", Example(), LauncherType);
        DataRows::Row("text", "notes.dat", QByteArray("QTF plans\n"), "text/plain");
    }
    void fileType() {
        const QString file = Dir.filePath("files/" + DataRows::Fetch("Name"));
        QVERIFY(TestFiles::Write(file, DataRows::Fetch<QByteArray>("Content")));
        QTEST(FileType(file), "Type");
    }

    // A double click on a launcher file opens the editor; the runner is offered for web
    // pages. Asked of gio itself: xdg-mime's own reading splits a folder at its blanks.
    void openWith() {
        const QString launcher = Command::Run("gio", {"mime", LauncherType}, Desktop()).Out;
        QVERIFY2(launcher.contains(QString("Default application for “%1”: %2.desktop\n")
                                       .arg(LauncherType, InstalledFiles::EditorId())),
                 qPrintable(launcher));
        const QString page = Command::Run("gio", {"mime", "text/html"}, Desktop()).Out;
        QVERIFY2(page.contains("\t" + InstalledFiles::RunnerId() + ".desktop\n"), qPrintable(page));
    }

    // Answers need no display, even beside Qt's own options (the package's test runs
    // --version of both).
    void commandLine_data() {
        DataRows::Texts({"Arguments", "Out"});
        DataRows::Row("help", "qtedit2 -platform xcb --help",
                      "Usage: qtedit2 [options] [--] [file]\nKeeps");
        DataRows::Row("version", "qtedit2 x -v", "Quintor Editor " QUINTOR_VERSION_TEXT "\n");
        DataRows::Row("runner help", "quintor2 -h", "Usage: quintor2 [options] [--] [page]\nShows");
    }
    void commandLine() {
        QStringList arguments = DataRows::Fetch("Arguments").split(' ');
        const Command::Result result = Command::Run(Prefix + "/bin/" + arguments.takeFirst(),
                                                    arguments, Command::WithoutDisplay());
        QCOMPARE(result.Code, 0);
        QVERIFY2(result.Out.startsWith(DataRows::Fetch("Out")), qPrintable(result.Out));
    }

    // Qt takes "-reverse" for its own option anywhere on the line; after "--" it names the
    // file the editor opens, and holds locked while open. Any other word that looks like an
    // option is part of the name, as it always was.
    void fileNamedLikeAnOption_data() {
        DataRows::Texts({"Arguments", "Name"});
        DataRows::Row("Qt's own option, after --", "-- -reverse", "-reverse");
        DataRows::Row("unknown option", "-my --file.qtf", "-my --file.qtf");
    }
    void fileNamedLikeAnOption() {
        const QString file = Dir.filePath("work/" + DataRows::Fetch("Name"));
        QVERIFY(TestFiles::Write(file, Example()));
        QProcess editor;
        editor.setWorkingDirectory(Dir.filePath("work"));
        editor.start(Prefix + "/bin/qtedit2", DataRows::Fetch("Arguments").split(' '));
        QTRY_VERIFY_WITH_TIMEOUT(HoldsLocked(editor.processId(), file), 30000);
        editor.kill();
        editor.waitForFinished();
    }

    // Everything installed goes and the desktop forgets the file type; what others put in
    // the same folders stays.
    void uninstall() {
        const QString others = Share + "/applications/other.desktop";
        QVERIFY(TestFiles::Write(others, "[Desktop Entry]\n"));
        const Command::Result removed =
            Command::Run(CMake, {"-DPREFIX=" + Prefix, "-P", Build + "/uninstall.cmake"});
        QVERIFY2(removed.Code == 0, qPrintable(removed.Text()));
        for (const QString& file : InstalledFiles::Expected())
            QVERIFY2(!QFileInfo::exists(Prefix + '/' + file), qPrintable(file));
        QVERIFY(!QFileInfo::exists(Share + "/doc/quintor") && QFileInfo::exists(others));
        QVERIFY(TestFiles::Write(Dir.filePath("gone.qtf"), Example()));
        QVERIFY(FileType(Dir.filePath("gone.qtf")) != LauncherType);
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
