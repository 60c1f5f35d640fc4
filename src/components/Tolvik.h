#pragma once

#include <QImage>
#include <QString>

// The utility control: file-system tests, the desktop's icons of paths, and the
// conversion between plain text and page text.
class Tolvik {
public:
    static bool FileExists(const QString& Path);   // False for the empty path and folders
    static bool FolderExists(const QString& Path); // False for the empty path and files

    // Plain text to page text: escapes "&", "<", ">" and the double quote. Escaping "&"
    // matters: a browser decodes "&comma;" to ",", so "&comma;" must reach the page as
    // "&amp;comma;" to come back from the browser as "&comma;". Flag is always False.
    static QString TextToHtml(const QString& Text, bool Flag = false);
    // Exactly undoes TextToHtml: HtmlToText(TextToHtml(t)) == t for every t.
    static QString HtmlToText(const QString& Text);

    // Icon operations (the desktop's icon for a path; null image when there is none).
    static int PathCheck(const QString& Path); // 1: usable as an icon source
    static QImage LargeIcon(const QString& Path);
    static QImage SmallIcon(const QString& Path);
    // The icon of Path at Size x Size pixels: a picture file shows itself, scaled into the
    // square; anything else shows the desktop's icon for it, as LargeIcon does.
    static QImage IconOfSize(const QString& Path, int Size);
};
