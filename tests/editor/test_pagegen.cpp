#include "AppError.h"
#include "PageDocs.h"
#include "Sections.h"
#include "modGenHTML.h"

#include <QLocale>
#include <QtTest>

using namespace PageDocs;
using Rows = QVector<LauncherItem>;
Q_DECLARE_METATYPE(Rows)

namespace {
const auto A = [](const QString& Href, const QString& Title, const QString& Text = {}) {
    return "<a href=\"" + Href + "\" title=\"" + Title + "\">" + (Text.isNull() ? Title : Text) +
           "</a>";
};
const auto Td = [](const QString& Width, const QString& Link) {
    return "    <td width=\"" + Width + "%\" align=\"center\">" + Link + "</td>\r\n";
};
const auto Tr = [](const QString& Cells) { return "  <tr>\r\n" + Cells + "  </tr>\r\n"; };
const auto Table = [](const QString& Rows, const QString& Border = "0", const QString& Extra = {}) {
    return "<table border=\"" + Border + "\" width=\"100%\"" + Extra + ">\r\n" + Rows +
           "</table>\r\n\r\n";
};
const auto H2 = [](const QString& Name) { return "<h2>" + Name + "</h2>\r\n\r\n"; };
// The cell of an item whose description and command are both Name.
const auto Plain = [](const QString& Width, const QString& Name) {
    return Td(Width, A("qt:" + Name, Name));
};
// Anchor a piece of the page where it belongs.
const auto Style = [](const QString& S) { return "</title>\r\n" + S + "</head>"; };
const auto Body = [](const QString& B) { return "</h1>\r\n\r\n" + B + "</body>"; };
const auto Info = [](const QString& I) {
    return "</html>\r\n\r\n<!-- Quintor info:\r\n" + I + "-->";
};
const auto Rules = [](const QString& R) {
    return Style("<style>\r\n<!--\r\nbody      { " + R + " } \r\ntable     { " + R +
                 " } \r\n-->\r\n</style>\r\n");
};
} // namespace

class TestPageGen : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void pieces_data();
    void pieces();
    void cellWidth();
};

void TestPageGen::workedExample() {
    const auto doc = Doc({Item("Notepad", "notepad.exe", {}, {}, "C:\\Icons\\note.ico",
                               "Normal Window", "Text editor"),
                          Section("Docs", "3", {}, {}, "True"),
                          Item("Manual", "C:\\Docs\\manual.htm", {}, {}, {}, "Hyperlink")},
                         "Title=Tools|Font=Arial|Font size=10|Font bold=True|Link colour=#0000FF|"
                         "Background colour=#FFFFFF|Show open command=True|"
                         "Show exit command=True|Columns=2|Height=300|Width=400");
    const QString expected =
        "<html>\r\n\r\n<head>\r\n<meta name=\"generator\" content=\"Quintor Editor 3.3.13\">\r\n"
        "<title>Tools</title>\r\n<style>\r\n<!--\r\n"
        "body      { font-family: Arial; font-size: 10pt; font-weight: bold } \r\n"
        "table     { font-family: Arial; font-size: 10pt; font-weight: bold } \r\n"
        "a:link    { color: #0000FF; text-decoration: none }\r\n-->\r\n</style>\r\n</head>\r\n\r\n"
        "<body bgcolor=\"#FFFFFF\">\r\n\r\n<h1>Tools</h1>\r\n\r\n"
        "<p>[ <a href=\"qtc:open\">Open</a> ] [ <a href=\"qtc:exit\">Exit</a> ]</p>\r\n\r\n"
        "<table border=\"0\" width=\"100%\">\r\n  <tr>\r\n"
        "    <td width=\"100%\" align=\"center\"><a href=\"qt:notepad.exe\" title=\"Text "
        "editor\"><img border=\"0\" src=\"C:\\Icons\\note.ico\" width=\"32\" height=\"32\" "
        "alt=\"Text editor\"><br>Notepad</a></td>\r\n  </tr>\r\n</table>\r\n\r\n"
        "<h2>Docs</h2>\r\n\r\n<table border=\"1\" width=\"100%\">\r\n  <tr>\r\n"
        "    <td width=\"100%\" align=\"center\"><a href=\"C:\\Docs\\manual.htm\" "
        "title=\"Manual\">Manual</a></td>\r\n  </tr>\r\n</table>\r\n\r\n"
        "</body>\r\n\r\n</html>\r\n\r\n<!-- Quintor info:\r\nHeight=300\r\nWidth=400\r\n-->";
    const QString page = GenHTML(*doc, false, {});
    QCOMPARE(page, expected);
    // The preview and the build write the same page when no program icon is involved.
    QTemporaryDir dir;
    QCOMPARE(GenHTML(*doc, true, dir.filePath("Tools")), page);
}

