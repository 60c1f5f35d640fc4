#include "ItemCheck.h"

#include "components/NameInMessage.h"

#include <QCoreApplication>
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

bool IsFileAddress(const QString& Text) {
    return Text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

// The local path a command or icon names, when it names one by an absolute path.
QString AbsolutePathOf(const QString& Cell) {
    if (IsFileAddress(Cell))
        return QUrl(Cell).toLocalFile();
    return !HasScheme(Cell) && QDir::isAbsolutePath(Cell) ? Cell : QString();
}
} // namespace

Lookup::Lookup(const QVector<LauncherItem>& Rows) {
    QStringList paths;
    paths.reserve(Rows.size() * 3);
    for (const LauncherItem& row : Rows)
        if (!row.IsSection())
            for (const int cell : {cellCommand, cellStartIn, cellIcon})
                paths.append(AbsolutePathOf(row[cell]));
    Paths.Prepare(paths);
}

bool Lookup::CommandFound(const QString& Command) {
    if (Command.isEmpty())
        return false;
    const QString path = AbsolutePathOf(Command);
    if (!path.isEmpty())
        return Paths.KindOf(path) != PathIndex::Kind::Nothing;
    if (HasScheme(Command))
        return !IsFileAddress(Command); // a file address without a path names nothing
    if (IsBareName(Command))
        return Programs.Finds(Command);
    return true; // relative to a folder the item does not know
}

bool Lookup::IconFound(const QString& Icon) {
    if (Icon.isEmpty() || HasScheme(Icon))
        return true;
    // The page takes a program's own icon when the cell names a program.
    if (IsBareName(Icon))
        return Programs.Finds(Icon);
    return !QDir::isAbsolutePath(Icon) || Paths.KindOf(Icon) != PathIndex::Kind::Nothing;
}

Problems Lookup::Check(const LauncherItem& Row) {
    if (Row.IsSection())
        return NoProblem;
    Problems found = NoProblem;
    if (!CommandFound(Row[cellCommand]))
        found |= CommandMissing;
    const QString& startIn = Row[cellStartIn];
    if (!startIn.isEmpty() && QDir::isAbsolutePath(startIn) &&
        Paths.KindOf(startIn) != PathIndex::Kind::Folder)
        found |= StartInMissing;
    if (!IconFound(Row[cellIcon]))
        found |= IconMissing;
    return found;
}

QVector<Problems> CheckAll(const QVector<LauncherItem>& Rows) {
    Lookup lookup(Rows);
    QVector<Problems> found;
    found.reserve(Rows.size());
    for (const LauncherItem& row : Rows)
        found.append(lookup.Check(row));
    return found;
}

QStringList Describe(Problems Found, const LauncherItem& Row) {
    QStringList lines;
    if (Found & CommandMissing)
        lines << QCoreApplication::translate("ItemCheck", "The command was not found: %1")
                     .arg(NameInMessage(Row[cellCommand]));
    if (Found & StartInMissing)
        lines << QCoreApplication::translate("ItemCheck", "The start-in folder does not exist: %1")
                     .arg(NameInMessage(Row[cellStartIn]));
    if (Found & IconMissing)
        lines << QCoreApplication::translate("ItemCheck", "The icon file does not exist: %1")
                     .arg(NameInMessage(Row[cellIcon]));
    return lines;
}

QString BrokenLine(int Pos, const LauncherItem& Row, Problems Found) {
    return QCoreApplication::translate("ItemCheck", "%1. %2 - %3",
                                       "row number, description, what is wrong with it")
        .arg(QString::number(Pos), NameInMessage(Row[cellDescription]),
             Describe(Found, Row)
                 .join(QCoreApplication::translate("ItemCheck", "; ",
                                                   "between two problems of one item")));
}

} // namespace ItemCheck
