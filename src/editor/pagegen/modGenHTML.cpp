// Chains of "+" build each piece in one allocation.
#define QT_USE_QSTRINGBUILDER

#include "modGenHTML.h"

#include "AppVersion.h"
#include "components/AppError.h"
#include "components/ConfigStore.h"
#include "components/IcoFile.h"
#include "components/NameInMessage.h"
#include "components/Tolvik.h"
#include "components/platform/SystemPaths.h"
#include "document/LauncherDocument.h"
#include "items/Sections.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace modGenHTML {
const QString CharsetLine = QStringLiteral("<meta charset=\"utf-8\">\r\n");
}

namespace {
const QString CRLF = QStringLiteral("\r\n");
constexpr int ErrOverflow = 6;

const QString IconsKey = QStringLiteral("Icons");
const QString IconKey = QStringLiteral("Icon");
const QString ExeKey = QStringLiteral("EXE");
const QString IconListName = QStringLiteral("Icons.txt");

bool IsTrue(const QString& Value) {
    return Value == QLatin1String("True");
}

// A number as the page's layout needs it: decimal text, blanks around it allowed,
// a fraction rounded to the nearest whole number (ties to even).
qint64 WholeNumber(const QString& Text, const QString& What, qint64 Min, qint64 Max) {
    bool ok = false;
    const double value = Text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw AppError(What + QStringLiteral(" \"") + NameInMessage(Text) +
                           QStringLiteral("\" is not a number"),
                       ErrNo::TypeMismatch);
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(Min) || rounded > static_cast<double>(Max))
        throw AppError(What + QStringLiteral(" \"") + NameInMessage(Text) +
                           QStringLiteral("\" is out of range"),
                       ErrOverflow);
    return static_cast<qint64>(rounded);
}

qint16 ToInt16(const QString& Text, const QString& What) {
    return static_cast<qint16>(WholeNumber(Text, What, -32768, 32767));
}

qint32 ToInt32(const QString& Text, const QString& What) {
    return static_cast<qint32>(WholeNumber(Text, What, INT32_MIN, INT32_MAX));
}

QString IconFileName(int K) {
    return IconKey + QString::number(K) + QStringLiteral(".ico");
}

bool HasNonAscii(const QString& Text) {
    for (QChar c : Text)
        if (c.unicode() > 0x7F)
            return true;
    return false;
}

// Only files lying directly in the icon folder are ours to delete: "Icons.txt" is a
// plain text file, and a damaged or planted one must not make a build delete anything
// else on the disk.
bool IsOwnIconFile(const QString& Path, const QString& IconFolder) {
    const QFileInfo file(Path);
    if (Path.isEmpty() || !(file.isFile() || file.isSymLink()))
        return false;
    return QDir::cleanPath(file.absolutePath()) ==
           QDir::cleanPath(QFileInfo(IconFolder).absoluteFilePath());
}

QString RunWord(const QString& Run) {
    static const struct {
        QLatin1String Style;
        QLatin1String Word;
    } words[] = {{QLatin1String("Normal Window"), QLatin1String("")},
                 {QLatin1String("Maximised Focus"), QLatin1String("maxfocus")},
                 {QLatin1String("Minimised Focus"), QLatin1String("minfocus")},
                 {QLatin1String("Normal No Focus"), QLatin1String("normalnofocus")},
                 {QLatin1String("Minimised No Focus"), QLatin1String("minnofocus")},
                 {QLatin1String("Hidden"), QLatin1String("hidden")},
                 {QLatin1String("Hyperlink"), QLatin1String("")}};
    for (const auto& w : words)
        if (Run == w.Style)
            return w.Word;
    return Run;
}

bool IsPictureExtension(const QString& Ext) {
    static const QLatin1String pictures[] = {
        QLatin1String("bmp"), QLatin1String("gif"), QLatin1String("jpeg"),
        QLatin1String("jpg"), QLatin1String("jpe"), QLatin1String("jfif"),
        QLatin1String("ico"), QLatin1String("png"), QLatin1String("svg")};
    for (const auto& p : pictures)
        if (Ext == p)
            return true;
    return false;
}

QString TableStart(const QString& Border, const QString& TableColour) {
    QString s = QStringLiteral("<table border=\"") + Border + QStringLiteral("\" width=\"100%\"");
    if (!TableColour.isEmpty())
        s += QStringLiteral(" bgcolor=\"") + TableColour + QLatin1Char('"');
    return s + QLatin1Char('>') + CRLF;
}

