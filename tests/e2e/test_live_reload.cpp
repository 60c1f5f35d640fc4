// The runner shows its page as built: a rewrite of the page file, by a rename as a safe
// save does or in place, shows again by itself where the page was scrolled to, with the
// find bar's text; a page that vanishes stays shown; nothing but the current launcher page
// is ever reloaded; items that cannot start are marked after each load.
#include "e2e/RunnerHarness.h"
#include "ui/ItemMarks.h"
#include "ui/LiveReload.h"

#include <QLabel>
#include <QSaveFile>

using namespace RunnerHarness;

namespace {
QVector<Item> ManyItems(int Count) {
    QVector<Item> items;
    for (int n = 1; n <= Count; ++n)
        items.append(Item{"Item " + QString::number(n), "sh"});
    return items;
}
const QString ScrollY = "window.scrollY";
const QString Shown =
    "Array.from(document.querySelectorAll('td > a')).filter(a => a.getClientRects().length).length";
} // namespace

class TestLiveReload : public QObject, Harness {
    Q_OBJECT
    QString PageFile;

    QString Caption() const { return R->W.windowTitle(); }
    LiveReload* Reloader() const { return R->W.findChild<LiveReload*>(); }
    QLabel* GoneNote() const { return R->W.findChild<QLabel*>("lblPageGone"); }
    // The page again, with another title; written in place or replaced by a rename.
    bool Rewrite(const QString& Title, bool InPlace, int Items = 400) {
        LauncherDocument doc;
        doc.WriteProp("Title", Title);
        doc.WriteProp("Columns", "4");
        for (const Item& i : ManyItems(Items))
            doc.Items.Append(LauncherItem{{i.Description, i.Command, {}, {}, {}, i.Run, {}}});
        const QByteArray html = GenHTML(doc, false, {}).toUtf8();
        if (InPlace) {
            QFile file(PageFile);
            return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   file.write(html) == html.size();
        }
        QSaveFile file(PageFile);
        return file.open(QIODevice::WriteOnly) && file.write(html) == html.size() && file.commit();
    }
    bool OpensPage(const QString& Title = "First") {
        PageFile = Dir.filePath("Live.htm");
        return Rewrite(Title, true) && Opens(PageFile);
    }

private slots:
    void init() { Start(); }
    void cleanup() { R.reset(); }

