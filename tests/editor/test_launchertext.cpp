// The launcher file as YAML: what the editor writes, that it comes back byte for byte,
// and that reading refuses what the editor would.
#include "components/AppError.h"
#include "components/platform/FileLock.h"
#include "document/LauncherDocument.h"
#include "document/LauncherFile.h"
#include "editor/EveryProperty.h"
#include "items/Sections.h"
#include "pagegen/modGenHTML.h"
#include "support/DataRows.h"
#include "support/TestFiles.h"
#include "textform/LauncherText.h"

#include <QDirIterator>
#include <QtTest>
#include <sys/stat.h>

using namespace DataRows;
using namespace Qt::StringLiterals;

namespace {

LauncherItem Item(std::initializer_list<QString> Cells) {
    LauncherItem item;
    int c = 0;
    for (const QString& cell : Cells)
        item[c++] = cell;
    return item;
}

// Every property away from its default, and cells that YAML has to quote, escape or
// keep as a block.
void FillEverything(LauncherDocument& Doc) {
    EveryProperty::Set(Doc);
    // YAML's own words and indicators, blanks at either end, and the empty text.
    QStringList odd =
        QString("  lead/trail  /yes/null/~/- x/#c/a: b/@x/*y/&z/!w/%p/'q'/[s]/{m}/|/>/").split('/');
    odd << QString(QChar(0)) + "nul"
        << "one\r\ntwo\rthree\n"
        << "a,b \"c\" 'd'"
        << "tab\there"
        << "two\n\n"
        << "block\nof\n"
        << u"\u65e5\u672c \u2028 \u00e9"_s
        << u"del\u007f nel\u0085 bom\ufeff esc\u001b \U0001F600"_s
        << u"nonchar \ufffe \U0010FFFF \ufdd0 plain"_s << u"\ufeffat start"_s;
    for (const QString& text : odd)
        Doc.Items.Append(Item({text, text, text, text, text, "Hidden", text}));
    SectionDetails details;
    details.Name = "Web: ;links";
    details.Columns = "2";
    Doc.Items.Append(Item({SectionRowText(details)}));
    Doc.Items.Append(Item({"Debian", "https://www.debian.org", "", "", "", "Hyperlink", ""}));
    // A section row the editor did not write itself, with cells of its own.
    Doc.Items.Append(Item({"SECTION:Odd;Columns:x", "cmd", "", "", "", "", "note"}));
    Doc.Items.Append(Item({"In odd", "/bin/true", "", "", "", "Normal Window", ""}));
    details.Name = "Empty";
    Doc.Items.Append(Item({SectionRowText(details)}));
}

QString SourceDir() {
    return qEnvironmentVariable("QUINTOR_SOURCE_DIR");
}

} // namespace

class TestLauncherText : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;
    QString PathOf(const QString& Name) const { return Dir.filePath(Name); }

    // The description of the error Operation throws; empty when it throws none.
    static QString ErrorText(const std::function<void()>& Operation, int* Number = nullptr) {
        try {
            Operation();
        } catch (const AppError& e) {
            if (Number)
                *Number = e.Number;
            return e.Description;
        }
        return {};
    }

