#include "components/Tolvik.h"
#include "components/dialogs/FileFilter.h"
#include "components/platform/FileSystem.h"
#include "support/TestFiles.h"

#include <QRandomGenerator>
#include <QtTest>
#include <sys/stat.h>

class TestTolvik : public QObject {
    Q_OBJECT

private slots:
    // Exact escapes, then texts made of the pieces that confuse a decoder: entities, half
    // entities, numeric references, markup and non-ASCII.
    void textToHtmlAndBack() {
        QCOMPARE(Tolvik::TextToHtml("<b>\"it's\",1</b>a&comma;b", false),
                 QString("&lt;b&gt;&quot;it's&quot;,1&lt;/b&gt;a&amp;comma;b"));
        const QStringList pieces = QString("&|amp;|&amp;|&comma;|&#65;|&#x41;|&lt|&gt;|;|<|>|\"|"
                                           "&quot;|a|,| |\r\n|#|\xc3\xa9|\xf0\x9f\x98\x80")
                                       .split('|');
        QRandomGenerator random(20261206);
        for (int n = 0; n < 5000; ++n) {
            QString text;
            for (int i = random.bounded(12); i > 0; --i)
                text += pieces[random.bounded(pieces.size())];
            const QString html = Tolvik::TextToHtml(text, false);
            QVERIFY2(Tolvik::HtmlToText(html) == text, qPrintable(text));
            QVERIFY(!html.contains('<') && !html.contains('>') && !html.contains('"'));
        }
    }

    void files() {
        QTemporaryDir dir;
        const QString file = dir.filePath("a file.txt"), folder = dir.path();
        QVERIFY(TestFiles::Write(file, "x") && Tolvik::FileExists(file) && !Tolvik::FileExists(""));
        QVERIFY(Tolvik::FolderExists(folder) && !Tolvik::FolderExists(file) &&
                !Tolvik::FileExists(folder) && !Tolvik::FolderExists("") &&
                !Tolvik::FileExists(folder + "/missing"));
        QCOMPARE(FilterToQt("Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*|Pictures|*.bmp;*.ico|"),
                 QStringList({"Quintor File (*.qtf)", "All files (*)", "Pictures (*.bmp *.ico)"}));
    }

    // Only a regular file is ever read, and never past its size or a limit: a device
    // gives endless bytes, a FIFO blocks the reader until someone writes.
    void readRegularFile_data() {
        QTest::addColumn<QString>("Path");
        QTest::addColumn<QString>("Expected"); // "-": refused
        QTest::addColumn<bool>("Regular");
        QTest::newRow("file") << "FILE"
                              << "abc" << true;
        QTest::newRow("larger than the limit") << "BIG"
                                               << "-" << true;
        QTest::newRow("empty file") << "EMPTY"
                                    << "" << true;
        QTest::newRow("folder") << "DIR"
                                << "-" << false;
        QTest::newRow("missing") << "DIR/none"
                                 << "-" << false;
        QTest::newRow("device") << "/dev/zero"
                                << "-" << false;
        QTest::newRow("fifo") << "DIR/pipe"
                              << "-" << false;
        QTest::newRow("empty path") << ""
                                    << "-" << false;
    }
    void readRegularFile() {
        QFETCH(QString, Path);
        QTemporaryDir dir;
        QVERIFY(TestFiles::Write(dir.filePath("f"), "abc") &&
                TestFiles::Write(dir.filePath("e"), "") &&
                TestFiles::Write(dir.filePath("b"), QByteArray(11, 'x')));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        Path.replace("FILE", dir.filePath("f"))
            .replace("EMPTY", dir.filePath("e"))
            .replace("BIG", dir.filePath("b"))
            .replace("DIR", dir.path());
        const std::optional<QByteArray> bytes = FileSystem::ReadRegularFile(Path, 10);
        QTEST(bytes ? QString::fromUtf8(*bytes) : QString("-"), "Expected");
        QTEST(FileSystem::IsRegularFile(Path), "Regular");
    }
};

QTEST_GUILESS_MAIN(TestTolvik)
#include "test_tolvik.moc"
