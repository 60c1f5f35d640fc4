#include "UseHistoryFile.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/platform/FileSystem.h"
#include "components/platform/SystemPaths.h"

#include <QFile>
#include <QFileInfo>

QString UseHistoryFile::DefaultPath() {
    return SystemPaths::Join(
        SystemPaths::Join(SystemPaths::StateFolder(), QStringLiteral("quintor")),
        QStringLiteral("history"));
}

UseHistory UseHistoryFile::Load(const QString& Path) {
    const std::optional<QByteArray> text = FileSystem::ReadOwnFile(Path, UseHistory::MaxBytes);
    return text ? UseHistory::FromText(*text) : UseHistory();
}

UseHistory UseHistoryFile::RecordStart(const QString& Path, const QString& Page,
                                       const QString& Link, qint64 Now) {
    UseHistory history = Load(Path);
    history.Record(Page, Link, Now);
    if (FileSystem::MakePrivateFolder(QFileInfo(Path).absolutePath()) &&
        FileSystem::ClearForFile(Path)) {
        try {
            WriteFileAtomically(Path, history.ToText(), FileAccess::OwnerOnly);
        } catch (const AppError&) {
            // A full disk or a folder we may not write: the runner goes on without it.
        }
    }
    return history;
}

bool UseHistoryFile::Forget(const QString& Path) {
    // A link goes, not what it points to.
    return FileSystem::ClearForFile(Path) && (!QFileInfo::exists(Path) || QFile::remove(Path));
}
