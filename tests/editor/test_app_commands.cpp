// Items made from applications, files, folders and addresses; the applications picker, its
// command and "Check items": on a desktop of the test's own.
#include "components/platform/DesktopEntries.h"
#include "editor/ItemTestRows.h"
#include "items/AppItems.h"
#include "items/AppSearch.h"
#include "items/ItemCheck.h"
#include "items/ItemChecker.h"
#include "items/ui/AppCommands.h"
#include "items/ui/CheckCommands.h"
#include "items/ui/frmApps.h"
#include "items/ui/frmCheck.h"
#include "support/DesktopFixture.h"

#include <QtWidgets>

using namespace ItemTestRows;
using namespace DesktopFixture;

namespace {
QTemporaryDir Root;

// The cells of a row that matter here: description|command|parameters|start in|icon|comments.
QString Outcome(const AppItems::Result& Item) {
    if (!Item.Made())
        return "refused: " + Item.Refusal;
    const LauncherItem& r = Item.Row;
    return QStringList{r[cellDescription], r[cellCommand], r[cellParameters],
                       r[cellStartIn],     r[cellIcon],    r[cellComments]}
        .join('|');
}

frmApps::Candidate Candidate(const QString& Name, const QString& Generic, const QString& Keywords,
                             bool Refused = false) {
    DesktopEntry e;
    e.Name = Name;
    e.GenericName = Generic;
    e.Keywords = Keywords.split(' ');
    AppItems::Result item;
    item.Row = RowOf(Name);
    if (Refused)
        item.Refusal = "no way";
    return {AppSearch::SearchText(e), item};
}

QString Shown(const QListWidget& List) {
    QStringList names;
    for (int i = 0; i < List.count(); ++i)
        if (!List.item(i)->isHidden())
            names << List.item(i)->text();
    return names.join(' ');
}

QString Descriptions(const QList<LauncherItem>& Rows) {
    QStringList names;
    for (const LauncherItem& row : Rows)
        names << row[cellDescription];
    return names.join(' ');
}

// Chooses these applications in the picker, in this order, and presses OK ("" cancels).
std::function<int(QDialog&)> Choose(const QStringList& Names) {
    return [Names](QDialog& Dialog) -> int {
        auto& picker = static_cast<frmApps&>(Dialog);
        if (Names.isEmpty())
            return QDialog::Rejected;
        for (const QString& name : Names)
            picker.lvApps->findItems(name, Qt::MatchExactly).first()->setSelected(true);
        picker.cmdOK->click();
        return picker.result();
    };
}
} // namespace

class TestAppCommands : public QObject {
    Q_OBJECT
    QList<frmApps::Candidate> Candidates{Candidate("Écran", "Display", "screen monitor"),
                                         Candidate("Files", "Manager", "folder"),
                                         Candidate("Firefox", "Web Browser", "internet www"),
                                         Candidate("Terminal", "Console", "shell", true)};
    const QString Sys = System(Root.path());
    QString Real(QString Text) const { return Text.replace('~', Root.path()); }

public:
    static void initMain() { Use(Root.path()); }

private slots:
    void initTestCase() {
        // Each entry's item is the row the list notation calls by its name.
        for (const QString name : {"alpha", "beta", "gamma"})
            QVERIFY(Entry(Sys, name, QString("Name=%1\nExec=%1.exe").arg(name)));
        for (const QString name :
             {"alpha.exe", "beta.exe", "gamma.exe", "ok.exe", "qtv-tool", "qtv-view"})
            QVERIFY(TestFiles::Executable(Root.filePath("bin/" + name)));
        qputenv("PATH", Root.filePath("bin:").toUtf8() + qgetenv("PATH"));
    }

    void fromApplication_data() {
        // Words "|"-separated ("-": Exec unreadable).
        Texts({"Words", "Expected"});
        // clang-format off
        Row("program and words", "/usr/bin/app|--new|two words", "App|/usr/bin/app|--new \"two words\"|/w|/i.png|Tip");
        Row("unreadable Exec", "-", "refused: its command line cannot be read");
        Row("no program", "", "refused: its command line names no program");
        Row("double quote", "app|a\"b", "refused: an argument holds a double quote, which a launcher page cannot pass on");
        Row("escape the page would decode", "app|a%20b", "refused: it holds the text \"%20\", which the launcher page would turn into another character");
        Row("line break", "app|a\nb", "refused: it holds a line break or another control character, which a launcher page cannot pass on");
        // clang-format on
    }
    void fromApplication() {
        const QString words = Fetch("Words");
        AppItems::Application app{"App", "Tip", "/w", std::nullopt, false, "/i.png"};
        if (words != "-")
            app.Arguments = words.isEmpty() ? QStringList{} : words.split('|');
        const AppItems::Result item = AppItems::FromApplication(app, {"xterm", "-e"});
        QTEST(Outcome(item), "Expected");
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
        Row("title makes a section", "https://example.com/", "SECTION:x", "refused: its name begins with 'SECTION:', which marks a section");
        // clang-format on
    }
    void fromDrop() {
        QCOMPARE(Outcome(AppItems::FromDrop(QUrl(Real(Fetch("Url"))), Fetch("Title"), 48)),
                 Real(Fetch("Expected")));
    }