// The sizes an extracted icon file holds: the desktop's small (16 px) or large (32 px)
// icon, as the icon size asks, first; then for screens that draw a CSS pixel with several
// device pixels, twice that, and the icon size itself and twice it (an entry of an icon
// file is at most 256 px). The browser draws the entry that suits it.
QList<int> IconFileSizes(qint32 IconSize) {
    const int base = IconSize <= 24 ? 16 : 32;
    QList<int> sizes{base};
    for (const qint32 size : {2 * base, IconSize, 2 * IconSize})
        if (size <= 256 && !sizes.contains(size))
            sizes << size;
    std::sort(sizes.begin() + 1, sizes.end());
    return sizes;
}

void SaveIconFile(const QString& Source, qint32 IconSize, const QString& Path) {
    QList<QImage> images;
    for (const int size : IconFileSizes(IconSize))
        images << Tolvik::IconOfSize(Source, size);
    IcoFile::Write(Path, images);
}

// A value with a line break in it would write lines of its own into the info block
// (a Height of "300" CR LF "Closable=False" gives a window that refuses to close).
// Each line break becomes one blank; a value without one is kept as it is.
QString OneLine(const QString& Value) {
    if (!Value.contains(QLatin1Char('\r')) && !Value.contains(QLatin1Char('\n')))
        return Value;
    QString line = Value;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

// The extracted icon file of one program source, written on its first appearance.
class IconExtractor {
public:
    IconExtractor(ConfigStore& Cache, const QString& IconFolder)
        : Cache(Cache), IconFolder(IconFolder) {}

    // Ic is the Icon cell as the page shows it (the cache compares that form);
    // RawIc is the cell's own text, the path the file system knows.
    QString Source(const QString& Ic, const QString& RawIc, qint32 Size) {
        const int k = Cache.FindListValue(IconsKey, ExeKey, Ic.toUpper(), true);
        if (k != 0)
            return SystemPaths::Join(IconFolder, IconFileName(k));
        if (!Tolvik::FileExists(RawIc) && !Tolvik::FolderExists(RawIc) &&
            Tolvik::PathCheck(RawIc) != 1)
            return SystemPaths::Join(IconFolder, IconFileName(0));
        if (!Tolvik::FolderExists(IconFolder) && !QDir().mkpath(IconFolder))
            throw AppError(QStringLiteral("The icon folder \"") + NameInMessage(IconFolder) +
                               QStringLiteral("\" cannot be created"),
                           ErrNo::PathFileAccess);
        ++IconCounter;
        const QString file = SystemPaths::Join(IconFolder, IconFileName(IconCounter));
        // Sizes below 16 are refused by the property editor; such a page gets no file.
        if (Size >= 16)
            SaveIconFile(RawIc, Size, file);
        Cache.IncrementCount(IconsKey);
        Cache.SetListValue(IconsKey, IconKey, file);
        Cache.SetListValue(IconsKey, ExeKey, Ic);
        return file;
    }

private:
    ConfigStore& Cache;
    const QString& IconFolder;
    qint32 IconCounter = 0;
};
} // namespace

namespace modGenHTML {

QString CellWidth(int Columns) {
    if (Columns == 0)
        throw AppError(QStringLiteral("A block of items has no columns (division by zero)"),
                       ErrNo::DivisionByZero);
    const double width = 100.0 / Columns;
    QString text = QString::number(width, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        // Plain decimals with the same 15 significant digits.
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(width))));
        text = QString::number(width, 'f', qMax(0, 14 - exponent));
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
        }
    }
    return text;
}

QString GenHead(const LauncherDocument& Doc) {
    return QStringLiteral("<html>") + CRLF + CRLF + QStringLiteral("<head>") + CRLF +
           QStringLiteral("<meta name=\"generator\" content=\"") + LauncherDocument::ProgramTitle +
           QStringLiteral(" " QUINTOR_VERSION_TEXT "\">") + CRLF + QStringLiteral("<title>") +
           Doc.ReadProp(QStringLiteral("Title")) + QStringLiteral("</title>") + CRLF;
}

