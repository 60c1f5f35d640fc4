#include "Sections.h"

#include "components/Tolvik.h"
#include "document/ItemRows.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

QString EncodeSectionName(const QString& Name) {
    QString s = Tolvik::TextToHtml(Name, false);
    // "{" goes through "{l_" so that the braces of "{r}" are not touched.
    s.replace(QLatin1String("{"), QLatin1String("{l_"));
    s.replace(QLatin1String("}"), QLatin1String("{r}"));
    s.replace(QLatin1String("{l_"), QLatin1String("{l}"));
    s.replace(QLatin1String(":"), QLatin1String("{c}"));
    s.replace(QLatin1String(";"), QLatin1String("{s}"));
    return s;
}

QString DecodeSectionName(const QString& Encoded) {
    QString s = Encoded;
    s.replace(QLatin1String("{c}"), QLatin1String(":"));
    s.replace(QLatin1String("{s}"), QLatin1String(";"));
    s.replace(QLatin1String("{l}"), QLatin1String("{"));
    s.replace(QLatin1String("{r}"), QLatin1String("}"));
    return Tolvik::HtmlToText(s);
}

QString SectionRowText(const SectionDetails& Details) {
    const auto boolText = [](bool b) {
        return b ? QStringLiteral("True") : QStringLiteral("False");
    };
    return QStringLiteral("SECTION:") + EncodeSectionName(Details.Name) +
           QStringLiteral(";Columns:") + Details.Columns + QStringLiteral(";Icon size:") +
           Details.IconSize + QStringLiteral(";Icons above:") + boolText(Details.IconsAbove) +
           QStringLiteral(";Table border:") + boolText(Details.TableBorder);
}

LauncherItem NewSectionRow(const QString& Name) {
    SectionDetails details;
    details.Name = Name;
    LauncherItem row;
    row[cellDescription] = SectionRowText(details);
    return row;
}

std::optional<QString> FindSectDetail(const QString& s, int P) {
    if (P < 1)
        return std::nullopt;
    const QStringList fields = s.split(QLatin1Char(';'));
    if (P > fields.size())
        return std::nullopt;
    const QStringList parts = fields[P - 1].split(QLatin1Char(':'));
    if (parts.size() < 2)
        return std::nullopt;
    return P == 1 ? DecodeSectionName(parts[1]) : parts[1];
}

QString SectDetails(const QString& s, int P) {
    return FindSectDetail(s, P).value_or(QString());
}

qint32 ItemsInSection(const ItemRows& Items, int LI) {
    const int count = Items.Count();
    if (count == 0 || LI < 1 || LI > count)
        return 0;
    if (count == 1)
        return Items.IsSection(1) ? 0 : 1;
    int start = LI;
    while (start > 1 && !Items.IsSection(start))
        --start;
    const bool hasSectionRow = Items.IsSection(start);
    int end = count;
    for (int i = start + 1; i <= count; ++i) {
        if (Items.IsSection(i)) {
            end = i - 1;
            break;
        }
    }
    return hasSectionRow ? end - start : end - start + 1;
}

QString CorrectSectionNumber(const QString& Text, int Min, int Max, const QString& Default) {
    bool ok = false;
    const double value = QLocale::c().toDouble(Text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return Default;
    const double whole = std::floor(value);
    if (whole < Min)
        return QString::number(Min);
    if (whole > Max)
        return QString::number(Max);
    return Text;
}

QString CorrectSectionColumns(const QString& Text) {
    return CorrectSectionNumber(Text, 1, 100, QStringLiteral("5"));
}

QString CorrectSectionIconSize(const QString& Text) {
    return CorrectSectionNumber(Text, 16, 1024, QStringLiteral("32"));
}
