#pragma once

// Item lists written as one line: "#A" is a section row named A with the details a new
// section gets ("#A;Columns:2;..." spells them out), any other word an item row whose
// Command is the word + ".exe"; "[x]" is the current row, "x*" another selected one.
#include "FakeEditorContext.h"

namespace ItemTestRows {
const QString NewDetails =
    QStringLiteral(";Columns:5;Icon size:32;Icons above:True;Table border:False");

inline LauncherItem Row(const QString& Word) {
    LauncherItem row;
    if (Word.startsWith('#'))
        row[cellDescription] = "SECTION:" + Word.mid(1) + (Word.contains(';') ? "" : NewDetails);
    else
        row.Cells = {Word, Word + ".exe", {}, {}, {}, "Normal Window", {}};
    return row;
}

inline void Fill(FakeEditorContext& Ctx, const QString& Marked) {
    QVector<LauncherItem> rows;
    Ctx.SelectRow(0);
    for (const QString& word : Marked.split(' ', Qt::SkipEmptyParts)) {
        const QString plain = QString(word).remove('[').remove(']').remove('*');
        rows << Row(plain);
        if (word.startsWith('['))
            Ctx.Current = int(rows.size());
        if (word != plain)
            Ctx.Selection << int(rows.size());
    }
    Ctx.Document.Items.ReplaceAll(rows);
}

// The list back in the same notation; a row with more in its cells than its word says
// shows "?".
inline QString Words(const FakeEditorContext& Ctx) {
    QStringList words;
    for (int i = 1; i <= Ctx.Document.Items.Count(); ++i) {
        const LauncherItem& row = Ctx.Document.Items.Row(i);
        QString word = row.IsSection() ? '#' + row[cellDescription].mid(8) : row[cellDescription];
        if (word.endsWith(NewDetails))
            word.chop(NewDetails.size());
        if (Row(word) != row)
            word += '?';
        words << (i == Ctx.Current            ? '[' + word + ']'
                  : Ctx.Selection.contains(i) ? word + '*'
                                              : word);
    }
    return words.join(' ');
}

// All seven cells of a row, joined by "|".
inline QString Cells(const LauncherItem& Row) {
    return QStringList(Row.Cells.begin(), Row.Cells.end()).join('|');
}
} // namespace ItemTestRows
