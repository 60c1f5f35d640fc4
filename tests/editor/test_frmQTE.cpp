// The editor's main window driven as a user would, with scripted dialogs, and its example file.
#include "AppVersion.h"
#include "components/CodeFont.h"
#include "components/platform/FileLock.h"
#include "editor/ItemTestRows.h"
#include "items/Sections.h"
#include "items/ui/frmReplace.h"
#include "shell/ItemListView.h"
#include "shell/ItemRowDelegate.h"
#include "shell/frmQTE.h"
#include "support/DataRows.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace DataRows;
using ItemTestRows::Words;

namespace {
const QString Examples = qEnvironmentVariable("QUINTOR_SOURCE_DIR") + "/examples/";

// The texts of a menu's or the toolbar's entries in order, "-" for a separator.
QString Entries(const QList<QAction*>& Actions, bool ToolTips) {
    QStringList texts;
    for (const QAction* a : Actions)
        texts << (a->isSeparator() ? "-"
                  : ToolTips       ? a->toolTip()
                                   : (a->text() + ' ' + a->shortcut().toString()).trimmed());
    return texts.join('|');
}

struct Editor {
    ScriptedUserDialogs Dialogs;
    frmQTE Window{&Dialogs};
    explicit Editor(const QStringList& Arguments = {}) { Window.Form_Load(Arguments); }
    LauncherDocument& Doc() { return Window.Doc(); }
    ItemListView* Items() { return Window.findChild<ItemListView*>("lvItems"); }
    // Rows of that layout ("I" an item, "S" a section: "ISII"), row Current the current one.
    void Show(const QString& Layout, int Current) {
        QVector<LauncherItem> rows(Layout.size());
        for (int i = 0; i < Layout.size(); ++i)
            rows[i][cellDescription] =
                QString(Layout[i] == 'S' ? "SECTION:S%1" : "Item %1").arg(i + 1);
        Doc().Items.ReplaceAll(rows);
        Doc().SetChanged(false); // as rows read from a file
        Window.SelectRow(Current);
        Window.Checkmenus();
    }
    QAction* Action(const char* Name) { return Window.findChild<QAction*>(QLatin1String(Name)); }
    // The commands enabled: c Copy, e Edit, d Delete, U Move up, D Move down.
    QString Enabled() {
        const char* names[] = {"mnuEditCopy", "mnuEditEdit", "mnuEditDelete", "mnuEditMoveUp",
                               "mnuEditMoveDown"};
        QString letters;
        for (int i = 0; i < 5; ++i)
            if (Action(names[i])->isEnabled())
                letters += QString("cedUD")[i];
        return letters;
    }
    QString Failure() const { return FailureLine(Dialogs.LastMessage()); }
};

// Drops Data on the list's viewport just inside the top of row Row (0: below the last row).
void DropOn(QAbstractItemView& View, int Row, QMimeData& Data) {
    const int rows = View.model()->rowCount();
    const QRect rect = View.visualRect(View.model()->index((Row ? Row : rows) - 1, 0));
    const QPoint at = Row ? rect.topLeft() + QPoint(4, 1) : rect.bottomLeft() + QPoint(4, 4);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &Data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(View.viewport(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &Data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(View.viewport(), &move);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &Data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(View.viewport(), &drop);
}

QString Failed(const QString& Verb, const QString& File, const QString& Title, int Number) {
    return "Critical OK " + Title + ": An error occurred when attempting to " + Verb +
           " the file '" + File + "' - ..., " + QString::number(Number);
}
} // namespace

class TestFrmQTE : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString Path(const char* Name) const { return Dir.filePath(QLatin1String(Name)); }

private slots:
    void initTestCase() { qputenv("TEMP", Dir.path().toLocal8Bit()); }

    void startup_data() {
        Texts({"Caption", "Failure"}); // Failure: the message shown, if any
        QTest::addColumn<QStringList>("Arguments");
        const QString spaced = Path("my tools.qtf"), damaged = Path("damaged.qtf");
        // The example is made from its committed source, byte for byte.
        const QString tool = TestFiles::BinDir() + "/make_example";
        QCOMPARE(QProcess::execute(tool, {Examples + "Tools.items", spaced}), 0);
        QCOMPARE(TestFiles::Read(spaced), TestFiles::Read(Examples + "Tools.qtf"));
        QVERIFY(TestFiles::Write(damaged, QByteArray("QTFP\xff\xff\xff\x7f", 8)));
        const QString opened = "Tools (" + spaced + ") - Quintor Editor";
        Row("quoted path with a blank", opened, "", QStringList{'"' + spaced + '"'});
        Row("path split at the blank", opened, "", QStringList{Path("my"), "tools.qtf"});
        Row("no file", "New File 1 - Quintor Editor", "", QStringList{Path("none.qtf")});
        Row("damaged file", "New File 2 - Quintor Editor",
            Failed("open", damaged, "Open Error", 321), QStringList{damaged});
    }
    void startup() {
        Editor e(Fetch<QStringList>("Arguments"));
        QCOMPARE(e.Window.windowTitle(), Fetch("Caption"));
        QVERIFY(e.Window.isVisible());
        QVERIFY(!e.Doc().Changed());
        QCOMPARE(e.Dialogs.Messages.isEmpty() ? QString() : e.Failure(), Fetch("Failure"));
        QCOMPARE(e.Doc().Items.Count() > 0, Fetch("Caption").startsWith("Tools"));
        if (e.Doc().Items.Count() == 0)
            return;
        QCOMPARE(e.Window.SelectedRow(), 1);
        QVERIFY(!FileLock().Take(e.Doc().CurFile)); // held while open
        QVERIFY(e.Window.close());
        QVERIFY(FileLock().Take(e.Doc().CurFile)); // let go on close
    }

    // Yes saves (here through Save As), No discards; Cancel, or Save As cancelled, abandons.
    void unsavedChanges_data() {
        Columns<QString, MsgAnswer, QString, bool>({"Command", "Answer", "SaveAsName", "GoesOn"});
        for (const char* command : {"New", "Open", "Close"}) {
            const QString c = QLatin1String(command); // SaveAsName empty: Save As cancelled
            QTest::addRow("%s, Yes, saved", command) << c << MsgAnswer::Yes << c + ".qtf" << true;
            QTest::addRow("%s, Yes, not saved", command) << c << MsgAnswer::Yes << "" << false;
            QTest::addRow("%s, No", command) << c << MsgAnswer::No << "" << true;
            QTest::addRow("%s, Cancel", command) << c << MsgAnswer::Cancel << "" << false;
        }
    }
    void unsavedChanges() {
        const QString command = Fetch("Command"), saveAsName = Fetch("SaveAsName");
        const MsgAnswer answer = Fetch<MsgAnswer>("Answer");
        const QString saveAs = Dir.filePath(saveAsName);
        Editor e;
        e.Window.PreviewFiles().Write(e.Doc());
        const QString preview = e.Window.PreviewFiles().PageFile();
        e.Doc().SetChanged(true);
        e.Dialogs.MsgAnswers << answer;
        if (answer == MsgAnswer::Yes)
            e.Dialogs.FileAnswers << (saveAsName.isEmpty() ? std::nullopt : std::optional(saveAs));
        e.Dialogs.FileAnswers << std::nullopt; // the Open dialog, when it comes, is cancelled

        bool wentOn = false;
        if (command == "New") {
            e.Window.mnuFileNew_Click();
            wentOn = e.Window.windowTitle() == "New File 2 - Quintor Editor";
        } else if (command == "Open") {
            e.Window.mnuFileOpen_Click();
            wentOn = !e.Dialogs.FileRequests.isEmpty() && !e.Dialogs.FileRequests.last().Save;
        } else {
            wentOn = e.Window.close();
            QVERIFY(!QFile::exists(preview)); // even when the close was cancelled
        }
        QCOMPARE(wentOn, Fetch<bool>("GoesOn"));
        if (answer != MsgAnswer::No)
            QCOMPARE(e.Doc().Changed(), saveAsName.isEmpty());
        QCOMPARE(QFileInfo(saveAs).isFile(), !saveAsName.isEmpty());
        QCOMPARE(MessageLine(e.Dialogs.LastMessage()),
                 "Question YesNoCancel Quintor Editor: The file 'New File 1'  has changed.  Do you "
                 "want to save the changes?");
    }

    // Save goes to Save As until the document has a file; a failed save leaves the document
    // as it was; New lets go of the file and Open takes it again.
    void fileCommands() {
        const QString bad = Path("no such folder/x.qtf");
        const QString file = Path("a.qtf"), caption = "New File 1 (" + file + ") - Quintor Editor";
        Editor e;
        e.Doc().SetChanged(true);
        e.Dialogs.FileAnswers << bad << file << file;
        e.Window.mnuFileSave_Click();
        QCOMPARE(e.Failure(), Failed("save", bad, "Save Error", 75));
        QVERIFY(e.Doc().Changed());
        QCOMPARE(e.Doc().CurFile, QString());
        e.Window.mnuFileSave_Click();
        e.Show("SII", 1);
        e.Doc().SetChanged(true);
        e.Window.mnuFileSave_Click(); // it has a file now: no dialog
        QVERIFY(!e.Doc().Changed());
        QCOMPARE(e.Window.windowTitle(), caption);
        QCOMPARE(e.Dialogs.FileRequests.size(), 2);
        const QString filter = "Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*";
        QCOMPARE(RequestLine(e.Dialogs.FileRequests[1]),
                 "save, confirm Save the Quintor File: " + filter + " []");

        e.Window.mnuFileNew_Click();
        QCOMPARE(e.Doc().CurFile, QString());
        QCOMPARE(e.Doc().Items.Count(), 0);
        QVERIFY(FileLock().Take(file));

        e.Window.mnuFileOpen_Click();
        QCOMPARE(RequestLine(e.Dialogs.FileRequests.last()),
                 "open, must exist Open a Quintor File: Quintor File (*.qtf;*.yaml;*.yml)|"
                 "*.qtf;*.yaml;*.yml|All files (*.*)|*.*" +
                     QString(" []"));
        QCOMPARE(e.Doc().Items.Count(), 3);
        QCOMPARE(e.Window.windowTitle(), caption);

        e.Doc().SetChanged(true);
        QVERIFY(!e.Window.close()); // the question unanswered: cancelled
        QCOMPARE(e.Dialogs.Messages.size(), 2);
        QCOMPARE(e.Dialogs.LastMessage().Text,
                 "The file 'New File 1' ('" + file +
                     "') has changed.  Do you want to save the changes?");
    }

    // A text launcher file opens from the command line as from Open; the editor does not
    // write it back: Save asks for a .qtf name beside it.
    void textFile() {
        const QString text = Path("page.yaml"), binary = Path("page.qtf");
        QVERIFY(TestFiles::Write(text, "properties: {P_TITLE: From text}\n"
                                       "items: [{description: a}, {description: b}]\n"));
        Editor e({text});
        QCOMPARE(e.Doc().Items.Count(), 2);
        QCOMPARE(e.Window.windowTitle(), "From text (" + text + ") - Quintor Editor");
        e.Doc().Items.Append(LauncherItem{{"c"}});
        e.Dialogs.FileAnswers << binary;
        e.Window.mnuFileSave_Click();
        QCOMPARE(e.Dialogs.FileRequests.size(), 1);
        QCOMPARE(e.Dialogs.FileRequests[0].FileName, binary);
        QVERIFY(e.Dialogs.FileRequests[0].Save);
        QCOMPARE(e.Doc().CurFile, binary);
        QVERIFY(!e.Doc().Changed());
        QVERIFY(TestFiles::Read(text).startsWith("properties: {P_TITLE: From text}"));

        e.Dialogs.FileAnswers << text;
        e.Window.mnuFileOpen_Click();
        QCOMPARE(e.Doc().Items.Count(), 2);
        QVERIFY(FileLock().Take(binary)); // the binary file is no longer held
        QVERIFY2(e.Dialogs.Messages.isEmpty(), qPrintable(e.Failure()));
    }

    // Saved as "mypage", the launcher file gets ".qtf"; Build then proposes "mypage.htm" beside
    // it, whose icon folder "mypage" is free (it was the launcher file before).
    void saveAsThenBuild() {
        Editor e;
        const QString program = QCoreApplication::applicationFilePath(), page = Path("mypage.htm");
        e.Doc().Items.Append(LauncherItem{{"p", program, {}, {}, program}});
        e.Dialogs.FileAnswers << Path("mypage") << page;
        e.Window.mnuFileSaveAs_Click();
        e.Window.mnuFileBuild_Click();
        QCOMPARE(e.Doc().CurFile, Path("mypage.qtf"));
        QVERIFY(QFileInfo(Path("mypage.qtf")).isFile());
        QVERIFY2(e.Dialogs.Messages.isEmpty(), qPrintable(e.Dialogs.LastMessage().Text));
        QCOMPARE(e.Dialogs.FileRequests.value(1).FileName, page);
        QVERIFY(QFile::exists(Path("mypage/Icon1.ico")));
    }

    // Run and the shortcut keep what the last look at the page file found (a build, a property
    // edit, a file opened): moving through the rows never waits for the disk again.
    void runStateFromTheLastLook() {
        Editor e;
        e.Show("III", 1);
        const QString page = Path("run.htm");
        QVERIFY(!e.Action("mnuFileRun")->isEnabled());
        e.Dialogs.FileAnswers << page;
        e.Window.mnuFileBuild_Click();
        QVERIFY2(e.Dialogs.Messages.isEmpty(), qPrintable(e.Dialogs.LastMessage().Text));
        QVERIFY(e.Action("mnuFileRun")->isEnabled());
        QVERIFY(QFile::remove(page));
        QTest::keyClick(e.Items(), Qt::Key_Down);
        e.Window.lvItems_ItemClick();
        QCOMPARE(e.Window.SelectedRow(), 2);
        QVERIFY(e.Action("mnuFileShortcut")->isEnabled()); // the page was not looked for
        e.Doc().WriteProp("(HTML File)", page);
        QVERIFY(!e.Action("mnuFileRun")->isEnabled());
        QVERIFY(!e.Action("mnuFileShortcut")->isEnabled());
    }

    void checkmenus_data() {
        Columns<QString, int, QString>({"Layout", "Current", "Enabled"});
        Row("empty list", "", 0, "");
        Row("no current row", "III", 0, ""); // nothing for them to act on
        Row("first item", "III", 1, "cedD");
        Row("last item", "III", 3, "cedU");
        Row("only section", "ISI", 2, "ced");
        Row("section, one far below", "ISIIS", 2, "cedD");
        Row("section, one far above", "SIISI", 4, "cedU");
        Row("section between sections", "SISIS", 3, "cedUD");
    }
    void checkmenus() {
        Editor e;
        e.Show("SISIS", 3); // the opposite state first: every command has to be set
        e.Show(Fetch("Layout"), Fetch<int>("Current"));
        QCOMPARE(e.Enabled(), Fetch("Enabled"));
    }

    // Two rows added one by one into an empty list: every command that is then enabled acts on
    // the first row, which the first add made current.
    void commandsAfterAdds_data() {
        Texts({"Command", "Outcome"}); // the rows afterwards, or the dialog the command opened
        Row("Edit", "mnuEditEdit", "frmAdd: Edit Icon One");
        Row("Delete", "mnuEditDelete", "Two");
        Row("Copy and paste", "mnuEditCopy", "One Two One");
        Row("Move down", "mnuEditMoveDown", "Two One");
    }
    void commandsAfterAdds() {
        Editor e;
        e.Dialogs.ModalScripts << [](QDialog& d) {
            for (const char* name : {"One", "Two"}) {
                d.findChild<QLineEdit*>("txtDesc")->setText(name);
                d.findChild<QLineEdit*>("txtCom")->setText("sh");
                d.findChild<QPushButton*>("cmdAdd")->click();
            }
            d.reject();
            return d.result();
        };
        e.Action("mnuEditAdd")->trigger();
        QCOMPARE(e.Enabled(), "cedD");
        QCOMPARE(e.Window.SelectedRow(), 1);
        QString outcome;
        e.Dialogs.ModalScripts << [&outcome](QDialog& d) {
            outcome = d.objectName() + ": " + d.windowTitle();
            return QDialog::Rejected;
        };
        e.Dialogs.MsgAnswers << MsgAnswer::Yes;
        QAction* command = e.Action(qPrintable(Fetch("Command")));
        command->trigger();
        QStringList rows;
        for (int i = 1; i <= e.Doc().Items.Count(); ++i)
            rows << e.Doc().Items.Cell(i, cellDescription);
        QCOMPARE(outcome.isEmpty() ? rows.join(' ') : outcome, Fetch("Outcome"));
    }

    void menusToolbarTabsAndHelp() {
        Editor e;
        auto* tabs = e.Window.findChild<QTabWidget*>("tabMain");
        QStringList texts; // the menus, the tabs, the About box
        for (const QAction* menu : e.Window.menuBar()->actions())
            texts << menu->text() + ": " + Entries(menu->menu()->actions(), false);
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
        e.Dialogs.ModalScripts << [&](QDialog& box) {
            for (const char* name : {"lblTitle", "lblVersion"})
                texts << box.findChild<QLabel*>(QLatin1String(name))->text();
            box.findChild<QPushButton*>("cmdOK")->click();
            return box.result();
        };
        e.Action("mnuHelpAbout")->trigger();
        QCOMPARE(texts, (QStringList{
                            "&File: &New Ctrl+N|&Open... Ctrl+O|&Save Ctrl+S|Save &As... Ctrl+B|-|"
                            "&Import Quintor File Items... F11|-|&Build... F3|&Run... Ctrl+R|"
                            "Create Shortcut on &Desktop... Ctrl+E|-|E&xit",
                            "&Edit: U&ndo Ctrl+Z|Red&o Ctrl+Shift+Z|-|&Copy and paste F12|-|"
                            "&Add icon... F4|"
                            "Add &from applications... Shift+F4|Add se&ction (above selected "
                            "item)... F7|&Edit selected item... F2|"
                            "&Delete selected item... F8|-|Move &up Ctrl+U|Move do&wn Ctrl+D|-|"
                            "&Rep&lace... Ctrl+H|&Swap Columns... F6|Check &items F5|-|Edit "
                            "&property... Ctrl+P|"
                            "&Reset properties... F9",
                            "&Help: &Contents|&Send feedback... Ctrl+F1|&About... Ctrl+F2",
                            "&Icons", "&Properties", "&HTML", "P&review", "Quintor Editor",
                            "Version " QUINTOR_VERSION_TEXT}));
        auto* bar = e.Window.findChild<QToolBar*>("tbMain");
        QCOMPARE(Entries(bar->actions(), true),
                 "New (Ctrl+N)|Open (Ctrl+O)|Save (Ctrl+S)|-|Build (F3)|-|Undo (Ctrl+Z)|"
                 "Redo (Ctrl+Shift+Z)|-|Add icon (F4)|"
                 "Add from applications (Shift+F4)|Add section (above selected item) (F7)|Edit "
                 "(F2)|Delete (F8)|-|"
                 "Move up (Ctrl+U)|Move down (Ctrl+D)");
        for (const QAction* button : bar->actions())
            QVERIFY2(button->isSeparator() || !button->icon().pixmap(24, 24).isNull(),
                     qPrintable(button->toolTip()));
    }

    // The first window fits the screen's free area, frame included, also at 200 % (CMake runs
    // this once more with QT_SCALE_FACTOR=2); our own toolbar drawings scale without blur.
    void firstWindowFitsTheScreen() {
        Editor e;
        const QRect free = e.Window.screen()->availableGeometry();
        const QSize outer = e.Window.frameGeometry().size();
        QVERIFY2(outer.width() <= free.width() && outer.height() <= free.height(),
                 qPrintable(QString("%1x%2 on %3x%4")
                                .arg(outer.width())
                                .arg(outer.height())
                                .arg(free.width())
                                .arg(free.height())));
        const QStringList drawings = QDir(":/editor/icons").entryList();
        QVERIFY(drawings.size() >= 13);
        for (const QString& name : drawings)
            QCOMPARE(QIcon(":/editor/icons/" + name).actualSize(QSize(96, 96)), QSize(96, 96));
    }

    // The page source is set in one fixed-pitch font, whatever fonts the machine has.
    void codeFont() {
        const QFontInfo rule(CodeFont());
        QVERIFY2(rule.fixedPitch(), qPrintable(rule.family()));
        QFont courier("Courier New");
        courier.setStyleHint(QFont::TypeWriter);
        if (const QFontInfo twin(courier); twin.fixedPitch()) // Courier New or its metric twin
            QCOMPARE(rule.family(), twin.family());
        Editor e;
        QCOMPARE(QFontInfo(e.Window.findChild<QPlainTextEdit*>("rtfHTML")->font()).family(),
                 rule.family());
    }

    // While the Replace window has the focus its own access keys win; no other Alt key reaches
    // the main window's tabs behind it, whose switch would close it and lose what was typed.
    void replaceWindowKeys_data() {
        Columns<int, QString>({"Key", "Focus"}); // Focus afterwards; a check box is checked too
        Row("Alt+P: Replace with", int(Qt::Key_P), "txtReplace");
        Row("Alt+I: Icon box", int(Qt::Key_I), "chkIcon");
        Row("Alt+H: the HTML tab's", int(Qt::Key_H), "txtFind");
    }
    void replaceWindowKeys() {
        const QString focus = Fetch("Focus");
        Editor e;
        e.Window.mnuEditReplace_Click();
        auto* replace = e.Window.findChild<frmReplace*>();
        QVERIFY(QTest::qWaitForWindowActive(replace));
        QTest::keyClicks(replace->txtFind, "old");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Fetch<int>("Key")), Qt::AltModifier);
        QVERIFY(replace->IsOpen());
        QCOMPARE(replace->txtFind->text(), "old");
        QCOMPARE(e.Window.findChild<QTabWidget*>("tabMain")->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(replace->chkIcon->isChecked(), focus == "chkIcon");
    }

