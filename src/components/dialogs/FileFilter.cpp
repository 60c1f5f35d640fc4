#include "FileFilter.h"

#include "components/UserDialogs.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

QString FilterEntry::QtFilter() const {
    QStringList shown = Patterns;
    if (Executables)
        shown = QStringList{QStringLiteral("*")};
    return Label + QStringLiteral(" (") + shown.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString FilterEntry::Extension() const {
    static const QRegularExpression plainExtension(QStringLiteral("^\\*\\.([A-Za-z0-9_]+)$"));
    if (Executables || Patterns.isEmpty())
        return {};
    const QRegularExpressionMatch match = plainExtension.match(Patterns.first());
    return match.hasMatch() ? match.captured(1) : QString();
}

bool FilterEntry::Takes(const QString& FileName, bool Executable) const {
    return (Executables && Executable) || QDir::match(Patterns, FileName);
}

QList<FilterEntry> ParseFilter(const QString& Filter) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)$"));
    const QStringList parts = Filter.split(QLatin1Char('|'));
    QList<FilterEntry> entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        FilterEntry entry;
        entry.Label = parts[i].trimmed();
        if (entry.Label.isEmpty())
            continue;
        // The label's own "(...)" would be read by Qt as the patterns; the real patterns
        // follow it, so they replace it.
        entry.Label.remove(trailingPatterns);
        for (QString pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            if (pattern == ExecutableFilesPattern)
                entry.Executables = true;
            else
                entry.Patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        entries << entry;
    }
    return entries;
}

QStringList FilterToQt(const QString& Filter) {
    QStringList filters;
    for (const FilterEntry& entry : ParseFilter(Filter))
        filters << entry.QtFilter();
    return filters;
}

QString WithExtension(const QString& Path, const QString& Extension) {
    const QString name = Path.mid(
        std::max(Path.lastIndexOf(QLatin1Char('/')), Path.lastIndexOf(QDir::separator())) + 1);
    if (Extension.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('.')))
        return Path;
    return Path + QLatin1Char('.') + Extension;
}
