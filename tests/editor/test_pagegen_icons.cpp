#include "AppError.h"
#include "ConfigStore.h"
#include "PageDocs.h"
#include "TestFiles.h"
#include "modGenHTML.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QtTest>

using namespace PageDocs;

// The icon cache of a build, and the built page as the browser engine reads it.
class TestPageGenIcons : public QObject {
    Q_OBJECT
private slots:
    void init();
    void oneFilePerProgramIgnoringCase();
    void rebuildDeletesOldIconsFirst();
    void iconSizes();
    void folderThatCannotBeCreated();
    void pageReadsAsWrittenInTheBrowser();

private:
    QString Path(const QString& Name) const { return Dir->filePath(Name); }
    QString Icon(int K) const { return Folder + "/Icon" + QString::number(K) + ".ico"; }
    LauncherItem Program(const QString& Name) const { return Item(Name, "x", {}, {}, Path(Name)); }
    QStringList Files() const { return QDir(Folder).entryList(QDir::Files, QDir::Name); }
    QString List(const QString& Key) const {
        ConfigStore list;
        list.LoadFile(Folder + "/Icons.txt");
        return list.GetValue(Key);
    }
    // Builds the page (or only previews it); returns the src of its images in page order.
    QStringList Build(const LauncherDocument& Doc, bool Extract = true) const {
        QStringList sources;
        static const QRegularExpression src("<img border=\"0\" src=\"([^\"]*)\"");
        const QString page = GenHTML(Doc, Extract, Extract ? Folder : QString());
        for (auto it = src.globalMatch(page); it.hasNext();)
            sources.append(it.next().captured(1));
        return sources;
    }
    std::unique_ptr<QTemporaryDir> Dir;
    QString Folder;
};

void TestPageGenIcons::init() {
    Dir = std::make_unique<QTemporaryDir>();
    Folder = Path("Page");
    for (const char* name : {"prog1", "prog2", "prog3", "a&b"})
        QVERIFY(TestFiles::Write(Path(name), "#!/bin/sh\n") &&
                QFile::setPermissions(Path(name), QFile::ReadOwner | QFile::ExeOwner));
}

void TestPageGenIcons::oneFilePerProgramIgnoringCase() {
    // A source none of the file tests accepts gets the placeholder and uses up no number; the
    // file system is asked with the cell's own text, the list keeps the page text.
    const auto doc = Doc({Program("prog1"), Program("PROG1"), Item("pic", "x", {}, {}, "p.png"),
                          Program("missing"), Program("prog2"), Program("prog1"), Program("a&b")});
    QCOMPARE(Build(*doc),
             QStringList({Icon(1), Icon(1), "p.png", Icon(0), Icon(2), Icon(1), Icon(3)}));
    QCOMPARE(Files(), QStringList({"Icon1.ico", "Icon2.ico", "Icon3.ico", "Icons.txt"}));
    QCOMPARE(QImageReader(Icon(1), "ICO").read().size(), QSize(32, 32));
    QCOMPARE(QStringList({List("Icons"), List("Icon1"), List("EXE1"), List("Icon2"), List("EXE2"),
                          List("EXE3")}),
             QStringList({"3", Icon(1), Path("prog1"), Icon(2), Path("prog2"), Path("a&amp;b")}));

    // The preview shows the cells' own paths and reads and writes nothing on disk.
    const QByteArray files = TestFiles::Read(Folder + "/Icons.txt") + TestFiles::Read(Icon(1));
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir().mkpath(Path("cwd")) && QDir::setCurrent(Path("cwd")));
    const QStringList sources = Build(*doc, false);
    QDir::setCurrent(cwd);
    QCOMPARE(sources.mid(3, 2), QStringList({Path("missing"), Path("prog2")}));
    QCOMPARE(QDir(Path("cwd")).entryList(QDir::Files), QStringList());
    QCOMPARE(Files(), QStringList({"Icon1.ico", "Icon2.ico", "Icon3.ico", "Icons.txt"}));
    QCOMPARE(TestFiles::Read(Folder + "/Icons.txt") + TestFiles::Read(Icon(1)), files);
}

