#pragma once

#include <QColor>
#include <QString>

// Which editor a page property opens when its row is clicked, and with what.
namespace PropertyEditors {

enum class Kind { Toggle, Colour, File, Font, Number, Title, HtmlText };

// The swatch colour a colour picker shows while its property is empty; never stored.
enum class Swatch { WindowBackground, WindowText, ButtonFace, Blue, Purple, Red };

struct Editor {
    Kind EditorKind = Kind::Toggle;
    // Number prompts.
    QString Prompt;
    int Lower = 0;
    int Upper = 0;
    bool Fraction = false; // a font size may have a fractional part
    // File choosers: dialog title and filter (without the "All Files" entry).
    QString FileTitle;
    QString FileFilter;
    bool HtmlFile = false; // the page to build: a save dialog, label "&HTML File Location:"
    bool FileUrl = false;  // a browsed path is stored as "file://" & path
    Swatch SwatchDefault = Swatch::WindowBackground;
};

// Looked up by the row's Name exactly; a name that no editor claims is toggled.
Editor For(const QString& Name);

// The system colours follow the desktop's palette at the time of the call.
QColor SwatchColour(Swatch Which);

} // namespace PropertyEditors
