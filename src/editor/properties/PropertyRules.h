#pragma once

#include <QColor>
#include <QString>
#include <optional>

// The rules by which the property editor turns what the user typed or chose into a
// property Setting. No windows here: the commands and dialogs call these.
namespace PropertyRules {

// The refusal text for a number prompt's answer, or nothing when the answer is taken
// (and then stored exactly as typed). Bounds are inclusive. Only whole numbers are
// taken unless Fraction allows a decimal part (with the locale's separator): a page
// cannot use "2.5" columns, and a stored text must read back as the number it shows.
// A decimal number where a whole one is wanted is refused as not whole, not as no number.
std::optional<QString> NumberRefusal(const QString& Answer, int Lower, int Upper, bool Fraction);

// "True" <-> "False"; any other text stays as it is.
QString Toggled(const QString& Setting);

// What the colour picker stores for the text in its box: a "#" put in front of a
// non-empty text that lacks it; nothing else is checked or changed.
QString ColourSetting(const QString& Typed);

// Colour text ("#RRGGBB") <-> colour; an invalid colour for a text that does not convert.
QColor ColourOf(const QString& ColourText);
QString ColourText(const QColor& Colour); // black for an invalid colour

// The Setting a header or footer text shows: line breaks become two blanks, then the
// first 50 characters and "..." once there are 50 or more.
QString HtmlTextPreview(const QString& Text);
// The held header or footer text of an editor's plain text: its lines joined by CR LF,
// the page's own line break.
QString HtmlTextFromEditor(const QString& PlainText);
// And back: the editor shows lines separated by "\n".
QString HtmlTextToEditor(const QString& Held);

// What a browsed file becomes in the Setting: the plain path, or "file://" & path.
QString BrowsedSetting(const QString& Path, bool FileUrl);

} // namespace PropertyRules
