#include "components/platform/FileLock.h"
#include "components/platform/posix/NativePath.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileLock::~FileLock() {
    Release();
}

FileLock::FileLock(FileLock&& Other) noexcept
    : Descriptor(Other.Descriptor), LockedPath(std::move(Other.LockedPath)),
      Conflict(Other.Conflict) {
    Other.Descriptor = -1;
}

FileLock& FileLock::operator=(FileLock&& Other) noexcept {
    if (this != &Other) {
        Release();
        Descriptor = Other.Descriptor;
        LockedPath = std::move(Other.LockedPath);
        Conflict = Other.Conflict;
        Other.Descriptor = -1;
    }
    return *this;
}

bool FileLock::Take(const QString& Path, Mode LockMode) {
    Release();
    Conflict = false;
    const std::optional<QByteArray> native = NativePath(Path);
    if (!native)
        return false;
    // Non-blocking, so that a pipe named by the path cannot stall the program.
    int fd = ::open(native->constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const int operation = (LockMode == Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    if (::flock(fd, operation) != 0) {
        Conflict = (errno == EWOULDBLOCK);
        ::close(fd);
        return false;
    }
    Descriptor = fd;
    LockedPath = Path;
    return true;
}

bool FileLock::TakeNew(const QString& Path) {
    Release();
    Conflict = false;
    const QByteArray native = QFile::encodeName(Path);
    const QByteArray fresh = native + ".new" + QByteArray::number(::getpid());
    int fd = ::open(fresh.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    // link() refuses to replace an existing name, so two takers never share one file.
    const bool placed =
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::link(fresh.constData(), native.constData()) == 0;
    const int error = errno;
    ::unlink(fresh.constData());
    if (!placed) {
        Conflict = (error == EEXIST);
        ::close(fd);
        return false;
    }
    Descriptor = fd;
    LockedPath = Path;
    return true;
}

void FileLock::Release() {
    if (Descriptor >= 0) {
        ::flock(Descriptor, LOCK_UN);
        ::close(Descriptor);
    }
    Descriptor = -1;
    LockedPath.clear();
}

bool FileLock::Covers(const QString& Path) const {
    if (Descriptor < 0 || Path.isEmpty())
        return false;
    struct stat held {
    }, named{};
    if (::fstat(Descriptor, &held) != 0 || ::stat(QFile::encodeName(Path).constData(), &named) != 0)
        return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}
