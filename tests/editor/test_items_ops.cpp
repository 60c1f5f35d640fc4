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
    void commands_data();
    void commands();
    void sectionUpThenDownRestores();
    void commandsWithoutCurrentRow();
};

void TestItemOps::commands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("currentAfter");
    QTest::addColumn<QList<int>>("selectedAfter");
    using L = QList<int>;
    const QString ex = QStringLiteral("#A a1 a2 #B b1 #C c1");
    const QString exMoved = QStringLiteral("#B b1 #A a1 a2 #C c1");
    // clang-format off
    QTest::newRow("worked example, down") << "down" << ex << 1 << L{1, 7} << exMoved << 3 << L{3};
    QTest::newRow("worked example, up") << "up" << ex << 4 << L{1, 4} << exMoved << 1 << L{1};
    QTest::newRow("next block runs to the end") << "down" << "#A a1 #B b1 b2" << 1 << L{1} << "#B b1 b2 #A a1" << 4 << L{4};
    QTest::newRow("empty section down") << "down" << "#A #B b1 #C" << 1 << L{1} << "#B b1 #A #C" << 3 << L{3};
    QTest::newRow("empty section up") << "up" << "#A a1 #B #C c1" << 3 << L{3} << "#B #A a1 #C c1" << 1 << L{1};
    QTest::newRow("after a leading block") << "up" << "i1 #A a1 #B b1 #C" << 4 << L{4} << "i1 #B b1 #A a1 #C" << 2 << L{2};
    QTest::newRow("first section, leading block above") << "up" << "i1 #A a1 #B" << 2 << L{2} << "i1 #A a1 #B" << 2 << L{2};
    QTest::newRow("last section down") << "down" << "#A a1 #B b1" << 3 << L{1, 3} << "#A a1 #B b1" << 3 << L{1, 3};
    QTest::newRow("item up past its section") << "up" << "#A a1" << 2 << L{2} << "a1 #A" << 1 << L{1};
    QTest::newRow("item into the next section") << "down" << "x #A a1" << 1 << L{1} << "#A x a1" << 2 << L{2};
    QTest::newRow("first item up") << "up" << "x y" << 1 << L{1} << "x y" << 1 << L{1};
    QTest::newRow("last item down") << "down" << "x y" << 2 << L{2} << "x y" << 2 << L{2};
    QTest::newRow("delete, three selected") << "delete" << "a b c d" << 2 << L{1, 2, 3} << "a c d" << 1 << L{1, 2};
    QTest::newRow("delete, row 1 joins") << "delete" << "a b c d" << 4 << L{3, 4} << "a b c" << 1 << L{1, 3};
    QTest::newRow("delete the only row") << "delete" << "a" << 1 << L{1} << "" << 0 << L{};
    QTest::newRow("delete a section row") << "delete" << "#A a1 #B" << 1 << L{1} << "a1 #B" << 1 << L{1};
    QTest::newRow("delete answered No") << "delete, No" << "a b" << 1 << L{1, 2} << "a b" << 1 << L{1, 2};
    QTest::newRow("copy, three selected") << "copy" << "a b c d e" << 2 << L{1, 2, 3} << "a b c d e b" << 2 << L{2};
    QTest::newRow("copy a section row") << "copy" << "#A a1 #B" << 1 << L{1, 3} << "#A a1 #B #A" << 1 << L{1};
    // clang-format on
}

// Through the commands, which apply the selection the core operation returns.
void TestItemOps::commands() {
    QFETCH(QString, command);
    QFETCH(QString, rows);
    QFETCH(int, current);
    QFETCH(QList<int>, selected);
    QFETCH(QString, after);
    QFETCH(int, currentAfter);
    QFETCH(QList<int>, selectedAfter);
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, rows);
    ctx.Current = current;
    ctx.Selection = selected;
    ctx.Tab = 3;
    ctx.Scripted.MsgAnswers << (command == "delete" ? MsgAnswer::Yes : MsgAnswer::No);
    const bool deletes = command.startsWith(QLatin1String("delete"));
    deletes             ? ItemCommands::mnuEditDelete_Click(ctx)
    : command == "copy" ? ItemCommands::mnuEditCopy_Click(ctx)
    : command == "up"   ? ItemCommands::mnuEditMoveUp_Click(ctx)
                        : ItemCommands::mnuEditMoveDown_Click(ctx);
    QCOMPARE(ctx.Tab, 0);
    QCOMPARE(Words(ctx.Document.Items), after);
    QCOMPARE(ctx.SelectedRow(), currentAfter);
    QCOMPARE(ctx.SelectedRows(), selectedAfter);
    QCOMPARE(ctx.Document.Changed, after != rows);
    QCOMPARE(ctx.CheckmenusCalls, after != rows ? 1 : 0);
    QCOMPARE(ctx.Scripted.Messages.size(), deletes ? 1 : 0);
    if (deletes) {
        const auto message = ctx.Scripted.LastMessage();
        QCOMPARE(message.Text,
                 QStringLiteral("Are you sure you want to delete the selected item?"));
        QCOMPARE(message.Title, QStringLiteral("Delete Icon(s)"));
        QCOMPARE(message.Buttons, MsgButtons::YesNo);
        QCOMPARE(message.Icon, MsgIcon::Question);
    }
}

void TestItemOps::sectionUpThenDownRestores() {
    const QString rows = QStringLiteral("i1 i2 #A a1 a2 #B #C c1 c2 c3 #D d1 #E");
    ItemRows items;
    Fill(items, rows);
    for (int pos = 4; pos <= items.Count(); ++pos) {
        if (!items.IsSection(pos))
            continue;
        const RowSelection up = ItemListOps::MoveUp(items, pos);
        QVERIFY(up.Changed && items.IsSection(up.Current));
        const RowSelection down = ItemListOps::MoveDown(items, up.Current);
        QVERIFY(down.Changed);
        QCOMPARE(Words(items), rows);
        QCOMPARE(down.Current, pos);
    }
}

void TestItemOps::commandsWithoutCurrentRow() {
    // Reachable only when the menus are out of step; nothing may change or break.
    FakeEditorContext ctx;
    Fill(ctx.Document.Items, "a b");
    ctx.Current = 5;
    for (auto command : {ItemCommands::mnuEditDelete_Click, ItemCommands::mnuEditCopy_Click,
                         ItemCommands::mnuEditMoveUp_Click, ItemCommands::mnuEditMoveDown_Click,
                         ItemCommands::mnuEditEdit_Click})
        command(ctx);
    QCOMPARE(Words(ctx.Document.Items), QStringLiteral("a b"));
    QVERIFY(!ctx.Document.Changed);
    QVERIFY(ctx.Scripted.Messages.isEmpty());
    QVERIFY(ctx.Scripted.ModalWindows.isEmpty());
}

QTEST_MAIN(TestItemOps)
#include "test_items_ops.moc"
