#include "BookmarkFile.h"

#include "components/AppError.h"
#include "items/ItemFields.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>

namespace BookmarkFile {

namespace {

const QLatin1String Doctype("<!DOCTYPE NETSCAPE-Bookmark-file-1>");
const QString PathSeparator = QStringLiteral(" / ");

AppError Damaged(const QString& Why) {
    return AppError(QCoreApplication::translate("BookmarkFile", "Invalid file format: %1").arg(Why),
                    ErrNo::BadFileFormat);
}

bool IsSpace(QChar C) {
    return C == QLatin1Char(' ') || C == QLatin1Char('\t') || C == QLatin1Char('\n') ||
           C == QLatin1Char('\r') || C == QLatin1Char('\f');
}

// One tag of the page: its name, whether it closes, and the text of its attributes.
struct Tag {
    QStringView Name;
    QStringView Attributes;
    bool Closing = false;
    bool Is(QLatin1String Other) const { return Name.compare(Other, Qt::CaseInsensitive) == 0; }
};

// Walks the page as text and tags; comments and declarations are passed over.
class Scanner {
public:
    explicit Scanner(QStringView Text) : Text(Text) {}

    bool AtEnd() const { return Pos >= Text.size(); }
    // The text up to the next tag (possibly empty).
    QStringView NextText() {
        const qsizetype start = Pos;
        qsizetype lt = Text.indexOf(QLatin1Char('<'), Pos);
        Pos = lt < 0 ? Text.size() : lt;
        return Text.mid(start, Pos - start);
    }
    // The tag at Pos; nothing for a comment or declaration, which are skipped.
    std::optional<Tag> NextTag() {
        const QStringView rest = Text.mid(Pos);
        if (rest.startsWith(QLatin1String("<!--"))) {
            const qsizetype end = Text.indexOf(QLatin1String("-->"), Pos + 4);
            Pos = end < 0 ? Text.size() : end + 3;
            return std::nullopt;
        }
        const qsizetype end = TagEnd(Pos + 1);
        const QStringView inside = Text.mid(Pos + 1, end - Pos - 1);
        Pos = end < Text.size() ? end + 1 : end;
        if (inside.startsWith(QLatin1Char('!')) || inside.startsWith(QLatin1Char('?')))
            return std::nullopt;
        Tag tag;
        qsizetype i = 0;
        if (i < inside.size() && inside[i] == QLatin1Char('/')) {
            tag.Closing = true;
            ++i;
        }
        const qsizetype nameStart = i;
        while (i < inside.size() && inside[i].isLetterOrNumber())
            ++i;
        tag.Name = inside.mid(nameStart, i - nameStart);
        tag.Attributes = inside.mid(i);
        return tag;
    }

private:
    // The ">" that ends the tag beginning at From, a ">" inside a quoted value aside.
    qsizetype TagEnd(qsizetype From) const {
        QChar quote;
        for (qsizetype i = From; i < Text.size(); ++i) {
            const QChar c = Text[i];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                // Only a quote that opens a value counts; one inside a bare word does not.
                if (i > From && Text[i - 1] == QLatin1Char('='))
                    quote = c;
            } else if (c == QLatin1Char('>')) {
                return i;
            }
        }
        return Text.size();
    }

