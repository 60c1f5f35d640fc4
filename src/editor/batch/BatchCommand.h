#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The editor's commands for scripts, timers and CI, which need no window and no
// display:
//   qtedit2 --build FILE [--output PAGE]   the page, as the window's Build writes it
//   qtedit2 --check FILE                   the items that cannot start
//   qtedit2 --convert IN [--output OUT]    .qtf <-> .yaml, by the names' extensions
// They are recognised only as the first argument: everything else on the editor's
// command line still names the file to open.
namespace BatchCommand {

namespace Exit {
constexpr int Done = 0;
constexpr int BrokenItems = 1; // --check found items that cannot start
constexpr int Usage = 2;       // the command line is wrong
constexpr int Unreadable = 3;  // the launcher file cannot be read or is damaged
constexpr int Unwritable = 4;  // the page, its icons or the converted file cannot be written
} // namespace Exit

enum class Mode { Build, Check, Convert };

struct Request {
    Mode What = Mode::Build;
    QString File;
    QString Output; // empty: the default of the mode
};

struct Parsed {
    Request Command;
    QString Error; // what is wrong with the command line; empty when nothing is
};

// Whether Arguments (without the program's name) ask for one of these commands.
bool Wanted(const QStringList& Arguments);
// Reads Arguments (without the program's name; the first one is the command).
Parsed Parse(const QStringList& Arguments);

struct Outcome {
    int Code = Exit::Done;
    QByteArray Out; // for standard output
    QString Err;    // "<title>: <text>" lines for standard error
};

// Runs the command; needs the application object (a QGuiApplication, for the icons).
Outcome Run(const Request& Command);

// The whole program for these commands: its own headless application object, the
// command run, its output printed. Returns the exit status.
int Main(int argc, char** argv);

// The help text's part about these commands.
QStringList UsageLines();
QString Help();

} // namespace BatchCommand
