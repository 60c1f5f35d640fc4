// Undo and redo in the editor: every command is one step that undo takes back to the
// same bytes and redo does again; the saved state is a point in the history; the bound.
#include "components/dialogs/ScriptedUserDialogs.h"
#include "document/EditHistory.h"
#include "document/LauncherFile.h"
#include "items/AppItems.h"
#include "items/ui/AppCommands.h"
#include "items/ui/ItemCommands.h"
#include "items/ui/frmAdd.h"
#include "items/ui/frmReplace.h"
#include "items/ui/frmSection.h"
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

void ClickIn(QDialog& Window, const char* Button) {
    Window.findChild<QAbstractButton*>(QLatin1String(Button))->click();
}

// Each command as a user gives it, answered by the scripted dialogs.
const QMap<QString, Command>& Commands() {
    static const QMap<QString, Command> commands{
        {"add item",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(2);
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 auto& d = static_cast<frmAdd&>(w);
                 d.txtDesc->setText("Delta");
                 d.txtCom->setText("/bin/d");
                 d.cmdAddClose->click();
                 return d.result();
             };
             e.Window.mnuEditAdd_Click();
         }},
        {"edit item",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(3);
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 auto& d = static_cast<frmAdd&>(w);
                 d.txtParam->setText("changed");
                 d.cmdAdd->click(); // "&Edit"
                 return d.result();
             };
             e.Window.mnuEditEdit_Click();
         }},
        {"delete item",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(3);
             e.Dialogs.MsgAnswers << MsgAnswer::Yes;
             e.Window.mnuEditDelete_Click();
         }},
        {"delete section",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(4);
             e.Dialogs.MsgAnswers << MsgAnswer::Yes;
             e.Window.mnuEditDelete_Click();
         }},
        {"copy and paste",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(2);
             e.Window.mnuEditCopy_Click();
         }},
        {"move item up",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(3);
             e.Window.mnuEditMoveUp_Click();
         }},
        {"move section down",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(1);
             e.Window.mnuEditMoveDown_Click();
         }},
        {"add section",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(3);
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 auto& d = static_cast<frmSection&>(w);
                 d.txtName->setText("Middle");
                 d.cmdAdd->click();
                 return d.result();
             };
             e.Window.mnuEditAddSection_Click();
         }},
        {"edit section",
         [](Editor& e, const QString&) {
             e.Window.SelectRow(4);
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 auto& d = static_cast<frmSection&>(w);
                 d.txtName->setText("Plays");
                 d.cmdAdd->click();
                 return d.result();
             };
             e.Window.mnuEditEdit_Click();
         }},
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
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 w.findChild<QLineEdit*>("txtSection")->setText("Imported");
                 for (const char* b : {"cmdBrowse", "cmdImport", "cmdClose"})
                     ClickIn(w, b);
                 return w.result();
             };
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
        {"swap columns",
         [](Editor& e, const QString&) {
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 for (const char* b : {"optSwap0", "optFC2", "optSC5", "cmdOK"})
                     ClickIn(w, b);
                 return w.result();
             };
             e.Window.mnuEditSwap_Click();
         }},
        {"move column",
         [](Editor& e, const QString&) {
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 for (const char* b : {"optSwap1", "optFC1", "optSC3", "cmdOK"})
                     ClickIn(w, b);
                 return w.result();
             };
             e.Window.mnuEditSwap_Click();
         }},
        {"toggle property",
         [](Editor& e, const QString&) { e.Window.lvProp_ItemClick(e.Property("Closable")); }},
        {"title",
         [](Editor& e, const QString&) {
             e.Dialogs.InputAnswers << QString("Another page");
             e.Window.lvProp_ItemClick(e.Property("Title"));
         }},
        {"number",
         [](Editor& e, const QString&) {
             e.Dialogs.InputAnswers << QString("7");
             e.Window.lvProp_ItemClick(e.Property("Columns"));
         }},
        {"colour",
         [](Editor& e, const QString&) {
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 w.findChild<QLineEdit*>("txtCol")->setText("#FF0000");
                 ClickIn(w, "cmdOK");
                 return w.result();
             };
             e.Window.lvProp_ItemClick(e.Property("Link colour"));
         }},
        {"file property",
         [](Editor& e, const QString& Folder) {
             e.Dialogs.ModalScripts << [Folder](QDialog& w) {
                 w.findChild<QLineEdit*>("txtFile")->setText(Folder + "/back.png");
                 ClickIn(w, "cmdOK");
                 return w.result();
             };
             e.Window.lvProp_ItemClick(e.Property("Background picture"));
         }},
        {"header",
         [](Editor& e, const QString&) {
             e.Dialogs.ModalScripts << [](QDialog& w) {
                 w.findChild<QPlainTextEdit*>("txtMTB")->setPlainText(QString(90, 'x'));
                 ClickIn(w, "cmdOK");
                 return w.result();
             };
             e.Window.lvProp_ItemClick(e.Property("Header HTML"));
         }},
        {"font",
         [](Editor& e, const QString&) {
             FontChoice font;
             font.Name = "Serif";
             font.Size = 12;
             font.HasSize = true;
             font.Bold = true;
             e.Dialogs.FontAnswers << font;
             e.Window.lvProp_ItemClick(e.Property("Font"));
         }},
        {"clear property",
         [](Editor& e, const QString&) {
             auto* list = e.Window.findChild<QTreeView*>("lvProp");
             list->setCurrentIndex(e.Doc().Props.index(e.Property("Icon size") - 1, 0));
             e.Window.lvProp_KeyDown(Qt::Key_Delete, {});
         }},
        {"reset properties",
         [](Editor& e, const QString&) {
             e.Dialogs.MsgAnswers << MsgAnswer::Yes;
             e.Window.mnuEditReset_Click();
         }},
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
    void everyChangeIsOneStep_data() {
        Texts({"command", "step"});
        // clang-format off
        Row("add item", "add item", "Add item");
        Row("edit item", "edit item", "Edit item");
        Row("delete item", "delete item", "Delete item");
        Row("delete section", "delete section", "Delete section");
        Row("copy and paste", "copy and paste", "Copy and paste");
        Row("move item up", "move item up", "Move up");
        Row("move section down", "move section down", "Move down");
        Row("add section", "add section", "Add section");
        Row("edit section", "edit section", "Edit section");
        Row("drag items", "drag items", "Drag and drop");
        Row("drag section", "drag section", "Drag and drop");
        Row("drop", "drop", "Drop");
        Row("import", "import", "Import");
        Row("replace", "replace", "Replace");
        Row("swap columns", "swap columns", "Swap columns");
        Row("move column", "move column", "Move column");
        Row("toggle property", "toggle property", "Edit property 'Closable'");
        Row("title", "title", "Edit property 'Title'");
        Row("number", "number", "Edit property 'Columns'");
        Row("colour", "colour", "Edit property 'Link colour'");
        Row("file property", "file property", "Edit property 'Background picture'");
        Row("header", "header", "Edit property 'Header HTML'");
        Row("font", "font", "Font");
        Row("clear property", "clear property", "Edit property 'Icon size'");
        Row("reset properties", "reset properties", "Reset properties");
        Row("rename in place", "rename in place", "Rename item");
        Row("build", "build", "Build");
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

        Commands()[Fetch("command")](e, Dir.path());
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
