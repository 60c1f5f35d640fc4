// The editor as a screen reader and a keyboard user meet it: every control named, rows
// read as the list shows them, changes announced, Tab going where the eye goes.
#include "components/dialogs/QtUserDialogs.h"
#include "editor/FakeEditorContext.h"
#include "items/ui/frmAdd.h"
#include "items/ui/frmApps.h"
#include "items/ui/frmCheck.h"
#include "items/ui/frmImport.h"
#include "items/ui/frmReplace.h"
#include "items/ui/frmSection.h"
#include "items/ui/frmSwap.h"
#include "properties/ui/frmPCol.h"
#include "properties/ui/frmPFile.h"
#include "properties/ui/frmPMTB.h"
#include "shell/ItemListView.h"
#include "shell/frmAbout.h"
#include "shell/frmQTE.h"
#include "support/AccessibleWalk.h"
#include "support/DataRows.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>

using namespace DataRows;
using AccessibleWalk::NameOf;

namespace {

frmApps::Candidate App(const QString& Name) {
    frmApps::Candidate candidate;
    candidate.SearchText = Name.toLower();
    candidate.Item.Row[cellDescription] = Name;
    candidate.Item.Row[cellCommand] = "/usr/bin/" + Name.toLower();
    return candidate;
}

// Runs Walk on the modal window a Qt dialog of the port opens, then closes that window.
void WhileModal(const std::function<void(QWidget&)>& Walk) {
    QTimer::singleShot(0, [Walk] {
        QWidget* window = QApplication::activeModalWidget();
        QVERIFY(window);
        Walk(*window);
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
    });
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    // The windows of the editor, each made and shown as the user meets it, by name.
    using Maker = std::function<QWidget*(FakeEditorContext&)>;
    static QMap<QString, Maker> Windows() {
        const auto props = [](FakeEditorContext& Ctx, const char* Name) {
            return Ctx.Document.Props.Find(QString::fromLatin1(Name));
        };
        return {
            {"item dialog", [](FakeEditorContext& Ctx) { return new frmAdd(Ctx); }},
            {"item dialog, edit",
             [](FakeEditorContext& Ctx) {
                 Ctx.Document.Items.Append(LauncherItem{{{"Tool", "/bin/tool"}}});
                 Ctx.SelectRow(1);
                 Ctx.Document.EIcon = true;
                 return new frmAdd(Ctx);
             }},
            {"section", [](FakeEditorContext& Ctx) { return new frmSection(Ctx); }},
            {"swap", [](FakeEditorContext& Ctx) { return new frmSwap(Ctx); }},
            {"replace",
             [](FakeEditorContext& Ctx) { return new frmReplace(Ctx, Ctx.MainWindow()); }},
            {"check",
             [](FakeEditorContext& Ctx) {
                 return new frmCheck(Ctx, {{1, "Tool: the command is missing"}});
             }},
            {"import", [](FakeEditorContext& Ctx) { return new frmImport(Ctx); }},
            {"picker",
             [](FakeEditorContext&) {
                 return new frmApps({App("Calculator"), App("Terminal")});
             }},
            {"colour",
             [props](FakeEditorContext& Ctx) {
                 return new frmPCol(Ctx.Document, props(Ctx, "Text colour"), Qt::black,
                                    Ctx.Scripted);
             }},
            {"file",
             [props](FakeEditorContext& Ctx) {
                 return new frmPFile(Ctx.Document, props(Ctx, "Style sheet"), "&Style sheet:", {},
                                     true, Ctx.Scripted, nullptr,
                                     {{"Plain", "/usr/share/quintor/themes/plain.css"}});
             }},
            {"text editor",
             [props](FakeEditorContext& Ctx) {
                 return new frmPMTB(Ctx.Document, props(Ctx, "Header HTML"));
             }},
            {"about", [](FakeEditorContext&) { return new frmAbout; }},
        };
    }

    // The windows Qt makes for the port: the font dialog, the recovery question (a choice),
    // a message and a prompt.
    static QMap<QString, std::function<void(UserDialogs&)>> PortWindows() {
        return {
            {"font", [](UserDialogs& D) { D.FontDialog({}); }},
            {"recovery question",
             [](UserDialogs& D) {
                 D.Choose("Restore?", MsgIcon::Question, "Restore Unsaved Changes",
                          {"&Restore", "&Discard"}, 0);
             }},
            {"message",
             [](UserDialogs& D) {
                 D.MsgBox("Saved.", MsgButtons::YesNoCancel, MsgIcon::Question, "Save");
             }},
            {"prompt", [](UserDialogs& D) { D.InputBox("Columns:", "Columns", "2"); }},
        };
    }

private slots:
    // A focusable control without a name is announced by its kind alone; the walk lists
    // every one, so a failure names them all at once.
    void everyControlNamed_data() {
        QTest::addColumn<QString>("window");
        for (const QString& name : Windows().keys())
            QTest::newRow(qPrintable(name)) << name;
        for (const QString& name : PortWindows().keys())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyControlNamed() {
        const QString name = Fetch("window");
        QStringList unnamed;
        const auto walk = [&unnamed](QWidget& Window) {
            unnamed = AccessibleWalk::UnnamedControls(Window);
        };
        if (Windows().contains(name)) {
            FakeEditorContext ctx;
            std::unique_ptr<QWidget> window(Windows()[name](ctx));
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            walk(*window);
        } else {
            QWidget owner;
            QtUserDialogs dialogs(&owner);
            WhileModal(walk);
            PortWindows()[name](dialogs);
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join(", ")));
    }

    // The main window on each of its tabs (the preview's browser comes with its tab).
    void mainWindowNamed() {
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        for (int tab = 0; tab < 4; ++tab) {
            window.ShowTab(tab);
            const QStringList unnamed = AccessibleWalk::UnnamedControls(window);
            QVERIFY2(unnamed.isEmpty(),
                     qPrintable(QString("tab %1 unnamed: %2").arg(tab).arg(unnamed.join(", "))));
        }
    }

    // What a reader is given where the list shows more than its stored text, or changes
    // under the user: a section row by its name, a broken item's mark, the next column of
    // a row, a property toggled with Enter. The reader asks the list for its focused cell.
    // (The announcement of the toggle needs the desktop's accessibility bus, which the
    // offscreen tests do not have.)
    void readerHears_data() {
        Columns<int, QString, QString, int, QString, QString>(
            {"tab", "row", "property", "key", "name", "description"});
        const QString section =
            "SECTION:Everyday tools;Columns:2;Icon size:32;Icons above:True;Table border:False";
        // clang-format off
        Row("section row", 0, section, QString(), 0, QString("Everyday tools"), QString("Section"));
        Row("section row has one cell", 0, section, QString(), int(Qt::Key_Right), QString("Everyday tools"), QString("Section"));
        Row("up from a column into a section", 0, section, QString(), int(Qt::Key_Up), QString("Everyday tools"), QString("Section"));
        Row("item row", 0, QString("Tool|/bin/sh"), QString(), 0, QString("Tool"), QString());
        Row("broken item", 0, QString("Tool|/no/such/tool"), QString(), 0, QString("Tool"),
            QString("The command was not found: /no/such/tool"));
        Row("next column", 0, QString("Tool|/bin/sh"), QString(), int(Qt::Key_Right), QString("/bin/sh"), QString());
        Row("no column past the last", 0, QString("Tool|/bin/sh||||Normal Window|note"), QString(),
            int(Qt::Key_End), QString("note"), QString());
        Row("property", 1, QString(), QString("Closable"), 0, QString("Closable"), QString("True"));
        Row("property toggled", 1, QString(), QString("Closable"), int(Qt::Key_Return),
            QString("Closable"), QString("False"));
        Row("property toggled back", 1, QString(), QString("Table border"), int(Qt::Key_Return),
            QString("Table border"), QString("True"));
        // clang-format on
    }
    void readerHears() {
        const int tab = Fetch<int>("tab"), key = Fetch<int>("key");
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.ShowTab(tab);
        auto* list = window.findChild<QTreeView*>(tab == 0 ? "lvItems" : "lvProp");
        if (tab == 0) {
            LauncherItem row;
            const QStringList cells = Fetch("row").split('|');
            for (int c = 0; c < cells.size(); ++c)
                row[c] = cells[c];
            window.Doc().Items.Append(row);
        }
        const int pos = tab == 0 ? 0 : window.Doc().Props.Find(Fetch("property")) - 1;
        list->setFocus();
        list->setCurrentIndex(list->model()->index(pos, 0));
        if (key == Qt::Key_End) { // to the last column, and once more to the right
            for (int c = 1; c < LauncherItem::CellCount; ++c)
                QTest::keyClick(list, Qt::Key_Right);
            QTest::keyClick(list, Qt::Key_Right);
        } else if (key == Qt::Key_Up) { // from the Command of an item below the section
            window.Doc().Items.Append(LauncherItem{{{"Tool", "/bin/sh"}}});
            list->setCurrentIndex(list->model()->index(1, cellCommand));
            QTest::keyClick(list, Qt::Key_Up);
        } else if (key) {
            QTest::keyClick(list, Qt::Key(key));
        }
        QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(list)->focusChild();
        QVERIFY(focused);
        // A broken item's mark comes when the check off the interface thread is done.
        QTRY_COMPARE(focused->text(QAccessible::Description), Fetch("description"));
        QCOMPARE(focused->text(QAccessible::Name), Fetch("name"));
        QCOMPARE(list->selectionModel()->selectedRows().size(), 1); // still the whole row
    }

    // Tab in "Swap Columns" goes through the three sets of options (to the checked one of
    // each) and the buttons, in the order they are seen; the arrows stay within a set.
    void swapColumnsByKeyboard() {
        FakeEditorContext ctx;
        frmSwap swap(ctx);
        swap.show();
        QVERIFY(QTest::qWaitForWindowActive(&swap));
        swap.findChild<QWidget*>("optSwap0")->setFocus();
        QStringList reached{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(reached.join(' '), QString("optSwap0 optFC0 optSC1 cmdOK cmdCancel optSwap0"));
        // Down from the last column of the first set stays there, the operation untouched.
        auto* last = swap.findChild<QRadioButton*>("optFC5");
        last->click();
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Down);
        QVERIFY(swap.findChild<QRadioButton*>("optSwap0")->isChecked());
        QCOMPARE(swap.FirstColumn(), 5);
        // No option answers to Alt+Space, which the window manager takes.
        for (QRadioButton* option : swap.findChildren<QRadioButton*>())
            QVERIFY2(QKeySequence::mnemonic(option->text()) !=
                         QKeySequence(Qt::ALT | Qt::Key_Space),
                     qPrintable(option->text()));
    }

    // A text box to read lets Tab go on; one where Tab types a tab is left with Ctrl+Tab
    // (and Ctrl+Shift+Tab back), keeping its text.
    void tabLeavesTextBoxes_data() {
        Columns<QString, int, int, QString, QString>(
            {"box", "key", "modifiers", "reached", "text"});
        const int ctrl = Qt::ControlModifier, ctrlShift = ctrl | Qt::ShiftModifier;
        Row("HTML source, Tab", QString("rtfHTML"), int(Qt::Key_Tab), 0, QString("!rtfHTML"),
            QString("x"));
        Row("text editor, Tab", QString("txtMTB"), int(Qt::Key_Tab), 0, QString("txtMTB"),
            QString("x\t"));
        Row("text editor, Ctrl+Tab", QString("txtMTB"), int(Qt::Key_Tab), ctrl, QString("cmdOK"),
            QString("x"));
        Row("text editor, Ctrl+Shift+Tab", QString("txtMTB"), int(Qt::Key_Backtab), ctrlShift,
            QString("cmdCancel"), QString("x"));
    }
    void tabLeavesTextBoxes() {
        const QString box = Fetch("box"), reached = Fetch("reached");
        ScriptedUserDialogs dialogs;
        frmQTE main(&dialogs);
        main.Form_Load({});
        std::unique_ptr<frmPMTB> editor;
        QWidget* window = &main;
        if (box == "txtMTB") {
            editor = std::make_unique<frmPMTB>(main.Doc(), main.Doc().Props.Find("Footer HTML"));
            window = editor.get();
            window->show();
        } else {
            main.ShowTab(2);
        }
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto* text = window->findChild<QPlainTextEdit*>(box);
        text->setFocus();
        text->setPlainText("x");
        text->moveCursor(QTextCursor::End);
        QTest::keyClick(text, Qt::Key(Fetch<int>("key")),
                        Qt::KeyboardModifiers(Fetch<int>("modifiers")));
        const QString now = QApplication::focusWidget()->objectName();
        if (reached.startsWith('!'))
            QVERIFY2(now != reached.mid(1), qPrintable(now));
        else
            QCOMPARE(now, reached);
        QCOMPARE(text->toPlainText(), Fetch("text"));
    }

    // The Edit menu's access keys: the ones this program chose are its own; the clashes
    // left are between captions the users' instructions name (C and R), read without "&".
    void editMenuAccessKeys() {
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        auto* edit = window.findChild<QMenu*>("mnuEdit");
        QMap<QString, QStringList> byKey;
        for (QAction* action : edit->actions())
            if (!action->isSeparator())
                byKey[QKeySequence::mnemonic(action->text()).toString()] << action->text();
        QStringList clashes;
        for (auto k = byKey.cbegin(); k != byKey.cend(); ++k)
            if (k.value().size() > 1)
                clashes << k.key() + ": " + k.value().join(", ");
        QCOMPARE(clashes,
                 (QStringList{"Alt+C: &Copy and paste, Add se&ction (above selected item)...",
                              "Alt+R: &Rep&lace..., &Reset properties..."}));
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(edit);
        QStringList names;
        for (int i = 0; i < menu->childCount(); ++i)
            names << menu->child(i)->text(QAccessible::Name);
        QVERIFY2(names.contains("Replace..."), qPrintable(names.join('|')));
        for (const QString& name : names)
            QVERIFY2(!name.contains('&'), qPrintable(name));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
