#pragma once

#include <QString>

class ItemRows;

// A section is a row of the item list whose Description reads
// "SECTION:<encoded name>;Columns:<n>;Icon size:<n>;Icons above:<True|False>;Table border:<True|False>".
// It governs the item rows after it up to the next section row. Item rows before the
// first section row form the leading block, laid out from the page's own properties.

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

// Detail P of a section row text: 1 name (decoded), 2 columns, 3 icon size,
// 4 icons above, 5 table border. The empty text for a detail it cannot find.
QString SectDetails(const QString& s, int P);

// The number of item rows in the block that row LI belongs to: for a section row its
// items (the section row not counted), for an item row before the first section the
// leading block. Linear in the rows it walks.
qint32 ItemsInSection(const ItemRows& Items, int LI);
