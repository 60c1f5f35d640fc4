// Items made from applications, files, folders and addresses, and the check of broken items.
#include "components/platform/Launcher.h"
#include "document/ItemRows.h"
#include "items/AppItems.h"
#include "items/ItemCheck.h"
#include "items/ItemChecker.h"
#include "support/DataRows.h"
#include "support/DesktopFixture.h"

#include <QSignalSpy>
#include <QtTest>

using namespace DataRows;
using namespace DesktopFixture;

namespace {
QTemporaryDir Root;
const QString Renamed = "refused: it holds the text \"%20\", which the launcher page would turn "
                        "into another character";

// The cells of a row that matter here: description|command|parameters|start in|icon|comments.
QString Cells(const AppItems::Result& Item) {
    if (!Item.Made())
        return "refused: " + Item.Refusal;
    const LauncherItem& r = Item.Row;
    if (r[cellRun] != "Normal Window")
        return "run: " + r[cellRun];
    return QStringList{r[cellDescription], r[cellCommand], r[cellParameters],
                       r[cellStartIn],     r[cellIcon],    r[cellComments]}
        .join('|');
}
} // namespace

class TestAppItems : public QObject {
    Q_OBJECT
    const QString Sys = System(Root.path());
    QString Real(QString Text) const { return Text.replace('~', Root.path()); }

public:
    static void initMain() { Use(Root.path()); }

private slots:
    void initTestCase() {
        for (const char* program : {"qtv-tool", "qtv-view"})
            QVERIFY(TestFiles::Executable(Real("~/bin/") + program));
        qputenv("PATH", Real("~/bin:").toUtf8() + qgetenv("PATH"));
    }

    // Whatever the words, the runner's split gives them back; a double quote cannot travel.
    void quoting_data() {
        Columns<QStringList, QString>({"Words", "Parameters"}); // "-": refused
        Row("plain", QStringList{"-a", "b=c"}, "-a b=c");
        Row("blank and tab", QStringList{"two words", "a\tb"}, "\"two words\" \"a\tb\"");
        Row("empty word", QStringList{"", "x", ""}, "\"\" x \"\"");
        Row("backslash, comma, percent", QStringList{"C:\\x", "a,b", "100%"}, "C:\\x a,b 100%");
        Row("none", QStringList{}, "");
        Row("double quote", QStringList{"say \"hi\""}, "-");
    }
    void quoting() {
        QFETCH(QStringList, Words);
        const std::optional<QString> parameters = AppItems::QuoteArguments(Words);
        QTEST(parameters.value_or("-"), "Parameters");
        if (parameters)
            QCOMPARE(Launcher::SplitArguments(*parameters), Words);
    }

    void fromApplication_data() {
        // Words "|"-separated ("-": Exec unreadable); a refused one keeps its name.
        Columns<QString, bool, QString>({"Words", "Terminal", "Expected"});
        // clang-format off
        Row("program and words", "/usr/bin/app|--new|two words", false, "App|/usr/bin/app|--new \"two words\"|/w|/i.png|Tip");
        Row("bare name", "app", false, "App|app||/w|/i.png|Tip");
        Row("terminal", "top|-d|1", true, "App|xterm|-e top -d 1|/w|/i.png|Tip");
        Row("unreadable Exec", "-", false, "refused: its command line cannot be read");
        Row("no program", "", false, "refused: its command line names no program");
        Row("double quote", "app|a\"b", false, "refused: an argument holds a double quote, which a launcher page cannot pass on");
        Row("escape the page would decode", "app|a%20b", false, Renamed);
        Row("line break", "app|a\nb", false, "refused: it holds a line break or another control character, which a launcher page cannot pass on");
        // clang-format on
    }
    void fromApplication() {
        const QString words = Fetch("Words");
        AppItems::Application app{"App",   "Tip", "/w", std::nullopt, Fetch<bool>("Terminal"),
                                  "/i.png"};
        if (words != "-")
            app.Arguments = words.isEmpty() ? QStringList{} : words.split('|');
        const AppItems::Result item = AppItems::FromApplication(app, {"xterm", "-e"});
        QTEST(Cells(item), "Expected");
        QCOMPARE(item.Row[cellDescription], "App");
    }

