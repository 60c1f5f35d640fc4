#pragma once

#include "document/LauncherItem.h"

class EditHistory;

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <QVector>
#include <functional>

// The item list of the document, in list order, addressed by 1-based position.
// It is also the model that the item list view shows: every change goes through
// these operations, so the view always shows the rows as they are.
class ItemRows : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int Count() const { return static_cast<int>(Rows.size()); }
    const LauncherItem& Row(int Pos) const { return Rows[Pos - 1]; }
    QString Cell(int Pos, int Cell) const { return Rows[Pos - 1][Cell]; }
    bool IsSection(int Pos) const { return Rows[Pos - 1].IsSection(); }
    const QVector<LauncherItem>& All() const { return Rows; }

    // Every change below is recorded in History (when one is set) as it is made.
    void SetHistory(EditHistory* Recorder) { History = Recorder; }

    void SetCell(int Pos, int Cell, const QString& Text);
    void SetRow(int Pos, const LauncherItem& Item);
    // Rows from Pos on move down; Pos = Count() + 1 appends.
    void Insert(int Pos, const LauncherItem& Item) { Insert(Pos, QVector<LauncherItem>{Item}); }
    void Insert(int Pos, const QVector<LauncherItem>& Items);
    void Append(const LauncherItem& Item) { Insert(Count() + 1, Item); }
    void AppendAll(const QVector<LauncherItem>& Items) { Insert(Count() + 1, Items); }
    // Count rows from Pos on.
    void Remove(int Pos, int Count = 1);
    // New row i (0-based) is the old row Order[i]: block moves in one pass and one reset
    // of the view, recorded as the order alone.
    void Reorder(const QVector<int>& Order);
    void Clear() { ReplaceAll({}); }
    // Everything replaced (a load): one reset of the view instead of one per row.
    void ReplaceAll(QVector<LauncherItem> Items);

    // Model face for the list view: seven columns, the Description editable in place.
    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;
    // In-place edit of a Description; a text beginning "SECTION:" is refused.
    bool setData(const QModelIndex& Index, const QVariant& Value, int Role) override;

    static QString ColumnCaption(int Cell);

    // Marks of broken items: the lines Source finds wrong with a row show as Icon before
    // its Description and as the Description's tooltip. An empty Source shows none.
    using ProblemSource = std::function<QStringList(const LauncherItem&)>;
    void SetProblemSource(ProblemSource Source, const QIcon& Icon);

    // Drag and drop: rows dragged out carry their positions; whatever is dropped (rows of
    // this list, files, addresses) is handed on as DropRequested and never changes the
    // rows here, so that the editor's commands make the change.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& Indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* Data, Qt::DropAction Action, int Row, int Column,
                         const QModelIndex& Parent) const override;
    bool dropMimeData(const QMimeData* Data, Qt::DropAction Action, int Row, int Column,
                      const QModelIndex& Parent) override;
    // The positions of rows dragged from this very list; empty for anything else.
    QList<int> DraggedRows(const QMimeData& Data) const;

signals:
    // Data was dropped before row Pos (Count() + 1: after the last row).
    void DropRequested(int Pos, const QMimeData& Data);

private:
    QVariant MarkData(const QModelIndex& Index, int Role) const;
    QVariant ReaderData(const QModelIndex& Index, int Role) const;

    QVector<LauncherItem> Rows;
    EditHistory* History = nullptr;
    ProblemSource Problems;
    QIcon ProblemIcon;
};
