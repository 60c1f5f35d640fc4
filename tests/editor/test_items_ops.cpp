#include "editor/ItemTestRows.h"
#include "items/ui/ItemCommands.h"
#include "support/DialogLines.h"

using namespace ItemTestRows;

class TestItemOps : public QObject {
    Q_OBJECT
private slots:
    // Commands run in turn, each one of several changing the list; "delete,No" answers No.
    void commands_data() {
        Texts({"commands", "before", "after"});
        // clang-format off
        QTest::newRow("worked example, down") << "down" << "[#A] a1 a2 #B b1 #C c1*" << "#B b1 [#A] a1 a2 #C c1";
        QTest::newRow("worked example, up") << "up" << "#A a1 a2 [#B] b1 #C c1" << "[#B] b1 #A a1 a2 #C c1";
        QTest::newRow("next block runs to the end") << "down" << "[#A] a1 #B b1 b2" << "#B b1 b2 [#A] a1";
        QTest::newRow("empty section down") << "down" << "[#A] #B b1 #C" << "#B b1 [#A] #C";
        QTest::newRow("empty section up") << "up" << "#A a1 [#B] #C c1" << "[#B] #A a1 #C c1";
        QTest::newRow("up and down again") << "up down" << "i1 i2 #A a1 a2 [#B] b1 #C c1" << "i1 i2 #A a1 a2 [#B] b1 #C c1";
        QTest::newRow("first section, leading block above") << "up" << "i1 [#A] a1 #B" << "i1 [#A] a1 #B";
        QTest::newRow("last section down") << "down" << "a* #A a1 [#B] b1" << "a* #A a1 [#B] b1";
        QTest::newRow("item up past its section") << "up" << "#A [a1]" << "[a1] #A";
        QTest::newRow("first item up") << "up" << "[x] y" << "[x] y";
        QTest::newRow("last item down") << "down" << "x [y]" << "x [y]";
        QTest::newRow("delete, row 1 joins") << "delete" << "a b c* [d]" << "[a] b c*";
        QTest::newRow("delete the only row") << "delete" << "[a]" << "";
        QTest::newRow("delete a section row, not its block") << "delete" << "[#A] a1 #B" << "[a1] #B";
        QTest::newRow("delete answered No") << "delete,No" << "[a] b*" << "[a] b*";
        QTest::newRow("copy, three selected") << "copy" << "a* [b] c* d e" << "a [b] c d e b";
        // clang-format on
    }
    void commands() {
        const QString commands = Fetch("commands"), after = Fetch("after");
        QString before = Fetch("before");
        FakeEditorContext ctx;
        Fill(ctx, before);
        ctx.Tab = 3;
        ctx.Scripted.MsgAnswers << (commands == "delete" ? MsgAnswer::Yes : MsgAnswer::No);
        const bool deletes = commands.startsWith(QLatin1String("delete"));
        const QStringList steps = commands.split(' ');
        for (const QString& step : steps)
            deletes          ? ItemCommands::mnuEditDelete_Click(ctx)
            : step == "copy" ? ItemCommands::mnuEditCopy_Click(ctx)
            : step == "up"   ? ItemCommands::mnuEditMoveUp_Click(ctx)
                             : ItemCommands::mnuEditMoveDown_Click(ctx);
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Words(ctx), after);
        if (after.isEmpty())
            QCOMPARE(ctx.SelectedRow(), 0);
        const bool changed = steps.size() > 1 || before.remove('*') != QString(after).remove('*');
        QCOMPARE(ctx.Document.Changed(), changed);
        QCOMPARE(ctx.CheckmenusCalls, changed ? int(steps.size()) : 0);
        QCOMPARE(QString::number(ctx.Scripted.Messages.size()) + ' ' +
                     MessageLine(ctx.Scripted.LastMessage()),
                 deletes ? "1 Question YesNo Delete Icon(s): Are you sure you want to delete the "
                           "selected item?"
                         : "0 None OK : ");
    }
};

QTEST_MAIN(TestItemOps)
#include "test_items_ops.moc"
