#pragma once

#include <QString>
#include <array>

// The seven cells of an item row, by number.
enum ItemCell {
    cellDescription = 0,
    cellCommand = 1,
    cellParameters = 2,
    cellStartIn = 3,
    cellIcon = 4,
    cellRun = 5,
    cellComments = 6,
};

// One row of the item list: an icon item or a section row. Free text in every cell;
// the model neither validates nor trims.
struct LauncherItem {
    static constexpr int CellCount = 7;
    std::array<QString, CellCount> Cells;

    QString& operator[](int Cell) { return Cells[static_cast<size_t>(Cell)]; }
    const QString& operator[](int Cell) const { return Cells[static_cast<size_t>(Cell)]; }
    bool operator==(const LauncherItem& Other) const { return Cells == Other.Cells; }
    bool operator!=(const LauncherItem& Other) const { return !(*this == Other); }

    // A row whose Description begins with exactly "SECTION:" (case-sensitive, untrimmed).
    bool IsSection() const;
};
