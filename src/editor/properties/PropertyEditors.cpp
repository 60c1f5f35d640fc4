#include "PropertyEditors.h"

#include "components/platform/FileKinds.h"

#include <QCoreApplication>
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

// One entry of a filter: its label, then its patterns in parentheses and for the dialog.
QString Entry(const QString& Label, const char* Patterns) {
    const QString patterns = QLatin1String(Patterns);
    return Label + QStringLiteral(" (") + patterns + QStringLiteral(")|") + patterns;
}

Editor File(const QString& Title, const QString& Filter, bool HtmlFile, bool FileUrl) {
    Editor e;
    e.EditorKind = Kind::File;
    e.FileTitle = Title;
    e.FileFilter = Filter;
    e.HtmlFile = HtmlFile;
    e.FileUrl = FileUrl;
    return e;
}

Editor Number(const QString& Prompt, int Lower, int Upper, bool Fraction = false) {
    Editor e;
    e.EditorKind = Kind::Number;
    e.Prompt = Prompt;
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
    t.insert(
        QStringLiteral("(HTML File)"),
        File(QCoreApplication::translate("PropertyEditors", "HTML File Location"),
             Entry(QCoreApplication::translate("PropertyEditors", "HTML Document"), "*.htm;*.html"),
             true, false));
    t.insert(
        QStringLiteral("Background picture"),
        File(QCoreApplication::translate("PropertyEditors", "Choose a Background Picture"),
             QStringList{
                 Entry(QCoreApplication::translate("PropertyEditors", "All Picture Formats"),
                       "*.gif;*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp"),
                 Entry(QCoreApplication::translate("PropertyEditors", "Gif Format"), "*.gif"),
                 Entry(QCoreApplication::translate("PropertyEditors", "JPEG Format"),
                       "*.jpg;*.jpeg;*.jpe;*.jfif"),
                 Entry(QCoreApplication::translate("PropertyEditors", "Portable Network Graphics"),
                       "*.png"),
                 Entry(QCoreApplication::translate("PropertyEditors", "Bitmap Image"), "*.bmp")}
                 .join(QLatin1Char('|')),
             false, true));
    t.insert(QStringLiteral("Style sheet"),
             File(QCoreApplication::translate("PropertyEditors", "Choose a Style Sheet"),
                  Entry(QCoreApplication::translate("PropertyEditors", "Cascading Style Sheet"),
                        "*.css"),
                  false, true));
    // The runner's window icon and the desktop shortcut's: the system's icon files.
    t.insert(QStringLiteral("Icon"),
             File(QCoreApplication::translate("PropertyEditors", "Choose an Icon"),
                  FileKinds::IconFilesFilter().chopped(1), false, false));
    t.insert(QStringLiteral("Font"), Plain(Kind::Font));
    t.insert(QStringLiteral("Font size"),
             Number(QCoreApplication::translate("PropertyEditors", "Type the Font size:"), 1, 512,
                    true));
    t.insert(QStringLiteral("Columns"),
             Number(QCoreApplication::translate("PropertyEditors", "How many columns do you want?"),
                    1, 100));
    t.insert(QStringLiteral("Height"),
             Number(QCoreApplication::translate("PropertyEditors", "Window height (pixels):"), 0,
                    10000));
    t.insert(QStringLiteral("Width"),
             Number(QCoreApplication::translate("PropertyEditors", "Window width (pixels):"), 104,
                    10000));
    t.insert(QStringLiteral("Icon size"),
             Number(QCoreApplication::translate("PropertyEditors", "Icon size (16 minimum):"), 16,
                    1024));
    t.insert(QStringLiteral("Title"), Plain(Kind::Title));
    t.insert(QStringLiteral("Header HTML"), Plain(Kind::HtmlText));
    t.insert(QStringLiteral("Footer HTML"), Plain(Kind::HtmlText));
    return t;
}

} // namespace

Editor For(const QString& Name) {
    // Made at each call, so that its texts are in the language of the moment.
    return BuildTable().value(Name, Editor{});
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
