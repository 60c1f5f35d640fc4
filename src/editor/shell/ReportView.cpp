#include "ReportView.h"

#include <QHeaderView>

QModelIndex ReportView::moveCursor(CursorAction Action, Qt::KeyboardModifiers Modifiers) {
    const QModelIndex current = currentIndex();
    QModelIndex next;
    if (current.isValid() && (Action == MoveLeft || Action == MoveRight)) {
        const int column = NeighbourColumn(current.column(), Action == MoveLeft ? -1 : 1);
        next = column < 0 ? current : current.siblingAtColumn(column);
    } else {
        next = QTreeView::moveCursor(Action, Modifiers);
    }
    // A row whose first cell spans the row has no other cell to be in.
    if (next.isValid() && next.column() != 0 && isFirstColumnSpanned(next.row(), next.parent()))
        next = next.siblingAtColumn(0);
    return next;
}

int ReportView::NeighbourColumn(int Column, int Step) const {
    const QHeaderView* columns = header();
    for (int visual = columns->visualIndex(Column) + Step; visual >= 0 && visual < columns->count();
         visual += Step) {
        const int logical = columns->logicalIndex(visual);
        if (!columns->isSectionHidden(logical))
            return logical;
    }
    return -1;
}

void ReportView::currentChanged(const QModelIndex& Current, const QModelIndex& Previous) {
    if (hasFocus()) {
        QTreeView::currentChanged(Current, Previous);
        return;
    }
    // The tree view would announce the new cell as focused whether or not the list has
    // the focus; without it, only what the base view does and a repaint of the rows.
    QAbstractItemView::currentChanged(Current, Previous);
    viewport()->update();
}
