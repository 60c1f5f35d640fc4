#include "components/platform/SystemPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString SystemPaths::ProgramFolder() {
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString SystemPaths::ExecutableFolder() {
    QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    folder = QDir::toNativeSeparators(QFileInfo(folder).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString SystemPaths::ProgramFile(const QString& BaseName) {
    return BaseName;
}

QString SystemPaths::TempFolder() {
    QString folder = qEnvironmentVariable("TEMP");
    if (folder.isEmpty())
        folder = QDir::tempPath();
    folder = QDir::toNativeSeparators(folder);
    if (folder.size() > 1 && folder.endsWith(QDir::separator()))
        folder.chop(1);
    return folder;
}

QString SystemPaths::StateFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(state))
        return QDir::cleanPath(state);
    return QDir::homePath() + QStringLiteral("/.local/state");
}

QString SystemPaths::Join(const QString& Folder, const QString& Name) {
    if (Folder.isEmpty() || Folder.endsWith(QDir::separator()))
        return Folder + Name;
    return Folder + QDir::separator() + Name;
}

QString SystemPaths::UserDataFolder() {
    return Join(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                QStringLiteral("quintor"));
}

SystemPaths::DataFile SystemPaths::FindData(const QString& Relative, const QString& ProgramFolder) {
    const QString beside = QDir::cleanPath(ProgramFolder + QStringLiteral("../share/") + Relative);
    QStringList candidates{beside};
    // A folder given relative would depend on where the program was started from.
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& folder : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            candidates << QDir::cleanPath(folder + QLatin1Char('/') + Relative);
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return {QDir::toNativeSeparators(candidate), true};
    return {QDir::toNativeSeparators(beside), false};
}