void TestPageGenIcons::rebuildDeletesOldIconsFirst() {
    const auto doc = Doc({Program("prog1"), Program("prog2"), Program("prog3")});
    Build(*doc);
    doc->Items.Remove(1);
    doc->Items.Remove(1);
    QCOMPARE(Build(*doc), QStringList({Icon(1)}));
    QCOMPARE(Files(), QStringList({"Icon1.ico", "Icons.txt"}));
    QCOMPARE(QStringList({List("EXE1"), List("Icon2")}),
             QStringList({Path("prog3"), ConfigStore::NotFound}));
    // An empty page deletes the icons but leaves the list as it was...
    const QByteArray list = TestFiles::Read(Folder + "/Icons.txt");
    doc->Items.Clear();
    Build(*doc);
    QCOMPARE(Files(), QStringList({"Icons.txt"}));
    QCOMPARE(TestFiles::Read(Folder + "/Icons.txt"), list);
    // ...and a list naming files that are gone no longer stops a build.
    doc->Items.Append(Program("prog2"));
    QCOMPARE(Build(*doc), QStringList({Icon(1)}));
    // Only files directly in the icon folder are deleted, whatever the list names.
    QVERIFY(TestFiles::Write(Path("keep.txt"), "precious") && QDir().mkpath(Icon(3)));
    const QString planted =
        "Icons=3\r\nIcon1=" + Icon(1) + "\r\nIcon2=" + Icon(3) + "\r\nIcon3=" + Path("keep.txt");
    QVERIFY(TestFiles::Write(Folder + "/Icons.txt", planted.toUtf8()));
    doc->Items.ReplaceAll({Item("pic", "x", {}, {}, "a.gif")});
    Build(*doc);
    QVERIFY(!QFile::exists(Icon(1)) && QFileInfo(Icon(3)).isDir());
    QCOMPARE(TestFiles::Read(Path("keep.txt")), QByteArray("precious"));
    QCOMPARE(TestFiles::Read(Folder + "/Icons.txt"), QByteArray("Icons=0\r\n"));
}

void TestPageGenIcons::iconSizes() {
    // 16 to 24 get the small icon, 25 and up the large; below 16 no file is written.
    for (const auto& [size, written] : {std::pair{8, 0}, {16, 16}, {24, 16}, {25, 32}}) {
        const QString n = QString::number(size);
        const QString page = GenHTML(*Doc({Program("prog1")}, "Icon size=" + n), true, Folder);
        QVERIFY(page.contains("src=\"" + Icon(1) + "\" width=\"" + n + "\" height=\"" + n + "\""));
        QCOMPARE(QFile::exists(Icon(1)), written > 0);
        QCOMPARE(QImageReader(Icon(1), "ICO").read().size(), QSize(written, written));
        QCOMPARE(List("Icons"), QString("1"));
    }
}

void TestPageGenIcons::folderThatCannotBeCreated() {
    Build(*Doc({Item("pic", "x", {}, {}, "a.gif")}));
    QVERIFY(!QFileInfo::exists(Folder)); // nothing extracted: no folder made
    try {
        GenHTML(*Doc({Program("prog1")}), true, Path("prog2") + "/Page"); // below a file
        QFAIL("the page was generated");
    } catch (const AppError& e) {
        QCOMPARE(e.Number, ErrNo::PathFileAccess);
        QVERIFY(e.Description.contains(Path("prog2") + "/Page"));
    }
}

void TestPageGenIcons::pageReadsAsWrittenInTheBrowser() {
    const QString tricky = "Say \"hi\" <b>bold</b> & <script>document.title='owned'</script>";
    const auto doc =
        Doc({Item(tricky, "a,b", "-x \"q\"", "/w,d", Path("prog1"), "Maximised Focus"),
             Item("Plain", "plain", {}, {}, {}, {}, "comment, with comma"), Section("S", "1"),
             Item("Web", "https://h.invalid/a?b=1&c=2", {}, {}, {}, "Hyperlink")},
            "Title=Café Tools|Columns=2");
    QVERIFY(TestFiles::Write(Path("Tools.htm"), GenHTML(*doc, true, Folder).toUtf8()));
    QWebEnginePage page;
    QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
    page.load(QUrl::fromLocalFile(Path("Tools.htm")));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, 30000);
    QVERIFY(loaded.first().first().toBool());
    QString json;
    page.runJavaScript(
        "JSON.stringify({title: document.title,"
        " markup: document.querySelectorAll('td b, td script').length,"
        " links: Array.from(document.querySelectorAll('td a'), a => [a.getAttribute('href'),"
        " a.textContent, a.title]),"
        " image: (i => [i.complete, i.naturalWidth, i.naturalHeight])(document.images[0])})",
        [&](const QVariant& Value) { json = Value.toString(); });
    QTRY_VERIFY_WITH_TIMEOUT(!json.isEmpty(), 10000);
    // The title decodes as UTF-8, markup in a description stays text, "&comma;" is kept, and the
    // extracted program icon is a real icon file the engine shows.
    QCOMPARE(
        QJsonDocument::fromJson(json.toUtf8()).object(),
        QJsonObject(
            {{"title", "Café Tools"},
             {"markup", 0},
             {"links",
              QJsonArray({QJsonArray({"qt:a&comma;b,-x \"q\",/w&comma;d,maxfocus", tricky, tricky}),
                          QJsonArray({"qt:plain", "Plain", "comment, with comma"}),
                          QJsonArray({"https://h.invalid/a?b=1&c=2", "Web", "Web"})})},
             {"image", QJsonArray({true, 32, 32})}}));
}

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPageGenIcons test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_pagegen_icons.moc"
