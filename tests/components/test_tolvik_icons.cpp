#include "Tolvik.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A desktop entry that starts Exec and shows the picture at IconPath.
bool WriteDesktopEntry(const QString& Folder, const QString& Name, const QString& Exec,
                       const QString& Icon) {
    QDir().mkpath(Folder);
    QFile file(Folder + "/" + Name + ".desktop");
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(
        QStringLiteral(
            "[Desktop Entry]\nType=Application\nName=%1\nExec=%2\nIcon=%3\n\n[Desktop Action x]\n"
            "Exec=other\nIcon=other\n")
            .arg(Name, Exec, Icon)
            .toUtf8());
    return true;
}

bool WriteExecutable(const QString& Path) {
    QFile file(Path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QImage Solid(QColor Colour) {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Colour);
    return image;
}

QColor Centre(const QImage& Image) {
    return Image.pixelColor(Image.width() / 2, Image.height() / 2);
}
} // namespace

class TestTolvikIcons : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pathCheck_data();
    void pathCheck();
    void sizes_data();
    void sizes();
    void programGetsItsDesktopEntryIcon_data();
    void programGetsItsDesktopEntryIcon();
    void documentsAndFoldersGetFileTypeIcons();
    void writtenIconLoadsBack();

private:
    QTemporaryDir Root;
    QString Bin, Apps, Red, Blue;
};

void TestTolvikIcons::initTestCase() {
    QVERIFY(Root.isValid());
    // What a bare X session leaves: a theme without any file-type icons.
    QIcon::setThemeName("hicolor");
    Bin = Root.filePath("bin");
    Apps = Root.filePath("data/applications");
    QVERIFY(QDir().mkpath(Bin));
    // Our entries come first; the names are our own, so the machine's entries cannot match.
    qputenv("XDG_DATA_HOME", Root.filePath("data").toUtf8());
    qputenv("PATH", (Bin + ":" + qEnvironmentVariable("PATH")).toUtf8());

    Red = Root.filePath("red.png");
    Blue = Root.filePath("blue.png");
    QVERIFY(Solid(Qt::red).save(Red));
    QVERIFY(Solid(Qt::blue).save(Blue));
    QVERIFY(WriteExecutable(Bin + "/qtv-named"));
    QVERIFY(WriteExecutable(Root.filePath("byPath")));
    QVERIFY(WriteExecutable(Bin + "/qtv-plain"));
    QVERIFY(WriteDesktopEntry(Apps, "named", "env LANG=C qtv-named %U", Red));
    QVERIFY(WriteDesktopEntry(Apps + "/sub", "bypath", "\"" + Root.filePath("byPath") + "\" --flag",
                              Blue));
    // A launcher of several applications is none of them...
    QVERIFY(WriteExecutable(Bin + "/qtv-multi"));
    QVERIFY(WriteDesktopEntry(Apps, "alpha", "qtv-multi --app alpha", Red));
    QVERIFY(WriteDesktopEntry(Apps, "beta", "qtv-multi --app beta", Blue));
    // ...unless one of its entries is named after it.
    QVERIFY(WriteExecutable(Bin + "/qtv-pick"));
    QVERIFY(WriteDesktopEntry(Apps, "gamma", "qtv-pick --other", Blue));
    QVERIFY(WriteDesktopEntry(Apps, "org.example.qtv-pick", "qtv-pick %F", Red));
    QFile note(Root.filePath("note.txt"));
    QVERIFY(note.open(QIODevice::WriteOnly) && note.write("text\n") == 5);
}

void TestTolvikIcons::pathCheck_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("expected");
    QTest::newRow("root folder") << "/" << 1;
    QTest::newRow("program named on PATH") << "qtv-plain" << 1;
    QTest::newRow("system program named on PATH") << "sh" << 1;
    QTest::newRow("unknown bare name") << "qtv-no-such-program" << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("missing path") << "/no/such/file.exe" << 0;
}

void TestTolvikIcons::pathCheck() {
    QFETCH(QString, path);
    QFETCH(int, expected);
    QCOMPARE(Tolvik::PathCheck(path), expected);
    // A plain file or folder is usable through the other two tests, not this one.
    QCOMPARE(Tolvik::PathCheck(Root.filePath("bin")), 0);
    QCOMPARE(Tolvik::PathCheck(Red), 0);
}

void TestTolvikIcons::sizes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("found");
    QTest::newRow("document") << "red.png" << true;
    QTest::newRow("folder") << "bin" << true;
    QTest::newRow("program by path") << "byPath" << true;
    QTest::newRow("root") << "/" << true;
    QTest::newRow("nothing there") << "missing.exe" << false;
}

void TestTolvikIcons::sizes() {
    QFETCH(QString, path);
    QFETCH(bool, found);
    const QString full = path == "/" ? path : Root.filePath(path);
    const QImage large = Tolvik::LargeIcon(full), small = Tolvik::SmallIcon(full);
    QCOMPARE(large.isNull(), !found);
    QCOMPARE(small.isNull(), !found);
    if (found) {
        QCOMPARE(large.size(), QSize(32, 32));
        QCOMPARE(small.size(), QSize(16, 16));
    }
}

void TestTolvikIcons::programGetsItsDesktopEntryIcon_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("bare name, Exec behind env") << "qtv-named" << QColor(Qt::red);
    QTest::newRow("full path of a bare-name Exec") << Bin + "/qtv-named" << QColor(Qt::red);
    QTest::newRow("quoted Exec path in a subfolder") << Root.filePath("byPath") << QColor(Qt::blue);
    QTest::newRow("entries disagree: file-type icon") << "qtv-multi" << QColor();
    QTest::newRow("entry named after the program") << "qtv-pick" << QColor(Qt::red);
    QTest::newRow("no entry: file-type icon") << "qtv-plain" << QColor();
}

void TestTolvikIcons::programGetsItsDesktopEntryIcon() {
    QFETCH(QString, path);
    QFETCH(QColor, colour);
    for (const QImage& icon : {Tolvik::LargeIcon(path), Tolvik::SmallIcon(path)}) {
        QVERIFY(!icon.isNull());
        if (colour.isValid())
            QCOMPARE(Centre(icon), colour);
        else
            QVERIFY(Centre(icon) != QColor(Qt::red) && Centre(icon) != QColor(Qt::blue));
    }
}

void TestTolvikIcons::documentsAndFoldersGetFileTypeIcons() {
    // A picture document shows its type's icon, not its own content.
    const QImage document = Tolvik::LargeIcon(Red);
    QVERIFY(Centre(document) != QColor(Qt::red));
    const QImage folder = Tolvik::LargeIcon(Root.filePath("bin"));
    QVERIFY(document != folder);
    const QImage text = Tolvik::LargeIcon(Root.filePath("note.txt"));
    QVERIFY(text != folder);
}

void TestTolvikIcons::writtenIconLoadsBack() {
    QVERIFY2(QImageReader::supportedImageFormats().contains("ico"), "Qt's icon writer is missing");
    for (const QImage& icon :
         {Tolvik::LargeIcon("qtv-named"), Tolvik::SmallIcon(Root.filePath("bin"))}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(icon.save(&buffer, "ICO"));
        QCOMPARE(bytes.left(4), QByteArray("\0\0\1\0", 4)); // icon resource, not cursor
        QImage back;
        QVERIFY(back.loadFromData(bytes, "ICO"));
        QCOMPARE(back.size(), icon.size());
        QCOMPARE(Centre(back), Centre(icon));
    }
}

QTEST_MAIN(TestTolvikIcons)
#include "test_tolvik_icons.moc"
