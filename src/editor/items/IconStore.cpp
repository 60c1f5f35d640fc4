#include "IconStore.h"

#include "components/AtomicFile.h"
#include "components/platform/FileSystem.h"
#include "components/platform/SystemPaths.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QImageReader>

namespace {
// The picture as PNG bytes: a PNG as it came, anything else converted; nothing for
// bytes no reader takes.
QByteArray AsPng(const QByteArray& Bytes) {
    QBuffer source;
    source.setData(Bytes);
    QImageReader reader(&source);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    if (reader.format() == "png")
        return Bytes;
    QByteArray png;
    QBuffer target(&png);
    target.open(QIODevice::WriteOnly);
    return image.save(&target, "PNG") ? png : QByteArray();
}
} // namespace

IconStore::IconStore(QString Folder) : Folder(std::move(Folder)) {}

QString IconStore::DefaultFolder() {
    return SystemPaths::Join(SystemPaths::UserDataFolder(), QStringLiteral("icons"));
}

QString IconStore::Keep(const QByteArray& Bytes) {
    if (Bytes.isEmpty())
        return {};
    const auto known = Known.constFind(Bytes);
    if (known != Known.cend())
        return *known;
    const QByteArray png = AsPng(Bytes);
    QString file;
    if (!png.isEmpty()) {
        const QString name = QString::fromLatin1(
            QCryptographicHash::hash(png, QCryptographicHash::Sha256).toHex());
        file = SystemPaths::Join(Folder, name + QStringLiteral(".png"));
        if (!FileSystem::IsRegularFile(file)) {
            if (!FolderMade)
                FileSystem::MakePrivateFolder(Folder);
            FolderMade = true;
            WriteFileAtomically(file, png);
            ++WrittenFiles;
        }
    }
    Known.insert(Bytes, file);
    return file;
}
