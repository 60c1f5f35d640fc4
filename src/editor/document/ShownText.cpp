#include "ShownText.h"

QString ShownText(const QString& Text) {
    if (Text.size() <= MaxShownChars)
        return Text;
    // Never half a character: a pair of surrogates stays together or goes together.
    const qsizetype cut =
        Text.at(MaxShownChars - 1).isHighSurrogate() ? MaxShownChars - 1 : MaxShownChars;
    return Text.left(cut);
}
