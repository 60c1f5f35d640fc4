// Undo and redo in the editor: every command is one step that undo takes back to the
// same bytes and redo does again; the saved state is a point in the history; the bound.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "document/EditHistory.h"
#include "document/LauncherFile.h"
#include "items/AppItems.h"
#include "items/ui/AppCommands.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/frmReplace.h"
#include "properties/ui/PropertyCommands.h"
#include "shell/ItemListView.h"
#include "shell/frmQTE.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace DataRows;

namespace {

struct Editor {
    ScriptedUserDialogs Dialogs;
    frmQTE Window{&Dialogs};
    explicit Editor(const QString& File) { Window.Form_Load({File}); }
    LauncherDocument& Doc() { return Window.Doc(); }
    QAction* Action(const char* Name) { return Window.findChild<QAction*>(QLatin1String(Name)); }
    void Undo() { Action("mnuEditUndo")->trigger(); }
    void Redo() { Action("mnuEditRedo")->trigger(); }
    ItemListView* Items() { return Window.findChild<ItemListView*>("lvItems"); }
    int Property(const char* Name) { return Doc().Props.Find(QLatin1String(Name)); }
    // The launcher file the document would be saved as, without saving it.
    QByteArray Bytes() {
        const QString path = QDir::temp().filePath("history-bytes.qtf");
        LauncherFile::WriteCopy(Doc(), path);
        const QByteArray bytes = TestFiles::Read(path);
        QFile::remove(path);
        return bytes;
    }
    bool Starred() { return Window.windowTitle().startsWith('*'); }
};

LauncherItem Row(const QString& Description, const QString& Command = {}) {
    LauncherItem item;
    item[cellDescription] = Description;
    item[cellCommand] = Command;
    item[cellParameters] = Description.isEmpty() ? QString() : "--" + Description;
    item[cellRun] = QStringLiteral("Normal Window");
    item[cellComments] = QStringLiteral("note, with comma");
    return item;
}

// Two sections of two items, a title and a header longer than its preview.
QString StartFile(const QString& Folder) {
    LauncherDocument doc;
    doc.Items.AppendAll({Row("SECTION:Tools;Columns:5;Icon size:32;Icons above:True;Table "
                             "border:False"),
                         Row("Alpha", "/bin/a"), Row("Beta", "/bin/b"),
                         Row("SECTION:Games;Columns:5;Icon size:32;Icons above:True;Table "
                             "border:False"),
                         Row("Gamma", "/bin/c")});
    doc.WriteProp("Title", "My page");
    doc.WriteProp("Header HTML", QString(70, 'h'));
    const QString path = Folder + "/start.qtf";
    LauncherFile::SaveFile(doc, path);
    return path;
}

using Command = std::function<void(Editor&, const QString& Folder)>;

// The next dialog answered: each named field (a line or a text box) given its text, then
// the named buttons clicked in turn.
void Answer(Editor& E, const QList<std::pair<const char*, QString>>& Fields,
            const QList<const char*>& Buttons) {
    E.Dialogs.ModalScripts << [Fields, Buttons](QDialog& W) {
        for (const auto& [name, text] : Fields)
            if (auto* line = W.findChild<QLineEdit*>(QLatin1String(name)))
                line->setText(text);
            else
                W.findChild<QPlainTextEdit*>(QLatin1String(name))->setPlainText(text);
        for (const char* button : Buttons)
            W.findChild<QAbstractButton*>(QLatin1String(button))->click();
        return W.result();
    };
}
// A command of the Edit menu on row Row (0: the row selected), its dialog answered.
Command OnRow(int Row, void (frmQTE::*Click)(),
              const QList<std::pair<const char*, QString>>& Fields,
              const QList<const char*>& Buttons) {
    return [=](Editor& e, const QString&) {
        if (Row > 0)
            e.Window.SelectRow(Row);
        Answer(e, Fields, Buttons);
        (e.Window.*Click)();
    };
}
// A click on a property, its dialog's Field answered (no Field: its prompt).
Command OnProperty(const char* Name, const char* Field, const QString& Text) {
    return [=](Editor& e, const QString& Folder) {
        if (Field)
            Answer(e, {{Field, QString(Text).replace("FOLDER", Folder)}}, {"cmdOK"});
        else
            e.Dialogs.InputAnswers << Text;
        e.Window.lvProp_ItemClick(e.Property(Name));
    };
}
// A command on row Row (0: the row selected) that asks a question first.
Command Asked(int Row, void (frmQTE::*Click)(), MsgAnswer Answer) {
    return [=](Editor& e, const QString&) {
        if (Row > 0)
            e.Window.SelectRow(Row);
        e.Dialogs.MsgAnswers << Answer;
        (e.Window.*Click)();
    };
}

// Each command as a user gives it, answered by the scripted dialogs.
const QMap<QString, Command>& Commands() {
    using F = frmQTE;
    static const QMap<QString, Command> commands{
        {"add item", OnRow(2, &F::mnuEditAdd_Click, {{"txtDesc", "Delta"}, {"txtCom", "/bin/d"}},
                           {"cmdAddClose"})},
        {"edit item", OnRow(3, &F::mnuEditEdit_Click, {{"txtParam", "changed"}}, {"cmdAdd"})},
        {"delete item", Asked(3, &F::mnuEditDelete_Click, MsgAnswer::Yes)},
        {"delete section", Asked(4, &F::mnuEditDelete_Click, MsgAnswer::Yes)},
        {"copy and paste", OnRow(2, &F::mnuEditCopy_Click, {}, {})},
        {"move item up", OnRow(3, &F::mnuEditMoveUp_Click, {}, {})},
        {"move section down", OnRow(1, &F::mnuEditMoveDown_Click, {}, {})},
        {"add section", OnRow(3, &F::mnuEditAddSection_Click, {{"txtName", "Middle"}}, {"cmdAdd"})},
        {"edit section", OnRow(4, &F::mnuEditEdit_Click, {{"txtName", "Plays"}}, {"cmdAdd"})},
        {"swap columns",
         OnRow(0, &F::mnuEditSwap_Click, {}, {"optSwap0", "optFC2", "optSC5", "cmdOK"})},
        {"move column",
         OnRow(0, &F::mnuEditSwap_Click, {}, {"optSwap1", "optFC1", "optSC3", "cmdOK"})},
        {"drag items",
         [](Editor& e, const QString&) {
             ItemCommands::DragRows(e.Window, {2, 5}, 4);
         }},
        {"drag section",
         [](Editor& e, const QString&) { ItemCommands::DragRows(e.Window, {4}, 1); }},
        {"drop",
         [](Editor& e, const QString&) {
             AppCommands::DropLinks(
                 e.Window, 2,
                 {{QUrl("https://example.org/a"), "A"}, {QUrl("https://example.org/b"), "B"}});
         }},
        {"import",
         [](Editor& e, const QString& Folder) {
             e.Dialogs.FileAnswers << Folder + "/start.qtf";
             Answer(e, {{"txtSection", "Imported"}}, {"cmdBrowse", "cmdImport", "cmdClose"});
             e.Window.mnuFileImport_Click();
         }},
        {"replace",
         [](Editor& e, const QString&) {
             e.Window.mnuEditReplace_Click();
             auto* window = e.Window.findChild<frmReplace*>();
             window->txtFind->setText("a");
             window->txtReplace->setText("[A]");
             window->chkDescription->setChecked(true);
             window->chkCommand->setChecked(true);
             window->cmdReplace->click();
             window->close();
         }},
        {"toggle property",
         [](Editor& e, const QString&) { e.Window.lvProp_ItemClick(e.Property("Closable")); }},
        {"title", OnProperty("Title", nullptr, "Another page")},
        {"number", OnProperty("Columns", nullptr, "7")},
        {"colour", OnProperty("Link colour", "txtCol", "#FF0000")},
        {"file property", OnProperty("Background picture", "txtFile", "FOLDER/back.png")},
        {"header", OnProperty("Header HTML", "txtMTB", QString(90, 'x'))},
        {"font",
         [](Editor& e, const QString&) {
             e.Dialogs.FontAnswers << FontChoice{"Serif", 12, true, true};
             e.Window.lvProp_ItemClick(e.Property("Font"));
         }},
        {"clear property",
         [](Editor& e, const QString&) {
             auto* list = e.Window.findChild<QTreeView*>("lvProp");
             list->setCurrentIndex(e.Doc().Props.index(e.Property("Icon size") - 1, 0));
             e.Window.lvProp_KeyDown(Qt::Key_Delete, {});
         }},
        {"reset properties", Asked(0, &F::mnuEditReset_Click, MsgAnswer::Yes)},
        {"rename in place",
         [](Editor& e, const QString&) {
             e.Doc().Items.setData(e.Doc().Items.index(1, 0), "Renamed", Qt::EditRole);
         }},
        {"build",
         [](Editor& e, const QString& Folder) {
             e.Dialogs.FileAnswers << Folder + "/page.htm";
             e.Window.mnuFileBuild_Click();
         }},
    };
    return commands;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    // The command by its tag, and the step the Edit menu names.
    void everyChangeIsOneStep_data() {
        Texts({"step"});
        // clang-format off
        Row("add item", "Add item");
        Row("edit item", "Edit item");
        Row("delete item", "Delete item");
        Row("delete section", "Delete section");
        Row("copy and paste", "Copy and paste");
        Row("move item up", "Move up");
        Row("move section down", "Move down");
        Row("add section", "Add section");
        Row("edit section", "Edit section");
        Row("drag items", "Drag and drop");
        Row("drag section", "Drag and drop");
        Row("drop", "Drop");
        Row("import", "Import");
        Row("replace", "Replace");
        Row("swap columns", "Swap columns");
        Row("move column", "Move column");
        Row("toggle property", "Edit property 'Closable'");
        Row("title", "Edit property 'Title'");
        Row("number", "Edit property 'Columns'");
        Row("colour", "Edit property 'Link colour'");
        Row("file property", "Edit property 'Background picture'");
        Row("header", "Edit property 'Header HTML'");
        Row("font", "Font");
        Row("clear property", "Edit property 'Icon size'");
        Row("reset properties", "Reset properties");
        Row("rename in place", "Rename item");
        Row("build", "Build");
        // clang-format on
    }
    // Do, undo (the bytes before, clean again), redo (the bytes after); save, then undo
    // past the save and redo back to it.
    void everyChangeIsOneStep() {
        const QString step = Fetch("step");
        Editor e(StartFile(Dir.path()));
        const QByteArray before = e.Bytes();
        const QString caption = e.Window.windowTitle();
        QVERIFY(!e.Doc().Changed());
        QVERIFY(!e.Action("mnuEditUndo")->isEnabled());

        QVERIFY(Commands().contains(QTest::currentDataTag()));
        Commands()[QTest::currentDataTag()](e, Dir.path());
        const QByteArray after = e.Bytes();
        QVERIFY(after != before);
        QCOMPARE(e.Doc().History.Count(), 1);
        QCOMPARE(e.Action("mnuEditUndo")->text(), "U&ndo " + step);
        QVERIFY(e.Doc().Changed() && e.Starred());

        e.Undo();
        QCOMPARE(e.Bytes(), before);
        QVERIFY(!e.Doc().Changed());
        QCOMPARE(e.Window.windowTitle(), caption);
        QCOMPARE(e.Action("mnuEditUndo")->text(), QString("U&ndo"));
        QVERIFY(!e.Action("mnuEditUndo")->isEnabled());
        QCOMPARE(e.Action("mnuEditRedo")->text(), "Red&o " + step);

        e.Redo();
        QCOMPARE(e.Bytes(), after);
        QVERIFY(e.Doc().Changed() && e.Starred());

        e.Window.mnuFileSave_Click();
        QVERIFY(!e.Doc().Changed() && !e.Starred());
        e.Undo();
        QCOMPARE(e.Bytes(), before);
        QVERIFY(e.Doc().Changed() && e.Starred());
        e.Redo();
        QVERIFY(!e.Doc().Changed() && !e.Starred());
        QCOMPARE(e.Bytes(), after);
        QCOMPARE(TestFiles::Read(e.Doc().CurFile), after);
    }

    // What undo and redo went over is selected (the current row first) and the commands
    // follow; a property alone shows its tab.
    void touchedRowsAreSelected_data() {
        Texts({"command", "afterUndo", "afterRedo", "enabled"});
        // clang-format off
        Row("delete item", "delete item", "3", "3", "U D");
        Row("undo an append", "add item", "5", "6", "U");
        Row("move section down", "move section down", "1 2 3 4 5", "1 2 3 4 5", "D");
        Row("replace", "replace", "2 3 5", "2 3 5", "U D");
        Row("drop", "drop", "2", "2 3", "U D");
        // clang-format on
    }
    void touchedRowsAreSelected() {
        Editor e(StartFile(Dir.path()));
        Commands()[Fetch("command")](e, Dir.path());
        const auto selected = [&e] {
            QStringList rows;
            for (const int row : e.Window.SelectedRows())
                rows << QString::number(row);
            return rows.join(' ');
        };
        const auto enabled = [&e] {
            QStringList on;
            if (e.Action("mnuEditMoveUp")->isEnabled())
                on << "U";
            if (e.Action("mnuEditMoveDown")->isEnabled())
                on << "D";
            return on.join(' ');
        };
        e.Window.ShowTab(2);
        e.Window.SelectRow(1);
        e.Undo();
        QCOMPARE(e.Window.CurrentTab(), 0);
        QCOMPARE(selected(), Fetch("afterUndo"));
        QCOMPARE(e.Window.SelectedRow(), Fetch("afterUndo").section(' ', 0, 0).toInt());
        QCOMPARE(enabled(), Fetch("enabled"));
        e.Redo();
        QCOMPARE(selected(), Fetch("afterRedo"));
    }

    void propertyStepShowsItsRow() {
        Editor e(StartFile(Dir.path()));
        Commands()["title"](e, Dir.path());
        QCOMPARE(e.Window.windowTitle(),
                 QString("*Another page (%1) - Quintor Editor").arg(e.Doc().CurFile));
        e.Window.ShowTab(0);
        e.Undo();
        QCOMPARE(e.Window.CurrentTab(), 1);
        QCOMPARE(e.Window.SelectedPropertyRow(), e.Property("Title"));
        QVERIFY(e.Action("mnuEditProperty")->isEnabled());
        QCOMPARE(e.Window.windowTitle(),
                 QString("My page (%1) - Quintor Editor").arg(e.Doc().CurFile));
    }

    // A new step after an undo ends the redo branch, and with it a clean point there;
    // New and Open start a new history.
    void historyBranchesAndStartsAnew() {
        Editor e(StartFile(Dir.path()));
        Commands()["copy and paste"](e, Dir.path());
        e.Window.mnuFileSave_Click();
        e.Undo();
        Commands()["delete item"](e, Dir.path());
        QVERIFY(!e.Action("mnuEditRedo")->isEnabled());
        e.Undo();
        QVERIFY(e.Doc().Changed()); // the saved state was on the branch that is gone
        e.Dialogs.MsgAnswers << MsgAnswer::No;
        e.Window.mnuFileNew_Click();
        QVERIFY(!e.Doc().Changed());
        QVERIFY(!e.Action("mnuEditUndo")->isEnabled() && !e.Action("mnuEditRedo")->isEnabled());
        QCOMPARE(e.Doc().History.Count(), 0);
    }

    // Ctrl+Z and Ctrl+Y in a Description being edited in place belong to the field.
    void inPlaceFieldKeepsItsUndo() {
        Editor e(StartFile(Dir.path()));
        Commands()["copy and paste"](e, Dir.path());
        e.Window.show();
        QVERIFY(QTest::qWaitForWindowActive(&e.Window));
        ItemListView* list = e.Items();
        e.Window.SelectRow(2);
        list->setFocus();
        list->edit(list->currentIndex());
        auto* field = list->findChild<QLineEdit*>();
        QVERIFY(field);
        field->selectAll();
        QTest::keyClicks(field, "typed");
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(field->text() != "typed");
        QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(field->text(), QString("typed"));
        QCOMPARE(e.Doc().Items.Count(), 6); // the copy was not taken back
        QCOMPARE(e.Doc().History.Count(), 1);
        QTest::keyClick(field, Qt::Key_Escape);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.Doc().Items.Count(), 5);
        QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(e.Doc().Items.Count(), 6);
        QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(e.Doc().Items.Count(), 6); // nothing left to redo
    }

