#include "AppError.h"
#include "LauncherDocument.h"
#include "PageDocs.h"
#include "Sections.h"
#include "modGenHTML.h"

#include <QLocale>
#include <QtTest>

using namespace PageDocs;

Q_DECLARE_METATYPE(QVector<LauncherItem>)

namespace {
using PropList = QList<QPair<QString, QString>>;

void SetProps(LauncherDocument& Doc, const PropList& Props) {
    for (const auto& p : Props)
        Doc.WriteProp(p.first, p.second);
}

std::unique_ptr<LauncherDocument> MakeDoc(const QVector<LauncherItem>& Rows, const PropList& Props) {
    auto doc = std::make_unique<LauncherDocument>();
    SetProps(*doc, Props);
    doc->Items.AppendAll(Rows);
    return doc;
}

QString Preview(const LauncherDocument& Doc) {
    return GenHTML(Doc, false, QString());
}
} // namespace

class TestPageGen : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void style_data();
    void style();
    void commandBar_data();
    void commandBar();
    void link_data();
    void link();
    void tableLayout_data();
    void tableLayout();
    void info_data();
    void info();
    void cellWidth_data();
    void cellWidth();
    void failures_data();
    void failures();
    void charsetLineOnlyForNonAscii();
    void headerFooterAndBackground();
};

void TestPageGen::workedExample() {
    LauncherDocument doc;
    SetProps(doc, {{"Title", "Tools"},
                   {"Font", "Arial"},
                   {"Font size", "10"},
                   {"Font bold", "True"},
                   {"Link colour", "#0000FF"},
                   {"Background colour", "#FFFFFF"},
                   {"Show open command", "True"},
                   {"Show exit command", "True"},
                   {"Columns", "2"},
                   {"Height", "300"},
                   {"Width", "400"}});
    doc.Items.Append(Item("Notepad", "notepad.exe", {}, {}, "C:\\Icons\\note.ico", "Normal Window",
                          "Text editor"));
    doc.Items.Append(Section("Docs", "3", {}, {}, "True"));
    doc.Items.Append(Item("Manual", "C:\\Docs\\manual.htm", {}, {}, {}, "Hyperlink"));

    const QStringList expected{
        "<html>",
        "",
        "<head>",
        "<meta name=\"generator\" content=\"Quintor Editor 3.3.13\">",
        "<title>Tools</title>",
        "<style>",
        "<!--",
        "body      { font-family: Arial; font-size: 10pt; font-weight: bold } ",
        "table     { font-family: Arial; font-size: 10pt; font-weight: bold } ",
        "a:link    { color: #0000FF; text-decoration: none }",
        "-->",
        "</style>",
        "</head>",
        "",
        "<body bgcolor=\"#FFFFFF\">",
        "",
        "<h1>Tools</h1>",
        "",
        "<p>[ <a href=\"qtc:open\">Open</a> ] [ <a href=\"qtc:exit\">Exit</a> ]</p>",
        "",
        "<table border=\"0\" width=\"100%\">",
        "  <tr>",
        "    <td width=\"100%\" align=\"center\"><a href=\"qt:notepad.exe\" title=\"Text "
        "editor\"><img border=\"0\" "
        "src=\"C:\\Icons\\note.ico\" width=\"32\" height=\"32\" alt=\"Text "
        "editor\"><br>Notepad</a></td>",
        "  </tr>",
        "</table>",
        "",
        "<h2>Docs</h2>",
        "",
        "<table border=\"1\" width=\"100%\">",
        "  <tr>",
        "    <td width=\"100%\" align=\"center\"><a href=\"C:\\Docs\\manual.htm\" "
        "title=\"Manual\">Manual</a></td>",
        "  </tr>",
        "</table>",
        "",
        "</body>",
        "",
        "</html>",
        "",
        "<!-- Quintor info:",
        "Height=300",
        "Width=400",
        "-->"};
    const QString page = Preview(doc);
    QCOMPARE(page, expected.join(CRLF));
    // The preview and the build write the same page when no program icon is involved.
    QTemporaryDir dir;
    QCOMPARE(GenHTML(doc, true, dir.filePath("Tools")), page);
}