    // A section row reads as its name, in bold with the section icon, across the row (also
    // after rows moved it); the stored text stays what the file holds.
    void sectionRows_data() {
        Texts({"Stored", "Shown"}); // shown as stored: an item row
        Row("markup shown as typed", SectionRowText({"<b>A</b> &amp; B"}), "<b>A</b> &amp; B");
        Row("details missing", "SECTION:Bare", "Bare");
        Row("item row", "Section: not one", "Section: not one");
    }
    void sectionRows() {
        const QString stored = Fetch("Stored"), shown = Fetch("Shown");
        const bool section = shown != stored;
        Editor e;
        e.Show("IS", 1);
        ItemRows& items = e.Doc().Items;
        QVERIFY(e.Items()->isFirstColumnSpanned(1, {})); // as a loaded list shows it
        items.SetCell(2, cellDescription, stored);
        items.Insert(1, LauncherItem{{"Above"}});
        QStyleOptionViewItem option;
        static_cast<ItemRowDelegate*>(e.Items()->itemDelegate())
            ->initStyleOption(&option, items.index(2, cellDescription));
        QCOMPARE(option.text, shown);
        QCOMPARE(items.Cell(3, cellDescription), stored);
        QCOMPARE(option.font.bold(), section);
        QCOMPARE(!option.icon.isNull(), section);
        QCOMPARE(e.Items()->isFirstColumnSpanned(2, {}), section);
        items.SetCell(3, cellDescription, "Now an item"); // a changed kind changes the look
        QVERIFY(!e.Items()->isFirstColumnSpanned(2, {}));
        QVERIFY(!e.Items()->isFirstColumnSpanned(1, {}));
    }