    // The history keeps its newest steps within the bounds; a dropped step takes the
    // clean point with it when that lay before it.
    void bound_data() {
        Columns<int, qint64, int, int>({"maxSteps", "maxBytes", "steps", "kept"});
        Row("at least 100 by default", EditHistory::DefaultMaxSteps, EditHistory::DefaultMaxBytes,
            150, 150);
        Row("by count", 10, EditHistory::DefaultMaxBytes, 25, 10);
        Row("by size", 1000, qint64(40 * 1024), 60, -1);
        Row("a step larger than the bound", 1000, qint64(1024), 3, 0);
    }
    void bound() {
        LauncherDocument doc;
        doc.History.SetLimits(Fetch<int>("maxSteps"), Fetch<qint64>("maxBytes"));
        const int steps = Fetch<int>("steps");
        const auto add = [](LauncherDocument& Doc, int I) {
            const EditHistory::Step step = Doc.History.Begin("Add item");
            Doc.Items.Append(Row(QString(300, QChar('a' + I % 26))));
        };
        for (int i = 0; i < steps; ++i)
            add(doc, i);
        int kept = Fetch<int>("kept");
        if (kept < 0) { // as many as fit
            LauncherDocument one;
            add(one, 0);
            kept = static_cast<int>(Fetch<qint64>("maxBytes") / one.History.Bytes());
            QVERIFY(kept > 1 && kept < steps);
        }
        QCOMPARE(doc.History.Count(), kept);
        QVERIFY(doc.History.Bytes() <= Fetch<qint64>("maxBytes"));
        while (doc.Undo())
            ;
        QCOMPARE(doc.Items.Count(), steps - kept);
        QCOMPARE(doc.Changed(), kept < steps);
    }

