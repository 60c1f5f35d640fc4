#include "FileFilter.h"
#include "TestFiles.h"
#include "Tolvik.h"

#include <QRandomGenerator>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestTolvik)
#include "test_tolvik.moc"
