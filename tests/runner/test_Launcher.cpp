#include "AppError.h"
#include "Launcher.h"
#include "TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The launch operation for real: programs started, missing things reported as 2.
class TestLauncher : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Script; // writes its folder, show number and arguments to out.txt beside it
    QString Out;

private slots:
    void initTestCase() {
        Out = Dir.filePath(QStringLiteral("out.txt"));
        Script = Dir.filePath(QStringLiteral("my tool.sh"));
        QVERIFY(TestFiles::Write(Script, "#!/bin/sh\n{ pwd; echo \"$QUINTOR_SHOW_COMMAND\"; "
                                         "for a in \"$@\"; do echo \"[$a]\"; done; } > \"" +
                                             Out.toUtf8() + ".tmp\"\nmv \"" + Out.toUtf8() +
                                             ".tmp\" \"" + Out.toUtf8() + "\"\n"));
        QVERIFY(
            QFile::setPermissions(Script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void splitArguments_data() {
        QTest::addColumn<QString>("Text");
        QTest::addColumn<QStringList>("Expected");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("blanks only") << "   " << QStringList();
        QTest::newRow("blanks separate") << " -a  b\tc " << QStringList{"-a", "b", "c"};
        QTest::newRow("quotes group") << "\"two words\" x" << QStringList{"two words", "x"};
        QTest::newRow("quotes inside a word") << "a\"b c\"d" << QStringList{"ab cd"};
        QTest::newRow("empty pair") << "a \"\" b" << QStringList{"a", "", "b"};
        QTest::newRow("backslash literal") << "C:\\x \\\"y" << QStringList{"C:\\x", "\\y"};
        QTest::newRow("unclosed quote") << "\"a b" << QStringList{"a b"};
        QTest::newRow("no expansion")
            << "$HOME *.txt `x` ;|" << QStringList{"$HOME", "*.txt", "`x`", ";|"};
    }
    void splitArguments() {
        QFETCH(QString, Text);
        QFETCH(QStringList, Expected);
        QCOMPARE(Launcher::SplitArguments(Text), Expected);
    }

    void nothingThere_data() {
        QTest::addColumn<QString>("File");
        QTest::addColumn<int>("Result");
        QTest::newRow("empty") << "" << 2;
        QTest::newRow("missing path") << "/no/such/program" << 2;
        QTest::newRow("missing name") << "no-such-program-quintor" << 2;
        QTest::newRow("missing file address") << "file:///no/such/page.htm" << 2;
        QTest::newRow("letter case of a path counts") << Dir.filePath("MY TOOL.SH") << 2;
    }
    void nothingThere() {
        QFETCH(QString, File);
        QFETCH(int, Result);
        QCOMPARE(Launcher::Open(File, QString(), QString(), 1), Result);
    }

    void startsProgramInItsFolder() {
        QFile::remove(Out);
        const QString folder = Dir.filePath(QString::fromUtf8("Start ä"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(Launcher::Open(Script, QStringLiteral("-a,b \"c d\" \"\" $HOME"), folder, 3) > 32);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(Out), 5000);
        QCOMPARE(QString::fromUtf8(TestFiles::Read(Out)),
                 folder + QStringLiteral("\n3\n[-a,b]\n[c d]\n[]\n[$HOME]\n"));
    }

    void nameFoundOnThePath() {
        QFile::remove(Out);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", Dir.path().toUtf8() + ':' + path);
        const int result =
            Launcher::Open(QStringLiteral("my tool.sh"), QStringLiteral("x"), QString(), 1);
        qputenv("PATH", path);
        QVERIFY(result > 32);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(Out), 5000);
        QVERIFY(TestFiles::Read(Out).endsWith("\n1\n[x]\n"));
    }

    void startedProgramIsNotOurChild() {
        const QString parent = Dir.filePath(QStringLiteral("parent.txt"));
        QVERIFY(Launcher::Open(
                    QStringLiteral("sh"),
                    QStringLiteral("-c \"sleep 0.3; cut -d' ' -f4 /proc/$$/stat > '%1.tmp'; mv "
                                   "'%1.tmp' '%1'\"")
                        .arg(parent),
                    QString(), 1) > 32);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(parent), 5000);
        const qint64 ppid = TestFiles::Read(parent).trimmed().toLongLong();
        QVERIFY(ppid > 0);
        QVERIFY(ppid != QCoreApplication::applicationPid());
    }

    void missingStartInFolderStartsNothing() {
        QCOMPARE(Launcher::Open(Script, QString(), QStringLiteral("/no/such/folder"), 1),
                 Launcher::PathNotFound);
    }

    void startProgramFailures() {
        try {
            Launcher::StartProgram(Dir.filePath(QStringLiteral("qtedit2")), {}, 1);
            QFAIL("a missing program started");
        } catch (const AppError& e) {
            QCOMPARE(e.Number, ErrNo::FileNotFound);
        }
        const QString plain = Dir.filePath(QStringLiteral("plain.txt"));
        QVERIFY(TestFiles::Write(plain, "text"));
        try {
            Launcher::StartProgram(plain, {}, 1);
            QFAIL("a file that is no program started");
        } catch (const AppError& e) {
            QCOMPARE(e.Number, ErrNo::PermissionDenied);
        }
    }
};

QTEST_GUILESS_MAIN(TestLauncher)
#include "test_Launcher.moc"