void TestPageGen::style_data() {
    QTest::addColumn<PropList>("props");
    QTest::addColumn<QString>("expected"); // the text between "</title>" CRLF and "</head>"

    const auto rules = [](const QString& r) {
        return "<style>\r\n<!--\r\nbody      { " + r + " } \r\ntable     { " + r +
               " } \r\n-->\r\n</style>\r\n";
    };
    QTest::newRow("nothing set") << PropList{} << QString();
    QTest::newRow("bold alone") << PropList{{"Font bold", "True"}} << rules("font-weight: bold");
    QTest::newRow("italic alone") << PropList{{"Font italic", "True"}}
                                  << rules("font-style: italic");
    QTest::newRow("underline alone")
        << PropList{{"Font underline", "True"}} << rules("text-decoration: underline");
    QTest::newRow("strikethrough alone")
        << PropList{{"Font strikethrough", "True"}} << rules("text-decoration: line-through");
    QTest::newRow("strikethrough and underline")
        << PropList{{"Font underline", "True"}, {"Font strikethrough", "True"}}
        << rules("text-decoration: line-through; text-decoration: underline");
    QTest::newRow("colour alone") << PropList{{"Text colour", "#102030"}}
                                  << rules("color: #102030");
    QTest::newRow("size alone") << PropList{{"Font size", "12"}} << rules("font-size: 12pt");
    QTest::newRow("everything in order")
        << PropList{{"Font bold", "True"},      {"Font italic", "True"}, {"Text colour", "#000000"},
                    {"Font underline", "True"}, {"Font size", "9"},      {"Font", "Verdana"}}
        << rules(
               "font-family: Verdana; font-size: 9pt; text-decoration: underline; color: #000000; "
               "font-style: italic; font-weight: bold");
    QTest::newRow("flag not exactly True") << PropList{{"Font bold", "true"}} << QString();
    QTest::newRow("link colours only")
        << PropList{{"Link hover colour", "#00FF00"},
                    {"Link colour", "#0000FF"},
                    {"Link active colour", "#FF0000"},
                    {"Link visited colour", "#800080"}}
        << "<style>\r\n<!--\r\n"
           "a:link    { color: #0000FF; text-decoration: none }\r\n"
           "a:visited { color: #800080; text-decoration: none }\r\n"
           "a:active  { color: #FF0000; text-decoration: none }\r\n"
           "a:hover   { color: #00FF00; text-decoration: underline }\r\n"
           "-->\r\n</style>\r\n";
    QTest::newRow("style sheet without rules")
        << PropList{{"Style sheet", "file:///c/site.css"}}
        << "<link rel=\"stylesheet\" type=\"text/css\" href=\"file:///c/site.css\">\r\n";
    QTest::newRow("font name made page-safe")
        << PropList{{"Font", "A&B"}} << rules("font-family: A&amp;B");
}

void TestPageGen::style() {
    QFETCH(PropList, props);
    QFETCH(QString, expected);
    LauncherDocument doc;
    SetProps(doc, props);
    QCOMPARE(modGenHTML::GenStyle(doc), expected + "</head>\r\n\r\n");
    const QString page = Preview(doc);
    const qsizetype from = page.indexOf("</title>\r\n") + 10;
    QCOMPARE(page.mid(from, page.indexOf("</head>") - from), expected);
}

void TestPageGen::commandBar_data() {
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("open") << QStringList{"open"}
                          << "<p>[ <a href=\"qtc:open\">Open</a> ]</p>\r\n\r\n";
    QTest::newRow("edit and refresh") << QStringList{"edit", "refresh"}
                                      << "<p>[ <a href=\"qtc:edit\">Edit</a> ][ <a "
                                         "href=\"qtc:refresh\">Refresh</a> ]</p>\r\n\r\n";
    QTest::newRow("min max edit")
        << QStringList{"minimise", "maximise", "edit"}
        << "<p>[ <a href=\"qtc:min\">Minimise</a> ] [ <a href=\"qtc:max\">Maximise</a> ] [ <a "
           "href=\"qtc:edit\">Edit</a> ]</p>\r\n\r\n";
    QTest::newRow("all six")
        << QStringList{"refresh", "edit", "maximise", "minimise", "exit", "open"}
        << "<p>[ <a href=\"qtc:open\">Open</a> ] [ <a href=\"qtc:exit\">Exit</a> ] [ <a "
           "href=\"qtc:min\">Minimise</a> ] [ <a href=\"qtc:max\">Maximise</a> ] [ <a "
           "href=\"qtc:edit\">Edit</a> ][ "
           "<a href=\"qtc:refresh\">Refresh</a> ]</p>\r\n\r\n";
}

