#include "ColumnReplace.h"

#include "document/ItemRows.h"

namespace {

// The Run cell holds one of a fixed set of words and is never offered.
const int ReplaceableCells[] = {cellDescription, cellCommand, cellParameters,
                                cellStartIn,     cellIcon,    cellComments};

} // namespace

bool ColumnReplace::ReplaceAll(ItemRows& Items, const ReplaceRequest& Request) {
    QList<int> cells;
    for (int cell : ReplaceableCells)
        if (Request.Cells.contains(cell))
            cells.append(cell);
    if (cells.isEmpty())
        return false;

    const QString find = Request.MatchCase ? Request.Find : Request.Find.toLower();
    bool worked = false;
    const int count = Items.Count();
    for (int row = 1; row <= count; ++row) {
        if (Items.IsSection(row))
            continue;
        LauncherItem item = Items.Row(row);
        for (int cell : cells) {
            QString& text = item[cell];
            if (!Request.MatchCase)
                text = text.toLower();
            if (find.isEmpty()) {
                // QString::replace would insert at every position; an empty find text
                // instead fills the empty cells.
                if (text.isEmpty())
                    text = Request.Replacement;
            } else {
                text.replace(find, Request.Replacement, Qt::CaseSensitive);
            }
        }
        worked = true;
        // One update of the view per row, and none for a row that stays as it was.
        if (item != Items.Row(row))
            Items.SetRow(row, item);
    }
    return worked;
}