    QStringView Text;
    qsizetype Pos = 0;
};

// The value of the attribute Name (letter case aside), entities not yet decoded.
std::optional<QStringView> Attribute(QStringView Attributes, QLatin1String Name) {
    qsizetype i = 0;
    const qsizetype n = Attributes.size();
    while (i < n) {
        while (i < n && (IsSpace(Attributes[i]) || Attributes[i] == QLatin1Char('/')))
            ++i;
        const qsizetype nameStart = i;
        while (i < n && !IsSpace(Attributes[i]) && Attributes[i] != QLatin1Char('='))
            ++i;
        const QStringView name = Attributes.mid(nameStart, i - nameStart);
        while (i < n && IsSpace(Attributes[i]))
            ++i;
        QStringView value;
        if (i < n && Attributes[i] == QLatin1Char('=')) {
            ++i;
            while (i < n && IsSpace(Attributes[i]))
                ++i;
            if (i < n &&
                (Attributes[i] == QLatin1Char('"') || Attributes[i] == QLatin1Char('\''))) {
                const QChar quote = Attributes[i++];
                qsizetype end = Attributes.indexOf(quote, i);
                if (end < 0)
                    end = n;
                value = Attributes.mid(i, end - i);
                i = end + 1;
            } else {
                const qsizetype start = i;
                while (i < n && !IsSpace(Attributes[i]))
                    ++i;
                value = Attributes.mid(start, i - start);
            }
        }
        if (name.compare(Name, Qt::CaseInsensitive) == 0)
            return value;
        if (name.isEmpty() && i == nameStart)
            ++i; // a stray character: move on
    }
    return std::nullopt;
}

QString Scheme(const QString& Address) {
    const qsizetype colon = Address.indexOf(QLatin1Char(':'));
    if (colon < 1 || !Address[0].isLetter())
        return {};
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = Address[i];
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('+') &&
            c != QLatin1Char('-') && c != QLatin1Char('.'))
            return {};
    }
    return Address.left(colon).toLower();
}

// The length of the address as the page's link hands it over: the engine percent-encodes
// blanks, quotes, angle brackets and every character outside ASCII (as UTF-8 bytes), and
// the item writes a comma as "%2C".
qsizetype LinkLength(const QString& Address) {
    qsizetype length = 0;
    for (const QChar c : Address) {
        const char16_t u = c.unicode();
        if (u == u',' || u == u' ' || u == u'"' || u == u'<' || u == u'>')
            length += 3;
        else if (u < 0x80)
            length += 1;
        else if (u < 0x800 || c.isSurrogate())
            length += 6; // two bytes; a four-byte character is two halves
        else
            length += 9;
    }
    return length;
}

// An address a page can hand to the desktop: script, the browser's own queries and
// addresses that carry their content are of no use outside the browser they came from,
// and the runner's own schemes would start a program from a stranger's file.
bool Usable(const QString& Address) {
    static const QLatin1String refused[] = {QLatin1String("javascript"), QLatin1String("place"),
                                            QLatin1String("data"), QLatin1String("qt"),
                                            QLatin1String("qtc")};
    const QString scheme = Scheme(Address);
    if (scheme.isEmpty() ||
        std::find(std::begin(refused), std::end(refused), scheme) != std::end(refused))
        return false;
    return LinkLength(Address) <= MaxAddressLength && !ItemFields::HasControlCharacter(Address);
}

// The picture of a "data:image/...;base64," icon; nothing for anything else or too much.
QByteArray IconBytes(QStringView Value) {
    const QStringView value = Value.trimmed();
    if (!value.startsWith(QLatin1String("data:image/"), Qt::CaseInsensitive))
        return {};
    const qsizetype comma = value.indexOf(QLatin1Char(','));
    if (comma < 0 || !value.left(comma).endsWith(QLatin1String(";base64"), Qt::CaseInsensitive))
        return {};
    const QStringView encoded = value.mid(comma + 1);
    if (encoded.size() > (MaxIconBytes + 2) / 3 * 4)
        return {};
    const auto decoded = QByteArray::fromBase64Encoding(
        encoded.toLatin1(), QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() > MaxIconBytes)
        return {};
    return decoded.decoded;
}

// The page's structure as it is read: the folders open around the current point and
// what the text that follows a tag belongs to.
class Reader {
public:
    Contents Result;

    Reader() { Result.Folders.append(Folder{}); } // the top level, the file's own

    void Text(QStringView Chunk) {
        if (Capture != Nothing)
            Captured += Chunk;
    }

