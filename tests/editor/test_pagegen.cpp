#include "AppVersion.h"
#include "components/AppError.h"
#include "components/ConfigStore.h"
#include "document/LauncherDocument.h"
#include "items/Sections.h"
#include "pagegen/modGenHTML.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"

#include <QtTest>

using Rows = QVector<LauncherItem>;
Q_DECLARE_METATYPE(Rows)

namespace {
// Description, Command, Parameters, Start In, Icon, Run, Comments.
LauncherItem Item(QString D, QString C = {}, QString P = {}, QString S = {}, QString I = {},
                  QString Run = "Normal Window", QString Tip = {}) {
    return LauncherItem{{{D, C, P, S, I, Run, Tip}}};
}
// A section row with its details as they stand in the row (empty ones included).
LauncherItem Section(QString Name, QString Columns, QString Size = {}, QString Above = {},
                     QString Border = "False") {
    return Item("SECTION:" + Name + ";Columns:" + Columns + ";Icon size:" + Size +
                    ";Icons above:" + Above + ";Table border:" + Border,
                {}, {}, {}, {}, {});
}
// A document; Props is "Name=Value|Name=Value".
std::unique_ptr<LauncherDocument> Doc(const QVector<LauncherItem>& Rows,
                                      const QString& Props = {}) {
    auto doc = std::make_unique<LauncherDocument>();
    for (const QString& p : Props.split('|', Qt::SkipEmptyParts))
        doc->WriteProp(p.section('=', 0, 0), p.section('=', 1));
    doc->Items.AppendAll(Rows);
    return doc;
}
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
const auto Plain = [](const QString& W, const QString& N) { return Td(W, A("qt:" + N, N)); };
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
    QString Path(const QString& Name) const { return Dir.filePath(Name); }
    QString Icon(int K) const { return Folder + "/Icon" + QString::number(K) + ".ico"; }
    LauncherItem Program(const QString& Name) const { return Item(Name, "x", {}, {}, Path(Name)); }
    QStringList Files() const { return QDir(Folder).entryList(QDir::Files, QDir::Name); }
    QString List(const QString& Key) const {
        ConfigStore list;
        list.LoadFile(Folder + "/Icons.txt");
        return list.GetValue(Key);
    }
    // Builds the page; returns the src of its images in page order.
    QStringList Build(const LauncherDocument& Doc) const {
        QStringList sources;
        static const QRegularExpression src("<img border=\"0\" src=\"([^\"]*)\"");
        const QString page = GenHTML(Doc, true, Folder);
        for (auto it = src.globalMatch(page); it.hasNext();)
            sources.append(it.next().captured(1));
        return sources;
    }
    QTemporaryDir Dir;
    QString Folder; // the icon folder of the current test

private slots:
    void initTestCase() {
        // A decimal-comma locale must not leak into the page: browsers read only ".".
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        for (const char* name : {"prog1", "prog2", "prog3", "a&b"})
            QVERIFY(TestFiles::Executable(Path(name)));
    }
    void init() { Folder = Path(QTest::currentTestFunction()); }

    void workedExample() {
        const auto doc =
            Doc({Item("Notepad", "notepad.exe", {}, {}, "C:\\Icons\\note.ico", "Normal Window",
                      "Text editor"),
                 Section("Docs", "3", {}, {}, "True"),
                 Item("Manual", "C:\\Docs\\manual.htm", {}, {}, {}, "Hyperlink")},
                "Title=Tools|Font=Arial|Font size=10|Font bold=True|Link colour=#0000FF|"
                "Background colour=#FFFFFF|Show open command=True|"
                "Show exit command=True|Columns=2|Height=300|Width=400");
        const QString expected =
            "<html>\r\n\r\n<head>\r\n<meta name=\"generator\" content=\"Quintor "
            "Editor " QUINTOR_VERSION_TEXT "\">\r\n"
            "<title>Tools</title>\r\n<style>\r\n<!--\r\n"
            "body      { font-family: Arial; font-size: 10pt; font-weight: bold } \r\n"
            "table     { font-family: Arial; font-size: 10pt; font-weight: bold } \r\n"
            "a:link    { color: #0000FF; text-decoration: none "
            "}\r\n-->\r\n</style>\r\n</head>\r\n\r\n"
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
        QCOMPARE(GenHTML(*doc, true, Folder), page);
        QVERIFY(!QFileInfo::exists(Folder)); // nothing extracted: no folder made
    }

