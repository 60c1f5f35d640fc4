// The find bar in the real engine, typed into as a user does: what a query finds on a page
// of everyday programs (typos, initials, letters in order, accents, several words) and
// which item it highlights first; that Enter starts exactly that item; and that the items
// the user starts most come first among equally good matches, also in the next run, until
// quintor2 --forget.
#include "e2e/RunnerHarness.h"
#include "support/Command.h"

#include <sys/stat.h>

using namespace RunnerHarness;

namespace {
QVector<Item> Programs() {
    const QString section = "SECTION:%1;Columns:4;Icon size:32;Icons above:True;Table border:False";
    return {
        {section.arg("Internet")},
        {"Firefox Web Browser",
         "/usr/bin/firefox",
         {},
         {},
         "Normal Window",
         "Browse the World Wide Web"},
        {"Thunderbird Mail",
         "/usr/bin/thunderbird",
         {},
         {},
         "Normal Window",
         "Read and write e-mail"},
        {section.arg("Development")},
        {"GNU Emacs", "/usr/bin/emacs", {}, {}, "Normal Window", "Edit code and text"},
        {"Visual Studio Code",
         "/usr/share/code/code",
         {},
         {},
         "Normal Window",
         "Code editing. Redefined."},
        {"Vim", "/usr/bin/vim", {}, {}, "Normal Window", "Edit text files"},
        {"Terminal", "/usr/bin/gnome-terminal", {}, {}, "Normal Window", "Use the command line"},
        {section.arg("Office")},
        {"LibreOffice Writer",
         "/usr/bin/lowriter",
         {},
         {},
         "Normal Window",
         "Create and edit text documents"},
        {"LibreOffice Calc", "/usr/bin/localc", {}, {}, "Normal Window", "Spreadsheets"},
        {"Document Viewer", "/usr/bin/evince", {}, {}, "Normal Window", "View PDF documents"},
        {"Émile's Notes", "/usr/bin/gedit", {}, {}, "Normal Window", "Carnet de notes"},
        {section.arg("System")},
        {"System Monitor",
         "/usr/bin/gnome-system-monitor",
         {},
         {},
         "Normal Window",
         "View current processes"},
        {"Files", "/usr/bin/nautilus", {}, {}, "Normal Window", "Access and organise files"},
        {"Disk Usage Analyzer", "/usr/bin/baobab", {}, {}, "Normal Window", "Check folder sizes"},
    };
}
} // namespace

class TestRunnerFind : public QObject, Harness {
    Q_OBJECT
    // Clicked, so that the page has the keyboard.
    bool Shows(const QString& Page) {
        if (!Opens(Page))
            return false;
        ClickOn("document.querySelector('h1')");
        return true;
    }
    // The next launch of this runner started argrecorder with Argument alone.
    bool Launched(const QString& Argument) {
        if (!RecorderRan(++LaunchCount))
            return false;
        const bool right = Recorded().mid(1) == QStringList{Argument};
        QFile::remove(ArgsFile);
        return right;
    }
    qsizetype LaunchCount = 0;

private slots:
    void initTestCase() {
        Start();
        QVERIFY(Shows(Build("Programs.htm", Programs())));
    }

