#include "ItemListView.h"

#include "document/ItemRows.h"
#include "shell/ItemRowDelegate.h"

#include <QHeaderView>
#include <QLineEdit>

namespace {

// Design width of a column before the first layout: 2540 twips.
constexpr int StartColumnWidth = 169;

} // namespace

ItemListView::ItemListView(ItemRows& Items, QWidget* Parent) : ReportView(Parent), Items(Items) {
    setObjectName(QStringLiteral("lvItems"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new ItemRowDelegate(Items, this));
    setModel(&Items);
    connect(&Items, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int First, int Last) { SpanSectionRows(First, Last); });
    connect(&Items, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& TopLeft, const QModelIndex& BottomRight) {
                if (TopLeft.column() == cellDescription)
                    SpanSectionRows(TopLeft.row(), BottomRight.row());
            });
    connect(&Items, &QAbstractItemModel::modelReset, this,
            [this, &Items] { SpanSectionRows(0, Items.Count() - 1); });
    SpanSectionRows(0, Items.Count() - 1);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    for (int c = 0; c < LauncherItem::CellCount; ++c)
        setColumnWidth(c, StartColumnWidth);
}

QLineEdit* ItemListView::InPlaceEditor() const {
    if (state() != EditingState)
        return nullptr;
    return qobject_cast<QLineEdit*>(indexWidget(currentIndex()));
}

bool ItemListView::edit(const QModelIndex& Index, EditTrigger Trigger, QEvent* Event) {
    const bool wantsEditor = Trigger == AllEditTriggers || (editTriggers() & Trigger);
    if (wantsEditor && Index.isValid() && Index.column() == cellDescription &&
        Items.IsSection(Index.row() + 1)) {
        emit SectionEditRequested();
        return false;
    }
    return ReportView::edit(Index, Trigger, Event);
}

// Rows keep their span when others are inserted or removed around them (the view
// follows them by persistent index); only a row whose text changed can change its kind.
void ItemListView::SpanSectionRows(int First, int Last) {
    for (int row = First; row <= Last; ++row) {
        const bool section = Items.IsSection(row + 1);
        if (isFirstColumnSpanned(row, {}) != section)
            setFirstColumnSpanned(row, {}, section);
    }
}

void ItemListView::resizeEvent(QResizeEvent* Event) {
    ReportView::resizeEvent(Event);
    // Seven columns of 1/7.1 of the width each fill the list without a horizontal
    // scroll bar; the viewport is measured so a vertical scroll bar does not add one.
    const int width = static_cast<int>(viewport()->width() / 7.1);
    if (width > 0)
        for (int c = 0; c < LauncherItem::CellCount; ++c)
            setColumnWidth(c, width);
}
