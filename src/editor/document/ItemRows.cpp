#include "ItemRows.h"

#include "document/ShownText.h"

bool LauncherItem::IsSection() const {
    return Cells[cellDescription].startsWith(QLatin1String("SECTION:"));
}

void ItemRows::SetCell(int Pos, int Cell, const QString& Text) {
    Rows[Pos - 1][Cell] = Text;
    const QModelIndex at = index(Pos - 1, Cell);
    emit dataChanged(at, at);
}

void ItemRows::SetRow(int Pos, const LauncherItem& Item) {
    Rows[Pos - 1] = Item;
    emit dataChanged(index(Pos - 1, 0), index(Pos - 1, LauncherItem::CellCount - 1));
}

void ItemRows::Insert(int Pos, const LauncherItem& Item) {
    beginInsertRows({}, Pos - 1, Pos - 1);
    Rows.insert(Pos - 1, Item);
    endInsertRows();
}

void ItemRows::AppendAll(const QVector<LauncherItem>& Items) {
    if (Items.isEmpty())
        return;
    beginInsertRows({}, Count(), Count() + static_cast<int>(Items.size()) - 1);
    Rows += Items;
    endInsertRows();
}

void ItemRows::Remove(int Pos) {
    beginRemoveRows({}, Pos - 1, Pos - 1);
    Rows.removeAt(Pos - 1);
    endRemoveRows();
}

void ItemRows::ReplaceAll(QVector<LauncherItem> Items) {
    beginResetModel();
    Rows = std::move(Items);
    endResetModel();
}

int ItemRows::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : Count();
}

int ItemRows::columnCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : LauncherItem::CellCount;
}

QVariant ItemRows::data(const QModelIndex& Index, int Role) const {
    if (Index.isValid() && (Role == Qt::DecorationRole || Role == Qt::ToolTipRole))
        return MarkData(Index, Role);
    if (!Index.isValid() || (Role != Qt::DisplayRole && Role != Qt::EditRole))
        return {};
    const QString& cell = Rows[Index.row()][Index.column()];
    return Role == Qt::DisplayRole ? ShownText(cell) : cell;
}

QString ItemRows::ColumnCaption(int Cell) {
    static const char* const captions[LauncherItem::CellCount] = {
        "Description", "Command", "Parameters", "Start In", "Icon", "Run", "Comments"};
    return Cell >= 0 && Cell < LauncherItem::CellCount ? QString::fromLatin1(captions[Cell])
                                                       : QString();
}

QVariant ItemRows::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Orientation == Qt::Horizontal && Role == Qt::DisplayRole)
        return ColumnCaption(Section);
    return {};
}

Qt::ItemFlags ItemRows::flags(const QModelIndex& Index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(Index);
    // Drops go between rows (the list itself takes them), never onto a row.
    if (!Index.isValid())
        return f | Qt::ItemIsDropEnabled;
    f |= Qt::ItemIsDragEnabled;
    if (Index.column() == cellDescription)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ItemRows::setData(const QModelIndex& Index, const QVariant& Value, int Role) {
    if (!Index.isValid() || Role != Qt::EditRole || Index.column() != cellDescription)
        return false;
    const QString text = Value.toString();
    if (text.startsWith(QLatin1String("SECTION:")))
        return false;
    // An edit that leaves the text as it was changes nothing, the document included.
    if (text != Cell(Index.row() + 1, cellDescription))
        SetCell(Index.row() + 1, cellDescription, text);
    return true;
}