void TestPageGen::commandBar() {
    QFETCH(QStringList, shown);
    QFETCH(QString, expected);
    LauncherDocument doc;
    for (const QString& command : shown)
        doc.WriteProp("Show " + command + " command", "True");
    QCOMPARE(modGenHTML::GenCommands(doc), expected);
    const QString page = Preview(doc);
    QVERIFY(page.contains("</h1>\r\n\r\n" + expected + "</body>"));
}

void TestPageGen::link_data() {
    QTest::addColumn<LauncherItem>("item");
    QTest::addColumn<QString>("expected"); // the cell's link

    QTest::newRow("command only") << Item("Pad", "pad.exe")
                                  << "<a href=\"qt:pad.exe\" title=\"Pad\">Pad</a>";
    QTest::newRow("empty parameters kept before start in")
        << Item("A", "a.exe", {}, "C:\\W", {}, "Maximised Focus")
        << "<a href=\"qt:a.exe,,C:\\W,maxfocus\" title=\"A\">A</a>";
    QTest::newRow("normal window drops trailing commas")
        << Item("A", "a.exe", {}, "C:\\W") << "<a href=\"qt:a.exe,,C:\\W\" title=\"A\">A</a>";
    QTest::newRow("minimised focus") << Item("A", "a", "p", {}, {}, "Minimised Focus")
                                     << "<a href=\"qt:a,p,,minfocus\" title=\"A\">A</a>";
    QTest::newRow("normal no focus") << Item("A", "a", {}, {}, {}, "Normal No Focus")
                                     << "<a href=\"qt:a,,,normalnofocus\" title=\"A\">A</a>";
    QTest::newRow("minimised no focus") << Item("A", "a", {}, {}, {}, "Minimised No Focus")
                                        << "<a href=\"qt:a,,,minnofocus\" title=\"A\">A</a>";
    QTest::newRow("hidden") << Item("A", "a", {}, {}, {}, "Hidden")
                            << "<a href=\"qt:a,,,hidden\" title=\"A\">A</a>";
    QTest::newRow("unknown run text used as word")
        << Item("A", "a", {}, {}, {}, "Sideways")
        << "<a href=\"qt:a,,,Sideways\" title=\"A\">A</a>";
    QTest::newRow("empty run") << Item("A", "a", {}, {}, {}, {})
                               << "<a href=\"qt:a\" title=\"A\">A</a>";
    QTest::newRow("hyperlink") << Item("Doc", "C:\\Docs\\a.htm", {}, {}, {}, "Hyperlink")
                               << "<a href=\"C:\\Docs\\a.htm\" title=\"Doc\">Doc</a>";
    QTest::newRow("hyperlink with parameters")
        << Item("Doc", "C:\\Docs\\a.htm", "x", {}, {}, "Hyperlink")
        << "<a href=\"C:\\Docs\\a.htm,x\" title=\"Doc\">Doc</a>";
    QTest::newRow("hyperlink in other case is a program")
        << Item("Doc", "a.htm", {}, {}, {}, "hyperlink")
        << "<a href=\"qt:a.htm,,,hyperlink\" title=\"Doc\">Doc</a>";
    QTest::newRow("commas inside fields")
        << Item("A, B", "a,b.exe", "x,y", "C:\\a,b", {}, "Normal Window", "one, two")
        << "<a href=\"qt:a&amp;comma;b.exe,x&amp;comma;y,C:\\a&amp;comma;b\" title=\"one, "
           "two\">A&amp;comma; B</a>";
    QTest::newRow("description as tip keeps comma escape")
        << Item("A,B", "a") << "<a href=\"qt:a\" title=\"A&amp;comma;B\">A&amp;comma;B</a>";
    QTest::newRow("markup in texts made page-safe")
        << Item("<b>\"x\"</b>", "a&b", {}, {}, {}, "Normal Window", "1 < 2")
        << "<a href=\"qt:a&amp;b\" title=\"1 &lt; 2\">&lt;b&gt;&quot;x&quot;&lt;/b&gt;</a>";
    QTest::newRow("picture icon above") << Item("P", "p", {}, {}, "C:\\i\\p.PNG")
                                        << "<a href=\"qt:p\" title=\"P\"><img border=\"0\" "
                                           "src=\"C:\\i\\p.PNG\" width=\"32\" height=\"32\" "
                                           "alt=\"P\"><br>P</a>";
    QTest::newRow("program icon in preview is its own path")
        << Item("P", "p", {}, {}, "/usr/bin/p.exe", "Normal Window", "tip, here")
        << "<a href=\"qt:p\" title=\"tip, here\"><img border=\"0\" src=\"/usr/bin/p.exe\" "
           "width=\"32\" "
           "height=\"32\" alt=\"tip, here\"><br>P</a>";
    QTest::newRow("empty fields everywhere")
        << Item({}, {}, {}, {}, {}, {}) << "<a href=\"qt:\" title=\"\"></a>";
}

