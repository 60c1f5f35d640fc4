#pragma once

#include <QString>

// The fixed table of the 36 page properties, by position 1 to 36: the key the
// launcher file stores, the display name the property list shows, the default.
namespace PropertyTable {
constexpr int Count = 36;
constexpr int TitlePos = 25; // its default is built from NextNew

struct Definition {
    const char* Key;
    const char* Name;
    const char* Default;
};

// Position 1..36; nullptr outside.
const Definition* At(int Pos);
// Position of a display name, 0 when no property has it.
int PositionOfName(const QString& Name);
} // namespace PropertyTable
