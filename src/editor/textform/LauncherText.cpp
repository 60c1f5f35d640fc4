#include "LauncherText.h"

#include "components/AppError.h"
#include "components/platform/FileSystem.h"
#include "document/LauncherDocument.h"
#include "document/PropertyTable.h"
#include "items/ItemFields.h"
#include "items/Sections.h"
#include "properties/PropertyEditors.h"
#include "properties/PropertyRules.h"
#include "textform/YamlTree.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <yaml-cpp/yaml.h>

namespace {

// The item keys, by cell.
const char* const CellKeys[LauncherItem::CellCount] = {
    "description", "command", "parameters", "start-in", "icon", "run", "comments"};
const char* const NameKey = "name";
const char* const ColumnsKey = "columns";
const char* const IconSizeKey = "icon-size";
const char* const IconsAboveKey = "icons-above";
const char* const TableBorderKey = "table-border";
const char* const ItemsKey = "items";
// A section row this system did not write itself keeps its own text.
const char* const RowKey = "row";

const QString TrueText = QStringLiteral("True");
constexpr QChar ByteOrderMark(0xFEFF);
const QString FalseText = QStringLiteral("False");

// ---- Writing ---------------------------------------------------------------------------

// A literal block keeps a multi-line text readable, but the emitter writes it with one
// final line break and no indentation indicator: only a text that reads back exactly so
// is written that way, every other one as the emitter chooses (quoted with escapes).
bool LiteralSafe(const QString& Text) {
    if (!Text.contains(QLatin1Char('\n')) || !Text.endsWith(QLatin1Char('\n')) ||
        Text.endsWith(QLatin1String("\n\n")) || Text.startsWith(QLatin1Char(' ')) ||
        Text.startsWith(QLatin1Char('\n')))
        return false;
    for (const QChar c : Text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\n') || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029 ||
            u == 0xFEFF || c.isSurrogate())
            return false;
    }
    for (const QString& line : Text.split(QLatin1Char('\n')))
        if (!line.isEmpty() && line.trimmed().isEmpty())
            return false;
    return true;
}

// Unicode's noncharacters: the emitter keeps them only in a plain scalar and writes any
// other style with the replacement character instead.
bool HasNoncharacter(const QString& Text) {
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const char32_t code = Text[i].isHighSurrogate() && i + 1 < Text.size()
                                  ? QChar::surrogateToUcs4(Text[i], Text[i + 1])
                                  : Text[i].unicode();
        if ((code & 0xFFFE) == 0xFFFE || (code >= 0xFDD0 && code <= 0xFDEF))
            return true;
    }
    return false;
}

// A text the emitter would change is refused rather than written changed.
void RefuseUnkept(const QString& Value) {
    YAML::Emitter alone;
    alone << Value.toStdString();
    try {
        if (!Value.contains(ByteOrderMark) &&
            QString::fromStdString(YAML::Load(alone.c_str()).Scalar()) == Value)
            return;
    } catch (const YAML::Exception&) {
    }
    throw AppError(QCoreApplication::translate("LauncherText",
                                               "The text form cannot keep the text '%1': it "
                                               "holds a noncharacter of Unicode among characters "
                                               "that must be escaped")
                       .arg(Value),
                   ErrNo::InvalidArgument);
}

void Text(YAML::Emitter& Out, const QString& Value) {
    if (HasNoncharacter(Value)) {
        RefuseUnkept(Value);
        Out << Value.toStdString();
    } else if (LiteralSafe(Value)) {
        // The block's own last line break stands for the text's.
        Out << YAML::Literal << Value.chopped(1).toStdString();
    } else if (Value.contains(ByteOrderMark)) {
        // Unescaped, a reader takes it for the mark of the stream and drops it.
        Out << YAML::DoubleQuoted << Value.toStdString();
    } else {
        Out << Value.toStdString();
    }
}

void Field(YAML::Emitter& Out, const char* Key, const QString& Value) {
    Out << YAML::Key << Key << YAML::Value;
    Text(Out, Value);
}

void ItemList(YAML::Emitter& Out, const QVector<LauncherItem>& Rows, qsizetype From, qsizetype To) {
    Out << YAML::Key << ItemsKey << YAML::Value;
    if (From == To)
        Out << YAML::Flow;
    Out << YAML::BeginSeq;
    for (qsizetype i = From; i < To; ++i) {
        Out << YAML::BeginMap;
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            Field(Out, CellKeys[c], Rows[i][c]);
        Out << YAML::EndMap;
    }
    Out << YAML::EndSeq;
}

