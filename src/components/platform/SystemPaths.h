#pragma once

#include <QString>

// Where things are on this system.
namespace SystemPaths {
// The folder of the running program, ending in the native separator (APath).
QString ProgramFolder();
// The same before the application object exists (which ProgramFolder needs).
QString ExecutableFolder();
// A program's file name as it lies in ProgramFolder(): "quintor2" here, "quintor2.exe"
// on Windows.
QString ProgramFile(const QString& BaseName);
// The temporary folder: $TEMP when set, else the system's; no trailing separator.
QString TempFolder();
// The programs' own folder for data of this user ($XDG_DATA_HOME/quintor here); no
// trailing separator. It may not exist yet.
QString UserDataFolder();
// Where programs keep state that outlives a run but is no document of the user's:
// $XDG_STATE_HOME when it is an absolute path, else ~/.local/state.
QString StateFolder();
// Where a file of the programs' shared data (Relative to a share folder, such as
// "doc/quintor/manual/index.html") lies: the share folder beside ProgramFolder (an install
// prefix, or build/ in a build tree) first, then each folder of $XDG_DATA_DIRS. Found is
// false when none of them holds a regular file by that name; Path is then where it belongs
// beside the programs.
struct DataFile {
    QString Path;
    bool Found = false;
};
DataFile FindData(const QString& Relative, const QString& ProgramFolder);
// Appends a file name to a folder with exactly one separator between them.
QString Join(const QString& Folder, const QString& Name);
} // namespace SystemPaths
