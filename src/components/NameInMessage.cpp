#include "NameInMessage.h"

namespace {
bool IsDirectionMark(char16_t Code) {
    return (Code >= 0x202A && Code <= 0x202E) || (Code >= 0x2066 && Code <= 0x2069);
}

bool NeedsEscape(QChar C) {
    const QChar::Category kind = C.category();
    return kind == QChar::Other_Control || kind == QChar::Separator_Line ||
           kind == QChar::Separator_Paragraph || IsDirectionMark(C.unicode());
}
} // namespace

QString NameInMessage(const QString& Name) {
    QString shown;
    shown.reserve(Name.size());
    for (const QChar c : Name) {
        if (!NeedsEscape(c)) {
            shown += c;
            continue;
        }
        const char16_t code = c.unicode();
        if (code == u'\n')
            shown += QLatin1String("\\n");
        else if (code == u'\r')
            shown += QLatin1String("\\r");
        else if (code == u'\t')
            shown += QLatin1String("\\t");
        else
            shown += (code < 0x100 ? QLatin1String("\\x") : QLatin1String("\\u")) +
                     QString::number(code, 16).toUpper().rightJustified(code < 0x100 ? 2 : 4,
                                                                        QLatin1Char('0'));
    }
    return shown;
}