    // Section rows are edited in their dialog; a rename in place sets Changed, or a close loses it.
    void inPlaceEdit() {
        Editor e;
        e.Show("SI", 2);
        QSignalSpy sectionEdits(e.Items(), &ItemListView::SectionEditRequested);
        e.Items()->edit(e.Doc().Items.index(0, cellDescription));
        QCOMPARE(sectionEdits.count(), 1);
        QVERIFY(!e.Items()->findChild<QLineEdit*>());
        e.Items()->edit(e.Doc().Items.index(1, cellDescription));
        auto* editor = e.Items()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->setText("Renamed");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::qWait(0); // the view commits after the key and lets the editor go
        QCOMPARE(e.Doc().Items.Cell(2, cellDescription), "Renamed");
        QVERIFY(e.Doc().Changed());
    }

    // A drop through the real view: the list's own rows move, files come in as new items, and
    // what cannot become an item is named.
    void dropsOnTheList() {
        const QString file = Path("notes.txt"), renamed = Path("100%20.txt");
        QVERIFY(TestFiles::Write(file, "x"));
        Editor e;
        ItemRows& items = e.Doc().Items;
        ItemTestRows::Fill(items, "a b c");
        e.Items()->resize(600, 300);
        QTest::qWait(0);
        std::unique_ptr<QMimeData> dragged(items.mimeData({items.index(2, 0), items.index(2, 3)}));
        DropOn(*e.Items(), 1, *dragged);
        QTRY_COMPARE(Words(items), "c a b");
        QCOMPARE(e.Window.SelectedRow(), 1);
        QMimeData files, unfit;
        files.setUrls({QUrl::fromLocalFile(file), QUrl("https://example.org/x")});
        DropOn(*e.Items(), 3, files);
        QTRY_COMPARE(Words(items), "c a notes? example.org? b");
        QCOMPARE(e.Window.SelectedRows(), (QList<int>{3, 4}));
        DropOn(*e.Items(), 0, files); // below the last row
        QTRY_COMPARE(items.Count(), 7);
        QCOMPARE(items.Cell(6, cellCommand), file);
        QVERIFY(e.Doc().Changed());
        QVERIFY(e.Dialogs.Messages.isEmpty());
        unfit.setUrls({QUrl::fromLocalFile(renamed), QUrl::fromLocalFile(Path("two\nlines"))});
        DropOn(*e.Items(), 1, unfit);
        QTRY_COMPARE(MessageLine(e.Dialogs.LastMessage()),
                     "Exclamation OK Drop Error: These cannot become items:\n" + renamed +
                         ": it holds the text \"%20\", which the launcher page would turn into "
                         "another character\n" +
                         Path("two\\nlines") +
                         ": it holds a line break or another control character, which a "
                         "launcher page cannot pass on");
        QCOMPARE(items.Count(), 7);
    }

    // A broken row gets a warning and a tooltip, checked again on each edit; mending clears it.
    void marks() {
        Editor e;
        ItemRows& items = e.Doc().Items;
        ItemTestRows::Fill(items, "#S gone");
        const QModelIndex description = items.index(1, cellDescription);
        QTRY_VERIFY(!description.data(Qt::DecorationRole).isNull());
        items.SetCell(2, cellStartIn, "/no/such/folder"); // an edited row is checked again
        QTRY_COMPARE(description.data(Qt::ToolTipRole).toString(),
                     "The command was not found: gone.exe\n"
                     "The start-in folder does not exist: /no/such/folder");
        items.SetCell(2, cellCommand, "sh");
        items.SetCell(2, cellStartIn, "/");
        QTRY_VERIFY(description.data(Qt::DecorationRole).isNull());
    }
};

QTEST_MAIN(TestFrmQTE)
#include "test_frmQTE.moc"
