#include "AppVersion.h"
#include "components/platform/SystemPaths.h"
#include "support/Command.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QtTest>

namespace {
const QString LauncherType = "application/x-quintor-launcher";
const QString EditorId = qEnvironmentVariable("QUINTOR_EDITOR_ID");
const QString RunnerId = qEnvironmentVariable("QUINTOR_RUNNER_ID");

// Every file an install puts under its prefix, relative to it, sorted.
QStringList Expected() {
    QStringList files = QString("bin/qtedit2 bin/quintor2 share/mime/packages/quintor.xml "
                                "share/doc/quintor/copyright share/doc/quintor/changelog.gz "
                                "share/man/man1/qtedit2.1.gz share/man/man1/quintor2.1.gz "
                                "libexec/quintor/quintor2-window.so")
                            .split(' ');
    for (const char* sheet : {"dark", "light", "system", "theme"})
        files << QString("share/quintor/themes/%1.css").arg(sheet);
    const QString manual = qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/doc/manual";
    for (QDirIterator it(manual, {"*.html", "*.css", "*.png"}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        files << "share/doc/quintor/manual/" + QDir(manual).relativeFilePath(it.next());
    for (const QString& id : {EditorId, RunnerId})
        files << "share/applications/" + id + ".desktop"
              << "share/metainfo/" + id + ".metainfo.xml";
    for (const char* icon :
         {"apps/qtedit2", "apps/quintor2", "mimetypes/application-x-quintor-launcher"}) {
        for (int size : {16, 32, 48, 64, 128, 256})
            files << QString("share/icons/hicolor/%1x%1/%2.png").arg(size).arg(icon);
        files << QString("share/icons/hicolor/scalable/%1.svg").arg(icon);
    }
    return files.sort(), files;
}

QStringList Found(const QString& Root) { // the files under Root, as Expected lists them
    QStringList files;
    for (QDirIterator it(Root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files << QDir(Root).relativeFilePath(it.next());
    return files.sort(), files;
}

QByteArray Example() {
    return TestFiles::Read(qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/examples/Tools.qtf");
}

} // namespace

// An install into a prefix of the user's, as `make install PREFIX=...` makes it, a staged one
// (DESTDIR) as a package is made from, and the Debian package as `make package` makes it,
// checked with the desktop's own tools.
class TestInstall : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Build = qEnvironmentVariable("QUINTOR_BUILD_DIR");
    QString CMake = qEnvironmentVariable("CMAKE_COMMAND");
    // Blanks and a dollar sign, which the menu entries must quote for the desktop.
    QString Prefix = Dir.filePath("my $prefix"), Share = Prefix + "/share";
    QString Stage = Dir.filePath("stage");
    QString Deb = Dir.filePath("quintor_" QUINTOR_VERSION_TEXT "_amd64.deb");

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

    // The Debian package as `make package` makes it, into Folder.
    Command::Result Package(const QString& Folder) const {
        return Command::Run(qEnvironmentVariable("CPACK_COMMAND"),
                            {"-G", "DEB", "-B", Folder, "--config", Build + "/CPackConfig.cmake"});
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
        const Command::Result made = Package(Dir.path());
        QVERIFY2(made.Code == 0 && QFileInfo::exists(Deb), qPrintable(made.Text()));
    }

    // Exactly the expected files, only the programs executable; a staged install leaves the
    // desktop's caches to the package's triggers.
    void tree() {
        QCOMPARE(Found(Stage + "/usr"), Expected());
        for (const QString& file : Expected()) {
            QVERIFY2(QFileInfo(Prefix + '/' + file).isFile(), qPrintable(file));
            QCOMPARE(QFileInfo(Prefix + '/' + file).isExecutable(), file.startsWith("bin/"));
        }
    }

    // Help, Contents looks beside the programs first: there an install and the package put
    // the manual, whatever the desktop's data folders say.
    void helpFindsTheManual_data() {
        QTest::addColumn<QString>("Root");
        QTest::newRow("prefix") << Prefix;
        QTest::newRow("package") << Stage + "/usr";
    }
    void helpFindsTheManual() {
        QFETCH(QString, Root);
        const QString page = "doc/quintor/manual/index.html";
        const SystemPaths::DataFile found = SystemPaths::FindData(page, Root + "/bin/");
        QVERIFY(found.Found);
        QCOMPARE(found.Path, Root + "/share/" + page);
        QVERIFY(QFileInfo(Root + "/share/doc/quintor/manual/images/runner-page.png").isFile());
    }

    // Valid, without a warning or a hint.
    void validate() {
        const QRegularExpression remark("^\\s*([EWI]:|.*(error|warning|hint):)",
                                        QRegularExpression::MultilineOption);
        for (const QString& id : {EditorId, RunnerId})
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
        QTEST(Command::Run("xdg-mime", {"query", "filetype", file}, Desktop()).Out.trimmed(),
              "Type");
    }

    // A double click on a launcher file opens the editor. Asked of gio itself: xdg-mime's own
    // reading splits a folder at its blanks.
    void openWith() {
        const QString launcher = Command::Run("gio", {"mime", LauncherType}, Desktop()).Out;
        QVERIFY2(
            launcher.contains(
                QString("Default application for “%1”: %2.desktop\n").arg(LauncherType, EditorId)),
            qPrintable(launcher));
    }

    // No web page opens in the runner by itself: its entry claims no file type, and neither
    // program takes the file the desktop hands it for an option.
    void entriesClaimNoWebPages() {
        const QString runner =
            QString::fromUtf8(TestFiles::Read(Share + "/applications/" + RunnerId + ".desktop"));
        QVERIFY2(!runner.contains("\nMimeType="), qPrintable(runner));
        for (const QString& id : {EditorId, RunnerId}) {
            const QString entry =
                QString::fromUtf8(TestFiles::Read(Share + "/applications/" + id + ".desktop"));
            QVERIFY2(entry.contains(QRegularExpression("\nExec=\"[^\n]*\" -- %f\n")),
                     qPrintable(entry));
        }
        const QString html = Command::Run("gio", {"mime", "text/html"}, Desktop()).Out;
        QVERIFY2(!html.contains(RunnerId), qPrintable(html));
    }

    // Answers need no display, even beside Qt's own options (the package's test runs
    // --version of both).
    void commandLine_data() {
        DataRows::Texts({"Arguments", "Out"});
        DataRows::Row("help", "qtedit2 -platform xcb --help",
                      "Usage: qtedit2 [options] [--] [file]\n"
                      "       qtedit2 --build FILE [--output PAGE]\n"
                      "       qtedit2 --check FILE\n"
                      "       qtedit2 --convert IN [--output OUT]\nKeeps");
        DataRows::Row("runner help", "quintor2 -h", "Usage: quintor2 [options] [--] [page]\nShows");
    }
    void commandLine() {
        QStringList arguments = DataRows::Fetch("Arguments").split(' ');
        const Command::Result result = Command::Run(Prefix + "/bin/" + arguments.takeFirst(),
                                                    arguments, Command::WithoutDisplay());
        QCOMPARE(result.Code, 0);
        QVERIFY2(result.Out.startsWith(DataRows::Fetch("Out")), qPrintable(result.Out));
    }

    // The installed tree under /usr and no cache: the triggers of the packages that own the
    // caches rebuild them. Dependencies are read from the programs, down to the engine's
    // helper process that no program links.
    void contents() {
        QStringList files;
        for (const QString& line :
             Command::Run("dpkg-deb", {"--contents", Deb}).Out.split('\n', Qt::SkipEmptyParts))
            if (!line.startsWith('d'))
                files << line.section(' ', -1).remove(QRegularExpression("^\\./usr/"));
        files.sort();
        QCOMPARE(files, Expected());
        const QString depends = Command::Run("dpkg-deb", {"--field", Deb, "Depends"}).Out;
        for (const char* package :
             {"libqt6widgets6", "libqt6webenginecore6-bin", "libc6", "libyaml-cpp", "libqt6svg6"})
            QVERIFY2(depends.contains(QLatin1String(package)), qPrintable(depends));
    }

    void lintian() {
        const Command::Result checked = Command::Run("lintian", {Deb});
        QVERIFY2(checked.Code == 0 && !checked.Out.contains(QRegularExpression(
                                          "^[EW]: ", QRegularExpression::MultilineOption)),
                 qPrintable(checked.Text()));
    }

    // Two packages of one commit, made at different times, are the same bytes: the changelog
    // and the archives carry the date of the commit, not of the build.
    void reproducible() {
        const QString again = Dir.filePath("again");
        const Command::Result made = Package(again);
        QVERIFY2(made.Code == 0, qPrintable(made.Text()));
        QVERIFY(TestFiles::Read(again + '/' + QFileInfo(Deb).fileName()) == TestFiles::Read(Deb));
        QString epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH");
        if (epoch.isEmpty()) {
            const Command::Result commit =
                Command::Run("git", {"-C", qEnvironmentVariable("QUINTOR_SOURCE_DIR"), "log", "-1",
                                     "--format=%ct"});
            if (commit.Code != 0)
                QSKIP("The sources have no history to take the date from.");
            epoch = commit.Out.trimmed();
        }
        const QString changelog =
            Command::Run("gzip", {"-dc", Stage + "/usr/share/doc/quintor/changelog.gz"}).Out;
        const QDateTime date = QDateTime::fromSecsSinceEpoch(epoch.toLongLong(), Qt::UTC);
        const QString stamp = QLocale::c().toString(date, "ddd, dd MMM yyyy HH:mm:ss +0000");
        QVERIFY2(changelog.trimmed().endsWith("  " + stamp), qPrintable(changelog));
    }

    void unpackedProgramsRun() {
        const QString root = Dir.filePath("root");
        QCOMPARE(Command::Run("dpkg-deb", {"-x", Deb, root}).Code, 0);
        for (const QString title : {"qtedit2 Quintor Editor", "quintor2 Quintor"}) {
            const Command::Result ran = Command::Run(root + "/usr/bin/" + title.section(' ', 0, 0),
                                                     {"--version"}, Command::WithoutDisplay());
            QCOMPARE(ran.Code, 0);
            QCOMPARE(ran.Out, title.section(' ', 1) + " " QUINTOR_VERSION_TEXT "\n");
        }
    }

    // Everything installed goes; what others put in the same folders stays.
    void uninstall() {
        const QString others = Share + "/applications/other.desktop";
        QVERIFY(TestFiles::Write(others, "[Desktop Entry]\n"));
        const Command::Result removed =
            Command::Run(CMake, {"-DPREFIX=" + Prefix, "-P", Build + "/uninstall.cmake"});
        QVERIFY2(removed.Code == 0, qPrintable(removed.Text()));
        for (const QString& file : Expected())
            QVERIFY2(!QFileInfo::exists(Prefix + '/' + file), qPrintable(file));
        QVERIFY(QFileInfo::exists(others));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
