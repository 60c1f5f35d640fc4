// The main window's command state, menus, toolbar, lists and help: the real window
// under the offscreen platform with scripted dialogs.
#include "AppVersion.h"
#include "EditorWindowFixture.h"
#include "ItemListView.h"
#include "ScriptedUserDialogs.h"
#include "TestFiles.h"
#include "frmQTE.h"

#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace EditorWindowFixture;

class TestFrmQTEWindow : public QObject {
    Q_OBJECT
    ScriptedUserDialogs* Dialogs = nullptr;
    frmQTE* Window = nullptr;

    QAction* Action(const char* Name) const {
        auto* action = Window->findChild<QAction*>(QLatin1String(Name));
        if (!action)
            qFatal("no action %s", Name);
        return action;
    }
    // The toolbar button of an action, which must be in step with its menu item.
    bool ButtonEnabled(const char* Name) const {
        auto* bar = Window->findChild<QToolBar*>(QStringLiteral("tbMain"));
        return bar->widgetForAction(Action(Name))->isEnabled();
    }
    ItemListView* Items() const {
        return Window->findChild<ItemListView*>(QStringLiteral("lvItems"));
    }

private slots:
    void init() {
        Dialogs = new ScriptedUserDialogs;
        Window = new frmQTE(Dialogs);
        Window->Form_Load({});
    }
    void cleanup() {
        Window->Doc().Changed = false;
        delete Window;
        delete Dialogs;
    }

    void checkmenus_data() {
        QTest::addColumn<QString>("Layout");
        QTest::addColumn<int>("Current");
        QTest::addColumn<bool>("Has");
        QTest::addColumn<bool>("Up");
        QTest::addColumn<bool>("Down");
        QTest::newRow("empty list") << "" << 0 << false << false << false;
        QTest::newRow("rows, none current") << "III" << 0 << true << false << false;
        QTest::newRow("only row") << "I" << 1 << true << false << false;
        QTest::newRow("first item") << "III" << 1 << true << false << true;
        QTest::newRow("middle item") << "III" << 2 << true << true << true;
        QTest::newRow("last item") << "III" << 3 << true << true << false;
        QTest::newRow("item under a section") << "SII" << 2 << true << true << true;
        QTest::newRow("only section") << "ISI" << 2 << true << false << false;
        QTest::newRow("first section, one below") << "SIS" << 1 << true << false << true;
        QTest::newRow("last section, one above") << "SIS" << 3 << true << true << false;
        QTest::newRow("section, one far below") << "ISIIS" << 2 << true << false << true;
        QTest::newRow("section, one far above") << "SIISI" << 4 << true << true << false;
        QTest::newRow("section between sections") << "SISIS" << 3 << true << true << true;
    }
    void checkmenus() {
        QFETCH(QString, Layout);
        QFETCH(int, Current);
        QFETCH(bool, Has);
        QFETCH(bool, Up);
        QFETCH(bool, Down);
        // Start from the opposite state, so every command has to be set.
        Window->Doc().Items.ReplaceAll(Rows(QStringLiteral("SISIS")));
        Window->SelectRow(3);
        Window->Checkmenus();

        Window->Doc().Items.ReplaceAll(Rows(Layout));
        Window->SelectRow(Current);
        Window->Checkmenus();
        QCOMPARE(Action("mnuEditCopy")->isEnabled(), Has);
        for (const char* name : {"mnuEditEdit", "mnuEditDelete"}) {
            QCOMPARE(Action(name)->isEnabled(), Has);
            QCOMPARE(ButtonEnabled(name), Has);
        }
        QCOMPARE(Action("mnuEditMoveUp")->isEnabled(), Up);
        QCOMPARE(ButtonEnabled("mnuEditMoveUp"), Up);
        QCOMPARE(Action("mnuEditMoveDown")->isEnabled(), Down);
        QCOMPARE(ButtonEnabled("mnuEditMoveDown"), Down);
        // Never touched by the item list.
        for (const char* name :
             {"mnuEditAdd", "mnuEditAddSection", "mnuEditReplace", "mnuEditSwap", "mnuFileBuild"})
            QVERIFY(Action(name)->isEnabled());
    }

    void checkmenusFollowsTheCurrentRow() {
        Window->Doc().Items.ReplaceAll(Rows(QStringLiteral("III")));
        Window->SelectRow(1);
        Window->Checkmenus();
        QVERIFY(!Action("mnuEditMoveUp")->isEnabled());
        Items()->setFocus();
        QTest::keyClick(Items(), Qt::Key_End);
        QCOMPARE(Window->SelectedRow(), 3);
        QVERIFY(Action("mnuEditMoveUp")->isEnabled());
        QVERIFY(!Action("mnuEditMoveDown")->isEnabled());
    }

