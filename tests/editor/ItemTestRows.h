#pragma once

// Item lists written as one line, for the list and section tests: "#A" is a section
// row named A, any other word an item row whose Command is the word + ".exe".
#include "ItemRows.h"

#include <QStringList>

namespace ItemTestRows {
inline LauncherItem Row(const QString& Word) {
    LauncherItem row;
    if (Word.startsWith(QLatin1Char('#'))) {
        row[cellDescription] =
            QStringLiteral("SECTION:") + Word.mid(1) +
            QStringLiteral(";Columns:5;Icon size:32;Icons above:True;Table border:False");
    } else {
        row[cellDescription] = Word;
        row[cellCommand] = Word + QStringLiteral(".exe");
        row[cellRun] = QStringLiteral("Normal Window");
    }
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
        QString word =
            row.IsSection()
                ? QLatin1Char('#') + row[cellDescription].mid(8).section(QLatin1Char(';'), 0, 0)
                : row[cellDescription];
        words << (Row(word) == row ? word : word + QLatin1Char('?'));
    }
    return words.join(QLatin1Char(' '));
}
} // namespace ItemTestRows
