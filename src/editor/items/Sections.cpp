#include "Sections.h"

#include "ItemRows.h"
#include "Tolvik.h"

#include <QStringList>

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
    const auto boolText = [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); };
    return QStringLiteral("SECTION:") + EncodeSectionName(Details.Name) + QStringLiteral(";Columns:") +
           Details.Columns + QStringLiteral(";Icon size:") + Details.IconSize +
           QStringLiteral(";Icons above:") + boolText(Details.IconsAbove) +
           QStringLiteral(";Table border:") + boolText(Details.TableBorder);
}

QString SectDetails(const QString& s, int P) {
    if (P < 1)
        return {};
    const QStringList fields = s.split(QLatin1Char(';'));
    if (P > fields.size())
        return {};
    const QStringList parts = fields[P - 1].split(QLatin1Char(':'));
    // A field without ":" was not written by this system: it has no value.
    const QString value = parts.size() > 1 ? parts[1] : QString();
    return P == 1 ? DecodeSectionName(value) : value;
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
