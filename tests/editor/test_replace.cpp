// Replace All in item columns: its lower-casing rules, section rows, and the window.
#include "ColumnReplace.h"
#include "FakeEditorContext.h"
#include "ReplaceCommands.h"
#include "frmReplace.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

using Rows = QVector<QStringList>; // seven cells per row

const QString Section = QStringLiteral("SECTION:C{c}\\Old;Columns:5;Icon size:32;Icons above:True;"
                                       "Table border:False");

// Command, Start In and Comments carry the texts the cases look at; every row has
// upper-case letters elsewhere, to show what lower-casing reaches.
Rows Table() {
    return {
        {"Editor", "C:\\OLD\\App.exe", "-X", "C:\\Old", "E.ico", "Normal Window", "Note"},
        {Section, "C:\\Old\\In.exe", "", "", "", "", ""},
        {"Exact", "C:\\Old\\Tool.exe", "", "", "", "Hidden", ""},
        {"Other", "D:\\Keep\\Z.EXE", "", "", "", "Hyperlink", ""},
    };
}

void Load(ItemRows& Items, const Rows& Table) {
    QVector<LauncherItem> rows;
    for (const QStringList& cells : Table) {
        LauncherItem item;
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            item[c] = cells.value(c);
        rows.append(item);
    }
    Items.ReplaceAll(rows);
}

Rows Dump(const ItemRows& Items) {
    Rows rows;
    for (const LauncherItem& item : Items.All())
        rows.append(QStringList(item.Cells.begin(), item.Cells.end()));
    return rows;
}