private slots:
    // .qtf -> .yaml -> .qtf gives the bytes the editor saved, for every launcher file of the
    // corpus that loads, the example and a document with everything set.
    void roundTrip_data() {
        Texts({"file"});
        Row("everything set", QString());
        Row("example", SourceDir() + "/examples/Tools.qtf");
        QDirIterator corpus(SourceDir() + "/tests/corpus/pack", {"*.qtf"}, QDir::Files);
        int loaded = 0;
        while (corpus.hasNext()) {
            const QString file = corpus.next();
            LauncherDocument probe;
            if (!ErrorText([&] { LauncherFile::OpenFile(probe, file, false); }).isEmpty())
                continue;
            ++loaded;
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
        }
        QVERIFY(loaded >= 3);
    }
    void roundTrip() {
        const QString source = Fetch("file");
        LauncherDocument doc;
        if (source.isEmpty())
            FillEverything(doc);
        else
            LauncherFile::OpenFile(doc, source, false);
        const QString saved = PathOf("saved.qtf"), text = PathOf("text.yaml"),
                      back = PathOf("back.qtf");
        LauncherFile::SaveFile(doc, saved);
        const QByteArray yaml = LauncherText::Write(doc);
        QVERIFY(TestFiles::Write(text, yaml));

        LauncherDocument fromText;
        LauncherFile::OpenFile(fromText, text, false);
        LauncherFile::SaveFile(fromText, back);
        QCOMPARE(TestFiles::Read(back), TestFiles::Read(saved));
        QCOMPARE(LauncherText::Write(fromText), yaml);
    }

    // The text people read and diff: fixed order, one key a line, blocks for multi-line
    // texts, defaults written out.
    void writtenForm() {
        LauncherDocument doc;
        doc.WriteProp("Title", "Tools");
        doc.WriteProp("Header HTML", "<b>Hi</b>\n");
        doc.Items.Append(
            Item({"Terminal", "x-terminal-emulator", "", "", "", "Normal Window", ""}));
        SectionDetails web;
        web.Name = "Web";
        doc.Items.Append(Item({SectionRowText(web)}));
        doc.Items.Append(Item({"Debian", "https://www.debian.org", "", "", "", "Hyperlink", "#1"}));
        const QString yaml = QString::fromUtf8(LauncherText::Write(doc));
        QVERIFY2(yaml.startsWith("# Quintor launcher file"), qPrintable(yaml));
        QVERIFY2(
            yaml.contains("\nproperties:\n  P_BACK_C: \"\"\n  P_BACK_P: \"\"\n  P_CLOSE: True\n"
                          "  P_COLUMN: 5\n"),
            qPrintable(yaml));
        QVERIFY2(yaml.contains("  P_HEADER: |\n    <b>Hi</b>\n  P_HEIGHT: 412\n"),
                 qPrintable(yaml));
        QVERIFY2(yaml.contains("  P_TITLE: Tools\n"), qPrintable(yaml));
        QVERIFY2(yaml.endsWith("  P_SHOW_R: False\n"
                               "items:\n"
                               "  - description: Terminal\n"
                               "    command: x-terminal-emulator\n"
                               "    parameters: \"\"\n"
                               "    start-in: \"\"\n"
                               "    icon: \"\"\n"
                               "    run: Normal Window\n"
                               "    comments: \"\"\n"
                               "sections:\n"
                               "  - name: Web\n"
                               "    columns: 5\n"
                               "    icon-size: 32\n"
                               "    icons-above: True\n"
                               "    table-border: False\n"
                               "    items:\n"
                               "      - description: Debian\n"
                               "        command: https://www.debian.org\n"
                               "        parameters: \"\"\n"
                               "        start-in: \"\"\n"
                               "        icon: \"\"\n"
                               "        run: Hyperlink\n"
                               "        comments: \"#1\"\n"),
                 qPrintable(yaml));
        LauncherDocument empty;
        QVERIFY(LauncherText::Write(empty).endsWith("items: []\nsections: []\n"));
    }

    // A few keys by hand: everything else is the default, and the page is the one a
    // document made in the editor with the same items gives.
    void handWrittenDefaults() {
        const QString file = PathOf("few.yaml");
        QVERIFY(TestFiles::Write(file, "properties:\n"
                                       "  P_TITLE: My tools\n"
                                       "  P_ICON_A: false\n"
                                       "items:\n"
                                       "  - description: Terminal\n"
                                       "    command: x-terminal-emulator\n"
                                       "sections:\n"
                                       "  - name: Web\n"
                                       "    items:\n"
                                       "      - description: Debian\n"
                                       "        command: https://www.debian.org\n"
                                       "        run: Hyperlink\n"
                                       "  - name: Nothing yet\n"));
        LauncherDocument fromText;
        // What the document held before has no say: a header stays only if the file has it.
        fromText.WriteProp("Header HTML", "old");
        fromText.WriteProp("Columns", "9");
        LauncherFile::OpenFile(fromText, file, false);

        LauncherDocument made;
        made.WriteProp("Title", "My tools");
        made.WriteProp("Icons above", "False");
        made.Items.Append(
            Item({"Terminal", "x-terminal-emulator", "", "", "", "Normal Window", ""}));
        SectionDetails web;
        web.Name = "Web";
        made.Items.Append(Item({SectionRowText(web)}));
        made.Items.Append(Item({"Debian", "https://www.debian.org", "", "", "", "Hyperlink", ""}));
        web.Name = "Nothing yet";
        made.Items.Append(Item({SectionRowText(web)}));
        made.CurFile = fromText.CurFile;

        QCOMPARE(fromText.Items.All(), made.Items.All());
        QCOMPARE(GenHTML(fromText, false, QString()), GenHTML(made, false, QString()));
        QCOMPARE(fromText.ReadProp("Columns", true), QString("5"));
        QCOMPARE(fromText.HeaderHTML, QString());
    }

    // A noncharacter that would have to be escaped is refused, not written as another one.
    void unkeptText() {
        LauncherDocument doc;
        doc.Items.Append(Item({u"tab\tand \ufffe"_s}));
        int number = 0;
        const QString error = ErrorText([&] { LauncherText::Write(doc); }, &number);
        QCOMPARE(number, int(ErrNo::InvalidArgument));
        QVERIFY2(error.contains("noncharacter"), qPrintable(error));
        ErrorText([&] { LauncherFile::SaveFile(doc, PathOf("unkept.yaml")); }, &number);
        QCOMPARE(number, int(ErrNo::InvalidArgument));
        QVERIFY(!QFileInfo::exists(PathOf("unkept.yaml")));
    }

    // The README's example is a launcher file as it stands.
    void readmeExample() {
        const QByteArray readme = TestFiles::Read(SourceDir() + "/README.md");
        const QByteArray example = readme.mid(readme.indexOf("```yaml\n") + 8);
        const LauncherContent content = LauncherText::Parse(example.left(example.indexOf("```")));
        QCOMPARE(content.Items.size(), 3);
        QCOMPARE(content.Items[0][cellRun], QString("Maximised Focus"));
    }

    // Each kind of text the editor would not take: its line, what is wrong, and the
    // document as it was.
    void refused_data() {
        Columns<QByteArray, int, QString>({"text", "line", "what"});
        const auto bad = [](const char* Tag, const char* Text, int Line, const char* What) {
            Row(Tag, QByteArray(Text), Line, QString(What));
        };
        bad("unknown top key", "colours: 1\n", 1, "unknown key 'colours'");
        bad("unknown property", "properties:\n  P_TITLE: a\n  P_NOPE: x\n", 3,
            "unknown property 'P_NOPE'");
        bad("display name as key", "properties:\n  Title: a\n", 2, "unknown property 'Title'");
        bad("unknown item key", "items:\n  - description: a\n    colour: red\n", 3,
            "unknown key 'colour' in an item");
        bad("unknown section key", "sections:\n  - name: a\n    width: 3\n", 3,
            "unknown key 'width' in a section");
        bad("items not a list", "items: 5\n", 1, "'items' must be a list");
        bad("item not a mapping", "items:\n  - just text\n", 2, "an item must be a mapping");
        bad("text that is a list", "properties:\n  P_TITLE: [a, b]\n", 2,
            "'P_TITLE' must be a text, not a list");
        bad("command that is a mapping", "items:\n  - command: {a: b}\n", 2,
            "'command' must be a text, not a mapping");
        bad("file not a mapping", "- a\n", 1, "must be a mapping");
        bad("run style", "items:\n  - description: a\n    run: Fullscreen\n", 3,
            "'Fullscreen' is not a run style");
        bad("run word", "items:\n  - run: maxfocus\n", 2, "'maxfocus' is not a run style");
        bad("boolean", "properties:\n  P_CLOSE: maybe\n", 2, "'P_CLOSE' must be True or False");
        bad("columns zero", "properties:\n  P_COLUMN: 0\n", 2, "The number must be 1 or higher");
        bad("columns huge", "properties:\n  P_COLUMN: 99999999999999999999999\n", 2,
            "The number must be 100 or lower");
        bad("width not a number", "properties:\n  P_WIDTH: wide\n", 2, "is not a number");
        bad("height empty", "properties:\n  P_HEIGHT: \"\"\n", 2, "is not a number");
        bad("colour", "properties:\n  P_BACK_C: \"#12345\"\n", 2, "must be a colour");
        bad("section columns", "sections:\n  - name: a\n    columns: 1000\n", 3,
            "'columns' must be a number from 1 to 100");
        bad("section icon size", "sections:\n  - icon-size: 8\n", 2,
            "'icon-size' must be a number from 16 to 1024");
        bad("section in the items", "items:\n  - description: 'SECTION:x;Columns:2'\n", 2,
            "may not begin with SECTION:");
        bad("section row and details", "sections:\n  - row: 'SECTION:x'\n    name: y\n", 2,
            "either its 'row' or its name");
        bad("anchor", "properties: &p\n  P_TITLE: x\n", 1, "anchors");
        bad("alias", "items:\n  - *a\n", 2, "anchor");
        bad("tag", "properties:\n  P_TITLE: !!str x\n", 2, "tags");
        bad("local tag", "items:\n  - !item {description: a}\n", 2, "tags");
        bad("two documents", "items: []\n---\nitems: []\n", 1, "holds several");
        bad("empty file", "", 1, "holds no launcher document");
        bad("key twice", "properties:\n  P_TITLE: a\n  P_TITLE: b\n", 3, "given twice");
        Row("deep nesting", "items: " + QByteArray(5000, '[') + QByteArray(5000, ']') + "\n", 1,
            QString("nested more than"));
        bad("invalid UTF-8", "properties:\n  P_TITLE: caf\xe9\n", 2, "not UTF-8");
        bad("overlong UTF-8", "items: []\n# \xc0\xaf\n", 2, "not UTF-8");
        bad("syntax", "items:\n  - [a\n", 3, "");
    }
    void refused() {
        const auto text = Fetch<QByteArray>("text");
        const QString file = PathOf("bad.yaml");
        QVERIFY(TestFiles::Write(file, text));
        LauncherDocument doc;
        doc.Items.Append(Item({"kept"}));
        doc.WriteProp("Title", "Before");
        int number = 0;
        const QString error = ErrorText([&] { LauncherFile::OpenFile(doc, file, false); }, &number);
        QCOMPARE(number, int(ErrNo::BadFileFormat));
        QVERIFY2(error.startsWith(QStringLiteral("Line %1: ").arg(Fetch<int>("line"))),
                 qPrintable(error));
        QVERIFY2(error.contains(Fetch("what")), qPrintable(error));
        QCOMPARE(doc.Items.Count(), 1);
        QCOMPARE(doc.ReadProp("Title", true), QString("Before"));
        QVERIFY(doc.CurFile.isEmpty());
    }

    // What is not a text file to read at all.
    void refusedFiles() {
        int number = 0;
        const QString fifo = PathOf("pipe.yaml");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        LauncherDocument doc;
        ErrorText([&] { LauncherFile::OpenFile(doc, fifo, false); }, &number);
        QCOMPARE(number, int(ErrNo::PathFileAccess));

        const QString large = PathOf("large.yaml");
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(LauncherText::MaxBytes + 1));
        file.close();
        QVERIFY(ErrorText([&] { LauncherFile::OpenFile(doc, large, false); }, &number)
                    .contains("larger than"));
        QCOMPARE(number, int(ErrNo::BadFileFormat));

        ErrorText([&] { LauncherFile::OpenFile(doc, PathOf("none.yaml"), false); }, &number);
        QCOMPARE(number, int(ErrNo::FileNotFound));
    }

    // Opened, a text file is the document's but not held, and Save asks for a .qtf name;
    // imported, it adds its items only.
    void openAndImport() {
        const QString file = PathOf("page.yaml");
        QVERIFY(TestFiles::Write(file, "properties: {P_TITLE: Text}\n"
                                       "items: [{description: a}, {description: b}]\n"));
        LauncherDocument doc;
        LauncherFile::OpenFile(doc, file, false);
        QCOMPARE(doc.CurFile, file);
        QCOMPARE(doc.Items.Count(), 2);
        QVERIFY(!doc.Changed());
        QVERIFY(FileLock().Take(file));
        QVERIFY(LauncherFile::SaveNeedsName(doc));
        QCOMPARE(LauncherFile::ProposedSaveName(doc), PathOf("page.qtf"));

        const QString binary = PathOf("page.qtf");
        LauncherFile::SaveFile(doc, binary);
        QVERIFY(!LauncherFile::SaveNeedsName(doc));
        QCOMPARE(LauncherFile::ProposedSaveName(doc), QString());

        LauncherFile::OpenFile(doc, file, true);
        QCOMPARE(doc.Items.Count(), 4);
        QCOMPARE(doc.CurFile, binary);
        QCOMPARE(doc.ReadProp("Title", true), QString("Text"));
    }
};

QTEST_GUILESS_MAIN(TestLauncherText)
#include "test_launchertext.moc"
