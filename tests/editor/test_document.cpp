#include "LauncherDocument.h"
#include "PropertyTable.h"

#include <QAbstractItemModelTester>
#include <QtTest>

class TestDocument : public QObject {
    Q_OBJECT

private slots:
    void getPropOutsideTheTableIsEmpty_data() {
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("subItem");
        QTest::newRow("position 0") << 0 << 1;
        QTest::newRow("position 37") << 37 << 3;
        QTest::newRow("negative") << -1 << 2;
        QTest::newRow("subitem 0") << 1 << 0;
        QTest::newRow("subitem 4") << 1 << 4;
    }

    void getPropOutsideTheTableIsEmpty() {
        QFETCH(int, pos);
        QFETCH(int, subItem);
        LauncherDocument doc;
        QCOMPARE(doc.GetProp(pos, subItem), QString());
    }

    void getPropTable() {
        LauncherDocument doc;
        QCOMPARE(doc.GetProp(1, 3), QString("P_BACK_C"));
        QCOMPARE(doc.GetProp(35, 1), QString("(HTML File)"));
        QCOMPARE(doc.GetProp(36, 3), QString("P_SHOW_R"));
        QCOMPARE(doc.GetProp(14, 2), QString("412"));
        QCOMPARE(doc.GetProp(25, 2), QString("New File 1"));
        doc.NextNew += 2; // two File, New commands
        QCOMPARE(doc.GetProp(25, 2), QString("New File 3"));
        QCOMPARE(doc.Caption(), QString("New File 1 - Quintor Editor"));
    }

    void propulateShowsTheRowsSortedByName() {
        LauncherDocument doc;
        QAbstractItemModelTester tester(&doc.Props,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        doc.WriteProp("Footer HTML", "<p>x</p>");
        doc.WriteProp("Width", "800");
        doc.NextNew = 4;
        doc.Propulate();
        const QStringList expected = {"(HTML File)",
                                      "Background colour",
                                      "Background picture",
                                      "Closable",
                                      "Columns",
                                      "Extra commands",
                                      "Font",
                                      "Font bold",
                                      "Font italic",
                                      "Font size",
                                      "Font strikethrough",
                                      "Font underline",
                                      "Footer HTML",
                                      "Header HTML",
                                      "Height",
                                      "Icon",
                                      "Icon size",
                                      "Icons above",
                                      "Link active colour",
                                      "Link colour",
                                      "Link hover colour",
                                      "Link visited colour",
                                      "Minimise on use",
                                      "Show edit command",
                                      "Show exit command",
                                      "Show maximise command",
                                      "Show minimise command",
                                      "Show open command",
                                      "Show refresh command",
                                      "Start maximised",
                                      "Style sheet",
                                      "Table border",
                                      "Table colour",
                                      "Text colour",
                                      "Title",
                                      "Width"};
        QStringList shown;
        for (int row = 1; row <= doc.Props.Count(); ++row)
            shown << doc.Props.At(row).Name;
        QCOMPARE(shown, expected);
        QCOMPARE(doc.ReadProp("Footer HTML"), QString());
        QCOMPARE(doc.ReadProp("Width"), QString("492"));
        QCOMPARE(doc.ReadProp("Title"), QString("New File 4"));
        QCOMPARE(doc.Props.data(doc.Props.index(0, 1), Qt::DisplayRole).toString(), QString());
    }

    void htmlPreview_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("cut");
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("49") << 49 << false;
        QTest::newRow("50") << 50 << true;
        QTest::newRow("200") << 200 << true;
    }

    void htmlPreview() {
        QFETCH(int, length);
        QFETCH(bool, cut);
        LauncherDocument doc;
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar('a' + i % 26);
        for (const QString name : {"Header HTML", "Footer HTML"}) {
            doc.WriteProp(name, text);
            QCOMPARE(doc.ReadProp(name), text);
            QCOMPARE(doc.ReadProp(name, true), text);
            const QString setting = doc.Props.At(doc.Props.Find(name)).Setting;
            QCOMPARE(setting, cut ? text.left(50) + "..." : text);
        }
    }

