#include "ItemRows.h"

#include "document/EditHistory.h"
#include "document/ShownText.h"
#include "items/ItemFields.h"
#include "items/Sections.h"

#include <optional>

bool LauncherItem::IsSection() const {
    return Cells[cellDescription].startsWith(QLatin1String("SECTION:"));
}

void ItemRows::SetCell(int Pos, int Cell, const QString& Text) {
    QString& cell = Rows[Pos - 1][Cell];
    if (History)
        History->Record(DocumentChanges::Cell{Pos, Cell, cell, Text});
    cell = Text;
    const QModelIndex at = index(Pos - 1, Cell);
    emit dataChanged(at, at);
}

void ItemRows::SetRow(int Pos, const LauncherItem& Item) {
    LauncherItem& row = Rows[Pos - 1];
    if (History)
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            if (row[c] != Item[c])
                History->Record(DocumentChanges::Cell{Pos, c, row[c], Item[c]});
    row = Item;
    emit dataChanged(index(Pos - 1, 0), index(Pos - 1, LauncherItem::CellCount - 1));
}

void ItemRows::Insert(int Pos, const QVector<LauncherItem>& Items) {
    if (Items.isEmpty())
        return;
    if (History)
        History->Record(DocumentChanges::Rows{Pos, true, Items});
    beginInsertRows({}, Pos - 1, Pos - 1 + static_cast<int>(Items.size()) - 1);
    Rows.insert(Pos - 1, Items.size(), LauncherItem());
    std::copy(Items.cbegin(), Items.cend(), Rows.begin() + (Pos - 1));
    endInsertRows();
}

void ItemRows::Remove(int Pos, int Count) {
    if (Count <= 0)
        return;
    if (History)
        History->Record(DocumentChanges::Rows{
            Pos, false,
            QVector<LauncherItem>(Rows.cbegin() + (Pos - 1), Rows.cbegin() + (Pos - 1 + Count))});
    beginRemoveRows({}, Pos - 1, Pos - 1 + Count - 1);
    Rows.remove(Pos - 1, Count);
    endRemoveRows();
}

void ItemRows::Reorder(const QVector<int>& Order) {
    if (History)
        History->Record(DocumentChanges::Order{Order});
    QVector<LauncherItem> moved;
    moved.reserve(Order.size());
    for (const int from : Order)
        moved.append(Rows[from]);
    beginResetModel();
    Rows = std::move(moved);
    endResetModel();
}

// Recorded as the rows out and the rows in; loads and New pause the history instead,
// since they start a new one.
void ItemRows::ReplaceAll(QVector<LauncherItem> Items) {
    if (History && History->Recording()) {
        if (!Rows.isEmpty())
            History->Record(DocumentChanges::Rows{1, false, Rows});
        if (!Items.isEmpty())
            History->Record(DocumentChanges::Rows{1, true, Items});
    }
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
    if (Index.isValid() &&
        (Role == Qt::AccessibleTextRole || Role == Qt::AccessibleDescriptionRole))
        return ReaderData(Index, Role);
    if (!Index.isValid() || (Role != Qt::DisplayRole && Role != Qt::EditRole))
        return {};
    const QString& cell = Rows[Index.row()][Index.column()];
    if (Role == Qt::EditRole)
        return cell;
    // A run style of ours is shown in the user's language; the file keeps its own word.
    return Index.column() == cellRun ? ItemFields::RunStyleCaption(ShownText(cell))
                                     : ShownText(cell);
}

// What a screen reader is given: a section row by the name the list shows in bold, said to
// be a section; a broken item's mark (an icon and a tooltip for the eye) as its description.
QVariant ItemRows::ReaderData(const QModelIndex& Index, int Role) const {
    if (Index.column() != cellDescription)
        return {};
    if (IsSection(Index.row() + 1)) {
        if (Role == Qt::AccessibleDescriptionRole)
            return tr("Section");
        return SectDetails(ShownText(Rows[Index.row()][cellDescription]), 1);
    }
    if (Role == Qt::AccessibleDescriptionRole)
        return MarkData(Index, Qt::ToolTipRole);
    return {};
}

QString ItemRows::ColumnCaption(int Cell) {
    static const char* const captions[LauncherItem::CellCount] = {
        QT_TR_NOOP("Description"), QT_TR_NOOP("Command"), QT_TR_NOOP("Parameters"),
        QT_TR_NOOP("Start In"),    QT_TR_NOOP("Icon"),    QT_TR_NOOP("Run"),
        QT_TR_NOOP("Comments")};
    return Cell >= 0 && Cell < LauncherItem::CellCount ? tr(captions[Cell]) : QString();
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
    if (text == Cell(Index.row() + 1, cellDescription))
        return true;
    std::optional<EditHistory::Step> step;
    if (History)
        step.emplace(History->Begin(tr("Rename item")));
    SetCell(Index.row() + 1, cellDescription, text);
    return true;
}