SectionDetails DetailsOf(const QString& Row) {
    SectionDetails details;
    details.Name = SectDetails(Row, 1);
    details.Columns = SectDetails(Row, 2);
    details.IconSize = SectDetails(Row, 3);
    details.IconsAbove = SectDetails(Row, 4) == TrueText;
    details.TableBorder = SectDetails(Row, 5) == TrueText;
    return details;
}

void Section(YAML::Emitter& Out, const QVector<LauncherItem>& Rows, qsizetype Row, qsizetype End) {
    const LauncherItem& row = Rows[Row];
    const SectionDetails details = DetailsOf(row[cellDescription]);
    Out << YAML::BeginMap;
    if (SectionRowText(details) == row[cellDescription]) {
        Field(Out, NameKey, details.Name);
        Field(Out, ColumnsKey, details.Columns);
        Field(Out, IconSizeKey, details.IconSize);
        Field(Out, IconsAboveKey, details.IconsAbove ? TrueText : FalseText);
        Field(Out, TableBorderKey, details.TableBorder ? TrueText : FalseText);
    } else {
        Field(Out, RowKey, row[cellDescription]);
    }
    for (int c = cellCommand; c < LauncherItem::CellCount; ++c)
        if (!row[c].isEmpty())
            Field(Out, CellKeys[c], row[c]);
    ItemList(Out, Rows, Row + 1, End);
    Out << YAML::EndMap;
}

// ---- Reading ---------------------------------------------------------------------------

AppError AtLine(const YamlNode& Node, const QString& What) {
    return AppError(QCoreApplication::translate("LauncherText", "Line %1: %2")
                        .arg(QString::number(Node.Line), What),
                    ErrNo::BadFileFormat);
}

QString KindName(YamlNode::Kind Type) {
    switch (Type) {
    case YamlNode::Kind::Scalar:
        return QCoreApplication::translate("LauncherText", "a text");
    case YamlNode::Kind::Sequence:
        return QCoreApplication::translate("LauncherText", "a list");
    case YamlNode::Kind::Mapping:
        break;
    }
    return QCoreApplication::translate("LauncherText", "a mapping");
}

void Expect(const YamlNode& Node, YamlNode::Kind Type, const QString& What) {
    if (Node.Type != Type)
        throw AtLine(Node, QCoreApplication::translate("LauncherText", "%1 must be %2, not %3")
                               .arg(What, KindName(Type), KindName(Node.Type)));
}

const QString& ScalarOf(const YamlNode& Value, const QString& Key) {
    Expect(Value, YamlNode::Kind::Scalar, QLatin1Char('\'') + Key + QLatin1Char('\''));
    return Value.Text;
}

QString BooleanOf(const YamlNode& Value, const QString& Key) {
    const QString& text = ScalarOf(Value, Key);
    if (text == TrueText || text == QLatin1String("true"))
        return TrueText;
    if (text == FalseText || text == QLatin1String("false"))
        return FalseText;
    throw AtLine(Value,
                 QCoreApplication::translate("LauncherText", "'%1' must be True or False, not '%2'")
                     .arg(Key, text));
}

