#include "FakeEditorContext.h"
#include "ItemCommands.h"
#include "ItemListOps.h"
#include "ItemTestRows.h"

#include <QtTest>

using ItemTestRows::Fill;
using ItemTestRows::Words;

class TestItemOps : public QObject {
    Q_OBJECT
private slots:
    void moves_data();
    void moves();
    void sectionUpThenDownRestores();
    void moveCommands_data();
    void moveCommands();
    void deleteCommand_data();
    void deleteCommand();
    void deleteAnsweredNo();
    void copyCommand_data();
    void copyCommand();
    void commandsWithoutCurrentRow();
    void addPositions_data();
    void addPositions();
};

void TestItemOps::moves_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("pos");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("current");
    QTest::newRow("worked example, down")
        << "#A a1 a2 #B b1 #C c1" << 1 << false << "#B b1 #A a1 a2 #C c1" << 3;
    QTest::newRow("worked example, up")
        << "#A a1 a2 #B b1 #C c1" << 4 << true << "#B b1 #A a1 a2 #C c1" << 1;
    QTest::newRow("next block runs to the end")
        << "#A a1 #B b1 b2" << 1 << false << "#B b1 b2 #A a1" << 4;
    QTest::newRow("empty section down") << "#A #B b1 #C" << 1 << false << "#B b1 #A #C" << 3;
    QTest::newRow("empty section up") << "#A a1 #B #C c1" << 3 << true << "#B #A a1 #C c1" << 1;
    QTest::newRow("middle blocks after a leading block")
        << "i1 #A a1 #B b1 b2 #C" << 4 << true << "i1 #B b1 b2 #A a1 #C" << 2;
    QTest::newRow("first section never swaps with the leading block")
        << "i1 #A a1 #B" << 2 << true << "i1 #A a1 #B" << 2;
    QTest::newRow("last section down") << "#A a1 #B b1" << 3 << false << "#A a1 #B b1" << 3;
    QTest::newRow("only section") << "#A a1" << 1 << false << "#A a1" << 1;
    QTest::newRow("item up past its section row") << "#A a1" << 2 << true << "a1 #A" << 1;
    QTest::newRow("item down into the next section") << "x #A a1" << 1 << false << "#A x a1" << 2;
    QTest::newRow("next-to-last item down") << "x y z" << 2 << false << "x z y" << 3;
    QTest::newRow("first item up") << "x y" << 1 << true << "x y" << 1;
    QTest::newRow("last item down") << "x y" << 2 << false << "x y" << 2;
    QTest::newRow("row beyond the list") << "x y" << 3 << true << "x y" << 0;
}

void TestItemOps::moves() {
    QFETCH(QString, rows);
    QFETCH(int, pos);
    QFETCH(bool, up);
    QFETCH(QString, after);
    QFETCH(int, current);
    ItemRows items;
    Fill(items, rows);
    const RowSelection result =
        up ? ItemListOps::MoveUp(items, pos) : ItemListOps::MoveDown(items, pos);
    QCOMPARE(Words(items), after);
    QCOMPARE(result.Current, current);
    QCOMPARE(result.Changed, after != rows);
    QVERIFY(result.Others.isEmpty());
}

void TestItemOps::sectionUpThenDownRestores() {
    const QString rows = QStringLiteral("i1 i2 #A a1 a2 #B #C c1 c2 c3 #D d1 #E");
    ItemRows items;
    Fill(items, rows);
    for (int pos = 1; pos <= items.Count(); ++pos) {
        if (!items.IsSection(pos))
            continue;
        const RowSelection up = ItemListOps::MoveUp(items, pos);
        if (!up.Changed)
            continue;
        QVERIFY(items.IsSection(up.Current));
        const RowSelection down = ItemListOps::MoveDown(items, up.Current);
        QVERIFY(down.Changed);
        QCOMPARE(Words(items), rows);
        QCOMPARE(down.Current, pos);
    }
}

void TestItemOps::moveCommands_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("pos");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("current");
    QTest::newRow("section down") << "#A a1 a2 #B b1 #C c1" << 1 << false << "#B b1 #A a1 a2 #C c1"
                                  << 3;
    QTest::newRow("section up") << "#A a1 a2 #B b1 #C c1" << 4 << true << "#B b1 #A a1 a2 #C c1"
                                << 1;
    QTest::newRow("item up") << "x y z" << 3 << true << "x z y" << 2;
    QTest::newRow("nothing to move") << "x y" << 2 << false << "x y" << 2;
}

void TestItemOps::moveCommands() {
    QFETCH(QString, rows);
    QFETCH(int, pos);
    QFETCH(bool, up);
    QFETCH(QString, after);
    QFETCH(int, current);
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, rows);
    ctx.SelectRow(pos);
    ctx.SetRowSelected(1, true);
    ctx.Tab = 3;
    up ? ItemCommands::mnuEditMoveUp_Click(ctx) : ItemCommands::mnuEditMoveDown_Click(ctx);
    QCOMPARE(ctx.Tab, 0);
    QCOMPARE(Words(ctx.Document.Items), after);
    const bool moved = after != rows;
    QCOMPARE(ctx.Document.Changed, moved);
    QCOMPARE(ctx.CheckmenusCalls, moved ? 1 : 0);
    QCOMPARE(ctx.SelectedRow(), current);
    if (moved)
        QCOMPARE(ctx.SelectedRows(), QList<int>{current});
}

