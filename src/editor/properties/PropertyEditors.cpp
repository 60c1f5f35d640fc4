#include "PropertyEditors.h"

#include "components/platform/FileKinds.h"

#include <QGuiApplication>
#include <QHash>
#include <QPalette>

namespace PropertyEditors {
namespace {

Editor Colour(Swatch Default) {
    Editor e;
    e.EditorKind = Kind::Colour;
    e.SwatchDefault = Default;
    return e;
}

Editor File(const char* Title, const QString& Filter, bool HtmlFile, bool FileUrl) {
    Editor e;
    e.EditorKind = Kind::File;
    e.FileTitle = QString::fromLatin1(Title);
    e.FileFilter = Filter;
    e.HtmlFile = HtmlFile;
    e.FileUrl = FileUrl;
    return e;
}

Editor Number(const char* Prompt, int Lower, int Upper, bool Fraction = false) {
    Editor e;
    e.EditorKind = Kind::Number;
    e.Prompt = QString::fromLatin1(Prompt);
    e.Lower = Lower;
    e.Upper = Upper;
    e.Fraction = Fraction;
    return e;
}

Editor Plain(Kind K) {
    Editor e;
    e.EditorKind = K;
    return e;
}

QHash<QString, Editor> BuildTable() {
    QHash<QString, Editor> t;
    t.insert(QStringLiteral("Background colour"), Colour(Swatch::WindowBackground));
    t.insert(QStringLiteral("Table colour"), Colour(Swatch::WindowBackground));
    t.insert(QStringLiteral("Text colour"), Colour(Swatch::WindowText));
    t.insert(QStringLiteral("Link colour"), Colour(Swatch::Blue));
    t.insert(QStringLiteral("Link visited colour"), Colour(Swatch::Purple));
    t.insert(QStringLiteral("Link active colour"), Colour(Swatch::Red));
    t.insert(QStringLiteral("Link hover colour"), Colour(Swatch::ButtonFace));
    t.insert(QStringLiteral("(HTML File)"),
             File("HTML File Location", "HTML Document (*.htm;*.html)|*.htm;*.html", true, false));
    t.insert(QStringLiteral("Background picture"),
             File("Choose a Background Picture",
                  "All Picture Formats (*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp)|*.gif;*.jpg;"
                  "*.jpeg;*.jpe;*.jfif;*.png;*.bmp|Gif Format (*.gif)|*.gif|JPEG Format (*.jpg;"
                  "*.jpeg;*.jpe;*.jfif)|*.jpg;*.jpeg;*.jpe;*.jfif|Portable Network Graphics "
                  "(*.png)|*.png|Bitmap Image (*.bmp)|*.bmp",
                  false, true));
    t.insert(QStringLiteral("Style sheet"),
             File("Choose a Style Sheet", "Cascading Style Sheet (*.css)|*.css", false, true));
    // The runner's window icon and the desktop shortcut's: the system's icon files.
    t.insert(QStringLiteral("Icon"),
             File("Choose an Icon", FileKinds::IconFilesFilter().chopped(1), false, false));
    t.insert(QStringLiteral("Font"), Plain(Kind::Font));
    t.insert(QStringLiteral("Font size"), Number("Type the Font size:", 1, 512, true));
    t.insert(QStringLiteral("Columns"), Number("How many columns do you want?", 1, 100));
    t.insert(QStringLiteral("Height"), Number("Window height (pixels):", 0, 10000));
    t.insert(QStringLiteral("Width"), Number("Window width (pixels):", 104, 10000));
    t.insert(QStringLiteral("Icon size"), Number("Icon size (16 minimum):", 16, 1024));
    t.insert(QStringLiteral("Title"), Plain(Kind::Title));
    t.insert(QStringLiteral("Header HTML"), Plain(Kind::HtmlText));
    t.insert(QStringLiteral("Footer HTML"), Plain(Kind::HtmlText));
    return t;
}

} // namespace

Editor For(const QString& Name) {
    static const QHash<QString, Editor> table = BuildTable();
    return table.value(Name, Editor{});
}

QColor SwatchColour(Swatch Which) {
    const QPalette palette = QGuiApplication::palette();
    switch (Which) {
    case Swatch::WindowBackground:
        return palette.color(QPalette::Base);
    case Swatch::WindowText:
        return palette.color(QPalette::WindowText);
    case Swatch::ButtonFace:
        return palette.color(QPalette::Button);
    case Swatch::Blue:
        return QColor(0, 0, 255);
    case Swatch::Purple:
        return QColor(128, 0, 128);
    case Swatch::Red:
        return QColor(255, 0, 0);
    }
    return {};
}

} // namespace PropertyEditors