QString PropertyValue(const QString& Key, const QString& Name, const YamlNode& Value) {
    using PropertyEditors::Kind;
    const PropertyEditors::Editor editor = PropertyEditors::For(Name);
    if (editor.EditorKind == Kind::Toggle)
        return BooleanOf(Value, Key);
    const QString& text = ScalarOf(Value, Key);
    if (editor.EditorKind == Kind::Colour) {
        static const QRegularExpression colour(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        if (!text.isEmpty() && !colour.match(text).hasMatch())
            throw AtLine(Value, QCoreApplication::translate(
                                    "LauncherText", "'%1' must be a colour (#RRGGBB), not '%2'")
                                    .arg(Key, text));
    } else if (editor.EditorKind == Kind::Number) {
        // The property list's Delete key empties these two.
        const bool mayBeEmpty =
            Name == QLatin1String("Font size") || Name == QLatin1String("Icon size");
        if (!(mayBeEmpty && text.isEmpty()))
            if (const std::optional<QString> refusal =
                    PropertyRules::NumberRefusal(text, editor.Lower, editor.Upper, editor.Fraction))
                throw AtLine(Value, QStringLiteral("'%1': %2").arg(Key, *refusal));
    }
    return text;
}

void ReadProperties(const YamlNode& Node, LauncherContent& Content) {
    Expect(Node, YamlNode::Kind::Mapping, QStringLiteral("'properties'"));
    for (const auto& [key, value] : Node.Fields) {
        int pos = 1;
        while (pos <= PropertyTable::Count &&
               QLatin1String(PropertyTable::At(pos)->Key) != key.Text)
            ++pos;
        if (pos > PropertyTable::Count)
            throw AtLine(key, QCoreApplication::translate(
                                  "LauncherText",
                                  "unknown property '%1' (the keys are P_TITLE, P_COLUMN "
                                  "and the others of a launcher file)")
                                  .arg(key.Text));
        const QString name = QString::fromLatin1(PropertyTable::At(pos)->Name);
        Content.Properties.append({name, PropertyValue(key.Text, name, value)});
    }
}

int CellOfKey(const QString& Key) {
    for (int c = 0; c < LauncherItem::CellCount; ++c)
        if (Key == QLatin1String(CellKeys[c]))
            return c;
    return -1;
}

QString RunOf(const YamlNode& Value) {
    const QString& run = ScalarOf(Value, QStringLiteral("run"));
    if (!run.isEmpty() && !ItemFields::RunStyles().contains(run))
        throw AtLine(Value,
                     QCoreApplication::translate("LauncherText", "'%1' is not a run style (%2)")
                         .arg(run, ItemFields::RunStyles().join(QStringLiteral(", "))));
    return run;
}

LauncherItem ReadItem(const YamlNode& Node) {
    Expect(Node, YamlNode::Kind::Mapping, QCoreApplication::translate("LauncherText", "an item"));
    LauncherItem item;
    item[cellRun] = ItemFields::RunStyles().first();
    for (const auto& [key, value] : Node.Fields) {
        const int cell = CellOfKey(key.Text);
        if (cell < 0)
            throw AtLine(key, QCoreApplication::translate(
                                  "LauncherText", "unknown key '%1' in an item (description, "
                                                  "command, parameters, start-in, icon, run, "
                                                  "comments)")
                                  .arg(key.Text));
        item[cell] = cell == cellRun ? RunOf(value) : ScalarOf(value, key.Text);
    }
    if (item.IsSection())
        throw AtLine(Node, QCoreApplication::translate(
                               "LauncherText", "an item's description may not begin with "
                                               "SECTION: (a section goes under 'sections')"));
    return item;
}

void ReadItems(const YamlNode& Node, QVector<LauncherItem>& Rows) {
    if (Node.Type == YamlNode::Kind::Scalar && Node.Text.isEmpty())
        return; // "items:" with nothing after it
    Expect(Node, YamlNode::Kind::Sequence, QStringLiteral("'items'"));
    for (const YamlNode& item : Node.Items)
        Rows.append(ReadItem(item));
}

QString SectionNumber(const YamlNode& Value, const QString& Key, QString (*Correct)(const QString&),
                      int Min, int Max) {
    const QString& text = ScalarOf(Value, Key);
    if (Correct(text) != text)
        throw AtLine(Value, QCoreApplication::translate(
                                "LauncherText", "'%1' must be a number from %2 to %3, not '%4'")
                                .arg(Key, QString::number(Min), QString::number(Max), text));
    return text;
}

void ReadSection(const YamlNode& Node, QVector<LauncherItem>& Rows) {
    Expect(Node, YamlNode::Kind::Mapping, QCoreApplication::translate("LauncherText", "a section"));
    SectionDetails details;
    LauncherItem row;
    std::optional<QString> ownRow;
    bool hasDetails = false;
    QVector<LauncherItem> items;
    for (const auto& [key, value] : Node.Fields) {
        const QString& k = key.Text;
        hasDetails = hasDetails || (k != QLatin1String(RowKey) && k != QLatin1String(ItemsKey) &&
                                    CellOfKey(k) < 0);
        if (k == QLatin1String(NameKey))
            details.Name = ScalarOf(value, k);
        else if (k == QLatin1String(ColumnsKey))
            details.Columns = SectionNumber(value, k, CorrectSectionColumns, 1, 100);
        else if (k == QLatin1String(IconSizeKey))
            details.IconSize = SectionNumber(value, k, CorrectSectionIconSize, 16, 1024);
        else if (k == QLatin1String(IconsAboveKey))
            details.IconsAbove = BooleanOf(value, k) == TrueText;
        else if (k == QLatin1String(TableBorderKey))
            details.TableBorder = BooleanOf(value, k) == TrueText;
        else if (k == QLatin1String(ItemsKey))
            ReadItems(value, items);
        else if (k == QLatin1String(RowKey))
            ownRow = ScalarOf(value, k);
        else if (CellOfKey(k) > cellDescription)
            row[CellOfKey(k)] = CellOfKey(k) == cellRun ? RunOf(value) : ScalarOf(value, k);
        else
            throw AtLine(key, QCoreApplication::translate(
                                  "LauncherText", "unknown key '%1' in a section (name, columns, "
                                                  "icon-size, icons-above, table-border, items)")
                                  .arg(k));
    }
    if (ownRow) {
        if (hasDetails)
            throw AtLine(Node, QCoreApplication::translate(
                                   "LauncherText", "a section gives either its 'row' or its "
                                                   "name and details, not both"));
        row[cellDescription] = *ownRow;
        if (!row.IsSection())
            throw AtLine(Node, QCoreApplication::translate(
                                   "LauncherText", "a section's 'row' must begin with SECTION:"));
    } else {
        row[cellDescription] = SectionRowText(details);
    }
    Rows.append(row);
    Rows.append(items);
}

} // namespace

