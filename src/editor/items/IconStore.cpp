#include "IconStore.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/platform/FileSystem.h"
#include "components/platform/SystemPaths.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTemporaryFile>

namespace {
constexpr int MaxIconSide = 1024;

// The picture as PNG bytes: a PNG as it came, anything else converted; nothing for
// bytes no reader takes.
QByteArray AsPng(const QByteArray& Bytes) {
    QBuffer source;
    source.setData(Bytes);
    QImageReader reader(&source);
    // A small file may claim a huge picture; an icon is never larger than this, and a
    // format that tells its size only while decoding is stopped by the allocation limit.
    reader.setAllocationLimit(MaxIconSide * MaxIconSide * 4 / (1024 * 1024) + 1);
    const QSize size = reader.size();
    if (size.width() > MaxIconSide || size.height() > MaxIconSide)
        return {};
    const QImage image = reader.read();
    if (image.isNull() || image.width() > MaxIconSide || image.height() > MaxIconSide)
        return {};
    if (reader.format() == "png")
        return Bytes;
    QByteArray png;
    QBuffer target(&png);
    target.open(QIODevice::WriteOnly);
    return image.save(&target, "PNG") ? png : QByteArray();
}

// Written beside its place and renamed into it, so that no reader sees half a picture;
// without the syncs a document's file gets, which would cost an import of a few hundred
// icons seconds, since a picture lost in a crash is written again by the next import.
void WriteIcon(const QString& Path, const QByteArray& Png) {
    const AppError failed(
        QCoreApplication::translate("IconStore",
                                    "Path/File access error: the icon '%1' cannot be written")
            .arg(Path),
        ErrNo::PathFileAccess);
    QTemporaryFile part(Path + QStringLiteral(".XXXXXX"));
    if (!part.open())
        throw failed;
    WriteAllBytes(part, Png);
    QFile::remove(Path);
    if (!part.flush() || !part.rename(Path))
        throw failed;
    part.setAutoRemove(false); // it would remove the file under its new name
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
        const QString name =
            QString::fromLatin1(QCryptographicHash::hash(png, QCryptographicHash::Sha256).toHex());
        file = SystemPaths::Join(Folder, name + QStringLiteral(".png"));
        // Named by its content, a file of the right length is the picture; a shorter one
        // is what a crash left of an earlier write.
        if (!FileSystem::IsRegularFile(file) || QFileInfo(file).size() != png.size()) {
            if (!FolderMade && !FileSystem::MakePrivateFolder(Folder))
                throw AppError(QCoreApplication::translate("IconStore",
                                                           "Path/File access error: the folder "
                                                           "'%1' cannot be made the user's own")
                                   .arg(Folder),
                               ErrNo::PathFileAccess);
            FolderMade = true;
            WriteIcon(file, png);
            ++WrittenFiles;
        }
    }
    Known.insert(Bytes, file);
    return file;
}