    void runNeedsABuiltPage_data() {
        QTest::addColumn<QString>("HtmlFile");
        QTest::addColumn<bool>("Enabled");
        static QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("Tools.htm"));
        QVERIFY(TestFiles::Write(page, "<html></html>"));
        QTest::newRow("empty") << "" << false;
        QTest::newRow("missing file") << dir.filePath(QStringLiteral("gone.htm")) << false;
        QTest::newRow("a folder") << dir.path() << false;
        QTest::newRow("built page") << page << true;
    }
    void runNeedsABuiltPage() {
        QFETCH(QString, HtmlFile);
        QFETCH(bool, Enabled);
        QVERIFY(!Action("mnuFileRun")->isEnabled());
        QVERIFY(!Action("mnuFileShortcut")->isEnabled());
        Window->Doc().WriteProp(QStringLiteral("(HTML File)"), HtmlFile);
        Window->Checkmenus();
        QCOMPARE(Action("mnuFileRun")->isEnabled(), Enabled);
        QCOMPARE(Action("mnuFileShortcut")->isEnabled(), Enabled);
    }

    void menus_data() {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("Caption");
        QTest::addColumn<QKeySequence>("Shortcut");
        const struct {
            const char* Name;
            const char* Caption;
            const char* Keys;
        } table[] = {
            {"mnuFileNew", "&New", "Ctrl+N"},
            {"mnuFileOpen", "&Open...", "Ctrl+O"},
            {"mnuFileSave", "&Save", "Ctrl+S"},
            {"mnuFileSaveAs", "Save &As...", "Ctrl+B"},
            {"mnuFileImport", "&Import Quintor File Items...", "F11"},
            {"mnuFileBuild", "&Build...", "F3"},
            {"mnuFileRun", "&Run...", "Ctrl+R"},
            {"mnuFileShortcut", "Create Shortcut on &Desktop...", "Ctrl+E"},
            {"mnuFileExit", "E&xit", ""},
            {"mnuEditCopy", "&Copy and paste", "F12"},
            {"mnuEditAdd", "&Add icon...", "F4"},
            {"mnuEditAddSection", "Add se&ction (above selected item)...", "F7"},
            {"mnuEditEdit", "&Edit selected item...", "F2"},
            {"mnuEditDelete", "&Delete selected item...", "F8"},
            {"mnuEditMoveUp", "Move &up", "Ctrl+U"},
            {"mnuEditMoveDown", "Move do&wn", "Ctrl+D"},
            {"mnuEditReplace", "&Rep&lace...", "Ctrl+H"},
            {"mnuEditSwap", "&Swap Columns...", "F6"},
            {"mnuEditProperty", "Edit &property...", "Ctrl+P"},
            {"mnuEditReset", "&Reset properties...", "F9"},
            {"mnuHelpContents", "&Contents", ""},
            {"mnuHelpFeedback", "&Send feedback...", "Ctrl+F1"},
            {"mnuHelpAbout", "&About...", "Ctrl+F2"},
        };
        for (const auto& row : table)
            QTest::newRow(row.Name)
                << row.Name << row.Caption << QKeySequence(QLatin1String(row.Keys));
    }
    void menus() {
        QFETCH(QString, Name);
        QFETCH(QString, Caption);
        QFETCH(QKeySequence, Shortcut);
        const QAction* action = Action(qPrintable(Name));
        QCOMPARE(action->text(), Caption);
        QCOMPARE(action->shortcut(), Shortcut);
    }

    void toolbar() {
        auto* bar = Window->findChild<QToolBar*>(QStringLiteral("tbMain"));
        const QList<QAction*> buttons = bar->actions();
        const QStringList expected = {
            "mnuFileNew", "mnuFileOpen",   "mnuFileSave",       "-",           "mnuFileBuild",
            "-",          "mnuEditAdd",    "mnuEditAddSection", "mnuEditEdit", "mnuEditDelete",
            "-",          "mnuEditMoveUp", "mnuEditMoveDown"};
        const QStringList tips = {"New (Ctrl+N)",
                                  "Open (Ctrl+O)",
                                  "Save (Ctrl+S)",
                                  "",
                                  "Build (F3)",
                                  "",
                                  "Add icon (F4)",
                                  "Add section (above selected item) (F7)",
                                  "Edit (F2)",
                                  "Delete (F8)",
                                  "",
                                  "Move up (Ctrl+U)",
                                  "Move down (Ctrl+D)"};
        QCOMPARE(buttons.size(), 13);
        for (int i = 0; i < 13; ++i) {
            const QAction* button = buttons[i];
            if (expected[i] == QLatin1String("-")) {
                QVERIFY2(button->isSeparator(), qPrintable(QString::number(i + 1)));
                continue;
            }
            QCOMPARE(button->objectName(), expected[i]);
            QCOMPARE(button->toolTip(), tips[i]);
            QVERIFY2(!button->icon().pixmap(24, 24).isNull(), qPrintable(expected[i]));
        }
    }

    void tabs() {
        auto* tabs = Window->findChild<QTabWidget*>(QStringLiteral("tabMain"));
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->tabText(0), QStringLiteral("&Icons"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("&Properties"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("&HTML"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("P&review"));
        QVERIFY(Window->HtmlView().toPlainText().isEmpty());
        QVERIFY(Window->PreviewHost().layout());
        QVERIFY(Window->HtmlView().font().fixedPitch() ||
                QFontInfo(Window->HtmlView().font()).fixedPitch());
    }

    // The item columns share the list's width, whatever the window's size; the
    // property columns keep theirs.
    void layout_data() {
        QTest::addColumn<QSize>("Size");
        QTest::newRow("design size") << QSize(660, 420);
        QTest::newRow("wide") << QSize(1200, 700);
        QTest::newRow("tiny") << QSize(40, 30);
    }
    void layout() {
        QFETCH(QSize, Size);
        Window->resize(Size);
        QCoreApplication::processEvents();
        const int share = std::max(static_cast<int>(Items()->viewport()->width() / 7.1),
                                   Items()->header()->minimumSectionSize());
        for (int c = 0; c < 7; ++c)
            QCOMPARE(Items()->columnWidth(c), share);
        auto* props = Window->findChild<QTreeView*>(QStringLiteral("lvProp"));
        QCOMPARE(props->columnWidth(0), 235);
        QCOMPARE(props->columnWidth(1), 640);
    }

    void inPlaceEdit_data() {
        QTest::addColumn<QString>("Layout");
        QTest::addColumn<QString>("Typed");
        QTest::addColumn<bool>("EditorOpens");
        QTest::addColumn<QString>("Description");
        QTest::newRow("renamed") << "II"
                                 << "Renamed" << true << "Renamed";
        QTest::newRow("made a section") << "II"
                                        << "SECTION:x" << true << "Item 1";
        QTest::newRow("lower-case section word") << "II"
                                                 << "section:x" << true << "section:x";
        QTest::newRow("section row") << "SI"
                                     << "Renamed" << false << "";
    }
    void inPlaceEdit() {
        QFETCH(QString, Layout);
        QFETCH(QString, Typed);
        QFETCH(bool, EditorOpens);
        QFETCH(QString, Description);
        Window->Doc().Items.ReplaceAll(Rows(Layout));
        const QString before = Window->Doc().Items.Cell(1, cellDescription);
        Window->SelectRow(1);
        QSignalSpy sectionEdits(Items(), &ItemListView::SectionEditRequested);
        Items()->edit(Window->Doc().Items.index(0, cellDescription));
        auto* editor = Items()->findChild<QLineEdit*>();
        QCOMPARE(editor != nullptr && editor->isVisible(), EditorOpens);
        QCOMPARE(sectionEdits.count(), EditorOpens ? 0 : 1);
        if (!EditorOpens) {
            QCOMPARE(Window->Doc().Items.Cell(1, cellDescription), before);
            return;
        }
        editor->setText(Typed);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the view commits after the key
        QCOMPARE(Window->Doc().Items.Cell(1, cellDescription), Description);
        QCOMPARE(Window->Doc().Changed, Description != before);
    }

    void deselectKeepsTheCurrentRow() {
        Window->Doc().Items.ReplaceAll(Rows(QStringLiteral("IIII")));
        Window->SelectRow(2);
        Window->SetRowSelected(1, true);
        Window->SetRowSelected(4, true);
        QCOMPARE(Window->SelectedRows(), (QList<int>{1, 2, 4}));
        Window->Deselect();
        QCOMPARE(Window->SelectedRows(), QList<int>{2});
        QCOMPARE(Window->SelectedRow(), 2);
    }

    void resetPropertiesClearsTheirSelection() {
        auto* props = Window->findChild<QTreeView*>(QStringLiteral("lvProp"));
        props->selectionModel()->select(Window->Doc().Props.index(4, 0),
                                        QItemSelectionModel::ClearAndSelect |
                                            QItemSelectionModel::Rows);
        Window->SetPropertyCommandEnabled(true);
        QCOMPARE(Window->SelectedPropertyRow(), 5);
        Window->Doc().Propulate();
        QCOMPARE(Window->SelectedPropertyRow(), 0);
        QVERIFY(!Action("mnuEditProperty")->isEnabled());
    }

    void helpFileMissingSaysWhereItWasExpected() {
        QVERIFY(Window->HelpFile().endsWith(QStringLiteral("/qtedit2.chm")));
        Action("mnuHelpContents")->trigger();
        QCOMPARE(Dialogs->Messages.size(), 1);
        QVERIFY(Dialogs->LastMessage().Text.contains(Window->HelpFile()));
    }

    void aboutBox() {
        QString version, title;
        Dialogs->ModalScripts << [&](QDialog& box) {
            version = box.findChild<QLabel*>(QStringLiteral("lblVersion"))->text();
            title = box.findChild<QLabel*>(QStringLiteral("lblTitle"))->text();
            box.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            return box.result();
        };
        Action("mnuHelpAbout")->trigger();
        QCOMPARE(Dialogs->ModalWindows, QStringList{QStringLiteral("frmAbout")});
        QCOMPARE(title, QStringLiteral("Quintor Editor"));
        QCOMPARE(version, QStringLiteral("Version %1.%2.%3")
                              .arg(QUINTOR_VERSION_MAJOR)
                              .arg(QUINTOR_VERSION_MINOR)
                              .arg(QUINTOR_VERSION_PATCH));
    }
};

QTEST_MAIN(TestFrmQTEWindow)
#include "test_frmQTE_window.moc"
