#include "PageThemes.h"

#include "components/platform/FileSystem.h"
#include "components/platform/SystemPaths.h"
#include "properties/PropertyRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

QList<PageThemes::Theme> PageThemes::In(const QString& Folder) {
    static const QRegularExpression title(QStringLiteral("^/\\* Quintor theme: (.+) \\*/"));
    QList<Theme> themes;
    const QDir folder(Folder);
    for (const QString& name : folder.entryList({QStringLiteral("*.css")}, QDir::Files)) {
        const QString path = folder.absoluteFilePath(name);
        const std::optional<QByteArray> text = FileSystem::ReadRegularFile(path, 1 << 20);
        const QRegularExpressionMatch match =
            text ? title.match(QString::fromUtf8(*text)) : QRegularExpressionMatch();
        if (match.hasMatch())
            themes.append({match.captured(1), PropertyRules::BrowsedSetting(path, true)});
    }
    std::sort(themes.begin(), themes.end(),
              [](const Theme& A, const Theme& B) { return A.Name < B.Name; });
    return themes;
}

QString PageThemes::ShownName(const QString& Name) {
    // The names in the first line of the themes we ship (themes/*.css).
    static const char* const Ours[] = {QT_TRANSLATE_NOOP("PageThemes", "Dark"),
                                       QT_TRANSLATE_NOOP("PageThemes", "Light"),
                                       QT_TRANSLATE_NOOP("PageThemes", "System")};
    for (const char* own : Ours)
        if (Name == QLatin1String(own))
            return QCoreApplication::translate("PageThemes", own);
    return Name;
}

QList<PageThemes::Theme> PageThemes::Installed() {
    return In(
        QDir::cleanPath(SystemPaths::ProgramFolder() + QStringLiteral("../share/quintor/themes")));
}
