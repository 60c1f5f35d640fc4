#include "ItemRowDelegate.h"

#include "document/ItemRows.h"
#include "items/Sections.h"

ItemRowDelegate::ItemRowDelegate(const ItemRows& Items, QObject* Parent)
    : QStyledItemDelegate(Parent), Items(Items),
      SectionIcon(QStringLiteral(":/editor/icons/section.svg")) {}

void ItemRowDelegate::initStyleOption(QStyleOptionViewItem* Option,
                                      const QModelIndex& Index) const {
    QStyledItemDelegate::initStyleOption(Option, Index);
    if (!Index.isValid() || Index.column() != cellDescription || !Items.IsSection(Index.row() + 1))
        return;
    // From the text the list shows (a bounded part of the stored one), so a huge name
    // costs no more to draw than any other cell.
    Option->text = SectDetails(Index.data(Qt::DisplayRole).toString(), 1);
    Option->font.setBold(true);
    Option->icon = SectionIcon;
    Option->features |= QStyleOptionViewItem::HasDecoration;
}
