#include "PropertyRows.h"

#include "document/ShownText.h"

#include <algorithm>

int PropertyRows::Find(const QString& Name) const {
    return Positions.value(Name, 0);
}

void PropertyRows::SetSetting(int ListPos, const QString& Setting) {
    Rows[ListPos - 1].Setting = Setting;
    const QModelIndex at = index(ListPos - 1, 1);
    emit dataChanged(at, at);
}

void PropertyRows::Reset(QVector<Row> NewRows) {
    std::stable_sort(NewRows.begin(), NewRows.end(), [](const Row& a, const Row& b) {
        return QString::compare(a.Name, b.Name, Qt::CaseInsensitive) < 0;
    });
    beginResetModel();
    Rows = std::move(NewRows);
    Positions.clear();
    for (int i = Count() - 1; i >= 0; --i) // the first row of a name wins
        Positions.insert(Rows[i].Name, i + 1);
    endResetModel();
}

int PropertyRows::rowCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : Count();
}

int PropertyRows::columnCount(const QModelIndex& Parent) const {
    return Parent.isValid() ? 0 : 2;
}

QVariant PropertyRows::data(const QModelIndex& Index, int Role) const {
    // A reader on a property's name hears its setting after it, as the eye sees the row.
    if (Index.isValid() && Index.column() == 0 && Role == Qt::AccessibleDescriptionRole)
        return ShownText(Rows[Index.row()].Setting);
    if (!Index.isValid() || (Role != Qt::DisplayRole && Role != Qt::EditRole))
        return {};
    const Row& r = Rows[Index.row()];
    if (Index.column() == 0)
        return r.Name;
    return Role == Qt::DisplayRole ? ShownText(r.Setting) : r.Setting;
}

QVariant PropertyRows::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Orientation != Qt::Horizontal || Role != Qt::DisplayRole)
        return {};
    return Section == 0 ? tr("Name") : tr("Setting");
}