    void findsWhatTheUserMeans_data() {
        // Shown: the items left, in page order; First: the one highlighted.
        Texts({"Query", "Shown", "First"});
        Row("a letter dropped", "termnal", "Terminal", "Terminal");
        Row("two letters swapped", "terminla", "Terminal", "Terminal");
        Row("a letter added", "termiinal", "Terminal", "Terminal");
        Row("a letter changed", "terninal", "Terminal", "Terminal");
        Row("a letter changed, another spelling", "analyser", "Disk Usage Analyzer",
            "Disk Usage Analyzer");
        Row("a short word is not forgiven a typo", "vum", "", "");
        Row("a typo in four letters is", "vimm", "Vim", "Vim");
        Row("initials", "vsc", "Visual Studio Code", "Visual Studio Code");
        Row("initials of some words of a comment", "www", "Firefox Web Browser",
            "Firefox Web Browser");
        Row("letters in order in one word", "fles", "Vim|Files", "Files");
        Row("inside a word", "fox", "Firefox Web Browser", "Firefox Web Browser");
        Row("accents do not count", "EMILE", "Émile's Notes", "Émile's Notes");
        Row("nor in what is typed", "émile", "Émile's Notes", "Émile's Notes");
        Row("the description before the comment", "docu", "LibreOffice Writer|Document Viewer",
            "Document Viewer");
        Row("equal before starting with", "code", "GNU Emacs|Visual Studio Code",
            "Visual Studio Code");
        Row("the comment before the command", "files", "Vim|Files", "Files");
        Row("the command counts", "gnome", "Terminal|System Monitor", "Terminal");
        Row("equally good: the first on the page", "edit text", "GNU Emacs|Vim|LibreOffice Writer",
            "GNU Emacs");
        Row("several words", "pdf view", "Document Viewer", "Document Viewer");
        Row("several starts of words", "sys mon", "System Monitor", "System Monitor");
        Row("a word that matches nothing", "fire xyzzy", "", "");
    }
    void findsWhatTheUserMeans() {
        Key(Qt::Key_Escape); // whatever the row before left
        QTRY_COMPARE(Visible().size(), 13);
        Type(Fetch("Query"));
        const QString shown = Fetch("Shown");
        QTRY_COMPARE(Visible(), shown.isEmpty() ? QStringList() : shown.split('|'));
        QCOMPARE(Highlighted(), Fetch("First"));
    }

