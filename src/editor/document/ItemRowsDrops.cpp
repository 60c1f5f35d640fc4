#include "document/ItemRows.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QSet>
#include <algorithm>

namespace {
const QString RowsFormat = QStringLiteral("application/x-quintor-item-rows");
const QStringList LinkFormats{QStringLiteral("text/uri-list"), QStringLiteral("text/x-moz-url")};
} // namespace

QStringList ItemRows::mimeTypes() const {
    return QStringList{RowsFormat} + LinkFormats;
}

// The list that rows come from travels with them: rows dragged to another window are
// not rows of its list.
QMimeData* ItemRows::mimeData(const QModelIndexList& Indexes) const {
    QSet<int> unique;
    for (const QModelIndex& index : Indexes)
        if (index.isValid())
            unique.insert(index.row() + 1);
    QList<int> rows(unique.cbegin(), unique.cend());
    std::sort(rows.begin(), rows.end());
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << static_cast<quint64>(reinterpret_cast<quintptr>(this)) << rows;
    auto* data = new QMimeData;
    data->setData(RowsFormat, bytes);
    return data;
}

QList<int> ItemRows::DraggedRows(const QMimeData& Data) const {
    if (!Data.hasFormat(RowsFormat))
        return {};
    QDataStream in(Data.data(RowsFormat));
    quint64 source = 0;
    QList<int> rows;
    in >> source >> rows;
    if (in.status() != QDataStream::Ok || source != reinterpret_cast<quintptr>(this))
        return {};
    return rows;
}

Qt::DropActions ItemRows::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

bool ItemRows::canDropMimeData(const QMimeData* Data, Qt::DropAction, int, int,
                               const QModelIndex& Parent) const {
    if (!Data || Parent.isValid())
        return false;
    const QStringList formats = mimeTypes();
    return std::any_of(formats.cbegin(), formats.cend(),
                       [Data](const QString& Format) { return Data->hasFormat(Format); });
}

bool ItemRows::dropMimeData(const QMimeData* Data, Qt::DropAction Action, int Row, int Column,
                            const QModelIndex& Parent) {
    if (!canDropMimeData(Data, Action, Row, Column, Parent))
        return false;
    const int pos = Row >= 0 && Row <= Count() ? Row + 1 : Count() + 1;
    emit DropRequested(pos, *Data);
    // Nothing for the view to finish: the commands already did, or will, change the rows.
    return false;
}
