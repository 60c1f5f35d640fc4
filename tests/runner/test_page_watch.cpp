// The watch on the runner's page file, without the engine: which changes make the page
// show again, which do not, and a page that goes away and comes back.
#include "core/PageWatch.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QSaveFile>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace DataRows;

class TestPageWatch : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> Folder;
    QDir Dir;
    QString Page;

    // Long enough for a watch to have settled on whatever it was going to report.
    static constexpr int SettleMs = 700;

    bool Replace(const QString& Path, const QByteArray& Bytes) {
        QSaveFile file(Path);
        return file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size() &&
               file.commit();
    }
    // What a change does to the page's folder. Each returns whether it could be made.
    bool Change(const QString& How) {
        if (How == "rename over")
            return Replace(Page, "<title>new</title>");
        if (How == "write in place")
            return TestFiles::Write(Page, "<title>changed in place</title>");
        if (How == "new icon")
            return TestFiles::Write(Dir.filePath("Page/Icon2.ico"), "icon");
        if (How == "icon removed")
            return QFile::remove(Dir.filePath("Page/Icon1.ico"));
        if (How == "other file beside")
            return TestFiles::Write(Dir.filePath("Other.htm"), "<title>other</title>");
        if (How == "launcher file saved")
            return Replace(Dir.filePath("Page.qtf"), "QTFP");
        if (How == "same bytes touched")
            return QFile(Page).open(QIODevice::ReadOnly);
        return false;
    }

private slots:
    void init() {
        Folder = std::make_unique<QTemporaryDir>();
        Dir = QDir(Folder->path());
        Page = Dir.filePath("Page.htm");
        QVERIFY(TestFiles::Write(Page, "<title>old</title>"));
        QVERIFY(QDir().mkpath(Dir.filePath("Page")));
        QVERIFY(TestFiles::Write(Dir.filePath("Page/Icon1.ico"), "icon"));
    }

    void changesToThePage_data() {
        Columns<QString, bool>({"How", "Shown"});
        Row("replaced by a rename", QString("rename over"), true);
        Row("written in place", QString("write in place"), true);
        Row("an icon added", QString("new icon"), true);
        Row("an icon removed", QString("icon removed"), true);
        Row("another page beside it", QString("other file beside"), false);
        Row("the launcher file saved beside it", QString("launcher file saved"), false);
        Row("only read", QString("same bytes touched"), false);
    }
    void changesToThePage() {
        PageWatch watch;
        watch.Watch(Page);
        QSignalSpy changed(&watch, &PageWatch::Changed);
        QVERIFY(Change(Fetch("How")));
        QTest::qWait(SettleMs);
        QCOMPARE(changed.size(), Fetch<bool>("Shown") ? 1 : 0);
        QVERIFY(!watch.Gone());
        // It goes on watching after a change, whatever replaced the file.
        QVERIFY(Replace(Page, "<title>again</title>"));
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), Fetch<bool>("Shown") ? 2 : 1, 3000);
    }

    // Many writes in a row are one change to show, not one each.
    void burstIsOneChange() {
        PageWatch watch;
        watch.Watch(Page);
        QSignalSpy changed(&watch, &PageWatch::Changed);
        for (int i = 0; i < 50; ++i)
            QVERIFY(TestFiles::Write(Page, "<title>" + QByteArray::number(i) + "</title>"));
        QTest::qWait(SettleMs);
        QVERIFY2(changed.size() >= 1 && changed.size() <= 2,
                 qPrintable(QString::number(changed.size())));
    }

    // Gone: reported once, nothing to show; back (even with its folder made anew): shown.
    void pageGoesAndComesBack_data() {
        Columns<bool>({"FolderToo"});
        Row("the file removed", false);
        Row("its folder removed", true);
    }
    void pageGoesAndComesBack() {
        const QString folder = Dir.filePath("sub");
        QVERIFY(QDir().mkpath(folder));
        Page = folder + "/Page.htm";
        QVERIFY(TestFiles::Write(Page, "<title>old</title>"));
        PageWatch watch;
        watch.Watch(Page);
        QSignalSpy changed(&watch, &PageWatch::Changed);
        QSignalSpy gone(&watch, &PageWatch::GoneChanged);
        QVERIFY(Fetch<bool>("FolderToo") ? QDir(folder).removeRecursively() : QFile::remove(Page));
        QTRY_COMPARE_WITH_TIMEOUT(gone.size(), 1, 3000);
        QCOMPARE(gone.at(0).at(0).toBool(), true);
        QVERIFY(watch.Gone());
        QTest::qWait(SettleMs);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(gone.size(), 1);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(Replace(Page, "<title>back</title>"));
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 4000);
        QCOMPARE(gone.size(), 2);
        QCOMPARE(gone.at(1).at(0).toBool(), false);
        QVERIFY(!watch.Gone());
    }

    // Watching another page (or none) forgets the one before.
    void watchMovesOn() {
        const QString other = Dir.filePath("Other.htm");
        QVERIFY(TestFiles::Write(other, "<title>other</title>"));
        PageWatch watch;
        watch.Watch(Page);
        watch.Watch(other);
        QSignalSpy changed(&watch, &PageWatch::Changed);
        QVERIFY(Replace(Page, "<title>new</title>"));
        QTest::qWait(SettleMs);
        QCOMPARE(changed.size(), 0);
        QVERIFY(Replace(other, "<title>new</title>"));
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 3000);
        watch.Watch(QString());
        QVERIFY(Replace(other, "<title>newer</title>"));
        QTest::qWait(SettleMs);
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPageWatch)
#include "test_page_watch.moc"
