#pragma once

// Makes a test process speak a language as a user's locale would choose it: "de_DE",
// "fr_FR", or "C" for the English texts the code holds. Catalogues installed before are
// taken away first, so that one test can compare languages.
#include "components/UiLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

inline QStringList SpeakLanguage(const QString& Locale, const QStringList& Catalogues) {
    const auto installed = QCoreApplication::instance()->findChildren<QTranslator*>(
        QString(), Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale(Locale));
    return UiLanguage::Install(Catalogues);
}
