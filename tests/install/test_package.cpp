#include "AppVersion.h"
#include "Command.h"
#include "InstalledFiles.h"

#include <QtTest>

// The Debian package as `make package` makes it: its files, its dependencies, what
// lintian says of it, and programs that run from it.
class TestPackage : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Deb;

    QString Field(const QString& Name) const {
        return Command::Run("dpkg-deb", {"--field", Deb, Name}).Out.trimmed();
    }

private slots:
    void initTestCase() {
        QVERIFY(Dir.isValid());
        const QString build = qEnvironmentVariable("QUINTOR_BUILD_DIR");
        const Command::Result made =
            Command::Run(qEnvironmentVariable("CPACK_COMMAND"),
                         {"-G", "DEB", "-B", Dir.path(), "--config", build + "/CPackConfig.cmake"});
        QVERIFY2(made.Code == 0, qPrintable(made.Text()));
        Deb = Dir.filePath("quintor_" QUINTOR_VERSION_TEXT "_amd64.deb");
        QVERIFY2(QFileInfo::exists(Deb), qPrintable(made.Text()));
    }

    // The installed tree under /usr, and no cache: the triggers of the packages that own
    // the caches rebuild them on the user's machine.
    void contents() {
        const Command::Result listed = Command::Run("dpkg-deb", {"--contents", Deb});
        QCOMPARE(listed.Code, 0);
        QStringList files;
        for (const QString& line : listed.Out.split('\n', Qt::SkipEmptyParts))
            if (!line.startsWith('d'))
                files << line.section(' ', -1).remove(QRegularExpression("^\\./usr/"));
        files.sort();
        QCOMPARE(files, InstalledFiles::Expected());
    }

    void control() {
        QCOMPARE(Field("Package"), QString("quintor"));
        QCOMPARE(Field("Version"), QString(QUINTOR_VERSION_TEXT));
        QCOMPARE(Field("Architecture"), QString("amd64"));
        // Read from the programs themselves, down to the engine's helper process.
        const QString depends = Field("Depends");
        for (const char* package :
             {"libqt6widgets6", "libqt6webenginewidgets6", "libqt6webenginecore6-bin", "libc6"})
            QVERIFY2(depends.contains(QLatin1String(package)), qPrintable(depends));
    }

    void lintian() {
        const Command::Result checked = Command::Run("lintian", {Deb});
        QVERIFY2(checked.Code == 0, qPrintable(checked.Text()));
        const QRegularExpression complaint("^[EW]: ", QRegularExpression::MultilineOption);
        QVERIFY2(!checked.Out.contains(complaint), qPrintable(checked.Out));
    }

    void unpackedProgramsRun_data() {
        QTest::addColumn<QString>("Program");
        QTest::addColumn<QString>("Title");
        QTest::newRow("editor") << "qtedit2"
                                << "Quintor Editor";
        QTest::newRow("runner") << "quintor2"
                                << "Quintor";
    }
    void unpackedProgramsRun() {
        QFETCH(QString, Program);
        QFETCH(QString, Title);
        const QString root = Dir.filePath("root");
        QCOMPARE(Command::Run("dpkg-deb", {"-x", Deb, root}).Code, 0);
        const Command::Result ran =
            Command::Run(root + "/usr/bin/" + Program, {"--version"}, Command::WithoutDisplay());
        QCOMPARE(ran.Code, 0);
        QCOMPARE(ran.Out, Title + " " QUINTOR_VERSION_TEXT "\n");
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"
