#include "DataRow.h"
#include "LauncherDocument.h"

#include <QAbstractItemModelTester>
#include <QtTest>

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
        QStringList shown;
        for (int row = 1; row <= doc.Props.Count(); ++row)
            shown << doc.Props.At(row).Name + '=' + doc.ReadProp(doc.Props.At(row).Name, true);
        QCOMPARE(shown.size(), 36);
        QCOMPARE(shown.mid(0, 2) + shown.mid(12, 4) + shown.mid(34),
                 QStringList({"(HTML File)=", "Background colour=", "Footer HTML=", "Header HTML=",
                              "Height=412", "Icon=", "Title=New File 3", "Width=492"}));
        doc.WriteProp("Title", "Tom & \"Jerry\" <1>");
        QCOMPARE(doc.ReadProp("Title"), QString("Tom &amp; &quot;Jerry&quot; &lt;1&gt;"));
        doc.WriteProp("Header HTML", "<b>&amp;</b>");
        QCOMPARE(doc.ReadProp("Header HTML"), QString("<b>&amp;</b>")); // never converted
    }

    // Page colours are "#RRGGBB"; the file keeps them as numbers with red in the low byte.
    void colours_data() {
        QTest::addColumn<bool>("toNum");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        DataRow("red", true, "#FF0000", "255");
        DataRow("blue without #, lower case", true, "0000ff", "16711680");
        DataRow("characters after six ignored", true, "#0102030Z", "197121");
        DataRow("one-digit blue", true, "#FFFFF", "1048575");
        DataRow("several #", true, "#01#02#03", "197121");
        DataRow("#FFF has no blue", true, "#FFF", "");
        DataRow("empty", true, "", "");
        DataRow("not hex", true, "#GG0000", "");
        DataRow("sign", true, "#+F0000", "");
        DataRow("blank", true, "# F0000", "");
        DataRow("0x prefix", true, "0x0000", "");
        DataRow("non-ASCII digit", true,
                "#\xd9\xa1\xd9\xa1"
                "0000",
                "");
        DataRow("1", false, "1", "#010000");
        DataRow("white", false, "16777215", "#FFFFFF");
        DataRow("beyond 24 bits", false, "16777216", "#000000");
        DataRow("-1", false, "-1", "#FFFFFF");
        DataRow("huge", false, "99999999999999999999999", "");
        DataRow("not a number", false, "red", "");
    }

    void colours() {
        QFETCH(bool, toNum);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QCOMPARE(toNum ? LauncherDocument::ColHexToNum(from) : LauncherDocument::ColNumToHex(from),
                 to);
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "test_document.moc"
