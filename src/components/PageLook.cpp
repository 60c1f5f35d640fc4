#include "PageLook.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

// The resources live in a static library: registered by hand, outside any namespace.
static void InitPageLookResources() {
    Q_INIT_RESOURCE(pagelook);
}

namespace {
// Sheets are small; anything bigger is not one of ours.
constexpr qint64 MostSheetBytes = 1 << 20;

QString ReadText(const QString& Path) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(MostSheetBytes));
}

QString Inline(const QString& Folder, const QString& Name, QSet<QString>& Done) {
    if (Done.contains(Name))
        return {};
    Done.insert(Name);
    static const QRegularExpression import(
        QStringLiteral(R"re(@import\s+url\(\s*["']?([^"')]+)["']?\s*\)\s*([^;]*);)re"));
    QString text = ReadText(Folder + QLatin1Char('/') + Name);
    QString out;
    qsizetype from = 0;
    for (auto it = import.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(text).mid(from, match.capturedStart() - from);
        const QString sheet = Inline(Folder, match.captured(1), Done);
        const QString media = match.captured(2).trimmed();
        out += media.isEmpty() ? sheet
                               : QStringLiteral("@media ") + media + QStringLiteral(" {\n") +
                                     sheet + QStringLiteral("}\n");
        from = match.capturedEnd();
    }
    return out + text.mid(from);
}
} // namespace

QString PageLook::Flattened(const QString& Folder, const QString& Name) {
    QSet<QString> done;
    return Inline(Folder, Name, done);
}

QString PageLook::Script() {
    InitPageLookResources();
    const QByteArray theme = QJsonDocument(QJsonArray{Flattened(QStringLiteral(":/pagelook"),
                                                                QStringLiteral("system.css"))})
                                 .toJson(QJsonDocument::Compact);
    return ReadText(QStringLiteral(":/pagelook/pagelook.js"))
        .replace(QLatin1String("@THEME@"), QString::fromUtf8(theme));
}
