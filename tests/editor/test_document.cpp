#include "document/LauncherDocument.h"
#include "document/ShownText.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

namespace {
// What a list view shows of every cell, "|" between cells, " / " between rows.
QString Shown(const QAbstractItemModel& Model, int Role = Qt::DisplayRole) {
    QStringList rows;
    for (int row = 0; row < Model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < Model.columnCount(); ++column)
            cells << Model.index(row, column).data(Role).toString().left(8);
        rows << cells.join('|');
    }
    return rows.join(" / ");
}
} // namespace

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void propertiesSortedByName() {
        LauncherDocument doc;
        QAbstractItemModelTester tester(&doc.Props,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(QStringList({doc.GetProp(0, 1), doc.GetProp(37, 3), doc.GetProp(1, 4),
                              doc.GetProp(1, 3), doc.GetProp(14, 2), doc.Caption()}),
                 QStringList({"", "", "", "P_BACK_C", "412", "New File 1 - Quintor Editor"}));
        doc.WriteProp("Width", "800");
        doc.NextNew = 3;
        doc.Propulate();
        doc.WriteProp("title", "not the name of a property");
        QStringList shown = {QString::number(doc.Props.Count())};
        for (int row = 1; row <= doc.Props.Count(); ++row)
            shown << doc.Props.At(row).Name + '=' + doc.ReadProp(doc.Props.At(row).Name, true);
        QCOMPARE((shown.mid(0, 3) + shown.mid(13, 4) + shown.mid(35)).join(','),
                 QString("36,(HTML File)=,Background colour=,Footer HTML=,Header HTML=,Height=412,"
                         "Icon=,Title=New File 3,Width=492"));
        doc.WriteProp("Title", "Tom & \"Jerry\" <1>");
        QCOMPARE(doc.ReadProp("Title"), QString("Tom &amp; &quot;Jerry&quot; &lt;1&gt;"));
        doc.WriteProp("Header HTML", "<b>&amp;</b>");
        QCOMPARE(doc.ReadProp("Header HTML"), QString("<b>&amp;</b>")); // never converted
    }

    // Every change of the rows, through any operation, is a change of the document, told once
    // when it starts; an in-place edit that keeps the text changes nothing.
    void changedFollowsTheRows_data() {
        QTest::addColumn<int>("Step");
        QTest::addColumn<bool>("Changed");
        const char* steps[] = {"set a cell",       "set a row",          "insert",
                               "remove",           "replace all",        "write a property",
                               "reset properties", "same text in place", "SECTION: in place"};
        for (int i = 0; i < 9; ++i)
            QTest::newRow(steps[i]) << i << (i < 7);
    }
    void changedFollowsTheRows() {
        QFETCH(int, Step);
        LauncherDocument doc;
        doc.Items.AppendAll({LauncherItem{{{"a", "c"}}}, LauncherItem{{{"b", "d"}}}});
        doc.SetChanged(false);
        QSignalSpy told(&doc, &LauncherDocument::ModificationChanged);
        const QModelIndex first = doc.Items.index(0, cellDescription);
        const std::function<void()> change[] = {
            [&] { doc.Items.SetCell(1, cellCommand, "x"); },
            [&] { doc.Items.SetRow(2, LauncherItem{{{"e"}}}); },
            [&] { doc.Items.Insert(1, LauncherItem{{{"f"}}}); },
            [&] { doc.Items.Remove(1); },
            [&] { doc.Items.ReplaceAll({}); },
            [&] { doc.WriteProp("Columns", "5"); }, // the same value: a write is a change
            [&] { doc.Propulate(); },
            [&] { doc.Items.setData(first, "a", Qt::EditRole); },
            [&] { doc.Items.setData(first, "SECTION:x", Qt::EditRole); }};
        change[Step]();
        change[Step](); // told once
        QFETCH(bool, Changed);
        QCOMPARE(doc.Changed(), Changed);
        QCOMPARE(told.count(), int(Changed));
    }

    // The item list as the list view sees it, through every kind of change the editor makes,
    // with Qt's own model tester watching; only a Description is edited in place.
    void itemRowsAsAModel() {
        ItemRows items;
        QAbstractItemModelTester tester(&items,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QString huge(MaxShownChars + 1, 'h');
        items.AppendAll({LauncherItem{{"b", huge}}, LauncherItem{{"SECTION:S"}}});
        items.AppendAll({});
        items.Insert(1, LauncherItem{{"a", "a.exe"}});
        items.Append(LauncherItem{{"gone"}});
        items.SetCell(2, cellRun, "Hidden");
        items.SetRow(3, LauncherItem{{"SECTION:T", {}, {}, {}, {}, {}, "note"}});
        items.Remove(4);
        const auto description = [&](int Row) { return items.index(Row, cellDescription); };
        QVERIFY(items.setData(description(0), "A", Qt::EditRole));
        QVERIFY(!items.setData(description(1), "SECTION:x", Qt::EditRole));
        QVERIFY(!items.setData(items.index(0, cellCommand), "c", Qt::EditRole));
        QCOMPARE(Shown(items), "A|a.exe||||| / b|hhhhhhhh||||Hidden| / SECTION:||||||note");
        QCOMPARE(items.index(1, cellCommand).data(Qt::DisplayRole).toString().size(),
                 MaxShownChars);
        QCOMPARE(items.index(1, cellCommand).data(Qt::EditRole).toString(), huge);
        QCOMPARE(items.flags(description(0)) & Qt::ItemIsEditable, Qt::ItemIsEditable);
        QCOMPARE(items.flags(items.index(0, cellCommand)) & Qt::ItemIsEditable, Qt::NoItemFlags);
        QStringList captions;
        for (int column = 0; column < items.columnCount(); ++column)
            captions << items.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(captions.join('|'), "Description|Command|Parameters|Start In|Icon|Run|Comments");
        items.ReplaceAll({});
        QCOMPARE(items.rowCount(), 0);
    }

    // Page colours are "#RRGGBB"; the file keeps them as numbers with red in the low byte.
    // Hex text: "#" optional anywhere, characters after six ignored, only ASCII hex digits.
    void colours() {
        QStringList nums, hexes;
        for (const char* hex : {"#FF0000", "0000ff", "#0102030Z", "#01#02#03", "#FFFFF", "#FFF", "",
                                "#GG0000", "#+F0000", "# F0000", "0x0000",
                                "#\xd9\xa1\xd9\xa1"
                                "0000"})
            nums << LauncherDocument::ColHexToNum(hex);
        for (const char* num :
             {"1", "16777215", "16777216", "-1", "99999999999999999999999", "red"})
            hexes << LauncherDocument::ColNumToHex(num);
        QCOMPARE(
            nums.join(',') + ' ' + hexes.join(','),
            QString("255,16711680,197121,197121,1048575,,,,,,, #010000,#FFFFFF,#000000,#FFFFFF,,"));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "test_document.moc"