    // Enter starts the item highlighted, which need not be the first on the page; the arrows
    // go from there in page order; and what the user starts counts from then on.
    void enterStartsTheBestAndLearns() {
        const QVector<Item> items = {
            {"Files", Recorder, "files"},
            {"Firefox", Recorder, "firefox", {}, "Normal Window", "Browse the web and local files"},
            {"Xterm", Recorder, "xterm", {}, "Normal Window", "Terminal"},
            {"Terminal", Recorder, "terminal"}};
        const QString page = Build("Learn.htm", items);
        Key(Qt::Key_Escape);
        QVERIFY(Shows(page));
        Type("terminal");
        QTRY_COMPARE(Highlighted(), QStringLiteral("Terminal"));
        Key(Qt::Key_Return);
        QVERIFY(Launched("terminal"));
        Key(Qt::Key_Left);
        QTRY_COMPARE(Highlighted(), QStringLiteral("Xterm"));
        Key(Qt::Key_Return);
        QVERIFY(Launched("xterm"));
        Key(Qt::Key_Escape);

        // Equally good matches: the first on the page, until the other one is used.
        Type("fi");
        QTRY_COMPARE(Highlighted(), QStringLiteral("Files"));
        Key(Qt::Key_Escape);
        // The bar's band gone, the page has moved up: only then is the item where it shows.
        QTRY_COMPARE(Eval("document.querySelector('quintor-find').getBoundingClientRect().height")
                         .toInt(),
                     0);
        ClickOn(ItemLink("Browse the web and local files"));
        QVERIFY(Launched("firefox"));
        ClickOn("document.querySelector('h1')");
        Type("fi");
        QTRY_COMPARE(Highlighted(), QStringLiteral("Firefox"));
        Key(Qt::Key_Return);
        QVERIFY(Launched("firefox"));
        Key(Qt::Key_Escape);
        // Use never beats a better match, and an empty bar changes nothing.
        Type("files");
        QTRY_COMPARE(Highlighted(), QStringLiteral("Files"));
        Key(Qt::Key_Escape);
        Key(Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(Highlighted(), QStringLiteral("Files"));
        Key(Qt::Key_Escape);

        // The user's own file, and the next run knows it.
        struct stat info;
        const QByteArray history =
            QFile::encodeName(qEnvironmentVariable("XDG_STATE_HOME") + "/quintor/history");
        QCOMPARE(::lstat(history.constData(), &info), 0);
        QCOMPARE(info.st_mode, mode_t(S_IFREG | 0600));
        Start();
        QVERIFY(Shows(page));
        Type("fi");
        QTRY_COMPARE(Highlighted(), QStringLiteral("Firefox"));

        // Forgotten, by a command that needs no display, and the page is as new.
        const Command::Result forget = Command::Run(TestFiles::BinDir() + "/quintor2", {"--forget"},
                                                    Command::WithoutDisplay());
        QCOMPARE(forget.Code, 0);
        QVERIFY(!QFileInfo::exists(QFile::decodeName(history)));
        Start();
        QVERIFY(Shows(page));
        Type("fi");
        QTRY_COMPARE(Highlighted(), QStringLiteral("Files"));
    }

    // The bar waits in every launcher page while it is closed. A page's own style sheet may
    // spread its element over the whole view, and its labels may name any field: Tab never
    // reaches the bar, a click on it starts nothing and opens nothing, and once the user
    // types, Enter starts the highlighted item and nothing else, and with nothing found it
    // does nothing.
    void aPageCannotReachTheWaitingBar() {
        const QString header =
            "<style>quintor-find { all: unset !important; display: block !important;"
            " position: fixed !important; inset: 0 !important; height: 100vh !important; }"
            "</style><label for=\"q\">Search</label><label>Name <input id=\"q\"></label>";
        Key(Qt::Key_Escape);
        QVERIFY(Shows(Build("Grabs.htm", {{"Apple", Recorder, "apple"}, {"Pear", Recorder, "pear"}},
                            {}, header)));
        const QString onBar = "document.activeElement.localName === 'quintor-find'";
        for (int tab = 0; tab < 8; ++tab) {
            Key(Qt::Key_Tab);
            QVERIFY(!Eval(onBar).toBool());
        }
        ClickOn("document.querySelector('h1')");
        ClickOn("document.querySelector('label')");
        QVERIFY(!Eval(onBar).toBool());
        QCOMPARE(Eval("window.quintorFinder.text()"), QVariant());
        Key(Qt::Key_Return);
        QTest::qWait(500);
        QCOMPARE(R->Port.Calls, QStringList());
        // With nothing found, Enter submits nothing: the page stays as it is, the bar open.
        ClickOn("document.querySelector('h1')");
        Type("xyzzy");
        QTRY_COMPARE(Eval("window.quintorFinder.text()"), QVariant("xyzzy"));
        Key(Qt::Key_Return);
        QTest::qWait(500);
        QCOMPARE(Eval("window.quintorFinder.text() + location.search"), QVariant("xyzzy"));
        QCOMPARE(R->Port.Calls, QStringList());
        Key(Qt::Key_Escape);
        ClickOn("document.querySelector('h1')");
        Type("pear");
        QTRY_COMPARE(Highlighted(), QStringLiteral("Pear"));
        Key(Qt::Key_Return);
        QVERIFY(Launched("pear"));
        QCOMPARE(R->Port.Calls.size(), 1);
    }

    // A query taken over before the last one had shown or hidden every item (which it does
    // a slice at a time) still shows what it finds, also in a section the last one hid.
    void aQueryTakenOverMidwayShowsItsMatches() {
        QVector<Item> items = {{"SECTION:Fruit;Columns:4;Icon size:32;Icons above:True;"
                                "Table border:False"}};
        for (int n = 1; n <= 1200; ++n)
            items.append(Item{QString("Apple %1").arg(n), "/usr/bin/true"});
        items.append(Item{"Kiwi", "/usr/bin/true"});
        items.append(Item{"SECTION:Animals;Columns:4;Icon size:32;Icons above:True;"
                          "Table border:False"});
        items.append(Item{"Zebra", "/usr/bin/true"});
        Key(Qt::Key_Escape);
        QVERIFY(Shows(Build("Midway.htm", items)));
        Eval("window.quintorFinder.find('zebra') && window.quintorFinder.find('kiwi')");
        QTRY_COMPARE(Visible(), QStringList{"Kiwi"});
        QCOMPARE(Eval("Array.from(document.querySelectorAll('h2'))"
                      ".filter(h => h.getClientRects().length).map(h => h.textContent)")
                     .toStringList(),
                 QStringList{"Fruit"});
    }
};

int main(int argc, char* argv[]) {
    return RunnerHarness::Run<TestRunnerFind>(argc, argv);
}
#include "test_runner_find.moc"
