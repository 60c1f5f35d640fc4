#pragma once

#include <QByteArray>
#include <QBuffer>
#include <QDataStream>
#include <QVector>
#include <optional>

// A pack file built and read byte by byte, independently of PackStore, so that tests check
// the layout itself: "QTFP", u32 count, count x (u32 offset, u32 length, 8-byte name), data;
// little-endian.
namespace RawPack {
struct Entry {
    QByteArray Name; // without the NUL padding
    QByteArray Data;
    quint32 Offset = 0, Length = 0;
};

inline QByteArray Build(const QVector<Entry>& Entries) {
    QByteArray out("QTFP"), data;
    QDataStream s(&out, QIODevice::Append);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint32(Entries.size());
    for (const Entry& e : Entries) {
        s << quint32(8 + 16 * Entries.size() + data.size()) << quint32(e.Data.size());
        s.writeRawData(e.Name.leftJustified(8, '\0', true).constData(), 8);
        data += e.Data;
    }
    return out + data;
}

// Empty when the bytes do not hold a sound pack.
inline std::optional<QVector<Entry>> Parse(const QByteArray& Bytes) {
    QDataStream s(Bytes);
    s.setByteOrder(QDataStream::LittleEndian);
    quint32 count = 0;
    s.skipRawData(4);
    s >> count;
    if (!Bytes.startsWith("QTFP") || s.status() != QDataStream::Ok ||
        8 + 16 * quint64(count) > quint64(Bytes.size()))
        return std::nullopt;
    QVector<Entry> entries(count);
    for (Entry& e : entries) {
        char name[8];
        s >> e.Offset >> e.Length;
        s.readRawData(name, 8);
        for (e.Name = QByteArray(name, 8); e.Name.endsWith('\0');)
            e.Name.chop(1);
        if (quint64(e.Offset) + e.Length > quint64(Bytes.size()))
            return std::nullopt;
        e.Data = Bytes.mid(e.Offset, e.Length);
    }
    return entries;
}
} // namespace RawPack