void TestItemOps::deleteCommand_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QList<int>>("selectedAfter");
    QTest::newRow("three selected, focused one goes")
        << "a b c d" << 2 << QList<int>{1, 2, 3} << "a c d" << QList<int>{1, 2};
    QTest::newRow("row 1 joins the selection")
        << "a b c d" << 4 << QList<int>{3, 4} << "a b c" << QList<int>{1, 3};
    QTest::newRow("first row") << "a b" << 1 << QList<int>{1} << "b" << QList<int>{1};
    QTest::newRow("only row") << "a" << 1 << QList<int>{1} << "" << QList<int>{};
    QTest::newRow("section row alone, not its block")
        << "#A a1 #B" << 1 << QList<int>{1} << "a1 #B" << QList<int>{1};
}

void TestItemOps::deleteCommand() {
    QFETCH(QString, rows);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QFETCH(QString, after);
    QFETCH(QList<int>, selectedAfter);
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, rows);
    ctx.Current = current;
    ctx.Selection = selected;
    ctx.Scripted.MsgAnswers << MsgAnswer::Yes;
    ItemCommands::mnuEditDelete_Click(ctx);
    QCOMPARE(Words(ctx.Document.Items), after);
    QCOMPARE(ctx.SelectedRows(), selectedAfter);
    QCOMPARE(ctx.SelectedRow(), selectedAfter.isEmpty() ? 0 : 1);
    QVERIFY(ctx.Document.Changed);
    QCOMPARE(ctx.CheckmenusCalls, 1);
}

void TestItemOps::deleteAnsweredNo() {
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "a b");
    ctx.SelectRow(2);
    ctx.Tab = 1;
    ctx.Scripted.MsgAnswers << MsgAnswer::No;
    ItemCommands::mnuEditDelete_Click(ctx);
    QCOMPARE(ctx.Tab, 0);
    QCOMPARE(Words(ctx.Document.Items), QStringLiteral("a b"));
    QVERIFY(!ctx.Document.Changed);
    QCOMPARE(ctx.Scripted.Messages.size(), 1);
    const auto message = ctx.Scripted.LastMessage();
    QCOMPARE(message.Text, QStringLiteral("Are you sure you want to delete the selected item?"));
    QCOMPARE(message.Title, QStringLiteral("Delete Icon(s)"));
    QCOMPARE(message.Buttons, MsgButtons::YesNo);
    QCOMPARE(message.Icon, MsgIcon::Question);
}

void TestItemOps::copyCommand_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("after");
    QTest::newRow("row 2 of five") << "a b c d e" << 2 << "a b c d e b";
    QTest::newRow("section row") << "#A a1 #B" << 1 << "#A a1 #B #A";
    QTest::newRow("last row") << "a b" << 2 << "a b b";
}

void TestItemOps::copyCommand() {
    QFETCH(QString, rows);
    QFETCH(int, current);
    QFETCH(QString, after);
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, rows);
    ctx.Current = current;
    ctx.Selection = {1, current, 3};
    ItemCommands::mnuEditCopy_Click(ctx);
    QCOMPARE(Words(ctx.Document.Items), after);
    QCOMPARE(ctx.Document.Items.Row(ctx.Document.Items.Count()), ctx.Document.Items.Row(current));
    QCOMPARE(ctx.SelectedRow(), current);
    QCOMPARE(ctx.SelectedRows(), QList<int>{current});
    QVERIFY(ctx.Document.Changed);
    QCOMPARE(ctx.CheckmenusCalls, 1);
}

void TestItemOps::commandsWithoutCurrentRow() {
    // Reachable only when the menus are out of step; nothing may change or break.
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "a b");
    ctx.Current = 5;
    ctx.Scripted.MsgAnswers << MsgAnswer::Yes;
    ItemCommands::mnuEditDelete_Click(ctx);
    ItemCommands::mnuEditCopy_Click(ctx);
    ItemCommands::mnuEditMoveUp_Click(ctx);
    ItemCommands::mnuEditMoveDown_Click(ctx);
    ItemCommands::mnuEditEdit_Click(ctx);
    QCOMPARE(Words(ctx.Document.Items), QStringLiteral("a b"));
    QVERIFY(!ctx.Document.Changed);
    QVERIFY(ctx.Scripted.Messages.isEmpty());
    QVERIFY(ctx.Scripted.ModalWindows.isEmpty());
}

void TestItemOps::addPositions_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("atBottom");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("section");
    QTest::newRow("below the selected row") << 3 << 2 << false << 3 << 2;
    QTest::newRow("at the bottom") << 3 << 2 << true << 4 << 2;
    QTest::newRow("empty list") << 0 << 0 << false << 1 << 1;
    QTest::newRow("empty list, at the bottom") << 0 << 0 << true << 1 << 1;
    QTest::newRow("no selected row") << 3 << 0 << false << 4 << 4;
    QTest::newRow("selected row gone") << 3 << 9 << false << 4 << 4;
    QTest::newRow("last row selected") << 3 << 3 << false << 4 << 3;
}

void TestItemOps::addPositions() {
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(bool, atBottom);
    QFETCH(int, item);
    QFETCH(int, section);
    QCOMPARE(ItemListOps::AddItemPosition(count, selected, atBottom), item);
    QCOMPARE(ItemListOps::AddSectionPosition(count, selected), section);
}

QTEST_MAIN(TestItemOps)
#include "test_items_ops.moc"
