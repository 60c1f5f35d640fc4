#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of a file dialog's filter, read from the program's filter form
// "Text|pattern;pattern|Text|pattern" (an empty last entry allowed).
struct FilterEntry {
    QString Label;            // the entry's text without the "(...)" it may end with
    QStringList Patterns;     // "*.qtf"; "*.*" becomes "*", which also takes names without "."
    bool Executables = false; // ExecutableFilesPattern was among the patterns

    // The name filter a Qt file dialog takes: "Quintor File (*.qtf)". An entry of
    // executable files takes every name; the dialog itself must leave out the others.
    QString QtFilter() const;
    // What a save dialog adds to a file name without an extension while this entry is
    // chosen: the first pattern's extension ("qtf"), or nothing for "*".
    QString Extension() const;
    // Whether a file of that name and executable bit belongs to this entry.
    bool Takes(const QString& FileName, bool Executable) const;
};

QList<FilterEntry> ParseFilter(const QString& Filter);

// "Quintor File (*.qtf)|*.qtf|All files (*.*)|*.*" -> {"Quintor File (*.qtf)", "All files (*)"}.
QStringList FilterToQt(const QString& Filter);

// Path as a save dialog returns it: Extension (without its ".") added when the file name
// holds no "." at all; a name that has one, or an empty Extension, leaves it as it is.
QString WithExtension(const QString& Path, const QString& Extension);