QString GenStyle(const LauncherDocument& Doc) {
    const auto prop = [&Doc](const char* Name) { return Doc.ReadProp(QString::fromLatin1(Name)); };
    QString r;
    if (const QString font = prop("Font"); !font.isEmpty())
        r = QStringLiteral("font-family: ") + font + QStringLiteral("; ");
    if (const QString size = prop("Font size"); !size.isEmpty())
        r += QStringLiteral("font-size: ") + size + QStringLiteral("pt; ");
    if (IsTrue(prop("Font strikethrough")))
        r += QStringLiteral("text-decoration: line-through; ");
    if (IsTrue(prop("Font underline")))
        r += QStringLiteral("text-decoration: underline; ");
    if (const QString colour = prop("Text colour"); !colour.isEmpty())
        r += QStringLiteral("color: ") + colour + QStringLiteral("; ");
    if (IsTrue(prop("Font italic")))
        r += QStringLiteral("font-style: italic; ");
    if (IsTrue(prop("Font bold")))
        r += QStringLiteral("font-weight: bold");

    QString s;
    if (!r.isEmpty()) {
        if (r.endsWith(QLatin1String("; ")))
            r.chop(2);
        s = QStringLiteral("body      { ") + r + QStringLiteral(" } ") + CRLF +
            QStringLiteral("table     { ") + r + QStringLiteral(" } ") + CRLF;
    }
    static const struct {
        const char* Property;
        QLatin1String Selector;
        QLatin1String Decoration;
    } links[] = {{"Link colour", QLatin1String("a:link    "), QLatin1String("none")},
                 {"Link visited colour", QLatin1String("a:visited "), QLatin1String("none")},
                 {"Link active colour", QLatin1String("a:active  "), QLatin1String("none")},
                 {"Link hover colour", QLatin1String("a:hover   "), QLatin1String("underline")}};
    for (const auto& link : links) {
        const QString colour = prop(link.Property);
        if (!colour.isEmpty())
            s += link.Selector + QStringLiteral("{ color: ") + colour +
                 QStringLiteral("; text-decoration: ") + link.Decoration + QStringLiteral(" }") +
                 CRLF;
    }

    QString out;
    if (!s.isEmpty())
        out = QStringLiteral("<style>") + CRLF + QStringLiteral("<!--") + CRLF + s +
              QStringLiteral("-->") + CRLF + QStringLiteral("</style>") + CRLF;
    if (const QString sheet = prop("Style sheet"); !sheet.isEmpty())
        out += QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"") + sheet +
               QStringLiteral("\">") + CRLF;
    return out + QStringLiteral("</head>") + CRLF + CRLF;
}

QString GenBodyStart(const LauncherDocument& Doc) {
    QString out = QStringLiteral("<body");
    if (const QString colour = Doc.ReadProp(QStringLiteral("Background colour")); !colour.isEmpty())
        out += QStringLiteral(" bgcolor=\"") + colour + QLatin1Char('"');
    if (const QString picture = Doc.ReadProp(QStringLiteral("Background picture"));
        !picture.isEmpty())
        out += QStringLiteral(" background=\"") + picture + QLatin1Char('"');
    out += QLatin1Char('>') + CRLF + CRLF;
    out += QStringLiteral("<h1>") + Doc.ReadProp(QStringLiteral("Title")) +
           QStringLiteral("</h1>") + CRLF + CRLF;
    if (!Doc.HeaderHTML.isEmpty())
        out += Doc.HeaderHTML + CRLF + CRLF;
    return out;
}

QString GenCommands(const LauncherDocument& Doc) {
    static const struct {
        const char* Property;
        QLatin1String Link;
        QLatin1String Tail;
    } commands[] = {
        {"Show open command", QLatin1String("qtc:open"), QLatin1String(">Open</a> ] ")},
        {"Show exit command", QLatin1String("qtc:exit"), QLatin1String(">Exit</a> ] ")},
        {"Show minimise command", QLatin1String("qtc:min"), QLatin1String(">Minimise</a> ] ")},
        {"Show maximise command", QLatin1String("qtc:max"), QLatin1String(">Maximise</a> ] ")},
        {"Show edit command", QLatin1String("qtc:edit"), QLatin1String(">Edit</a> ]")},
        {"Show refresh command", QLatin1String("qtc:refresh"), QLatin1String(">Refresh</a> ]")}};
    QString bar;
    for (const auto& command : commands)
        if (IsTrue(Doc.ReadProp(QString::fromLatin1(command.Property))))
            bar += QStringLiteral("[ <a href=\"") + command.Link + QLatin1Char('"') + command.Tail;
    if (bar.isEmpty())
        return {};
    if (bar.endsWith(QLatin1Char(' ')))
        bar.chop(1);
    return QStringLiteral("<p>") + bar + QStringLiteral("</p>") + CRLF + CRLF;
}

