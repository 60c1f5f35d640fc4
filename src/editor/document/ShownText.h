#pragma once

#include <QString>

// What a list shows of a stored text. Drawing a cell measures all of its text, and a
// text of a megabyte costs about a second on every repaint, so a list shows only the
// first MaxShownChars characters: more than a cell as wide as the widest screen holds.
// The stored value stays whole.
constexpr qsizetype MaxShownChars = 2048;
QString ShownText(const QString& Text);
