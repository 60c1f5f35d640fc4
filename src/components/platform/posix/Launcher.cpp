#include "components/platform/Launcher.h"

#include "components/AppError.h"
#include "components/NameInMessage.h"
#include "components/platform/DefaultApplication.h"
#include "components/platform/WindowStyle.h"

#include <QCoreApplication>
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

// Starts Program as a grandchild of ours, re-parented away, so it outlives the caller.
// Empty on success, else why it failed.
QString Detach(const QString& Program, const QStringList& Arguments, const QString& Folder,
               int ShowCommand) {
    QProcess process;
    process.setProgram(Program);
    process.setArguments(Arguments);
    if (!Folder.isEmpty())
        process.setWorkingDirectory(Folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(Launcher::ShowCommandVariable), QString::number(ShowCommand));
    process.setProcessEnvironment(environment);
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return process.errorString();
    WindowStyle::Apply(pid, ShowCommand);
    return QString();
}

Launcher::Outcome FromDefaultApplication(const DefaultApplication::Result& Result,
                                         int ShowCommand) {
    if (!Result.Started)
        return {Launcher::NoAssociation, Result.Reason};
    WindowStyle::Apply(Result.Pid, ShowCommand);
    return {};
}

Launcher::Outcome OpenExisting(const QString& Path, const QString& Parameters,
                               const QString& Folder, int ShowCommand) {
    const QFileInfo info(Path);
    if (!info.isFile() || !info.isExecutable())
        return FromDefaultApplication(DefaultApplication::Open(Path, ShowCommand), ShowCommand);
    if (!Folder.isEmpty() && !QFileInfo(Folder).isDir())
        return {Launcher::PathNotFound,
                QCoreApplication::translate("Launcher", "The start-in folder '%1' does not exist")
                    .arg(NameInMessage(Folder))};
    const QString failure = Detach(Path, Launcher::SplitArguments(Parameters), Folder, ShowCommand);
    if (!failure.isEmpty())
        return {Launcher::AccessDenied, failure};
    return {};
}

} // namespace

Launcher::Outcome Launcher::Open(const QString& File, const QString& Parameters,
                                 const QString& Folder, int ShowCommand) {
    if (File.trimmed().isEmpty())
        return {FileNotFound, QString()};
    QString path = Resolve(File);
    if (path.isEmpty() && HasUrlScheme(File)) {
        const QUrl url(File, QUrl::TolerantMode);
        if (!url.isLocalFile())
            return OpenDocument(File, ShowCommand);
        // The desktop's opener reports success for a missing file; we do not.
        path = Resolve(url.toLocalFile());
    }
    if (path.isEmpty())
        return {FileNotFound, QString()};
    return OpenExisting(path, Parameters, Folder, ShowCommand);
}

Launcher::Outcome Launcher::OpenDocument(const QString& Target, int ShowCommand) {
    QString target = Target;
    if (HasUrlScheme(Target)) {
        const QUrl url(Target, QUrl::TolerantMode);
        if (url.isLocalFile())
            target = url.toLocalFile();
    }
    // The desktop's opener reports success for a missing file; we do not.
    if (!QFileInfo::exists(target) && !HasUrlScheme(target))
        return {FileNotFound, QString()};
    return FromDefaultApplication(DefaultApplication::Open(target, ShowCommand), ShowCommand);
}

void Launcher::StartProgram(const QString& Program, const QStringList& Arguments, int ShowCommand) {
    const QFileInfo info(Program);
    if (!info.isFile())
        throw AppError(QCoreApplication::translate("Launcher", "File not found"),
                       ErrNo::FileNotFound);
    if (!info.isExecutable() || !Detach(Program, Arguments, QString(), ShowCommand).isEmpty())
        throw AppError(QCoreApplication::translate("Launcher", "Permission denied"),
                       ErrNo::PermissionDenied);
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