    void TagSeen(const Tag& T) {
        FinishCapture();
        if (T.Is(QLatin1String("DL")))
            return T.Closing ? CloseList() : OpenList();
        if (T.Closing)
            return;
        if (T.Is(QLatin1String("DT"))) {
            Last = -1;
            PendingFolder.reset();
        } else if (T.Is(QLatin1String("A"))) {
            StartBookmark(T.Attributes);
        } else if (T.Is(QLatin1String("H3"))) {
            StartCapture(FolderName);
        } else if (T.Is(QLatin1String("H1"))) {
            StartCapture(Heading);
        } else if (T.Is(QLatin1String("DD"))) {
            StartCapture(Comment);
        } else if (T.Is(QLatin1String("HR"))) {
            Last = -1;
        }
    }

    void Finish() {
        FinishCapture();
        QList<Folder> kept;
        for (Folder& folder : Result.Folders)
            if (!folder.Bookmarks.isEmpty())
                kept.append(std::move(folder));
        Result.Folders = std::move(kept);
    }

private:
    enum CaptureKind { Nothing, Title, FolderName, Heading, Comment };

    int Current() const { return Open.isEmpty() ? 0 : Open.last().Folder; }

    void StartCapture(CaptureKind Kind) {
        Capture = Kind;
        Captured.clear();
    }

    void OpenList() {
        Last = -1;
        if (!PendingFolder) {
            // The top level's list, or a list without a heading: it belongs to the folder
            // it is in.
            Open.append({Current(), false});
            return;
        }
        if (++Depth > MaxDepth)
            throw Damaged(QCoreApplication::translate("BookmarkFile",
                                                      "the folders are nested more than %1 deep")
                              .arg(MaxDepth));
        const QString& parent = Result.Folders[Current()].Path;
        Folder folder;
        folder.Path = parent.isEmpty() ? *PendingFolder : parent + PathSeparator + *PendingFolder;
        PendingFolder.reset();
        Result.Folders.append(std::move(folder));
        Open.append({int(Result.Folders.size() - 1), true});
    }

    void CloseList() {
        Last = -1;
        if (Open.isEmpty())
            return;
        if (Open.last().CountsDepth)
            --Depth;
        Open.removeLast();
    }

    void StartBookmark(QStringView Attributes) {
        Pending = Bookmark{};
        if (const auto href = Attribute(Attributes, QLatin1String("HREF")))
            Pending.Address = DecodeEntities(*href).trimmed();
        if (const auto icon = Attribute(Attributes, QLatin1String("ICON")))
            Pending.Icon = IconBytes(*icon);
        StartCapture(Title);
    }

    void FinishCapture() {
        const CaptureKind kind = Capture;
        Capture = Nothing;
        switch (kind) {
        case Nothing:
            return;
        case Title:
            return AddBookmark();
        case FolderName:
            PendingFolder = DecodeEntities(Captured).simplified();
            Last = -1;
            return;
        case Heading:
            Result.Heading = DecodeEntities(Captured).simplified();
            return;
        case Comment:
            if (Last >= 0)
                Result.Folders[Current()].Bookmarks[Last].Comment =
                    DecodeEntities(Captured).trimmed();
            Last = -1;
            return;
        }
    }

    void AddBookmark() {
        Last = -1;
        if (!Usable(Pending.Address)) {
            ++Result.Unusable;
            return;
        }
        Pending.Title = DecodeEntities(Captured).simplified();
        QList<Bookmark>& bookmarks = Result.Folders[Current()].Bookmarks;
        bookmarks.append(std::move(Pending));
        Last = int(bookmarks.size() - 1);
    }

    struct OpenList_ {
        int Folder;
        bool CountsDepth;
    };
    QList<OpenList_> Open;
    int Depth = 0;
    std::optional<QString> PendingFolder;
    Bookmark Pending;
    int Last = -1; // the bookmark a <DD> describes, in the current folder
    CaptureKind Capture = Nothing;
    QString Captured;
};

