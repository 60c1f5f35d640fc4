#include "ItemRowDelegate.h"

#include "ItemRows.h"
#include "Sections.h"

ItemRowDelegate::ItemRowDelegate(const ItemRows& Items, std::function<void()> OnEdited,
                                 QObject* Parent)
    : QStyledItemDelegate(Parent), Items(Items), OnEdited(std::move(OnEdited)),
      SectionIcon(QStringLiteral(":/editor/icons/section.png")) {}

void ItemRowDelegate::initStyleOption(QStyleOptionViewItem* Option,
                                      const QModelIndex& Index) const {
    QStyledItemDelegate::initStyleOption(Option, Index);
    if (!Index.isValid() || Index.column() != cellDescription || !Items.IsSection(Index.row() + 1))
        return;
    Option->text = SectDetails(Items.Cell(Index.row() + 1, cellDescription), 1);
    Option->font.setBold(true);
    Option->icon = SectionIcon;
    Option->features |= QStyleOptionViewItem::HasDecoration;
}

void ItemRowDelegate::setModelData(QWidget* Editor, QAbstractItemModel* Model,
                                   const QModelIndex& Index) const {
    const QVariant before = Model->data(Index, Qt::EditRole);
    QStyledItemDelegate::setModelData(Editor, Model, Index);
    if (Model->data(Index, Qt::EditRole) != before)
        OnEdited();
}
