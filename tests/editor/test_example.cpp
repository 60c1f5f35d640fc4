// The example launcher file: made from its committed source, and naming things that
// are there on a Debian desktop.
#include "LauncherDocument.h"
#include "LauncherFile.h"
#include "TestFiles.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestExample : public QObject {
    Q_OBJECT
    QString Source(const QString& Name) const {
        return qEnvironmentVariable("QUINTOR_SOURCE_DIR") + QStringLiteral("/examples/") + Name;
    }

private slots:
    void generatedFileMatchesItsSource() {
        QTemporaryDir dir;
        const QString made = dir.filePath(QStringLiteral("Tools.qtf"));
        QProcess tool;
        tool.start(TestFiles::BinDir() + QStringLiteral("/make_example"),
                   {Source(QStringLiteral("Tools.items")), made});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(TestFiles::Read(made), TestFiles::Read(Source(QStringLiteral("Tools.qtf"))));
    }

    void badSourceIsRefusedWithItsLine() {
        QTemporaryDir dir;
        const QString items = dir.filePath(QStringLiteral("bad.items"));
        QVERIFY(TestFiles::Write(items, "property Title = X\nitem A\n    Colour = red\n"));
        QProcess tool;
        tool.start(TestFiles::BinDir() + QStringLiteral("/make_example"),
                   {items, dir.filePath(QStringLiteral("bad.qtf"))});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(tool.readAllStandardError().contains(":3:"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("bad.qtf"))));
    }

    void itemsNameWhatADesktopHas() {
        LauncherDocument doc;
        LauncherFile::OpenFile(doc, Source(QStringLiteral("Tools.qtf")), false);
        doc.CO.Release();
        int sections = 0;
        QStringList runs;
        for (int pos = 1; pos <= doc.Items.Count(); ++pos) {
            if (doc.Items.IsSection(pos)) {
                ++sections;
                continue;
            }
            runs << doc.Items.Cell(pos, cellRun);
            QVERIFY2(QFileInfo::exists(doc.Items.Cell(pos, cellIcon)),
                     qPrintable(doc.Items.Cell(pos, cellIcon)));
        }
        QVERIFY(sections >= 2);
        QVERIFY(runs.contains(QStringLiteral("Hyperlink")));
        QCOMPARE(doc.ReadProp(QStringLiteral("Title"), true), QStringLiteral("Tools"));
    }
};

QTEST_MAIN(TestExample)
#include "test_example.moc"