void TestPageGen::link() {
    QFETCH(LauncherItem, item);
    QFETCH(QString, expected);
    LauncherDocument doc;
    doc.Items.Append(item);
    QCOMPARE(Body(Preview(doc)), "<table border=\"0\" width=\"100%\">\r\n  <tr>\r\n    <td "
                                 "width=\"100%\" align=\"center\">" +
                                     expected + "</td>\r\n  </tr>\r\n</table>\r\n\r\n");
}

void TestPageGen::tableLayout_data() {
    QTest::addColumn<QVector<LauncherItem>>("rows");
    QTest::addColumn<PropList>("props");
    QTest::addColumn<QString>("expected"); // the body between the h1 heading and "</body>"

    const auto cell = [](const QString& w, const QString& d) {
        return "    <td width=\"" + w + "%\" align=\"center\"><a href=\"qt:" + d + "\" title=\"" +
               d + "\">" + d + "</a></td>\r\n";
    };
    const QString table0 = "<table border=\"0\" width=\"100%\">\r\n";
    const QString table1 = "<table border=\"1\" width=\"100%\">\r\n";
    const QString tr = "  <tr>\r\n", etr = "  </tr>\r\n", etable = "</table>\r\n\r\n";
    const auto h2 = [](const QString& n) { return "<h2>" + n + "</h2>\r\n\r\n"; };

    QTest::newRow("empty list") << QVector<LauncherItem>{} << PropList{} << QString();
    QTest::newRow("two items under five columns")
        << QVector<LauncherItem>{Item("a", "a"), Item("b", "b")} << PropList{}
        << table0 + tr + cell("50", "a") + cell("50", "b") + etr + etable;
    QTest::newRow("five items under three columns")
        << QVector<LauncherItem>{Item("a", "a"), Item("b", "b"), Item("c", "c"), Item("d", "d"),
                                 Item("e", "e")}
        << PropList{{"Columns", "3"}}
        << table0 + tr + cell("33.3333333333333", "a") + cell("33.3333333333333", "b") +
               cell("33.3333333333333", "c") + etr + tr + cell("33.3333333333333", "d") +
               cell("33.3333333333333", "e") + etr + etable;
    QTest::newRow("leading block with border and table colour")
        << QVector<LauncherItem>{Item("a", "a")}
        << PropList{{"Table border", "True"}, {"Table colour", "#C0C0C0"}}
        << "<table border=\"1\" width=\"100%\" bgcolor=\"#C0C0C0\">\r\n" + tr + cell("100", "a") +
               etr + etable;
    QTest::newRow("starts with a section")
        << QVector<LauncherItem>{Section("S", "2"), Item("a", "a"), Item("b", "b"), Item("c", "c")}
        << PropList{}
        << h2("S") + table0 + tr + cell("50", "a") + cell("50", "b") + etr + tr + cell("50", "c") +
               etr + etable;
    QTest::newRow("empty sections give headings only")
        << QVector<LauncherItem>{Item("a", "a"), Section("E", "4"),
                                 Section("F", "3", {}, {}, "True"), Item("f", "f"),
                                 Section("G", "2")}
        << PropList{}
        << table0 + tr + cell("100", "a") + etr + etable + h2("E") + h2("F") + table1 + tr +
               cell("100", "f") + etr + etable + h2("G");
    QTest::newRow("section colour is the page's")
        << QVector<LauncherItem>{Section("S", "1"), Item("a", "a")}
        << PropList{{"Table colour", "#FF0000"}}
        << h2("S") + "<table border=\"0\" width=\"100%\" bgcolor=\"#FF0000\">\r\n" + tr +
               cell("100", "a") + etr + etable;
    QTest::newRow("section layout details")
        << QVector<LauncherItem>{Section("S", "8"), Item("a", "a", {}, {}, "x.gif"),
                                 Section("T", "8", "16", "False"), Item("b", "b", {}, {}, "y.gif")}
        << PropList{{"Icon size", "48"}}
        << h2("S") + table0 + tr +
               "    <td width=\"100%\" align=\"center\"><a href=\"qt:a\" title=\"a\"><img "
               "border=\"0\" src=\"x.gif\" "
               "width=\"48\" height=\"48\" alt=\"a\"><br>a</a></td>\r\n" +
               etr + etable + h2("T") + table0 + tr +
               "    <td width=\"100%\" align=\"center\"><a href=\"qt:b\" title=\"b\"><img "
               "border=\"0\" src=\"y.gif\" "
               "width=\"16\" height=\"16\" alt=\"b\">b</a></td>\r\n" +
               etr + etable;
    QTest::newRow("icons beside by page property")
        << QVector<LauncherItem>{Item("a", "a", {}, {}, "x.jpg")}
        << PropList{{"Icons above", "False"}}
        << table0 + tr +
               "    <td width=\"100%\" align=\"center\"><a href=\"qt:a\" title=\"a\"><img "
               "border=\"0\" src=\"x.jpg\" "
               "width=\"32\" height=\"32\" alt=\"a\">a</a></td>\r\n" +
               etr + etable;
    QTest::newRow("section name with markup and separators")
        << QVector<LauncherItem>{Section(EncodeSectionName("a:b;<c>"), "1")} << PropList{}
        << h2("a:b;&lt;c&gt;");
    QTest::newRow("negative section columns write no table")
        << QVector<LauncherItem>{Section("S", "-2"), Item("a", "a")} << PropList{}
        << h2("S") + tr + cell("-50", "a") + etr;
}

