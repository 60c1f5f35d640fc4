#include "components/platform/FileSystem.h"
#include "components/platform/posix/NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Closes the descriptor on every way out.
struct Descriptor {
    int Fd;
    ~Descriptor() {
        if (Fd >= 0)
            ::close(Fd);
    }
};
} // namespace

void FileSystem::SyncFolderOf(const QString& FilePath) {
    const QByteArray folder = QFile::encodeName(QFileInfo(FilePath).absolutePath());
    Descriptor dir{::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.Fd >= 0)
        ::fsync(dir.Fd);
}

bool FileSystem::IsRegularFile(const QString& Path) {
    const std::optional<QByteArray> native = NativePath(Path);
    struct stat info;
    return native && ::stat(native->constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FileSystem::MakePrivateFolder(const QString& Path) {
    const QString clean = QDir::cleanPath(QFileInfo(Path).absoluteFilePath());
    QString built;
    for (const QString& part : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        built += QLatin1Char('/') + part;
        // Folders above that do not exist yet are the user's own too (the XDG rule).
        if (::mkdir(QFile::encodeName(built).constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    const QByteArray native = QFile::encodeName(clean);
    struct stat info;
    if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid())
        return false;
    return (info.st_mode & 0777) == 0700 || ::chmod(native.constData(), 0700) == 0;
}

bool FileSystem::MakeOwnerOnly(const QString& Path) {
    const QByteArray native = QFile::encodeName(Path);
    struct stat info;
    return ::lstat(native.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::chmod(native.constData(), 0600) == 0;
}

QByteArray FileSystem::Identity(const QString& Path) {
    const std::optional<QByteArray> native = NativePath(Path);
    struct stat info;
    if (!native || ::stat(native->constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    QByteArray identity;
    for (const qint64 part : {qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
                              qint64(info.st_mtim.tv_sec), qint64(info.st_mtim.tv_nsec),
                              qint64(info.st_ctim.tv_sec), qint64(info.st_ctim.tv_nsec)})
        identity += QByteArray::number(part) + ' ';
    return identity;
}

namespace {
// What a read takes: a whole file, a whole file that is the user's own (not through a
// link), or the start of a file.
enum class Reading { Whole, WholeOwn, Start };

// Reads a regular file up to MaxBytes; unless only its start is wanted, a larger file
// gives nothing.
std::optional<QByteArray> ReadUpTo(const QString& Path, qint64 MaxBytes, Reading How) {
    const bool whole = How != Reading::Start, own = How == Reading::WholeOwn;
    const std::optional<QByteArray> native = NativePath(Path);
    if (!native)
        return std::nullopt;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer. The
    // type is checked on the open descriptor, so a file swapped in between is seen.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (own ? O_NOFOLLOW : 0);
    Descriptor file{::open(native->constData(), flags)};
    struct stat info;
    if (file.Fd < 0 || ::fstat(file.Fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        (whole && info.st_size > MaxBytes) || (own && info.st_uid != ::geteuid()))
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(qMin<qint64>(info.st_size, MaxBytes)),
                     Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // the file shrank while we read it: keep what is there
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}
} // namespace

std::optional<QByteArray> FileSystem::ReadRegularFile(const QString& Path, qint64 MaxBytes) {
    return ReadUpTo(Path, MaxBytes, Reading::Whole);
}

std::optional<QByteArray> FileSystem::ReadRegularFileStart(const QString& Path, qint64 MaxBytes) {
    return ReadUpTo(Path, MaxBytes, Reading::Start);
}

std::optional<QByteArray> FileSystem::ReadOwnFile(const QString& Path, qint64 MaxBytes) {
    return ReadUpTo(Path, MaxBytes, Reading::WholeOwn);
}

bool FileSystem::ClearForFile(const QString& Path) {
    const std::optional<QByteArray> native = NativePath(Path);
    struct stat info;
    if (!native)
        return false;
    if (::lstat(native->constData(), &info) != 0)
        return errno == ENOENT;
    if (S_ISREG(info.st_mode))
        return true;
    return !S_ISDIR(info.st_mode) && ::unlink(native->constData()) == 0;
}