    void pieces_data() {
        // expected: a piece of the page in its place, or "error N"
        DataRows::Columns<Rows, QString, QString>({"rows", "props", "expected"});
        const auto row = [](const char* Name, QString Props, QString Expected, Rows R = {}) {
            QTest::addRow("%s", Name) << R << Props << Expected;
        };
        row("style in order",
            "Font bold=True|Font italic=True|Text colour=#0|Font underline=True|Font size=9|Font=V|"
            "Font strikethrough=True",
            Rules("font-family: V; font-size: 9pt; text-decoration: line-through; "
                  "text-decoration: underline; color: #0; font-style: italic; font-weight: bold"));
        row("link colours, style sheet",
            "Link hover colour=#0F0|Link colour=#00F|Link active colour=#F00|Link visited "
            "colour=#808|"
            "Style sheet=s.css",
            Style("<style>\r\n<!--\r\na:link    { color: #00F; text-decoration: none }\r\n"
                  "a:visited { color: #808; text-decoration: none }\r\n"
                  "a:active  { color: #F00; text-decoration: none }\r\n"
                  "a:hover   { color: #0F0; text-decoration: underline }\r\n-->\r\n</style>\r\n"
                  "<link rel=\"stylesheet\" type=\"text/css\" href=\"s.css\">\r\n"));

        row("commands: all",
            "Show refresh command=True|Show edit command=True|Show maximise command=True|"
            "Show minimise command=True|Show exit command=True|Show open command=True",
            Body(
                "<p>[ <a href=\"qtc:open\">Open</a> ] [ <a href=\"qtc:exit\">Exit</a> ] [ <a "
                "href=\"qtc:min\">Minimise</a> ] [ <a href=\"qtc:max\">Maximise</a> ] [ <a "
                "href=\"qtc:edit\">Edit</a> ][ <a href=\"qtc:refresh\">Refresh</a> ]</p>\r\n\r\n"));

        const auto link = [&row](const char* Name, const LauncherItem& It, const QString& Link) {
            row(Name, "", Body(Table(Tr(Td("100", Link)))), {It});
        };
        link("empty parameters kept", Item("A", "a", {}, "C:\\W", {}, "Maximised Focus"),
             A("qt:a,,C:\\W,maxfocus", "A"));
        // An unknown run text, "hyperlink" in another case among them, is written as it stands.
        for (const char* run :
             {"Minimised Focus=minfocus", "Normal No Focus=normalnofocus",
              "Minimised No Focus=minnofocus", "Hidden=hidden", "Odd=Odd", "hyperlink=hyperlink"}) {
            const QString r = run;
            link(run, Item("A", "a", "p", {}, {}, r.section('=', 0, 0)),
                 A("qt:a,p,," + r.section('=', 1), "A"));
        }
        link("hyperlink, parameters", Item("D", "a", "x", {}, {}, "Hyperlink"), A("a,x", "D"));
        link("commas inside fields", Item("A, B", "a,b", "x,y", "C:\\a,b"),
             A("qt:a&amp;comma;b,x&amp;comma;y,C:\\a&amp;comma;b", "A&amp;comma; B"));
        link("markup made page-safe", Item("<b>\"x\"</b>", "a&b", {}, {}, {}, {}, "1 < 2"),
             A("qt:a&amp;b", "1 &lt; 2", "&lt;b&gt;&quot;x&quot;&lt;/b&gt;"));

        const Rows abc{Item("a", "a"), Item("b", "b"), Item("c", "c")};
        const QString w3 = "33.3333333333333";
        row("empty list", "", Body(""));
        row("columns lowered, border", "Table border=True",
            Body(Table(Tr(Plain("50", "a") + Plain("50", "b")), "1")), abc.mid(0, 2));
        row("five items, three columns", "Columns=3",
            Body(Table(Tr(Plain(w3, "a") + Plain(w3, "b") + Plain(w3, "c")) +
                       Tr(Plain(w3, "a") + Plain(w3, "b")))),
            abc + abc.mid(0, 2));
        row("starts with a section", "Table colour=#F00",
            Body(H2("S") + Table(Tr(Plain("50", "a") + Plain("50", "b")) + Tr(Plain("50", "c")),
                                 "0", " bgcolor=\"#F00\"")),
            Rows{Section("S", "2")} + abc);
        row("empty sections", "",
            Body(Table(Tr(Plain("100", "a"))) + H2("E") + H2("F") +
                 Table(Tr(Plain("100", "b")), "1") + H2("G")),
            {abc[0], Section("E", "4"), Section("F", "3", {}, {}, "True"), abc[1],
             Section("G", "2")});
        const QString img = "<img border=\"0\" src=\"x.gif\" width=\"%1\" height=\"%1\" alt=\"a\">";
        row("icon layout of the section, else the page", "Icon size=48|Icons above=False",
            Body(H2("S") + Table(Tr(Td("100", A("qt:a", "a", img.arg(48) + "a")))) + H2("T") +
                 Table(Tr(Td("100", A("qt:a", "a", img.arg(16) + "<br>a"))))),
            {Section("S", "8"), Item("a", "a", {}, {}, "x.gif"), Section("T", "8", "16", "True"),
             Item("a", "a", {}, {}, "x.gif")});
        row("section name made page-safe", "", Body(H2("a:b;&lt;c&gt;")),
            {Section(EncodeSectionName("a:b;<c>"), "1")});

        row("info: defaults, exact words only", "Closable=false|Minimise on use=Yes",
            Info("Height=412\r\nWidth=492\r\n"));
        row("info: all",
            "Closable=False|Extra commands=False|Icon=/i.ico|Minimise on use=True|"
            "Start maximised=True|Show edit command=True|Height=|Width=7",
            Info("Closable=False\r\nExtra commands=False\r\nHeight=\r\nIcon=/i.ico\r\nMinimise on "
                 "use=True\r\nStart maximised=True\r\nSource file=/x/a,b.qtf\r\nWidth=7\r\n"));
        row("header, footer, background",
            "Header HTML=<div>\r\nhead</div>|Footer HTML=<i>foot</i>|Background "
            "picture=b.png|Title=",
            QUINTOR_VERSION_TEXT "\">\r\n<title></title>\r\n</head>\r\n\r\n<body "
                                 "background=\"b.png\">\r\n\r\n<h1></h1>\r\n\r\n"
                                 "<div>\r\nhead</div>\r\n\r\n<i>foot</i>\r\n\r\n</body>");
        // A page holding anything outside ASCII says it is UTF-8, else it stays without.
        row("charset", "", QUINTOR_VERSION_TEXT "\">\r\n<meta charset=\"utf-8\">\r\n<title>",
            {Item("Café", "a")});

        row("beyond 16 bits", "Columns=40000", "error 6", abc);
        row("zero columns", "Columns=0", "error 11", abc);
    }

