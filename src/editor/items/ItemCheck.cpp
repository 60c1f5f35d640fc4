#include "ItemCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ItemCheck {

namespace {
// "https://...", "mailto:..." and the like; "C:" is a drive, not a scheme.
bool HasScheme(const QString& Text) {
    const qsizetype colon = Text.indexOf(QLatin1Char(':'));
    if (colon < 2)
        return false;
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = Text[i];
        const bool allowed = c.isLetterOrNumber() || c == QLatin1Char('+') ||
                             c == QLatin1Char('-') || c == QLatin1Char('.');
        if (!allowed || c.unicode() > 127 || (i == 0 && !c.isLetter()))
            return false;
    }
    return true;
}

bool IsBareName(const QString& Text) {
    return !Text.contains(QLatin1Char('/'));
}
} // namespace

Lookup::Kind Lookup::KindOf(const QString& Path) {
    const auto known = Paths.constFind(Path);
    if (known != Paths.constEnd())
        return *known;
    const QFileInfo info(Path);
    const Kind kind = info.isDir() ? Folder : (info.exists() ? File : Nothing);
    Paths.insert(Path, kind);
    return kind;
}

bool Lookup::CommandFound(const QString& Command) {
    if (Command.isEmpty())
        return false;
    if (HasScheme(Command)) {
        const QUrl url(Command);
        return !url.isLocalFile() || KindOf(url.toLocalFile()) != Nothing;
    }
    if (IsBareName(Command))
        return Programs.Finds(Command);
    return !QDir::isAbsolutePath(Command) || KindOf(Command) != Nothing;
}

bool Lookup::IconFound(const QString& Icon) {
    if (Icon.isEmpty() || HasScheme(Icon))
        return true;
    // The page takes a program's own icon when the cell names a program.
    if (IsBareName(Icon))
        return Programs.Finds(Icon);
    return !QDir::isAbsolutePath(Icon) || KindOf(Icon) != Nothing;
}

Problems Lookup::Check(const LauncherItem& Row) {
    if (Row.IsSection())
        return NoProblem;
    Problems found = NoProblem;
    if (!CommandFound(Row[cellCommand]))
        found |= CommandMissing;
    const QString& startIn = Row[cellStartIn];
    if (!startIn.isEmpty() && QDir::isAbsolutePath(startIn) && KindOf(startIn) != Folder)
        found |= StartInMissing;
    if (!IconFound(Row[cellIcon]))
        found |= IconMissing;
    return found;
}

QVector<Problems> CheckAll(const QVector<LauncherItem>& Rows) {
    Lookup lookup;
    QVector<Problems> found;
    found.reserve(Rows.size());
    for (const LauncherItem& row : Rows)
        found.append(lookup.Check(row));
    return found;
}

QStringList Describe(Problems Found, const LauncherItem& Row) {
    QStringList lines;
    if (Found & CommandMissing)
        lines << QStringLiteral("The command was not found: ") + Row[cellCommand];
    if (Found & StartInMissing)
        lines << QStringLiteral("The start-in folder does not exist: ") + Row[cellStartIn];
    if (Found & IconMissing)
        lines << QStringLiteral("The icon file does not exist: ") + Row[cellIcon];
    return lines;
}

} // namespace ItemCheck
