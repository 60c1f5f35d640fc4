#include "AtomicFile.h"

#include "components/AppError.h"
#include "components/platform/FileSystem.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

AppError ErrorOf(const QFileDevice& File, int SavedErrno) {
    if (SavedErrno == ENOSPC || SavedErrno == EDQUOT || SavedErrno == EFBIG ||
        File.error() == QFileDevice::ResourceError)
        return AppError(QCoreApplication::translate("AtomicFile", "Disk full"), ErrNo::DiskFull);
    if (SavedErrno == EACCES || SavedErrno == EPERM || SavedErrno == EROFS ||
        File.error() == QFileDevice::PermissionsError)
        return AppError(QCoreApplication::translate("AtomicFile", "Permission denied"),
                        ErrNo::PermissionDenied);
    return AppError(QCoreApplication::translate("AtomicFile", "Path/File access error: %1")
                        .arg(File.errorString()),
                    ErrNo::PathFileAccess);
}

} // namespace

void RefuseSpecialTarget(const QString& Path) {
    if (QFileInfo::exists(Path) && !FileSystem::IsRegularFile(Path))
        throw AppError(QCoreApplication::translate(
                           "AtomicFile", "Path/File access error: the path is not a regular file"),
                       ErrNo::PathFileAccess);
}

void WriteAllBytes(QIODevice& Device, const QByteArray& Bytes) {
    qint64 done = 0;
    while (done < Bytes.size()) {
        errno = 0;
        const qint64 n = Device.write(Bytes.constData() + done, Bytes.size() - done);
        if (n <= 0) {
            const int saved = errno;
            if (auto* file = qobject_cast<QFileDevice*>(&Device))
                throw ErrorOf(*file, saved);
            throw AppError(QCoreApplication::translate("AtomicFile", "Disk full"), ErrNo::DiskFull);
        }
        done += n;
    }
}

void WriteFileAtomically(const QString& Path, const QByteArray& Bytes, FileAccess Access) {
    RefuseSpecialTarget(Path);
    QSaveFile file(Path);
    // Without the fallback a folder we may not create files in fails cleanly instead of
    // the old file being overwritten in place.
    file.setDirectWriteFallback(false);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw ErrorOf(file, errno);
    try {
        // Set on the new file before a byte is in it: nobody else may read it even then.
        if (Access == FileAccess::OwnerOnly &&
            !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            throw ErrorOf(file, errno);
        WriteAllBytes(file, Bytes);
    } catch (const AppError&) {
        file.cancelWriting();
        throw;
    }
    errno = 0;
    if (!file.commit())
        throw ErrorOf(file, errno);
    FileSystem::SyncFolderOf(Path);
}
