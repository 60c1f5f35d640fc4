#include "IcoFile.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/NameInMessage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

constexpr int HeaderSize = 6; // reserved, type 1 (icon), number of entries
constexpr int EntrySize = 16; // width, height, colours, reserved, planes, bits, size, offset
constexpr int OffsetField = 12;

struct Encoded {
    QByteArray Entry;
    QByteArray Data;
};

// Qt's writer leaves the padding at the end of each row of the transparency mask as it
// found it in memory, so one picture could give different files from one build to the
// next. The bits past the picture's width are cleared. Bmp: the entry's picture data
// (a header, the 32-bit pixels, the mask); anything else is left as it is.
void ClearMaskPadding(QByteArray& Bmp) {
    constexpr int InfoHeaderSize = 40;
    if (Bmp.size() < InfoHeaderSize)
        return;
    const auto header = qFromLittleEndian<quint32>(Bmp.constData());
    const auto width = qFromLittleEndian<qint32>(Bmp.constData() + 4);
    const auto height = qFromLittleEndian<qint32>(Bmp.constData() + 8) / 2;
    const auto bits = qFromLittleEndian<quint16>(Bmp.constData() + 14);
    if (header < InfoHeaderSize || width <= 0 || height <= 0 || bits != 32)
        return;
    const qint64 maskRow = (qint64(width) + 31) / 32 * 4;
    const qint64 maskStart = header + qint64(width) * 4 * height;
    if (maskStart + maskRow * height != Bmp.size())
        return;
    char* mask = Bmp.data() + maskStart;
    for (qint64 row = 0; row < height; ++row)
        for (qint64 bit = width; bit < maskRow * 8; ++bit)
            mask[row * maskRow + bit / 8] &= static_cast<char>(~(0x80 >> (bit % 8)));
}

// One image through Qt's writer, which makes a file of one entry; its entry and its
// picture data are taken apart so that several can go into one file.
bool EncodeOne(const QImage& Image, Encoded& Out) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (Image.isNull() || !Image.save(&buffer, "ICO") || bytes.size() < HeaderSize + EntrySize ||
        qFromLittleEndian<quint16>(bytes.constData() + 4) != 1)
        return false;
    const quint32 offset = qFromLittleEndian<quint32>(bytes.constData() + HeaderSize + OffsetField);
    if (offset > quint32(bytes.size()))
        return false;
    Out.Entry = bytes.mid(HeaderSize, EntrySize);
    Out.Data = bytes.mid(offset);
    ClearMaskPadding(Out.Data);
    return true;
}

void AppendLittleEndian16(QByteArray& Bytes, quint16 Value) {
    char field[2];
    qToLittleEndian(Value, field);
    Bytes.append(field, 2);
}

} // namespace

QByteArray IcoFile::Encode(const QList<QImage>& Images) {
    if (Images.isEmpty())
        return {};
    QList<Encoded> parts;
    for (const QImage& image : Images) {
        Encoded part;
        if (!EncodeOne(image, part))
            return {};
        parts << part;
    }
    QByteArray file;
    AppendLittleEndian16(file, 0);
    AppendLittleEndian16(file, 1);
    AppendLittleEndian16(file, static_cast<quint16>(parts.size()));
    quint32 offset = HeaderSize + EntrySize * quint32(parts.size());
    for (Encoded& part : parts) {
        qToLittleEndian(offset, part.Entry.data() + OffsetField);
        file += part.Entry;
        offset += quint32(part.Data.size());
    }
    for (const Encoded& part : parts)
        file += part.Data;
    return file;
}

// An icon file is made again on every build and preview from its program: it is written
// in place without the syncs a document's file gets (they would cost a preview of fifty
// programs most of a second), checked for its full length, and a part written is removed.
void IcoFile::Write(const QString& Path, const QList<QImage>& Images) {
    RefuseSpecialTarget(Path); // a FIFO would hold the writer until someone reads
    const QByteArray bytes = Encode(Images);
    QFile file(Path);
    if (bytes.isEmpty() ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        throw AppError(
            QCoreApplication::translate("IcoFile", "The icon file \"%1\" cannot be written")
                .arg(NameInMessage(Path)),
            ErrNo::PathFileAccess);
    try {
        WriteAllBytes(file, bytes);
    } catch (const AppError&) {
        file.remove();
        throw;
    }
}