bool LauncherText::IsTextFile(const QString& Path) {
    const QString suffix = QFileInfo(Path).suffix().toLower();
    return suffix == QLatin1String("yaml") || suffix == QLatin1String("yml");
}

QByteArray LauncherText::Write(const LauncherDocument& Doc) {
    YAML::Emitter out;
    out.SetIndent(2);
    out << YAML::Comment("Quintor launcher file (qtedit2 --help, man qtedit2)");
    out << YAML::BeginMap;
    out << YAML::Key << "properties" << YAML::Value << YAML::BeginMap;
    for (int pos = 1; pos <= PropertyTable::Count; ++pos)
        Field(out, PropertyTable::At(pos)->Key,
              Doc.ReadProp(QString::fromLatin1(PropertyTable::At(pos)->Name), true));
    out << YAML::EndMap;

    const QVector<LauncherItem>& rows = Doc.Items.All();
    qsizetype firstSection = 0;
    while (firstSection < rows.size() && !rows[firstSection].IsSection())
        ++firstSection;
    ItemList(out, rows, 0, firstSection);

    out << YAML::Key << "sections" << YAML::Value;
    if (firstSection == rows.size())
        out << YAML::Flow;
    out << YAML::BeginSeq;
    for (qsizetype start = firstSection; start < rows.size();) {
        qsizetype end = start + 1;
        while (end < rows.size() && !rows[end].IsSection())
            ++end;
        Section(out, rows, start, end);
        start = end;
    }
    out << YAML::EndSeq << YAML::EndMap;
    return QByteArray(out.c_str(), static_cast<qsizetype>(out.size())) + '\n';
}

LauncherContent LauncherText::Parse(const QByteArray& Bytes) {
    if (const int line = YamlTree::FirstInvalidUtf8Line(Bytes))
        throw AppError(
            QCoreApplication::translate("LauncherText", "Line %1: the text is not UTF-8").arg(line),
            ErrNo::BadFileFormat);
    const YamlNode root = YamlTree::Parse(Bytes);
    Expect(root, YamlNode::Kind::Mapping,
           QCoreApplication::translate("LauncherText", "a launcher file"));
    LauncherContent content;
    content.OthersDefault = true;
    QVector<LauncherItem> sections;
    for (const auto& [key, value] : root.Fields) {
        if (key.Text == QLatin1String("properties")) {
            ReadProperties(value, content);
        } else if (key.Text == QLatin1String(ItemsKey)) {
            ReadItems(value, content.Items);
        } else if (key.Text == QLatin1String("sections")) {
            if (value.Type == YamlNode::Kind::Scalar && value.Text.isEmpty())
                continue;
            Expect(value, YamlNode::Kind::Sequence, QStringLiteral("'sections'"));
            for (const YamlNode& section : value.Items)
                ReadSection(section, sections);
        } else {
            throw AtLine(key, QCoreApplication::translate("LauncherText",
                                                          "unknown key '%1' (a launcher file has "
                                                          "properties, items and sections)")
                                  .arg(key.Text));
        }
    }
    // The leading items come first whatever order the file names the two lists in.
    content.Items.append(sections);
    return content;
}

LauncherContent LauncherText::Read(const QString& Path) {
    const QFileInfo info(Path);
    if (Path.isEmpty() || !info.exists())
        throw AppError(QCoreApplication::translate("LauncherText", "File not found"),
                       ErrNo::FileNotFound);
    if (!FileSystem::IsRegularFile(Path))
        throw AppError(QCoreApplication::translate(
                           "LauncherText", "Path/File access error: the path is not a file"),
                       ErrNo::PathFileAccess);
    if (info.size() > MaxBytes)
        throw AppError(QCoreApplication::translate(
                           "LauncherText", "Invalid file format: the file is larger than %1 MB")
                           .arg(MaxBytes / (1024 * 1024)),
                       ErrNo::BadFileFormat);
    const std::optional<QByteArray> bytes = FileSystem::ReadRegularFile(Path, MaxBytes);
    if (!bytes)
        throw AppError(QCoreApplication::translate("LauncherText", "Permission denied"),
                       ErrNo::PermissionDenied);
    return Parse(*bytes);
}
