#pragma once

#include <QTreeView>

// A list in report view (rows of columns, whole rows selected) that a keyboard and a
// screen reader can go through cell by cell: Left and Right move to the neighbouring
// column of the current row, so each cell gets the focus and is read, while the
// selection stays the whole row.
class ReportView : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;

protected:
    QModelIndex moveCursor(CursorAction Action, Qt::KeyboardModifiers Modifiers) override;
    // A current row set from elsewhere (a search box, a command) is no move of the focus:
    // a reader must not be sent into the list while the user types in another field.
    void currentChanged(const QModelIndex& Current, const QModelIndex& Previous) override;

private:
    // The visible column next to Column in that direction, -1 at the edge.
    int NeighbourColumn(int Column, int Step) const;
};
