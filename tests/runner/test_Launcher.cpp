#include "Launcher.h"
#include "TestFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The launch operation for real: programs started, missing things reported.
class TestLauncher : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    void nothingThere() {
        QCOMPARE(Launcher::Open("", QString(), QString(), 1), 2);
        QCOMPARE(Launcher::Open("file:///no/such/page.htm", QString(), QString(), 1), 2);
        QCOMPARE(Launcher::Open("/BIN/SH", QString(), QString(), 1), 2); // letter case counts
        QCOMPARE(Launcher::Open("/bin/sh", QString(), "/no/such", 1), Launcher::PathNotFound);
    }

    // Found on the PATH, started in its folder, the show command recorded; not our child.
    void startsDetachedInItsFolder() {
        const QString out = Dir.filePath("out.txt");
        const QString script = "sleep 0.3; { pwd; echo $%1; cut -d' ' -f4 /proc/$$/stat; } > "
                               "'%2.tmp'; mv '%2.tmp' '%2'";
        QVERIFY(Launcher::Open("sh",
                               "-c \"" + script.arg(Launcher::ShowCommandVariable, out) + "\"",
                               Dir.path(), 3) > 32);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(out), 5000);
        const QStringList lines = QString::fromUtf8(TestFiles::Read(out)).split('\n');
        QCOMPARE(lines.mid(0, 2), (QStringList{Dir.path(), "3"}));
        QVERIFY(lines[2].toLongLong() > 0 &&
                lines[2].toLongLong() != QCoreApplication::applicationPid());
    }
};

QTEST_GUILESS_MAIN(TestLauncher)
#include "test_Launcher.moc"
