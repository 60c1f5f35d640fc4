#include "AppSearch.h"

#include "components/platform/DesktopEntries.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace AppSearch {

QString Fold(const QString& Text) {
    const QString decomposed = Text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (!c.isMark())
            folded += c;
    return folded.toCaseFolded();
}

QString SearchText(const DesktopEntry& Entry) {
    const QStringList parts{Entry.Name, Entry.GenericName, Entry.Keywords.join(QLatin1Char(' ')),
                            Entry.Comment};
    return Fold(parts.join(QLatin1Char('\n')));
}

bool Matches(const QString& SearchText, const QString& Typed) {
    const QStringList words = Fold(Typed).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.cbegin(), words.cend(),
                       [&](const QString& Word) { return SearchText.contains(Word); });
}

void SortByName(QList<DesktopEntry>& Entries) {
    // The C locale (many sessions started without a language) compares code points,
    // which puts "Éditeur" after "XTerm"; the common order of all languages does not.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(Entries.begin(), Entries.end(),
                     [&](const DesktopEntry& A, const DesktopEntry& B) {
                         return collator.compare(A.Name, B.Name) < 0;
                     });
}

} // namespace AppSearch