void TestPageGen::tableLayout() {
    QFETCH(QVector<LauncherItem>, rows);
    QFETCH(PropList, props);
    QFETCH(QString, expected);
    QCOMPARE(Body(Preview(*MakeDoc(rows, props))), expected);
}

void TestPageGen::info_data() {
    QTest::addColumn<PropList>("props");
    QTest::addColumn<QString>("curFile");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << PropList{} << "/x/a.qtf"
                              << "<!-- Quintor info:\r\nHeight=412\r\nWidth=492\r\n-->";
    QTest::newRow("every non-default state")
        << PropList{{"Closable", "False"},
                    {"Extra commands", "False"},
                    {"Icon", "/i/a.ico"},
                    {"Minimise on use", "True"},
                    {"Start maximised", "True"},
                    {"Show edit command", "True"},
                    {"Height", ""},
                    {"Width", "7"}}
        << "/x/a,b.qtf"
        << "<!-- Quintor info:\r\nClosable=False\r\nExtra "
           "commands=False\r\nHeight=\r\nIcon=/i/a.ico\r\n"
           "Minimise on use=True\r\nStart maximised=True\r\nSource "
           "file=/x/a,b.qtf\r\nWidth=7\r\n-->";
    QTest::newRow("edit command without a file")
        << PropList{{"Show edit command", "True"}} << QString()
        << "<!-- Quintor info:\r\nHeight=412\r\nSource file=\r\nWidth=492\r\n-->";
    QTest::newRow("only exact words count")
        << PropList{{"Closable", "false"}, {"Minimise on use", "Yes"}} << QString()
        << "<!-- Quintor info:\r\nHeight=412\r\nWidth=492\r\n-->";
}

void TestPageGen::info() {
    QFETCH(PropList, props);
    QFETCH(QString, curFile);
    QFETCH(QString, expected);
    LauncherDocument doc;
    SetProps(doc, props);
    doc.CurFile = curFile;
    QVERIFY(Preview(doc).endsWith("</html>\r\n\r\n" + expected));
}

void TestPageGen::cellWidth_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1") << 1 << "100";
    QTest::newRow("3") << 3 << "33.3333333333333";
    QTest::newRow("6") << 6 << "16.6666666666667";
    QTest::newRow("7") << 7 << "14.2857142857143";
    QTest::newRow("8") << 8 << "12.5";
    QTest::newRow("100") << 100 << "1";
    QTest::newRow("32767") << 32767 << "0.00305185094759972";
    QTest::newRow("-3") << -3 << "-33.3333333333333";
}