    void rewriteShowsTheNewPage_data() {
        Columns<bool, bool>({"InPlace", "FindBar"});
        Row("replaced by a rename", false, false);
        Row("written in place", true, false);
        Row("with the find bar open", false, true);
    }
    void rewriteShowsTheNewPage() {
        QVERIFY(OpensPage());
        QCOMPARE(Caption(), QString("First - Quintor"));
        int filtered = 0; // items the find bar leaves shown
        if (Fetch<bool>("FindBar")) {
            ClickOn("document.querySelector('h1') || document.body");
            QTest::keyClicks(View()->focusProxy(), "item 3");
            QTRY_COMPARE(Eval("window.quintorFinder.text()").toString(), QString("item 3"));
            // The bar filters a slice at a time: what it shows once it is done.
            QTRY_VERIFY(Eval(Shown).toInt() < 400);
            QTest::qWait(300);
            filtered = Eval(Shown).toInt();
            QVERIFY(filtered > 0 && filtered < 400);
        }
        // Scrolled once the page has its final shape, as a user's hand scrolls it.
        Eval("window.quintorFinder.ready()");
        Eval("window.scrollTo(0, 700)");
        QTRY_VERIFY(Eval(ScrollY).toInt() > 0);
        const int scrolled = Eval(ScrollY).toInt();
        QSignalSpy loaded(View()->page(), &QWebEnginePage::loadFinished);
        QVERIFY(Rewrite("Second", Fetch<bool>("InPlace")));
        QTRY_COMPARE_WITH_TIMEOUT(Caption(), QString("Second - Quintor"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(loaded.size() >= 1, 5000);
        if (Fetch<bool>("FindBar")) {
            QTRY_COMPARE(Eval("window.quintorFinder.text()").toString(), QString("item 3"));
            QTRY_COMPARE(Eval(Shown).toInt(), filtered);
        }
        QTRY_COMPARE_WITH_TIMEOUT(Eval(ScrollY).toInt(), scrolled, 3000);
        // And the page goes on being watched.
        QVERIFY(Rewrite("Third", !Fetch<bool>("InPlace")));
        QTRY_COMPARE_WITH_TIMEOUT(Caption(), QString("Third - Quintor"), 5000);
    }

    // A save is many writes; a page rewritten without pause is shown again now and then,
    // ending with what was written last.
    void burstOfWritesGivesFewReloads() {
        QVERIFY(OpensPage());
        QSignalSpy reloads(Reloader(), &LiveReload::Reloading);
        for (int i = 1; i <= 50; ++i)
            QVERIFY(Rewrite("Burst " + QString::number(i), true, 40));
        QTRY_COMPARE_WITH_TIMEOUT(Caption(), QString("Burst 50 - Quintor"), 5000);
        QTest::qWait(600);
        QVERIFY2(reloads.size() >= 1 && reloads.size() <= 3,
                 qPrintable(QString::number(reloads.size())));
    }

    // What is shown stays when the file goes, and the status bar says so until it is back.
    void vanishedPageStaysShown() {
        QVERIFY(OpensPage());
        QVERIFY(GoneNote()->isHidden());
        QVERIFY(QFile::remove(PageFile));
        QTRY_VERIFY_WITH_TIMEOUT(GoneNote()->isVisible(), 5000);
        QCOMPARE(GoneNote()->text(), LiveReload::GoneNote());
        QCOMPARE(Caption(), QString("First - Quintor"));
        QCOMPARE(Eval("document.querySelectorAll('td > a').length").toInt(), 400);
        QVERIFY(Rewrite("Back", false));
        QTRY_COMPARE_WITH_TIMEOUT(Caption(), QString("Back - Quintor"), 5000);
        QVERIFY(GoneNote()->isHidden());
    }

    // Only the current launcher page: not one it led away from, nor one in a frame.
    void onlyTheCurrentPageReloads_data() {
        Columns<bool>({"InFrame"});
        Row("page left for another", false);
        Row("page in a frame", true);
    }
    void onlyTheCurrentPageReloads() {
        const bool inFrame = Fetch<bool>("InFrame");
        QVERIFY(OpensPage("Left"));
        const QString other = Build("Other.htm", {{"Thing", "sh"}}, {},
                                    inFrame ? "<iframe src=\"Live.htm\"></iframe>" : "");
        R->Dialogs.FileAnswers = {other};
        QVERIFY(Loads([&] { R->W.OpenDialog(); }));
        QCOMPARE(Caption(), QString("Other - Quintor"));
        QSignalSpy started(View()->page(), &QWebEnginePage::loadStarted);
        QSignalSpy reloads(Reloader(), &LiveReload::Reloading);
        QVERIFY(Rewrite("Changed", true));
        QTest::qWait(1000);
        QCOMPARE(started.size(), 0);
        QCOMPARE(reloads.size(), 0);
        QCOMPARE(Caption(), QString("Other - Quintor"));
        // The current page is watched instead.
        QVERIFY(
            TestFiles::Write(other, TestFiles::Read(other).replace("<title>Other", "<title>New")));
        QTRY_COMPARE_WITH_TIMEOUT(Caption(), QString("New - Quintor"), 5000);
    }

    // The welcome page has no file to watch, and F5 there changes nothing.
    void welcomePageIsNotWatched() {
        QVERIFY(Opens(Dir.filePath("missing.htm")));
        QSignalSpy reloads(Reloader(), &LiveReload::Reloading);
        QVERIFY(TestFiles::Write(Dir.filePath("missing.htm"), "<title>Now</title>"));
        QTest::qWait(800);
        QCOMPARE(reloads.size(), 0);
        QCOMPARE(Caption(), QString("Welcome! - Quintor"));
    }

    // Dimmed, with what is missing after the item's own comment; a good item and a web
    // address are left alone, and a marked item still reports its launch error.
    void brokenItemsMarked() {
        QVERIFY(QDir().mkpath(Dir.filePath("there")));
        const QString page =
            Build("Marks.htm",
                  {{"Good", Recorder, {}, Dir.filePath("there")},
                   {"No program", Dir.filePath("nothing"), {}, {}, "Normal Window", "my comment"},
                   {"No folder", "sh", {}, Dir.filePath("gone")},
                   {"Web", "https://example.invalid/", {}, Dir.filePath("gone"), "Hyperlink"}});
        auto* marks = R->W.findChild<ItemMarks*>();
        QSignalSpy marked(marks, &ItemMarks::Marked);
        QVERIFY(Opens(page));
        QTRY_COMPARE_WITH_TIMEOUT(marked.size(), 1, 10000);
        QCOMPARE(marked.at(0).at(0).toInt(), 2);
        const QString state =
            "Array.from(document.querySelectorAll('td > a')).map(a => "
            "a.textContent.trim() + '|' + getComputedStyle(a).opacity + '|' + a.title)";
        QCOMPARE(Eval(state).toStringList(),
                 QStringList({"Good|1|Good",
                              "No program|0.45|my comment\nThe command was not found: " +
                                  Dir.filePath("nothing"),
                              "No folder|0.45|No folder\nThe start-in folder does not exist: " +
                                  Dir.filePath("gone"),
                              "Web|1|Web"}));
        R->Port.PassOn = false;
        R->Port.Result = {Launcher::FileNotFound, {}};
        ClickOn("document.querySelectorAll('td > a')[1]");
        QTRY_COMPARE_WITH_TIMEOUT(R->Dialogs.Messages.size(), 1, 5000);
        QCOMPARE(R->Dialogs.Messages[0].Title, QString("Launch Error"));
    }
};

int main(int argc, char* argv[]) {
    return RunnerHarness::Run<TestLiveReload>(argc, argv);
}
#include "test_live_reload.moc"
