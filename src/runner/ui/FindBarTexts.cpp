#include "FindBarTexts.h"

#include <QJsonDocument>
#include <QJsonObject>

QString FindBarTexts::Script() {
    const QJsonObject texts{{QStringLiteral("label"), tr("Find an item")},
                            {QStringLiteral("position"), tr("%1 of %2")},
                            {QStringLiteral("none"), tr("No match")}};
    return QString::fromUtf8(QJsonDocument(texts).toJson(QJsonDocument::Compact));
}

// One found item has its own text: the English words for more take no "1".
QString FindBarTexts::Found(int Count) {
    if (Count <= 0)
        return tr("No items found");
    if (Count == 1)
        return tr("1 item found");
    return tr("%Ln items found", nullptr, Count);
}
