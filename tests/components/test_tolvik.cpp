#include "DataRow.h"
#include "FileFilter.h"
#include "TestFiles.h"
#include "Tolvik.h"

#include <QRandomGenerator>
#include <QtTest>

class TestTolvik : public QObject {
    Q_OBJECT

private slots:
    void textToHtml_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        DataRow("markup", "<b>\"x\"</b>", "&lt;b&gt;&quot;x&quot;&lt;/b&gt;");
        DataRow("comma entity survives the browser", "a&comma;b", "a&amp;comma;b");
        DataRow("apostrophe and comma kept", "it's,1", "it's,1");
    }

    void textToHtml() {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QCOMPARE(Tolvik::TextToHtml(text, false), html);
        QCOMPARE(Tolvik::HtmlToText(html), text);
    }

    // Texts made of the pieces that confuse a decoder: entities, half entities, numeric
    // references, markup and non-ASCII.
    void roundTripOfGeneratedTexts() {
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

    void fileAndFolderTests() {
        QTemporaryDir dir;
        const QString file = dir.filePath("a file.txt");
        QVERIFY(TestFiles::Write(file, "x"));
        QVERIFY(Tolvik::FileExists(file) && !Tolvik::FolderExists(file));
        QVERIFY(Tolvik::FolderExists(dir.path()) && !Tolvik::FileExists(dir.path()));
        QVERIFY(!Tolvik::FileExists("") && !Tolvik::FolderExists("") &&
                !Tolvik::FileExists(dir.filePath("missing")));
    }

    void filterToQt_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        DataRow("launcher files", "Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*|",
                QStringList{"Quintor File (*.qtf)", "All files (*)"});
        DataRow("several patterns", "Pictures|*.bmp;*.ico", QStringList{"Pictures (*.bmp *.ico)"});
    }

    void filterToQt() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(FilterToQt(filter), qt);
    }
};

QTEST_GUILESS_MAIN(TestTolvik)
#include "test_tolvik.moc"
