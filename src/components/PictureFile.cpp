#include "PictureFile.h"

#include "components/platform/FileSystem.h"

#include <QBuffer>
#include <QImageReader>

namespace {
// Icons are a few kilobytes; a photograph chosen as an icon is still well below this.
constexpr qint64 MaxPictureBytes = 32 * 1024 * 1024;
} // namespace

QImage PictureFile::Load(const QString& Path) {
    std::optional<QByteArray> bytes = FileSystem::ReadRegularFile(Path, MaxPictureBytes);
    if (!bytes)
        return {};
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.read();
}
