#include "LauncherDocument.h"

#include "components/Tolvik.h"
#include "document/PropertyTable.h"

#include <algorithm>

namespace {
const QString HeaderName = QStringLiteral("Header HTML");
const QString FooterName = QStringLiteral("Footer HTML");

// Reads a hexadecimal part of one or two digits; -1 when empty or not hexadecimal
// (no sign, blank or "0x" is taken as part of a number).
int HexPart(const QString& Text, int From) {
    const QString part = Text.mid(From, 2);
    if (part.isEmpty())
        return -1;
    int value = 0;
    for (const QChar c : part) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        else if (u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}
} // namespace

const QString LauncherDocument::ProgramTitle = QStringLiteral("Quintor Editor");

LauncherDocument::LauncherDocument(QObject* Parent) : QObject(Parent) {
    Items.SetHistory(&History);
    {
        const EditHistory::Pause quiet = History.Suspend();
        Propulate();
    }
    SetCaption(GetProp(PropertyTable::TitlePos, 2) + QStringLiteral(" - ") + ProgramTitle);
    connect(&History, &EditHistory::StateChanged, this, &LauncherDocument::FollowHistory);
}

void LauncherDocument::FollowHistory() {
    if (Changed() == LastChanged)
        return;
    LastChanged = Changed();
    emit ModificationChanged(LastChanged);
}

void LauncherDocument::SetChanged(bool Value) {
    if (Value)
        History.MarkChanged();
    else
        History.SetClean();
}

QString LauncherDocument::GetProp(int Pos, int SubItem) const {
    const PropertyTable::Definition* def = PropertyTable::At(Pos);
    if (!def)
        return {};
    switch (SubItem) {
    case 1:
        return QString::fromLatin1(def->Name);
    case 2:
        return Pos == PropertyTable::TitlePos
                   ? QStringLiteral("New File ") + QString::number(NextNew)
                   : QString::fromLatin1(def->Default);
    case 3:
        return QString::fromLatin1(def->Key);
    default:
        return {};
    }
}

void LauncherDocument::Propulate() {
    QStringList before;
    if (History.Recording())
        for (int pos = 1; pos <= PropertyTable::Count; ++pos)
            before << ReadProp(GetProp(pos, 1), true);
    QVector<PropertyRows::Row> rows;
    rows.reserve(PropertyTable::Count);
    for (int pos = 1; pos <= PropertyTable::Count; ++pos)
        rows.append({GetProp(pos, 1), GetProp(pos, 2)});
    Props.Reset(std::move(rows));
    HeaderHTML.clear();
    FooterHTML.clear();
    for (int pos = 1; pos <= before.size(); ++pos) {
        const QString name = GetProp(pos, 1);
        const QString now = ReadProp(name, true);
        if (now != before[pos - 1])
            History.Record(DocumentChanges::Property{name, before[pos - 1], now});
    }
    emit PropertiesReset();
}

QString LauncherDocument::ReadProp(const QString& PropName, bool NoConv) const {
    if (PropName == FooterName)
        return FooterHTML;
    if (PropName == HeaderName)
        return HeaderHTML;
    const int row = Props.Find(PropName);
    if (row == 0)
        return {};
    const QString& value = Props.At(row).Setting;
    return NoConv ? value : Tolvik::TextToHtml(value, false);
}

QString LauncherDocument::HtmlPreview(const QString& Text) {
    return Text.size() < 50 ? Text : Text.left(50) + QStringLiteral("...");
}

void LauncherDocument::WriteProp(const QString& PropName, const QString& SubItem) {
    const int row = Props.Find(PropName);
    if (row == 0)
        return;
    const QString before = ReadProp(PropName, true);
    if (before != SubItem)
        History.Record(DocumentChanges::Property{PropName, before, SubItem});
    if (PropName == FooterName || PropName == HeaderName) {
        (PropName == FooterName ? FooterHTML : HeaderHTML) = SubItem;
        Props.SetSetting(row, HtmlPreview(SubItem));
        return;
    }
    Props.SetSetting(row, SubItem);
}

QString LauncherDocument::GetLV(int Pos, int SItem) const {
    QString text = Items.Cell(Pos, SItem);
    if (SItem != cellComments && text.contains(QLatin1Char(',')))
        text.replace(QLatin1Char(','), QLatin1String("&comma;"));
    return Tolvik::TextToHtml(text, false);
}

QString LauncherDocument::ColHexToNum(const QString& ColHex) {
    QString digits = ColHex;
    digits.remove(QLatin1Char('#'));
    const int red = HexPart(digits, 0);
    const int green = HexPart(digits, 2);
    const int blue = HexPart(digits, 4);
    if (red < 0 || green < 0 || blue < 0)
        return {};
    return QString::number(red + 256 * green + 65536 * blue);
}

QString LauncherDocument::ColNumToHex(const QString& ColNum) {
    bool ok = false;
    const qlonglong number = ColNum.trimmed().toLongLong(&ok);
    if (!ok)
        return {};
    // Only the colour's 24 bits have a meaning; anything outside is cut off.
    const QString hex = QString::number(static_cast<quint32>(number) & 0xFFFFFFu, 16)
                            .toUpper()
                            .rightJustified(6, QLatin1Char('0'));
    return QStringLiteral("#") + hex.mid(4, 2) + hex.mid(2, 2) + hex.mid(0, 2);
}

void LauncherDocument::SetCaption(const QString& Caption) {
    WindowCaption = Caption;
    emit CaptionChanged(WindowCaption);
}

QString LauncherDocument::FileCaption(const QString& Title) const {
    if (CurFile.isEmpty())
        return Title + QStringLiteral(" - ") + ProgramTitle;
    return Title + QStringLiteral(" (") + CurFile + QStringLiteral(") - ") + ProgramTitle;
}

namespace {

// Positions of rows touched earlier in a step follow the rows that a later change of
// the same step inserts or removes before them.
void ShiftRows(QList<int>& Rows, int Pos, int By) {
    for (int& row : Rows)
        if (row >= Pos)
            row += By;
}

QVector<int> Inverse(const QVector<int>& Order) {
    QVector<int> inverse(Order.size());
    for (int i = 0; i < Order.size(); ++i)
        inverse[Order[i]] = i;
    return inverse;
}

} // namespace

void LauncherDocument::Apply(const DocumentChange& Change, bool Forward, Touched& Where) {
    if (const auto* cell = std::get_if<DocumentChanges::Cell>(&Change)) {
        Items.SetCell(cell->Pos, cell->Cell, Forward ? cell->After : cell->Before);
        Where.Rows << cell->Pos;
    } else if (const auto* rows = std::get_if<DocumentChanges::Rows>(&Change)) {
        const int count = static_cast<int>(rows->Items.size());
        if (rows->Inserted == Forward) {
            Items.Insert(rows->Pos, rows->Items);
            ShiftRows(Where.Rows, rows->Pos, count);
            for (int i = 0; i < count; ++i)
                Where.Rows << rows->Pos + i;
        } else {
            Items.Remove(rows->Pos, count);
            Where.Rows.removeIf(
                [&](int Row) { return Row >= rows->Pos && Row < rows->Pos + count; });
            ShiftRows(Where.Rows, rows->Pos + count, -count);
            Where.Rows << rows->Pos;
        }
    } else if (const auto* order = std::get_if<DocumentChanges::Order>(&Change)) {
        const QVector<int> to = Forward ? order->Order : Inverse(order->Order);
        const QVector<int> from = Inverse(to); // old 0-based row -> new one
        Items.Reorder(to);
        for (int& row : Where.Rows)
            if (row >= 1 && row <= from.size())
                row = from[row - 1] + 1;
        for (int i = 0; i < to.size(); ++i)
            if (to[i] != i)
                Where.Rows << i + 1;
    } else {
        const auto& property = std::get<DocumentChanges::Property>(Change);
        WriteProp(property.Name, Forward ? property.After : property.Before);
        Where.Properties << property.Name;
    }
}

std::optional<LauncherDocument::Touched> LauncherDocument::Finish(bool Done, Touched Where) {
    if (!Done)
        return std::nullopt;
    // A removed row at the end leaves no row at its position: the last row stands in.
    QList<int> rows;
    rows.reserve(Where.Rows.size());
    for (const int row : std::as_const(Where.Rows))
        rows << std::min(row, Items.Count());
    rows.removeIf([](int Row) { return Row < 1; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    Where.Rows = rows;
    Where.Properties.removeDuplicates();
    // The caption carries the title, which the step may have changed back or again.
    if (Where.Properties.contains(QStringLiteral("Title")))
        SetCaption(FileCaption(ReadProp(QStringLiteral("Title"), true)));
    return Where;
}

std::optional<LauncherDocument::Touched> LauncherDocument::Undo() {
    Touched where;
    const bool done = History.Undo(
        [&](const DocumentChange& Change, bool Forward) { Apply(Change, Forward, where); });
    return Finish(done, std::move(where));
}

std::optional<LauncherDocument::Touched> LauncherDocument::Redo() {
    Touched where;
    const bool done = History.Redo(
        [&](const DocumentChange& Change, bool Forward) { Apply(Change, Forward, where); });
    return Finish(done, std::move(where));
}
