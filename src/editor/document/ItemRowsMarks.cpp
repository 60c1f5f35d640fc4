#include "document/ItemRows.h"

void ItemRows::SetProblemSource(ProblemSource Source, const QIcon& Icon) {
    Problems = std::move(Source);
    ProblemIcon = Icon;
}

QVariant ItemRows::MarkData(const QModelIndex& Index, int Role) const {
    if (!Problems || Index.column() != cellDescription)
        return {};
    const QStringList found = Problems(Rows[Index.row()]);
    if (found.isEmpty())
        return {};
    return Role == Qt::DecorationRole ? QVariant(ProblemIcon) : QVariant(found.join('\n'));
}
