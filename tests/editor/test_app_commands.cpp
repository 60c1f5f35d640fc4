// The applications picker, its command, drops on the list and "Check items", on a desktop of
// the test's own.
#include "components/platform/DesktopEntries.h"
#include "editor/ItemTestRows.h"
#include "items/AppSearch.h"
#include "items/ui/AppCommands.h"
#include "items/ui/CheckCommands.h"
#include "items/ui/frmApps.h"
#include "items/ui/frmCheck.h"
#include "support/DesktopFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace ItemTestRows;

namespace {
QTemporaryDir Root;

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

public:
    static void initMain() { DesktopFixture::Use(Root.path()); }

private slots:
    void initTestCase() {
        const QString sys = DesktopFixture::System(Root.path());
        // Each entry's item is the row the list notation calls by its name.
        for (const QString name : {"alpha", "beta", "gamma"})
            QVERIFY(DesktopFixture::Entry(sys, name, QString("Name=%1\nExec=%1.exe").arg(name)));
        for (const QString name : {"alpha", "beta", "gamma", "ok"})
            QVERIFY(TestFiles::Executable(Root.filePath("bin/" + name + ".exe")));
        qputenv("PATH", Root.filePath("bin:").toUtf8() + qgetenv("PATH"));
    }

    void search_data() {
        Texts({"Typed", "Shown"});
        Row("nothing typed", "", "Écran Files Firefox Terminal");
        Row("accent and case blind", "ECRAN", "Écran");
        Row("typed accent", "écr", "Écran");
        Row("generic name", "browser", "Firefox");
        Row("keyword, every word", "  fi   www ", "Firefox");
        Row("refused ones are found too", "shell", "Terminal");
        Row("no match", "xyz", "");
    }
    void search() {
        frmApps picker(Candidates);
        picker.txtSearch->setText(Fetch("Typed"));
        QCOMPARE(Shown(*picker.lvApps), Fetch("Shown"));
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
        Row("empty list", "", "beta", "[beta]");
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

    // The broken rows are listed with what is missing, the first selected; a line chosen
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
        int firstSelected = 0;
        ctx.Scripted.ModalScripts << [&](QDialog& Dialog) {
            auto& check = static_cast<frmCheck&>(Dialog);
            QStringList texts;
            for (int i = 0; i < check.lstBroken->count(); ++i)
                texts << check.lstBroken->item(i)->text();
            lines = texts.join('\n');
            firstSelected = ctx.Current;
            check.lstBroken_Activated(check.lstBroken->count() - 1);
            return check.result();
        };
        CheckCommands::mnuEditCheck_Click(ctx);
        QCOMPARE(lines, Fetch("Lines"));
        QCOMPARE(firstSelected, lines.isEmpty() ? 0 : lines.split('.').first().toInt());
        QCOMPARE(Words(ctx), Fetch("After"));
        const bool none = lines.isEmpty();
        QCOMPARE(ctx.Scripted.Messages.size(), none ? 1 : 0);
        if (none)
            QCOMPARE(ctx.Scripted.LastMessage().Icon, MsgIcon::Information);
    }
};

QTEST_MAIN(TestAppCommands)
#include "test_app_commands.moc"
