#pragma once

#include "components/platform/PathIndex.h"
#include "components/platform/ProgramFinder.h"
#include "document/LauncherItem.h"

#include <QHash>
#include <QString>
#include <QVector>

// Which cells of an item name nothing on this computer: a command that is no file,
// folder, program on the search path or address; a start-in folder or an icon file
// that is not there. Relative paths are left alone: they count from the page's or the
// runner's folder, which the item does not know.
namespace ItemCheck {

enum Problem : unsigned {
    NoProblem = 0,
    CommandMissing = 1,
    StartInMissing = 2,
    IconMissing = 4,
};
using Problems = unsigned;

// Asks the file system once per path, or once per folder that many of the rows' paths
// lie in, and the search path once per name, so a check stays linear in the rows.
class Lookup {
public:
    // Rows: the rows that will be checked, so that their folders are read in one go.
    explicit Lookup(const QVector<LauncherItem>& Rows = {});
    Problems Check(const LauncherItem& Row);

private:
    bool CommandFound(const QString& Command);
    bool IconFound(const QString& Icon);

    ProgramFinder Programs;
    PathIndex Paths;
};

// Each row's problems, in row order; section rows have none.
QVector<Problems> CheckAll(const QVector<LauncherItem>& Rows);

// The problems of Row for the user, one line each.
QStringList Describe(Problems Found, const LauncherItem& Row);

// One line for an item that has problems: "<row number>. <description> - <problems>".
QString BrokenLine(int Pos, const LauncherItem& Row, Problems Found);

} // namespace ItemCheck