    // Command|start in|icon of one item, and what the check finds missing.
    void check_data() {
        QVERIFY(Picture(Real("~/icon.png"), 8));
        Texts({"Cells", "Expected"});
        // clang-format off
        Row("program on the path, folder as command", "qtv-tool||", "");
        Row("folder command, program icon", "~||qtv-tool", "");
        Row("addresses", "https://x.org/|~|http://x.org/i.png", "");
        Row("missing program", "qtv-none||", "The command was not found: qtv-none");
        Row("missing file address", "file:///no/such.htm||", "The command was not found: file:///no/such.htm");
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

    void search_data() {
        Texts({"Typed", "Shown"});
        Row("nothing typed", "", "Écran Files Firefox Terminal");
        Row("accent and case blind", "ECRAN", "Écran");
        Row("generic name", "browser", "Firefox");
        Row("keyword, every word", "  fi   www ", "Firefox");
    }
    void search() {
        frmApps picker(Candidates);
        picker.txtSearch->setText(Fetch("Typed"));
        QCOMPARE(Shown(*picker.lvApps), Fetch("Shown"));
    }

    // Names in the order of the user's language; without one (the C locale), accents still
    // go with their letters and numbers by their value.
    void order_data() {
        Texts({"Locale", "Names", "Sorted"});
        Row("no language", "C", "XTerm|Éditeur|emacs|App 10|App 9",
            "App 9|App 10|Éditeur|emacs|XTerm");
        Row("German", "de_DE", "Zebra|Ärger|Apfel", "Apfel|Ärger|Zebra");
        Row("Swedish", "sv_SE", "Zebra|Ärger|Apfel", "Apfel|Zebra|Ärger");
    }
    void order() {
        QList<DesktopEntry> entries;
        for (const QString& name : Fetch("Names").split('|')) {
            entries.append(DesktopEntry());
            entries.last().Name = name;
        }
        const QLocale before;
        QLocale::setDefault(QLocale(Fetch("Locale")));
        AppSearch::SortByName(entries);
        QLocale::setDefault(before);
        QStringList names;
        for (const DesktopEntry& entry : entries)
            names << entry.Name;
        QCOMPARE(names.join('|'), Fetch("Sorted"));
    }

    // Every name starts at the same place, whether its application has a larger icon, a
    // smaller one or none.
    void rowsLineUp() {
        QVERIFY(Picture(Real("~/large.png"), 48, Qt::yellow));
        QVERIFY(Picture(Real("~/small.png"), 16, Qt::yellow));
        QList<frmApps::Candidate> candidates;
        for (const QString icon : {"~/large.png", "~/small.png", ""}) {
            candidates << Candidate("Fox", "", "");
            candidates.last().Item.Row[cellIcon] = Real(icon);
        }
        frmApps picker(candidates);
        picker.show();
        QListWidget& list = *picker.lvApps;
        const QImage shot = list.viewport()->grab().toImage();
        QList<int> starts; // where each row's first dark pixel, its name, is
        for (int row = 0; row < list.count(); ++row) {
            const QRect rect = list.visualItemRect(list.item(row));
            int first = -1;
            for (int x = rect.left(); x <= rect.right() && first < 0; ++x)
                for (int y = rect.top(); y <= rect.bottom(); ++y)
                    if (qGray(shot.pixel(x, y)) < 100) {
                        first = x;
                        break;
                    }
            starts << first;
        }
        QVERIFY(starts[0] > 32);
        QCOMPARE(starts, QList<int>(3, starts[0]));
    }

    // Rows come in the order chosen; Enter without a choice takes the best match; a refused
    // application cannot be chosen.
    void choosing() {
        frmApps picker(Candidates);
        QListWidget& list = *picker.lvApps;
        QVERIFY(!(list.item(3)->flags() & Qt::ItemIsSelectable));
        QCOMPARE(list.item(3)->toolTip(), "This application cannot be added: no way.");
        for (const int row : {2, 0, 1})
            list.item(row)->setSelected(true);
        list.item(0)->setSelected(false);
        QCOMPARE(picker.lblChosen->text(), "2 chosen");
        QCOMPARE(Descriptions(picker.ChosenRows()), "Firefox Files");

        frmApps typed(Candidates);
        typed.show(); // Enter presses the default button of a dialog on the screen
        typed.txtSearch->setText("fi");
        QTest::keyClick(typed.txtSearch, Qt::Key_Down); // the search box keeps the focus
        QTest::keyClick(typed.txtSearch, Qt::Key_Return);
        QCOMPARE(typed.result(), QDialog::Accepted);
        QCOMPARE(Descriptions(typed.ChosenRows()), "Firefox");
        frmApps none(Candidates);
        none.txtSearch->setText("shell");
        none.cmdOK->click();
        QCOMPARE(none.result(), QDialog::Rejected);
    }

    // Entries found by the desktop, chosen in turn, go where Add puts an item (below the
    // selected row) and are selected.
    void addFromApplications_data() {
        Texts({"Before", "Chosen", "After"});
        Row("below the selected row", "x [y] z", "gamma alpha", "x y [gamma] alpha* z");
        Row("no row selected: appended", "x y", "alpha", "x y [alpha]");
        Row("cancelled", "x [y]", "", "x [y]");
    }
    void addFromApplications() {
        FakeEditorContext ctx;
        Fill(ctx, Fetch("Before"));
        ctx.Tab = 2;
        const QStringList chosen = Fetch("Chosen").split(' ', Qt::SkipEmptyParts);
        ctx.Scripted.ModalScripts << Choose(chosen);
        AppCommands::mnuEditAddApps_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{"frmApps"});
        QCOMPARE(Words(ctx), Fetch("After"));
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(ctx.Document.Changed(), !chosen.isEmpty());
        QCOMPARE(ctx.CheckmenusCalls, chosen.isEmpty() ? 0 : 1);
    }