// The Unicode text of a numeric reference: U+FFFD for a number that names no character,
// nothing for digits that are no number (the text then stays as written).
QString CodePoint(QStringView Digits, int Base) {
    if (Digits.isEmpty())
        return {};
    for (const QChar c : Digits)
        if (!(Base == 16 ? isxdigit(c.toLatin1()) : isdigit(c.toLatin1())) || c.unicode() > 127)
            return {};
    bool ok = false;
    const qulonglong code = Digits.size() <= 8 ? Digits.toULongLong(&ok, Base) : 0;
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return QString(QChar::ReplacementCharacter);
    const char32_t c = char32_t(code);
    return QString::fromUcs4(&c, 1);
}

QString NamedReference(QStringView Name) {
    static const std::pair<QLatin1String, QChar> names[] = {
        {QLatin1String("amp"), QLatin1Char('&')},   {QLatin1String("lt"), QLatin1Char('<')},
        {QLatin1String("gt"), QLatin1Char('>')},    {QLatin1String("quot"), QLatin1Char('"')},
        {QLatin1String("apos"), QLatin1Char('\'')}, {QLatin1String("nbsp"), QChar(0xA0)}};
    for (const auto& [name, c] : names)
        if (Name == name)
            return QString(c);
    return {};
}

} // namespace

int Contents::Count() const {
    int count = 0;
    for (const Folder& folder : Folders)
        count += int(folder.Bookmarks.size());
    return count;
}

QString DecodeEntities(QStringView Text) {
    if (!Text.contains(QLatin1Char('&')))
        return Text.toString();
    QString out;
    out.reserve(Text.size());
    qsizetype i = 0;
    while (i < Text.size()) {
        const qsizetype amp = Text.indexOf(QLatin1Char('&'), i);
        if (amp < 0) {
            out += Text.mid(i);
            break;
        }
        out += Text.mid(i, amp - i);
        // References are short; a far-off ";" belongs to something else, and looking no
        // further keeps a text of many lone "&" from costing a search to its end each.
        const qsizetype near = Text.mid(amp + 1, 32).indexOf(QLatin1Char(';'));
        const qsizetype semi = near < 0 ? -1 : amp + 1 + near;
        QString decoded;
        if (semi > amp + 1) {
            const QStringView name = Text.mid(amp + 1, semi - amp - 1);
            if (name.startsWith(QLatin1String("#x")) || name.startsWith(QLatin1String("#X")))
                decoded = CodePoint(name.mid(2), 16);
            else if (name.startsWith(QLatin1Char('#')))
                decoded = CodePoint(name.mid(1), 10);
            else
                decoded = NamedReference(name);
        }
        if (decoded.isEmpty()) {
            out += QLatin1Char('&');
            i = amp + 1;
        } else {
            out += decoded;
            i = semi + 1;
        }
    }
    return out;
}

bool IsBookmarks(const QByteArray& Head) {
    QByteArray start = Head;
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    return start.trimmed()
               .left(Doctype.size())
               .compare(QByteArray(Doctype.data(), Doctype.size()), Qt::CaseInsensitive) == 0;
}

Contents Read(const QByteArray& Bytes) {
    if (Bytes.size() > MaxFileBytes)
        throw Damaged(
            QCoreApplication::translate("BookmarkFile", "the bookmarks file is larger than 64 MB"));
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(Bytes);
    if (decoder.hasError())
        throw Damaged(
            QCoreApplication::translate("BookmarkFile", "the bookmarks file is not UTF-8 text"));
    Scanner scanner(text);
    Reader reader;
    while (!scanner.AtEnd()) {
        reader.Text(scanner.NextText());
        if (scanner.AtEnd())
            break;
        if (const std::optional<Tag> tag = scanner.NextTag())
            reader.TagSeen(*tag);
    }
    reader.Finish();
    return std::move(reader.Result);
}

} // namespace BookmarkFile