    // A 10,000-row replace is held as the cells it changed, not as copies of the rows.
    void replaceStepHoldsTheChangedCells() {
        LauncherDocument doc;
        QVector<LauncherItem> rows;
        for (int i = 0; i < 10000; ++i)
            rows << Row(QString("Item %1").arg(i), QString("/usr/bin/program%1").arg(i));
        {
            const EditHistory::Pause quiet = doc.History.Suspend();
            doc.Items.AppendAll(rows);
        }
        doc.History.Clear();
        {
            const EditHistory::Step step = doc.History.Begin("Replace");
            for (int i = 1; i <= doc.Items.Count(); ++i)
                doc.Items.SetCell(i, cellCommand, "/opt" + doc.Items.Cell(i, cellCommand));
        }
        const qint64 perRow = doc.History.Bytes() / 10000;
        QVERIFY2(perRow < 400, qPrintable(QString::number(perRow)));
        QVERIFY(doc.Undo());
        QCOMPARE(doc.Items.Cell(9999, cellCommand), QString("/usr/bin/program9998"));
    }

    // A command that saves on its way (the page's edit command needs a saved file) puts the
    // saved point after its change: undone, the document differs from the file again.
    void saveInsideACommand() {
        Editor e(QString{});
        e.Dialogs.MsgAnswers << MsgAnswer::Yes;
        e.Dialogs.FileAnswers << Dir.filePath("saved-inside.qtf");
        e.Window.lvProp_ItemClick(e.Property("Show edit command"));
        const QString name = "Show edit command";
        QCOMPARE(e.Doc().ReadProp(name, true), QString("True"));
        QVERIFY(!e.Doc().Changed() && !e.Starred());
        QCOMPARE(e.Doc().History.Count(), 1);
        e.Undo();
        QCOMPARE(e.Doc().ReadProp(name, true), QString("False"));
        QVERIFY(e.Doc().Changed() && e.Starred());
        e.Redo();
        QVERIFY(!e.Doc().Changed());
        QCOMPARE(e.Bytes(), TestFiles::Read(e.Doc().CurFile));
    }

    // Writing a property and taking it back inside one command is no step at all.
    void commandThatEndsWhereItBeganIsNoStep() {
        LauncherDocument doc;
        {
            const EditHistory::Step step = doc.History.Begin("Edit property 'Closable'");
            doc.WriteProp("Closable", "False");
            doc.WriteProp("Closable", "True");
        }
        QCOMPARE(doc.History.Count(), 0);
        QVERIFY(!doc.Changed());
    }
};

QTEST_MAIN(TestHistory)
#include "test_history.moc"
