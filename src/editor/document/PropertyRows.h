#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QVector>

// The property list: one row per page property, columns "Name" and "Setting",
// always shown sorted by Name, so its first row is "(HTML File)".
class PropertyRows : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Row {
        QString Name;
        QString Setting;
    };

    using QAbstractTableModel::QAbstractTableModel;

    int Count() const { return static_cast<int>(Rows.size()); }
    const Row& At(int ListPos) const { return Rows[ListPos - 1]; } // 1-based list order
    // List position of the row with that Name (exact), 0 when none.
    int Find(const QString& Name) const;
    void SetSetting(int ListPos, const QString& Setting);
    // Replaces all rows; they are shown sorted by Name.
    void Reset(QVector<Row> NewRows);

    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role) const override;

private:
    QVector<Row> Rows;
    QHash<QString, int> Positions; // Name -> list position
};
