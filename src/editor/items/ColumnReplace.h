#pragma once

#include <QList>
#include <QString>

class ItemRows;

// Replacing a text in chosen columns of every item row at once (section rows are
// never touched).
struct ReplaceRequest {
    QString Find;
    QString Replacement;
    bool MatchCase = false;
    // Cells to work on, from Description, Command, Parameters, Start In, Icon and
    // Comments; handled in that order whatever order they are listed in.
    QList<int> Cells;
};

namespace ColumnReplace {

// Without MatchCase, every chosen cell of every item row ends in lower case, replaced
// or not, and the find text matches whatever its case. An empty find text replaces
// nothing but fills the chosen cells that are empty with the replacement. Returns
// True when at least one cell of an item row was worked on, which counts as a change
// even when no text differs.
bool ReplaceAll(ItemRows& Items, const ReplaceRequest& Request);

} // namespace ColumnReplace
