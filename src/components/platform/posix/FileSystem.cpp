#include "FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

void FileSystem::SyncFolderOf(const QString& FilePath) {
    const QByteArray folder = QFile::encodeName(QFileInfo(FilePath).absolutePath());
    int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