    // The broken rows are listed with what is missing; a line chosen
    // selects its row.
    void checkItems_data() {
        Texts({"Rows", "Lines", "After"});
        Row("two broken", "ok [gone] #S ok lost",
            "2. gone - The command was not found: gone.exe\n"
            "5. lost - The command was not found: lost.exe",
            "ok gone #S ok [lost]");
        Row("none broken", "[ok] #S ok", "", "[ok] #S ok");
    }
    void checkItems() {
        FakeEditorContext ctx;
        Fill(ctx, Fetch("Rows"));
        QString lines;
        ctx.Scripted.ModalScripts << [&](QDialog& Dialog) {
            auto& check = static_cast<frmCheck&>(Dialog);
            QStringList texts;
            for (int i = 0; i < check.lstBroken->count(); ++i)
                texts << check.lstBroken->item(i)->text();
            lines = texts.join('\n');
            check.lstBroken_Activated(check.lstBroken->count() - 1);
            return check.result();
        };
        ItemChecker marks(ctx.Document.Items);
        CheckCommands::mnuEditCheck_Click(ctx, marks);
        QCOMPARE(lines, Fetch("Lines"));
        QCOMPARE(Words(ctx), Fetch("After"));
        const bool none = lines.isEmpty();
        QCOMPARE(ctx.Scripted.Messages.size(), none ? 1 : 0);
        if (none)
            QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Information);
    }

    // A folder and an icon renamed after the list was checked: while the window that names the
    // rows is open, the list already marks the same rows.
    void checkMarksFollowTheDisk() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("folder"), icon = dir.filePath("icon.png");
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(TestFiles::Write(icon, "x"));
        FakeEditorContext ctx;
        const QVector<LauncherItem> rows = {
            LauncherItem{{"a", "sh"}}, LauncherItem{{"b", "sh", {}, folder}},
            LauncherItem{{"c", "sh"}}, LauncherItem{{"d", "sh", {}, {}, icon}}};
        ctx.Document.Items.ReplaceAll(rows);
        ItemChecker marks(ctx.Document.Items);
        const auto marked = [&] {
            QStringList found;
            for (const LauncherItem& row : rows)
                if (marks.ProblemsOf(row) != ItemCheck::NoProblem)
                    found << row[cellDescription];
            return found.join(' ');
        };
        marks.CheckNow();
        QTRY_VERIFY(!marks.Pending());
        QCOMPARE(marked(), "");
        QVERIFY(QDir(dir.path()).rename("folder", "moved"));
        QVERIFY(QFile::rename(icon, icon + ".old"));
        QString shown;
        ctx.Scripted.ModalScripts << [&](QDialog& Dialog) {
            shown = marked();
            return Dialog.result();
        };
        CheckCommands::mnuEditCheck_Click(ctx, marks);
        QCOMPARE(shown, "b d");
    }
};

QTEST_MAIN(TestAppCommands)
#include "test_app_commands.moc"