QString GenIcons(const LauncherDocument& Doc, ConfigStore& Cache, bool ExtractIcons,
                 const QString& IconFolder) {
    const int count = Doc.Items.Count();
    if (count == 0)
        return {};

    const QString tableColour = Doc.ReadProp(QStringLiteral("Table colour"));
    const QString pageBorder = Doc.ReadProp(QStringLiteral("Table border"), true);
    const QString pageIconSize = Doc.ReadProp(QStringLiteral("Icon size"), true);
    const QString pageIconsAbove = Doc.ReadProp(QStringLiteral("Icons above"), true);
    const QString one = QStringLiteral("1"), zero = QStringLiteral("0");

    IconExtractor extractor(Cache, IconFolder);
    // About 200 characters of markup per item, and its texts twice over.
    QString out;
    out.reserve(count * 384);
    bool tableOpen = false;
    int cellsInRow = 0;
    qint16 columns = 0;
    QString width; // cell width of the current block, made on its first item
    QString sectIconSize, sectIconsAbove;

    for (int i = 1; i <= count; ++i) {
        const QString description = Doc.GetLV(i, cellDescription);
        if (description.startsWith(QLatin1String("SECTION:"))) {
            if (tableOpen) {
                if (cellsInRow > 0)
                    out += QStringLiteral("  </tr>") + CRLF;
                if (columns > 0)
                    out += QStringLiteral("</table>") + CRLF + CRLF;
            }
            tableOpen = true;
            cellsInRow = 0;
            const QString& s = Doc.Items.Cell(i, cellDescription);
            const QString name = Tolvik::TextToHtml(SectDetails(s, 1), false);
            const QString sectColumns = SectDetails(s, 2);
            sectIconSize = SectDetails(s, 3);
            sectIconsAbove = SectDetails(s, 4);
            const QString sectBorder = SectDetails(s, 5);
            columns = ToInt16(sectColumns, QStringLiteral("The column count of the section \"") +
                                               SectDetails(s, 1) + QLatin1Char('"'));
            const qint32 items = ItemsInSection(Doc.Items, i);
            if (columns > items)
                columns = static_cast<qint16>(items);
            width.clear();
            out += QStringLiteral("<h2>") + name + QStringLiteral("</h2>") + CRLF + CRLF;
            if (columns > 0)
                out += TableStart(IsTrue(sectBorder) ? one : zero, tableColour);
            continue;
        }

        if (i == 1) {
            columns = ToInt16(Doc.ReadProp(QStringLiteral("Columns")),
                              QStringLiteral("The column count"));
            const qint32 items = ItemsInSection(Doc.Items, 1);
            if (columns > items)
                columns = static_cast<qint16>(items);
            tableOpen = true;
            cellsInRow = 0;
            width.clear();
            out += TableStart(IsTrue(pageBorder) ? one : zero, tableColour);
        }

        if (++cellsInRow == 1)
            out += QStringLiteral("  <tr>") + CRLF;
        if (width.isEmpty())
            width = CellWidth(columns);

        out += QStringLiteral("    <td width=\"") + width +
               QStringLiteral("%\" align=\"center\"><a href=\"");
        const QString run = Doc.GetLV(i, cellRun);
        if (run != QLatin1String("Hyperlink"))
            out += QStringLiteral("qt:");
        out += Doc.GetLV(i, cellCommand) + QLatin1Char(',') + Doc.GetLV(i, cellParameters) +
               QLatin1Char(',') + Doc.GetLV(i, cellStartIn) + QLatin1Char(',') + RunWord(run);
        while (out.endsWith(QLatin1Char(',')))
            out.chop(1);

        QString tip = Doc.GetLV(i, cellComments);
        if (tip.isEmpty())
            tip = description;
        out += QStringLiteral("\" title=\"") + tip + QStringLiteral("\">");

        const QString ic = Doc.GetLV(i, cellIcon);
        if (!ic.isEmpty()) {
            out += QStringLiteral("<img border=\"0\" src=\"");
            const qsizetype dot = ic.lastIndexOf(QLatin1Char('.'));
            const QString ext = (dot < 0 ? ic : ic.mid(dot + 1)).toLower();
            const qint32 size =
                sectIconSize.isEmpty()
                    ? ToInt32(pageIconSize, QStringLiteral("The icon size"))
                    : ToInt32(sectIconSize, QStringLiteral("The icon size of a section"));
            if (IsPictureExtension(ext) || !ExtractIcons)
                out += ic;
            else
                out += Tolvik::TextToHtml(extractor.Source(ic, Doc.Items.Cell(i, cellIcon), size),
                                          false);
            const QString sizeText = QString::number(size);
            out += QStringLiteral("\" width=\"") + sizeText + QStringLiteral("\" height=\"") +
                   sizeText + QStringLiteral("\" alt=\"") + tip + QStringLiteral("\">");
            if (IsTrue(sectIconsAbove.isEmpty() ? pageIconsAbove : sectIconsAbove))
                out += QStringLiteral("<br>");
        }
        out += description + QStringLiteral("</a></td>") + CRLF;

        if (cellsInRow == columns) {
            out += QStringLiteral("  </tr>") + CRLF;
            cellsInRow = 0;
        }
    }

    if (cellsInRow > 0)
        out += QStringLiteral("  </tr>") + CRLF;
    if (columns >= 1 && tableOpen)
        out += QStringLiteral("</table>") + CRLF + CRLF;
    if (!IconFolder.isEmpty() && Tolvik::FolderExists(IconFolder))
        Cache.SaveToFile(SystemPaths::Join(IconFolder, IconListName));
    return out;
}

