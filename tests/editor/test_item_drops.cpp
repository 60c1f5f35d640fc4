// Dragging rows within the item list, dropping files and addresses on it, and the marks of
// broken items, in the editor's main window.
#include "editor/ItemTestRows.h"
#include "items/ui/ItemCommands.h"
#include "shell/ItemListView.h"
#include "shell/frmQTE.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QMimeData>
#include <QtWidgets>

using namespace ItemTestRows;

namespace {
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
} // namespace

class TestItemDrops : public QObject {
    Q_OBJECT
private slots:
    // Rows dragged to an insert position: item rows go anywhere, a section moves whole and
    // lands only before a section row or at the end, never above the leading block.
    void dragRows_data() {
        Texts({"Before", "Rows", "Pos", "After"});
        Row("item down", "a b c d", "2", "4", "a c [b] d");
        Row("item to the end", "a b c", "1", "4", "b c [a]");
        Row("several, in order", "a b c d e", "4 1", "3", "b [a] d* c e");
        Row("in place", "a b c", "2", "3", "a b c");
        Row("item into a section", "a #S s1", "1", "4", "#S s1 [a]");
        Row("section block down", "#A a1 #B b1 #C", "1", "5", "#B b1 [#A] a1 #C");
        Row("section dropped inside a block", "#A a1 #B b1 b2 #C", "1", "5", "#B b1 b2 [#A] a1 #C");
        Row("section to the end", "#A a1 #B b1", "1", "5", "#B b1 [#A] a1");
        Row("section up, not into the leading block", "i #A a1 #B b1", "4", "1", "i [#B] b1 #A a1");
        Row("section onto itself", "#A a1 #B", "1", "2", "#A a1 #B");
        Row("section leaves the other rows", "#A a1 #B b1", "2 3", "1", "[#B] b1 #A a1");
    }
    void dragRows() {
        FakeEditorContext ctx;
        Fill(ctx, Fetch("Before"));
        QList<int> rows;
        for (const QString& r : Fetch("Rows").split(' '))
            rows << r.toInt();
        ItemCommands::DragRows(ctx, rows, Fetch("Pos").toInt());
        QCOMPARE(Words(ctx), Fetch("After"));
        QCOMPARE(ctx.Document.Changed(),
                 Fetch("Before") != QString(Fetch("After")).remove('[').remove(']').remove('*'));
    }

    // A drop through the real view: the list's own rows move, files come in as new items, and
    // what cannot become an item is named.
    void dropsOnTheList() {
        QTemporaryDir dir;
        const QString file = dir.filePath("notes.txt");
        QVERIFY(TestFiles::Write(file, "x"));
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        auto* list = window.findChild<ItemListView*>("lvItems");
        ItemRows& items = window.Doc().Items;
        Fill(items, "a b c");
        list->resize(600, 300);
        QTest::qWait(0);

        std::unique_ptr<QMimeData> dragged(items.mimeData({items.index(2, 0), items.index(2, 3)}));
        DropOn(*list, 1, *dragged);
        QTRY_COMPARE(Words(items), "c a b");
        QCOMPARE(window.SelectedRow(), 1);

        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(file), QUrl("https://example.org/x")});
        DropOn(*list, 3, files);
        QTRY_COMPARE(Words(items), "c a notes? example.org? b");
        QCOMPARE(window.SelectedRows(), (QList<int>{3, 4}));
        DropOn(*list, 0, files); // below the last row
        QTRY_COMPARE(items.Count(), 7);
        QCOMPARE(items.Cell(6, cellCommand), file);
        QVERIFY(window.Doc().Changed() && dialogs.Messages.isEmpty());
        QMimeData renamed;
        renamed.setUrls({QUrl::fromLocalFile(dir.filePath("100%20.txt"))});
        DropOn(*list, 1, renamed);
        QTRY_COMPARE(MessageLine(dialogs.LastMessage()),
                     "Exclamation OK Drop Error: These cannot become items:\n" +
                         dir.filePath("100%20.txt") +
                         ": it holds the text \"%20\", which the launcher page would turn into "
                         "another character");
        QCOMPARE(items.Count(), 7);
    }

    // A row whose command is missing gets the warning and a tooltip; mending it takes it away.
    void marks() {
        ScriptedUserDialogs dialogs;
        frmQTE window(&dialogs);
        window.Form_Load({});
        ItemRows& items = window.Doc().Items;
        Fill(items, "#S gone");
        items.SetCell(2, cellStartIn, "/no/such/folder");
        const QModelIndex description = items.index(1, cellDescription);
        QTRY_VERIFY(!description.data(Qt::DecorationRole).isNull());
        QCOMPARE(description.data(Qt::ToolTipRole).toString(),
                 "The command was not found: gone.exe\n"
                 "The start-in folder does not exist: /no/such/folder");
        QCOMPARE(items.index(1, cellCommand).data(Qt::ToolTipRole), QVariant());
        QCOMPARE(items.index(0, cellDescription).data(Qt::DecorationRole), QVariant());
        items.SetCell(2, cellCommand, "sh");
        items.SetCell(2, cellStartIn, "/");
        QTRY_VERIFY(description.data(Qt::DecorationRole).isNull());
    }
};

QTEST_MAIN(TestItemDrops)
#include "test_item_drops.moc"