    void pieces() {
        const QString expected = DataRows::Fetch("expected");
        const auto doc = Doc(DataRows::Fetch<Rows>("rows"), DataRows::Fetch("props"));
        doc->CurFile = "/x/a,b.qtf";
        try {
            const QString page = GenHTML(*doc, false, {});
            QVERIFY2(page.contains(expected), qPrintable(page));
            QVERIFY2(page.endsWith("-->"), qPrintable(page));
        } catch (const AppError& e) {
            QCOMPARE("error " + QString::number(e.Number), expected);
            QVERIFY(!e.Description.isEmpty());
        }
    }

    void oneFilePerProgramIgnoringCase() {
        // A source none of the file tests accepts gets the placeholder and uses up no number; the
        // file system is asked with the cell's own text, the list keeps the page text.
        const auto doc =
            Doc({Program("prog1"), Program("PROG1"), Item("pic", "x", {}, {}, "p.png"),
                 Program("missing"), Program("prog2"), Program("prog1"), Program("a&b")});
        QCOMPARE(Build(*doc),
                 QStringList({Icon(1), Icon(1), "p.png", Icon(0), Icon(2), Icon(1), Icon(3)}));
        QCOMPARE(Files(), QStringList({"Icon1.ico", "Icon2.ico", "Icon3.ico", "Icons.txt"}));
        QCOMPARE(
            QStringList({List("Icons"), List("Icon1"), List("EXE1"), List("Icon2"), List("EXE2"),
                         List("EXE3")}),
            QStringList({"3", Icon(1), Path("prog1"), Icon(2), Path("prog2"), Path("a&amp;b")}));
    }

    void rebuildDeletesOldIconsFirst() {
        const auto doc = Doc({Program("prog1"), Program("prog2"), Program("prog3")});
        Build(*doc);
        doc->Items.ReplaceAll({Program("prog3")});
        QCOMPARE(Build(*doc), QStringList({Icon(1)}));
        QCOMPARE(Files(), QStringList({"Icon1.ico", "Icons.txt"}));
        QCOMPARE(QStringList({List("EXE1"), List("Icon2")}),
                 QStringList({Path("prog3"), ConfigStore::NotFound}));
        // Of what an old list names, a file already gone is passed over and only files lying in
        // the icon folder are deleted.
        QVERIFY(TestFiles::Write(Path("keep.txt"), "precious"));
        QVERIFY(QDir().mkpath(Icon(3)));
        const QString old = "Icons=4\r\nIcon1=" + Icon(9) + "\r\nIcon2=" + Icon(1) +
                            "\r\nIcon3=" + Icon(3) + "\r\nIcon4=" + Path("keep.txt");
        QVERIFY(TestFiles::Write(Folder + "/Icons.txt", old.toUtf8()));
        doc->Items.ReplaceAll({Item("pic", "x", {}, {}, "a.gif")});
        Build(*doc);
        QVERIFY(!QFile::exists(Icon(1)));
        QVERIFY(QFileInfo(Icon(3)).isDir());
        QCOMPARE(TestFiles::Read(Path("keep.txt")), QByteArray("precious"));
        QCOMPARE(TestFiles::Read(Folder + "/Icons.txt"), QByteArray("Icons=0\r\n"));
    }
};

QTEST_MAIN(TestPageGen)
#include "test_pagegen.moc"
