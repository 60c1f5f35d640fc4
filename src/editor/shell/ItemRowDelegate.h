#pragma once

#include <QStyledItemDelegate>

class ItemRows;

// How a row of the item list looks. A section row shows its section's name, in bold
// with the section icon, across the whole row (the list spans its first column); the
// row's stored text, with its encoded name and layout details, is for the page and the
// file, not for reading. Item rows show their cells as stored.
class ItemRowDelegate : public QStyledItemDelegate {
public:
    ItemRowDelegate(const ItemRows& Items, QObject* Parent);

    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override;

private:
    const ItemRows& Items;
    QIcon SectionIcon;
};