void TestPageGen::cellWidth() {
    QFETCH(int, columns);
    QFETCH(QString, expected);
    QCOMPARE(modGenHTML::CellWidth(columns), expected);
    // A decimal-comma locale must not leak into the page: browsers read only ".".
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString inGerman = modGenHTML::CellWidth(columns);
    QLocale::setDefault(before);
    QCOMPARE(inGerman, expected);
}

void TestPageGen::failures_data() {
    QTest::addColumn<QVector<LauncherItem>>("rows");
    QTest::addColumn<PropList>("props");
    QTest::addColumn<int>("number");
    QTest::newRow("columns not a number")
        << QVector<LauncherItem>{Item("a", "a")} << PropList{{"Columns", "five"}} << 13;
    QTest::newRow("columns empty")
        << QVector<LauncherItem>{Item("a", "a")} << PropList{{"Columns", ""}} << 13;
    QTest::newRow("section columns not a number")
        << QVector<LauncherItem>{Section("S", "x")} << PropList{} << 13;
    QTest::newRow("zero columns with items")
        << QVector<LauncherItem>{Item("a", "a")} << PropList{{"Columns", "0"}} << 11;
    QTest::newRow("section zero columns with items")
        << QVector<LauncherItem>{Section("S", "0"), Item("a", "a")} << PropList{} << 11;
    QTest::newRow("icon size not a number")
        << QVector<LauncherItem>{Item("a", "a", {}, {}, "a.png")} << PropList{{"Icon size", "big"}}
        << 13;
    QTest::newRow("section icon size not a number")
        << QVector<LauncherItem>{Section("S", "1", "huge"), Item("a", "a", {}, {}, "a.png")}
        << PropList{} << 13;
    QTest::newRow("columns beyond 16 bits")
        << QVector<LauncherItem>{Item("a", "a")} << PropList{{"Columns", "40000"}} << 6;
    QTest::newRow("columns infinite")
        << QVector<LauncherItem>{Item("a", "a")} << PropList{{"Columns", "inf"}} << 13;
}

void TestPageGen::failures() {
    QFETCH(QVector<LauncherItem>, rows);
    QFETCH(PropList, props);
    QFETCH(int, number);
    try {
        Preview(*MakeDoc(rows, props));
        QFAIL("the page was generated");
    } catch (const AppError& e) {
        QCOMPARE(e.Number, number);
        QVERIFY(!e.Description.isEmpty());
    }
}

void TestPageGen::charsetLineOnlyForNonAscii() {
    LauncherDocument doc;
    doc.Items.Append(Item("plain", "a"));
    const QString ascii = Preview(doc);
    QVERIFY(!ascii.contains("charset"));

    for (const QString& where : {QString("Title"), QString("Footer HTML"), QString("item")}) {
        LauncherDocument wide;
        if (where == "item")
            wide.Items.Append(Item("Café", "a"));
        else
            wide.WriteProp(where, "Ünïcode");
        const QStringList lines = Lines(Preview(wide));
        QCOMPARE(lines.value(3),
                 QString("<meta name=\"generator\" content=\"Quintor Editor 3.3.13\">"));
        QCOMPARE(lines.value(4), QString("<meta charset=\"utf-8\">"));
        QVERIFY2(lines.value(5).startsWith("<title>"), qPrintable(where));
    }
}

void TestPageGen::headerFooterAndBackground() {
    LauncherDocument doc;
    doc.WriteProp("Header HTML", "<div>\r\nhead</div>");
    doc.WriteProp("Footer HTML", "<i>foot</i>");
    doc.WriteProp("Background picture", "file:///p/b.png");
    doc.WriteProp("Title", "");
    const QString page = Preview(doc);
    QVERIFY(page.contains(
        "<body background=\"file:///p/b.png\">\r\n\r\n<h1></h1>\r\n\r\n<div>\r\nhead</div>\r\n\r\n"
        "<i>foot</i>\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n<!-- Quintor info:"));
    QVERIFY(page.contains("<title></title>\r\n</head>"));
}

QTEST_MAIN(TestPageGen)
#include "test_pagegen.moc"
