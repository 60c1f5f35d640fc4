#include "components/Tolvik.h"
#include "components/platform/FileSystem.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QRandomGenerator>
#include <QtTest>
#include <sys/stat.h>

using namespace DataRows;

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
            QCOMPARE(Tolvik::HtmlToText(html), text);
            QVERIFY2(!html.contains(QRegularExpression("[<>\"]")), qPrintable(html));
        }
    }

    // Only a regular file is ever read, and never past its size or a limit: a device
    // gives endless bytes, a FIFO blocks the reader until someone writes.
    void readRegularFile_data() {
        Columns<QString, QString, bool>({"Path", "Expected", "Regular"}); // "-": refused
        Row("file", "FILE", "abc", true);
        Row("larger than the limit", "BIG", "-", true);
        Row("empty file", "EMPTY", "", true);
        Row("folder", "DIR", "-", false);
        Row("missing", "DIR/none", "-", false);
        Row("device", "/dev/zero", "-", false);
        Row("fifo", "DIR/pipe", "-", false);
        Row("empty path", "", "-", false);
    }
    void readRegularFile() {
        QFETCH(QString, Path);
        QTemporaryDir dir;
        for (const auto& [name, bytes] : {std::pair{"f", "abc"}, {"e", ""}, {"b", "01234567890"}})
            QVERIFY(TestFiles::Write(dir.filePath(name), bytes));
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
