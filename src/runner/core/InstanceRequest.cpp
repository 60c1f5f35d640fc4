#include "InstanceRequest.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString VerbKey = QStringLiteral("verb");
const QString PageKey = QStringLiteral("page");
const QString TokenKey = QStringLiteral("activation");

const char* const VerbNames[] = {"open", "new-window", "toggle"};

// Tokens are short printable words; anything else is not one.
bool IsToken(const QByteArray& Token) {
    if (Token.size() > InstanceRequest::MaxTokenBytes)
        return false;
    for (const char c : Token)
        if (c <= ' ' || c > '~')
            return false;
    return true;
}
} // namespace

QByteArray InstanceRequest::Encode() const {
    QJsonObject object;
    object.insert(VerbKey, QLatin1String(VerbNames[int(What)]));
    object.insert(PageKey, Page);
    object.insert(TokenKey, QString::fromLatin1(Activation));
    // Compact JSON has no line break of its own: a break inside a path is written "\n".
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<InstanceRequest> InstanceRequest::Decode(const QByteArray& Line) {
    if (Line.size() > MaxBytes || !QByteArrayView(Line).isValidUtf8())
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(Line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue page = object.value(PageKey), token = object.value(TokenKey);
    if (!object.value(VerbKey).isString() || !(page.isString() || page.isUndefined()) ||
        !(token.isString() || token.isUndefined()))
        return std::nullopt;
    InstanceRequest request;
    const QString verb = object.value(VerbKey).toString();
    int known = 0;
    while (known < 3 && verb != QLatin1String(VerbNames[known]))
        ++known;
    if (known == 3)
        return std::nullopt;
    request.What = Verb(known);
    request.Page = page.toString();
    request.Activation = token.toString().toLatin1();
    if ((!request.Page.isEmpty() && !QDir::isAbsolutePath(request.Page)) ||
        request.Page.contains(QChar(0)) || !IsToken(request.Activation) ||
        token.toString().size() != request.Activation.size())
        return std::nullopt;
    return request;
}
