#include "AppError.h"
#include "ConfigStore.h"
#include "LauncherDocument.h"
#include "PageDocs.h"
#include "TestFiles.h"
#include "modGenHTML.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QtTest>

using namespace PageDocs;

namespace {
bool WriteExecutable(const QString& Path) {
    if (!TestFiles::Write(Path, "#!/bin/sh\n"))
        return false;
    return QFile::setPermissions(Path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The src of every image of a page, in page order.
QStringList ImageSources(const QString& Page) {
    QStringList sources;
    static const QRegularExpression src(QStringLiteral("<img border=\"0\" src=\"([^\"]*)\""));
    for (auto it = src.globalMatch(Page); it.hasNext();)
        sources.append(it.next().captured(1));
    return sources;
}

QStringList FilesIn(const QString& Folder) {
    return QDir(Folder).entryList(QDir::Files, QDir::Name);
}

QSize IconFileSize(const QString& Path) {
    QImageReader reader(Path, "ICO");
    return reader.read().size();
}
} // namespace

class TestPageGenIcons : public QObject {
    Q_OBJECT
private slots:
    void init();
    void oneFilePerProgramIgnoringCase();
    void unknownSourceGetsPlaceholder();
    void rebuildDeletesOldIconsFirst();
    void emptyListDeletesButKeepsList();
    void staleAndForeignListEntries();
    void iconSizes_data();
    void iconSizes();
    void iconPathWithAmpersand();
    void listSavedWhenFolderExists();
    void previewTouchesNothing();
    void folderThatCannotBeCreated();

private:
    QString Path(const QString& Name) const { return Dir->filePath(Name); }
    QString Folder() const { return Path("Page"); }
    std::unique_ptr<QTemporaryDir> Dir;
};

void TestPageGenIcons::init() {
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(Dir->isValid());
    for (const char* name : {"prog1", "prog2", "prog3", "a&b"})
        QVERIFY(WriteExecutable(Path(name)));
}

void TestPageGenIcons::oneFilePerProgramIgnoringCase() {
    LauncherDocument doc;
    doc.Items.AppendAll(
        {Item("one", "x", {}, {}, Path("prog1")), Item("ONE", "x", {}, {}, Path("PROG1")),
         Item("pic", "x", {}, {}, Path("p.png")), Item("two", "x", {}, {}, Path("prog2")),
         Item("again", "x", {}, {}, Path("prog1"))});
    const QString page = GenHTML(doc, true, Folder());
    const QString icon1 = Folder() + "/Icon1.ico", icon2 = Folder() + "/Icon2.ico";
    QCOMPARE(ImageSources(page), QStringList({icon1, icon1, Path("p.png"), icon2, icon1}));
    QCOMPARE(FilesIn(Folder()), QStringList({"Icon1.ico", "Icon2.ico", "Icons.txt"}));
    QCOMPARE(IconFileSize(icon1), QSize(32, 32));

    ConfigStore list;
    list.LoadFile(Folder() + "/Icons.txt");
    QCOMPARE(list.GetValue("Icons"), QString("2"));
    QCOMPARE(list.GetValue("Icon1"), icon1);
    QCOMPARE(list.GetValue("EXE1"), Path("prog1"));
    QCOMPARE(list.GetValue("Icon2"), icon2);
    QCOMPARE(list.GetValue("EXE2"), Path("prog2"));
}

void TestPageGenIcons::unknownSourceGetsPlaceholder() {
    LauncherDocument doc;
    doc.Items.AppendAll(
        {Item("gone", "x", {}, {}, Path("missing.exe")), Item("one", "x", {}, {}, Path("prog1"))});
    const QString page = GenHTML(doc, true, Folder());
    QCOMPARE(ImageSources(page), QStringList({Folder() + "/Icon0.ico", Folder() + "/Icon1.ico"}));
    QCOMPARE(FilesIn(Folder()), QStringList({"Icon1.ico", "Icons.txt"}));
}

void TestPageGenIcons::rebuildDeletesOldIconsFirst() {
    LauncherDocument doc;
    doc.Items.AppendAll({Item("1", "x", {}, {}, Path("prog1")),
                         Item("2", "x", {}, {}, Path("prog2")),
                         Item("3", "x", {}, {}, Path("prog3"))});
    GenHTML(doc, true, Folder());
    QCOMPARE(FilesIn(Folder()), QStringList({"Icon1.ico", "Icon2.ico", "Icon3.ico", "Icons.txt"}));

    doc.Items.Remove(1);
    doc.Items.Remove(1);
    const QString page = GenHTML(doc, true, Folder());
    QCOMPARE(ImageSources(page), QStringList({Folder() + "/Icon1.ico"}));
    QCOMPARE(FilesIn(Folder()), QStringList({"Icon1.ico", "Icons.txt"}));
    ConfigStore list;
    list.LoadFile(Folder() + "/Icons.txt");
    QCOMPARE(list.GetValue("EXE1"), Path("prog3"));
    QCOMPARE(list.GetValue("Icon2"), ConfigStore::NotFound);
}

void TestPageGenIcons::emptyListDeletesButKeepsList() {
    LauncherDocument doc;
    doc.Items.Append(Item("1", "x", {}, {}, Path("prog1")));
    GenHTML(doc, true, Folder());
    const QByteArray list = TestFiles::Read(Folder() + "/Icons.txt");
    doc.Items.Clear();
    GenHTML(doc, true, Folder());
    QCOMPARE(FilesIn(Folder()), QStringList({"Icons.txt"}));
    QCOMPARE(TestFiles::Read(Folder() + "/Icons.txt"), list);
    // The list naming files that are gone no longer stops a build.
    doc.Items.Append(Item("2", "x", {}, {}, Path("prog2")));
    GenHTML(doc, true, Folder());
    QCOMPARE(FilesIn(Folder()), QStringList({"Icon1.ico", "Icons.txt"}));
}

void TestPageGenIcons::staleAndForeignListEntries() {
    const QString outside = Path("keep.txt");
    const QString inside = Folder() + "/Icon2.ico";
    QVERIFY(TestFiles::Write(outside, "precious"));
    QVERIFY(TestFiles::Write(inside, "old icon"));
    QVERIFY(QDir().mkpath(Folder() + "/Icon3.ico")); // a folder is not an icon file
    QVERIFY(TestFiles::Write(Folder() + "/Icons.txt",
                             ("Icons=4\r\nIcon1=" + Folder() + "/Icon1.ico\r\nIcon2=" + inside +
                              "\r\nIcon3=" + Folder() + "/Icon3.ico\r\nIcon4=" + outside + "\r\n")
                                 .toUtf8()));
    LauncherDocument doc;
    doc.Items.Append(Item("pic", "x", {}, {}, "a.gif"));
    GenHTML(doc, true, Folder());
    QVERIFY(!QFile::exists(inside));
    QCOMPARE(TestFiles::Read(outside), QByteArray("precious"));
    QCOMPARE(TestFiles::Read(Folder() + "/Icons.txt"), QByteArray("Icons=0\r\n"));
}

void TestPageGenIcons::iconSizes_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QSize>("written"); // empty: no file
    QTest::newRow("8 writes nothing") << "8" << QSize();
    QTest::newRow("16 small") << "16" << QSize(16, 16);
    QTest::newRow("24 small") << "24" << QSize(16, 16);
    QTest::newRow("25 large") << "25" << QSize(32, 32);
    QTest::newRow("64 large") << "64" << QSize(32, 32);
}

void TestPageGenIcons::iconSizes() {
    QFETCH(QString, size);
    QFETCH(QSize, written);
    LauncherDocument doc;
    doc.WriteProp("Icon size", size);
    doc.Items.Append(Item("1", "x", {}, {}, Path("prog1")));
    const QString page = GenHTML(doc, true, Folder());
    QVERIFY(page.contains("src=\"" + Folder() + "/Icon1.ico\" width=\"" + size + "\" height=\"" +
                          size + "\""));
    QCOMPARE(QFile::exists(Folder() + "/Icon1.ico"), written.isValid());
    if (written.isValid())
        QCOMPARE(IconFileSize(Folder() + "/Icon1.ico"), written);
    ConfigStore list;
    list.LoadFile(Folder() + "/Icons.txt");
    QCOMPARE(list.GetValue("Icons"), QString("1"));
}

void TestPageGenIcons::iconPathWithAmpersand() {
    // The file system is asked with the cell's own text; the page gets page text.
    LauncherDocument doc;
    doc.Items.Append(Item("1", "x", {}, {}, Path("a&b")));
    const QString page = GenHTML(doc, true, Folder());
    QCOMPARE(ImageSources(page), QStringList({Folder() + "/Icon1.ico"}));
    QVERIFY(QFile::exists(Folder() + "/Icon1.ico"));
    ConfigStore list;
    list.LoadFile(Folder() + "/Icons.txt");
    QCOMPARE(list.GetValue("EXE1"), Path("a&amp;b"));
}

void TestPageGenIcons::listSavedWhenFolderExists() {
    LauncherDocument doc;
    doc.Items.Append(Item("pic", "x", {}, {}, "a.png"));
    GenHTML(doc, true, Folder());
    QVERIFY(!QFileInfo::exists(Folder())); // nothing extracted: no folder made
    QVERIFY(QDir().mkpath(Folder()));
    GenHTML(doc, true, Folder());
    QCOMPARE(TestFiles::Read(Folder() + "/Icons.txt"), QByteArray("Icons=0\r\n"));
}

void TestPageGenIcons::previewTouchesNothing() {
    LauncherDocument doc;
    doc.Items.AppendAll(
        {Item("1", "x", {}, {}, Path("prog1")), Item("2", "x", {}, {}, Path("missing.exe"))});
    GenHTML(doc, true, Folder());
    const QByteArray list = TestFiles::Read(Folder() + "/Icons.txt");
    const QByteArray icon = TestFiles::Read(Folder() + "/Icon1.ico");

    const QString cwd = QDir::currentPath();
    QVERIFY(QDir().mkpath(Path("cwd")));
    QDir::setCurrent(Path("cwd"));
    const QString page = GenHTML(doc, false, QString());
    QDir::setCurrent(cwd);
    QCOMPARE(ImageSources(page), QStringList({Path("prog1"), Path("missing.exe")}));
    QCOMPARE(FilesIn(Path("cwd")), QStringList());
    QCOMPARE(FilesIn(Folder()), QStringList({"Icon1.ico", "Icons.txt"}));
    QCOMPARE(TestFiles::Read(Folder() + "/Icons.txt"), list);
    QCOMPARE(TestFiles::Read(Folder() + "/Icon1.ico"), icon);
}

void TestPageGenIcons::folderThatCannotBeCreated() {
    LauncherDocument doc;
    doc.Items.Append(Item("1", "x", {}, {}, Path("prog1")));
    try {
        GenHTML(doc, true, Path("prog2") + "/Page"); // below a file
        QFAIL("the page was generated");
    } catch (const AppError& e) {
        QCOMPARE(e.Number, ErrNo::PathFileAccess);
        QVERIFY(e.Description.contains(Path("prog2") + "/Page"));
    }
}

QTEST_MAIN(TestPageGenIcons)
#include "test_pagegen_icons.moc"
