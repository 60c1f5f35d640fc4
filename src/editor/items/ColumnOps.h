#pragma once

class ItemRows;

// Swapping, moving and copying one column of every item row into another (section
// rows are never touched). Columns are chosen by option index: 0 Description,
// 1 Command, 2 Parameters, 3 Start In, 4 Icon, 5 Comments; the Run cell is not offered.
namespace ColumnOps {

enum Operation { opSwap = 0, opMove = 1, opCopy = 2 };
constexpr int ColumnCount = 6;

// The cell of an item row that option index Option stands for; -1 outside 0..5.
int CellOfOption(int Option);

// First -> Second for Move and Copy; Move then empties First. Any number of rows.
// Choosing the same column twice, or an index outside 0..5, changes nothing.
void Apply(ItemRows& Items, Operation Op, int First, int Second);

} // namespace ColumnOps