void TestPageGen::pieces_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("props");
    QTest::addColumn<QString>(
        "expected"); // a piece of the page with what surrounds it, or "error N"
    const auto row = [](const char* Name, const QString& Props, const QString& Expected,
                        const Rows& R = {}) {
        QTest::addRow("%s", Name) << R << Props << Expected;
    };
    row("style: bold", "Font bold=True", Rules("font-weight: bold"));
    row("style: italic", "Font italic=True", Rules("font-style: italic"));
    row("style: underline", "Font underline=True", Rules("text-decoration: underline"));
    row("style: strikethrough", "Font strikethrough=True", Rules("text-decoration: line-through"));
    row("style: strikethrough and underline", "Font underline=True|Font strikethrough=True",
        Rules("text-decoration: line-through; text-decoration: underline"));
    row("style: colour", "Text colour=#102030", Rules("color: #102030"));
    row("style: everything in order",
        "Font bold=True|Font italic=True|Text colour=#000|Font underline=True|Font size=9|Font=V",
        Rules("font-family: V; font-size: 9pt; text-decoration: underline; color: #000; "
              "font-style: italic; font-weight: bold"));
    row("style: flag not exactly True", "Font bold=true", Style(""));
    row("style: font name made page-safe", "Font=A&B", Rules("font-family: A&amp;B"));
    row("style: link colours",
        "Link hover colour=#0F0|Link colour=#00F|Link active colour=#F00|Link visited colour=#808",
        Style("<style>\r\n<!--\r\na:link    { color: #00F; text-decoration: none }\r\n"
              "a:visited { color: #808; text-decoration: none }\r\n"
              "a:active  { color: #F00; text-decoration: none }\r\n"
              "a:hover   { color: #0F0; text-decoration: underline }\r\n-->\r\n</style>\r\n"));
    row("style sheet without rules", "Style sheet=s.css",
        Style("<link rel=\"stylesheet\" type=\"text/css\" href=\"s.css\">\r\n"));

    const QString open = "[ <a href=\"qtc:open\">Open</a> ] ",
                  exit = "[ <a href=\"qtc:exit\">Exit</a> ] ",
                  minmax =
                      "[ <a href=\"qtc:min\">Minimise</a> ] [ <a href=\"qtc:max\">Maximise</a> ] ",
                  edit = "[ <a href=\"qtc:edit\">Edit</a> ]",
                  refresh = "[ <a href=\"qtc:refresh\">Refresh</a> ]";
    const auto show = [](const QString& Names) {
        return "Show " + QString(Names).replace(" ", " command=True|Show ") + " command=True";
    };
    const auto bar = [](const QString& Bar) { return Body("<p>" + Bar + "</p>\r\n\r\n"); };
    row("commands: open", show("open"), bar(open.trimmed()));
    row("commands: edit and refresh", show("refresh edit"), bar(edit + refresh));
    row("commands: min max edit", show("maximise edit minimise"), bar(minmax + edit));
    row("commands: all six", show("refresh edit maximise minimise exit open"),
        bar(open + exit + minmax + edit + refresh));

    const auto link = [&row](const char* Name, const LauncherItem& It, const QString& Link) {
        row(Name, "", Body(Table(Tr(Td("100", Link)))), {It});
    };
    link("link: empty parameters kept", Item("A", "a", {}, "C:\\W", {}, "Maximised Focus"),
         A("qt:a,,C:\\W,maxfocus", "A"));
    link("link: trailing commas dropped", Item("A", "a", {}, "C:\\W"), A("qt:a,,C:\\W", "A"));
    // An unknown run text, "hyperlink" in another case among them, is written as it stands.
    for (const char* run :
         {"Minimised Focus=minfocus", "Normal No Focus=normalnofocus",
          "Minimised No Focus=minnofocus", "Hidden=hidden", "Odd=Odd", "hyperlink=hyperlink"}) {
        const QString r = run;
        link(run, Item("A", "a", "p", {}, {}, r.section('=', 0, 0)),
             A("qt:a,p,," + r.section('=', 1), "A"));
    }
    link("link: hyperlink", Item("D", "a.htm", {}, {}, {}, "Hyperlink"), A("a.htm", "D"));
    link("link: hyperlink with parameters", Item("D", "a.htm", "x", {}, {}, "Hyperlink"),
         A("a.htm,x", "D"));
    link("link: commas inside fields", Item("A, B", "a,b", "x,y", "C:\\a,b"),
         A("qt:a&amp;comma;b,x&amp;comma;y,C:\\a&amp;comma;b", "A&amp;comma; B"));
    link("link: markup made page-safe", Item("<b>\"x\"</b>", "a&b", {}, {}, {}, {}, "1 < 2"),
         A("qt:a&amp;b", "1 &lt; 2", "&lt;b&gt;&quot;x&quot;&lt;/b&gt;"));
    link("link: empty fields", Item({}, {}, {}, {}, {}, {}), A("qt:", ""));

    const Rows abc{Item("a", "a"), Item("b", "b"), Item("c", "c")};
    const QString third = "33.3333333333333";
    row("table: empty list", "", Body(""));
    row("table: columns lowered to the items", "",
        Body(Table(Tr(Plain("50", "a") + Plain("50", "b")))), abc.mid(0, 2));
    row("table: five items under three columns", "Columns=3",
        Body(Table(Tr(Plain(third, "a") + Plain(third, "b") + Plain(third, "c")) +
                   Tr(Plain(third, "a") + Plain(third, "b")))),
        abc + abc.mid(0, 2));
    row("table: leading block with border and colour", "Table border=True|Table colour=#C0C0C0",
        Body(Table(Tr(Plain("100", "a")), "1", " bgcolor=\"#C0C0C0\"")), abc.mid(0, 1));
    row("table: starts with a section, page's colour", "Table colour=#F00",
        Body(H2("S") + Table(Tr(Plain("50", "a") + Plain("50", "b")) + Tr(Plain("50", "c")), "0",
                             " bgcolor=\"#F00\"")),
        Rows{Section("S", "2")} + abc);
    row("table: empty sections give headings only", "",
        Body(Table(Tr(Plain("100", "a"))) + H2("E") + H2("F") + Table(Tr(Plain("100", "b")), "1") +
             H2("G")),
        {abc[0], Section("E", "4"), Section("F", "3", {}, {}, "True"), abc[1], Section("G", "2")});
    const QString img = "<img border=\"0\" src=\"x.gif\" width=\"%1\" height=\"%1\" alt=\"a\">";
    row("table: icon size and placement of the section, else the page",
        "Icon size=48|Icons above=False",
        Body(H2("S") + Table(Tr(Td("100", A("qt:a", "a", img.arg(48) + "a")))) + H2("T") +
             Table(Tr(Td("100", A("qt:a", "a", img.arg(16) + "<br>a"))))),
        {Section("S", "8"), Item("a", "a", {}, {}, "x.gif"), Section("T", "8", "16", "True"),
         Item("a", "a", {}, {}, "x.gif")});
    row("table: section name with markup", "", Body(H2("a:b;&lt;c&gt;")),
        {Section(EncodeSectionName("a:b;<c>"), "1")});
    row("table: negative section columns write no table", "", Body(H2("S") + Tr(Plain("-50", "a"))),
        {Section("S", "-2"), abc[0]});

    row("info: defaults; only exact words count", "Closable=false|Minimise on use=Yes",
        Info("Height=412\r\nWidth=492\r\n"));
    row("info: every non-default state",
        "Closable=False|Extra commands=False|Icon=/i/a.ico|Minimise on use=True|"
        "Start maximised=True|Show edit command=True|Height=|Width=7",
        Info("Closable=False\r\nExtra commands=False\r\nHeight=\r\nIcon=/i/a.ico\r\n"
             "Minimise on use=True\r\nStart maximised=True\r\nSource file=/x/a,b.qtf\r\n"
             "Width=7\r\n"));
    row("header, footer and background",
        "Header HTML=<div>\r\nhead</div>|Footer HTML=<i>foot</i>|Background picture=b.png|Title=",
        "<title></title>\r\n</head>\r\n\r\n<body background=\"b.png\">\r\n\r\n<h1></h1>\r\n\r\n"
        "<div>\r\nhead</div>\r\n\r\n<i>foot</i>\r\n\r\n</body>");

    // A page holding anything outside ASCII says it is UTF-8 (the worked example stays without).
    const QString utf8 = "3.3.13\">\r\n<meta charset=\"utf-8\">\r\n<title>";
    row("charset: title", "Title=Ünïcode", utf8);
    row("charset: footer", "Footer HTML=Ünïcode", utf8);
    row("charset: item", "", utf8, {Item("Café", "a")});

    const Rows picture{Item("a", "a", {}, {}, "a.png")};
    row("fails: columns not a number", "Columns=five", "error 13", abc);
    row("fails: columns infinite", "Columns=inf", "error 13", abc);
    row("fails: columns beyond 16 bits", "Columns=40000", "error 6", abc);
    row("fails: zero columns with items", "Columns=0", "error 11", abc);
    row("fails: section columns not a number", "", "error 13", {Section("S", "x")});
    row("fails: section zero columns with items", "", "error 11", {Section("S", "0"), abc[0]});
    row("fails: icon size not a number", "Icon size=big", "error 13", picture);
    row("fails: section icon size not a number", "", "error 13",
        Rows{Section("S", "1", "huge")} + picture);
}

void TestPageGen::pieces() {
    QFETCH(Rows, rows);
    QFETCH(QString, props);
    QFETCH(QString, expected);
    const auto doc = Doc(rows, props);
    doc->CurFile = "/x/a,b.qtf";
    QString page;
    try {
        page = GenHTML(*doc, false, {});
    } catch (const AppError& e) {
        QVERIFY(!e.Description.isEmpty());
        page = "error " + QString::number(e.Number);
    }
    if (expected.startsWith("error "))
        QCOMPARE(page, expected);
    else
        QVERIFY2(page.contains(expected) && page.endsWith("-->"), qPrintable(page));
}

void TestPageGen::cellWidth() {
    // A decimal-comma locale must not leak into the page: browsers read only ".".
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const char* row : {"1=100", "3=33.3333333333333", "6=16.6666666666667", "8=12.5",
                            "32767=0.00305185094759972", "-3=-33.3333333333333"}) {
        const QString r = row;
        QCOMPARE(modGenHTML::CellWidth(r.section('=', 0, 0).toInt()), r.section('=', 1));
    }
    QLocale::setDefault(before);
}

QTEST_MAIN(TestPageGen)
#include "test_pagegen.moc"
