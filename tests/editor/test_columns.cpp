// Replace All, and swap, move and copy, in item columns: the rules, section rows, the windows.
#include "editor/FakeEditorContext.h"
#include "items/ColumnReplace.h"
#include "items/ui/ReplaceCommands.h"
#include "items/ui/SwapCommands.h"
#include "items/ui/frmReplace.h"
#include "support/DataRows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace DataRows;
using namespace Qt::StringLiterals;
Q_DECLARE_METATYPE(ReplaceRequest)

// Rows of "|"-separated cells, " / " between them; the section row first.
const QString Section = u"SECTION:C{c}/Old;Columns:5|C:/Old/In.exe||||| / "_s;
const QString Items = u"Editor|C:/OLD/App.exe||C:/Old||Normal Window|Note / "
                      u"Exact|C:/Old/T.exe||||Hidden|"_s;

static void Load(ItemRows& Rows, const QString& Text) {
    QVector<LauncherItem> items;
    for (const QString& row : Text.split(u" / "_s)) {
        items.append(LauncherItem());
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            items.last()[c] = row.section(u'|', c, c);
    }
    Rows.ReplaceAll(items);
}

static QString Dump(const ItemRows& Rows) {
    QStringList rows;
    for (const LauncherItem& item : Rows.All())
        rows << QStringList(item.Cells.begin(), item.Cells.end()).join(u'|');
    return rows.join(u" / "_s);
}

class TestColumns : public QObject {
    Q_OBJECT

private slots:
    void replaceAll_data() {
        QTest::addColumn<ReplaceRequest>("request");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("expected"); // the item rows afterwards
        // clang-format off
        // Without "Match case" every checked cell of every item row ends in lower case.
        QTest::addRow("case folded") << ReplaceRequest{u"c:/OLD"_s, u"D:/New"_s, false, {cellCommand}} << true
            << u"Editor|D:/New/app.exe||C:/Old||Normal Window|Note / Exact|D:/New/t.exe||||Hidden|"_s;
        QTest::addRow("match case") << ReplaceRequest{u"C:/Old"_s, u"D:/New"_s, true, {cellCommand}} << true
            << u"Editor|C:/OLD/App.exe||C:/Old||Normal Window|Note / Exact|D:/New/T.exe||||Hidden|"_s;
        // An empty find text fills the empty cells; the replacement keeps its case.
        QTest::addRow("empty find") << ReplaceRequest{"", u"None"_s, false, {cellStartIn, cellComments}} << true
            << u"Editor|C:/OLD/App.exe||c:/old||Normal Window|note / Exact|C:/Old/T.exe||None||Hidden|None"_s;
        // Every occurrence once: the replacement is not searched again.
        QTest::addRow("holds find text") << ReplaceRequest{u"t"_s, u"tt"_s, true, {cellDescription}} << true
            << u"Edittor|C:/OLD/App.exe||C:/Old||Normal Window|Note / Exactt|C:/Old/T.exe||||Hidden|"_s;
        QTest::addRow("no column") << ReplaceRequest{u"C:/Old"_s, u"X"_s, false, {}} << false << Items;
        QTest::addRow("Run is not offered") << ReplaceRequest{u"Window"_s, u"X"_s, true, {cellRun}} << false << Items;
        // clang-format on
    }
    void replaceAll() {
        QFETCH(ReplaceRequest, request);
        QFETCH(bool, changed);
        QFETCH(QString, expected);
        ItemRows items, none;
        Load(items, Section + Items);
        QCOMPARE(ColumnReplace::ReplaceAll(items, request), changed);
        QCOMPARE(Dump(items), Section + expected);
        QVERIFY(!ColumnReplace::ReplaceAll(none, request));
    }

