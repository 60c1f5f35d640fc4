// A browser's exported bookmarks imported as section rows and Hyperlink items, their icons
// kept as PNG files of the user's own; damaged and hostile files refused cleanly.
#include "components/AppError.h"
#include "editor/ItemTestRows.h"
#include "items/BookmarkFile.h"
#include "items/BookmarkItems.h"
#include "items/IconStore.h"
#include "items/ImportItems.h"
#include "items/Sections.h"
#include "support/DialogLines.h"
#include "support/TestFiles.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <sys/stat.h>

using namespace ItemTestRows;

namespace {
QTemporaryDir Root;

QString IconFolder() {
    return Root.filePath("data/quintor/icons");
}

QByteArray PictureBytes(Qt::GlobalColor Colour, const char* Format = "PNG", int Width = 4) {
    QImage image(Width, 4, QImage::Format_RGB32);
    image.fill(Colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, Format);
    return bytes;
}

QString DataIcon(const QByteArray& Bytes, const QString& Type = "image/png") {
    return "data:" + Type + ";base64," + QString::fromLatin1(Bytes.toBase64());
}

// "RED", "BLUE" and "GREEN" stand for data addresses of small pictures of that colour
// (GREEN a BMP); "NOPICTURE" for one that is no picture, "HUGE" for one over 1 MB.
QString WithIcons(QString Text) {
    return Text.replace("RED", DataIcon(PictureBytes(Qt::red)))
        .replace("BLUE", DataIcon(PictureBytes(Qt::blue)))
        .replace("GREEN", DataIcon(PictureBytes(Qt::green, "BMP"), "image/bmp"))
        .replace("NOPICTURE", DataIcon("not a picture at all"))
        .replace("HUGE", DataIcon(QByteArray(BookmarkFile::MaxIconBytes + 1, 'x')));
}

// An icon file by the colour of its picture; it must be a PNG named by its bytes' hash.
QString IconLabel(const QString& Path) {
    if (Path.isEmpty())
        return "-";
    const QByteArray bytes = TestFiles::Read(Path);
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    if (QFileInfo(Path).fileName() != hash + ".png" || !bytes.startsWith("\x89PNG"))
        return "misnamed " + Path;
    const QRgb pixel = QImage::fromData(bytes).pixel(0, 0);
    return pixel == qRgb(255, 0, 0)   ? "red"
           : pixel == qRgb(0, 0, 255) ? "blue"
           : pixel == qRgb(0, 255, 0) ? "green"
                                      : "other";
}

// A line a row: "#Name" for a section row with the default details, the word of a row
// written as ItemTestRows writes it, else
// description|command|icon|comments, and "|run" when the run style is not Hyperlink.
QString Lines(const ItemRows& Items) {
    QStringList lines;
    for (int i = 1; i <= Items.Count(); ++i) {
        const LauncherItem& row = Items.Row(i);
        if (row.IsSection()) {
            SectionDetails details;
            details.Name = SectDetails(row[cellDescription], 1);
            lines << "#" + details.Name +
                         (SectionRowText(details) == row[cellDescription] ? "" : "?");
            continue;
        }
        if (row == RowOf(row[cellDescription])) { // a row that was there before
            lines << row[cellDescription];
            continue;
        }
        QString line = QStringList{row[cellDescription], row[cellCommand], IconLabel(row[cellIcon]),
                                   row[cellComments]}
                           .join('|');
        if (!row[cellParameters].isEmpty() || !row[cellStartIn].isEmpty())
            line += "|extra cells";
        if (row[cellRun] != "Hyperlink")
            line += "|" + row[cellRun];
        lines << line;
    }
    return lines.join('\n');
}

const char* const Head = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                         "<!-- This is an automatically generated file.\n"
                         "     It will be read and overwritten.\n"
                         "     DO NOT EDIT! -->\n"
                         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                         "<TITLE>Bookmarks</TITLE>\n";

// As one browser writes them: bookmarks in the menu itself, smart queries, separators,
// folder descriptions, the toolbar and the unfiled folder last.
const QString MenuStyle = Head + QString(R"~(<H1>Bookmarks Menu</H1>

<DL><p>
    <DT><A HREF="place:parent=menu________&amp;sort=12" ADD_DATE="1">Recent Tags</A>
    <DT><A HREF="https://news.example.org/?a=1&amp;b=2" ADD_DATE="1" ICON_URI="https://news.example.org/f.ico" ICON="RED">Tom &amp; Jerry &lt;News&gt; &#39;daily&#39;</A>
<DD>Cartoons &amp; more
    <HR>
    <DT><H3 ADD_DATE="1" LAST_MODIFIED="2">Work</H3>
<DD>a folder's description is no item's comment
    <DL><p>
        <DT><H3>Projects</H3>
        <DL><p>
            <DT><A HREF="https://git.example.org/" ICON="RED">Git</A>
            <DT><A HREF="javascript:alert(1)">Bookmarklet</A>
        </DL><p>
        <DT><A HREF="https://mail.example.org/" ICON="BLUE"></A>
        <DT><H3>Empty</H3>
        <DL><p>
        </DL><p>
        <DT><H3>Only folders</H3>
        <DL><p>
            <DT><H3>Deep</H3>
            <DL><p>
                <DT><A HREF="ftp://files.example.org/" TAGS="x,y">  Files
                 here </A>
            </DL><p>
        </DL><p>
    </DL><p>
    <DT><H3 ADD_DATE="1" LAST_MODIFIED="2" PERSONAL_TOOLBAR_FOLDER="true">Bookmarks Toolbar</H3>
    <DL><p>
        <DT><A HREF="https://www.example.com/" ICON="NOPICTURE">Example</A>
        <DT><A HREF="https://big.example.com/" ICON="HUGE">Big</A>
    </DL><p>
    <DT><H3 UNFILED_BOOKMARKS_FOLDER="true">Other Bookmarks</H3>
    <DL><p>
        <DT><A HREF="data:text/html,hi">Inline</A>
    </DL><p>
</DL>
)~");

// As the other family writes them: everything in the bar and "Other bookmarks", lower
// case tags, no bookmarks at the top level.
const QString BarStyle = Head + QString(R"~(<H1>Bookmarks</H1>
<dl><p>
    <dt><h3 add_date="1" last_modified="2" personal_toolbar_folder="true">Bookmarks bar</h3>
    <dl><p>
        <dt><a href="https://a.example/" add_date="1" icon="GREEN">Ä &quot;quoted&quot; &#x263A;</a>
        <dt><h3 add_date="1">Tools &amp; Co: A;B</h3>
        <dl><p>
            <dt><a href="https://b.example/x,y?q=a%20b" icon="RED">B</a>
        </dl><p>
    </dl><p>
    <dt><h3>Other bookmarks</h3>
    <dl><p>
        <dt><a href='http://c.example/' icon=BLUE>SECTION:C</a>
    </dl><p>
</dl><p>
)~");

QString Nested(int Depth) {
    QString text = Head + QString("<DL><p>\n");
    for (int i = 1; i <= Depth; ++i)
        text += QString("<DT><H3>F%1</H3>\n<DL><p>\n").arg(i);
    text += "<DT><A HREF=\"https://deep.example/\">Deep</A>\n";
    for (int i = 0; i <= Depth; ++i)
        text += "</DL><p>\n";
    return text;
}
} // namespace

