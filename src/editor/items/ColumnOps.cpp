#include "ColumnOps.h"

#include "document/ItemRows.h"

namespace {

void SetIfDifferent(ItemRows& Items, int Row, int Cell, const QString& Text) {
    if (Items.Cell(Row, Cell) != Text)
        Items.SetCell(Row, Cell, Text);
}

} // namespace

int ColumnOps::CellOfOption(int Option) {
    static const int cells[ColumnCount] = {cellDescription, cellCommand, cellParameters,
                                           cellStartIn,     cellIcon,    cellComments};
    return Option >= 0 && Option < ColumnCount ? cells[Option] : -1;
}

void ColumnOps::Apply(ItemRows& Items, Operation Op, int First, int Second) {
    const int a = CellOfOption(First);
    const int b = CellOfOption(Second);
    // A move of a column onto itself would empty it.
    if (a < 0 || b < 0 || a == b)
        return;
    const int count = Items.Count();
    for (int row = 1; row <= count; ++row) {
        if (Items.IsSection(row))
            continue;
        const QString fromA = Items.Cell(row, a);
        switch (Op) {
        case opSwap:
            SetIfDifferent(Items, row, a, Items.Cell(row, b));
            SetIfDifferent(Items, row, b, fromA);
            break;
        case opMove:
            SetIfDifferent(Items, row, b, fromA);
            SetIfDifferent(Items, row, a, QString());
            break;
        case opCopy:
            SetIfDifferent(Items, row, b, fromA);
            break;
        }
    }
}
