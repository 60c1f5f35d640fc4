#include "UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString EmbeddedCatalogues = QStringLiteral(":/i18n");

bool InstallCatalogue(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList UiLanguage::Install(const QStringList& catalogues) {
    QStringList found;
    for (const QString& name : catalogues) {
        if (InstallCatalogue(name, EmbeddedCatalogues))
            found << name;
    }
    // The file dialogs, message box buttons and the browser's own menus.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : {QStringLiteral("qtbase"), QStringLiteral("qtwebengine")})
        InstallCatalogue(name, qtFolder);
    return found;
}
