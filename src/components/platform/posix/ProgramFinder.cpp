#include "components/platform/ProgramFinder.h"

#include <QDir>
#include <QFileInfo>

#include <dirent.h>

namespace {
// Names only: whether one may be run is asked of the few names that are wanted.
QSet<QString> NamesIn(const QString& Path) {
    QSet<QString> names;
    DIR* dir = opendir(QFile::encodeName(Path).constData());
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.')
            names.insert(QFile::decodeName(entry->d_name));
    closedir(dir);
    return names;
}
} // namespace

ProgramFinder::ProgramFinder() {
    const QStringList paths =
        qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& path : paths)
        Folders.append({path, NamesIn(path)});
}

bool ProgramFinder::Finds(const QString& Name) {
    if (Name.isEmpty() || Name.contains(QLatin1Char('/')))
        return false;
    const auto known = Answers.constFind(Name);
    if (known != Answers.constEnd())
        return *known;
    bool found = false;
    for (const Folder& folder : Folders) {
        if (!folder.Names.contains(Name))
            continue;
        const QFileInfo file(folder.Path + QLatin1Char('/') + Name);
        if (file.isFile() && file.isExecutable()) {
            found = true;
            break;
        }
    }
    Answers.insert(Name, found);
    return found;
}
