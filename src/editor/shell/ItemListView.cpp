#include "ItemListView.h"

#include "ItemRows.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace {

// Shows section rows in bold, so the sections stand out from their items, and tells
// the view when an in-place edit really changed a text (the model refuses some
// texts, and an unchanged text is no change).
class DescriptionDelegate : public QStyledItemDelegate {
public:
    DescriptionDelegate(const ItemRows& Items, std::function<void()> OnEdited, QObject* Parent)
        : QStyledItemDelegate(Parent), Items(Items), OnEdited(std::move(OnEdited)) {}

    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override {
        QStyledItemDelegate::initStyleOption(Option, Index);
        if (Index.isValid() && Items.IsSection(Index.row() + 1))
            Option->font.setBold(true);
    }

    void setModelData(QWidget* Editor, QAbstractItemModel* Model,
                      const QModelIndex& Index) const override {
        const QVariant before = Model->data(Index, Qt::EditRole);
        QStyledItemDelegate::setModelData(Editor, Model, Index);
        if (Model->data(Index, Qt::EditRole) != before)
            OnEdited();
    }

private:
    const ItemRows& Items;
    std::function<void()> OnEdited;
};

// Design width of a column before the first layout: 2540 twips.
constexpr int StartColumnWidth = 169;

} // namespace

ItemListView::ItemListView(ItemRows& Items, QWidget* Parent) : QTreeView(Parent), Items(Items) {
    setObjectName(QStringLiteral("lvItems"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new DescriptionDelegate(
        Items, [this] { emit DescriptionEdited(); }, this));
    setModel(&Items);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    for (int c = 0; c < LauncherItem::CellCount; ++c)
        setColumnWidth(c, StartColumnWidth);
}

bool ItemListView::edit(const QModelIndex& Index, EditTrigger Trigger, QEvent* Event) {
    const bool wantsEditor = Trigger == AllEditTriggers || (editTriggers() & Trigger);
    if (wantsEditor && Index.isValid() && Index.column() == cellDescription &&
        Items.IsSection(Index.row() + 1)) {
        emit SectionEditRequested();
        return false;
    }
    return QTreeView::edit(Index, Trigger, Event);
}

void ItemListView::resizeEvent(QResizeEvent* Event) {
    QTreeView::resizeEvent(Event);
    // Seven columns of 1/7.1 of the width each fill the list without a horizontal
    // scroll bar; the viewport is measured so a vertical scroll bar does not add one.
    const int width = static_cast<int>(viewport()->width() / 7.1);
    if (width > 0)
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            setColumnWidth(c, width);
}