class TestBookmarks : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

    QString File(const QString& Name, const QByteArray& Bytes) {
        const QString path = Dir.filePath(Name);
        return TestFiles::Write(path, Bytes) ? path : QString();
    }

public:
    static void initMain() { qputenv("XDG_DATA_HOME", Root.filePath("data").toUtf8()); }

private slots:
    void init() { QDir(IconFolder()).removeRecursively(); }

    // The rows in the file's order, a folder's own bookmarks before its subfolders; each
    // distinct picture one PNG file; the report counts the items and the bookmarks left out.
    void import_data() {
        Texts({"File", "Section", "Rows", "Message", "Icons"});
        const QString menuRows =
            "Tom & Jerry <News> 'daily'|https://news.example.org/?a=1&b=2|red|Cartoons & more\n"
            "#Work\n"
            "https://mail.example.org/|https://mail.example.org/|blue|\n"
            "#Work / Projects\n"
            "Git|https://git.example.org/|red|\n"
            "#Work / Only folders / Deep\n"
            "Files here|ftp://files.example.org/|-|\n"
            "#Bookmarks Toolbar\n"
            "Example|https://www.example.com/|-|\n"
            "Big|https://big.example.com/|-|";
        const QString result = "Information OK Import Result: ";
        // clang-format off
        Row("menu style", "menu.html", "", "a\n#Bookmarks Menu\n" + menuRows,
            result + "6 items were successfully added. 3 bookmarks could not be used.", "2");
        Row("top level under the new section", "menu.html", " Mine ", "a\n#Mine\n" + menuRows,
            result + "6 items were successfully added. 3 bookmarks could not be used.", "2");
        Row("bar style, told by content", "export.txt", "",
            "a\n#Bookmarks bar\nÄ \"quoted\" ☺|https://a.example/|green|\n"
            "#Bookmarks bar / Tools & Co: A;B\nB|https://b.example/x%2Cy?q=a%20b|red|\n"
            "#Other bookmarks\nhttp://c.example/|http://c.example/|blue|",
            result + "3 items were successfully added", "3");
        Row("nothing usable", "none.htm", "S",
            "a\n#S", result + "No items were found in the file. 1 bookmark could not be used.", "0");
        // clang-format on
    }
    void import() {
        const QString name = Fetch("File");
        const QString text = name.startsWith("menu") ? MenuStyle
                             : name.startsWith("export")
                                 ? BarStyle
                                 : Head + QString("<A HREF=\"place:x\">q</A>");
        const QString path = File(name, WithIcons(text).toUtf8());
        FakeEditorContext ctx;
        Fill(ctx, "a");
        QVERIFY(
            ImportItems::Import(ctx.Document, ctx.Scripted, path, Fetch("Section"), QLocale::c()));
        QCOMPARE(Lines(ctx.Document.Items), Fetch("Rows"));
        QCOMPARE(ctx.Scripted.Messages.size(), 1);
        QCOMPARE(MessageLine(ctx.Scripted.LastMessage()), Fetch("Message"));
        QVERIFY(ctx.Document.Changed());
        QCOMPARE(QString::number(QDir(IconFolder()).entryList(QDir::Files).size()), Fetch("Icons"));
        if (Fetch("Icons") != "0")
            QCOMPARE(QFileInfo(IconFolder()).permissions() & 0x0077, 0); // the user's alone
        // One step takes the section and the bookmarks back.
        QCOMPARE(ctx.Document.History.UndoName(), "Import");
        ctx.Document.Undo();
        QCOMPARE(Lines(ctx.Document.Items), "a");
    }

    // Files a browser never wrote: refused whole with the import's error message, nothing
    // added; or the bad part left out and counted.
    void refusals_data() {
        Texts({"Bytes", "Rows", "Message"});
        const QString error = "Critical OK Import Error: An error occurred when attempting to "
                              "import the file '@' - Invalid file format: ";
        QByteArray latin1 = Head + QByteArray("<DL><DT><A HREF=\"https://x/\">Caf\xe9</A></DL>");
        const QString overlong = "https://h/?" + QString(BookmarkFile::MaxAddressLength, 'a');
        // clang-format off
        Row("not UTF-8", QString::fromLatin1(latin1.toBase64()), "a", error + "the bookmarks file is not UTF-8 text, 321");
        Row("65 folders deep", QString::fromLatin1(Nested(65).toUtf8().toBase64()), "a", error + "the folders are nested more than 64 deep, 321");
        QStringList deep;
        for (int i = 1; i <= 64; ++i)
            deep << QString("F%1").arg(i);
        Row("64 folders deep", QString::fromLatin1(Nested(64).toUtf8().toBase64()),
            "a\n#" + deep.join(" / ") + "\nDeep|https://deep.example/|-|", "Information OK Import Result: 1 item was successfully added");
        Row("an address no page follows", QString::fromLatin1((Head + ("<DL><DT><A HREF=\"" + overlong + "\">Long</A><DT><A HREF=\"https://" + QString(2000000, 'b') + "/\">Long but followed</A><DT><A HREF=\"relative/page.html\">No scheme</A><DT><A HREF=\"https://x/a\nb\">Broken</A></DL>")).toUtf8().toBase64()),
            "a\n#Bookmarks\nLong but followed|https://" + QString(2000000, 'b') + "/|-|", "Information OK Import Result: 1 item was successfully added. 3 bookmarks could not be used.");
        // Wider than the limit once the engine encodes it, though not by its characters.
        const QString wide = "https://h/?" + QString(BookmarkFile::MaxAddressLength / 6, QChar(0xe9));
        Row("the runner's own links, a long address in its encoded form", QString::fromLatin1((Head + ("<DL><DT><A HREF=\" QT:/bin/sh,-c,x\">Nice</A><DT><A HREF=\"qtc:exit\">Bye</A><DT><A HREF=\"" + wide + "\">Wide</A><DT><A HREF=\"https://x/?a,b\">Kept</A></DL>")).toUtf8().toBase64()),
            "a\n#Bookmarks\nKept|https://x/?a%2Cb|-|", "Information OK Import Result: 1 item was successfully added. 3 bookmarks could not be used.");
        Row("unclosed everything", QString::fromLatin1((Head + QByteArray("<DL><DT><H3>F</H3><DL><DT><A HREF=\"https://x/\" ICON=\"data:image/png;base64,@@@\">X")).toBase64()),
            "a\n#F\nX|https://x/|-|", "Information OK Import Result: 1 item was successfully added");
        // clang-format on
    }
    void refusals() {
        const QString path = File("bad.html", QByteArray::fromBase64(Fetch("Bytes").toLatin1()));
        FakeEditorContext ctx;
        Fill(ctx, "a");
        const QString message = Fetch("Message").replace('@', path);
        QCOMPARE(ImportItems::Import(ctx.Document, ctx.Scripted, path, "", QLocale::c()),
                 message.contains("Result"));
        QCOMPARE(Lines(ctx.Document.Items), Fetch("Rows"));
        QCOMPARE(MessageLine(ctx.Scripted.LastMessage()), message);
        QCOMPARE(ctx.Document.Changed(), message.contains("Result"));
    }

    // Over 64 MB is refused before it is read; a FIFO is never opened for reading.
    void tooLargeOrSpecial() {
        const QString big = File("big.html", Head);
        QFile file(big);
        QVERIFY(file.resize(BookmarkFile::MaxFileBytes + 1)); // sparse: costs no disk
        FakeEditorContext ctx;
        QVERIFY(!ImportItems::Import(ctx.Document, ctx.Scripted, big, "S", QLocale::c()));
        QCOMPARE(ctx.Scripted.LastMessage().Text,
                 "An error occurred when attempting to import the file '" + big +
                     "' - Invalid file format: the bookmarks file is larger than 64 MB, 321");
        QCOMPARE(ctx.Document.Items.Count(), 0);

        // Told by content first, then refused as a launcher file, without waiting for a writer.
        const QString fifo = Dir.filePath("pipe.html");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!BookmarkItems::IsBookmarksFile(fifo));
        QVERIFY(!ImportItems::Import(ctx.Document, ctx.Scripted, fifo, "S", QLocale::c()));
        QCOMPARE(ctx.Scripted.LastMessage().Title, "Import Error");
        QCOMPARE(ctx.Document.Items.Count(), 0);
    }

    void entities_data() {
        Texts({"Text", "Decoded"});
        Row("named and numeric", "&lt;a&gt; &amp;amp; &quot;&apos;&#39;&#x41;&#X42;&nbsp;",
            "<a> &amp; \"''AB\u00a0");
        Row("not references", "a & b &unknown; &#; &amp &#xZZ;", "a & b &unknown; &#; &amp &#xZZ;");
        Row("no character", "&#0;&#x110000;&#xD800;&#99999999999;", "\ufffd\ufffd\ufffd\ufffd");
        Row("outside the basic plane", "&#x1F600;", "\U0001F600");
        Row("a far-off semicolon", "&amp" + QString(40, 'x') + ";",
            "&amp" + QString(40, 'x') + ";");
        const QString lone = QString(200000, '&') + ";";
        Row("many lone ampersands", lone, lone);
    }
    void entities() { QCOMPARE(BookmarkFile::DecodeEntities(Fetch("Text")), Fetch("Decoded")); }

    void recognised_data() {
        Columns<QByteArray, bool>({"Head", "Bookmarks"});
        Row("as written", QByteArray("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<!--"), true);
        Row("byte order mark, blank lines, case",
            QByteArray("\xEF\xBB\xBF\r\n <!doctype netscape-bookmark-file-1>"), true);
        Row("a page", QByteArray("<!DOCTYPE html><html>"), false);
        Row("a launcher file", QByteArray("QTFP\x01\x00\x00\x00", 8), false);
    }
    void recognised() {
        QCOMPARE(BookmarkFile::IsBookmarks(Fetch<QByteArray>("Head")), Fetch<bool>("Bookmarks"));
    }

    // One file per picture, in this import and the next; a file that is already there is
    // not written again.
    void iconStore() {
        const QString folder = Dir.filePath("store/icons");
        IconStore first(folder);
        const QString red = first.Keep(PictureBytes(Qt::red));
        QCOMPARE(first.Keep(PictureBytes(Qt::red)), red);
        QCOMPARE(IconLabel(first.Keep(PictureBytes(Qt::green, "BMP"))), "green");
        QCOMPARE(first.Keep("no picture"), QString());
        QCOMPARE(first.Keep(PictureBytes(Qt::blue, "PNG", 1025)), QString()); // no icon
        QCOMPARE(IconLabel(first.Keep(PictureBytes(Qt::blue, "PNG", 1024))), "blue");
        QCOMPARE(first.Written(), 3);
        IconStore second(folder);
        QCOMPARE(second.Keep(PictureBytes(Qt::red)), red);
        QCOMPARE(second.Written(), 0);
        // What a crash left of a picture is written again.
        QVERIFY(QFile(red).resize(3));
        IconStore third(folder);
        QCOMPARE(IconLabel(third.Keep(PictureBytes(Qt::red))), "red");
        QCOMPARE(third.Written(), 1);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3); // no part left behind
        QCOMPARE(QFileInfo(folder).permissions() & 0x0077, 0);
        // A file where the folder should be: the import fails, it does not write elsewhere.
        QVERIFY(TestFiles::Write(Dir.filePath("taken"), "x"));
        IconStore blocked(Dir.filePath("taken/icons"));
        QVERIFY_THROWS_EXCEPTION(AppError, blocked.Keep(PictureBytes(Qt::blue)));
    }
};

QTEST_MAIN(TestBookmarks)
#include "test_bookmarks.moc"