    // A tool window; the command brings it forward, entries kept; closed, a new one starts afresh.
    void replaceWindow() {
        FakeEditorContext ctx;
        Load(ctx.Document.Items, Section + Items);
        ctx.Tab = 3;
        ReplaceCommands::mnuEditReplace_Click(ctx);
        QCOMPARE(ctx.Tab, 0);
        QPointer<frmReplace> window = ctx.Window.findChild<frmReplace*>(u"frmReplace"_s);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(window->windowTitle(), u"Replace"_s);
        window->txtFind->setText(u"C:/Old"_s);
        window->chkCase->setChecked(true);
        window->chkCommand->setChecked(true);
        QTest::mouseClick(window->cmdReplace, Qt::LeftButton);
        QCOMPARE(ctx.Document.Items.Cell(3, cellCommand), u"/T.exe"_s);
        QVERIFY(ctx.Document.Changed() && ctx.CheckmenusCalls == 1);
        ReplaceCommands::mnuEditReplace_Click(ctx);
        QCOMPARE(ctx.Window.findChildren<frmReplace*>(), QList<frmReplace*>{window});
        QCOMPARE(window->txtFind->text(), u"C:/Old"_s);
        ReplaceCommands::CloseReplaceWindow(ctx);
        QVERIFY(!window->isVisible());
        ReplaceCommands::mnuEditReplace_Click(ctx);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QVERIFY(ctx.Window.findChild<frmReplace*>()->txtFind->text().isEmpty());
    }

    // Options 0 to 5 of each column are Description to Icon, then Comments; the first
    // column's option is disabled in the second, a clash moves the second to Description or
    // Command.
    void swapDialog_data() {
        Texts({"clicks", "expected"});
        // clang-format off
        Row("swap Parameters and Comments", "optSwap0 optFC2 optSC5 cmdOK", "d|c|m|s|i|r|p");
        Row("swap Command and Start In", "optSwap0 optFC1 optSC3 cmdOK", "d|s|p|c|i|r|m");
        Row("move Start In to Icon", "optSwap1 optFC3 optSC4 cmdOK", "d|c|p||s|r|m");
        Row("move Icon to Parameters", "optSwap1 optFC4 optSC2 cmdOK", "d|c|i|s||r|m");
        Row("move Description to Comments", "optSwap1 optFC0 optSC5 cmdOK", "|c|p|s|i|r|d");
        Row("copy Comments to Description", "optSwap2 optFC5 optSC0 cmdOK", "m|c|p|s|i|r|m");
        Row("copy Icon to Command", "optSwap2 optFC4 optSC1 cmdOK", "d|i|p|s|i|r|m");
        Row("defaults: swap", "cmdOK", "c|d|p|s|i|r|m");
        Row("cancelled", "optSwap2 optFC1 optSC4 cmdCancel", "d|c|p|s|i|r|m");
        Row("Command over itself", "optSwap1 optFC1 optSC1 cmdOK", "c||p|s|i|r|m");
        Row("Description over it", "optSwap2 optFC4 optSC0 optFC0 cmdOK", "d|d|p|s|i|r|m");
        // clang-format on
    }
    void swapDialog() {
        QFETCH(QString, clicks);
        QFETCH(QString, expected);
        FakeEditorContext ctx;
        Load(ctx.Document.Items, Section + u"d|c|p|s|i|r|m"_s);
        ctx.Document.SetChanged(false);
        ctx.Tab = 1;
        QString title;
        ctx.Scripted.ModalScripts.append([&](QDialog& window) {
            title = window.windowTitle();
            for (const QString& name : clicks.split(u' '))
                window.findChild<QAbstractButton*>(name)->click();
            return window.result();
        });
        SwapCommands::mnuEditSwap_Click(ctx);
        QCOMPARE(title, u"Swap Columns"_s);
        QCOMPARE(ctx.Tab, 0);
        QCOMPARE(Dump(ctx.Document.Items), Section + expected);
        QCOMPARE(ctx.Document.Changed(), clicks.endsWith(u"cmdOK"_s));
        QCOMPARE(ctx.CheckmenusCalls, int(ctx.Document.Changed()));
    }
};

QTEST_MAIN(TestColumns)
#include "test_columns.moc"
