#pragma once

#include <QString>

// What a list shows of a stored text. Drawing a cell measures all of its text, and a
// text of a megabyte costs about a second on every repaint, so a list shows only the
// first MaxShownChars characters; the stored value stays whole.
constexpr qsizetype MaxShownChars = 4096;
QString ShownText(const QString& Text);
