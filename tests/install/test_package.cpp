#include "AppVersion.h"
#include "install/InstalledFiles.h"
#include "support/Command.h"

#include <QtTest>

// The Debian package as `make package` makes it: its files and dependencies, lintian's
// verdict, and programs that run from it.
class TestPackage : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Deb = Dir.filePath("quintor_" QUINTOR_VERSION_TEXT "_amd64.deb");

private slots:
    void initTestCase() {
        const Command::Result made =
            Command::Run(qEnvironmentVariable("CPACK_COMMAND"),
                         {"-G", "DEB", "-B", Dir.path(), "--config",
                          qEnvironmentVariable("QUINTOR_BUILD_DIR") + "/CPackConfig.cmake"});
        QVERIFY2(made.Code == 0 && QFileInfo::exists(Deb), qPrintable(made.Text()));
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
        QCOMPARE(files, InstalledFiles::Expected());
        const QString depends = Command::Run("dpkg-deb", {"--field", Deb, "Depends"}).Out;
        for (const char* package : {"libqt6widgets6", "libqt6webenginecore6-bin", "libc6"})
            QVERIFY2(depends.contains(QLatin1String(package)), qPrintable(depends));
    }

    void lintian() {
        const Command::Result checked = Command::Run("lintian", {Deb});
        QVERIFY2(checked.Code == 0 && !checked.Out.contains(QRegularExpression(
                                          "^[EW]: ", QRegularExpression::MultilineOption)),
                 qPrintable(checked.Text()));
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
};

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"
