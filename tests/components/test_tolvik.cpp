#include "components/NameInMessage.h"
#include "components/Tolvik.h"
#include "support/DataRows.h"
#include "support/DesktopFixture.h"

#include <QIcon>
#include <QRandomGenerator>
#include <QtTest>

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

    // Texts made of the pieces that confuse a decoder: entities, half entities, numeric
    // references, markup and non-ASCII.
    void textToHtmlAndBack() {
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

    // A name quoted in a message stays on one line and cannot turn the text around; all else,
    // a backslash too, stays as it is.
    void oneLine_data() {
        Texts({"Name", "Shown"});
        Row("line breaks and a tab", "a\r\nb\tc", "a\\r\\nb\\tc");
        Row("escape, delete, C1", "x\x1b[2Jy\x7f\xc2\x85", "x\\x1B[2Jy\\x7F\\x85");
        Row("separator, direction mark", "a\u2028b\u202Etxt.exe", "a\\u2028b\\u202Etxt.exe");
        Row("kept", "C:\\\xc3\x9c \xf0\x9f\x98\x80\u200d", "C:\\\xc3\x9c \xf0\x9f\x98\x80\u200d");
    }
    void oneLine() { QCOMPARE(NameInMessage(Fetch("Name")), Fetch("Shown")); }

    // Programs get the icon of the desktop entry that starts them, everything else its file
    // type's.
    void icons_data() {
        // Path ("@": the test's root), its PathCheck (plain files and folders pass the other
        // tests), and the icon: red, blue, type (a file-type icon) or none.
        QTest::addColumn<QString>("Row");
        for (const char* row :
             {"/ 1 type", "@/bin 0 type", "@/red.png 0 type", "qtv-named 1 red",
              "@/bin/qtv-named 0 red", "@/byPath 0 blue", "qtv-multi 1 type", "qtv-pick 1 red",
              "qtv-plain 1 type", "qtv-none 0 none", "/no/such.exe 0 none", " 0 none"})
            QTest::newRow(row) << QString(row).replace('@', Root.path());
    }
    void icons() {
        const QStringList row = Fetch("Row").split(' ');
        const QString path = row[0], icon = row[2];
        QCOMPARE(Tolvik::PathCheck(path), row[1].toInt());
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
