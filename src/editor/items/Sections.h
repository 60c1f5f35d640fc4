#pragma once

#include "document/LauncherItem.h"

#include <QString>
#include <optional>

class ItemRows;

// A section is a row of the item list whose Description reads
//   SECTION:<encoded name>;Columns:<n>;Icon size:<n>;Icons above:<True|False>;
//   Table border:<True|False>
// (one line). It governs the item rows after it up to the next section row. Item rows
// before the first section row form the leading block, laid out from the page's own
// properties.

// The details of a new section as the section dialog starts.
struct SectionDetails {
    QString Name;
    QString Columns = QStringLiteral("5");
    QString IconSize = QStringLiteral("32");
    bool IconsAbove = true;
    bool TableBorder = false;
};

// Name as typed -> the form stored in the row (no ":" and no ";" left in it).
QString EncodeSectionName(const QString& Name);
// The inverse of EncodeSectionName.
QString DecodeSectionName(const QString& Encoded);
// The whole Description of a section row.
QString SectionRowText(const SectionDetails& Details);
// A section row named Name with the details a new section starts with.
LauncherItem NewSectionRow(const QString& Name);

// Detail P of a section row text: 1 name (decoded), 2 columns, 3 icon size,
// 4 icons above, 5 table border. The empty text for a detail it cannot find.
QString SectDetails(const QString& s, int P);
// The same detail, or nothing when s has no such field or the field has no ":" (a text
// this system did not write); an empty value that is there is the empty text.
std::optional<QString> FindSectDetail(const QString& s, int P);

// The number of item rows in the block that row LI belongs to: for a section row its
// items (the section row not counted), for an item row before the first section the
// leading block. Linear in the rows it walks.
qint32 ItemsInSection(const ItemRows& Items, int LI);

// The correction a number field of the section dialog gets when it loses the focus:
// Default for a text that is no number, Min or Max when the whole part (rounded down)
// lies outside them, otherwise the text as typed (a fraction inside the bounds stays).
QString CorrectSectionNumber(const QString& Text, int Min, int Max, const QString& Default);
// The two number fields with their bounds.
QString CorrectSectionColumns(const QString& Text);  // 1..100, else "5"
QString CorrectSectionIconSize(const QString& Text); // 16..1024, else "32"
