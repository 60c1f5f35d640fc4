#include "Tolvik.h"

#include <QFileInfo>

#include <algorithm>

bool Tolvik::FileExists(const QString& Path) {
    if (Path.isEmpty())
        return false;
    QFileInfo info(Path);
    return info.exists() && !info.isDir();
}

bool Tolvik::FolderExists(const QString& Path) {
    return !Path.isEmpty() && QFileInfo(Path).isDir();
}

QString Tolvik::TextToHtml(const QString& Text, bool) {
    // Most texts need no escape: hand them back shared instead of copying them.
    const auto special = [](QChar c) {
        return c == QLatin1Char('&') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
               c == QLatin1Char('"');
    };
    if (std::none_of(Text.cbegin(), Text.cend(), special))
        return Text;
    QString out;
    out.reserve(Text.size() + Text.size() / 8);
    for (QChar c : Text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString Tolvik::HtmlToText(const QString& Text) {
    static const struct {
        QLatin1String Entity;
        QChar Plain;
    } entities[] = {{QLatin1String("&amp;"), QLatin1Char('&')},
                    {QLatin1String("&lt;"), QLatin1Char('<')},
                    {QLatin1String("&gt;"), QLatin1Char('>')},
                    {QLatin1String("&quot;"), QLatin1Char('"')}};
    QString out;
    out.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size();) {
        bool replaced = false;
        if (Text[i] == QLatin1Char('&')) {
            for (const auto& e : entities) {
                if (QStringView(Text).mid(i).startsWith(e.Entity)) {
                    out += e.Plain;
                    i += e.Entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += Text[i++];
    }
    return out;
}
