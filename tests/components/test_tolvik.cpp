#include "components/Tolvik.h"
#include "components/platform/FileSystem.h"
#include "support/DataRows.h"
#include "support/DesktopFixture.h"

#include <QIcon>
#include <QRandomGenerator>
#include <QtTest>
#include <sys/stat.h>

using namespace DataRows;

class TestTolvik : public QObject {
    Q_OBJECT
    QTemporaryDir Root;
    const QString Red = Root.filePath("red.png"), Blue = Root.filePath("blue.png");
    // A desktop entry starting Exec, with an action whose Exec and Icon must be ignored.
    bool Entry(const QString& Name, const QString& Exec, const QString& Icon) {
        return DesktopFixture::Entry(Root.filePath("data"), Name,
                                     "Name=x\nExec=" + Exec + "\nIcon=" + Icon +
                                         "\n\n[Desktop Action x]\nExec=o\nIcon=o");
    }

private slots:
    void initTestCase() {
        // What a bare X session leaves: a theme without any file-type icons.
        QIcon::setThemeName("hicolor");
        // Our entries come first; the names are our own, so the machine's entries cannot match.
        qputenv("XDG_DATA_HOME", Root.filePath("data").toUtf8());
        qputenv("PATH", (Root.filePath("bin") + ":" + qEnvironmentVariable("PATH")).toUtf8());
        QVERIFY(DesktopFixture::Picture(Red, 48, Qt::red));
        QVERIFY(DesktopFixture::Picture(Blue, 48, Qt::blue));
        for (const char* name :
             {"bin/qtv-named", "bin/qtv-plain", "bin/qtv-multi", "bin/qtv-pick", "byPath"})
            QVERIFY(TestFiles::Executable(Root.filePath(name)));
        QVERIFY(Entry("named", "env LANG=C qtv-named %U", Red));
        QVERIFY(Entry("sub/bypath", "\"" + Root.filePath("byPath") + "\" --flag", Blue));
        // A launcher of several applications is none of them, unless an entry is named after it.
        QVERIFY(Entry("alpha", "qtv-multi --app a", Red));
        QVERIFY(Entry("beta", "qtv-multi --app b", Blue));
        QVERIFY(Entry("gamma", "qtv-pick -o", Blue));
        QVERIFY(Entry("org.example.qtv-pick", "qtv-pick", Red));
    }

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
        Row("file", "@/f", "abc", true);
        Row("larger than the limit", "@/b", "-", true);
        Row("empty file", "@/e", "", true);
        Row("missing", "@/none", "-", false);
        Row("device", "/dev/zero", "-", false);
        Row("fifo", "@/pipe", "-", false);
    }
    void readRegularFile() {
        QTemporaryDir dir;
        for (const auto& [name, bytes] : {std::pair{"f", "abc"}, {"e", ""}, {"b", "01234567890"}})
            QVERIFY(TestFiles::Write(dir.filePath(name), bytes));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        const QString path = Fetch("Path").replace('@', dir.path());
        const std::optional<QByteArray> bytes = FileSystem::ReadRegularFile(path, 10);
        QTEST(bytes ? QString::fromUtf8(*bytes) : QString("-"), "Expected");
        QTEST(FileSystem::IsRegularFile(path), "Regular");
    }

    // Programs get the icon of the desktop entry that starts them, everything else its file
    // type's.
    void icons_data() {
        QTest::addColumn<QString>("path"); // "@" stands for the test's root folder
        QTest::addColumn<int>("check"); // PathCheck: plain files and folders pass the other tests
        QTest::addColumn<QString>("icon"); // red, blue, type (a file-type icon) or none
        for (const char* row :
             {"/ 1 type", "@/bin 0 type", "@/red.png 0 type", "qtv-named 1 red",
              "@/bin/qtv-named 0 red", "@/byPath 0 blue", "qtv-multi 1 type", "qtv-pick 1 red",
              "qtv-plain 1 type", "qtv-none 0 none", "/no/such.exe 0 none", " 0 none"}) {
            const QStringList r = QString(row).split(' ');
            QTest::addRow("%s", row)
                << QString(r[0]).replace("@", Root.path()) << r[1].toInt() << r[2];
        }
    }
    void icons() {
        QFETCH(QString, path);
        QFETCH(QString, icon);
        QTEST(Tolvik::PathCheck(path), "check");
        for (const auto& [image, side] :
             {std::pair{Tolvik::LargeIcon(path), 32}, {Tolvik::SmallIcon(path), 16}}) {
            QCOMPARE(image.size(), icon == "none" ? QSize(0, 0) : QSize(side, side));
            const QColor centre = image.isNull() ? QColor() : image.pixelColor(side / 2, side / 2);
            if (icon == "type")
                QVERIFY2(centre != QColor(Qt::red) && centre != QColor(Qt::blue),
                         qPrintable(centre.name()));
            else if (icon != "none")
                QCOMPARE(centre, QColor(icon));
        }
    }
};

QTEST_MAIN(TestTolvik)
#include "test_tolvik.moc"
