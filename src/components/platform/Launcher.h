#pragma once

#include <QString>
#include <QStringList>

// Starting what a launcher item names: a program with its parameters, or a document,
// folder or address with the desktop's default application. Results follow the
// classic shell convention so that callers can tell "nothing there" (2) apart from
// other failures; anything above 32 is success.
namespace Launcher {
constexpr int FileNotFound = 2;
constexpr int PathNotFound = 3;   // the start-in folder does not exist
constexpr int AccessDenied = 5;   // found, but the system refused to start it
constexpr int NoAssociation = 31; // nothing on the desktop opens it
constexpr int Started = 42;

// Window-show numbers a launch may ask for.
namespace Show {
constexpr int Normal = 1;
constexpr int MinimisedFocus = 2;
constexpr int MaximisedFocus = 3;
constexpr int NormalNoFocus = 4;
constexpr int MinimisedNoFocus = 6;
constexpr int ForceMinimised = 11;
} // namespace Show

// Name of the environment variable through which a started program learns the show
// number it was asked for; on desktops where the style cannot be applied from outside
// it is the program's only way to know.
inline constexpr char ShowCommandVariable[] = "QUINTOR_SHOW_COMMAND";

// What became of a launch: one of the results above, and for a failure other than
// "nothing there" a reason in words.
struct Outcome {
    int Code = Started;
    QString Reason;
    bool Succeeded() const { return Code > 32; }
};

// Opens File: an executable (a path, or a bare name found on the search path) is
// started detached with Parameters split into arguments, in Folder when that is not
// empty; anything else that exists, or an address with a scheme, goes to the
// default application (Parameters then do not apply). Never runs a shell. The show
// style is applied to the started program's first window where the desktop allows.
Outcome Open(const QString& File, const QString& Parameters, const QString& Folder,
             int ShowCommand);

// Opens Target, a local path or an address, as a document: with the default
// application, never executing it even when it is a program.
Outcome OpenDocument(const QString& Target, int ShowCommand);

// Starts Program detached with exactly these arguments; throws AppError when the
// program file is missing (53) or cannot be started (70).
void StartProgram(const QString& Program, const QStringList& Arguments, int ShowCommand);

// Splits a parameter text the way a shell would group it, without any expansion:
// blanks separate, double quotes group (an empty pair is an empty argument), a
// backslash is an ordinary character.
QStringList SplitArguments(const QString& Parameters);
} // namespace Launcher