    // What a drop makes of each thing; "~" is the test's root.
    void fromDrop_data() {
        QVERIFY(Picture(Real("~/files/report.final.png"), 8));
        QVERIFY(QDir().mkpath(Real("~/My Folder")));
        QVERIFY(Theme(Sys, "hicolor", "Directories=48\n[48]\nSize=48"));
        QVERIFY(Picture(Sys + "/icons/hicolor/48/qtv-app.png", 48));
        QVERIFY(Entry(Sys, "viewer",
                      "Name=Viewer\nComment=Looks\nExec=qtv-view --open %F\n"
                      "Icon=qtv-app\nPath=/srv"));
        QVERIFY(Entry(Sys, "secret", "Name=Secret\nExec=x\nHidden=true"));
        Texts({"Url", "Title", "Expected"});
        const QString entries = "file://~/system/applications/";
        // clang-format off
        Row("file, last extension off", "file://~/files/report.final.png", "", "report.final|~/files/report.final.png|||~/files/report.final.png|");
        Row("folder with a blank", "file://~/My%20Folder", "", "My Folder|~/My Folder|||~/My Folder|");
        Row("page with its title", "https://example.com/a?b=1", "  The\nPage ", "The Page|https://example.com/a?b=1||||");
        Row("page without title", "https://example.com/a%20b", "", "example.com|https://example.com/a b||||"); // as people write it
        Row("desktop entry", entries + "viewer.desktop", "", "Viewer|qtv-view|--open|/srv|~/system/icons/hicolor/48/qtv-app.png|Looks");
        Row("hidden entry", entries + "secret.desktop", "", "refused: it is not an application entry that can be started");
        Row("file the page would rename", "file://~/a%2520b.txt", "", Renamed);
        Row("title makes a section", "https://example.com/", "SECTION:x", "refused: its name begins with 'SECTION:', which marks a section");
        // clang-format on
    }
    void fromDrop() {
        QCOMPARE(Cells(AppItems::FromDrop(QUrl(Real(Fetch("Url"))), Fetch("Title"), 48)),
                 Real(Fetch("Expected")));
    }

    // Command|start in|icon of one item, and what the check finds missing.
    void check_data() {
        QVERIFY(Picture(Real("~/icon.png"), 8));
        Texts({"Cells", "Expected"});
        // clang-format off
        Row("all there", "~/bin/qtv-tool|~|~/icon.png", "");
        Row("program on the path, folder as command", "qtv-tool||", "");
        Row("folder command, program icon", "~||qtv-tool", "");
        Row("addresses", "https://x.org/|~|http://x.org/i.png", "");
        Row("relative paths unknown", "sub/prog|sub|sub/i.png", "");
        Row("missing program", "qtv-none||", "The command was not found: qtv-none");
        Row("missing file address", "file:///no/such.htm||", "The command was not found: file:///no/such.htm");
        Row("empty command", "||", "The command was not found: ");
        Row("all three", "/no/p|/no/dir|/no/i.png", "The command was not found: /no/p\nThe start-in folder does not exist: /no/dir\nThe icon file does not exist: /no/i.png");
        Row("a file is no start-in folder", "~|~/icon.png|", "The start-in folder does not exist: ~/icon.png");
        // clang-format on
    }
    void check() {
        const QStringList cells = Real(Fetch("Cells")).split('|');
        LauncherItem row;
        row.Cells = {"x", cells[0], {}, cells[1], cells[2], {}, {}};
        ItemCheck::Lookup lookup;
        QCOMPARE(ItemCheck::Describe(lookup.Check(row), row).join('\n'), Real(Fetch("Expected")));
        row[cellDescription] = "SECTION:x";
        QCOMPARE(lookup.Check(row), ItemCheck::NoProblem);
    }

    // Marks follow the rows: after a load, after an edit, and for a row that moved.
    void checkerFollowsTheRows() {
        ItemRows items;
        ItemChecker checker(items);
        QSignalSpy checked(&checker, &ItemChecker::Checked);
        QVector<LauncherItem> rows(3);
        for (int i = 0; i < 3; ++i)
            rows[i].Cells = {"x", QStringList{"sh", "ls", "qtv-gone"}[i], {}, {}, {}, {}, {}};
        items.ReplaceAll(rows);
        QVERIFY(checker.Pending());
        QVERIFY(checked.wait(5000));
        const auto marks = [&] {
            QString m;
            for (const LauncherItem& row : items.All())
                m += checker.ProblemsOf(row) ? 'X' : '.';
            return m;
        };
        QCOMPARE(marks(), "..X");
        items.SetCell(1, cellStartIn, "/no/such");
        QCOMPARE(marks(), "..X"); // not checked yet: no mark
        QVERIFY(checked.wait(5000));
        QCOMPARE(marks(), "X.X");
        const LauncherItem moved = items.Row(3);
        items.Insert(1, moved);
        QCOMPARE(marks(), "XX.X"); // the moved copy keeps its mark at once
    }
};

QTEST_MAIN(TestAppItems)
#include "test_app_items.moc"
