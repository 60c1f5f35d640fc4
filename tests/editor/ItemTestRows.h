#pragma once

// Item lists written as one line, for the list and section tests: "#A" is a section
// row named A, any other word an item row whose Command is the word + ".exe".
#include "ItemRows.h"

#include <QStringList>

namespace ItemTestRows {
inline LauncherItem Row(const QString& Word) {
    LauncherItem row;
    if (Word.startsWith('#'))
        row[cellDescription] = "SECTION:" + Word.mid(1) +
                               ";Columns:5;Icon size:32;Icons above:True;Table border:False";
    else
        row.Cells = {Word, Word + ".exe", {}, {}, {}, "Normal Window", {}};
    return row;
}

inline void Fill(ItemRows& Items, const QString& Words) {
    QVector<LauncherItem> rows;
    for (const QString& word : Words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        rows << Row(word);
    Items.ReplaceAll(rows);
}

// The list back in the same notation; a row whose cells do not match its word shows "?".
inline QString Words(const ItemRows& Items) {
    QStringList words;
    for (const LauncherItem& row : Items.All()) {
        const QString& desc = row[cellDescription];
        const QString word = row.IsSection() ? '#' + desc.mid(8).section(';', 0, 0) : desc;
        words << (Row(word) == row ? word : word + QLatin1Char('?'));
    }
    return words.join(QLatin1Char(' '));
}

// All seven cells of a row, joined by "|".
inline QString Cells(const LauncherItem& Row) {
    return QStringList(Row.Cells.begin(), Row.Cells.end()).join(QLatin1Char('|'));
}
} // namespace ItemTestRows
