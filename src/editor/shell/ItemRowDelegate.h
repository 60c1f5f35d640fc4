#pragma once

#include <QStyledItemDelegate>
#include <functional>

class ItemRows;

// How a row of the item list looks. A section row shows its section's name, in bold
// with the section icon, across the whole row (the list spans its first column); the
// row's stored text, with its encoded name and layout details, is for the page and the
// file, not for reading. Item rows show their cells as stored.
class ItemRowDelegate : public QStyledItemDelegate {
public:
    // OnEdited runs when an in-place edit really changed a Description (the model
    // refuses some texts, and an unchanged text is no change).
    ItemRowDelegate(const ItemRows& Items, std::function<void()> OnEdited, QObject* Parent);

    void initStyleOption(QStyleOptionViewItem* Option, const QModelIndex& Index) const override;
    void setModelData(QWidget* Editor, QAbstractItemModel* Model,
                      const QModelIndex& Index) const override;

private:
    const ItemRows& Items;
    std::function<void()> OnEdited;
    QIcon SectionIcon;
};
