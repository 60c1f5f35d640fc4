// Swapping, moving and copying columns, and the option rules of the column dialog.
#include "ColumnOps.h"
#include "FakeEditorContext.h"
#include "SwapCommands.h"
#include "frmSwap.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Option index -> cell, written out here: Comments is cell 6, the Run cell 5 is skipped.
const int OptionCell[] = {0, 1, 2, 3, 4, 6};

QString Text(int Row, int Cell) {
    return QStringLiteral("r%1c%2").arg(Row).arg(Cell);
}

// Item rows with distinct texts in every cell and two section rows among them.
void Load(ItemRows& Items, int Count) {
    QVector<LauncherItem> rows;
    for (int r = 1; r <= Count; ++r) {
        LauncherItem item;
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            item[c] = Text(r, c);
        if (r == 1 || r == 4)
            item[cellDescription] = QStringLiteral("SECTION:S%1;Columns:5").arg(r);
        rows.append(item);
    }
    Items.ReplaceAll(rows);
}

} // namespace

class TestSwap : public QObject {
    Q_OBJECT

private slots:
    // Every operation over every ordered pair of distinct columns.
    void apply_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        const char* const names[] = {"swap", "move", "copy"};
        for (int op = 0; op < 3; ++op)
            for (int a = 0; a < ColumnOps::ColumnCount; ++a)
                for (int b = 0; b < ColumnOps::ColumnCount; ++b)
                    if (a != b)
                        QTest::addRow("%s %d to %d", names[op], a, b) << op << a << b;
    }
    void apply() {
        QFETCH(int, op);
        QFETCH(int, first);
        QFETCH(int, second);
        ItemRows items;
        Load(items, 6);
        const QVector<LauncherItem> before = items.All();
        ColumnOps::Apply(items, static_cast<ColumnOps::Operation>(op), first, second);
        const int a = OptionCell[first];
        const int b = OptionCell[second];
        for (int r = 1; r <= 6; ++r) {
            LauncherItem expected = before[r - 1];
            if (!expected.IsSection()) {
                expected[b] = before[r - 1][a];
                if (op == ColumnOps::opSwap)
                    expected[a] = before[r - 1][b];
                else if (op == ColumnOps::opMove)
                    expected[a].clear();
            }
            QCOMPARE(items.Row(r), expected);
        }
    }

    void sameColumnTwiceChangesNothing() {
        ItemRows items;
        Load(items, 3);
        const QVector<LauncherItem> before = items.All();
        for (int op = 0; op < 3; ++op)
            ColumnOps::Apply(items, static_cast<ColumnOps::Operation>(op), 2, 2);
        ColumnOps::Apply(items, ColumnOps::opMove, 0, 6);
        QCOMPARE(items.All(), before);
    }

    // No row limit: the rows past 32,000 are swapped like the first.
    void swapBeyond32000Rows() {
        ItemRows items;
        Load(items, 40000);
        ColumnOps::Apply(items, ColumnOps::opSwap, 0, 1);
        QCOMPARE(items.Cell(40000, cellDescription), Text(40000, cellCommand));
        QCOMPARE(items.Cell(40000, cellCommand), Text(40000, cellDescription));
        QCOMPARE(items.Cell(32001, cellCommand), Text(32001, cellDescription));
    }

    // Choosing first column k while the second column is s.
    void firstColumnRules_data() {
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("expectedSecond");
        QTest::newRow("Command over Command") << 1 << 1 << 0;
        QTest::newRow("Description over Description") << 0 << 0 << 1; // via Icon first
        QTest::newRow("Comments over Comments") << 5 << 5 << 0;
        QTest::newRow("different columns") << 3 << 2 << 3;
    }
    void firstColumnRules() {
        QFETCH(int, second);
        QFETCH(int, first);
        QFETCH(int, expectedSecond);
        FakeEditorContext ctx;
        frmSwap dialog(ctx);
        if (second == 0)
            dialog.optFC[4]->click(); // frees Description as a second column
        dialog.optSC[second]->click();
        QCOMPARE(dialog.SecondColumn(), second);
        dialog.optFC[first]->click();
        QCOMPARE(dialog.FirstColumn(), first);
        QCOMPARE(dialog.SecondColumn(), expectedSecond);
        for (int i = 0; i < ColumnOps::ColumnCount; ++i) {
            QCOMPARE(dialog.optSC[i]->isEnabled(), i != first);
            QCOMPARE(dialog.optSC[i]->isChecked(), i == expectedSecond);
        }
    }

    void initialState() {
        FakeEditorContext ctx;
        frmSwap dialog(ctx);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Swap Columns"));
        QVERIFY(dialog.optSwap[0]->isChecked());
        QVERIFY(dialog.optFC[0]->isChecked());
        QVERIFY(dialog.optSC[1]->isChecked());
        QVERIFY(!dialog.optSC[0]->isEnabled());
        QCOMPARE(dialog.optSC[5]->text(), QStringLiteral("Comment&s"));
        QVERIFY(dialog.cmdOK->isDefault());
        // Command first, then Description again: the second column goes back to Command.
        dialog.optFC[1]->click();
        QCOMPARE(dialog.SecondColumn(), 0);
        dialog.optFC[0]->click();
        QCOMPARE(dialog.SecondColumn(), 1);
        dialog.optSC[0]->click(); // disabled: no effect
        QCOMPARE(dialog.SecondColumn(), 1);
    }

    void command_data() {
        QTest::addColumn<QString>("operation"); // object names of the options clicked
        QTest::addColumn<QString>("firstOption");
        QTest::addColumn<QString>("secondOption");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("rows");
        QTest::newRow("copy Command to Icon") << "optSwap2"
                                              << "optFC1"
                                              << "optSC4" << true << 5;
        QTest::newRow("cancelled") << "optSwap2"
                                   << "optFC1"
                                   << "optSC4" << false << 5;
        QTest::newRow("empty list") << "optSwap0"
                                    << "optFC0"
                                    << "optSC1" << true << 0;
    }
    void command() {
        QFETCH(QString, operation);
        QFETCH(QString, firstOption);
        QFETCH(QString, secondOption);
        QFETCH(bool, ok);
        QFETCH(int, rows);
        FakeEditorContext ctx;
        Load(ctx.Document.Items, rows);
        const QVector<LauncherItem> before = ctx.Document.Items.All();
        ctx.Tab = 1;
        ctx.Scripted.ModalScripts.append([&](QDialog& window) {
            for (const QString& name : {operation, firstOption, secondOption})
                window.findChild<QRadioButton*>(name)->click();
            window
                .findChild<QPushButton*>(ok ? QStringLiteral("cmdOK") : QStringLiteral("cmdCancel"))
                ->click();
            return window.result();
        });
        SwapCommands::mnuEditSwap_Click(ctx);
        QCOMPARE(ctx.Scripted.ModalWindows, QStringList{QStringLiteral("frmSwap")});
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(ctx.Document.Changed, ok);
        if (!ok || rows == 0) {
            QCOMPARE(ctx.Document.Items.All(), before);
            return;
        }
        QCOMPARE(ctx.CheckmenusCalls, 1);
        QCOMPARE(ctx.Document.Items.Cell(2, cellIcon), Text(2, cellCommand));
        QCOMPARE(ctx.Document.Items.Cell(2, cellCommand), Text(2, cellCommand));
        QCOMPARE(ctx.Document.Items.Cell(4, cellIcon), Text(4, cellIcon));
    }
};

QTEST_MAIN(TestSwap)
#include "test_swap.moc"
