#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// An application the desktop knows from its desktop entry, texts in the user's language.
struct DesktopEntry {
    QString Id;   // "org.example.App.desktop"; empty for an entry read from a loose file
    QString File; // the entry file's full path
    QString Name;
    QString GenericName;
    QString Comment;
    QStringList Keywords;
    QString Exec;           // the command line as written, field codes included
    QString Path;           // the folder to start in; empty when the entry names none
    QString Icon;           // an icon name of the icon theme, or an absolute file path
    QStringList Categories; // the menu categories, as the entry lists them
    bool Terminal = false;
};

namespace DesktopEntries {
// The applications the desktop's menus show here: hidden entries, NoDisplay entries,
// entries for other desktops (OnlyShowIn/NotShowIn) and entries whose TryExec program
// is missing are left out. An entry hidden by one of the same name earlier in the data
// folders is not listed. In no particular order.
QList<DesktopEntry> Shown();
// Every application entry, also those kept out of the menus, for finding what an
// installed program is called and how it looks.
QList<DesktopEntry> All();
// The entry of one desktop file anywhere; nothing for a file that is not a usable
// application entry (unreadable, another type, hidden, a missing TryExec program).
std::optional<DesktopEntry> FromFile(const QString& Path);

// The program and arguments the entry's Exec starts when it is given no file: the field
// codes for files and addresses dropped, %i, %c and %k expanded, "%%" made "%", the words
// split by the desktop's quoting rules. Nothing when Exec is empty or cannot be split.
std::optional<QStringList> ExecArguments(const DesktopEntry& Entry);

// How the desktop starts a program in a terminal window: the terminal program and the
// option that comes before the program's own words.
QStringList TerminalPrefix();
} // namespace DesktopEntries
