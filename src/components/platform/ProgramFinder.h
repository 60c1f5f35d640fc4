#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// Answers "is there a program of this bare name on the search path?" for many names
// at the price of one listing of each search-path folder, taken when it is made.
class ProgramFinder {
public:
    ProgramFinder();
    // True when a file named Name in a search-path folder may be run.
    bool Finds(const QString& Name);

private:
    struct Folder {
        QString Path;
        QSet<QString> Names;
    };
    QList<Folder> Folders;
    QHash<QString, bool> Answers;
};