// Table() with some cells changed: {row, cell, text}.
struct Change {
    int Row;
    int Cell;
    QString Text;
};
Rows TableWith(std::initializer_list<Change> Changes) {
    Rows rows = Table();
    for (const Change& c : Changes)
        rows[c.Row - 1][c.Cell] = c.Text;
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(Rows)

class TestReplace : public QObject {
    Q_OBJECT

private slots:
    void replaceAll_data() {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("cells");
        QTest::addColumn<Rows>("expected");
        QTest::addColumn<bool>("changed");

        // Without "Match case" every checked cell of every item row ends in lower case.
        QTest::newRow("case folded, Command") << "c:\\OLD"
                                              << "D:\\New" << false << QList<int>{cellCommand}
                                              << TableWith({{1, cellCommand, "D:\\New\\app.exe"},
                                                            {3, cellCommand, "D:\\New\\tool.exe"},
                                                            {4, cellCommand, "d:\\keep\\z.exe"}})
                                              << true;
        QTest::newRow("match case, Command")
            << "C:\\Old"
            << "D:\\New" << true << QList<int>{cellCommand}
            << TableWith({{3, cellCommand, "D:\\New\\Tool.exe"}}) << true;
        QTest::newRow("empty find fills empty cells")
            << ""
            << "none" << true << QList<int>{cellComments}
            << TableWith({{3, cellComments, "none"}, {4, cellComments, "none"}}) << true;
        QTest::newRow("empty find, case folded")
            << ""
            << "None" << false << QList<int>{cellComments, cellStartIn}
            << TableWith({{1, cellComments, "note"},
                          {1, cellStartIn, "c:\\old"},
                          {3, cellComments, "None"},
                          {3, cellStartIn, "None"},
                          {4, cellComments, "None"},
                          {4, cellStartIn, "None"}})
            << true;
        QTest::newRow("empty by empty still counts as a change")
            << ""
            << "" << true << QList<int>{cellDescription, cellCommand, cellParameters,
                                        cellStartIn,     cellIcon,    cellComments}
            << Table() << true;
        QTest::newRow("no column checked") << "C:\\Old"
                                           << "X" << false << QList<int>{} << Table() << false;
        QTest::newRow("the Run cell is never offered")
            << "Window"
            << "X" << true << QList<int>{cellRun} << Table() << false;
        QTest::newRow("several columns, no match")
            << "zzz"
            << "X" << false << QList<int>{cellDescription, cellIcon}
            << TableWith({{1, cellDescription, "editor"},
                          {1, cellIcon, "e.ico"},
                          {3, cellDescription, "exact"},
                          {4, cellDescription, "other"}})
            << true;
        // Every occurrence is replaced once: the replacement is not searched again.
        QTest::newRow("replacement holds the find text")
            << "t"
            << "tt" << true << QList<int>{cellDescription}
            << TableWith({{1, cellDescription, "Edittor"},
                          {3, cellDescription, "Exactt"},
                          {4, cellDescription, "Otther"}})
            << true;
    }
    void replaceAll() {
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, cells);
        QFETCH(Rows, expected);
        QFETCH(bool, changed);
        ItemRows items;
        Load(items, Table());
        QCOMPARE(ColumnReplace::ReplaceAll(items, {find, replacement, matchCase, cells}), changed);
        QCOMPARE(Dump(items), expected);
    }

    void emptyListIsNoChange() {
        ItemRows items;
        QVERIFY(!ColumnReplace::ReplaceAll(items, {"a", "b", false, {cellCommand}}));
    }

    // The window: non-modal, owned by the main window, reopened with its entries,
    // closed by the tab switch, forgetting its entries when closed.
    void window() {
        FakeEditorContext ctx;
        Load(ctx.Document.Items, Table());
        ctx.Tab = 3;
        ReplaceCommands::mnuEditReplace_Click(ctx);
        QCOMPARE(ctx.Tab, 0);
        auto* window = ctx.Window.findChild<frmReplace*>(QStringLiteral("frmReplace"));
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(window->windowTitle(), QStringLiteral("Replace"));
        QVERIFY(window->cmdReplace->isDefault());

        window->txtFind->setText(QStringLiteral("C:\\Old"));
        window->txtReplace->setText(QStringLiteral("E:\\"));
        window->chkCase->setChecked(true);
        window->chkCommand->setChecked(true);
        QTest::mouseClick(window->cmdReplace, Qt::LeftButton);
        QCOMPARE(ctx.Document.Items.Cell(3, cellCommand), QStringLiteral("E:\\\\Tool.exe"));
        QVERIFY(ctx.Document.Changed);
        QCOMPARE(ctx.CheckmenusCalls, 1);

        ReplaceCommands::mnuEditReplace_Click(ctx);
        QCOMPARE(ctx.Window.findChildren<frmReplace*>().size(), 1);
        QCOMPARE(ctx.Window.findChild<frmReplace*>(), window);
        QCOMPARE(window->txtFind->text(), QStringLiteral("C:\\Old"));
        QVERIFY(window->chkCommand->isChecked());

        QPointer<frmReplace> closing = window;
        ReplaceCommands::CloseReplaceWindow(ctx);
        QVERIFY(!closing->isVisible());
        // Reopened before the closed one is gone: a fresh window all the same.
        ReplaceCommands::mnuEditReplace_Click(ctx);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closing.isNull());
        window = ctx.Window.findChild<frmReplace*>();
        QVERIFY(window);
        QVERIFY(window->txtFind->text().isEmpty());
        QVERIFY(!window->chkCommand->isChecked());

        // Esc and Cancel close it too.
        QTest::keyClick(window, Qt::Key_Escape);
        ReplaceCommands::mnuEditReplace_Click(ctx);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(ctx.Window.findChildren<frmReplace*>().size(), 1);
        window = ctx.Window.findChild<frmReplace*>();
        QTest::mouseClick(window->cmdCancel, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!ctx.Window.findChild<frmReplace*>());
        ReplaceCommands::CloseReplaceWindow(ctx); // nothing open: nothing happens
    }

    void focusSelectsTheWholeText() {
        FakeEditorContext ctx;
        frmReplace window(ctx, &ctx.Window);
        for (QLineEdit* edit : {window.txtFind, window.txtReplace}) {
            edit->setText(QStringLiteral("some text"));
            edit->deselect();
            QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
            QCoreApplication::sendEvent(edit, &focus);
            QCoreApplication::processEvents();
            QCOMPARE(edit->selectedText(), QStringLiteral("some text"));
        }
    }
};

QTEST_MAIN(TestReplace)
#include "test_replace.moc"
