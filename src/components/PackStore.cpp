#include "PackStore.h"

#include "components/AppError.h"
#include "components/AtomicFile.h"
#include "components/platform/FileLock.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr qint64 HeaderSize = 8;  // signature and entry count
constexpr qint64 RecordSize = 16; // offset, length, 8-byte name
constexpr int NameSize = 8;
// More entries than a file of 4 GB has room for directory records.
constexpr qint32 MaxEntries = static_cast<qint32>((0xFFFFFFFFLL - HeaderSize) / RecordSize);
// A text file read whole (a built page) is never larger than this: a page of 10,000
// items is about 4 MB, and the reader holds the text twice over while it decodes it.
constexpr qint64 MaxTextFileBytes = 64 * 1024 * 1024;

AppError Damaged(const QString& What) {
    return AppError(PackStore::tr("Invalid file format: %1").arg(What), ErrNo::BadFileFormat);
}

AppError OutOfRange() {
    return AppError(PackStore::tr("Subscript out of range"), ErrNo::SubscriptOutOfRange);
}

quint32 U32At(const QByteArray& Bytes, qint64 At) {
    return qFromLittleEndian<quint32>(Bytes.constData() + At);
}

// Reads a whole file while holding a shared lock, so that a file another program
// holds exclusively is reported as locked instead of being read half-written.
// CheckHead sees the first bytes and the file size before the rest is read, so a
// foreign file is refused before it costs memory.
QByteArray ReadLockedFile(const QString& Path,
                          const std::function<void(const QByteArray&, qint64)>& CheckHead = {}) {
    const QFileInfo info(Path);
    if (Path.isEmpty() || !info.exists())
        throw AppError(PackStore::tr("File not found"), ErrNo::FileNotFound);
    if (info.isDir())
        throw AppError(PackStore::tr("Path/File access error: the path is a folder"),
                       ErrNo::PathFileAccess);
    // A device or a pipe has no end to read to.
    if (!info.isFile())
        throw AppError(PackStore::tr("Path/File access error: the path is not a file"),
                       ErrNo::PathFileAccess);
    FileLock lock;
    if (!lock.Take(Path, FileLock::Mode::Shared)) {
        if (lock.LastErrorWasConflict())
            throw AppError(
                PackStore::tr("Permission denied: the file is in use by another program"),
                ErrNo::PermissionDenied);
        throw AppError(PackStore::tr("Permission denied"), ErrNo::PermissionDenied);
    }
    QFile file;
    if (!file.open(lock.Handle(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        throw AppError(PackStore::tr("Path/File access error"), ErrNo::PathFileAccess);
    QByteArray bytes;
    if (CheckHead) {
        bytes = file.read(HeaderSize);
        CheckHead(bytes, file.size());
    }
    bytes += file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(PackStore::tr("Path/File access error: %1").arg(file.errorString()),
                       ErrNo::PathFileAccess);
    return bytes;
}

// The signature and the entry count, checked against the file size.
quint32 CheckedCount(const QByteArray& Head, qint64 Size) {
    if (Head.size() < HeaderSize || Size < HeaderSize)
        throw Damaged(PackStore::tr("the file is too short to be a launcher file"));
    if (!Head.startsWith(PackStore::Signature))
        throw Damaged(PackStore::tr("the file is not a launcher file (no QTFP signature)"));
    const quint32 count = U32At(Head, 4);
    if (count > static_cast<quint64>(Size - HeaderSize) / RecordSize)
        throw Damaged(
            PackStore::tr("the directory of %1 entries is longer than the file").arg(count));
    return count;
}

// Entries that share bytes would let a small file stand for many times its size (a
// thousand entries naming one block): every byte of data belongs to one entry only.
void RefuseSharedData(const QVector<PackStore::Entry>& Entries) {
    QVector<QPair<qint64, qint64>> ranges; // first byte, one past the last
    ranges.reserve(Entries.size());
    for (const PackStore::Entry& e : Entries)
        if (e.Length > 0)
            ranges.append({e.Offset, qint64(e.Offset) + e.Length});
    // The editor writes the blocks in order; only a file from elsewhere needs sorting.
    if (!std::is_sorted(ranges.cbegin(), ranges.cend()))
        std::sort(ranges.begin(), ranges.end());
    for (qsizetype i = 1; i < ranges.size(); ++i)
        if (ranges[i].first < ranges[i - 1].second)
            throw Damaged(PackStore::tr("two entries share the same data"));
}

void RefuseLargeText(const QByteArray&, qint64 Size) {
    if (Size > MaxTextFileBytes)
        throw Damaged(PackStore::tr("the file is too large to be a page"));
}

QString DataOf(const QByteArray& Bytes, qint64 Offset, qint64 Length) {
    if (Offset < 0 || Length < 0 || Offset + Length > Bytes.size())
        throw Damaged(PackStore::tr("an entry lies outside the file"));
    const QByteArrayView data(Bytes.constData() + Offset, Length);
    if (!data.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(data);
    // A text that begins with U+FEFF keeps it: it is the text's, not a mark of the file.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return utf8(data);
}

} // namespace

QVector<PackStore::Entry> PackStore::ParseDirectory(const QByteArray& Bytes) {
    const qint64 size = Bytes.size();
    // Checked before anything is allocated: a damaged count cannot ask for memory.
    const quint32 count = CheckedCount(Bytes, size);
    const qint64 dataStart = HeaderSize + RecordSize * count;
    QVector<Entry> entries;
    entries.reserve(static_cast<int>(count));
    for (quint32 i = 0; i < count; ++i) {
        const qint64 at = HeaderSize + RecordSize * i;
        Entry e;
        e.Offset = U32At(Bytes, at);
        e.Length = U32At(Bytes, at + 4);
        e.Name = Bytes.mid(at + 8, NameSize);
        const qint64 end = static_cast<qint64>(e.Offset) + e.Length;
        if (end > size || (e.Length > 0 && e.Offset < dataStart))
            throw Damaged(PackStore::tr("entry %1 lies outside the data of the file").arg(i + 1));
        entries.append(std::move(e));
    }
    RefuseSharedData(entries);
    return entries;
}

QByteArray PackStore::Serialize(const QVector<Entry>& Entries) {
    return SerializeRange(Entries.constData(), Entries.size());
}

// One pass and no buffer per entry: a file of 70,000 entries is written often.
QByteArray PackStore::SerializeRange(const Entry* Entries, qsizetype Count) {
    const qint64 dataStart = HeaderSize + RecordSize * Count;
    qint64 capacity = dataStart;
    for (qsizetype i = 0; i < Count; ++i)
        capacity += Entries[i].Data.size(); // ASCII estimate; grows for other text
    QByteArray out;
    out.reserve(capacity);
    out.resize(dataStart);
    char* header = out.data();
    std::memcpy(header, Signature, 4);
    qToLittleEndian(static_cast<quint32>(Count), header + 4);
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (qsizetype i = 0; i < Count; ++i) {
        const qint64 offset = out.size();
        const QString& data = Entries[i].Data;
        out.resize(offset + data.size() * 3); // the most UTF-8 can take
        char* end = toUtf8.appendToBuffer(out.data() + offset, data);
        out.resize(end - out.constData());
        if (out.size() > 0xFFFFFFFFLL)
            throw AppError(PackStore::tr("The launcher file would be larger than 4 GB"),
                           ErrNo::InvalidArgument);
        char* record = out.data() + HeaderSize + RecordSize * i;
        qToLittleEndian(static_cast<quint32>(offset), record);
        qToLittleEndian(static_cast<quint32>(out.size() - offset), record + 4);
        const QByteArray& name = Entries[i].Name;
        const qsizetype nameSize = std::min<qsizetype>(name.size(), NameSize);
        std::memcpy(record + 8, name.constData(), nameSize);
        std::memset(record + 8 + nameSize, 0, NameSize - nameSize);
    }
    return out;
}

void PackStore::PackOpen(const QString& Path) {
    QByteArray bytes = ReadLockedFile(Path, CheckedCount);
    QVector<Entry> entries = ParseDirectory(bytes);
    OpenedBytes = std::move(bytes);
    Opened = std::move(entries);
    OpenedPath = Path;
}

QVariant PackStore::PackGetField(qint32 Field, qint32 Index) const {
    if (Index == 0 && Field == 1)
        return static_cast<qint32>(Opened.size());
    if (Index < 1 || Index > Opened.size())
        throw OutOfRange();
    const Entry& e = Opened[Index - 1];
    switch (Field) {
    case 1:
        return static_cast<qint64>(e.Offset);
    case 2:
        return static_cast<qint64>(e.Length);
    case 3:
        return QString::fromLatin1(e.Name);
    default:
        throw OutOfRange();
    }
}

QString PackStore::PackReadData(const QString& Path, const QVariant& Offset, const QVariant& Length,
                                bool) const {
    const qint64 offset = Offset.toLongLong();
    const qint64 length = Length.toLongLong();
    if (Path == OpenedPath)
        return DataOf(OpenedBytes, offset, length);
    return DataOf(ReadLockedFile(Path), offset, length);
}

void PackStore::PackSetField(const QVariant& Value, qint32 Field, qint32 Index) {
    if (Index == 0 && Field == 1) {
        const int count = Value.toInt();
        if (count < 0 || count > MaxEntries)
            throw OutOfRange();
        WriteCount = count;
        if (ToWrite.size() < count + 1)
            ToWrite.resize(count + 1);
        return;
    }
    if (Index < 1 || Index > MaxEntries)
        throw OutOfRange();
    if (ToWrite.size() < Index + 1) {
        // Entries arrive one by one: grow by half again, not by one.
        if (ToWrite.capacity() < Index + 1)
            ToWrite.reserve(std::max<qsizetype>(Index + 1, ToWrite.capacity() * 3 / 2));
        ToWrite.resize(Index + 1);
    }
    Entry& e = ToWrite[Index];
    switch (Field) {
    case 3: {
        const QString name = Value.toString();
        if (name.size() > NameSize)
            throw AppError(PackStore::tr("Entry name longer than 8 characters: %1").arg(name),
                           ErrNo::InvalidArgument);
        e.Name = name.toLatin1();
        break;
    }
    case 5:
        e.Data = Value.toString();
        break;
    default:
        throw OutOfRange();
    }
}

void PackStore::PackWrite(const QString& Path) const {
    if (WriteCount == 0) {
        WriteFileAtomically(Path, SerializeRange(nullptr, 0));
        return;
    }
    if (ToWrite.size() < WriteCount + 1)
        throw OutOfRange();
    WriteFileAtomically(Path, SerializeRange(ToWrite.constData() + 1, WriteCount));
}

bool PackStore::PackFileExists(const QString& Path) {
    if (Path.isEmpty())
        return false;
    const QFileInfo info(Path);
    return info.exists() && !info.isDir();
}

QString PackStore::PackReadTextFile(const QString& Path) {
    return QString::fromUtf8(ReadLockedFile(Path, RefuseLargeText));
}