    void readAndWriteProp() {
        LauncherDocument doc;
        doc.WriteProp("No such property", "x");
        QCOMPARE(doc.ReadProp("No such property"), QString());
        doc.WriteProp("title", "lower-case name is another name");
        QCOMPARE(doc.ReadProp("Title", true), QString("New File 1"));
        doc.WriteProp("Title", "Tom & \"Jerry\" <1>");
        QCOMPARE(doc.ReadProp("Title", true), QString("Tom & \"Jerry\" <1>"));
        QCOMPARE(doc.ReadProp("Title"), QString("Tom &amp; &quot;Jerry&quot; &lt;1&gt;"));
        doc.WriteProp("Header HTML", "<b>&amp;</b>");
        QCOMPARE(doc.ReadProp("Header HTML"), QString("<b>&amp;</b>")); // never converted
        doc.WriteProp("Columns", " not a number ");
        QCOMPARE(doc.ReadProp("Columns", true), QString(" not a number "));
    }

    void getLV() {
        LauncherDocument doc;
        LauncherItem item;
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            item[c] = QStringLiteral("a,b&<%1>").arg(c);
        doc.Items.Append(item);
        for (int c = 0; c < 6; ++c)
            QCOMPARE(doc.GetLV(1, c), QStringLiteral("a&amp;comma;b&amp;&lt;%1&gt;").arg(c));
        QCOMPARE(doc.GetLV(1, cellComments), QString("a,b&amp;&lt;6&gt;"));
        QCOMPARE(doc.Items.Cell(1, cellCommand), QString("a,b&<1>"));
    }

    void colHexToNum_data() {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("num");
        QTest::newRow("red") << "#FF0000"
                             << "255";
        QTest::newRow("green") << "#00FF00"
                               << "65280";
        QTest::newRow("green without #") << "00FF00"
                                         << "65280";
        QTest::newRow("blue") << "#0000FF"
                              << "16711680";
        QTest::newRow("white") << "#FFFFFF"
                               << "16777215";
        QTest::newRow("black") << "#000000"
                               << "0";
        QTest::newRow("lower case") << "#ffffff"
                                    << "16777215";
        QTest::newRow("characters after six ignored") << "#0102030Z"
                                                      << "197121";
        QTest::newRow("one-digit blue") << "#FFFFF"
                                        << "1048575";
        QTest::newRow("several #") << "#01#02#03"
                                   << "197121";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("only #") << "#"
                                << "";
        QTest::newRow("#FFF has no blue") << "#FFF"
                                          << "";
        QTest::newRow("not hex") << "#GG0000"
                                 << "";
        QTest::newRow("sign") << "#+F0000"
                              << "";
        QTest::newRow("blank") << "# F0000"
                               << "";
        QTest::newRow("0x prefix") << "0x0000"
                                   << "";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("#\xd9\xa1\xd9\xa1"
                                                              "0000")
                                         << "";
    }

    void colHexToNum() {
        QFETCH(QString, hex);
        QFETCH(QString, num);
        QCOMPARE(LauncherDocument::ColHexToNum(hex), num);
    }

    void colNumToHex_data() {
        QTest::addColumn<QString>("num");
        QTest::addColumn<QString>("hex");
        QTest::newRow("0") << "0"
                           << "#000000";
        QTest::newRow("1") << "1"
                           << "#010000";
        QTest::newRow("255") << "255"
                             << "#FF0000";
        QTest::newRow("65280") << "65280"
                               << "#00FF00";
        QTest::newRow("16711680") << "16711680"
                                  << "#0000FF";
        QTest::newRow("16777215") << "16777215"
                                  << "#FFFFFF";
        // outside the colour range: only the low 24 bits count, and it ends
        QTest::newRow("16777216") << "16777216"
                                  << "#000000";
        QTest::newRow("-1") << "-1"
                            << "#FFFFFF";
        QTest::newRow("huge") << "99999999999999999999999"
                              << "";
        QTest::newRow("not a number") << "red"
                                      << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void colNumToHex() {
        QFETCH(QString, num);
        QFETCH(QString, hex);
        QCOMPARE(LauncherDocument::ColNumToHex(num), hex);
    }

    void colourConversionsAreInverse() {
        for (int n = 0; n <= 0xFFFFFF; n += 4093) {
            const QString hex = LauncherDocument::ColNumToHex(QString::number(n));
            QVERIFY(hex.size() == 7 && hex == hex.toUpper());
            QCOMPARE(LauncherDocument::ColHexToNum(hex), QString::number(n));
        }
        QCOMPARE(LauncherDocument::ColHexToNum(LauncherDocument::ColNumToHex("16777215")),
                 QString("16777215"));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "test_document.moc"
