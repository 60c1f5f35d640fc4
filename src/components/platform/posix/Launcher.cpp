#include "Launcher.h"

#include "AppError.h"
#include "DefaultApplication.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace {

// "https://...", "mailto:..." and the like; one letter before a colon is not a scheme.
bool HasUrlScheme(const QString& Text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(Text).hasMatch();
}

// The file a command names: a path as given (relative to our working folder), or a
// bare name looked up on the search path first. Empty when nothing is there.
QString Resolve(const QString& File) {
    if (!File.contains(QLatin1Char('/'))) {
        const QString found = QStandardPaths::findExecutable(File);
        if (!found.isEmpty())
            return found;
    }
    const QFileInfo info(File);
    return info.exists() ? info.absoluteFilePath() : QString();
}

bool Detach(const QString& Program, const QStringList& Arguments, const QString& Folder,
            int ShowCommand) {
    QProcess process;
    process.setProgram(Program);
    process.setArguments(Arguments);
    if (!Folder.isEmpty())
        process.setWorkingDirectory(Folder);
    // The desktop has no say over another program's first window, so the show number
    // travels with the program for it to honour if it cares.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(Launcher::ShowCommandVariable), QString::number(ShowCommand));
    process.setProcessEnvironment(environment);
    // Detached: a grandchild of ours, re-parented away, so it outlives the runner.
    return process.startDetached();
}

int OpenExisting(const QString& Path, const QString& Parameters, const QString& Folder,
                 int ShowCommand) {
    const QFileInfo info(Path);
    if (info.isFile() && info.isExecutable()) {
        if (!Folder.isEmpty() && !QFileInfo(Folder).isDir())
            return Launcher::PathNotFound;
        return Detach(Path, Launcher::SplitArguments(Parameters), Folder, ShowCommand)
                   ? Launcher::Started
                   : Launcher::AccessDenied;
    }
    return OpenWithDefaultApplication(Path) ? Launcher::Started : Launcher::NoAssociation;
}

} // namespace

int Launcher::Open(const QString& File, const QString& Parameters, const QString& Folder,
                   int ShowCommand) {
    if (File.trimmed().isEmpty())
        return FileNotFound;
    QString path = Resolve(File);
    if (path.isEmpty() && HasUrlScheme(File)) {
        const QUrl url(File, QUrl::TolerantMode);
        if (!url.isLocalFile())
            return OpenWithDefaultApplication(File) ? Started : NoAssociation;
        // The desktop's opener reports success for a missing file; we do not.
        path = Resolve(url.toLocalFile());
    }
    if (path.isEmpty())
        return FileNotFound;
    return OpenExisting(path, Parameters, Folder, ShowCommand);
}

void Launcher::StartProgram(const QString& Program, const QStringList& Arguments, int ShowCommand) {
    const QFileInfo info(Program);
    if (!info.isFile())
        throw AppError(QStringLiteral("File not found"), ErrNo::FileNotFound);
    if (!info.isExecutable() || !Detach(Program, Arguments, QString(), ShowCommand))
        throw AppError(QStringLiteral("Permission denied"), ErrNo::PermissionDenied);
}

QStringList Launcher::SplitArguments(const QString& Parameters) {
    QStringList arguments;
    QString current;
    bool inArgument = false; // also true for an argument that is an empty pair of quotes
    bool quoted = false;
    for (const QChar c : Parameters) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}