QString GenPageEnd(const LauncherDocument& Doc) {
    QString out;
    if (!Doc.FooterHTML.isEmpty())
        out = Doc.FooterHTML + CRLF + CRLF;
    return out + QStringLiteral("</body>") + CRLF + CRLF + QStringLiteral("</html>") + CRLF + CRLF;
}

QString GenInfo(const LauncherDocument& Doc) {
    const auto prop = [&Doc](const char* Name) { return Doc.ReadProp(QString::fromLatin1(Name)); };
    QString out = QStringLiteral("<!-- Quintor info:") + CRLF;
    if (prop("Closable") == QLatin1String("False"))
        out += QStringLiteral("Closable=False") + CRLF;
    if (prop("Extra commands") == QLatin1String("False"))
        out += QStringLiteral("Extra commands=False") + CRLF;
    out += QStringLiteral("Height=") + OneLine(prop("Height")) + CRLF;
    if (const QString icon = prop("Icon"); !icon.isEmpty())
        out += QStringLiteral("Icon=") + OneLine(icon) + CRLF;
    if (IsTrue(prop("Minimise on use")))
        out += QStringLiteral("Minimise on use=True") + CRLF;
    if (IsTrue(prop("Start maximised")))
        out += QStringLiteral("Start maximised=True") + CRLF;
    if (IsTrue(prop("Show edit command")))
        out += QStringLiteral("Source file=") + OneLine(Doc.CurFile) + CRLF;
    out += QStringLiteral("Width=") + OneLine(prop("Width")) + CRLF;
    return out + QStringLiteral("-->");
}

void ResetIconCache(ConfigStore& Cache, const QString& IconFolder) {
    Cache.ClearAll();
    if (!IconFolder.isEmpty()) {
        const QString list = SystemPaths::Join(IconFolder, IconListName);
        if (Tolvik::FileExists(list)) {
            Cache.LoadFile(list);
            bool ok = false;
            const int n = Cache.GetValue(IconsKey).trimmed().toInt(&ok);
            // A file already gone is passed over: a stale list must not fail every
            // later build of the page.
            for (int k = 1; ok && k <= n; ++k) {
                const QString file = Cache.GetValue(IconKey + QString::number(k));
                if (file == ConfigStore::NotFound)
                    break;
                if (IsOwnIconFile(file, IconFolder) && !QFile::remove(file))
                    throw AppError(QStringLiteral("The icon file \"") + NameInMessage(file) +
                                       QStringLiteral("\" cannot be deleted"),
                                   ErrNo::PermissionDenied);
            }
            Cache.ClearAll();
        }
    }
    Cache.SetValue(IconsKey, QStringLiteral("0"));
}

} // namespace modGenHTML

QString GenHTML(const LauncherDocument& Doc, bool ExtractIcons, const QString& IconFolder) {
    using namespace modGenHTML;
    ConfigStore cache;
    ResetIconCache(cache, IconFolder);
    QString head = GenHead(Doc);
    const QString parts[] = {GenStyle(Doc),    GenBodyStart(Doc),
                             GenCommands(Doc), GenIcons(Doc, cache, ExtractIcons, IconFolder),
                             GenPageEnd(Doc),  GenInfo(Doc)};
    bool nonAscii = HasNonAscii(head);
    qsizetype size = head.size() + CharsetLine.size();
    for (const QString& part : parts) {
        nonAscii = nonAscii || HasNonAscii(part);
        size += part.size();
    }
    if (nonAscii) {
        const qsizetype generator = head.indexOf(QLatin1String("<meta name=\"generator\""));
        head.insert(head.indexOf(CRLF, generator) + CRLF.size(), CharsetLine);
    }
    QString page;
    page.reserve(size);
    page += head;
    for (const QString& part : parts)
        page += part;
    return page;
}
