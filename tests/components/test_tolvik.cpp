#include "FileFilter.h"
#include "TestFiles.h"
#include "Tolvik.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

class TestTolvik : public QObject {
    Q_OBJECT

private slots:
    void textToHtml_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::newRow("plain") << "abc"
                               << "abc";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("markup") << "<b>\"x\"</b>"
                                << "&lt;b&gt;&quot;x&quot;&lt;/b&gt;";
        QTest::newRow("comma entity survives the browser") << "a&comma;b"
                                                           << "a&amp;comma;b";
        QTest::newRow("ampersand") << "R&D"
                                   << "R&amp;D";
        QTest::newRow("apostrophe and comma kept") << "it's,1"
                                                   << "it's,1";
    }

    void textToHtml() {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QCOMPARE(Tolvik::TextToHtml(text, false), html);
        QCOMPARE(Tolvik::HtmlToText(html), text);
    }

    // Texts made of the pieces that confuse a decoder: entities, half entities,
    // numeric references, markup and non-ASCII.
    void roundTripOfGeneratedTexts() {
        const QStringList pieces = {"&",
                                    "amp;",
                                    "&amp;",
                                    "&comma;",
                                    "&#65;",
                                    "&#x41;",
                                    "&lt",
                                    "&gt;",
                                    ";",
                                    "<",
                                    ">",
                                    "\"",
                                    "&quot;",
                                    "a",
                                    ",",
                                    " ",
                                    "\r\n",
                                    "#",
                                    QString::fromUtf8("\xc3\xa9"),
                                    QString::fromUtf8("\xf0\x9f\x98\x80")};
        QRandomGenerator random(20261206);
        for (int n = 0; n < 5000; ++n) {
            QString text;
            const int length = random.bounded(12);
            for (int i = 0; i < length; ++i)
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
        QVERIFY(Tolvik::FileExists(file));
        QVERIFY(!Tolvik::FolderExists(file));
        QVERIFY(Tolvik::FolderExists(dir.path()));
        QVERIFY(!Tolvik::FileExists(dir.path()));
        QVERIFY(!Tolvik::FileExists(QString()));
        QVERIFY(!Tolvik::FolderExists(QString()));
        QVERIFY(!Tolvik::FileExists(dir.filePath("missing")));
    }

    void filterToQt_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("launcher files") << "Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*"
                                        << QStringList{"Quintor File (*.qtf)", "All files (*)"};
        QTest::newRow("several patterns")
            << "Pictures|*.bmp;*.ico;*.gif" << QStringList{"Pictures (*.bmp *.ico *.gif)"};
        QTest::newRow("empty last entry") << "Pages (*.htm)|*.htm|" << QStringList{"Pages (*.htm)"};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void filterToQt() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(FilterToQt(filter), qt);
    }
};

QTEST_GUILESS_MAIN(TestTolvik)
#include "test_tolvik.moc"
