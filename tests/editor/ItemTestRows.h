#pragma once

// Item lists written as one line: "#A" is a section row named A with the details a new
// section gets ("#A;Columns:2;..." spells them out), any other word an item row whose
// Command is the word + ".exe"; "[x]" is the current row, "x*" another selected one.
#include "editor/FakeEditorContext.h"
#include "support/DataRows.h"

#include <QDialog>
#include <QtTest>

namespace ItemTestRows {
using namespace DataRows;

const QString NewDetails =
    QStringLiteral(";Columns:5;Icon size:32;Icons above:True;Table border:False");

inline LauncherItem RowOf(const QString& Word) {
    LauncherItem row;
    if (Word.startsWith('#'))
        row[cellDescription] = "SECTION:" + Word.mid(1) + (Word.contains(';') ? "" : NewDetails);
    else
        row.Cells = {Word, Word + ".exe", {}, {}, {}, "Normal Window", {}};
    return row;
}

// Ctx, when given, gets the marked rows as its current and selected rows.
inline void Fill(ItemRows& Items, const QString& Marked, FakeEditorContext* Ctx = nullptr) {
    QVector<LauncherItem> rows;
    for (const QString& word : Marked.split(' ', Qt::SkipEmptyParts)) {
        const QString plain = QString(word).remove('[').remove(']').remove('*');
        rows << RowOf(plain);
        if (Ctx && word.startsWith('['))
            Ctx->Current = int(rows.size());
        if (Ctx && word != plain)
            Ctx->Selection << int(rows.size());
    }
    Items.ReplaceAll(rows);
}
// As the rows came from a file: the document has no changes yet.
inline void Fill(FakeEditorContext& Ctx, const QString& Marked) {
    Ctx.SelectRow(0);
    Fill(Ctx.Document.Items, Marked, &Ctx);
    Ctx.Document.SetChanged(false);
}

// The list back in the same notation; a row with more in its cells than its word says
// shows "?".
inline QString Words(const ItemRows& Items, int Current = 0, const QList<int>& Selected = {}) {
    QStringList words;
    for (int i = 1; i <= Items.Count(); ++i) {
        const LauncherItem& row = Items.Row(i);
        QString word = row.IsSection() ? '#' + row[cellDescription].mid(8) : row[cellDescription];
        if (word.endsWith(NewDetails))
            word.chop(NewDetails.size());
        if (RowOf(word) != row)
            word += '?';
        words << (i == Current ? '[' + word + ']' : Selected.contains(i) ? word + '*' : word);
    }
    return words.join(' ');
}
inline QString Words(const FakeEditorContext& Ctx) {
    return Words(Ctx.Document.Items, Ctx.Current, Ctx.Selection);
}

inline QString Cells(const LauncherItem& Row) {
    return QStringList(Row.Cells.begin(), Row.Cells.end()).join('|');
}

inline bool ShowActive(QDialog& Dialog) {
    Dialog.show();
    Dialog.activateWindow();
    return QTest::qWaitForWindowActive(&Dialog);
}
} // namespace ItemTestRows
