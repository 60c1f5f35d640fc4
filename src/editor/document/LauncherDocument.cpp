#include "LauncherDocument.h"

#include "components/Tolvik.h"
#include "document/PropertyTable.h"

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
    Propulate();
    SetCaption(GetProp(PropertyTable::TitlePos, 2) + QStringLiteral(" - ") + ProgramTitle);
    // The models report every change of the rows: each one is a change of the document.
    const auto changed = [this] { SetChanged(true); };
    for (QAbstractItemModel* model :
         {static_cast<QAbstractItemModel*>(&Items), static_cast<QAbstractItemModel*>(&Props)}) {
        connect(model, &QAbstractItemModel::dataChanged, this, changed);
        connect(model, &QAbstractItemModel::rowsInserted, this, changed);
        connect(model, &QAbstractItemModel::rowsRemoved, this, changed);
        connect(model, &QAbstractItemModel::modelReset, this, changed);
    }
}

void LauncherDocument::SetChanged(bool Value) {
    if (Modified == Value)
        return;
    Modified = Value;
    emit ModificationChanged(Value);
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
    QVector<PropertyRows::Row> rows;
    rows.reserve(PropertyTable::Count);
    for (int pos = 1; pos <= PropertyTable::Count; ++pos)
        rows.append({GetProp(pos, 1), GetProp(pos, 2)});
    Props.Reset(std::move(rows));
    HeaderHTML.clear();
    FooterHTML.clear();
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
