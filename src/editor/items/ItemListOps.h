#pragma once

#include "document/LauncherItem.h"

#include <QList>

class ItemRows;

// The list operations of the Edit menu, on the rows alone. Each one is linear in the
// rows and answers with the selection the item list should show afterwards, because
// a row has no identity but its position and the view cannot know where it went.

// Which rows the list should show selected: Current becomes the current (focused)
// row, Others are selected besides it. Changed is False when the rows were left alone.
struct RowSelection {
    int Current = 0;
    QList<int> Others;
    bool Changed = true;
};

namespace ItemListOps {
// Removes row Pos; rows that were selected stay selected and row 1, the new current
// row, joins them.
RowSelection DeleteRow(ItemRows& Items, int Pos, const QList<int>& Selected);
// Appends a copy of row Pos; only row Pos stays selected.
RowSelection CopyRow(ItemRows& Items, int Pos);

// Move up and down of the current row: an item row trades places with its neighbour,
// a section row moves its whole block past the neighbouring section block.
RowSelection MoveUp(ItemRows& Items, int Pos);
RowSelection MoveDown(ItemRows& Items, int Pos);

RowSelection MoveItemUp(ItemRows& Items, int Pos);
RowSelection MoveItemDown(ItemRows& Items, int Pos);
// The block of section row S trades places with the section block after it. A block
// move rebuilds the rows in one pass and replaces them at once.
RowSelection MoveSectionDown(ItemRows& Items, int S);
// The block of section row S trades places with the section block before it; the
// leading block (item rows before the first section) never takes part.
RowSelection MoveSectionUp(ItemRows& Items, int S);

// Rows dragged to Pos (a 1-based insert position: they land before the row at Pos,
// Count() + 1 after the last row). When Rows hold a section row, the block of the first
// one moves as Move up and Move down would move it: before the nearest section row at
// or after Pos, or to the end, never into another block or above the leading block;
// the other rows stay. Otherwise the rows move in their order. The moved rows become
// the selection.
RowSelection DragRows(ItemRows& Items, const QList<int>& Rows, int Pos);

// Where the item dialog puts a new row: appended, unless it goes directly below the
// selected row (AtBottom off, a non-empty list and a selected row).
int AddItemPosition(int Count, int Selected, bool AtBottom);
// Where a new section row goes: directly above the selected row, else appended.
int AddSectionPosition(int Count, int Selected);
// Inserts Rows at Pos in their order (rows from Pos on move down); they become the
// selection, the first one current.
RowSelection InsertRows(ItemRows& Items, int Pos, const QList<LauncherItem>& Rows);
// The selection after a row was inserted at Pos: the rows it had stay selected,
// those at or after Pos now one further down. Without a current row (Current 0) the
// new row becomes the current one.
RowSelection SelectionAfterInsert(int Current, const QList<int>& Selected, int Pos);
} // namespace ItemListOps
