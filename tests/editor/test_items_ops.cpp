#include "ItemCommands.h"
#include "ItemListOps.h"
#include "ItemTestRows.h"

#include <QtTest>

using namespace ItemTestRows;

class TestItemOps : public QObject {
    Q_OBJECT
private slots:
    void commands_data() {
        QTest::addColumn<QString>("command"); // "delete" is answered Yes, "delete, No" No
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("worked example, down") << "down" << "[#A] a1 a2 #B b1 #C c1*" << "#B b1 [#A] a1 a2 #C c1";
        QTest::newRow("worked example, up") << "up" << "#A a1 a2 [#B] b1 #C c1" << "[#B] b1 #A a1 a2 #C c1";
        QTest::newRow("next block runs to the end") << "down" << "[#A] a1 #B b1 b2" << "#B b1 b2 [#A] a1";
        QTest::newRow("empty section down") << "down" << "[#A] #B b1 #C" << "#B b1 [#A] #C";
        QTest::newRow("empty section up") << "up" << "#A a1 [#B] #C c1" << "[#B] #A a1 #C c1";
        QTest::newRow("after a leading block") << "up" << "i1 #A a1 [#B] b1 #C" << "i1 [#B] b1 #A a1 #C";
        QTest::newRow("first section, leading block above") << "up" << "i1 [#A] a1 #B" << "i1 [#A] a1 #B";
        QTest::newRow("last section down") << "down" << "a* #A a1 [#B] b1" << "a* #A a1 [#B] b1";
        QTest::newRow("item up past its section") << "up" << "#A [a1]" << "[a1] #A";
        QTest::newRow("first item up") << "up" << "[x] y" << "[x] y";
        QTest::newRow("last item down") << "down" << "x [y]" << "x [y]";
        QTest::newRow("delete, row 1 joins") << "delete" << "a b c* [d]" << "[a] b c*";
        QTest::newRow("delete the only row") << "delete" << "[a]" << "";
        QTest::newRow("delete a section row, not its block") << "delete" << "[#A] a1 #B" << "[a1] #B";
        QTest::newRow("delete answered No") << "delete, No" << "[a] b*" << "[a] b*";
        QTest::newRow("copy, three selected") << "copy" << "a* [b] c* d e" << "a [b] c d e b";
        // clang-format on
    }
    void commands() {
        QFETCH(QString, command);
        QFETCH(QString, before);
        QFETCH(QString, after);
        FakeEditorContext ctx;
        Fill(ctx, before);
        ctx.Tab = 3;
        ctx.Scripted.MsgAnswers << (command == "delete" ? MsgAnswer::Yes : MsgAnswer::No);
        const bool deletes = command.startsWith(QLatin1String("delete"));
        deletes             ? ItemCommands::mnuEditDelete_Click(ctx)
        : command == "copy" ? ItemCommands::mnuEditCopy_Click(ctx)
        : command == "up"   ? ItemCommands::mnuEditMoveUp_Click(ctx)
                            : ItemCommands::mnuEditMoveDown_Click(ctx);
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Words(ctx), after);
        if (after.isEmpty())
            QCOMPARE(ctx.SelectedRow(), 0);
        const bool changed = before.remove('*') != QString(after).remove('*');
        QCOMPARE(ctx.Document.Changed, changed);
        QCOMPARE(ctx.CheckmenusCalls, changed ? 1 : 0);
        QCOMPARE(ctx.Scripted.Messages.size(), deletes ? 1 : 0);
        if (deletes) {
            const auto message = ctx.Scripted.LastMessage();
            QCOMPARE(message.Text, "Are you sure you want to delete the selected item?");
            QCOMPARE(message.Title, "Delete Icon(s)");
            QCOMPARE(message.Buttons, MsgButtons::YesNo);
            QCOMPARE(message.Icon, MsgIcon::Question);
        }
    }

    void sectionUpThenDownRestores() {
        const QString rows = QStringLiteral("i1 i2 #A a1 a2 #B #C c1 c2 c3 #D d1 #E");
        FakeEditorContext ctx;
        Fill(ctx, rows);
        ItemRows& items = ctx.Document.Items;
        for (int pos = 4; pos <= items.Count(); ++pos) {
            if (!items.IsSection(pos))
                continue;
            const RowSelection up = ItemListOps::MoveUp(items, pos);
            QVERIFY(up.Changed && items.IsSection(up.Current));
            const RowSelection down = ItemListOps::MoveDown(items, up.Current);
            QVERIFY(down.Changed);
            QCOMPARE(Words(ctx), rows);
            QCOMPARE(down.Current, pos);
        }
    }
};

QTEST_MAIN(TestItemOps)
#include "test_items_ops.moc"
